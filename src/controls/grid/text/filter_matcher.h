#pragma once

// The condition language of the grid's filter and find: a condition such as
// ">=10 & <20", "A*|B*", "!*test*" or ">1/1/2020" is matched against one
// cell text.
//
//   condition = [ "=" ] item { operator item }    (left to right, no precedence)
//   operator  = "&" (and) | "|" | ";" | "^" (or)
//   item      = "(" condition ")" | term
//   term      = text with comparisons (">", ">=", "<", "<="), negation "!",
//               wildcards "*" and "?", and double quotes that protect
//               operators and blanks
//
// Blanks outside double quotes are ignored. Comparisons compare numbers
// when both sides are numbers, else dates (with time) when both are dates,
// else texts by character codes. A "(" without its ")" opens a group that
// runs to the end of the condition.

#include <cstdint>
#include <memory>
#include <optional>

#include <QChar>
#include <QDateTime>
#include <QString>
#include <QStringView>

#include "controls/grid/text/grid_number_text.h"

namespace grid {

namespace matcher {
class ConditionProgram;
}

// The ways a condition may take to a value's outcome: besides the full match,
// quick ones for terms that are a single number comparison (">=10"), which
// decide a value that is a number without the full match's work. Both give
// the same outcome; FullOnly is there to compare them.
enum class TConditionPaths { Quick, FullOnly };

// A term that is a single comparison with a number for operand (">=10",
// "<-2.5"), read once with the separators as they stand. A value that
// reads as a number and is no date is decided by the two numbers alone, as
// the full match decides it; any other value goes the full way. The value
// is read as it is, before upper-casing: the separators the reading depends
// on are checked to stay the same under upper-casing, so that the two
// readings agree. Inline, for loops over many values.
class TNumberComparison {
public:
    // The comparison the term is, or none.
    static std::optional<TNumberComparison> Of(QStringView term);
    // The outcome for the common value, a short plain number
    // (ReadShortDecimalTo reads it with the separators of the term), from
    // its text alone; none for any other value. Such a text holds the date
    // separator twice, as a date must, only when that is the thousand
    // separator: then the value goes the full way.
    std::optional<bool> DecideText(QStringView text) const
    {
        // Most often a sign at most and a few digits: read as
        // ReadShortDecimalTo reads them, and no date, while no separator is
        // a digit (nor a sign, for the number separators).
        if (FDigitsPlain)
            if (const std::optional<int64_t> whole = ReadPlainInteger(text))
                return Outcome(double(*whole));
        double number = 0;
        if (!ReadShortDecimalTo(text, FDecimal, FThousand, number))
            return std::nullopt;
        if (FThousandIsDateSeparator && text.count(FThousand) >= 2)
            return std::nullopt;
        return Outcome(number);
    }
    // The outcome for a value whose text ReadPlainInteger reads as `whole`
    // (a cell keeps that reading); none where the separators make such a
    // text go the full way.
    std::optional<bool> DecidePlainInteger(int64_t whole) const
    {
        if (!FDigitsPlain)
            return std::nullopt;
        return Outcome(double(whole));
    }
    // The outcome for a value read as the number given.
    bool Outcome(double number) const
    {
        return number > FNumber ? FWanted > 0 : number < FNumber ? FWanted < 0 : FOrEqual;
    }

private:
    int FWanted = 0;  // +1 for ">", -1 for "<"
    bool FOrEqual = false;
    double FNumber = 0;
    QChar FDecimal;
    QChar FThousand;
    bool FThousandIsDateSeparator = false;
    bool FDigitsPlain = false;  // no separator is a digit, no number separator a sign
};

// A condition read once and matched against many values: Match gives what
// MatchFilter gives for the condition and each value. It keeps what it has
// worked out of the condition (operands, wildcard rests) between values, so
// one object serves one thread.
class TFilterCondition {
public:
    TFilterCondition(const QString& condition, bool caseSensitive,
                     TConditionPaths paths = TConditionPaths::Quick);
    ~TFilterCondition();
    TFilterCondition(TFilterCondition&&) noexcept;
    TFilterCondition& operator=(TFilterCondition&&) noexcept;

    bool Match(const QString& value) const;
    // The condition as a single number comparison (">=10"), when it is one
    // and the quick ways are taken: its DecideText gives what Match gives
    // for the values it decides.
    const TNumberComparison* NumberComparison() const;

private:
    std::unique_ptr<matcher::ConditionProgram> FProgram;
};

// The whole condition against one value; the entry point.
bool MatchFilter(const QString& condition, const QString& value, bool caseSensitive);

// One term; without case sensitivity both are upper-cased first.
bool MatchTermWithCase(const QString& term, const QString& value, bool caseSensitive);
// One term against one value, as they are.
bool MatchTerm(QStringView term, QStringView value);

// Drops every blank that is preceded by an even number of double quotes.
QString RemoveBlanksOutsideQuotes(const QString& text);
// The first character of `text` that is in `set` and not inside double
// quotes; its 0-based index goes to `index`. None: character 0, index -1.
QChar FindOperatorOutsideQuotes(QStringView set, QStringView text, qsizetype& index);
// 1-based position of the ")" that closes the text's first "(", counting
// from the start; 0 when there is none.
int ClosingParenthesisPos(QStringView text);
// The locale decimal separator turned into ".", thousand separators dropped.
QString DotDecimalText(const QString& text);
// The number of DotDecimalText(text) when it is a decimal number as a whole
// (optional sign, digits with an optional "." part, optional exponent; at
// least one digit) within the range of a double; false otherwise, value
// untouched. Reads the text once, without making another.
bool ReadLocaleNumber(QStringView text, double& value);
// A date, optionally followed by a blank and a time ("h:n" or "h:n:s"), in
// the field order of the locale short date format, with the locale date and
// time separators. False when the text is no such date or names a day or
// time that does not exist.
bool LocaleTextToDateTime(QStringView text, QDateTime& dateTime);
inline bool LocaleTextToDateTime(const QString& text, QDateTime& dateTime)
{
    return LocaleTextToDateTime(QStringView(text), dateTime);
}

}  // namespace grid
