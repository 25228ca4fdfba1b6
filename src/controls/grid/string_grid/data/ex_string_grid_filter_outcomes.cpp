// The filter's row test in bulk: the conditions of a pass go down their
// column one after the other, reading each cell where it is stored, before
// the rows are asked one by one.

#include "controls/grid/string_grid/ex_string_grid.h"
#include "platform/format_settings.h"

namespace grid {

namespace {

// Where a condition's column is read straight from the store: the stored
// text of the cell, or of its merged block's base when `merged` counts.
struct TStoredColumn {
    const TCellStore& Store;
    int Col;
    bool Merged;

    const QString& Text(int r) const
    {
        static const QString none;
        const TCellRow& row = Store.RowCells(r);
        if (Col >= int(row.Cells.size())) return none;
        const TStoredCell& cell = row.Cells[size_t(Col)];
        if (Merged && cell.Properties && !cell.Properties->IsBaseCell())
            return Store.Text(Col - cell.Properties->CellSpanX(), r - cell.Properties->CellSpanY());
        return cell.Text;
    }

    // The stored text of the cell itself.
    const QString& PlainText(int r) const
    {
        static const QString none;
        const TCellRow& row = Store.RowCells(r);
        return Col < int(row.Cells.size()) ? row.Cells[size_t(Col)].Text : none;
    }

    // A row ahead starts loading its text, so that the reads of many rows
    // overlap instead of waiting on memory one after another.
    void Prefetch(int r) const
    {
        constexpr int ahead = 24;
        if (r + ahead >= Store.RowCount()) return;
        const TCellRow& row = Store.RowCells(r + ahead);
        if (Col < int(row.Cells.size())) __builtin_prefetch(row.Cells[size_t(Col)].Text.constData());
    }
};

}  // namespace

void TExStringGrid::ComputeFilterOutcomes(int first, int last)
{
    const size_t n = size_t(last - first + 1);
    FFilterOutcomesFirst = first;
    FFilterOutcomes.assign(n, 1);
    // A failed condition joined by foSHORT ends a row's test.
    FFilterRowsDone.assign(n, 0);
    const bool displayHooks = OnGetDisplText || OnGetDisplWideText || URLShowInText || FGrouping.ShowGroupCount;
    for (int i = 0; i < FFilter.Count(); ++i) {
        const TFilterData& f = FFilter.Items(i);
        // The cells of the column as stored: plain cells, and the shown
        // ones while no display hook changes what a cell shows.
        const bool inStore = f.Column >= 0 && f.Column < AllColCount() && f.Column < Cells().ColCount() &&
                             last < Cells().RowCount();
        const bool shownAsStored = (f.Data == fcVirtual || f.Data == fcCalculated) && !displayHooks &&
                                   f.Column < TotalColCount();
        const bool stored = inStore && (f.Data == fcNormal || shownAsStored);
        const TStoredColumn column{Cells(), f.Column, f.Data != fcNormal};
        const bool readOnce = f.Data == fcRow || (!f.Condition.isEmpty() && f.Method != fmLiteral);
        // A condition that cannot be read is read again for each row, which
        // then fails as it always did.
        const TReadCondition* read = nullptr;
        try {
            if (readOnce) read = &ReadCondition(i, f);
        } catch (...) {
            read = nullptr;
        }
        // A number comparison decides a stored plain number as it stands:
        // such a text has no "|", and blanks at its ends can only be
        // thousand separators, which the number skips anyway.
        const TNumberComparison* numbers = stored && read != nullptr && f.Data != fcRow && f.Prefix.isEmpty() &&
                                                   f.Suffix.isEmpty() &&
                                                   platform::formatSettings().DecimalSeparator.unicode() > 0x20
                                               ? read->Matcher->NumberComparison()
                                               : nullptr;
        const auto join = [this, &f](size_t k, bool outcome) {
            char& result = FFilterOutcomes[k];
            result = JoinFilterOutcome(result != 0, outcome, f.Operation);
            if (f.Operation == foSHORT && !outcome) FFilterRowsDone[k] = 1;
        };
        if (numbers != nullptr) {
            // The common case in a tight loop: a number comparison on plain
            // cells; the texts it leaves open go the full way.
            const bool merged = column.Merged && Cells().PropertiesCount() > 0;
            for (size_t k = 0; k < n; ++k) {
                if (FFilterRowsDone[k]) continue;
                const int r = first + int(k);
                column.Prefetch(r);
                const QString& raw = merged ? column.Text(r) : column.PlainText(r);
                std::optional<bool> decided = numbers->DecideText(raw);
                if (!decided) {
                    QString buffer;
                    decided = ConditionOutcome(i, f, &TidyFilterText(raw, buffer), buffer, read);
                }
                join(k, *decided);
            }
            continue;
        }
        for (size_t k = 0; k < n; ++k) {
            if (FFilterRowsDone[k]) continue;
            const int r = first + int(k);
            QString buffer;
            const QString* text;
            if (stored) {
                column.Prefetch(r);
                text = &TidyFilterText(column.Text(r), buffer);
            } else {
                text = &FilterTestTextRef(f, r, buffer);
            }
            join(k, ConditionOutcome(i, f, text, buffer, read));
        }
    }
}

}  // namespace grid
