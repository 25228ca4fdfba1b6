#pragma once

// A drop-down edit whose value is a colour. Its pop-up offers the colours as
// a list of named colours, the discrete colour boxes, the colour hexagon or
// the spectrum; the edit shows a box of the colour and the colour as text.

#include <functional>
#include <vector>

#include <QString>

#include "controls/dropdown/base/ex_custom_dropdown.h"
#include "controls/dropdown/colors/color_text.h"
#include "controls/dropdown/item_list/list_picker_keys.h"
#include "controls/dropdown/item_list/list_picker_keys.h"
#include "platform/colors.h"

namespace dropdown {

class TCustomColorSelector;
class TExColorCubePanel;
class TExColorSpectrumPanel;

struct TColorItem {
    QString Caption;
    TColor Color = clNone;
    QString Hint;
    bool Enabled = true;
};

enum TColorSelectionStyle : uint8_t { csList, csDiscrete, csColorCube, csSpectrum };

class TExColorPickerDropDown : public TExCustomDropDown {
    Q_OBJECT
public:
    explicit TExColorPickerDropDown(QWidget* parent = nullptr);
    ~TExColorPickerDropDown() override;

    TColorSelectionStyle ColorSelectionStyle() const { return FColorSelectionStyle; }
    void SetColorSelectionStyle(TColorSelectionStyle value);
    // The named colours of the list style; they reach the list when the pop-up is next prepared.
    std::vector<TColorItem>& Colors() { return FColors; }
    // Appends the 16 standard named colours.
    void AddDefaultColors();

    int ItemIndex() const { return FItemIndex; }
    void SetItemIndex(int Value);
    TColor SelectedColor() const { return FSelectedColor; }
    void SetSelectedColor(TColor Value);
    QString SelectedColorText() const { return GetSelectedColorText(); }
    TColorValueText ColorValueText() const { return FColorValueText; }
    void SetColorValueText(TColorValueText value);
    bool ShowText() const { return FShowText; }
    void SetShowText(bool value);
    int ColorBoxWidth() const { return FColorBoxWidth; }
    void SetColorBoxWidth(int value) { FColorBoxWidth = value; }
    int ColorBoxHeight() const { return FColorBoxHeight; }
    void SetColorBoxHeight(int value) { FColorBoxHeight = value; }
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

    // The hosted controls; each exists once its style has been used.
    TExCustomItemSelector* ItemSelector() const { return FItemSelector; }
    TCustomColorSelector* ColorSelector() const { return FColorSelector; }
    TExColorCubePanel* ColorCubePanel() const { return FColorCubePanel; }
    TExColorSpectrumPanel* SpectrumPanel() const { return FSpectrumPanel; }
    // The type-ahead text, empty once 500 ms have passed since its first key.
    QString CurSearch() const { return FTypeAhead.CurSearch(); }

    void SetSelectionColorStyle(TSelectionColorStyle style) override;
    void SetComponentStyle(TQVRStyle style) override;

    std::function<void(QObject* Sender)> OnSelect;
    std::function<void(QObject* Sender, platform::TCanvas& Canvas, const platform::TRect& R, int Index)> OnDrawColor;
    std::function<void(QObject* Sender, platform::TCanvas& Canvas, const platform::TRect& R)> OnDrawSelectedColor;

protected:
    virtual QString GetSelectedColorText() const;
    void CreateDropDownForm() override;
    void BeforeDropDown() override;
    void PlaceDropDownControl() override;
    void SizeDropDownForm() override;
    void DropDownFormDestroyed() override;
    void HandleMouseWheelDown(platform::TShiftState shift, QPoint mousePos, bool& handled) override;
    void HandleMouseWheelUp(platform::TShiftState shift, QPoint mousePos, bool& handled) override;
    void HandleKeyDownMessage(platform::Word& key) override;
    void paintEvent(QPaintEvent* event) override;

public:
    void DoHideDropDown(bool Cancelled) override;
    // The box and the text in the edit area.
    void DrawSelectedColor(platform::TCanvas& canvas);

private:
    void EnsureControl(TColorSelectionStyle style);
    // Hides the controls of the other styles and readies the current one.
    void PrepareControl();
    void UpdateItemSelector();
    void SizeItemSelector();
    void ItemSelectorSelect();
    void ColorSelectorSelect();
    void PanelSelect(TColor color);
    picklist::TListKeyContext ListKeys();
    template <class Action>
    void Internal(Action&& action);

    TColorSelectionStyle FColorSelectionStyle = csList;
    std::vector<TColorItem> FColors;
    int FItemIndex = -1;
    TColor FSelectedColor = clNone;
    TColorValueText FColorValueText = cvtNone;
    bool FShowText = true;
    int FColorBoxWidth = 14;
    int FColorBoxHeight = 14;
    int FColumns = 1;
    TItemLayout FLayout = ilCaptionRight;
    TItemAppearance FItemAppearance;

    TExCustomItemSelector* FItemSelector = nullptr;
    TCustomColorSelector* FColorSelector = nullptr;
    TExColorCubePanel* FColorCubePanel = nullptr;
    TExColorSpectrumPanel* FSpectrumPanel = nullptr;
    int FOldItemIndex = -1;
    TColor FOldSelectedColor = clNone;
    picklist::TTypeAhead FTypeAhead;
    bool FInternalCall = false;
    bool FConstructed = false;
};

}  // namespace dropdown
