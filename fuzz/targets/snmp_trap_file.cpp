// SNMP_Trap.xml: the SNMP agent's variables, read by the agent editor and by
// the MIB module writer. The file written from what was read reads back the
// same, and the module of its enabled variables keeps every object on one
// line with its description between one pair of double quotes and a name of
// letters and digits.

#include <QSet>

#include "editors/ethernet/snmp/snmp_mib.h"
#include "editors/ethernet/snmp/snmp_trap_file.h"
#include "fuzz_support.h"
#include "fuzz_target.h"

namespace {

bool objectName(const QString& name)
{
    if (name.isEmpty() || name[0] < u'a' || name[0] > u'z')
        return false;
    for (const QChar c : name)
        if (!((c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9')))
            return false;
    return true;
}

}  // namespace

FUZZ_TARGET(snmp_trap_file)
{
    fuzz::FuzzedData input(data, size);
    const QString path = fuzz::scratchFile(QStringLiteral("SNMP_Trap.xml"), input.takeRest());
    platform::XmlDocument doc;
    snmp::SNMPTrapFile file;
    const ethercat_mqtt::ProjectFileRead read = snmp::readSNMPTrapFile(path, doc, file);

    const snmp::MibVariables variables = snmp::Load_SNMP_Trap_Variables(path, doc);
    FUZZ_CHECK(variables.error.isEmpty() == (read.ok() || !read.missingElement.isEmpty()));
    QSet<QString> names;
    for (const QString& line : snmp::Write_MIB_Lines(variables)) {
        FUZZ_CHECK(!line.contains(u'\n') && !line.contains(u'\r'));
        const bool object = line.contains(QStringLiteral(" OBJECT-TYPE SYNTAX "))
                            || line.contains(QStringLiteral(" NOTIFICATION-TYPE SYNTAX "));
        if (!object)
            continue;
        FUZZ_CHECK(line.count(u'"') == 2);
        const QString name = line.section(u' ', 0, 0);
        FUZZ_CHECK(objectName(name));
        FUZZ_CHECK(!names.contains(name));
        names.insert(name);
    }

    if (read.ok())
        fuzz::checkWriteReadWrite(
            file, [&](const QString& to, const snmp::SNMPTrapFile& f) { return snmp::writeSNMPTrapFile(to, doc, f); },
            [&](const QString& from, snmp::SNMPTrapFile& f) { return snmp::readSNMPTrapFile(from, doc, f).ok(); });
}
