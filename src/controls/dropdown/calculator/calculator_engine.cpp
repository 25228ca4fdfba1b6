#include "controls/dropdown/calculator/calculator_engine.h"

#include <cmath>

#include "controls/dropdown/base/dropdown_numbers.h"
#include "platform/format_settings.h"
#include "platform/number_format.h"

namespace dropdown {

QString GeneralText(long double value) { return platform::FormatFloat(QStringLiteral("%g"), double(value)); }

void TCalculatorEngine::SetValue(long double value)
{
    if (!std::isfinite(value)) {
        ShowError();
        return;
    }
    FDisplay.SetText(GeneralText(value));
}

void TCalculatorEngine::ShowError() { FDisplay.SetText(ErrorText()); }

bool TCalculatorEngine::DisplayedNumber(long double& value)
{
    double parsed = 0;
    if (!platform::TryStrToFloat(StripThousandSeparators(FDisplay.Text()), parsed)) {
        ShowError();
        return false;
    }
    value = parsed;
    return true;
}

bool TCalculatorEngine::AtMaxLength() const
{
    const int maxLength = FDisplay.MaxLength();
    return maxLength > 0 && FDisplay.Text().size() >= maxLength;
}

void TCalculatorEngine::Digit(int digit)
{
    const long double v = StrToFloatValue(FDisplay.Text());
    if ((v == 0 && FDecim == 0) || FNewval) {
        FDisplay.SetText(QString::number(digit));
        FNewval = false;
        return;
    }
    // A digit extends the magnitude, whatever the sign.
    const long double sign = std::signbit(v) ? -1 : 1;
    long double result;
    if (FDecim > 0) {
        if (FDecim >= kMaxDecimalDivisor) return;
        result = v + sign * digit / static_cast<long double>(FDecim);
        FDecim *= 10;
    } else {
        result = v * 10 + sign * digit;
    }
    SetValue(result);
}

void TCalculatorEngine::Key(int tag)
{
    if (OnBeforeCalc) OnBeforeCalc();
    if ((tag >= ckAdd && tag <= ckSign) || (tag >= ckClear && tag <= ckPercent)) FDecim = 0;
    if (tag >= 0 && tag <= ckDecimal && tag != ckAdd && tag != ckSubtract && tag != ckMultiply && tag != ckDivide &&
        AtMaxLength())
        return;

    const QChar decimal = platform::formatSettings().DecimalSeparator;
    switch (tag) {
    case 0: case 1: case 2: case 3: case 4: case 5: case 6: case 7: case 8: case 9:
        Digit(tag);
        break;
    case ckAdd: DoAdd(); break;
    case ckSubtract: DoSubtract(); break;
    case ckMultiply: DoMultiply(); break;
    case ckDivide: DoDivide(); break;
    case ckSign: {
        QString text = FDisplay.Text();
        if (text.contains(u'-'))
            text.remove(0, 1);
        else
            text.prepend(u'-');
        FDisplay.SetText(text);
        break;
    }
    case ckDecimal:
        if (!FDisplay.Text().contains(decimal)) FDisplay.SetText(FDisplay.Text() + decimal);
        FDecim = 10;
        if (FNewval) FDisplay.SetText(QStringLiteral("0"));
        FNewval = false;
        break;
    case ckClear:
    case ckBlank:
    case ckClearEntry:
        FDisplay.SetText(QStringLiteral("0"));
        FPrevval = 0;
        FPrevop = coNone;
        FDecim = 0;
        break;
    case ckEquals: DoEquals(); break;
    case ckPercent: DoPercent(); break;
    case ckBack:
        if (FPrevop == coNone) {
            QString text = GeneralText(StrToFloatValue(FDisplay.Text()));
            text.chop(1);
            FDisplay.SetText(text);
        }
        break;
    case ckMemoryClear: FMVal = 0; break;
    case ckMemoryRecall: SetValue(FMVal); break;
    case ckMemoryStore: {
        long double x;
        if (DisplayedNumber(x)) FMVal = x;
        break;
    }
    case ckMemoryAdd: {
        long double x;
        if (DisplayedNumber(x) && std::isfinite(FMVal + x)) FMVal += x;
        break;
    }
    case ckSquareRoot: {
        const long double v = StrToFloatValue(FDisplay.Text());
        if (v < 0 || std::isnan(v))
            ShowError();
        else
            SetValue(std::sqrt(v));
        break;
    }
    case ckReciprocal: {
        const long double v = StrToFloatValue(FDisplay.Text());
        if (v == 0)
            ShowError();
        else
            SetValue(1 / v);
        break;
    }
    default: return;  // keys without a meaning change nothing
    }
    FDisplay.SetModified();
}

bool TCalculatorEngine::DoCalc()
{
    const QString text = FDisplay.Text();
    if (text.isEmpty() || text == ErrorText()) FDisplay.SetText(QStringLiteral("0"));
    long double x;
    if (!DisplayedNumber(x)) return false;
    long double result = FPrevval;
    switch (FPrevop) {
    case coAdd: result = FPrevval + x; break;
    case coMultiply: result = FPrevval * x; break;
    case coSubtract: result = FPrevval - x; break;
    case coDivide:
        if (x == 0) {
            FPrevval = 0;
            ShowError();
            return true;
        }
        result = FPrevval / x;
        break;
    case coNone: result = x; break;
    }
    FPrevval = std::isfinite(result) ? result : 0;
    SetValue(FPrevval);
    FNewval = true;
    return true;
}

void TCalculatorEngine::DoAdd()
{
    if (DoCalc()) FPrevop = coAdd;
}

void TCalculatorEngine::DoSubtract()
{
    if (DoCalc()) FPrevop = coSubtract;
}

void TCalculatorEngine::DoMultiply()
{
    if (DoCalc()) FPrevop = coMultiply;
}

void TCalculatorEngine::DoDivide()
{
    if (DoCalc()) FPrevop = coDivide;
}

void TCalculatorEngine::DoEquals()
{
    if (!DoCalc()) return;
    if (FDisplay.Text().isEmpty()) FDisplay.SetText(QStringLiteral("0"));
    FPrevop = coNone;
    if (FDisplay.Text() != ErrorText()) {
        long double x;
        if (DisplayedNumber(x)) FPrevval = x;
    }
}

void TCalculatorEngine::DoPercent()
{
    const QString text = FDisplay.Text();
    if (text.isEmpty() || text == ErrorText()) FDisplay.SetText(QStringLiteral("0"));
    long double x;
    if (!DisplayedNumber(x)) return;
    const long double result = FPrevval * x / 100;
    if (!std::isfinite(result)) {
        ShowError();
        return;
    }
    FDisplay.SetText(GeneralText(result));
}

void TCalculatorEngine::ClearEntryText()
{
    FDisplay.SetText(QStringLiteral("0"));
    FNewval = true;
    FPrevop = coNone;
}

void TCalculatorEngine::PrepareForShow()
{
    FNewval = true;
    FDecim = 0;
}

TPopupCharResult TCalculatorEngine::PopupChar(QChar key)
{
    if (OnBeforeCalc) OnBeforeCalc();
    const QChar decimal = platform::formatSettings().DecimalSeparator;
    if (key == decimal && !FDisplay.Text().contains(decimal)) FDisplay.SetText(FDisplay.Text() + decimal);
    if (key.isDigit() && AtMaxLength()) return TPopupCharResult::Stay;
    switch (key.unicode()) {
    case u'\r':
        DoEquals();
        return TPopupCharResult::Close;
    case 27: return TPopupCharResult::CloseCancelled;
    case u'%': DoPercent(); break;
    case u'*': DoMultiply(); break;
    case u'+': DoAdd(); break;
    case u'-': DoSubtract(); break;
    case u'/': DoDivide(); break;
    case u'=': DoEquals(); break;
    case u'C':
    case u'c':
        FDisplay.SetText(QStringLiteral("0"));
        FPrevval = 0;
        FNewval = true;
        FPrevop = coNone;
        break;
    default:
        if (key >= u'0' && key <= u'9') FNewval = false;
        break;
    }
    return TPopupCharResult::Stay;
}

bool TCalculatorEngine::ClosedEditOperator(QChar key)
{
    switch (key.unicode()) {
    case u'-': DoSubtract(); return true;
    case u'\r':
    case u'=': DoEquals(); return true;
    case u'%': DoPercent(); return true;
    case u'*': DoMultiply(); return true;
    case u'+': DoAdd(); return true;
    case u'/': DoDivide(); return true;
    case u'C':
    case u'c': ClearEntryText(); return true;
    default: return false;
    }
}

}  // namespace dropdown
