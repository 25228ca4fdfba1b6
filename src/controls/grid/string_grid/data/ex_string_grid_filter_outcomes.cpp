// The filter's row test in bulk: the conditions of a pass go down their
// column one after the other, reading each cell where it is stored, before
// the rows are asked one by one.

#include "controls/grid/string_grid/ex_string_grid.h"
#include "platform/format_settings.h"

namespace grid {

namespace {

// Where a condition's column is read straight from the store: the cell
// itself, or its merged block's base when `merged` counts; none where no
// cell is kept (an empty text).
struct TStoredColumn {
    const TCellStore& Store;
    int Col;
    bool Merged;

    const TStoredCell* Cell(int r) const
    {
        const TStoredCell* cell = OwnCell(r);
        if (Merged && cell != nullptr && cell->Properties && !cell->Properties->IsBaseCell())
            return Store.Cell(Col - cell->Properties->CellSpanX(), r - cell->Properties->CellSpanY());
        return cell;
    }

    const TStoredCell* OwnCell(int r) const
    {
        const TCellRow& row = Store.RowCells(r);
        return Col < int(row.Cells.size()) ? &row.Cells[size_t(Col)] : nullptr;
    }

    static const QString& Text(const TStoredCell* cell)
    {
        static const QString none;
        return cell != nullptr ? cell->Text() : none;
    }
};

// The all-rows index of display rows one after another, from a first one:
// the rows aside (their all-rows indexes ascending) are stepped over.
class TAllRowsWalk {
public:
    TAllRowsWalk(const std::vector<int>& aside, int displayRow) : FAside(aside)
    {
        FIndex = displayRow;
        Settle();
    }
    int Index() const { return FIndex; }
    void Next()
    {
        ++FIndex;
        Settle();
    }

private:
    // Past the rows aside below and at the index.
    void Settle()
    {
        while (FNext < FAside.size() && FAside[FNext] <= FIndex) {
            ++FNext;
            ++FIndex;
        }
    }
    const std::vector<int>& FAside;
    size_t FNext = 0;
    int FIndex = 0;
};

}  // namespace

void TExStringGrid::ComputeFilterOutcomes(int first, int last)
{
    const size_t n = size_t(last - first + 1);
    FFilterOutcomesFirst = first;
    FFilterOutcomes.assign(n, 1);
    // A failed condition joined by foSHORT ends a row's test.
    FFilterRowsDone.assign(n, 0);
    // The all-rows indexes of the rows aside, once asked.
    std::optional<std::vector<int>> aside;
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
            const auto decideByText = [&](const TStoredCell* cell) {
                const QString& raw = TStoredColumn::Text(cell);
                std::optional<bool> decided = numbers->DecideText(raw);
                if (decided) return *decided;
                QString buffer;
                return ConditionOutcome(i, f, &TidyFilterText(raw, buffer), buffer, read);
            };
            if (merged) {
                for (size_t k = 0; k < n; ++k) {
                    if (FFilterRowsDone[k]) continue;
                    const TStoredCell* cell = column.Cell(first + int(k));
                    const std::optional<int64_t> whole = cell != nullptr ? cell->PlainInteger() : std::nullopt;
                    const std::optional<bool> decided = whole ? numbers->DecidePlainInteger(*whole) : std::nullopt;
                    join(k, decided ? *decided : decideByText(cell));
                }
                continue;
            }
            // The whole numbers read of the column before spare going to
            // the cells: they are kept by all-rows index, which the display
            // rows reach past the rows aside.
            std::vector<int64_t>& kept = FFilterIntegers.Column(Cells(), FGridItems.size(), f.Column);
            if (!aside) aside = FGridItems.empty() ? std::vector<int>() : HiddenIndexes();
            TAllRowsWalk all(*aside, first);
            for (size_t k = 0; k < n; ++k, all.Next()) {
                if (FFilterRowsDone[k]) continue;
                const int r = first + int(k);
                int64_t& whole = kept[size_t(all.Index())];
                const TStoredCell* cell = nullptr;
                if (whole == TFilterIntegerCache::NotRead) {
                    cell = column.OwnCell(r);
                    whole = cell != nullptr ? cell->PlainInteger().value_or(TFilterIntegerCache::NoInteger)
                                            : TFilterIntegerCache::NoInteger;
                }
                const std::optional<bool> decided =
                    whole != TFilterIntegerCache::NoInteger ? numbers->DecidePlainInteger(whole) : std::nullopt;
                if (decided) {
                    join(k, *decided);
                    continue;
                }
                join(k, decideByText(cell != nullptr ? cell : column.OwnCell(r)));
            }
            continue;
        }
        for (size_t k = 0; k < n; ++k) {
            if (FFilterRowsDone[k]) continue;
            const int r = first + int(k);
            QString buffer;
            const QString* text;
            if (stored) {
                text = &TidyFilterText(TStoredColumn::Text(column.Cell(r)), buffer);
            } else {
                text = &FilterTestTextRef(f, r, buffer);
            }
            join(k, ConditionOutcome(i, f, text, buffer, read));
        }
    }
}

}  // namespace grid
