#include "editors/ethernet/opc_ua/opc_ua_scan_server_form.h"

#include <QHideEvent>
#include <QLabel>
#include <QShowEvent>
#include <QTimer>

#include "app/app_state.h"
#include "app/language.h"
#include "controls/grid/column_grid/ex_column_grid.h"
#include "editors/ethercat_mqtt/rule_editor/rule_editor_form.h"
#include "platform/colors.h"
#include "platform/dialogs.h"
#include "platform/form_border.h"
#include "platform/modal_result.h"
#include "platform/paths.h"

namespace opc_ua {
namespace scan_form_detail {

constexpr int kClientWidth = 1035;
constexpr int kClientHeight = 337;
constexpr int kTitleHeight = 69;
constexpr int kButtonBarHeight = 40;
constexpr int kHeaderRowHeight = 22;
constexpr int kScanDelayMs = 100;
constexpr TColor kFormColor = 0x00EDF7F8;     // RGB(248, 247, 237)

namespace scan_texts {
constexpr int Caption = 4400;
constexpr int Description = 4401;
constexpr int OK = 4402;
constexpr int Cancel = 4403;
constexpr int SelectRead = 4404;
constexpr int ClearRead = 4405;
constexpr int OKHint = 4406;
constexpr int CancelHint = 4407;
constexpr int SelectReadHint = 4408;
constexpr int ClearReadHint = 4409;
constexpr int Waiting = 4423;
constexpr int SelectWrite = 4426;
constexpr int ClearWrite = 4427;
constexpr int SelectWriteHint = 4428;
constexpr int ClearWriteHint = 4429;
constexpr int LibraryMissing = 4430;
constexpr int FunctionMissing = 4431;
}  // namespace scan_texts

// Headers of columns 0 .. 7 (column 8 keeps its own) and the column hints.
constexpr int kHeaders[] = {4410, 4411, 4424, 4412, 4413, 4414, 4415, 4416};
constexpr int kHints[] = {4417, 4425, 4418, 4419, 4420, 4421, 4422};
constexpr int kWidths[TFOPC_UA_Scan_Server::ColumnCount] = {40, 50, 50, 150, 115, 245, 115, 130, 113};

QString scanText(int id) { return app::langText(id); }

}  // namespace scan_form_detail
using namespace scan_form_detail;

TFOPC_UA_Scan_Server::TFOPC_UA_Scan_Server(QWidget* parent) : QDialog(parent)
{
    form_parts::setFormLook(this, QStringLiteral("FOPC_UA_Scan_Server"), toQColor(kFormColor));
    platform::setFixedSizeForm(this, kClientWidth, kClientHeight);
    searchFolders = {platform::executableFolder()};

    title = form_parts::makeTitlePanel(this, app::appState().SW_Code);
    LWaiting = new QLabel(title.P_Title);
    LWaiting->setObjectName(QStringLiteral("LWaiting"));
    QFont large = form_parts::formFont();
    large.setPixelSize(24);
    large.setBold(true);
    LWaiting->setFont(large);
    LWaiting->setAlignment(Qt::AlignCenter);
    LWaiting->setGeometry(0, 0, kClientWidth, kTitleHeight);
    QPalette red = LWaiting->palette();
    red.setColor(QPalette::WindowText, Qt::red);
    LWaiting->setPalette(red);
    LWaiting->hide();

    buildGrid();

    P_Button = new QWidget(this);
    P_Button->setObjectName(QStringLiteral("P_Button"));
    P_Button->setGeometry(0, kClientHeight - kButtonBarHeight, kClientWidth, kButtonBarHeight);
    Btn_OK = addButton("Btn_OK", 0);
    Btn_Cancel = addButton("Btn_Cancel", 1);
    Btn_SelectAllRead = addButton("Btn_SelectAllRead", 2);
    Btn_ClearAllRead = addButton("Btn_ClearAllRead", 3);
    Btn_SelectAllWrite = addButton("Btn_SelectAllWrite", 4);
    Btn_ClearAllWrite = addButton("Btn_ClearAllWrite", 5);
    Btn_OK->SetModalResult(platform::mrOk);
    Btn_Cancel->SetModalResult(platform::mrCancel);
    Btn_SelectAllRead->OnClick = [this](QObject*) { markAll(ColRead, true); };
    Btn_ClearAllRead->OnClick = [this](QObject*) { markAll(ColRead, false); };
    Btn_SelectAllWrite->OnClick = [this](QObject*) { markAll(ColWrite, true); };
    Btn_ClearAllWrite->OnClick = [this](QObject*) { markAll(ColWrite, false); };

    Timer_Scan = new QTimer(this);
    Timer_Scan->setObjectName(QStringLiteral("Timer_Scan"));
    Timer_Scan->setSingleShot(true);
    Timer_Scan->setInterval(kScanDelayMs);
    connect(Timer_Scan, &QTimer::timeout, this, [this] {
        try {
            Timer_ScanTimer();
        } catch (...) {
            // A browse that fails in an unforeseen way leaves the grid empty.
        }
    });

    Set_Lang();
}

TFOPC_UA_Scan_Server::~TFOPC_UA_Scan_Server() = default;

button::TLbButton* TFOPC_UA_Scan_Server::addButton(const char* name, int index)
{
    button::TLbButton* b =
        form_parts::placeButton(P_Button, QString::fromLatin1(name), 16 + 118 * index, 6, 110, 28);
    rule_editor::TRuleEditorForm::styleButton(*b);
    return b;
}

void TFOPC_UA_Scan_Server::buildGrid()
{
    grid::TExColumnGrid* g = new grid::TExColumnGrid(this);
    ECG_OPC_UA_Scan_Var = g;
    g->setObjectName(QStringLiteral("ECG_OPC_UA_Scan_Var"));
    g->setGeometry(0, kTitleHeight, kClientWidth, kClientHeight - kTitleHeight - kButtonBarHeight);
    g->SetColCount(ColumnCount);
    g->SetRowCount(2);
    g->SetFixedRows(1);
    g->SetFixedCols(1);
    g->SetRowHeights(0, kHeaderRowHeight);
    grid::TCellFont header = g->FixedFont();
    header.Style = grid::fsBold;
    g->SetFixedFont(header);
    for (int c = 0; c < ColumnCount; ++c) {
        grid::TGridColumnItem* item = g->Columns()[c];
        item->SetWidth(kWidths[c]);
        grid::TCellFont columnHeader = item->HeaderFont();
        columnHeader.Style = grid::fsBold;
        item->SetHeaderFont(columnHeader);
        if (c == ColRead || c == ColWrite) {
            item->SetEditor(grid::edDataCheckBox);
            item->SetAlignment(grid::taCenter);
            item->SetColor(rule_editor::column_colors::CheckBox);
        } else {
            item->ReadOnly = true;
        }
    }
    g->Columns()[ColAccess]->SetHeader(QStringLiteral("Read/Write"));
}

void TFOPC_UA_Scan_Server::Set_Lang()
{
    setWindowTitle(scanText(scan_texts::Caption));
    title.L_SW_Desc->setText(scanText(scan_texts::Description));
    title.L_SW_Desc->adjustSize();
    const std::pair<button::TLbButton*, std::pair<int, int>> captions[] = {
        {Btn_OK, {scan_texts::OK, scan_texts::OKHint}},
        {Btn_Cancel, {scan_texts::Cancel, scan_texts::CancelHint}},
        {Btn_SelectAllRead, {scan_texts::SelectRead, scan_texts::SelectReadHint}},
        {Btn_ClearAllRead, {scan_texts::ClearRead, scan_texts::ClearReadHint}},
        {Btn_SelectAllWrite, {scan_texts::SelectWrite, scan_texts::SelectWriteHint}},
        {Btn_ClearAllWrite, {scan_texts::ClearWrite, scan_texts::ClearWriteHint}},
    };
    for (const auto& [b, ids] : captions) {
        b->SetCaption(scanText(ids.first));
        b->setToolTip(scanText(ids.second));
    }
    for (int c = 0; c < int(std::size(kHeaders)); ++c)
        ECG_OPC_UA_Scan_Var->Columns()[c]->SetHeader(scanText(kHeaders[c]));
    Hint_ECG.clear();
    for (const int id : kHints)
        Hint_ECG << scanText(id);
    LWaiting->setText(scanText(scan_texts::Waiting));
}

void TFOPC_UA_Scan_Server::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TFOPC_UA_Scan_Server::hideEvent(QHideEvent* event)
{
    Timer_Scan->stop();
    QDialog::hideEvent(event);
}

void TFOPC_UA_Scan_Server::FormShow()
{
    Erase_Table();
    if (Server.isSet()) {
        List_Var.clear();
        LWaiting->show();
        Timer_Scan->start();
        return;
    }
    Show_Variables_List();
}

void TFOPC_UA_Scan_Server::Timer_ScanTimer()
{
    Timer_Scan->stop();
    BrowseResult result = browseServer(Server, searchFolders);
    if (result.status == BrowseStatus::LibraryMissing) {
        platform::dialogs().error(scanText(scan_texts::LibraryMissing), this);
        return;
    }
    if (result.status == BrowseStatus::FunctionMissing) {
        platform::dialogs().error(scanText(scan_texts::FunctionMissing), this);
        return;
    }
    List_Var = std::move(result.variables);
    LWaiting->hide();
    Show_Variables_List();
}

void TFOPC_UA_Scan_Server::Erase_Table()
{
    grid::TExColumnGrid& g = *ECG_OPC_UA_Scan_Var;
    g.BeginUpdate();
    g.SetRowCount(2);
    for (int c = 0; c < ColumnCount; ++c)
        g.SetCellEx(c, 1, QString());
    g.EndUpdate();
}

void TFOPC_UA_Scan_Server::Show_Variables_List()
{
    if (List_Var.empty()) {
        Erase_Table();
        return;
    }
    grid::TExColumnGrid& g = *ECG_OPC_UA_Scan_Var;
    g.BeginUpdate();
    g.SetRowCount(int(List_Var.size()) + 1);
    for (size_t i = 0; i < List_Var.size(); ++i) {
        const QStringList cells = browseRowCells(List_Var[i], int(i) + 1);
        for (int c = 0; c < ColumnCount; ++c)
            g.SetCellEx(c, int(i) + 1, cells[c]);
    }
    g.EndUpdate();
}

void TFOPC_UA_Scan_Server::markAll(int column, bool on)
{
    if (List_Var.empty())
        return;
    grid::TExColumnGrid& g = *ECG_OPC_UA_Scan_Var;
    g.BeginUpdate();
    for (int r = 1; r < g.RowCount(); ++r)
        g.SetCellEx(column, r, on ? QStringLiteral("Y") : QStringLiteral("N"));
    g.EndUpdate();
}

std::vector<bool> TFOPC_UA_Scan_Server::marked(int column) const
{
    std::vector<bool> marks(List_Var.size(), false);
    for (size_t i = 0; i < List_Var.size() && int(i) + 1 < ECG_OPC_UA_Scan_Var->RowCount(); ++i)
        marks[i] = ECG_OPC_UA_Scan_Var->GetCellEx(column, int(i) + 1) == QLatin1String("Y");
    return marks;
}

}  // namespace opc_ua
