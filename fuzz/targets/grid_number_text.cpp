// Number and date recognition of grid cells under one of several number and
// date formats: the kind of a number text, its normalised form, day/month
// texts and date steps.
//
// Input: a format byte, the numbers of a date step (years, months, days, step
// days, a start date), then the cell text.

#include "controls/grid/text/grid_number_text.h"
#include "fuzz_support.h"
#include "fuzz_target.h"

namespace {

// Every text has one of the number kinds.
void checkNumber(const QString& text)
{
    const int kind = grid::NumberTextType(text);
    FUZZ_CHECK(kind == grid::NumberTextInteger || kind == grid::NumberTextFloat || kind == grid::NumberTextNone ||
               kind == grid::NumberTextScientific);
    grid::NormalizeNumberText(text);
}

// A date read from a text is a real day; read the other way round, the
// same day and month swap places.
void checkDates(const QString& text)
{
    const QDate mdy = grid::MDYTextToDate(text);
    const QDate dmy = grid::DMYTextToDate(text);
    if (mdy.isValid() && dmy.isValid() && mdy.day() <= 12 && mdy.month() <= 12)
        FUZZ_CHECK(mdy.year() == dmy.year() && mdy.day() == dmy.month() && mdy.month() == dmy.day());
    grid::IsDateText(text);
}

}  // namespace

FUZZ_TARGET(grid_number_text)
{
    fuzz::FuzzedData input(data, size);
    const fuzz::FormatSettingsChoice format(input);
    const int years = int(input.takeInt(INT32_MIN, INT32_MAX));
    const int months = int(input.takeInt(INT32_MIN, INT32_MAX));
    const int days = int(input.takeInt(INT32_MIN, INT32_MAX));
    const int64_t stepDays = input.takeInt(INT64_MIN, INT64_MAX);
    const QDate start(int(input.takeInt(-9999, 9999)), int(input.takeInt(0, 13)), int(input.takeInt(0, 32)));
    const QString text = input.takeRestText();
    checkNumber(text);
    checkDates(text);
    const QDate stepped = grid::AddDateInterval(years, months, days, stepDays, start);
    if (!start.isValid())
        FUZZ_CHECK(!stepped.isValid());
}
