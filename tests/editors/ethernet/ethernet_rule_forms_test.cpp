// What the three editors share on the frame, editor by editor: a file as
// the editor writes it comes back from OK byte for byte, a file that cannot
// be used keeps the form closed and is never overwritten, surplus rows are
// reported once the form is shown, a row copied in one table cannot be
// pasted into the other, and a failing check names the row and switches to
// its table.

#include <functional>
#include <memory>

#include <QTimer>

#include "editors/ethernet/ethernet_editor_fixture.h"
#include "editors/ethernet/modbus/modbus_set_access_form.h"
#include "editors/ethernet/modbus/modbus_tcp_master_form.h"
#include "editors/ethernet/s7/s7_protocol_form.h"

namespace ethernet_rule_forms_tests {

using ethernet_editor_testing::EthernetEditorTest;
using ethernet_editor_testing::fixture;
using ethernet_editor_testing::readFile;
using platform::MessageKind;
using rule_editor::TRuleEditorForm;

struct Editor {
    const char* name;
    std::function<std::unique_ptr<TRuleEditorForm>()> make;
    const char* fileName;
    const char* root;
    const char* readList;
    const char* writeList;
    const char* readPage;
    // A rule of the read table that passes, as the file's attributes.
    const char* readRule;
    // Its row texts from column 1, and the row texts of a failing change.
    QStringList readRow;
    int failingColumn;
    const char* failingText;
    const char* failure;
};

const Editor kEditors[] = {
    {"serial",
     [] { return std::make_unique<ethernet_editors::TFSetAccess>(); },
     "ModbusM_SetAccess.xml", "EtherNetIP_to_Modbus", "Modbus_Read", "Modbus_Write", "Modbus Read",
     "Slave_ID=\"1\" Type=\"Coil Status\" Address=\"0\" NPoint=\"8\" PollTime=\"10\" MaxError=\"0\" "
     "Position=\"0\" Bit=\"0\"",
     {"Y", "1", "Coil Status", "0", "8", "10", "0", "0", "0", "N", "N", "", ""}, 5, "2001",
     "Error row 2!! [Modbus Read] NPoint must be between 1 and 2000"},
    {"TCP",
     [] { return std::make_unique<ethernet_editors::TFModbus_TCP_Master_Set_Access>(); },
     "ModbusTCPM_SetAccess.xml", "PROFINET_Master_to_Modbus_TCP_Master", "Modbus_Read", "Modbus_Write",
     "Modbus Read",
     "IP_Address=\"10.0.0.1\" Port=\"502\" Slave_ID=\"1\" Type=\"Holding Register\" Address=\"0\" NPoint=\"1\" "
     "PollTime=\"10\" MaxError=\"0\" Position=\"0\" Bit=\"\"",
     {"Y", "10.0.0.1", "502", "1", "Holding Register", "0", "1", "10", "0", "0", "", "N", "N", "", ""}, 3,
     "65536", "Error row 2!! [Modbus Read] Port must be between 0 and 65535"},
    {"S7",
     [] { return std::make_unique<ethernet_editors::TFS7_Protocol_Set_Access>(); },
     "S7_Protocol.xml", "S7_Protocol", "S7_Protocol_Read", "S7_Protocol_Write", "S7comm Read",
     "PLC_Address=\"10.0.0.1\" PLC_Port=\"102\" PLC_Type=\"S71200\" Rack=\"0\" Slot=\"1\" Data_Type=\"Int\" "
     "Data_Identifier=\"DB\" DB_Number=\"1\" PLC_Area=\"Inputs (I)\" PLC_Add=\"0\" PLC_Bit=\"0\" "
     "PollTime=\"10\" Position=\"0\" Bit=\"0\"",
     {"Y", "10.0.0.1", "102", "S71200", "0", "1", "Int", "DB", "1", "Inputs (I)", "0", "0", "10", "0", "0", "", "",
      ""},
     5, "4", "Error row 2!! [S7comm Read] Rack must be between 0 and 3"},
};

class RuleFormsTest : public EthernetEditorTest {
protected:
    QString path(const Editor& e) const { return folder.file(QString::fromLatin1(e.fileName)); }
    void write(const Editor& e, const QByteArray& xml) const { folder.write(QString::fromLatin1(e.fileName), xml); }

