#include "app/opcua_search_records.h"

#include "platform/codepage.h"

namespace app {
namespace {

QString nameOf(const QStringList& names, int code)
{
    return code >= 0 && code < names.size() ? names[code] : QString();
}

// The index of `text` in `names` (exact case), else `otherwise`.
int codeOf(const QStringList& names, const QString& text, int otherwise)
{
    const qsizetype at = names.indexOf(text);
    return at >= 0 ? int(at) : otherwise;
}

QString ansiText(const char* text)
{
    return text != nullptr ? platform::fromAnsi(QByteArray(text)) : QString();
}

}  // namespace

const QStringList& dataTypeNames()
{
    static const QStringList names = {"Boolean", "Int8",   "UInt8",  "Int16",  "UInt16",   "Int32", "UInt32",
                                      "Int64",   "UInt64", "Float",  "Double", "String",   "DateTime",
                                      "Guid",    "ByteString"};
    return names;
}

const QStringList& authorizationNames()
{
    static const QStringList names = {"Anonymous", "Username and Password", "Certificate"};
    return names;
}

const QStringList& securityTypeNames()
{
    static const QStringList names = {"None", "Sign", "Sign and Encrypt"};
    return names;
}

const QStringList& securityPolicyNames()
{
    static const QStringList names = {"None",      "Basic 128 RSA 15",         "Basic 256",
                                      "Basic 256 SHA 256", "AES 128 SHA 256 RSA OAEP", "AES 256 SHA 256 RSA PSS"};
    return names;
}

QString NodeType_To_Str(int code)
{
    switch (code) {
    case kNodeNumeric: return QStringLiteral("Numeric");
    case kNodeString: return QStringLiteral("String");
    case kNodeGuid: return QStringLiteral("Guid");
    case kNodeByteString: return QStringLiteral("ByteString");
    default: return {};
    }
}

uint16_t Str_To_NodeType(const QString& text)
{
    const QString upper = text.toUpper();
    if (upper == QLatin1String("STRING"))
        return kNodeString;
    if (upper == QLatin1String("GUID"))
        return kNodeGuid;
    if (upper == QLatin1String("BYTESTRING"))
        return kNodeByteString;
    return kNodeNumeric;
}

QString Guid_To_Str(uint32_t data1, uint16_t data2, uint16_t data3, const uint8_t (&data4)[8])
{
    const auto hex = [](uint32_t value, int digits) {
        return QStringLiteral("%1").arg(value, digits, 16, QLatin1Char('0')).toUpper();
    };
    QString text = hex(data1, 8) + u'-' + hex(data2, 4) + u'-' + hex(data3, 4) + u'-';
    for (int i = 0; i < 8; ++i) {
        if (i == 2)
            text += u'-';
        text += hex(data4[i], 2);
    }
    return text;
}

QString NodeID_To_Str(const opcua_structure& record)
{
    switch (record.identifierType) {
    case kNodeNumeric: return QString::number(record.numeric);
    case kNodeString: return ansiText(record.stringname);
    case kNodeGuid: return Guid_To_Str(record.guide1, record.guide2, record.guide3, record.guide4);
    case kNodeByteString: return ansiText(record.byteString);
    default: return {};
    }
}

QString VarType_To_Str(int code) { return nameOf(dataTypeNames(), code); }

QString Authorization_To_Str(int code) { return authorizationNames()[code == 0 || code == 1 ? code : 2]; }

int Str_To_Authorization(const QString& text) { return codeOf(authorizationNames(), text, 2); }

QString SecurityType_To_Str(int code) { return securityTypeNames()[code == 0 || code == 1 ? code : 2]; }

int Str_To_SecurityType(const QString& text) { return codeOf(securityTypeNames(), text, 2); }

QString SecurityPolicy_To_Str(int code) { return securityPolicyNames()[code >= 0 && code <= 4 ? code : 5]; }

int Str_To_SecurityPolicy(const QString& text) { return codeOf(securityPolicyNames(), text, 5); }

}  // namespace app
