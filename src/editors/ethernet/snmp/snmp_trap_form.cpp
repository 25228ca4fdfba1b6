#include "editors/ethernet/snmp/snmp_trap_form.h"

#include "app/app_state.h"
#include "controls/grid/column_grid/ex_column_grid.h"
#include "editors/ethercat_mqtt/rule_editor/rule_file_records.h"
#include "editors/ethercat_mqtt/rule_editor/rule_records.h"
#include "editors/ethercat_mqtt/rule_editor/rule_texts.h"
#include "editors/ethernet/snmp/snmp_shared.h"
#include "editors/ethernet/snmp/snmp_trap_file.h"
#include "editors/ethernet/snmp/snmp_trap_rules.h"

namespace snmp {
namespace trap_form_detail {

using K = rule_editor::ColumnKind;
using rule_editor::RuleColumn;
namespace colors = rule_editor::column_colors;
using Read = SNMPTrapReadRow;
using Write = SNMPTrapWriteRow;

constexpr int kNameLength = 15;  // Community Name and Description
// The Position column of each table (real index).
constexpr int kReadPositionColumn = 8;
constexpr int kWritePositionColumn = 4;

const QStringList kTypes = {QStringLiteral("Int"), QStringLiteral("String")};
const QStringList kConversions = {QStringLiteral("None"),       QStringLiteral("Float"),
                                  QStringLiteral("Float * 10"), QStringLiteral("Float * 100"),
                                  QStringLiteral("Float / 10"), QStringLiteral("Float / 100")};

rule_editor::RuleTableLayout readLayout()
{
    return {QStringLiteral("ECG_SNMP_Read"),
            QStringLiteral("TS_SNMP_Read"),
            4708,
            rule_editor::GridKind::ColumnGrid,
            TFSNMP_Trap_Access::kVariables,
            {
                RuleColumn{4716, 40, K::RowNumber},
                RuleColumn{4717, 50, K::CheckBox, colors::CheckBox, 4739},
                RuleColumn{4718, 120, K::ChoiceOrText, colors::Key, 4740, communityNames(), false, kNameLength},
                RuleColumn{4719, 60, K::Choice, colors::Key, 4741, kTypes},
                RuleColumn{4720, 75, K::CheckBox, colors::CheckBox, 4742},
                RuleColumn{4721, 60, K::CheckBox, colors::CheckBox, 4743},
                RuleColumn{4722, 65, K::CheckBox, colors::CheckBox, 4744},
                RuleColumn{4723, 80, K::Text, colors::CheckBox, 4745},
                RuleColumn{4724, 65, K::Choice, colors::Size, 4746, numberItems(kPositionEntries)},
                RuleColumn{4725, 65, K::Choice, colors::Size, 4747, numberItems(8)},
                RuleColumn{4726, 105, K::Text, colors::Size, 4748},
                RuleColumn{4727, 120, K::Text, colors::Group, 4749, {}, false, kNameLength},
                RuleColumn{4728, 110, K::Text, colors::Key, 4750},
                RuleColumn{4781, 95, K::Choice, colors::Size, 4783, kConversions},
                RuleColumn{4729, 150, K::Text, colors::Description, 4751},
            },
            2};
}

rule_editor::RuleTableLayout writeLayout()
{
    return {QStringLiteral("ECG_SNMP_Write"),
            QStringLiteral("TS_SNMP_Write"),
            4709,
            rule_editor::GridKind::ColumnGrid,
            TFSNMP_Trap_Access::kVariables,
            {
                RuleColumn{4730, 40, K::RowNumber},
                RuleColumn{4731, 50, K::CheckBox, colors::CheckBox, 4752},
                RuleColumn{4732, 120, K::ChoiceOrText, colors::Key, 4753, communityNames(), false, kNameLength},
                RuleColumn{4733, 60, K::Choice, colors::Key, 4754, kTypes},
                RuleColumn{4734, 65, K::Choice, colors::Size, 4755, numberItems(kPositionEntries)},
                RuleColumn{4735, 65, K::Choice, colors::Size, 4756, numberItems(8)},
                RuleColumn{4736, 105, K::Text, colors::Size, 4757},
                RuleColumn{4737, 120, K::Text, colors::Group, 4758, {}, false, kNameLength},
                RuleColumn{4782, 95, K::Choice, colors::Size, 4784, kConversions},
                RuleColumn{4738, 150, K::Text, colors::Description, 4759},
            },
            2};
}

rule_editor::RuleEditorLayout trapFormLayout()
{
    return {QStringLiteral("FSNMP_Trap_Access"), 4700, 4710, trap_texts::ErrorRow, trap_texts::DeleteQuestion,
            QSize(1256, 337), {readLayout(), writeLayout()}};
}

// Every column of a table is an attribute of the file, in the same order.
const rule_editor::RecordColumns<Read> kReadColumns = {
    &Read::Enable,   &Read::Community_Name, &Read::Type,        &Read::On_Change,  &Read::On_Command,
    &Read::On_Timer, &Read::Time,           &Read::Position,    &Read::Bit,        &Read::NumBits,
    &Read::Description, &Read::IP_Address,  &Read::Conversion,  &Read::Mnemonic,
};
const rule_editor::RecordColumns<Write> kWriteColumns = {
    &Write::Enable,  &Write::Community_Name, &Write::Type,       &Write::Position, &Write::Bit,
    &Write::NumBits, &Write::Description,    &Write::Conversion, &Write::Mnemonic,
};

SNMPTrapFile trapFileOf(const std::vector<rule_editor::RuleRows>& saved)
{
    SNMPTrapFile file;
    file.Read = rule_editor::toRecords(saved[TFSNMP_Trap_Access::Read], kReadColumns);
    file.Write = rule_editor::toRecords(saved[TFSNMP_Trap_Access::Write], kWriteColumns);
    return file;
}

}  // namespace trap_form_detail
using namespace trap_form_detail;

TFSNMP_Trap_Access::TFSNMP_Trap_Access(QWidget* parent) : TRuleEditorForm(trapFormLayout(), parent)
{
    ECG_SNMP_Read = table(Read).columnGrid();
    ECG_SNMP_Write = table(Write).columnGrid();
    for (const int index : {Read, Write}) {
        grid::TExStringGrid& g = table(index).grid();
        // A click on the row number selects nothing in this editor.
        g.OnClickCell = nullptr;
        g.OnCheckBoxClick = [this, index](QObject*, int col, int, bool) {
            if (col == kEnableColumn)
                Index_Row_Build(index);
        };
    }
}

void TFSNMP_Trap_Access::Index_Row_Build(int index)
{
    const rule_editor::RuleTable& t = table(index);
    QStringList enables;
    enables.reserve(t.dataRows());
    for (int r = 1; r <= t.dataRows(); ++r)
        enables << t.cellText(kEnableColumn, r);
    const QStringList labels = variableIndexes(enables);
    grid::TExStringGrid& g = t.grid();
    g.BeginUpdate();
    for (int r = 1; r <= t.dataRows(); ++r)
        g.SetCellEx(0, r, labels[r - 1]);
    g.EndUpdate();
}

void TFSNMP_Trap_Access::recompute(int index) { Index_Row_Build(index); }

void TFSNMP_Trap_Access::prepareShow()
{
    NByte_IN = kPositionEntries;
    NByte_OUT = kPositionEntries;
    ECG_SNMP_Read->Columns()[kReadPositionColumn]->ComboItems = numberItems(NByte_IN);
    ECG_SNMP_Write->Columns()[kWritePositionColumn]->ComboItems = numberItems(NByte_OUT);
}

QString TFSNMP_Trap_Access::projectFilePath() const { return app::appState().SNMP_Trap_Path; }

rule_editor::LoadedProject TFSNMP_Trap_Access::loadProject()
{
    const auto read = [](const QString& path, platform::XmlDocument& doc, SNMPTrapFile& variables) {
        return readSNMPTrapFile(path, doc, variables);
    };
    return rule_editor::loadProjectFile<SNMPTrapFile>(
        projectFilePath(), XML1, read, [&](SNMPTrapFile& variables) {
            return std::vector<rule_editor::RuleRows>{rule_editor::toRows(variables.Read, kReadColumns),
                                                      rule_editor::toRows(variables.Write, kWriteColumns)};
        });
}

std::optional<rule_editor::RuleFailure>
TFSNMP_Trap_Access::checkRows(const std::vector<rule_editor::RuleRows>& saved) const
{
    return checkSNMPTrapVariables(trapFileOf(saved));
}

bool TFSNMP_Trap_Access::saveProject(const std::vector<rule_editor::RuleRows>& saved, QString* error)
{
    return writeSNMPTrapFile(projectFilePath(), XML1, trapFileOf(saved), error);
}

}  // namespace snmp
