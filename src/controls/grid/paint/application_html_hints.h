#pragma once

// The application's choice of hint window, shared by every window of the
// process: with HTML hints on, any widget's tool tip is shown in the
// grid's mini-HTML hint window (bold, colours, several lines); off, in the
// platform's plain tool tip.

class QWidget;

namespace grid {

void SetApplicationHTMLHints(bool on);
bool ApplicationHTMLHints();
// The hint window the last HTML hint was shown in; none before the first.
QWidget* ApplicationHintWindow();

}  // namespace grid
