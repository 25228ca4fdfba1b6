#pragma once

#include <cstdint>
#include <functional>

#include <QCursor>
#include <Qt>

class QKeyEvent;

namespace platform {

// Key codes of the keyboard handling, with the values the grid family's key
// tables are written in.
using Word = uint16_t;

constexpr Word VK_LBUTTON = 0x01;
constexpr Word VK_RBUTTON = 0x02;
constexpr Word VK_MBUTTON = 0x04;
constexpr Word VK_BACK = 0x08;
constexpr Word VK_TAB = 0x09;
constexpr Word VK_RETURN = 0x0D;
constexpr Word VK_SHIFT = 0x10;
constexpr Word VK_CONTROL = 0x11;
constexpr Word VK_MENU = 0x12;  // Alt
constexpr Word VK_ESCAPE = 0x1B;
constexpr Word VK_SPACE = 0x20;
constexpr Word VK_PRIOR = 0x21;  // Page Up
constexpr Word VK_NEXT = 0x22;   // Page Down
constexpr Word VK_END = 0x23;
constexpr Word VK_HOME = 0x24;
constexpr Word VK_LEFT = 0x25;
constexpr Word VK_UP = 0x26;
constexpr Word VK_RIGHT = 0x27;
constexpr Word VK_DOWN = 0x28;
constexpr Word VK_INSERT = 0x2D;
constexpr Word VK_DELETE = 0x2E;
constexpr Word VK_F1 = 0x70;
constexpr Word VK_F2 = 0x71;
constexpr Word VK_F4 = 0x73;
constexpr Word VK_LMENU = 0xA4;
constexpr Word VK_RMENU = 0xA5;
// Letters and digits use their upper-case character code ('A' = 0x41, '0' = 0x30).

// Modifier keys and mouse buttons held during an input event.
enum TShiftStateFlag : uint32_t {
    ssShift = 1u << 0,
    ssAlt = 1u << 1,
    ssCtrl = 1u << 2,
    ssLeft = 1u << 3,
    ssRight = 1u << 4,
    ssMiddle = 1u << 5,
    ssDouble = 1u << 6,
};
using TShiftState = uint32_t;

enum TMouseButton : uint8_t { mbLeft, mbRight, mbMiddle };

// The key code of a Qt key (0 for keys the grid family does not name).
Word keyCodeFromQt(int qtKey);
// The Qt key of a key code (Qt::Key_unknown when there is none).
int qtKeyFromKeyCode(Word key);
TShiftState shiftStateFromQt(Qt::KeyboardModifiers modifiers, Qt::MouseButtons buttons = Qt::NoButton);

// The modifier keys held right now, as the keyboard reports them.
TShiftState keyboardShiftState();
// The mouse buttons held right now (ssLeft, ssRight, ssMiddle).
TShiftState mouseButtonState();
// Whether a key or mouse button is held right now; answers for VK_SHIFT,
// VK_CONTROL, VK_MENU/VK_LMENU/VK_RMENU and VK_LBUTTON/VK_RBUTTON/VK_MBUTTON
// (other keys are reported as up).
bool isKeyDown(Word key);
// The mouse position in screen coordinates.
QPoint mouseCursorPos();
// Tests fix the modifier and button state that keyboardShiftState,
// mouseButtonState and isKeyDown report; clearKeyboardStateOverride returns
// to the real keyboard and mouse.
void setKeyboardStateOverride(TShiftState state);
void clearKeyboardStateOverride();

// The system beep of a refused input. Tests may install a handler that
// counts beeps instead of sounding them; an empty handler restores the bell.
void beep();
void setBeepHandler(std::function<void()> handler);

// Cursor identities by their numbers (crHandPoint = -21, ...).
using TCursor = int;
constexpr TCursor crDefault = 0;
constexpr TCursor crNone = -1;
constexpr TCursor crArrow = -2;
constexpr TCursor crCross = -3;
constexpr TCursor crIBeam = -4;
constexpr TCursor crSizeNESW = -6;
constexpr TCursor crSizeNS = -7;
constexpr TCursor crSizeNWSE = -8;
constexpr TCursor crSizeWE = -9;
constexpr TCursor crUpArrow = -10;
constexpr TCursor crHourGlass = -11;
constexpr TCursor crDrag = -12;
constexpr TCursor crNoDrop = -13;
constexpr TCursor crHSplit = -14;
constexpr TCursor crVSplit = -15;
constexpr TCursor crMultiDrag = -16;
constexpr TCursor crSQLWait = -17;
constexpr TCursor crNo = -18;
constexpr TCursor crAppStart = -19;
constexpr TCursor crHelp = -20;
constexpr TCursor crHandPoint = -21;
constexpr TCursor crSizeAll = -22;

// The Qt cursor shape of a cursor identity (the arrow for unknown ones).
QCursor toQCursor(TCursor cursor);

// The application-wide cursor that overrides every window's own (crDefault
// lets each window show its own again).
TCursor screenCursor();
void setScreenCursor(TCursor cursor);

}  // namespace platform
