#pragma once

// The settings behind the header and footer bars of a drop-down's pop-up:
// the look of each bar with its list of button items, and the colours of
// the bar buttons by state. Each owner keeps its own copy; Assign copies.

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include <QString>

#include "controls/dropdown/base/dropdown_draw.h"
#include "platform/canvas.h"
#include "platform/colors.h"
#include "platform/modal_result.h"

namespace dropdown {

enum TButtonAlignment : uint8_t { baLeft, baRight };

class TBarButtonsBase;

// One button item of a bar. Caption, Enabled and Width tell the collection
// when they change; Height and ImageIndex do not.
class TBarButtonItem {
public:
    explicit TBarButtonItem(TBarButtonsBase* collection) : FCollection(collection) {}
    virtual ~TBarButtonItem() = default;
    TBarButtonItem(const TBarButtonItem&) = delete;
    TBarButtonItem& operator=(const TBarButtonItem&) = delete;

    QString Caption() const { return FCaption; }
    void SetCaption(const QString& value);
    int ImageIndex() const { return FImageIndex; }
    void SetImageIndex(int value) { FImageIndex = value; }
    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool value);
    // 0: the size the button's contents need.
    int Width() const { return FWidth; }
    void SetWidth(int value);
    int Height() const { return FHeight; }
    void SetHeight(int value) { FHeight = value; }
    // The modal result a button of this item hands its pop-up (footer items only).
    virtual platform::TModalResult ModalResult() const { return platform::mrNone; }

protected:
    void AssignItem(const TBarButtonItem& source);

private:
    void Changed();

    TBarButtonsBase* FCollection;
    QString FCaption;
    int FImageIndex = -1;
    bool FEnabled = true;
    int FHeight = 0;
    int FWidth = 0;
};

class THeaderButton final : public TBarButtonItem {
public:
    using TBarButtonItem::TBarButtonItem;
    void Assign(const THeaderButton& source) { AssignItem(source); }
};

class TFooterButton final : public TBarButtonItem {
public:
    using TBarButtonItem::TBarButtonItem;
    platform::TModalResult ModalResult() const override { return FModalResult; }
    void SetModalResult(platform::TModalResult value) { FModalResult = value; }
    void Assign(const TFooterButton& source);

private:
    platform::TModalResult FModalResult = platform::mrNone;
};

class TBarButtonsBase {
public:
    virtual ~TBarButtonsBase() = default;
    virtual int Count() const = 0;
    virtual const TBarButtonItem& Item(int index) const = 0;
    // Raised when an item's Caption, Enabled or Width changes.
    std::function<void()> OnChange;

private:
    friend class TBarButtonItem;
    void Changed()
    {
        if (OnChange) OnChange();
    }
};

// The button items of a bar, in order.
template <class TItem>
class TBarButtons final : public TBarButtonsBase {
public:
    TBarButtons() = default;
    TBarButtons(const TBarButtons&) = delete;
    TBarButtons& operator=(const TBarButtons&) = delete;

    int Count() const override { return int(FItems.size()); }
    const TBarButtonItem& Item(int index) const override { return *FItems.at(size_t(index)); }
    TItem& operator[](int index) { return *FItems.at(size_t(index)); }
    const TItem& operator[](int index) const { return *FItems.at(size_t(index)); }
    TItem& Add() { return Insert(Count()); }
    TItem& Insert(int index)
    {
        auto item = std::make_unique<TItem>(this);
        TItem& added = *item;
        FItems.insert(FItems.begin() + index, std::move(item));
        return added;
    }
    void Delete(int index) { FItems.erase(FItems.begin() + index); }
    void Clear() { FItems.clear(); }
    // A copy of the source's items.
    void Assign(const TBarButtons& source)
    {
        if (&source == this) return;
        Clear();
        for (const auto& item : source.FItems) Add().Assign(*item);
    }

private:
    std::vector<std::unique_ptr<TItem>> FItems;
};

