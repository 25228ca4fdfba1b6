#pragma once

// The multi-line face of the inline editor: in a grid whose cells wrap
// words or hold several lines, the inline editor of a plain text cell edits
// in this memo, which covers it whole and takes its focus. Enter validates
// and leaves, Ctrl+Enter breaks the line (when the grid allows it), Up on
// the first line and Down on the last leave the cell; the lines wrap when
// the grid wraps words and align right in a right-aligned cell.

#include <QPlainTextEdit>

#include "platform/grid_base.h"

namespace grid {

class TExInplaceEdit;

class TExInplaceMemo : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit TExInplaceMemo(TExInplaceEdit* owner);
    // Lines wrap at the window's width (the grid's WordWrap).
    void SetWordWrap(bool value);
    // Right-aligned lines (a right-aligned cell).
    void SetRightAligned(bool value);
    bool OnFirstLine() const;
    bool OnLastLine() const;
    bool AtStart() const;
    bool AtEnd() const;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    TExInplaceEdit* FOwner;
    bool FRightAligned = false;
};

}  // namespace grid
