#pragma once

// The drop-down edit every picker stands on: a single-line edit with a button
// at its right edge that opens a borderless pop-up below or above it. The
// pop-up holds the picker's control between an optional header and footer
// bar. A picker builds its control in BeforeDropDown, hands it over with
// SetControl and overrides the key, wheel and sizing hooks it needs.

#include <cstdint>
#include <functional>
#include <memory>

#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QString>

#include "controls/dropdown/base/bar_appearance.h"
#include "controls/dropdown/base/dropdown_numbers.h"
#include "controls/dropdown/base/dropdown_placement.h"
#include "controls/dropdown/base/dropdown_styles.h"
#include "platform/canvas.h"
#include "platform/colors.h"
#include "platform/geometry.h"
#include "platform/input_state.h"

namespace dropdown {

class TDropDownEditButton;
class TDropDownForm;

// Where the attached label sits next to the edit.
enum TLabelPosition : uint8_t {
    lpLeftTop,
    lpLeftCenter,
    lpLeftBottom,
    lpTopLeft,
    lpBottomLeft,
    lpLeftTopLeft,
    lpLeftCenterLeft,
    lpLeftBottomLeft,
    lpTopCenter,
    lpBottomCenter,
    lpRightTop,
    lpRightCenter,
    lpRighBottom,
    lpTopRight,
    lpBottomRight,
};

// The label's place for an edit at `edit`, a caption `captionWidth` wide and
// a label `labelSize`, `margin` pixels away.
QPoint LabelPlace(TLabelPosition position, const QRect& edit, int captionWidth, QSize labelSize, int margin);

class TExCustomDropDown : public QLineEdit {
    Q_OBJECT

public:
    explicit TExCustomDropDown(QWidget* parent = nullptr);
    ~TExCustomDropDown() override;
    TExCustomDropDown(const TExCustomDropDown&) = delete;
    TExCustomDropDown& operator=(const TExCustomDropDown&) = delete;

    // Copies the settings of another drop-down (not its text or control).
    void Assign(const TExCustomDropDown& source);

    // ----- the pop-up
    void ShowDropDown() { DoShowDropDown(); }
    void HideDropDown(bool cancelChanges) { DoHideDropDown(cancelChanges); }
    bool DroppedDown() const { return FDroppedDown; }
    // The opening of a click (the button, or a press on a non-editable
    // edit): ignored while the pop-up is open and within 250 ms of the
    // pop-up losing activation, so the click that closed it does not reopen it.
    void DropDownFromClick();
    // Opens the pop-up below or above the edit. Refused silently while it is
    // open, while the edit is disabled or read-only, and when OnDropDown says no.
    virtual void DoShowDropDown();
    // Closes the open pop-up; Cancelled puts back the text last assigned
    // through SetText.
    virtual void DoHideDropDown(bool Cancelled);

    TDropDownEditButton* Button() const { return FButton; }
    TDropDownForm* DropDownForm() const { return FDropDownForm; }

    // ----- pop-up settings
    // 0 or less: computed. Setting a new value forgets the size the user gave the pop-up.
    int DropDownWidth() const { return FDropDownWidth; }
    void SetDropDownWidth(int value);
    int DropDownHeight() const { return FDropDownHeight; }
    void SetDropDownHeight(int value);
    TDropPosition DropPosition() const { return FDropPosition; }
    void SetDropPosition(TDropPosition value) { FDropPosition = value; }
    TColor DropDownColor() const { return FDropDownColor; }
    void SetDropDownColor(TColor value) { FDropDownColor = value; }
    TColor DropDownColorTo() const { return FDropDownColorTo; }
    void SetDropDownColorTo(TColor value) { FDropDownColorTo = value; }
    TGradientDirection DropDownGradient() const { return FDropDownGradient; }
    void SetDropDownGradient(TGradientDirection value) { FDropDownGradient = value; }
    TColor DropDownBorderColor() const { return FDropDownBorderColor; }
    void SetDropDownBorderColor(TColor value) { FDropDownBorderColor = value; }
    int DropDownBorderWidth() const { return FDropDownBorderWidth; }
    void SetDropDownBorderWidth(int value) { FDropDownBorderWidth = value; }
    bool DropDownShadow() const { return FDropDownShadow; }
    void SetDropDownShadow(bool value) { FDropDownShadow = value; }
    bool ForceShadow() const { return FForceShadow; }
    void SetForceShadow(bool value) { FForceShadow = value; }
    // The footer's size grip may resize the pop-up.
    bool DropDownSizeable() const { return FDropDownSizeable; }
    void SetDropDownSizeable(bool value) { FDropDownSizeable = value; }
    // Stored for the track bar picker.
    bool DropDownEnabled() const { return FDropDownEnabled; }
    void SetDropDownEnabled(bool value) { FDropDownEnabled = value; }
    THeaderAppearance& DropDownHeader() { return *FDropDownHeader; }
    const THeaderAppearance& DropDownHeader() const { return *FDropDownHeader; }
    void SetDropDownHeader(const THeaderAppearance& value) { FDropDownHeader->Assign(value); }
    TFooterAppearance& DropDownFooter() { return *FDropDownFooter; }
    const TFooterAppearance& DropDownFooter() const { return *FDropDownFooter; }
    void SetDropDownFooter(const TFooterAppearance& value) { FDropDownFooter->Assign(value); }
    TExButtonAppearance& ButtonAppearance() { return *FButtonAppearance; }
    const TExButtonAppearance& ButtonAppearance() const { return *FButtonAppearance; }
    void SetButtonAppearance(const TExButtonAppearance& value) { FButtonAppearance->Assign(value); }
    // Images of the header and footer buttons and of the pickers' items (not owned).
    TImageList* Images() const { return FImages; }
    void SetImages(TImageList* value);

