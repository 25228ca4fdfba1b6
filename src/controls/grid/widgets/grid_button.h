#pragma once

// TExGridButton: the small flat speed button of the grid family's own
// panels. A glyph and a caption, three faces (normal, hot, pressed) with
// optional gradients and rounded corners, a checked style that stays down,
// groups of buttons that release each other, a drop-down part with a menu,
// a glyph that lifts under the mouse, and seven colour looks.

#include <functional>

#include <QImage>
#include <QMenu>
#include <QPointer>
#include <QWidget>

#include "platform/canvas.h"
#include "platform/colors.h"


namespace grid {

enum TButtonLayout : uint8_t { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };
enum TButtonState : uint8_t { bsUp, bsDisabled, bsDown, bsExclusive };
enum TExGridButtonStyle : uint8_t { tasButton, tasCheck };

// The face gradient of the button: `steps` bands (0 taken as 1) from `from`
// to `to`, stacked top to bottom (side by side with horizontal), then the
// outline in `border` unless it is clNone.
void DrawButtonGradient(platform::TCanvas& canvas, TColor from, TColor to, bool horizontal, const platform::TRect& r,
                        int steps, TColor border);

// Whether ch (any case) is the accelerator of a caption: the character after its "&".
bool IsCaptionAccelerator(const QString& caption, QChar ch);

// The grey version of a glyph: every pixel becomes ((R + G + B) / 3) / 2 + 96.
QImage GreyGlyph(const QImage& glyph);

class TExGridButton : public QWidget {
    Q_OBJECT
public:
    explicit TExGridButton(QWidget* parent = nullptr);

    int GroupIndex() const { return FGroupIndex; }
    void SetGroupIndex(int value);
    bool AllowAllUp() const { return FAllowAllUp; }
    void SetAllowAllUp(bool value);
    bool Down() const { return FDown; }
    void SetDown(bool value);
    TExGridButtonStyle Style() const { return FStyle; }
    void SetStyle(TExGridButtonStyle value) { FStyle = value, update(); }
    TButtonLayout Layout() const { return FLayout; }
    void SetLayout(TButtonLayout value);
    int Spacing() const { return FSpacing; }
    void SetSpacing(int value);
    int Margin() const { return FMargin; }
    // Values below -1 are ignored; -1 centres the content.
    void SetMargin(int value);
    bool Flat() const { return FFlat; }
    void SetFlat(bool value);
    bool ShowCaption() const { return FShowCaption; }
    void SetShowCaption(bool value);
    QString Caption() const { return FCaption; }
    void SetCaption(const QString& value) { FCaption = value, update(); }
    // Setting the glyph also makes the grey disabled glyph when there is none.
    const QImage& Glyph() const { return FGlyph; }
    void SetGlyph(const QImage& value);
    const QImage& GlyphDisabled() const { return FGlyphDisabled; }
    void SetGlyphDisabled(const QImage& value) { FGlyphDisabled = value; }
    const QImage& GlyphHot() const { return FGlyphHot; }
    void SetGlyphHot(const QImage& value) { FGlyphHot = value; }
    const QImage& GlyphDown() const { return FGlyphDown; }
    void SetGlyphDown(const QImage& value) { FGlyphDown = value; }
    bool Shaded() const { return FShaded; }
    void SetShaded(bool value) { FShaded = value; }
    bool Rounded() const { return FRounded; }
    void SetRounded(bool value) { FRounded = value, update(); }
    bool DropDownButton() const { return FDropDownButton; }
    void SetDropDownButton(bool value) { FDropDownButton = value, update(); }
    QMenu* DropDownMenu() const { return FDropDownMenu; }
    void SetDropDownMenu(QMenu* value) { FDropDownMenu = value; }
    bool AutoXPStyle = false;
    bool AutoThemeAdapt() const { return FAutoThemeAdapt; }
    // True applies the look that follows the colour scheme (look 1 here).
    void SetAutoThemeAdapt(bool value);
    int Look() const { return FLook; }
    // Looks 0 .. 6 set the colour set; other values change nothing.
    void SetLook(int value);

    TColor Color = clBtnFace;
    TColor ColorTo = clNone;
    TColor ColorHot = 0x00CAC7C7;
    TColor ColorHotTo = clNone;
    TColor ColorDown = 0x00D8D3D2;
    TColor ColorDownTo = clNone;
    TColor ColorChecked = 0x00808080;
    TColor ColorCheckedTo = clNone;
    TColor BorderColor = clNone;
    TColor BorderDownColor = clNone;
    TColor BorderHotColor = clNone;

    TButtonState State() const { return FState; }
    bool MouseInControl() const { return FMouseInControl; }
    // Clicks the button (OnClick).
    void Click();
    // A character typed with Alt: clicks when it is the caption's accelerator.
    bool DialogChar(QChar ch);

    std::function<void(QObject*)> OnClick;
    std::function<void(QObject*)> OnDblClick;
    std::function<void(QObject*)> OnDropDown;
    std::function<void(QObject*)> OnMouseEnter;
    std::function<void(QObject*)> OnMouseLeave;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    bool Inside(QPointF p) const;
    void NormaliseState();
    void TellGroup();
    void GroupNotice(TExGridButton* sender);
    void PaintFace(platform::TCanvas& canvas, platform::TRect& R);
    void PaintContent(platform::TCanvas& canvas, const platform::TRect& R, QPoint offset);

    int FGroupIndex = 0;
    bool FDown = false;
    bool FDragging = false;
    bool FAllowAllUp = false;
    TButtonLayout FLayout = blGlyphLeft;
    int FSpacing = 4;
    int FMargin = -1;
    bool FFlat = true;
    bool FMouseInControl = false;
    QImage FGlyph, FGlyphDisabled, FGlyphHot, FGlyphDown;
    bool FShaded = true;
    TExGridButtonStyle FStyle = tasButton;
    int FLook = 0;
    bool FRounded = false;
    bool FDropDownButton = false;
    bool FAutoThemeAdapt = false;
    QPointer<QMenu> FDropDownMenu;
    bool FShowCaption = true;
    QString FCaption;
    TButtonState FState = bsUp;
};

}  // namespace grid
