#pragma once

#include <functional>

#include <QComboBox>
#include <QFont>
#include <QLabel>
#include <QPointer>
#include <QVariant>

#include "platform/colors.h"



namespace grid {

// Where a control's caption label sits.
enum TLabelPosition : uint8_t {
    lpLeftTop, lpLeftCenter, lpLeftBottom, lpTopLeft, lpBottomLeft, lpLeftTopLeft, lpLeftCenterLeft,
    lpLeftBottomLeft, lpTopCenter, lpBottomCenter, lpRightTop, lpRightCenter, lpRighBottom
};

// The top-left corner of a label of size `labelSize` at `position` beside a
// control with the bounds `control`; `textWidth` is the caption's measured
// width (the positions left of the control use it), `margin` the gap.
QPoint LabelTopLeft(TLabelPosition position, const QRect& control, QSize labelSize, int textWidth, int margin);

// The width of a combo's opened list that shows its widest item: `width`
// grows to the widest text plus 25 pixels when the list scrolls (more items
// than `dropDownCount`), else plus 8 (only where the text is within 5 pixels
// of the edge).
int DropDownWidthForItems(int width, const QList<int>& itemTextWidths, int dropDownCount);

// The themed look of a combo's drop-down button: disabled; pressed only while
// a mouse button is held with the list open; hot only while the mouse is on
// the button with no button held and the list closed; else normal.
enum class TComboButtonState : uint8_t { Normal, Hot, Pressed, Disabled };
TComboButtonState ComboButtonState(bool enabled, bool mouseButtonDown, bool droppedDown, bool buttonHover);

// The combo's styles: an edit field with a list, a list only, or an edit
// field with a list that is always shown (drawn as the edit only here).
enum TComboStyle : uint8_t { csDropDown, csSimple, csDropDownList };

class TEsgCustomCombo;

// The item list of a combo: texts with an optional object each. IndexOf
// compares whole texts ignoring case, as the system's list look-up does.
class TComboItems {
public:
    explicit TComboItems(TEsgCustomCombo* combo) : FCombo(combo) {}
    int Count() const;
    QString Strings(int index) const;
    QString operator[](int index) const { return Strings(index); }
    QVariant Objects(int index) const;
    void SetObjects(int index, const QVariant& object);
    int IndexOf(const QString& text) const;
    int Add(const QString& text);
    int AddObject(const QString& text, const QVariant& object);
    void Delete(int index);
    void Clear();
    QStringList Texts() const;

private:
    TEsgCustomCombo* FCombo;
};

// A combo box that can look flat, draw its own drop-down button in chosen
// colours, frame itself in a normal or a focus border colour, change its
// background while focused and carry a caption label beside itself.
class TEsgCustomCombo : public QComboBox {
    Q_OBJECT
public:
    explicit TEsgCustomCombo(QWidget* parent = nullptr);
    ~TEsgCustomCombo() override;

    TComboItems Items() { return TComboItems(this); }
    int ItemIndex() const { return currentIndex(); }
    void SetItemIndex(int index) { setCurrentIndex(index); }
    // The edit field's text (the selected item's in the list style).
    QString Text() const { return currentText(); }
    void SetText(const QString& text);
    TComboStyle Style() const { return FStyle; }
    void SetStyle(TComboStyle value);
    bool DroppedDown() const;
    void SetDroppedDown(bool value);
    int DropDownCount() const { return maxVisibleItems(); }
    void SetDropDownCount(int value) { setMaxVisibleItems(value); }
    // Selects the item with this text; leaves the selection alone when there is none.
    void SelectItem(const QString& text);
    // Records the current colour as the one the focus leaves behind.
    void Init();

