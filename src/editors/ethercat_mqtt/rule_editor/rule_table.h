#pragma once

// One rule table of a rule editor: the layout an editor states for it (its
// columns, size and key column) and the grid built from that layout, with
// the cell access every editor needs: a row as texts (check boxes as
// "Y"/"N"), the reset of a showing, the rows OK saves (up to the first empty
// key cell) and the base lock of each cell.

#include <vector>

#include <QString>
#include <QStringList>

#include "platform/colors.h"

namespace grid {
class TExStringGrid;
class TExColumnGrid;
}  // namespace grid

namespace rule_editor {

// Cell colours that mark the kind of a column.
namespace column_colors {
constexpr TColor CheckBox = 0x00B0D8FF;  // RGB(255, 216, 176): Enable, Retained ...
constexpr TColor Key = 0x00FEFAE0;       // RGB(224, 250, 254): key and type columns
constexpr TColor Size = 0x00A8FFA8;      // RGB(168, 255, 168): size and choice columns
constexpr TColor Position = 0x00F4D6FC;  // RGB(252, 214, 244): computed positions
constexpr TColor Group = 0x00A8FFFF;     // RGB(255, 255, 168): group and template columns
constexpr TColor Description = clWhite;  // the description column
}  // namespace column_colors

enum class ColumnKind {
    RowNumber,  // column 0: the row number
    Text,       // typed text
    Choice,     // drop-down list that accepts only its items
    ChoiceOrText,  // drop-down list that also takes typed text
    CheckBox,   // a check box, saved as "Y"/"N"
    Computed,   // shown by the editor, never typed (read-only)
};

struct RuleColumn {
    int headerId = -1;  // text of the header
    int width = 64;
    ColumnKind kind = ColumnKind::Text;
    TColor color = clWindow;
    int hintId = -1;  // text of the header's hint; -1: none
    QStringList items = {};  // the drop-down items of a Choice / ChoiceOrText column
    bool hidden = false;  // kept out of sight at every showing; its cells stay and are saved
    int maxLength = 0;    // most characters the text editor of a column grid's cell takes; 0: no limit
};

enum class GridKind {
    StringGrid,  // check boxes are objects in the cells
    ColumnGrid,  // check boxes are data check boxes: the cell text is "Y"/"N"
};

struct RuleTableLayout {
    QString gridName;       // e.g. "ESG_SlaveMaster"
    QString sheetName;      // its tab sheet in a two-table form
    int sheetCaptionId = -1;
    GridKind gridKind = GridKind::ColumnGrid;
    int dataRows = 0;       // the table's limit: RowCount - 1
    std::vector<RuleColumn> columns;  // from column 0
    // A row with this cell empty ends the list; -1: the table has no key
    // column, every row is a rule and is saved.
    int keyColumn = 1;
    // True: a key cell of blanks counts as empty. False: only a key cell
    // without any text does, so a cell of blanks is a row (which the checks
    // then meet).
    bool keyTrimmed = true;
    // The table's own "Error row " text for its failures; -1: the form's.
    int errorRowId = -1;
};

// A table's rows as texts of its columns 1 .. last, one list per row.
using RuleRows = std::vector<QStringList>;

class RuleTable {
public:
    // Builds `grid` (created by the caller, owned by its Qt parent) from
    // `layout`: sizes, fixed header row and row-number column, widths,
    // check boxes, colours, alignment and the base locks.
    RuleTable(grid::TExStringGrid& grid, RuleTableLayout layout);

    grid::TExStringGrid& grid() const { return *grid_; }
    // The grid as a column grid, or nullptr for a string grid.
    grid::TExColumnGrid* columnGrid() const;
    const RuleTableLayout& layout() const { return layout_; }
    int dataRows() const { return layout_.dataRows; }
    // Column count of a row's texts: every column but the row number.
    int rowWidth() const { return int(layout_.columns.size()) - 1; }
    // Column 1 is an Enable check box: checked in a reset and an inserted row.
    bool enableFirst() const;
    bool isCheckBoxColumn(int column) const;

    // The header texts (ids of the layout) into the grid.
    void applyHeaders();
    // Hides the columns the layout hides and shows the others.
    void applyColumnVisibility();
    // The drop-down items of a column (real index); empty for other kinds.
    const QStringList& choiceItems(int column) const;
    // Replaces the drop-down items of a Choice / ChoiceOrText column (e.g.
    // a list rebuilt at every showing); the next drop-down offers them.
    void setChoiceItems(int column, const QStringList& items);
    // The hint text of the column shown at `displayColumn`; none for the row
    // numbers or a column without a hint.
    QString headerHint(int displayColumn) const;

    // Choices an editor makes when a showing starts (before the reset, which
    // applies them): the table's limit (RowCount - 1; the rows kept keep
    // their cells; the rows added are numbered, decorated and unlocked like
    // the others), the column whose empty cell ends the list, whether a
    // column is kept hidden, and the text id of a column's header.
    void setDataRows(int rows);
    void setKeyColumn(int column);
    void setColumnHidden(int column, bool hidden);
    void setHeaderId(int column, int headerId);

    // A cell as saved: a column grid's cell text (its check boxes hold their
    // own text, which a file may have given as other than "Y"/"N"); in a
    // string grid "Y"/"N" for a check box, else the text.
    QString cellText(int column, int row) const;
    void setCellText(int column, int row, const QString& text);
    bool checked(int column, int row) const;
    QStringList rowTexts(int row) const;
    // Writes the texts from column 1 on; missing texts leave their cells.
    void setRowTexts(int row, const QStringList& texts);

    // The reset of a showing: the columns' visibility, row numbers, Enable
    // checked, the other cells empty, the base locks.
    void reset();
    // The base lock of every data row: computed columns read-only, the
    // others editable.
    void restoreBaseLocks();
    void restoreBaseLocks(int row);

    // The row's key cell is empty (never, for a table without a key column).
    bool keyEmpty(int row) const;
    // Number of rows OK saves: those before the first empty key cell.
    int savedRowCount() const;
    RuleRows savedRows() const;
    // Rows from the first empty key cell on that hold data in a column the
    // user types or chooses: what OK would not save.
    int rowsHoldingDataAfterList() const;
    // A cell of a column the user types or chooses holds text other than
    // blanks (check boxes do not count).
    bool holdsData(int row) const;

    // Per-form copy flag: a row was copied from this grid in this showing.
    bool Do_Copy = false;

private:
    void build();
    // Row numbers, a string grid's check boxes, colours and alignment, and
    // the base locks of the data rows `first` .. `last`.
    void decorateRows(int first, int last);

    grid::TExStringGrid* grid_;
    RuleTableLayout layout_;
};

}  // namespace rule_editor
