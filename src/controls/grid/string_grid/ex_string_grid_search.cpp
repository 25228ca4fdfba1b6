// Find, replace, the search footer, highlighting, marking and cell checks:
// each member hands over to its unit under search/ or highlight/.

#include "controls/grid/highlight/cell_checks.h"
#include "controls/grid/highlight/cell_tagging.h"
#include "controls/grid/highlight/tag_text.h"
#include "controls/grid/search/grid_finder.h"
#include "controls/grid/search/search_footer.h"
#include "controls/grid/search/search_panel.h"
#include "controls/grid/string_grid/ex_string_grid.h"

namespace grid {

namespace hl = highlight;

QPoint TExStringGrid::Find(QPoint StartCell, const QString& s, search::TFindParams FindParams)
{
    return search::Find(*this, FFindState, StartCell, s, FindParams);
}

QPoint TExStringGrid::FindWide(QPoint StartCell, const QString& s, search::TFindParams FindParams)
{
    return search::FindWide(*this, FFindState, StartCell, s, FindParams);
}

QPoint TExStringGrid::FindFirst(const QString& s, search::TFindParams FindParams)
{
    return search::FindFirst(*this, FFindState, s, FindParams);
}

QPoint TExStringGrid::FindNext() { return search::FindNext(*this, FFindState); }

int TExStringGrid::Replace(const QString& OrigStr, const QString& NewStr, search::TFindParams FindParams)
{
    return search::Replace(*this, FFindState, OrigStr, NewStr, FindParams);
}

int TExStringGrid::Search(const QString& s) { return search::SearchSortColumn(*this, s); }

// ------------------------------------------------------------ search footer

void TExStringGrid::SearchEditChange() { search::FooterEditChange(*this, *FSearchPanel); }
void TExStringGrid::SearchForwardClick() { search::FooterStep(*this, *FSearchPanel, false); }
void TExStringGrid::SearchBackwardClick() { search::FooterStep(*this, *FSearchPanel, true); }
void TExStringGrid::SearchHighlightClick() { search::FooterHighlight(*this, *FSearchPanel); }
void TExStringGrid::SearchExitClick() { search::FooterExit(*this); }
int TExStringGrid::HandleDialogChar(QChar ch) { return search::FooterDialogChar(*this, FSearchPanel, ch); }

void TExStringGrid::SearchFooterChanged()
{
    if (FSearchPanel != nullptr) search::ApplyFooterSettings(*this, *FSearchPanel);
}

// ------------------------------------------------------------ highlighting and marking

QString TExStringGrid::HilightText(bool DoCase, const QString& S, const QString& Text) const
{
    return hl::HilightText(DoCase, S, Text);
}
QString TExStringGrid::UnHilightText(const QString& S) const { return hl::UnHilightText(S); }
QString TExStringGrid::MarkText(bool DoCase, const QString& S, const QString& Text) const
{
    return hl::MarkText(DoCase, S, Text);
}
QString TExStringGrid::UnMarkText(const QString& S) const { return hl::UnMarkText(S); }

void TExStringGrid::HilightInCell(bool DoCase, int Col, int Row, const QString& HiText)
{
    hl::TagCells(*this, HiText, hl::kHighlightTag, DoCase, hl::CellRange(Col, Row));
}
void TExStringGrid::HilightInCol(bool DoFixed, bool DoCase, int Col, const QString& HiText)
{
    hl::TagCells(*this, HiText, hl::kHighlightTag, DoCase, hl::ColRange(*this, DoFixed, Col));
}
void TExStringGrid::HilightInRow(bool DoFixed, bool DoCase, int Row, const QString& HiText)
{
    hl::TagCells(*this, HiText, hl::kHighlightTag, DoCase, hl::RowRange(*this, DoFixed, Row));
}
void TExStringGrid::HilightInGrid(bool DoFixed, bool DoCase, const QString& HiText)
{
    hl::TagCells(*this, HiText, hl::kHighlightTag, DoCase, hl::GridRange(*this, DoFixed));
}
void TExStringGrid::UnHilightInCell(int Col, int Row)
{
    hl::UnTagCells(*this, hl::kHighlightTag, hl::CellRange(Col, Row));
}
void TExStringGrid::UnHilightInCol(bool DoFixed, int Col)
{
    hl::UnTagCells(*this, hl::kHighlightTag, hl::ColRange(*this, DoFixed, Col));
}
void TExStringGrid::UnHilightInRow(bool DoFixed, int Row)
{
    hl::UnTagCells(*this, hl::kHighlightTag, hl::RowRange(*this, DoFixed, Row));
}
void TExStringGrid::UnHilightInGrid(bool DoFixed)
{
    hl::UnTagCells(*this, hl::kHighlightTag, hl::GridRange(*this, DoFixed));
}
void TExStringGrid::MarkInCell(bool DoCase, int Col, int Row, const QString& HiText)
{
    hl::TagCells(*this, HiText, hl::kErrorTag, DoCase, hl::CellRange(Col, Row));
}
void TExStringGrid::MarkInCol(bool DoFixed, bool DoCase, int Col, const QString& HiText)
{
    hl::TagCells(*this, HiText, hl::kErrorTag, DoCase, hl::ColRange(*this, DoFixed, Col));
}
void TExStringGrid::MarkInRow(bool DoFixed, bool DoCase, int Row, const QString& HiText)
{
    hl::TagCells(*this, HiText, hl::kErrorTag, DoCase, hl::RowRange(*this, DoFixed, Row));
}
void TExStringGrid::MarkInGrid(bool DoFixed, bool DoCase, const QString& HiText)
{
    hl::TagCells(*this, HiText, hl::kErrorTag, DoCase, hl::GridRange(*this, DoFixed));
}
void TExStringGrid::UnMarkInCell(int Col, int Row) { hl::UnTagCells(*this, hl::kErrorTag, hl::CellRange(Col, Row)); }
void TExStringGrid::UnMarkInCol(bool DoFixed, int Col)
{
    hl::UnTagCells(*this, hl::kErrorTag, hl::ColRange(*this, DoFixed, Col));
}
void TExStringGrid::UnMarkInRow(bool DoFixed, int Row)
{
    hl::UnTagCells(*this, hl::kErrorTag, hl::RowRange(*this, DoFixed, Row));
}
void TExStringGrid::UnMarkInGrid(bool DoFixed) { hl::UnTagCells(*this, hl::kErrorTag, hl::GridRange(*this, DoFixed)); }

// ------------------------------------------------------------ cell checks

bool TExStringGrid::CheckCells(int FromCol, int FromRow, int ToCol, int ToRow)
{
    return hl::CheckCellRange(*this, FromCol, FromRow, ToCol, ToRow);
}
bool TExStringGrid::CheckCell(int Col, int Row) { return hl::CheckCellRange(*this, Col, Row, Col, Row); }
bool TExStringGrid::CheckCol(bool DoFixed, int Col) { return hl::CheckColumn(*this, DoFixed, Col); }
bool TExStringGrid::CheckRow(bool DoFixed, int Row) { return hl::CheckGridRow(*this, DoFixed, Row); }
bool TExStringGrid::CheckGrid(bool DoFixed) { return hl::CheckWholeGrid(*this, DoFixed); }

}  // namespace grid
