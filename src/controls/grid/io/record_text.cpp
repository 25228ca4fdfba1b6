#include "controls/grid/io/record_text.h"

#include "controls/grid/text/grid_text_utils.h"

namespace grid::io {

namespace {

constexpr char16_t Cr = u'\r';
constexpr char16_t Lf = u'\n';
constexpr char16_t EncodedCr = 9;
constexpr char16_t EncodedLf = 8;
constexpr char16_t EncodedNul = 1;
constexpr char16_t Literal = 2;

bool NeedsEncoding(const QString& text)
{
    for (QChar c : text) {
        const char16_t u = c.unicode();
        if (u == Cr || u == Lf || u == EncodedLf) return true;
    }
    return false;
}

}  // namespace

QString NormalizeLineBreaks(const QString& text)
{
    if (!text.contains(QChar(Cr)) && !text.contains(QChar(Lf))) return text;
    QString out;
    out.reserve(text.size() + 8);
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t u = text[i].unicode();
        if (u == Cr) {
            out += QStringLiteral("\r\n");
            if (i + 1 < n && text[i + 1].unicode() == Lf) ++i;
        } else if (u == Lf) {
            out += QStringLiteral("\r\n");
        } else {
            out += text[i];
        }
    }
    return out;
}

QString EncodeRecordText(const QString& text)
{
    if (!NeedsEncoding(text)) return text;
    const QString normal = NormalizeLineBreaks(text);
    QString out;
    out.reserve(normal.size() + 4);
    for (QChar c : normal) {
        switch (c.unicode()) {
        case Cr: out += QChar(EncodedCr); break;
        case Lf: out += QChar(EncodedLf); break;
        case 0: out += QChar(EncodedNul); break;
        case EncodedCr:
        case EncodedLf:
        case EncodedNul:
        case Literal:
            out += QChar(Literal);
            out += c;
            break;
        default: out += c;
        }
    }
    return out;
}

namespace {

// The text with its encoded characters decoded (only called on a text
// holding character 8).
QString DecodedText(QStringView text)
{
    QString out;
    out.reserve(text.size());
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t u = text[i].unicode();
        if (u == Literal && i + 1 < n) {
            const char16_t next = text[i + 1].unicode();
            if (next == EncodedCr || next == EncodedLf || next == EncodedNul || next == Literal) {
                out += QChar(next);
                ++i;
                continue;
            }
        }
        switch (u) {
        case EncodedCr: out += QChar(Cr); break;
        case EncodedLf: out += QChar(Lf); break;
        case EncodedNul: out += QChar(char16_t(0)); break;
        default: out += text[i];
        }
    }
    return out;
}

}  // namespace

QString DecodeRecordText(const QString& text, bool multiLine)
{
    QString out = text.contains(QChar(EncodedLf)) ? DecodedText(text) : text;
    if (!multiLine) return CutFirstLine(out, false);
    return out;
}

QString DecodeRecordText(QStringView text, bool multiLine)
{
    if (!multiLine) return DecodeRecordText(text.toString(), false);
    return text.contains(QChar(EncodedLf)) ? DecodedText(text) : text.toString();
}

}  // namespace grid::io