    // ----- the button
    int DropDownButtonWidth() const { return FDropDownButtonWidth; }
    void SetDropDownButtonWidth(int value);
    QString DropDownButtonHint() const { return FDropDownButtonHint; }
    void SetDropDownButtonHint(const QString& value);
    QImage DropDownButtonGlyph() const;
    void SetDropDownButtonGlyph(const QImage& value);
    QString DropDownButtonCaption() const;
    void SetDropDownButtonCaption(const QString& value);

    // ----- editing
    // False: the text cannot be typed; a click or F4 opens the pop-up.
    bool EditorEnabled() const { return FEditorEnabled; }
    void SetEditorEnabled(bool value);
    // Read-only: no typing and no opening. QLineEdit::setReadOnly sets it too.
    bool ReadOnly() const { return FReadOnly; }
    void SetReadOnly(bool value);
    // Enter acts as Tab.
    bool ReturnIsTab() const { return FReturnIsTab; }
    void SetReturnIsTab(bool value) { FReturnIsTab = value; }
    // Escape goes on to the form (its Cancel button) after the edit's own handling.
    bool DefaultHandling() const { return FDefaultHandling; }
    void SetDefaultHandling(bool value) { FDefaultHandling = value; }
    // Escape puts back the text the edit had when it got the focus and selects it.
    bool CanUndo() const { return FCanUndo; }
    void SetCanUndo(bool value) { FCanUndo = value; }
    // The focus selects the whole text.
    bool AutoSelect() const { return FAutoSelect; }
    void SetAutoSelect(bool value) { FAutoSelect = value; }
    QString Prefix() const { return FPrefix; }
    void SetPrefix(const QString& value) { FPrefix = value; }
    QString Suffix() const { return FSuffix; }
    void SetSuffix(const QString& value) { FSuffix = value; }

    // The value: the edit text less a leading Prefix and a trailing Suffix
    // (each only where the text has it).
    QString Text() const;
    // Sets the value (with Prefix and Suffix): numbers of etFloat and etMoney
    // take Precision decimals, etMoney thousand separators, etHex capitals,
    // and an empty number is "0". Remembers it as the text a cancelled
    // drop-up returns to and clears the modified state.
    virtual void SetText(const QString& value);
    // Sets the edit text as it is.
    void SetTextDirect(const QString& value);
    // The text a cancelled drop-up returns to.
    QString OldText() const { return FOldText; }

