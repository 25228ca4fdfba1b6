#include "controls/grid/text/grid_html_text.h"

#include "platform/strings.h"

namespace grid {

namespace htmltext {

// Upper case character by character, so that positions stay the same.
QString upperSameLength(const QString& text)
{
    QString upper = text;
    for (QChar& c : upper)
        c = c.toUpper();
    return upper;
}

bool isUrlChar(QChar c)
{
    const char16_t u = c.unicode();
    if ((u >= u'A' && u <= u'Z') || (u >= u'a' && u <= u'z') || (u >= u'0' && u <= u'9'))
        return true;
    return QStringView(u"%()-./:@\\_{}").contains(c);
}

// The fragment as ISO-8859-1 bytes, characters beyond it as references.
QByteArray latin1WithReferences(const QString& text)
{
    QByteArray bytes;
    bytes.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c.unicode() <= 0xFF) {
            bytes += char(c.unicode());
            continue;
        }
        char32_t code = c.unicode();
        if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            code = QChar::surrogateToUcs4(c, text[i + 1]);
            ++i;
        }
        bytes += "&#" + QByteArray::number(uint(code)) + ';';
    }
    return bytes;
}

QByteArray offsetLine(const char* key, qsizetype value)
{
    return QByteArray(key) + QByteArray::number(qlonglong(value)).rightJustified(8, '0') + "\r\n";
}

}  // namespace htmltext

QByteArray BuildClipboardHTML(const QString& fragment)
{
    static const QByteArray documentStart =
        "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.0 Transitional//EN\">"
        "<html><head><META http-equiv=Content-Type content=\"text/html; charset=iso-8859-1\">"
        "</head><body><!--StartFragment-->";
    static const QByteArray documentEnd = "<!--EndFragment--></body></html>";
    const QByteArray body = htmltext::latin1WithReferences(fragment);

    // The header holds the offsets and its own length is part of them: start
    // from the length of eight-digit numbers and build again should a number
    // need more digits.
    QByteArray out;
    qsizetype headerLength = 0;
    do {
        headerLength = out.size();
        const qsizetype startFragment = headerLength + documentStart.size();
        const qsizetype endFragment = startFragment + body.size();
        const qsizetype endHtml = endFragment + documentEnd.size();
        out = "Version:1.0\r\n";
        out += htmltext::offsetLine("StartHTML:", headerLength);
        out += htmltext::offsetLine("EndHTML:", endHtml);
        out += htmltext::offsetLine("StartFragment:", startFragment);
        out += htmltext::offsetLine("EndFragment:", endFragment);
    } while (out.size() != headerLength);
    out += documentStart;
    out += body;
    out += documentEnd;
    return out;
}

QString CRToBR(const QString& text)
{
    QString out = text;
    out.replace(u'\r', QStringLiteral("<br>"));
    return out;
}

QString ColorToHTMLHex(uint32_t color)
{
    const uint32_t red = color & 0xFF;
    const uint32_t green = (color >> 8) & 0xFF;
    const uint32_t blue = (color >> 16) & 0xFF;
    return QStringLiteral("%1%2%3")
        .arg(red, 2, 16, QChar(u'0'))
        .arg(green, 2, 16, QChar(u'0'))
        .arg(blue, 2, 16, QChar(u'0'))
        .toUpper();
}

bool LinkifyURL(const QString& text, const QString& upperScheme, QString& html)
{
    if (upperScheme.isEmpty() || !htmltext::upperSameLength(text).contains(upperScheme))
        return false;
    QString escaped = text;
    escaped.replace(u'<', QStringLiteral("&lt;"));
    escaped.replace(u'>', QStringLiteral("&gt;"));

    // A scheme holding "<" or ">" is no longer there once they are escaped.
    const qsizetype start = htmltext::upperSameLength(escaped).indexOf(upperScheme);
    if (start < 0)
        return false;
    qsizetype end = start;
    while (end < escaped.size() && htmltext::isUrlChar(escaped[end]))
        ++end;
    const QString url = escaped.mid(start, end - start);
    escaped.insert(end, QStringLiteral("</a>"));
    escaped.insert(start, QStringLiteral("<a href=\"") + url + QStringLiteral("\">"));
    html = escaped;
    return true;
}

bool IsURL(const QString& text)
{
    return text.contains(u"://") || text.contains(u"mailto:");
}

void StripURLScheme(QString& text)
{
    qsizetype pos = text.indexOf(u"://");
    if (pos >= 0) {
        text.remove(0, pos + 3);
        return;
    }
    pos = text.indexOf(u"mailto:");
    if (pos >= 0)
        text.remove(0, pos + 7);
}

bool ParseCellRef(const QString& text, QPoint& cell)
{
    const QString upper = text.toUpper();
    if (upper.size() < 4 || !upper.startsWith(u'R'))
        return false;
    const QString rest = upper.mid(1);
    const qsizetype c = rest.indexOf(u'C');
    if (c < 0)
        return false;
    const auto row = platform::parseInt(rest.left(c));
    const auto col = platform::parseInt(rest.mid(c + 1));
    if (!row || !col)
        return false;
    cell = QPoint(*col, *row);
    return true;
}

}  // namespace grid
