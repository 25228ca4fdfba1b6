// The topic editor driven as a user drives it: topics typed, choices picked
// from the drop-down lists, boxes ticked, a template written over two lines
// in the template dialog, OK pressed. The file it writes is compared with
// the one worked out by hand and then compiled into bank3.bin, compared with
// the image the bank's layout gives for these topics.

#include <QPlainTextEdit>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

#include "controls/button/lb_button.h"
#include "editors/ethercat_mqtt/mqtt_set_topic_form.h"
#include "editors/ethercat_mqtt/topic_template_form.h"
#include "ethercat_editor_fixture.h"
#include "params/bank_compiler.h"

namespace mqtt_set_topic_form_gui_tests {

using ethercat_editor_testing::EditorTest;
using ethercat_editor_testing::readFile;
using ethercat_mqtt::TFMQTT_Set_Topic;

// Keys and clicks on the editor's active grid (shown column positions),
// through the widgets that have the focus.
class TopicEditorUser {
public:
    TopicEditorUser(TFMQTT_Set_Topic& form, ethercat_mqtt::TFTopicTemplate& dialog) : form_(form), dialog_(dialog) {}

    grid::TExStringGrid& grid() const { return form_.table(form_.activeTable()).grid(); }

    QPoint centre(int col, int row) const
    {
        const platform::TRect r = grid().CellRect(col, row);
        return {(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2};
    }
    void clickCell(int col, int row)
    {
        QTest::mouseClick(grid().viewport(), Qt::LeftButton, Qt::NoModifier, centre(col, row));
        QApplication::processEvents();
    }
    void doubleClickCell(int col, int row)
    {
        clickCell(col, row);
        QTest::mouseDClick(grid().viewport(), Qt::LeftButton, Qt::NoModifier, centre(col, row));
        QApplication::processEvents();
    }
    static void key(Qt::Key k)
    {
        QTest::keyClick(QApplication::focusWidget(), k);
        QApplication::processEvents();
    }
    static void type(const QString& text)
    {
        for (const QChar c : text) {
            QTest::keyClick(QApplication::focusWidget(), c.toLatin1());
            QApplication::processEvents();
        }
    }
    void typeInto(int col, int row, const QString& text)
    {
        clickCell(col, row);
        type(text);
        key(Qt::Key_Return);
    }
    // Opens the drop-down list of a cell and walks down to the item.
    void choose(int col, int row, int itemIndex)
    {
        clickCell(col, row);
        key(Qt::Key_F2);
        for (int i = 0; i < itemIndex; ++i)
            key(Qt::Key_Down);
        key(Qt::Key_Return);
    }
    // Opens the drop-down list of a Template cell and takes its item.
    void pickTemplate(int col, int row)
    {
        clickCell(col, row);
        key(Qt::Key_F2);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down, Qt::AltModifier);
        QApplication::processEvents();
        QWidget* popup = QApplication::activePopupWidget();
        QTest::keyClick(popup != nullptr ? popup : QApplication::focusWidget(), Qt::Key_Down);
        QApplication::processEvents();
        popup = QApplication::activePopupWidget();
        QTest::keyClick(popup != nullptr ? popup : QApplication::focusWidget(), Qt::Key_Return);
        QApplication::processEvents();
        key(Qt::Key_Return);
    }
    void choosePage(int page)
    {
        QTabBar* bar = form_.PageControl1->tabBar();
        QTest::mouseClick(bar, Qt::LeftButton, Qt::NoModifier, bar->tabRect(page).center());
        QApplication::processEvents();
    }
    static void press(button::TLbButton* button)
    {
        QTest::mouseClick(button, Qt::LeftButton);
        QApplication::processEvents();
    }

