#pragma once

// The row commands every rule editor offers on its grids: delete a row,
// insert an empty row, copy a row and paste it into another row (one row
// clipboard shared by every grid), Enter moving to the next cell, and a
// double click on a header sizing that column.
//
// The commands know nothing of the application: the caller hands in the
// shared clipboard, the two options, the text lookup (texts 1100-1102) and
// the dialogs that show the paste messages. The object is cheap: callers
// make one per command from the current application state, e.g.
//   TGridRowCommands({state.Row_Clipboard, state.Row_Clipboard_Check},
//                    {state.Enable_Jump_Field_Tables, state.Double_Click_Auto_Size},
//                    app::langText, platform::dialogs())

#include <functional>
#include <vector>

#include <QChar>
#include <QString>
#include <QStringList>

namespace platform {
class Dialogs;
}

namespace grid {

class TExStringGrid;
class TExColumnGrid;

// The one copied row: a text per copied column (column 1 first) and, per
// column, whether it was a check-box cell of a string grid.
struct TRowClipboard {
    QStringList& Row_Clipboard;
    std::vector<bool>& Row_Clipboard_Check;
};

struct TRowCommandOptions {
    bool Enable_Jump_Field_Tables = false;  // Enter moves to the next cell
    bool Double_Click_Auto_Size = false;    // a double click on a header sizes the column
};

class TGridRowCommands {
public:
    // Texts of the paste messages.
    static constexpr int TextRowUsed = 1100;       // Yes/No: overwrite a used row
    static constexpr int TextWrongRowWidth = 1101; // the copied row has another width
    static constexpr int TextNothingCopied = 1102; // paste without a copy

    TGridRowCommands(TRowClipboard Clipboard, TRowCommandOptions Options, std::function<QString(int)> Text,
                     platform::Dialogs& Dialogs);

    // String grids: check-box cells move by state, the others by text;
    // read-only flags move with the rows.
    void DeleteRow_ESG(int row, TExStringGrid& grid, bool check_first);
    void InsertRow_ESG(int row, TExStringGrid& grid, bool check_first);
    void CopyRow_ESG(TExStringGrid& grid, int row);
    void PasteRow_ESG(TExStringGrid& grid, int row, bool copied);

    // Column grids: cell texts only (check-box columns hold "Y"/"N").
    void DeleteRow_ECG(int row, TExColumnGrid& grid);
    void InsertRow_ECG(int row, TExColumnGrid& grid, bool check_first);
    void CopyRow_ECG(TExColumnGrid& grid, int row);
    void PasteRow_ECG(TExColumnGrid& grid, int row, bool copied);

    // The body of a rule grid's key-press handler.
    void KeyPress_Next_Cell(TExStringGrid& grid, QChar& key);
    // The body of a rule grid's double-click handler.
    void DblClickCell_AutoSize(TExStringGrid& grid, int row, int column);

private:
    // Column count of the commands: every storage column but column 0.
    static int CopiedColumns(const TExStringGrid& grid);
    // The checks of a paste shared by both grids; false when nothing may be pasted.
    bool MayPaste(const TExStringGrid& grid, bool copied);
    bool ConfirmOverwrite();
    void MoveStringGridCell(TExStringGrid& grid, int c, int from, int to);
    void ResetStringGridRow(TExStringGrid& grid, int row, bool check_first, bool readOnly);

    TRowClipboard FClipboard;
    TRowCommandOptions FOptions;
    std::function<QString(int)> FText;
    platform::Dialogs& FDialogs;
};

}  // namespace grid
