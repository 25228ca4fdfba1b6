#include "controls/grid/settings/column_states.h"

#include <algorithm>
#include <limits>

#include <QStringList>

#include "controls/grid/string_grid/ex_string_grid.h"
#include "platform/strings.h"

namespace grid {

namespace column_states_detail {

const QChar kFieldSeparator = u'#';
const QChar kEntrySeparator = u',';

QString joined(const std::vector<int>& values)
{
    QStringList parts;
    parts.reserve(qsizetype(values.size()));
    for (int v : values)
        parts << QString::number(v);
    return parts.join(kEntrySeparator);
}

// The entries of a field; none for an empty field.
QStringList entries(const QString& field)
{
    return field.isEmpty() ? QStringList() : field.split(kEntrySeparator);
}

// Reads a text, stopping at the first fault.
class Parser {
public:
    Parser(int columns, QString* error) : FColumns(columns), FError(error) {}

    std::optional<TColumnStates> Parse(const QString& text)
    {
        TColumnStates states;
        if (!Read(text, states))
            return std::nullopt;
        return states;
    }

private:
    bool Read(const QString& text, TColumnStates& states)
    {
        const QStringList fields = text.split(kFieldSeparator);
        if (fields.size() != 4)
            return Reject(QStringLiteral("it needs four fields separated by \"#\""));
        const std::optional<int32_t> count = platform::parseInt(fields[0]);
        if (!count)
            return Reject(QStringLiteral("the column count \"%1\" is no number").arg(fields[0]));
        if (*count != FColumns)
            return Reject(QStringLiteral("it is for %1 columns, the grid has %2").arg(*count).arg(FColumns));
        return Widths(entries(fields[1]), states.Widths) && Order(entries(fields[2]), states.Order) &&
               Visibility(entries(fields[3]), states.Visible);
    }

    bool Reject(const QString& reason)
    {
        if (FError != nullptr)
            *FError = reason;
        return false;
    }

    bool Widths(const QStringList& parts, std::vector<int>& widths)
    {
        if (parts.size() != FColumns)
            return Reject(QStringLiteral("it holds %1 widths for %2 columns").arg(parts.size()).arg(FColumns));
        for (const QString& part : parts) {
            const std::optional<int32_t> width = platform::parseInt(part);
            if (!width || !IsColumnWidth(*width))
                return Reject(QStringLiteral("the width \"%1\" is not a column width").arg(part));
            widths.push_back(*width);
        }
        return true;
    }

    bool Order(const QStringList& parts, std::vector<int>& order)
    {
        std::vector<int> values;
        for (const QString& part : parts) {
            const std::optional<int32_t> column = platform::parseInt(part);
            if (!column)
                return Reject(QStringLiteral("the column order entry \"%1\" is no number").arg(part));
            values.push_back(*column);
        }
        std::optional<std::vector<int>> checked = ColumnOrderOf(values, FColumns);
        if (!checked)
            return Reject(QStringLiteral("the column order is no order of the %1 columns").arg(FColumns));
        order = std::move(*checked);
        return true;
    }

    bool Visibility(const QStringList& parts, std::vector<bool>& visible)
    {
        if (parts.isEmpty())
            return true;
        if (parts.size() != FColumns)
            return Reject(QStringLiteral("it holds %1 visibility flags for %2 columns").arg(parts.size()).arg(FColumns));
        for (int c = 0; c < FColumns; ++c) {
            const QString& part = parts[c];
            if (part != u"0" && part != u"1")
                return Reject(QStringLiteral("the visibility flag \"%1\" is neither 0 nor 1").arg(part));
            if (part == u"0" && c > TExStringGrid::MaxHiddenColumnIndex)
                return Reject(QStringLiteral("column %1 cannot be hidden").arg(c));
            visible.push_back(part == u"1");
        }
        if (std::find(visible.begin(), visible.end(), true) == visible.end())
            return Reject(QStringLiteral("it hides every column"));
        return true;
    }

