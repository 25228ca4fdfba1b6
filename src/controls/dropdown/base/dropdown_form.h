#pragma once

// The borderless pop-up of a drop-down edit: a frameless top-level window
// that paints its background and border, holds the header bar (top), the
// footer bar (bottom) and the picker's control (the rest), and closes when
// another window becomes active.

#include <cstdint>
#include <functional>
#include <optional>

#include <QPoint>
#include <QPointF>
#include <QPointer>
#include <QSize>
#include <QWidget>

#include "platform/input_state.h"
#include "platform/modal_result.h"

namespace platform {
class TCanvas;
}

namespace dropdown {

class TExCustomDropDown;
class TExHeader;
class TExFooter;

// The answer of the hit test in the size-grip corner.
constexpr int HTBOTTOMRIGHT = 17;

class TDropDownForm final : public QWidget {
    Q_OBJECT

public:
    // A hidden pop-up owned by `owner` (the edit), kept above the owner's window.
    explicit TDropDownForm(QWidget* owner);
    ~TDropDownForm() override;

    // The edit it belongs to; without one the form paints nothing of its
    // own, creates no bars and simply hides when it loses activation.
    TExCustomDropDown* ExDropDown() const { return FExDropDown; }
    void SetExDropDown(TExCustomDropDown* edit) { FExDropDown = edit; }
    TExHeader* Header() const { return FHeader; }
    TExFooter* Footer() const { return FFooter; }

    // Copied from the edit's DropDownShadow before every opening.
    bool Shadow = true;
    // Closing on deactivation counts as cancelled.
    bool CancelOnDeActivate = true;
    // The bottom-right corner acts as a size grip.
    bool Sizeable = false;
    // Activation changes are ignored while set.
    bool BlockActivate = false;
    // The tick count of the last deactivation while visible.
    uint32_t DeActivateTime = 0;
    // What a bar button last handed the form.
    platform::TModalResult ModalResult = platform::mrNone;

    // Brings the header and footer bars in line with the edit's settings
    // (a bar once made stays; hiding the header or footer hides it).
    void InitializeAndUpdate();
    // Header at the top, footer at the bottom, the picker's control in the
    // rest, all inside the border. Done while the form is shown (and when it
    // is placed), so the control keeps the size its picker gives it until
    // the pop-up opens.
    void ArrangeChildren();
    void DrawBackground(platform::TCanvas& canvas);

    // Activation has changed: `active` tells whether the form became active;
    // newActiveWindow is the window that is active now (null when none of
    // the program's). A deactivation while visible stamps DeActivateTime
    // and closes the pop-up unless the new window lies within it.
    void HandleActivation(bool active, QWidget* newActiveWindow);
    // HTBOTTOMRIGHT in the size-grip corner of a sizeable form, else 0.
    int HitTest(QPoint clientPos) const;

    // The user drags the bottom-right corner (the form's own or the
    // footer's grip): the window system sizes the window where it can, else
    // the form follows the pointer.
    // True when the form follows the pointer itself (until EndUserSizing);
    // false when the window system took the sizing over.
    bool BeginUserSizing(QPoint globalPos);
    void ContinueUserSizing(QPoint globalPos);
    void EndUserSizing();

    // Places and shows the form, on top and active.
    void ShowAt(const QRect& geometry);

    std::function<void(QObject* Sender)> OnHide;
    std::function<void(QObject* Sender, platform::Word& Key, platform::TShiftState Shift)> OnKeyDown;
    std::function<void(QObject* Sender, platform::Word& Key, platform::TShiftState Shift)> OnKeyUp;
    std::function<void(QObject* Sender, QChar& Key)> OnKeyPress;
    // The wheel turned anywhere over the shown form, its children included,
    // before the child under the pointer uses it (MousePos in screen
    // coordinates); Handled keeps the turn from the child.
    std::function<void(QObject* Sender, platform::TShiftState Shift, QPoint MousePos, bool& Handled)> OnMouseWheelDown;
    std::function<void(QObject* Sender, platform::TShiftState Shift, QPoint MousePos, bool& Handled)> OnMouseWheelUp;
    std::function<void(QObject* Sender)> OnDestroy;
    // While the user sizes the window.
    std::function<void(QObject* Sender)> OnSizing;

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    int BorderWidth() const;
    // Whether a key reaching the form is its own: the form is its window's
    // focus, or nothing in it is.
    bool OwnKey() const;
    // Fires the wheel events for a turn over the form; true when handled.
    bool WheelTurned(const QWheelEvent& event);

    TExCustomDropDown* FExDropDown = nullptr;
    TExHeader* FHeader = nullptr;
    TExFooter* FFooter = nullptr;
    bool FPlacing = false;
    // The turn last seen: one turn reaches the filter again while it passes
    // up to the parents or a scroll area hands it to its scroll bar.
    struct WheelTurn {
        ulong Timestamp = 0;
        QPoint AngleDelta;
        QPointF GlobalPosition;
        bool operator==(const WheelTurn&) const = default;
    };
    std::optional<WheelTurn> FLastWheelTurn;
    bool FLastWheelHandled = false;
    // A sizing the form does itself: where the pointer and the size started.
    std::optional<std::pair<QPoint, QSize>> FUserSizing;
};

}  // namespace dropdown
