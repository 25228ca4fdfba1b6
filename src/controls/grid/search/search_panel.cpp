#include "controls/grid/search/search_panel.h"

#include <QCheckBox>
#include <QEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QPainterPath>
#include <QToolButton>

namespace grid::search {

namespace search_panel_detail {

constexpr int kGradientBands = 32;

// The panel's own glyphs, drawn for it: arrows down and up, a cross, and a
// marker pen over a line of text.
QIcon Glyph(char kind)
{
    QPixmap pm(16, 16);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor ink(0x2B, 0x57, 0x9A);
    switch (kind) {
    case 'd':
    case 'u': {
        QPainterPath arrow;
        const bool down = kind == 'd';
        arrow.moveTo(8, down ? 14 : 2);
        arrow.lineTo(2, down ? 7 : 9);
        arrow.lineTo(6, down ? 7 : 9);
        arrow.lineTo(6, down ? 2 : 14);
        arrow.lineTo(10, down ? 2 : 14);
        arrow.lineTo(10, down ? 7 : 9);
        arrow.lineTo(14, down ? 7 : 9);
        arrow.closeSubpath();
        p.fillPath(arrow, ink);
        break;
    }
    case 'x':
        p.setPen(QPen(QColor(0x60, 0x60, 0x60), 2));
        p.drawLine(4, 4, 12, 12);
        p.drawLine(12, 4, 4, 12);
        break;
    default:
        p.fillRect(QRect(1, 9, 14, 5), QColor(0xFF, 0xE8, 0x40));
        p.setPen(QPen(ink, 1.5));
        p.drawLine(3, 11, 13, 11);
        p.setPen(QPen(QColor(0x40, 0x40, 0x40), 2));
        p.drawLine(6, 7, 12, 1);
        break;
    }
    return QIcon(pm);
}

// A caption set without the automatic Alt shortcut of the button: the grid
// dispatches the accelerators itself.
void SetButtonCaption(QToolButton* button, const QString& caption)
{
    button->setText(caption);
    button->setShortcut(QKeySequence());
}

void SetHint(QWidget* control, const QString& hint) { control->setToolTip(hint); }

}  // namespace search_panel_detail

TRetEdit::TRetEdit(QWidget* parent) : QLineEdit(parent) {}

void TRetEdit::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->accept();
        if (event->modifiers() & Qt::ControlModifier) {
            if (OnCtrlReturn) OnCtrlReturn();
        } else if (OnReturn) {
            OnReturn();
        }
        return;
    }
    if ((event->modifiers() & Qt::AltModifier) && OnAltKey && OnAltKey(event)) {
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

TSearchPanel::TSearchPanel(QWidget* owner, QWidget* viewport)
    : QWidget(owner),
      FViewport(viewport),
      FEdit(new TRetEdit(this)),
      FExitButton(MakeButton(search_panel_detail::Glyph('x'))),
      FForwardButton(MakeButton(search_panel_detail::Glyph('d'))),
      FBackwardButton(MakeButton(search_panel_detail::Glyph('u'))),
      FHiliteButton(MakeButton(search_panel_detail::Glyph('h'))),
      FMatchCase(new QCheckBox(this))
{
    setAutoFillBackground(false);
    FExitButton->setToolButtonStyle(Qt::ToolButtonIconOnly);
    FExitButton->setIconSize(QSize(10, 10));
    FHiliteButton->setCheckable(true);
    for (QToolButton* b : {FForwardButton, FBackwardButton, FHiliteButton}) b->setEnabled(false);
    connect(FEdit, &QLineEdit::textChanged, this, [this] { EditChanged(); });
    FEdit->OnReturn = [this] {
        if (OnForwardClick) OnForwardClick();
    };
    FEdit->OnCtrlReturn = [this] {
        if (OnBackwardClick) OnBackwardClick();
    };
    connect(FForwardButton, &QToolButton::clicked, this, [this] {
        if (OnForwardClick) OnForwardClick();
    });
    connect(FBackwardButton, &QToolButton::clicked, this, [this] {
        if (OnBackwardClick) OnBackwardClick();
    });
    connect(FExitButton, &QToolButton::clicked, this, [this] {
        if (OnExitClick) OnExitClick();
    });
    connect(FHiliteButton, &QToolButton::clicked, this, [this] {
        if (OnHighlightClick) OnHighlightClick();
    });
    FMatchCase->resize(98, 18);
    LayoutControls();
    hide();
    resize(0, 0);
    if (owner != nullptr) owner->installEventFilter(this);
    if (FViewport != nullptr) FViewport->installEventFilter(this);
}

QToolButton* TSearchPanel::MakeButton(const QIcon& icon)
{
    auto* button = new QToolButton(this);
    button->setIcon(icon);
    button->setIconSize(QSize(16, 16));
    button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

void TSearchPanel::EditChanged()
{
    const bool any = !FEdit->text().isEmpty();
    for (QToolButton* b : {FForwardButton, FBackwardButton, FHiliteButton}) b->setEnabled(any);
    if (OnEditChange) OnEditChange();
}

void TSearchPanel::SetColor(TColor value)
{
    FColor = value;
    update();
}

void TSearchPanel::SetColorTo(TColor value)
{
    FColorTo = value;
    update();
}

void TSearchPanel::SetLineColor(TColor value)
{
    FLineColor = value;
    update();
}

void TSearchPanel::SetEditColor(TColor value)
{
    if (FEditColor == value) return;
    FEditColor = value;
    QPalette pal = FEdit->palette();
    pal.setColor(QPalette::Base, toQColor(value));
    FEdit->setPalette(pal);
    FEdit->update();
}

void TSearchPanel::SetCaptions(const QString& findNext, const QString& findPrev, const QString& matchCase,
                               const QString& highlight)
{
    namespace d = search_panel_detail;
    d::SetButtonCaption(FForwardButton, findNext);
    d::SetButtonCaption(FBackwardButton, findPrev);
    d::SetButtonCaption(FHiliteButton, highlight);
    FMatchCase->setText(matchCase);
    FMatchCase->setShortcut(QKeySequence());
    LayoutControls();
}

void TSearchPanel::SetHints(const QString& close, const QString& findNext, const QString& findPrev,
                            const QString& highlight)
{
    namespace d = search_panel_detail;
    d::SetHint(FExitButton, close);
    d::SetHint(FForwardButton, findNext);
    d::SetHint(FBackwardButton, findPrev);
    d::SetHint(FHiliteButton, highlight);
}

void TSearchPanel::SetShownParts(bool highlight, bool close, bool matchCase, bool findPrev, bool findNext)
{
    FHiliteButton->setVisible(highlight);
    FExitButton->setVisible(close);
    FMatchCase->setVisible(matchCase);
    FBackwardButton->setVisible(findPrev);
    FForwardButton->setVisible(findNext);
    LayoutControls();
}

void TSearchPanel::SetFlatButtons(bool flat)
{
    for (QToolButton* b : {FForwardButton, FBackwardButton, FHiliteButton}) b->setAutoRaise(flat);
}

void TSearchPanel::LayoutControls()
{
    // The fixed places of the controls; a button whose caption does not fit
    // its 90 pixels grows, and the controls after it move along.
    const auto shownHeight = [this](QWidget* w, int height) { return w->isVisibleTo(this) ? height : 0; };
    const auto buttonWidth = [this](QToolButton* b) {
        return b->isVisibleTo(this) ? std::max(90, b->sizeHint().width()) : 90;
    };
    const int forwardWidth = buttonWidth(FForwardButton);
    const int backwardWidth = buttonWidth(FBackwardButton);
    const int hiliteWidth = buttonWidth(FHiliteButton);
    const int backwardLeft = 235 + (forwardWidth - 90);
    const int hiliteLeft = backwardLeft + 95 + (backwardWidth - 90);
    const int matchLeft = FHiliteButton->isVisibleTo(this) ? hiliteLeft + 95 + (hiliteWidth - 90) : hiliteLeft;
    struct TPlace {
        QWidget* Control;
        int Left, Top, Width, Height;
        bool Mirrored;
    };
    const TPlace places[] = {
        {FEdit, 25, 6, 110, FEdit->sizeHint().height(), true},
        {FForwardButton, 140, 5, forwardWidth, shownHeight(FForwardButton, 23), true},
        {FBackwardButton, backwardLeft, 5, backwardWidth, shownHeight(FBackwardButton, 23), true},
        {FExitButton, 5, 7, 14, 14, true},
        {FHiliteButton, hiliteLeft, 5, hiliteWidth, shownHeight(FHiliteButton, 23), true},
        {FMatchCase, matchLeft, 8, std::max(98, FMatchCase->sizeHint().width()), shownHeight(FMatchCase, 18), false},
    };
    for (const TPlace& p : places) {
        const int left = p.Mirrored && isRightToLeft() ? width() - p.Width - p.Left : p.Left;
        p.Control->setGeometry(left, p.Top, p.Width, p.Height);
    }
}

void TSearchPanel::SetShown(bool shown)
{
    FShown = shown;
    if (!shown) {
        hide();
        resize(width(), 0);
        return;
    }
    PlaceInOwner();
    show();
    raise();
}

void TSearchPanel::PlaceInOwner()
{
    if (!FShown || FViewport == nullptr) return;
    const QRect vp = FViewport->geometry();
    setGeometry(vp.left(), vp.bottom() + 1 - ShownHeight, vp.width(), ShownHeight);
    LayoutControls();
}

bool TSearchPanel::eventFilter(QObject* watched, QEvent* event)
{
    if ((watched == parent() || watched == FViewport) &&
        (event->type() == QEvent::Resize || event->type() == QEvent::Move || event->type() == QEvent::LayoutRequest))
        PlaceInOwner();
    return QWidget::eventFilter(watched, event);
}

void TSearchPanel::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (FCreatedFired) return;
    FCreatedFired = true;
    if (OnCreated) OnCreated();
}

void TSearchPanel::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    const QRect r = rect();
    if (FColorTo == clNone || FColorTo == FColor) {
        p.fillRect(r, toQColor(FColor));
    } else {
        // Top to bottom in equal bands from Color to ColorTo.
        const QColor from = toQColor(FColor);
        const QColor to = toQColor(FColorTo);
        for (int i = 0; i < search_panel_detail::kGradientBands; ++i) {
            const int top = r.top() + r.height() * i / search_panel_detail::kGradientBands;
            const int bottom = r.top() + r.height() * (i + 1) / search_panel_detail::kGradientBands;
            const double t = double(i) / (search_panel_detail::kGradientBands - 1);
            const QColor band = QColor::fromRgbF(float(from.redF() + (to.redF() - from.redF()) * t),
                                                 float(from.greenF() + (to.greenF() - from.greenF()) * t),
                                                 float(from.blueF() + (to.blueF() - from.blueF()) * t));
            p.fillRect(QRect(r.left(), top, r.width(), bottom - top), band);
        }
    }
    p.setPen(toQColor(FLineColor));
    p.drawLine(0, 0, width(), 0);
}

}  // namespace grid::search
