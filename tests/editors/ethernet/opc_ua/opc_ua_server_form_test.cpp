// The OPC UA server variable editor: OPC_UA_Server.xml read with its
// defaults and written in its layout (against a file written out by hand),
// the Length a type gives and locks, Paste Row keeping a pasted Length, and
// the position check.

#include <QTest>

#include "controls/grid/string_grid/ex_string_grid.h"
#include "editors/ethernet/opc_ua/opc_ua_server_form.h"
#include "editors/ethernet/opc_ua/opc_ua_server_variables.h"
#include "opc_ua_editor_fixture.h"
#include "support/rule_form_user.h"

namespace opc_ua_server_form_tests {

using opc_ua::TFOPC_UA_Server_Access;
using opc_ua_testing::opcUaFixture;
using opc_ua_testing::OpcUaEditorTest;
using opc_ua_testing::readFile;
using platform::MessageResult;
using F = TFOPC_UA_Server_Access;

TEST(OpcUaServerVariables, TypesGiveTheirLengthsAndOnlyStringsMayChangeThem)
{
    struct Case {
        const char* type;
        const char* length;
        bool locked;
    };
    const Case cases[] = {{"Boolean", "1", true},  {"Signed Byte", "1", true}, {"Byte", "1", true},
                          {"Int16", "2", true},    {"UInt16", "2", true},      {"Int32", "4", true},
                          {"UInt32", "4", true},   {"Float", "4", true},       {"Int64", "8", true},
                          {"UInt64", "8", true},   {"Double", "8", true},      {"String", "10", false},
                          {"ByteString", "10", false}};
    for (const Case& c : cases) {
        const auto length = opc_ua::serverTypeLength(QString::fromLatin1(c.type));
        ASSERT_TRUE(length.has_value()) << c.type;
        EXPECT_EQ(length->length, c.length) << c.type;
        EXPECT_EQ(length->locked, c.locked) << c.type;
    }
    EXPECT_EQ(opc_ua::serverVariableTypes().size(), 13);
    // Exact names only.
    EXPECT_FALSE(opc_ua::serverTypeLength(QStringLiteral("float")).has_value());
    EXPECT_FALSE(opc_ua::serverTypeLength(QString()).has_value());
}

class OpcUaServerFormTest : public OpcUaEditorTest {
protected:
    QStringList row(int r) const { return form.table(0).rowTexts(r); }
    bool lengthLocked(int r) const { return form.ESG->ReadOnly(F::ColLength, r); }

