#include "controls/grid/html/html_text_utils.h"

#include <algorithm>
#include <array>
#include <vector>

#include <QSet>

namespace grid {

namespace html_text_detail {

struct Entity {
    char16_t Char;
    const char16_t* Name;
};

// The named entities, in the order encoding and decoding walk them.
constexpr std::array<Entity, 51> kEntities{{
    {0xE9, u"&eacute;"}, {0xE8, u"&egrave;"}, {0xEB, u"&euml;"},   {0xEA, u"&ecirc;"},  {0xF3, u"&oacute;"},
    {0xF2, u"&ograve;"}, {0xF6, u"&ouml;"},   {0xF4, u"&ocirc;"},  {0xED, u"&iacute;"}, {0xEC, u"&igrave;"},
    {0xEF, u"&iuml;"},   {0xEE, u"&icirc;"},  {0xFA, u"&uacute;"}, {0xF9, u"&ugrave;"}, {0xFC, u"&uuml;"},
    {0xFB, u"&ucirc;"},  {0xE1, u"&aacute;"}, {0xE0, u"&agrave;"}, {0xE4, u"&auml;"},   {0xE2, u"&acirc;"},
    {0xC9, u"&Eacute;"}, {0xC8, u"&Egrave;"}, {0xCB, u"&Euml;"},   {0xCA, u"&Ecirc;"},  {0xD3, u"&Oacute;"},
    {0xD2, u"&Ograve;"}, {0xD6, u"&Ouml;"},   {0xD4, u"&Ocirc;"},  {0xCD, u"&Iacute;"}, {0xCC, u"&Igrave;"},
    {0xCF, u"&Iuml;"},   {0xCE, u"&Icirc;"},  {0xDA, u"&Uacute;"}, {0xD9, u"&Ugrave;"}, {0xDC, u"&Uuml;"},
    {0xDB, u"&Ucirc;"},  {0xC1, u"&Aacute;"}, {0xC0, u"&Agrave;"}, {0xC4, u"&Auml;"},   {0xC2, u"&Acirc;"},
    {0xE7, u"&ccedil;"}, {0xC7, u"&Ccedil;"}, {0xF8, u"&oslash;"}, {0xD8, u"&Oslash;"}, {0xE5, u"&aring;"},
    {0xC5, u"&Aring;"},  {0xA9, u"&copy;"},   {0xAE, u"&reg;"},    {0x20AC, u"&euro;"}, {0xAB, u"&laquo;"},
    {0xBB, u"&raquo;"},
}};

constexpr qsizetype npos = -1;

char16_t asciiUpper(char16_t c) { return (c >= u'a' && c <= u'z') ? char16_t(c - (u'a' - u'A')) : c; }

// `upperName` (ASCII, upper case) stands at index i of the text, ASCII
// letters compared without regard to case.
bool matchesAt(QStringView text, qsizetype i, QStringView upperName)
{
    if (i < 0 || i + upperName.size() > text.size()) return false;
    for (qsizetype k = 0; k < upperName.size(); ++k)
        if (asciiUpper(text[i + k].unicode()) != upperName[k].unicode()) return false;
    return true;
}

// The same comparison with full upper-casing of single characters (the
// marks of UnHighlightHTMLText and the case-insensitive search).
bool upperMatchesAt(QStringView text, qsizetype i, QStringView upperPattern)
{
    if (i < 0 || i + upperPattern.size() > text.size()) return false;
    for (qsizetype k = 0; k < upperPattern.size(); ++k)
        if (text[i + k].toUpper() != upperPattern[k]) return false;
    return true;
}

// Upper case character by character, so that positions stay the same.
QString upperSameLength(QStringView text)
{
    QString upper = text.toString();
    for (QChar& c : upper) c = c.toUpper();
    return upper;
}

// Removes `pattern` (upper case) wherever it stands, also where a removal
// joins one together: a pattern is taken out as soon as its last character
// is read, which for marks such as "<HI>" (no "<" or ">" inside) gives the
// same text as taking out the first occurrence again and again.
QString removeRepeatedly(const QString& text, const QString& pattern)
{
    if (pattern.isEmpty()) return text;
    QString out;
    out.reserve(text.size());
    for (QChar c : text) {
        out += c;
        const qsizetype start = out.size() - pattern.size();
        if (start >= 0 && upperMatchesAt(out, start, pattern)) out.truncate(start);
    }
    return out;
}

// ------------------------------------------------------------ control tags

// The CONTROL tags of a text: each runs from its "<" to the next ">" (or
// the end), and attributes are read with tables of the next double quote and
// the next "ID=" / "TYPE=" after every index, so that walking all tags stays
// linear even when tags run into each other.
class ControlScanner {
public:
    struct Tag {
        qsizetype Start = 0;  // index of the "<"
        qsizetype End = 0;    // one past its ">", or the text's length
    };
    struct Value {
        qsizetype From = 0;  // where the value starts (to tell equal values apart cheaply)
        QStringView Text;
    };

