#include "controls/button/lb_button.h"

#include <exception>

#include <QAction>
#include <QDialog>
#include <QKeyEvent>
#include <QMenu>
#include <QPainter>
#include <QShortcutEvent>
#include <QTimer>

#include "platform/dialogs.h"

namespace button {

namespace lb_button_detail {

constexpr int kFadeIntervalMs = 30;

struct KindPreset {
    platform::TModalResult ModalResult;
    const char* Resource;
    const char* Caption;
};

// The presets of the kinds bkOK .. bkAll (bkCustom has none).
KindPreset kindPreset(TLbButtonKind kind)
{
    switch (kind) {
    case bkOK: return {platform::mrOk, "LBOK", "OK"};
    case bkCancel: return {platform::mrCancel, "LBCANCEL", "Abbrechen"};
    case bkHelp: return {platform::mrNone, "LBHELP", "Hilfe"};
    case bkYes: return {platform::mrYes, "LBYES", "Ja"};
    case bkNo: return {platform::mrNo, "LBNO", "Nein"};
    case bkClose: return {platform::mrNone, "LBCLOSE", "Schließen"};
    case bkAbort: return {platform::mrAbort, "LBABORT", "Abbrechen"};
    case bkRetry: return {platform::mrRetry, "LBRETRY", "Wiederholen"};
    case bkIgnore: return {platform::mrIgnore, "LBIGNORE", "Ignorieren"};
    case bkAll: return {platform::mrAll, "LBALL", "Alle"};
    case bkCustom: break;
    }
    return {platform::mrNone, "", ""};
}

bool isEnterKey(int key) { return key == Qt::Key_Return || key == Qt::Key_Enter; }
bool isPressKey(int key) { return isEnterKey(key) || key == Qt::Key_Space; }

// The dotted focus rectangle: every other pixel of the outline of
// (left, top, right, bottom) inverted.
void invertDottedFrame(QImage& image, int left, int top, int right, int bottom)
{
    if (right - left < 1 || bottom - top < 1)
        return;
    const auto invert = [&](int x, int y) {
        if (x < 0 || y < 0 || x >= image.width() || y >= image.height() || (x + y) % 2 != 0)
            return;
        const QRgb pixel = image.pixel(x, y);
        if (qAlpha(pixel) == 255)
            image.setPixel(x, y, qRgb(255 - qRed(pixel), 255 - qGreen(pixel), 255 - qBlue(pixel)));
    };
    for (int x = left; x < right; ++x) {
        invert(x, top);
        if (bottom - 1 != top)
            invert(x, bottom - 1);
    }
    for (int y = top + 1; y < bottom - 1; ++y) {
        invert(left, y);
        if (right - 1 != left)
            invert(right - 1, y);
    }
}

}  // namespace lb_button_detail

using namespace lb_button_detail;

TLbButton::TLbButton(QWidget* parent) : QWidget(parent), FHTFont(font())
{
    resize(100, 23);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_NoSystemBackground);
    FThread = new QTimer(this);
    FThread->setInterval(kFadeIntervalMs);
    connect(FThread, &QTimer::timeout, this, &TLbButton::FadeStep);
}

TLbButton::~TLbButton()
{
    FThread->stop();
    if (FWatchedForm)
        FWatchedForm->removeEventFilter(this);
}

void TLbButton::SetAlignment(TAlignment value)
{
    FAlignment = value;
    PaintNow();
}

void TLbButton::SetCancel(bool value)
{
    FCancel = value;
    UpdateDialogKeyWatch();
}

void TLbButton::SetCaption(const QString& value)
{
    FCaption = value;
    setAccessibleName(value);
    UpdateAccelerator();
    update();
}

void TLbButton::SetColorStyle(TLbColorStyle value)
{
    const auto preset = GetColorStyleColors(value);
    if (!preset)
        return;
    FColor = preset->Color;
    FLightColor = preset->LightColor;
    FShadowColor = preset->ShadowColor;
    FColorWhenDown = preset->ColorWhenDown;
    FHotTrackColor = preset->HotTrackColor;
    FFontColor = preset->FontColor;
    FFlat = preset->Flat;
    FStyle = preset->Style;
    PaintNow();
}

void TLbButton::SetColor(TColor value)
{
    FColor = value;
    update();
}

void TLbButton::SetColorWhenDown(TColor value) { FColorWhenDown = value; }

void TLbButton::SetDefault(bool value)
{
    FDefault = value;
    UpdateDialogKeyWatch();
}

void TLbButton::SetFlat(bool value)
{
    FFlat = value;
    PaintNow();
}

void TLbButton::SetFontColor(TColor value)
{
    FFontColor = value;
    update();
}

