#pragma once

#include <functional>
#include <vector>

#include <QObject>
#include <QString>

namespace grid {

class TBaseGridCells;

// A component a string grid links (its CellChecker) to check, correct and
// mark cell texts. A concrete checker overrides the four operations; the
// base returns every text unchanged.
class TExStringGridCheck : public QObject {
public:
    explicit TExStringGridCheck(QObject* owner = nullptr) : QObject(owner) {}

    // ACol, ARow: the cell the text belongs to.
    virtual QString MarkError(int ACol, int ARow, const QString& s);
    virtual QString Correct(int ACol, int ARow, const QString& s);
    virtual void StartCheck() {}
    virtual void StopCheck() {}

    // A check run makes each checked cell current and restores the previous
    // current cell when it ends.
    bool GotoCell = false;
    // A value accepted from the in-place editor passes Correct / MarkError.
    bool AutoCorrect = false;
    bool AutoMarkError = false;
    // A check run passes each cell's text through Correct / MarkError.
    bool UseCorrect = false;
    bool UseMarkError = false;
};

// Removes the error marks from a cell text before it is checked again.
using TUnMarkText = std::function<QString(const QString& text)>;

// A check run over the cells of columns ACol1 .. ACol2 and rows ARow1 ..
// ARow2 (row by row): each cell's text (merged cells resolved) loses its
// error marks, passes Correct and MarkError as the checker's switches say and
// is written back when that changed it. True when every result equals its
// text without marks, and always without a checker (which leaves the cells
// untouched).
bool CheckCells(TBaseGridCells& grid, TExStringGridCheck* checker, int ACol1, int ARow1, int ACol2, int ARow2,
                const TUnMarkText& unMarkText);
// The same over the listed columns (in their order) of rows ARow1 .. ARow2.
bool CheckCells(TBaseGridCells& grid, TExStringGridCheck* checker, const std::vector<int>& cols, int ARow1,
                int ARow2, const TUnMarkText& unMarkText);

}  // namespace grid
