// Cell graphics: attaching, finding, typing and removing the one graphic a
// cell may carry, the shared row check box, the room a graphic takes, and
// the check-box, radio-button and rotated-text operations built on them.

#include <algorithm>
#include <cmath>
#include <stdexcept>

#include <QFontMetrics>

#include "controls/grid/string_grid/ex_string_grid.h"
#include "controls/grid/text/grid_format.h"
#include "controls/grid/text/grid_html_text.h"
#include "controls/grid/cells/grid_undo.h"

namespace grid {

namespace cell_graphics_detail {

TCellVAlign vAlignOf(TVAlignment v)
{
    switch (v) {
    case vtaCenter: return vaCenter;
    case vtaBottom: return vaBottom;
    default: return vaTop;
    }
}

bool isCheckKind(TCellType k)
{
    return k == ctCheckBox || k == ctDataCheckBox || k == ctVirtCheckBox || k == ctRowCheckBox ||
           k == ctTriStateCheckBox;
}

bool isTextCheckKind(TCellType k) { return k == ctDataCheckBox || k == ctVirtCheckBox; }

}  // namespace cell_graphics_detail

using cell_graphics_detail::isCheckKind;
using cell_graphics_detail::isTextCheckKind;

// ------------------------------------------------------------ bookkeeping

TCellGraphic* TExStringGrid::CreateCellGraphic(int ACol, int ARow)
{
    // The cell's own graphic is freed by the slot; shared ones are never freed.
    auto graphic = std::make_unique<TCellGraphic>();
    TCellGraphic* result = graphic.get();
    SetGraphicObjectEx(ACol, ARow, std::move(graphic));
    if (GetGraphicObjectEx(ACol, ARow) != result) return nullptr;
    RepaintCell(ACol, ARow);
    return result;
}

bool TExStringGrid::IsSharedGraphic(const TCellGraphic* g) const
{
    return g != nullptr && (g == FRowCheckGraphic.get() || g->CellType() == ctVirtCheckBox ||
                            g->CellType() == ctRowCheckBox);
}

bool TExStringGrid::RemoveCellGraphic(int ACol, int ARow)
{
    TCellGraphic* g = GetCellGraphic(ACol, ARow);
    if (g == nullptr) return false;
    if (GetGraphicObjectEx(ACol, ARow) == g) {
        if (IsSharedGraphic(g)) LendGraphicObjectEx(ACol, ARow, nullptr);
        else SetGraphicObjectEx(ACol, ARow, nullptr);
    }
    if (!Destroying()) RepaintCell(ACol, ARow);
    return true;
}

bool TExStringGrid::RemoveCellGraphicOfType(int ACol, int ARow, TCellType kind)
{
    return GetCellType(ACol, ARow) == kind && RemoveCellGraphic(ACol, ARow);
}

TCellGraphic* TExStringGrid::GetCellGraphic(int ACol, int ARow) const
{
    if (ACol < 0 || ARow < 0) return nullptr;
    const TCellProperties* props = CellPropertiesOrNull(ACol, ARow);
    if (props != nullptr && props->OtherObject() != nullptr) return nullptr;
    TCellGraphic* own = GetGraphicObjectEx(ACol, ARow);
    if (ACol != 0 || !FMouseActions.HotmailRowSelect()) return own;
    // The shared row check box, set up for this row.
    TCellGraphic* g = FRowCheckGraphic.get();
    g->SetCellType(ctRowCheckBox);
    const int normalRows = RowCount() - GridBase::FixedRows();
    if (ARow == 0) {
        int selected = 0;
        for (int r = GridBase::FixedRows(); r < RowCount() + NumHiddenRows(); ++r)
            if (r < int(FRowSelect.size()) && FRowSelect[size_t(r)]) ++selected;
        g->SetCellAngle(selected > 0 && selected < normalRows ? 1 : 0);
        g->SetCellBoolean(selected >= normalRows && normalRows > 0);
    } else {
        const int real = RealRowIndex(ARow);
        g->SetCellAngle(0);
        g->SetCellBoolean(real < int(FRowSelect.size()) && FRowSelect[size_t(real)]);
    }
    g->SetCellTransparent(FControlLook.ControlStyle() == csFlat);
    return g;
}

TCellType TExStringGrid::GetCellType(int ACol, int ARow) const
{
    if (ACol < 0 || ARow < 0) return ctEmpty;
    const TCellGraphic* graphic = GetGraphicObjectEx(ACol, ARow);
    TCellType kind = graphic != nullptr ? graphic->CellType() : ctEmpty;
    if (FMouseActions.HotmailRowSelect() && ACol == 0) kind = ctRowCheckBox;
    return kind;
}

bool TExStringGrid::HasCellType(int ACol, int ARow, std::initializer_list<TCellType> kinds) const
{
    if (ACol < 0 || ARow < 0) return false;
    const QPoint base = BaseCell(ACol, ARow);
    const TCellGraphic* g = GetCellGraphic(base.x(), base.y());
    return g != nullptr && std::find(kinds.begin(), kinds.end(), g->CellType()) != kinds.end();
}

bool TExStringGrid::HasCheckBox(int ACol, int ARow) const
{
    return HasCellType(ACol, ARow, {ctCheckBox, ctDataCheckBox, ctVirtCheckBox, ctRowCheckBox, ctTriStateCheckBox});
}

bool TExStringGrid::HasDataCheckBox(int ACol, int ARow) const
{
    return HasCellType(ACol, ARow, {ctDataCheckBox, ctVirtCheckBox, ctRowCheckBox});
}

bool TExStringGrid::HasRadioButton(int ACol, int ARow) const { return HasCellType(ACol, ARow, {ctRadioButton}); }

bool TExStringGrid::HasClickGraphic(int ACol, int ARow) const
{
    return HasCellType(ACol, ARow, {ctCheckBox, ctDataCheckBox, ctRadio, ctButton, ctVirtCheckBox, ctRowCheckBox,
                                    ctRadioButton, ctTriStateCheckBox});
}

bool TExStringGrid::HasDataGraphic(int ACol, int ARow) const
{
    return HasCellType(ACol, ARow, {ctDataCheckBox, ctDataImage, ctVirtCheckBox, ctRowCheckBox});
}

// ------------------------------------------------------------ check boxes

QString TExStringGrid::CellCheckTrue(int ACol, int ARow)
{
    QString value;
    GetCheckTrue(ACol, ARow, value);
    return value;
}

QString TExStringGrid::CellCheckFalse(int ACol, int ARow)
{
    QString value;
    GetCheckFalse(ACol, ARow, value);
    return value;
}

namespace cell_graphics_detail {
// Positions the add operations accept: inside the store, never negative.
void checkAddPosition(const TExStringGrid& g, int ACol, int ARow)
{
    if (ACol < 0 || ARow < 0 || ACol >= g.ColCount() + g.NumHiddenColumns() ||
        ARow >= g.RowCount() + g.NumHiddenRows())
        throw std::runtime_error("Invalid cell");
}
}  // namespace cell_graphics_detail

void TExStringGrid::AddCheckBox(int ACol, int ARow, bool State, bool Data)
{
    cell_graphics_detail::checkAddPosition(*this, ACol, ARow);
    TCellGraphic* g = CreateCellGraphic(ACol, ARow);
    if (g == nullptr) return;
    g->SetCheckBox(State, Data, true, haBeforeText, cell_graphics_detail::vAlignOf(VAlignment));
    g->SetCellAngle(0);
    if (Data) {
        const QString text = GetCellEx(ACol, ARow);
        if (text != CheckTrue && text != CheckFalse) SetCellEx(ACol, ARow, State ? CheckTrue : CheckFalse);
    }
}

void TExStringGrid::AddCheckBox(int ACol, int ARow, TCheckBoxState State)
{
    cell_graphics_detail::checkAddPosition(*this, ACol, ARow);
    TCellGraphic* g = CreateCellGraphic(ACol, ARow);
    if (g == nullptr) return;
    g->SetCheckBox(State, true, haBeforeText, cell_graphics_detail::vAlignOf(VAlignment));
    g->SetCellBoolean(false);
}

int TExStringGrid::FirstNormalCheckRow() const
{
    return FMouseActions.CheckAllCheck ? 0 : GridBase::FixedRows();
}

void TExStringGrid::AddCheckBoxColumn(int ACol, bool DefaultState, bool DataCheckBox)
{
    for (int r = FirstNormalCheckRow(); r < RowCount(); ++r) {
        if (IsSummary(r)) continue;
        if (IsNode(r)) AddCheckBox(ACol, r, cbUnchecked);
        else AddCheckBox(ACol, r, DefaultState, DataCheckBox);
    }
}

void TExStringGrid::AddTriStateCheckBoxColumn(int ACol, TCheckBoxState State)
{
    for (int r = FirstNormalCheckRow(); r < RowCount(); ++r) AddCheckBox(ACol, r, State);
}

void TExStringGrid::RemoveCheckBox(int ACol, int ARow)
{
    const TCellType kind = GetCellType(ACol, ARow);
    if (kind == ctCheckBox || kind == ctDataCheckBox || kind == ctTriStateCheckBox) RemoveCellGraphic(ACol, ARow);
}

void TExStringGrid::RemoveCheckBoxColumn(int ACol)
{
    for (int r = FirstNormalCheckRow(); r < RowCount(); ++r)
        if (HasCheckBox(ACol, r)) RemoveCheckBox(ACol, r);
}

// The graphic a Boolean check-box read or write works on, and the text it
// compares: while rows are hidden the row is an all-rows index and the
// cell's own object is looked up through the hidden-row store; shared
// graphics are answered at the row's display position.
TCellGraphic* TExStringGrid::CheckGraphicAt(int ACol, int ARow, QString& text) const
{
    if (ACol < 0 || ARow < 0) return nullptr;
    if (NumHiddenRows() == 0) {
        text = GetCellEx(ACol, ARow);
        return GetCellGraphic(ACol, ARow);
    }
    text = CellsEx(ACol, ARow);
    if (const TCellProperties* props = GetRealRowObject(ACol, ARow); props != nullptr && PropertiesGraphic(props))
        return PropertiesGraphic(props);
    if (!IsHiddenRow(ARow)) return GetCellGraphic(ACol, DisplRowIndex(ARow));
    // A hidden row without an object of its own: only the shared boxes can
    // answer, and they answer alike for every normal row.
    if (RowCount() <= GridBase::FixedRows()) return nullptr;
    return GetCellGraphic(ACol, std::clamp(ARow, GridBase::FixedRows(), RowCount() - 1));
}

bool TExStringGrid::GetCheckBoxState(int ACol, int ARow, bool& State)
{
    QString text;
    TCellGraphic* g = CheckGraphicAt(ACol, ARow, text);
    if (g == nullptr) return false;
    switch (g->CellType()) {
    case ctCheckBox: State = g->CellBoolean(); return true;
    case ctDataCheckBox:
    case ctVirtCheckBox: State = text == CellCheckTrue(ACol, ARow); return true;
    case ctRowCheckBox:
        if (ACol != 0) return false;
        State = g->CellBoolean();
        return true;
    default: return false;
    }
}

bool TExStringGrid::GetCheckBoxState(int ACol, int ARow, TCheckBoxState& State)
{
    QString text;
    TCellGraphic* g = CheckGraphicAt(ACol, ARow, text);
    if (g == nullptr) return false;
    switch (g->CellType()) {
    case ctCheckBox: State = BoolToCheckBoxState(g->CellBoolean()); return true;
    case ctDataCheckBox:
    case ctVirtCheckBox: State = BoolToCheckBoxState(text == CellCheckTrue(ACol, ARow)); return true;
    case ctTriStateCheckBox: State = g->CellCheckBoxState(); return true;
    case ctRowCheckBox:
        if (ACol != 0) return false;
        State = BoolToCheckBoxState(g->CellBoolean());
        return true;
    default: return false;
    }
}

bool TExStringGrid::IsChecked(int ACol, int ARow)
{
    bool state = false;
    return GetCheckBoxState(ACol, ARow, state) && state;
}

bool TExStringGrid::SetCheckBoxState(int ACol, int ARow, bool State)
{
    QString text;
    TCellGraphic* g = CheckGraphicAt(ACol, ARow, text);
    if (g == nullptr) return false;
    switch (g->CellType()) {
    case ctCheckBox:
        g->SetCellBoolean(State);
        if (NumHiddenRows() == 0 || !IsHiddenRow(ARow))
            RepaintCell(ACol, NumHiddenRows() == 0 ? ARow : DisplRowIndex(ARow));
        return true;
    case ctDataCheckBox:
    case ctVirtCheckBox: {
        const QString value = State ? CellCheckTrue(ACol, ARow) : CellCheckFalse(ACol, ARow);
        if (NumHiddenRows() == 0) SetCellEx(ACol, ARow, value);
        else SetCellsEx(ACol, ARow, value);
        return true;
    }
    case ctRowCheckBox:
        if (ACol != 0) return false;
        SetRowSelect(NumHiddenRows() == 0 ? ARow : ARow, State);
        return true;
    default: return false;
    }
}

bool TExStringGrid::SetCheckBoxState(int ACol, int ARow, TCheckBoxState State)
{
    TCellGraphic* g = GetCellGraphic(ACol, ARow);
    if (g == nullptr || g->CellType() != ctTriStateCheckBox) return false;
    g->SetCellCheckBoxState(State);
    RepaintCell(ACol, ARow);
    return true;
}

void TExStringGrid::DoCheckBoxChange(int ACol, int ARow, bool State)
{
    if (OnCheckBoxChange) OnCheckBoxChange(this, ACol, ARow, State);
}

bool TExStringGrid::ToggleCheck(int ACol, int ARow, bool FromUser)
{
    TCellGraphic* g = GetCellGraphic(ACol, ARow);
    if (g == nullptr || !isCheckKind(g->CellType())) return false;
    if (FromUser && !FControlLook.CheckAlwaysActive) {
        bool canEdit = true;
        CanEditCell(ACol, ARow, canEdit);
        if (!canEdit) return false;
    }
    bool newState = false;
    switch (g->CellType()) {
    case ctCheckBox:
        g->SetCellBoolean(!g->CellBoolean());
        newState = g->CellBoolean();
        break;
    case ctTriStateCheckBox:
        // Outside a grouped node: unchecked -> grayed -> checked -> unchecked.
        switch (g->CellCheckBoxState()) {
        case cbUnchecked: g->SetCellCheckBoxState(cbGrayed); break;
        case cbGrayed: g->SetCellCheckBoxState(cbChecked); break;
        case cbChecked: g->SetCellCheckBoxState(cbUnchecked); break;
        }
        newState = false;
        break;
    case ctRowCheckBox:
        if (ARow >= GridBase::FixedRows()) {
            const int real = RealRowIndex(ARow);
            newState = !(real < int(FRowSelect.size()) && FRowSelect[size_t(real)]);
            SetRowSelect(real, newState);
        }
        break;
    default: {
        const QString checkTrue = CellCheckTrue(ACol, ARow);
        newState = GetCellEx(ACol, ARow) != checkTrue;
        SetCellEx(ACol, ARow, newState ? checkTrue : CellCheckFalse(ACol, ARow));
        break;
    }
    }
    RepaintCell(ACol, ARow);
    DoCheckBoxChange(ACol, ARow, newState);
    if (UndoRedo() != nullptr)
        UndoRedo()->RegisterChange(ACol, ARow, newState ? CheckFalse : CheckTrue, newState ? CheckTrue : CheckFalse);
    return true;
}

bool TExStringGrid::ChangeCheckBoxState(int ACol, int ARow, bool State)
{
    const int lookupRow = NumHiddenRows() > 0 ? RealRowIndex(ARow) : ARow;
    QString text;
    TCellGraphic* g = CheckGraphicAt(ACol, lookupRow, text);
    if (g == nullptr) return false;
    switch (g->CellType()) {
    case ctCheckBox:
        if (g->CellBoolean() != State) {
            g->SetCellBoolean(State);
            RepaintCell(ACol, ARow);
            DoCheckBoxChange(ACol, ARow, State);
        }
        return true;
    case ctDataCheckBox:
    case ctVirtCheckBox: {
        const bool now = GetCellEx(ACol, ARow) == CellCheckTrue(ACol, ARow);
        if (now != State) {
            SetCellEx(ACol, ARow, State ? CellCheckTrue(ACol, ARow) : CellCheckFalse(ACol, ARow));
            DoCheckBoxChange(ACol, ARow, State);
        }
        return true;
    }
    case ctRowCheckBox:
        if (ACol != 0) return false;
        if (g->CellBoolean() != State) {
            SetRowSelect(RealRowIndex(ARow), State);
            DoCheckBoxChange(ACol, ARow, State);
        }
        return true;
    default: return false;
    }
}

void TExStringGrid::CheckAll(int ACol)
{
    for (int r = FirstNormalCheckRow(); r < RowCount(); ++r) ChangeCheckBoxState(ACol, r, true);
    if (NumHiddenColumns() > 0) RepaintCol(DisplColIndex(ACol));
}

void TExStringGrid::UnCheckAll(int ACol)
{
    for (int r = FirstNormalCheckRow(); r < RowCount(); ++r) ChangeCheckBoxState(ACol, r, false);
}

bool TExStringGrid::IsInCheckBox(int ACol, int ARow, int X, int Y)
{
    const TCellGraphic* g = GetCellGraphic(ACol, ARow);
    if (g == nullptr) return false;
    const TCellType k = g->CellType();
    if (!isCheckKind(k) && k != ctRadioButton) return false;
    if (!FMouseActions.PreciseCheckBoxCheck) return true;
    const platform::TRect cell = CellRect(DisplColIndex(ACol), ARow);
    const int size = FControlLook.CheckSize();
    int top = cell.Top + (cell.Bottom - cell.Top - size) / 2;
    if (g->CellVAlign() == vaTop) top = cell.Top + 2;
    else if (g->CellVAlign() == vaBottom) top = cell.Bottom - size - 2;
    TAlignment ha = taLeftJustify;
    TVAlignment va = vtaTop;
    GetCellAlignment(ACol, ARow, ha, va);
    int left = cell.Left + (cell.Right - cell.Left - size) / 2;
    if (ha == taLeftJustify) {
        left = cell.Left + 2;
    } else if (ha == taRightJustify) {
        left = cell.Right - size - 2;
        const QString text = GetCellEx(ACol, ARow);
        if (!text.isEmpty()) left -= QFontMetrics(ToCanvasFont(Font())).horizontalAdvance(text);
    }
    return X >= left && X < left + size && Y >= top && Y < top + size;
}

// ------------------------------------------------------------ radio buttons

void TExStringGrid::AddRadioButton(int ACol, int ARow, bool State)
{
    cell_graphics_detail::checkAddPosition(*this, ACol, ARow);
    TCellGraphic* g = CreateCellGraphic(ACol, ARow);
    if (g == nullptr) return;
    g->SetRadioButton(State, true, haBeforeText, cell_graphics_detail::vAlignOf(VAlignment));
    g->SetCellAngle(0);
}

void TExStringGrid::RemoveRadioButton(int ACol, int ARow)
{
    if (GetCellType(ACol, ARow) == ctRadioButton) RemoveCellGraphic(ACol, ARow);
}

void TExStringGrid::AddRadioButtonColumn(int ACol)
{
    for (int r = FirstNormalCheckRow(); r < RowCount(); ++r) AddRadioButton(ACol, r, false);
}

void TExStringGrid::RemoveRadioButtonColumn(int ACol)
{
    for (int r = FirstNormalCheckRow(); r < RowCount(); ++r)
        if (HasRadioButton(ACol, r)) RemoveRadioButton(ACol, r);
}

bool TExStringGrid::IsRadioButtonChecked(int ACol, int ARow) const
{
    if (ACol < 0 || ARow < 0) return false;
    const QPoint base = BaseCell(ACol, ARow);
    const TCellGraphic* g = GetCellGraphic(base.x(), base.y());
    return g != nullptr && g->CellType() == ctRadioButton && g->CellBoolean();
}

bool TExStringGrid::SetRadioButtonState(int ACol, int ARow, bool State)
{
    if (ACol < 0 || ARow < 0) return false;
    const QPoint base = BaseCell(ACol, ARow);
    TCellGraphic* g = GetCellGraphic(base.x(), base.y());
    if (g == nullptr || g->CellType() != ctRadioButton) return false;
    if (g->CellBoolean() != State) {
        g->SetCellBoolean(State);
        RepaintCell(base.x(), base.y());
    }
    return true;
}

void TExStringGrid::SetRadioButtonColumnIndex(int ACol, int ARowIndex)
{
    for (int r = FirstNormalCheckRow(); r < RowCount(); ++r) SetRadioButtonState(ACol, r, r == ARowIndex);
}

int TExStringGrid::GetRadioButtonColumnIndex(int ACol) const
{
    for (int r = FirstNormalCheckRow(); r < RowCount(); ++r)
        if (IsRadioButtonChecked(ACol, r)) return r;
    return -1;
}

bool TExStringGrid::ToggleRadio(int ACol, int ARow, bool FromUser)
{
    TCellGraphic* g = GetCellGraphic(ACol, ARow);
    if (g == nullptr || g->CellType() != ctRadioButton) return false;
    if (FromUser && !FControlLook.CheckAlwaysActive) {
        bool canEdit = true;
        CanEditCell(ACol, ARow, canEdit);
        if (!canEdit) return false;
    }
    if (!g->CellBoolean()) {
        g->SetCellBoolean(true);
        RepaintCell(ACol, ARow);
        for (int r = 0; r < RowCount(); ++r) {
            if (r == ARow) continue;
            TCellGraphic* other = GetCellGraphic(ACol, r);
            if (other != nullptr && other->CellType() == ctRadioButton && other->CellBoolean()) {
                other->SetCellBoolean(false);
                RepaintCell(ACol, r);
            }
        }
    }
    return true;
}

// ------------------------------------------------------------ rotated text

void TExStringGrid::AddRotated(int ACol, int ARow, int16_t AAngle, const QString& s)
{
    if (TCellGraphic* g = CreateCellGraphic(ACol, ARow)) {
        g->SetCellType(ctRotated);
        g->SetAngle(AAngle);
    }
    SetCellEx(ACol, ARow, s);
}

void TExStringGrid::SetRotated(int ACol, int ARow, int16_t AAngle)
{
    TCellGraphic* g = GetGraphicObjectEx(ACol, ARow);
    if (g == nullptr) g = CreateCellGraphic(ACol, ARow);
    if (g == nullptr) return;
    g->SetCellType(ctRotated);
    g->SetAngle(AAngle);
}

bool TExStringGrid::IsRotated(int ACol, int ARow, int& aAngle) const
{
    const TCellGraphic* g = GetCellGraphic(ACol, ARow);
    if (g == nullptr || g->CellType() != ctRotated) return false;
    aAngle = g->CellAngle();
    return true;
}

// ------------------------------------------------------------ display text

void TExStringGrid::GetDisplText(int ACol, int ARow, QString& Value) const
{
    TBaseGrid::GetDisplText(ACol, ARow, Value);
    if (URLShowInText) {
        static const char* const schemes[] = {"HTTP://", "WWW.", "MAILTO:", "HTTPS://", "NNTP://", "FILE://", "FTP://"};
        for (const char* scheme : schemes) {
            QString html;
            if (LinkifyURL(Value, QLatin1String(scheme), html)) {
                Value = html;
                break;
            }
        }
    }
    // A group header shows its own rows' count (its sub-headers left out).
    if (FGrouping.ShowGroupCount && ACol == 1 && IsNode(ARow)) {
        const int count = GetNodeSpan(ARow) - GetSubNodeCount(ARow) - 1;
        const QString& format = FGrouping.GroupCountFormat;
        Value += format.isEmpty() ? QStringLiteral(" (%1)").arg(count) : FormatWithArgs(format, {int64_t(count)});
    }
}

// ------------------------------------------------------------ room in the cell

QPoint TExStringGrid::GetCellGraphicSize(int ACol, int ARow) const
{
    QPoint size;
    CalcGraphicSize(ACol, ARow, size, 0);
    return size;
}

namespace cell_graphics_detail {
// A radio group's room: a horizontal group (Boolean set) side by side in one
// line, a vertical one item under item, each line at least minLine high.
QPoint radioGroupSize(const TCellGraphic& g, const QFont& font, int minLine)
{
    const QStringList* items = g.CellBitmapAs<QStringList>();
    if (items == nullptr) return QPoint(0, 0);
    const QFontMetrics metrics(font);
    const int lineHeight = metrics.boundingRect(QStringLiteral("gh")).height();
    int width = 0;
    for (const QString& item : *items)
        width = g.CellBoolean() ? width + metrics.horizontalAdvance(item) + 12
                                : std::max(width, 12 + metrics.horizontalAdvance(item));
    return QPoint(width, g.CellBoolean() ? lineHeight : std::max(minLine, lineHeight) * int(items->size()));
}
}  // namespace cell_graphics_detail

QSize TExStringGrid::IconSize(const TCellGraphic& g) const
{
    const QIcon* icon = g.CellIconObject();
    if (icon == nullptr || icon->availableSizes().isEmpty()) return QSize(0, 0);
    return icon->availableSizes().first();
}

QPoint TExStringGrid::ImageListSize() const
{
    const TGridImageList* images = GetCellImageList();
    return images != nullptr ? QPoint(images->Width(), images->Height()) : QPoint(0, 0);
}

void TExStringGrid::SetGridImages(TGridImageList* value)
{
    FGridImages = value;
    RepaintGrid();
}

bool TExStringGrid::CommonGraphicSize(const TCellGraphic& g, QPoint& Size) const
{
    switch (g.CellType()) {
    case ctCheckBox:
    case ctDataCheckBox:
    case ctVirtCheckBox:
    case ctRowCheckBox:
    case ctTriStateCheckBox: Size = QPoint(FControlLook.CheckSize(), FControlLook.CheckSize()); return true;
    case ctRadioButton: Size = QPoint(FControlLook.RadioSize(), FControlLook.RadioSize()); return true;
    case ctImages:
        if (const TIntList* indexes = g.CellBitmapAs<TIntList>()) {
            const QPoint image = ImageListSize();
            Size = g.CellBoolean() ? QPoint(indexes->Count() * image.x(), image.y())
                                   : QPoint(image.x(), indexes->Count() * image.y());
        }
        return true;
    case ctProgressPie: Size = QPoint(20, 20); return true;
    case ctRating: Size = QPoint(g.CellAngle() * 18, 16); return true;
    case ctButton:
    case ctBitButton: Size = QPoint(g.CellIndex() & 0xFFFF, (g.CellIndex() >> 16) & 0xFFFF); return true;
    default: return false;
    }
}

void TExStringGrid::CalcGraphicSize(int ACol, int ARow, QPoint& Size, int Margin) const
{
    Size = QPoint(0, 0);
    const TCellGraphic* g = GetCellGraphic(ACol, ARow);
    if (g == nullptr) return;
    QString text = GetGridCell(ACol, ARow);
    GetDisplText(ACol, ARow, text);
    const bool textPresent = !text.isEmpty();
    const bool beside = g->CellHAlign() == haBeforeText || g->CellHAlign() == haAfterText;
    const bool aboveBelow = g->CellVAlign() == vaUnderText || g->CellVAlign() == vaAboveText;
    const platform::TRect cell = CellRect(DisplColIndex(ACol), ARow);
    const QPoint cellSize(cell.Right - cell.Left, cell.Bottom - cell.Top);
    bool fullWidthAllowed = g->CellType() != ctRating;
    if (!CommonGraphicSize(*g, Size)) {
        switch (g->CellType()) {
        case ctBitmap:
            if (const QPixmap* bmp = g->CellBitmapAs<QPixmap>()) {
                if (beside || !textPresent) Size.setX(bmp->width());
                if (aboveBelow || !textPresent) Size.setY(bmp->height());
            }
            break;
        case ctIcon: {
            const QSize icon = IconSize(*g);
            if (beside || !textPresent) Size.setX(icon.width());
            Size.setY(icon.height());
            break;
        }
        case ctImageList:
        case ctDataImage: {
            const QPoint image = ImageListSize();
            if (beside || !textPresent) Size.setX(image.x());
            if (aboveBelow || !textPresent) Size.setY(image.y());
            break;
        }
        case ctRadio: Size = cell_graphics_detail::radioGroupSize(*g, ToCanvasFont(Font()), 16); break;
        case ctPicture:
        case ctFilePicture:
            Size = g->GetPictureSize(cellSize.x() - 1 - TotalXOffset(), cellSize.y() - 1 - TotalYOffset() - Margin,
                                     textPresent);
            break;
        case ctInterface:
            if (const paint::TCellInterface* object = paint::CellInterfaceOf(*g)) {
                Size = QPoint(object->Width(), object->Height());
                if (Size.x() == 0 || Size.y() == 0) Size = cellSize;
            }
            break;
        default: break;
        }
    }
    if (g->CellType() == ctButton || g->CellType() == ctBitButton) {
        const int captionWidth = QFontMetrics(ToCanvasFont(Font())).horizontalAdvance(g->CellText()) + 4;
        if (!textPresent && g->CellHAlign() == haFull) {
            Size.setX(captionWidth);
            if (!g->CellText().isEmpty()) fullWidthAllowed = false;
        } else if (textPresent) {
            if (g->CellHAlign() == haCenter) Size.setX(0);
            if (g->CellHAlign() == haFull) Size.setX(captionWidth);
            if (aboveBelow) Size.setX(0);
            else Size.setY(0);
        }
    }
    if (g->CellVAlign() == vaFull) Size.setY(cellSize.y());
    if (g->CellHAlign() == haFull && fullWidthAllowed) Size.setX(cellSize.x());
}

void TExStringGrid::CalcPrintGraphicSize(int ACol, int ARow, QPoint& Size, double Scale, int AvailWidth,
                                         int AvailHeight) const
{
    Size = QPoint(0, 0);
    const TCellGraphic* g = GetCellGraphic(ACol, ARow);
    if (g == nullptr) return;
    QString text = GetGridCell(ACol, ARow);
    GetDisplText(ACol, ARow, text);
    const bool textPresent = !text.isEmpty();
    const bool beside = g->CellHAlign() == haBeforeText || g->CellHAlign() == haAfterText;
    const platform::TRect cell = CellRect(DisplColIndex(ACol), ARow);
    switch (g->CellType()) {
    case ctBitmap:
        if (const QPixmap* bmp = g->CellBitmapAs<QPixmap>()) Size = QPoint(bmp->width(), bmp->height());
        return;
    case ctIcon: {
        const QSize icon = IconSize(*g);
        Size = QPoint(icon.width(), icon.height());
        return;
    }
    case ctImageList:
        Size = ImageListSize();
        if (!beside && textPresent) Size.setX(0);
        return;
    case ctDataImage: Size = ImageListSize(); return;
    case ctNode: Size = QPoint(20, 20); return;
    case ctRadio: Size = cell_graphics_detail::radioGroupSize(*g, ToCanvasFont(Font()), 0); return;
    case ctPicture:
    case ctFilePicture: {
        const double scale = Scale > 0 ? Scale : 1.0;
        Size = g->GetPictureSize(int(std::lround(AvailWidth / scale)), int(std::lround(AvailHeight / scale)),
                                 textPresent);
        return;
    }
    case ctProgress:
    case ctXPProgress: {
        const int d = DisplColIndex(ACol);
        Size = QPoint(d >= 0 && d < ColCount() ? ColWidths(d) : 0, RowHeights(ARow));
        return;
    }
    case ctShape: {
        const int side = RowHeights(ARow) - 2 * XYOffset.y();
        Size = QPoint(side, side);
        return;
    }
    case ctInterface:
        if (const paint::TCellInterface* object = paint::CellInterfaceOf(*g)) {
            Size = QPoint(object->Width(), object->Height());
            if (Size.x() == 0) Size.setX(cell.Right - cell.Left);
            if (Size.y() == 0) Size.setY(cell.Bottom - cell.Top);
        }
        return;
    default: CommonGraphicSize(*g, Size); return;
    }
}

// ------------------------------------------------------------ images and sort key

TIntList* TExStringGrid::GetCellImages(int ACol, int ARow) const
{
    const TCellGraphic* g = GetCellGraphic(ACol, ARow);
    return g != nullptr && g->CellType() == ctImages ? g->CellBitmapAs<TIntList>() : nullptr;
}

intptr_t TExStringGrid::GetImageSortKey(int ACol, int ARow) const
{
    const TCellGraphic* g = GetCellGraphic(ACol, ARow);
    if (g == nullptr) return -1;
    switch (g->CellType()) {
    case ctBitmap: return reinterpret_cast<intptr_t>(g->CellBitmapAs<QPixmap>());
    case ctIcon: return reinterpret_cast<intptr_t>(g->CellIconObject());
    case ctImageList: return g->CellIndex();
    default: return -1;
    }
}

bool TExStringGrid::HasSortIndicator(int ACol, int ARow) const
{
    if (ACol < 0 || ARow < 0) return false;
    const int row = IsMergedCell(ACol, ARow) ? FullCell(ACol, ARow).bottom() : ARow;
    return row == FSortSettings.Row() && FSortSettings.Show() && RowCount() > GridBase::FixedRows() + 1;
}

}  // namespace grid
