#include "platform/category_panels.h"

#include <algorithm>

#include <QApplication>
#include <QKeyEvent>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QScrollBar>
#include <QWheelEvent>

namespace platform {
namespace category_panels_detail {

// Two stacked chevrons, pointing up while the panel is expanded (a click
// collapses it) and down while it is collapsed.
void drawChevrons(QPainter& painter, const QRect& box, bool pointUp, const QColor& color)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    QPen pen(color, 1.6);
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
    painter.setPen(pen);
    const qreal cx = box.center().x() + 0.5;
    const qreal half = 4.0;
    const qreal rise = pointUp ? -3.0 : 3.0;
    for (int k = 0; k < 2; ++k) {
        const qreal y = box.center().y() - 2.5 + k * 5.0 - rise / 2.0;
        QPainterPath path;
        path.moveTo(cx - half, y);
        path.lineTo(cx, y + rise);
        path.lineTo(cx + half, y);
        painter.drawPath(path);
    }
    painter.restore();
}

}  // namespace category_panels_detail

// ---------------------------------------------------------------- panel

TCategoryPanel::TCategoryPanel(TCategoryPanelGroup* group, QWidget* parent)
    : QWidget(parent), group_(group), surface_(new QWidget(this))
{
    surface_->setObjectName(QStringLiteral("Surface"));
    setMouseTracking(true);
    setFocusPolicy(Qt::TabFocus);
    setAutoFillBackground(false);
}

void TCategoryPanel::SetCaption(const QString& caption)
{
    if (caption_ == caption)
        return;
    caption_ = caption;
    setAccessibleName(caption);
    update(HeaderRect());
}

void TCategoryPanel::SetPanelHeight(int height)
{
    height = std::max(height, group_->HeaderHeight());
    if (panelHeight_ == height)
        return;
    panelHeight_ = height;
    group_->Restack();
}

void TCategoryPanel::SetCollapsed(bool collapsed)
{
    if (collapsed_ == collapsed)
        return;
    collapsed_ = collapsed;
    surface_->setVisible(!collapsed_);
    group_->Restack();
    update();
    if (OnToggle)
        OnToggle(this);
}

void TCategoryPanel::SetPanelVisible(bool visible)
{
    if (panelVisible_ == visible)
        return;
    panelVisible_ = visible;
    group_->Restack();
}

QRect TCategoryPanel::HeaderRect() const
{
    return QRect(0, 0, width(), group_->HeaderHeight());
}

void TCategoryPanel::SetHot(bool hot)
{
    if (hot_ == hot)
        return;
    hot_ = hot;
    update(HeaderRect());
}

void TCategoryPanel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QRect header = HeaderRect();
    QLinearGradient gradient(header.topLeft(), header.bottomLeft());
    gradient.setColorAt(0.0, Qt::white);
    gradient.setColorAt(1.0, group_->GradientColor());
    painter.fillRect(header, gradient);
    painter.setPen(group_->GradientColor().darker(125));
    painter.drawLine(header.bottomLeft(), header.bottomRight());

    const QRect chevronBox(header.right() - header.height(), header.top(), header.height(), header.height());
    const bool enabled = isEnabled();
    QColor chevron = hot_ && enabled ? group_->ChevronHotColor() : group_->ChevronColor();
    QColor text = group_->HeaderColor();
    if (!enabled) {
        chevron = palette().color(QPalette::Disabled, QPalette::WindowText);
        text = chevron;
    }
    painter.setFont(group_->HeaderFont());
    painter.setPen(text);
    const QRect textRect = header.adjusted(8, 0, -chevronBox.width() - 4, 0);
    painter.drawText(textRect, Qt::AlignVCenter | Qt::AlignLeft | Qt::TextSingleLine,
                     painter.fontMetrics().elidedText(caption_, Qt::ElideRight, textRect.width()));
    category_panels_detail::drawChevrons(painter, chevronBox, !collapsed_, chevron);
    if (hasFocus()) {
        painter.setPen(QPen(group_->HeaderColor(), 1, Qt::DotLine));
        painter.drawRect(header.adjusted(2, 2, -3, -3));
    }
}

void TCategoryPanel::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && HeaderRect().contains(event->position().toPoint()) && isEnabled()) {
        SetCollapsed(!collapsed_);
        event->accept();
        return;
    }
    QWidget::mousePressEvent(event);
}

void TCategoryPanel::mouseMoveEvent(QMouseEvent* event)
{
    SetHot(HeaderRect().contains(event->position().toPoint()));
    QWidget::mouseMoveEvent(event);
}

void TCategoryPanel::leaveEvent(QEvent* event)
{
    SetHot(false);
    QWidget::leaveEvent(event);
}

void TCategoryPanel::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Space || event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        SetCollapsed(!collapsed_);
        event->accept();
        return;
    }
    QWidget::keyPressEvent(event);
}

void TCategoryPanel::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::EnabledChange)
        update();
    QWidget::changeEvent(event);
}

// ---------------------------------------------------------------- group

