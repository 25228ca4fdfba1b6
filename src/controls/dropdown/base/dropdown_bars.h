#pragma once

// The header and footer bars of a drop-down's pop-up and their buttons. A
// bar paints a background, a border, an image and a caption and hosts one
// button per button item of its appearance; the footer can show a size grip.

#include <cstdint>
#include <functional>
#include <stdexcept>
#include <vector>

#include <QPointer>
#include <QString>
#include <QWidget>

#include "controls/dropdown/base/bar_appearance.h"
#include "platform/geometry.h"
#include "platform/modal_result.h"

namespace dropdown {

class TExCustomDropDown;

// A list whose indexed access checks the upper bound.
template <class T>
class TDbgList {
public:
    int Count() const { return int(FItems.size()); }
    T Items(int index) const
    {
        if (index >= Count()) throw std::out_of_range("Index out of bounds in list read access");
        return FItems.at(size_t(index));
    }
    void SetItems(int index, T value)
    {
        if (index >= Count()) throw std::out_of_range("Index out of bounds in list write access");
        FItems.at(size_t(index)) = value;
    }
    void Add(T value) { FItems.push_back(value); }
    void Clear() { FItems.clear(); }
    // Clears the list and appends the other's items in order.
    void AssignList(const TDbgList& other) { FItems = other.FItems; }
    T Last() const { return FItems.back(); }
    auto begin() const { return FItems.begin(); }
    auto end() const { return FItems.end(); }

private:
    std::vector<T> FItems;
};

enum TExButtonStyle : uint8_t { tasButton, tasCheck };
enum TExButtonState : uint8_t { absUp, absDisabled, absDown, absDropDown, absExclusive };

// A bar button: a gradient face by state with image and caption. A click
// hands its modal result to the pop-up, closes the pop-up for the closing
// results and raises OnClick.
class TExButton final : public QWidget {
    Q_OBJECT

public:
    explicit TExButton(QWidget* parent = nullptr);

    // Colours and font (not owned).
    TExButtonAppearance* Appearance() const { return FAppearance; }
    void SetAppearance(TExButtonAppearance* value);
    TImageList* Images() const { return FImages; }
    void SetImages(TImageList* value);
    int ImageIndex() const { return FImageIndex; }
    void SetImageIndex(int value);
    QString Caption() const { return FCaption; }
    void SetCaption(const QString& value);
    platform::TModalResult ModalResult() const { return FModalResult; }
    void SetModalResult(platform::TModalResult value) { FModalResult = value; }
    // The edit whose pop-up a closing modal result hides.
    TExCustomDropDown* ExDropDown() const;
    void SetExDropDown(TExCustomDropDown* value);
    int GroupIndex() const { return FGroupIndex; }
    void SetGroupIndex(int value) { FGroupIndex = value; }
    bool AllowAllUp() const { return FAllowAllUp; }
    void SetAllowAllUp(bool value) { FAllowAllUp = value; }
    TExButtonStyle Style() const { return FStyle; }
    void SetStyle(TExButtonStyle value) { FStyle = value; }
    bool Down() const { return FDown; }
    void SetDown(bool value);
    TExButtonState State() const { return FState; }
    bool MouseInControl() const { return FMouseInControl; }
    // The item index of the bar this button stands for.
    int Tag = 0;

    void Click();
    // Caption extent (and image) plus 8 x 4.
    void SizeToContent();

    std::function<void(QObject* Sender)> OnClick;
    std::function<void(QObject* Sender)> OnMouseEnter;
    std::function<void(QObject* Sender)> OnMouseLeave;

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void DrawButton(platform::TCanvas& canvas);
    void MouseEntered();
    void MouseLeft();
    void RefreshHover();
    void NotifyGroup();
    void UpdateState();
    bool Latched() const { return FGroupIndex != 0 && FDown; }

