#include "editors/ethercat_mqtt/rule_editor/rule_table.h"

#include <algorithm>

#include "app/language.h"
#include "controls/grid/column_grid/ex_column_grid.h"
#include "controls/grid/string_grid/ex_string_grid.h"
#include "platform/strings.h"

namespace rule_editor {
namespace {

constexpr int kHeaderRowHeight = 22;
const QString kChecked = QStringLiteral("Y");
const QString kUnchecked = QStringLiteral("N");

}  // namespace

RuleTable::RuleTable(grid::TExStringGrid& grid, RuleTableLayout layout) : grid_(&grid), layout_(std::move(layout))
{
    build();
}

grid::TExColumnGrid* RuleTable::columnGrid() const
{
    return layout_.gridKind == GridKind::ColumnGrid ? static_cast<grid::TExColumnGrid*>(grid_) : nullptr;
}

bool RuleTable::isCheckBoxColumn(int column) const
{
    return column > 0 && column < int(layout_.columns.size())
           && layout_.columns[size_t(column)].kind == ColumnKind::CheckBox;
}

bool RuleTable::enableFirst() const { return isCheckBoxColumn(1); }

void RuleTable::build()
{
    grid::TExStringGrid& g = *grid_;
    const int columns = int(layout_.columns.size());
    g.setObjectName(layout_.gridName);
    g.SetColCount(columns);
    g.SetRowCount(layout_.dataRows + 1);
    g.SetFixedRows(1);
    g.SetFixedCols(1);
    g.SetRowHeights(0, kHeaderRowHeight);
    grid::TCellFont header = g.FixedFont();
    header.Style = grid::fsBold;
    g.SetFixedFont(header);

    if (grid::TExColumnGrid* cg = columnGrid()) {
        for (int c = 0; c < columns; ++c) {
            const RuleColumn& column = layout_.columns[size_t(c)];
            grid::TGridColumnItem* item = cg->Columns()[c];
            item->SetWidth(column.width);
            // A column grid draws its header in each column's own font.
            grid::TCellFont columnHeader = item->HeaderFont();
            columnHeader.Style = grid::fsBold;
            item->SetHeaderFont(columnHeader);
            if (c == 0)
                continue;
            item->SetColor(column.color);
            item->ReadOnly = column.kind == ColumnKind::Computed;
            item->EditLength = column.maxLength;
            switch (column.kind) {
            case ColumnKind::CheckBox:
                item->SetEditor(grid::edDataCheckBox);
                item->SetAlignment(grid::taCenter);
                break;
            case ColumnKind::Choice:
                item->SetEditor(grid::edComboList);
                item->ComboItems = column.items;
                break;
            case ColumnKind::ChoiceOrText:
                item->SetEditor(grid::edComboEdit);
                item->ComboItems = column.items;
                break;
            default:
                item->SetEditor(grid::edNormal);
                break;
            }
        }
    } else {
        g.SetOptions(g.Options() | platform::goEditing);
        for (int c = 0; c < columns; ++c)
            g.SetColWidths(c, layout_.columns[size_t(c)].width);
    }
    decorateRows(1, layout_.dataRows);
    applyColumnVisibility();
}

void RuleTable::decorateRows(int first, int last)
{
    grid::TExStringGrid& g = *grid_;
    if (columnGrid() == nullptr) {
        for (int c = 1; c < int(layout_.columns.size()); ++c) {
            const RuleColumn& column = layout_.columns[size_t(c)];
            for (int r = first; r <= last; ++r) {
                if (column.kind == ColumnKind::CheckBox && !g.HasCheckBox(c, r))
                    g.AddCheckBox(c, r, false, false);
                if (column.color != clWindow)
                    g.SetColors(c, r, column.color);
                if (column.kind == ColumnKind::CheckBox)
                    g.SetAlignments(c, r, grid::taCenter);
            }
        }
    }
    for (int r = first; r <= last; ++r) {
        g.SetCellEx(0, r, QString::number(r));
        restoreBaseLocks(r);
    }
}

void RuleTable::setDataRows(int rows)
{
    rows = std::max(1, rows);
    const int before = layout_.dataRows;
    if (rows == before)
        return;
    layout_.dataRows = rows;
    grid_->BeginUpdate();
    grid_->SetRowCount(rows + 1);
    // Rows that come back come empty, however they were filled before.
    for (int r = before + 1; r <= rows; ++r)
        for (int c = 1; c <= rowWidth(); ++c)
            setCellText(c, r, QString());
    if (rows > before)
        decorateRows(before + 1, rows);
    grid_->EndUpdate();
}

void RuleTable::setKeyColumn(int column)
{
    if (column >= 1 && column < int(layout_.columns.size()))
        layout_.keyColumn = column;
}

void RuleTable::setColumnHidden(int column, bool hidden)
{
    if (column >= 1 && column < int(layout_.columns.size()))
        layout_.columns[size_t(column)].hidden = hidden;
}

void RuleTable::setHeaderId(int column, int headerId)
{
    if (column < 0 || column >= int(layout_.columns.size()))
        return;
    layout_.columns[size_t(column)].headerId = headerId;
    applyHeaders();
}

void RuleTable::applyColumnVisibility()
{
    for (int c = 1; c < int(layout_.columns.size()); ++c) {
        const bool hidden = layout_.columns[size_t(c)].hidden;
        if (hidden && !grid_->IsHiddenColumn(c))
            grid_->HideColumn(c);
        else if (!hidden && grid_->IsHiddenColumn(c))
            grid_->UnHideColumn(c);
    }
}

const QStringList& RuleTable::choiceItems(int column) const
{
    static const QStringList none;
    if (column < 1 || column >= int(layout_.columns.size()))
        return none;
    const RuleColumn& c = layout_.columns[size_t(column)];
    return c.kind == ColumnKind::Choice || c.kind == ColumnKind::ChoiceOrText ? c.items : none;
}

void RuleTable::setChoiceItems(int column, const QStringList& items)
{
    if (column < 1 || column >= int(layout_.columns.size()))
        return;
    RuleColumn& c = layout_.columns[size_t(column)];
    if (c.kind != ColumnKind::Choice && c.kind != ColumnKind::ChoiceOrText)
        return;
    c.items = items;
    if (grid::TExColumnGrid* cg = columnGrid())
        cg->Columns()[column]->ComboItems = items;
}

void RuleTable::applyHeaders()
{
    for (int c = 0; c < int(layout_.columns.size()); ++c) {
        const int id = layout_.columns[size_t(c)].headerId;
        if (id < 0)
            continue;
        if (grid::TExColumnGrid* cg = columnGrid())
            cg->Columns()[c]->SetHeader(app::langText(id));
        else
            grid_->SetCellEx(c, 0, app::langText(id));
    }
}

bool RuleTable::checked(int column, int row) const
{
    if (columnGrid() != nullptr)
        return grid_->GetCellEx(column, row) == kChecked;
    bool state = false;
    return grid_->GetCheckBoxState(column, row, state) && state;
}

QString RuleTable::cellText(int column, int row) const
{
    if (isCheckBoxColumn(column) && columnGrid() == nullptr)
        return checked(column, row) ? kChecked : kUnchecked;
    return grid_->GetCellEx(column, row);
}

void RuleTable::setCellText(int column, int row, const QString& text)
{
    if (isCheckBoxColumn(column) && columnGrid() == nullptr)
        grid_->SetCheckBoxState(column, row, text == kChecked);
    else
        grid_->SetCellEx(column, row, text);
}

QStringList RuleTable::rowTexts(int row) const
{
    QStringList texts;
    texts.reserve(rowWidth());
    for (int c = 1; c <= rowWidth(); ++c)
        texts << cellText(c, row);
    return texts;
}

void RuleTable::setRowTexts(int row, const QStringList& texts)
{
    const int count = std::min<int>(rowWidth(), int(texts.size()));
    for (int i = 0; i < count; ++i)
        setCellText(i + 1, row, texts[i]);
}

void RuleTable::reset()
{
    grid::TExStringGrid& g = *grid_;
    g.BeginUpdate();
    applyColumnVisibility();
    for (int r = 1; r <= layout_.dataRows; ++r) {
        g.SetCellEx(0, r, QString::number(r));
        // Enable starts checked; a string grid's other boxes unchecked; every
        // other cell, a column grid's other boxes included, empty.
        for (int c = 1; c <= rowWidth(); ++c) {
            if (isCheckBoxColumn(c) && (c == 1 || columnGrid() == nullptr))
                setCellText(c, r, c == 1 ? kChecked : kUnchecked);
            else
                g.SetCellEx(c, r, QString());
        }
    }
    restoreBaseLocks();
    g.EndUpdate();
}

void RuleTable::restoreBaseLocks(int row)
{
    for (int c = 1; c <= rowWidth(); ++c)
        grid_->SetReadOnly(c, row, layout_.columns[size_t(c)].kind == ColumnKind::Computed);
}

void RuleTable::restoreBaseLocks()
{
    for (int r = 1; r <= layout_.dataRows; ++r)
        restoreBaseLocks(r);
}

bool RuleTable::keyEmpty(int row) const
{
    if (layout_.keyColumn < 0)
        return false;
    const QString key = cellText(layout_.keyColumn, row);
    return layout_.keyTrimmed ? platform::trimBlanks(key).isEmpty() : key.isEmpty();
}

int RuleTable::savedRowCount() const
{
    int r = 1;
    while (r <= layout_.dataRows && !keyEmpty(r))
        ++r;
    return r - 1;
}

RuleRows RuleTable::savedRows() const
{
    RuleRows rows;
    const int count = savedRowCount();
    rows.reserve(size_t(count));
    for (int r = 1; r <= count; ++r)
        rows.push_back(rowTexts(r));
    return rows;
}

bool RuleTable::holdsData(int row) const
{
    for (int c = 1; c <= rowWidth(); ++c) {
        const ColumnKind kind = layout_.columns[size_t(c)].kind;
        if ((kind == ColumnKind::Text || kind == ColumnKind::Choice || kind == ColumnKind::ChoiceOrText)
            && !platform::trimBlanks(grid_->GetCellEx(c, row)).isEmpty())
            return true;
    }
    return false;
}

int RuleTable::rowsHoldingDataAfterList() const
{
    int count = 0;
    for (int r = savedRowCount() + 1; r <= layout_.dataRows; ++r)
        count += holdsData(r) ? 1 : 0;
    return count;
}

QString RuleTable::headerHint(int displayColumn) const
{
    const int real = grid_->RealColIndex(displayColumn);
    if (real < 1 || real >= int(layout_.columns.size()))
        return {};
    const int id = layout_.columns[size_t(real)].hintId;
    return id >= 0 ? app::langText(id) : QString();
}

}  // namespace rule_editor
