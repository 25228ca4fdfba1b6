#pragma once

// The calculator's key pad: 28 keys laid out like a pocket calculator (or,
// for a custom pad, keys placed by their owner), drawn as push buttons, with
// a hot and a pressed key; a click reports the key's index.

#include <array>
#include <functional>
#include <memory>
#include <vector>

#include <QImage>
#include <QPointer>
#include <QString>
#include <QWidget>

#include "controls/dropdown/base/dropdown_draw.h"
#include "controls/dropdown/base/dropdown_styles.h"
#include "controls/dropdown/selector/selector_types.h"
#include "platform/canvas.h"
#include "platform/colors.h"
#include "platform/geometry.h"

class QLineEdit;

namespace dropdown {

class TExCustomDropDown;

// One key.
class TButtonItem {
public:
    QString Caption;
    TColor CaptionColor = clWhite;  // stored; the pad draws captions in the appearance's colours
    int ImageIndex = -1;
    QImage Image;  // preferred to ImageIndex when not null
    int Tag = 0;   // the key's meaning for the calculator
    bool Enabled = true;
    int Left = 0, Top = 0, Width = 0, Height = 0;
    QString Name;
    bool Special = false;  // drawn in the special text colour

    platform::TRect GetRect() const { return {Left, Top, Left + Width, Top + Height}; }
    // Copies caption, caption colour, tag, image index, picture, enabled and
    // name (not the rectangle, not Special).
    void Assign(const TButtonItem& source);
};

class TButtonItems {
public:
    TButtonItem& Add();
    TButtonItem& Insert(int index);
    void Clear();
    int Count() const { return int(FItems.size()); }
    TButtonItem& operator[](int index) { return *FItems[size_t(index)]; }
    const TButtonItem& operator[](int index) const { return *FItems[size_t(index)]; }
    void Assign(const TButtonItems& source);
    // Fired on adding, inserting, clearing and assigning.
    std::function<void()> OnChange;

private:
    void Changed()
    {
        if (OnChange) OnChange();
    }
    std::vector<std::unique_ptr<TButtonItem>> FItems;
};

// The key look. Keys are drawn as the style's push buttons: only Font,
// TextColor and SpecialTextColor change what is seen; the colours are kept
// for the component styles.
class TButtonAppearance {
public:
    TButtonAppearance();
    void Assign(const TButtonAppearance& source);

#define BUTTON_APPEARANCE_COLOR(Name, Initial)                 \
    TColor Name() const { return F##Name; }                  \
    void Set##Name(TColor value)                             \
    {                                                        \
        if (F##Name == value) return;                        \
        F##Name = value;                                     \
        Changed();                                           \
    }
    BUTTON_APPEARANCE_COLOR(BorderColor, clBlack)
    BUTTON_APPEARANCE_COLOR(BorderColorHot, clBlack)
    BUTTON_APPEARANCE_COLOR(BorderColorDown, clBlack)
    BUTTON_APPEARANCE_COLOR(Color, 0x9A915F)
    BUTTON_APPEARANCE_COLOR(ColorTo, 0xB0A170)
    BUTTON_APPEARANCE_COLOR(ColorHot, 0x9F6F1C)
    BUTTON_APPEARANCE_COLOR(ColorHotTo, 0xD5C244)
    BUTTON_APPEARANCE_COLOR(ColorDown, 0x4B2F08)
    BUTTON_APPEARANCE_COLOR(ColorDownTo, 0xADB514)
    BUTTON_APPEARANCE_COLOR(GlowColorHot, 0xD5C244)
    BUTTON_APPEARANCE_COLOR(GlowColorDown, 0xD5C244)
    BUTTON_APPEARANCE_COLOR(TextColor, clBlack)
    BUTTON_APPEARANCE_COLOR(SpecialTextColor, 0x000080)
#undef BUTTON_APPEARANCE_COLOR

    TColor ShineColor() const { return FShineColor; }
    void SetShineColor(TColor value) { FShineColor = value; }
    const QFont& Font() const { return FFont; }
    void SetFont(const QFont& value) { FFont = value; }

    std::function<void()> OnChange;

private:
    void Changed()
    {
        if (OnChange) OnChange();
    }
    TColor FBorderColor = clBlack, FBorderColorHot = clBlack, FBorderColorDown = clBlack;
    TColor FColor = 0x9A915F, FColorTo = 0xB0A170;
    TColor FColorHot = 0x9F6F1C, FColorHotTo = 0xD5C244;
    TColor FColorDown = 0x4B2F08, FColorDownTo = 0xADB514;
    TColor FGlowColorHot = 0xD5C244, FGlowColorDown = 0xD5C244;
    TColor FTextColor = clBlack, FSpecialTextColor = 0x000080;
    TColor FShineColor = clWhite;
    QFont FFont;
};

enum TButtonPanelType : uint8_t { plCalculator, plCustom };

// The standard key of each collection index (caption, name, tag, special).
struct TStandardKey {
    const char* Caption;
    const char* Name;
    int Tag;
    bool Special;
};
constexpr int kCalculatorKeyCount = 28;
extern const std::array<TStandardKey, kCalculatorKeyCount> kCalculatorKeys;

// The rectangles of the 28 standard keys (by collection index) in the area
// the keys take.
std::array<platform::TRect, kCalculatorKeyCount> CalculatorKeyRects(const platform::TRect& area);

class TCustomButtonPanel : public QWidget {
    Q_OBJECT

public:
    explicit TCustomButtonPanel(QWidget* parent = nullptr);
    ~TCustomButtonPanel() override;

    TButtonItems& Buttons() { return FButtons; }
    void SetButtons(const TButtonItems& value) { FButtons.Assign(value); }
    TItemLayout ButtonLayout() const { return FButtonLayout; }
    void SetButtonLayout(TItemLayout value);
    TSelectionColorStyle ItemColorStyle() const { return FItemColorStyle; }
    void SetItemColorStyle(TSelectionColorStyle value) { FItemColorStyle = value; }
    TImageList* Images() const { return FImages; }
    void SetImages(TImageList* value);
    QLineEdit* Edit() const { return FEdit; }
    void SetEdit(QLineEdit* value) { FEdit = value; }
    TButtonPanelType ButtonPanelType() const { return FButtonPanelType; }
    void SetButtonPanelType(TButtonPanelType value);
    TButtonAppearance& ButtonAppearance() { return FButtonAppearance; }
    void SetButtonAppearance(const TButtonAppearance& value) { FButtonAppearance.Assign(value); }
    TExCustomDropDown* ExDropDown() const { return FExDropDown; }
    void SetExDropDown(TExCustomDropDown* value);

    int ButtonHot() const { return FButtonHot; }
    int ButtonDown() const { return FButtonDown; }

    virtual void DrawButton(int index, platform::TCanvas& canvas);
    virtual platform::TRect GetButtonsRect() const;
    virtual QSize GetButtonSize();
    virtual void ClearButtons();
    virtual void ResetButtons();
    virtual void CreateDefaultButtons();
    virtual void ArrangeButtons();
    virtual void InvalidateButton(int index);
    virtual void DoButtonClick(int index);
    void SetHotButton(int index);
    void SetDownButton(int index);
    platform::TRect GetButtonRect(int index) const;
    int ButtonAtPos(int x, int y) const;
    void DrawButtons(platform::TCanvas& canvas, bool withHot);

    std::function<void(QObject* Sender, int Index)> OnButtonClick;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void StandAloneChanged();
    // The key's graphic: its own picture, else its list image (greyed when
    // disabled), else none.
    QImage ButtonGraphic(const TButtonItem& item) const;

    TButtonItems FButtons;
    TItemLayout FButtonLayout = ilCaptionRight;
    TSelectionColorStyle FItemColorStyle = scCustom;
    QPointer<TImageList> FImages;
    QPointer<QLineEdit> FEdit;
    TButtonPanelType FButtonPanelType = plCalculator;
    TButtonAppearance FButtonAppearance;
    QPointer<TExCustomDropDown> FExDropDown;
    int FButtonHot = -1;
    int FButtonDown = -1;
    int FOffSetX = 8, FOffSetY = 8;
    int FButtonOffSetX = 4, FButtonOffSetY = 4;
    int FCaptionGap = 0;
};

}  // namespace dropdown
