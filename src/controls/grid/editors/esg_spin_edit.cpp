#include "controls/grid/editors/esg_spin_edit.h"

#include <memory>

#include <QApplication>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QPainter>
#include <QStyle>
#include <QStyleOption>
#include <QTimer>
#include <qdrawutil.h>

#include "controls/grid/editors/inplace_edit_rules.h"
#include "controls/grid/editors/spin_rules.h"
#include "platform/format_settings.h"
#include "platform/input_state.h"
#include "platform/strings.h"
#include "platform/theme_painter.h"

namespace grid {

namespace esg_spin_detail {

constexpr int kFirstRepeatMs = 400;
constexpr int kNextRepeatMs = 100;

// The built-in arrow of the classic up and down buttons: a black triangle,
// 7 pixels at its base and 4 rows high, on a transparent 9 x 6 picture.
QImage arrowGlyph(bool up)
{
    QImage image(9, 6, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    for (int row = 0; row < 4; ++row) {
        const int half = row;  // 1, 3, 5, 7 pixels wide
        const int y = up ? 1 + row : 4 - row;
        for (int x = 4 - half; x <= 4 + half; ++x) image.setPixelColor(x, y, Qt::black);
    }
    return image;
}

// The arrows of the coloured look, relative to the button's top left, in
// the order of TButtonDirection (left, right, up, down).
constexpr QPoint kColouredArrows[4][3] = {
    {{5, 5}, {3, 7}, {5, 9}}, {{3, 5}, {5, 7}, {3, 9}}, {{4, 4}, {8, 4}, {6, 2}}, {{4, 2}, {8, 2}, {6, 4}}};

void fillTriangle(QPainter& painter, const QPoint (&points)[3], const QColor& color)
{
    painter.save();
    painter.setPen(color);
    painter.setBrush(color);
    painter.drawPolygon(points, 3);
    painter.restore();
}

}  // namespace esg_spin_detail

// ---------------------------------------------------------------- TExTimerSpeedButton

TExTimerSpeedButton::TExTimerSpeedButton(TEsgSpinButton* owner) : QWidget(owner), FOwner(owner)
{
    setMouseTracking(true);
    setFocusPolicy(Qt::NoFocus);
}

void TExTimerSpeedButton::SetButtonDirection(TButtonDirection value)
{
    FButtonDirection = value;
    update();
}

void TExTimerSpeedButton::SetTimeBtnState(TTimeBtnState value)
{
    FTimeBtnState = value;
    update();
}

void TExTimerSpeedButton::SetIsWinXP(bool value)
{
    FIsWinXP = value;
    update();
}

void TExTimerSpeedButton::SetFlat(bool value)
{
    FFlat = value;
    update();
}

void TExTimerSpeedButton::SetTransparent(bool value)
{
    FTransparent = value;
    update();
}

void TExTimerSpeedButton::SetGlyph(const QImage& value)
{
    FGlyph = value;
    update();
}

void TExTimerSpeedButton::SetNumGlyphs(int value)
{
    FNumGlyphs = value < 1 ? 1 : value;
    update();
}

void TExTimerSpeedButton::Click()
{
    if (OnClick) OnClick(this);
}

void TExTimerSpeedButton::RepeatTimerExpired()
{
    FRepeatTimer->setInterval(esg_spin_detail::kNextRepeatMs);
    if (!FPressed || !FMouseHeld) return;
    try {
        Click();
    } catch (...) {
        // A step that fails stops the repeating; the error is not carried
        // into the event loop.
        FRepeatTimer->stop();
    }
}

void TExTimerSpeedButton::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) return;
    FMouseHeld = true;
    FPressed = true;
    if (OnMouseDown) OnMouseDown(this);
    if (FTimeBtnState & tbAllowTimer) {
        if (!FRepeatTimer) {
            FRepeatTimer = new QTimer(this);
            connect(FRepeatTimer, &QTimer::timeout, this, &TExTimerSpeedButton::RepeatTimerExpired);
        }
        FRepeatTimer->setInterval(esg_spin_detail::kFirstRepeatMs);
        FRepeatTimer->start();
    }
    if (parentWidget()) parentWidget()->update();
    update();
}

