#include "controls/dropdown/base/bar_appearance.h"

namespace dropdown {

void TBarButtonItem::Changed()
{
    if (FCollection) FCollection->Changed();
}

void TBarButtonItem::SetCaption(const QString& value)
{
    if (FCaption == value) return;
    FCaption = value;
    Changed();
}

void TBarButtonItem::SetEnabled(bool value)
{
    if (FEnabled == value) return;
    FEnabled = value;
    Changed();
}

void TBarButtonItem::SetWidth(int value)
{
    if (FWidth == value) return;
    FWidth = value;
    Changed();
}

void TBarButtonItem::AssignItem(const TBarButtonItem& source)
{
    SetCaption(source.FCaption);
    FImageIndex = source.FImageIndex;
    SetEnabled(source.FEnabled);
    SetWidth(source.FWidth);
    FHeight = source.FHeight;
}

void TFooterButton::Assign(const TFooterButton& source)
{
    AssignItem(source);
    FModalResult = source.FModalResult;
}

TBarAppearance::TBarAppearance() = default;

void TBarAppearance::SetVisible(bool value)
{
    if (FVisible == value) return;
    FVisible = value;
    if (OnChange) OnChange();
}

void TBarAppearance::WireButtons(TBarButtonsBase& buttons)
{
    buttons.OnChange = [this] {
        if (OnButtonsChanged) OnButtonsChanged();
    };
}

void TBarAppearance::AssignColorsFrom(const TBarAppearance& source)
{
    FColorTo = source.FColorTo;
    FColor = source.FColor;
    FBorderColor = source.FBorderColor;
    FFont = source.FFont;
    FGradientDirection = source.FGradientDirection;
}

void TBarAppearance::AssignLookFrom(const TBarAppearance& source)
{
    AssignColorsFrom(source);
    FCaption = source.FCaption;
    FImageIndex = source.FImageIndex;
    FBorderWidth = source.FBorderWidth;
    FHeight = source.FHeight;
    SetVisible(source.FVisible);
    FButtonAlignment = source.FButtonAlignment;
}

THeaderAppearance::THeaderAppearance()
{
    Font().setFamily(QStringLiteral("Tahoma"));
    WireButtons(FButtons);
}

void THeaderAppearance::Assign(const THeaderAppearance& source)
{
    if (&source == this) return;
    AssignLookFrom(source);
    FButtons.Assign(source.FButtons);
}

TFooterAppearance::TFooterAppearance() { WireButtons(FButtons); }

void TFooterAppearance::Assign(const TFooterAppearance& source)
{
    if (&source == this) return;
    FSizeGrip = source.FSizeGrip;
    AssignLookFrom(source);
    FButtons.Assign(source.FButtons);
}

TExButtonAppearance::TExButtonAppearance()
    // The latched colours: the hot ones with red and green at 90 %.
    : FColorCheckedTo(AdjustColor(FColorHotTo, -10, -10, 0)), FColorChecked(AdjustColor(FColorHot, -10, -10, 0))
{
    FFont.setFamily(QStringLiteral("Tahoma"));
}

void TExButtonAppearance::Store(TColor& field, TColor value)
{
    if (field == value) return;
    field = value;
    if (OnChange) OnChange();
}

void TExButtonAppearance::SetGradient(TGradientDirection value)
{
    if (FGradient == value) return;
    FGradient = value;
    if (OnChange) OnChange();
}

void TExButtonAppearance::Assign(const TExButtonAppearance& source)
{
    if (&source == this) return;
    SetColor(source.FColor);
    SetColorTo(source.FColorTo);
    SetColorHot(source.FColorHot);
    SetColorHotTo(source.FColorHotTo);
    SetColorDown(source.FColorDown);
    SetColorDownTo(source.FColorDownTo);
    SetColorChecked(source.FColorChecked);
    SetColorCheckedTo(source.FColorCheckedTo);
    SetColorDisabled(source.FColorDisabled);
    SetColorDisabledTo(source.FColorDisabledTo);
    SetBorderColor(source.FBorderColor);
    SetBorderColorHot(source.FBorderColorHot);
    SetBorderColorDown(source.FBorderColorDown);
    SetBorderColorChecked(source.FBorderColorChecked);
    SetBorderColorDisabled(source.FBorderColorDisabled);
    SetGradient(source.FGradient);
}

}  // namespace dropdown