TCategoryPanelGroup::TCategoryPanelGroup(QWidget* parent) : QScrollArea(parent), content_(new QWidget)
{
    headerFont_ = QFont(QStringLiteral("Verdana"));
    headerFont_.setPixelSize(15);
    headerFont_.setBold(true);
    content_->setObjectName(QStringLiteral("CategoryPanelContent"));
    setWidget(content_);
    // The content follows the viewport's width; its height is the stack's.
    setWidgetResizable(true);
    content_->installEventFilter(this);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setFrameShape(QFrame::StyledPanel);
    verticalScrollBar()->setSingleStep(lineStep_);
}

TCategoryPanelGroup::~TCategoryPanelGroup() = default;

TCategoryPanel* TCategoryPanelGroup::AddPanel(const QString& objectName, const QString& caption)
{
    // The panel is a child of the scrolled content, which owns it.
    auto* panel = new TCategoryPanel(this, content_);
    panel->setObjectName(objectName);
    panel->SetCaption(caption);
    panels_.push_back(panel);
    Restack();
    return panel;
}

void TCategoryPanelGroup::SetPanelOrder(const std::vector<TCategoryPanel*>& order)
{
    std::vector<TCategoryPanel*> ordered;
    for (TCategoryPanel* p : order)
        if (std::find(panels_.begin(), panels_.end(), p) != panels_.end() &&
            std::find(ordered.begin(), ordered.end(), p) == ordered.end())
            ordered.push_back(p);
    for (TCategoryPanel* p : panels_)
        if (std::find(ordered.begin(), ordered.end(), p) == ordered.end())
            ordered.push_back(p);
    panels_ = std::move(ordered);
    Restack();
}

int TCategoryPanelGroup::PanelTop(const TCategoryPanel* panel) const
{
    return panel->geometry().top();
}

void TCategoryPanelGroup::SetHeaderHeight(int height)
{
    headerHeight_ = std::max(1, height);
    Restack();
}

void TCategoryPanelGroup::SetHeaderFont(const QFont& font)
{
    headerFont_ = font;
    for (TCategoryPanel* p : panels_)
        p->update();
}

void TCategoryPanelGroup::SetHeaderColor(const QColor& color)
{
    headerColor_ = color;
    for (TCategoryPanel* p : panels_)
        p->update();
}

void TCategoryPanelGroup::SetGradientColor(const QColor& color)
{
    gradientColor_ = color;
    for (TCategoryPanel* p : panels_)
        p->update();
}

void TCategoryPanelGroup::SetChevronColor(const QColor& color)
{
    chevronColor_ = color;
    for (TCategoryPanel* p : panels_)
        p->update();
}

void TCategoryPanelGroup::SetChevronHotColor(const QColor& color)
{
    chevronHotColor_ = color;
    for (TCategoryPanel* p : panels_)
        p->update();
}

void TCategoryPanelGroup::SetLineStep(int step)
{
    lineStep_ = std::max(1, step);
    verticalScrollBar()->setSingleStep(lineStep_);
}

void TCategoryPanelGroup::ScrollLines(int lines)
{
    QScrollBar* bar = verticalScrollBar();
    bar->setValue(bar->value() + lines * lineStep_);
}

int TCategoryPanelGroup::ScrollPosition() const
{
    return verticalScrollBar()->value();
}

void TCategoryPanelGroup::ScrollToPanel(const TCategoryPanel* panel)
{
    ensureVisible(0, panel->geometry().top(), 0, 0);
    ensureVisible(0, panel->geometry().bottom(), 0, 0);
    ensureVisible(0, panel->geometry().top(), 0, 0);
}

bool TCategoryPanelGroup::MouseWheel(const QPoint& globalPos, int delta)
{
    const QPoint local = viewport()->mapFromGlobal(globalPos);
    if (!viewport()->rect().contains(local))
        return false;
    // A notch is 120; smaller steps of fine wheels add up to whole notches.
    wheelRemainder_ += delta;
    const int notches = wheelRemainder_ / 120;
    wheelRemainder_ -= notches * 120;
    const int lines = QApplication::wheelScrollLines();
    if (lines >= 1 && notches != 0)
        ScrollLines(-notches * lines);
    return true;
}

void TCategoryPanelGroup::Restack()
{
    const int width = content_->width();
    int top = 0;
    for (TCategoryPanel* p : panels_) {
        if (!p->PanelVisible()) {
            p->hide();
            continue;
        }
        const int height = p->Collapsed() ? headerHeight_ : p->PanelHeight();
        p->setGeometry(0, top, width, height);
        p->surface_->setGeometry(0, headerHeight_, width, std::max(0, p->PanelHeight() - headerHeight_));
        p->show();
        top += height;
    }
    content_->setMinimumHeight(top);
}

bool TCategoryPanelGroup::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == content_ && event->type() == QEvent::Resize)
        Restack();
    return QScrollArea::eventFilter(watched, event);
}

void TCategoryPanelGroup::wheelEvent(QWheelEvent* event)
{
    if (MouseWheel(event->globalPosition().toPoint(), event->angleDelta().y()))
        event->accept();
    else
        event->ignore();
}

}  // namespace platform
