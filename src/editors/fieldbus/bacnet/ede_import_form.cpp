#include "editors/fieldbus/bacnet/ede_import_form.h"

#include <QLabel>
#include <QLineEdit>
#include <QShowEvent>

#include "app/app_state.h"
#include "app/language.h"
#include "controls/grid/column_grid/ex_column_grid.h"
#include "editors/ethercat_mqtt/rule_editor/rule_editor_form.h"
#include "editors/ethercat_mqtt/rule_editor/rule_table.h"
#include "editors/fieldbus/bacnet/ede_import.h"
#include "platform/colors.h"
#include "platform/dialogs.h"
#include "platform/form_border.h"
#include "platform/modal_result.h"

namespace bacnet {
namespace ede_import_form_detail {

constexpr int kImportWidth = 863;
constexpr int kImportHeight = 337;
constexpr int kImportTitleHeight = 69;
constexpr int kImportAddressHeight = 34;
constexpr int kImportButtonBar = 40;
constexpr int kImportHeaderHeight = 22;
constexpr TColor kImportColor = 0x00EDF7F8;  // RGB(248, 247, 237)

namespace import_dialog_texts {
constexpr int Caption = 2100;
constexpr int Description = 2101;
constexpr int OK = 2102;
constexpr int Cancel = 2103;
constexpr int FirstHeader = 2104;  // 2104 .. 2112, one per column
constexpr int ErrorLine = 2113;
constexpr int OnlyRead = 2114;
constexpr int AddressLabel = 2115;
constexpr int SelectAll = 2120;
constexpr int UnselectAll = 2121;
}  // namespace import_dialog_texts

struct ImportColumnLook {
    int width;
    TColor color;
    bool checkBox;
    bool readOnly;
};
namespace import_colors = rule_editor::column_colors;
constexpr ImportColumnLook kImportColumns[TFImportEDEFile::ColumnCount] = {
    {34, clWindow, false, true},
    {54, import_colors::CheckBox, true, false},
    {48, import_colors::CheckBox, true, false},
    {48, import_colors::CheckBox, true, false},
    {170, import_colors::Key, false, true},
    {90, import_colors::Key, false, true},
    {70, import_colors::Size, false, true},
    {240, import_colors::Description, false, true},
    {96, import_colors::CheckBox, true, true},
};

QString importText(int id) { return app::langText(id); }
QString importTick(bool state) { return state ? QStringLiteral("Y") : QStringLiteral("N"); }

}  // namespace ede_import_form_detail

using namespace ede_import_form_detail;

TFImportEDEFile::TFImportEDEFile(QWidget* parent) : QDialog(parent)
{
    form_parts::setFormLook(this, QStringLiteral("FImportEDEFile"), toQColor(kImportColor));
    platform::setFixedSizeForm(this, kImportWidth, kImportHeight);

    title = form_parts::makeTitlePanel(this, app::appState().SW_Code);
    P_ID_IP = new QWidget(this);
    P_ID_IP->setObjectName(QStringLiteral("P_ID_IP"));
    P_ID_IP->setGeometry(0, kImportTitleHeight, kImportWidth, kImportAddressHeight);
    LID_IP = form_parts::placeLabel(P_ID_IP, QStringLiteral("LID_IP"), 16, 10);
    E_ID_IP = new QLineEdit(P_ID_IP);
    E_ID_IP->setObjectName(QStringLiteral("E_ID_IP"));
    E_ID_IP->setGeometry(300, 6, 140, 22);
    buildGrid();

    P_Button = new QWidget(this);
    P_Button->setObjectName(QStringLiteral("P_Button"));
    P_Button->setGeometry(0, kImportHeight - kImportButtonBar, kImportWidth, kImportButtonBar);
    Btn_OK = rule_editor::placeRuleFormButton(P_Button, QStringLiteral("Btn_OK"), 0);
    Btn_Cancel = rule_editor::placeRuleFormButton(P_Button, QStringLiteral("Btn_Cancel"), 1);
    Btn_Select_All = rule_editor::placeRuleFormButton(P_Button, QStringLiteral("Btn_Select_All"), 2);
    Btn_Unselect_All = rule_editor::placeRuleFormButton(P_Button, QStringLiteral("Btn_Unselect_All"), 3);
    Btn_Cancel->SetModalResult(platform::mrCancel);
    Btn_OK->OnClick = [this](QObject*) { Btn_OKClick(); };
    Btn_Select_All->OnClick = [this](QObject*) { Btn_Select_AllClick(); };
    Btn_Unselect_All->OnClick = [this](QObject*) { Btn_Unselect_AllClick(); };

    Set_Lang();
}

TFImportEDEFile::~TFImportEDEFile() = default;

void TFImportEDEFile::buildGrid()
{
    ECG = new grid::TExColumnGrid(this);
    ECG->setObjectName(QStringLiteral("ECG"));
    const int top = kImportTitleHeight + kImportAddressHeight;
    ECG->setGeometry(0, top, kImportWidth, kImportHeight - top - kImportButtonBar);
    ECG->SetColCount(ColumnCount);
    ECG->SetRowCount(2);
    ECG->SetFixedRows(1);
    ECG->SetFixedCols(1);
    ECG->SetRowHeights(0, kImportHeaderHeight);
    grid::TCellFont header = ECG->FixedFont();
    header.Style = grid::fsBold;
    ECG->SetFixedFont(header);
    for (int c = 0; c < ColumnCount; ++c) {
        const ImportColumnLook& look = kImportColumns[c];
        grid::TGridColumnItem* item = ECG->Columns()[c];
        item->SetWidth(look.width);
        grid::TCellFont columnHeader = item->HeaderFont();
        columnHeader.Style = grid::fsBold;
        item->SetHeaderFont(columnHeader);
        if (c == ColNumber)
            continue;
        item->SetColor(look.color);
        item->ReadOnly = look.readOnly;
        if (look.checkBox) {
            item->SetEditor(grid::edDataCheckBox);
            item->SetAlignment(grid::taCenter);
        }
    }
    ECG->OnCheckBoxClick = [this](QObject*, int col, int row, bool state) { ECGCheckBoxClick(col, row, state); };
}

void TFImportEDEFile::Set_Lang()
{
    setWindowTitle(importText(import_dialog_texts::Caption));
    title.L_SW_Desc->setText(importText(import_dialog_texts::Description));
    title.L_SW_Desc->adjustSize();
    Btn_OK->SetCaption(importText(import_dialog_texts::OK));
    Btn_Cancel->SetCaption(importText(import_dialog_texts::Cancel));
    Btn_Select_All->SetCaption(importText(import_dialog_texts::SelectAll));
    Btn_Unselect_All->SetCaption(importText(import_dialog_texts::UnselectAll));
    LID_IP->setText(importText(import_dialog_texts::AddressLabel));
    LID_IP->adjustSize();
    for (int c = 0; c < ColumnCount; ++c)
        ECG->Columns()[c]->SetHeader(importText(import_dialog_texts::FirstHeader + c));
}

void TFImportEDEFile::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TFImportEDEFile::FormShow()
{
    List_EDE_Var = readEdeFile(EDE_File);
    Show_Data_in_Grid();
    if (E_ID_IP->isEnabled())
        E_ID_IP->setFocus();
}

void TFImportEDEFile::Show_Data_in_Grid()
{
    ECG->BeginUpdate();
    ECG->SetRowCount(std::max<int>(int(List_EDE_Var.size()), 1) + 1);
    for (int c = 1; c < ColumnCount; ++c)
        ECG->SetCellEx(c, 1, QString());
    ECG->SetCellEx(ColNumber, 1, QStringLiteral("1"));
    for (size_t k = 0; k < List_EDE_Var.size(); ++k) {
        const TBACnet_Var& v = List_EDE_Var[k];
        const int row = int(k) + 1;
        const QString cells[ColumnCount] = {QString::number(row),
                                            importTick(v.import),
                                            importTick(v.read),
                                            importTick(v.write),
                                            v.object_name,
                                            QString::number(v.object_type),
                                            QString::number(v.object_instance),
                                            v.description,
                                            importTick(v.commandable)};
        for (int c = 0; c < ColumnCount; ++c)
            ECG->SetCellEx(c, row, cells[c]);
    }
    ECG->EndUpdate();
    ECG->FocusCell(ColImport, 1);
}

void TFImportEDEFile::ECGCheckBoxClick(int col, int row, bool state)
{
    if (row < 1 || row > int(List_EDE_Var.size()))
        return;
    TBACnet_Var& v = List_EDE_Var[size_t(row - 1)];
    if (col == ColWrite && !v.commandable) {
        platform::dialogs().error(importText(import_dialog_texts::ErrorLine) + QString::number(row)
                                      + importText(import_dialog_texts::OnlyRead),
                                  this);
        ECG->SetCellEx(ColWrite, row, importTick(false));
        v.write = false;
        return;
    }
    if (col == ColImport)
        v.import = state;
    else if (col == ColRead)
        v.read = state;
    else if (col == ColWrite)
        v.write = state;
}

void TFImportEDEFile::setImportTicks(bool state)
{
    ECG->BeginUpdate();
    for (size_t k = 0; k < List_EDE_Var.size(); ++k) {
        List_EDE_Var[k].import = state;
        ECG->SetCellEx(ColImport, int(k) + 1, importTick(state));
    }
    ECG->EndUpdate();
}

void TFImportEDEFile::Btn_Select_AllClick() { setImportTicks(true); }

void TFImportEDEFile::Btn_Unselect_AllClick() { setImportTicks(false); }

void TFImportEDEFile::Btn_OKClick()
{
    if (const std::optional<int> failure = edeDeviceAddressFailure(App_BACnet_Type, deviceAddress())) {
        platform::dialogs().error(importText(*failure), this);
        return;
    }
    done(platform::mrOk);
}

QString TFImportEDEFile::deviceAddress() const { return E_ID_IP->text(); }

}  // namespace bacnet