using THeaderButtons = TBarButtons<THeaderButton>;
using TFooterButtons = TBarButtons<TFooterButton>;

// The look of a bar. Only Visible tells OnChange, and only when it changes;
// every other property is stored silently.
class TBarAppearance {
public:
    virtual ~TBarAppearance() = default;
    TBarAppearance(const TBarAppearance&) = delete;
    TBarAppearance& operator=(const TBarAppearance&) = delete;

    bool Visible() const { return FVisible; }
    void SetVisible(bool value);
    int Height() const { return FHeight; }
    void SetHeight(int value) { FHeight = value; }
    int BorderWidth() const { return FBorderWidth; }
    void SetBorderWidth(int value) { FBorderWidth = value; }
    int ImageIndex() const { return FImageIndex; }
    void SetImageIndex(int value) { FImageIndex = value; }
    // Mini-HTML text.
    QString Caption() const { return FCaption; }
    void SetCaption(const QString& value) { FCaption = value; }
    TColor Color() const { return FColor; }
    void SetColor(TColor value) { FColor = value; }
    TColor ColorTo() const { return FColorTo; }
    void SetColorTo(TColor value) { FColorTo = value; }
    TColor BorderColor() const { return FBorderColor; }
    void SetBorderColor(TColor value) { FBorderColor = value; }
    const platform::TFont& Font() const { return FFont; }
    platform::TFont& Font() { return FFont; }
    void SetFont(const platform::TFont& value) { FFont = value; }
    TGradientDirection GradientDirection() const { return FGradientDirection; }
    void SetGradientDirection(TGradientDirection value) { FGradientDirection = value; }
    TButtonAlignment ButtonAlignment() const { return FButtonAlignment; }
    void SetButtonAlignment(TButtonAlignment value) { FButtonAlignment = value; }

    virtual const TBarButtonsBase& ButtonItems() const = 0;

    // Raised when Visible changes.
    std::function<void()> OnChange;
    // Raised when a button item changes.
    std::function<void()> OnButtonsChanged;

protected:
    TBarAppearance();
    void WireButtons(TBarButtonsBase& buttons);
    // The colours, font and gradient direction of the source; no notification.
    void AssignColorsFrom(const TBarAppearance& source);
    // Every property of the look; Visible through its setter.
    void AssignLookFrom(const TBarAppearance& source);

private:
    bool FVisible = true;
    int FHeight = 22;
    int FBorderWidth = 1;
    int FImageIndex = -1;
    QString FCaption;
    TColor FColor = clSilver;
    TColor FColorTo = clWhite;
    TColor FBorderColor = clBlack;
    platform::TFont FFont;
    TGradientDirection FGradientDirection = gdVertical;
    TButtonAlignment FButtonAlignment = baRight;
};

class THeaderAppearance final : public TBarAppearance {
public:
    THeaderAppearance();

    THeaderButtons& Buttons() { return FButtons; }
    const THeaderButtons& Buttons() const { return FButtons; }
    void SetButtons(const THeaderButtons& value) { FButtons.Assign(value); }
    const TBarButtonsBase& ButtonItems() const override { return FButtons; }

    void Assign(const THeaderAppearance& source);
    void AssignColors(const THeaderAppearance& source) { AssignColorsFrom(source); }

private:
    THeaderButtons FButtons;
};

class TFooterAppearance final : public TBarAppearance {
public:
    TFooterAppearance();

    // The size grip is drawn, and room kept for it, while the pop-up is sizeable.
    bool SizeGrip() const { return FSizeGrip; }
    void SetSizeGrip(bool value) { FSizeGrip = value; }
    TFooterButtons& Buttons() { return FButtons; }
    const TFooterButtons& Buttons() const { return FButtons; }
    void SetButtons(const TFooterButtons& value) { FButtons.Assign(value); }
    const TBarButtonsBase& ButtonItems() const override { return FButtons; }