    // ----- input kind and numbers
    // Changing the kind turns a value that is no number of the kind into 0.
    TDropDownEditType EditType() const { return FEditType; }
    void SetEditType(TDropDownEditType value);
    // Decimals of etFloat and etMoney (below 0: general format). Taken only
    // by etString, etFloat and etMoney, whose value it rewrites.
    int16_t Precision() const { return FPrecision; }
    void SetPrecision(int16_t value);
    // A minus may be typed into etNumeric, etFloat and etMoney values.
    bool Signed() const { return FSigned; }
    void SetSigned(bool value) { FSigned = value; }
    // Above 0: at most this many digits before the decimal separator.
    uint16_t LengthLimit() const { return FLengthLimit; }
    void SetLengthLimit(uint16_t value) { FLengthLimit = value; }
    // The characters an etValidChars edit takes.
    QString ValidChars() const { return FValidChars; }
    void SetValidChars(const QString& value) { FValidChars = value; }
    // etMoney groups thousands as it is typed.
    bool AutoThousandSeparator() const { return FAutoThousandSeparator; }
    void SetAutoThousandSeparator(bool value) { FAutoThousandSeparator = value; }
    // The numeric keypad's decimal key types the decimal separator.
    bool ExcelStyleDecimalSeparator() const { return FExcelStyleDecimalSeparator; }
    void SetExcelStyleDecimalSeparator(bool value) { FExcelStyleDecimalSeparator = value; }
    // An empty number stays empty when the focus leaves (else it becomes 0).
    bool AllowNumericNullValue() const { return FAllowNumericNullValue; }
    void SetAllowNumericNullValue(bool value) { FAllowNumericNullValue = value; }
    // The value as a number (0 where it does not read as one).
    double FloatValue() const;
    void SetFloatValue(double value);
    // The value's integer part (hexadecimal for etHex).
    int64_t IntValue() const;
    void SetIntValue(int64_t value);
    // Set by typing, pasting and numeric writes; cleared by SetText. Not
    // changed while the edit is read-only or not editable.
    bool IsModified() const { return FIsModified; }
    void SetIsModified(bool value);
    // Selects the value (not Prefix or Suffix).
    void SelectAll();
    // The caret right after / just before the decimal separator (at the
    // value's start without one).
    void SelectAfterDecimal();
    void SelectBeforeDecimal();
    // Regroups an etMoney value's integer part with thousand separators,
    // keeping the caret's distance from the value's end.
    void FormatMoneyText();
    // The decimal separator's 1-based place in the value plus the prefix's
    // length, or just past the suffix without one.
    int DecimalSeparatorPos() const;
    int IntegerPartEnd(const QString& value) const;
    bool IsAllowedMinus(QChar c) const;

    // ----- the clipboard (the keys, the context menu and pickers call these)
    void HandlePasteMessage();
    void HandleCutMessage();
    void HandleCopyMessage();
    // Sender, the value part concerned (for a paste: the value it would
    // leave), and whether to go on (true on entry).
    std::function<void(QObject* Sender, const QString& Value, bool& Allow)> OnClipboardPaste;
    std::function<void(QObject* Sender, const QString& Value, bool& Allow)> OnClipboardCut;
    std::function<void(QObject* Sender, const QString& Value, bool& Allow)> OnClipboardCopy;

    // ----- the attached label, created with the first caption
    QString LabelCaption() const;
    void SetLabelCaption(const QString& value);
    TLabelPosition LabelPosition() const { return FLabelPosition; }
    void SetLabelPosition(TLabelPosition value);
    int LabelMargin() const { return FLabelMargin; }
    void SetLabelMargin(int value);
    const platform::TFont& LabelFont() const { return FLabelFont; }
    // Ignored while the label takes the edit's font (LabelParentFont).
    void SetLabelFont(const platform::TFont& value);
    bool LabelTransparent() const { return FLabelTransparent; }
    void SetLabelTransparent(bool value);
    // The label stays enabled when the edit is disabled as it is set up.
    bool LabelAlwaysEnabled() const { return FLabelAlwaysEnabled; }
    void SetLabelAlwaysEnabled(bool value) { FLabelAlwaysEnabled = value; }
    // The label takes the edit's font instead of LabelFont.
    bool LabelParentFont() const { return FLabelParentFont; }
    void SetLabelParentFont(bool value);
    QLabel* Label() const { return FLabel; }
    // Places the label by LabelPosition and gives it its font and look.
    void UpdateLabel();
    // The end of setting the edit up: the label takes the edit's enabled
    // state (unless LabelAlwaysEnabled) and its place.
    void Loaded();
    std::function<void(QObject* Sender)> OnLabelClick;
    std::function<void(QObject* Sender)> OnLabelDblClick;

