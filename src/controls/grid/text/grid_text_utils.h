#pragma once

// Free functions, without state, that the grid family uses to look at and
// transform cell text: the kind of text a cell holds, packed wide text, the
// encodings of multi-line text for one-line storage and CSV, and a handful of
// string helpers. Text positions are 1-based; 0 means "not found".

#include <QChar>
#include <QRect>
#include <QString>
#include <QStringList>

namespace grid {

// ---------------------------------------------------------------- text kinds

// Kind codes returned by TextType (4 is never produced).
enum TextKind : int {
    TextKindPlain = 0,
    TextKindHtml = 1,
    TextKindRichText = 2,
    TextKindFormula = 3,
    TextKindPackedWide = 5,
};

// The kind of a cell text: "=" starts a formula (also a packed wide text whose
// first character is "="), "|\" a packed wide text, "{\" rich text; with HTML
// enabled a text holding "</", "<B", "<I" or "<C" is HTML; all else is plain.
int TextType(const QString& text, bool htmlEnabled);

// The prefix of a packed wide text.
inline constexpr QStringView PackedWidePrefix = u"|\\";

// "|\" followed by two characters per character of `wide`: one whose code is
// the high byte, one whose code is the low byte.
QString PackWideText(const QString& wide);
// The inverse of PackWideText; an odd last character is ignored. A text
// without the "|\" prefix is returned as it is.
QString UnpackWideText(const QString& text);
// Position of the first occurrence of `sub` in `text`, 0 when absent.
int WidePos(const QString& sub, const QString& text);

// ------------------------------------------------------------- line breaks

// One-line cell storage: when the text holds a CR, CR -> character 9,
// LF -> character 8, NUL -> character 1.
QString EncodeCellLineBreaks(const QString& text);
// The inverse, applied only when the text holds character 8. Without
// multi-line only the first line of the result is returned.
QString DecodeCellLineBreaks(const QString& text, bool multiLine);

// CSV cell: each CR LF -> character 11, then the text in double quotes.
void CSVQuoteLines(QString& text);
// Each character 11 -> CR LF.
void VTToCRLF(QString& text);
// Deletes the CR of each CR LF pair.
void CRLFToLF(QString& text);
// Every double quote doubled (CSV field escaping).
QString DoubleQuotes(const QString& text);
// Each doubled occurrence of `c` collapsed to one.
QString UndoubleChar(QChar c, const QString& text);

// Position of the first unescaped `c`: the last character of the first run
// of `c` of odd length that another character follows, or the text's length
// when the text ends with `c`; 0 when there is none. Also stored in `pos`.
int SingleCharPos(QChar c, const QString& text, int& pos);
// How often SingleCharPos finds a position when the text is cut after each.
int SingleCharCount(QChar c, const QString& text);
// Occurrences of `c`.
int CharCount(QChar c, const QString& text);

// Tilde encoding: CR -> "~", LF dropped; back: "~" -> CR LF, and a result
// that is exactly "^" becomes empty.
void CRToTilde(QString& text);
void TildeToCRLF(QString& text);
// Backslash-n encoding: CR -> "\n" (two characters), LF dropped; back: each
// "\n" -> CR.
QString CRToBackslashN(const QString& text);
QString BackslashNToCR(const QString& text);
// Every CR replaced by LF.
QString CRToLF(const QString& text);
// Every CR removed.
QString RemoveCR(const QString& text);

// The text up to its first CR (an LF right after it is skipped). With
// `keepRest` the caller's text keeps the lines after it, otherwise it is
// emptied; a text without CR is returned whole and emptied.
QString CutFirstLine(QString& text, bool keepRest);
// 1 + number of CRs with multi-line, otherwise 1.
int TextLineCount(const QString& text, bool multiLine);

// OEM code page (CSV files with the OEM option). TextToOem leaves one
// character per OEM byte (code 0..255) in the text, as written to the file;
// OemToText reads such a text back.
void TextToOem(QString& text);
void OemToText(QString& text);

// ------------------------------------------------------------ other helpers

// Name-style capitalisation ("john o'neil-smith iii" -> "John O'Neil-Smith
// III", "mcdonald" -> "McDonald").
QString MixedCaseText(const QString& text);
// Every character replaced by `c` (password masking).
void FillWithChar(QString& text, QChar c);
// Position of `upperSub` in `text` with the text's a..z taken as A..Z.
int UpperCasePos(const QString& upperSub, const QString& text);
// Position of the first occurrence, also stored in `pos`.
int VarPos(const QString& sub, const QString& text, int& pos);
int CharPos(QChar c, const QString& text);
int VarCharPos(QChar c, const QString& text, int& pos);
// The part of `text` before the first `delimiter`; the token and the
// delimiter's first character are deleted from `text`. Without the
// delimiter the token is empty and `text` stays.
QString CutToken(QString& text, const QString& delimiter);
// All lines joined with no separator.
QString ConcatStrings(const QStringList& lines);
// True when the cell lies in the rectangle of cells (left, top, right and
// bottom inclusive, as QRect::left()/top()/right()/bottom() give them).
bool CellInGridRect(const QRect& cells, int col, int row);
int IntMax(int a, int b);
int IntMin(int a, int b);
// Size limits of the auto-size operations: 0 means no limit; equal limits
// mean none either.
int ApplySizeLimits(int value, int minimum, int maximum);

}  // namespace grid
