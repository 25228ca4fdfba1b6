// Balloon tool tips: the grid's one balloon window while Balloon.Enable is
// on, and the title, text and icon it shows for the cell under the mouse.

#include <QHelpEvent>
#include <QMouseEvent>
#include <QLabel>

#include "controls/grid/floating/balloon_timing.h"
#include "controls/grid/html/html_text_utils.h"
#include "controls/grid/paint/frame_paint.h"
#include "controls/grid/string_grid/ex_string_grid.h"
#include "controls/grid/text/grid_text_utils.h"
#include "controls/grid/text/rich_cell_text.h"

namespace grid {

void TExStringGrid::SetUpBalloon()
{
    FBalloon.OnEnableChange = [this](void*) {
        if (FLoading) return;
        if (FBalloon.Enable()) BalloonInit();
        else BalloonDone();
    };
}

void TExStringGrid::BalloonInit()
{
    if (FBalloon.FInit) return;
    FBalloon.FInit = true;
    auto* window = new QLabel(this, Qt::ToolTip | Qt::FramelessWindowHint);  // Qt child of the grid
    window->setObjectName(QStringLiteral("GridBalloon"));
    window->setWordWrap(true);
    window->setMaximumWidth(300);
    window->setMargin(6);
    // Transparency 0 leaves the window opaque; above 0 it takes alpha 255 - Transparency.
    if (FBalloon.Transparency > 0) window->setWindowOpacity((255 - FBalloon.Transparency) / 255.0);
    window->hide();
    FBalloonWindow = window;
    const TBalloonTiming::TDelays delays{FBalloon.InitialDelay, FBalloon.ReshowDelay, FBalloon.AutoHideDelay};
    FBalloonTiming = new TBalloonTiming(  // Qt child of the balloon window
        window, delays, [this](QPoint pos) { return ShowCellBalloon(pos); },
        [this] {
            if (FBalloonWindow) FBalloonWindow->hide();
        });
}

void TExStringGrid::BalloonMouseEvent(QEvent* event)
{
    if (!FBalloon.FInit || FBalloonTiming == nullptr) return;
    switch (event->type()) {
    case QEvent::MouseMove: {
        const QPoint pos = static_cast<QMouseEvent*>(event)->position().toPoint();
        int c = -1, r = -1;
        MouseToCell(pos.x(), pos.y(), c, r);
        if (c >= 0 && r >= 0) {
            // A merged block is one cell for the balloon.
            const QPoint base = BaseCell(RealColIndex(c), r);
            c = base.x();
            r = base.y();
        }
        FBalloonTiming->MouseMoved(pos, QPoint(c, r));
        break;
    }
    case QEvent::Leave:
    case QEvent::MouseButtonPress:
    case QEvent::Wheel: FBalloonTiming->Cancel(); break;
    default: break;
    }
}

void TExStringGrid::BalloonDone()
{
    if (FBalloon.FInit) delete FBalloonWindow.data();
    FBalloon.FInit = false;
}

bool TExStringGrid::BalloonTextAt(QPoint pos, QString& Title, QString& Text, int& Icon)
{
    if (!FBalloon.Enable()) return false;
    int c = -1, r = -1;
    MouseToCell(pos.x(), pos.y(), c, r);
    Text.clear();
    Title = QStringLiteral(" ");
    Icon = biInfo;
    const bool exists = c >= 0 && r >= 0;
    int sc = -1;
    if (exists) {
        const QPoint base = BaseCell(RealColIndex(c), r);
        sc = base.x();
        r = base.y();
        c = DisplColIndex(sc);
        const QString raw = GetCellEx(sc, r);
        switch (TextType(raw, EnableHTML)) {
        case TextKindHtml: Text = StripHTMLTags(raw); break;
        case TextKindPackedWide: Text = GetWideCells(sc, r); break;
        case TextKindRichText: Text = RichCellPlainText(raw); break;
        default: Text = raw; break;
        }
        Text = paint::BalloonTipText(Text);
        TBalloonIcon own = biNone;
        if (IsBalloon(sc, r, Title, Text, own)) Icon = own;
    }
    if (OnCellBalloon) OnCellBalloon(this, sc, r, Title, Text, Icon);
    FLastBalloonPos = QPoint(c, r);
    Title = paint::BalloonTipTitle(Title);
    // A text the program gave is held to the balloon's size as well.
    if (Text.size() > 2048) Text = Text.left(2045) + QStringLiteral("...");
    if (Icon < biNone || Icon > biError) Icon = biNone;
    return true;
}

void TExStringGrid::PopBalloonOffCell(int ACol, int ARow)
{
    if (!FBalloon.Enable()) return;
    QPoint base(-1, -1);
    if (ACol >= 0 && ARow >= 0) {
        const QPoint b = BaseCell(RealColIndex(ACol), ARow);
        base = QPoint(DisplColIndex(b.x()), b.y());
    }
    if (base == FLastBalloonPos) return;
    if (FBalloonWindow != nullptr) FBalloonWindow->hide();
    FLastBalloonPos = QPoint(-1, -1);
}

bool TExStringGrid::ShowCellBalloon(QPoint pos)
{
    QString title, text;
    int icon = 0;
    auto* window = qobject_cast<QLabel*>(FBalloonWindow.data());
    if (window == nullptr || !BalloonTextAt(pos, title, text, icon)) return false;
    if (text.isEmpty() && title.trimmed().isEmpty()) {
        window->hide();
        return false;
    }
    QString body;
    if (!title.trimmed().isEmpty()) body = QStringLiteral("<b>%1</b><br>").arg(title.toHtmlEscaped());
    body += text.toHtmlEscaped().replace(QLatin1Char('\n'), QStringLiteral("<br>"));
    window->setText(body);
    QString style;
    if (FBalloon.TextColor != clNone) style += QStringLiteral("color: %1;").arg(toQColor(FBalloon.TextColor).name());
    const TColor back = FBalloon.BackgroundColor != clNone ? FBalloon.BackgroundColor : clInfoBk;
    style += QStringLiteral("background-color: %1; border: 1px solid gray;").arg(toQColor(back).name());
    window->setStyleSheet(style);
    window->adjustSize();
    window->move(viewport()->mapToGlobal(pos) + QPoint(0, 16));
    window->show();
    return true;
}

}  // namespace grid