    // ----- border and focus look
    bool Flat() const { return FFlat; }
    void SetFlat(bool value) { FFlat = value; }
    TColor BorderColor() const { return FBorderColor; }
    void SetBorderColor(TColor value);
    TColor FocusBorderColor() const { return FFocusBorderColor; }
    void SetFocusBorderColor(TColor value) { FFocusBorderColor = value; }
    bool DisabledBorder() const { return FDisabledBorder; }
    void SetDisabledBorder(bool value);
    // While not editable and focused, the text is painted as a highlighted block.
    bool FocusDraw() const { return FFocusDraw; }
    void SetFocusDraw(bool value) { FFocusDraw = value; }
    // The mouse is over the edit.
    bool Hot() const { return FHot; }
    // Hot or focused: the flat look's raised state and the button's focus.
    bool IsHot() const;
    bool IsActive() const { return IsHot(); }
    // Whether the edit paints its own border over the frame: disabled, flat
    // or with a border colour.
    bool DrawsBorder() const;
    // The border: silver when disabled (DisabledBorder), else BorderColor or
    // FocusBorderColor by focus, else the flat look.
    void DrawBorder(platform::TCanvas& canvas);
    // A focused non-editable edit paints its value as a highlighted block.
    virtual void DrawFocusedText(platform::TCanvas& canvas);

    // ----- styles
    TColor SelectionColor() const { return FSelectionColor; }
    void SetSelectionColor(TColor value) { FSelectionColor = value; }
    TColor SelectionColorTo() const { return FSelectionColorTo; }
    void SetSelectionColorTo(TColor value) { FSelectionColorTo = value; }
    TSelectionColorStyle SelectionColorStyle() const { return FSelectionColorStyle; }
    virtual void SetSelectionColorStyle(TSelectionColorStyle style);
    // Applies the colour presets of a style (tsCustom changes nothing).
    virtual void SetComponentStyle(TQVRStyle style);
    TQVRStyle GetComponentStyle() const { return FComponentStyle; }
    virtual void SetColorTones(const TColorTones& tones);
    // A selected item's background in the selection colour style.
    virtual void DrawSelectionBackground(platform::TCanvas& canvas, const platform::TRect& rect, TColor cornerColor,
                                         int segment);
    virtual void DrawGradientRect(platform::TCanvas& canvas, TColor fromColor, TColor toColor, int steps,
                                  const platform::TRect& rect, TGradientDirection direction);

    // ----- the picker's control
    // Shown in the pop-up (which becomes its parent and deletes it with itself).
    QWidget* Control() const { return FControl; }
    void SetControl(QWidget* value);
    // Gets the focus after opening.
    QWidget* FocusControl() const { return FFocusControl; }
    void SetFocusControl(QWidget* value) { FFocusControl = value; }

    QString Version() const;
    platform::TRect EditRect() const { return FEditRect; }
    // The text height plus a quarter of the smaller of it and the default font's.
    int GetMinHeight() const;

    // ----- keys as they reach the edit: typed in it, forwarded from the
    // pop-up and its control, or handed on by a grid editor. Each runs the
    // matching hook below (HandleKeyDownMessage, HandleKeyUp,
    // HandleCharMessage) as a message to the edit would, with Shift and Ctrl
    // as the keyboard holds them.
    void KeyDownMessage(platform::Word key);
    void KeyUpMessage(platform::Word key);
    void CharMessage(QChar key);
    // The edit's key-down handling (OnKeyDown), then Alt+Up / Alt+Down opens
    // or closes the pop-up. Pickers run theirs first and call it.
    virtual void HandleKeyDown(platform::Word& key, platform::TShiftState shift);
    // The edit's own key-press handling (OnKeyPress); Enter is swallowed.
    virtual void HandleKeyPress(QChar& key);
    // The edit's key-up handling (OnKeyUp).
    virtual void HandleKeyUp(platform::Word& key, platform::TShiftState shift);
    // Whether the edit keeps a special key (Escape while the pop-up is open);
    // Escape also undoes and selects. A key it does not keep goes on to the form.
    virtual bool HandleWantSpecialKeyMessage(platform::Word key);

