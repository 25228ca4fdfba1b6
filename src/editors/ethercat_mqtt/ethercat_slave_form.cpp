#include "editors/ethercat_mqtt/ethercat_slave_form.h"

#include "app/app_state.h"
#include "controls/button/lb_button.h"
#include "controls/grid/string_grid/ex_string_grid.h"
#include "editors/ethercat_mqtt/ethercat_variable_rules.h"
#include "editors/ethercat_mqtt/project_files/ethercat_slave_file.h"
#include "editors/ethercat_mqtt/rule_editor/rule_records.h"
#include "editors/ethercat_mqtt/rule_editor/rule_texts.h"

namespace ethercat_mqtt {
namespace slave_form_detail {

using rule_editor::ColumnKind;
using rule_editor::RuleColumn;
namespace colors = rule_editor::column_colors;
using Row = EtherCATVariableRow;

constexpr int kVariables = 256;
constexpr int kEnableColumn = 1;
constexpr int kTypeColumn = 2;
constexpr int kLengthColumn = 3;

// The computed columns of a table.
struct ComputedColumns {
    int position;
    int startBit;
    int group;
};
constexpr ComputedColumns kComputed[] = {{6, 7, 8}, {5, 6, 7}};

rule_editor::RuleTableLayout slaveToMasterLayout()
{
    return {QStringLiteral("ESG_SlaveMaster"),
            QStringLiteral("TS_SlaveToMaster"),
            1034,
            rule_editor::GridKind::StringGrid,
            kVariables,
            {
                RuleColumn{1014, 40, ColumnKind::RowNumber},
                RuleColumn{1015, 50, ColumnKind::CheckBox, colors::CheckBox, 1024},
                RuleColumn{1016, 120, ColumnKind::Choice, colors::Key, 1025},
                RuleColumn{1017, 100, ColumnKind::Text, colors::Key, 1026},
                RuleColumn{1019, 280, ColumnKind::Text, colors::Key, 1028},
                RuleColumn{1020, 100, ColumnKind::Text, colors::Size, 1029},
                RuleColumn{1021, 100, ColumnKind::Computed, colors::Position, 1030},
                RuleColumn{1022, 100, ColumnKind::Computed, colors::Position, 1031},
                RuleColumn{1059, 100, ColumnKind::Computed, colors::Group, 1061},
                RuleColumn{1023, 100, ColumnKind::Text, colors::Description, 1032},
            },
            kTypeColumn};
}

rule_editor::RuleTableLayout masterToSlaveLayout()
{
    return {QStringLiteral("ESG_MasterSlave"),
            QStringLiteral("TS_MasterToSlave"),
            1035,
            rule_editor::GridKind::StringGrid,
            kVariables,
            {
                RuleColumn{1036, 40, ColumnKind::RowNumber},
                RuleColumn{1037, 50, ColumnKind::CheckBox, colors::CheckBox, 1044},
                RuleColumn{1038, 120, ColumnKind::Choice, colors::Key, 1045},
                RuleColumn{1039, 100, ColumnKind::Text, colors::Key, 1046},
                RuleColumn{1040, 280, ColumnKind::Text, colors::Key, 1047},
                RuleColumn{1041, 100, ColumnKind::Computed, colors::Position, 1048},
                RuleColumn{1042, 100, ColumnKind::Computed, colors::Position, 1049},
                RuleColumn{1060, 100, ColumnKind::Computed, colors::Group, 1062},
                RuleColumn{1043, 100, ColumnKind::Text, colors::Description, 1050},
            },
            kTypeColumn};
}

rule_editor::RuleEditorLayout slaveFormLayout()
{
    return {QStringLiteral("FEtherCATSlave"), 1000, 1008, variable_texts::ErrorRow, 1033, QSize(1200, 337),
            {slaveToMasterLayout(), masterToSlaveLayout()}};
}

// The file's attributes in table column order.
const rule_editor::RecordColumns<Row> kSlaveColumns[] = {
    {&Row::Enable, &Row::Type, &Row::Length, &Row::Name, &Row::InitValue, &Row::Position, &Row::BitStart, &Row::Group,
     &Row::Mnemonic},
    {&Row::Enable, &Row::Type, &Row::Length, &Row::Name, &Row::Position, &Row::BitStart, &Row::Group, &Row::Mnemonic},
};

// A row as the table shows it when loaded: only "N" unchecks the box, the
// Group is computed, and a fixed type without a Length takes its own.
rule_editor::RuleRows rowsShown(std::vector<Row> rows, int table)
{
    for (Row& row : rows) {
        row.Enable = row.Enable == QStringLiteral("N") ? QStringLiteral("N") : QStringLiteral("Y");
        row.Group.clear();
        if (row.Length.isEmpty())
            if (const std::optional<TypeLength> length = VarSetLength(row.Type))
                row.Length = length->length;
    }
    return rule_editor::toRows(rows, kSlaveColumns[table]);
}

EtherCATSlaveFile slaveFileOf(const std::vector<rule_editor::RuleRows>& saved)
{
    EtherCATSlaveFile file;
    file.SlaveToMaster = rule_editor::toRecords(saved[TFEtherCATSlave::SlaveToMaster], kSlaveColumns[0]);
    file.MasterToSlave = rule_editor::toRecords(saved[TFEtherCATSlave::MasterToSlave], kSlaveColumns[1]);
    return file;
}

}  // namespace slave_form_detail

using namespace slave_form_detail;

TFEtherCATSlave::TFEtherCATSlave(QWidget* parent) : TRuleEditorForm(slaveFormLayout(), parent)
{
    ESG_SlaveMaster = &table(SlaveToMaster).grid();
    ESG_MasterSlave = &table(MasterToSlave).grid();
    Btn_MoveUp = addButton(QStringLiteral("Btn_MoveUp"), QStringLiteral("Move Up"));
    Btn_MoveDown = addButton(QStringLiteral("Btn_MoveDown"), QStringLiteral("Move Down"));
    Btn_MoveUp->OnClick = [this](QObject*) { Btn_MoveClick(true); };
    Btn_MoveDown->OnClick = [this](QObject*) { Btn_MoveClick(false); };
    wireEditing(SlaveToMaster);
    wireEditing(MasterToSlave);
}

TFEtherCATSlave::~TFEtherCATSlave() = default;

void TFEtherCATSlave::wireEditing(int index)
{
    grid::TExStringGrid& g = table(index).grid();
    g.OnGetEditorType = [&g](QObject*, int col, int, grid::TEditorType& editor) {
        if (col != kTypeColumn)
            return;
        editor = grid::edComboList;
        g.ClearComboString();
        for (const QString& type : etherCATVariableTypes())
            g.AddComboString(type);
    };
    g.OnComboChange = [this, index, &g](QObject*, int col, int row, int, const QString& selection) {
        if (col != kTypeColumn)
            return;
        VarSetLength(index, row, selection);
        g.SetCellEx(kTypeColumn, row, selection);
        Calc_Position_Bit(index);
    };
    // Positions follow an edit once its value is stored.
    g.OnEditCellDone = [this, index](QObject*, int col, int) {
        if (col >= kEnableColumn && col <= kLengthColumn)
            Calc_Position_Bit(index);
    };
    g.OnCheckBoxChange = [this, index](QObject*, int col, int, bool) {
        if (col != kEnableColumn)
            return;
        Show_Group(index);
        Calc_Position_Bit(index);
    };
}

// ---------------------------------------------------------------- computed columns

void TFEtherCATSlave::VarSetLength(int index, int row, const QString& type)
{
    const std::optional<TypeLength> length = ethercat_mqtt::VarSetLength(type);
    if (!length)
        return;
    grid::TExStringGrid& g = table(index).grid();
    g.SetCellEx(kLengthColumn, row, length->length);
    g.SetReadOnly(kLengthColumn, row, length->locked);
}

void TFEtherCATSlave::lockLength(int index, int row)
{
    grid::TExStringGrid& g = table(index).grid();
    const std::optional<TypeLength> length = ethercat_mqtt::VarSetLength(g.GetCellEx(kTypeColumn, row));
    g.SetReadOnly(kLengthColumn, row, length && length->locked);
}

void TFEtherCATSlave::Calc_Position_Bit(int index)
{
    const rule_editor::RuleTable& t = table(index);
    grid::TExStringGrid& g = t.grid();
    std::vector<VariableSlot> rows;
    rows.reserve(size_t(t.dataRows()));
    for (int r = 1; r <= t.dataRows(); ++r)
        rows.push_back({t.checked(kEnableColumn, r), g.GetCellEx(kTypeColumn, r), g.GetCellEx(kLengthColumn, r)});
    const std::vector<PackedPlace> places = ethercat_mqtt::Calc_Position_Bit(rows);
    const ComputedColumns& columns = kComputed[index];
    g.BeginUpdate();
    for (size_t i = 0; i < places.size(); ++i) {
        g.SetCellEx(columns.position, int(i) + 1, places[i].position);
        g.SetCellEx(columns.startBit, int(i) + 1, places[i].startBit);
    }
    g.EndUpdate();
}

void TFEtherCATSlave::Show_Group(int index)
{
    const rule_editor::RuleTable& t = table(index);
    std::vector<bool> enabled;
    enabled.reserve(size_t(t.dataRows()));
    for (int r = 1; r <= t.dataRows(); ++r)
        enabled.push_back(t.checked(kEnableColumn, r));
    const std::vector<QString> names =
        ethercat_mqtt::Show_Group(enabled, index == SlaveToMaster ? Group_StoM : Group_MtoS);
    grid::TExStringGrid& g = t.grid();
    g.BeginUpdate();
    for (size_t i = 0; i < names.size(); ++i)
        g.SetCellEx(kComputed[index].group, int(i) + 1, names[i]);
    g.EndUpdate();
}

void TFEtherCATSlave::recompute(int index)
{
    for (int r = 1; r <= table(index).dataRows(); ++r)
        lockLength(index, r);
    Show_Group(index);
    Calc_Position_Bit(index);
}

// ---------------------------------------------------------------- move

void TFEtherCATSlave::Btn_MoveClick(bool up)
{
    const int index = activeTable();
    MoveRow_ESG(currentRow(index), index, up);
}

void TFEtherCATSlave::MoveRow_ESG(int row, int index, bool up)
{
    rule_editor::RuleTable& t = table(index);
    const int other = up ? row - 1 : row + 1;
    if (other < 1 || other > t.dataRows())
        return;
    const QStringList moving = t.rowTexts(row);
    t.setRowTexts(row, t.rowTexts(other));
    t.setRowTexts(other, moving);
    t.grid().FocusCell(t.grid().Col(), other);
    refresh(index);
}

// ---------------------------------------------------------------- file

QString TFEtherCATSlave::projectFilePath() const { return app::appState().EtherCAT_Slave_Path; }

rule_editor::LoadedProject TFEtherCATSlave::loadProject()
{
    rule_editor::LoadedProject project;
    // The groups first: a damaged group file costs the group names only.
    const QString groupPath = app::appState().EtherCAT_Slave_Group_Path;
    EtherCATGroupFile groups;
    const ProjectFileRead groupRead = readEtherCATGroupFile(groupPath, XML1, groups);
    if (!groupRead.ok())
        project.notices << rule_editor::fileProblemText(groupPath, groupRead.reason, groupRead.missingElement);
    Group_StoM = namedGroups(groups.Slave_to_Master);
    Group_MtoS = namedGroups(groups.Master_to_Slave);

    const QString path = projectFilePath();
    EtherCATSlaveFile variables;
    const ProjectFileRead read = readEtherCATSlaveFile(path, XML1, variables, MissingEnable::Enabled);
    if (!read.ok()) {
        project.failure = rule_editor::fileProblemText(path, read.reason, read.missingElement);
        return project;
    }
    project.tables = {rowsShown(std::move(variables.SlaveToMaster), SlaveToMaster),
                      rowsShown(std::move(variables.MasterToSlave), MasterToSlave)};
    return project;
}

std::optional<rule_editor::RuleFailure> TFEtherCATSlave::checkRows(const std::vector<rule_editor::RuleRows>& saved) const
{
    return checkEtherCATVariables(slaveFileOf(saved));
}

bool TFEtherCATSlave::saveProject(const std::vector<rule_editor::RuleRows>& saved, QString* error)
{
    return writeEtherCATSlaveFile(projectFilePath(), XML1, slaveFileOf(saved), error);
}

}  // namespace ethercat_mqtt