    // A file of the editor with `readRows` read rules and an empty write list.
    static QByteArray fileWith(const Editor& e, int readRows)
    {
        QByteArray xml = QByteArray("<") + e.root + "><" + e.readList + ">";
        for (int i = 0; i < readRows; ++i)
            xml += QByteArray("<row ") + e.readRule + " Mnemonic=\"r" + QByteArray::number(i + 1) + "\" />";
        return xml + "</" + e.readList + "><" + e.writeList + " /></" + e.root + ">";
    }
};

TEST_F(RuleFormsTest, AFileAsTheEditorWritesItComesBackFromOkUnchanged)
{
    for (const Editor& e : kEditors) {
        SCOPED_TRACE(e.name);
        const QByteArray original = readFile(fixture(QString::fromLatin1(e.fileName)));
        ASSERT_FALSE(original.isEmpty());
        write(e, original);
        const auto form = e.make();
        show(*form);
        ASSERT_TRUE(form->isVisible());
        form->Btn_OKClick();
        EXPECT_TRUE(dialogs.shown().empty()) << dialogs.texts().join(u'\n').toStdString();
        EXPECT_FALSE(form->isVisible());
        EXPECT_EQ(readFile(path(e)), original);
    }
}

TEST_F(RuleFormsTest, AFileThatCannotBeUsedKeepsTheFormClosedAndIsNeverOverwritten)
{
    for (const Editor& e : kEditors) {
        const QByteArray damaged[] = {
            fileWith(e, 1).left(60),
            QByteArray("<") + e.root + "><" + e.readList + " /></" + e.root + ">",
        };
        const char* const messages[] = {" cannot be read: ", " has no element "};
        for (int k = 0; k < 2; ++k) {
            SCOPED_TRACE(std::string(e.name) + " " + messages[k]);
            dialogs.reset();
            write(e, damaged[k]);
            const auto form = e.make();
            bool opened = false;
            QTimer::singleShot(0, form.get(), [&] {
                opened = form->isVisible();
                form->Btn_OKClick();
            });
            EXPECT_EQ(form->exec(), QDialog::Rejected);
            QApplication::processEvents();
            EXPECT_FALSE(opened);
            ASSERT_EQ(dialogs.shown().size(), 1u);
            EXPECT_EQ(dialogs.shown()[0].kind, MessageKind::Error);
            EXPECT_TRUE(dialogs.shown()[0].text.startsWith(QStringLiteral("Error!!! The file ") + path(e)
                                                           + QString::fromLatin1(messages[k])))
                << dialogs.shown()[0].text.toStdString();
            // OK outside a showing that loaded the file writes nothing either.
            form->Btn_OKClick();
            EXPECT_EQ(readFile(path(e)), damaged[k]);
        }
    }
}

TEST_F(RuleFormsTest, SurplusRowsAreReportedWhenTheEditorIsShown)
{
    for (const Editor& e : kEditors) {
        SCOPED_TRACE(e.name);
        dialogs.reset();
        write(e, fileWith(e, 515));
        const auto form = e.make();
        show(*form);
        EXPECT_TRUE(form->isVisible());
        ASSERT_EQ(dialogs.shown().size(), 1u);
        EXPECT_EQ(dialogs.shown()[0].kind, MessageKind::Warning);
        EXPECT_EQ(dialogs.shown()[0].text, QStringLiteral("The file %1 holds 3 rows more than the table \"%2\" can "
                                                          "show: they are not shown, and OK would remove them from "
                                                          "the file.")
                                               .arg(path(e), QString::fromLatin1(e.readPage)));
        EXPECT_EQ(form->table(0).savedRowCount(), 512);
        EXPECT_EQ(form->table(0).rowTexts(512).last(), QStringLiteral("r512"));
        form->close();
    }
}

TEST_F(RuleFormsTest, ARowCopiedInOneTableCannotBePastedIntoTheOther)
{
    for (const Editor& e : kEditors) {
        SCOPED_TRACE(e.name);
        dialogs.reset();
        write(e, fileWith(e, 2));
        const auto form = e.make();
        show(*form);
        // Before any copy in this showing.
        form->setActiveTable(1);
        form->Btn_PasteRowClick();
        // Copied in the read table, pasted in the write table.
        form->setActiveTable(0);
        form->table(0).grid().FocusCell(2, 2);
        form->Btn_CopyRowClick();
        form->setActiveTable(1);
        form->Btn_PasteRowClick();
        ASSERT_EQ(dialogs.shown().size(), 2u);
        for (const auto& shown : dialogs.shown()) {
            EXPECT_EQ(shown.kind, MessageKind::Error);
            EXPECT_EQ(shown.text, QStringLiteral("Error!!! Copy a valid row before Paste it"));
        }
        EXPECT_TRUE(form->table(1).keyEmpty(1));
        // Within the read table it pastes (into an empty row, no question).
        dialogs.reset();
        form->setActiveTable(0);
        form->table(0).grid().FocusCell(2, 4);
        form->Btn_PasteRowClick();
        EXPECT_TRUE(dialogs.shown().empty());
        EXPECT_EQ(form->table(0).rowTexts(4), form->table(0).rowTexts(2));
        form->close();
    }
}

TEST_F(RuleFormsTest, AFailingCheckNamesTheRowAndStaysOnItsTable)
{
    for (const Editor& e : kEditors) {
        SCOPED_TRACE(e.name);
        dialogs.reset();
        write(e, fileWith(e, 0));
        const auto form = e.make();
        show(*form);
        form->table(0).setRowTexts(1, e.readRow);
        form->table(0).setRowTexts(2, e.readRow);
        form->table(0).setCellText(e.failingColumn, 2, QString::fromLatin1(e.failingText));
        form->setActiveTable(1);
        form->Btn_OKClick();
        ASSERT_EQ(dialogs.shown().size(), 1u);
        EXPECT_EQ(dialogs.shown()[0].kind, MessageKind::Error);
        EXPECT_EQ(dialogs.shown()[0].text, QString::fromLatin1(e.failure));
        EXPECT_TRUE(form->isVisible());
        EXPECT_EQ(form->activeTable(), 0);
        EXPECT_EQ(form->table(0).grid().Row(), 2);
        EXPECT_EQ(readFile(path(e)), fileWith(e, 0));

        // A disabled row is not checked and is saved as it is.
        dialogs.reset();
        form->table(0).setCellText(1, 2, QStringLiteral("N"));
        form->Btn_OKClick();
        EXPECT_TRUE(dialogs.shown().empty()) << dialogs.texts().join(u'\n').toStdString();
        EXPECT_FALSE(form->isVisible());
        EXPECT_TRUE(readFile(path(e)).contains(QByteArray("=\"") + e.failingText + "\""));
    }
}

}  // namespace ethernet_rule_forms_tests
