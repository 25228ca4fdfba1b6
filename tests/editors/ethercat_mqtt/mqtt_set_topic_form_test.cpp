// The MQTT topic editor: hidden columns that keep their values through load
// and save, the defaults of missing attributes, hints and double clicks on
// the real column behind a shown one, the checks through the form, damaged
// and oversized files, the row buttons on the active page, and the texts.

#include <QTabWidget>
#include <QTest>
#include <QTimer>

#include "controls/button/lb_button.h"
#include "editors/ethercat_mqtt/mqtt_set_topic_form.h"
#include "editors/ethercat_mqtt/topic_template_form.h"
#include "ethercat_editor_fixture.h"

namespace mqtt_set_topic_form_tests {

using ethercat_editor_testing::EditorTest;
using ethercat_editor_testing::fixture;
using ethercat_editor_testing::readFile;
using ethercat_mqtt::TFMQTT_Set_Topic;
using platform::MessageKind;

class TopicEditorTest : public EditorTest {
protected:
    TopicEditorTest() { form.setTemplateDialog(&templateDialog); }

    QStringList row(int table, int r) const { return form.table(table).rowTexts(r); }
    grid::TExStringGrid& grid(int table) const { return form.table(table).grid(); }

    // Whether the template dialog opened (and was cancelled) during `action`.
    template <typename Action>
    bool opensTemplateDialog(Action action)
    {
        return ethercat_editor_testing::whileShown(templateDialog, action, [this] { templateDialog.reject(); });
    }

