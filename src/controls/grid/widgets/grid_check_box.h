#pragma once

// TExCheckBox: the owner-drawn check box of the grid family's own panels.
// Three states, a read-only mode, the box on the left or the right, its
// vertical alignment, an ellipsis for long captions, transparency over the
// parent and Enter acting as Tab.

#include <functional>

#include <QWidget>

#include "controls/grid/grid_types.h"

namespace grid {

enum TTextLayout : uint8_t { tlTop, tlCenter, tlBottom };

class TExCheckBox : public QWidget {
    Q_OBJECT
public:
    explicit TExCheckBox(QWidget* parent = nullptr);

    TCheckBoxState State() const { return FState; }
    // A change repaints the box strip only.
    void SetState(TCheckBoxState value);
    bool Checked() const { return FState == cbChecked; }
    void SetChecked(bool value);
    // Flips Checked (a grayed box becomes checked) unless ReadOnly.
    virtual void Toggle();
    QString Caption() const { return FCaption; }
    void SetCaption(const QString& value);
    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment value);
    TTextLayout ButtonVertAlign() const { return FButtonVertAlign; }
    void SetButtonVertAlign(TTextLayout value);
    bool Ellipsis() const { return FEllipsis; }
    void SetEllipsis(bool value);
    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool value);
    bool ReadOnly = false;
    bool ReturnIsTab = false;
    // Pressed by the mouse or the space key.
    bool Down() const { return FDown; }
    bool Hot() const { return FHot; }
    // The box's rectangle (themed look) and the strip a state change repaints.
    QRect BoxRect() const;
    QRect StateStrip() const;
    // A character typed with Alt: toggles when it is the caption's accelerator.
    bool DialogChar(QChar ch);

    std::function<void(QObject*)> OnClick;
    std::function<void(QObject*, int& Key)> OnKeyDown;
    std::function<void(QObject*, int Key)> OnKeyUp;

protected:
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

private:
    bool InsideForRelease(QPointF p) const;
    void Click();
    TCheckBoxState FState = cbUnchecked;
    QString FCaption = QStringLiteral("TExCheckBox");
    TAlignment FAlignment = taLeftJustify;
    TTextLayout FButtonVertAlign = tlTop;
    bool FEllipsis = false;
    bool FTransparent = false;
    bool FDown = false;
    bool FHot = false;
    bool FMouseDown = false;
    bool FFocused = false;
};

}  // namespace grid
