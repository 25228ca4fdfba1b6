#include "editors/ethernet/ethernet_ip/scanner_form.h"

#include "app/app_state.h"
#include "app/language.h"
#include "controls/button/lb_button.h"
#include "controls/grid/column_grid/ex_column_grid.h"
#include "editors/ethercat_mqtt/rule_editor/rule_file_records.h"
#include "editors/ethercat_mqtt/rule_editor/rule_records.h"
#include "editors/ethercat_mqtt/rule_editor/rule_texts.h"
#include "editors/ethernet/ethernet_ip/eds_picker_form.h"
#include "platform/dialogs.h"
#include "platform/modal_result.h"

namespace ethernet_ip {
namespace scanner_form_detail {

using rule_editor::ColumnKind;
using rule_editor::RuleColumn;
namespace colors = rule_editor::column_colors;
using Row = EtherNetIPScannerRow;

constexpr int kImportCaption = 4959;
constexpr int kImportHint = 4960;

RuleColumn text(int header, int width, TColor color, int hint)
{
    return {header, width, ColumnKind::Text, color, hint};
}
RuleColumn headerFormat(int header, int hint)
{
    return {header, 120, ColumnKind::ChoiceOrText, colors::Size, hint, {QStringLiteral("Default")}};
}

rule_editor::RuleEditorLayout scannerLayout()
{
    rule_editor::RuleTableLayout table{QStringLiteral("ECG"),
                                       QString(),
                                       -1,
                                       rule_editor::GridKind::ColumnGrid,
                                       TFEtherNetIP_Master_Access::kRules,
                                       {
                                           RuleColumn{4914, 26, ColumnKind::RowNumber},
                                           {4915, 50, ColumnKind::CheckBox, colors::CheckBox, 4923},
                                           text(4916, 96, colors::Key, 4924),
                                           text(4917, 78, colors::Position, 4925),
                                           text(4918, 74, colors::Size, 4926),
                                           text(4919, 86, colors::Position, 4927),
                                           text(4920, 84, colors::Size, 4928),
                                           text(4921, 66, colors::Size, 4929),
                                           text(4941, 98, colors::Group, 4943),
                                           text(4947, 118, colors::Group, 4949),
                                           text(4942, 98, colors::Group, 4944),
                                           text(4948, 118, colors::Group, 4950),
                                           headerFormat(4953, 4955),
                                           headerFormat(4954, 4956),
                                           text(4922, 150, colors::Description, 4930),
                                       },
                                       TFEtherNetIP_Master_Access::ColIPAddress};
    return {QStringLiteral("FEtherNetIP_Master_Access"), 4900, 4908, scanner_texts::ErrorRow,
            scanner_texts::DeleteQuestion, QSize(1180, 337), {table}};
}

// The file's attributes in table column order.
const rule_editor::RecordColumns<Row> kColumns = {
    &Row::Enable,        &Row::IP_Address,           &Row::Start_Input,    &Row::Num_Input,
    &Row::Start_Output,  &Row::Num_Output,           &Row::Time_Poll,      &Row::Instance_T_O,
    &Row::Connection_Point_T_O, &Row::Instance_O_T,  &Row::Connection_Point_O_T, &Row::Dim_Header_T_O,
    &Row::Dim_Header_O_T, &Row::Mnemonic,
};

}  // namespace scanner_form_detail

using namespace scanner_form_detail;

TFEtherNetIP_Master_Access::TFEtherNetIP_Master_Access(QWidget* parent) : TRuleEditorForm(scannerLayout(), parent)
{
    ECG = table(0).columnGrid();
    Btn_Import_EDS = addButton(QStringLiteral("Btn_Import_EDS"), QString());
    Btn_Import_EDS->OnClick = [this](QObject*) { Btn_Import_EDSClick(); };
    TFEtherNetIP_Master_Access::Set_Lang();
}

TFEtherNetIP_Master_Access::~TFEtherNetIP_Master_Access() = default;

void TFEtherNetIP_Master_Access::Set_Lang()
{
    TRuleEditorForm::Set_Lang();
    if (Btn_Import_EDS == nullptr)
        return;
    Btn_Import_EDS->SetCaption(app::langText(kImportCaption));
    Btn_Import_EDS->setToolTip(app::langText(kImportHint));
}

TFEtherNEtIP_EDS& TFEtherNetIP_Master_Access::edsPicker()
{
    if (FEtherNEtIP_EDS == nullptr) {
        ownPicker_ = std::make_unique<TFEtherNEtIP_EDS>();
        FEtherNEtIP_EDS = ownPicker_.get();
    }
    return *FEtherNEtIP_EDS;
}

void TFEtherNetIP_Master_Access::Btn_Import_EDSClick()
{
    platform::FileDialogOptions options;
    options.filter = QStringLiteral("EtherNet/IP EDS (*.eds)|*.eds");
    const std::optional<QString> file = platform::dialogs().openFile(options, this);
    if (!file)
        return;
    TFEtherNEtIP_EDS& picker = edsPicker();
    picker.EDS_FileName = *file;
    if (picker.exec() != platform::mrOk)
        return;
    rule_editor::RuleTable& rules = table(0);
    std::vector<QStringList> rows;
    for (int r = 1; r <= rules.dataRows(); ++r)
        rows.push_back(rules.rowTexts(r));
    const int target = edsImportRow(rows);
    if (target < 0)
        return;
    QStringList texts = rows[size_t(target)];
    applyEdsConnection(texts, picker.currentRowCells());
    rules.setRowTexts(target + 1, texts);
}

// ---------------------------------------------------------------- file

QString TFEtherNetIP_Master_Access::projectFilePath() const { return app::appState().EtherNetIP_Master_Rules_Path; }

void TFEtherNetIP_Master_Access::prepareShow()
{
    Num_Byte_In = 1438;
    Num_Byte_Out = 1438;
}

rule_editor::LoadedProject TFEtherNetIP_Master_Access::loadProject()
{
    return rule_editor::loadRecordTable(projectFilePath(), XML1, readEtherNetIPScannerFile, kColumns);
}

std::optional<rule_editor::RuleFailure>
TFEtherNetIP_Master_Access::checkRows(const std::vector<rule_editor::RuleRows>& saved) const
{
    return checkScannerRows(rule_editor::toRecords(saved[0], kColumns), {Num_Byte_In, Num_Byte_Out});
}

bool TFEtherNetIP_Master_Access::saveProject(const std::vector<rule_editor::RuleRows>& saved, QString* error)
{
    return writeEtherNetIPScannerFile(projectFilePath(), XML1, rule_editor::toRecords(saved[0], kColumns), error);
}

}  // namespace ethernet_ip
