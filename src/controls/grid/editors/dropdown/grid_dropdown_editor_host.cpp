#include "controls/grid/editors/dropdown/grid_dropdown_editor_host.h"

#include <QCoreApplication>
#include <QKeyEvent>

#include "controls/grid/cells/cell_graphic.h"
#include "platform/strings.h"

namespace grid {

TGridDropDownEditorHost::TGridDropDownEditorHost(TExStringGrid& grid) : FGrid(grid) {}

TGridDropDownEditorHost::~TGridDropDownEditorHost()
{
    // The editors go with the host, while their grid is still whole.
    delete FEditTrackBar.data();
    delete FEditMemo.data();
    delete FEditCalculator.data();
    delete FEditTimePicker.data();
    delete FEditDetailPicker.data();
    delete FEditGridPicker.data();
    delete FEditColorPicker.data();
    delete FEditImagePicker.data();
    delete FEditExGridPicker.data();
}

template <class E>
E* TGridDropDownEditorHost::Make(QPointer<E>& field, TDropDownEditorTraits traits)
{
    if (field) return field;
    E* editor = new E(&FGrid, traits);
    editor->setParent(FGrid.viewport());
    editor->hide();
    editor->setEnabled(false);
    editor->SetComponentStyle(FGrid.ComponentStyle());
    field = editor;
    return editor;
}

TGridTrackbarDropDown* TGridDropDownEditorHost::TrackbarDropDown()
{
    const bool fresh = !FEditTrackBar;
    TGridTrackbarDropDown* e = Make(FEditTrackBar, {.WantsEnterEscape = true, .CaretAtClick = true, .FormattedText = true});
    if (fresh) e->SetEditorEnabled(true);
    return e;
}

TGridMemoDropDown* TGridDropDownEditorHost::MemoDropDown()
{
    const bool fresh = !FEditMemo;
    TGridMemoDropDown* e = Make(FEditMemo, {.CaretAtClick = true});
    if (fresh) {
        // The memo writes its text into the current cell as it changes.
        e->OnMemoChange = [this, e](QObject*) {
            FGrid.StoreEditorText(FGrid.RealColIndex(FGrid.Col()), FGrid.Row(), e->Text());
        };
    }
    return e;
}

TGridCalculatorDropDown* TGridDropDownEditorHost::CalculatorDropDown()
{
    const bool fresh = !FEditCalculator;
    TGridCalculatorDropDown* e = Make(FEditCalculator, {.CaretAtClick = true, .Calculator = true});
    if (fresh) e->SetEditorEnabled(true);
    return e;
}

TGridTimepickerDropDown* TGridDropDownEditorHost::TimePickerDropDown()
{
    const bool fresh = !FEditTimePicker;
    TGridTimepickerDropDown* e = Make(FEditTimePicker, {});
    if (fresh) e->SetFocusDraw(false);
    return e;
}

TGridDetailPickerDropDown* TGridDropDownEditorHost::DetailPickerDropDown() { return Make(FEditDetailPicker, {}); }
TGridGridDropDown* TGridDropDownEditorHost::GridDropDown() { return Make(FEditGridPicker, {}); }
TGridExGridDropDown* TGridDropDownEditorHost::ExGridDropDown() { return Make(FEditExGridPicker, {}); }

TGridColorDropDown* TGridDropDownEditorHost::ColorPickerDropDown()
{
    const bool fresh = !FEditColorPicker;
    TGridColorDropDown* e = Make(FEditColorPicker, {.WantsEnterEscape = true, .ColourKeys = true});
    if (fresh) {
        e->AddDefaultColors();
        e->OnSelect = [this, e](QObject*) {
            if (FGrid.OnColorSelect)
                FGrid.OnColorSelect(&FGrid, FGrid.Col(), FGrid.Row(), e->SelectedColor(), e->SelectedColorText());
        };
    }
    return e;
}

TGridImageDropDown* TGridDropDownEditorHost::ImagePickerDropDown()
{
    const bool fresh = !FEditImagePicker;
    TGridImageDropDown* e = Make(FEditImagePicker, {});
    if (fresh) {
        e->OnSelect = [this, e](QObject*) {
            if (FGrid.OnImageSelect) FGrid.OnImageSelect(&FGrid, FGrid.Col(), FGrid.Row(), e->ImageIndex());
        };
    }
    return e;
}

dropdown::TExCustomDropDown* TGridDropDownEditorHost::DropDownOf(TEditorType kind)
{
    switch (kind) {
    case edTrackbarDropDown: return TrackbarDropDown();
    case edMemoDropDown: return MemoDropDown();
    case edCalculatorDropDown: return CalculatorDropDown();
    case edTimePickerDropDown: return TimePickerDropDown();
    case edDetailDropDown: return DetailPickerDropDown();
    case edGridDropDown: return GridDropDown();
    case edColorPickerDropDown: return ColorPickerDropDown();
    case edImagePickerDropDown: return ImagePickerDropDown();
    case edExGridDropDown: return ExGridDropDown();
    default: return nullptr;
    }
}

QWidget* TGridDropDownEditorHost::Editor(TEditorType kind) { return DropDownOf(kind); }

QWidget* TGridDropDownEditorHost::Setup(TEditorType kind, int ACol, int ARow, const QString& text,
                                        const platform::TRect& cell, TColor color, QChar startChar)
{
    dropdown::TExCustomDropDown* d = DropDownOf(kind);
    if (!d) return nullptr;
    const int col = FGrid.RealColIndex(ACol);
    d->SetDropDownFooter(FDropDownFooter);
    d->SetDropDownHeader(FDropDownHeader);
    d->SetComponentStyle(FGrid.ComponentStyle());
    d->OnDropDownHeaderButtonClick = [this](QObject* s, int i) {
        if (OnDropDownHeaderButtonClick) OnDropDownHeaderButtonClick(s, i);
    };
    d->OnDropDownFooterButtonClick = [this](QObject* s, int i) {
        if (OnDropDownFooterButtonClick) OnDropDownFooterButtonClick(s, i);
    };
    auto colour = [d, color] {
        QPalette pal = d->palette();
        pal.setColor(QPalette::Base, toQColor(color));
        d->setPalette(pal);
    };
    // The list pickers take their colour and the editable text before the
    // program's editor properties fill them.
    if (kind == edGridDropDown || kind == edExGridDropDown) {
        colour();
        d->SetEditorEnabled(true);
        if (kind == edExGridDropDown) ExGridDropDown()->GetGrid()->SetFixedRowAlways(true);
    }
    FGrid.GetEditorProp(col, ARow, nullptr);
    d->setParent(FGrid.viewport());
    d->move(cell.Left, cell.Top);
    d->resize(0, 0);
    d->setEnabled(true);
    d->setFrame(false);
    d->setGeometry(cell.Left, cell.Top, std::max(0, cell.Right - cell.Left - 1),
                   std::max(d->GetMinHeight(), cell.Bottom - cell.Top - 1));

    switch (kind) {
    case edTrackbarDropDown: TrackbarDropDown()->SetPosition(platform::parseIntOr(text, 0)); break;
    case edMemoDropDown:
    case edCalculatorDropDown: d->SetText(text); break;
    case edTimePickerDropDown:
    case edDetailDropDown:
        d->SetText(text);
        d->SetEditorEnabled(true);
        break;
    case edGridDropDown: {
        TGridGridDropDown* g = GridDropDown();
        g->BeginUpdate();
        g->EndUpdate();
        g->SetItemIndex(text.isEmpty() ? 0 : g->GetItemIndex(text));
        g->SetText(text);
        break;
    }
    case edExGridDropDown: {
        TGridExGridDropDown* g = ExGridDropDown();
        g->BeginUpdate();
        g->EndUpdate();
        if (g->UseItems()) {
            QString found;
            int index = -1;
            if (text.isEmpty())
                g->SetItemIndex(0);
            else if (g->FindLookup(text, found, index))
                g->SetItemIndex(index);
        }
        g->SetText(text);
        break;
    }
    case edColorPickerDropDown: {
        const TColor c = FGrid.GetCellType(col, ARow) == ctShape ? FGrid.GetShapeColor(col, ARow) : FGrid.Colors(col, ARow);
        ColorPickerDropDown()->SetSelectedColor(c);
        break;
    }
    case edImagePickerDropDown: {
        TGridImageDropDown* p = ImagePickerDropDown();
        const TCellType type = FGrid.GetCellType(col, ARow);
        if (type == ctImageList || type == ctDataImage) {
            p->SetImages(FGrid.GridImages());
            if (p->Items().empty() && FGrid.GridImages()) {
                for (int i = 0; i < FGrid.GridImages()->Count(); ++i) {
                    dropdown::TImageItem item;
                    item.ImageIndex = i;
                    p->Items().push_back(item);
                }
            }
            int index = -1;
            if (type == ctImageList)
                FGrid.GetImageIdx(col, ARow, index);
            else
                index = FGrid.Ints(col, ARow);
            p->SetImageIndex(index);
        }
        const int at = p->ImageIndex();
        p->SetTextDirect(at >= 0 && at < int(p->Items().size()) ? p->Items()[size_t(at)].Caption : QString());
        break;
    }
    default: break;
    }
    if (kind != edGridDropDown && kind != edExGridDropDown) colour();
    d->show();
    d->setFocus(Qt::OtherFocusReason);
    if (kind == edDetailDropDown) {
        const int index = DetailPickerDropDown()->Items().IndexOf(d->Text());
        if (index >= 0) DetailPickerDropDown()->SetItemIndex(index);
    }
    if (!startChar.isNull())
        QCoreApplication::postEvent(d, new QKeyEvent(QEvent::KeyPress, 0, Qt::NoModifier, QString(startChar)));
    if (FGrid.MouseActions().DirectComboDrop) d->DoShowDropDown();
    if (kind == edMemoDropDown) d->setCursorPosition(0);
    return d;
}

void TGridDropDownEditorHost::WriteBack(TEditorType kind, int col, int ARow)
{
    switch (kind) {
    case edMemoDropDown: {
        QString text;
        for (const QString& line : MemoDropDown()->MemoText()) text += line + u'\n';
        FGrid.StoreEditorText(col, ARow, text);
        break;
    }
    case edColorPickerDropDown: {
        TGridColorDropDown* p = ColorPickerDropDown();
        TColor color = p->SelectedColor();
        QString value = p->SelectedColorText();
        if (OnColorSelected) OnColorSelected(&FGrid, col, ARow, color, value);
        FGrid.StoreEditorText(col, ARow, value);
        if (FGrid.GetCellType(col, ARow) == ctShape)
            FGrid.SetShapeColor(col, ARow, color);
        else
            FGrid.SetColors(col, ARow, color);
        break;
    }
    case edImagePickerDropDown: {
        int index = ImagePickerDropDown()->ImageIndex();
        if (OnImageSelected) OnImageSelected(&FGrid, col, ARow, index);
        const TCellType type = FGrid.GetCellType(col, ARow);
        if (type == ctImageList)
            FGrid.SetImageIdx(col, ARow, index);
        else if (type == ctDataImage)
            FGrid.StoreEditorText(col, ARow, QString::number(index));
        break;
    }
    default:
        if (dropdown::TExCustomDropDown* d = DropDownOf(kind)) FGrid.StoreEditorText(col, ARow, d->Text());
        break;
    }
}

TGridDropDownEditorHost* DropDownEditorHostOf(TExStringGrid& grid)
{
    return dynamic_cast<TGridDropDownEditorHost*>(grid.DropDownEditors());
}

void InstallDropDownCellEditors()
{
    SetDropDownEditorHostFactory(
        [](TExStringGrid& grid) -> std::unique_ptr<TDropDownEditorHost> {
            return std::make_unique<TGridDropDownEditorHost>(grid);
        });
}

}  // namespace grid
