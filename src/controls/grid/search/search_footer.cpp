#include "controls/grid/search/search_footer.h"

#include <QCheckBox>
#include <QKeyEvent>
#include <QToolButton>

#include "controls/grid/search/search_panel.h"
#include "controls/grid/string_grid/ex_string_grid.h"

namespace grid::search {

namespace search_footer_detail {

// The letter after a single "&" of a caption ("&&" is a literal ampersand), upper-cased.
QChar AcceleratorOf(const QString& caption)
{
    for (qsizetype i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != u'&') continue;
        if (caption[i + 1] == u'&') {
            ++i;
            continue;
        }
        return caption[i + 1].toUpper();
    }
    return QChar();
}

bool HighlightOn(TExStringGrid& grid, const TSearchPanel& panel)
{
    return panel.HiliteButton()->isChecked() || grid.SearchFooter().AlwaysHighLight;
}

// The highlights of the normal cells of SearchColumn, or of the whole grid.
void RemoveHighlights(TExStringGrid& grid)
{
    const int column = grid.SearchFooter().SearchColumn;
    if (column >= 0 && column < grid.ColCount())
        grid.UnHilightInCol(false, grid.RealColIndex(column));
    else
        grid.UnHilightInGrid(false);
}

void Highlight(TExStringGrid& grid, const TSearchPanel& panel, const QString& text)
{
    const int column = grid.SearchFooter().SearchColumn;
    const bool doCase = panel.MatchCase()->isChecked();
    if (column >= 0 && column < grid.ColCount())
        grid.HilightInCol(false, doCase, grid.RealColIndex(column), text);
    else
        grid.HilightInGrid(false, doCase, text);
}

// Keeps the current row off the grid's last visible lines.
void KeepRowAboveBottom(TExStringGrid& grid)
{
    const int f = grid.FloatingFooter().Visible ? 1 : 0;
    if (grid.Row() > grid.TopRow() + grid.VisibleRowCount() - 2 - f &&
        grid.VisibleRowCount() + grid.FixedRows() + f < grid.RowCount())
        grid.SetTopRow(grid.TopRow() + 2);
}

}  // namespace search_footer_detail

TSearchPanel* CreateSearchPanel(TExStringGrid& grid)
{
    auto* panel = new TSearchPanel(&grid, grid.viewport());
    panel->OnEditChange = [&grid] { grid.SearchEditChange(); };
    panel->OnForwardClick = [&grid] { grid.SearchForwardClick(); };
    panel->OnBackwardClick = [&grid] { grid.SearchBackwardClick(); };
    panel->OnExitClick = [&grid] { grid.SearchExitClick(); };
    panel->OnHighlightClick = [&grid] { grid.SearchHighlightClick(); };
    panel->OnCreated = [&grid] {
        if (grid.OnCreatedSearchFooter) grid.OnCreatedSearchFooter(&grid);
    };
    panel->EditControl()->OnAltKey = [&grid](QKeyEvent* event) {
        const QChar ch = AcceleratorOfKey(*event);
        return !ch.isNull() && grid.HandleDialogChar(ch) == 1;
    };
    return panel;
}

void ApplyFooterSettings(TExStringGrid& grid, TSearchPanel& panel)
{
    if (grid.IsLoading()) return;
    const TSearchFooter& f = grid.SearchFooter();
    if ((panel.HiliteButton()->isChecked() && panel.Shown() && !f.Visible()) || f.AlwaysHighLight)
        grid.UnHilightInGrid(false);
    panel.SetColor(f.Color());
    panel.SetColorTo(f.ColorTo());
    panel.SetLineColor(grid.GridLineColor());
    panel.SetCaptions(f.FindNextCaption(), f.FindPrevCaption(), f.MatchCaseCaption(), f.HighLightCaption());
    panel.setFont(f.Font());
    const paint::TControlStyle style = grid.ControlLook().ControlStyle();
    panel.SetFlatButtons(grid.AutoThemeAdapt() || style == paint::csFlat);
    panel.SetShownParts(f.ShowHighLight(), f.ShowClose(), f.ShowMatchCase(), f.ShowFindPrev(), f.ShowFindNext());
    panel.MatchCase()->setAutoFillBackground(false);
    panel.SetHints(f.HintClose(), f.HintFindNext(), f.HintFindPrev(), f.HintHighlight());
    panel.SetShown(f.Visible());
    if (f.Visible()) grid.ShowLastRowAboveFooter();
}

