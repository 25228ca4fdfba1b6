// The string grid's text geometry: line counts of rows, the longest saved
// line of a column, and where rotated text starts in a cell.

#include <QFontMetrics>

#include "controls/grid/string_grid/ex_string_grid.h"
#include "controls/grid/text/grid_text_utils.h"
#include "controls/grid/text/text_geometry.h"

namespace grid {

int TExStringGrid::GetMaxLinesInRow(int ARow) const
{
    if (ColCount() <= 0 || !MultilineCells) return 1;
    int most = 1;
    for (int c = 0; c < ColCount(); ++c) most = std::max(most, TextLineCount(GetCellEx(RealColIndex(c), ARow), true));
    return most;
}

int TExStringGrid::GetMaxColTextLength(int ACol)
{
    int longest = 0;
    for (int r = 0; r < RowCount(); ++r) {
        QString text = SaveCellText(ACol, r);
        do {
            longest = std::max(longest, int(CutFirstLine(text, MultilineCells).size()));
        } while (!text.isEmpty());
    }
    return longest;
}

void TExStringGrid::GetRotatedTextPos(platform::TRect& R, int Angle, const QString& Text, int HAlign, int VAlign)
{
    // The font of the cell being painted; the grid's own outside painting.
    const QFontMetrics metrics(Canvas() != nullptr ? QFont(Canvas()->Font) : QFont(ToCanvasFont(Font())));
    R = R.Inflated(-2, -2);
    PlaceRotatedText(R, HAlign, VAlign, Angle,
                     RotatedTextParts(Angle, metrics.horizontalAdvance(Text), metrics.height()));
}

}  // namespace grid