void TExTimerSpeedButton::mouseMoveEvent(QMouseEvent* event)
{
    if (!FMouseHeld) return;
    const bool inside = rect().contains(event->position().toPoint());
    if (inside != FPressed) {
        FPressed = inside;
        update();
    }
}

void TExTimerSpeedButton::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || !FMouseHeld) return;
    const bool click = rect().contains(event->position().toPoint());
    FMouseHeld = false;
    FPressed = false;
    if (FRepeatTimer) FRepeatTimer->stop();
    if (parentWidget()) parentWidget()->update();
    update();
    if (click) {
        try {
            Click();
        } catch (...) {
        }
    }
}

void TExTimerSpeedButton::enterEvent(QEnterEvent* event)
{
    QWidget::enterEvent(event);
    FHasMouse = true;
    update();
}

void TExTimerSpeedButton::leaveEvent(QEvent* event)
{
    QWidget::leaveEvent(event);
    FHasMouse = false;
    update();
}

void TExTimerSpeedButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QRect r = rect();
    if (FOwner && FOwner->ButtonColor() != clNone) {
        TColor color = FOwner->ButtonColor();
        if (FPressed && FOwner->ButtonColorDown() != clNone) color = FOwner->ButtonColorDown();
        else if (FHasMouse && FOwner->ButtonColorHot() != clNone) color = FOwner->ButtonColorHot();
        painter.fillRect(r, toQColor(color));
        QPoint arrow[3];
        for (int i = 0; i < 3; ++i) arrow[i] = r.topLeft() + esg_spin_detail::kColouredArrows[FButtonDirection][i];
        esg_spin_detail::fillTriangle(painter, arrow, Qt::black);
        return;
    }
    if (FIsWinXP && platform::ThemePainter::ThemesActive()) {
        platform::TThemeState state = platform::tsNormal;
        if (FPressed) state = platform::tsPressed;
        else if (FHasMouse) state = platform::tsHot;
        if (!isEnabled()) state |= platform::tsDisabled;
        if (FButtonDirection == bdUp || FButtonDirection == bdDown) {
            platform::ThemePainter::Draw(painter, FButtonDirection == bdUp ? platform::TThemePart::SpinUp
                                                                          : platform::TThemePart::SpinDown,
                                         platform::TRect::fromQRect(r), state, 0, this);
            return;
        }
    }
    PaintClassic(painter, r);
}

void TExTimerSpeedButton::PaintClassic(QPainter& painter, const QRect& r)
{
    // A raised button face (sunken while pressed); a flat button shows its
    // edge only while the mouse is over it.
    const QPalette& pal = palette();
    if (!FTransparent) {
        if (!FFlat || FHasMouse || FPressed) qDrawWinButton(&painter, r, pal, FPressed, &pal.brush(QPalette::Button));
        else painter.fillRect(r, pal.brush(QPalette::Button));
    }
    QImage glyph = FGlyph;
    if (glyph.isNull()) {
        glyph = esg_spin_detail::arrowGlyph(FButtonDirection != bdDown);
        if (FButtonDirection == bdLeft || FButtonDirection == bdRight)
            glyph = glyph.transformed(QTransform().rotate(FButtonDirection == bdLeft ? -90 : 90));
    } else if (FNumGlyphs > 1) {
        glyph = glyph.copy(0, 0, glyph.width() / FNumGlyphs, glyph.height());
    }
    if (!isEnabled()) {
        // A disabled arrow is grey.
        QPainter tint(&glyph);
        tint.setCompositionMode(QPainter::CompositionMode_SourceIn);
        tint.fillRect(glyph.rect(), pal.color(QPalette::Disabled, QPalette::ButtonText));
    }
    const int dx = (r.width() - glyph.width()) / 2 + (FPressed ? 1 : 0);
    const int dy = (r.height() - glyph.height()) / 2 + (FPressed ? 1 : 0);
    painter.drawImage(r.left() + std::max(0, dx), r.top() + std::max(0, dy), glyph);
    if (FTimeBtnState & tbFocusRect) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = r.adjusted(2, 2, -2, -2);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
    }
}

