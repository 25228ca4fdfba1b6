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

#include <QChar>
#include <QDateTime>
#include <QString>
#include <QStringView>

namespace grid {

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
// A date, optionally followed by a blank and a time ("h:n" or "h:n:s"), in
// the field order of the locale short date format, with the locale date and
// time separators. False when the text is no such date or names a day or
// time that does not exist.
bool LocaleTextToDateTime(const QString& text, QDateTime& dateTime);

}  // namespace grid