void TLbButton::SetGlyph(const QImage& value)
{
    FGlyph = value;
    FNumGlyphs = (!FGlyph.isNull() && FGlyph.height() > 0) ? FGlyph.width() / FGlyph.height() : 0;
    FKind = bkCustom;
    update();
}

void TLbButton::SetHotTrackColor(TColor value) { FHotTrackColor = value; }

void TLbButton::SetHotTrackFont(const QFont& value) { FHTFont = value; }

void TLbButton::SetHotTrackFontColor(TColor value) { FHTFontColor = value; }

void TLbButton::SetKind(TLbButtonKind value)
{
    if (value != bkCustom) {
        const KindPreset preset = kindPreset(value);
        FNumGlyphs = 2;
        SetModalResult(preset.ModalResult);
        FGlyph = LoadButtonBitmap(QString::fromLatin1(preset.Resource));
        SetCaption(QString::fromUtf8(preset.Caption));
    }
    FKind = value;
    update();
}

void TLbButton::SetLayout(TLbButtonLayout value)
{
    FLayout = value;
    PaintNow();
}

void TLbButton::SetLightColor(TColor value)
{
    FLightColor = value;
    PaintNow();
}

void TLbButton::SetModalResult(platform::TModalResult value)
{
    FModalResult = value;
    FKind = bkCustom;
}

void TLbButton::SetNumGlyphs(int value)
{
    FNumGlyphs = value;
    update();
}

void TLbButton::SetShadowColor(TColor value)
{
    FShadowColor = value;
    PaintNow();
}

void TLbButton::SetSlowDecease(bool value)
{
    FSlowDecease = value;
    if (!value) {
        FHotTrackStep = 0;
        FThread->stop();
    }
    update();
}

void TLbButton::SetStyle(TLbButtonStyle value)
{
    FStyle = value;
    update();
}

void TLbButton::SetUseHotTrackFont(bool value) { FUseHTFont = value; }

void TLbButton::SetWordWrap(bool value)
{
    FWordWrap = value;
    PaintNow();
}

void TLbButton::SetPopupMenu(QMenu* menu)
{
    FPopupMenu = menu;
    update();
}

void TLbButton::SetAction(QAction* action)
{
    if (FAction)
        disconnect(FAction, nullptr, this, nullptr);
    FAction = action;
    if (action) {
        connect(action, &QAction::changed, this, &TLbButton::ActionChange);
        ActionChange();
    }
}

void TLbButton::ActionChange()
{
    if (!FAction)
        return;
    SetCaption(FAction->text());
    setEnabled(FAction->isEnabled());
    if (parentWidget())
        setVisible(FAction->isVisible());
    setToolTip(FAction->toolTip());
    if (FGlyph.isNull() && !FAction->icon().isNull()) {
        const QList<QSize> sizes = FAction->icon().availableSizes();
        const QSize size = sizes.isEmpty() ? QSize(16, 16) : sizes.first();
        CopyImageToGlyph(FAction->icon().pixmap(size).toImage());
    }
}

void TLbButton::CopyImageToGlyph(const QImage& image)
{
    if (image.isNull())
        return;
    QImage glyph(image.size(), QImage::Format_ARGB32);
    glyph.fill(QColor(255, 0, 255));
    {
        QPainter painter(&glyph);
        painter.drawImage(0, 0, image);
    }
    FGlyph = glyph;
    FNumGlyphs = 1;
    PaintNow();
}

void TLbButton::Click()
{
    bDown = true;
    const QPointer<TLbButton> self(this);
    const bool clicked = FireClick();
    if (!self)
        return;
    if (clicked && FAction)
        FAction->trigger();
    if (!self)
        return;
    // A hidden or disabled button that was asked to click stays unpressed.
    bDown = false;
}

bool TLbButton::FireClick()
{
    if (!isVisible() || !isEnabled() || !bDown)
        return false;
    bDown = false;
    const QPointer<TLbButton> self(this);
    if (OnClick)
        OnClick(this);
    if (!self)
        return true;
    if (FModalResult != platform::mrNone) {
        if (auto* dialog = qobject_cast<QDialog*>(FindParentForm())) {
            if (dialog->isModal())
                dialog->done(FModalResult);
            else
                dialog->setResult(FModalResult);
        }
    }
    if (self && FPopupMenu)
        FPopupMenu->popup(mapToGlobal(QPoint(0, height())));
    return true;
}

void TLbButton::ClickFromInput()
{
    Guarded([this] { Click(); });
}

