#include "editors/ethernet/ethernet_ip/eds_picker_form.h"

#include <QHideEvent>
#include <QShowEvent>
#include <QTimer>

#include "app/app_state.h"
#include "app/language.h"
#include "controls/grid/column_grid/ex_column_grid.h"
#include "platform/colors.h"
#include "platform/dialogs.h"
#include "platform/form_border.h"
#include "platform/modal_result.h"

namespace ethernet_ip {
namespace eds_picker_detail {

constexpr int kClientWidth = 1150;
constexpr int kClientHeight = 337;
constexpr int kTitleHeight = 69;
constexpr int kButtonBarHeight = 40;
constexpr int kHeaderRowHeight = 22;
constexpr int kCloseDelayMs = 10;
constexpr TColor kFormColor = 0x00EDF7F8;  // RGB(248, 247, 237)

namespace texts {
constexpr int Caption = 5000;
constexpr int Description = 5001;
constexpr int OK = 5002;
constexpr int Cancel = 5003;
constexpr int OKHint = 5004;
constexpr int CancelHint = 5005;
constexpr int FirstHeader = 5006;  // 5006 .. 5014, one per column
constexpr int NoConnection = 5015;
}  // namespace texts

constexpr int kColumnWidths[TFEtherNEtIP_EDS::ColumnCount] = {95, 200, 210, 95, 110, 95, 110, 115, 115};

QString text(int id) { return app::langText(id); }

}  // namespace eds_picker_detail

using namespace eds_picker_detail;

TFEtherNEtIP_EDS::TFEtherNEtIP_EDS(QWidget* parent) : QDialog(parent)
{
    form_parts::setFormLook(this, QStringLiteral("FEtherNEtIP_EDS"), toQColor(kFormColor));
    platform::setFixedSizeForm(this, kClientWidth, kClientHeight);

    title = form_parts::makeTitlePanel(this, app::appState().SW_Code);
    buttons = form_parts::makeButtonPanel(this);
    buildGrid();

    TClose = new QTimer(this);
    TClose->setObjectName(QStringLiteral("TClose"));
    TClose->setInterval(kCloseDelayMs);
    connect(TClose, &QTimer::timeout, this, &TFEtherNEtIP_EDS::TCloseTimer);

    Set_Lang();
}

TFEtherNEtIP_EDS::~TFEtherNEtIP_EDS() = default;

void TFEtherNEtIP_EDS::buildGrid()
{
    ECG = new grid::TExColumnGrid(this);
    ECG->setObjectName(QStringLiteral("ECG"));
    ECG->setGeometry(0, kTitleHeight, kClientWidth, kClientHeight - kTitleHeight - kButtonBarHeight);
    ECG->SetColCount(ColumnCount);
    ECG->SetRowCount(2);
    ECG->SetFixedRows(1);
    ECG->SetFixedCols(0);
    ECG->SetRowHeights(0, kHeaderRowHeight);
    ECG->SetOptions((ECG->Options() | platform::goRowSelect) & ~platform::goEditing);
    grid::TCellFont header = ECG->FixedFont();
    header.Style = grid::fsBold;
    ECG->SetFixedFont(header);
    for (int c = 0; c < ColumnCount; ++c) {
        grid::TGridColumnItem* item = ECG->Columns()[c];
        item->SetWidth(kColumnWidths[c]);
        item->ReadOnly = true;
    }
}

void TFEtherNEtIP_EDS::Set_Lang()
{
    setWindowTitle(text(texts::Caption));
    title.L_SW_Desc->setText(text(texts::Description));
    title.L_SW_Desc->adjustSize();
    buttons.Btn_OK->SetCaption(text(texts::OK));
    buttons.Btn_OK->setToolTip(text(texts::OKHint));
    buttons.Btn_Cancel->SetCaption(text(texts::Cancel));
    buttons.Btn_Cancel->setToolTip(text(texts::CancelHint));
    for (int c = 0; c < ColumnCount; ++c)
        ECG->Columns()[c]->SetHeader(text(texts::FirstHeader + c));
}

void TFEtherNEtIP_EDS::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TFEtherNEtIP_EDS::hideEvent(QHideEvent* event)
{
    TClose->stop();
    QDialog::hideEvent(event);
}

void TFEtherNEtIP_EDS::FormShow()
{
    List_Conn = readEdsFile(EDS_FileName);
    ShowDatainGrid();
}

void TFEtherNEtIP_EDS::ShowDatainGrid()
{
    ECG->BeginUpdate();
    ECG->SetRowCount(2);
    for (int c = 0; c < ColumnCount + ECG->NumHiddenColumns(); ++c)
        ECG->SetCellEx(c, 1, QString());
    if (List_Conn.empty()) {
        ECG->EndUpdate();
        TClose->start();
        return;
    }
    ECG->SetRowCount(int(List_Conn.size()) + 1);
    for (size_t k = 0; k < List_Conn.size(); ++k) {
        const QStringList cells = connectionCells(List_Conn[k], int(k) + 1);
        for (int c = 0; c < ColumnCount; ++c)
            ECG->SetCellEx(c, int(k) + 1, cells[c]);
    }
    ECG->EndUpdate();
    ECG->FocusCell(0, 1);
    ECG->SelectRows(1, 1);
}

void TFEtherNEtIP_EDS::TCloseTimer()
{
    TClose->stop();
    platform::dialogs().error(text(texts::NoConnection), this);
    done(platform::mrCancel);
}

QStringList TFEtherNEtIP_EDS::currentRowCells() const
{
    QStringList cells;
    const int row = ECG->Row();
    for (int c = 0; c < ColumnCount; ++c)
        cells << ECG->GetCellEx(c, row);
    return cells;
}

}  // namespace ethernet_ip
