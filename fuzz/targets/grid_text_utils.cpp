// The grid's text utilities on cell texts: text kinds, packed wide text, the
// line-break encodings, quoting, positions and tokens.
//
// Input: a flag byte, a character (two bytes), a second text up to the first
// line feed (substring, delimiter), the cell text after it.

#include "controls/grid/text/grid_text_utils.h"
#include "fuzz_support.h"
#include "fuzz_target.h"

namespace {

bool isPosition(int position, const QString& text)
{
    return position >= 0 && position <= text.size();
}

// Encodings whose inverse gives the text back.
void checkInverses(const QString& text)
{
    FUZZ_CHECK_EQUAL(grid::UnpackWideText(grid::PackWideText(text)), text);
    FUZZ_CHECK_EQUAL(grid::UndoubleChar(u'"', grid::DoubleQuotes(text)), text);
    if (!text.contains(u'\n') && !text.contains(QStringLiteral("\\n")))
        FUZZ_CHECK_EQUAL(grid::BackslashNToCR(grid::CRToBackslashN(text)), text);
    QString quoted = text;
    grid::CSVQuoteLines(quoted);
    FUZZ_CHECK(quoted.startsWith(u'"') && quoted.endsWith(u'"') && !quoted.contains(QStringLiteral("\r\n")));
}

// Positions lie in the text, counts are bounded.
void checkPositions(const QString& text, const QString& sub, QChar c)
{
    int pos = -1;
    FUZZ_CHECK(isPosition(grid::WidePos(sub, text), text));
    FUZZ_CHECK(isPosition(grid::UpperCasePos(sub, text), text));
    FUZZ_CHECK(isPosition(grid::VarPos(sub, text, pos), text));
    FUZZ_CHECK(isPosition(grid::CharPos(c, text), text));
    FUZZ_CHECK(isPosition(grid::VarCharPos(c, text, pos), text));
    const int single = grid::SingleCharPos(c, text, pos);
    FUZZ_CHECK(isPosition(single, text) && single == pos);
    if (single > 0)
        FUZZ_CHECK(text[single - 1] == c);
    const int count = grid::CharCount(c, text);
    FUZZ_CHECK(count >= 0 && count <= text.size());
    const int singles = grid::SingleCharCount(c, text);
    FUZZ_CHECK(singles >= 0 && singles <= count);
    const int lines = grid::TextLineCount(text, true);
    FUZZ_CHECK(lines >= 1 && lines <= text.size() + 1);
    FUZZ_CHECK(grid::TextLineCount(text, false) == 1);
}

// CutToken and CutFirstLine take a piece off the front and keep the rest.
void checkCutting(const QString& text, const QString& delimiter)
{
    QString rest = text;
    const QString token = grid::CutToken(rest, delimiter);
    if (rest != text && !delimiter.isEmpty()) {
        FUZZ_CHECK(text.startsWith(token + delimiter));
        FUZZ_CHECK_EQUAL(rest, text.mid(token.size() + 1));
    }
    QString lines = text;
    const QString first = grid::CutFirstLine(lines, true);
    FUZZ_CHECK(!first.contains(u'\r') && text.startsWith(first) && text.endsWith(lines));
    FUZZ_CHECK(first.size() + lines.size() <= text.size());
}

// The rest are only driven: they must not fail on any text.
void driveTheOthers(QString text, QChar c, bool flag)
{
    const int kind = grid::TextType(text, flag);
    FUZZ_CHECK(kind == 0 || kind == 1 || kind == 2 || kind == 3 || kind == 5);
    grid::DecodeCellLineBreaks(grid::EncodeCellLineBreaks(text), flag);
    grid::DecodeCellLineBreaks(text, flag);
    grid::MixedCaseText(text);
    grid::CRToLF(text);
    grid::RemoveCR(text);
    QString copy = text;
    grid::VTToCRLF(copy);
    grid::CRLFToLF(copy);
    grid::CRToTilde(copy);
    grid::TildeToCRLF(copy);
    copy = text;
    grid::TextToOem(copy);
    grid::OemToText(copy);
    copy = text;
    grid::FillWithChar(copy, c);
    FUZZ_CHECK(copy.size() == text.size() && copy.count(c) == text.size());
}

}  // namespace

FUZZ_TARGET(grid_text_utils)
{
    fuzz::FuzzedData input(data, size);
    const bool flag = input.takeBool();
    const QChar c(char16_t(input.takeInt(0, 0xFFFF)));
    const QString sub = input.takeLine();
    const QString text = input.takeRestText();
    checkInverses(text);
    checkPositions(text, sub, c);
    checkCutting(text, sub);
    driveTheOthers(text, c, flag);
}
