#include "controls/grid/paint/html_hint_window.h"

#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <QToolTip>

#include "controls/grid/cells/grid_image_list.h"
#include "controls/grid/html/html_measure_canvas.h"
#include "controls/grid/html/html_renderer.h"
#include "controls/grid/html/picture_container.h"
#include "controls/grid/text/grid_text_utils.h"

namespace grid {

namespace hint_window_detail {

QString gHintFontName;

}  // namespace hint_window_detail

void SetHintFontName(const QString& name) { hint_window_detail::gHintFontName = name; }
QString HintFontName() { return hint_window_detail::gHintFontName; }

THTMLHintWindow::THTMLHintWindow(QWidget* owner)
    : QWidget(owner, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus |
                         Qt::WindowTransparentForInput)
{
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFont(QToolTip::font());
    FHideTimer.setSingleShot(true);
    connect(&FHideTimer, &QTimer::timeout, this, &QWidget::hide);
}

bool THTMLHintWindow::IsWide(const QString& hint) const { return TextType(hint, true) == TextKindPackedWide; }

QSize THTMLHintWindow::Measure(const QString& hint, int left, int top, int width)
{
    using namespace platform;
    TFont font(this->font(), clInfoText);
    if (IsWide(hint)) {
        font.setFamily(HintFontName());
        THTMLMeasureCanvas measure(this, font);
        FWideCaption = UnpackWideText(hint);
        TRect r(0, 0, width, 0);
        const int height = measure.Canvas().DrawText(FWideCaption, r, DT_NOPREFIX | DT_CALCRECT | DT_SINGLELINE);
        return {r.Width(), height};
    }
    THTMLMeasureCanvas measure(this, font);
    THTMLRenderParams p;
    p.Images = FImages;
    p.X = p.Y = 0;
    p.HoverLink = 0;
    p.MeasureOnly = true;
    p.WordWrap = true;
    p.BlinkOn = false;
    p.URLColor = clBlue;
    p.ShadowColor = clGray;
    p.PictureContainer = FPictureContainer;
    p.Window = this;
    p.BiDiMode = layoutDirection() == Qt::RightToLeft ? 1 : 0;
    THTMLRenderResult out;
    RenderHTMLText(measure.Canvas(), hint, TRect(left, top, left + width, top), p, out);
    return {out.XSize, out.YSize};
}

QRect THTMLHintWindow::CalcHintRect(int MaxWidth, const QString& AHint)
{
    const QSize size = Measure(AHint, 0, 0, MaxWidth);
    return QRect(0, 0, size.width(), size.height());
}

void THTMLHintWindow::ActivateHintData(const QRect& rect, const QString& AHint, TGridImageList* images,
                                       TPictureContainer* container)
{
    FImages = images;
    FPictureContainer = container;
    ActivateHint(rect, AHint);
}

void THTMLHintWindow::ActivateHint(QRect rect, const QString& AHint)
{
    FText = AHint;
    FWideCaption.clear();
    const QSize size = Measure(AHint, rect.left(), rect.top(), MaxMeasureWidth);
    FTextWidth = size.width();
    FTextHeight = size.height();
    const int margin = IsWide(AHint) ? WideMargin : HTMLMargin;
    // Right and bottom edges exclusive, as the platform's rectangles.
    int left = rect.left(), top = rect.top();
    int right = left + FTextWidth + margin;
    int bottom = top + FTextHeight + HeightMargin;
    const QScreen* screen = QGuiApplication::screenAt(rect.topLeft());
    if (screen == nullptr) screen = QGuiApplication::primaryScreen();
    if (screen != nullptr) {
        const QRect monitor = screen->geometry();
        if (right - monitor.left() > monitor.width()) {
            left = monitor.left() + monitor.width() - (right - left) - 2;
            right = left + margin + FTextWidth;
        }
        if (bottom - monitor.top() > monitor.height()) {
            bottom = monitor.top() + monitor.height() - 2;
            top = bottom - FTextHeight - HeightMargin;
        }
    }
    setGeometry(left, top, right - left, bottom - top);
    show();
    raise();
    update();
    if (HideDelay > 0) FHideTimer.start(HideDelay);
}

void THTMLHintWindow::paintEvent(QPaintEvent*)
{
    using namespace platform;
    QPainter painter(this);
    TCanvas canvas(painter);
    const TRect c(0, 0, width(), height());
    canvas.Brush.Color = Color;
    canvas.Brush.Style = Qt::SolidPattern;
    canvas.FillRect(c);
    canvas.Pen.Color = cl3DLight;
    canvas.MoveTo(c.Left, c.Bottom - 2);
    canvas.LineTo(c.Left, c.Top);
    canvas.LineTo(c.Right - 1, c.Top);
    canvas.Pen.Color = cl3DDkShadow;
    canvas.MoveTo(c.Left, c.Bottom - 1);
    canvas.LineTo(c.Right - 1, c.Bottom - 1);
    canvas.LineTo(c.Right - 1, c.Top - 1);

    TRect text(c.Left + 4, c.Top + (c.Height() - FTextHeight) / 2, c.Right - 4, 0);
    text.Bottom = text.Top + FTextHeight + 8;
    canvas.Font = TFont(font(), clInfoText);
    if (IsWide(FText)) {
        canvas.Font.setFamily(HintFontName());
        canvas.Brush.Style = Qt::NoBrush;
        canvas.DrawText(FWideCaption, text, DT_NOPREFIX | DT_SINGLELINE);
        return;
    }
    THTMLRenderParams p;
    p.Images = FImages;
    p.X = p.Y = 0;
    p.HoverLink = 0;
    p.WordWrap = false;
    p.BlinkOn = false;
    p.URLColor = clBlue;
    p.ShadowColor = clGray;
    p.PictureContainer = FPictureContainer;
    p.Window = this;
    p.BiDiMode = layoutDirection() == Qt::RightToLeft ? 1 : 0;
    THTMLRenderResult out;
    RenderHTMLText(canvas, FText, text, p, out);
}

}  // namespace grid