    ethercat_mqtt::TFTopicTemplate templateDialog;
    TFMQTT_Set_Topic form;
};

// Column layout of each table, hidden ones marked, after every showing.
TEST_F(TopicEditorTest, HiddenColumnsAreHiddenAtEveryShowing)
{
    const std::vector<int> hidden[] = {{7, 8, 11, 14, 15, 16}, {2, 7, 8, 9, 10, 12, 13}};
    const int real[] = {18, 15};
    for (int pass = 0; pass < 2; ++pass) {
        show(form);
        for (int t = 0; t < 2; ++t) {
            SCOPED_TRACE(t);
            EXPECT_EQ(grid(t).ColCount() + grid(t).NumHiddenColumns(), real[t]);
            for (int c = 0; c < real[t]; ++c)
                EXPECT_EQ(grid(t).IsHiddenColumn(c), std::count(hidden[t].begin(), hidden[t].end(), c) == 1) << c;
            EXPECT_EQ(grid(t).RowCount(), 1025);
        }
        EXPECT_EQ(form.activeTable(), TFMQTT_Set_Topic::Publish);
        // What another use may leave: a column shown, the other page active.
        grid(0).UnHideColumn(7);
        grid(1).HideColumn(3);
        form.setActiveTable(TFMQTT_Set_Topic::Subscribe);
        form.close();
    }
}

// A file whose hidden columns hold values (and check boxes other texts than
// "Y"/"N") comes back from OK byte for byte.
TEST_F(TopicEditorTest, ValuesInHiddenColumnsRoundTripUnchanged)
{
    const QByteArray original = readFile(fixture(QStringLiteral("mqtt_topics_hidden_values.xml")));
    ASSERT_FALSE(original.isEmpty());
    writeTopics(original);
    show(form);
    EXPECT_EQ(row(0, 1), (QStringList{"plant/temp", "", "1", "Int", "2", "10", "192.168.1.20", "$IN$",
                                      "{\"t\": $VALUE$}", "Y", "", "N", "250", "", "N", "N",
                                      QString::fromUtf8("Température °C")}));
    EXPECT_EQ(row(1, 1), (QStringList{"cmd/#", "y", "2", "Base64", "32", "100", "10.0.0.7", "502", "UDP", "$A$",
                                      "$VALUE$", "N", "N", "Commands"}));
    EXPECT_EQ(grid(0).GetCellEx(9, 2), QStringLiteral("state:\n$VALUE$"));
    form.Btn_OKClick();
    EXPECT_TRUE(dialogs.shown().empty()) << dialogs.texts().join(u'\n').toStdString();
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(readFile(topicPath()), original);
}

TEST_F(TopicEditorTest, MissingAttributesLoadTheirDefaults)
{
    writeTopics("<MQTT_Set_Topic><MQTT_Publish><row Topic=\"a\" /><row Topic=\"b\" OnChange=\"Y\" OnTimer=\"Y\" "
                "Time=\"5\" /></MQTT_Publish><MQTT_Subscribe><row Topic=\"c\" /></MQTT_Subscribe></MQTT_Set_Topic>");
    show(form);
    // OnChange, OnTimer, Swap and Swap Word "N"; OnCMD, Channel and the rest empty.
    EXPECT_EQ(row(0, 1), (QStringList{"a", "", "", "", "", "", "", "", "", "N", "", "N", "", "", "N", "N", ""}));
    EXPECT_EQ(row(0, 2), (QStringList{"b", "", "", "", "", "", "", "", "", "Y", "", "Y", "5", "", "N", "N", ""}));
    EXPECT_EQ(row(1, 1), (QStringList{"c", "", "", "", "", "", "", "", "", "", "", "N", "N", ""}));
    EXPECT_TRUE(form.table(0).keyEmpty(3));
}

// Showing empties every cell, check boxes included (only an Enable column
// starts checked): a box nobody set is saved as an empty text, not as "N".
TEST_F(TopicEditorTest, CheckBoxesNobodySetAreEmptyAndSavedEmpty)
{
    // What an earlier use may leave.
    form.table(0).setRowTexts(1, {"old", "Y", "", "", "", "", "", "", "", "Y", "Y", "Y", "", "", "Y", "Y"});
    form.table(1).setRowTexts(1, {"old", "Y", "", "", "", "", "", "", "", "", "", "Y", "Y"});
    show(form);
    EXPECT_EQ(row(0, 1), QStringList(17, QString()));
    EXPECT_EQ(row(1, 1), QStringList(14, QString()));

    // Rows filled without touching a box.
    const auto fill = [this](int t, std::initializer_list<std::pair<int, const char*>> cells) {
        for (const auto& [column, text] : cells)
            form.table(t).setCellText(column, 1, QString::fromLatin1(text));
    };
    fill(0, {{1, "t"}, {3, "0"}, {4, "Int"}, {5, "2"}, {6, "0"}, {9, "$VALUE$"}});
    fill(1, {{1, "s"}, {3, "1"}, {4, "Int"}, {5, "1"}, {6, "0"}, {11, "$VALUE$"}});
    form.Btn_OKClick();
    EXPECT_TRUE(dialogs.shown().empty()) << dialogs.texts().join(u'\n').toStdString();
    EXPECT_EQ(readFile(topicPath()),
              "<MQTT_Set_Topic>\n"
              "\t<MQTT_Publish>\n"
              "\t\t<row Topic=\"t\" Retained=\"\" QoS=\"0\" DataType=\"Int\" Dimension=\"2\" Position=\"0\" "
              "IPAddress=\"\" InputTemplate=\"\" Template=\"$VALUE$\" OnChange=\"\" OnTimer=\"\" Time=\"\" "
              "Mnemonic=\"\" />\n"
              "\t</MQTT_Publish>\n"
              "\t<MQTT_Subscribe>\n"
              "\t\t<row Topic=\"s\" Retained=\"\" QoS=\"1\" DataType=\"Int\" Dimension=\"1\" Position=\"0\" "
              "IPAddress=\"\" Port=\"\" EthType=\"\" InputTemplate=\"\" Template=\"$VALUE$\" Mnemonic=\"\" />\n"
              "\t</MQTT_Subscribe>\n"
              "</MQTT_Set_Topic>\n"
              "<!--SW_VERSION = 1.001-->\n");
}

// The header hint of a shown column is that of the real column behind it.
TEST_F(TopicEditorTest, HeaderHintsFollowTheRealColumnsBehindTheShownOnes)
{
    show(form);
    struct Case {
        int table;
        int shownColumn;
        int textId;
    };
    const Case cases[] = {
        {0, 1, 3719}, {0, 6, 3742}, {0, 7, 3736}, {0, 8, 3782},  {0, 9, 3787},
        {0, 10, 3788}, {0, 11, 3722}, {1, 2, 3731}, {1, 6, 3750}, {1, 7, 3732},
    };
    for (const Case& c : cases) {
        QString hint;
        grid(c.table).OnGridHint(&grid(c.table), 0, c.shownColumn, hint);
        EXPECT_EQ(hint, app::langText(c.textId)) << c.table << "," << c.shownColumn;
    }
    QString hint;
    grid(0).OnGridHint(&grid(0), 1, 7, hint);
    EXPECT_TRUE(hint.isEmpty()) << "data cells have no hint";
}

// Only the Template column opens the dialog, found by its real index: the
// shown column 7 of the publish page (real 9) and 6 of the subscribe page
// (real 11) do; the shown column 9 (OnTimer) does not.
TEST_F(TopicEditorTest, DoubleClicksOpenTheDialogOnTheRealTemplateColumnOnly)
{
    show(form);
    form.activateWindow();
    const auto doubleClick = [this](int table, int shownColumn, int r) {
        form.setActiveTable(table);
        QApplication::processEvents();
        const platform::TRect rect = grid(table).CellRect(shownColumn, r);
        const QPoint at((rect.Left + rect.Right) / 2, (rect.Top + rect.Bottom) / 2);
        QTest::mouseClick(grid(table).viewport(), Qt::LeftButton, Qt::NoModifier, at);
        QTest::mouseDClick(grid(table).viewport(), Qt::LeftButton, Qt::NoModifier, at);
    };
    EXPECT_TRUE(opensTemplateDialog([&] { doubleClick(0, 7, 3); }));
    EXPECT_EQ(templateDialog.Pub_Sub, 0);
    EXPECT_NE(templateDialog.TopicTemplate, 0);
    EXPECT_EQ(templateDialog.windowTitle(), QStringLiteral("Set Template"));
    EXPECT_FALSE(opensTemplateDialog([&] { doubleClick(0, 9, 3); }));
    EXPECT_FALSE(opensTemplateDialog([&] { doubleClick(0, 1, 3); }));
    EXPECT_FALSE(opensTemplateDialog([&] { doubleClick(0, 7, 0); })) << "a header cell";
    EXPECT_TRUE(opensTemplateDialog([&] { doubleClick(1, 6, 2); }));
    EXPECT_EQ(templateDialog.Pub_Sub, 1);
    EXPECT_FALSE(opensTemplateDialog([&] { doubleClick(1, 7, 2); }));
    EXPECT_TRUE(dialogs.shown().empty());
}

TEST_F(TopicEditorTest, ChecksStopAtTheFirstFailureWithTheRowAndTheLimit)
{
    const QByteArray original = readFile(fixture(QStringLiteral("mqtt_topics_hidden_values.xml")));
    writeTopics(original);
    show(form);
    form.table(1).setCellText(6, 2, QStringLiteral("1500"));
    // Rows after an empty topic are not checked.
    form.table(0).setRowTexts(4, {"after/the/end", "", "", ""});
    form.Btn_OKClick();
    ASSERT_EQ(dialogs.shown().size(), 1u);
    EXPECT_EQ(dialogs.shown()[0].kind, MessageKind::Error);
    EXPECT_EQ(dialogs.shown()[0].text,
              QStringLiteral("Error row 2!! [MQTT Subscribe] Position must be beetween 0 and 1499"));
    EXPECT_TRUE(form.isVisible());
    EXPECT_EQ(form.activeTable(), TFMQTT_Set_Topic::Subscribe);
    EXPECT_EQ(grid(1).Row(), 2);
    EXPECT_EQ(readFile(topicPath()), original);

    dialogs.reset();
    form.table(1).setCellText(6, 2, QStringLiteral("0"));
    form.table(0).setCellText(12, 1, QStringLiteral("Y"));
    form.table(0).setCellText(13, 1, QString());
    form.Btn_OKClick();
    ASSERT_EQ(dialogs.shown().size(), 1u);
    EXPECT_EQ(dialogs.shown()[0].text,
              QStringLiteral("Error row 1!! [MQTT Publish] Time(ms) must be between 1 and 1000000000"));
    EXPECT_EQ(form.activeTable(), TFMQTT_Set_Topic::Publish);
}

// A file that cannot be used is reported and the form does not open on
// empty tables: OK could not write over it.
TEST_F(TopicEditorTest, AFileThatCannotBeUsedIsReportedAndNeverOverwritten)
{
    struct Case {
        const char* name;
        QByteArray bytes;
        const char* message;
    };
    const Case cases[] = {
        {"not well-formed", "<MQTT_Set_Topic>\n\t<MQTT_Publish>\n\t\t<row Topic=\"a\" \n", " cannot be read: "},
        {"no subscribe list", "<MQTT_Set_Topic><MQTT_Publish><row Topic=\"a\" /></MQTT_Publish></MQTT_Set_Topic>",
         " has no element MQTT_Subscribe"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        dialogs.reset();
        writeTopics(c.bytes);
        bool opened = false;
        QTimer::singleShot(0, &form, [&] {
            opened = form.isVisible();
            form.Btn_OKClick();
        });
        EXPECT_EQ(form.exec(), QDialog::Rejected);
        QApplication::processEvents();
        EXPECT_FALSE(opened);
        ASSERT_EQ(dialogs.shown().size(), 1u);
        EXPECT_EQ(dialogs.shown()[0].kind, MessageKind::Error);
        EXPECT_TRUE(dialogs.shown()[0].text.contains(topicPath() + QString::fromLatin1(c.message)))
            << dialogs.shown()[0].text.toStdString();
        EXPECT_EQ(readFile(topicPath()), c.bytes);
    }
}

// More topics than a table holds: the editor says so once it is open, shows
// the first 1024 and OK writes those.
TEST_F(TopicEditorTest, SurplusRowsAreReportedWhenTheEditorIsShown)
{
    QByteArray xml = "<MQTT_Set_Topic><MQTT_Publish>";
    for (int i = 1; i <= 1026; ++i)
        xml += "<row Topic=\"t" + QByteArray::number(i) + "\" DataType=\"Int\" Dimension=\"4\" Position=\"0\" />";
    xml += "</MQTT_Publish><MQTT_Subscribe><row Topic=\"s\" DataType=\"Int\" Dimension=\"4\" Position=\"0\" />"
           "</MQTT_Subscribe></MQTT_Set_Topic>";
    writeTopics(xml);
    show(form);
    EXPECT_TRUE(form.isVisible());
    ASSERT_EQ(dialogs.shown().size(), 1u);
    EXPECT_EQ(dialogs.shown()[0].kind, MessageKind::Warning);
    EXPECT_EQ(dialogs.shown()[0].text, QStringLiteral("The file ") + topicPath()
                                           + QStringLiteral(" holds 2 rows more than the table \"MQTT Publish\" can "
                                                            "show: they are not shown, and OK would remove them from "
                                                            "the file."));
    EXPECT_EQ(form.table(0).cellText(1, 1024), QStringLiteral("t1024"));
    EXPECT_EQ(form.table(0).savedRowCount(), 1024);
    EXPECT_EQ(form.table(1).savedRowCount(), 1);
}

TEST_F(TopicEditorTest, RowButtonsActOnTheActivePage)
{
    writeTopics(readFile(fixture(QStringLiteral("mqtt_topics_hidden_values.xml"))));
    show(form);
    form.setActiveTable(TFMQTT_Set_Topic::Subscribe);
    grid(1).FocusCell(1, 1);
    form.Btn_InsRowClick();
    EXPECT_TRUE(form.table(1).keyEmpty(1));
    EXPECT_EQ(form.table(1).cellText(1, 2), QStringLiteral("cmd/#"));
    EXPECT_EQ(form.table(1).cellText(7, 2), QStringLiteral("10.0.0.7")) << "hidden cells move with their row";
    EXPECT_EQ(form.table(0).cellText(1, 1), QStringLiteral("plant/temp"));

    // Copy on the publish page, paste on the subscribe page.
    form.setActiveTable(TFMQTT_Set_Topic::Publish);
    form.Btn_CopyRowClick();
    form.setActiveTable(TFMQTT_Set_Topic::Subscribe);
    form.Btn_PasteRowClick();
    ASSERT_EQ(dialogs.shown().size(), 1u);
    EXPECT_EQ(dialogs.shown()[0].text, QStringLiteral("Error!!! Copy a valid row before Paste it"));
    EXPECT_TRUE(form.table(1).keyEmpty(1));

    dialogs.reset();
    grid(1).FocusCell(1, 3);
    dialogs.answer(platform::MessageResult::Yes);
    form.Btn_DelRowClick();
    ASSERT_EQ(dialogs.shown().size(), 1u);
    EXPECT_EQ(dialogs.shown()[0].text, QStringLiteral("Are you sure to delete the Row number 3"));
    EXPECT_EQ(form.table(1).cellText(1, 2), QStringLiteral("cmd/#"));
    EXPECT_TRUE(form.table(1).keyEmpty(3));
}

TEST_F(TopicEditorTest, TextsOfTheBlock)
{
    EXPECT_EQ(form.windowTitle(), QStringLiteral("MQTT Set Topic"));
    EXPECT_EQ(form.title.L_SW_Code->text(), QStringLiteral("CQ41T17"));
    EXPECT_EQ(form.PageControl1->tabText(0), QStringLiteral("MQTT Publish"));
    EXPECT_EQ(form.PageControl1->tabText(1), QStringLiteral("MQTT Subscribe"));
    EXPECT_EQ(form.Btn_PasteRow->Caption(), QStringLiteral("Paste Row"));
    const QStringList publish = {"N", "Topic", "Retained", "QoS", "Data Type", "Dimension", "Position",
                                 "IP Address", "Input Template", "Template", "OnChange", "OnCMD", "OnTimer",
                                 "Time(ms)", "Channel", "Swap", "Swap Word", "Mnemonic"};
    const QStringList subscribe = {"N", "Topic", "Retained", "QoS", "Data Type", "Dimension", "Position",
                                   "IP Address", "Port", "Type", "Input Template", "Template", "Swap",
                                   "Swap Word", "Mnemonic"};
    for (int c = 0; c < publish.size(); ++c)
        EXPECT_EQ(form.ECG_Pub->Columns()[c]->Header(), publish[c]) << c;
    for (int c = 0; c < subscribe.size(); ++c)
        EXPECT_EQ(form.ECG_Sub->Columns()[c]->Header(), subscribe[c]) << c;
    EXPECT_EQ(form.ECG_Pub->Columns()[9]->ComboItems, QStringList{"$VALUE$"});
    EXPECT_EQ(form.ECG_Pub->Columns()[9]->Editor(), grid::edComboEdit);
    EXPECT_EQ(form.ECG_Pub->Columns()[4]->ComboItems, (QStringList{"Int", "Float", "String", "Base64"}));
    EXPECT_EQ(form.ECG_Pub->Columns()[14]->ComboItems.size(), 65);
    EXPECT_EQ(form.ECG_Sub->Columns()[9]->ComboItems, (QStringList{"TCP", "UDP"}));

    app::textTable().Lang_Texts[3733] = QStringLiteral("Veröffentlichen");
    app::textTable().Lang_Texts[3763] = QStringLiteral("Eingabevorlage");
    form.Set_Lang();
    EXPECT_EQ(form.PageControl1->tabText(0), QStringLiteral("Veröffentlichen"));
    EXPECT_EQ(form.ECG_Pub->Columns()[8]->Header(), QStringLiteral("Eingabevorlage"));
}

}  // namespace mqtt_set_topic_form_tests
