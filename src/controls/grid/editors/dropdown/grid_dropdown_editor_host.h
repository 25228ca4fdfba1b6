#pragma once

// The host of a grid's drop-down cell editors: it creates each editor the
// first time its kind is asked for, fills and places it for an edit and
// writes its value back when the edit ends. InstallDropDownCellEditors
// makes every grid use it.

#include <functional>
#include <memory>

#include <QPointer>

#include "controls/dropdown/base/bar_appearance.h"
#include "controls/grid/editors/dropdown/grid_dropdown_editors.h"
#include "controls/grid/editors/dropdown_editor_host.h"

namespace grid {

class TGridDropDownEditorHost final : public TDropDownEditorHost {
public:
    explicit TGridDropDownEditorHost(TExStringGrid& grid);
    ~TGridDropDownEditorHost() override;

    QWidget* Editor(TEditorType kind) override;
    QWidget* Setup(TEditorType kind, int ACol, int ARow, const QString& text, const platform::TRect& cell,
                   TColor color, QChar startChar) override;
    void WriteBack(TEditorType kind, int col, int ARow) override;

    // The editors, made on first use.
    TGridTrackbarDropDown* TrackbarDropDown();
    TGridMemoDropDown* MemoDropDown();
    TGridCalculatorDropDown* CalculatorDropDown();
    TGridTimepickerDropDown* TimePickerDropDown();
    TGridDetailPickerDropDown* DetailPickerDropDown();
    TGridGridDropDown* GridDropDown();
    TGridColorDropDown* ColorPickerDropDown();
    TGridImageDropDown* ImagePickerDropDown();
    TGridExGridDropDown* ExGridDropDown();

    // The header and footer every editor's pop-up takes.
    dropdown::THeaderAppearance& DropDownHeader() { return FDropDownHeader; }
    dropdown::TFooterAppearance& DropDownFooter() { return FDropDownFooter; }

    std::function<void(QObject* Sender, int ButtonIndex)> OnDropDownHeaderButtonClick;
    std::function<void(QObject* Sender, int ButtonIndex)> OnDropDownFooterButtonClick;
    // The colour and image picked may still be changed before they are stored.
    std::function<void(QObject* Sender, int ACol, int ARow, TColor& Color, QString& Value)> OnColorSelected;
    std::function<void(QObject* Sender, int ACol, int ARow, int& Index)> OnImageSelected;

private:
    template <class E>
    E* Make(QPointer<E>& field, TDropDownEditorTraits traits);
    dropdown::TExCustomDropDown* DropDownOf(TEditorType kind);

    TExStringGrid& FGrid;
    dropdown::THeaderAppearance FDropDownHeader;
    dropdown::TFooterAppearance FDropDownFooter;
    QPointer<TGridTrackbarDropDown> FEditTrackBar;
    QPointer<TGridMemoDropDown> FEditMemo;
    QPointer<TGridCalculatorDropDown> FEditCalculator;
    QPointer<TGridTimepickerDropDown> FEditTimePicker;
    QPointer<TGridDetailPickerDropDown> FEditDetailPicker;
    QPointer<TGridGridDropDown> FEditGridPicker;
    QPointer<TGridColorDropDown> FEditColorPicker;
    QPointer<TGridImageDropDown> FEditImagePicker;
    QPointer<TGridExGridDropDown> FEditExGridPicker;
};

// The host of a grid (null while none is installed or the kind set never
// was asked for).
TGridDropDownEditorHost* DropDownEditorHostOf(TExStringGrid& grid);

// Every grid from now on edits its drop-down kinds with these editors.
void InstallDropDownCellEditors();

}  // namespace grid
