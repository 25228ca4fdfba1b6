#pragma once

// The SNMP MIB module of the gateway's agent: the enabled variables of
// SNMP_Trap.xml named and typed for SNMP managers.

#include <vector>

#include <QString>
#include <QStringList>

class QWidget;

namespace app {
struct AppState;
}

namespace platform {
class XmlDocument;
}

namespace snmp {

// One enabled variable of the agent.
struct MibVariable {
    QString description;   // as the file holds it, possibly empty
    bool integer = false;  // its Type, upper-cased, is "INT"; else a string
};

// The enabled variables in file order; variable k is entry k - 1.
struct MibVariables {
    std::vector<MibVariable> read;
    std::vector<MibVariable> write;
    // Why SNMP_Trap.xml could not be read; empty when all went well.
    QString error;
};

// The maker's details that the module names.
struct MakerIdentity {
    QString webAddress = QStringLiteral("www.olvenk.com");
    QString street = QStringLiteral("Industrial Road 7");
    QString postcodeAndTown = QStringLiteral("12345 Velmora");
    QString country = QStringLiteral("Europe");
    QString email = QStringLiteral("info@olvenk.com");
    // The maker's private enterprise number, under which its objects stand.
    quint32 enterpriseNumber = 99999;
};

// Load_SNMP_Trap_Variables: the enabled rows of SNMP_Trap.xml at `path`
// (read into `doc`). A row is enabled when its Enable, upper-cased, is "Y"
// (a row without Enable is not); a row without Type is a string, one without
// Description has an empty one. A missing file, or one without the variable
// lists, gives no variables; a file that cannot be parsed sets `error`.
MibVariables Load_SNMP_Trap_Variables(const QString& path, platform::XmlDocument& doc);

// The module's lines for `variables`, any number of them. A variable's
// object name is its description without the characters a name cannot
// hold (only the letters and digits are kept, at most 64); a description that leaves
// no name beginning with a lowercase letter, or the name of another object
// of the module, gives the name "bufferinval" / "bufferoutval" + k instead
// (with "x" added while that is taken). A description's double quotes are
// left out of its DESCRIPTION text and its control characters become
// blanks, so that every object stays one line of a module that parses.
QStringList Write_MIB_Lines(const MibVariables& variables, const MakerIdentity& maker = {});

// Write_MIB_File: the module's lines as 8-bit text in the system code page,
// each ended by CR LF, replacing `fileName` atomically. False with the
// reason in `error` when it cannot be written.
bool Write_MIB_File(const QString& fileName, const MibVariables& variables, QString* error = nullptr);

// The main window's command: asks where to save (starting in the project's
// folder, "*.mib"), asks before overwriting a file, reads the variables
// (also into the state's MIB_Read_Vars and MIB_Write_Vars) and writes the
// module; a file that cannot be read or written is reported in an error
// box and nothing is written.
void Build_MIB_File(app::AppState& state, QWidget* parent = nullptr);

}  // namespace snmp