    // Double clicks a cell; while the template dialog is open, `inDialog`
    // runs and then presses the dialog's OK (or Cancel). Returns the text
    // the dialog opened with; empty when it did not open.
    template <typename InDialog>
    std::optional<QString> editInDialog(int col, int row, InDialog inDialog, bool ok)
    {
        std::optional<QString> opened;
        ethercat_editor_testing::whileShown(
            dialog_, [&] { doubleClickCell(col, row); },
            [&] {
                dialog_.activateWindow();
                if (!QTest::qWaitForWindowActive(&dialog_))
                    ADD_FAILURE() << "the template dialog does not become active";
                opened = dialog_.RE_TopicTemplate->toPlainText();
                inDialog();
                press(ok ? dialog_.buttons.Btn_OK : dialog_.buttons.Btn_Cancel);
            });
        form_.activateWindow();
        if (!QTest::qWaitForWindowActive(&form_))
            ADD_FAILURE() << "the editor does not become active again";
        return opened;
    }

private:
    TFMQTT_Set_Topic& form_;
    ethercat_mqtt::TFTopicTemplate& dialog_;
};

class TopicEditorGuiTest : public EditorTest {
protected:
    TopicEditorGuiTest() { form.setTemplateDialog(&dialog); }

    void openForm()
    {
        // Wide enough for every shown column.
        form.resize(1400, 480);
        show(form);
        form.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    }