    explicit ControlScanner(QStringView text) : FText(text)
    {
        const qsizetype n = text.size();
        FNextQuote.assign(size_t(n + 1), npos);
        FNextGreater.assign(size_t(n + 1), npos);
        FNextID.assign(size_t(n + 1), npos);
        FNextType.assign(size_t(n + 1), npos);
        for (qsizetype i = n - 1; i >= 0; --i) {
            const auto at = size_t(i);
            FNextQuote[at] = text[i] == u'"' ? i : FNextQuote[at + 1];
            FNextGreater[at] = text[i] == u'>' ? i : FNextGreater[at + 1];
            FNextID[at] = matchesAt(text, i, u"ID=") ? i : FNextID[at + 1];
            FNextType[at] = matchesAt(text, i, u"TYPE=") ? i : FNextType[at + 1];
        }
        for (qsizetype i = 0; i + 9 <= n; ++i) {
            if (!matchesAt(text, i, u"<CONTROL ")) continue;
            const qsizetype gt = FNextGreater[size_t(i + 1)];
            FTags.push_back({i, gt == npos ? n : gt + 1});
        }
    }

    const std::vector<Tag>& Tags() const { return FTags; }
    // The tag's text as the attribute reader takes it: after its "<".
    QStringView TagText(const Tag& tag) const { return FText.mid(tag.Start + 1, tag.End - tag.Start - 1); }
    Value ID(const Tag& tag) const { return attribute(tag, FNextID, 3); }
    Value Type(const Tag& tag) const { return attribute(tag, FNextType, 5); }

private:
    Value attribute(const Tag& tag, const std::vector<qsizetype>& nextName, qsizetype nameLength) const
    {
        const qsizetype name = nextName[size_t(tag.Start + 1)];
        if (name == npos || name >= tag.End) return {-1, {}};
        const qsizetype open = FNextQuote[size_t(name + nameLength)];
        if (open == npos || open >= tag.End) return {-1, {}};
        const qsizetype close = FNextQuote[size_t(open + 1)];
        const qsizetype end = close == npos || close >= tag.End ? tag.End : close;
        return {open + 1, FText.mid(open + 1, end - open - 1)};
    }

