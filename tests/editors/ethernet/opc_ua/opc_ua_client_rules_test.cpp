// The OPC UA client editor's rules without a window: data type sizes and
// Auto Pos, the check OK runs over the servers, the grid rows of the model,
// the lists longer than a grid, and the add-server dialog's check.

#include <gtest/gtest.h>

#include "editors/ethernet/opc_ua/opc_ua_client_rules.h"
#include "editors/ethernet/opc_ua/opc_ua_search.h"
#include "opc_ua_editor_fixture.h"
#include "support/qt_printers.h"

namespace opc_ua_client_rules_tests {

using namespace opc_ua;
using opc_ua_testing::anonymousServer;
using opc_ua_testing::numericVariable;

QStringList positions(const std::vector<TOPC_UA_Variable>& list)
{
    QStringList out;
    for (const TOPC_UA_Variable& v : list)
        out << v.Position;
    return out;
}

TEST(OpcUaAutoPos, EveryDataTypeTakesItsSizeOneAfterTheOther)
{
    const int sizes[] = {1, 1, 1, 2, 2, 4, 4, 8, 8, 4, 8, 20, 8, 16, 20};
    for (int code = 0; code < 15; ++code) {
        EXPECT_EQ(GetLenVarType(app::VarType_To_Str(code)), sizes[code]) << app::VarType_To_Str(code).toStdString();
        EXPECT_EQ(GetLenVarType(app::VarType_To_Str(code).toLower()), sizes[code]);
    }
    EXPECT_EQ(GetLenVarType(QStringLiteral("Decimal")), 0);

    ServerList servers = {anonymousServer("opc.tcp://a")};
    QStringList expected;
    int position = 0;
    for (int code = 0; code < 15; ++code) {
        // Enabled or not, every variable is placed.
        servers[0].Var_List_R.push_back(
            numericVariable("v", uint32_t(code), app::VarType_To_Str(code).toLatin1().constData(), "", code % 2 == 0));
        expected << QString::number(position);
        position += sizes[code];
    }
    autoPosition(servers, 0);
    EXPECT_EQ(positions(servers[0].Var_List_R), expected);
}

TEST(OpcUaAutoPos, ArraysTakeTheirLengthTimesTheElementAndTheNextServerStartsBehind)
{
    ServerList servers = {anonymousServer("opc.tcp://a"), anonymousServer("opc.tcp://b")};
    auto& first = servers[0].Var_List_R;
    first = {numericVariable("b", 1, "Boolean"), numericVariable("i", 2, "Int16"), numericVariable("f", 3, "Float"),
             numericVariable("s", 4, "String")};
    autoPosition(servers, 0);
    EXPECT_EQ(positions(first), (QStringList{"0", "1", "3", "7"}));
    EXPECT_EQ(Start_Position(servers, 1).read, 27);
    EXPECT_EQ(Start_Position(servers, 0).read, 0);

    // An Array of Length n takes n elements; Length 0 or no number one.
    auto array = [](const char* type, const char* length) {
        TOPC_UA_Variable v = numericVariable("a", 9, type);
        v.VarArray = QStringLiteral(" array ");
        v.Len = QString::fromLatin1(length);
        return v;
    };
    first = {array("Int16", "5"), array("Double", "2"), array("Int16", "0"), array("Int16", "x"),
             numericVariable("last", 1, "Byte")};
    autoPosition(servers, 0);
    EXPECT_EQ(positions(first), (QStringList{"0", "10", "26", "28", "30"}));
    EXPECT_EQ(variableSize(first[0]), 10);

    // The server before counts its farthest reach, read and write apart;
    // a position that is no number counts as 0.
    servers[0].Var_List_R = {numericVariable("x", 1, "Int32", "100"), numericVariable("y", 2, "Int64", "20"),
                             numericVariable("z", 3, "Guid", "?")};
    servers[0].Var_List_W = {numericVariable("w", 1, "Int16", "7")};
    servers[1].Var_List_R = {numericVariable("r", 1, "Byte"), numericVariable("r2", 1, "Byte")};
    servers[1].Var_List_W = {numericVariable("w", 1, "Byte")};
    autoPosition(servers, 1);
    EXPECT_EQ(positions(servers[1].Var_List_R), (QStringList{"104", "105"}));
    EXPECT_EQ(positions(servers[1].Var_List_W), (QStringList{"9"}));
}

TEST(OpcUaClientCheck, TheFirstFailureNamesServerAndVariableFromOne)
{
    using namespace client_texts;
    struct Case {
        const char* what;
        std::function<void(TOPC_UA_Variable&)> change;
        bool write;
        int textId;  // 0: passes
    };
    auto set = [](QString TOPC_UA_Variable::*member, const char* value) {
        return [member, value](TOPC_UA_Variable& v) { v.*member = QString::fromLatin1(value); };
    };
    auto array = [](const char* type, const char* start, const char* length) {
        return [=](TOPC_UA_Variable& v) {
            v.VarArray = QStringLiteral("Array");
            v.SetVarType(QString::fromLatin1(type));
            v.Start = QString::fromLatin1(start);
            v.Len = QString::fromLatin1(length);
        };
    };
    const Case cases[] = {
        {"valid", [](TOPC_UA_Variable&) {}, false, 0},
        {"Var/Array blank", set(&TOPC_UA_Variable::VarArray, "  "), false, VarArrayEmpty},
        {"String array", array("ByteString", "0", "1"), false, StringArray},
        {"array start", array("Int16", "-1", "1"), false, ArrayStart},
        {"array length", array("Int16", "0", ""), false, ArrayLength},
        {"array of length 0", array("Int16", "0", "0"), false, 0},
        {"string start", [](TOPC_UA_Variable& v) { v.SetVarType("String"); v.Start = "a"; v.Len = "4"; }, false,
         StringStart},
        {"string length", [](TOPC_UA_Variable& v) { v.SetVarType("string"); v.Start = "0"; }, false, StringLength},
        {"time empty", set(&TOPC_UA_Variable::Time, ""), false, ReadTimeEmpty},
        {"time 0", set(&TOPC_UA_Variable::Time, "0"), false, ReadTimeZero},
        {"position empty", set(&TOPC_UA_Variable::Position, " "), false, ReadPositionEmpty},
        {"position 1499", set(&TOPC_UA_Variable::Position, "1499"), false, 0},
        {"position 1500", set(&TOPC_UA_Variable::Position, "1500"), false, ReadPositionRange},
        {"position trailing blank", set(&TOPC_UA_Variable::Position, "3 "), false, ReadPositionRange},
        {"write without timer, no time", set(&TOPC_UA_Variable::Time, ""), true, 0},
        {"write on timer, no time", [](TOPC_UA_Variable& v) { v.OnTimer = "Y"; v.Time = ""; }, true, WriteTimeEmpty},
        {"write on timer, time 0", [](TOPC_UA_Variable& v) { v.OnTimer = "Y"; v.Time = "0"; }, true, WriteTimeZero},
        {"write position empty", set(&TOPC_UA_Variable::Position, ""), true, WritePositionEmpty},
        {"write position -1", set(&TOPC_UA_Variable::Position, "-1"), true, WritePositionRange},
        {"write Var/Array not asked", set(&TOPC_UA_Variable::VarArray, ""), true, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ServerList servers = {anonymousServer("opc.tcp://a"), anonymousServer("opc.tcp://b")};
        servers[1].Var_List_R = {numericVariable("r1", 1, "Int16", "0"), numericVariable("r2", 2, "Int16", "2")};
        servers[1].Var_List_W = {numericVariable("w1", 1, "Int16", "0"), numericVariable("w2", 2, "Int16", "2")};
        TOPC_UA_Variable& target = (c.write ? servers[1].Var_List_W : servers[1].Var_List_R)[1];
        c.change(target);
        const auto failure = checkServers(servers);
        if (c.textId == 0) {
            EXPECT_FALSE(failure.has_value());
            continue;
        }
        ASSERT_TRUE(failure.has_value());
        EXPECT_EQ(failure->textId, c.textId);
        EXPECT_EQ(failure->table, c.write ? 1 : 0);
        const bool range = c.textId == ReadPositionRange || c.textId == WritePositionRange;
        EXPECT_EQ(failure->values, range ? QStringList({"2", "2", "1499"}) : QStringList({"2", "2"}));
        // A disabled variable is not checked.
        target.Enable = false;
        EXPECT_FALSE(checkServers(servers).has_value());
    }
}

TEST(OpcUaClientCheck, ReadVariablesComeBeforeWriteVariablesAndServersInOrder)
{
    ServerList servers = {anonymousServer("opc.tcp://a"), anonymousServer("opc.tcp://b")};
    servers[0].Var_List_W = {numericVariable("w", 1, "Int16", "")};
    servers[1].Var_List_R = {numericVariable("r", 1, "Int16", "")};
    EXPECT_EQ(checkServers(servers)->values, (QStringList{"1", "1"}));
    servers[0].Var_List_R = {numericVariable("r", 1, "Int16", "5000")};
    const auto failure = checkServers(servers);
    EXPECT_EQ(failure->textId, client_texts::ReadPositionRange);
    EXPECT_EQ(failure->table, 0);
}

TEST(OpcUaClientRows, VariablesAsGridRowsAndBack)
{
    TOPC_UA_Variable v = numericVariable("Level", 4000000000u, "Float", "12");
    v.nameSpaceIndex = 2;
    v.VarArray = QStringLiteral("Array");
    v.Start = QStringLiteral("1");
    v.Len = QStringLiteral("3");
    v.Mnemonic = QStringLiteral("tank");
    const QStringList read = variableRowTexts(v, ReadList);
    EXPECT_EQ(read, (QStringList{"Y", "Level", "Numeric", "4000000000", "Float", "2", "Array", "1", "3", "100", "12",
                                 "tank"}));
    EXPECT_EQ(variableOfRow(read, ReadList), v);

    TOPC_UA_Variable w = v;
    w.Enable = false;
    w.OnChange = kYes;
    w.OnTimer = kYes;
    const QStringList write = variableRowTexts(w, WriteList);
    EXPECT_EQ(write.mid(6, 3), (QStringList{"Y", "N", "Y"}));
    const TOPC_UA_Variable back = variableOfRow(write, WriteList);
    EXPECT_FALSE(back.Enable);
    EXPECT_EQ(back.OnChange, "Y");
    EXPECT_EQ(back.VarArray, "");
    EXPECT_EQ(back.Len, "");

    // A namespace index that is no number reads 0; one above 16 bits keeps
    // its low 16 bits.
    QStringList odd = read;
    odd[5] = QStringLiteral("x");
    EXPECT_EQ(variableOfRow(odd, ReadList).nameSpaceIndex, 0);
    odd[5] = QStringLiteral("65537");
    EXPECT_EQ(variableOfRow(odd, ReadList).nameSpaceIndex, 1);

    TOPC_UA_Server s = anonymousServer("opc.tcp://plc:4840");
    s.Password = QStringLiteral("pw");
    EXPECT_EQ(serverRowTexts(s, 3), (QStringList{"3", "Y", "opc.tcp://plc:4840", "Anonymous", "", "pw", "", "", "None",
                                                 "None", ""}));
}

TEST(OpcUaClientRows, AGridReplacesTheVariablesItShowsAndKeepsThoseBeyondIt)
{
    std::vector<TOPC_UA_Variable> list;
    for (uint32_t i = 0; i < 1030; ++i)
        list.push_back(numericVariable("v", i, "Byte"));
    // The grid showed the first 1024 and now holds 5 rows.
    std::vector<TOPC_UA_Variable> rows(list.begin() + 10, list.begin() + 15);
    replaceShownVariables(list, kGridVariables, rows);
    ASSERT_EQ(list.size(), 11u);
    EXPECT_EQ(list[0].numeric, 10u);
    EXPECT_EQ(list[5].numeric, 1024u);
    EXPECT_EQ(list[10].numeric, 1029u);
    // A list the grid showed whole is the grid's rows.
    replaceShownVariables(list, 11, {numericVariable("only", 1, "Byte")});
    ASSERT_EQ(list.size(), 1u);
    EXPECT_EQ(list[0].DispalyName, "only");
}

TEST(OpcUaClientRows, MarkedBrowsedVariablesAreNamedSoThatNoneEndsItsList)
{
    std::vector<BrowsedVariable> found(4);
    found[0].displayName = QStringLiteral("Level");
    found[1].record.numeric = 42;  // numeric id, no name
    found[2].record.identifierType = 7;  // no name, no id it can show
    found[3].displayName = QStringLiteral("Skipped");
    const std::vector<TOPC_UA_Variable> taken = markedVariables(found, {true, true, true, false});
    ASSERT_EQ(taken.size(), 3u);
    EXPECT_EQ(taken[0].DispalyName, "Level");
    EXPECT_EQ(taken[1].DispalyName, "42");
    EXPECT_EQ(taken[2].DispalyName, "Variable 3");
    EXPECT_TRUE(taken[2].Enable);
}

TEST(OpcUaAddServerCheck, AddressAlwaysAndTheFieldsOfTheAuthorization)
{
    using namespace add_server_texts;
    struct Case {
        const char* address;
        int authorization;
        const char* user;
        const char* password;
        const char* certificate;
        const char* key;
        int textId;
    };
    const Case cases[] = {
        {"opc.tcp://a", 0, "", "", "", "", 0},
        {"   ", 0, "", "", "", "", AddressEmpty},
        {"opc.tcp://a", 1, " ", "pw", "", "", UserEmpty},
        {"opc.tcp://a", 1, "me", "\t", "", "", PasswordEmpty},
        {"opc.tcp://a", 1, "me", "pw", "", "", 0},
        {"opc.tcp://a", 2, "", "", "\n", "key", CertificateEmpty},
        {"opc.tcp://a", 2, "", "", "cert", " ", KeyEmpty},
        {"opc.tcp://a", 2, "", "", "cert", "key", 0},
        // No item chosen: no field of an authorization is asked for.
        {"opc.tcp://a", -1, "", "", "", "", 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(checkServerFields(c.address, c.authorization, c.user, c.password, c.certificate, c.key), c.textId)
            << c.address << " " << c.authorization;
}

}  // namespace opc_ua_client_rules_tests
