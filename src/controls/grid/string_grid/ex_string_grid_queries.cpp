// The per-cell query hooks: each computes its default from the grid's
// settings, then the form's event has the last word.

#include <algorithm>

#include <QCursor>
#include <QSet>

#include "controls/grid/cells/cell_graphic.h"
#include "controls/grid/string_grid/ex_string_grid.h"
#include "controls/grid/text/grid_text_utils.h"
#include "platform/format_settings.h"
#include "platform/strings.h"

namespace grid {

void TExStringGrid::DoCanEditCell(int ACol, int ARow, bool& CanEdit)
{
    if (OnCanEditCell) OnCanEditCell(this, ARow, ACol, CanEdit);
}

void TExStringGrid::DoSearchFooterAction(const QString& Value, int ACol, int ARow, TSearchAction SearchAction)
{
    if (OnSearchFooterAction) OnSearchFooterAction(this, Value, ACol, ARow, SearchAction);
}

void TExStringGrid::DoButtonClick(int ACol, int ARow)
{
    if (OnButtonClick) OnButtonClick(this, ACol, ARow);
}

void TExStringGrid::DoExpandClick(int ACol, int ARow, bool Expanded)
{
    if (OnExpandClick) OnExpandClick(this, ACol, ARow, Expanded);
    // The expand cell's height (the cell objects' service) sets the row height here.
}

void TExStringGrid::DoComboCloseUp(int ARow, int ACol)
{
    if (OnComboCloseUp) OnComboCloseUp(this, ARow, ACol);
}

void TExStringGrid::DoComboDropDown(int ARow, int ACol)
{
    if (OnComboDropDown) OnComboDropDown(this, ARow, ACol);
}

void TExStringGrid::GetCellCursor(int ACol, int ARow, int X, int Y)
{
    if (!OnGetCellCursor) return;
    Qt::CursorShape shape = viewport()->cursor().shape();
    OnGetCellCursor(this, ACol, ARow, X, Y, shape);
    viewport()->setCursor(QCursor(shape));
}

void TExStringGrid::GetGridHint(int ACol, int ARow, QString& AHint, QString& AWideHint)
{
    if (OnGridHint) OnGridHint(this, ARow, ACol, AHint);
    if (OnGridWideHint) {
        OnGridWideHint(this, ARow, ACol, AWideHint);
        if (!AWideHint.isEmpty()) AHint = PackWideText(AWideHint);
    }
}

void TExStringGrid::GetCellColor(int ACol, int ARow, platform::TGridDrawState AState, platform::TBrush& ABrush,
                                 platform::TFont& AFont)
{
    if (FActiveCellShow) {
        const int d = DisplColIndex(ACol);
        const bool rowHeader = ARow == Row() && GridBase::FixedCols() > 0 && d == GridBase::FixedCols() - 1;
        const bool colHeader = d == Col() && GridBase::FixedRows() > 0 && ARow == GridBase::FixedRows() - 1;
        if (rowHeader || colHeader) {
            AFont = ToCanvasFont(FActiveCellFont);
            ABrush.Color = ActiveCellColor;
        }
    }
    if (const TCellProperties* props = CellPropertiesOrNull(ACol, ARow); props != nullptr && HasCellProperties(ACol, ARow)) {
        // Cells that draw a picture over their whole face keep the brush of their graphic.
        const TCellType kind = GetCellType(ACol, ARow);
        const bool plainFace = kind == ctIcon || kind == ctNone || kind == ctImageList || kind == ctEmpty ||
                               kind == ctImages || kind == ctComment;
        if (plainFace && props->BrushColor() != clNone) ABrush.Color = props->BrushColor();
        if (props->FontColor() != clNone) AFont.Color = props->FontColor();
        if (props->FontStyle() != 0) {
            AFont.setBold(props->FontStyle() & fsBold);
            AFont.setItalic(props->FontStyle() & fsItalic);
            AFont.setUnderline(props->FontStyle() & fsUnderline);
            AFont.setStrikeOut(props->FontStyle() & fsStrikeOut);
        }
        if (props->FontSize() != 0) AFont.setPointSize(props->FontSize());
        if (!props->FontName().isEmpty()) AFont.setFamily(props->FontName());
    }
    if (OnGetCellColor) OnGetCellColor(this, ARow, ACol, AState, ABrush, AFont);
}

void TExStringGrid::GetCellPrintColor(int ACol, int ARow, platform::TGridDrawState AState, platform::TBrush& ABrush,
                                      platform::TFont& AFont)
{
    if (OnGetCellPrintColor) OnGetCellPrintColor(this, ARow, ACol, AState, ABrush, AFont);
}

void TExStringGrid::GetCellBorder(int ACol, int ARow, TGridPen& APen, TCellBorders& Borders)
{
    if (FGrouping.HeaderUnderline && IsNode(ARow) && ACol > 0) {
        Borders = cbBottom;
        APen.Color = FGrouping.HeaderLineColor;
        APen.Width = FGrouping.HeaderLineWidth;
    }
    if (FGrouping.SummaryLine && IsSummary(ARow) && ACol > 0) {
        Borders = cbTop;
        APen.Color = FGrouping.SummaryLineColor;
        APen.Width = FGrouping.SummaryLineWidth;
    }
    if (OnGetCellBorder) OnGetCellBorder(this, ARow, ACol, APen, Borders);
}

void TExStringGrid::GetCellPrintBorder(int ACol, int ARow, TGridPen& APen, TCellBorders& Borders)
{
    if (OnGetCellPrintBorder) OnGetCellPrintBorder(this, ARow, ACol, APen, Borders);
}

void TExStringGrid::GetAlignment(int ACol, int ARow, TAlignment& HAlign, TVAlignment& VAlign)
{
    if (ACol == 0 && FMouseActions.HotmailRowSelect()) HAlign = taCenter;
    if (OnGetAlignment) OnGetAlignment(this, ARow, ACol, HAlign, VAlign);
}

void TExStringGrid::GetColFormat(int ACol, TSortStyle& AStyle, QString& aPrefix, QString& aSuffix)
{
    if (OnGetFormat) OnGetFormat(this, ACol, AStyle, aPrefix, aSuffix);
}

void TExStringGrid::QueryEditorType(int ACol, int ARow, TEditorType& AEditor)
{
    if (OnGetEditorType) OnGetEditorType(this, ACol, ARow, AEditor);
}

void TExStringGrid::GetCellEditor(int ACol, int ARow, TEditorType& AEditor)
{
    if (OnGetEditorType) OnGetEditorType(this, ACol, ARow, AEditor);
}

bool TExStringGrid::IsNoEditorCell(int ACol, int ARow)
{
    if (!OnGetEditorType) return false;
    TEditorType editor = edNormal;
    OnGetEditorType(this, ACol, ARow, editor);
    return editor == edNone;
}

void TExStringGrid::IsFixedCell(int ACol, int ARow, bool& IsFixed)
{
    if (IsFixed) return;
    IsFixed = (FFixedRowAlways && ARow <= FFixedRowsMin && RowCount() == FFixedRowsMin) ||
              (FFixedColAlways && ACol < FFixedColsMin && ColCount() == FFixedColsMin) ||
              ACol < GridBase::FixedCols() || ARow < GridBase::FixedRows();
    if (!IsFixed && OnIsFixedCell) OnIsFixedCell(this, ARow, ACol, IsFixed);
}

void TExStringGrid::CanEditCell(int ACol, int ARow, bool& CanEdit)
{
    const QPoint base = BaseCell(ACol, ARow);
    const int bc = base.x();
    const int br = base.y();
    if (const TCellProperties* props = CellPropertiesOrNull(bc, br); props != nullptr && CanEdit) {
        CanEdit = !props->ReadOnly();
        if (!(Options() & platform::goEditing) && !FMouseActions.RangeSelectAndEdit) CanEdit = false;
    }
    if (bc < ColCount() + FNumHidden) DoCanEditCell(bc, br, CanEdit);
    else CanEdit = true;
}

void TExStringGrid::IsPasswordCell(int ACol, int ARow, bool& IsPassword)
{
    if (OnIsPasswordCell) OnIsPasswordCell(this, ARow, ACol, IsPassword);
}

void TExStringGrid::GetCellWordWrap(int ACol, int ARow, bool& WordWrap)
{
    if (OnGetWordWrap) OnGetWordWrap(this, ACol, ARow, WordWrap);
}

bool TExStringGrid::HasComboBox(int ACol, int ARow)
{
    bool result = false;
    if (OnHasComboBox) {
        OnHasComboBox(this, ACol, ARow, result);
    } else if (FControlLook.DropDownAlwaysVisible()) {
        TEditorType editor = DefaultEditor;
        GetCellEditor(ACol, ARow, editor);
        result = editor == edComboEdit || editor == edComboList;
    }
    return result;
}

bool TExStringGrid::HasSpinEdit(int ACol, int ARow)
{
    if (ACol < GridBase::FixedCols() || ARow < GridBase::FixedRows()) return false;
    bool result = false;
    if (OnHasSpinEdit) {
        OnHasSpinEdit(this, ACol, ARow, result);
    } else if (FControlLook.SpinButtonsAlwaysVisible()) {
        TEditorType editor = DefaultEditor;
        QueryEditorType(ACol, ARow, editor);
        result = editor == edSpinEdit || editor == edFloatSpinEdit || editor == edTimeSpinEdit ||
                 editor == edDateSpinEdit;
    }
    return result;
}

void TExStringGrid::GetCheckTrue(int ACol, int ARow, QString& Value)
{
    Value = CheckTrue;
    if (OnGetCheckTrue) OnGetCheckTrue(this, ACol, ARow, Value);
}

void TExStringGrid::GetCheckFalse(int ACol, int ARow, QString& Value)
{
    Value = CheckFalse;
    if (OnGetCheckFalse) OnGetCheckFalse(this, ACol, ARow, Value);
}

bool TExStringGrid::GetColumnFilter(int ACol)
{
    FilterList.clear();
    FFilterAutoValues.clear();
    if (FilterAutoColumn(ACol)) {
        // Each distinct value once, as it is spelled: the condition a value
        // makes matches it exactly, case included. An empty value would act
        // like the clear entry, a value spelled like the clear entry could
        // not be told from it.
        // Alphabetical (case folded once per value); values differing only
        // in case in a fixed order.
        std::vector<std::pair<QString, QString>> items;
        ForEachFilterValue(ACol, [this, &items](const QString& text) {
            QString t = platform::trimBlanks(text);
            if (!t.isEmpty() && t != FilterDropDownClear && !FFilterAutoValues.contains(t)) {
                FFilterAutoValues.insert(t);
                items.emplace_back(t.toCaseFolded(), std::move(t));
            }
            return true;
        });
        std::sort(items.begin(), items.end());
        FilterList.reserve(qsizetype(items.size()) + 1);
        for (auto& item : items) FilterList.append(std::move(item.second));
        if (!FilterDropDownClear.isEmpty()) FilterList.prepend(FilterDropDownClear);
    }
    if (OnGetColumnFilter) OnGetColumnFilter(this, ACol, FilterList);
    return !FilterList.isEmpty();
}

void TExStringGrid::GetDefaultCellProperties(int ACol, int ARow, TCellFont& AFont, TColor& ABrushColor,
                                             TColor& AColorTo, TColor& AMirrorColor, TColor& AMirrorColorTo,
                                             TAlignment& HA, TVAlignment& VA, bool& WW, TCellGradientDirection& GD)
{
    platform::TGridDrawState state = 0;
    platform::TBrush brush;
    brush.Color = Color();
    platform::TFont font = ToCanvasFont(AFont);
    const int d = DisplColIndex(ACol);
    GetVisualProperties(d, ARow, state, false, false, false, brush, AColorTo, AMirrorColor, AMirrorColorTo, font, HA,
                        VA, WW, GD);
    AFont = FromCanvasFont(font);
    ABrushColor = brush.Color;
    if (IsFixed(d, ARow) || FBands.Active() || FBackGround.IsGradient() || (state & platform::gdSelected)) {
        ABrushColor = clNone;
        AColorTo = clNone;
    }
}

const TCellFont& TExStringGrid::GetCellFont(int i, int j)
{
    const TCellProperties* props = HasCellProperties(i, j) ? CellPropertiesOrNull(i, j) : nullptr;
    if (props == nullptr) return Font();
    FCellFontScratch.Name = props->FontName();
    FCellFontScratch.Size = props->FontSize();
    FCellFontScratch.Style = props->FontStyle();
    FCellFontScratch.Color = props->FontColor();
    return FCellFontScratch;
}

QString TExStringGrid::GetEditMask(int ACol, int ARow)
{
    QString value = EditMask;
    if (OnGetEditMask) OnGetEditMask(this, ACol, ARow, value);
    return value;
}

void TExStringGrid::DoGridButtonClick()
{
    if (OnButtonClick) OnButtonClick(this, Col(), Row());
}

bool TExStringGrid::IsFixed(int ACol, int ARow) const
{
    const int sc = RealColIndex(ACol);
    const QPoint base = BaseCell(sc, ARow);
    const int d = DisplColIndex(base.x());
    const int r = base.y();
    if (r >= RowCount() - FFixedFooters) return true;
    if (d >= ColCount() - FFixedRightCols && d <= ColCount() - 1) return true;
    bool fixed = false;
    const_cast<TExStringGrid*>(this)->IsFixedCell(d, r, fixed);
    return fixed;
}

// ------------------------------------------------------------ date editor relays

void TExStringGrid::DatePickerChange(bool timeKind, const QDateTime& value)
{
    if (!OnEditChange) return;
    const platform::FormatSettings& fs = platform::formatSettings();
    QString text;
    if (timeKind) {
        text = value.time().toString(QStringLiteral("hh:mm:ss")).replace(u':', fs.TimeSeparator);
    } else {
        QString pattern = fs.ShortDateFormat;
        pattern.replace(QStringLiteral("m"), QStringLiteral("M"));
        pattern.replace(u'/', fs.DateSeparator);
        text = value.date().toString(pattern);
    }
    OnEditChange(this, Col(), Row(), text);
}

void TExStringGrid::DatePickerCloseUp()
{
    if (OnDatePickerCloseUp) OnDatePickerCloseUp(this, Row(), Col());
    if (FMouseActions.DirectDateClose) HideInplaceEdit();
}

void TExStringGrid::DatePickerDropDown()
{
    if (OnDatePickerDropDown) OnDatePickerDropDown(this, Row(), Col());
}

void TExStringGrid::DateTimeChange(const QDateTime& value)
{
    if (OnDateTimeChange) OnDateTimeChange(this, Col(), Row(), value);
}

}  // namespace grid
