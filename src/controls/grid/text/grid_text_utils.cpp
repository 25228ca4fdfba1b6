#include "controls/grid/text/grid_text_utils.h"

#include "platform/codepage.h"

namespace grid {

namespace textutil {

constexpr QChar Cr = u'\r';
constexpr QChar Lf = u'\n';
constexpr QChar Tab = QChar(9);
constexpr QChar Backspace = QChar(8);
constexpr QChar Soh = QChar(1);
constexpr QChar Nul = QChar(0);
constexpr QChar VerticalTab = QChar(11);

// 1-based position of the first `sub` in `text`, 0 when absent or empty.
int position(QStringView sub, QStringView text)
{
    if (sub.isEmpty())
        return 0;
    return int(text.indexOf(sub)) + 1;
}

}  // namespace textutil

// ---------------------------------------------------------------- text kinds

int TextType(const QString& text, bool htmlEnabled)
{
    if (text.isEmpty())
        return TextKindPlain;
    if (text.front() == u'=')
        return TextKindFormula;
    if (text.startsWith(PackedWidePrefix)) {
        const bool formula = text.size() >= 4 && text[2].unicode() == 0 && text[3] == u'=';
        return formula ? TextKindFormula : TextKindPackedWide;
    }
    if (text.startsWith(u"{\\"))
        return TextKindRichText;
    if (!htmlEnabled)
        return TextKindPlain;
    for (QStringView tag : {u"</", u"<B", u"<I", u"<C"})
        if (text.contains(tag))
            return TextKindHtml;
    return TextKindPlain;
}

QString PackWideText(const QString& wide)
{
    QString packed;
    packed.reserve(2 + 2 * wide.size());
    packed += PackedWidePrefix;
    for (QChar c : wide) {
        packed += QChar(c.unicode() >> 8);
        packed += QChar(c.unicode() & 0xFF);
    }
    return packed;
}

QString UnpackWideText(const QString& text)
{
    if (!text.startsWith(PackedWidePrefix))
        return text;
    QString wide;
    wide.reserve((text.size() - 2) / 2);
    for (qsizetype i = 2; i + 1 < text.size(); i += 2) {
        const char16_t high = text[i].unicode() & 0xFF;
        const char16_t low = text[i + 1].unicode() & 0xFF;
        wide += QChar(char16_t((high << 8) | low));
    }
    return wide;
}

int WidePos(const QString& sub, const QString& text)
{
    return textutil::position(sub, text);
}

// ------------------------------------------------------------- line breaks

QString EncodeCellLineBreaks(const QString& text)
{
    if (!text.contains(textutil::Cr))
        return text;
    QString out = text;
    for (QChar& c : out) {
        if (c == textutil::Cr)
            c = textutil::Tab;
        else if (c == textutil::Lf)
            c = textutil::Backspace;
        else if (c == textutil::Nul)
            c = textutil::Soh;
    }
    return out;
}

QString DecodeCellLineBreaks(const QString& text, bool multiLine)
{
    QString out = text;
    if (out.contains(textutil::Backspace)) {
        for (QChar& c : out) {
            if (c == textutil::Tab)
                c = textutil::Cr;
            else if (c == textutil::Backspace)
                c = textutil::Lf;
            else if (c == textutil::Soh)
                c = textutil::Nul;
        }
    }
    if (!multiLine)
        return CutFirstLine(out, false);
    return out;
}

void CSVQuoteLines(QString& text)
{
    text.replace(QStringLiteral("\r\n"), QString(textutil::VerticalTab));
    text = u'"' + text + u'"';
}

void VTToCRLF(QString& text)
{
    if (text.contains(textutil::VerticalTab))
        text.replace(textutil::VerticalTab, QStringLiteral("\r\n"));
}

void CRLFToLF(QString& text)
{
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

QString DoubleQuotes(const QString& text)
{
    QString out = text;
    out.replace(u'"', QStringLiteral("\"\""));
    return out;
}

QString UndoubleChar(QChar c, const QString& text)
{
    if (!text.contains(c))
        return text;
    QString out = text;
    out.replace(QString(2, c), QString(c));
    return out;
}

int SingleCharPos(QChar c, const QString& text, int& pos)
{
    pos = 0;
    const int n = int(text.size());
    int run = 0;
    for (int i = 0; i < n; ++i) {
        if (text[i] == c) {
            ++run;
            if (i == n - 1) {
                pos = n;
                break;
            }
        } else if (run > 0) {
            if (run % 2 == 1) {
                pos = i;  // 1-based position of the run's last character
                break;
            }
            run = 0;
        }
    }
    return pos;
}

int SingleCharCount(QChar c, const QString& text)
{
    int count = 0;
    QString rest = text;
    int pos = 0;
    while (SingleCharPos(c, rest, pos) > 0) {
        ++count;
        rest.remove(0, pos);
    }
    return count;
}

int CharCount(QChar c, const QString& text)
{
    return int(text.count(c));
}

void CRToTilde(QString& text)
{
    text.remove(textutil::Lf);
    text.replace(textutil::Cr, u'~');
}

void TildeToCRLF(QString& text)
{
    text.replace(u'~', QStringLiteral("\r\n"));
    if (text == u"^")
        text.clear();
}

QString CRToBackslashN(const QString& text)
{
    QString out = text;
    out.remove(textutil::Lf);
    out.replace(textutil::Cr, QStringLiteral("\\n"));
    return out;
}

QString BackslashNToCR(const QString& text)
{
    QString out = text;
    out.replace(QStringLiteral("\\n"), QString(textutil::Cr));
    return out;
}

QString CRToLF(const QString& text)
{
    QString out = text;
    out.replace(textutil::Cr, textutil::Lf);
    return out;
}

QString RemoveCR(const QString& text)
{
    QString out = text;
    out.remove(textutil::Cr);
    return out;
}

QString CutFirstLine(QString& text, bool keepRest)
{
    const qsizetype cr = text.indexOf(textutil::Cr);
    if (cr < 0) {
        QString whole = text;
        text.clear();
        return whole;
    }
    const QString first = text.left(cr);
    qsizetype restStart = cr + 1;
    if (restStart < text.size() && text[restStart] == textutil::Lf)
        ++restStart;
    if (keepRest)
        text.remove(0, restStart);
    else
        text.clear();
    return first;
}

int TextLineCount(const QString& text, bool multiLine)
{
    if (!multiLine)
        return 1;
    // CR LF, LF and a lone CR each break a line.
    int lines = 1;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'\n' || (text[i] == u'\r' && (i + 1 == text.size() || text[i + 1] != u'\n')))
            ++lines;
    }
    return lines;
}