TFindParams FooterFindParams(TExStringGrid& grid, const TSearchPanel& panel, TFooterAction action)
{
    const TSearchFooter& f = grid.SearchFooter();
    TFindParams p{fnAutoGoto};
    if (action == TFooterAction::Backward) p.Include(fnBackward);
    if (panel.HiliteButton()->isChecked()) p.Include(fnIgnoreHTMLTags);
    if (panel.MatchCase()->isChecked()) p.Include(fnMatchCase);
    if (f.SearchActiveColumnOnly) p.Include(fnFindInCurrentCol);
    if (f.SearchMatchStart) p.Include(fnMatchStart);
    // Every step searches the same cells in the same order as the find as
    // typed, so that next and previous go on from the cell it found.
    if (f.SearchFixedCells) p.Include(fnIncludeFixed);
    if (f.SearchHiddenRows) p.Include(fnIncludeHiddenRows);
    if (f.SearchDirection == sdLeftRight) p.Include(fnDirectionLeftRight);
    if (f.SearchColumn >= 0 && f.SearchColumn < grid.ColCount()) {
        p.Include(fnFindInPresetCol);
        grid.SetFindCol(f.SearchColumn);
    }
    return p;
}

void FooterEditChange(TExStringGrid& grid, TSearchPanel& panel)
{
    namespace d = search_footer_detail;
    const QString text = panel.EditControl()->text();
    bool defaultSearch = true;
    if (grid.OnSearchEditChange) grid.OnSearchEditChange(&grid, text, defaultSearch);
    if (!defaultSearch || !grid.SearchFooter().AutoSearch) return;
    const TFindParams params = FooterFindParams(grid, panel, TFooterAction::EditChange);
    const bool highlight = d::HighlightOn(grid, panel);
    if (highlight) d::RemoveHighlights(grid);
    if (text.isEmpty()) {
        panel.SetEditColor(clWindow);
        return;
    }
    const QPoint found = grid.Find(QPoint(-1, -1), text, params);
    grid.SetSearchCell(found);
    grid.DoSearchFooterAction(text, found.x(), found.y(), saFindFirst);
    if (found.x() < 0) {
        panel.SetEditColor(clRed);
        return;
    }
    panel.SetEditColor(clWindow);
    grid.ScrollInView(grid.Col(), grid.Row());
    if (highlight) d::Highlight(grid, panel, text);
}

void FooterStep(TExStringGrid& grid, TSearchPanel& panel, bool backward)
{
    namespace d = search_footer_detail;
    TSearchFooter& f = grid.SearchFooter();
    const QString text = panel.EditControl()->text();
    if (!f.AutoSearch) {
        if (text != f.LastSearch) grid.SetSearchCell(QPoint(-1, -1));
        f.LastSearch = text;
    }
    const TFindParams params =
        FooterFindParams(grid, panel, backward ? TFooterAction::Backward : TFooterAction::Forward);
    const QPoint found = grid.Find(grid.SearchCell(), text, params);
    grid.SetSearchCell(found);
    if (found.x() >= 0) {
        if (backward) d::KeepRowAboveBottom(grid);
        grid.ScrollInView(grid.Col(), grid.Row());
        if (!backward) d::KeepRowAboveBottom(grid);
    }
    grid.DoSearchFooterAction(text, found.x(), found.y(), backward ? saFindPrevious : saFindNext);
    panel.update();
}

void FooterExit(TExStringGrid& grid)
{
    if (grid.OnSearchFooterClose) grid.OnSearchFooterClose(&grid);
    grid.SearchFooter().SetVisible(false);
}

void FooterHighlight(TExStringGrid& grid, TSearchPanel& panel)
{
    namespace d = search_footer_detail;
    if (panel.HiliteButton()->isChecked())
        d::Highlight(grid, panel, panel.EditControl()->text());
    else
        d::RemoveHighlights(grid);
}

void FocusFindEdit(TExStringGrid& grid, TSearchPanel& panel)
{
    if (grid.SearchFooter().Visible()) panel.EditControl()->setFocus(Qt::ShortcutFocusReason);
}

int FooterDialogChar(TExStringGrid& grid, TSearchPanel* panel, QChar ch)
{
    namespace d = search_footer_detail;
    if (panel == nullptr || !grid.SearchFooter().Visible() || ch.isNull() || !grid.isEnabled()) return 0;
    const QChar wanted = ch.toUpper();
    for (QToolButton* button : {panel->ForwardButton(), panel->BackwardButton(), panel->HiliteButton()}) {
        if (d::AcceleratorOf(button->text()) != wanted) continue;
        if (!button->isVisibleTo(panel) || !button->isEnabled()) return 0;
        button->click();
        return 1;
    }
    return 0;
}

QChar AcceleratorOfKey(const QKeyEvent& event)
{
    if (!(event.modifiers() & Qt::AltModifier) || (event.modifiers() & Qt::ControlModifier)) return QChar();
    const int key = event.key();
    if ((key >= Qt::Key_A && key <= Qt::Key_Z) || (key >= Qt::Key_0 && key <= Qt::Key_9)) return QChar(key);
    return QChar();
}

}  // namespace grid::search
