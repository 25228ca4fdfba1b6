#include "controls/dropdown/colors/color_picker_dropdown.h"

#include <QPainter>
#include <QScrollBar>
#include <QStyle>

#include "controls/dropdown/base/dropdown_bars.h"
#include "controls/dropdown/base/dropdown_form.h"
#include "controls/dropdown/base/guarded.h"
#include "controls/dropdown/colors/color_cube_panel.h"
#include "controls/dropdown/colors/color_selector.h"
#include "controls/dropdown/colors/color_spectrum_panel.h"
#include "controls/dropdown/colors/color_tables.h"
#include "controls/dropdown/item_list/list_picker_keys.h"
#include "controls/grid/scoped_value.h"
#include "platform/canvas.h"

namespace dropdown {

using platform::TRect;
using platform::Word;

TExColorPickerDropDown::TExColorPickerDropDown(QWidget* parent) : TExCustomDropDown(parent)
{
    // The base made the pop-up form; the list of the first style lives from now on.
    FConstructed = true;
    CreateDropDownForm();
    SetEditorEnabled(false);
    SetDropDownEnabled(true);
    SetDropDownHeight(200);
    DropDownHeader().SetVisible(false);
    DropDownFooter().SetVisible(false);
    setCursor(Qt::ArrowCursor);
}

TExColorPickerDropDown::~TExColorPickerDropDown() = default;

template <class Action>
void TExColorPickerDropDown::Internal(Action&& action)
{
    grid::TScopedValue<bool> internal(FInternalCall, true);
    action();
}

void TExColorPickerDropDown::AddDefaultColors()
{
    for (const TNamedColor& c : DefaultNamedColors()) {
        TColorItem item;
        item.Caption = QString::fromLatin1(c.Name);
        item.Color = c.Color;
        FColors.push_back(item);
    }
}

void TExColorPickerDropDown::SetItemIndex(int Value)
{
    if (Value >= int(FColors.size())) return;
    FItemIndex = Value;
    if (Value >= 0) FSelectedColor = FColors[size_t(Value)].Color;
    update();
    if (OnSelect) OnSelect(this);
}

void TExColorPickerDropDown::SetSelectedColor(TColor Value)
{
    if (Value == FSelectedColor) return;
    FSelectedColor = Value;
    int found = -1;
    for (size_t i = 0; i < FColors.size() && found < 0; ++i)
        if (FColors[i].Color == Value) found = int(i);
    SetItemIndex(found);
    update();
}

void TExColorPickerDropDown::SetColorValueText(TColorValueText value)
{
    FColorValueText = value;
    update();
}

void TExColorPickerDropDown::SetShowText(bool value)
{
    if (FShowText == value) return;
    FShowText = value;
    update();
}

void TExColorPickerDropDown::Step(picklist::TPickerStep step)
{
    if (const auto index = picklist::SteppedIndex(step, FItemIndex, int(FColors.size()))) SetItemIndex(*index);
}

QString TExColorPickerDropDown::GetSelectedColorText() const
{
    if (FColorSelectionStyle == csList && FItemIndex >= 0 && FItemIndex < int(FColors.size()))
        return FColors[size_t(FItemIndex)].Caption;
    return dropdown::ColorValueText(FSelectedColor, FColorValueText);
}

// ----- the hosted controls

void TExColorPickerDropDown::EnsureControl(TColorSelectionStyle style)
{
    QWidget* form = DropDownForm();
    if (!form) return;
    QWidget* control = nullptr;
    switch (style) {
    case csList:
        if (!FItemSelector) {
            FItemSelector = new TExCustomItemSelector(form);
            FItemSelector->SetSelectorType(stColor);
            FItemSelector->resize(FItemSelector->width(), 150);
        }
        FItemSelector->SetColor(DropDownColor());
        FItemSelector->UpdateSelectorPanel();
        control = FItemSelector;
        break;
    case csDiscrete:
        if (!FColorSelector) {
            FColorSelector = new TCustomColorSelector(form);
            FColorSelector->AddDefaultColorBoxes();
        }
        FColorSelector->SetColor(DropDownColor());
        FColorSelector->UpdateSize();
        control = FColorSelector;
        break;
    case csColorCube:
        if (!FColorCubePanel) FColorCubePanel = new TExColorCubePanel(form);
        FColorCubePanel->SetColor(DropDownColor());
        control = FColorCubePanel;
        break;
    case csSpectrum:
        if (!FSpectrumPanel) FSpectrumPanel = new TExColorSpectrumPanel(form);
        FSpectrumPanel->SetColor(DropDownColor());
        control = FSpectrumPanel;
        break;
    }
    control->move(0, 0);
    SetControl(control);
}

void TExColorPickerDropDown::CreateDropDownForm()
{
    TExCustomDropDown::CreateDropDownForm();
    if (FConstructed) EnsureControl(FColorSelectionStyle);
}

void TExColorPickerDropDown::PrepareControl()
{
    EnsureControl(FColorSelectionStyle);
    QWidget* shown = Control();
    for (QWidget* w : std::initializer_list<QWidget*>{FItemSelector, FColorSelector, FColorCubePanel, FSpectrumPanel})
        if (w && w != shown) w->hide();
    switch (FColorSelectionStyle) {
    case csList:
        UpdateItemSelector();
        if (OnDrawColor)
            FItemSelector->OnDrawItem = [this](QObject*, platform::TCanvas& canvas, const TRect& r, int index) {
                OnDrawColor(this, canvas, r, index);
            };
        else
            FItemSelector->OnDrawItem = nullptr;
        FOldItemIndex = FItemIndex;
        break;
    case csDiscrete:
        FColorSelector->SetSelectedColor(FSelectedColor);
        FColorSelector->UpdateSize();
        FColorSelector->OnItemSelect = [this](QObject*) { ColorSelectorSelect(); };
        FColorSelector->SetItemColorStyle(SelectionColorStyle());
        break;
    case csColorCube:
        FColorCubePanel->SetSelectedColor(FSelectedColor);
        FColorCubePanel->InitializeCube();
        FColorCubePanel->Reset();
        FColorCubePanel->OnSelect = [this](QObject*) { PanelSelect(FColorCubePanel->SelectedColor()); };
        break;
    case csSpectrum:
        FSpectrumPanel->SetSelectedColor(FSelectedColor);
        FSpectrumPanel->UpdateLayout();
        FSpectrumPanel->OnSelect = [this](QObject*) { PanelSelect(FSpectrumPanel->SelectedColor()); };
        break;
    }
    shown->show();
    FOldSelectedColor = FSelectedColor;
}

void TExColorPickerDropDown::BeforeDropDown()
{
    TExCustomDropDown::BeforeDropDown();
    PrepareControl();
}

void TExColorPickerDropDown::SetColorSelectionStyle(TColorSelectionStyle value)
{
    if (FColorSelectionStyle == value) return;
    FColorSelectionStyle = value;
    PrepareControl();
    SizeDropDownForm();
    if (DropDownForm()) DropDownForm()->update();
}

void TExColorPickerDropDown::UpdateItemSelector()
{
    if (!FItemSelector) return;
    TExCustomItemSelector& s = *FItemSelector;
    picklist::BeginFill(s, FColumns, Images(), FLayout, DropDownColor(), FItemAppearance);
    for (const TColorItem& c : FColors) {
        TSelectorItem& item = s.Items().Add();
        item.Caption = c.Caption;
        item.Color = c.Color;
        item.Hint = c.Hint;
        item.Enabled = c.Enabled;
    }
    s.SetColorBoxHeight(FColorBoxHeight);
    s.SetColorBoxWidth(FColorBoxWidth);
    picklist::EndFill(s, FItemIndex, [this](QObject*) { ItemSelectorSelect(); });
}

void TExColorPickerDropDown::SizeItemSelector()
{
    picklist::FitSelectorToContent(*FItemSelector, DropDownWidth(), DropDownHeight(), DropDownBorderWidth());
    TExCustomDropDown::SizeDropDownForm();
}

void TExColorPickerDropDown::SizeDropDownForm()
{
    TDropDownForm* form = DropDownForm();
    if (!form) return;
    if (FColorSelectionStyle == csList) {
        if (FItemSelector)
            SizeItemSelector();
        else
            TExCustomDropDown::SizeDropDownForm();
        return;
    }
    QWidget* control = Control();
    const bool shown = control && !control->isHidden();
    const int border = DropDownBorderWidth();
    int h = 2 * border;
    if (DropDownHeader().Visible() && form->Header()) h += form->Header()->height();
    if (DropDownFooter().Visible() && form->Footer()) h += form->Footer()->height();
    if (shown) h += control->height();
    form->resize(shown ? control->width() + 2 * border : width(), h);
}

void TExColorPickerDropDown::PlaceDropDownControl()
{
    TExCustomDropDown::PlaceDropDownControl();
    if (DropDownForm() && FColorSelectionStyle != csList) DropDownForm()->Sizeable = false;
}

void TExColorPickerDropDown::DropDownFormDestroyed()
{
    FItemSelector = nullptr;
    FColorSelector = nullptr;
    FColorCubePanel = nullptr;
    FSpectrumPanel = nullptr;
}

// ----- selections in the pop-up

void TExColorPickerDropDown::ItemSelectorSelect()
{
    SetItemIndex(FItemSelector->ItemIndex());
    if (!FInternalCall) DoHideDropDown(false);
}

void TExColorPickerDropDown::ColorSelectorSelect()
{
    SetSelectedColor(FColorSelector->SelectedColor());
    SetItemIndex(-1);
    if (!FInternalCall) DoHideDropDown(false);
}

void TExColorPickerDropDown::PanelSelect(TColor color)
{
    SetSelectedColor(color);
    SetItemIndex(-1);
    DoHideDropDown(false);
}

void TExColorPickerDropDown::DoHideDropDown(bool Cancelled)
{
    TExCustomDropDown::DoHideDropDown(Cancelled);
    if (!Cancelled) return;
    if (FColorSelectionStyle == csList && FItemSelector)
        SetItemIndex(FOldItemIndex);
    else if (FColorSelectionStyle == csDiscrete && FColorSelector)
        FColorSelector->SetSelectedColor(FOldSelectedColor);
}

// ----- keys and wheel

picklist::TListKeyContext TExColorPickerDropDown::ListKeys()
{
    return picklist::TListKeyContext{
        .Selector = *FItemSelector,
        .Open = DroppedDown(),
        .EditorEnabled = EditorEnabled(),
        .RowStep = FColumns,
        .ItemCount = int(FColors.size()),
        .Refill = [this] { UpdateItemSelector(); },
        .Step = picklist::StepsOf(*this),
        .InternalCall = FInternalCall,
        .Search = FTypeAhead,
    };
}

void TExColorPickerDropDown::HandleKeyDownMessage(Word& key)
{
    using namespace platform;
    const Word pressed = key;
    bool handled = false;
    if (isEnabled() && DroppedDown() && pressed == VK_RETURN) {
        if (FColorSelectionStyle == csList && FItemSelector && FItemSelector->ItemHot() >= 0) {
            FItemSelector->SetItemIndex(FItemSelector->ItemHot());
            handled = true;
        } else if (FColorSelectionStyle == csDiscrete && FColorSelector && FColorSelector->ItemHot() >= 0) {
            FColorSelector->SetItemIndex(FColorSelector->ItemHot());
            handled = true;
        }
    }
    TExCustomDropDown::HandleKeyDownMessage(key);
    if (!isEnabled() || isKeyDown(VK_MENU)) return;
    if (FColorSelectionStyle == csList && FItemSelector) {
        if (pressed == VK_RETURN) {
            if (!handled && OnSelect) OnSelect(this);
            return;
        }
        picklist::TListKeyContext c = ListKeys();
        picklist::ListPickerKey(pressed, c);
    } else if (FColorSelectionStyle == csDiscrete && FColorSelector) {
        Internal([&] { FColorSelector->HandleKey(pressed, EditorEnabled(), DroppedDown()); });
        if (pressed == VK_RETURN && !handled && OnSelect) OnSelect(this);
    }
}

void TExColorPickerDropDown::HandleMouseWheelDown(platform::TShiftState shift, QPoint mousePos, bool& handled)
{
    TExCustomDropDown::HandleMouseWheelDown(shift, mousePos, handled);
    if (!isEnabled() || ReadOnly()) return;
    if (FColorSelectionStyle == csList && FItemSelector) {
        picklist::TListKeyContext c = ListKeys();
        picklist::ListPickerWheel(true, c);
    } else if (FColorSelectionStyle == csDiscrete && FColorSelector) {
        if (DroppedDown())
            FColorSelector->HotNext();
        else
            Internal([&] { FColorSelector->SelectNext(); });
    }
}

void TExColorPickerDropDown::HandleMouseWheelUp(platform::TShiftState shift, QPoint mousePos, bool& handled)
{
    TExCustomDropDown::HandleMouseWheelUp(shift, mousePos, handled);
    if (!isEnabled() || ReadOnly()) return;
    if (FColorSelectionStyle == csList && FItemSelector) {
        picklist::TListKeyContext c = ListKeys();
        picklist::ListPickerWheel(false, c);
    } else if (FColorSelectionStyle == csDiscrete && FColorSelector) {
        if (DroppedDown())
            FColorSelector->HotPrevious();
        else
            Internal([&] { FColorSelector->SelectPrevious(); });
    }
}

// ----- styles

void TExColorPickerDropDown::SetSelectionColorStyle(TSelectionColorStyle style)
{
    TExCustomDropDown::SetSelectionColorStyle(style);
    if (FItemSelector) FItemSelector->ItemAppearance().SetColorStyle(style);
}

void TExColorPickerDropDown::SetComponentStyle(TQVRStyle style)
{
    TExCustomDropDown::SetComponentStyle(style);
    if (const auto preset = ItemAppearancePreset(style)) {
        FItemAppearance.ColorHot = preset->ColorHot;
        FItemAppearance.ColorHotTo = preset->ColorHotTo;
        FItemAppearance.ColorMirrorHot = preset->ColorMirrorHot;
        FItemAppearance.ColorMirrorHotTo = preset->ColorMirrorHotTo;
        FItemAppearance.ColorSelected = preset->ColorSelected;
        FItemAppearance.ColorSelectedTo = preset->ColorSelectedTo;
        FItemAppearance.ColorMirrorSelected = preset->ColorMirrorSelected;
        FItemAppearance.ColorMirrorSelectedTo = preset->ColorMirrorSelectedTo;
        FItemAppearance.BorderColor = preset->BorderColor;
        FItemAppearance.BorderColorTop = preset->BorderColorTop;
        FItemAppearance.BorderColorBottom = preset->BorderColorBottom;
        FItemAppearance.EdgeColor = preset->EdgeColor;
        FItemAppearance.ColorSelectedText = preset->ColorSelectedText;
        FItemAppearance.BorderColorHot = preset->BorderColorHot;
        FItemAppearance.BorderColorSelected = preset->BorderColorSelected;
        FItemAppearance.ColorHotText = preset->ColorHotText;
    }
}

// ----- painting

void TExColorPickerDropDown::DrawSelectedColor(platform::TCanvas& canvas)
{
    const TRect r(1, 1, width() - DropDownButtonWidth() - 2, height() - 2);
    if (OnDrawSelectedColor) {
        OnDrawSelectedColor(this, canvas, r);
        return;
    }
    if (FSelectedColor == clNone) return;
    const int left = r.Left + 4, top = r.Top + (height() - FColorBoxHeight) / 2;
    canvas.Pen.Color = clBlack;
    canvas.Brush.Color = FSelectedColor;
    canvas.Brush.Style = Qt::SolidPattern;
    canvas.Rectangle(TRect(left, top, left + FColorBoxWidth, top + FColorBoxHeight));
    if (!FShowText) return;
    const bool focused = hasFocus();
    canvas.Font = platform::TFont(font(), !EditorEnabled() && focused ? clHighlightText : clWindowText);
    canvas.Brush.Color = focused ? clHighlight : ColorFromQColor(palette().color(QPalette::Base));
    TRect text(left + FColorBoxWidth + 4, r.Top, r.Right, r.Bottom);
    canvas.DrawText(GetSelectedColorText(), text,
                    platform::DT_SINGLELINE | platform::DT_VCENTER | platform::DT_LEFT | platform::DT_END_ELLIPSIS |
                        platform::DT_NOPREFIX);
}

void TExColorPickerDropDown::paintEvent(QPaintEvent* event)
{
    TExCustomDropDown::paintEvent(event);
    Guarded([&] {
        QPainter painter(this);
        platform::TCanvas canvas(painter);
        DrawSelectedColor(canvas);
    });
}

}  // namespace dropdown
