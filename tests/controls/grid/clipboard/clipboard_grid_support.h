#pragma once

// A string grid for the clipboard tests: 6 columns by 6 rows, one fixed row
// and column, editing on, cells holding "c,r"; it records the pasted
// rectangles and the paste hooks it is called with.

#include <vector>

#include <QApplication>
#include <QClipboard>
#include <QMimeData>

#include "controls/grid/string_grid/ex_string_grid.h"

namespace clipboard_test {

struct TPasted {
    QPoint Source;
    platform::TGridRect Target;
};

class TRecordingGrid : public grid::TExStringGrid {
public:
    explicit TRecordingGrid(int cols = 6, int rows = 6)
    {
        SetColCount(cols);
        SetRowCount(rows);
        SetOptions(Options() | platform::goEditing);
        for (int r = 0; r < rows; ++r)
            for (int c = 0; c < cols; ++c) SetCellEx(c, r, QString("%1,%2").arg(c).arg(r));
    }
    void BeforePaste() override { ++Befores; }
    void AfterPaste() override { ++Afters; }
    void CellsPasted(QPoint Source, const platform::TGridRect& Target, TClipOperation Op) override
    {
        Pasted.push_back({Source, Target});
        TExStringGrid::CellsPasted(Source, Target, Op);
    }
    // The texts of a display rectangle, row by row.
    QStringList Texts(const platform::TGridRect& r) const
    {
        QStringList out;
        for (int row = r.Top; row <= r.Bottom; ++row)
            for (int c = r.Left; c <= r.Right; ++c) out << GetCellEx(RealColIndex(c), row);
        return out;
    }
    int Befores = 0, Afters = 0;
    std::vector<TPasted> Pasted;
};

inline void setClipboardText(const QString& text) { QApplication::clipboard()->setText(text); }
inline QString clipboardText() { return QApplication::clipboard()->text(); }

}  // namespace clipboard_test