    void Assign(const TFooterAppearance& source);
    void AssignColors(const TFooterAppearance& source) { AssignColorsFrom(source); }

private:
    bool FSizeGrip = true;
    TFooterButtons FButtons;
};

// The colours and font of the bar buttons by state. Every colour setter and
// the Gradient setter tell OnChange when the value changes.
class TExButtonAppearance {
public:
    TExButtonAppearance();
    TExButtonAppearance(const TExButtonAppearance&) = delete;
    TExButtonAppearance& operator=(const TExButtonAppearance&) = delete;

    TColor BorderColor() const { return FBorderColor; }
    void SetBorderColor(TColor value) { Store(FBorderColor, value); }
    TColor BorderColorHot() const { return FBorderColorHot; }
    void SetBorderColorHot(TColor value) { Store(FBorderColorHot, value); }
    TColor BorderColorDown() const { return FBorderColorDown; }
    void SetBorderColorDown(TColor value) { Store(FBorderColorDown, value); }
    TColor BorderColorDisabled() const { return FBorderColorDisabled; }
    void SetBorderColorDisabled(TColor value) { Store(FBorderColorDisabled, value); }
    TColor BorderColorChecked() const { return FBorderColorChecked; }
    void SetBorderColorChecked(TColor value) { Store(FBorderColorChecked, value); }
    TColor Color() const { return FColor; }
    void SetColor(TColor value) { Store(FColor, value); }
    TColor ColorTo() const { return FColorTo; }
    void SetColorTo(TColor value) { Store(FColorTo, value); }
    TColor ColorDown() const { return FColorDown; }
    void SetColorDown(TColor value) { Store(FColorDown, value); }
    TColor ColorDownTo() const { return FColorDownTo; }
    void SetColorDownTo(TColor value) { Store(FColorDownTo, value); }
    TColor ColorHot() const { return FColorHot; }
    void SetColorHot(TColor value) { Store(FColorHot, value); }
    TColor ColorHotTo() const { return FColorHotTo; }
    void SetColorHotTo(TColor value) { Store(FColorHotTo, value); }
    TColor ColorChecked() const { return FColorChecked; }
    void SetColorChecked(TColor value) { Store(FColorChecked, value); }
    TColor ColorCheckedTo() const { return FColorCheckedTo; }
    void SetColorCheckedTo(TColor value) { Store(FColorCheckedTo, value); }
    TColor ColorDisabled() const { return FColorDisabled; }
    void SetColorDisabled(TColor value) { Store(FColorDisabled, value); }
    TColor ColorDisabledTo() const { return FColorDisabledTo; }
    void SetColorDisabledTo(TColor value) { Store(FColorDisabledTo, value); }
    TGradientDirection Gradient() const { return FGradient; }
    void SetGradient(TGradientDirection value);
    const platform::TFont& Font() const { return FFont; }
    void SetFont(const platform::TFont& value) { FFont = value; }

    // Every colour and the gradient through the setters; the font stays.
    void Assign(const TExButtonAppearance& source);

    std::function<void()> OnChange;

private:
    void Store(TColor& field, TColor value);

    TColor FBorderColor = clNone;
    TColor FBorderColorHot = clGray;
    TColor FBorderColorDown = clNavy;
    TColor FBorderColorDisabled = clGray;
    TColor FBorderColorChecked = clBlue;
    TColor FColor = clNone;
    TColor FColorTo = clNone;
    TColor FColorDown = 0xF5D8CA;
    TColor FColorDownTo = 0xF9BDA0;
    TColor FColorHot = 0xF5F0E1;
    TColor FColorHotTo = 0xF9D2B2;
    TColor FColorCheckedTo;
    TColor FColorDisabled = 0xF2F2F2;
    TColor FColorDisabledTo = clNone;
    TColor FColorChecked;
    TGradientDirection FGradient = gdVertical;
    platform::TFont FFont;
};

}  // namespace dropdown
