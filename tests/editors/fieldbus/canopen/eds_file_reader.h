#pragma once

// A small reader of INI-style EDS files for the tests, and the checks every
// EDS file the writer produces must pass: the sections and keys the CANopen
// EDS format requires for the objects listed, and object and sub-index
// numbers that agree with each other.

#include <map>
#include <optional>
#include <vector>

#include <QRegularExpression>
#include <QStringList>
#include <gtest/gtest.h>

#include "support/qt_printers.h"

namespace eds_testing {

struct EdsSection {
    QString name;
    std::vector<std::pair<QString, QString>> keys;  // in file order

    std::optional<QString> value(const QString& key) const
    {
        for (const auto& [k, v] : keys)
            if (k.compare(key, Qt::CaseInsensitive) == 0)
                return v;
        return std::nullopt;
    }
};

struct EdsFile {
    std::vector<EdsSection> sections;  // in file order
    QStringList problems;              // lines that are neither section, key nor blank; repeated names

    const EdsSection* section(const QString& name) const
    {
        for (const EdsSection& s : sections)
            if (s.name.compare(name, Qt::CaseInsensitive) == 0)
                return &s;
        return nullptr;
    }
};

inline EdsFile readEds(const QString& text)
{
    EdsFile file;
    for (const QString& raw : text.split(QStringLiteral("\r\n"))) {
        const QString line = raw.trimmed();
        if (line.isEmpty())
            continue;
        if (line.startsWith(u'[') && line.endsWith(u']')) {
            const QString name = line.mid(1, line.size() - 2);
            if (file.section(name) != nullptr)
                file.problems << QStringLiteral("section repeated: ") + name;
            file.sections.push_back({name, {}});
            continue;
        }
        const qsizetype equals = line.indexOf(u'=');
        if (equals <= 0 || file.sections.empty()) {
            file.problems << QStringLiteral("stray line: ") + line;
            continue;
        }
        EdsSection& s = file.sections.back();
        const QString key = line.left(equals);
        if (s.value(key))
            file.problems << QStringLiteral("key repeated in ") + s.name + QStringLiteral(": ") + key;
        s.keys.push_back({key, line.mid(equals + 1)});
    }
    return file;
}

// An EDS number: decimal, or hexadecimal after "0x".
inline std::optional<qint64> edsNumber(const QString& text)
{
    bool ok = false;
    const qint64 v = text.startsWith(QStringLiteral("0x"), Qt::CaseInsensitive) ? text.mid(2).toLongLong(&ok, 16)
                                                                                : text.toLongLong(&ok, 10);
    return ok ? std::optional<qint64>(v) : std::nullopt;
}

// The objects an object list names, in order.
inline std::vector<int> listedObjects(const EdsFile& file, const QString& list, QStringList& problems)
{
    std::vector<int> objects;
    const EdsSection* s = file.section(list);
    if (s == nullptr) {
        problems << QStringLiteral("no section ") + list;
        return objects;
    }
    const auto count = edsNumber(s->value(QStringLiteral("SupportedObjects")).value_or(QString()));
    if (!count) {
        problems << list + QStringLiteral(": no SupportedObjects");
        return objects;
    }
    if (int(s->keys.size()) != *count + 1)
        problems << list + QStringLiteral(": SupportedObjects does not count its entries");
    for (int n = 1; n <= *count; ++n) {
        const auto object = edsNumber(s->value(QString::number(n)).value_or(QString()));
        if (!object)
            problems << list + QStringLiteral(": no entry ") + QString::number(n);
        else
            objects.push_back(int(*object));
    }
    return objects;
}

inline QString hex4(int index) { return QStringLiteral("%1").arg(index, 4, 16, QLatin1Char('0')).toUpper(); }

// Everything wrong with `file` as an EDS file; empty when it is sound.
inline QStringList edsProblems(const EdsFile& file)
{
    QStringList problems = file.problems;
    const auto requireKeys = [&](const QString& section, const QStringList& keys) {
        const EdsSection* s = file.section(section);
        if (s == nullptr) {
            problems << QStringLiteral("no section ") + section;
            return;
        }
        for (const QString& k : keys)
            if (!s->value(k))
                problems << section + QStringLiteral(" lacks ") + k;
    };
    requireKeys(QStringLiteral("FileInfo"),
                {"FileName", "FileVersion", "FileRevision", "EDSVersion", "Description", "CreationTime",
                 "CreationDate", "CreatedBy", "ModificationTime", "ModificationDate", "ModifiedBy"});
    requireKeys(QStringLiteral("DeviceInfo"),
                {"VendorName", "VendorNumber", "ProductName", "ProductNumber", "RevisionNumber", "OrderCode",
                 "BaudRate_10", "BaudRate_20", "BaudRate_50", "BaudRate_125", "BaudRate_250", "BaudRate_500",
                 "BaudRate_800", "BaudRate_1000", "SimpleBootUpMaster", "SimpleBootUpSlave", "Granularity",
                 "DynamicChannelsSupported", "GroupMessaging", "NrOfRXPDO", "NrOfTXPDO", "LSS_Supported"});
    if (const EdsSection* info = file.section(QStringLiteral("FileInfo"))) {
        static const QRegularExpression time(QStringLiteral("^(0[1-9]|1[0-2]):[0-5][0-9](AM|PM)$"));
        static const QRegularExpression date(QStringLiteral("^(0[1-9]|1[0-2])-(0[1-9]|[12][0-9]|3[01])-[0-9]{4}$"));
        for (const char* key : {"CreationTime", "ModificationTime"})
            if (!time.match(info->value(QString::fromLatin1(key)).value_or(QString())).hasMatch())
                problems << QStringLiteral("FileInfo: %1 not hh:mm(AM|PM)").arg(QString::fromLatin1(key));
        for (const char* key : {"CreationDate", "ModificationDate"})
            if (!date.match(info->value(QString::fromLatin1(key)).value_or(QString())).hasMatch())
                problems << QStringLiteral("FileInfo: %1 not mm-dd-yyyy").arg(QString::fromLatin1(key));
    }

    const std::vector<int> mandatory = listedObjects(file, QStringLiteral("MandatoryObjects"), problems);
    for (int required : {0x1000, 0x1001, 0x1018})
        if (std::find(mandatory.begin(), mandatory.end(), required) == mandatory.end())
            problems << QStringLiteral("MandatoryObjects lacks ") + hex4(required);
    std::vector<int> all = mandatory;
    for (const char* list : {"OptionalObjects", "ManufacturerObjects"}) {
        const std::vector<int> more = listedObjects(file, QString::fromLatin1(list), problems);
        all.insert(all.end(), more.begin(), more.end());
    }

    // Every listed object has its section, every object section is listed.
    std::map<int, std::vector<const EdsSection*>> subs;  // object -> its sub-index sections
    static const QRegularExpression objectName(QStringLiteral("^([0-9A-F]{4})(sub([0-9A-F]+))?$"));
    for (const EdsSection& s : file.sections) {
        const QRegularExpressionMatch m = objectName.match(s.name);
        if (!m.hasMatch())
            continue;
        const int index = m.captured(1).toInt(nullptr, 16);
        if (std::find(all.begin(), all.end(), index) == all.end())
            problems << QStringLiteral("section of an object not listed: ") + s.name;
        if (m.hasCaptured(2)) {
            if (m.captured(3).startsWith(u'0') && m.captured(3).size() > 1)
                problems << QStringLiteral("sub-index with a leading zero: ") + s.name;
            subs[index].push_back(&s);
        }
    }
    const auto requireVariable = [&](const EdsSection& s) {
        for (const char* k : {"ParameterName", "ObjectType", "DataType", "AccessType", "PDOMapping"})
            if (!s.value(QString::fromLatin1(k)))
                problems << s.name + QStringLiteral(" lacks ") + QString::fromLatin1(k);
        if (edsNumber(s.value(QStringLiteral("ObjectType")).value_or(QString())) != 7)
            problems << s.name + QStringLiteral(" is no variable");
    };
    for (int index : all) {
        const EdsSection* object = file.section(hex4(index));
        if (object == nullptr) {
            problems << QStringLiteral("no section for listed object ") + hex4(index);
            continue;
        }
        const auto subNumber = object->value(QStringLiteral("SubNumber"));
        if (!subNumber) {
            requireVariable(*object);
            if (subs.count(index) != 0)
                problems << hex4(index) + QStringLiteral(" has sub-indexes but no SubNumber");
            continue;
        }
        const auto type = edsNumber(object->value(QStringLiteral("ObjectType")).value_or(QString()));
        if (!object->value(QStringLiteral("ParameterName")) || (type != 8 && type != 9))
            problems << hex4(index) + QStringLiteral(" is no record or array with a name");
        const std::vector<const EdsSection*>& own = subs[index];
        if (edsNumber(*subNumber) != qint64(own.size()))
            problems << hex4(index) + QStringLiteral(": SubNumber %1, sub-index sections %2").arg(*subNumber).arg(own.size());
        int largest = -1;
        bool hasSub0 = false;
        for (const EdsSection* s : own) {
            requireVariable(*s);
            const int sub = objectName.match(s->name).captured(3).toInt(nullptr, 16);
            largest = std::max(largest, sub);
            hasSub0 = hasSub0 || sub == 0;
        }
        if (!hasSub0)
            problems << hex4(index) + QStringLiteral(" has no sub-index 0");
        // A sub-index 0 that counts the entries gives the largest sub-index.
        if (const EdsSection* sub0 = file.section(hex4(index) + QStringLiteral("sub0"));
            sub0 != nullptr && sub0->value(QStringLiteral("ParameterName")).value_or(QString()) != "Application Variable") {
            const auto count = edsNumber(sub0->value(QStringLiteral("DefaultValue")).value_or(QString()));
            if (count != largest)
                problems << hex4(index) + QStringLiteral("sub0 does not give the largest sub-index %1").arg(largest);
        }
    }

    // The PDOs: as many communication and mapping objects as the device
    // information counts, and mapping entries that name sub-indexes of 8
    // bits of objects present.
    const auto countIn = [&all](int base) {
        int n = 0;
        for (int index : all)
            n += index >= base && index < base + 0x200 ? 1 : 0;
        return n;
    };
    if (const EdsSection* info = file.section(QStringLiteral("DeviceInfo"))) {
        const auto rx = edsNumber(info->value(QStringLiteral("NrOfRXPDO")).value_or(QString()));
        const auto tx = edsNumber(info->value(QStringLiteral("NrOfTXPDO")).value_or(QString()));
        if (rx != countIn(0x1400) || rx != countIn(0x1600))
            problems << QStringLiteral("NrOfRXPDO does not count the receive PDOs");
        if (tx != countIn(0x1800) || tx != countIn(0x1A00))
            problems << QStringLiteral("NrOfTXPDO does not count the transmit PDOs");
    }
    for (int index : all) {
        if (index < 0x1600 || (index >= 0x1800 && index < 0x1A00) || index >= 0x1C00)
            continue;
        for (const EdsSection* s : subs[index]) {
            if (s->name.endsWith(QStringLiteral("sub0")))
                continue;
            const auto mapped = edsNumber(s->value(QStringLiteral("DefaultValue")).value_or(QString()));
            if (!mapped) {
                problems << s->name + QStringLiteral(" maps nothing");
                continue;
            }
            const int object = int(*mapped >> 16);
            const int sub = int((*mapped >> 8) & 0xFF);
            const EdsSection* target = file.section(hex4(object) + QStringLiteral("sub") + QString::number(sub, 16).toUpper());
            if ((*mapped & 0xFF) != 8 || target == nullptr
                || target->value(QStringLiteral("PDOMapping")).value_or(QString()) != "1")
                problems << s->name + QStringLiteral(" maps no mappable byte");
        }
    }
    return problems;
}

}  // namespace eds_testing
