// Filtering: the row test of the conditions, the filter levels (apply,
// undo, remove), the incremental filter, and the header's filter drop-down
// (opening on the filter button, the choices of the list and the check list).

#include <algorithm>
#include <cmath>
#include <utility>

#include <QApplication>
#include <QFontMetrics>
#include <QStyle>

#include "controls/grid/string_grid/ex_string_grid.h"
#include "controls/grid/scoped_value.h"
#include "controls/grid/text/filter_matcher.h"
#include "controls/grid/text/grid_text_utils.h"
#include "platform/strings.h"

namespace grid {

using platform::TRect;

namespace grid_filtering_detail {

// A drop-down entry is a value, or a display name and a condition joined by
// the first "=".
QString filterEntryName(const QString& entry)
{
    const qsizetype eq = entry.indexOf(u'=');
    return eq < 0 ? entry : entry.left(eq);
}

QString filterEntryCondition(const QString& entry)
{
    const qsizetype eq = entry.indexOf(u'=');
    return eq < 0 ? entry : entry.mid(eq + 1);
}

// A text with a blank in double quotes, so that the matcher keeps the blank.
QString quotedWhenBlank(const QString& text)
{
    return text.contains(u' ') ? u'"' + text + u'"' : text;
}

// Percentage of done out of total, halves to even.
int filterProgress(int done, int total) { return int(std::nearbyint(double(done) * 100.0 / double(total))); }

}  // namespace grid_filtering_detail

namespace fd = grid_filtering_detail;

TExStringGrid::TFilterWiring::TFilterWiring(TExStringGrid& grid) : G(grid)
{
    grid.FFilter.OnColumnChanged = [&grid](int Col) {
        if (grid.FFilterDropDownRow < grid.RowCount() && Col >= 0 && Col < grid.AllColCount())
            grid.RepaintStorageCell(Col, grid.FFilterDropDownRow);
    };
    grid.FFilterDropDown.OnChange = [&grid] { grid.Invalidate(); };
}

TExStringGrid::TFilterWiring::~TFilterWiring()
{
    // A list losing the focus while the grid goes reports to no one.
    if (G.FDropList != nullptr) {
        G.FDropList->OnSelect = nullptr;
        G.FDropList->OnCancel = nullptr;
    }
    if (G.FDropCheckList != nullptr) {
        G.FDropCheckList->OnSelect = nullptr;
        G.FDropCheckList->OnCancel = nullptr;
    }
}

// ------------------------------------------------------------ the row test

QString TExStringGrid::FilterTestText(const TFilterData& data, int ARow)
{
    QString buffer;
    return FilterTestTextRef(data, ARow, buffer);
}

const QString& TExStringGrid::FilterTestTextRef(const TFilterData& data, int ARow, QString& buffer)
{
    static const QString none;
    if (ARow < 0 || ARow >= RowCount()) return none;
    const QString* text = &none;
    if (data.Data == fcRow) {
        for (int c = 0; c < AllColCount(); ++c) buffer += GetGridCell(c, ARow) + QStringLiteral("\r\n");
        text = &buffer;
    } else if (data.Column >= 0 && data.Column < AllColCount()) {
        switch (data.Data) {
        case fcNormal: text = &GetGridCell(data.Column, ARow); break;
        case fcStripHTML:
            buffer = GetStrippedCell(data.Column, ARow);
            text = &buffer;
            break;
        case fcVirtual:
        case fcCalculated:
        case fcRow:
            text = ShownStoredText(data.Column, ARow);
            if (text == nullptr) {
                buffer = GetCellEx(data.Column, ARow);
                text = &buffer;
            }
            break;
        }
    }
    return TidyFilterText(*text, buffer);
}

const QString& TExStringGrid::TidyFilterText(const QString& stored, QString& buffer)
{
    // Most texts have no blank at either end and no "|": they are tested
    // where they are stored.
    const QString* text = &stored;
    if (!text->isEmpty() && (text->front().unicode() <= 0x20 || text->back().unicode() <= 0x20)) {
        buffer = platform::trimBlanks(*text);
        text = &buffer;
    }
    const bool bar = std::any_of(text->begin(), text->end(), [](QChar c) { return c == PackedWidePrefix.front(); });
    if (bar && text->contains(PackedWidePrefix)) {
        buffer = UnpackWideText(*text);
        text = &buffer;
    }
    return *text;
}

QString TExStringGrid::ShownCellText(int c, int r) const
{
    const QString* stored = ShownStoredText(c, r);
    return stored != nullptr ? *stored : GetCellEx(c, r);
}

const QString* TExStringGrid::ShownStoredText(int c, int r) const
{
    const bool displayHooks = OnGetDisplText || OnGetDisplWideText || URLShowInText || FGrouping.ShowGroupCount;
    if (displayHooks || !Cells().Contains(c, r) || c >= TotalColCount()) return nullptr;
    // With no display hook the text shown is the stored one of the merged
    // cell's base.
    const TCellProperties* props = Cells().Properties(c, r);
    if (props == nullptr || props->IsBaseCell()) return &Cells().Text(c, r);
    return &Cells().Text(c - props->CellSpanX(), r - props->CellSpanY());
}

const TExStringGrid::TReadCondition& TExStringGrid::ReadCondition(int index, const TFilterData& f)
{
    if (index >= int(FReadConditions.size())) FReadConditions.resize(size_t(index + 1));
    TReadCondition& read = FReadConditions[size_t(index)];
    // The same text as read: most often the very same characters.
    const bool sameText = (read.Condition.constData() == f.Condition.constData() &&
                           read.Condition.size() == f.Condition.size()) ||
                          read.Condition == f.Condition;
    if (!FFilterPass || !read.Matcher || read.CaseSensitive != f.CaseSensitive || !sameText) {
        read.Matcher.reset();
        read.Condition = f.Condition;
        read.CaseSensitive = f.CaseSensitive;
        read.Upper = f.Condition.toUpper();
        read.Matcher = std::make_unique<TFilterCondition>(f.Condition, f.CaseSensitive);
    }
    return read;
}

bool TExStringGrid::ConditionOutcome(int i, const TFilterData& f, const QString* text, QString& buffer,
                                     const TReadCondition* read)
{
    if (f.Data == fcRow) return text->toUpper().contains((read != nullptr ? *read : ReadCondition(i, f)).Upper);
    if (!f.Prefix.isEmpty() && text->startsWith(f.Prefix)) {
        buffer = text->mid(f.Prefix.size());
        text = &buffer;
    }
    if (!f.Suffix.isEmpty()) {
        const qsizetype at = text->indexOf(f.Suffix);
        if (at >= 0 && at + f.Suffix.size() == text->size()) {
            buffer = text->left(at);
            text = &buffer;
        }
    }
    if (f.Condition.isEmpty()) return true;
    try {
        // The condition is read once, not for every row.
        if (f.Method == fmLiteral) return f.Condition == *text;
        return (read != nullptr ? *read : ReadCondition(i, f)).Matcher->Match(*text);
    } catch (...) {
        return false;  // a condition that cannot be matched fails
    }
}

bool TExStringGrid::ConditionsPass(int ARow)
{
    bool result = true;
    for (int i = 0; i < FFilter.Count(); ++i) {
        const TFilterData& f = FFilter.Items(i);
        // The text is read where it is stored unless it has to change.
        QString buffer;
        const QString* text = &FilterTestTextRef(f, ARow, buffer);
        const bool outcome = ConditionOutcome(i, f, text, buffer, nullptr);
        result = JoinFilterOutcome(result, outcome, f.Operation);
        if (f.Operation == foSHORT && !outcome) break;
    }
    return result;
}

bool TExStringGrid::DoCustomFilter(int ARow)
{
    const int k = ARow - FFilterOutcomesFirst;
    const bool known = FFilterOutcomesSet && k >= 0 && k < int(FFilterOutcomes.size());
    bool result = known ? FFilterOutcomes[size_t(k)] != 0 : ConditionsPass(ARow);
    if (OnCustomFilter) OnCustomFilter(this, ARow, result);
    return result;
}

// ---------------------------------------------------------- filter levels

int TExStringGrid::FilterFirstRow() const
{
    // While levels are applied the window may hold fewer fixed rows than the
    // first level saw: it has to drop them when every row is filtered out.
    const bool noNormalRowLeft = FFilterLevel > 0 && LastSortRow() < FFilterFixedRows;
    return noNormalRowLeft ? std::max(FFilterFixedRows, FixedRows()) : FixedRows();
}

void TExStringGrid::ApplyFilter()
{
    // An open editor writes back to its own record before rows move.
    HideInplaceEdit();
    FFilterFixedRows = FilterFirstRow();
    const int first = FFilterFixedRows;
    // Fixed footers and a fixed-last-row floating footer are no records.
    const int last = LastSortRow();
    const int total = last - first + 1;
    // The list is borrowed (a hook run meanwhile may filter itself).
    std::vector<int> failing = std::move(FFilterFailing);
    failing.clear();
    int progress = 0;
    // The conditions are read once for the pass, and forgotten after it.
    FReadConditions.clear();
    TScopedValue<bool> pass(FFilterPass, true);
    // The window's empty row while every row is filtered out is no record.
    // Node and summary rows carry a graphic: with no cell properties at all
    // no row is one.
    const bool exemptRows = FilterNormalCellsOnly && Cells().PropertiesCount() > 0;
    // With no hook to see the rows one by one the conditions go down the
    // column first; the rows then read their outcomes.
    const bool inBulk = !OnCustomFilter && !OnFilterProgress && !FFilterPlaceholderRow && first <= last;
    if (inBulk) ComputeFilterOutcomes(first, last);
    {
        TScopedValue<bool> outcomes(FFilterOutcomesSet, inBulk, false);
        for (int r = first; r <= last && !FFilterPlaceholderRow; ++r) {
            const bool exempt = exemptRows && (IsNode(r) || IsSummary(r));
            if (!exempt && !DoCustomFilter(r)) failing.push_back(r);
            if (OnFilterProgress && total > 0) {
                progress = fd::filterProgress(r - first + 1, total);
                OnFilterProgress(this, progress);
            }
        }
    }
    HideRowList(failing);
    FFilterFailing = std::move(failing);
    if (OnFilterProgress && total > 0) OnFilterProgress(this, progress);
}

void TExStringGrid::RestoreLastFilterLevel()
{
    HideInplaceEdit();
    UnHideRowList();
    // The window's own count: with every row filtered it had to drop to 0.
    if (FFilterFixedRows > 0 && GridBase::FixedRows() != FFilterFixedRows && FFilterFixedRows < RowCount())
        SetFixedRows(FFilterFixedRows);
    if (FSelHidden) UnHideSelection();
}

void TExStringGrid::SetFilterActive(bool value)
{
    if (value && !FFilterActive) {
        if (Row() >= RowCount() || Col() >= ColCount()) FocusCell(FixedCols(), FixedRows());
        {
            TGridUpdateLock lock(*this);
            ApplyFilter();
        }
        FFilterActive = true;
        FSelHidden = false;
        if (RowCount() > FixedRows()) SetTopRow(FixedRows());
    } else if (!value && FFilterActive) {
        FFilterActive = false;
        RestoreLastFilterLevel();
        if (RowCount() > FixedRows()) SetTopRow(FixedRows());
    }
    CalcFooter(-1);
}

void TExStringGrid::FilterRow(int ARow)
{
    if (ARow < FixedRows() || ARow >= RowCount()) return;
    if (DoCustomFilter(ARow)) return;
    HideInplaceEdit();
    HideRow(RealRowIndex(ARow));
}

bool TExStringGrid::RemoveLastFilter()
{
    if (FFilterLevel <= 0) return false;
    RestoreLastFilterLevel();
    CalcFooter(-1);
    --FFilterLevel;
    // With no level left nothing is applied: a later FilterActive := true
    // applies the conditions again.
    if (FFilterLevel == 0) FFilterActive = false;
    return FFilterLevel > 0;
}

void TExStringGrid::RemoveAllFilters()
{
    if (FFilterLevel <= 0) {
        FFilter.Clear();
        return;
    }
    while (FFilterLevel > 0) RemoveLastFilter();
}

void TExStringGrid::SetSingleNarrowCondition(const QString& text, int column)
{
    FFilter.Clear();
    TFilterData& f = FFilter.Add();
    if (column == -1) {
        f.Data = fcRow;
        f.Condition = text;
    } else {
        f.Data = fcNormal;
        f.Condition = fd::quotedWhenBlank(u'*' + text + u'*');
    }
    f.CaseSensitive = false;
    f.Column = column;
}

void TExStringGrid::NarrowDown(const QString& ACondition, int AColumn)
{
    SetFixedRowAlways(true);
    const QString& T = ACondition;
    const QString& L = FLastFilter;
    // Levels removed by other means are no longer ours.
    while (!FNarrowLevels.empty() && FNarrowLevels.back().Level > FFilterLevel) FNarrowLevels.pop_back();
    // The level on top, when it is the one made for `text` on this column.
    auto topIs = [this, AColumn](size_t fromTop, const QString& text) {
        if (FNarrowLevels.size() <= fromTop) return false;
        const TNarrowLevel& n = FNarrowLevels[FNarrowLevels.size() - 1 - fromTop];
        return n.Level == FFilterLevel - int(fromTop) && n.Text == text && n.Column == AColumn;
    };
    const bool oneMore = !L.isEmpty() && T.size() == L.size() + 1 && T.startsWith(L);
    const bool oneLess = !T.isEmpty() && L.size() == T.size() + 1 && L.startsWith(T);
    if (oneMore && topIs(0, L)) {
        // Narrowing: the rows on display are those of L.
        SetSingleNarrowCondition(T, AColumn);
        ApplyFilter();
        FNarrowLevels.push_back({FFilterLevel, T, AColumn});
    } else if (oneLess && topIs(0, L) && topIs(1, T)) {
        // Widening: only the level made for the removed character goes; a
        // text set in one go (a paste) has no level for T below it.
        RemoveLastFilter();
        FNarrowLevels.pop_back();
        SetSingleNarrowCondition(T, AColumn);
    } else {
        RemoveAllFilters();
        FNarrowLevels.clear();
        if (!T.isEmpty()) {
            SetSingleNarrowCondition(T, AColumn);
            ApplyFilter();
            FNarrowLevels.push_back({FFilterLevel, T, AColumn});
        }
    }
    FLastFilter = T;
    // An empty text has brought every filter level back; the rows hidden
    // otherwise (contracted nodes) stay where they are.
}

// --------------------------------------------------------- the drop-down

void TExStringGrid::SetFilterDropDownRow(int value)
{
    if (value < 0 || value >= FixedRows()) return;
    FFilterDropDownRow = value;
    Invalidate();
}

void TExStringGrid::SetFilterDropDownAuto(bool value)
{
    FFilterDropDownAuto = value;
    Invalidate();
}

bool TExStringGrid::FilterAutoColumn(int ACol) const
{
    return FFilterDropDownAuto && ACol >= 0 && ACol < AllColCount() &&
           (ACol >= GridBase::FixedCols() || FilterDropDownColumns == fdAll);
}

void TExStringGrid::ForEachFilterValue(int ACol, const std::function<bool(const QString&)>& take)
{
    for (int r = FilterFirstRow(); r <= LastSortRow(); ++r)
        if (!take(GetCellEx(ACol, r))) return;
    // The values of the rows hidden by filtering (levels from 1).
    if (FilterIncremental) return;
    for (const auto& item : std::as_const(FGridItems))
        if (item->Level() > 0 && !take(item->Items().Text(ACol))) return;
}

bool TExStringGrid::FilterGlyphOf(int ACol, int ARow, QImage& glyph)
{
    if (ARow != FFilterDropDownRow || ARow >= FixedRows()) return false;
    // Whether the column gets a list, answered without making the list
    // where the list alone decides: a repaint must not sort every value.
    bool hasList = false;
    if (OnGetColumnFilter) {
        hasList = GetColumnFilter(ACol);  // the form's hook sees the list
    } else if (FilterAutoColumn(ACol)) {
        hasList = !FilterDropDownClear.isEmpty();
        if (!hasList)
            ForEachFilterValue(ACol, [&hasList](const QString& text) {
                hasList = !platform::trimBlanks(text).isEmpty();
                return !hasList;
            });
    }
    if (!hasList) return false;
    glyph = FFilter.HasFilter(ACol) ? FFilterDropDown.GlyphActive() : FFilterDropDown.Glyph();
    return true;
}

TDropList& TExStringGrid::DropList()
{
    if (FDropList == nullptr) {
        FDropList = new TDropList(viewport());  // owned by the viewport (Qt parent)
        FDropList->OnSelect = [this](int index) { FilterSelect(FDropList, index); };
        FDropList->OnCancel = [this] {
            FFilterCol = -1;
            FDropChoicesCol = -1;
            setFocus();
        };
    }
    return *FDropList;
}

TDropCheckList& TExStringGrid::DropCheckList()
{
    if (FDropCheckList == nullptr) {
        FDropCheckList = new TDropCheckList(viewport());  // owned by the viewport (Qt parent)
        FDropCheckList->OnSelect = [this](int index) { FilterCheck(FDropCheckList, index); };
        FDropCheckList->OnCancel = [this] {
            FFilterCol = -1;
            FDropChoicesCol = -1;
            setFocus();
        };
    }
    return *FDropCheckList;
}

bool TExStringGrid::FilterDropDownShown() const
{
    return (FDropList != nullptr && FDropList->isVisible()) || (FDropCheckList != nullptr && FDropCheckList->isVisible());
}

void TExStringGrid::HideFilterDropDown()
{
    const bool hadFocus = (FDropList != nullptr && FDropList->hasFocus()) ||
                          (FDropCheckList != nullptr && FDropCheckList->hasFocus());
    if (FDropList != nullptr) FDropList->hide();
    if (FDropCheckList != nullptr) FDropCheckList->hide();
    FFilterCol = -1;
    FDropChoicesCol = -1;
    if (hadFocus) setFocus();
}

void TExStringGrid::FilterButtonRelease(int ACol, int ARow, int X, int Y)
{
    if (ACol < 0 || ARow < 0 || ARow != FFilterDropDownRow || ARow >= FixedRows()) {
        if (FFilterCol >= 0 || FilterDropDownShown()) HideFilterDropDown();
        return;
    }
    const int storageCol = RealColIndex(ACol);
    const TRect cell = CellRect(ACol, ARow);
    const bool onButton = X > cell.Right - 16 && X < cell.Right - 3 && Y < cell.Top + 19;
    if (storageCol != FFilterCol && onButton && GetColumnFilter(storageCol)) {
        OpenFilterDropDown(storageCol, cell);
        return;
    }
    HideFilterDropDown();
}

void TExStringGrid::OpenFilterDropDown(int storageCol, const TRect& cell)
{
    // The other kind of list may still be open on another column.
    HideFilterDropDown();
    FFilterCol = storageCol;
    const bool check = FilterDropDownCheck;
    QListWidget& list = check ? static_cast<QListWidget&>(DropCheckList()) : static_cast<QListWidget&>(DropList());
    QPalette palette = list.palette();
    palette.setColor(QPalette::Base, toQColor(FFilterDropDown.Color));
    palette.setColor(QPalette::Text, toQColor(FFilterDropDown.Font().Color));
    list.setPalette(palette);
    list.setFont(FFilterDropDown.Font());
    list.clear();
    // The choices stay those shown while the list is open, whatever the
    // filtering does to the rows meanwhile.
    FDropEntries = FilterList;
    FDropChoices = FilterChoices();
    FDropChoicesCol = storageCol;
    const QFontMetrics metrics(FFilterDropDown.Font());
    int widest = 0;
    for (const TFilterChoice& choice : FDropChoices) {
        if (check) {
            // Checked when the column holds the entry's condition.
            bool checked = false;
            for (int i = 0; i < FFilter.Count() && !checked; ++i)
                checked = FFilter.Items(i).Column == storageCol && FFilter.Items(i).Condition == choice.Condition;
            FDropCheckList->AddCheckItem(choice.Name, checked);
        } else {
            list.addItem(choice.Name);
        }
        widest = std::max(widest, metrics.horizontalAdvance(choice.Name));
    }
    widest += 8;
    if (!check && list.count() > 0) list.setCurrentRow(0);
    PlaceFilterDropDown(list, storageCol, cell, widest);
    list.raise();
    list.show();
    list.setFocus(Qt::MouseFocusReason);
}

void TExStringGrid::PlaceFilterDropDown(QListWidget& list, int /*storageCol*/, const TRect& cell, int widest)
{
    int width = FFilterDropDown.Width;
    int height = FFilterDropDown.Height;
    const int top = cell.Top + 16;
    if (FFilterDropDown.AutoSize) {
        const int edge = list.frameWidth();
        const int itemHeight = list.count() > 0 ? std::max(1, list.sizeHintForRow(0)) : list.fontMetrics().height();
        // The check boxes take their room in front of the text.
        const int indicator = FilterDropDownCheck ? list.style()->pixelMetric(QStyle::PM_IndicatorWidth) + 6 : 0;
        height = list.count() * itemHeight + 2 * edge;
        width = widest + indicator + 2 * edge;
        // A long list stops at the bottom of the grid and scrolls.
        const int room = std::max(viewport()->height() - top, 3 * itemHeight + 2 * edge);
        if (height > room) {
            height = room;
            width += list.style()->pixelMetric(QStyle::PM_ScrollBarExtent);
        }
    }
    int left = cell.Right - 16;
    if (FFilterDropDown.ColumnWidth) {
        left = cell.Left;
        width = cell.Right - cell.Left;
    }
    if (left + width > viewport()->width()) left = std::max(0, cell.Right - width);
    list.setGeometry(left, top, width, height);
}

// -------------------------------------------------------------- choices

std::vector<TExStringGrid::TFilterChoice> TExStringGrid::FilterChoices() const
{
    std::vector<TFilterChoice> choices;
    choices.reserve(size_t(FilterList.size()));
    for (const QString& entry : FilterList) {
        if (FFilterAutoValues.contains(entry))
            choices.push_back({entry, entry, fmLiteral});
        else
            choices.push_back({fd::filterEntryName(entry), fd::filterEntryCondition(entry), fmExpression});
    }
    return choices;
}

std::vector<TExStringGrid::TFilterChoice> TExStringGrid::ChoicesOfFilterColumn(int col)
{
    if (col >= 0 && col == FDropChoicesCol) {
        FilterList = FDropEntries;
        return FDropChoices;
    }
    GetColumnFilter(col);
    return FilterChoices();
}

void TExStringGrid::SetChoiceCondition(TFilterData& f, const TFilterChoice& choice, const QString& condition)
{
    f.Condition = condition;
    // A listed value matches exactly its own text; a condition the hook
    // wrote is one of the condition language.
    f.Method = choice.Method == fmLiteral && condition == choice.Condition ? fmLiteral : fmExpression;
}

void TExStringGrid::FilterSelect(QObject* /*Sender*/, int ItemIndex)
{
    TScopedValue<int> filterCol(FFilterCol, FFilterCol, -1);
    TScopedValue<int> choicesCol(FDropChoicesCol, FDropChoicesCol, -1);
    setFocus();
    if (!FilterColumnValid()) return;
    const int col = FFilterCol;
    const std::vector<TFilterChoice> choices = ChoicesOfFilterColumn(col);
    if (ItemIndex < 0 || ItemIndex >= int(choices.size())) return;
    const TFilterChoice& choice = choices[size_t(ItemIndex)];
    if (AutoFilterUpdate) SetFilterActive(false);
    QString condition = choice.Condition;
    if (condition == FilterDropDownClear) condition.clear();
    if (OnFilterSelect) OnFilterSelect(this, col, ItemIndex, choice.Name, condition);
    if (!condition.isEmpty())
        SetChoiceCondition(FFilter.ColumnFilter(col), choice, condition);
    else
        FFilter.RemoveColumnFilter(col);
    if (AutoFilterUpdate) {
        SetFixedRowAlways(true);
        SetFilterActive(true);
        if (RowCount() > FixedRows()) SetRow(FixedRows());
        DoFilterDone();
    }
}

void TExStringGrid::FilterCheck(QObject* /*Sender*/, int /*ItemIndex*/)
{
    if (!FilterColumnValid()) return;
    const int col = FFilterCol;
    const std::vector<TFilterChoice> choices = ChoicesOfFilterColumn(col);
    if (AutoFilterUpdate) SetFilterActive(false);
    FFilter.Clear();
    TDropCheckList& list = DropCheckList();
    for (int i = 0; i < list.count() && i < int(choices.size()); ++i) {
        if (!list.Checked(i)) continue;
        const TFilterChoice& choice = choices[size_t(i)];
        QString condition = choice.Condition;
        if (condition == FilterDropDownClear) condition.clear();
        if (OnFilterCheck) OnFilterCheck(this, col, i, choice.Name, condition, &list);
        const bool first = FFilter.IsEmpty();
        TFilterData& f = FFilter.Add();
        SetChoiceCondition(f, choice, condition);
        f.Column = col;
        f.Operation = first ? foNONE : foOR;
    }
    SetFilterActive(true);
    Invalidate();
    list.viewport()->update();
}

}  // namespace grid
