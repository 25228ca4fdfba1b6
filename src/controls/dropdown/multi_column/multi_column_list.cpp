#include "controls/dropdown/multi_column/multi_column_list.h"

#include <QApplication>
#include <QStyle>

#include "controls/dropdown/base/dropdown_form.h"
#include "controls/dropdown/multi_column/ex_multi_column_dropdown.h"
#include "controls/grid/cells/grid_image_list.h"
#include "platform/text_engine.h"

namespace dropdown {
template class TListGrid<platform::GridBase, TExMultiColumnDropDown>;
}

namespace dropdown::multicolumn {

using namespace platform;

TExColGrid::TExColGrid(QWidget* parent) : TExColGridBase(parent)
{
    SetFixedCols(0);
    SetFixedRows(1);
    SetOptions((Options() | goRowSelect | goHorzLine) & ~(goRangeSelect | goDrawFocusSelected));
    SetDefaultDrawing(false);
    setFrameShape(QFrame::NoFrame);
    GridBase::SetGridLineWidth(0);
}

void TExColGrid::SetGridLineWidth(int value)
{
    FGridLineWidth = value;
    GridBase::SetGridLineWidth(0);
    Invalidate();
}

void TExColGrid::LoadFromDropDown(TExMultiColumnDropDown& dropDown)
{
    FDropDown = &dropDown;
    FColumns.Assign(dropDown.Columns());
    SetColCount(FColumns.Count());
    const int items = dropDown.Items().Count();
    SetRowCount(items + 1);
    if (RowCount() > 1) {
        SetFixedRows(1);
        SetRow(1);
        SetRowCount(items + 1);
    }
    TakeLook(dropDown);
    SetOptions(dropDown.ColumnSizing() ? Options() | goColSizing : Options() & ~goColSizing);
    AutoSizeColumns();
    SizeWrappedRows();
}

// ----- keys and mouse

void TExColGrid::HandleKeyDown(Word& Key, TShiftState Shift)
{
    if (KeyToDropDown(Key, Shift)) return;
    GridBase::HandleKeyDown(Key, Shift);
    if (Key == VK_RETURN) DoSelect();
}

void TExColGrid::HandleMouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    GridBase::HandleMouseUp(Button, Shift, X, Y);
    int col = -1, row = -1;
    MouseToCell(X, Y, col, row);
    if (row >= FixedRows() && row < RowCount()) DoSelect();
}

// ----- painting

void TExColGrid::RenderCell(int ACol, int ARow, const TRect& ARect, TGridDrawState AState)
{
    if (!FDropDown || !Canvas()) return;
    TCanvas& canvas = *Canvas();
    TExMultiColumnDropDown& dd = *FDropDown;
    if (dd.OnDropDownDrawItem) {
        dd.OnDropDownDrawItem(&dd, ACol, ARow, canvas, ARect);
        return;
    }
    int position = 3;
    if (ACol == FixedCols() && ACol == ColCount() - 1)
        position = 0;
    else if (ACol == FixedCols())
        position = 1;
    else if (ACol == ColCount() - 1)
        position = 2;
    TRect R(ARect.Left, ARect.Top, ARect.Left + ColWidths(ACol), ARect.Top + RowHeights(ARow));

    TColor background = Color();
    grid::TAlignment alignment = grid::taLeftJustify;
    bool wordwrap = false, ellipsis = false;
    QString text;
    int imageIndex = -1;
    const bool fixed = AState & gdFixed;
    if (ACol < FColumns.Count()) {
        const TDropDownColumn& column = FColumns[ACol];
        background = column.Color;
        alignment = column.Alignment;
        wordwrap = column.Wordwrap;
        ellipsis = column.Ellipsis;
        canvas.Font = column.Font;
        if (ARow >= 1 && ARow - 1 < dd.Items().Count()) {
            const TDropDownItem& item = dd.Items()[ARow - 1];
            text = item.TextOf(ACol);
            if (column.ColumnType == ctImage) imageIndex = item.ImageIndex;
        }
    } else {
        canvas.Font = HeaderFont;
    }
    if (dd.OnDropDownGetItemText) dd.OnDropDownGetItemText(&dd, ACol, ARow, text);

    const bool selected = !fixed && (AState & gdSelected);
    if (fixed) {
        if (ACol < FColumns.Count()) text = FColumns[ACol].Header;
        imageIndex = -1;
        if (HeaderColor == clNone || HeaderColorTo == clNone) {
            canvas.Brush.Color = HeaderColor;
            canvas.Brush.Style = Qt::SolidPattern;
            if (HeaderColor != clNone) canvas.FillRect(R);
        } else {
            DrawGradient(canvas, HeaderColor, HeaderColorTo, 80, R, false);
        }
    } else if (selected) {
        dd.DrawSelectionBackground(canvas, R, background, position);
    } else {
        canvas.Pen.Color = background;
        canvas.Pen.Width = 1;
        canvas.Brush.Color = background;
        canvas.Brush.Style = Qt::SolidPattern;
        canvas.Rectangle(R);
    }

    int w = 1;
    if (fixed) {
        canvas.Pen.Color = FixedLineColor;
        canvas.Pen.Width = 1;
    } else {
        if (FGridLineWidth != 0) canvas.Pen.Color = LineColor;
        canvas.Pen.Width = FGridLineWidth;
        w = (FGridLineWidth + 1) / 2;
    }
    if (canvas.Pen.Width > 0) {
        if (Options() & (fixed ? goFixedHorzLine : goHorzLine)) {
            canvas.MoveTo(R.Left - w + 1, R.Bottom - w);
            canvas.LineTo(R.Right - w + 1, R.Bottom - w);
        }
        if (Options() & (fixed ? goFixedVertLine : goVertLine)) {
            const int x = R.Right - w + (layoutDirection() == Qt::RightToLeft ? 1 : 0);
            canvas.MoveTo(x, R.Bottom - w);
            canvas.LineTo(x, R.Top - w);
        }
    }

    R = R.Inflated(-FGridLineWidth, -FGridLineWidth);
    TRect T = R;
    if (dd.Images() && imageIndex >= 0) {
        const QImage image = dd.Images()->Image(imageIndex);
        const int ih = dd.Images()->Height();
        const int y = ih < R.Height() ? R.Top + (R.Height() - ih) / 2 : R.Top;
        canvas.Draw(R.Left + 2, y, image);
        T.Left = R.Left + dd.Images()->Width() + 4;
    } else {
        T.Left = R.Left + 2;
    }
    if (text.isEmpty()) return;
    canvas.Brush.Style = Qt::NoBrush;
    if (selected) canvas.Font.Color = dd.SelectionTextColor();
    if (fixed) canvas.Font = HeaderFont;
    unsigned flags = DT_NOPREFIX | DT_EXPANDTABS | DT_VCENTER;
    flags |= wordwrap ? (DT_WORDBREAK | DT_EDITCONTROL) : DT_SINGLELINE;
    if (alignment == grid::taRightJustify) flags |= DT_RIGHT;
    if (alignment == grid::taCenter) flags |= DT_CENTER;
    if (ellipsis) flags |= DT_END_ELLIPSIS;
    canvas.DrawText(text, T, flags);
}

}  // namespace dropdown::multicolumn
