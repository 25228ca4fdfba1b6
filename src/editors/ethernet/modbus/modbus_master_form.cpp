#include "editors/ethernet/modbus/modbus_master_form.h"

#include "app/app_state.h"
#include "controls/grid/column_grid/ex_column_grid.h"
#include "editors/ethercat_mqtt/rule_editor/rule_records.h"
#include "editors/ethercat_mqtt/rule_editor/rule_texts.h"
#include "editors/ethernet/common/rule_columns.h"
#include "editors/ethercat_mqtt/rule_editor/rule_file_records.h"
#include "platform/strings.h"

namespace ethernet_editors {
namespace modbus_form_detail {

using rule_editor::ColumnKind;
using rule_editor::RuleColumn;
namespace colors = rule_editor::column_colors;

constexpr int kTopicColumnSerial = 12;
constexpr bool kHidden = true;

// The columns of a table, without texts: as the file's attributes (see
// modbusAttributes), behind the row number.
std::vector<RuleColumn> tableShape(ModbusMaster master, int table, const ModbusDataArrays& arrays)
{
    const QStringList types = table == ModbusRead ? QStringList{QStringLiteral("Coil Status"),
                                                                QStringLiteral("Input Status"),
                                                                QStringLiteral("Holding Register"),
                                                                QStringLiteral("Input Register")}
                                                  : QStringList{QStringLiteral("Coil Status"),
                                                                QStringLiteral("Holding Register")};
    std::vector<RuleColumn> c = {shapeColumn(ColumnKind::RowNumber, 32, clWindow),
                                 shapeColumn(ColumnKind::CheckBox, 52, colors::CheckBox)};
    if (master == ModbusMaster::Tcp)
        c.insert(c.end(),
                 {shapeColumn(ColumnKind::Text, 112, colors::Key), shapeColumn(ColumnKind::Text, 48, colors::Key)});
    c.insert(c.end(), {shapeColumn(ColumnKind::Text, 60, colors::Key),
                       shapeColumn(ColumnKind::Choice, 118, colors::Key, types),
                       shapeColumn(ColumnKind::Text, 62, colors::Size),
                       shapeColumn(ColumnKind::Text, 54, colors::Size),
                       shapeColumn(ColumnKind::Text, 66, colors::Size)});
    if (table == ModbusWrite) {
        const std::vector<RuleColumn> triggers = writeTriggerColumns();
        c.insert(c.end(), triggers.begin(), triggers.end());
    }
    c.push_back(shapeColumn(ColumnKind::Text, 70, colors::Size));
    const std::vector<RuleColumn> placement =
        dataPlacementColumns(table == ModbusRead ? arrays.NByte_IN : arrays.NByte_OUT);
    c.insert(c.end(), placement.begin(), placement.end());
    if (table == ModbusRead)
        c.push_back(shapeColumn(ColumnKind::Choice, 120, colors::Group, {}, kHidden));
    c.push_back(shapeColumn(ColumnKind::Text, 200, colors::Description));
    return c;
}

rule_editor::RuleTableLayout tableLayout(ModbusMaster master, int table, const ModbusTableTexts& texts)
{
    const bool read = table == ModbusRead;
    return {read ? QStringLiteral("ECG_Modbus_Read") : QStringLiteral("ECG_Modbus_Write"),
            read ? QStringLiteral("TS_Modbus_Read") : QStringLiteral("TS_Modbus_Write"),
            texts.caption,
            rule_editor::GridKind::ColumnGrid,
            TModbusMasterForm::kRules,
            withTexts(tableShape(master, table, ModbusDataArrays()), texts.headers, texts.hints),
            // Slave ID (serial) or Slave IP Address (TCP).
            2};
}

rule_editor::RuleEditorLayout formLayout(ModbusMaster master, const ModbusFormTexts& texts)
{
    return {texts.formName,
            texts.base,
            texts.buttonHints,
            texts.errorRow,
            texts.deleteQuestion,
            texts.clientSize,
            {tableLayout(master, ModbusRead, texts.read), tableLayout(master, ModbusWrite, texts.write)}};
}

}  // namespace modbus_form_detail

using namespace modbus_form_detail;

TModbusMasterForm::TModbusMasterForm(ModbusMaster master, const ModbusFormTexts& texts, QWidget* parent)
    : TRuleEditorForm(formLayout(master, texts), parent), master_(master)
{
    ECG_Modbus_Read = table(Read).columnGrid();
    ECG_Modbus_Write = table(Write).columnGrid();
}

TModbusMasterForm::~TModbusMasterForm() = default;

int TModbusMasterForm::topicColumn() const
{
    return kTopicColumnSerial + (master_ == ModbusMaster::Tcp ? 2 : 0);
}

QString TModbusMasterForm::projectFilePath() const
{
    const app::AppState& state = app::appState();
    return master_ == ModbusMaster::Serial ? state.ModbusM_SetAccess_Path : state.ModbusTCPM_SetAccess_Path;
}

void TModbusMasterForm::prepareShow()
{
    arrays = ModbusDataArrays();
    setActiveTable(Read);
}

rule_editor::LoadedProject TModbusMasterForm::loadProject()
{
    rule_editor::LoadedProject project;
    const QString path = projectFilePath();
    ModbusRuleFile file;
    const ethercat_mqtt::ProjectFileRead read = readModbusRuleFile(master_, path, XML1, file);
    if (!read.ok()) {
        project.failure = rule_editor::fileProblemText(path, read.reason, read.missingElement);
        return project;
    }
    // The Topic cell shows the topic the saved index stands for.
    for (ModbusRule& rule : file.Read)
        rule.Index_Topic = List_Publish_Topic.Get_Topic_From_Index(platform::parseIntOr(rule.Index_Topic, -1));
    project.tables = {rule_editor::toRows(file.Read, rule_editor::columnsOf(modbusAttributes(master_, Read))),
                      rule_editor::toRows(file.Write, rule_editor::columnsOf(modbusAttributes(master_, Write)))};
    return project;
}

ModbusRuleFile TModbusMasterForm::fileOf(const std::vector<rule_editor::RuleRows>& saved) const
{
    ModbusRuleFile file;
    file.Read = rule_editor::toRecords(saved[Read], rule_editor::columnsOf(modbusAttributes(master_, Read)));
    file.Write = rule_editor::toRecords(saved[Write], rule_editor::columnsOf(modbusAttributes(master_, Write)));
    // The serial master saves no index while its Topic column is hidden.
    const bool indexSaved = master_ == ModbusMaster::Tcp || !table(Read).grid().IsHiddenColumn(topicColumn());
    for (ModbusRule& rule : file.Read)
        rule.Index_Topic = indexSaved ? QString::number(List_Publish_Topic.Get_Index_From_Topic(rule.Index_Topic))
                                      : QString();
    return file;
}

std::optional<rule_editor::RuleFailure>
TModbusMasterForm::checkRows(const std::vector<rule_editor::RuleRows>& saved) const
{
    return checkModbusRules(master_, fileOf(saved), arrays);
}

bool TModbusMasterForm::saveProject(const std::vector<rule_editor::RuleRows>& saved, QString* error)
{
    return writeModbusRuleFile(master_, projectFilePath(), XML1, fileOf(saved), error);
}

}  // namespace ethernet_editors
