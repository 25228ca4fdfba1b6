#include "editors/ethernet/s7/s7_protocol_form.h"

#include "app/app_state.h"
#include "controls/grid/column_grid/ex_column_grid.h"
#include "editors/ethercat_mqtt/rule_editor/rule_records.h"
#include "editors/ethercat_mqtt/rule_editor/rule_texts.h"
#include "editors/ethernet/common/rule_columns.h"
#include "editors/ethercat_mqtt/rule_editor/rule_file_records.h"

namespace ethernet_editors {
namespace s7_form_detail {

using rule_editor::ColumnKind;
using rule_editor::RuleColumn;
namespace colors = rule_editor::column_colors;

// The columns of a table, without texts: as the file's attributes (see
// s7Attributes), behind the row number.
std::vector<RuleColumn> tableShape(int table, const S7DataArrays& arrays)
{
    const QStringList plcTypes = {"Logo0BA8", "S7200", "S7300", "S7400", "S71200", "S71500"};
    const QStringList dataTypes = {"Bit", "Byte", "Char", "Word", "Int", "DWord", "DInt", "Real"};
    const QStringList identifiers = {"OB", "DB", "SDB", "FC", "SFC", "FB", "SFB"};
    const QStringList areas = {"Direct peripheral access (P)", "Inputs (I)", "Output (Q)", "Flags (M) (Merker)"};
    std::vector<RuleColumn> c = {shapeColumn(ColumnKind::RowNumber, 32, clWindow),
                                 shapeColumn(ColumnKind::CheckBox, 52, colors::CheckBox),
                                 shapeColumn(ColumnKind::Text, 104, colors::Key),
                                 shapeColumn(ColumnKind::Text, 62, colors::Key),
                                 shapeColumn(ColumnKind::Choice, 70, colors::Key, plcTypes),
                                 shapeColumn(ColumnKind::Text, 40, colors::Key),
                                 shapeColumn(ColumnKind::Text, 36, colors::Key),
                                 shapeColumn(ColumnKind::Choice, 70, colors::Size, dataTypes),
                                 shapeColumn(ColumnKind::Choice, 100, colors::Size, identifiers),
                                 shapeColumn(ColumnKind::Text, 80, colors::Size),
                                 shapeColumn(ColumnKind::Choice, 180, colors::Size, areas),
                                 shapeColumn(ColumnKind::Text, 60, colors::Size),
                                 shapeColumn(ColumnKind::Choice, 52, colors::Size, numberItems(8)),
                                 shapeColumn(ColumnKind::Text, 66, colors::Size)};
    if (table == S7Write) {
        const std::vector<RuleColumn> triggers = writeTriggerColumns();
        c.insert(c.end(), triggers.begin(), triggers.end());
    }
    const std::vector<RuleColumn> placement =
        dataPlacementColumns(table == S7Read ? arrays.NByte_IN : arrays.NByte_OUT);
    c.insert(c.end(), placement.begin(), placement.end());
    c.push_back(shapeColumn(ColumnKind::Text, 200, colors::Description));
    return c;
}

rule_editor::RuleEditorLayout formLayout()
{
    const S7DataArrays arrays;
    const rule_editor::RuleTableLayout read = {
        QStringLiteral("ECG_S7_Read"),
        QStringLiteral("TS_S7_Read"),
        5114,
        rule_editor::GridKind::ColumnGrid,
        TFS7_Protocol_Set_Access::kRules,
        withTexts(tableShape(S7Read, arrays),
                  {5116, 5117, 5118, 5119, 5120, 5213, 5214, 5121, 5122, 5189, 5190, 5191, 5192, 5123, 5124, 5125,
                   5126, 5127, 5128},
                  {5144, 5145, 5146, 5147, 5217, 5218, 5148, 5149, 5197, 5198, 5199, 5200, 5150, 5151, 5152, 5153,
                   5154, 5155}),
        2};
    const rule_editor::RuleTableLayout write = {
        QStringLiteral("ECG_S7_Write"),
        QStringLiteral("TS_S7_Write"),
        5115,
        rule_editor::GridKind::ColumnGrid,
        TFS7_Protocol_Set_Access::kRules,
        withTexts(tableShape(S7Write, arrays),
                  {5129, 5130, 5131, 5132, 5133, 5215, 5216, 5134, 5135, 5193, 5194, 5195, 5196, 5136, 5137, 5138,
                   5139, 5140, 5141, 5142, 5143},
                  {5156, 5157, 5158, 5159, 5219, 5220, 5160, 5161, 5201, 5202, 5203, 5204, 5162, 5163, 5164, 5165,
                   5166, 5167, 5168, 5169}),
        2};
    return {QStringLiteral("FS7_Protocol_Set_Access"),
            5100,
            5108,
            5170,
            TFS7_Protocol_Set_Access::kDeleteQuestion,
            QSize(1350, 337),
            {read, write}};
}

S7RuleFile fileOf(const std::vector<rule_editor::RuleRows>& saved)
{
    S7RuleFile file;
    file.Read = rule_editor::toRecords(saved[S7Read], rule_editor::columnsOf(s7Attributes(S7Read)));
    file.Write = rule_editor::toRecords(saved[S7Write], rule_editor::columnsOf(s7Attributes(S7Write)));
    return file;
}

}  // namespace s7_form_detail

using namespace s7_form_detail;

TFS7_Protocol_Set_Access::TFS7_Protocol_Set_Access(QWidget* parent) : TRuleEditorForm(formLayout(), parent)
{
    ECG_S7_Read = table(Read).columnGrid();
    ECG_S7_Write = table(Write).columnGrid();
}

TFS7_Protocol_Set_Access::~TFS7_Protocol_Set_Access() = default;

QString TFS7_Protocol_Set_Access::projectFilePath() const { return app::appState().S7_Protocol_Path; }

void TFS7_Protocol_Set_Access::prepareShow()
{
    arrays = S7DataArrays();
    setActiveTable(Read);
}

rule_editor::LoadedProject TFS7_Protocol_Set_Access::loadProject()
{
    return rule_editor::loadProjectFile<S7RuleFile>(projectFilePath(), XML1, readS7RuleFile, [&](S7RuleFile& file) {
        return std::vector<rule_editor::RuleRows>{
            rule_editor::toRows(file.Read, rule_editor::columnsOf(s7Attributes(Read))),
            rule_editor::toRows(file.Write, rule_editor::columnsOf(s7Attributes(Write)))};
    });
}

std::optional<rule_editor::RuleFailure>
TFS7_Protocol_Set_Access::checkRows(const std::vector<rule_editor::RuleRows>& saved) const
{
    return checkS7Rules(fileOf(saved), arrays);
}

bool TFS7_Protocol_Set_Access::saveProject(const std::vector<rule_editor::RuleRows>& saved, QString* error)
{
    return writeS7RuleFile(projectFilePath(), XML1, fileOf(saved), error);
}

}  // namespace ethernet_editors
