#include "controls/dropdown/base/ex_custom_dropdown.h"

#include <QApplication>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QScreen>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QToolTip>
#include <QWheelEvent>

#include "controls/dropdown/base/dropdown_bars.h"
#include "controls/dropdown/base/dropdown_button.h"
#include "controls/dropdown/base/dropdown_form.h"
#include "controls/dropdown/base/guarded.h"
#include "controls/grid/paint/grid_draw_utils.h"
#include "controls/grid/scoped_value.h"
#include "platform/tick_clock.h"

namespace dropdown {

using platform::TShiftState;
using platform::Word;

namespace ex_custom_dropdown_detail {

// A click that comes this soon after the pop-up lost activation was the
// click that closed it.
constexpr uint32_t kReopenGuardMs = 250;

// A key event for the line edit's own handling of a key code.
QKeyEvent keyEventFor(Word key, TShiftState shift)
{
    Qt::KeyboardModifiers modifiers;
    if (shift & platform::ssShift) modifiers |= Qt::ShiftModifier;
    if (shift & platform::ssCtrl) modifiers |= Qt::ControlModifier;
    return QKeyEvent(QEvent::KeyPress, platform::qtKeyFromKeyCode(key), modifiers);
}

// The character a key event types, or none.
QChar typedChar(const QKeyEvent& event)
{
    const QString text = event.text();
    if (text.size() != 1) return QChar();
    const QChar c = text.at(0);
    // Ctrl with a letter is a shortcut of the key-down (Ctrl+C, Ctrl+V ...).
    if ((event.modifiers() & Qt::ControlModifier) && c.isLetter()) return QChar();
    if (c == QChar(u'\r') || c == QChar(u'\x1b') || c == QChar(u'\b') || c.isPrint()) return c;
    return QChar();
}

// Whether a widget shows when its parent does: it has not been hidden on
// purpose (a child that was never shown counts as hidden to Qt until its
// parent is shown).
bool ShowsWithParent(const QWidget& widget)
{
    return !widget.isHidden() || !widget.testAttribute(Qt::WA_WState_ExplicitShowHide);
}

// The shift state of a key that reaches the key-down handling as a message:
// Shift and Ctrl as the keyboard holds them, never Alt.
TShiftState messageShiftState() { return platform::keyboardShiftState() & ~TShiftState(platform::ssAlt); }

}  // namespace ex_custom_dropdown_detail

TExCustomDropDown::TExCustomDropDown(QWidget* parent)
    : QLineEdit(parent),
      FDropDownHeader(std::make_unique<THeaderAppearance>()),
      FDropDownFooter(std::make_unique<TFooterAppearance>()),
      FButtonAppearance(std::make_unique<TExButtonAppearance>())
{
    resize(200, 21);
    CreateDropDownForm();
    CreateDropDownButton();
    SetText(QString());
    FOldText.clear();
    FLastGoodText = QLineEdit::text();
    FDropDownHeader->OnChange = [this] { DropDownHeaderChanged(); };
    FDropDownHeader->OnButtonsChanged = [this] { DropDownHeaderChanged(); };
    FDropDownFooter->OnChange = [this] { DropDownFooterChanged(); };
    FDropDownFooter->OnButtonsChanged = [this] { DropDownFooterChanged(); };
    SetSelectionColorStyle(scOffice2007);
    FFocusDraw = true;
    SetComponentStyle(tsOffice2007Luna);
    connect(this, &QLineEdit::textChanged, this, [this] { TextChanged(); });
    ResizeControl();
}

TExCustomDropDown::~TExCustomDropDown()
{
    FDestroying = true;
    // The label is the edit's although it sits on the edit's parent. Its
    // events stop reaching this edit first: the edit is half gone.
    if (FLabel) FLabel->removeEventFilter(this);
    delete FLabel.data();
    if (FDropDownForm) {
        // The form goes first, with the bars and the picker's control; it
        // calls back into no part of the edit on its way out.
        FDropDownForm->SetExDropDown(nullptr);
        FDropDownForm->OnHide = nullptr;
        FDropDownForm->OnDestroy = nullptr;
        FDropDownForm->OnSizing = nullptr;
        delete FDropDownForm;
    }
}

template <class Action>
void TExCustomDropDown::GuardedInput(Action&& action)
{
    const QString before = QLineEdit::text();
    if (!Guarded(std::forward<Action>(action))) RestoreText(before);
}

void TExCustomDropDown::RestoreText(const QString& text)
{
    FRestoring = true;
    if (QLineEdit::text() != text) QLineEdit::setText(text);
    FRestoring = false;
    FLastGoodText = text;
}

// ----- creation

uint32_t TExCustomDropDown::GetVersionNr() const { return (1u << 24) | (2u << 16) | (1u << 8) | 4u; }

QString TExCustomDropDown::Version() const
{
    const uint32_t v = GetVersionNr();
    return QStringLiteral("%1.%2.%3.%4").arg(v >> 24).arg((v >> 16) & 0xFF).arg((v >> 8) & 0xFF).arg(v & 0xFF);
}

void TExCustomDropDown::CreateDropDownForm()
{
    if (FDropDownForm) return;
    FDropDownForm = new TDropDownForm(this);
    FDropDownForm->SetExDropDown(this);
    FDropDownForm->resize(std::max(FDropDownWidth, 1), std::max(FDropDownHeight, 1));
    FDropDownForm->OnHide = [this](QObject*) { AfterHideDropDown(); };
    FDropDownForm->OnKeyPress = [this](QObject*, QChar& key) { DropDownFormKeyPress(key); };
    FDropDownForm->OnKeyDown = [this](QObject*, Word& key, TShiftState shift) { DropDownFormKeyDown(key, shift); };
    FDropDownForm->OnKeyUp = [this](QObject*, Word& key, TShiftState shift) { DropDownFormKeyUp(key, shift); };
    FDropDownForm->OnMouseWheelDown = [this](QObject*, TShiftState shift, QPoint pos, bool& handled) {
        DropDownFormWheelDown(shift, pos, handled);
    };
    FDropDownForm->OnMouseWheelUp = [this](QObject*, TShiftState shift, QPoint pos, bool& handled) {
        DropDownFormWheelUp(shift, pos, handled);
    };
    FDropDownForm->OnDestroy = [this](QObject*) { DropDownFormDestroyed(); };
    FDropDownForm->OnSizing = [this](QObject*) { DropDownFormSizing(); };
}

void TExCustomDropDown::CreateDropDownButton()
{
    if (!FButton) {
        FButton = new TDropDownEditButton(this);
        FButton->OnClick = [this](QObject*) { GuardedInput([this] { DropDownFromClick(); }); };
    }
    UpdateDropDownButton();
}

void TExCustomDropDown::UpdateDropDownButton()
{
    FButton->SetButtonWidth(FDropDownButtonWidth);
    FButton->SetBounds(FButton->x(), FButton->y(), FDropDownButtonWidth, 17);
    FButton->show();
    FButton->SetFocusControl(this);
}

void TExCustomDropDown::Assign(const TExCustomDropDown& source)
{
    if (&source == this) return;
    FFocusDraw = source.FFocusDraw;
    FForceShadow = source.FForceShadow;
    FDropDownEnabled = source.FDropDownEnabled;
    FDropDownColor = source.FDropDownColor;
    FDropDownColorTo = source.FDropDownColorTo;
    FDropDownGradient = source.FDropDownGradient;
    FDropDownBorderColor = source.FDropDownBorderColor;
    FDropDownBorderWidth = source.FDropDownBorderWidth;
    FDropDownShadow = source.FDropDownShadow;
    FDropDownWidth = source.FDropDownWidth;
    FDropDownHeight = source.FDropDownHeight;
    FDropDownSizeable = source.FDropDownSizeable;
    FReturnIsTab = source.FReturnIsTab;
    FPrefix = source.FPrefix;
    FSuffix = source.FSuffix;
    FDefaultHandling = source.FDefaultHandling;
    FCanUndo = source.FCanUndo;
    FButtonAppearance->Assign(*source.FButtonAppearance);
    FDropDownHeader->Assign(*source.FDropDownHeader);
    FDropDownFooter->Assign(*source.FDropDownFooter);
    FDropPosition = source.FDropPosition;
    FFlat = source.FFlat;
    SetDropDownButtonWidth(source.FDropDownButtonWidth);
    SetDropDownButtonHint(source.FDropDownButtonHint);
    FEditorEnabled = source.FEditorEnabled;
    UpdateLineEditReadOnly();
    FButton->SetGlyph(source.FButton->Glyph());
    FButton->SetButtonCaption(source.FButton->ButtonCaption());
    SetImages(source.FImages);
    FSelectionColorStyle = source.FSelectionColorStyle;
    FSelectionColor = source.FSelectionColor;
    FSelectionColorTo = source.FSelectionColorTo;
}

// ----- properties

void TExCustomDropDown::SetDropDownWidth(int value)
{
    if (FDropDownWidth == value) return;
    FDropDownWidth = value;
    FUserSize = QSize(-1, -1);
}

void TExCustomDropDown::SetDropDownHeight(int value)
{
    if (FDropDownHeight == value) return;
    FDropDownHeight = value;
    FUserSize = QSize(-1, -1);
}

void TExCustomDropDown::SetImages(TImageList* value)
{
    FImages = value;
    update();
}

void TExCustomDropDown::SetDropDownButtonWidth(int value)
{
    if (FDropDownButtonWidth == value) return;
    FDropDownButtonWidth = value;
    FButton->SetButtonWidth(value);
    ResizeControl();
}

void TExCustomDropDown::SetDropDownButtonHint(const QString& value)
{
    FDropDownButtonHint = value;
    FButton->setToolTip(value);
}

QImage TExCustomDropDown::DropDownButtonGlyph() const { return FButton->Glyph(); }
void TExCustomDropDown::SetDropDownButtonGlyph(const QImage& value) { FButton->SetGlyph(value); }
QString TExCustomDropDown::DropDownButtonCaption() const { return FButton->ButtonCaption(); }
void TExCustomDropDown::SetDropDownButtonCaption(const QString& value) { FButton->SetButtonCaption(value); }

void TExCustomDropDown::SetEditorEnabled(bool value)
{
    FEditorEnabled = value;
    UpdateLineEditReadOnly();
}

void TExCustomDropDown::SetReadOnly(bool value)
{
    FReadOnly = value;
    UpdateLineEditReadOnly();
    FButton->update();
}

void TExCustomDropDown::UpdateLineEditReadOnly()
{
    // The line edit takes no typing (and shows no caret) while read-only or
    // not editable.
    FApplyingReadOnly = true;
    QLineEdit::setReadOnly(FReadOnly || !FEditorEnabled);
    FApplyingReadOnly = false;
}

void TExCustomDropDown::LineEditReadOnlyChanged()
{
    // Read-only set the line edit's way (QLineEdit::setReadOnly) is the
    // edit's ReadOnly; the non-editable mode stays on top of it.
    if (FApplyingReadOnly) return;
    SetReadOnly(QLineEdit::isReadOnly());
}

void TExCustomDropDown::SetBorderColor(TColor value)
{
    if (FBorderColor == value) return;
    FBorderColor = value;
    update();
    FButton->update();
}

void TExCustomDropDown::SetDisabledBorder(bool value)
{
    if (FDisabledBorder == value) return;
    FDisabledBorder = value;
    update();
}

void TExCustomDropDown::SetControl(QWidget* value)
{
    if (FControl == value) return;
    FControl = value;
    if (FControl) PlaceDropDownControl();
}

// ----- text

QString TExCustomDropDown::Text() const
{
    QString text = QLineEdit::text();
    if (!FPrefix.isEmpty() && text.startsWith(FPrefix)) text.remove(0, FPrefix.size());
    // Only a suffix the text ends with comes off: a text set directly keeps
    // all its characters.
    if (!FSuffix.isEmpty() && text.endsWith(FSuffix)) text.chop(FSuffix.size());
    return text;
}

void TExCustomDropDown::SetTextDirect(const QString& value) { QLineEdit::setText(value); }

void TExCustomDropDown::TextChanged()
{
    if (FRestoring) return;
    if (BlockChange) {
        BlockChange = false;
        return;
    }
    if (Guarded([this] { HandleChange(); }))
        FLastGoodText = QLineEdit::text();
    else
        RestoreText(FLastGoodText);
}

void TExCustomDropDown::HandleChange()
{
    if (OnChange) OnChange(this);
}

// ----- styles

void TExCustomDropDown::SetSelectionColorStyle(TSelectionColorStyle style)
{
    FSelectionColorStyle = style;
    if (const auto preset = SelectionStylePreset(style)) {
        FSelectionColor = preset->SelectionColor;
        FSelectionColorTo = preset->SelectionColorTo;
    }
}

void TExCustomDropDown::SetComponentStyle(TQVRStyle style)
{
    FComponentStyle = style;
    const auto preset = DropDownStylePreset(style);
    if (!preset) return;
    FDropDownColor = preset->DropDownColor;
    FDropDownColorTo = preset->DropDownColorTo;
    if (preset->DropDownBorderColor) FDropDownBorderColor = *preset->DropDownBorderColor;
    auto applyBar = [](TBarAppearance& bar, const TBarStyleColors& colors) {
        bar.SetColor(colors.Color);
        bar.SetColorTo(colors.ColorTo);
        bar.Font().Color = colors.FontColor;
        bar.SetBorderColor(colors.BorderColor);
    };
    applyBar(*FDropDownHeader, preset->Header);
    applyBar(*FDropDownFooter, preset->Footer);
    const TButtonStyleColors& b = preset->Buttons;
    TExButtonAppearance& a = *FButtonAppearance;
    a.SetColor(b.Color);
    a.SetColorTo(b.ColorTo);
    a.SetBorderColor(b.BorderColor);
    a.SetColorHot(b.Hot.From);
    a.SetColorHotTo(b.Hot.To);
    a.SetBorderColorHot(b.Hot.Border);
    a.SetColorDown(b.Down.From);
    a.SetColorDownTo(b.Down.To);
    a.SetBorderColorDown(b.Down.Border);
    a.SetColorDisabled(b.Disabled.From);
    a.SetColorDisabledTo(b.Disabled.To);
    a.SetColorChecked(b.Checked.From);
    a.SetColorCheckedTo(b.Checked.To);
    a.SetBorderColorChecked(b.Checked.Border);
}

void TExCustomDropDown::SetColorTones(const TColorTones& tones)
{
    FButton->SetButtonColor(tones.Background.BrushColor);
    FButton->SetButtonColorHot(tones.Hover.BrushColor);
    FButton->SetButtonColorDown(tones.Selected.BrushColor);
    FButton->SetButtonBorderColor(tones.Background.BorderColor);
    SetBorderColor(tones.Background.BorderColor);
}

void TExCustomDropDown::DrawSelectionBackground(platform::TCanvas& canvas, const platform::TRect& rect,
                                                TColor cornerColor, int segment)
{
    const auto preset = SelectionStylePreset(FSelectionColorStyle);
    if (!preset) {
        canvas.Pen.Color = FSelectionColor;
        canvas.Brush.Color = FSelectionColor;
        canvas.Brush.Style = Qt::SolidPattern;
        canvas.FillRect(rect);
        return;
    }
    grid::TSelectionFrameColors frame;
    frame.FillFrom = FSelectionColor;
    frame.FillTo = FSelectionColorTo;
    frame.MirrorFrom = preset->MirrorFrom;
    frame.MirrorTo = preset->MirrorTo;
    frame.Outer = preset->Outer;
    frame.InnerTop = preset->InnerTop;
    frame.InnerBottom = preset->InnerBottom;
    frame.InnerCorner = preset->InnerCorner;
    grid::DrawSelectionFrame(canvas, frame, segment, rect, cornerColor);
}

void TExCustomDropDown::DrawGradientRect(platform::TCanvas& canvas, TColor fromColor, TColor toColor, int steps,
                                         const platform::TRect& rect, TGradientDirection direction)
{
    DrawGradient(canvas, fromColor, toColor, steps, rect, direction == gdHorizontal);
}

// ----- the pop-up

void TExCustomDropDown::DropDownFromClick()
{
    if (!FDropDownForm || FDropDownForm->isVisible()) return;
    if (uint32_t(platform::tickClock().ticks() - FDropDownForm->DeActivateTime)
        > ex_custom_dropdown_detail::kReopenGuardMs)
        DoShowDropDown();
}

void TExCustomDropDown::BeforeDropDown()
{
    if (OnBeforeDropDown) OnBeforeDropDown(this);
}

void TExCustomDropDown::DoShowDropDown()
{
    if (!FDropDownForm || FDropDownForm->isVisible() || !isEnabled() || FReadOnly) return;
    BeforeDropDown();
    FDropDownForm->Shadow = FDropDownShadow;
    FDropDownForm->InitializeAndUpdate();
    SizeDropDownForm();
    PlaceDropDownControl();
    FDropDownForm->setMinimumSize(kMinDropDownWidth, kMinDropDownHeight);
    if (FControl) FControl->installEventFilter(this);

    TDropDownPlacement placement;
    placement.EditTopLeft = mapToGlobal(QPoint(0, 0));
    placement.EditHeight = height();
    placement.PopupSize = ConstrainedDropDownSize(FDropDownForm->size());
    placement.Position = FDropPosition;

    bool accept = true;
    if (OnDropDown) OnDropDown(this, accept);
    if (!accept) return;

    QScreen* screen = QGuiApplication::screenAt(placement.EditTopLeft);
    if (!screen) screen = this->screen();
    if (screen) {
        placement.Screen = screen->geometry();
        placement.WorkArea = screen->availableGeometry();
    }
    const QPoint at = DropDownPosition(placement);
    QSize size = placement.PopupSize;
    if (FUserSize.width() >= 0) size.setWidth(FUserSize.width());
    if (FUserSize.height() >= 0) size.setHeight(FUserSize.height());
    size = ConstrainedDropDownSize(size);
    int h = size.height();
    AdaptDropDownHeight(h);
    FDroppedDown = true;
    FDropDownForm->ShowAt(QRect(at, QSize(size.width(), h)));
    FocusDropDownControl();
}

void TExCustomDropDown::SizeDropDownForm()
{
    int w = FDropDownWidth;
    const bool controlShown = FControl && ex_custom_dropdown_detail::ShowsWithParent(*FControl);
    if (w <= 0) w = controlShown ? FControl->width() : width();
    int h = FDropDownHeight;
    if (h <= 0) {
        h = 2 * FDropDownBorderWidth;
        if (FDropDownHeader->Visible() && FDropDownForm->Header()) h += FDropDownForm->Header()->height();
        if (FDropDownFooter->Visible() && FDropDownForm->Footer()) h += FDropDownForm->Footer()->height();
        if (controlShown) h += FControl->height();
    }
    FDropDownForm->resize(w, h);
}

void TExCustomDropDown::PlaceDropDownControl()
{
    if (!FDropDownForm || !FControl) return;
    if (FControl->parentWidget() != FDropDownForm) {
        const bool shown = ex_custom_dropdown_detail::ShowsWithParent(*FControl);
        FControl->setParent(FDropDownForm);
        FControl->setVisible(shown);
    }
    if (FDropDownForm->isVisible()) FDropDownForm->ArrangeChildren();
}

void TExCustomDropDown::FocusDropDownControl()
{
    QWidget* focus = FFocusControl;
    if (focus && focus->focusPolicy() & Qt::TabFocus && focus->isEnabled() && focus->isVisible() && !focus->hasFocus())
        focus->setFocus(Qt::PopupFocusReason);
    // Without a control to type into, the pop-up itself takes the keys.
    if (FDropDownForm->isVisible() && !FDropDownForm->focusWidget()) FDropDownForm->setFocus(Qt::PopupFocusReason);
}

void TExCustomDropDown::DoHideDropDown(bool Cancelled)
{
    if (!FDropDownForm || !FDropDownForm->isVisible()) return;
    if (OnBeforeDropUp) OnBeforeDropUp(this);
    FUserSize = FDropDownForm->size();
    FDropDownForm->hide();
    QToolTip::hideText();
    if (Cancelled) SetText(FOldText);
    if (OnDropUp) OnDropUp(this, Cancelled);
}

void TExCustomDropDown::AfterHideDropDown()
{
    FDroppedDown = false;
    if (FDestroying || hasFocus() || !(focusPolicy() & Qt::TabFocus) || !isEnabled() || !isVisible()) return;
    if (!window()->isActiveWindow()) window()->activateWindow();
    setFocus(Qt::PopupFocusReason);
}

void TExCustomDropDown::DropDownHeaderChanged()
{
    if (FDroppedDown) FDropDownForm->InitializeAndUpdate();
}

void TExCustomDropDown::DropDownFooterChanged()
{
    if (FDroppedDown) FDropDownForm->InitializeAndUpdate();
}

// ----- keys

void TExCustomDropDown::DropDownFormKeyPress(QChar& key) { CharMessage(key); }
void TExCustomDropDown::DropDownFormKeyDown(Word& key, TShiftState) { KeyDownMessage(key); }
void TExCustomDropDown::DropDownFormKeyUp(Word& key, TShiftState) { KeyUpMessage(key); }
void TExCustomDropDown::ControlKeyDown(Word& key, TShiftState) { KeyDownMessage(key); }
void TExCustomDropDown::ControlKeyUp(Word& key, TShiftState) { KeyUpMessage(key); }
void TExCustomDropDown::ControlKeyPress(QChar& key) { CharMessage(key); }

void TExCustomDropDown::KeyDownMessage(Word key)
{
    grid::TScopedValue<QKeyEvent*> noNative(FNativeKey, nullptr);
    GuardedInput([&] { HandleKeyDownMessage(key); });
}

void TExCustomDropDown::KeyUpMessage(Word key)
{
    GuardedInput([&] { HandleKeyUp(key, ex_custom_dropdown_detail::messageShiftState()); });
}

void TExCustomDropDown::CharMessage(QChar key)
{
    grid::TScopedValue<QKeyEvent*> noNative(FNativeKey, nullptr);
    GuardedInput([&] { HandleCharMessage(key); });
}

bool TExCustomDropDown::HandleWantSpecialKeyMessage(Word key)
{
    if (key == platform::VK_ESCAPE && FCanUndo) {
        // Back to the text the edit had when it got the focus, all selected.
        if (isModified() && QLineEdit::text() != FFocusText) QLineEdit::setText(FFocusText);
        SelectAll();
        setModified(false);
    }
    return key == platform::VK_ESCAPE && FDroppedDown;
}

void TExCustomDropDown::HandleKeyDown(Word& key, TShiftState shift)
{
    if (key != 0 && OnKeyDown) OnKeyDown(this, key, shift);
    if ((shift & platform::ssAlt) && (key == platform::VK_UP || key == platform::VK_DOWN)) {
        if (FDroppedDown)
            DoHideDropDown(false);
        else
            DoShowDropDown();
    }
}

void TExCustomDropDown::HandleKeyPress(QChar& key)
{
    if (OnKeyPress) OnKeyPress(this, key);
    if (key == QChar(u'\r')) key = QChar();
}

void TExCustomDropDown::HandleKeyUp(Word& key, TShiftState shift)
{
    if (key != 0 && OnKeyUp) OnKeyUp(this, key, shift);
}

void TExCustomDropDown::BaseKeyDown(Word& key, TShiftState shift)
{
    HandleKeyDown(key, shift);
    // The line edit's own keys (caret, selection, deleting), the clipboard
    // keys through the edit's own clipboard handling; typed characters,
    // Backspace among them, come with the key press.
    if (key == 0) return;
    if (FNativeKey) {
        if (ex_custom_dropdown_detail::typedChar(*FNativeKey).isNull() && !ClipboardShortcut(*FNativeKey))
            QLineEdit::keyPressEvent(FNativeKey);
    } else if (key != platform::VK_RETURN && key != platform::VK_ESCAPE && key != platform::VK_TAB &&
               key != platform::VK_BACK) {
        QKeyEvent synthetic = ex_custom_dropdown_detail::keyEventFor(key, shift);
        if (!ClipboardShortcut(synthetic)) QLineEdit::keyPressEvent(&synthetic);
    }
}

void TExCustomDropDown::HandleKeyDownMessage(Word& key)
{
    using namespace platform;
    if (key == 0) return;
    const TShiftState shift = FNativeKey ? shiftStateFromQt(FNativeKey->modifiers() & ~Qt::AltModifier)
                                         : ex_custom_dropdown_detail::messageShiftState();
    // Alt+Up and Alt+Down, Alt as the keyboard holds it.
    if (isKeyDown(VK_MENU) && (key == VK_UP || key == VK_DOWN)) {
        if (FDroppedDown)
            DoHideDropDown(false);
        else
            DoShowDropDown();
    }
    if (!FEditorEnabled && isEnabled()) {
        if (!FReadOnly) {
            if (key == VK_RETURN) DoHideDropDown(false);
            if (key == VK_ESCAPE) DoHideDropDown(true);
            if (key == VK_F4) {
                if (FDropDownForm->isVisible())
                    DoHideDropDown(false);
                else
                    DoShowDropDown();
            }
        }
        if (key == VK_RETURN || key == VK_ESCAPE) {
            Word k = key;
            HandleKeyDown(k, shift);
        }
        return;
    }
    if ((shift & ssCtrl) && (key == VK_TAB || key == VK_RETURN)) {
        Word k = key;
        BaseKeyDown(k, shift);
        return;
    }
    bool becameTab = false;
    if (key == VK_RETURN && FReturnIsTab) {
        key = VK_TAB;
        becameTab = true;
        if (isVisible())
            QCoreApplication::postEvent(this, new QKeyEvent(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier));
    }
    if (!CaretKeyDown(key, shift)) {
        key = 0;
        return;
    }
    BaseKeyDown(key, shift);
    if (key == VK_DELETE && FEditType == etMoney) FormatMoneyText();
    if (!FPrefix.isEmpty() && !hasSelectedText() && cursorPosition() < FPrefix.size())
        setCursorPosition(int(FPrefix.size()));
    if (becameTab) return;
    if (key == VK_RETURN) DoHideDropDown(false);
    if (key == VK_ESCAPE) DoHideDropDown(true);
    if (key == VK_F4) {
        if (FDropDownForm->isVisible())
            DoHideDropDown(false);
        else
            DoShowDropDown();
    }
}

void TExCustomDropDown::keyPressEvent(QKeyEvent* event)
{
    using namespace platform;
    const Word key = keyCodeFromQt(event->key());
    bool passOn = false;
    grid::TScopedValue<QKeyEvent*> native(FNativeKey, event);
    GuardedInput([&] {
        if (event->modifiers() & Qt::AltModifier) {
            // An Alt combination is a system key: only the key-down handling sees it.
            Word k = key;
            HandleKeyDown(k, shiftStateFromQt(event->modifiers()));
            passOn = !(key == VK_UP || key == VK_DOWN);
            return;
        }
        const bool wasDroppedDown = FDroppedDown;
        if (key == VK_ESCAPE || key == VK_RETURN) {
            const bool wanted = HandleWantSpecialKeyMessage(key);
            // Escape goes on to the form after the edit's handling (its Cancel button).
            passOn = key == VK_ESCAPE && !wanted && FDefaultHandling && !wasDroppedDown;
        }
        Word k = key;
        HandleKeyDownMessage(k);
        QChar typed = ex_custom_dropdown_detail::typedChar(*event);
        if (!typed.isNull()) HandleCharMessage(typed);
    });
    if (passOn)
        event->ignore();
    else
        event->accept();
}

void TExCustomDropDown::keyReleaseEvent(QKeyEvent* event)
{
    GuardedInput([&] {
        platform::Word key = platform::keyCodeFromQt(event->key());
        HandleKeyUp(key, platform::shiftStateFromQt(event->modifiers()));
        QLineEdit::keyReleaseEvent(event);
    });
}

bool TExCustomDropDown::eventFilter(QObject* watched, QEvent* event)
{
    if (FLabel && watched == FLabel.data()) {
        if (event->type() == QEvent::MouseButtonRelease) {
            const auto* mouse = static_cast<QMouseEvent*>(event);
            if (mouse->button() == Qt::LeftButton && FLabel->rect().contains(mouse->position().toPoint()))
                Guarded([this] { DoLabelClick(); });
        } else if (event->type() == QEvent::MouseButtonDblClick) {
            Guarded([this] { DoLabelDblClick(); });
        }
        return QLineEdit::eventFilter(watched, event);
    }
    if (watched != FControl || !FDroppedDown) return QLineEdit::eventFilter(watched, event);
    bool consumed = false;
    if (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease) {
        auto* key = static_cast<QKeyEvent*>(event);
        GuardedInput([&] {
            Word code = platform::keyCodeFromQt(key->key());
            const TShiftState shift = platform::shiftStateFromQt(key->modifiers());
            if (event->type() == QEvent::KeyRelease) {
                ControlKeyUp(code, shift);
                consumed = code == 0;
                return;
            }
            // Keys without a key code of their own (punctuation such as "+"
            // or "%") still type their character, as on the pop-up itself,
            // and the control keeps its own use of them.
            const bool coded = code != 0;
            if (coded) ControlKeyDown(code, shift);
            QChar typed = ex_custom_dropdown_detail::typedChar(*key);
            if ((code != 0 || !coded) && !typed.isNull() && FDroppedDown) ControlKeyPress(typed);
            consumed = coded && code == 0;
        });
    }
    return consumed || QLineEdit::eventFilter(watched, event);
}

// ----- focus

void TExCustomDropDown::HandleSetFocusMessage()
{
    FFocusText = QLineEdit::text();
    if (FEditorEnabled) {
        if (FAutoSelect)
            SelectAll();
        else if (FEditType == etFloat || FEditType == etMoney)
            SelectBeforeDecimal();
    } else {
        update();
    }
}

void TExCustomDropDown::HandleKillFocusMessage()
{
    if (!FEditorEnabled) update();
}

void TExCustomDropDown::focusInEvent(QFocusEvent* event)
{
    GuardedInput([&] {
        QLineEdit::focusInEvent(event);
        FButton->SpeedButton()->SetFocused(true);
        HandleSetFocusMessage();
        SetEditRect();
        DrawBorders();
    });
}

void TExCustomDropDown::focusOutEvent(QFocusEvent* event)
{
    GuardedInput([&] {
        NormaliseOnFocusLoss();
        QLineEdit::focusOutEvent(event);
        FButton->SpeedButton()->SetFocused(false);
        HandleKillFocusMessage();
        DrawBorders();
    });
}

// ----- mouse

void TExCustomDropDown::mousePressEvent(QMouseEvent* event)
{
    GuardedInput([&] {
        if (!FEditorEnabled) {
            QLineEdit::mousePressEvent(event);
            if (event->button() == Qt::LeftButton) DropDownFromClick();
            return;
        }
        if (event->button() == Qt::LeftButton && hasFocus() && hasSelectedText()) {
            const int at = cursorPositionAt(event->position().toPoint());
            if (at >= selectionStart() && at < selectionStart() + selectedText().size()) {
                FPressedInSelection = true;
                return;
            }
        }
        QLineEdit::mousePressEvent(event);
    });
}

void TExCustomDropDown::mouseReleaseEvent(QMouseEvent* event)
{
    GuardedInput([&] {
        if (!FEditorEnabled || FReadOnly) update();
        if (FPressedInSelection) {
            setCursorPosition(cursorPositionAt(event->position().toPoint()));
            FPressedInSelection = false;
        }
        QLineEdit::mouseReleaseEvent(event);
        if (event->button() == Qt::LeftButton) ClampCaretAfterClick();
    });
}

void TExCustomDropDown::mouseDoubleClickEvent(QMouseEvent* event)
{
    GuardedInput([&] {
        // Not editable: a double click is a second single click.
        if (!FEditorEnabled)
            mousePressEvent(event);
        else
            QLineEdit::mouseDoubleClickEvent(event);
    });
}

void TExCustomDropDown::wheelEvent(QWheelEvent* event)
{
    GuardedInput([&] {
        QLineEdit::wheelEvent(event);
        bool handled = false;
        const TShiftState shift = platform::shiftStateFromQt(event->modifiers(), event->buttons());
        const QPoint pos = event->globalPosition().toPoint();
        if (event->angleDelta().y() < 0)
            HandleMouseWheelDown(shift, pos, handled);
        else if (event->angleDelta().y() > 0)
            HandleMouseWheelUp(shift, pos, handled);
        if (handled) event->accept();
    });
}

void TExCustomDropDown::DropDownFormWheelDown(TShiftState shift, QPoint mousePos, bool& handled)
{
    HandleMouseWheelDown(shift, mousePos, handled);
}

void TExCustomDropDown::DropDownFormWheelUp(TShiftState shift, QPoint mousePos, bool& handled)
{
    HandleMouseWheelUp(shift, mousePos, handled);
}

void TExCustomDropDown::HandleMouseWheelDown(TShiftState, QPoint, bool&) {}
void TExCustomDropDown::HandleMouseWheelUp(TShiftState, QPoint, bool&) {}

// ----- layout

int TExCustomDropDown::GetMinHeight() const
{
    const int h = QFontMetrics(font()).height();
    const int s = QFontMetrics(QApplication::font()).height();
    return h + std::min(h, s) / 4;
}

void TExCustomDropDown::ResizeControl()
{
    if (!FButton) return;
    const int minHeight = GetMinHeight();
    if (minHeight > height()) {
        resize(width(), minHeight);  // resizes again
        return;
    }
    // The button fills the right end of the frame's inside.
    QStyleOptionFrame option;
    initStyleOption(&option);
    const QRect inside = style()->subElementRect(QStyle::SE_LineEditContents, &option, this);
    FButton->SetBounds(inside.right() + 1 - FDropDownButtonWidth, inside.top(), FDropDownButtonWidth, inside.height());
    SetEditRect();
    update();
}

void TExCustomDropDown::SetEditRect()
{
    QStyleOptionFrame option;
    initStyleOption(&option);
    const QRect inside = style()->subElementRect(QStyle::SE_LineEditContents, &option, this);
    FEditRect = platform::TRect(inside.left(), inside.top(), inside.right() + 1 - FDropDownButtonWidth - 3,
                                inside.bottom() + 1);
    setTextMargins(0, 0, FDropDownButtonWidth + 1, 0);
}

void TExCustomDropDown::resizeEvent(QResizeEvent* event)
{
    QLineEdit::resizeEvent(event);
    Guarded([this] {
        ResizeControl();
        PlaceLabel();
    });
}

void TExCustomDropDown::changeEvent(QEvent* event)
{
    QLineEdit::changeEvent(event);
    Guarded([&] {
        if (event->type() == QEvent::EnabledChange)
            FButton->setEnabled(isEnabled());
        else if (event->type() == QEvent::ReadOnlyChange)
            LineEditReadOnlyChanged();
        else if (event->type() == QEvent::FontChange) {
            ResizeControl();
            if (FLabel && FLabelParentFont) UpdateLabel();
        }
    });
}

}  // namespace dropdown