    ethercat_mqtt::TFTopicTemplate dialog;
    TFMQTT_Set_Topic form;
    TopicEditorUser user{form, dialog};
};

// Shown publish columns: 1 Topic, 2 Retained, 3 QoS, 4 Data Type, 5
// Dimension, 6 Position, 7 Template, 8 OnChange, 9 OnTimer, 10 Time(ms),
// 11 Mnemonic. Shown subscribe columns: 1 Topic, 2 QoS, 3 Data Type, 4
// Dimension, 5 Position, 6 Template, 7 Mnemonic.
TEST_F(TopicEditorGuiTest, TheTemplateDialogOpensWithTheCellTextAndOkStoresItsLineBreaks)
{
    openForm();
    user.typeInto(7, 1, QStringLiteral("$VALUE$"));
    ASSERT_EQ(form.table(0).cellText(9, 1), QStringLiteral("$VALUE$"));

    // Cancel leaves the cell as it was, also when the text was edited.
    const auto edit = [this] {
        QTextCursor cursor = dialog.RE_TopicTemplate->textCursor();
        cursor.movePosition(QTextCursor::Start);
        dialog.RE_TopicTemplate->setTextCursor(cursor);
        TopicEditorUser::type(QStringLiteral("v="));
        TopicEditorUser::key(Qt::Key_Return);
    };
    EXPECT_EQ(user.editInDialog(7, 1, edit, false), QStringLiteral("$VALUE$"));
    EXPECT_EQ(form.table(0).cellText(9, 1), QStringLiteral("$VALUE$"));
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Set Template"));

    // OK stores the edited text, the line break as typed.
    EXPECT_EQ(user.editInDialog(7, 1, edit, true), QStringLiteral("$VALUE$"));
    EXPECT_EQ(form.table(0).cellText(9, 1), QStringLiteral("v=\n$VALUE$"));

    // The next opening starts from the cell again.
    EXPECT_EQ(user.editInDialog(7, 1, [] {}, true), QStringLiteral("v=\n$VALUE$"));
    EXPECT_EQ(form.table(0).cellText(9, 1), QStringLiteral("v=\n$VALUE$"));

    // The subscribe page's Template column.
    user.choosePage(1);
    user.typeInto(6, 2, QStringLiteral("$A$"));
    EXPECT_EQ(user.editInDialog(6, 2, [] { TopicEditorUser::type(QStringLiteral("$B$")); }, true),
              QStringLiteral("$A$"));
    EXPECT_EQ(dialog.Pub_Sub, 1);
    EXPECT_EQ(form.table(1).cellText(11, 2), QStringLiteral("$B$$A$"));
    EXPECT_TRUE(dialogs.shown().empty()) << dialogs.texts().join(u'\n').toStdString();
}

// What the user enters: publish "plant/temp" (retained, QoS 1, Int of 2
// bytes at 10, "$VALUE$", on change and every 500 ms, mnemonic "T1") and
// "plant/name" (QoS 0, String of 8 bytes at 20, the template "name:" and
// "$VALUE$" on two lines); subscribe "cmd/speed" (QoS 2, Float of 4 bytes at
// 0, "$VALUE$", mnemonic "s"). Boxes nobody clicked are saved empty.
const QByteArray kExpectedFile =
    "<MQTT_Set_Topic>\n"
    "\t<MQTT_Publish>\n"
    "\t\t<row Topic=\"plant/temp\" Retained=\"Y\" QoS=\"1\" DataType=\"Int\" Dimension=\"2\" Position=\"10\" "
    "IPAddress=\"\" InputTemplate=\"\" Template=\"$VALUE$\" OnChange=\"Y\" OnTimer=\"Y\" Time=\"500\" "
    "Mnemonic=\"T1\" />\n"
    "\t\t<row Topic=\"plant/name\" Retained=\"\" QoS=\"0\" DataType=\"String\" Dimension=\"8\" Position=\"20\" "
    "IPAddress=\"\" InputTemplate=\"\" Template=\"name:&#10;$VALUE$\" OnChange=\"\" OnTimer=\"\" Time=\"\" "
    "Mnemonic=\"\" />\n"
    "\t</MQTT_Publish>\n"
    "\t<MQTT_Subscribe>\n"
    "\t\t<row Topic=\"cmd/speed\" Retained=\"\" QoS=\"2\" DataType=\"Float\" Dimension=\"4\" Position=\"0\" "
    "IPAddress=\"\" Port=\"\" EthType=\"\" InputTemplate=\"\" Template=\"$VALUE$\" Mnemonic=\"s\" />\n"
    "\t</MQTT_Subscribe>\n"
    "</MQTT_Set_Topic>\n"
    "<!--SW_VERSION = 1.001-->\n";

// bank3.bin for the file above, without ParGen.xml (mode 0, no texts of
// the connection): the fixed part of 174 bytes, then
//   174 the topic-filter reference, 186 "cmd/speed", 196 its QoS,
//   200 the subscribe record, 227 its template "$VALUE$",
//   235 and 284 the publish records,
//   333 "T1", 336 "plant/temp", 347 "$VALUE$", 355 "plant/name",
//   366 "name:$VALUE$" (the line break removed); 379 bytes.
QByteArray expectedBank3()
{
    constexpr uint32_t L = 0xA0000;
    QByteArray image(379, '\0');
    const auto put = [&image](int offset, uint32_t value, int bytes) {
        for (int i = 0; i < bytes; ++i)
            image[offset + i] = char((value >> (8 * i)) & 0xFF);
    };
    const auto text = [&image](int offset, const char* s) { image.replace(offset, int(qstrlen(s)), s); };
    const auto reference = [&put](int offset, uint32_t address, uint32_t length) {
        put(offset, address, 4);
        put(offset + 4, length, 4);
        put(offset + 8, address, 4);
    };
    // Fixed part.
    put(8, L + 173, 4);
    text(14, "MQTC");
    put(22, 4, 1);
    text(39, "MQTW");
    put(97, 1, 4);
    put(101, L + 174, 4);
    put(105, L + 196, 4);
    put(109, L + 200, 4);
    put(113, 2, 4);
    put(117, L + 235, 4);
    for (int at : {129, 141, 149, 161, 165})
        put(at, L + 173, 4);
    // Subscription.
    reference(174, L + 186, 9);
    text(186, "cmd/speed");
    put(196, 2, 4);
    put(200, 0, 4);         // position
    put(204, 4, 4);         // length
    put(208, 2, 4);         // FLOAT
    put(212, L + 227, 4);   // input template
    put(216, L + 173, 4);   // output template: empty
    text(227, "$VALUE$");
    // Publish records.
    struct Publish {
        int at;
        uint32_t description, topic, topicLength, outputTemplate;
        int retained, qos, position, length, type, timer, options;
    };
    const Publish records[] = {
        {235, L + 333, L + 336, 10, L + 347, 1, 1, 10, 2, 1, 500, 5},
        {284, L + 173, L + 355, 10, L + 366, 0, 0, 20, 8, 0, 0, 0},
    };
    for (const Publish& p : records) {
        put(p.at, p.description, 4);
        reference(p.at + 4, p.topic, p.topicLength);
        put(p.at + 16, uint32_t(p.retained), 1);
        put(p.at + 17, uint32_t(p.qos), 4);
        put(p.at + 21, L + 173, 4);  // input template: empty
        put(p.at + 25, p.outputTemplate, 4);
        put(p.at + 33, uint32_t(p.position), 4);
        put(p.at + 37, uint32_t(p.length), 2);
        put(p.at + 39, uint32_t(p.type), 2);
        put(p.at + 41, uint32_t(p.timer), 4);
        put(p.at + 45, uint32_t(p.options), 4);
    }
    text(333, "T1");
    text(336, "plant/temp");
    text(347, "$VALUE$");
    text(355, "plant/name");
    text(366, "name:$VALUE$");
    return image;
}

TEST_F(TopicEditorGuiTest, KeysAndClicksWriteAFileTheCompilerTurnsIntoBank3)
{
    openForm();
    // Publish row 1.
    user.typeInto(1, 1, QStringLiteral("plant/temp"));
    user.clickCell(2, 1);
    user.choose(3, 1, 1);
    user.choose(4, 1, 0);
    user.typeInto(5, 1, QStringLiteral("2"));
    user.typeInto(6, 1, QStringLiteral("10"));
    user.pickTemplate(7, 1);
    user.clickCell(8, 1);
    user.clickCell(9, 1);
    user.typeInto(10, 1, QStringLiteral("500"));
    user.typeInto(11, 1, QStringLiteral("T1"));
    // Publish row 2, its template written in the dialog.
    user.typeInto(1, 2, QStringLiteral("plant/name"));
    user.choose(3, 2, 0);
    user.choose(4, 2, 2);
    user.typeInto(5, 2, QStringLiteral("8"));
    user.typeInto(6, 2, QStringLiteral("20"));
    const auto writeTemplate = [] {
        TopicEditorUser::type(QStringLiteral("name:"));
        TopicEditorUser::key(Qt::Key_Return);
        TopicEditorUser::type(QStringLiteral("$VALUE$"));
    };
    EXPECT_EQ(user.editInDialog(7, 2, writeTemplate, true), QString());

    user.choosePage(1);
    ASSERT_EQ(form.activeTable(), TFMQTT_Set_Topic::Subscribe);
    user.typeInto(1, 1, QStringLiteral("cmd/speed"));
    user.choose(2, 1, 2);
    user.choose(3, 1, 1);
    user.typeInto(4, 1, QStringLiteral("4"));
    user.typeInto(5, 1, QStringLiteral("0"));
    user.typeInto(6, 1, QStringLiteral("$VALUE$"));
    user.typeInto(7, 1, QStringLiteral("s"));

    user.press(form.Btn_OK);
    EXPECT_TRUE(dialogs.shown().empty()) << dialogs.texts().join(u'\n').toStdString();
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(readFile(topicPath()), kExpectedFile);

    params::BankSources sources;
    sources.projectPath = folder.path();
    sources.parGen = folder.file(QStringLiteral("ParGen.xml"));
    sources.etherCATSlave = slavePath();
    sources.etherCATSlaveGroup = groupPath();
    sources.mqttSetTopic = topicPath();
    platform::XmlDocument doc;
    params::BankImages images;
    const params::CompileResult compiled = params::Build_Bank_Images(sources, doc, images);
    ASSERT_TRUE(compiled.ok) << compiled.error.toStdString();
    EXPECT_EQ(images.bank3.toHex(' '), expectedBank3().toHex(' '));
}

}  // namespace mqtt_set_topic_form_gui_tests
