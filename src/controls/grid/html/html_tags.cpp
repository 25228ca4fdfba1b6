#include "controls/grid/html/html_tags.h"

#include <algorithm>
#include <array>

#include "controls/grid/html/html_text_utils.h"

namespace grid {

namespace html_tags_detail {

char16_t asciiUpper(QChar c)
{
    const char16_t u = c.unicode();
    return (u >= u'a' && u <= u'z') ? char16_t(u - (u'a' - u'A')) : u;
}

struct Entity {
    const char16_t* Name;  // without its "&"
    char16_t Char;         // 0: "&amp;", which becomes "&&"
};

constexpr std::array<Entity, 9> kEntities{{
    {u"AMP;", 0},
    {u"QUOT;", u'"'},
    {u"SECT;", 0xA7},
    {u"PERMIL;", 0x2030},
    {u"REG;", 0xAE},
    {u"COPY;", 0xA9},
    {u"PARA;", 0xB6},
    {u"TRADE;", 0x2122},
    {u"EURO;", 0x20AC},
}};

bool nameAt(QStringView text, qsizetype at, QStringView upperName)
{
    if (at + upperName.size() > text.size()) return false;
    for (qsizetype k = 0; k < upperName.size(); ++k)
        if (asciiUpper(text[at + k]) != upperName[k].unicode()) return false;
    return true;
}

// The entities decoded until none is left. Replacing any entity never
// makes a new one except "&amp;", whose second "&" may start one with what
// follows it; entities never overlap, so one pass from left to right that
// reads that second "&" again gives the text that repeated sweeps end with.
QString decodeEntities(const QString& text)
{
    QString out;
    out.reserve(text.size());
    qsizetype i = 0;
    bool pendingAmp = false;  // an "&" left by "&amp;" stands before index i
    while (i < text.size() || pendingAmp) {
        if (!pendingAmp && text[i] != u'&') {
            out += text[i++];
            continue;
        }
        const qsizetype rest = pendingAmp ? i : i + 1;
        const Entity* found = nullptr;
        for (const Entity& e : kEntities)
            if (nameAt(text, rest, e.Name)) {
                found = &e;
                break;
            }
        if (found == nullptr) {
            out += u'&';
            i = rest;
            pendingAmp = false;
        } else if (found->Char == 0) {
            out += u'&';
            i = rest + 4;
            pendingAmp = true;
        } else {
            out += QChar(found->Char);
            i = rest + QStringView(found->Name).size();
            pendingAmp = false;
        }
    }
    return out;
}

// Every "<#" loses its "<" and the first ">" after it goes, until no "<#"
// is left. Deleting a ">" (or a "<") can join a "<" and a "#" into a new
// "<#" at that place; the stack of kept characters finds those, and the
// ">"s owed are the next ones read.
QString plainHashTags(const QString& text)
{
    QString out;
    out.reserve(text.size());
    int owed = 0;
    const qsizetype n = text.size();
    auto joinBeforeHash = [&](qsizetype next) {
        while (next < n && text[next] == u'#' && !out.isEmpty() && out.back() == u'<') {
            out.chop(1);
            ++owed;
        }
    };
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = text[i];
        if (c == u'>' && owed > 0) {
            --owed;
            joinBeforeHash(i + 1);
        } else if (c == u'<' && i + 1 < n && text[i + 1] == u'#') {
            ++owed;
            joinBeforeHash(i + 1);
        } else {
            out += c;
        }
    }
    return out;
}

}  // namespace html_tags_detail

namespace ht = html_tags_detail;

QString PrepareHTMLText(const QString& text)
{
    QString prepared = text.contains(u'&') ? ht::decodeEntities(text) : text;
    if (prepared.contains(QStringLiteral("<#"))) prepared = ht::plainHashTags(prepared);
    if (prepared.contains(u'\r') || prepared.contains(u'\n')) {
        QString lines;
        lines.reserve(prepared.size() + 8);
        for (QChar c : prepared) {
            if (c == u'\r')
                lines += QStringLiteral("<BR>");
            else if (c != u'\n')
                lines += c;
        }
        prepared = lines;
    }
    return prepared;
}

QString DecodeHTMLRun(QStringView run)
{
    QString out = run.toString();
    if (!out.contains(u'&')) return out;
    out.replace(QStringLiteral("&nbsp;"), QStringLiteral(" "));
    out.replace(QStringLiteral("&lt;"), QStringLiteral("<"));
    out.replace(QStringLiteral("&gt;"), QStringLiteral(">"));
    return out;
}