    // ----- events
    std::function<void(QObject* Sender)> OnBeforeDropDown;
    std::function<void(QObject* Sender, bool& AcceptDrop)> OnDropDown;
    std::function<void(QObject* Sender)> OnBeforeDropUp;
    std::function<void(QObject* Sender, bool Cancelled)> OnDropUp;
    std::function<void(QObject* Sender, int ButtonIndex)> OnDropDownHeaderButtonClick;
    std::function<void(QObject* Sender, int ButtonIndex)> OnDropDownFooterButtonClick;
    std::function<void(QObject* Sender, platform::TCanvas& ACanvas, const platform::TRect& ARect)> OnDrawHeader;
    std::function<void(QObject* Sender, platform::TCanvas& ACanvas, const platform::TRect& ARect)> OnDrawFooter;
    std::function<void(QObject* Sender, QString& Text)> OnGetHeaderText;
    std::function<void(QObject* Sender, QString& Text)> OnGetFooterText;
    std::function<void(QObject* Sender, platform::Word& Key, platform::TShiftState Shift)> OnKeyDown;
    std::function<void(QObject* Sender, platform::Word& Key, platform::TShiftState Shift)> OnKeyUp;
    std::function<void(QObject* Sender, QChar& Key)> OnKeyPress;
    std::function<void(QObject* Sender)> OnChange;

protected:
    // ----- the hooks of the pickers, with the base behaviour
    virtual void DoLabelClick();
    virtual void DoLabelDblClick();
    virtual uint32_t GetVersionNr() const;
    virtual void CreateDropDownForm();
    virtual void CreateDropDownButton();
    virtual void UpdateDropDownButton();
    // Fires OnBeforeDropDown; pickers build and fill their control here.
    virtual void BeforeDropDown();
    // List pickers round the height to whole rows.
    virtual void AdaptDropDownHeight(int& height) { Q_UNUSED(height); }
    virtual void FocusDropDownControl();
    virtual void PlaceDropDownControl();
    virtual void SizeDropDownForm();
    // DroppedDown off; the focus back to the edit.
    virtual void AfterHideDropDown();
    virtual void DropDownFormDestroyed() {}
    virtual void DropDownFormWheelDown(platform::TShiftState shift, QPoint mousePos, bool& handled);
    virtual void DropDownFormWheelUp(platform::TShiftState shift, QPoint mousePos, bool& handled);
    // Keys of the pop-up and of the control go to the edit.
    virtual void DropDownFormKeyPress(QChar& key);
    virtual void DropDownFormKeyDown(platform::Word& key, platform::TShiftState shift);
    virtual void DropDownFormKeyUp(platform::Word& key, platform::TShiftState shift);
    virtual void ControlKeyDown(platform::Word& key, platform::TShiftState shift);
    virtual void ControlKeyUp(platform::Word& key, platform::TShiftState shift);
    virtual void ControlKeyPress(QChar& key);
    virtual void DropDownFormSizing() {}
    // The wheel over the edit or the open pop-up (mousePos in screen
    // coordinates): pickers step their selection and set handled.
    virtual void HandleMouseWheelDown(platform::TShiftState shift, QPoint mousePos, bool& handled);
    virtual void HandleMouseWheelUp(platform::TShiftState shift, QPoint mousePos, bool& handled);
    virtual void SetEditRect();
    virtual void ResizeControl();
    // The change notification of the edit: fires OnChange. Pickers call it
    // first and then react to the new text.
    virtual void HandleChange();
    // A key-down as the edit's window gets it: Alt+arrows, the non-editable
    // mode, ReturnIsTab, HandleKeyDown and the line edit's own editing keys,
    // then the pop-up keys (Enter accepts, Escape cancels, F4 toggles). A
    // picker's override that sets key to 0 stops it.
    virtual void HandleKeyDownMessage(platform::Word& key);
    // A typed character: HandleKeyPress, then into the text (nothing while
    // not editable).
    virtual void HandleCharMessage(QChar& key);
    // Focus gain, after the line edit's own handling: remembers the text
    // Escape returns to and, when editable, selects it all with AutoSelect;
    // a non-editable edit repaints (its caret stays hidden).
    virtual void HandleSetFocusMessage();
    // Focus loss, after the line edit's own handling.
    virtual void HandleKillFocusMessage();

    // Qt's side.
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

    // One-shot: the next change notification of the edit is swallowed.
    bool BlockChange = false;

private:
    // Runs the work of an input handler; when it fails, the edit goes back
    // to the text it had before.
    template <class Action>
    void GuardedInput(Action&& action);
    void TextChanged();
    // Puts the text back without a change notification.
    void RestoreText(const QString& text);
    // The edit's base key-down handling: HandleKeyDown and the line edit's
    // own editing keys.
    void BaseKeyDown(platform::Word& key, platform::TShiftState shift);
    void UpdateLineEditReadOnly();
    void LineEditReadOnlyChanged();
    void DropDownHeaderChanged();
    void DropDownFooterChanged();

