#pragma once

#include <functional>

#include <QAction>
#include <QFont>
#include <QImage>
#include <QMenu>
#include <QPointer>
#include <QString>
#include <QWidget>

#include "controls/button/lb_button_face.h"
#include "platform/colors.h"
#include "platform/modal_result.h"

class QTimer;

namespace button {

// The push button of every form: paints its whole face itself in one of six
// face styles, with a glyph strip, a hot-track colour that can fade out, preset
// kinds and colour presets, Default/Cancel keys for its form, an action link
// and an optional pop-up menu that opens below it after a click.
//
// A click needs the left button to be released over the button; a press that
// is dragged off the button and released elsewhere is abandoned.
class TLbButton : public QWidget {
    Q_OBJECT

public:
    explicit TLbButton(QWidget* parent = nullptr);
    ~TLbButton() override;

    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment value);
    // Escape on the form clicks this button (see DialogKey).
    bool Cancel() const { return FCancel; }
    void SetCancel(bool value);
    QString Caption() const { return FCaption; }
    void SetCaption(const QString& value);
    // Writing applies a colour preset; reading always gives lcsCustom.
    TLbColorStyle ColorStyle() const { return FDummyStyle; }
    void SetColorStyle(TLbColorStyle value);
    TColor Color() const { return FColor; }
    void SetColor(TColor value);
    TColor ColorWhenDown() const { return FColorWhenDown; }
    void SetColorWhenDown(TColor value);
    // Enter on the form clicks this button (see DialogKey).
    bool Default() const { return FDefault; }
    void SetDefault(bool value);
    bool Flat() const { return FFlat; }
    void SetFlat(bool value);
    // The font colour of the caption (the font itself is the widget's font()).
    TColor FontColor() const { return FFontColor; }
    void SetFontColor(TColor value);
    // The glyph strip; a null image empties it. NumGlyphs follows from the
    // shape (width div height) and Kind becomes bkCustom.
    QImage Glyph() const { return FGlyph; }
    void SetGlyph(const QImage& value);
    TColor HotTrackColor() const { return FHotTrackColor; }
    void SetHotTrackColor(TColor value);
    QFont HotTrackFont() const { return FHTFont; }
    void SetHotTrackFont(const QFont& value);
    TColor HotTrackFontColor() const { return FHTFontColor; }
    void SetHotTrackFontColor(TColor value);
    TLbButtonKind Kind() const { return FKind; }
    void SetKind(TLbButtonKind value);
    TLbButtonLayout Layout() const { return FLayout; }
    void SetLayout(TLbButtonLayout value);
    TColor LightColor() const { return FLightColor; }
    void SetLightColor(TColor value);
    platform::TModalResult ModalResult() const { return FModalResult; }
    void SetModalResult(platform::TModalResult value);
    int NumGlyphs() const { return FNumGlyphs; }
    void SetNumGlyphs(int value);
    TColor ShadowColor() const { return FShadowColor; }
    void SetShadowColor(TColor value);
    bool SlowDecease() const { return FSlowDecease; }
    void SetSlowDecease(bool value);
    TLbButtonStyle Style() const { return FStyle; }
    void SetStyle(TLbButtonStyle value);
    bool UseHotTrackFont() const { return FUseHTFont; }
    void SetUseHotTrackFont(bool value);
    bool WordWrap() const { return FWordWrap; }
    void SetWordWrap(bool value);
    // Opens below the button after each click (not owned).
    QMenu* PopupMenu() const { return FPopupMenu; }
    void SetPopupMenu(QMenu* menu);
    // The linked action (not owned): gives caption, enabled state, visibility,
    // hint and, while the button has no glyph, its icon; a click triggers it.
    QAction* Action() const { return FAction; }
    void SetAction(QAction* action);

    std::function<void(QObject* Sender)> OnClick;
    std::function<void(QObject* Sender)> OnMouseEnter;
    std::function<void(QObject* Sender)> OnMouseExit;

    // Presses and clicks the button: fires OnClick, hands ModalResult to the
    // form, opens the pop-up menu and triggers the action - all only when the
    // button is visible and enabled.
    void Click();
    // One tick of the hot-track fade (every 30 ms while fading).
    void FadeStep();

    // The button's state, for the form and for checks.
    bool IsDown() const { return bDown; }
    bool IsCursorOnButton() const { return bCursorOnButton; }
    bool IsHot() const;
    int HotTrackStep() const { return FHotTrackStep; }
    bool IsFading() const;
    // The face as painted now, before the focus rectangle.
    QImage RenderFace() const;

    QSize sizeHint() const override;

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    // True when the click went through (visible, enabled, pressed).
    bool FireClick();
    // Click with every error of the form's handlers caught and shown.
    void ClickFromInput();
    // Runs a handler of the form; an error it raises is shown, not passed on
    // into Qt's event loop.
    void Guarded(const std::function<void()>& action);
    // Enter or Escape that reached the form: true when this button took it.
    bool DialogKey(const QKeyEvent& key);
    QWidget* FindParentForm() const;
    void UpdateDialogKeyWatch();
    void UpdateAccelerator();
    void ActionChange();
    void CopyImageToGlyph(const QImage& image);
    TLbButtonFaceState FaceState(bool hot) const;
    // Draws the face now (while visible).
    void PaintNow();

    TAlignment FAlignment = taCenter;
    TColor FShadowColor = 0x00808080;
    TColor FColorWhenDown = clNone;
    bool FFlat = false;
    bool FWordWrap = false;
    QImage FGlyph;
    TColor FHotTrackColor = clNone;
    QFont FHTFont;
    TColor FHTFontColor = clWindowText;
    TLbButtonKind FKind = bkCustom;
    TLbButtonLayout FLayout = blGlyphLeft;
    TColor FLightColor = 0x00FFFFFF;
    platform::TModalResult FModalResult = platform::mrNone;
    int FNumGlyphs = 0;
    bool FUseHTFont = false;
    TLbColorStyle FDummyStyle = lcsCustom;
    TLbButtonStyle FStyle = bsNormal;
    bool FDefault = false;
    bool FCancel = false;
    bool FSlowDecease = false;
    bool bDown = false;
    bool bCursorOnButton = false;
    // The fade's 30 ms tick (a child of the button).
    QTimer* FThread = nullptr;
    int FHotTrackStep = 0;

    TColor FColor = clBtnFace;
    TColor FFontColor = clWindowText;
    QString FCaption;
    // The left mouse button went down on the button and is still held.
    bool FMouseHeld = false;
    int FAcceleratorId = 0;
    QPointer<QMenu> FPopupMenu;
    QPointer<QAction> FAction;
    QPointer<QWidget> FWatchedForm;
};

}  // namespace button
