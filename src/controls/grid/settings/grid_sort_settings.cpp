#include "controls/grid/settings/grid_sort_settings.h"

#include "controls/grid/grid_error.h"
#include "platform/strings.h"

namespace grid {

void TSortSettings::Assign(const TSortSettings& source)
{
    if (&source == this) return;
    AutoSortForGrouping = source.AutoSortForGrouping;
    AutoColumnMerge = source.AutoColumnMerge;
    Column = source.Column;
    IndexShow = source.IndexShow;
    IndexColor = source.IndexColor;
    Full = source.Full;
    SingleColumn = source.SingleColumn;
    IgnoreBlanks = source.IgnoreBlanks;
    BlankPos = source.BlankPos;
    AutoFormat = source.AutoFormat;
    Direction = source.Direction;
    UpGlyph = source.UpGlyph;
    DownGlyph = source.DownGlyph;
    IndexUpGlyph = source.IndexUpGlyph;
    IndexDownGlyph = source.IndexDownGlyph;
    IndexSortKey = source.IndexSortKey;
    InitSortDirection = source.InitSortDirection;
    FixedCols = source.FixedCols;
    NormalCellsOnly = source.NormalCellsOnly;
    // The target grid may have fewer fixed rows than the source: the row is
    // taken as it is, like every other value of a copy.
    FRow = source.FRow;
    UndoSort = source.UndoSort;
    SetHeaderColor(source.FHeaderColor);
    SetHeaderColorTo(source.FHeaderColorTo);
    SetHeaderMirrorColor(source.FHeaderMirrorColor);
    SetHeaderMirrorColorTo(source.FHeaderMirrorColorTo);
    SetShow(source.FShow);
}

void TSortSettings::SetShow(bool value)
{
    if (FShow == value) return;
    FShow = value;
    if (FOwner != nullptr) FOwner->SortOwnerRepaintGrid();
}

void TSortSettings::SetRow(int value)
{
    if (FOwner != nullptr && value >= FOwner->SortOwnerFixedRows())
        throw EExGridError("Sort row should be smaller than number of fixed rows");
    FRow = value;
}

void TSortSettings::SetHeaderColour(TColor& field, TColor value)
{
    field = value;
    if (FOwner != nullptr && FOwner->SortOwnerFixedRows() > 0) FOwner->SortOwnerRepaintLastFixedRow();
}

void TSortSettings::Remove()
{
    Column = -1;
    if (FOwner == nullptr) return;
    FOwner->SortOwnerClearIndexes();
    FOwner->SortOwnerRepaintLastFixedRow();
}

QString TSortSettings::SaveToString() const
{
    if (IndexShow) return QStringLiteral("i;") + (FOwner != nullptr ? FOwner->SortOwnerIndexesText() : QString());
    return (Direction == sdDescending ? QStringLiteral("d") : QStringLiteral("u")) + QString::number(Column);
}

void TSortSettings::LoadFromString(const QString& value)
{
    if (value.isEmpty()) return;
    SetShow(true);
    if (value.size() < 2) throw EExGridError("Invalid sort settings specifier");
    if (value.contains(QStringLiteral("i;"))) {
        IndexShow = true;
        const QString list = value.mid(2);
        if (list.isEmpty() || FOwner == nullptr) return;
        FOwner->SortOwnerLoadIndexes(list);
        FOwner->SortOwnerQSortIndexed();
        return;
    }
    IndexShow = false;
    Direction = value.contains(QLatin1Char('u')) ? sdAscending : sdDescending;
    const std::optional<int32_t> column = platform::parseInt(value.mid(1));
    if (!column) return;
    Column = *column;
    if (FOwner != nullptr) FOwner->SortOwnerQSort();
}

}  // namespace grid
