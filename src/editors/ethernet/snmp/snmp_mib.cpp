#include "editors/ethernet/snmp/snmp_mib.h"

#include <QSet>

#include "app/app_state.h"
#include "app/language.h"
#include "editors/ethercat_mqtt/rule_editor/rule_texts.h"
#include "editors/ethernet/snmp/snmp_trap_file.h"
#include "editors/ethernet/snmp/snmp_trap_rules.h"
#include "platform/atomic_file.h"
#include "platform/codepage.h"
#include "platform/dialogs.h"
#include "platform/paths.h"
#include "platform/xml_document.h"

namespace snmp {
namespace mib_detail {

// "File already exists. Do you want to overwrite?"
constexpr int kTextFileExists = 1105;

// Longest object name (descriptor) of a module.
constexpr int kMaxNameLength = 64;

// The blocks of each data buffer ahead of its variables.
constexpr int kBufferBlocks = 8;

// The variables of one buffer: its name prefix, access and parent.
struct Buffer {
    QString name;        // "bufferin": blocks "bufferinblk" n, variables under "bufferinval"
    QString access;      // "read-only" / "read-write"
    int dataIndex = 0;   // its place under data
};

const Buffer kInBuffer = {QStringLiteral("bufferin"), QStringLiteral("read-only"), 4};
const Buffer kOutBuffer = {QStringLiteral("bufferout"), QStringLiteral("read-write"), 5};

QString syntaxOf(bool integer) { return integer ? QStringLiteral("INTEGER") : QStringLiteral("OCTET STRING"); }

// A description as the text between the double quotes of a DESCRIPTION.
QString quotedText(const QString& description)
{
    QString text;
    text.reserve(description.size());
    for (const QChar c : description) {
        if (c == u'"')
            continue;
        text += c < u' ' ? QChar(u' ') : c;
    }
    return text;
}

// A description's letters and digits, as many as a name takes: what an
// object name can hold of it.
QString nameCharacters(const QString& description)
{
    QString name;
    for (const QChar c : description)
        if ((c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9'))
            name += c;
    return name.left(kMaxNameLength);
}

// The object names of a buffer's variables, none among `used` (which they
// join).
QStringList objectNames(const std::vector<MibVariable>& variables, const QString& defaultPrefix, QSet<QString>& used)
{
    QStringList names;
    names.reserve(qsizetype(variables.size()));
    for (size_t i = 0; i < variables.size(); ++i) {
        QString name = nameCharacters(variables[i].description);
        if (name.isEmpty() || name[0] < u'a' || name[0] > u'z' || used.contains(name)) {
            name = defaultPrefix + QString::number(i + 1);
            while (used.contains(name))
                name += u'x';
        }
        used.insert(name);
        names << name;
    }
    return names;
}

// One variable line: all separators single blanks.
QString objectLine(const QString& name, const QString& kind, bool integer, const QString& access,
                   const QString& description, const QString& parent, size_t index)
{
    return name + u' ' + kind + QStringLiteral(" SYNTAX ") + syntaxOf(integer) + QStringLiteral(" MAX-ACCESS ")
           + access + QStringLiteral(" STATUS current DESCRIPTION \"") + quotedText(description)
           + QStringLiteral("\" ::= { ") + parent + u' ' + QString::number(index) + QStringLiteral(" }");
}

QString objectTypeLine(const QString& name, bool integer, const QString& access, const QString& description,
                       const QString& parent, size_t index)
{
    return objectLine(name, QStringLiteral("OBJECT-TYPE"), integer, access, description, parent, index);
}

// The names the module gives its own objects.
QSet<QString> fixedNames(size_t traps)
{
    QSet<QString> names = {
        QStringLiteral("identity"),    QStringLiteral("olvenk"),   QStringLiteral("gateway"),
        QStringLiteral("application"), QStringLiteral("data"),     QStringLiteral("hellostring"),
        QStringLiteral("countin"),     QStringLiteral("countout"), QStringLiteral("traps"),
        QStringLiteral("trapsval"),
    };
    for (const Buffer& buffer : {kInBuffer, kOutBuffer}) {
        names.insert(buffer.name);
        names.insert(buffer.name + QStringLiteral("val"));
        for (int n = 1; n <= kBufferBlocks; ++n)
            names.insert(buffer.name + QStringLiteral("blk") + QString::number(n));
    }
    for (size_t k = 1; k <= traps; ++k)
        names.insert(QStringLiteral("trapval") + QString::number(k));
    return names;
}

// A data buffer: its node, its eight blocks, its variables' node and the
// variables.
void addBuffer(QStringList& lines, const Buffer& buffer, const std::vector<MibVariable>& variables,
               const QStringList& names)
{
    lines << buffer.name + QStringLiteral(" OBJECT IDENTIFIER::= { data ") + QString::number(buffer.dataIndex)
                 + QStringLiteral(" }");
    for (int n = 1; n <= kBufferBlocks; ++n)
        lines << objectTypeLine(buffer.name + QStringLiteral("blk") + QString::number(n), false, buffer.access,
                                QStringLiteral("data block n.") + QString::number(n), buffer.name, size_t(n));
    const QString parent = buffer.name + QStringLiteral("val");
    lines << u' ' + parent + QStringLiteral(" OBJECT IDENTIFIER::= { ") + buffer.name + QStringLiteral(" 9 }");
    for (size_t k = 0; k < variables.size(); ++k)
        lines << objectTypeLine(names[qsizetype(k)], variables[k].integer, buffer.access, variables[k].description,
                                parent, k + 1);
}

std::vector<MibVariable> enabledVariables(const auto& rows)
{
    std::vector<MibVariable> variables;
    for (const auto& row : rows)
        if (variableEnabled(row.Enable))
            variables.push_back({row.Description, row.Type.toUpper() == QStringLiteral("INT")});
    return variables;
}

QStringList descriptionsOf(const std::vector<MibVariable>& variables)
{
    QStringList descriptions;
    for (const MibVariable& v : variables)
        descriptions << v.description;
    return descriptions;
}

}  // namespace mib_detail
using namespace mib_detail;

MibVariables Load_SNMP_Trap_Variables(const QString& path, platform::XmlDocument& doc)
{
    MibVariables variables;
    SNMPTrapFile file;
    const ethercat_mqtt::ProjectFileRead read = readSNMPTrapFile(path, doc, file, QString());
    doc.clear();
    if (!read.ok() && read.missingElement.isEmpty()) {
        variables.error = rule_editor::fileProblemText(path, read.reason, QString());
        return variables;
    }
    variables.read = enabledVariables(file.Read);
    variables.write = enabledVariables(file.Write);
    return variables;
}

QStringList Write_MIB_Lines(const MibVariables& variables, const MakerIdentity& maker)
{
    const QString tab = QStringLiteral("\t");
    QStringList lines = {
        QStringLiteral("GATEWAY DEFINITIONS ::= BEGIN"),
        QStringLiteral("IMPORTS"),
        QStringLiteral("       MODULE-IDENTITY,OBJECT-TYPE"),
        QStringLiteral("         FROM SNMPv2-SMI"),
        QStringLiteral("         DisplayString, TimeStamp"),
        QStringLiteral("         FROM SNMPv2-TC"),
        QStringLiteral("         enterprises"),
        QStringLiteral("         FROM RFC1155-SMI;"),
        QString(),
        QStringLiteral("identity MODULE-IDENTITY"),
        QStringLiteral("    LAST-UPDATED \"201701310000Z\""),
        QStringLiteral("    ORGANIZATION \"") + maker.webAddress + u'"',
        QStringLiteral("    CONTACT-INFO"),
        tab + QStringLiteral(" \"") + maker.street,
        QStringLiteral("    ") + maker.postcodeAndTown,
        QStringLiteral("    ") + maker.country,
        QStringLiteral("    email:    ") + maker.email + u'"',
        QStringLiteral("    DESCRIPTION"),
        tab + QStringLiteral("\"MIB objects for agent module \""),
        QStringLiteral("    REVISION     \"201701310000Z\""),
        QStringLiteral("    DESCRIPTION"),
        tab + QStringLiteral("\"Corrected notification \""),
        QStringLiteral("    REVISION     \"200202060000Z\""),
        QStringLiteral("    DESCRIPTION"),
        tab + QStringLiteral("\"First draft\""),
        QStringLiteral("    ::= { olvenk 2 }"),
        QStringLiteral("olvenk          OBJECT IDENTIFIER ::= { enterprises ") + QString::number(maker.enterpriseNumber)
            + QStringLiteral(" }"),
        QStringLiteral("gateway OBJECT IDENTIFIER::= { olvenk 1 }"),
        QStringLiteral("application OBJECT IDENTIFIER::= { gateway 1 }"),
        QStringLiteral("data OBJECT IDENTIFIER::= { application 1 }"),
        QStringLiteral("hellostring OBJECT-TYPE SYNTAX OCTET STRING MAX-ACCESS read-only  STATUS current  "
                       "DESCRIPTION \"\" ::= { data 1}"),
        QStringLiteral("countin  OBJECT-TYPE SYNTAX INTEGER       MAX-ACCESS read-only  STATUS current  "
                       "DESCRIPTION \"\" ::= { data 2}"),
        QStringLiteral("countout  OBJECT-TYPE SYNTAX INTEGER       MAX-ACCESS read-write STATUS current  "
                       "DESCRIPTION \"\" ::= { data 3}"),
    };
    QSet<QString> used = fixedNames(variables.read.size());
    const QStringList readNames = objectNames(variables.read, kInBuffer.name + QStringLiteral("val"), used);
    const QStringList writeNames = objectNames(variables.write, kOutBuffer.name + QStringLiteral("val"), used);
    addBuffer(lines, kInBuffer, variables.read, readNames);
    addBuffer(lines, kOutBuffer, variables.write, writeNames);
    lines << QStringLiteral("traps OBJECT IDENTIFIER::= { application 2 }");
    lines << QStringLiteral(" trapsval OBJECT IDENTIFIER::= { traps 1 }");
    for (size_t k = 0; k < variables.read.size(); ++k)
        lines << objectLine(QStringLiteral("trapval") + QString::number(k + 1), QStringLiteral("NOTIFICATION-TYPE"),
                            variables.read[k].integer, QStringLiteral("read-only"), variables.read[k].description,
                            QStringLiteral("trapsval"), k + 1);
    lines << QStringLiteral("END");
    return lines;
}

bool Write_MIB_File(const QString& fileName, const MibVariables& variables, QString* error)
{
    QByteArray bytes;
    for (const QString& line : Write_MIB_Lines(variables))
        bytes += platform::toAnsi(line) + "\r\n";
    return platform::writeFileAtomically(fileName, bytes, error);
}

void Build_MIB_File(app::AppState& state, QWidget* parent)
{
    platform::FileDialogOptions options;
    options.filter = QStringLiteral("Management Information Base (*.mib)|*.mib");
    options.defaultExtension = QStringLiteral("*.mib");
    options.initialFolder = state.Project_Path;
    const auto chosen = platform::dialogs().saveFile(options, parent);
    if (!chosen)
        return;
    if (platform::fileExists(*chosen) && !platform::dialogs().confirm(app::langText(kTextFileExists), parent))
        return;
    platform::XmlDocument doc;
    const MibVariables variables = Load_SNMP_Trap_Variables(state.SNMP_Trap_Path, doc);
    state.MIB_Read_Vars = descriptionsOf(variables.read);
    state.MIB_Write_Vars = descriptionsOf(variables.write);
    if (!variables.error.isEmpty()) {
        platform::dialogs().error(variables.error, parent);
        return;
    }
    QString error;
    if (!Write_MIB_File(*chosen, variables, &error))
        platform::dialogs().error(
            rule_editor::formatText(app::langText(rule_editor::frame_texts::FileNotWritten), {error}), parent);
}

}  // namespace snmp
