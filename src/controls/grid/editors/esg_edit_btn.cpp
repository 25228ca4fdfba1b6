#include "controls/grid/editors/esg_edit_btn.h"

#include <algorithm>

#include <QApplication>
#include <QClipboard>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QMenu>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionButton>

#include "platform/edit_mask.h"
#include "platform/theme_painter.h"

namespace grid {

// ------------------------------------------------------------ speed button

TExSpeedButton::TExSpeedButton(TEsgEditButton* owner) : QAbstractButton(owner), FOwner(owner)
{
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_Hover);
}

void TExSpeedButton::SetIsWinXP(bool value)
{
    FIsWinXP = value;
    update();
}

void TExSpeedButton::SetFlat(bool value)
{
    FFlat = value;
    update();
}

void TExSpeedButton::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    QRect r = rect();
    const bool pressed = isDown();
    if (FOwner->ButtonColor != clNone) {
        // Own colours make the button flat; the later rule wins (hot over
        // normal, pressed over hot).
        FFlat = true;
        TColor fill = FOwner->ButtonColor;
        if (FHot && FOwner->ButtonColorHot != clNone) fill = FOwner->ButtonColorHot;
        if (pressed && FOwner->ButtonColorDown != clNone) fill = FOwner->ButtonColorDown;
        p.fillRect(r, toQColor(fill));
    } else if (FIsWinXP && platform::ThemePainter::ThemesActive()) {
        const platform::TThemeState state = pressed ? platform::tsPressed : FHot ? platform::tsHot : platform::tsNormal;
        platform::ThemePainter::Draw(p, platform::TThemePart::PushButton, platform::TRect::fromQRect(r), state, 0, this);
    } else if (!FFlat) {
        // The plain push-button frame, sunken while pressed.
        QStyleOptionButton opt;
        opt.initFrom(this);
        opt.rect = r;
        opt.state |= pressed ? QStyle::State_Sunken : QStyle::State_Raised;
        style()->drawPrimitive(QStyle::PE_PanelButtonCommand, &opt, &p, this);
        r.adjust(2, 2, -2, -2);
    } else {
        // Flat: a raised (or, pressed, sunken) edge filling its middle.
        p.fillRect(r, palette().button());
        p.setPen(pressed ? palette().dark().color() : palette().light().color());
        p.drawLine(r.topLeft(), r.topRight());
        p.drawLine(r.topLeft(), r.bottomLeft());
        p.setPen(pressed ? palette().light().color() : palette().dark().color());
        p.drawLine(r.bottomLeft(), r.bottomRight());
        p.drawLine(r.topRight(), r.bottomRight());
        r.adjust(1, 1, -1, -1);
    }
    if (pressed) r.translate(1, 1);
    p.setPen(Qt::black);
    p.setFont(font());
    p.drawText(r, Qt::AlignCenter | Qt::TextSingleLine, text());
}

void TExSpeedButton::mouseReleaseEvent(QMouseEvent* event)
{
    const bool left = event->button() == Qt::LeftButton;
    QAbstractButton::mouseReleaseEvent(event);
    if (left) FOwner->BtnMouseUp(this);
}

void TExSpeedButton::enterEvent(QEnterEvent* event)
{
    QAbstractButton::enterEvent(event);
    FHot = true;
    update();
}

void TExSpeedButton::leaveEvent(QEvent* event)
{
    QAbstractButton::leaveEvent(event);
    FHot = false;
    update();
}

// ------------------------------------------------------------ edit button

TEsgEditButton::TEsgEditButton(QWidget* parent) : QWidget(parent), FButton(new TExSpeedButton(this))
{
    setFocusPolicy(Qt::NoFocus);
    resize(20, 25);
    FButton->setGeometry(rect());
    FButton->show();
}

void TEsgEditButton::SetFlat(bool value)
{
    FFlat = value;
    FButton->SetFlat(value);
}

void TEsgEditButton::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    FButton->setGeometry(rect());
}

void TEsgEditButton::BtnMouseUp(QObject* Sender)
{
    if (Sender != FButton) return;
    if (OnClick) OnClick(this);
    if (FFocusControl && FFocusControl->focusPolicy() != Qt::NoFocus && FFocusControl->isEnabled() &&
        !FFocusControl->hasFocus())
        FFocusControl->setFocus(Qt::MouseFocusReason);
}

// ------------------------------------------------------------ edit with button

TEsgEditBtn::TEsgEditBtn(QWidget* parent) : QLineEdit(parent), FButton(new TEsgEditButton(this))
{
    FButton->resize(18, 18);
    FButton->SetFocusControl(this);
    FButton->OnClick = [this](QObject* sender) { ClickButton(sender); };
    FButton->show();
    setText(QStringLiteral("0"));
    PlaceButton();
}

void TEsgEditBtn::SetRightAlign(bool value)
{
    if (FRightAlign == value) return;
    FRightAlign = value;
    setAlignment(value ? (Qt::AlignRight | Qt::AlignVCenter) : (Qt::AlignLeft | Qt::AlignVCenter));
}

void TEsgEditBtn::SetButtonWidth(int value)
{
    FButtonWidth = value;
    FButton->resize(value, FButton->height());
    PlaceButton();
}

void TEsgEditBtn::SetIsWinXP(bool value)
{
    FIsWinXP = value;
    FButton->Button()->SetIsWinXP(value);
}