    TColor Color() const { return FColor; }
    void SetColor(TColor value);
    bool AutoFocus() const { return FAutoFocus; }
    void SetAutoFocus(bool value) { FAutoFocus = value; }
    bool Flat() const { return FFlat; }
    void SetFlat(bool value);
    bool Etched() const { return FEtched; }
    void SetEtched(bool value);
    // Width of the drop-down button area: 14 to 32 pixels.
    int ButtonWidth() const { return FButtonWidth; }
    void SetButtonWidth(int value);
    bool FocusBorder() const { return FFocusBorder; }
    void SetFocusBorder(bool value) { FFocusBorder = value; update(); }
    // Width of the opened list (0 = as wide as the control).
    int DropWidth() const { return FDropWidth; }
    void SetDropWidth(int value);
    bool IsWinXP() const { return FIsWinXP; }
    void SetIsWinXP(bool value) { FIsWinXP = value; update(); }
    bool IsVista() const { return FIsVista; }
    void SetIsVista(bool value) { FIsVista = value; update(); }
    TColor FlatLineColor() const { return FFlatLineColor; }
    void SetFlatLineColor(TColor value) { FFlatLineColor = value; update(); }
    bool FlatParentColor() const { return FFlatParentColor; }
    void SetFlatParentColor(bool value);
    TColor FocusColor() const { return FFocusColor; }
    void SetFocusColor(TColor value) { FFocusColor = value; }
    TColor FocusBorderColor() const { return FFocusBorderColor; }
    void SetFocusBorderColor(TColor value) { FFocusBorderColor = value; update(); }
    TColor BorderColor() const { return FBorderColor; }
    void SetBorderColor(TColor value);
    bool DisabledBorder() const { return FDisabledBorder; }
    void SetDisabledBorder(bool value) { FDisabledBorder = value; update(); }
    bool FocusLabel() const { return FFocusLabel; }
    void SetFocusLabel(bool value) { FFocusLabel = value; }
    TColor ButtonColor() const { return FButtonColor; }
    void SetButtonColor(TColor value) { FButtonColor = value; update(); }
    TColor ButtonColorHot() const { return FButtonColorHot; }
    void SetButtonColorHot(TColor value) { FButtonColorHot = value; update(); }
    TColor ButtonColorDown() const { return FButtonColorDown; }
    void SetButtonColorDown(TColor value) { FButtonColorDown = value; update(); }
    TColor ButtonBorderColor() const { return FButtonBorderColor; }
    void SetButtonBorderColor(TColor value) { FButtonBorderColor = value; update(); }
    TColor ButtonTextColor() const { return FButtonTextColor; }
    void SetButtonTextColor(TColor value) { FButtonTextColor = value; update(); }
    TColor ButtonTextColorHot() const { return FButtonTextColorHot; }
    void SetButtonTextColorHot(TColor value) { FButtonTextColorHot = value; }
    TColor ButtonTextColorDown() const { return FButtonTextColorDown; }
    void SetButtonTextColorDown(TColor value) { FButtonTextColorDown = value; update(); }

    // The caption label (made on the first caption).
    QLabel* ComboLabel() const { return FLabel; }
    QString LabelCaption() const;
    void SetLabelCaption(const QString& value);
    QFont LabelFont() const { return FLabelFont; }
    void SetLabelFont(const QFont& value);
    int LabelMargin() const { return FLabelMargin; }
    void SetLabelMargin(int value);
    TLabelPosition LabelPosition() const { return FLabelPosition; }
    void SetLabelPosition(TLabelPosition value);
    bool LabelTransparent() const { return FLabelTransparent; }
    void SetLabelTransparent(bool value);
    bool LabelAlwaysEnabled() const { return FLabelAlwaysEnabled; }
    void SetLabelAlwaysEnabled(bool value);

    // The list has closed.
    std::function<void(QObject* Sender)> OnDropUp;

    // State that steers the painting.
    bool MouseInControl() const { return FMouseInControl; }
    bool ButtonHover() const { return FButtonHover; }
    bool HasFocus() const { return FHasFocus; }
    // True when the control paints its own frame and button (else the style does).
    bool UsesOwnPainting() const;
    // The button area in widget coordinates.
    QRect ButtonRect() const;

    void showPopup() override;
    void hidePopup() override;
    void setVisible(bool visible) override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool UseVisualStyles() const;
    bool IsActiveOrHot() const;
    bool IsFocusBorderShown() const;
    bool IsMouseButtonDown() const;
    void DrawDropButton(class QPainter& painter);
    void DrawBorders(class QPainter& painter);
    void DrawControlBorder(class QPainter& painter);
    void DrawButtonEdge(class QPainter& painter);
    void CreateLabel();
    void UpdateLabel();
    void ApplyColor(TColor value);
    void PlaceEditField();
    void SetHasFocus(bool value);
    TColor ParentColor() const;

    TComboStyle FStyle = csDropDown;
    TColor FColor = clWindow;
    bool FAutoFocus = false;
    bool FFlat = false;
    bool FEtched = false;
    TColor FOldColor = 0;
    bool FOldParentColor = false;
    bool FParentColor = false;
    int FButtonWidth = 18;
    bool FFocusBorder = false;
    bool FMouseInControl = false;
    int FDropWidth = 0;
    bool FIsWinXP = false;
    bool FIsThemed = true;
    bool FButtonHover = false;
    bool FLabelAlwaysEnabled = false;
    bool FLabelTransparent = false;
    int FLabelMargin = 4;
    QFont FLabelFont;
    TLabelPosition FLabelPosition = lpLeftTop;
    QPointer<QLabel> FLabel;
    TColor FFlatLineColor = clNone;
    bool FFlatParentColor = true;
    TColor FFocusColor = clNone;
    TColor FFocusBorderColor = clNone;
    TColor FBorderColor = clNone;
    bool FDisabledBorder = true;
    TColor FNormalColor = 0;
    bool FHasFocus = false;
    bool FFocusLabel = false;
    TColor FButtonColorDown = clNone;
    TColor FButtonBorderColor = clNone;
    TColor FButtonTextColor = clNone;
    TColor FButtonTextColorHot = clNone;
    TColor FButtonColor = clNone;
    TColor FButtonColorHot = clNone;
    TColor FButtonTextColorDown = clNone;
    bool FIsVista = false;
};

// The same control for forms.
class TEsgComboBox : public TEsgCustomCombo {
    Q_OBJECT
public:
    using TEsgCustomCombo::TEsgCustomCombo;
};

}  // namespace grid
