// Construction, window life, copying and the settings objects' wiring.

#include "controls/grid/string_grid/ex_string_grid.h"
#include "controls/grid/string_grid/paint/footer_panel.h"

#include "controls/grid/dragdrop/grid_drag_drop.h"
#include "controls/grid/editors/dropdown_editor_host.h"
#include "controls/grid/string_grid/input/grid_mouse_tracker.h"

#include <QApplication>
#include <QPrinter>
#include <QDialog>
#include <QEvent>
#include <QMainWindow>
#include <QScrollBar>
#include <QStyle>

#include "controls/grid/search/search_footer.h"
#include "controls/grid/settings/column_size_store.h"
#include "controls/grid/string_grid/html/grid_html.h"
#include "platform/format_settings.h"

namespace grid {

QChar GetTimeSeparator() { return platform::formatSettings().TimeSeparator; }
QChar GetDateSeparator() { return platform::formatSettings().DateSeparator; }
QChar GetThousandSeparator() { return platform::formatSettings().ThousandSeparator; }
QChar GetDecimalSeparator() { return platform::formatSettings().DecimalSeparator; }
QString GetShortDateFormat() { return platform::formatSettings().ShortDateFormat; }
QString GetShortTimeFormat() { return platform::formatSettings().ShortTimeFormat; }
QString GetLongTimeFormat() { return platform::formatSettings().LongTimeFormat; }

QWidget* FindParentForm(QWidget* control)
{
    for (QWidget* w = control; w != nullptr; w = w->parentWidget())
        if (w->isWindow()) return w;
    return nullptr;
}

TExStringGrid::TExStringGrid(QWidget* parent) : TBaseGrid(parent)
{
    // Internal state at rest; the settings objects and their wiring.
    FSearchFooter = std::make_unique<TSearchFooter>(false);
    FHTML = std::make_unique<TGridHTML>(*this);
    FFixedFont.Name = QStringLiteral("Tahoma");
    FFixedFont.Style = fsBold;
    FActiveCellFont.Style = fsBold;
    FWheelScrollLines = std::max(1, QApplication::wheelScrollLines());
    WireSettings();
    FDragDrop = std::make_unique<TGridDragDrop>(*this);
    FMouse = std::make_unique<TGridMouseTracker>(*this);
    FDragDropSettings.OnDropTargetChanged = [this](bool on) { FDragDrop->SetDropTarget(on); };

    // Size and the defaults of the class model.
    SetColCount(5);
    SetRowCount(10);
    TBaseGrid::SetFixedRows(1);
    TBaseGrid::SetFixedCols(1);
    FFixedRowsMin = 1;
    FFixedColsMin = 1;
    resize(400, 250);

    // When the grid sits on a form, it follows the form's size.
    if (parent != nullptr) {
        QWidget* form = parent->window();
        if (form != nullptr) {
            FOwnerForm = form;
            FFormSize = form->size();
            form->installEventFilter(this);
        }
    }

    FVisibleCol.fill(true);
    FAllColWidths.fill(0);
    FNumHidden = 0;

    SetDefaultRowHeight(22);
    FFixedRowHeight = DefaultRowHeight();
    SetUpDrawServices();  // colour set of the look glXP, control look, drawing services
    FBorderColor = 0x00B99D7F;
    ScrollWidth = QApplication::style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    FOldRowSel = Row();
    CreateEditorControls();
    FSearchPanel = search::CreateSearchPanel(*this);
    SetUpFloatingFooter();
    SetUpBalloon();
}

TExStringGrid::~TExStringGrid()
{
    FDragDropSettings.OnDropTargetChanged = nullptr;
    FDragDrop.reset();
    FMouse.reset();
    DestroyEditorControls();
    // The drop-down editors go while the grid is whole.
    FDropDownEditors.reset();
    StopDragScroll();
    if (FOwnerForm != nullptr) FOwnerForm->removeEventFilter(this);
    if (FColumnSize.Save) KeepColSizes(*this, &TExStringGrid::SaveColSizes);
    UnHideColumnsAll();
    FGridItems.clear();
}

void TExStringGrid::WireSettings()
{
    FNavigation.OnChange = [this](void*) { NavigationChanged(); };
    FMouseActions.OnChange = [this](void*) { MouseActionsChanged(); };
    FMouseActions.OnIsDesigning = [this](void*, bool& designing) { designing = IsDesigning(); };
    FMouseActions.OnInvalidate = [this](void*) { RepaintGrid(); };
    FBands.OnChange = [this](void*) { RepaintGrid(); };
    FProgressAppearance.OnChange = [this](void*) { RepaintGrid(); };
    FShowModified.OnChange = [this](void*) { RepaintCol(0); };
    FSearchFooter->OnChange = [this](void*) { SearchFooterChanged(); };
    FMergedColumns.OnChange = [this](TIntList*, int, int) {
        UnmergeColumns();
        RemergeColumns();
    };
}

// ------------------------------------------------------------ loading

void TExStringGrid::Loaded()
{
    FLoading = false;
    ShowColumnHeaders();
    ShowRowHeaders();
    if (Look() == glQVR) {
        SetLook(glCustom);
        SetLook(glQVR);
    }
    FFixedRowsMin = GridBase::FixedRows();
    FFixedColsMin = GridBase::FixedCols();
    FMaxRowCount = std::max(FMaxRowCount, RowCount());
    FLoadedOnce = true;
    if (Options() & platform::goAlwaysShowEditor) {
        FNavigation.AlwaysEdit = true;
        SetOptions(Options() & ~platform::goAlwaysShowEditor);
    }
    UpdateScrollBarVisibility(false);
    ApplyStyleColors();
    SearchFooterChanged();
    if (FColumnSize.Save) KeepColSizes(*this, &TExStringGrid::LoadColSizes);
}

// ------------------------------------------------------------ copying

void TExStringGrid::Assign(const QObject* Source)
{
    const auto* src = qobject_cast<const TExStringGrid*>(Source);
    if (src == nullptr || src == this) return;
    SetFont(src->Font());
    ActiveCellColor = src->ActiveCellColor;
    ActiveCellColorTo = src->ActiveCellColorTo;
    FActiveCellFont = src->FActiveCellFont;
    FActiveCellShow = src->FActiveCellShow;
    SetActiveRowShow(src->ActiveRowShow());
    AutoFilterUpdate = src->AutoFilterUpdate;
    FMouseActions.Assign(src->FMouseActions);
    FNavigation.Assign(src->FNavigation);
    FGrouping.Assign(src->FGrouping);
    FSearchFooter->Assign(*src->FSearchFooter);
    FFilter.Assign(src->FFilter);
    FFilterDropDown.Assign(src->FFilterDropDown);
    FBands.Assign(src->FBands);
    FCellNode.Assign(src->FCellNode);
    FDragScrollOptions.Assign(src->FDragScrollOptions);
    FDragDropSettings.Assign(src->FDragDropSettings);
    FProgressAppearance.Assign(src->FProgressAppearance);
    FColumnSize.Assign(src->FColumnSize);
    FSyncGrid.Assign(src->FSyncGrid);
    FFocusHelper.Assign(src->FFocusHelper);
    FSortSettings.Assign(src->FSortSettings);
    FFixedRowAlways = src->FFixedRowAlways;
    SetColCount(src->ColCount());
    SetRowCount(src->RowCount());
    SetFixedRows(src->GridBase::FixedRows());
    SetFixedCols(src->GridBase::FixedCols());
    SetDefaultColWidth(src->DefaultColWidth());
    SetDefaultRowHeight(src->DefaultRowHeight());
    FFixedRowHeight = src->FFixedRowHeight;
    InvalidEntryIcon = src->InvalidEntryIcon;
    SetOptions(src->Options());
    for (int c = 0; c < ColCount(); ++c) SetColWidths(c, src->ColWidths(c));
    FColumnHeaders = src->FColumnHeaders;
    for (int r = 0; r < RowCount(); ++r) SetRowHeights(r, src->RowHeights(r));
    ScrollWidth = src->ScrollWidth;
    FScrollBarAlways = src->FScrollBarAlways;
    SetScrollBars(src->ScrollBars());
    ScrollColor = src->ScrollColor;
    AssignCells(*src);
}

void TExStringGrid::AssignCells(const TExStringGrid& Source)
{
    // The text-stream copy: counts, widths and every non-empty cell's text.
    if (&Source == this) return;
    SetColCount(Source.ColCount());
    SetRowCount(Source.RowCount());
    for (int c = 0; c < ColCount(); ++c) SetColWidths(c, Source.ColWidths(c));
    for (int r = 0; r < RowCount(); ++r)
        for (int c = 0; c < ColCount(); ++c) SetCellEx(c, r, Source.GetGridCell(c, r));
}

// ------------------------------------------------------------ window

void TExStringGrid::Invalidate()
{
    if (FCellChangedByEditor) {
        FCellChangedByEditor = false;
        return;
    }
    TBaseGrid::Invalidate();
    if (FFooterPanel != nullptr && FFooterPanel->isVisible()) FFooterPanel->update();
}

void TExStringGrid::SetBounds(int ALeft, int ATop, int AWidth, int AHeight)
{
    if (FIntegralHeight && FUpdateCount == 0 && DefaultRowHeight() > 0) {
        const bool allColumns = VisibleColCount() + GridBase::FixedCols() >= ColCount();
        const int S = allColumns ? 0 : QApplication::style()->pixelMetric(QStyle::PM_ScrollBarExtent);
        const int B = frameShape() != QFrame::NoFrame ? 2 : 0;
        AHeight = AHeight + B - ((AHeight - S - B) % DefaultRowHeight());
    }
    setGeometry(ALeft, ATop, AWidth, AHeight);
}

void TExStringGrid::SetBorderColor(TColor value)
{
    if (value == FBorderColor) return;
    FBorderColor = value;
    // The colour decides whether the flat border is drawn at all.
    UpdateFrameStyle();
    update();
}

void TExStringGrid::UpdateScrollBarVisibility(bool Force)
{
    const bool allRows = VisibleRowCount() + GridBase::FixedRows() >= RowCount();
    const bool allCols = VisibleColCount() + GridBase::FixedCols() >= ColCount();
    if (FScrollBarAlways != saNone) {
        if (allRows) {
            const bool show = FScrollBarAlways == saVert || FScrollBarAlways == saBoth;
            setVerticalScrollBarPolicy(show ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAsNeeded);
            verticalScrollBar()->setEnabled(false);
        } else {
            verticalScrollBar()->setEnabled(true);
        }
        if (allCols) {
            const bool show = FScrollBarAlways == saHorz || FScrollBarAlways == saBoth;
            setHorizontalScrollBarPolicy(show ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAsNeeded);
            horizontalScrollBar()->setEnabled(false);
        } else {
            horizontalScrollBar()->setEnabled(true);
        }
    } else if (Force) {
        if (allRows) verticalScrollBar()->hide();
        if (allCols) horizontalScrollBar()->hide();
    }
}

void TExStringGrid::GridFormResize(QWidget* form)
{
    if (IsDesigning() || Destroying()) return;
    if (FSizeWithForm && form != nullptr) {
        const int w = width() + form->width() - FFormSize.width();
        const int h = height() + form->height() - FFormSize.height();
        if (w > 0 && h > 0) {
            resize(w, h);
            FFormSize = form->size();
        }
    }
    FitStretchColumn();
}

bool TExStringGrid::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == FOwnerForm && event->type() == QEvent::Resize) {
        try {
            GridFormResize(FOwnerForm);
        } catch (...) {
            // A resize never fails the form.
        }
    }
    return TBaseGrid::eventFilter(watched, event);
}

}  // namespace grid