// ---------------------------------------------------------------- TEsgSpinButton

TEsgSpinButton::TEsgSpinButton(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAutoFillBackground(false);
    setFocusPolicy(Qt::NoFocus);
    FUpButton = CreateTimerButton(bdUp);
    FDownButton = CreateTimerButton(bdDown);
    FFocusedButton = FUpButton;
    resize(15, 25);
}

TExTimerSpeedButton* TEsgSpinButton::CreateTimerButton(TButtonDirection direction)
{
    auto* button = new TExTimerSpeedButton(this);
    button->SetButtonDirection(direction);
    button->SetTimeBtnState(tbAllowTimer);
    button->OnClick = [this](TExTimerSpeedButton* sender) { BtnClick(sender); };
    button->OnMouseDown = [this](TExTimerSpeedButton* sender) { BtnMouseDown(sender); };
    button->show();
    return button;
}

void TEsgSpinButton::BtnClick(TExTimerSpeedButton* sender)
{
    if (sender == FUpButton && OnUpClick) OnUpClick(this);
    if (sender == FDownButton && OnDownClick) OnDownClick(this);
}

void TEsgSpinButton::BtnMouseDown(TExTimerSpeedButton* sender)
{
    SetFocusBtn(sender);
    QWidget* focus = FFocusControl;
    if (focus && (focus->focusPolicy() & Qt::TabFocus) && focus->isEnabled() && focus->isVisible() &&
        !focus->hasFocus())
        focus->setFocus(Qt::MouseFocusReason);
    else if ((focusPolicy() & Qt::TabFocus) && !hasFocus() && isEnabled() && isVisible())
        setFocus(Qt::MouseFocusReason);
}

void TEsgSpinButton::SetFocusBtn(TExTimerSpeedButton* button)
{
    if (!(focusPolicy() & Qt::TabFocus) || !isEnabled() || button == FFocusedButton) return;
    FFocusedButton->SetTimeBtnState(FFocusedButton->TimeBtnState() & ~tbFocusRect);
    FFocusedButton = button;
    if (hasFocus()) FFocusedButton->SetTimeBtnState(FFocusedButton->TimeBtnState() | tbFocusRect);
    RepaintButtons();
}

void TEsgSpinButton::SetDirection(TSpinDirection value)
{
    if (value == FDirection) return;
    FDirection = value;
    if (FDirection == spHorizontal) {
        FUpButton->SetButtonDirection(bdRight);
        FDownButton->SetButtonDirection(bdLeft);
        resize(20, height());
    } else {
        FUpButton->SetButtonDirection(bdUp);
        FDownButton->SetButtonDirection(bdDown);
        resize(15, height());
    }
    int w = width(), h = height();
    AdjustButtons(w, h);
}

void TEsgSpinButton::SetIsWinXP(bool value)
{
    FIsWinXP = value;
    FUpButton->SetIsWinXP(value);
    FDownButton->SetIsWinXP(value);
}

QImage TEsgSpinButton::UpGlyph() const { return FUpButton->Glyph(); }
void TEsgSpinButton::SetUpGlyph(const QImage& value) { FUpButton->SetGlyph(value); }
QImage TEsgSpinButton::DownGlyph() const { return FDownButton->Glyph(); }
void TEsgSpinButton::SetDownGlyph(const QImage& value) { FDownButton->SetGlyph(value); }

void TEsgSpinButton::RepaintButtons()
{
    FUpButton->update();
    FDownButton->update();
}

void TEsgSpinButton::AdjustButtons(int& width, int& height)
{
    if (!FUpButton || !FDownButton) return;
    if (FDirection == spVertical) {
        if (width < 15) width = 15;
        const int upHeight = height / 2;
        FUpButton->setGeometry(0, 0, width, upHeight);
        FDownButton->setGeometry(0, upHeight - 1, width, height - upHeight + 1);
    } else {
        if (width < 20) width = 20;
        FDownButton->setGeometry(0, 0, width / 2, height);
        FUpButton->setGeometry(width / 2 + 1, 0, width / 2, height);
    }
}