    // Typed input.
    // The character rules of every kind; "passing" a character runs PassChar.
    void TypeChar(QChar& key);
    void TypeKindChar(QChar& key, bool ctrl);
    void TypeFloatChar(QChar& key, int selStart, int selLength, bool money);
    // The edit's base handling of a character: HandleKeyPress, then into the text.
    void PassChar(QChar& key);
    void ToggleSign(int selStart, int selLength);
    // The prefix, suffix and Delete rules of a key-down; false: swallowed.
    bool CaretKeyDown(platform::Word key, platform::TShiftState shift);
    // The prefix and suffix clamps after a click.
    void ClampCaretAfterClick();
    // Ctrl or Shift shortcuts of the clipboard; true when it was one.
    bool ClipboardShortcut(const QKeyEvent& event);
    bool CtrlHeld() const;
    // The edit text rewritten as the base edit does it, with Precision 0 meanwhile.
    void SetEditText(const QString& text, bool zeroPrecision);
    int SelStart() const;
    int SelLength() const;
    QString SelectedValue() const;
    void NormaliseOnFocusLoss();
    // Posts Enter or Escape to a parent that is not a window of its own.
    void PostKeyToParent(int qtKey, bool withRelease);

    // The label and the border.
    void CreateLabel();
    void PlaceLabel();
    void DrawBorders();
    void UpdateButtonFocus();

    TDropDownForm* FDropDownForm = nullptr;
    TDropDownEditButton* FButton = nullptr;
    std::unique_ptr<THeaderAppearance> FDropDownHeader;
    std::unique_ptr<TFooterAppearance> FDropDownFooter;
    std::unique_ptr<TExButtonAppearance> FButtonAppearance;
    QPointer<TImageList> FImages;
    QPointer<QWidget> FControl;
    QPointer<QWidget> FFocusControl;

    int FDropDownWidth = 0;
    int FDropDownHeight = 0;
    TDropPosition FDropPosition = dpAuto;
    TColor FDropDownColor = clWhite;
    TColor FDropDownColorTo = clNone;
    TGradientDirection FDropDownGradient = gdHorizontal;
    TColor FDropDownBorderColor = clBlack;
    int FDropDownBorderWidth = 1;
    bool FDropDownShadow = true;
    bool FForceShadow = false;
    bool FDropDownSizeable = true;
    bool FDropDownEnabled = false;
    int FDropDownButtonWidth = 17;
    QString FDropDownButtonHint;
    bool FEditorEnabled = true;
    bool FReadOnly = false;
    bool FApplyingReadOnly = false;
    bool FReturnIsTab = false;
    bool FDefaultHandling = true;
    bool FCanUndo = true;
    bool FAutoSelect = true;
    QString FPrefix;
    QString FSuffix;
    TDropDownEditType FEditType = etString;
    int16_t FPrecision = 0;
    bool FSigned = false;
    uint16_t FLengthLimit = 0;
    QString FValidChars;
    bool FAutoThousandSeparator = true;
    bool FExcelStyleDecimalSeparator = false;
    bool FAllowNumericNullValue = false;
    bool FIsModified = false;
    bool FBlockCopy = false;
    QPointer<QLabel> FLabel;
    TLabelPosition FLabelPosition = lpLeftTop;
    int FLabelMargin = 0;
    platform::TFont FLabelFont;
    bool FLabelTransparent = false;
    bool FLabelAlwaysEnabled = false;
    bool FLabelParentFont = false;
    bool FHot = false;
    bool FFlat = false;
    TColor FBorderColor = clNone;
    TColor FFocusBorderColor = clNone;
    bool FDisabledBorder = true;
    bool FFocusDraw = true;
    TColor FSelectionColor = clNone;
    TColor FSelectionColorTo = clNone;
    TSelectionColorStyle FSelectionColorStyle = scCustom;
    TQVRStyle FComponentStyle = tsCustom;

    bool FDroppedDown = false;
    QSize FUserSize{-1, -1};
    platform::TRect FEditRect;
    bool FPressedInSelection = false;
    QString FOldText;
    QString FFocusText;
    QString FLastGoodText;
    bool FRestoring = false;
    // The Qt key event being handled, while the key came from Qt (not sent).
    QKeyEvent* FNativeKey = nullptr;
    bool FDestroying = false;
};

}  // namespace dropdown
