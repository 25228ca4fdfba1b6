#include "controls/dropdown/images/image_picker_dropdown.h"

#include <QDir>
#include <QFileInfo>
#include <QPainter>

#include "controls/dropdown/base/dropdown_form.h"
#include "controls/dropdown/base/guarded.h"
#include "controls/grid/scoped_value.h"
#include "platform/canvas.h"

namespace dropdown {

using platform::TRect;
using platform::Word;

TExImagePickerDropDown::TExImagePickerDropDown(QWidget* parent) : TExCustomDropDown(parent)
{
    FConstructed = true;
    CreateDropDownForm();
    SetEditorEnabled(false);
    SetDropDownEnabled(true);
    setCursor(Qt::ArrowCursor);
}

void TExImagePickerDropDown::SetItemIndex(int Value)
{
    if (Value == FItemIndex || Value >= int(FItems.size())) return;
    FItemIndex = Value;
    update();
    if (OnChange) OnChange(this);
    if (OnSelect) OnSelect(this);
}

int TExImagePickerDropDown::ImageIndex() const
{
    if (FItemIndex < 0 || FItemIndex >= int(FItems.size())) return -1;
    return FItems[size_t(FItemIndex)].ImageIndex;
}

void TExImagePickerDropDown::SetImageIndex(int Value)
{
    for (size_t i = 0; i < FItems.size(); ++i)
        if (FItems[i].ImageIndex == Value) {
            SetItemIndex(int(i));
            return;
        }
    SetItemIndex(-1);
}

void TExImagePickerDropDown::Step(picklist::TPickerStep step)
{
    if (const auto index = picklist::SteppedIndex(step, FItemIndex, int(FItems.size()))) SetItemIndex(*index);
}

void TExImagePickerDropDown::AddImagesFromImageList()
{
    if (!Images()) return;
    for (int i = 0; i < Images()->Count(); ++i) {
        TImageItem item;
        item.ImageIndex = i;
        FItems.push_back(item);
    }
}

void TExImagePickerDropDown::AddImagesFromFolder(const QString& AFolder, bool SetImageCaption)
{
    const QFileInfo pattern(AFolder);
    const QDir folder = pattern.dir();
    // Files only: sub-folders and the "." and ".." entries are no pictures.
    const QStringList names =
        folder.entryList(QStringList{pattern.fileName()}, QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
    for (const QString& name : names) AddImageFromFile(folder.filePath(name), SetImageCaption);
}

void TExImagePickerDropDown::AddImageFromFile(const QString& fileName, bool SetImageCaption)
{
    TImageItem item;
    if (item.Image.load(fileName) && SetImageCaption) item.Caption = QFileInfo(fileName).fileName();
    FItems.push_back(std::move(item));
}

// ----- the pop-up

void TExImagePickerDropDown::CreateDropDownForm()
{
    TExCustomDropDown::CreateDropDownForm();
    if (!FConstructed || !DropDownForm()) return;
    if (!FItemSelector) {
        FItemSelector = new TExCustomItemSelector(DropDownForm());
        FItemSelector->SetSelectorType(stImage);
        FItemSelector->move(0, 0);
        FItemSelector->resize(FItemSelector->width(), 150);
    }
    FItemSelector->SetColor(DropDownColor());
    FItemSelector->UpdateSelectorPanel();
    SetControl(FItemSelector);
}

void TExImagePickerDropDown::UpdateItemSelector()
{
    if (!FItemSelector) return;
    TExCustomItemSelector& s = *FItemSelector;
    picklist::BeginFill(s, FColumns, Images(), FLayout, DropDownColor(), FItemAppearance);
    for (const TImageItem& i : FItems) {
        TSelectorItem& item = s.Items().Add();
        item.Caption = i.Caption;
        item.Image = i.Image;
        item.ImageIndex = i.ImageIndex;
        item.Hint = i.Hint;
        item.Enabled = i.Enabled;
    }
    picklist::EndFill(s, FItemIndex, [this](QObject*) { ItemSelectorSelect(); });
}

void TExImagePickerDropDown::BeforeDropDown()
{
    TExCustomDropDown::BeforeDropDown();
    if (!FItemSelector) return;
    UpdateItemSelector();
    if (OnDrawItem)
        FItemSelector->OnDrawItem = [this](QObject*, platform::TCanvas& canvas, const TRect& r, int index) {
            OnDrawItem(this, canvas, r, index);
        };
    else
        FItemSelector->OnDrawItem = nullptr;
    FOldItemIndex = FItemIndex;
}

void TExImagePickerDropDown::SizeDropDownForm()
{
    if (!FItemSelector) {
        TExCustomDropDown::SizeDropDownForm();
        return;
    }
    picklist::FitSelectorToContent(*FItemSelector, DropDownWidth(), DropDownHeight(), DropDownBorderWidth());
    TExCustomDropDown::SizeDropDownForm();
}

void TExImagePickerDropDown::ItemSelectorSelect()
{
    SetItemIndex(FItemSelector->ItemIndex());
    if (!FInternalCall) DoHideDropDown(false);
}

void TExImagePickerDropDown::DoHideDropDown(bool Cancelled)
{
    TExCustomDropDown::DoHideDropDown(Cancelled);
    if (Cancelled) SetItemIndex(FOldItemIndex);
}

// ----- keys and wheel

picklist::TListKeyContext TExImagePickerDropDown::ListKeys()
{
    return picklist::TListKeyContext{
        .Selector = *FItemSelector,
        .Open = DroppedDown(),
        .EditorEnabled = EditorEnabled(),
        .RowStep = FColumns,
        .ItemCount = int(FItems.size()),
        .Refill = [this] { UpdateItemSelector(); },
        .Step = picklist::StepsOf(*this),
        .InternalCall = FInternalCall,
        .Search = FTypeAhead,
    };
}

void TExImagePickerDropDown::HandleKeyDownMessage(Word& key)
{
    using namespace platform;
    const Word pressed = key;
    bool handled = false;
    if (isEnabled() && DroppedDown() && pressed == VK_RETURN && FItemSelector && FItemSelector->ItemHot() >= 0) {
        FItemSelector->SetItemIndex(FItemSelector->ItemHot());
        handled = true;
    }
    TExCustomDropDown::HandleKeyDownMessage(key);
    if (!isEnabled() || isKeyDown(VK_MENU) || !FItemSelector) return;
    if (pressed == VK_RETURN) {
        if (!handled && OnSelect) OnSelect(this);
        return;
    }
    picklist::TListKeyContext c = ListKeys();
    picklist::ListPickerKey(pressed, c);
}

void TExImagePickerDropDown::HandleMouseWheelDown(platform::TShiftState shift, QPoint mousePos, bool& handled)
{
    TExCustomDropDown::HandleMouseWheelDown(shift, mousePos, handled);
    if (!isEnabled() || ReadOnly() || !FItemSelector) return;
    picklist::TListKeyContext c = ListKeys();
    picklist::ListPickerWheel(true, c);
}

void TExImagePickerDropDown::HandleMouseWheelUp(platform::TShiftState shift, QPoint mousePos, bool& handled)
{
    TExCustomDropDown::HandleMouseWheelUp(shift, mousePos, handled);
    if (!isEnabled() || ReadOnly() || !FItemSelector) return;
    picklist::TListKeyContext c = ListKeys();
    picklist::ListPickerWheel(false, c);
}

void TExImagePickerDropDown::SetSelectionColorStyle(TSelectionColorStyle style)
{
    TExCustomDropDown::SetSelectionColorStyle(style);
    if (FItemSelector) FItemSelector->ItemAppearance().SetColorStyle(style);
}

// ----- painting

void TExImagePickerDropDown::DrawSelectedImage(platform::TCanvas& canvas)
{
    const TRect r = EditRect();
    if (OnDrawSelectedImage) {
        OnDrawSelectedImage(this, canvas, r);
        return;
    }
    if (FItemIndex < 0 || FItemIndex >= int(FItems.size())) return;
    const TImageItem& item = FItems[size_t(FItemIndex)];
    if (!item.Image.isNull()) {
        canvas.Draw(r.Left + (r.Width() - item.Image.width()) / 2, r.Top + (r.Height() - item.Image.height()) / 2,
                    item.Image);
    } else if (Images() && item.ImageIndex >= 0) {
        canvas.Draw(r.Left + (r.Width() - Images()->Width()) / 2, r.Top + (r.Height() - Images()->Height()) / 2,
                    Images()->Image(item.ImageIndex));
    }
}

void TExImagePickerDropDown::paintEvent(QPaintEvent* event)
{
    TExCustomDropDown::paintEvent(event);
    Guarded([&] {
        QPainter painter(this);
        platform::TCanvas canvas(painter);
        DrawSelectedImage(canvas);
    });
}

}  // namespace dropdown
