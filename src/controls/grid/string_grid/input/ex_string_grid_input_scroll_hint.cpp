// Scrolling extras: the hint window shown beside a dragged scroll thumb, the
// repaint of a background picture when the view scrolls, and whether the
// horizontal bar of a proportional grid stays shown.

#include <QCursor>
#include <QLabel>
#include <QPalette>

#include "controls/grid/string_grid/ex_string_grid.h"
#include "platform/colors.h"

namespace grid {

namespace grid_scroll_hint_detail {

constexpr int hintMaxWidth = 100;
constexpr int hintOffsetX = 10;
constexpr int hintMargin = 2;

constexpr platform::TGridRect noCells{0, 0, -1, -1};

}  // namespace grid_scroll_hint_detail

// ------------------------------------------------------------ scroll hint

void TExStringGrid::ShowScrollHint(const QString& prefix, int number)
{
    namespace d = grid_scroll_hint_detail;
    QString text = prefix + QString::number(number);
    if (OnScrollHint) {
        QString asked = text;
        try {
            OnScrollHint(this, number, asked);
            text = asked;
        } catch (...) {
            // A failing hint handler keeps the grid's own text.
        }
    }
    FScrollHintText = text;
    QLabel* label = HintLabel(Qt::PlainText);
    label->setText(text);
    // Measured with at most 100 pixels of width, wrapping beyond that.
    const QRect need = label->fontMetrics().boundingRect(QRect(0, 0, d::hintMaxWidth, 10000),
                                                          Qt::TextWordWrap, text);
    const int frame = 2 * (d::hintMargin + label->frameWidth());
    label->resize(need.width() + frame + 2, need.height() + frame);
    label->move(QCursor::pos() + QPoint(d::hintOffsetX, 0));
    label->show();
    FScrollHintShow = true;
}

QLabel* TExStringGrid::HintLabel(Qt::TextFormat format)
{
    namespace d = grid_scroll_hint_detail;
    if (FScrollHintWnd == nullptr) {
        // A tool-tip window owned by the grid: it goes with the grid.
        auto* label = new QLabel(this, Qt::ToolTip);
        label->setObjectName(QStringLiteral("ScrollHint"));
        label->setWordWrap(true);
        label->setMargin(d::hintMargin);
        label->setFrameShape(QFrame::Box);
        label->setAutoFillBackground(true);
        FScrollHintWnd = label;
    }
    auto* label = static_cast<QLabel*>(FScrollHintWnd);
    label->setTextFormat(format);
    QPalette pal = label->palette();
    pal.setColor(QPalette::Window, toQColor(HintColor));
    pal.setColor(QPalette::WindowText, Qt::black);
    label->setPalette(pal);
    return label;
}

void TExStringGrid::HideScrollHint()
{
    if (FScrollHintWnd != nullptr) FScrollHintWnd->hide();
    FScrollHintShow = false;
}

// ------------------------------------------------------------ background picture

platform::TGridRect TExStringGrid::BackgroundPictureCells() const
{
    namespace d = grid_scroll_hint_detail;
    if (FBackGround.Display() != paint::bdFixed || FBackGround.Bitmap().isNull()) return d::noCells;
    const QRect picture(FBackGround.Left(), FBackGround.Top(), FBackGround.Bitmap().width(),
                        FBackGround.Bitmap().height());
    // Only the scrolled cells change under the picture; fixed cells stay put.
    platform::TGridRect out = d::noCells;
    out.Left = ColCount();
    out.Top = RowCount();
    const int probeRow = TopRow();
    const int probeCol = LeftCol();
    if (probeRow >= RowCount() || probeCol >= ColCount()) return d::noCells;
    for (int c = LeftCol(); c < ColCount(); ++c) {
        const platform::TRect r = CellRect(c, probeRow);
        if (r.IsEmpty()) break;
        if (r.Left < picture.right() + 1 && r.Right > picture.left()) {
            out.Left = std::min(out.Left, c);
            out.Right = std::max(out.Right, c);
        }
    }
    for (int row = TopRow(); row < RowCount(); ++row) {
        const platform::TRect r = CellRect(probeCol, row);
        if (r.IsEmpty()) break;
        if (r.Top < picture.bottom() + 1 && r.Bottom > picture.top()) {
            out.Top = std::min(out.Top, row);
            out.Bottom = std::max(out.Bottom, row);
        }
    }
    if (out.Left > out.Right || out.Top > out.Bottom) return d::noCells;
    return out;
}

void TExStringGrid::RepaintBackgroundAfterScroll()
{
    namespace d = grid_scroll_hint_detail;
    if (FOldLeftCol < 0) FOldLeftCol = FixedCols();
    if (FOldTopRow < 0) FOldTopRow = FixedRows();
    const int dc = FOldLeftCol - LeftCol();
    const int dr = FOldTopRow - TopRow();
    FBackOldArea = d::noCells;
    FBackNewArea = d::noCells;
    const bool picture = !FBackGround.Bitmap().isNull();
    if (picture && FBackGround.Display() == paint::bdFixed) {
        // The picture stays at its place in the window: the cells that were
        // under it and the cells now under it are painted again.
        const platform::TGridRect now = BackgroundPictureCells();
        if (now.Left <= now.Right) {
            const platform::TGridRect before{now.Left + dc, now.Top + dr, now.Right + dc, now.Bottom + dr};
            FBackOldArea = before;
            FBackNewArea = now;
            InvalidateGridRect(before);
            InvalidateGridRect(now);
        }
    } else if ((picture && FBackGround.Display() == paint::bdTile) ||
               (FBackGround.IsGradient() && FBackGround.ColorTo() != clNone)) {
        Invalidate();
    }
    FOldLeftCol = LeftCol();
    FOldTopRow = TopRow();
}

// ------------------------------------------------------------ horizontal bar

bool TExStringGrid::KeepsHorizontalBar() const
{
    if (ScrollBarAlways() == saHorz || ScrollBarAlways() == saBoth) return true;
    if (ScrollBars() != platform::ssHorizontal && ScrollBars() != platform::ssBoth) return false;
    int sum = 0;
    for (int c = 0; c < ColCount(); ++c) sum += std::max(0, ColWidths(c));
    return sum >= width();
}

}  // namespace grid