void TEsgSpinButton::paintEvent(QPaintEvent*)
{
    // The gap between side-by-side buttons shows the button face.
    QPainter painter(this);
    painter.fillRect(rect(), palette().brush(QPalette::Button));
}

void TEsgSpinButton::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    int w = width(), h = height();
    AdjustButtons(w, h);
    if (w != width() || h != height()) resize(w, h);
}

void TEsgSpinButton::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Space: FFocusedButton->Click(); return;
    case Qt::Key_Up: SetFocusBtn(FUpButton); FUpButton->Click(); return;
    case Qt::Key_Down: SetFocusBtn(FDownButton); FDownButton->Click(); return;
    default: QWidget::keyPressEvent(event);
    }
}

void TEsgSpinButton::focusInEvent(QFocusEvent* event)
{
    QWidget::focusInEvent(event);
    FFocusedButton->SetTimeBtnState(FFocusedButton->TimeBtnState() | tbFocusRect);
}

void TEsgSpinButton::focusOutEvent(QFocusEvent* event)
{
    QWidget::focusOutEvent(event);
    FFocusedButton->SetTimeBtnState(FFocusedButton->TimeBtnState() & ~tbFocusRect);
}

// ---------------------------------------------------------------- TEsgSpinEdit

TEsgSpinEdit::TEsgSpinEdit(QWidget* parent) : QLineEdit(parent)
{
    FButton = new TEsgSpinButton(this);
    FButton->resize(15, 17);
    FButton->SetFocusControl(this);
    FButton->OnUpClick = [this](QObject* sender) { UpClick(sender); };
    FButton->OnDownClick = [this](QObject* sender) { DownClick(sender); };
    FButton->setCursor(Qt::ArrowCursor);
    FButton->show();
    setText(QStringLiteral("0"));
    LayoutButton();
}

TEsgSpinEdit::~TEsgSpinEdit()
{
    // The button is a child and goes with the edit; its events must not
    // reach a half-destroyed edit.
    FButton->OnUpClick = nullptr;
    FButton->OnDownClick = nullptr;
}

int TEsgSpinEdit::SelStart() const
{
    return hasSelectedText() ? selectionStart() : cursorPosition();
}

int TEsgSpinEdit::Value() const
{
    const QString trimmed = platform::trimBlanks(text());
    if (trimmed.isEmpty()) return 0;
    return platform::parseIntOr(trimmed, FMinValue);
}

void TEsgSpinEdit::SetValue(int value)
{
    setText(QString::number(ClampSpinValue(value, FMinValue, FMaxValue)));
    if (!FEditorEnabled) selectAll();
}

double TEsgSpinEdit::FloatValue() const
{
    return ParseSpinFloat(text()).value_or(FMinFloatValue);
}

void TEsgSpinEdit::SetFloatValue(double value)
{
    setText(FormatSpinFloat(ClampSpinFloat(value, FMinFloatValue, FMaxFloatValue), FPrecision));
    if (!FEditorEnabled) selectAll();
}

TDateTime TEsgSpinEdit::DateValue() const
{
    const QString t = platform::trimBlanks(text());
    if (t.isEmpty() || t == QStringLiteral("0")) return NowDateTime();
    const auto date = ParseDateText(t);
    return date ? DateTimeFromQt(*date) : FMinDateValue;
}

void TEsgSpinEdit::SetDateValue(TDateTime value)
{
    FDateValue = ClampSpinDateTime(value, FMinDateValue, FMaxDateValue);
    SetTextKeepingCaret(FormatDateTimeText(platform::formatSettings().ShortDateFormat, FDateValue));
}

TDateTime TEsgSpinEdit::TimeValue() const
{
    const auto time = ParseTimeText(text());
    return time ? DateTimeFromQt(QDate(1899, 12, 30), *time) : 0.0;
}

void TEsgSpinEdit::SetTimeValue(TDateTime value)
{
    FTimeValue = ClampSpinDateTime(value, FMinDateValue, FMaxDateValue);
    const QString format = FShowSeconds ? platform::formatSettings().LongTimeFormat : QStringLiteral("h:nn");
    SetTextKeepingCaret(FormatDateTimeText(format, FTimeValue));
}

