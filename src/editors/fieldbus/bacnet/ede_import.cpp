#include "editors/fieldbus/bacnet/ede_import.h"

#include <algorithm>

#include "app/shared_checks.h"
#include "editors/fieldbus/bacnet/bacnet_client_rules.h"
#include "platform/strings.h"

namespace bacnet {
namespace ede_import_detail {

struct ImportedType {
    int32_t type;
    const char* name;
    const char* dataType;
    int numByte;
};
constexpr ImportedType kImportedTypes[] = {
    {0, "Analog Input", "Real", 4},
    {1, "Analog Output", "Real", 4},
    {2, "Analog Value", "Real", 4},
    {3, "Binary Input", "Enumerated", 1},
    {4, "Binary Output", "Enumerated", 1},
    {5, "Binary Value", "Enumerated", 1},
    {13, "Multi-State Input", "Unsigned Int", 4},
    {14, "Multi-State Output", "Unsigned Int", 4},
    {19, "Multi-State Value", "Unsigned Int", 4},
    {21, "Life Safety Point", "Enumerated", 2},
    {22, "Life Safety Zone", "Enumerated", 2},
    {23, "Accumulator", "Unsigned Int", 4},
    {45, "Integer Value", "Signed Int", 4},
    {46, "Large Analog Value", "Double", 8},
    {48, "Positive Integer Value", "Unsigned Int", 4},
};
constexpr ImportedType kOtherType = {-1, "", "Null", 4};

const ImportedType& importedType(int32_t type)
{
    for (const ImportedType& t : kImportedTypes)
        if (t.type == type)
            return t;
    return kOtherType;
}

const QString kPresentValue = QStringLiteral("Present Value (85)");

QStringList readRule(const TBACnet_Var& v, const QString& address, int position)
{
    const ImportedType& t = importedType(v.object_type);
    return {QStringLiteral("Y"),
            address,
            QString::fromLatin1(t.name),
            QString::number(v.object_instance),
            kPresentValue,
            QString::number(t.numByte),
            QStringLiteral("N"),
            QString(),
            QString(),
            QString(),
            QStringLiteral("1000"),
            QStringLiteral("0"),
            QString::number(position),
            QStringLiteral("0"),
            QStringLiteral("N"),
            QString(),
            v.object_name + QStringLiteral(" - ") + v.description};
}

QStringList writeRule(const TBACnet_Var& v, const QString& address, int position)
{
    const ImportedType& t = importedType(v.object_type);
    return {QStringLiteral("Y"),
            address,
            QString::fromLatin1(t.name),
            QString::fromLatin1(t.dataType),
            QString::number(v.object_instance),
            kPresentValue,
            QStringLiteral("0"),
            QString::number(t.numByte),
            QStringLiteral("N"),
            QString(),
            QString(),
            QString(),
            QStringLiteral("N"),
            QStringLiteral("N"),
            QStringLiteral("1000"),
            QStringLiteral("0"),
            QString::number(position),
            QStringLiteral("0"),
            QStringLiteral("N"),
            QString(),
            v.object_name + QStringLiteral(" - ") + v.description};
}

// Places one rule in the next free row of a table; false when none is left.
template <typename MakeRule>
bool place(EdeImportTarget& target, size_t& next, std::vector<std::pair<int, QStringList>>& rows,
           const MakeRule& makeRule, int numByte)
{
    if (next >= target.freeRows.size())
        return false;
    rows.emplace_back(target.freeRows[next++], makeRule(target.nextPosition));
    target.nextPosition += numByte;
    return true;
}

}  // namespace ede_import_detail

using namespace ede_import_detail;

std::optional<int> edeDeviceAddressFailure(int bacnetType, const QString& text)
{
    if (bacnetType == kBACnetIP) {
        uint8_t octets[4] = {};
        if (app::Decode_IP_Address(text, octets[0], octets[1], octets[2], octets[3]))
            return import_texts::IpAddress;
    } else if (bacnetType == kBACnetMSTP) {
        const qint32 id = platform::parseIntOr(text, -1);
        if (id < 0 || id > 254)
            return import_texts::SlaveId;
    }
    return std::nullopt;
}

QString Get_ObjType_EDE(int32_t objectType) { return QString::fromLatin1(importedType(objectType).name); }
QString Get_DataType_EDE(int32_t objectType) { return QString::fromLatin1(importedType(objectType).dataType); }
int Get_NumByte_EDE(int32_t objectType) { return importedType(objectType).numByte; }

int nextFreePosition(const std::vector<QStringList>& rows, int keyColumn, int positionColumn, int numByteColumn)
{
    int next = 0;
    for (const QStringList& row : rows) {
        if (platform::trimBlanks(row.value(keyColumn - 1)).isEmpty())
            continue;
        const qint32 position = platform::parseIntOr(row.value(positionColumn - 1), -1);
        const qint32 numByte = platform::parseIntOr(row.value(numByteColumn - 1), -1);
        if (position >= 0 && numByte >= 0)
            next = int(std::max<qint64>(next, qint64(position) + numByte));
    }
    return next;
}

EdeImport placeEdeObjects(const std::vector<TBACnet_Var>& objects, const QString& address, EdeImportTarget read,
                          EdeImportTarget write)
{
    EdeImport result;
    size_t nextRead = 0;
    size_t nextWrite = 0;
    for (const TBACnet_Var& v : objects) {
        if (!v.import)
            continue;
        const int numByte = Get_NumByte_EDE(v.object_type);
        if (v.read
            && !place(
                read, nextRead, result.read, [&](int position) { return readRule(v, address, position); }, numByte))
            ++result.readLeftOut;
        if (v.write
            && !place(
                write, nextWrite, result.write, [&](int position) { return writeRule(v, address, position); }, numByte))
            ++result.writeLeftOut;
    }
    return result;
}

}  // namespace bacnet
