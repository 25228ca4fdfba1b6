// The OPC UA client's variables: node ids of every kind written and read
// back, data type names, and a browsed variable as its row of the browse
// dialog and as a new variable.

#include <gtest/gtest.h>

#include "editors/ethernet/opc_ua/opc_ua_model.h"
#include "editors/ethernet/opc_ua/opc_ua_search.h"
#include "support/qt_printers.h"

namespace opc_ua_model_tests {

using opc_ua::BrowsedVariable;
using opc_ua::TOPC_UA_Variable;

TEST(OpcUaVariable, NodeIdsOfEveryKindAreReadBackAsTheyAreShown)
{
    struct Case {
        const char* type;
        const char* written;
        const char* shown;
    };
    const Case cases[] = {
        {"Numeric", "42", "42"},
        {"Numeric", "2147483648", "2147483648"},
        {"Numeric", "4294967295", "4294967295"},
        {"Numeric", "4294967296", "0"},
        {"Numeric", "-1", "0"},
        {"Numeric", "abc", "0"},
        {"Numeric", "", "0"},
        {"String", "ns=2;s=Tank 1 ", "ns=2;s=Tank 1 "},
        {"STRING", "", ""},
        {"ByteString", "BS-7", "BS-7"},
        {"Guid", "000012AB-0001-FFFF-0102-030405060708", "000012AB-0001-FFFF-0102-030405060708"},
        {"guid", "a1b2c3d4-e5f6-0718-293a-4b5c6d7e8f90", "A1B2C3D4-E5F6-0718-293A-4B5C6D7E8F90"},
        // Short groups, blanks around; a group that is no number reads 0.
        {"Guid", " 12ab-1-ffff-0102-030405060708 ", "000012AB-0001-FFFF-0102-030405060708"},
        {"Guid", "zz-1-2-0304-05", "00000000-0001-0002-0304-050000000000"},
        {"Guid", "1-2-3-A", "00000001-0002-0003-0A00-000000000000"},
        {"Guid", "", "00000000-0000-0000-0000-000000000000"},
        // An unknown kind is numeric.
        {"Opaque", "17", "17"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.type) + " " + c.written);
        TOPC_UA_Variable v;
        v.SetNodeType(QString::fromLatin1(c.type));
        v.SetNodeID(QString::fromLatin1(c.written));
        EXPECT_EQ(v.NodeID(), QString::fromLatin1(c.shown));
        TOPC_UA_Variable again;
        again.SetNodeType(v.NodeType());
        again.SetNodeID(v.NodeID());
        EXPECT_EQ(again.NodeID(), v.NodeID());
    }
    TOPC_UA_Variable unknown;
    unknown.identifierType = 7;
    unknown.numeric = 9;
    EXPECT_EQ(unknown.NodeType(), "");
    EXPECT_EQ(unknown.NodeID(), "");
}

TEST(OpcUaVariable, DataTypeNamesInAnyCaseAndUnknownCodesAsBoolean)
{
    TOPC_UA_Variable v;
    v.SetVarType(QStringLiteral("uint64"));
    EXPECT_EQ(v.dataType, 8);
    EXPECT_EQ(v.VarType(), "UInt64");
    v.SetVarType(QStringLiteral("DateTime"));
    EXPECT_EQ(v.dataType, 12);
    v.SetVarType(QStringLiteral("Decimal"));
    EXPECT_EQ(v.dataType, 0);
    for (const int code : {0, 15, -3}) {
        v.dataType = code;
        EXPECT_EQ(v.VarType(), "Boolean") << code;
    }
}

BrowsedVariable browsed(uint8_t access, int32_t type)
{
    BrowsedVariable found;
    found.record.accessLevel = access;
    found.record.dataType = type;
    found.record.nameSpaceIndex = 3;
    found.record.identifierType = 5;
    found.byteString = QStringLiteral("BS-7");
    found.displayName = QStringLiteral("Blob");
    return found;
}

TEST(OpcUaBrowse, AccessLevelsMarkReadAndWriteAndNameTheAccess)
{
    struct Case {
        uint8_t access;
        const char* read;
        const char* write;
        const char* shown;
    };
    const Case cases[] = {
        {0, "Y", "Y", "Read/Write"}, {1, "Y", "", "Read"},       {2, "", "Y", "Write"},
        {3, "Y", "Y", "Read/Write"}, {4, "", "", "Read/Write"}, {7, "Y", "Y", "Read/Write"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(int(c.access));
        const QStringList cells = opc_ua::browseRowCells(browsed(c.access, 14), 4);
        EXPECT_EQ(cells, (QStringList{"4", c.read, c.write, "Blob", "ByteString", "BS-7", "ByteString", "3", c.shown}));
    }
    // A data type outside the table shows nothing.
    EXPECT_EQ(opc_ua::browseRowCells(browsed(1, 15), 1)[6], "");
}

TEST(OpcUaBrowse, ABrowsedVariableIsTakenEnabledWithItsIdTypeAndName)
{
    BrowsedVariable found = browsed(2, 12);
    found.record.identifierType = 4;
    found.record.guide1 = 0x12AB;
    found.record.guide2 = 1;
    found.record.guide3 = 0xFFFF;
    for (uint8_t i = 0; i < 8; ++i)
        found.record.guide4[i] = uint8_t(i + 1);
    const TOPC_UA_Variable v = opc_ua::variableFromBrowse(found);
    EXPECT_TRUE(v.Enable);
    EXPECT_EQ(v.DispalyName, "Blob");
    EXPECT_EQ(v.NodeType(), "Guid");
    EXPECT_EQ(v.NodeID(), "000012AB-0001-FFFF-0102-030405060708");
    EXPECT_EQ(v.VarType(), "DateTime");
    EXPECT_EQ(v.nameSpaceIndex, 3);
    EXPECT_EQ(v.byteString, "BS-7");
    // What the browse cannot know stays empty, for the user to give.
    EXPECT_EQ(v.VarArray, "");
    EXPECT_EQ(v.Time, "");
    EXPECT_EQ(v.Position, "");
    EXPECT_EQ(v.OnTimer, "");
}

}  // namespace opc_ua_model_tests
