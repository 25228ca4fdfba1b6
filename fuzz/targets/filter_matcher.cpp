// The condition language of the grid's filter and find, on one condition
// and one cell text, under one of several number and date formats.
//
// Input: a flag byte (bit 0: case-sensitive), a format byte, the condition
// up to the first line feed, the cell text after it. Inputs are capped at
// 4 KiB: longer conditions add nothing but time.
//
// fuzz options: -max_len=4096 -timeout=10

#include <cstring>

#include <QRegularExpression>

#include "controls/grid/text/filter_matcher.h"
#include "fuzz_support.h"
#include "fuzz_target.h"

namespace {

constexpr size_t kMaxInput = 4096;

// The helpers the matcher is built on keep their stated results.
void checkHelpers(const QString& condition)
{
    const int close = grid::ClosingParenthesisPos(condition);
    FUZZ_CHECK(close >= 0 && close <= condition.size());
    if (close > 0)
        FUZZ_CHECK(condition[close - 1] == u')');

    qsizetype index = -2;
    const QChar op = grid::FindOperatorOutsideQuotes(u"(;^&|", condition, index);
    if (index < 0)
        FUZZ_CHECK(index == -1 && op.isNull());
    else
        FUZZ_CHECK(index < condition.size() && condition[index] == op && QStringView(u"(;^&|").contains(op));

    FUZZ_CHECK(grid::RemoveBlanksOutsideQuotes(condition).size() <= condition.size());

    QDateTime dateTime;
    if (grid::LocaleTextToDateTime(condition, dateTime))
        FUZZ_CHECK(dateTime.isValid());
}

// A number read from a text is the text's own, spelled in the locale: the
// text with the locale's separators turned into ".", a whole decimal number
// (ASCII digits), read to the same double as Qt reads it.
void checkNumber(const QString& text)
{
    static const QRegularExpression grammar(
        QRegularExpression::anchoredPattern(QStringLiteral("[+-]?([0-9]+\\.?[0-9]*|\\.[0-9]+)([eE][+-]?[0-9]+)?")));
    const QString dotted = grid::DotDecimalText(text);
    bool parsed = false;
    const double expected = dotted.toDouble(&parsed);
    double value = 0;
    const bool read = grid::ReadLocaleNumber(text, value);
    FUZZ_CHECK(read == (grammar.match(dotted).hasMatch() && parsed));
    if (read)
        FUZZ_CHECK(std::memcmp(&value, &expected, sizeof value) == 0);
}

}  // namespace

FUZZ_TARGET(filter_matcher)
{
    if (size > kMaxInput)
        return;
    fuzz::FuzzedData input(data, size);
    const bool caseSensitive = input.takeBool();
    const fuzz::FormatSettingsChoice format(input);
    const QString condition = input.takeLine();
    const QString value = input.takeRestText();
    checkHelpers(condition);
    checkNumber(value);
    const bool fresh = grid::MatchFilter(condition, value, caseSensitive);
    // A condition read once answers every value as a fresh reading does,
    // whatever it met before.
    const grid::TFilterCondition once(condition, caseSensitive);
    const QString other = value.mid(value.size() / 2);
    FUZZ_CHECK(once.Match(other) == grid::MatchFilter(condition, other, caseSensitive));
    FUZZ_CHECK(once.Match(value) == fresh);
}
