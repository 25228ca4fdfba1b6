#include "controls/grid/floating/balloon_timing.h"

#include <QApplication>

namespace grid {

TBalloonTiming::TBalloonTiming(QObject* parent, TDelays delays, std::function<bool(QPoint)> show,
                               std::function<void()> hide)
    : QObject(parent), FDelays(delays), FShow(std::move(show)), FHide(std::move(hide))
{
    FTimer.setSingleShot(true);
    connect(&FTimer, &QTimer::timeout, this, [this] { Elapsed(); });
}

int TBalloonTiming::InitialDelay() const
{
    return FDelays.Initial != -1 ? FDelays.Initial : QApplication::doubleClickInterval();
}

int TBalloonTiming::ReshowDelay() const
{
    return FDelays.Reshow != -1 ? FDelays.Reshow : QApplication::doubleClickInterval() / 5;
}

int TBalloonTiming::AutoHideDelay() const
{
    return FDelays.AutoHide != -1 ? FDelays.AutoHide : QApplication::doubleClickInterval() * 10;
}

void TBalloonTiming::MouseMoved(QPoint pos, QPoint cell)
{
    FPos = pos;
    // Within the shown balloon's cell, or the cell whose balloon timed out,
    // nothing changes.
    if ((FShown || FExpired) && cell == FShownCell) return;
    FExpired = false;
    if (FShown) {
        FHide();
        FShown = false;
        FReshow = true;
    } else if (cell == FCell && FTimer.isActive()) {
        return;  // still resting over the cell the timer runs for
    }
    FCell = cell;
    if (cell.x() < 0 || cell.y() < 0) {
        FTimer.stop();
        return;
    }
    FTimer.start(std::max(0, FReshow ? ReshowDelay() : InitialDelay()));
}

void TBalloonTiming::Cancel()
{
    FTimer.stop();
    if (FShown) FHide();
    FShown = false;
    FReshow = false;
    FExpired = false;
    FCell = FShownCell = QPoint(-1, -1);
}

void TBalloonTiming::Elapsed()
{
    if (FShown) {  // the auto-hide delay ran out
        FHide();
        FShown = false;
        FReshow = false;
        FExpired = true;
        return;
    }
    if (!FShow(FPos)) {
        FReshow = false;
        return;
    }
    FShown = true;
    FShownCell = FCell;
    FTimer.start(std::max(0, AutoHideDelay()));
}

}  // namespace grid
