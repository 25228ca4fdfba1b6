#pragma once

// The pop-up window in which a grid shows its hints: a mini-HTML hint is
// measured and drawn by the renderer (bold, colours, pictures of the grid's
// image list and picture container, several lines); a packed wide hint is
// drawn as one plain line in the grid font's face.

#include <QPointer>
#include <QTimer>
#include <QWidget>

#include "platform/colors.h"
#include "platform/geometry.h"

namespace grid {

class TGridImageList;
class TPictureContainer;

// The face of the grid font the last hint request recorded; packed wide
// hints are drawn in it.
void SetHintFontName(const QString& name);
QString HintFontName();

class THTMLHintWindow : public QWidget {
    Q_OBJECT
public:
    // A tool-tip window owned by `owner` (its Qt parent).
    explicit THTMLHintWindow(QWidget* owner);

    // Width of the measuring box of ActivateHint.
    static constexpr int MaxMeasureWidth = 1008;
    // Room around the measured text: 16 (wide hints 8) pixels of width, 4 of height.
    static constexpr int HTMLMargin = 16;
    static constexpr int WideMargin = 8;
    static constexpr int HeightMargin = 4;

    // The text's measured size in a box MaxWidth wide, as (0, 0, width, height).
    QRect CalcHintRect(int MaxWidth, const QString& AHint);
    // Takes the pictures of the grid that asks for the hint, then activates it.
    void ActivateHintData(const QRect& rect, const QString& AHint, TGridImageList* images,
                          TPictureContainer* container);
    // Measures the hint, sizes the window from rect's top-left corner, keeps
    // it 2 pixels inside the monitor and shows it without activating it.
    void ActivateHint(QRect rect, const QString& AHint);
    // Background colour (the grid's HintColor).
    TColor Color = clInfoBk;
    // The window hides itself after this many milliseconds.
    int HideDelay = 10000;
    const QString& HintText() const { return FText; }
    int TextWidth() const { return FTextWidth; }
    int TextHeight() const { return FTextHeight; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    // Measures in a box of the given width at (left, top); sets FWideCaption
    // for a packed wide hint.
    QSize Measure(const QString& hint, int left, int top, int width);
    bool IsWide(const QString& hint) const;

    QPointer<TGridImageList> FImages;
    QPointer<TPictureContainer> FPictureContainer;
    QString FText;
    QString FWideCaption;
    int FTextWidth = 0;
    int FTextHeight = 0;
    QTimer FHideTimer;
};

}  // namespace grid
