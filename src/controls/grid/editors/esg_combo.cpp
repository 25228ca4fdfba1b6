#include "controls/grid/editors/esg_combo.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QProxyStyle>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QStylePainter>

#include "platform/input_state.h"
#include "platform/theme_painter.h"
#include "controls/grid/editors/flat_frame_paint.h"

namespace grid {

namespace esg_combo_detail {


// The application's style with one change: a combo's list drops down below
// it, never over it. One instance serves every combo; the application owns it.
class DropBelowStyle : public QProxyStyle {
public:
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override
    {
        if (hint == QStyle::SH_ComboBox_Popup) return 0;
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

QStyle* dropBelowStyle()
{
    static QPointer<DropBelowStyle> style;
    if (!style) {
        style = new DropBelowStyle();
        style->setParent(QCoreApplication::instance());
    }
    return style;
}

QString withoutPrefixChars(const QString& caption)
{
    QString out;
    for (int i = 0; i < caption.size(); ++i) {
        if (caption.at(i) == u'&') {
            if (i + 1 < caption.size() && caption.at(i + 1) == u'&') out += u'&', ++i;
            continue;
        }
        out += caption.at(i);
    }
    return out;
}

}  // namespace esg_combo_detail

QPoint LabelTopLeft(TLabelPosition position, const QRect& control, QSize labelSize, int textWidth, int margin)
{
    const int L = control.left(), T = control.top(), W = control.width(), H = control.height();
    const int lh = labelSize.height(), lw = labelSize.width();
    const int centreY = T + (H - lh) / 2;
    const int centreX = L + (W - lw) / 2;
    switch (position) {
    case lpLeftTop: return {L - textWidth - margin, T};
    case lpLeftCenter: return {L - textWidth - margin, centreY};
    case lpLeftBottom: return {L - textWidth - margin, T + H - lh};
    case lpTopLeft: return {L, T - lh - margin};
    case lpBottomLeft: return {L, T + H + margin};
    case lpLeftTopLeft: return {L - margin, T};
    case lpLeftCenterLeft: return {L - margin, centreY};
    case lpLeftBottomLeft: return {L - margin, T + H - lh};
    case lpTopCenter: return {centreX, T - lh - margin};
    case lpBottomCenter: return {centreX, T + H + margin};
    case lpRightTop: return {L + W + margin, T};
    case lpRightCenter: return {L + W + margin, centreY};
    case lpRighBottom: return {L + W + margin, T + H - lh};
    }
    return {L, T};
}

int DropDownWidthForItems(int width, const QList<int>& itemTextWidths, int dropDownCount)
{
    const bool scroll = itemTextWidths.size() > dropDownCount;
    int w = width;
    for (int tw : itemTextWidths) {
        if (scroll) {
            if (tw > w - 25) w = tw + 25;
        } else if (tw > w - 5) {
            w = tw + 8;
        }
    }
    return w;
}

TComboButtonState ComboButtonState(bool enabled, bool mouseButtonDown, bool droppedDown, bool buttonHover)
{
    if (!enabled) return TComboButtonState::Disabled;
    if (mouseButtonDown && droppedDown) return TComboButtonState::Pressed;
    if (!mouseButtonDown && buttonHover && !droppedDown) return TComboButtonState::Hot;
    return TComboButtonState::Normal;
}

// ---------------------------------------------------------------- TComboItems

int TComboItems::Count() const { return FCombo->count(); }
QString TComboItems::Strings(int index) const { return FCombo->itemText(index); }
QVariant TComboItems::Objects(int index) const { return FCombo->itemData(index, Qt::UserRole); }
void TComboItems::SetObjects(int index, const QVariant& object) { FCombo->setItemData(index, object, Qt::UserRole); }

int TComboItems::IndexOf(const QString& text) const
{
    for (int i = 0; i < FCombo->count(); ++i)
        if (QString::compare(FCombo->itemText(i), text, Qt::CaseInsensitive) == 0) return i;
    return -1;
}

int TComboItems::Add(const QString& text)
{
    FCombo->addItem(text);
    return FCombo->count() - 1;
}

int TComboItems::AddObject(const QString& text, const QVariant& object)
{
    FCombo->addItem(text, object);
    return FCombo->count() - 1;
}

void TComboItems::Delete(int index) { FCombo->removeItem(index); }

void TComboItems::Clear()
{
    // Clearing the list keeps the typed text of an editable combo.
    const QString text = FCombo->isEditable() ? FCombo->currentText() : QString();
    FCombo->clear();
    if (FCombo->isEditable()) FCombo->setEditText(text);
}

QStringList TComboItems::Texts() const
{
    QStringList texts;
    for (int i = 0; i < FCombo->count(); ++i) texts << FCombo->itemText(i);
    return texts;
}

// ---------------------------------------------------------------- TEsgCustomCombo

TEsgCustomCombo::TEsgCustomCombo(QWidget* parent) : QComboBox(parent)
{
    setStyle(esg_combo_detail::dropBelowStyle());
    FButtonWidth = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this) + 2;
    FLabelFont = QApplication::font();
    setMouseTracking(true);
    setInsertPolicy(QComboBox::NoInsert);
    SetStyle(csDropDown);
    ApplyColor(FColor);
}

TEsgCustomCombo::~TEsgCustomCombo()
{
    delete FLabel.data();
}

void TEsgCustomCombo::SetStyle(TComboStyle value)
{
    FStyle = value;
    const bool editable = value != csDropDownList;
    if (editable != isEditable()) setEditable(editable);
    if (editable && lineEdit()) {
        // The grid completes typed texts itself; the combo adds nothing of its own.
        setCompleter(nullptr);
        lineEdit()->installEventFilter(this);
        lineEdit()->setMouseTracking(true);
    }
    ApplyColor(FColor);
    PlaceEditField();
    update();
}

void TEsgCustomCombo::SetText(const QString& text)
{
    if (isEditable()) setEditText(text);
    else setCurrentIndex(Items().IndexOf(text));
}

bool TEsgCustomCombo::DroppedDown() const
{
    return view() && view()->isVisible();
}

void TEsgCustomCombo::SetDroppedDown(bool value)
{
    if (value == DroppedDown()) return;
    if (value) showPopup();
    else hidePopup();
}

void TEsgCustomCombo::SelectItem(const QString& text)
{
    const int index = Items().IndexOf(text);
    if (index >= 0) setCurrentIndex(index);
}

void TEsgCustomCombo::Init()
{
    FNormalColor = FColor;
}

void TEsgCustomCombo::SetColor(TColor value)
{
    FColor = value;
    FParentColor = false;
    ApplyColor(value);
}

void TEsgCustomCombo::ApplyColor(TColor value)
{
    QPalette pal = palette();
    const QColor color = toQColor(value == clNone ? clWindow : value);
    pal.setColor(QPalette::Base, color);
    setPalette(pal);
    if (lineEdit()) {
        QPalette editPalette = lineEdit()->palette();
        editPalette.setColor(QPalette::Base, color);
        lineEdit()->setPalette(editPalette);
    }
    update();
}

TColor TEsgCustomCombo::ParentColor() const
{
    if (!parentWidget()) return FColor;
    return ColorFromQColor(parentWidget()->palette().color(parentWidget()->backgroundRole()));
}

void TEsgCustomCombo::SetFlat(bool value)
{
    if (value == FFlat) return;
    FFlat = value;
    if (FFlatParentColor && FFlat) {
        if (parentWidget()) {
            FColor = ParentColor();
            FParentColor = true;
            ApplyColor(FColor);
        }
    } else {
        FColor = clWindow;
        FParentColor = false;
        ApplyColor(FColor);
    }
    PlaceEditField();
    update();
}

void TEsgCustomCombo::SetFlatParentColor(bool value)
{
    FFlatParentColor = value;
    update();
}

void TEsgCustomCombo::SetEtched(bool value)
{
    if (value == FEtched) return;
    FEtched = value;
    update();
}

void TEsgCustomCombo::SetButtonWidth(int value)
{
    if (value < 14 || value > 32) return;
    FButtonWidth = value;
    PlaceEditField();
    update();
}

void TEsgCustomCombo::SetDropWidth(int value)
{
    FDropWidth = value;
    if (value > 0 && view()) view()->setMinimumWidth(value);
}

void TEsgCustomCombo::SetBorderColor(TColor value)
{
    if (value == FBorderColor) return;
    FBorderColor = value;
    update();
}

QRect TEsgCustomCombo::ButtonRect() const
{
    return QRect(width() - FButtonWidth, 0, FButtonWidth, height());
}

bool TEsgCustomCombo::UseVisualStyles() const
{
    return FIsThemed && platform::ThemePainter::ThemesActive();
}

bool TEsgCustomCombo::IsMouseButtonDown() const
{
    return platform::mouseButtonState() & (platform::ssRight | platform::ssLeft);
}

bool TEsgCustomCombo::IsActiveOrHot() const
{
    return FMouseInControl || hasFocus();
}

bool TEsgCustomCombo::IsFocusBorderShown() const
{
    return (FMouseInControl || hasFocus()) && FFocusBorder;
}

bool TEsgCustomCombo::UsesOwnPainting() const
{
    if (FIsVista && FButtonColor == clNone) return false;
    return FFlat || FButtonColor != clNone || FBorderColor != clNone || (FFocusBorderColor != clNone && FHasFocus) ||
           (!isEnabled() && UseVisualStyles() && !FDisabledBorder);
}

void TEsgCustomCombo::paintEvent(QPaintEvent* event)
{
    if (!UsesOwnPainting()) {
        QComboBox::paintEvent(event);
        return;
    }
    QStylePainter painter(this);
    QStyleOptionComboBox opt;
    initStyleOption(&opt);
    if (FStyle != csSimple) {
        painter.fillRect(rect(), toQColor(FColor));
        // The style's frame and field without its arrow: the button is ours.
        opt.subControls = QStyle::SC_ComboBoxFrame | QStyle::SC_ComboBoxEditField;
        opt.frame = !FFlat;
        painter.drawComplexControl(QStyle::CC_ComboBox, opt);
        painter.fillRect(QRect(2, 2, width() - FButtonWidth - 3, height() - 4), toQColor(FColor));
        DrawDropButton(painter);
    }
    if (!isEditable()) {
        opt.rect = QRect(3, 0, width() - FButtonWidth - 6, height());
        opt.palette.setColor(QPalette::ButtonText, palette().color(QPalette::Text));
        painter.drawControl(QStyle::CE_ComboBoxLabel, opt);
    }
    if (layoutDirection() == Qt::LeftToRight) DrawBorders(painter);
}

void TEsgCustomCombo::DrawDropButton(QPainter& painter)
{
    const int CW = width(), H = height(), BW = FButtonWidth;
    // (CW - BW + 2, 0, W, H) shrunk by one on every side; DrawButtonEdge
    // rings the same area.
    int left = CW - BW + 3, top = 1, right = CW - 1, bottom = H - 1;
    if (FButtonColor == clNone && UseVisualStyles()) {
        flat_frame::PaintThemedDropButton(painter, QRect(QPoint(left, top), QPoint(right - 1, bottom - 1)), isEnabled(),
                                          IsMouseButtonDown(), DroppedDown(), FButtonHover, this);
        return;
    }
    if (FButtonColor == clNone) {
        QStyleOption opt;
        opt.initFrom(this);
        opt.rect = QRect(left - 4, top + 1, right - left + 4, bottom - top - 2);
        style()->drawPrimitive(QStyle::PE_PanelButtonBevel, &opt, &painter, this);
        if (!isEnabled()) opt.state &= ~QStyle::State_Enabled;
        style()->drawPrimitive(QStyle::PE_IndicatorArrowDown, &opt, &painter, this);
        return;
    }
    left -= 1; top += 1; right -= 1; bottom -= 1;
    const flat_frame::TDropButtonColours colours{FButtonColor,       FButtonColorHot,  FButtonColorDown,
                                                 FButtonBorderColor, FButtonTextColor, FButtonTextColorDown};
    flat_frame::PaintColouredDropButton(painter, QRect(left, top, right - left, bottom - top),
                                        QLine(left, top, left, bottom), QPoint(left + 4, top + 7), colours,
                                        FButtonHover, IsMouseButtonDown());
}

void TEsgCustomCombo::DrawBorders(QPainter& painter)
{
    if ((isEnabled() && !FFlat && FBorderColor == clNone && FFocusBorderColor == clNone) ||
        (FIsVista && FBorderColor == clNone))
        return;
    DrawControlBorder(painter);
    if (FStyle != csSimple && (!FIsWinXP || !UseVisualStyles())) DrawButtonEdge(painter);
}

void TEsgCustomCombo::DrawControlBorder(QPainter& painter)
{
    const int BW = FButtonWidth;
    flat_frame::TBorderLook look;
    look.Enabled = isEnabled();
    look.Themed = FIsThemed;
    look.DisabledBorder = FDisabledBorder;
    look.HasFocus = FHasFocus;
    look.FocusBorderShown = IsFocusBorderShown();
    look.BorderColor = FBorderColor;
    look.FocusBorderColor = FFocusBorderColor;
    look.ParentColor = ParentColor();
    look.Color = FColor;
    look.ButtonWidth = BW;
    flat_frame::PaintControlBorder(painter, rect(), look);
    // The flat line goes with the two-ring look only.
    const bool twoRings = !(!look.Enabled && look.Themed && !look.DisabledBorder) && FBorderColor == clNone &&
                          FFocusBorderColor == clNone;
    if (!twoRings) return;
    if (FFlat && FFlatLineColor != clNone) {
        painter.setPen(toQColor(FFlatLineColor));
        painter.drawLine(0, height() - 1, width() - BW - 4, height() - 1);
    }
}

void TEsgCustomCombo::DrawButtonEdge(QPainter& painter)
{
    // While the control is neither hot nor active, a ring in the button face
    // colour hides the raised edge of the drop-down button: the flat look.
    if (IsActiveOrHot()) return;
    const QRect button(width() - FButtonWidth + 3, 1, FButtonWidth - 4, height() - 2);
    const QRect interior = button.adjusted(2, 2, -2, -2);
    painter.save();
    painter.setClipRegion(QRegion(button).subtracted(QRegion(interior)));
    painter.fillRect(button, toQColor(clBtnFace));
    painter.restore();
}

void TEsgCustomCombo::PlaceEditField()
{
    if (!isEditable() || !lineEdit()) return;
    const int right = FStyle == csSimple ? 0 : FButtonWidth;
    lineEdit()->setGeometry(3, 2, std::max(0, width() - right - 6), std::max(0, height() - 4));
}

void TEsgCustomCombo::resizeEvent(QResizeEvent* event)
{
    QComboBox::resizeEvent(event);
    PlaceEditField();
    UpdateLabel();
}

void TEsgCustomCombo::moveEvent(QMoveEvent* event)
{
    QComboBox::moveEvent(event);
    UpdateLabel();
}

void TEsgCustomCombo::showEvent(QShowEvent* event)
{
    QComboBox::showEvent(event);
    PlaceEditField();
}

void TEsgCustomCombo::setVisible(bool visible)
{
    QComboBox::setVisible(visible);
    if (FLabel) FLabel->setVisible(visible);
}

void TEsgCustomCombo::showPopup()
{
    QComboBox::showPopup();
    if (isEditable() && view()) {
        // The list opens on the item the typed text names.
        const int match = Items().IndexOf(currentText());
        if (match >= 0) view()->setCurrentIndex(model()->index(match, modelColumn(), rootModelIndex()));
    }
    if (FDropWidth > 0 && view()) view()->setMinimumWidth(FDropWidth);
    update(ButtonRect());
}

void TEsgCustomCombo::hidePopup()
{
    const bool wasOpen = DroppedDown();
    QComboBox::hidePopup();
    update(ButtonRect());
    if (wasOpen && OnDropUp) OnDropUp(this);
}

void TEsgCustomCombo::mousePressEvent(QMouseEvent* event)
{
    // The whole button area opens the list, however wide it is drawn.
    if (event->button() == Qt::LeftButton && isEditable() && FStyle != csSimple &&
        ButtonRect().contains(event->position().toPoint())) {
        if (DroppedDown()) hidePopup();
        else showPopup();
        return;
    }
    QComboBox::mousePressEvent(event);
}

void TEsgCustomCombo::mouseMoveEvent(QMouseEvent* event)
{
    QComboBox::mouseMoveEvent(event);
    const int x = int(event->position().x());
    const bool hover = width() - FButtonWidth < x && x < width();
    if (hover != FButtonHover) {
        FButtonHover = hover;
        update();
    }
}

bool TEsgCustomCombo::eventFilter(QObject* watched, QEvent* event)
{
    // Moving from the button onto the edit field leaves the button.
    if (watched == lineEdit() && event->type() == QEvent::MouseMove && FButtonHover) {
        FButtonHover = false;
        update();
    }
    return QComboBox::eventFilter(watched, event);
}

void TEsgCustomCombo::enterEvent(QEnterEvent* event)
{
    QComboBox::enterEvent(event);
    if (!FMouseInControl && isEnabled()) {
        FMouseInControl = true;
        update();
    }
    if (FAutoFocus && window()->isActiveWindow()) setFocus(Qt::MouseFocusReason);
    if (FIsWinXP) update();
}

void TEsgCustomCombo::leaveEvent(QEvent* event)
{
    QComboBox::leaveEvent(event);
    if (FMouseInControl && isEnabled()) FMouseInControl = false;
    FButtonHover = false;
    update();
}

void TEsgCustomCombo::SetHasFocus(bool value)
{
    FHasFocus = value;
    if (FLabel && FFocusLabel) {
        QFont font = FLabel->font();
        font.setBold(value);
        FLabel->setFont(font);
    }
    update();
}

void TEsgCustomCombo::focusInEvent(QFocusEvent* event)
{
    QComboBox::focusInEvent(event);
    if (FFocusColor != clNone) {
        // Leaving gives back the colour recorded by Init, or the one the
        // control had until now when its owner never called Init.
        if (FNormalColor == 0 && FColor != FFocusColor) FNormalColor = FColor;
        FColor = FFocusColor;
        ApplyColor(FFocusColor);
    }
    SetHasFocus(true);
}

void TEsgCustomCombo::focusOutEvent(QFocusEvent* event)
{
    QComboBox::focusOutEvent(event);
    if (FFocusColor != clNone && FNormalColor != 0) {
        FColor = FNormalColor;
        ApplyColor(FNormalColor);
    }
    SetHasFocus(false);
}

void TEsgCustomCombo::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::EnabledChange) {
        if (FFlat) {
            if (isEnabled()) {
                FParentColor = FOldParentColor;
                FColor = FOldColor;
                ApplyColor(FColor);
            } else {
                FOldParentColor = FParentColor;
                FOldColor = FColor;
                FParentColor = true;
                ApplyColor(ParentColor());
            }
        }
        if (FLabel && !FLabelAlwaysEnabled) {
            FLabel->setEnabled(isEnabled());
            UpdateLabel();
        }
        if (!isEnabled()) FMouseInControl = false;
    }
    QComboBox::changeEvent(event);
    if (event->type() == QEvent::StyleChange || event->type() == QEvent::FontChange) PlaceEditField();
}

