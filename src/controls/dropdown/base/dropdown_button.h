#pragma once

// The button at the right edge of a drop-down edit: a holder of fixed width
// (TDropDownEditButton) and the face that fills it (TExDropDownSpeedButton).

#include <cstdint>
#include <functional>

#include <QImage>
#include <QPointer>
#include <QString>
#include <QWidget>

#include "platform/colors.h"

namespace platform {
class TCanvas;
}

namespace dropdown {

class TDropDownEditButton;
class TExCustomDropDown;

enum TButtonStyle : uint8_t { bsButton, bsDropDown };
enum TSpeedButtonState : uint8_t { bsUp, bsDisabled, bsDown, bsExclusive };

// The face. bsDropDown shows, in this order of precedence, the owner's
// custom colours, a glyph, the themed combo-box button or a classic raised
// face with a black arrow; bsButton is a push button with glyph and caption.
class TExDropDownSpeedButton final : public QWidget {
    Q_OBJECT

public:
    explicit TExDropDownSpeedButton(TDropDownEditButton* owner);

    TButtonStyle ButtonStyle() const { return FButtonStyle; }
    void SetButtonStyle(TButtonStyle value);
    // Etched instead of raised edge in the flat unthemed bsButton look.
    bool Etched() const { return FEtched; }
    void SetEtched(bool value);
    bool Focused() const { return FFocused; }
    void SetFocused(bool value);
    bool Flat() const { return FFlat; }
    void SetFlat(bool value);
    QImage Glyph() const { return FGlyph; }
    void SetGlyph(const QImage& value);
    int NumGlyphs() const { return FNumGlyphs; }
    void SetNumGlyphs(int value);
    QString Caption() const { return FCaption; }
    void SetCaption(const QString& value);
    // From now on the face is drawn unpressed whatever its state.
    void SetUp() { FUp = true; }
    // Without visual styles the classic faces are drawn.
    void SetThemesAvailable(bool value);

    TSpeedButtonState State() const { return FState; }
    bool Hot() const { return FHot; }
    bool Pressed() const { return (FState == bsDown || FState == bsExclusive) && !FUp; }
    bool IsThemed() const;

    // A left-button release after a press on the face (wherever it ends).
    std::function<void()> OnLeftButtonUp;

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void PaintDropDown(platform::TCanvas& canvas);
    void PaintButton(platform::TCanvas& canvas);
    void PaintArrow(platform::TCanvas& canvas, TColor color);
    // The standard speed-button face: edge, glyph (of NumGlyphs) and caption.
    void PaintStandardFace(platform::TCanvas& canvas);
    TExCustomDropDown* Edit() const;

    TDropDownEditButton* FOwner;
    bool FEtched = false;
    bool FFocused = false;
    bool FHot = false;
    bool FUp = false;
    bool FIsWinXP = true;
    bool FFlat = false;
    TButtonStyle FButtonStyle = bsButton;
    TSpeedButtonState FState = bsUp;
    QImage FGlyph;
    int FNumGlyphs = 1;
    QString FCaption;
};

// The holder: always ButtonWidth wide, the face covering it. OnClick is
// raised by every left-button release of a press on the face.
class TDropDownEditButton final : public QWidget {
    Q_OBJECT

public:
    explicit TDropDownEditButton(QWidget* parent = nullptr);

    TExDropDownSpeedButton* SpeedButton() const { return FButton; }
    int ButtonWidth() const { return FBWidth; }
    void SetButtonWidth(int value);
    // The width is always ButtonWidth; the face covers (0, 0, ButtonWidth, height).
    void SetBounds(int left, int top, int width, int height);

    QImage Glyph() const { return FButton->Glyph(); }
    void SetGlyph(const QImage& value) { FButton->SetGlyph(value); }
    int NumGlyphs() const { return FButton->NumGlyphs(); }
    void SetNumGlyphs(int value) { FButton->SetNumGlyphs(value); }
    QString ButtonCaption() const { return FButton->Caption(); }
    void SetButtonCaption(const QString& value) { FButton->SetCaption(value); }

    // The edit the button belongs to (cleared when it goes).
    QWidget* FocusControl() const { return FFocusControl; }
    void SetFocusControl(QWidget* value) { FFocusControl = value; }

    // Custom colours; ButtonColor other than clNone selects the custom look.
    TColor ButtonColor() const { return FButtonColor; }
    void SetButtonColor(TColor value) { SetColor(FButtonColor, value); }
    TColor ButtonColorHot() const { return FButtonColorHot; }
    void SetButtonColorHot(TColor value) { SetColor(FButtonColorHot, value); }
    TColor ButtonColorDown() const { return FButtonColorDown; }
    void SetButtonColorDown(TColor value) { SetColor(FButtonColorDown, value); }
    TColor ButtonTextColor() const { return FButtonTextColor; }
    void SetButtonTextColor(TColor value) { SetColor(FButtonTextColor, value); }
    TColor ButtonTextColorHot() const { return FButtonTextColorHot; }
    void SetButtonTextColorHot(TColor value) { SetColor(FButtonTextColorHot, value); }
    TColor ButtonTextColorDown() const { return FButtonTextColorDown; }
    void SetButtonTextColorDown(TColor value) { SetColor(FButtonTextColorDown, value); }
    // Kept with the colour scheme; the face draws the edit's border colour.
    TColor ButtonBorderColor() const { return FButtonBorderColor; }
    void SetButtonBorderColor(TColor value) { FButtonBorderColor = value; }

    std::function<void(QObject* Sender)> OnClick;

protected:
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void ButtonMouseUp();
    void SetColor(TColor& field, TColor value);

    TExDropDownSpeedButton* FButton;
    QPointer<QWidget> FFocusControl;
    int FBWidth = 16;
    TColor FButtonColor = clNone;
    TColor FButtonColorHot = clNone;
    TColor FButtonColorDown = clNone;
    TColor FButtonTextColor = clNone;
    TColor FButtonTextColorHot = clNone;
    TColor FButtonTextColorDown = clNone;
    TColor FButtonBorderColor = clNone;
};

}  // namespace dropdown
