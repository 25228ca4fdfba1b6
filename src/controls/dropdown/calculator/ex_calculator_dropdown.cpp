#include "controls/dropdown/calculator/ex_calculator_dropdown.h"

#include "controls/dropdown/base/dropdown_form.h"
#include "platform/format_settings.h"
#include "platform/input_state.h"
#include "platform/number_format.h"

namespace dropdown {

using platform::Word;

// The edit text as the engine's display.
class TExCalculatorDropdown::TEditDisplay final : public TCalculatorDisplay {
public:
    explicit TEditDisplay(TExCalculatorDropdown& edit) : FEdit(edit) {}
    QString Text() const override { return FEdit.Text(); }
    void SetText(const QString& text) override { FEdit.SetText(text); }
    int MaxLength() const override { return FEdit.maxLength(); }
    void SetModified() override
    {
        if (FEdit.EditorEnabled() && !FEdit.ReadOnly()) FEdit.setModified(true);
    }

private:
    TExCalculatorDropdown& FEdit;
};

TExCalculatorDropdown::TExCalculatorDropdown(QWidget* parent)
    : TExCustomDropDown(parent), FDisplay(std::make_unique<TEditDisplay>(*this)), FEngine(*FDisplay)
{
    SetDropDownColor(clWhite);
    SetDropDownWidth(230);
    DropDownHeader().SetVisible(false);
    DropDownFooter().SetVisible(false);
    SetEditType(etFloat);
    SetPrecision(2);
    FEngine.OnBeforeCalc = [this] { DoBeforeCalc(); };
    CreatePad();
}

TExCalculatorDropdown::~TExCalculatorDropdown() { FEngine.OnBeforeCalc = nullptr; }

void TExCalculatorDropdown::SetShowThousandSeparator(bool value)
{
    if (FShowThousandSeparator == value) return;
    // Read before the kind changes: a grouped text is no plain float.
    const double current = FloatValue();
    FShowThousandSeparator = value;
    SetEditType(value ? etMoney : etFloat);
    SetFloatValue(current);
}

long double TExCalculatorDropdown::Value()
{
    if (Text().isEmpty()) SetText(QStringLiteral("0"));
    return StrToFloatValue(Text());
}

void TExCalculatorDropdown::SetValue(long double value) { SetText(GeneralText(value)); }

void TExCalculatorDropdown::CreatePad()
{
    if (FExButtonPanel || !DropDownForm()) return;
    FExButtonPanel = new TCustomButtonPanel(DropDownForm());
    FExButtonPanel->SetExDropDown(this);
    FExButtonPanel->resize(FExButtonPanel->width(), 150);
    FExButtonPanel->CreateDefaultButtons();
    FExButtonPanel->OnButtonClick = [this](QObject* sender, int index) { CalcButtonClick(sender, index); };
    SetControl(FExButtonPanel);
}

void TExCalculatorDropdown::CreateDropDownForm()
{
    TExCustomDropDown::CreateDropDownForm();
    CreatePad();
}

void TExCalculatorDropdown::CalcButtonClick(QObject*, int Index)
{
    if (!FExButtonPanel || Index < 0 || Index >= FExButtonPanel->Buttons().Count()) return;
    FEngine.Key(FExButtonPanel->Buttons()[Index].Tag);
}

void TExCalculatorDropdown::BeforeDropDown()
{
    TExCustomDropDown::BeforeDropDown();
    if (DropDownForm()) DropDownForm()->CancelOnDeActivate = false;
    if (FExButtonPanel) {
        FExButtonPanel->SetButtonAppearance(FCalcButtonAppearance);
        QPalette palette = FExButtonPanel->palette();
        palette.setColor(QPalette::Window, toQColor(DropDownColor()));
        FExButtonPanel->setPalette(palette);
        FExButtonPanel->setAutoFillBackground(true);
        FExButtonPanel->ArrangeButtons();
    }
    FEngine.PrepareForShow();
    FCalcClosed = false;
    FTextAtOpening = Text();
}

void TExCalculatorDropdown::DoHideDropDown(bool Cancelled)
{
    const bool wasOpen = DroppedDown();
    TExCustomDropDown::DoHideDropDown(Cancelled);
    if (Cancelled && wasOpen) SetText(FTextAtOpening);
}

void TExCalculatorDropdown::DropDownFormKeyPress(QChar& key)
{
    TExCustomDropDown::DropDownFormKeyPress(key);
    switch (FEngine.PopupChar(key)) {
    case TPopupCharResult::Close: HideDropDown(false); break;
    case TPopupCharResult::CloseCancelled: HideDropDown(true); break;
    case TPopupCharResult::Stay: break;
    }
}

void TExCalculatorDropdown::DropDownFormKeyDown(Word& key, platform::TShiftState shift)
{
    using namespace platform;
    // Enter computes before the pop-up closes.
    if (key == VK_RETURN) {
        FEngine.DoEquals();
        HideDropDown(false);
        key = 0;
        return;
    }
    TExCustomDropDown::DropDownFormKeyDown(key, shift);
    if (key == VK_TAB || key == VK_F4) {
        if (DroppedDown()) HideDropDown(false);
    } else if (key == VK_BACK) {
        QString text = Text();
        text.chop(1);
        if (text.isEmpty() || text == ErrorText()) text = QStringLiteral("0");
        SetText(text);
    }
}

void TExCalculatorDropdown::CaretAfterFirstChar() { setSelection(int(Prefix().size()) + 1, 0); }

bool TExCalculatorDropdown::ShowsZero() const
{
    const QString text = Text();
    if (text == QStringLiteral("0")) return true;
    return Precision() > 0 &&
           text == platform::FormatFloat(QStringLiteral("%.") + QString::number(Precision()) + u'f', 0.0);
}

void TExCalculatorDropdown::HandleCharMessage(QChar& key)
{
    const bool popupVisible = DropDownForm() && DropDownForm()->isVisible();
    // The operator characters of the closed edit act on the calculator and
    // never reach the text. Enter, having computed, goes on to the edit's
    // own Enter handling (OnKeyPress, a parent without default handling).
    if (!popupVisible && FEngine.ClosedEditOperator(key)) {
        if (key == QChar(u'\r')) TExCustomDropDown::HandleCharMessage(key);
        key = QChar();
        return;
    }
    const QChar decimal = platform::formatSettings().DecimalSeparator;
    const bool digit = key >= u'0' && key <= u'9';
    const bool escape = key == QChar(u'\x1b');
    if (!digit && key != decimal && key != QChar(u'\b') && key != u'-' && !escape) {
        key = QChar();
        return;
    }
    if (digit && (ShowsZero() || FEngine.NewValue())) {
        SetText(QString(key));
        key = QChar();
        CaretAfterFirstChar();
        FEngine.SetNewValue(false);
        return;
    }
    if (Text().size() == 1 && key == QChar(u'\b')) {
        SetText(QStringLiteral("0"));
        key = QChar();
        CaretAfterFirstChar();
        return;
    }
    if (key == decimal && Text().contains(decimal)) {
        key = QChar();
        return;
    }
    TExCustomDropDown::HandleCharMessage(key);
}

void TExCalculatorDropdown::HandleKeyDownMessage(Word& key)
{
    const Word pressed = key;
    TExCustomDropDown::HandleKeyDownMessage(key);
    if (pressed == platform::VK_DELETE && (Text().isEmpty() || Text() == ErrorText()))
        SetText(QStringLiteral("0"));
}

void TExCalculatorDropdown::SetComponentStyle(TQVRStyle style)
{
    TExCustomDropDown::SetComponentStyle(style);
    const TExButtonAppearance& from = ButtonAppearance();
    TButtonAppearance& to = FCalcButtonAppearance;
    to.SetBorderColor(from.BorderColor());
    to.SetBorderColorHot(from.BorderColorHot());
    to.SetBorderColorDown(from.BorderColorDown());
    to.SetColor(from.Color());
    to.SetColorTo(from.ColorTo());
    to.SetColorDown(from.ColorDown());
    to.SetColorDownTo(from.ColorDownTo());
    to.SetColorHot(from.ColorHot());
    to.SetColorHotTo(from.ColorHotTo());
    if (style == tsOffice2010Blue || style == tsOffice2010Silver || style == tsOffice2010Black) {
        to.SetGlowColorHot(from.ColorHot());
        to.SetGlowColorDown(from.ColorHot());
    } else {
        to.SetGlowColorDown(0xD5C244);
        to.SetGlowColorHot(from.ColorDownTo());
    }
}

}  // namespace dropdown
