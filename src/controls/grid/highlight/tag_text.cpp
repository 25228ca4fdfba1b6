#include "controls/grid/highlight/tag_text.h"

#include <vector>

#include "controls/grid/text/grid_text_utils.h"

namespace grid::highlight {

namespace tag_text_detail {

// Which characters of the text are visible: tags run from a "<" to the next
// ">"; a ">" before the next "<", or a "<" without a later ">", ends the tags
// and the rest is visible.
std::vector<char> VisibleMask(const QString& text)
{
    std::vector<char> visible(size_t(text.size()), 1);
    qsizetype i = 0;
    for (;;) {
        const qsizetype p = text.indexOf(u'<', i);
        const qsizetype q = text.indexOf(u'>', i);
        if (p < 0 || q < 0 || q < p) break;
        for (qsizetype k = p; k <= q; ++k) visible[size_t(k)] = 0;
        i = q + 1;
    }
    return visible;
}

QString EncodeAngles(QString text)
{
    text.replace(u'<', QStringLiteral("&lt;"));
    text.replace(u'>', QStringLiteral("&gt;"));
    return text;
}

struct TMatch {
    qsizetype Start, End;  // visible-character indexes, End exclusive
};

bool HasMarkupCharacter(const QString& text)
{
    for (QChar c : text)
        if (c == u'<' || c == u'>' || c == u'&' || c == u'"') return true;
    return false;
}

bool IsMiniHTML(const QString& text) { return TextType(text, true) == 1; }

}  // namespace tag_text_detail

QString EncodeHTMLEntities(const QString& text)
{
    if (!tag_text_detail::HasMarkupCharacter(text)) return text;
    QString out;
    out.reserve(text.size());
    for (QChar c : text) {
        switch (c.unicode()) {
        case u'&': out += QStringLiteral("&amp;"); break;
        case u'"': out += QStringLiteral("&quot;"); break;
        case u'<': out += QStringLiteral("&lt;"); break;
        case u'>': out += QStringLiteral("&gt;"); break;
        default: out += c;
        }
    }
    return out;
}

QString DecodeHTMLEntities(const QString& text)
{
    static const struct {
        const char16_t* Entity;
        QChar Char;
    } entities[] = {{u"&lt;", u'<'}, {u"&gt;", u'>'}, {u"&amp;", u'&'}, {u"&quot;", u'"'}};
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size();) {
        bool decoded = false;
        if (text[i] == u'&') {
            for (const auto& e : entities) {
                const QStringView entity(e.Entity);
                if (QStringView(text).mid(i).startsWith(entity)) {
                    out += e.Char;
                    i += entity.size();
                    decoded = true;
                    break;
                }
            }
        }
        if (!decoded) out += text[i++];
    }
    return out;
}

QString HighlightHTMLText(const QString& text, const QString& find, const QString& tag, bool caseSensitive)
{
    namespace d = tag_text_detail;
    if (find.isEmpty()) return text;
    const bool hasTags = text.contains(u'<') && text.contains(u'>');
    QString work = text;
    QString wanted = find;
    std::vector<char> visible;
    QString shown = text;
    if (hasTags) {
        visible = d::VisibleMask(work);
        shown.clear();
        for (qsizetype i = 0; i < work.size(); ++i)
            if (visible[size_t(i)]) shown += work[i];
    }
    if (text.contains(find) && (shown.contains(u'<') || shown.contains(u'>'))) {
        // The visible text's own angle brackets would read as tags: write
        // them as entities and give up the tags.
        shown = d::EncodeAngles(shown);
        wanted = d::EncodeAngles(wanted);
        work = shown;
        visible.assign(size_t(work.size()), 1);
    }
    const search::TTextNeedle needle(wanted, caseSensitive ? Qt::CaseSensitive : Qt::CaseInsensitive);
    std::vector<d::TMatch> matches;
    for (qsizetype from = 0;;) {
        const qsizetype at = needle.IndexIn(shown, from);
        if (at < 0) break;
        matches.push_back({at, at + wanted.size()});
        from = at + wanted.size();
    }
    // Nothing visible to mark: the text stays as it is, tags and all.
    if (matches.empty()) return text;

    const QString open = QLatin1Char('<') + tag + QLatin1Char('>');
    const QString close = QStringLiteral("</") + tag + QLatin1Char('>');
    QString out;
    out.reserve(work.size() + qsizetype(matches.size()) * (open.size() + close.size()));
    if (visible.empty()) {
        // No tags: visible and source positions are the same.
        qsizetype pos = 0;
        for (const d::TMatch& m : matches) {
            out += QStringView(work).mid(pos, m.Start - pos);
            out += open;
            out += QStringView(work).mid(m.Start, m.End - m.Start);
            out += close;
            pos = m.End;
        }
        out += QStringView(work).mid(pos);
        return out;
    }
    // An opening mark goes right before the first visible character of its
    // occurrence, a closing mark right after the last, so that the marks
    // nest inside the tags around them.
    size_t m = 0;
    qsizetype v = 0;
    for (qsizetype i = 0; i < work.size(); ++i) {
        const bool isVisible = visible[size_t(i)] != 0;
        if (isVisible && m < matches.size() && matches[m].Start == v) out += open;
        out += work[i];
        if (!isVisible) continue;
        ++v;
        if (m < matches.size() && matches[m].End == v) {
            out += close;
            ++m;
        }
    }
    return out;
}

