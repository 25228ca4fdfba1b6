#include "controls/grid/clipboard/clipboard_text.h"

#include <algorithm>

#include "controls/grid/text/grid_text_utils.h"

namespace grid::clipboard {

namespace {

bool isLineBreak(QChar c) { return c == u'\r' || c == u'\n'; }
bool endsField(QChar c) { return c == u'\t' || isLineBreak(c); }

// The quoted field starting at `pos` (a double quote): true with its text and
// the position after its closing quote when it is one (see ParseTextBlock).
bool readQuoted(QStringView text, qsizetype pos, QString& field, qsizetype& next)
{
    QString content;
    bool multiLine = false;
    for (qsizetype j = pos + 1; j < text.size(); ++j) {
        const QChar c = text[j];
        if (c != u'"') {
            multiLine = multiLine || isLineBreak(c);
            content += c;
            continue;
        }
        if (j + 1 < text.size() && text[j + 1] == u'"') {
            content += u'"';
            ++j;
            continue;
        }
        if (!multiLine || (j + 1 < text.size() && !endsField(text[j + 1]))) return false;
        VTToCRLF(content);
        field = std::move(content);
        next = j + 1;
        return true;
    }
    return false;
}

}  // namespace

QString QuoteField(const QString& text)
{
    if (!text.contains(u'\r') && !text.contains(u'\n')) return text;
    QString out;
    out.reserve(text.size() + 2);
    out += u'"';
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == u'\r') {
            out += u'\n';
            if (i + 1 < text.size() && text[i + 1] == u'\n') ++i;
        } else if (c == u'"') {
            out += QStringLiteral("\"\"");
        } else {
            out += c;
        }
    }
    out += u'"';
    return out;
}

qsizetype TTextBlock::CellCount() const { return EndsWithBreak() ? FieldCount - 1 : FieldCount; }

TTextBlock ParseTextBlock(QStringView text)
{
    if (const qsizetype nul = text.indexOf(QChar(0)); nul >= 0) text = text.left(nul);
    TTextBlock block;
    TTextLine line;
    qsizetype pos = 0;
    const qsizetype n = text.size();
    for (;;) {
        QString field;
        qsizetype next = pos;
        if (pos < n && text[pos] == u'"' && readQuoted(text, pos, field, next)) {
            pos = next;
        } else {
            qsizetype j = pos;
            while (j < n && !endsField(text[j])) ++j;
            field = text.mid(pos, j - pos).toString();
            pos = j;
        }
        line.Fields << field;
        ++block.FieldCount;
        if (pos >= n) break;
        if (text[pos] == u'\t') {
            ++pos;
            continue;
        }
        // a line break: CR LF, a lone CR or a lone LF
        if (text[pos] == u'\r' && pos + 1 < n && text[pos + 1] == u'\n') ++pos;
        ++pos;
        line.Break = true;
        block.Lines.push_back(std::move(line));
        line = TTextLine();
    }
    block.Lines.push_back(std::move(line));
    return block;
}

QPoint TextBlockSize(const TTextBlock& block)
{
    int x = 1, y = -1;
    for (const TTextLine& line : block.Lines) {
        x = std::max(x, int(line.Fields.size()));
        if (!line.IsEmpty()) ++y;
    }
    return {x, y};
}

}  // namespace grid::clipboard