void TEsgSpinEdit::SetTextKeepingCaret(const QString& value)
{
    const int caret = SelStart();
    setText(value);
    setCursorPosition(std::min(caret, int(value.size())));
    if (!FEditorEnabled) selectAll();
}

void TEsgSpinEdit::SetSpinType(TEsgSpinType value)
{
    FSpinType = value;
    switch (FSpinType) {
    case sptNormal: SetValue(Value()); break;
    case sptFloat: SetFloatValue(FloatValue()); break;
    case sptDate: SetDateValue(DateValue()); break;
    case sptTime: SetTimeValue(TimeValue()); break;
    }
}

void TEsgSpinEdit::SetPrecision(int value)
{
    FPrecision = value;
    if (FSpinType == sptFloat) SetFloatValue(FloatValue());
}

void TEsgSpinEdit::SetDirection(TSpinDirection value)
{
    if (value == FDirection) return;
    FDirection = value;
    FButton->SetDirection(value);
    LayoutButton();
}

void TEsgSpinEdit::SetIsWinXP(bool value)
{
    FIsWinXP = value;
    FButton->SetIsWinXP(value);
}

void TEsgSpinEdit::SetEditAlign(TEditAlign value)
{
    FEditAlign = value;
    switch (value) {
    case eaLeft: setAlignment(Qt::AlignLeft | Qt::AlignVCenter); break;
    case eaRight: setAlignment(Qt::AlignRight | Qt::AlignVCenter); break;
    case eaCenter: setAlignment(Qt::AlignHCenter | Qt::AlignVCenter); break;
    }
}

void TEsgSpinEdit::SetSpinFlat(bool value)
{
    FSpinFlat = value;
    FButton->UpButton()->SetFlat(value);
    FButton->DownButton()->SetFlat(value);
}

void TEsgSpinEdit::SetSpinTransparent(bool value)
{
    FSpinTransparent = value;
    FButton->UpButton()->SetTransparent(value);
    FButton->DownButton()->SetTransparent(value);
    LayoutButton();
}

void TEsgSpinEdit::UpClick(QObject*)
{
    IncreaseValue(false);
}

void TEsgSpinEdit::DownClick(QObject*)
{
    DecreaseValue(false);
}

void TEsgSpinEdit::IncreaseValue(bool page)
{
    StepValue(+1, page);
}

void TEsgSpinEdit::DecreaseValue(bool page)
{
    StepValue(-1, page);
}

void TEsgSpinEdit::StepValue(int direction, bool page)
{
    if (isReadOnly()) {
        platform::beep();
        return;
    }
    switch (FSpinType) {
    case sptNormal:
        SetValue(SaturatingAdd(Value(), direction > 0 ? FIncrement : -FIncrement));
        break;
    case sptFloat:
        SetFloatValue(FloatValue() + direction * (page ? FIncrementFloatPage : FIncrementFloat));
        break;
    case sptDate:
        SetDateValue(StepDateField(DateValue(), text(), SelStart(), direction));
        break;
    case sptTime: {
        const TTimeField field = TimeFieldAt(text(), SelStart(), FShowSeconds);
        SetTimeValue(
            StepTimeValue(TimeValue(), field, direction, FIncrementHours, FIncrementMinutes, FIncrementSeconds));
        break;
    }
    }
}

bool TEsgSpinEdit::IsValidSpinChar(QChar& key)
{
    TSpinCharContext context;
    context.SpinType = FSpinType;
    context.Text = text();
    context.SelStart = SelStart();
    context.SelLength = int(selectedText().size());
    context.EditorEnabled = FEditorEnabled;
    context.Precision = FPrecision;
    return IsValidSpinCharacter(context, key);
}

