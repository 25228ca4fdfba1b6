// A BACnet EDE file as the client editor's import reads it: any bytes give a
// list of objects (never a crash or a read past the end), the same from disk
// as from the decoded text, only of the types the client handles, with their
// ticks set and their fields trimmed; a file of fewer than seven lines gives
// none. Then the decoded lines as the mnemonics and unit codes of server
// objects: the EDE writer keeps every object on one line of seven fields,
// and the import reads each object back with its name, type, instance and
// unit.

#include "editors/fieldbus/bacnet/bacnet_server_rules.h"
#include "editors/fieldbus/bacnet/ede_file.h"
#include "editors/fieldbus/bacnet/ede_writer.h"
#include "fuzz_support.h"
#include "fuzz_target.h"
#include "platform/strings.h"
#include "platform/text_lines.h"

namespace {

constexpr int kMostServerObjects = 64;

bool trimmed(const QString& field) { return platform::trimBlanks(field) == field; }

void checkImported(const bacnet::TBACnet_Var& v)
{
    FUZZ_CHECK(bacnet::isEdeImportType(v.object_type));
    FUZZ_CHECK(v.import && v.read && v.write == v.commandable);
    FUZZ_CHECK(!v.keyname.contains(u';'));
    for (const QString* field : {&v.keyname, &v.object_name, &v.description, &v.unit_code, &v.vendor_specific_address})
        FUZZ_CHECK(trimmed(*field));
}

// The server objects of the lines: each line a mnemonic and a unit code, the
// kinds taken in turn from both tables' lists.
bacnet::BACnetServerFile serverObjects(const QStringList& lines)
{
    QStringList kinds = bacnet::serverObjectKinds(bacnet::InRead) + bacnet::serverObjectKinds(bacnet::InWrite);
    kinds << QStringLiteral("CharacterString Value") << QStringLiteral("unknown kind");
    bacnet::BACnetServerFile objects;
    for (int i = 0; i < lines.size() && i < kMostServerObjects; ++i) {
        bacnet::BACnetServerObject o;
        o.Data_Type = kinds[i % kinds.size()];
        o.Mnemonic = lines[i];
        o.Eng_Unit = lines[lines.size() - 1 - i];
        (i % 2 == 0 ? objects.Read : objects.Write).push_back(o);
    }
    return objects;
}

void checkWrittenAndReadBack(const QStringList& lines, bool longNames)
{
    const std::vector<bacnet::TBACnet_EDE_Obj> written =
        bacnet::Load_EDE_Objects({QStringLiteral("4711"), longNames}, serverObjects(lines));
    const QStringList file = bacnet::EDE_File_Lines(lines.value(0), QStringLiteral("00:00:00 01/01/2024"), written);
    FUZZ_CHECK(file.size() == 7 + int(written.size()));
    for (int i = 0; i < file.size(); ++i) {
        FUZZ_CHECK(!file[i].contains(u'\r') && !file[i].contains(u'\n'));
        FUZZ_CHECK(file[i].count(u';') == 7 || i < 5);
    }
    std::vector<bacnet::TBACnet_EDE_Obj> expected;
    for (const bacnet::TBACnet_EDE_Obj& o : written)
        if (bacnet::isEdeImportType(o.ObjectType.toInt()))
            expected.push_back(o);
    const std::vector<bacnet::TBACnet_Var> back = bacnet::readEdeLines(file);
    FUZZ_CHECK(back.size() == expected.size());
    for (size_t i = 0; i < back.size() && i < expected.size(); ++i) {
        const bacnet::TBACnet_EDE_Obj& o = expected[i];
        FUZZ_CHECK_EQUAL(back[i].keyname, bacnet::edeField(o.Keyname));
        FUZZ_CHECK_EQUAL(back[i].object_name, platform::trimBlanks(bacnet::edeField(o.ObjectName)));
        FUZZ_CHECK(back[i].object_name.size() <= (longNames ? 32 : 16));
        FUZZ_CHECK(QString::number(back[i].object_type) == o.ObjectType);
        FUZZ_CHECK(QString::number(back[i].object_instance) == o.ObjectInstance);
        FUZZ_CHECK(back[i].device_obj_instance == 4711);
        // The writer's seventh column, the unit code, is the column the
        // import takes as the present value's default.
        FUZZ_CHECK_EQUAL(back[i].present_value_default, platform::trimBlanks(bacnet::edeField(o.UnitCode)));
    }
}

}  // namespace

FUZZ_TARGET(ede_file)
{
    fuzz::FuzzedData input(data, size);
    const bool longNames = input.takeBool();
    const QByteArray bytes = input.takeRest();
    const QStringList lines = platform::splitLines(platform::decodeExportedText(bytes));
    const std::vector<bacnet::TBACnet_Var> objects = bacnet::readEdeLines(lines);
    FUZZ_CHECK(bacnet::readEdeFile(fuzz::scratchFile(QStringLiteral("device.csv"), bytes)) == objects);
    FUZZ_CHECK(objects.size() <= size_t(lines.size()));
    if (lines.size() < 7)
        FUZZ_CHECK(objects.empty());
    for (const bacnet::TBACnet_Var& v : objects)
        checkImported(v);
    checkWrittenAndReadBack(lines, longNames);
}
