#include "editors/fieldbus/bacnet/ede_writer.h"

#include <map>

#include "app/app_state.h"
#include "app/language.h"
#include "params/par_gen_file.h"
#include "params/par_gen_reader.h"
#include "platform/atomic_file.h"
#include "platform/codepage.h"
#include "platform/dialogs.h"
#include "platform/paths.h"
#include "platform/strings.h"

namespace bacnet {
namespace ede_writer_detail {

constexpr int kTextFileExists = 1105;
constexpr int kShortNameLength = 16;
constexpr int kLongNameLength = 32;
const QString kExtension = QStringLiteral(".csv");

// The object type of each server object kind.
const std::vector<std::pair<const char*, int>> kObjectTypes = {
    {"ANALOG INPUT", 0},        {"ANALOG OUT", 1},
    {"ANALOG VALUE", 2},        {"BINARY INPUT", 3},
    {"BINARY OUT", 4},          {"BINARY VALUE", 5},
    {"MULTI STATE INPUT", 13},  {"MULTI STATE OUTPUT", 14},
    {"MULTI STATE VALUE", 19},  {"LIFE SAFETY POINT", 21},
    {"LIFE SAFETY ZONE", 22},   {"ACCUMULATOR", 23},
    {"ACCESS DOOR", 30},        {"CHARACTERSTRING VALUE", 40},
    {"DATETIME VALUE", 44},     {"INTEGER VALUE", 45},
    {"LARGE ANALOG VALUE", 46}, {"POSITIVE INTEGER VALUE", 48},
};

// The next instance number of each object type of one generation.
class EDE_Instances {
public:
    EDE_Instances()
    {
        for (const auto& [kind, type] : kObjectTypes)
            counters_[type] = 0;
    }
    // Next_EDE_Instance: the type's next number; 0 for a type without a
    // counter, which counts nothing.
    int next(int type)
    {
        const auto counter = counters_.find(type);
        return counter == counters_.end() ? 0 : counter->second++;
    }

private:
    std::map<int, int> counters_;
};

QString twoDigits(int value) { return QStringLiteral("%1").arg(value, 2, 10, QLatin1Char('0')); }

}  // namespace ede_writer_detail

using namespace ede_writer_detail;

EDE_Device Read_EDE_Device_Data(const params::ParGenFile& parGen)
{
    const params::ParGenReader reader(parGen);
    EDE_Device device;
    const bool mstp = reader.integer("BACnet_Type", 0) == 1;
    device.instance = reader.text(mstp ? "BACnet_Ser_DEV_IDE" : "BACnet_DEV_IDE");
    device.longNames = reader.flag("BACnet_Desc_Chars_Limit");
    return device;
}

int Get_EDE_Object_Type(const QString& kind)
{
    const QString name = platform::trimBlanks(kind).toUpper();
    for (const auto& [known, type] : kObjectTypes)
        if (name == QLatin1String(known))
            return type;
    return 0;
}

std::vector<TBACnet_EDE_Obj> Load_EDE_Objects(const EDE_Device& device, const BACnetServerFile& objects)
{
    std::vector<TBACnet_EDE_Obj> lines;
    EDE_Instances instances;
    const int nameLength = device.longNames ? kLongNameLength : kShortNameLength;
    for (const auto* table : {&objects.Read, &objects.Write}) {
        for (const BACnetServerObject& object : *table) {
            const int type = Get_EDE_Object_Type(object.Data_Type);
            TBACnet_EDE_Obj line;
            line.DevObjInstance = device.instance;
            line.ObjectName = object.Mnemonic.left(nameLength);
            line.ObjectType = QString::number(type);
            line.ObjectInstance = QString::number(instances.next(type));
            line.Keyname = device.instance + u'_' + object.Mnemonic + u'_' + line.ObjectInstance;
            line.Description = line.ObjectName;
            line.UnitCode = object.Eng_Unit;
            lines.push_back(std::move(line));
        }
    }
    return lines;
}

QString Get_EDE_TimeStamp(const QDateTime& time)
{
    const QDate date = time.date();
    const QTime clock = time.time();
    return twoDigits(clock.hour()) + u':' + twoDigits(clock.minute()) + u':' + twoDigits(clock.second()) + u' '
           + twoDigits(date.day()) + u'/' + twoDigits(date.month()) + u'/' + QString::number(date.year());
}

QString edeField(const QString& value)
{
    QString field = value;
    for (QChar& c : field)
        if (c == u';' || c == u'\r' || c == u'\n')
            c = u' ';
    return field;
}

QStringList EDE_File_Lines(const QString& projectName, const QString& timestamp,
                           const std::vector<TBACnet_EDE_Obj>& objects)
{
    QStringList lines = {
        QStringLiteral("PROJECT_NAME; Olvenk--") + edeField(projectName) + QStringLiteral(";;;;;;"),
        QStringLiteral("VERSION_OF_REFERENCEFILE;1.0;;;;;;"),
        QStringLiteral("TIMESTAMP_OF_LAST_CHANGE;") + timestamp + QStringLiteral(";;;;;;"),
        QStringLiteral("AUTHOR_OF_LAST_CHANGE;Olvenk;;;;;;"),
        QStringLiteral("VERSION_OF_LAYOUT;2;;;;;;"),
        QStringLiteral("# mandatory;mandatory;mandatory;mandatory;mandatory;optional;optional;"),
        QStringLiteral("# keyname;device obj.-instance;object-name;object-type;object-instance;description;unit-code;"),
    };
    for (const TBACnet_EDE_Obj& o : objects) {
        QString line;
        for (const QString* field : {&o.Keyname, &o.DevObjInstance, &o.ObjectName, &o.ObjectType, &o.ObjectInstance,
                                     &o.Description, &o.UnitCode})
            line += edeField(*field) + u';';
        lines << line;
    }
    return lines;
}

bool Create_EDE_File(const QString& path, const app::AppState& state, platform::XmlDocument& doc, QString* error,
                     const QDateTime& now)
{
    params::ParGenFile parGen;
    if (!params::readParGenFile(state.ParGen_Path, doc, parGen, error))
        return false;
    const EDE_Device device = Read_EDE_Device_Data(parGen);
    BACnetServerFile objects;
    const ethercat_mqtt::ProjectFileRead read = readBACnetServerFile(state.BACnet_Slave_Path, doc, objects);
    doc.clear();
    if (!read.ok()) {
        if (error)
            *error = read.error;
        return false;
    }
    QByteArray bytes;
    const QStringList lines =
        EDE_File_Lines(state.Project_Name, Get_EDE_TimeStamp(now), Load_EDE_Objects(device, objects));
    for (const QString& line : lines)
        bytes += platform::toAnsi(line) + "\r\n";
    return platform::writeFileAtomically(path, bytes, error);
}

void Build_EDE_File(const app::AppState& state, platform::XmlDocument& doc, QWidget* parent)
{
    platform::FileDialogOptions options;
    options.filter = QStringLiteral("BACnet EDE File (*.csv)|*.csv");
    options.defaultExtension = kExtension;
    options.initialFolder = state.Project_Path;
    const std::optional<QString> chosen = platform::dialogs().saveFile(options, parent);
    if (!chosen)
        return;
    QString path = *chosen;
    if (!path.endsWith(kExtension, Qt::CaseInsensitive))
        path += kExtension;
    if (platform::fileExists(path) && !platform::dialogs().confirm(app::langText(kTextFileExists), parent))
        return;
    QString error;
    if (!Create_EDE_File(path, state, doc, &error))
        platform::dialogs().error(error, parent);
}

}  // namespace bacnet
