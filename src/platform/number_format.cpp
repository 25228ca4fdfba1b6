#include "platform/number_format.h"

#include <cmath>
#include <vector>

#include <QLocale>

#include "platform/format_settings.h"

namespace platform {

namespace number_format_detail {

struct Specifier {
    bool leftAlign = false;
    int width = -1;
    int precision = -1;
    QChar type;
    int end = 0;  // index just past the specifier
};

// Parses the specifier starting at format[pos] == '%'; false when malformed.
bool parseSpecifier(const QString& format, int pos, Specifier& item)
{
    int i = pos + 1;
    const int n = int(format.size());
    if (i < n && format[i] == u'-') {
        item.leftAlign = true;
        ++i;
    }
    auto readNumber = [&](int& out) {
        int start = i;
        int v = 0;
        while (i < n && format[i].isDigit() && v < 100000) v = v * 10 + format[i++].digitValue();
        if (i > start) out = v;
    };
    readNumber(item.width);
    if (i < n && format[i] == u'.') {
        ++i;
        item.precision = 0;
        readNumber(item.precision);
    }
    if (i >= n) return false;
    item.type = format[i].toLower();
    item.end = i + 1;
    return QStringLiteral("duxfegns").contains(item.type);
}

QString groupThousands(const QString& digits)
{
    const QChar sep = formatSettings().ThousandSeparator;
    QString out;
    const int n = int(digits.size());
    for (int k = 0; k < n; ++k) {
        if (k > 0 && (n - k) % 3 == 0 && !sep.isNull()) out += sep;
        out += digits[k];
    }
    return out;
}

QString formatFloat(QChar type, double value, int precision)
{
    const QChar dec = formatSettings().DecimalSeparator;
    QString text;
    if (type == u'e') {
        text = QString::number(value, 'E', precision < 0 ? 15 : std::max(0, precision - 1));
    } else if (type == u'g') {
        text = QString::number(value, 'g', precision < 0 ? 15 : std::max(1, precision));
    } else {
        text = QString::number(std::fabs(value), 'f', precision < 0 ? 2 : std::min(precision, 18));
    }
    // The decimal point becomes the separator; n groups the whole part.
    const int dot = int(text.indexOf(u'.'));
    QString whole = dot < 0 ? text : text.left(dot);
    const QString fraction = dot < 0 ? QString() : text.mid(dot + 1);
    if (type == u'n' && std::isfinite(value)) whole = groupThousands(whole);
    text = fraction.isEmpty() && dot < 0 ? whole : whole + dec + fraction;
    if ((type == u'f' || type == u'n') && value < 0) text.prepend(u'-');
    // "-0.00" reads as zero.
    bool allZero = true;
    for (QChar c : text)
        if (c.isDigit() && c != u'0') allZero = false;
    if (allZero && text.startsWith(u'-') && std::isfinite(value)) text.remove(0, 1);
    return text;
}

}  // namespace number_format_detail

QString FormatWithArgs(const QString& format, std::initializer_list<TFormatArg> args)
{
    using namespace number_format_detail;
    const std::vector<TFormatArg> list(args);
    size_t next = 0;
    QString out;
    const int n = int(format.size());
    for (int i = 0; i < n;) {
        if (format[i] != u'%') {
            out += format[i++];
            continue;
        }
        if (i + 1 < n && format[i + 1] == u'%') {
            out += u'%';
            i += 2;
            continue;
        }
        Specifier item;
        if (!parseSpecifier(format, i, item) || next >= list.size()) {
            out += format[i++];
            continue;
        }
        const TFormatArg& arg = list[next++];
        QString text;
        const bool integerType = item.type == u'd' || item.type == u'u' || item.type == u'x';
        if (item.type == u's') {
            if (const QString* s = std::get_if<QString>(&arg)) text = *s;
            else if (const int64_t* v = std::get_if<int64_t>(&arg)) text = QString::number(*v);
            else text = formatFloat(u'g', std::get<double>(arg), -1);
            if (item.precision >= 0) text = text.left(item.precision);
        } else if (std::holds_alternative<QString>(arg)) {
            out += format.mid(i, item.end - i);
            i = item.end;
            continue;
        } else if (integerType) {
            const int64_t v = std::holds_alternative<int64_t>(arg) ? std::get<int64_t>(arg)
                                                                   : int64_t(std::llround(std::get<double>(arg)));
            if (item.type == u'x') text = QString::number(uint64_t(v), 16).toUpper();
            else if (item.type == u'u') text = QString::number(uint64_t(uint32_t(v)));
            else text = QString::number(v < 0 ? uint64_t(0) - uint64_t(v) : uint64_t(v));
            if (item.precision > 0)
                text = text.rightJustified(item.precision, u'0');
            if (item.type == u'd' && v < 0) text.prepend(u'-');
        } else {
            const double v = std::holds_alternative<double>(arg) ? std::get<double>(arg)
                                                                 : double(std::get<int64_t>(arg));
            text = formatFloat(item.type, v, item.precision);
        }
        if (item.width > int(text.size()))
            text = item.leftAlign ? text.leftJustified(item.width) : text.rightJustified(item.width);
        out += text;
        i = item.end;
    }
    return out;
}

bool FormatTakesInteger(const QString& format)
{
    using namespace number_format_detail;
    for (int i = 0; i < int(format.size()); ++i) {
        if (format[i] != u'%') continue;
        if (i + 1 < int(format.size()) && format[i + 1] == u'%') {
            ++i;
            continue;
        }
        Specifier item;
        if (parseSpecifier(format, i, item)) return item.type == u'd' || item.type == u'u';
    }
    return false;
}

bool TryStrToFloat(const QString& text, double& value)
{
    const QChar dec = formatSettings().DecimalSeparator;
    const QString s = text.trimmed();
    // Rewritten into the C notation, checking the shape on the way.
    QString c;
    c.reserve(s.size());
    int i = 0;
    const int n = int(s.size());
    if (i < n && (s[i] == u'-' || s[i] == u'+')) c += s[i++];
    int digits = 0;
    while (i < n && s[i] >= u'0' && s[i] <= u'9') {
        c += s[i++];
        ++digits;
    }
    if (i < n && s[i] == dec) {
        c += u'.';
        ++i;
        while (i < n && s[i] >= u'0' && s[i] <= u'9') {
            c += s[i++];
            ++digits;
        }
    }
    if (digits == 0) return false;
    if (i < n && (s[i] == u'e' || s[i] == u'E')) {
        c += u'e';
        ++i;
        if (i < n && (s[i] == u'-' || s[i] == u'+')) c += s[i++];
        int expDigits = 0;
        while (i < n && s[i] >= u'0' && s[i] <= u'9') {
            c += s[i++];
            ++expDigits;
        }
        if (expDigits == 0) return false;
    }
    if (i != n) return false;
    bool ok = false;
    const double v = QLocale::c().toDouble(c, &ok);
    if (!ok || !std::isfinite(v)) return false;
    value = v;
    return true;
}

}  // namespace platform
