#include "platform/text_engine.h"

#include <algorithm>

#include <QFontMetrics>
#include <QPainter>

namespace platform {

namespace text_engine_detail {

const QString kEllipsis = QStringLiteral("...");

// The text with prefix characters resolved: "&&" -> "&", "&x" -> x (its
// position remembered); a trailing lone "&" is dropped.
QString resolvePrefix(const QString& text, unsigned flags, int& underlineAt)
{
    underlineAt = -1;
    if (flags & DT_NOPREFIX) return text;
    QString out;
    out.reserve(text.size());
    for (int i = 0; i < text.size(); ++i) {
        if (text[i] == u'&') {
            if (i + 1 >= text.size()) break;
            ++i;
            if (text[i] != u'&' && underlineAt < 0 && !(flags & DT_HIDEPREFIX)) underlineAt = int(out.size());
        }
        out += text[i];
    }
    return out;
}

int tabWidth(const QFontMetrics& fm) { return std::max(1, 8 * fm.averageCharWidth()); }

// Splits into paragraphs at CR LF, CR or LF; start offsets into text.
struct Paragraph {
    int Start;
    QString Text;
};

std::vector<Paragraph> splitParagraphs(const QString& text)
{
    std::vector<Paragraph> out;
    int start = 0;
    for (int i = 0; i < text.size(); ++i) {
        if (text[i] == u'\r' || text[i] == u'\n') {
            out.push_back({start, text.mid(start, i - start)});
            if (text[i] == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') ++i;
            start = i + 1;
        }
    }
    out.push_back({start, text.mid(start)});
    return out;
}

struct RawLine {
    int Start;  // offset into the resolved text
    QString Text;
};

// Greedy word wrap of one paragraph into lines no wider than maxWidth.
void wrapParagraph(const QFontMetrics& fm, const Paragraph& p, int maxWidth, unsigned flags, std::vector<RawLine>& out)
{
    const QString& s = p.Text;
    if (s.isEmpty()) {
        out.push_back({p.Start, QString()});
        return;
    }
    int lineStart = 0;
    int pos = 0;
    const int n = int(s.size());
    while (lineStart < n) {
        // Extend word by word.
        int lastFit = -1;  // end of the last word that fits (exclusive)
        pos = lineStart;
        while (pos < n) {
            int wordEnd = pos;
            while (wordEnd < n && s[wordEnd] == u' ') ++wordEnd;
            while (wordEnd < n && s[wordEnd] != u' ') ++wordEnd;
            const int w = TextEngine::LineWidth(fm, s.mid(lineStart, wordEnd - lineStart), flags);
            if (w <= maxWidth || maxWidth <= 0) {
                lastFit = wordEnd;
                pos = wordEnd;
            } else {
                break;
            }
        }
        int lineEnd;
        if (lastFit > lineStart) {
            lineEnd = lastFit;
        } else {
            // The first word alone is too wide: break it between characters.
            lineEnd = lineStart + 1;
            while (lineEnd < n && s[lineEnd] != u' '
                   && TextEngine::LineWidth(fm, s.mid(lineStart, lineEnd + 1 - lineStart), flags) <= maxWidth)
                ++lineEnd;
        }
        QString lineText = s.mid(lineStart, lineEnd - lineStart);
        while (lineText.endsWith(u' ')) lineText.chop(1);
        out.push_back({p.Start + lineStart, lineText});
        lineStart = lineEnd;
        while (lineStart < n && s[lineStart] == u' ') ++lineStart;
    }
}

QString elide(const QFontMetrics& fm, QString text, int maxWidth, unsigned flags, bool force)
{
    if (!force && TextEngine::LineWidth(fm, text, flags) <= maxWidth) return text;
    while (!text.isEmpty() && TextEngine::LineWidth(fm, text + kEllipsis, flags) > maxWidth) text.chop(1);
    return text + kEllipsis;
}

}  // namespace text_engine_detail

int TextEngine::LineWidth(const QFontMetrics& fm, const QString& line, unsigned flags)
{
    if (!(flags & DT_EXPANDTABS) || !line.contains(u'\t')) return fm.horizontalAdvance(line);
    const int tab = text_engine_detail::tabWidth(fm);
    int x = 0;
    const auto parts = line.split(u'\t');
    for (int i = 0; i < parts.size(); ++i) {
        x += fm.horizontalAdvance(parts[i]);
        if (i + 1 < parts.size()) x = (x / tab + 1) * tab;
    }
    return x;
}

TextLayout TextEngine::Layout(const QFont& font, const QString& text, const TRect& rect, unsigned flags)
{
    using namespace text_engine_detail;
    const QFontMetrics fm(font);
    TextLayout layout;
    layout.LineHeight = fm.height() + ((flags & DT_EXTERNALLEADING) ? std::max(0, fm.leading()) : 0);

    int underlineAt = -1;
    const QString resolved = resolvePrefix(text, flags, underlineAt);
    const int maxWidth = rect.Width();
    const bool ellipsis = flags & (DT_END_ELLIPSIS | DT_WORD_ELLIPSIS);

    std::vector<RawLine> raw;
    if (flags & DT_SINGLELINE) {
        QString one;
        std::vector<int> map;  // resolved offset of each kept character
        for (int i = 0; i < resolved.size(); ++i) {
            if (resolved[i] == u'\r' || resolved[i] == u'\n') continue;
            one += resolved[i];
            map.push_back(i);
        }
        int ul = -1;
        for (int i = 0; i < int(map.size()); ++i)
            if (map[i] == underlineAt) ul = i;
        underlineAt = ul;
        raw.push_back({0, one});
    } else {
        for (const auto& p : splitParagraphs(resolved)) {
            if (flags & DT_WORDBREAK)
                wrapParagraph(fm, p, maxWidth, flags, raw);
            else
                raw.push_back({p.Start, p.Text});
        }
    }

    // Lines cut at the bottom: with an ellipsis flag and word break, only the
    // lines that fit are kept and the last of them ends in "...".
    bool cutAtBottom = false;
    if (ellipsis && (flags & DT_WORDBREAK) && !(flags & DT_SINGLELINE) && rect.Height() > 0) {
        const int fit = std::max(1, rect.Height() / std::max(1, layout.LineHeight));
        if (int(raw.size()) > fit) {
            raw.resize(fit);
            cutAtBottom = true;
        }
    }

    int widest = 0;
    for (int i = 0; i < int(raw.size()); ++i) {
        TextLine line;
        line.Text = raw[i].Text;
        const int start = raw[i].Start;
        if (underlineAt >= start && underlineAt < start + int(line.Text.size())) line.UnderlineAt = underlineAt - start;
        if (ellipsis) {
            const bool last = i + 1 == int(raw.size());
            const QString before = line.Text;
            line.Text = elide(fm, line.Text, maxWidth, flags, last && cutAtBottom);
            if (line.Text != before && line.UnderlineAt >= int(line.Text.size()) - int(kEllipsis.size()))
                line.UnderlineAt = -1;
        }
        line.Width = LineWidth(fm, line.Text, flags);
        widest = std::max(widest, line.Width);
        layout.Lines.push_back(std::move(line));
    }
    layout.TextHeight = int(layout.Lines.size()) * layout.LineHeight;

    // Placement: lines aligned within the rectangle, the block aligned vertically.
    int top = rect.Top;
    if (flags & DT_VCENTER)
        top = rect.Top + (rect.Height() - layout.TextHeight) / 2;
    else if (flags & DT_BOTTOM)
        top = rect.Bottom - layout.TextHeight;
    int boundsLeft = rect.Right;
    int boundsRight = rect.Left;
    for (int i = 0; i < int(layout.Lines.size()); ++i) {
        TextLine& line = layout.Lines[i];
        if (flags & DT_RIGHT)
            line.X = rect.Right - line.Width;
        else if (flags & DT_CENTER)
            line.X = rect.Left + (rect.Width() - line.Width) / 2;
        else
            line.X = rect.Left;
        line.Y = top + i * layout.LineHeight;
        boundsLeft = std::min(boundsLeft, line.X);
        boundsRight = std::max(boundsRight, line.X + line.Width);
    }
    if (layout.Lines.empty() || widest == 0) boundsLeft = boundsRight = rect.Left;
    layout.Bounds = TRect(boundsLeft, top, boundsRight, top + layout.TextHeight);
    return layout;
}

void TextEngine::DrawLayout(QPainter& painter, const QFont& font, const TextLayout& layout, const TRect& clip,
                            unsigned flags, const QColor& background)
{
    const QFontMetrics fm(font);
    painter.save();
    painter.setFont(font);
    if (!(flags & DT_NOCLIP)) painter.setClipRect(clip.toQRect(), Qt::IntersectClip);
    if (flags & DT_RTLREADING) painter.setLayoutDirection(Qt::RightToLeft);
    const int tab = text_engine_detail::tabWidth(fm);
    for (const TextLine& line : layout.Lines) {
        if ((flags & DT_EDITCONTROL) && &line != &layout.Lines.front() && line.Y + layout.LineHeight > clip.Bottom)
            break;
        if (background.isValid()) painter.fillRect(QRect(line.X, line.Y, line.Width, layout.LineHeight), background);
        const int baseline = line.Y + fm.ascent();
        if ((flags & DT_EXPANDTABS) && line.Text.contains(u'\t')) {
            int x = 0;
            const auto parts = line.Text.split(u'\t');
            for (int i = 0; i < parts.size(); ++i) {
                painter.drawText(QPoint(line.X + x, baseline), parts[i]);
                x += fm.horizontalAdvance(parts[i]);
                if (i + 1 < parts.size()) x = (x / tab + 1) * tab;
            }
        } else {
            painter.drawText(QPoint(line.X, baseline), line.Text);
        }
        if (line.UnderlineAt >= 0) {
            const int x0 = line.X + TextEngine::LineWidth(fm, line.Text.left(line.UnderlineAt), flags);
            const int w = fm.horizontalAdvance(line.Text.at(line.UnderlineAt));
            const int y = baseline + std::max(1, fm.underlinePos());
            painter.fillRect(QRect(x0, y, std::max(1, w), std::max(1, fm.lineWidth())), painter.pen().color());
        }
    }
    painter.restore();
}

int TextEngine::DrawText(QPainter* painter, const QFont& font, const QString& text, TRect& rect, unsigned flags,
                         const QColor& background)
{
    const TextLayout layout = Layout(font, text, rect, flags);
    if (flags & DT_CALCRECT) {
        rect.Right = rect.Left + layout.Bounds.Width();
        rect.Bottom = rect.Top + layout.TextHeight;
        return layout.TextHeight;
    }
    if (painter) DrawLayout(*painter, font, layout, rect, flags, background);
    return layout.TextHeight;
}

}  // namespace platform
