#pragma once

// A small reader and writer of rich-text source (RTF) for what the grid's
// rich cells and its rich-text editor hold: plain runs with bold, italic,
// underline and strike-out, a font, a size, a colour, sub- and superscript,
// paragraphs with their alignment, line breaks and any Unicode character.
// Whatever else a pasted source carries (pictures, tables, style sheets,
// fields' instructions, unknown destinations) is skipped, never read as text.

#include <cstdint>
#include <optional>

#include <QByteArray>
#include <QList>
#include <QRgb>
#include <QString>

namespace platform {

enum class TRtfAlignment : uint8_t { Left, Center, Right, Justify };
// Vertical offset of characters: the rich edit's -40 / +40 twips.
enum class TRtfScript : uint8_t { Normal, Subscript, Superscript };

struct TRtfCharFormat {
    bool Bold = false;
    bool Italic = false;
    bool Underline = false;
    bool StrikeOut = false;
    QString FontName;                // empty: the document's default font
    int HalfPoints = 0;              // font size in half points; 0: default size
    std::optional<QRgb> Color;       // none: the default text colour
    TRtfScript Script = TRtfScript::Normal;
    bool operator==(const TRtfCharFormat&) const = default;
};

// A run of text in one format; a line break inside a paragraph is U+2028.
struct TRtfRun {
    QString Text;
    TRtfCharFormat Format;
    bool operator==(const TRtfRun&) const = default;
};

struct TRtfParagraph {
    TRtfAlignment Alignment = TRtfAlignment::Left;
    QList<TRtfRun> Runs;
    bool operator==(const TRtfParagraph&) const = default;
    QString PlainText() const;
};

struct TRtfDocument {
    QList<TRtfParagraph> Paragraphs;
    bool operator==(const TRtfDocument&) const = default;
    // The paragraphs' texts joined with "\n" (line breaks stay U+2028).
    QString PlainText() const;
    // Neighbouring runs of one format merged, empty runs dropped.
    void Normalize();
};

constexpr char16_t RtfLineBreak = u'\u2028';

// True when the bytes begin (after blanks) with the RTF header "{\rtf".
bool IsRtfSource(const QByteArray& source);
// Reads rich-text source; never fails: what it cannot read is skipped, and
// a source that is no RTF at all reads as its plain text in one paragraph.
TRtfDocument ReadRtf(const QByteArray& source);
// Writes the document as 7-bit rich-text source.
QByteArray WriteRtf(const TRtfDocument& document);

}  // namespace platform