void TLbButton::Guarded(const std::function<void()>& action)
{
    try {
        action();
    } catch (const std::exception& error) {
        platform::dialogs().error(QString::fromUtf8(error.what()), this);
    } catch (...) {
        platform::dialogs().error(tr("An unexpected error occurred."), this);
    }
}

void TLbButton::FadeStep()
{
    --FHotTrackStep;
    if (FHotTrackStep <= 0) {
        FThread->stop();
        FHotTrackStep = 0;
    }
    PaintNow();
}

bool TLbButton::IsHot() const { return bCursorOnButton || hasFocus(); }

bool TLbButton::IsFading() const { return FThread->isActive(); }

QWidget* TLbButton::FindParentForm() const
{
    QWidget* form = window();
    return form == this ? nullptr : form;
}

bool TLbButton::DialogKey(const QKeyEvent& key)
{
    const bool noShiftCtrlAlt =
        (key.modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier)) == Qt::NoModifier;
    const bool wanted = (isEnterKey(key.key()) && FDefault) ||
                        (key.key() == Qt::Key_Escape && FCancel && noShiftCtrlAlt && isVisible() && isEnabled());
    if (!wanted)
        return false;
    if (QWidget* form = FindParentForm()) {
        if (QWidget* active = form->focusWidget()) {
            const QString className = QString::fromLatin1(active->metaObject()->className()).toUpper();
            // Another button answers the key itself; a radio button is no button.
            if (className.contains(QLatin1String("BUTTON")) && !className.contains(QLatin1String("RADIOBUTTON")))
                return false;
        }
    }
    bDown = true;
    ClickFromInput();
    return true;
}

void TLbButton::UpdateDialogKeyWatch()
{
    QWidget* form = (FDefault || FCancel) ? FindParentForm() : nullptr;
    if (form == FWatchedForm)
        return;
    if (FWatchedForm)
        FWatchedForm->removeEventFilter(this);
    FWatchedForm = form;
    if (form)
        form->installEventFilter(this);
}

void TLbButton::UpdateAccelerator()
{
    if (FAcceleratorId != 0) {
        releaseShortcut(FAcceleratorId);
        FAcceleratorId = 0;
    }
    const QKeySequence accelerator = QKeySequence::mnemonic(FCaption);
    if (!accelerator.isEmpty())
        FAcceleratorId = grabShortcut(accelerator);
}

