#pragma once

// The small arrows that float over a grid and mark where a dragged column or
// row would land: frameless, non-activating top-level windows cut to the
// arrow's outline, filled in one colour.

#include <array>

#include <QPoint>
#include <QWidget>

#include "platform/colors.h"

namespace grid {

enum TArrowDirection : uint8_t { arrUp, arrDown, arrLeft, arrRight };

class TArrowWindow : public QWidget {
public:
    // Hidden, lime, owned by (and floating over) owner.
    TArrowWindow(QWidget* owner, TArrowDirection direction);

    TArrowDirection Dir() const { return FDir; }
    // The outline in window coordinates, point 0 to point 6.
    const std::array<QPoint, 7>& Arrow() const { return FArrow; }
    static std::array<QPoint, 7> Outline(TArrowDirection direction);

    TColor Color() const { return FColor; }
    void SetColor(TColor value);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    TArrowDirection FDir;
    std::array<QPoint, 7> FArrow;
    TColor FColor = 0x0000FF00;
};

// The four arrows of a grid, one per direction; their colour is set as one.
class TArrowWindows {
public:
    explicit TArrowWindows(QWidget* owner);
    TArrowWindow& Up() const { return *FUp; }
    TArrowWindow& Down() const { return *FDown; }
    TArrowWindow& Left() const { return *FLeft; }
    TArrowWindow& Right() const { return *FRight; }
    TColor Color() const { return FUp->Color(); }
    void SetColor(TColor value);
    void HideAll();

private:
    // Owned by the owner widget (Qt parent).
    TArrowWindow* FUp;
    TArrowWindow* FDown;
    TArrowWindow* FLeft;
    TArrowWindow* FRight;
};

}  // namespace grid
