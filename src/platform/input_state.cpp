#include "platform/input_state.h"

#include <optional>

#include <QApplication>
#include <QGuiApplication>

namespace platform {

namespace input_state_detail {

struct KeyPair {
    int qt;
    Word vk;
};

constexpr KeyPair kKeys[] = {
    {Qt::Key_Backspace, VK_BACK}, {Qt::Key_Tab, VK_TAB},       {Qt::Key_Backtab, VK_TAB},
    {Qt::Key_Return, VK_RETURN},  {Qt::Key_Enter, VK_RETURN},  {Qt::Key_Shift, VK_SHIFT},
    {Qt::Key_Control, VK_CONTROL}, {Qt::Key_Alt, VK_MENU},     {Qt::Key_Escape, VK_ESCAPE},
    {Qt::Key_Space, VK_SPACE},    {Qt::Key_PageUp, VK_PRIOR},  {Qt::Key_PageDown, VK_NEXT},
    {Qt::Key_End, VK_END},        {Qt::Key_Home, VK_HOME},     {Qt::Key_Left, VK_LEFT},
    {Qt::Key_Up, VK_UP},          {Qt::Key_Right, VK_RIGHT},   {Qt::Key_Down, VK_DOWN},
    {Qt::Key_Insert, VK_INSERT},  {Qt::Key_Delete, VK_DELETE},
};

std::optional<TShiftState>& keyboardOverride()
{
    static std::optional<TShiftState> state;
    return state;
}

std::function<void()>& beepHandler()
{
    static std::function<void()> handler;
    return handler;
}

TCursor& currentScreenCursor()
{
    static TCursor cursor = crDefault;
    return cursor;
}

}  // namespace input_state_detail

Word keyCodeFromQt(int qtKey)
{
    for (const auto& k : input_state_detail::kKeys)
        if (k.qt == qtKey) return k.vk;
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F24) return Word(VK_F1 + (qtKey - Qt::Key_F1));
    if ((qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) || (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z)) return Word(qtKey);
    return 0;
}

int qtKeyFromKeyCode(Word key)
{
    for (const auto& k : input_state_detail::kKeys)
        if (k.vk == key) return k.qt;
    if (key >= VK_F1 && key < VK_F1 + 24) return Qt::Key_F1 + (key - VK_F1);
    if ((key >= '0' && key <= '9') || (key >= 'A' && key <= 'Z')) return key;
    return Qt::Key_unknown;
}

TShiftState shiftStateFromQt(Qt::KeyboardModifiers modifiers, Qt::MouseButtons buttons)
{
    TShiftState s = 0;
    if (modifiers & Qt::ShiftModifier) s |= ssShift;
    if (modifiers & Qt::AltModifier) s |= ssAlt;
    if (modifiers & Qt::ControlModifier) s |= ssCtrl;
    if (buttons & Qt::LeftButton) s |= ssLeft;
    if (buttons & Qt::RightButton) s |= ssRight;
    if (buttons & Qt::MiddleButton) s |= ssMiddle;
    return s;
}

TShiftState keyboardShiftState()
{
    if (const auto& o = input_state_detail::keyboardOverride()) return *o & (ssShift | ssAlt | ssCtrl);
    return shiftStateFromQt(QGuiApplication::queryKeyboardModifiers());
}

TShiftState mouseButtonState()
{
    if (const auto& o = input_state_detail::keyboardOverride()) return *o & (ssLeft | ssRight | ssMiddle);
    return shiftStateFromQt(Qt::NoModifier, QGuiApplication::mouseButtons());
}

QPoint mouseCursorPos() { return QCursor::pos(); }

bool isKeyDown(Word key)
{
    const TShiftState s = keyboardShiftState() | mouseButtonState();
    switch (key) {
    case VK_LBUTTON: return s & ssLeft;
    case VK_RBUTTON: return s & ssRight;
    case VK_MBUTTON: return s & ssMiddle;
    case VK_SHIFT: return s & ssShift;
    case VK_CONTROL: return s & ssCtrl;
    case VK_MENU: case VK_LMENU: case VK_RMENU: return s & ssAlt;
    default: return false;
    }
}

void setKeyboardStateOverride(TShiftState state) { input_state_detail::keyboardOverride() = state; }
void clearKeyboardStateOverride() { input_state_detail::keyboardOverride().reset(); }

void beep()
{
    if (const auto& h = input_state_detail::beepHandler()) {
        h();
        return;
    }
    QApplication::beep();
}

void setBeepHandler(std::function<void()> handler) { input_state_detail::beepHandler() = std::move(handler); }

QCursor toQCursor(TCursor cursor)
{
    switch (cursor) {
    case crNone: return QCursor(Qt::BlankCursor);
    case crCross: return QCursor(Qt::CrossCursor);
    case crIBeam: return QCursor(Qt::IBeamCursor);
    case crSizeNESW: return QCursor(Qt::SizeBDiagCursor);
    case crSizeNS: return QCursor(Qt::SizeVerCursor);
    case crSizeNWSE: return QCursor(Qt::SizeFDiagCursor);
    case crSizeWE: return QCursor(Qt::SizeHorCursor);
    case crUpArrow: return QCursor(Qt::UpArrowCursor);
    case crHourGlass: case crSQLWait: return QCursor(Qt::WaitCursor);
    case crDrag: case crMultiDrag: return QCursor(Qt::DragCopyCursor);
    case crNoDrop: case crNo: return QCursor(Qt::ForbiddenCursor);
    case crHSplit: return QCursor(Qt::SplitHCursor);
    case crVSplit: return QCursor(Qt::SplitVCursor);
    case crAppStart: return QCursor(Qt::BusyCursor);
    case crHelp: return QCursor(Qt::WhatsThisCursor);
    case crHandPoint: return QCursor(Qt::PointingHandCursor);
    case crSizeAll: return QCursor(Qt::SizeAllCursor);
    default: return QCursor(Qt::ArrowCursor);
    }
}

TCursor screenCursor() { return input_state_detail::currentScreenCursor(); }

void setScreenCursor(TCursor cursor)
{
    TCursor& current = input_state_detail::currentScreenCursor();
    if (cursor == current) return;
    if (current != crDefault) QGuiApplication::restoreOverrideCursor();
    if (cursor != crDefault) QGuiApplication::setOverrideCursor(toQCursor(cursor));
    current = cursor;
}

}  // namespace platform
