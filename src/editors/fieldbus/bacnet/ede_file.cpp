#include "editors/fieldbus/bacnet/ede_file.h"


#include "platform/strings.h"
#include "platform/text_lines.h"

namespace bacnet {
namespace ede_file_detail {

constexpr int kMandatoryLine = 6;  // the seventh line
constexpr int kFieldsAfterKeyname = 14;

bool isMandatoryLine(const QString& line)
{
    return line.startsWith(u'#') && platform::trimBlanks(line.mid(1)).startsWith(QStringLiteral("mandatory"));
}

// The text before the first ";", empty when there is none.
QString fieldOf(const QString& rest)
{
    const qsizetype semicolon = rest.indexOf(u';');
    return semicolon < 0 ? QString() : platform::trimBlanks(rest.left(semicolon));
}

// The text after the first ";", all of it when there is none.
QString afterField(const QString& rest)
{
    const qsizetype semicolon = rest.indexOf(u';');
    return semicolon < 0 ? rest : rest.mid(semicolon + 1);
}

int32_t edeNumber(const QString& field) { return platform::parseIntOr(field, -1); }
bool edeYes(const QString& field) { return field.toUpper() == QStringLiteral("Y"); }

}  // namespace ede_file_detail

using namespace ede_file_detail;

bool isEdeImportType(int32_t objectType)
{
    switch (objectType) {
    case 0:
    case 1:
    case 2:
    case 3:
    case 4:
    case 5:
    case 13:
    case 14:
    case 19:
    case 21:
    case 22:
    case 23:
    case 45:
    case 46:
    case 48:
        return true;
    default:
        return false;
    }
}

int edeObjectStart(const QStringList& lines)
{
    if (lines.size() <= kMandatoryLine)
        return -1;
    if (isMandatoryLine(lines[kMandatoryLine]))
        return kMandatoryLine + 2;
    int start = -1;
    for (int i = 0; i < lines.size(); ++i)
        if (isMandatoryLine(lines[i]))
            start = i + 2;
    return start;
}

TBACnet_Var decodeEdeLine(const QString& line)
{
    TBACnet_Var v;
    v.keyname = fieldOf(line);
    QString rest = line;
    QString fields[kFieldsAfterKeyname];
    for (QString& field : fields) {
        rest = platform::trimBlanks(afterField(rest));
        field = fieldOf(rest);
    }
    v.device_obj_instance = edeNumber(fields[0]);
    v.object_name = fields[1];
    v.object_type = edeNumber(fields[2]);
    v.object_instance = edeNumber(fields[3]);
    v.description = fields[4];
    v.present_value_default = fields[5];
    v.min_present_value = fields[6];
    v.max_present_value = fields[7];
    v.commandable = edeYes(fields[8]);
    v.support_COV = edeYes(fields[9]);
    v.hi_limit = fields[10];
    v.low_limit = fields[11];
    v.stete_text_reference = fields[12];
    v.unit_code = fields[13];
    QString address = platform::trimBlanks(afterField(rest));
    if (address.endsWith(u';'))
        address = platform::trimBlanks(address.chopped(1));
    v.vendor_specific_address = address;
    return v;
}

std::vector<TBACnet_Var> readEdeLines(const QStringList& lines)
{
    QStringList trimmed;
    trimmed.reserve(lines.size());
    for (const QString& line : lines)
        trimmed << platform::trimBlanks(line);
    std::vector<TBACnet_Var> objects;
    const int start = edeObjectStart(trimmed);
    if (start < 0)
        return objects;
    for (int i = start; i < trimmed.size(); ++i) {
        if (trimmed[i].isEmpty())
            continue;
        TBACnet_Var v = decodeEdeLine(trimmed[i]);
        if (!isEdeImportType(v.object_type))
            continue;
        v.import = true;
        v.read = true;
        v.write = v.commandable;
        objects.push_back(std::move(v));
    }
    return objects;
}

std::vector<TBACnet_Var> readEdeFile(const QString& path)
{
    const std::optional<QStringList> lines = platform::readExportedTextLines(path);
    return lines ? readEdeLines(*lines) : std::vector<TBACnet_Var>{};
}

}  // namespace bacnet
