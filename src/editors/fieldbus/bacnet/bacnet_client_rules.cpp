#include "editors/fieldbus/bacnet/bacnet_client_rules.h"

#include <initializer_list>

#include "app/shared_checks.h"
#include "platform/strings.h"

namespace bacnet {
namespace client_rules_detail {

using rule_editor::RuleFailure;
using Texts = client_texts::TableTexts;

constexpr int kMaxTime = 100000000;
constexpr int kMaxError = 65535;
constexpr qint64 kMaxInstance = 4294967295LL;
constexpr int kProprietaryObjectFirst = 128;
constexpr int kProprietaryObjectLast = 1023;
constexpr int kProprietaryPropertyFirst = 512;
constexpr int kProprietaryPropertyLast = 4194303;

struct NamedObject {
    const char* name;
    int code;
    bool writable;
};
constexpr NamedObject kObjects[] = {
    {"ACCUMULATOR", 1, false},       {"MULTI-STATE INPUT", 2, false},
    {"MULTI-STATE OUTPUT", 3, true}, {"ANALOG INPUT", 4, false},
    {"ANALOG OUTPUT", 5, true},      {"BINARY INPUT", 6, false},
    {"BINARY OUTPUT", 7, true},      {"INTEGER VALUE", 8, true},
    {"LARGE ANALOG VALUE", 9, true}, {"POSITIVE INTEGER VALUE", 10, true},
    {"MULTI-STATE VALUE", 11, true}, {"ANALOG VALUE", 12, true},
    {"BINARY VALUE", 13, true},      {"LIFE SAFETY POINT", 14, true},
    {"LIFE SAFETY ZONE", 15, true},
};

QString clientKey(const QString& text) { return platform::trimBlanks(text).toUpper(); }
qint32 clientNumber(const QString& text) { return platform::parseIntOr(text, -1); }
bool clientInRange(qint64 value, qint64 low, qint64 high) { return value >= low && value <= high; }
bool isOneOf(int value, std::initializer_list<int> values)
{
    for (const int v : values)
        if (v == value)
            return true;
    return false;
}
bool isProprietaryObject(int code) { return clientInRange(code, kProprietaryObjectFirst, kProprietaryObjectLast); }

// The byte count of a read rule's named property on an object; nothing when
// the name is not one of them or does not apply to the object.
std::optional<int> namedReadProperty(const QString& name, int objectCode)
{
    if (name == QLatin1String("OBJECT IDENTIFIER (75)"))
        return 4;
    if (name == QLatin1String("UNITS (117)"))
        return isOneOf(objectCode, {2, 3, 6, 7, 11, 13}) ? -1 : 4;
    if (name == QLatin1String("SCALE (187)") && objectCode == 1)
        return 1;
    if (name == QLatin1String("PRESCALE (185)") && objectCode == 1)
        return 5;
    if (name == QLatin1String("POLARITY (84)") && isOneOf(objectCode, {6, 7, 13}))
        return 1;
    if (name == QLatin1String("EVENT STATE (36)"))
        return 4;
    if (name == QLatin1String("STATUS FLAGS (111)"))
        return 1;
    if (name == QLatin1String("OBJECT TYPE (79)"))
        return 2;
    if (name == QLatin1String("NUMBER OF STATES (74)") && isOneOf(objectCode, {2, 3, 11}))
        return 4;
    return std::nullopt;
}

std::optional<int> addressFailure(int bacnetType, const QString& address, const Texts& t)
{
    const QString trimmed = platform::trimBlanks(address);
    if (bacnetType == kBACnetIP) {
        uint8_t octets[4] = {};
        if (app::Decode_IP_Address(trimmed, octets[0], octets[1], octets[2], octets[3]))
            return t.ipAddress;
    } else if (bacnetType == kBACnetMSTP) {
        if (!clientInRange(clientNumber(trimmed), 0, 254))
            return t.slaveId;
    }
    return std::nullopt;
}

// D Net, D Len and D Add of a rule whose En Dest is ticked.
std::optional<int> destinationFailure(const QString& network, const QString& length, const QString& address,
                                      const Texts& t)
{
    if (!clientInRange(clientNumber(network), 1, 65535))
        return t.destinationNetwork;
    if (const std::optional<int32_t> bytes = platform::parseInt(length)) {
        switch (*bytes) {
        case 1:
            return clientInRange(clientNumber(address), 0, 255) ? std::nullopt
                                                                : std::optional<int>(t.destinationAddress1);
        case 2:
            return clientInRange(clientNumber(address), 1, 65535) ? std::nullopt
                                                                  : std::optional<int>(t.destinationAddress2);
        case 6: {
            uint8_t octets[4] = {};
            uint16_t port = 0;
            if (app::Decode_IP_Port(platform::trimBlanks(address), octets[0], octets[1], octets[2], octets[3], port))
                return std::nullopt;
            return t.destinationAddress6;
        }
        default:
            return t.destinationLength;
        }
    }
    const QString mstp = clientKey(length);
    if (mstp.size() != 2 || mstp[0] != u'M' || mstp[1] < u'1' || mstp[1] > u'8')
        return t.destinationLengthList;
    return Check_Dest_Add(address, mstp[1].digitValue(), t);
}

std::optional<RuleFailure> clientFailure(int table, size_t index, int textId, const QString& tail = {})
{
    return RuleFailure{table, int(index) + 1, textId, tail};
}

std::optional<RuleFailure> readRuleFailure(int bacnetType, const BACnetReadRule& r, size_t index)
{
    const Texts& t = client_texts::Read;
    constexpr int table = 0;
    if (const std::optional<int> text = addressFailure(bacnetType, r.IP_Address_Slave_ID, t))
        return clientFailure(table, index, *text);
    const int object = Check_Object_Type(r.Object_Type, RuleKind::Read);
    if (object == -1)
        return clientFailure(table, index, t.objectType);
    if (!clientInRange(platform::parseInt64(r.Instance).value_or(-1), 0, kMaxInstance))
        return clientFailure(table, index, t.instance);
    if (Check_Property(r.Property, RuleKind::Read, object) == -1)
        return clientFailure(table, index, t.property);
    if (!clientInRange(clientNumber(r.NumByte), 0, 255))
        return clientFailure(table, index, client_texts::ReadNumByte);
    if (clientKey(r.Enable_Destination) == QLatin1String("Y"))
        if (const std::optional<int> text =
                destinationFailure(r.Destination_Network, r.Destination_Length, r.Destination_Address, t))
            return clientFailure(table, index, *text);
    if (!clientInRange(clientNumber(r.PollTime), 0, kMaxTime))
        return clientFailure(table, index, t.pollTime);
    if (!clientInRange(clientNumber(r.MaxError), 0, kMaxError))
        return clientFailure(table, index, t.maxError);
    return std::nullopt;
}

std::optional<RuleFailure> writeRuleFailure(int bacnetType, const BACnetWriteRule& r, size_t index)
{
    const Texts& t = client_texts::Write;
    constexpr int table = 1;
    if (const std::optional<int> text = addressFailure(bacnetType, r.IP_Address_Slave_ID, t))
        return clientFailure(table, index, *text);
    const int object = Check_Object_Type(r.Object_Type, RuleKind::Write);
    if (object == -1)
        return clientFailure(table, index, t.objectType);
    if (!clientInRange(platform::parseInt64(r.Instance).value_or(-1), 0, kMaxInstance))
        return clientFailure(table, index, t.instance);
    const int property = Check_Property(r.Property, RuleKind::Write, object);
    if (property == -1)
        return clientFailure(table, index, t.property);
    if (Check_Data_Type(r.Data_Type, object, property) == -1) {
        const QString expected = Aspected_Data_Type_Value(object, property);
        if (!expected.isEmpty())
            return clientFailure(table, index, client_texts::DataTypeExpected, expected);
        return clientFailure(table, index, client_texts::DataType);
    }
    if (!clientInRange(clientNumber(r.Priority), 0, 16))
        return clientFailure(table, index, client_texts::Priority);
    const int maxBytes = Check_Num_Byte_Max(r.Data_Type);
    if (!clientInRange(clientNumber(r.NumByte), 0, maxBytes))
        return clientFailure(table, index, client_texts::WriteNumByte, QString::number(maxBytes));
    if (clientKey(r.Enable_Destination) == QLatin1String("Y"))
        if (const std::optional<int> text =
                destinationFailure(r.Destination_Network, r.Destination_Length, r.Destination_Address, t))
            return clientFailure(table, index, *text);
    if (r.OnTimer.toUpper() == QLatin1String("Y") && !clientInRange(clientNumber(r.PollTime), 0, kMaxTime))
        return clientFailure(table, index, t.pollTime);
    if (!clientInRange(clientNumber(r.MaxError), 0, kMaxError))
        return clientFailure(table, index, t.maxError);
    return std::nullopt;
}

}  // namespace client_rules_detail

using namespace client_rules_detail;

int Check_Object_Type(const QString& text, RuleKind kind)
{
    const QString name = clientKey(text);
    for (const NamedObject& object : kObjects)
        if (name == QLatin1String(object.name))
            return kind == RuleKind::Read || object.writable ? object.code : -1;
    const qint32 code = clientNumber(name);
    return isProprietaryObject(code) ? code : -1;
}

int Check_Property(const QString& text, RuleKind kind, int objectCode)
{
    const QString name = clientKey(text);
    if (name == QLatin1String("PRESENT VALUE (85)"))
        return kPresentValue;
    if (kind == RuleKind::Read)
        if (const std::optional<int> bytes = namedReadProperty(name, objectCode))
            return *bytes;
    return clientInRange(clientNumber(name), kProprietaryPropertyFirst, kProprietaryPropertyLast) ? kProprietaryProperty
                                                                                                  : -1;
}

int Check_Data_Type(const QString& dataType, int objectCode, int propertyCode)
{
    if (propertyCode != kPresentValue || isProprietaryObject(objectCode))
        return kAnyDataType;
    const QString name = clientKey(dataType);
    if (name == QLatin1String("UNSIGNED INT") && isOneOf(objectCode, {3, 10, 11}))
        return 4;
    if (name == QLatin1String("SIGNED INT") && objectCode == 8)
        return 4;
    if (name == QLatin1String("REAL") && isOneOf(objectCode, {5, 12}))
        return 4;
    if (name == QLatin1String("DOUBLE") && objectCode == 9)
        return 8;
    if (name == QLatin1String("ENUMERATED") && isOneOf(objectCode, {7, 13}))
        return 1;
    return -1;
}

QString Aspected_Data_Type_Value(int objectCode, int propertyCode)
{
    if (propertyCode != kPresentValue)
        return {};
    if (isOneOf(objectCode, {3, 10, 11}))
        return QStringLiteral("Unsigned Int");
    if (isOneOf(objectCode, {5, 12}))
        return QStringLiteral("Real");
    if (isOneOf(objectCode, {7, 13}))
        return QStringLiteral("Enumerated");
    if (objectCode == 8)
        return QStringLiteral("Signed Int");
    if (objectCode == 9)
        return QStringLiteral("Double");
    return {};
}

int Check_Num_Byte_Max(const QString& dataType)
{
    const QString name = clientKey(dataType);
    if (name == QLatin1String("NULL"))
        return 0;
    if (name == QLatin1String("BOOLEAN"))
        return 1;
    if (name == QLatin1String("DOUBLE"))
        return 8;
    if (name == QLatin1String("BIT STRING"))
        return 120;
    for (const char* fourBytes : {"UNSIGNED INT", "SIGNED INT", "REAL", "ENUMERATED", "DATE", "TIME", "OBJECT ID"})
        if (name == QLatin1String(fourBytes))
            return 4;
    return 255;  // the strings, and any other text
}

std::optional<int> Check_Dest_Add(const QString& text, int n, const client_texts::TableTexts& texts)
{
    const QString address = platform::trimBlanks(text);
    if (address.isEmpty())
        return texts.destinationTooFew;
    int count = 0;
    for (const QString& part : address.split(u',')) {
        if (!clientInRange(clientNumber(platform::trimBlanks(part)), 0, 255))
            return texts.destinationBytes;
        if (++count > n)
            return texts.destinationTooMany;
    }
    return count < n ? std::optional<int>(texts.destinationTooFew) : std::nullopt;
}

QString Str_Hint_Read(const QString& objectType, const QString& property)
{
    if (platform::trimBlanks(objectType).isEmpty() || platform::trimBlanks(property).isEmpty())
        return {};
    const int object = Check_Object_Type(objectType, RuleKind::Read);
    const int code = Check_Property(property, RuleKind::Read, object);
    if (clientInRange(code, 1, 49))
        return QString::number(code);
    if (code != kPresentValue)
        return {};
    if (isOneOf(object, {1, 2, 3, 4, 5, 8, 10}))
        return QStringLiteral("4");
    if (isOneOf(object, {6, 7}))
        return QStringLiteral("1");
    if (object == 9)
        return QStringLiteral("8");
    return {};
}

std::optional<rule_editor::RuleFailure> checkBACnetClientRules(int bacnetType, const BACnetClientFile& rules)
{
    const QString enabled = QStringLiteral("Y");
    for (size_t i = 0; i < rules.Read.size(); ++i)
        if (rules.Read[i].Enable == enabled)
            if (auto broken = readRuleFailure(bacnetType, rules.Read[i], i))
                return broken;
    for (size_t i = 0; i < rules.Write.size(); ++i)
        if (rules.Write[i].Enable == enabled)
            if (auto broken = writeRuleFailure(bacnetType, rules.Write[i], i))
                return broken;
    return std::nullopt;
}

}  // namespace bacnet
