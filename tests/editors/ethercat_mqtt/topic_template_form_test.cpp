// The template dialog: caption and legend at each showing, and the text it
// hands back: exactly the text put in unless the user edits it, line
// breaks and any Unicode included, and what the topic editor stores from
// it survives save and reload byte for byte.

#include <QPlainTextEdit>
#include <QTest>

#include "controls/button/lb_button.h"
#include "controls/grid/string_grid/ex_string_grid.h"
#include "editors/ethercat_mqtt/mqtt_set_topic_form.h"
#include "editors/ethercat_mqtt/topic_template_form.h"
#include "ethercat_editor_fixture.h"

namespace topic_template_form_tests {

using ethercat_editor_testing::EditorTest;
using ethercat_mqtt::TFTopicTemplate;

// Types any text into a widget, one key event per character.
void typeText(QWidget* widget, const QString& text)
{
    for (const QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(widget, &press);
    }
}

class TemplateDialogTest : public EditorTest {
protected:
    // Shows the dialog with `text`, lets `inDialog` act, presses OK and
    // returns what the dialog hands back.
    template <typename InDialog>
    QString roundTrip(const QString& text, InDialog inDialog)
    {
        dialog.setTemplateText(text);
        ethercat_editor_testing::whileShown(
            dialog, [this] { dialog.exec(); },
            [&] {
                inDialog();
                QTest::mouseClick(dialog.buttons.Btn_OK, Qt::LeftButton);
            });
        EXPECT_EQ(dialog.result(), QDialog::Accepted);
        return dialog.templateText();
    }

    TFTopicTemplate dialog;
};

TEST_F(TemplateDialogTest, CaptionAndLegendAtEachShowing)
{
    EXPECT_EQ(dialog.title.L_SW_Code->text(), QStringLiteral("CQ41T17"));
    EXPECT_EQ(dialog.size(), QSize(635, 396));
    EXPECT_EQ(dialog.P_Legend->height(), 108);
    struct Case {
        int topicTemplate;
        const char* caption;
        const char* description;
    };
    const Case cases[] = {{1, "Set Template", "Write the Template: the keywords stand between \"$\" signs"},
                          {0, "Set Topic", "Write the Topic"}};
    for (const Case& c : cases) {
        dialog.TopicTemplate = c.topicTemplate;
        dialog.ESG_Keywords->SetRowCount(4);
        dialog.ESG_Keywords->SetCellEx(0, 1, QStringLiteral("left over"));
        dialog.show();
        QApplication::processEvents();
        EXPECT_EQ(dialog.windowTitle(), QString::fromLatin1(c.caption));
        EXPECT_EQ(dialog.title.L_SW_Desc->text(), QString::fromLatin1(c.description));
        EXPECT_EQ(dialog.ESG_Keywords->RowCount(), 2);
        EXPECT_EQ(dialog.ESG_Keywords->GetCellEx(0, 1), QString());
        EXPECT_FALSE(dialog.ESG_Keywords->ReadOnly(0, 1));
        EXPECT_TRUE(dialog.ESG_Keywords->ReadOnly(1, 1));
        EXPECT_EQ(dialog.ESG_Keywords->GetCellEx(0, 0), QStringLiteral("Keyword"));
        EXPECT_EQ(dialog.ESG_Keywords->GetCellEx(1, 0), QStringLiteral("Description of Keyword"));
        EXPECT_EQ(dialog.ESG_Keywords->LeftCol(), 0) << "both legend columns in sight";
        EXPECT_EQ(dialog.buttons.Btn_OK->Caption(), QStringLiteral("OK"));
        dialog.hide();
    }
}

// Texts that a text editor would otherwise change: CR LF and lone CR line
// ends, a no-break space, Unicode separators, characters outside the BMP.
TEST_F(TemplateDialogTest, AnUneditedTextComesBackExactly)
{
    const QString texts[] = {
        QStringLiteral("$VALUE$"),
        QStringLiteral("{\r\n  \"v\": $VALUE$\r\n}"),
        QStringLiteral("a\rb\n\nc\n"),
        QString::fromUtf8("Temp\u00A0°C\u2028$VALUE$\u2029€ 😀 \t end "),
        QString(),
    };
    for (const QString& text : texts)
        EXPECT_EQ(roundTrip(text, [] {}), text) << text.toStdString();
}

TEST_F(TemplateDialogTest, AnEditedTextKeepsItsCharactersAndTypedLineBreaks)
{
    const QString text = QString::fromUtf8("x\u00A0=\u00A0$VALUE$ 😀");
    const QString edited = roundTrip(text, [this] {
        QTest::keyClick(dialog.RE_TopicTemplate, Qt::Key_End, Qt::ControlModifier);
        QTest::keyClick(dialog.RE_TopicTemplate, Qt::Key_Return);
        typeText(dialog.RE_TopicTemplate, QStringLiteral("ü"));
        QTest::keyClick(dialog.RE_TopicTemplate, Qt::Key_Return, Qt::ShiftModifier);
        typeText(dialog.RE_TopicTemplate, QStringLiteral("$TIME$"));
    });
    EXPECT_EQ(edited, text + QString::fromUtf8("\nü\n$TIME$"));
}

// What the dialog stores in a Template cell is saved and read back as it
// was, and saved again byte for byte.
TEST_F(TemplateDialogTest, AStoredTemplateSurvivesSaveAndReload)
{
    const QString text = QString::fromUtf8("{\r\n\t\"t\": \"$VALUE$\",\n\t\"u\": \"°C\u00A0😀\"\r}");
    ethercat_mqtt::TFMQTT_Set_Topic form;
    form.setTemplateDialog(&dialog);
    show(form);
    form.table(0).setRowTexts(1, {"plant/t", "", "0", "String", "8", "0"});
    ethercat_editor_testing::whileShown(
        dialog, [&] { form.Show_Form_Topic(0, 1, ethercat_mqtt::TFMQTT_Set_Topic::kPublishTemplateColumn); },
        [&] {
            dialog.setTemplateText(text);  // as if typed so
            dialog.accept();
        });
    ASSERT_EQ(form.table(0).cellText(9, 1), text);
    form.Btn_OKClick();
    ASSERT_FALSE(form.isVisible()) << dialogs.texts().join(u'\n').toStdString();
    const QByteArray saved = ethercat_editor_testing::readFile(topicPath());

    show(form);
    EXPECT_EQ(form.table(0).cellText(9, 1), text);
    form.Btn_OKClick();
    EXPECT_EQ(ethercat_editor_testing::readFile(topicPath()), saved);
}

}  // namespace topic_template_form_tests
