// The string grid's clipboard member functions: each hands its work to the
// clipboard unit.

#include "controls/grid/cells/grid_undo.h"
#include "controls/grid/clipboard/clipboard_text.h"
#include "controls/grid/clipboard/grid_clipboard.h"
#include "controls/grid/string_grid/ex_string_grid.h"

namespace grid {

using clipboard::TGridClipboard;

void TExStringGrid::CopyToClipBoard()
{
    TGridClipboard(*this).CopyRect({SaveStartCol(), SaveStartRow(), SaveEndCol(), SaveEndRow()}, false);
    FClipLastOp = coCopy;
}

void TExStringGrid::CopyToClipBoardAsHTML() { TGridClipboard(*this).CopyHTML(); }
void TExStringGrid::CopySelectionToClipboard() { TGridClipboard(*this).CopySelection(); }
void TExStringGrid::CutToClipboard() { TGridClipboard(*this).Cut(); }
void TExStringGrid::CutSelectionToClipboard() { TGridClipboard(*this).CutSelection(); }

void TExStringGrid::PasteFromClipboard()
{
    ImportNotification(isImportStart, -1);
    FPasteAll = true;
    int cols = 0, rows = 0;
    TGridClipboard(*this).PasteAt(SaveStartCol(), SaveStartRow(), cols, rows);
    ImportNotification(isImportDone, -1);
    CellsLoaded();
}

void TExStringGrid::PasteSelectionFromClipboard() { TGridClipboard(*this).PasteSelection(); }
QString TExStringGrid::GetSelectionAsText() { return GetRectAsText(Selection(), false); }
void TExStringGrid::SetSelectionAsText(const QString& Value) { TGridClipboard(*this).SetSelectionAsText(Value); }

QString TExStringGrid::GetRectAsText(const platform::TGridRect& Rect, bool Disjunct)
{
    return TGridClipboard(*this).RectAsText(Rect, Disjunct);
}

void TExStringGrid::CopyRectToClipboard(const platform::TGridRect& Rect, bool Disjunct)
{
    TGridClipboard(*this).CopyRect(Rect, Disjunct);
}

void TExStringGrid::CopyRTFToClipboard(int ACol, int ARow) { TGridClipboard(*this).CopyRTF(ACol, ARow); }
void TExStringGrid::CopyCellsToClipboard(const platform::TGridRect& Rect) { TGridClipboard(*this).CopyCells(Rect); }
void TExStringGrid::ExtendSelectionToMergedCells() { TGridClipboard(*this).ExtendSelectionToMergedCells(); }

int TExStringGrid::PasteFromClipboardAt(int ACol, int ARow, int& Cols, int& Rows)
{
    return TGridClipboard(*this).PasteAt(ACol, ARow, Cols, Rows).Fields;
}

int TExStringGrid::PasteText(int ACol, int ARow, const QString& Text, int& Cols, int& Rows)
{
    return TGridClipboard(*this).PasteText(ACol, ARow, Text, Cols, Rows).Fields;
}

QPoint TExStringGrid::GetTextBlockSize(const QString& Text) const
{
    return clipboard::TextBlockSize(clipboard::ParseTextBlock(Text));
}

void TExStringGrid::StoreCellValue(int ACol, int ARow, const QString& Value)
{
    const int k = RealColIndex(ACol);
    // The history writes storage cells back, so it is told the storage column.
    if (TExGridUndoRedo* undo = UndoRedo()) undo->RegisterChange(k, ARow, GetCellEx(k, ARow), Value);
    if (HasCheckBox(k, ARow))
        ChangeCheckBoxState(k, ARow, Value == CheckTrue);
    else
        SetCellEx(k, ARow, Value);
    if (k != ACol) RepaintCell(ACol, ARow);
}

void TExStringGrid::CellsPasted(QPoint /*Source*/, const platform::TGridRect& Target, TClipOperation /*Op*/)
{
    if (!ShowModified().Enabled) return;
    for (int r = Target.Top; r <= Target.Bottom; ++r) SetRowModified(r, true);
}

}  // namespace grid
