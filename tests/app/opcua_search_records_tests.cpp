// The codes of the OPC UA search records as the editors show them, and back.

#include <gtest/gtest.h>

#include "app/opcua_search_records.h"
#include "support/qt_printers.h"

namespace {

using namespace app;

TEST(OpcUaSearchRecords, NodeTypesDataTypesAndTheirTexts)
{
    EXPECT_EQ(NodeType_To_Str(0), "Numeric");
    EXPECT_EQ(NodeType_To_Str(3), "String");
    EXPECT_EQ(NodeType_To_Str(4), "Guid");
    EXPECT_EQ(NodeType_To_Str(5), "ByteString");
    for (const int other : {1, 2, 6, -1, 65535})
        EXPECT_EQ(NodeType_To_Str(other), "") << other;

    struct Case {
        const char* text;
        uint16_t code;
    };
    for (const Case& c : {Case{"Numeric", 0}, Case{"string", 3}, Case{"guid", 4}, Case{"BYTESTRING", 5},
                          Case{"ByteString ", 0}, Case{"", 0}, Case{"Opaque", 0}})
        EXPECT_EQ(Str_To_NodeType(c.text), c.code) << c.text;

    EXPECT_EQ(VarType_To_Str(0), "Boolean");
    EXPECT_EQ(VarType_To_Str(12), "DateTime");
    EXPECT_EQ(VarType_To_Str(14), "ByteString");
    EXPECT_EQ(VarType_To_Str(15), "");
    EXPECT_EQ(VarType_To_Str(-1), "");
    EXPECT_EQ(dataTypeNames().size(), 15);
}

TEST(OpcUaSearchRecords, ConnectionCodesRoundTripAndUnknownOnesTakeTheLastName)
{
    for (int code = 0; code < 3; ++code) {
        EXPECT_EQ(Str_To_Authorization(Authorization_To_Str(code)), code);
        EXPECT_EQ(Str_To_SecurityType(SecurityType_To_Str(code)), code);
    }
    for (int code = 0; code < 6; ++code)
        EXPECT_EQ(Str_To_SecurityPolicy(SecurityPolicy_To_Str(code)), code);
    EXPECT_EQ(Authorization_To_Str(1), "Username and Password");
    EXPECT_EQ(Authorization_To_Str(7), "Certificate");
    EXPECT_EQ(SecurityType_To_Str(-1), "Sign and Encrypt");
    EXPECT_EQ(SecurityPolicy_To_Str(9), "AES 256 SHA 256 RSA PSS");
    EXPECT_EQ(SecurityPolicy_To_Str(3), "Basic 256 SHA 256");
    // Texts are compared in their exact case.
    EXPECT_EQ(Str_To_SecurityType("sign"), 2);
    EXPECT_EQ(Str_To_Authorization("anonymous"), 2);
    EXPECT_EQ(Str_To_SecurityPolicy("Basic 256"), 2);
    EXPECT_EQ(Str_To_SecurityPolicy(""), 5);
}

TEST(OpcUaSearchRecords, NodeIdOfARecordByItsKind)
{
    opcua_structure r{};
    r.numeric = 4294967295u;
    EXPECT_EQ(NodeID_To_Str(r), "4294967295");

    r.identifierType = kNodeGuid;
    r.guide1 = 0x12AB;
    r.guide2 = 0x1;
    r.guide3 = 0xFFFF;
    const uint8_t tail[8] = {1, 2, 3, 4, 5, 6, 7, 8};
    std::copy(std::begin(tail), std::end(tail), r.guide4);
    EXPECT_EQ(NodeID_To_Str(r), "000012AB-0001-FFFF-0102-030405060708");
    r.guide1 = 0xabcdef01;
    r.guide4[7] = 0xfe;
    EXPECT_EQ(NodeID_To_Str(r), "ABCDEF01-0001-FFFF-0102-0304050607FE");

    // Texts are 8-bit Windows-1252; absent ones give the empty text.
    r.identifierType = kNodeString;
    EXPECT_EQ(NodeID_To_Str(r), "");
    r.stringname = "Temp\xE9rature";
    EXPECT_EQ(NodeID_To_Str(r), QStringLiteral(u"Temp\u00e9rature"));
    r.identifierType = kNodeByteString;
    EXPECT_EQ(NodeID_To_Str(r), "");
    r.byteString = "AB\x80";
    EXPECT_EQ(NodeID_To_Str(r), QStringLiteral(u"AB\u20ac"));
    r.identifierType = 2;
    EXPECT_EQ(NodeID_To_Str(r), "");
}

}  // namespace
