#include "editors/fieldbus/bacnet/bacnet_server_form.h"

#include "app/app_state.h"
#include "controls/grid/column_grid/ex_column_grid.h"
#include "editors/ethercat_mqtt/rule_editor/rule_file_records.h"
#include "editors/ethercat_mqtt/rule_editor/rule_records.h"
#include "editors/ethercat_mqtt/rule_editor/rule_texts.h"
#include "editors/fieldbus/bacnet/bacnet_server_rules.h"
#include "editors/fieldbus/bacnet/eng_unit_form.h"
#include "params/par_gen_file.h"
#include "params/par_gen_reader.h"
#include "platform/modal_result.h"

namespace bacnet {
namespace server_form_detail {

using ServerKind = rule_editor::ColumnKind;
using rule_editor::RuleColumn;
namespace server_colors = rule_editor::column_colors;
using Object = BACnetServerObject;

constexpr int kServerTextBase = 2200;
constexpr int kServerButtonHints = 2210;

QStringList serverNumbers(int count)
{
    QStringList items;
    items.reserve(count);
    for (int i = 0; i < count; ++i)
        items << QString::number(i);
    return items;
}

rule_editor::RuleTableLayout serverTableLayout(ServerTable table)
{
    const bool read = table == InRead;
    const int header = read ? 2216 : 2224;
    return {read ? QStringLiteral("ECG_BACnet_in_Read") : QStringLiteral("ECG_BACnet_in_Write"),
            read ? QStringLiteral("TS_BACnet_in_Read") : QStringLiteral("TS_BACnet_in_Write"),
            read ? 2208 : 2209,
            rule_editor::GridKind::ColumnGrid,
            serverObjectLimit(false),
            {
                RuleColumn{header, 40, ServerKind::RowNumber},
                RuleColumn{header + 1, 160, ServerKind::Choice, server_colors::Key, -1, serverObjectKinds(table)},
                RuleColumn{header + 2, 70, ServerKind::Text, server_colors::Size},
                RuleColumn{header + 3, 70, ServerKind::Choice, server_colors::Position, -1,
                           serverNumbers(kServerDataArrayBytes)},
                RuleColumn{header + 4, 70, ServerKind::Choice, server_colors::Position, -1, serverNumbers(8)},
                RuleColumn{header + 5, 60, ServerKind::Text, server_colors::Size},
                RuleColumn{header + 6, 50, ServerKind::CheckBox, server_colors::CheckBox, -1, {}, true},
                RuleColumn{header + 7, 250, ServerKind::Text, server_colors::Description},
            },
            TFBACnetSlaveSetAccess::ColDataType};
}

rule_editor::RuleEditorLayout serverLayout()
{
    return {QStringLiteral("FBACnetSlaveSetAccess"),
            kServerTextBase,
            kServerButtonHints,
            server_texts::ErrorRow,
            server_texts::DeleteQuestion,
            QSize(764, 337),
            {serverTableLayout(InRead), serverTableLayout(InWrite)}};
}

// Every column of a table is an attribute of the file, in the same order.
const rule_editor::RecordColumns<Object> kServerColumns = {
    &Object::Data_Type, &Object::Eng_Unit, &Object::Position, &Object::Bit,
    &Object::Length,    &Object::Swap,     &Object::Mnemonic,
};

BACnetServerFile serverFileOf(const std::vector<rule_editor::RuleRows>& saved)
{
    return {rule_editor::toRecords(saved[InRead], kServerColumns),
            rule_editor::toRecords(saved[InWrite], kServerColumns)};
}

}  // namespace server_form_detail

using namespace server_form_detail;

TFBACnetSlaveSetAccess::TFBACnetSlaveSetAccess(QWidget* parent) : TRuleEditorForm(serverLayout(), parent)
{
    setWindowFlag(Qt::WindowMaximizeButtonHint);
    ECG_BACnet_in_Read = table(InRead).columnGrid();
    ECG_BACnet_in_Write = table(InWrite).columnGrid();
    ECG_BACnet_in_Write->OnComboChange = [this](QObject*, int col, int row, int, const QString& selection) {
        ECG_BACnet_in_WriteComboChange(col, row, selection);
    };
}

TFBACnetSlaveSetAccess::~TFBACnetSlaveSetAccess() = default;

TFBACnet_Eng_Unit& TFBACnetSlaveSetAccess::unitPicker()
{
    if (FBACnet_Eng_Unit == nullptr) {
        ownPicker_ = std::make_unique<TFBACnet_Eng_Unit>();
        FBACnet_Eng_Unit = ownPicker_.get();
    }
    return *FBACnet_Eng_Unit;
}

void TFBACnetSlaveSetAccess::chooseEngUnit(int index, int row)
{
    rule_editor::RuleTable& t = table(index);
    TFBACnet_Eng_Unit& picker = unitPicker();
    picker.preset(t.cellText(ColEngUnit, row));
    if (picker.exec() == platform::mrOk)
        t.setCellText(ColEngUnit, row, picker.selectedCode());
}

void TFBACnetSlaveSetAccess::cellDoubleClicked(int index, int row, int column)
{
    if (column == ColEngUnit)
        chooseEngUnit(index, row);
}

void TFBACnetSlaveSetAccess::ECG_BACnet_in_WriteComboChange(int col, int row, const QString& selection)
{
    if (col != ColDataType)
        return;
    if (const std::optional<QString> length = writeLengthPreset(selection))
        table(InWrite).setCellText(ColLength, row, *length);
}

void TFBACnetSlaveSetAccess::prepareShow()
{
    setActiveTable(InRead);
    NByte_IN = kServerDataArrayBytes;
    NByte_OUT = kServerDataArrayBytes;
    ECG_BACnet_in_Read->Columns()[ColPosition]->ComboItems = serverNumbers(NByte_IN);
    ECG_BACnet_in_Write->Columns()[ColPosition]->ComboItems = serverNumbers(NByte_OUT);
    // ParGen.xml that is missing, lacks the element or cannot be read: short
    // names, without a message.
    params::ParGenFile parGen;
    Desc_Lenght = params::readParGenFile(app::appState().ParGen_Path, XML1, parGen)
                  && params::ParGenReader(parGen).flag("BACnet_Desc_Chars_Limit");
    XML1.clear();
    for (const int index : {InRead, InWrite})
        table(index).setDataRows(serverObjectLimit(Desc_Lenght));
}

QString TFBACnetSlaveSetAccess::projectFilePath() const { return app::appState().BACnet_Slave_Path; }

rule_editor::LoadedProject TFBACnetSlaveSetAccess::loadProject()
{
    return rule_editor::loadProjectFile<BACnetServerFile>(
        projectFilePath(), XML1, readBACnetServerFile, [&](BACnetServerFile& objects) {
            return std::vector<rule_editor::RuleRows>{rule_editor::toRows(objects.Read, kServerColumns),
                                                      rule_editor::toRows(objects.Write, kServerColumns)};
        });
}

std::optional<rule_editor::RuleFailure> TFBACnetSlaveSetAccess::checkRows(
    const std::vector<rule_editor::RuleRows>& saved) const
{
    return checkBACnetServerObjects(serverFileOf(saved), {NByte_IN, NByte_OUT, serverObjectLimit(Desc_Lenght)});
}

bool TFBACnetSlaveSetAccess::saveProject(const std::vector<rule_editor::RuleRows>& saved, QString* error)
{
    return writeBACnetServerFile(projectFilePath(), XML1, serverFileOf(saved), error);
}

}  // namespace bacnet