    int FGroupIndex = 0;
    bool FDown = false;
    bool FAllowAllUp = false;
    bool FMouseInControl = false;
    TExButtonStyle FStyle = tasButton;
    TExButtonState FState = absUp;
    bool FMouseDownInControl = false;
    bool FDragging = false;
    bool FInternalClick = false;
    TExButtonAppearance* FAppearance = nullptr;
    QPointer<TImageList> FImages;
    int FImageIndex = -1;
    QString FCaption;
    int FShortcutId = 0;
    platform::TModalResult FModalResult = platform::mrNone;
    QPointer<QWidget> FExDropDown;
};

// What the header and the footer share: painting, buttons and their layout.
class TDropDownBar : public QWidget {
    Q_OBJECT

public:
    TImageList* Images() const { return FImages; }
    void SetImages(TImageList* value);
    TExCustomDropDown* ExDropDown() const;
    // Binds the bar to the edit: its image list and a copy of its appearance.
    virtual void SetExDropDown(TExCustomDropDown* edit) = 0;
    // Rebuilds the buttons from the edit's button items.
    void InitButtons();
    int ButtonCount() const { return FButtonList.Count(); }
    TExButton* Button(int index) const { return FButtonList.Items(index); }
    // The room the buttons are laid out in.
    platform::TRect GetButtonArea() const;
    // Takes the edit's button appearance and the items' captions, image
    // indexes and enabled states for the existing buttons, then lays them out.
    void UpdateButtons();

    virtual const TBarAppearance& BarAppearance() const = 0;

    // Replaces the whole default painting.
    std::function<void(QObject* Sender, platform::TCanvas& ACanvas, const platform::TRect& ARect)> OnDrawBackGround;
    // May change the caption before it is drawn.
    std::function<void(QObject* Sender, QString& Text)> OnGetText;

protected:
    explicit TDropDownBar(QWidget* parent);
    void Bind(TExCustomDropDown* edit);
    void AppearanceChanged();
    virtual bool IsFooter() const = 0;
    // The footer's grip.
    virtual bool HasSizeGrip() const { return false; }
    virtual void DrawSizeGrip(platform::TCanvas& canvas, const platform::TRect& g) const
    {
        Q_UNUSED(canvas);
        Q_UNUSED(g);
    }
    // The item of the edit's button collection for this bar; null without an edit.
    virtual const TBarButtonsBase* EditButtonItems() const = 0;

    void CreateButtons();
    void ClearButtons();
    void ArrangeButtons();
    void ButtonClick(QObject* sender);

    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void PaintBorder(platform::TCanvas& canvas, const platform::TRect& r);

    QPointer<TImageList> FImages;
    QPointer<QWidget> FExDropDown;
    TDbgList<TExButton*> FButtonList;
};

class TExHeader final : public TDropDownBar {
    Q_OBJECT

public:
    explicit TExHeader(QWidget* parent = nullptr);

    const THeaderAppearance& Appearance() const { return FAppearance; }
    void SetAppearance(const THeaderAppearance& value) { FAppearance.Assign(value); }
    const TBarAppearance& BarAppearance() const override { return FAppearance; }
    void SetExDropDown(TExCustomDropDown* edit) override;

protected:
    bool IsFooter() const override { return false; }
    const TBarButtonsBase* EditButtonItems() const override;

private:
    THeaderAppearance FAppearance;
};

class TExFooter final : public TDropDownBar {
    Q_OBJECT

public:
    explicit TExFooter(QWidget* parent = nullptr);

    const TFooterAppearance& Appearance() const { return FAppearance; }
    void SetAppearance(const TFooterAppearance& value) { FAppearance.Assign(value); }
    const TBarAppearance& BarAppearance() const override { return FAppearance; }
    void SetExDropDown(TExCustomDropDown* edit) override;
    // The grip shows when the appearance asks for it and the edit's pop-up is sizeable.
    bool HasSizeGrip() const override;
    // Draws the six dots of the grip into g.
    void DrawSizeGrip(platform::TCanvas& canvas, const platform::TRect& g) const override;
    // Whether a point lies in the grip's zone (the last 11 columns and 14 rows).
    bool InSizeGrip(QPoint pos) const;

protected:
    bool IsFooter() const override { return true; }
    const TBarButtonsBase* EditButtonItems() const override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    TFooterAppearance FAppearance;
    bool FSizing = false;
};

}  // namespace dropdown