// ---------------------------------------------------------------- label

QString TEsgCustomCombo::LabelCaption() const
{
    return FLabel ? FLabel->text() : QString();
}

void TEsgCustomCombo::SetLabelCaption(const QString& value)
{
    if (!FLabel) CreateLabel();
    FLabel->setText(value);
    UpdateLabel();
}

void TEsgCustomCombo::CreateLabel()
{
    FLabel = new QLabel(parentWidget());
    FLabel->setBuddy(this);
    FLabel->setFont(FLabelFont);
    FLabel->setEnabled(isEnabled() || FLabelAlwaysEnabled);
}

void TEsgCustomCombo::SetLabelFont(const QFont& value)
{
    FLabelFont = value;
    if (FLabel) {
        FLabel->setFont(value);
        UpdateLabel();
    }
}

void TEsgCustomCombo::SetLabelMargin(int value)
{
    FLabelMargin = value;
    UpdateLabel();
}

void TEsgCustomCombo::SetLabelPosition(TLabelPosition value)
{
    FLabelPosition = value;
    UpdateLabel();
}

void TEsgCustomCombo::SetLabelTransparent(bool value)
{
    FLabelTransparent = value;
    UpdateLabel();
}

void TEsgCustomCombo::SetLabelAlwaysEnabled(bool value)
{
    FLabelAlwaysEnabled = value;
    if (FLabel) FLabel->setEnabled(isEnabled() || value);
    UpdateLabel();
}

void TEsgCustomCombo::UpdateLabel()
{
    if (!FLabel) return;
    FLabel->setAutoFillBackground(!FLabelTransparent);
    FLabel->adjustSize();
    const int textWidth =
        QFontMetrics(FLabel->font()).horizontalAdvance(esg_combo_detail::withoutPrefixChars(FLabel->text()));
    FLabel->move(LabelTopLeft(FLabelPosition, geometry(), FLabel->size(), textWidth, FLabelMargin));
    FLabel->setVisible(isVisibleTo(parentWidget()) || isVisible());
}

}  // namespace grid
