#pragma once

// The tag reader of the mini-HTML dialect, without any drawing: how a text is
// prepared for layout, which tag a "<" starts, and how attribute values are
// read from a tag's text. A tag is known by its first one or two letters,
// values are found by searching the tag's text, and nothing is an error.

#include <QString>
#include <QStringView>

namespace grid {

enum class THTMLTag {
    Unknown,
    Anchor, AnchorEnd,            // A, /A
    Bold, BoldEnd,                // B, /B
    Break,                        // BR
    Blink, BlinkEnd,              // BLINK; /BLINK and /BODY
    Body,                         // BODY
    Control,                      // CONTROL
    ErrorMark, ErrorMarkEnd,      // E, /E
    Font, FontEnd,                // FONT, /FONT
    Highlight, HighlightEnd,      // HI, /HI
    Rule,                         // HR
    Italic, ItalicEnd,            // I, /I
    Indent,                       // IND
    Image,                        // IMG
    ListItem, ListItemEnd,        // LI, /LI
    Paragraph, ParagraphEnd,      // P, /P
    Rotate, RotateEnd,            // R, /R
    Strike, StrikeEnd,            // S, /S
    Shadow, ShadowEnd,            // SHAD, /SHAD
    Subscript, Superscript,       // SUB, SUP
    SubSupEnd,                    // /SUB, /SUP
    Underline, UnderlineEnd,      // U, /U
    List, ListEnd,                // UL, /UL
    Hidden, HiddenEnd,            // Z, /Z
};

// The text ready for the line engine: entities of the dialect decoded until
// none is left ("&amp;" becomes "&&", which draws one "&"), every "<#" made
// plain text (its "<" and the next ">" go), CR made a BR tag and LF dropped.
QString PrepareHTMLText(const QString& text);

// A text run as drawn: "&nbsp;", "&lt;" and "&gt;" (written exactly so).
QString DecodeHTMLRun(QStringView run);

// The tag at the start of text (which starts with "<" and has at least three
// characters).
THTMLTag ClassifyHTMLTag(QStringView text);

// The tag's text: up to and including its first ">", or the whole rest.
QStringView HTMLTagText(QStringView text);
// The value of an attribute: what stands between the first double quote
// after the first occurrence of name and the next one (to the end of the
// tag without it); empty when the name or the quote is missing. The name is
// searched as written, so callers pass an upper-cased tag for any case.
QStringView HTMLTagAttribute(QStringView tag, QStringView name);
// The same value found in an upper-cased copy of the tag (HTMLUpper), taken
// from the tag as written: names in any case, the value's case kept.
QStringView HTMLTagAttributeAsWritten(QStringView tag, const QString& upperTag, QStringView name);
// The number between the double quotes after the first letter `letter`
// (either case) of the tag, as the x="20" of IND and the a="90" of R.
int HTMLTagLetterNumber(QStringView tag, QChar letter, bool* isNumber);
// The number after "=" behind name (after a double quote when one follows).
int HTMLTagNumberAfterEquals(QStringView tag, QStringView name, bool* isNumber);

// Upper case character by character (positions stay the same).
QString HTMLUpper(QStringView text);

}  // namespace grid