void TEsgEditBtn::SetEditMask(const QString& value)
{
    FEditMask = value;
    setInputMask(platform::QtInputMask(value));
}

void TEsgEditBtn::ClickButton(QObject* Sender)
{
    if (OnClickBtn) OnClickBtn(Sender);
}

int TEsgEditBtn::GetMinHeight() const
{
    const int s = QFontMetrics(QApplication::font()).height();
    const int f = fontMetrics().height();
    return f + std::min(s, f) / 4;
}

void TEsgEditBtn::SetEditRect()
{
    // Right of the text: the button, 5 pixels, the unit (and 3 more with one).
    const int unit = UnitWidth();
    int right = FButton->width() + 5 + unit;
    if (unit > 0) right += 3;
    const int m = hasFrame() ? 1 : 3;
    setTextMargins(m - 1, 0, right - m, 0);
}

void TEsgEditBtn::PlaceButton()
{
    const int k = hasFrame() ? 1 : 0;
    FButton->setGeometry(width() - FButton->width() - k, k, FButton->width(), std::max(0, height() - 2 * k));
    SetEditRect();
}

void TEsgEditBtn::resizeEvent(QResizeEvent* event)
{
    QLineEdit::resizeEvent(event);
    PlaceButton();
}

void TEsgEditBtn::keyPressEvent(QKeyEvent* event)
{
    const bool f4 = event->key() == Qt::Key_F4 && !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
    // Characters reach the text only while the editor is enabled.
    const bool character = !event->text().isEmpty() && event->text().at(0) >= u' ' &&
                           !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
    const bool clipboardWrite = event == QKeySequence::Paste || event == QKeySequence::Cut;
    if ((character || event->key() == Qt::Key_Backspace || event->key() == Qt::Key_Delete || clipboardWrite) &&
        (!FEditorEnabled || (clipboardWrite && isReadOnly()))) {
        event->accept();
    } else if (!f4) {
        QLineEdit::keyPressEvent(event);
    }
    if (f4) ClickButton(this);
}

bool TEsgEditBtn::event(QEvent* event)
{
    // Paste and cut from the context menu ask the same.
    if (event->type() == QEvent::ShortcutOverride) {
        auto* key = static_cast<QKeyEvent*>(event);
        if ((key == QKeySequence::Paste || key == QKeySequence::Cut) && !FEditorEnabled) {
            event->accept();
            return true;
        }
    }
    return QLineEdit::event(event);
}

void TEsgEditBtn::focusInEvent(QFocusEvent* event)
{
    QLineEdit::focusInEvent(event);
    if (AutoSelect && event->reason() != Qt::MouseFocusReason) selectAll();
}

// ------------------------------------------------------------ value with unit

TEsgUnitEditBtn::TEsgUnitEditBtn(QWidget* parent) : TEsgEditBtn(parent)
{
    FUnitSize = 20;
    SetRightAlign(true);
    SetEditRect();
}

void TEsgUnitEditBtn::SetUnitID(const QString& value)
{
    FUnitID = value;
    SetEditRect();
    update();
}

int TEsgUnitEditBtn::UnitWidth() const
{
    // A unit wider than the reserved space widens it rather than being cut.
    const int needed = FUnitID.isEmpty() ? 0 : fontMetrics().horizontalAdvance(FUnitID) + 2;
    return std::max(FUnitSize, needed);
}

void TEsgUnitEditBtn::SetUnitSpace(int value)
{
    FUnitSize = value;
    SetEditRect();
    update();
}

void TEsgUnitEditBtn::SetTextAndUnit(const QString& value)
{
    for (const QString& unit : FUnits) {
        if (unit.isEmpty()) continue;
        const qsizetype at = value.indexOf(unit);
        if (at >= 0 && at == value.size() - unit.size()) {
            setText(value.left(at));
            SetUnitID(unit);
            return;
        }
    }
}

void TEsgUnitEditBtn::ClickButton(QObject* Sender)
{
    if (OnClickBtn) OnClickBtn(this);
    (void)Sender;
    delete FMenu;
    FMenu = new QMenu(this);
    FMenu->setAttribute(Qt::WA_DeleteOnClose);
    for (int i = 0; i < FUnits.size(); ++i) {
        QAction* action = FMenu->addAction(FUnits[i]);
        action->setData(i + 1);
    }
    connect(FMenu, &QMenu::triggered, this, [this](QAction* action) { UnitChosen(action->data().toInt()); });
    FMenu->popup(mapToGlobal(QPoint(width() - 15, height())));
}

void TEsgUnitEditBtn::UnitChosen(int itemNumber)
{
    if (itemNumber < 1 || itemNumber > FUnits.size()) return;
    const QString unit = FUnits[itemNumber - 1];
    const bool changed = FUnitID != unit;
    SetUnitID(unit);
    if (changed && OnUnitChanged) OnUnitChanged(this, FUnitID);
}

void TEsgUnitEditBtn::paintEvent(QPaintEvent* event)
{
    TEsgEditBtn::paintEvent(event);
    QPainter p(this);
    p.setFont(font());
    p.setPen(palette().text().color());
    const int right = width() - Button()->width() - 3;
    const int unit = UnitWidth();
    const QRect r(right - unit, 2, unit, height() - 2);
    p.drawText(r, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, FUnitID);
}

}  // namespace grid
