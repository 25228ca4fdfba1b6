#include "controls/grid/cells/cell_checker.h"

#include "controls/grid/base/base_grid_cells.h"

namespace grid {

QString TExStringGridCheck::MarkError(int, int, const QString& s)
{
    return s;
}

QString TExStringGridCheck::Correct(int, int, const QString& s)
{
    return s;
}

bool CheckCells(TBaseGridCells& grid, TExStringGridCheck* checker, int ACol1, int ARow1, int ACol2, int ARow2,
                const TUnMarkText& unMarkText)
{
    std::vector<int> cols;
    for (int c = ACol1; c <= ACol2; ++c) cols.push_back(c);
    return CheckCells(grid, checker, cols, ARow1, ARow2, unMarkText);
}

bool CheckCells(TBaseGridCells& grid, TExStringGridCheck* checker, const std::vector<int>& cols, int ARow1,
                int ARow2, const TUnMarkText& unMarkText)
{
    if (checker == nullptr) return true;
    checker->StartCheck();
    const int savedCol = grid.Col();
    const int savedRow = grid.Row();
    bool allGood = true;
    for (int r = ARow1; r <= ARow2; ++r) {
        for (int c : cols) {
            const QString shown = grid.GetCellEx(c, r);
            const QString unmarked = unMarkText ? unMarkText(shown) : shown;
            if (checker->GotoCell) {
                grid.SetCol(grid.DisplColIndex(c));
                grid.SetRow(r);
            }
            QString result = unmarked;
            if (checker->UseCorrect) result = checker->Correct(c, r, result);
            if (checker->UseMarkError) result = checker->MarkError(c, r, result);
            if (result != shown) grid.SetCellEx(c, r, result);
            if (result != unmarked) allGood = false;
        }
    }
    checker->StopCheck();
    if (checker->GotoCell) {
        grid.SetCol(savedCol);
        grid.SetRow(savedRow);
    }
    return allGood;
}

}  // namespace grid