void TEsgSpinEdit::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_PageUp: IncreaseValue(true); return;
    case Qt::Key_PageDown: DecreaseValue(true); return;
    case Qt::Key_Up: IncreaseValue(false); return;
    case Qt::Key_Down: DecreaseValue(false); return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (FReturnIsTab) {
            // Enter moves on like Tab: the form's focus chain takes it.
            QCoreApplication::postEvent(this, new QKeyEvent(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier));
            return;
        }
        break;
    case Qt::Key_Delete:
        if (!FEditorEnabled) return;
        break;
    default:
        break;
    }
    {
        QChar key = TypedCharacter(*event);
        if (!key.isNull()) {
            if (FExcelStyleDecimalSeparator && key == u'.' && (event->modifiers() & Qt::KeypadModifier))
                key = platform::formatSettings().DecimalSeparator;
            if (!IsValidSpinChar(key)) {
                platform::beep();
                return;
            }
            if (key.unicode() >= 32 && QString(key) != event->text()) {
                QKeyEvent replaced(event->type(), event->key(), event->modifiers(), QString(key));
                QLineEdit::keyPressEvent(&replaced);
                return;
            }
        }
    }
    const bool pasteOrCut = event->matches(QKeySequence::Paste) || event->matches(QKeySequence::Cut);
    if (pasteOrCut && (!FEditorEnabled || isReadOnly())) return;
    QLineEdit::keyPressEvent(event);
}

void TEsgSpinEdit::contextMenuEvent(QContextMenuEvent* event)
{
    std::unique_ptr<QMenu> menu(createStandardContextMenu());
    if (!FEditorEnabled) {
        for (QAction* action : menu->actions()) {
            const QString name = action->objectName();
            if (name == QLatin1String("edit-paste") || name == QLatin1String("edit-cut") ||
                name == QLatin1String("edit-delete"))
                action->setEnabled(false);
        }
    }
    menu->exec(event->globalPos());
}

void TEsgSpinEdit::focusInEvent(QFocusEvent* event)
{
    QLineEdit::focusInEvent(event);
    // A press of the left button on the edit places the caret instead.
    const bool leftDown = QApplication::mouseButtons() & Qt::LeftButton;
    const bool mouseDownHere = event->reason() == Qt::MouseFocusReason && leftDown &&
                               rect().contains(mapFromGlobal(QCursor::pos()));
    if (FAutoSelect && (!mouseDownHere || !FEditorEnabled)) selectAll();
}

void TEsgSpinEdit::focusOutEvent(QFocusEvent* event)
{
    QLineEdit::focusOutEvent(event);
    ClampToLimits();
}

void TEsgSpinEdit::ClampToLimits()
{
    switch (FSpinType) {
    case sptNormal: {
        const int v = Value();
        if (ClampSpinValue(v, FMinValue, FMaxValue) != v) SetValue(v);
        break;
    }
    case sptFloat: {
        const double v = FloatValue();
        if (ClampSpinFloat(v, FMinFloatValue, FMaxFloatValue) != v) SetFloatValue(v);
        break;
    }
    case sptDate: {
        const TDateTime v = DateValue();
        if (ClampSpinDateTime(v, FMinDateValue, FMaxDateValue) != v) SetDateValue(v);
        break;
    }
    case sptTime: {
        const TDateTime v = TimeValue();
        if (ClampSpinDateTime(v, FMinDateValue, FMaxDateValue) != v) SetTimeValue(v);
        break;
    }
    }
}

int TEsgSpinEdit::GetMinHeight() const
{
    const int system = QFontMetrics(QApplication::font()).height();
    const int own = fontMetrics().height();
    int result = own + std::min(system, own) / 4 + 2;
    if (hasFrame()) result += 4;
    return result;
}

void TEsgSpinEdit::resizeEvent(QResizeEvent* event)
{
    QLineEdit::resizeEvent(event);
    if (height() < GetMinHeight()) {
        resize(width(), GetMinHeight());
        return;
    }
    LayoutButton();
}

void TEsgSpinEdit::changeEvent(QEvent* event)
{
    QLineEdit::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange) LayoutButton();
}

void TEsgSpinEdit::LayoutButton()
{
    const int frame = hasFrame() ? style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, this) : 0;
    const int buttonWidth = FDirection == spHorizontal ? 20 : 15;
    FButton->setGeometry(width() - buttonWidth - frame, frame, buttonWidth, std::max(0, height() - 2 * frame));
    const int margin = hasFrame() ? 0 : 3;
    setTextMargins(margin, 0, FButton->width() + 2, 0);
}

}  // namespace grid
