#include "controls/grid/floating/drag_images.h"

#include <QPainter>

#include "controls/grid/base/base_grid.h"
#include "controls/grid/html/html_renderer.h"
#include "platform/text_engine.h"

namespace grid {

namespace drag_images_detail {

constexpr Qt::WindowFlags FloatingFlags =
    Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::WindowDoesNotAcceptFocus;

void makeFloating(QWidget& w)
{
    w.setAttribute(Qt::WA_ShowWithoutActivating);
    w.setAttribute(Qt::WA_TransparentForMouseEvents);
    w.setFocusPolicy(Qt::NoFocus);
}

}  // namespace drag_images_detail

THeaderDragButton::THeaderDragButton(TBaseGrid* grid)
    : QWidget(grid, drag_images_detail::FloatingFlags), FGrid(grid)
{
    drag_images_detail::makeFloating(*this);
    setEnabled(false);
    hide();
}

void THeaderDragButton::SetCaption(const QString& value)
{
    FCaption = value;
    update();
}

void THeaderDragButton::paintEvent(QPaintEvent*)
{
    using namespace platform;
    QPainter painter(this);
    TCanvas canvas(painter);
    TRect r(0, 0, width(), height());
    // The face of a header cell, then a thin border as the pop-up's frame.
    canvas.Brush.Color = clBtnFace;
    canvas.FillRect(r);
    if (FGrid != nullptr && FGrid->ColCount() > 0 && FGrid->RowCount() > 0) FGrid->PaintCellExt(canvas, 0, 0, r, 0);
    canvas.Brush.Color = clGray;
    canvas.FrameRect(r);
    if (FGrid != nullptr) canvas.Font = TFont(FGrid->font());
    canvas.Brush.Style = Qt::NoBrush;
    TRect inner(1, 1, width() - 1, height() - 1);
    if (FCaption.contains(QLatin1String("</"))) {
        THTMLRenderParams params;
        params.Images = Images;
        params.X = 2;
        params.Y = 2;
        params.FocusLink = -1;
        params.HoverLink = -1;
        params.ShadowOffset = 2;
        params.WordWrap = false;
        params.ResFactor = 1.0;
        params.URLColor = 0x00FF0000;
        params.ShadowColor = 0x00808080;
        params.Window = this;
        THTMLRenderResult result;
        RenderHTMLText(canvas, FCaption, inner, params, result);
    } else {
        canvas.DrawText(FCaption, inner, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS | DT_NOPREFIX);
    }
}

TNoActiveForm::TNoActiveForm(QWidget* owner, const QImage& picture)
    : QWidget(owner, drag_images_detail::FloatingFlags), FPicture(picture)
{
    drag_images_detail::makeFloating(*this);
    setAttribute(Qt::WA_TranslucentBackground);
    setEnabled(false);
    resize(picture.size());
}

void TNoActiveForm::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setOpacity(AlphaBlendValue / 255.0);
    p.drawImage(0, 0, FPicture);
}

}  // namespace grid
