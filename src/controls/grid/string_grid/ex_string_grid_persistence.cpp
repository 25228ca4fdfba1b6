// The grid's column layout and look kept in files: the column state text,
// the widths and order in an INI file or the registry, the visual
// properties file.

#include <QFile>
#include <QShowEvent>

#include "controls/grid/grid_error.h"
#include "controls/grid/print/print_settings_file.h"
#include "controls/grid/settings/column_size_store.h"
#include "controls/grid/settings/column_states.h"
#include "controls/grid/settings/visual_props_file.h"
#include "controls/grid/string_grid/ex_string_grid.h"
#include "platform/atomic_file.h"

namespace grid {

namespace persistence_detail {

const QString kWidthPrefix = QStringLiteral("Col");
const QString kPositionPrefix = QStringLiteral("Pos");

}  // namespace persistence_detail

void TExStringGrid::SetColumnOrderList(const std::vector<int>& order)
{
    FColumnOrder.Clear();
    for (int column : order) FColumnOrder.Insert(FColumnOrder.Count(), column);
}

// ------------------------------------------------------------ column state text

QString TExStringGrid::ColumnStatesToString() const { return FormatColumnStates(CaptureColumnStates(*this)); }

void TExStringGrid::StringToColumnStates(const QString& Value)
{
    if (!Value.contains(u'#')) return;
    QString error;
    const std::optional<TColumnStates> states = ParseColumnStates(Value, AllColCount(), &error);
    if (!states) throw EExGridError(QStringLiteral("Invalid column states: %1").arg(error).toStdString());
    ApplyColumnStates(*this, *states);
}

// ------------------------------------------------------------ widths and order in storage

void TExStringGrid::SaveColSizes()
{
    if (IsDesigning()) return;
    const std::unique_ptr<TColumnSizeStore> store = OpenColumnSizeStore(FColumnSize);
    if (!store) return;
    std::vector<int> widths;
    for (int c = 0; c < ColCount(); ++c) widths.push_back(ColWidths(c));
    store->WriteNumbered(persistence_detail::kWidthPrefix, widths);
    store->Update();
}

void TExStringGrid::LoadColSizes()
{
    if (IsDesigning()) return;
    const std::unique_ptr<TColumnSizeStore> store = OpenColumnSizeStore(FColumnSize);
    if (!store) return;
    for (int c = 0; c < ColCount(); ++c) {
        const int width = store->ReadInteger(persistence_detail::kWidthPrefix + QString::number(c), ColWidths(c));
        // A stored value that is no column width is passed over.
        if (width != ColWidths(c) && IsColumnWidth(width)) SetColWidths(c, width);
    }
    store->Update();
}

void TExStringGrid::SaveColPositions()
{
    if (IsDesigning()) return;
    const std::unique_ptr<TColumnSizeStore> store = OpenColumnSizeStore(FColumnSize);
    if (!store) return;
    store->WriteNumbered(persistence_detail::kPositionPrefix, RecordedColumnOrder(*this));
    store->Update();
}

void TExStringGrid::LoadColPositions()
{
    using persistence_detail::kPositionPrefix;
    if (IsDesigning()) return;
    const std::unique_ptr<TColumnSizeStore> store = OpenColumnSizeStore(FColumnSize);
    if (!store) return;
    if (store->ReadInteger(kPositionPrefix + u'0', -1) == -1) return;
    const int count = AllColCount();
    std::vector<int> entries;
    for (int i = 0; i < count; ++i) entries.push_back(store->ReadInteger(kPositionPrefix + QString::number(i), -1));
    // Stored positions that do not name every column once are no order:
    // the columns stay as they are.
    const std::optional<std::vector<int>> order = ColumnOrderOf(entries, count);
    if (!order || order->empty()) return;
    std::vector<int> hidden;
    for (int c = 0; c < count; ++c)
        if (IsHiddenColumn(c)) hidden.push_back(c);
    TGridUpdateLock lock(*this);
    ApplyColumnOrder(*this, *order);
    for (auto c = hidden.rbegin(); c != hidden.rend(); ++c) HideColumn(*c);
}

// ------------------------------------------------------------ visual properties file

void TExStringGrid::SaveVisualProps(const QString& FileName)
{
    if (!platform::writeFileAtomically(FileName, VisualPropsFile(*this)))
        throw EExGridError(QStringLiteral("Cannot Create %1").arg(FileName).toStdString());
}

void TExStringGrid::LoadVisualProps(const QString& FileName)
{
    QFile file(FileName);
    if (!file.open(QIODevice::ReadOnly))
        throw EExGridError(QStringLiteral("Cannot open file %1").arg(FileName).toStdString());
    ApplyVisualPropsFile(*this, file.readAll());
}

// ------------------------------------------------------------ print settings file

void TExStringGrid::SavePrintSettings(const QString& Key, const QString& Section)
{
    SavePrintSettingsFile(FPrintSettings, Key, Section);
}

void TExStringGrid::LoadPrintSettings(const QString& Key, const QString& Section)
{
    LoadPrintSettingsFile(FPrintSettings, Key, Section);
}

// ------------------------------------------------------------ window creation

void TExStringGrid::showEvent(QShowEvent* event)
{
    TBaseGrid::showEvent(event);
    if (FShownOnce) return;
    FShownOnce = true;
    if (FColumnSize.Save) KeepColSizes(*this, &TExStringGrid::LoadColSizes);
}

}  // namespace grid
