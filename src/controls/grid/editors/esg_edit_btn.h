#pragma once

// The edit with a push button at its right edge (TEsgEditBtn): the button,
// or F4, raises OnClickBtn so that a form can open a chooser for the field.
// TEsgUnitEditBtn edits a value with a physical unit: the unit is shown
// between the text and the button, and the button pops up the allowed units.

#include <functional>

#include <QAbstractButton>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>
#include <QStringList>
#include <QWidget>

#include "platform/colors.h"

namespace grid {

class TEsgEditButton;

// The speed button inside the edit button: painted in the owner's colours,
// as a themed push button, or as a flat frame; the caption centred in black.
class TExSpeedButton : public QAbstractButton {
    Q_OBJECT
public:
    explicit TExSpeedButton(TEsgEditButton* owner);
    bool IsWinXP() const { return FIsWinXP; }
    void SetIsWinXP(bool value);
    bool Flat() const { return FFlat; }
    void SetFlat(bool value);
    bool Hot() const { return FHot; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    TEsgEditButton* FOwner;
    bool FIsWinXP = false;
    bool FFlat = false;
    bool FHot = false;
};

// A small control holding one speed button over its whole area; a release of
// the left button on it (wherever the mouse is then) is its OnClick.
class TEsgEditButton : public QWidget {
    Q_OBJECT
public:
    explicit TEsgEditButton(QWidget* parent);
    TExSpeedButton* Button() const { return FButton; }
    QWidget* FocusControl() const { return FFocusControl; }
    void SetFocusControl(QWidget* value) { FFocusControl = value; }
    bool Flat() const { return FFlat; }
    void SetFlat(bool value);
    QString ButtonCaption() const { return FButton->text(); }
    void SetButtonCaption(const QString& value) { FButton->setText(value); }
    // Colours of the button face and caption (clNone: the theme's).
    TColor ButtonColor = clNone;
    TColor ButtonColorHot = clNone;
    TColor ButtonColorDown = clNone;
    TColor ButtonBorderColor = clNone;
    TColor ButtonTextColor = clNone;
    TColor ButtonTextColorHot = clNone;
    TColor ButtonTextColorDown = clNone;
    std::function<void(QObject* Sender)> OnClick;
    // The speed button's left release.
    void BtnMouseUp(QObject* Sender);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    TExSpeedButton* FButton;
    QPointer<QWidget> FFocusControl;
    bool FFlat = false;
};

class TEsgEditBtn : public QLineEdit {
    Q_OBJECT
public:
    explicit TEsgEditBtn(QWidget* parent);
    TEsgEditButton* Button() const { return FButton; }
    bool EditorEnabled() const { return FEditorEnabled; }
    void SetEditorEnabled(bool value) { FEditorEnabled = value; }
    bool RightAlign() const { return FRightAlign; }
    void SetRightAlign(bool value);
    int ButtonWidth() const { return FButtonWidth; }
    void SetButtonWidth(int value);
    bool IsWinXP() const { return FIsWinXP; }
    void SetIsWinXP(bool value);
    QString ButtonCaption() const { return FButton->ButtonCaption(); }
    void SetButtonCaption(const QString& value) { FButton->SetButtonCaption(value); }
    bool AutoSelect = true;
    // The edit mask in the configurator's notation (empty: none).
    QString EditMask() const { return FEditMask; }
    void SetEditMask(const QString& value);
    std::function<void(QObject* Sender)> OnClickBtn;
    // The button was pressed (Sender: the edit button) or F4 (Sender: the edit).
    virtual void ClickButton(QObject* Sender);
    // The text's formatting rectangle leaves room for the button and the unit.
    void SetEditRect();
    int GetMinHeight() const;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool event(QEvent* event) override;
    // Pixels reserved for the unit text (TEsgUnitEditBtn).
    int FUnitSize = 0;
    // The width the unit takes right of the text.
    virtual int UnitWidth() const { return FUnitSize; }

private:
    void PlaceButton();
    TEsgEditButton* FButton;
    bool FEditorEnabled = true;
    bool FRightAlign = false;
    int FButtonWidth = 0;
    bool FIsWinXP = false;
    QString FEditMask;
};

class TEsgUnitEditBtn : public TEsgEditBtn {
    Q_OBJECT
public:
    explicit TEsgUnitEditBtn(QWidget* parent);
    const QStringList& Units() const { return FUnits; }
    void SetUnits(const QStringList& value) { FUnits = value; }
    QString UnitID() const { return FUnitID; }
    void SetUnitID(const QString& value);
    int UnitSpace() const { return FUnitSize; }
    void SetUnitSpace(int value);
    // The text followed directly by the unit.
    QString TextAndUnit() const { return text() + FUnitID; }
    // Splits a value into text and unit: the first unit of the list that
    // ends the value and does not occur earlier in it; none leaves both.
    void SetTextAndUnit(const QString& value);
    void ClickButton(QObject* Sender) override;
    // The unit with this menu number (1 .. number of units) was chosen.
    void UnitChosen(int itemNumber);
    std::function<void(QObject* Sender, const QString& NewUnit)> OnUnitChanged;
    // The menu of the last button press (alive while it is shown).
    QMenu* UnitMenu() const { return FMenu; }

protected:
    void paintEvent(QPaintEvent* event) override;
    // The reserved unit space, or the unit's own width when it is wider.
    int UnitWidth() const override;

private:
    QString FUnitID;
    QStringList FUnits;
    QPointer<QMenu> FMenu;
};

}  // namespace grid
