// The column grid: the string grid's per-cell questions answered from the
// description of the cell's storage column, the descriptions kept in step
// with the storage columns, column positions in an INI file.

#include "controls/grid/column_grid/ex_column_grid.h"

#include <algorithm>
#include <typeinfo>

#include <QFile>
#include <QMenu>

#include "controls/grid/column_grid/column_positions_file.h"
#include "controls/grid/editors/grid_cell_editors.h"
#include "controls/grid/grid_error.h"
#include "controls/grid/text/grid_format.h"
#include "controls/grid/text/grid_number_text.h"
#include "controls/grid/text/grid_text_utils.h"
#include "platform/atomic_file.h"
#include "platform/ini_file.h"

namespace grid {

TExColumnGrid::TExColumnGrid(QWidget* parent)
    : TExStringGrid(parent),
      FColumnCollection(CreateColumns()),
      FCellGraphic(std::make_unique<TCellGraphic>())
{
    FCellGraphic->SetCheckBox(false, true, true, haBeforeText, vaCenter);
    FCellGraphic->SetCellType(ctVirtCheckBox);
    FColumnCollection->SetNoRecursiveUpdate(true);
    SyncColumnCount();
    FColumnCollection->SetNoRecursiveUpdate(false);
}

TExColumnGrid::~TExColumnGrid() = default;

std::unique_ptr<TGridColumnCollection> TExColumnGrid::CreateColumns()
{
    return std::make_unique<TGridColumnCollection>(this);
}

TGridColumnItem* TExColumnGrid::ColumnOf(int StorageCol) const { return FColumnCollection->Items(StorageCol); }

TGridColumnItem* TExColumnGrid::GetColumnByName(const QString& AValue) const
{
    for (int i = 0; i < FColumnCollection->Count(); ++i)
        if (FColumnCollection->Items(i)->Name == AValue) return FColumnCollection->Items(i);
    return nullptr;
}

QString TExColumnGrid::GetVersionString() const
{
    const uint32_t v = GetVersionNr();
    return QStringLiteral("%1.%2.%3.%4 Aug, 2012").arg(v >> 24).arg((v >> 16) & 0xFF).arg((v >> 8) & 0xFF).arg(v & 0xFF);
}

// ------------------------------------------------------------ keeping the count

void TExColumnGrid::SyncColumnCount()
{
    if (!FColumnCollection) return;
    const bool saved = FColumnCollection->NoRecursiveUpdate();
    FColumnCollection->SetNoRecursiveUpdate(true);
    const int total = ColCount() + NumHiddenColumns();
    while (FColumnCollection->Count() < total) FColumnCollection->Add();
    while (FColumnCollection->Count() > total) FColumnCollection->Delete(FColumnCollection->Count() - 1);
    FColumnCollection->SetNoRecursiveUpdate(saved);
}

void TExColumnGrid::SyncColumnHeaders()
{
    if (FixedRows() <= 0) return;
    for (int i = 0; i < FColumnCollection->Count(); ++i) {
        TGridColumnItem* item = FColumnCollection->Items(i);
        if (item->Header().isEmpty() && !GetGridCell(i, 0).isEmpty()) item->SetHeaderField(GetGridCell(i, 0));
    }
    RebuildColumnHeaders();
}

void TExColumnGrid::RebuildColumnHeaders()
{
    QStringList headers;
    for (int i = 0; i < FColumnCollection->Count(); ++i) headers << FColumnCollection->Items(i)->Header();
    SetColumnHeaders(headers);
}

void TExColumnGrid::SetColCount(int value)
{
    TExStringGrid::SetColCount(value);
    SyncColumnCount();
}

void TExColumnGrid::Loaded()
{
    TExStringGrid::Loaded();
    SyncColumnCount();
    FColumnCollection->SetOrganization();
}

void TExColumnGrid::RescaleControl(int M, int D)
{
    TExStringGrid::RescaleControl(M, D);
    if (IsDesigning() || M == D || D == 0) return;
    auto scale = [M, D](int size) { return int((int64_t(M) * size * 2 + D) / (int64_t(D) * 2)); };
    for (int i = 0; i < ColCount() && i < FColumnCollection->Count(); ++i) {
        TGridColumnItem* item = FColumnCollection->Items(i);
        TCellFont font = item->Font();
        font.Size = scale(font.Size);
        TCellFont header = item->HeaderFont();
        header.Size = scale(header.Size);
        item->SetFont(font);
        item->SetHeaderFont(header);
    }
}

void TExColumnGrid::CellsLoaded()
{
    TExStringGrid::CellsLoaded();
    SyncColumnCount();
}

void TExColumnGrid::ComponentRemoved(QObject* component)
{
    for (int i = 0; i < FColumnCollection->Count(); ++i) {
        TGridColumnItem* item = FColumnCollection->Items(i);
        if (item->EditLink == component) item->EditLink = nullptr;
        if (item->ColumnPopup == component) item->ColumnPopup = nullptr;
    }
}

void TExColumnGrid::InsertCols(int ColIndex, int CCount)
{
    if (CCount <= 0) return;
    ColIndex = std::clamp(ColIndex, 0, ColCount() + NumHiddenColumns());
    TExStringGrid::InsertCols(ColIndex, CCount);
    const bool saved = FColumnCollection->NoRecursiveUpdate();
    FColumnCollection->SetNoRecursiveUpdate(true);
    for (int i = 0; i < CCount; ++i) FColumnCollection->Insert(ColIndex);
    SyncColumnCount();
    FColumnCollection->SetNoRecursiveUpdate(saved);
}

void TExColumnGrid::RemoveCols(int ColIndex, int CCount)
{
    const int total = ColCount() + NumHiddenColumns();
    if (ColIndex < 0 || ColIndex >= total || CCount <= 0) return;
    CCount = std::min(CCount, total - ColIndex);
    TExStringGrid::RemoveCols(ColIndex, CCount);
    const bool saved = FColumnCollection->NoRecursiveUpdate();
    FColumnCollection->SetNoRecursiveUpdate(true);
    for (int i = 0; i < CCount; ++i) FColumnCollection->Delete(ColIndex);
    SyncColumnCount();
    FColumnCollection->SetNoRecursiveUpdate(saved);
}

void TExColumnGrid::MoveStorageColumn(int FromIndex, int ToIndex)
{
    if (FromIndex == ToIndex) return;
    if (!IsHiddenColumn(FromIndex) && !IsHiddenColumn(ToIndex)) {
        MoveColumn(DisplColIndex(FromIndex), DisplColIndex(ToIndex));
        return;
    }
    // A hidden column: the cells and the description move in storage.
    Cells().MoveCol(FromIndex, ToIndex);
    auto& items = FColumnCollection->FItems;
    if (FromIndex < int(items.size()) && ToIndex < int(items.size())) {
        auto moved = std::move(items[size_t(FromIndex)]);
        items.erase(items.begin() + FromIndex);
        items.insert(items.begin() + ToIndex, std::move(moved));
    }
    RepaintGrid();
}

void TExColumnGrid::ColumnMovedNotice(int FromIndex, int ToIndex)
{
    FColumnCollection->SetNoRecursiveUpdate(true);
    const int top = TopRow();
    const int sf = RealColIndex(FromIndex);
    const int st = RealColIndex(ToIndex);
    TExStringGrid::ColumnMovedNotice(FromIndex, ToIndex);
    BeginUpdate();
    FColMoving = true;
    // The description moves through a copy, as a user's move does.
    if (sf < FColumnCollection->Count() && st < FColumnCollection->Count()) {
        TGridColumnItem copy(nullptr);
        copy.Assign(*FColumnCollection->Items(sf));
        FColumnCollection->Delete(sf);
        FColumnCollection->Insert(st)->Assign(copy);
    }
    SetTopRow(top);
    FColMoving = false;
    EndUpdate();
    FColumnCollection->SetNoRecursiveUpdate(false);
    if (OnAfterColumnMoved) OnAfterColumnMoved(this, sf, st);
}

void TExColumnGrid::ColWidthsChanged()
{
    TExStringGrid::ColWidthsChanged();
    if (IsLoading() || Destroying() || !FColumnCollection) return;
    for (int d = 0; d < ColCount(); ++d)
        if (TGridColumnItem* item = ColumnOf(RealColIndex(d))) item->SetStoredWidth(ColWidths(d));
}

// ------------------------------------------------------------ column positions

bool TExColumnGrid::SaveColumnPositions(const QString& Key, const QString& Section, QString* error)
{
    // The file is rewritten whole: one that exists but cannot be read is
    // left alone rather than replaced by the positions alone.
    const std::optional<QByteArray> file = platform::ReadIniFileForUpdate(Key, error);
    if (!file) return false;
    std::vector<int> positions;
    for (int i = 0; i < FColumnCollection->Count(); ++i) positions.push_back(FColumnCollection->Items(i)->DefIdx);
    return platform::writeFileAtomically(Key, WriteColumnPositions(*file, Section, positions), error);
}

bool TExColumnGrid::LoadColumnPositions(const QString& Key, const QString& Section)
{
    QFile file(Key);
    if (!file.open(QIODevice::ReadOnly)) return false;
    const int n = FColumnCollection->Count();
    const auto positions = ReadColumnPositions(file.readAll(), Section, n);
    if (!positions) return false;
    ResetColumnOrder();
    for (int j = 0; j < n; ++j) FColumnCollection->Items((*positions)[size_t(j)])->DefIdx = j;
    FColumnCollection->ResetOrganization();
    for (int k = 0; k < n; ++k) FColumnCollection->Items(k)->DefIdx = (*positions)[size_t(k)];
    return true;
}

void TExColumnGrid::SaveColPositions()
{
    const TColumnSize& sizing = ColumnSize();
    if (sizing.Location != clIniFile) {
        TExStringGrid::SaveColPositions();
        return;
    }
    if (IsDesigning() || sizing.Key.isEmpty() || sizing.Section.isEmpty()) return;
    QString error;
    if (!SaveColumnPositions(sizing.Key, sizing.Section, &error))
        throw EExGridError(QStringLiteral("Cannot write file %1: %2").arg(sizing.Key, error).toStdString());
}

void TExColumnGrid::LoadColPositions()
{
    const TColumnSize& sizing = ColumnSize();
    if (sizing.Location != clIniFile) {
        TExStringGrid::LoadColPositions();
        return;
    }
    if (IsDesigning() || sizing.Key.isEmpty() || sizing.Section.isEmpty()) return;
    LoadColumnPositions(sizing.Key, sizing.Section);
}

// ------------------------------------------------------------ per-cell answers

bool TExColumnGrid::IsNormalCell(int ACol, int ARow) const
{
    return ACol >= 0 && ACol < FColumnCollection->Count() && ACol >= FixedCols() &&
           ACol < ColCount() + NumHiddenColumns() - FixedRightCols() && ARow >= FixedRows() &&
           ARow < RowCount() - FixedFooters();
}

void TExColumnGrid::GetDefaultCellProperties(int ACol, int ARow, TCellFont& AFont, TColor& ABrushColor,
                                             TColor& AColorTo, TColor& AMirrorColor, TColor& AMirrorColorTo,
                                             TAlignment& HA, TVAlignment& VA, bool& WW, TCellGradientDirection& GD)
{
    const TGridColumnItem* item = FColumnCollection ? ColumnOf(ACol) : nullptr;
    if (item == nullptr) {
        TExStringGrid::GetDefaultCellProperties(ACol, ARow, AFont, ABrushColor, AColorTo, AMirrorColor,
                                                AMirrorColorTo, HA, VA, WW, GD);
        return;
    }
    AFont = item->Font();
    ABrushColor = item->Color();
    AColorTo = clNone;
    HA = ARow < FixedRows() ? item->HeaderAlignment() : item->Alignment();
    VA = VAlignment;
    WW = WordWrap();
    GD = GradientVertical;
    if (IsFixed(DisplColIndex(ACol), ARow) || (Bands().Active() && item->ShowBands())) {
        ABrushColor = clNone;
        AColorTo = clNone;
    }
}

QString TExColumnGrid::GetFormattedCell(int ACol, int ARow)
{
    const TGridColumnItem* item = ColumnOf(ACol);
    const QString text = GetCellEx(ACol, ARow);
    if (item == nullptr) return text;
    QString format = item->FloatFormat();
    const int kind = NumberTextType(text);
    bool isFloat = kind == 0 || kind == 1;
    if (OnGetFloatFormat) OnGetFloatFormat(this, ACol, ARow, isFloat, format);
    if (format.isEmpty() || !isFloat) return text;
    try {
        return FormatWithArgs(format, {Floats(ACol, ARow)});
    } catch (const EExGridError&) {
        return text;  // a handler that calls a non-number a float leaves the text
    }
}

void TExColumnGrid::GetCellFloatFormat(int ACol, int /*ARow*/, QString& format)
{
    format = FloatFormat;
    if (const TGridColumnItem* item = ColumnOf(ACol); item != nullptr && !item->FloatFormat().isEmpty())
        format = item->FloatFormat();
}

TCellType TExColumnGrid::GetCellType(int ACol, int ARow) const
{
    const TCellType kind = TExStringGrid::GetCellType(ACol, ARow);
    if (kind == ctEmpty && IsNormalCell(ACol, ARow) && ColumnOf(ACol)->Editor() == edDataCheckBox)
        return ctDataCheckBox;
    return kind;
}

TCellGraphic* TExColumnGrid::GetCellGraphic(int ACol, int ARow) const
{
    TCellGraphic* g = TExStringGrid::GetCellGraphic(ACol, ARow);
    if (g == nullptr && FColumnCollection && IsNormalCell(ACol, ARow) &&
        ColumnOf(ACol)->Editor() == edDataCheckBox) {
        FCellGraphic->SetCellType(ctVirtCheckBox);
        FCellGraphic->SetCellTransparent(const_cast<TExColumnGrid*>(this)->ControlLook().ControlStyle() == csFlat);
        return FCellGraphic.get();
    }
    return g;
}

void TExColumnGrid::DoUpdateColumnSize(int ACol, int& AWidth)
{
    // The hook speaks of display columns; the limits belong to the storage column shown there.
    if (const TGridColumnItem* item = ColumnOf(RealColIndex(ACol))) {
        if (item->MinSize > 0) AWidth = std::max(AWidth, item->MinSize);
        if (item->MaxSize > 0) AWidth = std::min(AWidth, item->MaxSize);
    }
    TExStringGrid::DoUpdateColumnSize(ACol, AWidth);
}

void TExColumnGrid::DoUpdateAutoColumnSize(int ACol, int& AWidth)
{
    if (const TGridColumnItem* item = ColumnOf(RealColIndex(ACol))) {
        if (item->AutoMinSize > 0) AWidth = std::max(AWidth, item->AutoMinSize);
        if (item->AutoMaxSize > 0) AWidth = std::min(AWidth, item->AutoMaxSize);
    }
    TExStringGrid::DoUpdateAutoColumnSize(ACol, AWidth);
}

void TExColumnGrid::ColumnHeadersChanged()
{
    if (!FColumnCollection) return;
    const QStringList& headers = ColumnHeaders();
    for (int i = 0; i < FColumnCollection->Count() && i < headers.size(); ++i)
        FColumnCollection->Items(i)->SetHeaderField(headers[i]);
}

void TExColumnGrid::GetCellColor(int ACol, int ARow, platform::TGridDrawState AState, platform::TBrush& ABrush,
                                 platform::TFont& AFont)
{
    const TGridColumnItem* item = ColumnOf(ACol);
    if (item != nullptr && ACol >= FixedCols() && ACol < ColCount() + NumHiddenColumns() - FixedRightCols() &&
        ARow < RowCount() - FixedFooters()) {
        if (item->Fixed()) ABrush.Color = FixedColor();
        else if (ARow >= FixedRows() && !(item->ShowBands() && Bands().Active())) ABrush.Color = item->Color();
        AFont = ToCanvasFont(ARow < FixedRows() ? item->HeaderFont() : item->Font());
        if (const TCellProperties* props = CellPropertiesOrNull(ACol, ARow)) {
            if (props->BrushColor() != clNone) ABrush.Color = props->BrushColor();
            if (props->FontColor() != clNone) AFont.Color = props->FontColor();
        }
    }
    TExStringGrid::GetCellColor(ACol, ARow, AState, ABrush, AFont);
}

void TExColumnGrid::GetCellPrintColor(int ACol, int ARow, platform::TGridDrawState AState, platform::TBrush& ABrush,
                                      platform::TFont& AFont)
{
    if (const TGridColumnItem* item = ColumnOf(ACol); item != nullptr && IsNormalCell(ACol, ARow)) {
        const TCellProperties* props = CellPropertiesOrNull(ACol, ARow);
        if (item->Fixed()) {
            ABrush.Color = FixedColor();
        } else if (!(item->ShowBands() && Bands().Active() && Bands().Print)) {
            ABrush.Color = item->PrintColor;
            if (props != nullptr && props->BrushColor() != clNone) ABrush.Color = props->BrushColor();
        }
        if (item->PrintFontCustom) {
            TCellFont font = item->PrintFont;
            if (props != nullptr) {
                if (props->FontColor() != clNone) font.Color = props->FontColor();
                if (props->FontStyle() != 0) font.Style = props->FontStyle();
                if (props->FontSize() != 0) font.Size = props->FontSize();
                if (!props->FontName().isEmpty()) font.Name = props->FontName();
            }
            AFont = ToCanvasFont(font);
        }
    }
    TExStringGrid::GetCellPrintColor(ACol, ARow, AState, ABrush, AFont);
}

void TExColumnGrid::GetCellBorder(int ACol, int ARow, TGridPen& APen, TCellBorders& Borders)
{
    if (const TGridColumnItem* item = ColumnOf(ACol); item != nullptr && ACol >= FixedCols() && ARow >= FixedRows()) {
        Borders = item->Borders();
        APen = item->BorderPen();
    }
    TExStringGrid::GetCellBorder(ACol, ARow, APen, Borders);
}

void TExColumnGrid::GetCellPrintBorder(int ACol, int ARow, TGridPen& APen, TCellBorders& Borders)
{
    if (const TGridColumnItem* item = ColumnOf(ACol);
        item != nullptr && ACol >= FixedCols() && ARow >= FixedRows() && item->PrintBorderCustom) {
        Borders = item->PrintBorders;
        APen = item->PrintBorderPen;
    }
    TExStringGrid::GetCellPrintBorder(ACol, ARow, APen, Borders);
}

void TExColumnGrid::GetAlignment(int ACol, int ARow, TAlignment& HAlign, TVAlignment& VAlign)
{
    if (const TGridColumnItem* item = ColumnOf(ACol)) {
        HAlign = ARow < FixedRows() ? item->HeaderAlignment() : item->Alignment();
        if (const TCellProperties* props = CellPropertiesOrNull(ACol, ARow)) HAlign = props->Alignment();
    }
    TExStringGrid::GetAlignment(ACol, ARow, HAlign, VAlign);
}

void TExColumnGrid::GetColFormat(int ACol, TSortStyle& AStyle, QString& aPrefix, QString& aSuffix)
{
    if (const TGridColumnItem* item = ColumnOf(ACol)) {
        AStyle = item->SortStyle;
        aPrefix = item->SortPrefix;
        aSuffix = item->SortSuffix;
    }
    TExStringGrid::GetColFormat(ACol, AStyle, aPrefix, aSuffix);
}

void TExColumnGrid::GetCellEditor(int ACol, int ARow, TEditorType& AEditor)
{
    if (const TGridColumnItem* item = ColumnOf(ACol)) {
        if (ACol >= FixedCols() && ARow >= FixedRows()) {
            AEditor = item->Editor();
            ClearComboString();
            for (const QString& s : item->ComboItems) AddComboString(s);
            ControlLook().DropDownCount = item->DropDownCount;
            if (TGridSpin* spin = SpinEdit()) {
                spin->SetMinValue(item->SpinMin);
                spin->SetMaxValue(item->SpinMax);
                spin->SetIncrement(item->SpinStep);
            }
        }
        if (!item->FloatFormat().isEmpty()) FloatFormat = item->FloatFormat();
    }
    TExStringGrid::GetCellEditor(ACol, ARow, AEditor);
}

void TExColumnGrid::IsFixedCell(int ACol, int ARow, bool& IsFixed)
{
    // ACol is a display column.
    if (const TGridColumnItem* item = ColumnOf(RealColIndex(ACol));
        item != nullptr && ACol >= FixedCols() && ARow >= FixedRows())
        IsFixed = item->Fixed();
    TExStringGrid::IsFixedCell(ACol, ARow, IsFixed);
}

void TExColumnGrid::CanEditCell(int ACol, int ARow, bool& CanEdit)
{
    CanEdit = false;
    if (!IsLoading()) {
        if (const TGridColumnItem* item = ColumnOf(ACol); item != nullptr && ACol >= FixedCols() && ARow >= FixedRows())
            CanEdit = !item->ReadOnly && !item->Fixed();
    }
    if (const TCellProperties* props = CellPropertiesOrNull(ACol, ARow); props != nullptr && CanEdit)
        CanEdit = !props->ReadOnly();
    if (OnCanEditCell) {
        const QPoint base = BaseCell(ACol, ARow);
        OnCanEditCell(this, base.y(), base.x(), CanEdit);
    }
}

void TExColumnGrid::IsPasswordCell(int ACol, int ARow, bool& IsPassword)
{
    if (const TGridColumnItem* item = ColumnOf(ACol)) IsPassword = item->Password();
    TExStringGrid::IsPasswordCell(ACol, ARow, IsPassword);
}

bool TExColumnGrid::HasComboBox(int ACol, int ARow)
{
    bool result = false;
    if (const TGridColumnItem* item = ColumnOf(ACol); item != nullptr && ACol >= FixedCols() && ARow >= FixedRows())
        result = item->Editor() == edComboEdit || item->Editor() == edComboList;
    if (OnHasComboBox) OnHasComboBox(this, ACol, ARow, result);
    return result;
}

void TExColumnGrid::GetCheckTrue(int ACol, int ARow, QString& Value)
{
    TExStringGrid::GetCheckTrue(ACol, ARow, Value);
    if (IsNormalCell(ACol, ARow)) Value = ColumnOf(ACol)->CheckTrue;
}

void TExColumnGrid::GetCheckFalse(int ACol, int ARow, QString& Value)
{
    TExStringGrid::GetCheckFalse(ACol, ARow, Value);
    if (IsNormalCell(ACol, ARow)) Value = ColumnOf(ACol)->CheckFalse;
}

bool TExColumnGrid::GetColumnFilter(int ACol)
{
    TExStringGrid::GetColumnFilter(ACol);
    const TGridColumnItem* item = ColumnOf(ACol);
    if (item == nullptr || item->Filter.isEmpty()) return false;
    FilterList.clear();
    for (const QString& entry : item->Filter) {
        const int eq = entry.indexOf(QLatin1Char('='));
        FilterList << (eq < 0 ? entry : entry.left(eq));
    }
    return true;
}

int TExColumnGrid::EditLengthLimit()
{
    const int d = Col();
    if (d >= FixedCols() && d < FColumnCollection->Count())
        if (const TGridColumnItem* item = ColumnOf(RealColIndex(d))) return item->EditLength;
    return TExStringGrid::EditLengthLimit();
}

// The column descriptions follow storage columns, not rows: a sort may move
// this class's rows at once as the string grid's.
bool TExColumnGrid::SortMovesRowsAtOnce() const { return typeid(*this) == typeid(TExColumnGrid); }

QString TExColumnGrid::GetEditMask(int ACol, int ARow)
{
    QString mask = ColumnEditMask(DisplColIndex(ACol));
    const QString own = TExStringGrid::GetEditMask(ACol, ARow);
    if (!own.isEmpty()) mask = own;
    return mask;
}

QString TExColumnGrid::ColumnEditMask(int ADisplCol) const
{
    if (ADisplCol >= FixedCols() && ADisplCol < FColumnCollection->Count())
        if (const TGridColumnItem* item = ColumnOf(RealColIndex(ADisplCol))) return item->EditMask;
    return QString();
}

// ------------------------------------------------------------ column popup

QMenu* TExColumnGrid::ColumnPopupFor(platform::TMouseButton Button, int ACol, int ARow)
{
    if (ACol < 0 || ARow < 0 || ACol >= ColCount() || ARow >= RowCount()) return nullptr;
    // Picked by the storage column shown at the clicked display column.
    const TGridColumnItem* item = ColumnOf(RealColIndex(ACol));
    if (item == nullptr || item->ColumnPopup == nullptr) return nullptr;
    const TColumnPopupType t = item->ColumnPopupType;
    const bool left = Button == platform::mbLeft;
    const bool right = Button == platform::mbRight;
    const bool leftKind = t == cpFixedCellsLClick || t == cpNormalCellsLClick || t == cpAllCellsLClick;
    const bool rightKind = t == cpFixedCellsRClick || t == cpNormalCellsRClick || t == cpAllCellsRClick;
    if (!(left && leftKind) && !(right && rightKind)) return nullptr;
    QMenu* menu = item->ColumnPopup;
    if (OnColumnPopup) OnColumnPopup(this, RealColIndex(ACol), ARow, menu);
    const bool fixedRow = ARow < FixedRows();
    const bool opens = fixedRow ? (t == cpFixedCellsLClick || t == cpFixedCellsRClick || t == cpAllCellsLClick ||
                                   t == cpAllCellsRClick)
                                : (t == cpNormalCellsLClick || t == cpNormalCellsRClick || t == cpAllCellsLClick ||
                                   t == cpAllCellsRClick);
    return opens ? menu : nullptr;
}

void TExColumnGrid::HandleMouseDown(platform::TMouseButton Button, platform::TShiftState Shift, int X, int Y)
{
    TExStringGrid::HandleMouseDown(Button, Shift, X, Y);
    int col = -1;
    int row = -1;
    ScreenToCell(QPoint(X, Y), col, row);
    if (QMenu* menu = ColumnPopupFor(Button, col, row)) {
        const platform::TRect r = CellRect(col, row);
        menu->popup(viewport()->mapToGlobal(QPoint(r.Left, r.Bottom)));
    }
}

}  // namespace grid