    QStringView FText;
    std::vector<qsizetype> FNextQuote;
    std::vector<qsizetype> FNextGreater;
    std::vector<qsizetype> FNextID;
    std::vector<qsizetype> FNextType;
    std::vector<Tag> FTags;
};

// The first tag whose ID is exactly id; nullptr when none.
const ControlScanner::Tag* findControl(const ControlScanner& scanner, const QString& id)
{
    for (const ControlScanner::Tag& tag : scanner.Tags())
        if (scanner.ID(tag).Text == id) return &tag;
    return nullptr;
}

// The text is `upper` (upper case) when upper-cased.
bool equalsUpper(QStringView text, QStringView upper)
{
    return text.size() == upper.size() && upperMatchesAt(text, 0, upper);
}

bool isClickControlType(QStringView type)
{
    return equalsUpper(type, u"BUTTON") || equalsUpper(type, u"CHECK") || equalsUpper(type, u"RADIO");
}

// The tag's new text, from after its "<" through its ">".
QString rewrittenControl(const THTMLControlAttributes& a, const QString& id, const QString& value)
{
    auto attr = [](const char* name, const QString& v) { return QLatin1String(name) + QStringLiteral("=\"") + v + u'"'; };
    QString tag = QStringLiteral("CONTROL ") + attr("ID", id) + u' ' + attr("VALUE", EncodeHTMLEntities(value, true)) +
                  u' ' + attr("WIDTH", a.Width) + u' ' + attr("TYPE", a.Type);
    if (!a.Height.isEmpty()) tag += u' ' + attr("HEIGHT", a.Height);
    if (!a.Prop.isEmpty()) tag += u' ' + attr("PROP", EncodeHTMLEntities(a.Prop, true));
    if (!a.MaxLen.isEmpty()) tag += u' ' + attr("MAXLEN", a.MaxLen);
    return tag + u'>';
}

// text with the tag's part after its "<" replaced.
void replaceTagText(QString& out, QStringView text, const ControlScanner::Tag& tag, qsizetype& copied,
                    const QString& newTag)
{
    out += text.mid(copied, tag.Start + 1 - copied);
    out += newTag;
    copied = tag.End;
}

}  // namespace html_text_detail

namespace d = html_text_detail;

// ------------------------------------------------------------------ entities

QString DecodeHTMLEntities(const QString& text, bool named)
{
    if (!text.contains(u'&')) return text;
    QString out = text;
    out.replace(QStringLiteral("&lt;"), QStringLiteral("<"));
    out.replace(QStringLiteral("&gt;"), QStringLiteral(">"));
    out.replace(QStringLiteral("&amp;"), QStringLiteral("&"));
    out.replace(QStringLiteral("&quot;"), QStringLiteral("\""));
    if (named)
        for (const d::Entity& e : d::kEntities) {
            if (!out.contains(u'&')) break;
            out.replace(QString::fromUtf16(e.Name), QString(QChar(e.Char)));
        }
    return out;
}

QString EncodeHTMLEntities(const QString& text, bool named)
{
    QString out = text;
    out.replace(u'&', QStringLiteral("&amp;"));
    out.replace(u'"', QStringLiteral("&quot;"));
    out.replace(u'<', QStringLiteral("&lt;"));
    out.replace(u'>', QStringLiteral("&gt;"));
    if (named)
        for (const d::Entity& e : d::kEntities) out.replace(QChar(e.Char), QString::fromUtf16(e.Name));
    return out;
}

QString EncodeHTMLSpaces(const QString& text)
{
    QString out = text;
    out.replace(u' ', QStringLiteral("&nbsp;"));
    return out;
}

// ---------------------------------------------------------------- plain text

QString StripTagsForSearch(const QString& text)
{
    QString out;
    out.reserve(text.size());
    qsizetype pos = 0;
    for (;;) {
        const qsizetype open = text.indexOf(u'<', pos);
        const qsizetype close = text.indexOf(u'>', pos);
        if (open < 0 || close < 0 || close < open) break;
        out += QStringView(text).mid(pos, open - pos);
        pos = close + 1;
    }
    out += QStringView(text).mid(pos);
    return out;
}

QString StripHTMLTags(const QString& text)
{
    QString lines;
    lines.reserve(text.size());
    for (qsizetype i = 0; i < text.size();) {
        if (d::matchesAt(text, i, u"<BR>") || d::matchesAt(text, i, u"<HR>")) {
            lines += QStringLiteral("\r\n");
            i += 4;
        } else {
            lines += text[i++];
        }
    }
    return StripTagsForSearch(lines);
}

int VisibleToSourcePos(const QString& text, int n)
{
    if (n < 1) return 0;
    const qsizetype lastClose = text.lastIndexOf(u'>');
    int visible = 0;
    qsizetype i = 0;
    while (visible < n - 1 && i < text.size()) {
        if (text[i] == u'<' && lastClose > i) {
            i = text.indexOf(u'>', i) + 1;
        } else {
            ++visible;
            ++i;
        }
    }
    return visible == n - 1 ? int(i) + 1 : 0;
}

// -------------------------------------------------------------- search marks

int FindTextFrom(const QString& find, const QString& text, int start, int& pos, bool caseSensitive)
{
    pos = 0;
    if (find.isEmpty() || start < 0 || start >= text.size()) return 0;
    const qsizetype at = caseSensitive ? text.indexOf(find, start)
                                       : d::upperSameLength(text).indexOf(d::upperSameLength(find), start);
    pos = at < 0 ? 0 : int(at) + 1;
    return pos;
}

QString HighlightHTMLText(const QString& text, const QString& find, const QString& tag, bool caseSensitive)
{
    if (find.isEmpty()) return text;
    QString visible = StripTagsForSearch(text);
    QString work = text;
    QString sought = find;
    if (text.contains(find) && (visible.contains(u'<') || visible.contains(u'>'))) {
        visible.replace(u'<', QStringLiteral("&lt;")).replace(u'>', QStringLiteral("&gt;"));
        sought.replace(u'<', QStringLiteral("&lt;")).replace(u'>', QStringLiteral("&gt;"));
        work = visible;
    }
    // The upper-cased copies are made once; the search walks forward.
    const QString haystack = caseSensitive ? visible : d::upperSameLength(visible);
    const QString needle = caseSensitive ? sought : d::upperSameLength(sought);

    // The marks go in while the working text is copied once, front to back:
    // each mark stands right after the visible character before it.
    const qsizetype lastClose = work.lastIndexOf(u'>');
    QString out;
    QString front;  // marks for which the working text has too few visible characters
    out.reserve(work.size() + 16);
    qsizetype i = 0;
    int shown = 0;
    auto insertBeforeVisible = [&](int n, const QString& mark) {
        while (shown < n - 1 && i < work.size()) {
            if (work[i] == u'<' && lastClose > i) {
                const qsizetype close = work.indexOf(u'>', i);
                out += QStringView(work).mid(i, close + 1 - i);
                i = close + 1;
            } else {
                out += work[i++];
                ++shown;
            }
        }
        if (shown == n - 1)
            out += mark;
        else
            front.prepend(mark);
    };
    const QString open = u'<' + tag + u'>';
    const QString close = QStringLiteral("</") + tag + u'>';
    qsizetype start = 0;
    for (;;) {
        const qsizetype at = haystack.indexOf(needle, start);
        if (at < 0) break;
        const int pos = int(at) + 1;
        insertBeforeVisible(pos, open);
        start = at + needle.size();
        insertBeforeVisible(int(start) + 1, close);
    }
    out += QStringView(work).mid(i);
    return front + out;
}

QString UnHighlightHTMLText(const QString& text, const QString& tag)
{
    const QString upperTag = d::upperSameLength(tag);
    QString out = d::removeRepeatedly(text, u'<' + upperTag + u'>');
    out = d::removeRepeatedly(out, QStringLiteral("</") + upperTag + u'>');
    out.replace(QStringLiteral("&lt;"), QStringLiteral("<"));
    out.replace(QStringLiteral("&gt;"), QStringLiteral(">"));
    return out;
}

// ------------------------------------------------------------- form controls

bool HasHTMLControl(const QString& text) { return PosText(u"<CONTROL", text) > 0; }

THTMLControlAttributes ParseHTMLControlAttributes(QStringView tag)
{
    auto value = [tag](QStringView name) -> QString {
        const int at = PosText(name, tag);
        if (at == 0) return {};
        const qsizetype open = tag.indexOf(u'"', at - 1 + name.size());
        if (open < 0) return {};
        const qsizetype close = tag.indexOf(u'"', open + 1);
        return tag.mid(open + 1, close < 0 ? -1 : close - open - 1).toString();
    };
    THTMLControlAttributes a;
    a.Type = value(u"TYPE=").toUpper();
    a.Width = value(u"WIDTH=");
    a.Height = value(u"HEIGHT=");
    a.ID = value(u"ID=");
    a.Value = DecodeHTMLEntities(value(u"VALUE="), true);
    a.Prop = DecodeHTMLEntities(value(u"PROP="), true);
    a.MaxLen = value(u"MAXLEN=");
    return a;
}

QString GetNextHTMLControlID(const QString& text, const QString& id)
{
    const d::ControlScanner scanner(text);
    bool after = id.isEmpty();
    for (const auto& tag : scanner.Tags()) {
        const QStringView tagId = scanner.ID(tag).Text;
        if (after && !d::isClickControlType(scanner.Type(tag).Text)) return tagId.toString();
        if (tagId == id) after = true;
    }
    return {};
}

QString ClearHTMLRadioControls(const QString& text)
{
    const d::ControlScanner scanner(text);
    const auto& tags = scanner.Tags();
    // The IDs of the radio buttons, and for every tag whether it is the first
    // with its ID (the one SetHTMLControlValue would rewrite). Tags that run
    // into each other share their ID text; it is copied once.
    QSet<QString> radioIds;
    QSet<QString> seen;
    std::vector<bool> first(tags.size());
    std::vector<QString> ids(tags.size());
    qsizetype lastFrom = -2;
    for (size_t k = 0; k < tags.size(); ++k) {
        const d::ControlScanner::Value id = scanner.ID(tags[k]);
        ids[k] = id.From == lastFrom && k > 0 ? ids[k - 1] : id.Text.toString();
        lastFrom = id.From;
        first[k] = !seen.contains(ids[k]);
        seen.insert(ids[k]);
        if (d::equalsUpper(scanner.Type(tags[k]).Text, u"RADIO")) radioIds.insert(ids[k]);
    }
    QString out;
    qsizetype copied = 0;
    for (size_t k = 0; k < tags.size(); ++k) {
        if (!first[k] || !radioIds.contains(ids[k]) || tags[k].Start < copied) continue;
        const THTMLControlAttributes a = ParseHTMLControlAttributes(scanner.TagText(tags[k]));
        d::replaceTagText(out, text, tags[k], copied, d::rewrittenControl(a, ids[k], QStringLiteral("FALSE")));
    }
    if (copied == 0) return text;
    out += QStringView(text).mid(copied);
    return out;
}

bool GetHTMLControlValue(const QString& text, const QString& id, QString& value)
{
    const d::ControlScanner scanner(text);
    const auto* tag = d::findControl(scanner, id);
    if (tag == nullptr) return false;
    value = ParseHTMLControlAttributes(scanner.TagText(*tag)).Value;
    return true;
}

QString GetHTMLControlProp(const QString& text, const QString& id)
{
    const d::ControlScanner scanner(text);
    const auto* tag = d::findControl(scanner, id);
    return tag == nullptr ? QString() : ParseHTMLControlAttributes(scanner.TagText(*tag)).Prop;
}

int GetHTMLControlMaxLen(const QString& text, const QString& id)
{
    const d::ControlScanner scanner(text);
    const auto* tag = d::findControl(scanner, id);
    return tag == nullptr ? 0 : LeadingNumber(ParseHTMLControlAttributes(scanner.TagText(*tag)).MaxLen);
}

bool SetHTMLControlValue(QString& text, const QString& id, const QString& value)
{
    const d::ControlScanner scanner(text);
    const auto* tag = d::findControl(scanner, id);
    if (tag == nullptr) return false;
    const THTMLControlAttributes a = ParseHTMLControlAttributes(scanner.TagText(*tag));
    QString out;
    qsizetype copied = 0;
    d::replaceTagText(out, text, *tag, copied, d::rewrittenControl(a, id, value));
    out += QStringView(text).mid(copied);
    text = out;
    return true;
}

// ------------------------------------------------------------ shared helpers

int PosText(QStringView sub, QStringView text)
{
    if (sub.isEmpty()) return 0;
    QString upperSub = sub.toString();
    for (QChar& c : upperSub) c = QChar(d::asciiUpper(c.unicode()));
    const char16_t first = upperSub[0].unicode();
    for (qsizetype i = 0; i + upperSub.size() <= text.size(); ++i)
        if (d::asciiUpper(text[i].unicode()) == first && d::matchesAt(text, i, upperSub)) return int(i) + 1;
    return 0;
}

bool ReplaceFirstText(QStringView find, QStringView replace, QString& text)
{
    const int at = PosText(find, text);
    if (at == 0) return false;
    text.replace(at - 1, find.size(), replace.toString());
    return true;
}

QString PasswordMask(const QString& text) { return QString(text.size(), u'*'); }

int LeadingNumber(QStringView text, bool* isNumber)
{
    constexpr int cap = 1000000;
    int value = 0;
    qsizetype i = 0;
    while (i < text.size() && text[i] >= u'0' && text[i] <= u'9') {
        value = std::min(cap, value * 10 + (text[i].unicode() - u'0'));
        ++i;
    }
    if (isNumber != nullptr) *isNumber = i > 0;
    return value;
}

}  // namespace grid
