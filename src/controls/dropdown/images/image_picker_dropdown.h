#pragma once

// A drop-down edit whose value is one of a list of pictures. The pop-up
// lists the pictures (each its own, or an image of the image list) with
// optional captions; the edit shows the selected picture centred.

#include <functional>
#include <vector>

#include <QImage>
#include <QString>

#include "controls/dropdown/base/ex_custom_dropdown.h"
#include "controls/dropdown/item_list/list_picker_keys.h"
#include "controls/dropdown/item_list/list_picker_keys.h"

namespace dropdown {

struct TImageItem {
    QString Caption;
    int ImageIndex = -1;  // into the drop-down's Images
    QImage Image;
    QString Hint;
    bool Enabled = true;
};

class TExImagePickerDropDown : public TExCustomDropDown {
    Q_OBJECT
public:
    explicit TExImagePickerDropDown(QWidget* parent = nullptr);

    // The pictures; changes reach the pop-up when it is next prepared.
    std::vector<TImageItem>& Items() { return FItems; }
    int ItemIndex() const { return FItemIndex; }
    void SetItemIndex(int Value);
    // The image-list index of the selected item, -1 with none.
    int ImageIndex() const;
    // Selects the first item of that image-list index (none when no item has it).
    void SetImageIndex(int Value);
    int Columns() const { return FColumns; }
    void SetColumns(int value) { FColumns = value; }
    TItemLayout Layout() const { return FLayout; }
    void SetLayout(TItemLayout value) { FLayout = value; }
    TItemAppearance& ItemAppearance() { return FItemAppearance; }

    void SelectFirst() { Step(picklist::psFirst); }
    void SelectLast() { Step(picklist::psLast); }
    void SelectNext() { Step(picklist::psNext); }
    void SelectPrevious() { Step(picklist::psPrevious); }
    void Step(picklist::TPickerStep step);
    // One item per image of Images, with its index and no caption.
    void AddImagesFromImageList();
    // One item per file that a folder and file mask ("pictures/*.png")
    // names, in name order; folders are left out. With SetImageCaption an
    // item whose picture loaded is captioned with its file name. A file that
    // is no picture stays as an item without picture and caption.
    void AddImagesFromFolder(const QString& AFolder, bool SetImageCaption);
    void AddImageFromFile(const QString& fileName, bool SetImageCaption);

    TExCustomItemSelector* ItemSelector() const { return FItemSelector; }
    QString CurSearch() const { return FTypeAhead.CurSearch(); }

    void DoHideDropDown(bool Cancelled) override;
    void SetSelectionColorStyle(TSelectionColorStyle style) override;
    void DrawSelectedImage(platform::TCanvas& canvas);

    std::function<void(QObject* Sender)> OnSelect;
    std::function<void(QObject* Sender, platform::TCanvas& Canvas, const platform::TRect& R, int Index)> OnDrawItem;
    std::function<void(QObject* Sender, platform::TCanvas& Canvas, const platform::TRect& R)> OnDrawSelectedImage;

protected:
    void CreateDropDownForm() override;
    void BeforeDropDown() override;
    void SizeDropDownForm() override;
    void DropDownFormDestroyed() override { FItemSelector = nullptr; }
    void HandleMouseWheelDown(platform::TShiftState shift, QPoint mousePos, bool& handled) override;
    void HandleMouseWheelUp(platform::TShiftState shift, QPoint mousePos, bool& handled) override;
    void HandleKeyDownMessage(platform::Word& key) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void UpdateItemSelector();
    void ItemSelectorSelect();
    picklist::TListKeyContext ListKeys();

    std::vector<TImageItem> FItems;
    int FItemIndex = -1;
    int FColumns = 1;
    TItemLayout FLayout = ilCaptionRight;
    TItemAppearance FItemAppearance;
    TExCustomItemSelector* FItemSelector = nullptr;
    int FOldItemIndex = -1;
    picklist::TTypeAhead FTypeAhead;
    bool FInternalCall = false;
    bool FConstructed = false;
};

}  // namespace dropdown
