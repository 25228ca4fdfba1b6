// The condition language of the grid's filter and find, on one condition
// and one cell text, under one of several number and date formats.
//
// Input: a flag byte (bit 0: case-sensitive), a format byte, the condition
// up to the first line feed, the cell text after it. Inputs are capped at
// 4 KiB: longer conditions add nothing but time.
//
// fuzz options: -max_len=4096 -timeout=10

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
    grid::MatchFilter(condition, value, caseSensitive);
}
