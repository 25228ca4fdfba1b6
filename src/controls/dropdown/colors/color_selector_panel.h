#pragma once

// The common base of the colour picker's panels: a plain control that the
// picker hosts in its pop-up; the hexagon and the spectrum raise
// OnShouldHide when a mouse button is released over them.

#include <functional>

#include <QWidget>

#include "platform/colors.h"

namespace dropdown {

class TExCustomColorSelectorPanel : public QWidget {
    Q_OBJECT
public:
    explicit TExCustomColorSelectorPanel(QWidget* parent = nullptr) : QWidget(parent) {}

    // The background (the picker gives its DropDownColor).
    TColor Color() const { return FColor; }
    void SetColor(TColor value)
    {
        FColor = value;
        update();
    }

    std::function<void(QObject* Sender)> OnShouldHide;

protected:
    void ShouldHide()
    {
        if (OnShouldHide) OnShouldHide(this);
    }

private:
    TColor FColor = clWhite;
};

}  // namespace dropdown