    int FColumns;
    QString* FError;
};

// Moves the columns, all shown and in design-time order, so that position
// i holds design-time column order[i].
void moveIntoOrder(TExStringGrid& grid, const std::vector<int>& order)
{
    std::vector<int> shown(order.size());
    for (size_t i = 0; i < shown.size(); ++i)
        shown[i] = int(i);
    for (int target = 0; target < int(order.size()); ++target) {
        const auto at = std::find(shown.begin() + target, shown.end(), order[size_t(target)]);
        const int from = int(at - shown.begin());
        if (from == target)
            continue;
        grid.MoveColumn(from, target);
        shown.erase(at);
        shown.insert(shown.begin() + target, order[size_t(target)]);
    }
}

}  // namespace column_states_detail

QString FormatColumnStates(const TColumnStates& states)
{
    using namespace column_states_detail;
    std::vector<int> order = states.Order;
    if (order.empty())
        for (int c = 0; c < states.Count(); ++c)
            order.push_back(c);
    std::vector<int> visible;
    for (int c = 0; c < states.Count(); ++c)
        visible.push_back(states.Visible.empty() || states.Visible[size_t(c)] ? 1 : 0);
    return QString::number(states.Count()) + kFieldSeparator + joined(states.Widths) + kFieldSeparator +
           joined(order) + kFieldSeparator + joined(visible);
}

std::optional<TColumnStates> ParseColumnStates(const QString& text, int columns, QString* error)
{
    return column_states_detail::Parser(columns, error).Parse(text);
}

bool IsColumnWidth(int width) { return width >= -1 && width <= std::numeric_limits<int16_t>::max(); }

std::optional<std::vector<int>> ColumnOrderOf(const std::vector<int>& entries, int columns)
{
    std::vector<int> order;
    std::vector<bool> seen(size_t(std::max(0, columns)), false);
    for (int column : entries) {
        if (column == -1)
            continue;
        if (column < 0 || column >= columns || seen[size_t(column)])
            return std::nullopt;
        seen[size_t(column)] = true;
        order.push_back(column);
    }
    if (!order.empty() && int(order.size()) != columns)
        return std::nullopt;
    return order;
}

std::vector<int> RecordedColumnOrder(const TExStringGrid& grid)
{
    // A record made while columns were hidden can be shorter than the
    // columns: the columns it does not name follow in their order.
    const TIntList& recorded = grid.ColumnOrder();
    const int count = grid.AllColCount();
    std::vector<int> order;
    if (recorded.Count() == 0)
        return order;
    std::vector<bool> seen(size_t(count), false);
    for (int i = 0; i < recorded.Count(); ++i) {
        const int column = recorded[i];
        if (column >= 0 && column < count && !seen[size_t(column)]) {
            seen[size_t(column)] = true;
            order.push_back(column);
        }
    }
    for (int column = 0; column < count; ++column)
        if (!seen[size_t(column)])
            order.push_back(column);
    return order;
}

void ApplyColumnOrder(TExStringGrid& grid, const std::vector<int>& order)
{
    TGridUpdateLock lock(grid);
    grid.ResetColumnOrder();
    grid.SetColumnOrderList({});
    if (order.empty())
        return;
    column_states_detail::moveIntoOrder(grid, order);
    grid.SetColumnOrderList(order);
}

TColumnStates CaptureColumnStates(const TExStringGrid& grid)
{
    TColumnStates states;
    const int count = grid.AllColCount();
    for (int d = 0; d < count; ++d)
        states.Widths.push_back(d < grid.ColCount() ? grid.ColWidths(d) : grid.DefaultColWidth());
    states.Order = RecordedColumnOrder(grid);
    for (int c = 0; c < count; ++c)
        states.Visible.push_back(!grid.IsHiddenColumn(c));
    return states;
}

void ApplyColumnStates(TExStringGrid& grid, const TColumnStates& states)
{
    TGridUpdateLock lock(grid);
    ApplyColumnOrder(grid, states.Order);
    for (int c = int(states.Visible.size()) - 1; c >= 0; --c)
        if (!states.Visible[size_t(c)])
            grid.HideColumn(c);

    // Stretching waits until the widths are in; a stretched grid's default
    // width becomes the stretch column's width first.
    TColumnSize& sizing = grid.ColumnSize();
    const bool stretch = sizing.Stretch();
    if (stretch) {
        const int column = sizing.StretchColumn == -1 || sizing.StretchColumn >= grid.ColCount()
                               ? grid.ColCount() - 1
                               : sizing.StretchColumn;
        grid.SetDefaultColWidth(grid.ColWidths(std::max(0, column)));
        sizing.SetStretch(false);
    }
    for (int d = 0; d < grid.ColCount() && d < states.Count(); ++d)
        grid.SetColWidths(d, states.Widths[size_t(d)]);
    if (stretch)
        sizing.SetStretch(true);
}

}  // namespace grid
