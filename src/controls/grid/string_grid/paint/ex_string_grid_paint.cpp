// The look of the grid: the look setter, the colour styles, the XP schemes,
// the flat colour tones and the office theme. They all work on one colour set
// (TGridLookColors) shared with the control look; the grid's own colour
// properties are copied into it before each change and back afterwards, so
// that a colour the user set stays unless the change itself writes it.

#include <QApplication>

#include "controls/grid/string_grid/ex_string_grid.h"
#include "controls/grid/dragdrop/grid_drag_drop.h"
#include "controls/grid/paint/grid_draw_utils.h"
#include "controls/grid/paint/theme_notifier.h"

namespace grid {

void TExStringGrid::PullLookColors()
{
    paint::TGridLookColors& c = FLookColors;
    c.Color = Color();
    c.FontColor = Font().Color;
    c.FontName.clear();
    c.FixedColor = FixedColor();
    c.FixedFontColor = FFixedFont.Color;
    c.FixedFontName.clear();
    c.ActiveCellColor = ActiveCellColor;
    c.ActiveCellColorTo = ActiveCellColorTo;
    c.SelectionColor = SelectionColor;
    c.SelectionColorTo = SelectionColorTo;
    c.SelectionMirrorColor = SelectionMirrorColor;
    c.SelectionMirrorColorTo = SelectionMirrorColorTo;
    c.SelectionTextColor = SelectionTextColor;
    c.SelectionStyle = SelectionStyle();
    c.GridLineColor = GridLineColor();
    c.GridFixedLineColor = GridFixedLineColor();
    c.BorderColor = FBorderColor;
    c.SortHeaderColor = FSortSettings.HeaderColor();
    c.SortHeaderColorTo = FSortSettings.HeaderColorTo();
    c.SortHeaderMirrorColor = FSortSettings.HeaderMirrorColor();
    c.SortHeaderMirrorColorTo = FSortSettings.HeaderMirrorColorTo();
}

void TExStringGrid::PushLookColors()
{
    const paint::TGridLookColors& c = FLookColors;
    SetColor(c.Color);
    TCellFont font = Font();
    font.Color = c.FontColor;
    if (!c.FontName.isEmpty()) font.Name = c.FontName;
    SetFont(font);
    SetFixedColor(c.FixedColor);
    FFixedFont.Color = c.FixedFontColor;
    if (!c.FixedFontName.isEmpty()) FFixedFont.Name = c.FixedFontName;
    ActiveCellColor = c.ActiveCellColor;
    ActiveCellColorTo = c.ActiveCellColorTo;
    SelectionColor = c.SelectionColor;
    SelectionColorTo = c.SelectionColorTo;
    SelectionMirrorColor = c.SelectionMirrorColor;
    SelectionMirrorColorTo = c.SelectionMirrorColorTo;
    SelectionTextColor = c.SelectionTextColor;
    SetSelectionStyle(c.SelectionStyle);
    SetGridLineColor(c.GridLineColor);
    SetGridFixedLineColor(c.GridFixedLineColor);
    SetBorderColor(c.BorderColor);
    FSortSettings.SetHeaderColor(c.SortHeaderColor);
    FSortSettings.SetHeaderColorTo(c.SortHeaderColorTo);
    FSortSettings.SetHeaderMirrorColor(c.SortHeaderMirrorColor);
    FSortSettings.SetHeaderMirrorColorTo(c.SortHeaderMirrorColorTo);
    // A look or style may switch the thin scroll bars on or off.
    if (FDragDrop) SetScrollType(c.ScrollType);
    // ... and the flat border, with or without a new border colour.
    UpdateFrameStyle();
}

const paint::TGridLookColors& TExStringGrid::LookColors()
{
    PullLookColors();
    return FLookColors;
}

void TExStringGrid::SetLook(TGridLook value)
{
    PullLookColors();
    FLooks.Loading = IsLoading();
    if (FLooks.SetLook(value)) PushLookColors();
    FLooks.Loading = false;
    UpdateFrameStyle();
}

void TExStringGrid::SetComponentStyle(paint::TQVRStyle value)
{
    PullLookColors();
    FLooks.SetComponentStyle(value);
    PushLookColors();
}

void TExStringGrid::SetStyle(int style)
{
    PullLookColors();
    FLooks.SetStyle(style);
    PushLookColors();
    RepaintGrid();
}

void TExStringGrid::SetTheme(paint::TXPColorScheme scheme)
{
    PullLookColors();
    FLooks.SetTheme(scheme);
    PushLookColors();
}

void TExStringGrid::SetColorTones(const paint::TColorTones& tones)
{
    PullLookColors();
    FLooks.SetColorTones(tones, paint::DefaultUIFontName());
    PushLookColors();
    ApplyEditorTones();
}

bool TExStringGrid::UpdateOfficeTheme(paint::TOfficeTheme theme)
{
    PullLookColors();
    const bool applied = FLooks.UpdateOfficeTheme(theme);
    if (applied) PushLookColors();
    return applied;
}

void TExStringGrid::SetAutoThemeAdapt(bool value)
{
    if (value == FAutoThemeAdapt) return;
    FAutoThemeAdapt = value;
    paint::TThemeNotifier* notifier = paint::GetThemeNotifier(this);
    if (value) {
        notifier->RegisterWindow(this);
        UpdateOfficeTheme(paint::GetOfficeTheme());
    } else {
        notifier->UnRegisterWindow(this);
    }
}

void TExStringGrid::SetFlat(bool value)
{
    if (value == FLookColors.Flat) return;
    FLookColors.Flat = value;
    UpdateFrameStyle();
    RepaintGrid();
}

void TExStringGrid::SetFixedHover(int ACol, int ARow, bool MouseDown, bool DropDownDown)
{
    if (ACol == FHoverFixedX && ARow == FHoverFixedY && MouseDown == FMouseDownMove && DropDownDown == FDropDownDown)
        return;
    const int oldX = FHoverFixedX, oldY = FHoverFixedY;
    FHoverFixedX = ACol;
    FHoverFixedY = ARow;
    FMouseDownMove = MouseDown;
    FDropDownDown = DropDownDown;
    if (oldX >= 0 && oldY >= 0) InvalidateCell(oldX, oldY);
    if (ACol >= 0 && ARow >= 0) InvalidateCell(ACol, ARow);
}

void TExStringGrid::SetFixedFont(const TCellFont& value)
{
    FFixedFont = value;
    RepaintGrid();
}

void TExStringGrid::SetActiveCellFont(const TCellFont& value)
{
    FActiveCellFont = value;
    RepaintGrid();
}

void TExStringGrid::RescaleControl(int M, int D)
{
    if (IsDesigning() || M == D || D == 0) return;
    // M x size / D, to the nearest point.
    auto scale = [M, D](int size) {
        const int64_t twice = int64_t(M) * size * 2;
        const int64_t d = int64_t(D) * 2;
        return int(twice >= 0 ? (twice + D) / d : (twice - D) / d);
    };
    TCellFont fixed = FFixedFont;
    fixed.Size = scale(fixed.Size);
    TCellFont active = FActiveCellFont;
    active.Size = scale(active.Size);
    FFixedFont = fixed;
    SetActiveCellFont(active);
}

void TExStringGrid::SetActiveCellShow(bool value)
{
    if (value == FActiveCellShow) return;
    FActiveCellShow = value;
    RepaintGrid();
}

void TExStringGrid::SetShowSelection(bool value)
{
    SetShowSel(value);
    RepaintGrid();
}

void TExStringGrid::GetCellAlignment(int ACol, int ARow, TAlignment& HA, TVAlignment& VA)
{
    HA = FDefaultAlignment;
    VA = VAlignment;
    if (const TCellProperties* props = HasCellProperties(ACol, ARow) ? CellPropertiesOrNull(ACol, ARow) : nullptr) {
        HA = props->Alignment();
        VA = props->VAlignment();
    }
    GetAlignment(ACol, ARow, HA, VA);
}

// ------------------------------------------------------------ wiring

void TExStringGrid::SetUpDrawServices()
{
    PushLookColors();
    FControlLook.SetControlStyle(csWinXP);
    FControlLook.OnRepaint = [this] { RepaintGrid(); };
    FLooks.OnRepaint = [this] { Invalidate(); };
    FBackGround.OnRepaint = [this] { RepaintGrid(); };
    InstallFlatFramePainter();

    FDrawServices.DrawCellButton = [this](platform::TCanvas& c, const platform::TRect& r, int state, int look) {
        DrawCellButton(c, r, FLookColors.Tones, state, look);
    };
    FDrawServices.DrawXPProgressBar = [this](platform::TCanvas& c, const platform::TRect& r, int percent) {
        TProgressAppearanceRecord look;
        const TGridProgressAppearance& a = FProgressAppearance;
        look.Level0Color = a.Level0Color();
        look.Level0ColorTo = a.Level0ColorTo();
        look.Level1Color = a.Level1Color();
        look.Level1ColorTo = a.Level1ColorTo();
        look.Level2Color = a.Level2Color();
        look.Level2ColorTo = a.Level2ColorTo();
        look.Level3Color = a.Level3Color();
        look.Level3ColorTo = a.Level3ColorTo();
        look.Level1Perc = a.Level1Perc();
        look.Level2Perc = a.Level2Perc();
        look.BorderColor = a.BorderColor();
        look.ShowBorder = a.ShowBorder();
        look.Stacked = a.Stacked();
        look.ShowPercentage = a.ShowPercentage();
        look.Font = ToCanvasFont(Font());
        look.CompleteFontColor = a.CompleteFontColor();
        look.CompletionSmooth = a.CompletionSmooth();
        look.ShowGradient = a.ShowGradient();
        look.Steps = a.Steps();
        if (a.UnCompleteColor() != clNone) look.UnCompleteColor = a.UnCompleteColor();
        DrawXPProgressBar(c, r, percent, look);
    };
    FDrawServices.DrawProgressPie = [](platform::TCanvas& c, const platform::TRect& r, TColor color, int percent) {
        DrawProgressPie(c, r, color, false, percent);
    };
    FDrawServices.RotatedTextPos = [this](const platform::TRect& r, int angle, TVAlignment va, TAlignment ha,
                                          const QString& text) {
        platform::TRect at = r;
        GetRotatedTextPos(at, angle, text, int(ha), int(va));
        return QPoint(at.Left, at.Top);
    };
    FDrawServices.DrawCellShape = [](platform::TCanvas& c, int x, int y, TColor line, TColor fill,
                                     paint::TCellShape shape, int w, int h) {
        DrawCellShape(c, x, y, line, fill, uint8_t(shape), w, h);
    };
}

}  // namespace grid
