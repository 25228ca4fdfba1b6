#pragma once

// When the grid's balloon shows and goes: after the initial delay of rest
// over a cell, again after the shorter reshow delay when the mouse moves to
// another cell while a balloon is up, and away after the auto-hide delay.
// A delay of -1 takes the system's own, derived from the double-click time
// as tool tips do: initial = double-click time, reshow = a fifth of it,
// auto-hide = ten times it.

#include <algorithm>
#include <functional>

#include <QObject>
#include <QPoint>
#include <QTimer>

namespace grid {

class TBalloonTiming : public QObject {
    Q_OBJECT
public:
    struct TDelays {
        int Initial = -1;
        int Reshow = -1;
        int AutoHide = -1;
    };
    // show(pos) shows the balloon for the mouse position and answers whether
    // one was shown; hide() takes it away.
    TBalloonTiming(QObject* parent, TDelays delays, std::function<bool(QPoint)> show, std::function<void()> hide);

    // The delays in effect, the system's in place of -1.
    int InitialDelay() const;
    int ReshowDelay() const;
    int AutoHideDelay() const;

    // The mouse is at pos over cell (display column and row; -1 outside the
    // cells). A move within the shown balloon's cell keeps it.
    void MouseMoved(QPoint pos, QPoint cell);
    // The mouse left the grid or pressed a button: the balloon goes and no
    // balloon is pending.
    void Cancel();
    bool Shown() const { return FShown; }
    bool Pending() const { return FTimer.isActive() && !FShown; }

private:
    void Elapsed();
    TDelays FDelays;
    std::function<bool(QPoint)> FShow;
    std::function<void()> FHide;
    QTimer FTimer;
    QPoint FPos;
    QPoint FCell{-1, -1};
    QPoint FShownCell{-1, -1};
    bool FShown = false;
    bool FReshow = false;   // a balloon was up when the mouse moved on
    bool FExpired = false;  // the balloon of FShownCell timed out
};

}  // namespace grid