QString RemoveTag(const QString& text, const QString& tag)
{
    QString out = text;
    out.remove(QLatin1Char('<') + tag + QLatin1Char('>'), Qt::CaseInsensitive);
    out.remove(QStringLiteral("</") + tag + QLatin1Char('>'), Qt::CaseInsensitive);
    return out;
}

bool HasTag(const QString& text, const QString& tag)
{
    return text.contains(QLatin1Char('<') + tag + QLatin1Char('>'), Qt::CaseInsensitive) ||
           text.contains(QStringLiteral("</") + tag + QLatin1Char('>'), Qt::CaseInsensitive);
}

QString UnHighlightHTMLText(const QString& text, const QString& tag)
{
    QString out = RemoveTag(text, tag);
    out.replace(QStringLiteral("&lt;"), QStringLiteral("<"));
    out.replace(QStringLiteral("&gt;"), QStringLiteral(">"));
    return out;
}

QString HilightText(bool doCase, const QString& s, const QString& text)
{
    return HighlightHTMLText(s, text, QLatin1String(kHighlightTag), doCase);
}

QString UnHilightText(const QString& s) { return UnHighlightHTMLText(s, QLatin1String(kHighlightTag)); }

QString MarkText(bool doCase, const QString& s, const QString& text)
{
    return HighlightHTMLText(s, text, QLatin1String(kErrorTag), doCase);
}

QString UnMarkText(const QString& s) { return UnHighlightHTMLText(s, QLatin1String(kErrorTag)); }

TCellTagger::TCellTagger(const QString& hiText, const QString& tag, bool doCase)
    : FHiText(hiText),
      FEncodedHiText(EncodeHTMLEntities(hiText)),
      FTag(tag),
      FOpen(QLatin1Char('<') + tag + QLatin1Char('>')),
      FClose(QStringLiteral("</") + tag + QLatin1Char('>')),
      FDoCase(doCase),
      FNeedle(hiText, doCase ? Qt::CaseSensitive : Qt::CaseInsensitive)
{
}

QString TCellTagger::Tag(const QString& text) const
{
    namespace d = tag_text_detail;
    if (FHiText.isEmpty()) return text;
    if (!d::HasMarkupCharacter(text)) {
        // Plain text without mark-up characters: every character is visible
        // and reads the same once encoded.
        qsizetype at = FNeedle.IndexIn(text);
        if (at < 0) return text;
        QString out;
        out.reserve(text.size() + 2 * (FOpen.size() + FClose.size()));
        qsizetype pos = 0;
        for (; at >= 0; at = FNeedle.IndexIn(text, pos)) {
            out += QStringView(text).mid(pos, at - pos);
            out += FOpen;
            out += QStringView(text).mid(at, FNeedle.Size());
            out += FClose;
            pos = at + FNeedle.Size();
        }
        out += QStringView(text).mid(pos);
        return out;
    }
    const QString source = d::IsMiniHTML(text) ? text : EncodeHTMLEntities(text);
    const QString tagged = HighlightHTMLText(source, FEncodedHiText, FTag, FDoCase);
    return tagged == source ? text : tagged;
}

TCellUntagger::TCellUntagger(const QString& tag)
    : FTag(tag),
      FOpen(QLatin1Char('<') + tag + QLatin1Char('>'), Qt::CaseInsensitive),
      FClose(QStringLiteral("</") + tag + QLatin1Char('>'), Qt::CaseInsensitive)
{
}

QString TCellUntagger::WithoutTags(const QString& text) const
{
    QString out;
    out.reserve(text.size());
    qsizetype pos = 0;
    for (;;) {
        const qsizetype open = FOpen.IndexIn(text, pos);
        const qsizetype close = FClose.IndexIn(text, pos);
        if (open < 0 && close < 0) break;
        const bool openFirst = close < 0 || (open >= 0 && open < close);
        const qsizetype at = openFirst ? open : close;
        out += QStringView(text).mid(pos, at - pos);
        pos = at + (openFirst ? FOpen.Size() : FClose.Size());
    }
    out += QStringView(text).mid(pos);
    return out;
}

QString TCellUntagger::Untag(const QString& text) const
{
    if (!HasTag(text)) return text;
    const QString untagged = WithoutTags(text);
    if (!untagged.contains(u'<') && !untagged.contains(u'&')) return untagged;
    return tag_text_detail::IsMiniHTML(untagged) ? untagged : DecodeHTMLEntities(untagged);
}

QString TagCellText(const QString& text, const QString& hiText, const QString& tag, bool doCase)
{
    return TCellTagger(hiText, tag, doCase).Tag(text);
}

QString UnTagCellText(const QString& text, const QString& tag) { return TCellUntagger(tag).Untag(text); }

}  // namespace grid::highlight
