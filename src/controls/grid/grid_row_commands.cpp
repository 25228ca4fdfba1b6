#include "controls/grid/grid_row_commands.h"

#include <algorithm>

#include "controls/grid/column_grid/ex_column_grid.h"
#include "controls/grid/string_grid/ex_string_grid.h"
#include "platform/dialogs.h"

namespace grid {

namespace row_commands_detail {
constexpr int FirstColumn = 1;  // column 0 is the fixed column
constexpr int FirstRow = 1;     // row 0 is the header row
}  // namespace row_commands_detail

using row_commands_detail::FirstColumn;
using row_commands_detail::FirstRow;

TGridRowCommands::TGridRowCommands(TRowClipboard Clipboard, TRowCommandOptions Options,
                                   std::function<QString(int)> Text, platform::Dialogs& Dialogs)
    : FClipboard(Clipboard), FOptions(Options), FText(std::move(Text)), FDialogs(Dialogs)
{
}

int TGridRowCommands::CopiedColumns(const TExStringGrid& grid)
{
    return grid.ColCount() + grid.NumHiddenColumns() - FirstColumn;
}

// ------------------------------------------------------------ string grid

void TGridRowCommands::MoveStringGridCell(TExStringGrid& grid, int c, int from, int to)
{
    bool state = false;
    if (grid.GetCheckBoxState(c, from, state)) grid.SetCheckBoxState(c, to, state);
    else grid.SetCellEx(c, to, grid.GetCellEx(c, from));
    grid.SetReadOnly(c, to, grid.ReadOnly(c, from));
}

void TGridRowCommands::ResetStringGridRow(TExStringGrid& grid, int row, bool check_first, bool readOnly)
{
    const int last = grid.ColCount() + grid.NumHiddenColumns() - 1;
    for (int c = FirstColumn; c <= last; ++c) {
        bool state = false;
        if (grid.GetCheckBoxState(c, row, state)) grid.SetCheckBoxState(c, row, check_first && c == FirstColumn);
        else grid.SetCellEx(c, row, QString());
        grid.SetReadOnly(c, row, readOnly);
    }
}

void TGridRowCommands::DeleteRow_ESG(int row, TExStringGrid& grid, bool check_first)
{
    const int last = grid.ColCount() + grid.NumHiddenColumns() - 1;
    for (int r = row; r <= grid.RowCount() - 2; ++r)
        for (int c = FirstColumn; c <= last; ++c) MoveStringGridCell(grid, c, r + 1, r);
    ResetStringGridRow(grid, grid.RowCount() - 1, check_first, true);
}

void TGridRowCommands::InsertRow_ESG(int row, TExStringGrid& grid, bool check_first)
{
    const int last = grid.ColCount() + grid.NumHiddenColumns() - 1;
    for (int r = grid.RowCount() - 2; r >= row; --r)
        for (int c = FirstColumn; c <= last; ++c) MoveStringGridCell(grid, c, r, r + 1);
    ResetStringGridRow(grid, row, check_first, false);
}

void TGridRowCommands::CopyRow_ESG(TExStringGrid& grid, int row)
{
    const int count = CopiedColumns(grid);
    FClipboard.Row_Clipboard.clear();
    FClipboard.Row_Clipboard_Check.assign(size_t(std::max(0, count)), false);
    for (int i = 0; i < count; ++i) {
        const int c = FirstColumn + i;
        bool state = false;
        if (grid.GetCheckBoxState(c, row, state)) {
            FClipboard.Row_Clipboard << (state ? QStringLiteral("Y") : QStringLiteral("N"));
            FClipboard.Row_Clipboard_Check[size_t(i)] = true;
        } else {
            FClipboard.Row_Clipboard << grid.GetCellEx(c, row);
        }
    }
}

bool TGridRowCommands::MayPaste(const TExStringGrid& grid, bool copied)
{
    if (!copied) {
        FDialogs.error(FText(TextNothingCopied));
        return false;
    }
    if (FClipboard.Row_Clipboard.size() != CopiedColumns(grid)) {
        FDialogs.error(FText(TextWrongRowWidth));
        return false;
    }
    return true;
}

bool TGridRowCommands::ConfirmOverwrite() { return FDialogs.confirm(FText(TextRowUsed)); }

void TGridRowCommands::PasteRow_ESG(TExStringGrid& grid, int row, bool copied)
{
    if (!MayPaste(grid, copied)) return;
    const int count = CopiedColumns(grid);
    bool used = false;
    for (int c = FirstColumn; c < FirstColumn + count && !used; ++c) {
        bool state = false;
        used = !grid.GetCheckBoxState(c, row, state) && !grid.GetCellEx(c, row).isEmpty();
    }
    if (used && !ConfirmOverwrite()) return;
    // The target's own check boxes decide how an entry is pasted, wherever
    // the row was copied from.
    for (int i = 0; i < count; ++i) {
        const int c = FirstColumn + i;
        const QString& entry = FClipboard.Row_Clipboard[i];
        bool state = false;
        if (grid.GetCheckBoxState(c, row, state)) grid.SetCheckBoxState(c, row, entry == QStringLiteral("Y"));
        else grid.SetCellEx(c, row, entry);
    }
}

// ------------------------------------------------------------ column grid

void TGridRowCommands::DeleteRow_ECG(int row, TExColumnGrid& grid)
{
    const int last = grid.ColCount() + grid.NumHiddenColumns() - 1;
    for (int r = row; r <= grid.RowCount() - 2; ++r)
        for (int c = FirstColumn; c <= last; ++c) grid.SetCellEx(c, r, grid.GetCellEx(c, r + 1));
    for (int c = FirstColumn; c <= last; ++c) grid.SetCellEx(c, grid.RowCount() - 1, QString());
}

void TGridRowCommands::InsertRow_ECG(int row, TExColumnGrid& grid, bool check_first)
{
    const int last = grid.ColCount() + grid.NumHiddenColumns() - 1;
    for (int r = grid.RowCount() - 2; r >= row; --r)
        for (int c = FirstColumn; c <= last; ++c) grid.SetCellEx(c, r + 1, grid.GetCellEx(c, r));
    for (int c = FirstColumn; c <= last; ++c)
        grid.SetCellEx(c, row, check_first && c == FirstColumn ? QStringLiteral("Y") : QString());
}

void TGridRowCommands::CopyRow_ECG(TExColumnGrid& grid, int row)
{
    const int count = CopiedColumns(grid);
    FClipboard.Row_Clipboard.clear();
    for (int i = 0; i < count; ++i) FClipboard.Row_Clipboard << grid.GetCellEx(FirstColumn + i, row);
    // No column of this copy is a string grid's check-box cell.
    FClipboard.Row_Clipboard_Check.assign(size_t(std::max(0, count)), false);
}

void TGridRowCommands::PasteRow_ECG(TExColumnGrid& grid, int row, bool copied)
{
    if (!MayPaste(grid, copied)) return;
    const int count = CopiedColumns(grid);
    bool used = false;
    for (int c = FirstColumn; c < FirstColumn + count && !used; ++c) {
        const TGridColumnItem* item = grid.ColumnOf(c);
        const bool dataCheck = item != nullptr && item->Editor() == edDataCheckBox;
        used = !dataCheck && !grid.GetCellEx(c, row).trimmed().isEmpty();
    }
    if (used && !ConfirmOverwrite()) return;
    for (int i = 0; i < count; ++i) grid.SetCellEx(FirstColumn + i, row, FClipboard.Row_Clipboard[i]);
}

// ------------------------------------------------------------ navigation

void TGridRowCommands::KeyPress_Next_Cell(TExStringGrid& grid, QChar& key)
{
    if (!FOptions.Enable_Jump_Field_Tables || key != QChar(13)) return;
    if (grid.Col() > 0 && grid.Row() > 0) {
        if (grid.Col() < grid.ColCount() - 1) {
            grid.SetCol(grid.Col() + 1);
        } else {
            const int next = grid.Row() < grid.RowCount() - 1 ? grid.Row() + 1 : FirstRow;
            grid.GotoCell(FirstColumn, next);
        }
    }
    key = QChar(0);
}

void TGridRowCommands::DblClickCell_AutoSize(TExStringGrid& grid, int row, int column)
{
    if (FOptions.Double_Click_Auto_Size && row == 0) grid.AutoSizeCol(column, 0);
}

}  // namespace grid
