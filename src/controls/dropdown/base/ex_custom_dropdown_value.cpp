// Value formatting of the drop-down edit: Text with Prefix and Suffix, the
// input kind and Precision, numeric reading and writing, money regrouping
// and the normalisation when the focus leaves.

#include <cmath>
#include <limits>

#include <QLocale>

#include "controls/dropdown/base/ex_custom_dropdown.h"
#include "controls/grid/scoped_value.h"
#include "platform/format_settings.h"
#include "platform/number_format.h"

namespace dropdown {

namespace dropdown_value_detail {

QString fixedFormat(int precision, QChar type)
{
    return QStringLiteral("%.") + QString::number(precision) + type;
}

// The truncated value as a 64-bit integer (saturating outside its range).
int64_t truncated(double value)
{
    if (std::isnan(value)) return 0;
    if (value >= 9.2233720368547758e18) return std::numeric_limits<int64_t>::max();
    if (value <= -9.2233720368547758e18) return std::numeric_limits<int64_t>::min();
    return int64_t(std::trunc(value));
}

QString hexText(int64_t value) { return QString::number(uint64_t(value), 16).toUpper(); }

}  // namespace dropdown_value_detail

using namespace dropdown_value_detail;

void TExCustomDropDown::SetText(const QString& value)
{
    QString v = value;
    if (v.isEmpty() && (IsSignedNumberKind(FEditType) || FEditType == etHex)) v = QStringLiteral("0");
    if (FPrecision > 0 && !v.isEmpty() && v != ErrorText() && (FEditType == etMoney || FEditType == etFloat)) {
        // A text that does not read as a number is shown as it is.
        double number = 0;
        if (platform::TryStrToFloat(StripThousandSeparators(v), number))
            v = platform::FormatFloat(fixedFormat(FPrecision, FEditType == etMoney ? u'n' : u'f'), number);
    }
    if (FEditType == etHex) v = v.toUpper();
    QLineEdit::setText(FPrefix + v + FSuffix);
    FOldText = v;
    SetIsModified(false);
}

void TExCustomDropDown::SetEditType(TDropDownEditType value)
{
    if (FEditType == value) return;
    FEditType = value;
    if (value == etPassword) {
        setEchoMode(QLineEdit::Password);
        FCanUndo = false;
    } else {
        setEchoMode(QLineEdit::Normal);
    }
    const TNumberClass kind = ClassifyNumber(Text());
    if (value == etNumeric && kind != ncInteger) SetIntValue(0);
    if (value == etHex && kind != ncInteger && kind != ncHexadecimal) SetIntValue(0);
    // Hexadecimal is no number of the decimal kinds.
    if ((value == etFloat || value == etMoney) && kind != ncInteger && kind != ncDecimal) SetFloatValue(0);
}

void TExCustomDropDown::SetPrecision(int16_t value)
{
    if (FPrecision == value) return;
    if (FEditType != etString && FEditType != etFloat && FEditType != etMoney) return;
    FPrecision = value;
    const TNumberClass kind = ClassifyNumber(Text());
    if (kind != ncInteger && kind != ncDecimal)
        SetFloatValue(0);
    else
        SetFloatValue(FloatValue());
}

double TExCustomDropDown::FloatValue() const
{
    const QString value = Text();
    switch (FEditType) {
    case etString: {
        // The plain conversion: a full stop for the decimals, whatever the settings.
        bool ok = false;
        const double v = QLocale::c().toDouble(value.trimmed(), &ok);
        return ok && std::isfinite(v) ? v : 0;
    }
    case etNumeric:
    case etFloat:
        if (value.isEmpty() || value == ErrorText() || value == QStringLiteral("-")) return 0;
        return StrToFloatValue(value);
    case etMoney: {
        if (value.isEmpty()) return 0;
        QString s = StripThousandSeparators(value);
        if (s.endsWith(platform::formatSettings().DecimalSeparator)) s.chop(1);
        if (s.isEmpty() || s == QStringLiteral("-")) return 0;
        return StrToFloatValue(s);
    }
    case etHex:
        return value.isEmpty() ? 0 : HexToInt(value);
    default:
        return 0;
    }
}

void TExCustomDropDown::SetFloatValue(double value)
{
    const QString general = QStringLiteral("%g");
    switch (FEditType) {
    case etString:
    case etFloat:
        SetText(platform::FormatFloat(FPrecision < 0 ? general : fixedFormat(FPrecision, u'f'), value));
        break;
    case etNumeric:
        SetText(platform::FormatFloat(FPrecision < 0 ? general : fixedFormat(FPrecision, u'n'), value));
        break;
    case etMoney:
        SetText(platform::FormatFloat(FPrecision < 0 ? general : fixedFormat(FPrecision, u'f'), value));
        FormatMoneyText();
        break;
    case etHex:
        SetText(hexText(truncated(value)));
        break;
    default:
        return;
    }
    SetIsModified(true);
}

int64_t TExCustomDropDown::IntValue() const { return truncated(FloatValue()); }

void TExCustomDropDown::SetIntValue(int64_t value)
{
    switch (FEditType) {
    case etNumeric:
    case etFloat:
        SetText(QString::number(value));
        break;
    case etMoney:
        SetText(QString::number(value));
        FormatMoneyText();
        break;
    case etHex:
        SetText(hexText(value));
        break;
    default:
        return;
    }
    SetIsModified(true);
}

void TExCustomDropDown::SetIsModified(bool value)
{
    if (!FEditorEnabled || FReadOnly) return;
    setModified(value);
    FIsModified = value;
}

// ----- selection

void TExCustomDropDown::SelectAll() { setSelection(int(FPrefix.size()), int(Text().size())); }

void TExCustomDropDown::SelectAfterDecimal()
{
    const int p = int(Text().indexOf(platform::formatSettings().DecimalSeparator)) + 1;
    setCursorPosition(int(FPrefix.size()) + p);
}

void TExCustomDropDown::SelectBeforeDecimal()
{
    const int p = int(Text().indexOf(platform::formatSettings().DecimalSeparator)) + 1;
    setCursorPosition(int(FPrefix.size()) + std::max(0, p - 1));
}

int TExCustomDropDown::DecimalSeparatorPos() const
{
    const QString value = Text();
    const int p = int(value.indexOf(platform::formatSettings().DecimalSeparator)) + 1;
    if (p > 0) return p + int(FPrefix.size());
    return int(FPrefix.size() + value.size() + FSuffix.size()) + 1;
}

int TExCustomDropDown::IntegerPartEnd(const QString& value) const
{
    return dropdown::IntegerPartEnd(value, FSigned && IsSignedNumberKind(FEditType));
}

bool TExCustomDropDown::IsAllowedMinus(QChar c) const
{
    return FSigned && IsSignedNumberKind(FEditType) && c == u'-';
}

// ----- money

void TExCustomDropDown::FormatMoneyText()
{
    QString value = Text();
    if (value.isEmpty()) return;
    const int oldLength = int(value.size());
    const int caret = cursorPosition();
    const QChar dec = platform::formatSettings().DecimalSeparator;
    QString sign;
    if (value.startsWith(u'-')) {
        sign = QStringLiteral("-");
        value.remove(0, 1);
    }
    const int at = int(value.indexOf(dec));
    const QString fraction = at < 0 ? QString() : value.mid(at, 256);
    const double whole = std::trunc(std::fabs(FloatValue()));
    QString grouped = platform::FormatFloat(FAutoThousandSeparator ? QStringLiteral("%n") : QStringLiteral("%f"), whole);
    const int cut = int(grouped.indexOf(dec));
    if (cut >= 0) grouped.truncate(cut);
    const QString text = FPrefix + sign + grouped + fraction + FSuffix;
    // The regrouping is no change of its own: the character that caused it
    // has reported one. Only a text that changes would report again.
    if (text != QLineEdit::text()) {
        BlockChange = true;
        SetEditText(text, true);
    }
    setCursorPosition(std::max(0, caret + int(Text().size()) - oldLength));
}

// ----- focus

void TExCustomDropDown::NormaliseOnFocusLoss()
{
    const bool empty = Text().isEmpty();
    const bool floatKind = FEditType == etFloat || FEditType == etMoney;
    if (FPrecision > 0 && floatKind && !(empty && FAllowNumericNullValue)) {
        const bool modified = FIsModified;
        SetFloatValue(FloatValue());
        SetIsModified(modified);
    } else if (FEditType == etNumeric && empty && !FAllowNumericNullValue) {
        SetText(QStringLiteral("0"));
    } else if (floatKind && empty && !FAllowNumericNullValue) {
        SetFloatValue(0);
    }
}

}  // namespace dropdown
