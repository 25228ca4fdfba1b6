// The glow window around the edited cell: shown when an editor opens with
// FocusHelper.Enabled, moved with the grid's window, hidden (and its grid
// forgotten) on every close of the editor and when the grid goes.

#include <QEvent>
#include <QPointer>

#include "controls/grid/string_grid/ex_string_grid.h"

namespace grid {

namespace focus_glow_detail {

// The one grid whose glow window follows window moves (the last one shown);
// cleared by itself when that grid is destroyed.
QPointer<TExStringGrid>& FocusGridRef()
{
    static QPointer<TExStringGrid> grid;
    return grid;
}

// Watches the editor (its hiding ends the glow) and the grid's window (its
// moves and resizes move the glow). Owned by the glow window.
class GlowWatcher : public QObject {
public:
    GlowWatcher(TExStringGrid* grid, QObject* owner) : QObject(owner), FGrid(grid) {}
    void Watch(QWidget* editor)
    {
        Release();
        FEditor = editor;
        FWindow = FGrid->window();
        if (FEditor) FEditor->installEventFilter(this);
        if (FWindow && FWindow != FGrid) FWindow->installEventFilter(this);
        FGrid->installEventFilter(this);
    }
    void Release()
    {
        if (FEditor) FEditor->removeEventFilter(this);
        if (FWindow) FWindow->removeEventFilter(this);
        if (FGrid) FGrid->removeEventFilter(this);
        FEditor = nullptr;
        FWindow = nullptr;
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        try {
            if (!FGrid) return false;
            const QEvent::Type t = event->type();
            if (watched == FEditor && (t == QEvent::Hide || t == QEvent::Destroy || t == QEvent::DeferredDelete))
                FGrid->HideFocusWindow();
            else if (watched != FEditor && (t == QEvent::Move || t == QEvent::Resize))
                FGrid->MoveFocusWindow();
            else if (watched == FGrid && t == QEvent::Hide)
                FGrid->HideFocusWindow();
        } catch (...) {
            // Moving a glow never disturbs the event it follows.
        }
        return false;
    }

private:
    QPointer<TExStringGrid> FGrid;
    QPointer<QWidget> FEditor;
    QPointer<QWidget> FWindow;
};

}  // namespace focus_glow_detail

TExStringGrid* TExStringGrid::FocusWindowGrid() { return focus_glow_detail::FocusGridRef().data(); }

void TExStringGrid::ShowFocusWindow(const platform::TRect& cellRect, QWidget* editor)
{
    if (FFocusWindow == nullptr) {
        FFocusWindow = new TGridFocusWindow(this);  // owned by the grid (Qt parent)
        FGlowWatcher = new focus_glow_detail::GlowWatcher(this, FFocusWindow);
    }
    focus_glow_detail::FocusGridRef() = this;
    const int W = cellRect.Width() + 9, H = cellRect.Height() + 9;
    // 1.-4. Hidden and sized; the blurred ring merged with the glow colour.
    FFocusWindow->hide();
    FFocusWindow->resize(W, H);
    const QImage mask = CreateRoundRectMask(W, H, 4, 5, 3);
    QImage bitmap(W, H, QImage::Format_BGR888);
    bitmap.fill(toQColor(FocusGlowColor));
    TGridAlphaMask alpha;
    alpha.MergeMask(mask, bitmap);
    alpha.Opacity = FocusGlowOpacity;
    // 5.-6. The image, and a region that leaves the cell out.
    FFocusWindow->ApplyAlphaMask(alpha);
    FFocusWindow->setMask(QRegion(0, 0, W, H).subtracted(QRegion(4, 4, cellRect.Width(), cellRect.Height())));
    // 7. Over the cell, 4 pixels up and left, shown without activation.
    FFocusWindow->move(viewport()->mapToGlobal(QPoint(cellRect.Left - 4, cellRect.Top - 4)));
    FFocusWindow->show();
    static_cast<focus_glow_detail::GlowWatcher*>(FGlowWatcher.data())->Watch(editor);
}

void TExStringGrid::ShowEditGlow(QWidget* editor)
{
    FGlowAwaitsEditor = false;
    if (!FFocusHelper.Enabled) return;
    if (editor == nullptr) {
        FGlowAwaitsEditor = true;
        return;
    }
    ShowFocusWindow(CellRect(Col(), Row()), editor);
}

void TExStringGrid::MoveFocusWindow()
{
    if (FFocusWindow == nullptr || !FFocusWindow->isVisible() || FocusWindowGrid() != this) return;
    const platform::TRect r = CellRect(Col(), Row());
    FFocusWindow->setGeometry(QRect(viewport()->mapToGlobal(QPoint(r.Left - 4, r.Top - 4)),
                                    QSize(r.Width() + 9, r.Height() + 9)));
}

void TExStringGrid::HideFocusWindow()
{
    if (FocusWindowGrid() == this) focus_glow_detail::FocusGridRef() = nullptr;
    if (FFocusWindow == nullptr) return;
    FFocusWindow->hide();
    if (FGlowWatcher) static_cast<focus_glow_detail::GlowWatcher*>(FGlowWatcher.data())->Release();
}

}  // namespace grid