    TFOPC_UA_Server_Access form;
    testing_support::RuleFormUser user{form};
};

TEST_F(OpcUaServerFormTest, TheFileIsReadWithItsLengthsAndWrittenInItsLayout)
{
    writeServer(readFile(opcUaFixture("OPC_UA_Server.xml")));
    show(form);
    ASSERT_TRUE(form.isVisible());
    EXPECT_EQ(row(1), (QStringList{"Y", "Float", "0", "4", "Level", "Read Only", "tank & pump"}));
    // A stored length wins over the type's.
    EXPECT_EQ(row(2), (QStringList{"N", "String", "5000", "32", "Label", "Read/Write", ""}));
    EXPECT_TRUE(lengthLocked(1));
    EXPECT_FALSE(lengthLocked(2));
    EXPECT_EQ(row(3), (QStringList{"Y", "", "", "", "", "", ""}));

    // Saved again as it was: the disabled row's position 5000 is not checked.
    form.Btn_OKClick();
    EXPECT_TRUE(dialogs.shown().empty()) << dialogs.texts().join(u'\n').toStdString();
    EXPECT_EQ(readFile(serverPath()), readFile(opcUaFixture("OPC_UA_Server.xml")));
}

TEST_F(OpcUaServerFormTest, MissingAttributesReadEmptyAndEnableChecked)
{
    writeServer("<OPC_UA_Server><OPC_UA_Server_Variables><row Type=\"Int16\" Position=\"2\" />"
                "<row Enable=\"maybe\" Type=\"Nothing\" Length=\"7\" /></OPC_UA_Server_Variables></OPC_UA_Server>");
    show(form);
    // A missing ReadWrite stays empty; the type's length is given before
    // the stored one (here none) is read.
    EXPECT_EQ(row(1), (QStringList{"Y", "Int16", "2", "", "", "", ""}));
    EXPECT_TRUE(lengthLocked(1));
    EXPECT_EQ(row(2), (QStringList{"Y", "Nothing", "", "7", "", "", ""}));
    EXPECT_FALSE(lengthLocked(2));
}

TEST_F(OpcUaServerFormTest, ChoosingATypeSetsTheLengthAndAnEmptyAccess)
{
    show(form);
    const int floatItem = int(opc_ua::serverVariableTypes().indexOf("Float"));
    const int stringItem = int(opc_ua::serverVariableTypes().indexOf("String"));
    user.choose(F::ColType, 1, floatItem);
    EXPECT_EQ(row(1), (QStringList{"Y", "Float", "", "4", "", "Read/Write", ""}));
    EXPECT_TRUE(lengthLocked(1));

    form.ESG->SetCellEx(F::ColReadWrite, 2, QStringLiteral("Read Only"));
    user.choose(F::ColType, 2, stringItem);
    EXPECT_EQ(row(2), (QStringList{"Y", "String", "", "10", "", "Read Only", ""}));
    EXPECT_FALSE(lengthLocked(2));
    user.typeInto(F::ColLength, 2, QStringLiteral("32"));
    EXPECT_EQ(form.ESG->GetCellEx(F::ColLength, 2), "32");
}

TEST_F(OpcUaServerFormTest, PasteRowKeepsThePastedLength)
{
    show(form);
    form.table(0).setRowTexts(1, {"Y", "String", "0", "32", "Label", "", "m"});
    form.ESG->FocusCell(2, 1);
    form.Btn_CopyRowClick();
    form.ESG->FocusCell(2, 3);
    user.press(form.Btn_PasteRow);
    EXPECT_EQ(row(3), (QStringList{"Y", "String", "0", "32", "Label", "Read/Write", "m"}));
    EXPECT_FALSE(lengthLocked(3));
    // A paste refused changes nothing.
    form.table(0).setRowTexts(4, {"Y", "Int16", "9", "2", "Busy", "Read Only", ""});
    dialogs.answer(MessageResult::No);
    form.ESG->FocusCell(2, 4);
    form.pasteRow();
    EXPECT_EQ(row(4), (QStringList{"Y", "Int16", "9", "2", "Busy", "Read Only", ""}));
}

TEST_F(OpcUaServerFormTest, EnabledPositionsLieBetween0And1999)
{
    show(form);
    form.table(0).setRowTexts(1, {"Y", "Byte", "1999", "1", "a", "Read Only", ""});
    form.table(0).setRowTexts(2, {"N", "Byte", "x", "1", "b", "Read Only", ""});
    form.table(0).setRowTexts(3, {"Y", "Byte", "2000", "1", "c", "Read Only", ""});
    form.Btn_OKClick();
    EXPECT_EQ(dialogs.texts(), QStringList{"Error row 3!! Position Must be Between 0 and 1999"});
    EXPECT_EQ(form.ESG->Row(), 3);
    EXPECT_FALSE(QFile::exists(serverPath()));
    dialogs.reset();
    form.table(0).setRowTexts(3, {"Y", "Byte", "", "1", "c", "Read Only", ""});
    form.Btn_OKClick();
    EXPECT_EQ(dialogs.texts(), QStringList{"Error row 3!! Position Must be Between 0 and 1999"});
    dialogs.reset();
    form.table(0).setRowTexts(3, {"Y", "Byte", "0", "1", "c", "Read Only", ""});
    form.Btn_OKClick();
    EXPECT_TRUE(dialogs.shown().empty());
    EXPECT_FALSE(form.isVisible());
}

TEST_F(OpcUaServerFormTest, AFileThatCannotBeParsedIsNeverOverwritten)
{
    writeServer("<OPC_UA_Server><OPC_UA_Server_Variables><row Type=\"Int16\"");
    const QByteArray before = readFile(serverPath());
    EXPECT_EQ(form.exec(), int(QDialog::Rejected));
    ASSERT_EQ(dialogs.shown().size(), 1u);
    EXPECT_TRUE(dialogs.texts()[0].contains(QStringLiteral("OPC_UA_Server.xml")));
    form.Btn_OKClick();
    EXPECT_EQ(readFile(serverPath()), before);
}

TEST_F(OpcUaServerFormTest, DeleteAsksWithTheRowAndInsertGivesACheckedRow)
{
    show(form);
    form.table(0).setRowTexts(1, {"N", "String", "0", "32", "a", "Read Only", ""});
    form.table(0).setRowTexts(2, {"Y", "Int16", "40", "2", "b", "Read Only", ""});
    form.ESG->FocusCell(2, 1);
    dialogs.answer(MessageResult::Yes);
    form.Btn_DelRowClick();
    EXPECT_EQ(dialogs.texts(), QStringList{"Are you sure to delete the Row number 1"});
    EXPECT_EQ(row(1), (QStringList{"Y", "Int16", "40", "2", "b", "Read Only", ""}));
    EXPECT_TRUE(lengthLocked(1));
    form.Btn_InsRowClick();
    EXPECT_EQ(row(1), (QStringList{"Y", "", "", "", "", "", ""}));
    EXPECT_FALSE(lengthLocked(1));
    EXPECT_EQ(row(2), (QStringList{"Y", "Int16", "40", "2", "b", "Read Only", ""}));
    EXPECT_TRUE(lengthLocked(2));
}

}  // namespace opc_ua_server_form_tests
