#include "controls/dropdown/detail/detail_dropdown.h"

#include <QPainter>
#include <QScrollBar>
#include <QStyle>

#include "controls/dropdown/base/dropdown_form.h"
#include "controls/dropdown/base/guarded.h"
#include "controls/dropdown/detail/auto_complete.h"
#include "controls/grid/html/html_renderer.h"
#include "controls/grid/scoped_value.h"

namespace dropdown {

using platform::TRect;
using platform::Word;

int TDetailItems::IndexOf(const QString& AValue) const
{
    for (int i = 0; i < Count(); ++i)
        if (FItems[size_t(i)].Caption == AValue) return i;
    return -1;
}

TExDetailDropDown::TExDetailDropDown(QWidget* parent)
    : TExCustomDropDown(parent), FCaptionFont(font()), FNotesFont(font())
{
    FConstructed = true;
    CreateDropDownForm();
    SetDropDownEnabled(true);
}

void TExDetailDropDown::SetTextSelected(const QString& text)
{
    SetText(text);
    setSelection(0, int(QLineEdit::text().size()));
}

void TExDetailDropDown::SetItemIndex(int Value)
{
    if (Value == FItemIndex) return;
    if (Value >= 0 && Value < FItems.Count()) {
        FItemIndex = Value;
        {
            grid::TScopedValue<bool> completing(FCompleting, true);
            SetTextSelected(FItems[Value].Caption);
        }
        FOldValue = QLineEdit::text();
        update();
        if (FItemSelector) FItemSelector->Panel()->update();
        if (OnSelect) OnSelect(this);
    } else if (Value == -1) {
        {
            grid::TScopedValue<bool> completing(FCompleting, true);
            SetText(QString());
        }
        FItemIndex = -1;
    }
}

void TExDetailDropDown::Step(picklist::TPickerStep step)
{
    if (const auto index = picklist::SteppedIndex(step, FItemIndex, FItems.Count())) SetItemIndex(*index);
}

// ----- completion

void TExDetailDropDown::HandleSetFocusMessage()
{
    TExCustomDropDown::HandleSetFocusMessage();
    FOldValue = QLineEdit::text();
}

void TExDetailDropDown::HandleChange()
{
    TExCustomDropDown::HandleChange();
    // Text the drop-down sets itself is not completed again.
    if (FCompleting || !FWorkMode) return;
    // Only typing is completed: text set by a program (the line edit then
    // counts as unmodified) is taken as it is.
    if (!isModified()) return;
    const QString text = QLineEdit::text();
    if (EditorEnabled() && !ReadOnly()) setModified(text != FOldValue);
    QStringList captions;
    for (int i = 0; i < FItems.Count(); ++i) captions << FItems[i].Caption;
    const auto completion = CompleteText(text, cursorPosition(), captions, FMatchCase);
    if (!completion) return;
    grid::TScopedValue<bool> completing(FCompleting, true);
    if (completion->ItemIndex >= 0) FItemIndex = completion->ItemIndex;
    if (completion->Text != text) SetText(completion->Text);
    const int end = int(QLineEdit::text().size());
    if (completion->Caret < end)
        setSelection(end, completion->Caret - end);
    else
        setCursorPosition(end);
}

void TExDetailDropDown::HandleKeyDown(Word& key, platform::TShiftState shift)
{
    using namespace platform;
    if (FItems.Count() == 0) {
        TExCustomDropDown::HandleKeyDown(key, shift);
        return;
    }
    const Word pressed = key;
    if (pressed == VK_BACK || pressed == VK_ESCAPE || pressed == VK_DELETE) {
        FWorkMode = false;
    } else if (pressed == VK_RETURN) {
        const int index = FItems.IndexOf(QLineEdit::text());
        if (index >= 0) {
            {
                grid::TScopedValue<bool> completing(FCompleting, true);
                SetText(FItems[index].Caption);
            }
            SetItemIndex(index);
            HandleChange();
        }
    } else {
        FWorkMode = true;
    }
    TExCustomDropDown::HandleKeyDown(key, shift);
    if (pressed == VK_ESCAPE) {
        const int index = FItems.IndexOf(QLineEdit::text());
        if (index >= 0) SetItemIndex(index);
    }
}

// ----- keys and wheel

void TExDetailDropDown::HandleKeyDownMessage(Word& key)
{
    using namespace platform;
    if (isEnabled() && !isKeyDown(VK_MENU) && FItemSelector && key != 0) {
        picklist::TListKeyContext c{
            .Selector = *FItemSelector,
            .Open = DroppedDown(),
            .EditorEnabled = EditorEnabled(),
            .RowStep = 1,
            .HomeEndNeedReadOnlyText = true,
            // Typing in the editable text is completed, not searched.
            .TypeAhead = !EditorEnabled(),
            .ItemCount = FItems.Count(),
            .Refill = [this] { UpdateItemSelector(); },
            .Step = picklist::StepsOf(*this),
            .InternalCall = FInternalCall,
            .Search = FTypeAhead,
        };
        const bool moves = picklist::ListPickerKey(key, c);
        if (key == VK_UP || key == VK_DOWN) update();
        if (moves && DroppedDown()) {
            key = 0;
            return;
        }
    }
    TExCustomDropDown::HandleKeyDownMessage(key);
}

void TExDetailDropDown::WheelStep(int delta)
{
    if (!DroppedDown() || !FItemSelector) {
        delta > 0 ? SelectNext() : SelectPrevious();
        return;
    }
    const int value = FItemSelector->ItemIndex() < 0 ? 0 : FItemSelector->ItemIndex() + delta;
    if (value >= 0 && value < FItemSelector->Items().Count()) {
        grid::TScopedValue<bool> internal(FInternalCall, true);
        FItemSelector->SetItemIndex(value);
        FItemSelector->ScrollItemInView(value);
    }
    update();
}

void TExDetailDropDown::HandleMouseWheelDown(platform::TShiftState shift, QPoint mousePos, bool& handled)
{
    TExCustomDropDown::HandleMouseWheelDown(shift, mousePos, handled);
    WheelStep(1);
}

void TExDetailDropDown::HandleMouseWheelUp(platform::TShiftState shift, QPoint mousePos, bool& handled)
{
    TExCustomDropDown::HandleMouseWheelUp(shift, mousePos, handled);
    WheelStep(-1);
}

// ----- the pop-up

void TExDetailDropDown::CreateDropDownForm()
{
    TExCustomDropDown::CreateDropDownForm();
    if (!FConstructed || !DropDownForm()) return;
    if (!FItemSelector) {
        FItemSelector = new TExCustomItemSelector(DropDownForm());
        FItemSelector->SetSelectorType(stImage);
        FItemSelector->move(0, 0);
        FItemSelector->resize(FItemSelector->width(), 150);
        FItemSelector->OnDrawItem = [this](QObject*, platform::TCanvas& canvas, const TRect& r, int index) {
            DrawDetailItem(canvas, r, index);
        };
        FItemSelector->OnItemSize = [this](QObject*, QSize& size) { GetItemSize(size); };
        FItemSelector->OnResize = [this](QObject*) { FItemSelector->UpdateSelectorPanel(); };
        FItemSelector->UpdateSelectorPanel();
    }
    FItemSelector->SetColor(DropDownColor());
    FItemSelector->UpdateSelectorPanel();
    SetControl(FItemSelector);
    SetFocusControl(FItemSelector);
}

void TExDetailDropDown::UpdateItemSelector()
{
    if (!FItemSelector) return;
    TExCustomItemSelector& s = *FItemSelector;
    picklist::BeginFill(s, 1, Images(), FLayout, DropDownColor(), FItemAppearance);
    for (int i = 0; i < FItems.Count(); ++i) {
        TSelectorItem& item = s.Items().Add();
        item.Caption = FItems[i].Caption;
        item.Image = FItems[i].Image;
        item.ImageIndex = FItems[i].ImageIndex;
        item.Enabled = FItems[i].Enabled;
    }
    picklist::EndFill(s, FItemIndex, [this](QObject*) { ItemSelectorSelect(); });
}

void TExDetailDropDown::BeforeDropDown()
{
    TExCustomDropDown::BeforeDropDown();
    UpdateItemSelector();
    FOldItemIndex = FItemIndex;
}

void TExDetailDropDown::SizeDropDownForm()
{
    if (FItemSelector) {
        QSize size = FItemSelector->size();
        if (DropDownWidth() <= 0) size.setWidth(width());
        if (DropDownHeight() <= 0) size.setHeight(100);
        FItemSelector->resize(size);
    }
    TExCustomDropDown::SizeDropDownForm();
}

void TExDetailDropDown::DoShowDropDown()
{
    TExCustomDropDown::DoShowDropDown();
    if (DroppedDown() && FItemSelector && FItemSelector->isVisible()) FItemSelector->setFocus(Qt::PopupFocusReason);
}

void TExDetailDropDown::DropDownFormSizing()
{
    if (FItemSelector) FItemSelector->UpdateSelectorPanel();
}

void TExDetailDropDown::ItemSelectorSelect()
{
    const int index = FItemSelector->ItemIndex();
    SetItemIndex(index);
    if (index >= 0 && index < FItems.Count()) {
        grid::TScopedValue<bool> completing(FCompleting, true);
        SetTextSelected(FItems[index].Caption);
    }
    if (!FInternalCall) DoHideDropDown(false);
}

void TExDetailDropDown::DoHideDropDown(bool Cancelled)
{
    TExCustomDropDown::DoHideDropDown(Cancelled);
    if (Cancelled && FItemSelector && FOldItemIndex != -1) {
        SetItemIndex(FOldItemIndex);
    }
}

void TExDetailDropDown::SetSelectionColorStyle(TSelectionColorStyle style)
{
    TExCustomDropDown::SetSelectionColorStyle(style);
    if (FItemSelector) FItemSelector->ItemAppearance().SetColorStyle(style);
}

// ----- rows

void TExDetailDropDown::GetItemSize(QSize& size)
{
    const int formWidth = DropDownWidth() <= 0 ? (DropDownForm() ? DropDownForm()->width() : width()) : DropDownWidth();
    int w = formWidth - 2 * DropDownBorderWidth() - 4;
    if (FItemSelector && FItemSelector->verticalScrollBar()->maximum() > 0)
        w -= style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    size = QSize(w, FItemHeight);
}

void TExDetailDropDown::DrawDetailItem(platform::TCanvas& canvas, TRect R, int Index)
{
    if (OnDrawSelectedImage) {
        OnDrawSelectedImage(this, canvas, R);
        return;
    }
    if (Index < 0 || Index >= FItems.Count()) return;
    const TDetailItem& item = FItems[Index];
    auto drawPicture = [&](const QImage& picture, bool transparent) {
        const int x = !item.Caption.isEmpty() ? R.Left + 2 : R.Left + (R.Width() - picture.width()) / 2;
        const int y = R.Top + (R.Height() - picture.height()) / 2;
        if (transparent)
            canvas.DrawTransparent(x, y, picture);
        else
            canvas.Draw(x, y, picture);
        R.Left += picture.width() + 4;
    };
    if (!item.Image.isNull())
        drawPicture(item.Image, !item.Image.hasAlphaChannel());
    else if (Images() && item.ImageIndex >= 0)
        drawPicture(Images()->Image(item.ImageIndex), false);
    TColor textColor = FCaptionFont.Color;
    if (FItemSelector && Index == FItemSelector->ItemHot()) textColor = FItemAppearance.ColorHotText;
    if (Index == FItemIndex) textColor = FItemAppearance.ColorSelectedText;
    canvas.Font = FCaptionFont;
    canvas.Font.Color = textColor;
    canvas.Brush.Style = Qt::NoBrush;
    R.Left += 4;
    R.Top += 2;
    R.Right -= 4;
    TRect captionRect = R;
    canvas.DrawText(item.Caption, captionRect, platform::DT_LEFT | platform::DT_TOP | platform::DT_END_ELLIPSIS |
                                                   platform::DT_NOPREFIX);
    if (item.Notes.isEmpty()) return;
    R.Top += canvas.TextHeight(QStringLiteral("gh"));
    const TColor notesColor = textColor == FCaptionFont.Color ? FNotesFont.Color : textColor;
    canvas.Font = FNotesFont;
    canvas.Font.Color = notesColor;
    grid::THTMLRenderParams params;
    params.Images = Images();
    params.ShadowOffset = 2;
    params.ShadowColor = clGray;
    params.URLColor = clBlue;
    params.HoverColor = clNone;
    params.HoverFontColor = clNone;
    params.ResFactor = 1.0;
    params.WordWrap = true;
    grid::THTMLRenderResult result;
    grid::RenderHTMLText(canvas, item.Notes, R, params, result);
}

}  // namespace dropdown