void TextToOem(QString& text)
{
    text = QString::fromLatin1(platform::toOem(text));
}

void OemToText(QString& text)
{
    text = platform::fromOem(text.toLatin1());
}

// ------------------------------------------------------------ other helpers

QString MixedCaseText(const QString& text)
{
    QString result = text;
    const int n = int(text.size());
    bool capitalise = true;
    for (int i = 1; i <= n; ++i) {
        const QChar c = text[i - 1];
        if (c == u' ' || c == u'\'' || c == u',' || c == u'-' || c == u'.') {
            capitalise = true;
        } else if (capitalise) {
            result[i - 1] = c.toUpper();
            capitalise = false;
        } else {
            result[i - 1] = c.toLower();
        }
        // "Mc" names and roman numerals ("II", "IV") at the end.
        if (i == 2 && result.startsWith(u"Mc"))
            capitalise = true;
        const qsizetype mc = result.indexOf(u" Mc");
        if (i > 2 && mc >= 0 && mc + 3 == i)
            capitalise = true;
        if (i > n - 3) {
            if (i >= 2 && QStringView(result).mid(i - 2, 2) == u" I")
                capitalise = true;
            if (i >= 3 && QStringView(result).mid(i - 3, 3) == u" II")
                capitalise = true;
        }
    }
    return result;
}

void FillWithChar(QString& text, QChar c)
{
    text.fill(c);
}

int UpperCasePos(const QString& upperSub, const QString& text)
{
    QString upper = text;
    for (QChar& c : upper)
        if (c >= u'a' && c <= u'z')
            c = QChar(c.unicode() - (u'a' - u'A'));
    return textutil::position(upperSub, upper);
}

int VarPos(const QString& sub, const QString& text, int& pos)
{
    pos = textutil::position(sub, text);
    return pos;
}

int CharPos(QChar c, const QString& text)
{
    return int(text.indexOf(c)) + 1;
}

int VarCharPos(QChar c, const QString& text, int& pos)
{
    pos = CharPos(c, text);
    return pos;
}

QString CutToken(QString& text, const QString& delimiter)
{
    const int pos = textutil::position(delimiter, text);
    if (pos == 0)
        return QString();
    const QString token = text.left(pos - 1);
    text.remove(0, pos);
    return token;
}

QString ConcatStrings(const QStringList& lines)
{
    return lines.join(QString());
}

bool CellInGridRect(const QRect& cells, int col, int row)
{
    return col >= cells.left() && col <= cells.right() && row >= cells.top() && row <= cells.bottom();
}

int IntMax(int a, int b)
{
    return a > b ? a : b;
}

int IntMin(int a, int b)
{
    return a < b ? a : b;
}

int ApplySizeLimits(int value, int minimum, int maximum)
{
    if (minimum == maximum)
        return value;
    if (minimum > 0 && value < minimum)
        value = minimum;
    if (maximum > 0 && value > maximum)
        value = maximum;
    return value;
}

}  // namespace grid