THTMLTag ClassifyHTMLTag(QStringView text)
{
    if (text.size() < 3 || text[0] != u'<') return THTMLTag::Unknown;
    const bool closing = text[1] == u'/' && text.size() > 3;
    const qsizetype at = closing ? 2 : 1;
    const char16_t letter = ht::asciiUpper(text[at]);
    const char16_t next = ht::asciiUpper(text[at + 1]);
    const bool hasClose = text.contains(u'>');
    using enum THTMLTag;
    if (closing) {
        switch (letter) {
        case u'A': return AnchorEnd;
        case u'B': return next == u'>' ? BoldEnd : BlinkEnd;
        case u'E': return ErrorMarkEnd;
        case u'F': return FontEnd;
        case u'H': return HighlightEnd;
        case u'I': return ItalicEnd;
        case u'L': return ListItemEnd;
        case u'P': return ParagraphEnd;
        case u'R': return RotateEnd;
        case u'S': return next == u'U' ? SubSupEnd : next == u'H' ? ShadowEnd : StrikeEnd;
        case u'U': return next == u'>' ? UnderlineEnd : ListEnd;
        case u'Z': return HiddenEnd;
        default: return Unknown;
        }
    }
    switch (letter) {
    case u'A': return Anchor;
    case u'B':
        switch (next) {
        case u'>': return Bold;
        case u'R': return Break;
        case u'L': return Blink;
        case u'O': return Body;
        default: return Unknown;
        }
    case u'C': return Control;
    case u'E': return ErrorMark;
    case u'F': return hasClose ? Font : Unknown;
    case u'H': return next == u'I' ? Highlight : next == u'R' ? Rule : Unknown;
    case u'I': return next == u'>' ? Italic : next == u'N' ? Indent : next == u'M' ? Image : Unknown;
    case u'L': return ListItem;
    case u'P': return hasClose ? Paragraph : Unknown;
    case u'R': return Rotate;
    case u'S':
        if (next == u'>') return Strike;
        if (next == u'H') return Shadow;
        if (ht::nameAt(text, 1, u"SUB")) return Subscript;
        if (ht::nameAt(text, 1, u"SUP")) return Superscript;
        return Unknown;
    case u'U': return next == u'>' ? Underline : List;
    case u'Z': return Hidden;
    default: return Unknown;
    }
}

QStringView HTMLTagText(QStringView text)
{
    const qsizetype close = text.indexOf(u'>');
    return close < 0 ? text : text.left(close + 1);
}

QStringView HTMLTagAttribute(QStringView tag, QStringView name)
{
    const qsizetype at = tag.indexOf(name);
    if (at < 0) return {};
    const qsizetype open = tag.indexOf(u'"', at + name.size());
    if (open < 0) return {};
    const qsizetype close = tag.indexOf(u'"', open + 1);
    return close < 0 ? tag.mid(open + 1) : tag.mid(open + 1, close - open - 1);
}

QStringView HTMLTagAttributeAsWritten(QStringView tag, const QString& upperTag, QStringView name)
{
    const QStringView value = HTMLTagAttribute(upperTag, name);
    if (value.isEmpty()) return {};
    return tag.mid(value.data() - upperTag.data(), value.size());
}

int HTMLTagLetterNumber(QStringView tag, QChar letter, bool* isNumber)
{
    const qsizetype lower = tag.indexOf(letter.toLower());
    const qsizetype upper = tag.indexOf(letter.toUpper());
    const qsizetype at = lower < 0 ? upper : upper < 0 ? lower : std::min(lower, upper);
    if (at < 0) {
        if (isNumber != nullptr) *isNumber = false;
        return 0;
    }
    return LeadingNumber(HTMLTagAttribute(tag.mid(at), tag.mid(at, 1)), isNumber);
}

int HTMLTagNumberAfterEquals(QStringView tag, QStringView name, bool* isNumber)
{
    const qsizetype at = tag.indexOf(name);
    const qsizetype equals = at < 0 ? -1 : tag.indexOf(u'=', at + name.size());
    if (equals < 0) {
        if (isNumber != nullptr) *isNumber = false;
        return 0;
    }
    const qsizetype quote = tag.indexOf(u'"', equals + 1);
    return LeadingNumber(tag.mid(quote < 0 ? equals + 1 : quote + 1), isNumber);
}

QString HTMLUpper(QStringView text)
{
    QString upper = text.toString();
    for (QChar& c : upper) c = c.toUpper();
    return upper;
}

}  // namespace grid
