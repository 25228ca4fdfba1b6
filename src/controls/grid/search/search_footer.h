#pragma once

// The string grid's side of its search footer: the panel made and bound to
// the grid, the footer settings copied onto it, and the handlers behind its
// controls (find as typed, next, previous, highlight, close) and keys
// (Ctrl+F, the Alt accelerators of its buttons).

#include <QChar>

#include "controls/grid/search/find_params.h"

class QKeyEvent;

namespace grid {
class TExStringGrid;
}

namespace grid::search {

class TSearchPanel;

enum class TFooterAction : uint8_t { EditChange, Forward, Backward };

// Makes the grid's panel (a Qt child of the grid) with its events bound to
// the grid's footer handlers.
TSearchPanel* CreateSearchPanel(TExStringGrid& grid);
// The footer settings onto the panel: highlights removed when the footer
// closes with the highlight button down (or always with AlwaysHighLight),
// colours, captions, hints, font, button look, shown parts and their sizes,
// and the panel shown 32 pixels high or hidden.
void ApplyFooterSettings(TExStringGrid& grid, TSearchPanel& panel);
// The find flags a footer handler searches with: always fnAutoGoto, and
// fnBackward for the backward step; the highlight button, the match-case box
// and the footer settings add the same flags to every step.
TFindParams FooterFindParams(TExStringGrid& grid, const TSearchPanel& panel, TFooterAction action);

void FooterEditChange(TExStringGrid& grid, TSearchPanel& panel);
void FooterStep(TExStringGrid& grid, TSearchPanel& panel, bool backward);
void FooterExit(TExStringGrid& grid);
void FooterHighlight(TExStringGrid& grid, TSearchPanel& panel);

// Ctrl+F: the focus goes to the find edit while the footer is shown.
void FocusFindEdit(TExStringGrid& grid, TSearchPanel& panel);
// An Alt accelerator: clicks the forward, backward or highlight button
// (tested in that order) whose caption has the character after "&", when
// the footer and that button are shown and the button is enabled. 1 when
// handled, else 0.
int FooterDialogChar(TExStringGrid& grid, TSearchPanel* panel, QChar ch);
// The accelerator character of an Alt key press (letters and digits, no
// Ctrl); a null character for any other key.
QChar AcceleratorOfKey(const QKeyEvent& event);

}  // namespace grid::search