bool TLbButton::eventFilter(QObject* watched, QEvent* event)
{
    // Keys that no control of the form took travel up to the form, where the
    // Default and Cancel buttons look at them.
    if (watched == FWatchedForm && event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (DialogKey(*key)) {
            key->accept();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

bool TLbButton::event(QEvent* event)
{
    switch (event->type()) {
    case QEvent::Shortcut: {
        auto* shortcut = static_cast<QShortcutEvent*>(event);
        if (shortcut->shortcutId() == FAcceleratorId && FAcceleratorId != 0) {
            if (isVisible() && isEnabled()) {
                bDown = true;
                ClickFromInput();
            }
            return true;
        }
        break;
    }
    case QEvent::ParentChange:
        UpdateDialogKeyWatch();
        break;
    default: break;
    }
    return QWidget::event(event);
}

TLbButtonFaceState TLbButton::FaceState(bool hot) const
{
    TLbButtonFaceState state;
    state.Width = width();
    state.Height = height();
    state.HotTrackStep = FHotTrackStep;
    state.NumGlyphs = FNumGlyphs;
    state.Glyph = FGlyph;
    state.Down = bDown;
    state.Hot = hot;
    state.Enabled = isEnabled();
    state.Flat = FFlat;
    state.WordWrap = FWordWrap;
    state.HasPopup = !FPopupMenu.isNull();
    state.Style = FStyle;
    state.Color = FColor;
    state.ColorWhenDown = FColorWhenDown;
    state.HotTrackColor = FHotTrackColor;
    state.LightColor = FLightColor;
    state.ShadowColor = FShadowColor;
    const bool hotFont = hot && FUseHTFont;
    state.Font = hotFont ? FHTFont : font();
    state.FontColor = hotFont ? FHTFontColor : FFontColor;
    state.Layout = FLayout;
    state.Caption = FCaption;
    state.Alignment = FAlignment;
    return state;
}

QImage TLbButton::RenderFace() const
{
    const int w = width();
    const int h = height();
    QImage image(std::max(w, 1), std::max(h, 1), QImage::Format_ARGB32_Premultiplied);
    // Transparent where a shaped face (bsModern, bsShape, bsQuicken) leaves
    // the canvas alone, so that the form shows through.
    image.fill(Qt::transparent);
    const bool hot = IsHot();
    {
        QPainter canvas(&image);
        if (FStyle == bsOld && hasFocus()) {
            // The focused classic face: drawn one pixel smaller, shifted in
            // by one pixel and framed in black.
            TLbButtonFaceState state = FaceState(true);
            state.Width = w - 2;
            state.Height = h - 2;
            if (bDown)
                state.LightColor = state.ShadowColor;
            DrawButtonFace(canvas, state);
            const QImage inner = image.copy(0, 0, w - 2, h - 2);
            canvas.drawImage(1, 1, inner);
            canvas.setPen(QPen(Qt::black, 1));
            canvas.setBrush(Qt::NoBrush);
            canvas.drawRect(0, 0, w - 1, h - 1);
        } else {
            DrawButtonFace(canvas, FaceState(hot));
        }
    }
    return image;
}

void TLbButton::paintEvent(QPaintEvent*)
{
    QImage image = RenderFace();
    if (hasFocus() && isEnabled() && FStyle != bsShape)
        invertDottedFrame(image, 4, 4, width() - 4, height() - 4);
    QPainter painter(this);
    painter.drawImage(0, 0, image);
}

void TLbButton::PaintNow()
{
    if (isVisible())
        repaint();
}

QSize TLbButton::sizeHint() const { return QSize(100, 23); }

void TLbButton::mousePressEvent(QMouseEvent* event)
{
    QWidget::mousePressEvent(event);
    if (event->button() != Qt::LeftButton || !isEnabled())
        return;
    bDown = true;
    FMouseHeld = true;
    if (focusPolicy() != Qt::NoFocus)
        setFocus(Qt::MouseFocusReason);
    PaintNow();
}

void TLbButton::mouseMoveEvent(QMouseEvent* event)
{
    QWidget::mouseMoveEvent(event);
    if (!FMouseHeld)
        return;
    // The face follows the pointer: pressed over the button, raised off it.
    const bool over = rect().contains(event->position().toPoint());
    if (over != bDown) {
        bDown = over;
        PaintNow();
    }
}

void TLbButton::mouseReleaseEvent(QMouseEvent* event)
{
    QWidget::mouseReleaseEvent(event);
    if (event->button() != Qt::LeftButton)
        return;
    const bool wasHeld = FMouseHeld;
    FMouseHeld = false;
    const QPointer<TLbButton> self(this);
    if (wasHeld && bDown && rect().contains(event->position().toPoint()))
        ClickFromInput();
    if (!self)
        return;
    bDown = false;
    PaintNow();
}

void TLbButton::keyPressEvent(QKeyEvent* event)
{
    if (isPressKey(event->key()) && isEnabled()) {
        bDown = true;
        PaintNow();
        event->accept();
        return;
    }
    QWidget::keyPressEvent(event);
}

void TLbButton::keyReleaseEvent(QKeyEvent* event)
{
    if (isPressKey(event->key())) {
        event->accept();
        if (event->isAutoRepeat())
            return;
        // Only a key that went down on this button clicks it: the release of a
        // key pressed elsewhere (say, the Enter that opened this form) does not.
        const QPointer<TLbButton> self(this);
        if (bDown)
            ClickFromInput();
        if (self)
            PaintNow();
        return;
    }
    QWidget::keyReleaseEvent(event);
}

void TLbButton::enterEvent(QEnterEvent* event)
{
    QWidget::enterEvent(event);
    if (!isEnabled() || !isVisible())
        return;
    bCursorOnButton = true;
    FHotTrackStep = kFullHotTrackStep;
    PaintNow();
    if (OnMouseEnter)
        Guarded([this] { OnMouseEnter(this); });
}

void TLbButton::leaveEvent(QEvent* event)
{
    QWidget::leaveEvent(event);
    bCursorOnButton = false;
    if (FSlowDecease) {
        if (!FThread->isActive())
            FThread->start();
    } else {
        FHotTrackStep = 0;
        PaintNow();
    }
    if (isEnabled() && isVisible() && OnMouseExit)
        Guarded([this] { OnMouseExit(this); });
}

void TLbButton::focusInEvent(QFocusEvent* event)
{
    QWidget::focusInEvent(event);
    PaintNow();
}

void TLbButton::focusOutEvent(QFocusEvent* event)
{
    QWidget::focusOutEvent(event);
    PaintNow();
}

void TLbButton::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::EnabledChange) {
        bDown = false;
        FMouseHeld = false;
        PaintNow();
    }
}

void TLbButton::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    UpdateDialogKeyWatch();
}

void TLbButton::contextMenuEvent(QContextMenuEvent* event)
{
    if (FPopupMenu) {
        FPopupMenu->popup(event->globalPos());
        event->accept();
        return;
    }
    QWidget::contextMenuEvent(event);
}

}  // namespace button
