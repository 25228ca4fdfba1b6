// The PROFINET file name dialog: the name built from what the user types,
// a user part that cannot stand in a file name refused with the dialog left
// open, and the PROFINET step writing the file under the built name.

#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include "controls/button/lb_button.h"
#include "editors/ethercat_mqtt/ethercat_editor_fixture.h"
#include "editors/ethernet/profinet/profinet_file_name_form.h"
#include "platform/modal_result.h"

namespace profinet_file_name_form_tests {

using ethercat_editor_testing::EditorTest;
using ethercat_editor_testing::readFile;
using ethercat_editor_testing::whileShown;
using profinet::TFProfinetFileName;

class FileNameDialogTest : public EditorTest {
protected:
    void typeUserPart(const QString& text)
    {
        dialog.E_XML_User->clear();
        QTest::keyClicks(dialog.E_XML_User, text);
    }
    void pressOk() { QTest::mouseClick(dialog.buttons.Btn_OK, Qt::LeftButton); }

    TFProfinetFileName dialog{nullptr, QDate(2013, 1, 9)};
};

TEST_F(FileNameDialogTest, TextsAndFixedParts)
{
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("PROFINET XML File Name"));
    EXPECT_EQ(dialog.title.L_SW_Desc->text(), QStringLiteral("Create the PROFINET XML GSD File"));
    EXPECT_EQ(dialog.L_Select_Name->text(), QStringLiteral("Select the PROFINET XML File Name"));
    EXPECT_EQ(dialog.L_UsedPart->text(), QStringLiteral("User Part"));
    EXPECT_EQ(dialog.L_XML_Fix1->text(), QStringLiteral("GSDML-V2.25-Olvenk-"));
    EXPECT_EQ(dialog.L_XML_Fix2->text(), QStringLiteral("-20130109.xml"));
    EXPECT_EQ(dialog.E_XML_User->x(), 179);
    EXPECT_EQ(dialog.L_XML_Fix2->x(), 447);
    EXPECT_EQ(dialog.buttons.Btn_Cancel->Caption(), QStringLiteral("Cancel"));
}

TEST_F(FileNameDialogTest, OkBuildsTheNameAndCloses)
{
    show(dialog);
    typeUserPart(QStringLiteral("line 4"));
    pressOk();
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), platform::mrOk);
    EXPECT_EQ(dialog.Name_File_XML, QStringLiteral("GSDML-V2.25-Olvenk-_line 4-20130109.xml"));
    // The edit keeps its text for the next showing.
    show(dialog);
    EXPECT_EQ(dialog.E_XML_User->text(), QStringLiteral("line 4"));
    QTest::mouseClick(dialog.buttons.Btn_Cancel, Qt::LeftButton);
    EXPECT_EQ(dialog.result(), platform::mrCancel);
    EXPECT_TRUE(dialogs.shown().empty());
}

TEST_F(FileNameDialogTest, AUserPartThatCannotStandInAFileNameIsRefused)
{
    show(dialog);
    dialog.Name_File_XML = QStringLiteral("unchanged");
    for (const char* user : {"../../etc/x", "hall/3", "a:b"}) {
        SCOPED_TRACE(user);
        dialogs.reset();
        typeUserPart(QString::fromLatin1(user));
        pressOk();
        EXPECT_TRUE(dialog.isVisible());
        EXPECT_EQ(dialog.Name_File_XML, QStringLiteral("unchanged"));
        ASSERT_EQ(dialogs.shown().size(), 1u);
        EXPECT_EQ(dialogs.shown()[0].kind, platform::MessageKind::Error);
        EXPECT_TRUE(dialogs.texts()[0].startsWith(QStringLiteral("Error!! The User Part cannot hold")));
    }
    typeUserPart(QStringLiteral("hall 3"));
    pressOk();
    EXPECT_FALSE(dialog.isVisible());
}

TEST_F(FileNameDialogTest, TheProfinetStepWritesTheFileUnderTheBuiltName)
{
    dialogs.chooseFile(folder.file(QStringLiteral("whatever.xml")));
    const bool shown = whileShown(
        dialog, [this] { profinet::PROFINET_Step(dialog, app::appState()); },
        [this] {
            typeUserPart(QStringLiteral("_hall"));
            pressOk();
        });
    EXPECT_TRUE(shown);
    EXPECT_TRUE(dialogs.shown().empty()) << dialogs.texts().join(u'\n').toStdString();
    const QByteArray written = readFile(folder.file(QStringLiteral("GSDML-V2.25-Olvenk-_hall-20130109.xml")));
    EXPECT_TRUE(written.contains("<DataItem DataType=\"OctetString\" Length=\"1438\" TextId=\"IDT_Input_1\" />"));

    // Cancel in the dialog asks for no folder.
    whileShown(
        dialog, [this] { profinet::PROFINET_Step(dialog, app::appState()); },
        [this] { QTest::mouseClick(dialog.buttons.Btn_Cancel, Qt::LeftButton); });
    EXPECT_EQ(dialogs.fileDialogs().size(), 1u);
}

}  // namespace profinet_file_name_form_tests
