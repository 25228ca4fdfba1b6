#include "controls/grid/text/filter_matcher.h"

#include <algorithm>
#include <array>
#include <optional>
#include <unordered_map>
#include <vector>

#include "platform/format_settings.h"
#include "platform/strings.h"

namespace grid {

namespace matcher {

constexpr QChar Quote = u'"';
constexpr QChar NoOperator = QChar(0);

// A decimal number as a whole: optional sign, digits with an optional "."
// part, optional exponent; at least one digit before the exponent.
bool readDecimalNumber(const QString& text, double& value)
{
    const qsizetype n = text.size();
    qsizetype i = 0;
    if (i < n && (text[i] == u'+' || text[i] == u'-'))
        ++i;
    int digits = 0;
    while (i < n && text[i] >= u'0' && text[i] <= u'9') {
        ++i;
        ++digits;
    }
    if (i < n && text[i] == u'.') {
        ++i;
        while (i < n && text[i] >= u'0' && text[i] <= u'9') {
            ++i;
            ++digits;
        }
    }
    if (digits == 0)
        return false;
    if (i < n && (text[i] == u'e' || text[i] == u'E')) {
        ++i;
        if (i < n && (text[i] == u'+' || text[i] == u'-'))
            ++i;
        int exponentDigits = 0;
        while (i < n && text[i] >= u'0' && text[i] <= u'9') {
            ++i;
            ++exponentDigits;
        }
        if (exponentDigits == 0)
            return false;
    }
    if (i != n)
        return false;
    bool ok = false;
    value = text.toDouble(&ok);
    return ok;
}

template <typename T>
int threeWay(const T& a, const T& b)
{
    return a < b ? -1 : (b < a ? 1 : 0);
}

// A text read once for comparisons: as a date and as a number.
struct ComparedText {
    bool isDate = false;
    QDateTime date;
    bool isNumber = false;
    double number = 0;
};

ComparedText readForComparison(const QString& text)
{
    ComparedText read;
    read.isDate = LocaleTextToDateTime(text, read.date);
    read.isNumber = readDecimalNumber(DotDecimalText(text), read.number);
    return read;
}

// Compares a cell value with a comparison operand: as numbers when both are
// numbers and neither is a date, else as dates when both are dates, else as
// texts by character codes over at most 255 characters. <0, 0, >0 as the
// value is below, equal to or above the operand.
int compareValueWithOperand(const ComparedText& value, QStringView valueText, const ComparedText& operand,
                            QStringView operandText)
{
    if (!value.isDate && !operand.isDate && value.isNumber && operand.isNumber)
        return threeWay(value.number, operand.number);
    if (value.isDate && operand.isDate)
        return threeWay(value.date, operand.date);
    return valueText.left(255).compare(operandText.left(255), Qt::CaseSensitive);
}

// The operand of a comparison that starts at `start`: blanks skipped, then up
// to a blank, "&" or "|" outside double quotes, or the end; one double quote
// at its start and one at its end are dropped.
QString readOperand(QStringView term, qsizetype start)
{
    qsizetype i = start;
    while (i < term.size() && term[i] == u' ')
        ++i;
    const qsizetype begin = i;
    bool quoted = false;
    for (; i < term.size(); ++i) {
        const QChar c = term[i];
        if (c == Quote)
            quoted = !quoted;
        else if (!quoted && (c == u' ' || c == u'&' || c == u'|'))
            break;
    }
    QStringView operand = term.mid(begin, i - begin);
    if (operand.startsWith(Quote))
        operand = operand.mid(1);
    if (operand.endsWith(Quote))
        operand.chop(1);
    return operand.toString();
}

// "*" and "?" alone (double quotes skipped): a linear scan that goes back
// only to the last "*", so that patterns with many "*" stay fast.
bool globMatch(QStringView pattern, QStringView value)
{
    QString plain = pattern.toString();
    plain.remove(Quote);
    qsizetype p = 0;
    qsizetype v = 0;
    qsizetype star = -1;
    qsizetype resume = 0;
    while (v < value.size()) {
        if (p < plain.size() && (plain[p] == u'?' || (plain[p] != u'*' && plain[p] == value[v]))) {
            ++p;
            ++v;
        } else if (p < plain.size() && plain[p] == u'*') {
            star = p++;
            resume = v;
        } else if (star >= 0) {
            p = star + 1;
            v = ++resume;
        } else {
            return false;
        }
    }
    while (p < plain.size() && plain[p] == u'*')
        ++p;
    return p == plain.size();
}

// One term against one value. A term is matched as a whole (comparisons,
// then the wildcard match); behind a "*" the rest of the term is matched as
// a term of its own against every tail of the value. Each such match is a
// pair (position in the term after a run of "*", position in the value);
// the pairs are worked out once each, run by run from the last, so the work
// stays within term length times value length.
class TermMatcher {
public:
    TermMatcher(QStringView term, QStringView value);
    bool Match();

private:
    enum SuffixFlag : uint8_t { HasBang = 1, HasCaret = 2, HasAmpersand = 4, HasComparisonOrBang = 8 };
    struct Operand {
        bool orEqual = false;
        QString text;
        ComparedText read;
    };

    // The comparisons of the term from `i` decide against the value from
    // `k`, or leave it to the wildcard match.
    std::optional<bool> Decide(qsizetype i, qsizetype k);
    bool CompareAt(qsizetype at, qsizetype k, int wanted);
    const ComparedText& ValueTail(qsizetype k);
    // The wildcard match of the term from `i` against the value from `k` up
    // to the term's next "*"; beyond it `tail` answers for a value position.
    template <typename Tail>
    bool Wildcard(qsizetype i, qsizetype k, const Tail& tail) const;
    // Per value position v: the rest behind the term's first run of "*"
    // matches some tail of the value that starts at v or later.
    const std::vector<char>& FirstRunTails();

    QStringView FTerm;
    QStringView FValue;
    std::vector<qsizetype> FFirstGreater;  // per term position: first ">" from there on, or -1
    std::vector<qsizetype> FFirstLess;
    std::vector<qsizetype> FNextStar;      // per term position: next "*" from there on, or the term's end
    std::vector<uint8_t> FFlags;           // per term position: SuffixFlag of the term from there on
    std::vector<qsizetype> FRunRests;      // the position after each run of "*", in order
    std::unordered_map<qsizetype, Operand> FOperands;
    std::vector<std::optional<ComparedText>> FValueTails;
    std::vector<char> FFirstRunTails;
    bool FRunsDone = false;
};

TermMatcher::TermMatcher(QStringView term, QStringView value) : FTerm(term), FValue(value)
{
    const qsizetype n = term.size();
    FFirstGreater.assign(size_t(n + 1), -1);
    FFirstLess.assign(size_t(n + 1), -1);
    FNextStar.assign(size_t(n + 1), n);
    FFlags.assign(size_t(n + 1), 0);
    for (qsizetype i = n - 1; i >= 0; --i) {
        const size_t at = size_t(i);
        const QChar c = term[i];
        FFirstGreater[at] = c == u'>' ? i : FFirstGreater[at + 1];
        FFirstLess[at] = c == u'<' ? i : FFirstLess[at + 1];
        FNextStar[at] = c == u'*' ? i : FNextStar[at + 1];
        uint8_t flags = FFlags[at + 1];
        if (c == u'!')
            flags |= HasBang | HasComparisonOrBang;
        else if (c == u'>' || c == u'<')
            flags |= HasComparisonOrBang;
        else if (c == u'^')
            flags |= HasCaret;
        else if (c == u'&')
            flags |= HasAmpersand;
        FFlags[at] = flags;
    }
    for (qsizetype i = 0; i < n; ++i) {
        if (term[i] != u'*' || (i > 0 && term[i - 1] == u'*'))
            continue;
        qsizetype rest = i;
        while (rest < n && term[rest] == u'*')
            ++rest;
        FRunRests.push_back(rest);
    }
}

const ComparedText& TermMatcher::ValueTail(qsizetype k)
{
    if (FValueTails.empty())
        FValueTails.resize(size_t(FValue.size() + 1));
    std::optional<ComparedText>& tail = FValueTails[size_t(k)];
    if (!tail)
        tail = readForComparison(FValue.mid(k).toString());
    return *tail;
}

bool TermMatcher::CompareAt(qsizetype at, qsizetype k, int wanted)
{
    auto found = FOperands.find(at);
    if (found == FOperands.end()) {
        Operand operand;
        operand.orEqual = at + 1 < FTerm.size() && FTerm[at + 1] == u'=';
        operand.text = readOperand(FTerm, at + 1 + (operand.orEqual ? 1 : 0));
        operand.read = readForComparison(operand.text);
        found = FOperands.emplace(at, std::move(operand)).first;
    }
    const Operand& operand = found->second;
    const int order = compareValueWithOperand(ValueTail(k), FValue.mid(k), operand.read, operand.text);
    return (order > 0 && wanted > 0) || (order < 0 && wanted < 0) || (order == 0 && operand.orEqual);
}

std::optional<bool> TermMatcher::Decide(qsizetype i, qsizetype k)
{
    const size_t at = size_t(i);
    const uint8_t flags = FFlags[at];
    if (!(flags & HasComparisonOrBang))
        return std::nullopt;
    const qsizetype gt = FFirstGreater[at];
    const qsizetype lt = FFirstLess[at];
    const bool greater = gt < 0 || CompareAt(gt, k, +1);
    const bool less = lt < 0 || CompareAt(lt, k, -1);
    const bool bang = flags & HasBang;
    const bool greaterDone = gt >= 0 || bang;
    const bool lessDone = lt >= 0 || bang;
    if ((flags & HasCaret) && (greaterDone || lessDone))
        return less || greater;
    if ((flags & HasAmpersand) && greaterDone && lessDone)
        return less && greater;
    if ((gt >= 0 && greater) || (lt >= 0 && less))
        return true;
    return std::nullopt;
}

template <typename Tail>
bool TermMatcher::Wildcard(qsizetype i, qsizetype k, const Tail& tail) const
{
    const qsizetype end = FNextStar[size_t(i)];
    qsizetype p = i;
    qsizetype v = k;
    bool negate = false;
    bool match = true;
    for (;;) {
        if (p == end) {
            // The term's end (the value must be used up too) or a "*".
            match = end == FTerm.size() ? v == FValue.size() : tail(end, v);
            break;
        }
        const QChar c = FTerm[p];
        if (c == u'!') {
            negate = true;
            ++p;
        } else if (c == Quote) {
            ++p;
        } else if (v < FValue.size() && (c == u'?' || c == FValue[v])) {
            ++p;
            ++v;
        } else {
            match = false;
            break;
        }
    }
    return negate ? !match : match;
}

const std::vector<char>& TermMatcher::FirstRunTails()
{
    if (FRunsDone)
        return FFirstRunTails;
    FRunsDone = true;
    // From the last run to the first; each run's answers use those of the
    // run after it, which its rest reaches at its next "*".
    const size_t width = size_t(FValue.size() + 2);
    std::vector<char> next(width, 0);
    std::vector<char> current(width, 0);
    for (qsizetype run = qsizetype(FRunRests.size()) - 1; run >= 0; --run) {
        const qsizetype rest = FRunRests[size_t(run)];
        const auto fromNextRun = [&next](qsizetype, qsizetype v) { return next[size_t(v)] != 0; };
        std::fill(current.begin(), current.end(), 0);
        for (qsizetype k = FValue.size(); k >= 0; --k) {
            const std::optional<bool> decided = Decide(rest, k);
            if (decided ? *decided : Wildcard(rest, k, fromNextRun)) {
                std::fill(current.begin(), current.begin() + k + 1, 1);
                break;
            }
        }
        std::swap(next, current);
    }
    FFirstRunTails = std::move(next);
    return FFirstRunTails;
}

bool TermMatcher::Match()
{
    if (const std::optional<bool> decided = Decide(0, 0))
        return *decided;
    const auto beyondStar = [this](qsizetype star, qsizetype v) {
        // Without comparisons or "!" behind it the rest is a plain
        // wildcard pattern.
        if (!(FFlags[size_t(star)] & HasComparisonOrBang))
            return globMatch(FTerm.mid(star), FValue.mid(v));
        return FirstRunTails()[size_t(v)] != 0;
    };
    return Wildcard(0, 0, beyondStar);
}

// The normalised condition that MatchFilter reads: the trimmed condition
// without the blanks outside double quotes.
class ConditionReader {
public:
    ConditionReader(const QString& condition, const QString& value, bool caseSensitive);
    bool Evaluate();

private:
    // One condition being read: the whole or a group's inside, read from
    // `pos` to `end` of the normalised text. A group sees the blanks that
    // are left inside quotes only when its quote count from the start of
    // the text is even; otherwise its own blank removal drops them all.
    struct Frame {
        qsizetype pos = 0;
        qsizetype end = 0;
        bool blankFree = false;
        bool result = true;
        QChar previous = NoOperator;
        bool inUnclosedGroup = false;  // the group being read runs to the end
        void Combine(bool item);
    };
    Frame Group(const Frame& parent, qsizetype open) const;
    QString Text(const Frame& frame, qsizetype from, qsizetype to) const;
    bool Term(const Frame& frame, qsizetype from, qsizetype to) const;
    bool OnlyBlanks(const Frame& frame, qsizetype from, qsizetype to) const;

    QString FText;
    std::vector<uint8_t> FOddQuotesBefore;  // per position: an odd number of quotes before it
    std::vector<qsizetype> FClosing;        // per "(": its ")" or -1
    QString FValue;
    bool FCaseSensitive;
};

ConditionReader::ConditionReader(const QString& condition, const QString& value, bool caseSensitive)
    : FText(RemoveBlanksOutsideQuotes(platform::trimBlanks(condition))),
      FValue(caseSensitive ? value : value.toUpper()),
      FCaseSensitive(caseSensitive)
{
    const qsizetype n = FText.size();
    FOddQuotesBefore.assign(size_t(n + 1), 0);
    FClosing.assign(size_t(n), -1);
    std::vector<qsizetype> open;
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = FText[i];
        FOddQuotesBefore[size_t(i + 1)] = FOddQuotesBefore[size_t(i)] ^ (c == Quote ? 1 : 0);
        if (c == u'(') {
            open.push_back(i);
        } else if (c == u')' && !open.empty()) {
            FClosing[size_t(open.back())] = i;
            open.pop_back();
        }
    }
}

void ConditionReader::Frame::Combine(bool item)
{
    if (previous == NoOperator)
        result = item;
    else if (previous == u'&')
        result = result && item;
    else if (previous != u'(')
        result = result || item;  // "|", ";" and "^" alike
}

ConditionReader::Frame ConditionReader::Group(const Frame& parent, qsizetype open) const
{
    // The inside is read as a condition of its own: trimmed, its blanks
    // outside quotes removed, a leading "=" dropped.
    const qsizetype close = FClosing[size_t(open)];
    Frame group;
    group.pos = open + 1;
    group.end = close >= 0 ? close : parent.end;
    while (group.pos < group.end && FText[group.pos].unicode() <= 0x20)
        ++group.pos;
    while (group.end > group.pos && FText[group.end - 1].unicode() <= 0x20)
        --group.end;
    group.blankFree = parent.blankFree || FOddQuotesBefore[size_t(group.pos)] != 0;
    if (group.pos < group.end && FText[group.pos] == u'=')
        ++group.pos;
    return group;
}

QString ConditionReader::Text(const Frame& frame, qsizetype from, qsizetype to) const
{
    QString text = FText.mid(from, to - from);
    if (frame.blankFree)
        text.remove(u' ');
    return text;
}

bool ConditionReader::Term(const Frame& frame, qsizetype from, qsizetype to) const
{
    const QString term = Text(frame, from, to);
    return MatchTerm(FCaseSensitive ? term : term.toUpper(), FValue);
}

bool ConditionReader::OnlyBlanks(const Frame& frame, qsizetype from, qsizetype to) const
{
    if (!frame.blankFree)
        return from == to;
    for (qsizetype i = from; i < to; ++i)
        if (FText[i] != u' ')
            return false;
    return true;
}

bool ConditionReader::Evaluate()
{
    std::vector<Frame> frames;
    Frame whole;
    whole.end = FText.size();
    if (FText.startsWith(u'='))
        whole.pos = 1;
    frames.push_back(whole);
    for (;;) {
        Frame& frame = frames.back();
        // The next operator outside quotes, quotes counted from here.
        qsizetype at = frame.pos;
        bool quoted = false;
        for (; at < frame.end; ++at) {
            const QChar c = FText[at];
            if (c == Quote)
                quoted = !quoted;
            else if (!quoted && (c == u'(' || c == u';' || c == u'^' || c == u'&' || c == u'|'))
                break;
        }
        if (at < frame.end && FText[at] == u'(' && OnlyBlanks(frame, frame.pos, at)) {
            const Frame group = Group(frame, at);
            const qsizetype close = FClosing[size_t(at)];
            frame.inUnclosedGroup = close < 0;
            frame.pos = close + 1;
            frames.push_back(group);
            continue;
        }
        if (at < frame.end) {
            frame.Combine(Term(frame, frame.pos, at));
            frame.previous = FText[at];
            frame.pos = at + 1;
            continue;
        }
        // The rest is the last term; the condition read, its value goes to
        // the group that holds it, and on out of every group that ran to
        // the end with it.
        frame.Combine(Term(frame, frame.pos, frame.end));
        bool done = frame.result;
        frames.pop_back();
        while (!frames.empty()) {
            Frame& outer = frames.back();
            outer.Combine(done);
            outer.previous = u'(';
            if (!outer.inUnclosedGroup)
                break;
            done = outer.result;
            frames.pop_back();
        }
        if (frames.empty())
            return done;
    }
}

}  // namespace matcher

bool MatchFilter(const QString& condition, const QString& value, bool caseSensitive)
{
    return matcher::ConditionReader(condition, value, caseSensitive).Evaluate();
}

bool MatchTermWithCase(const QString& term, const QString& value, bool caseSensitive)
{
    if (caseSensitive)
        return MatchTerm(term, value);
    return MatchTerm(term.toUpper(), value.toUpper());
}

bool MatchTerm(QStringView term, QStringView value)
{
    return matcher::TermMatcher(term, value).Match();
}

QString RemoveBlanksOutsideQuotes(const QString& text)
{
    QString out;
    out.reserve(text.size());
    int quotes = 0;
    for (QChar c : text) {
        if (c == matcher::Quote)
            ++quotes;
        if (c == u' ' && quotes % 2 == 0)
            continue;
        out += c;
    }
    return out;
}

QChar FindOperatorOutsideQuotes(QStringView set, QStringView text, qsizetype& index)
{
    int quotes = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == matcher::Quote)
            ++quotes;
        else if (quotes % 2 == 0 && set.contains(c)) {
            index = i;
            return c;
        }
    }
    index = -1;
    return matcher::NoOperator;
}

int ClosingParenthesisPos(QStringView text)
{
    int opened = 0;
    int closed = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'(') {
            ++opened;
        } else if (text[i] == u')') {
            ++closed;
            if (opened == closed)
                return int(i) + 1;
        }
    }
    return 0;
}

QString DotDecimalText(const QString& text)
{
    const auto& settings = platform::formatSettings();
    QString out;
    out.reserve(text.size());
    for (QChar c : text) {
        if (c == settings.DecimalSeparator)
            out += u'.';
        else if (c != settings.ThousandSeparator)
            out += c;
    }
    return out;
}

bool LocaleTextToDateTime(const QString& text, QDateTime& dateTime)
{
    const auto& settings = platform::formatSettings();

    // Field order: that of D, M and Y in the short date format.
    const QString format = settings.ShortDateFormat.toUpper();
    std::array<std::pair<qsizetype, QChar>, 3> order = {
        {{format.indexOf(u'D'), u'D'}, {format.indexOf(u'M'), u'M'}, {format.indexOf(u'Y'), u'Y'}}};
    for (const auto& field : order)
        if (field.first < 0)
            return false;
    std::sort(order.begin(), order.end());

    const QChar dateSeparator = settings.DateSeparator;
    const qsizetype first = text.indexOf(dateSeparator);
    const qsizetype second = first < 0 ? -1 : text.indexOf(dateSeparator, first + 1);
    if (second < 0)
        return false;
    const QString rest = platform::trimBlanks(text.mid(second + 1));
    const qsizetype blank = rest.indexOf(u' ');
    const QString fieldTexts[3] = {text.left(first), text.mid(first + 1, second - first - 1),
                                   blank < 0 ? rest : rest.left(blank)};
    int day = 0;
    int month = 0;
    int year = 0;
    for (int i = 0; i < 3; ++i) {
        const auto number = platform::parseInt(fieldTexts[i]);
        if (!number)
            return false;
        const QChar which = order[size_t(i)].second;
        (which == u'D' ? day : which == u'M' ? month : year) = *number;
    }
    if (day > 31 || month > 12)
        return false;
    const QDate date(year, month, day);
    if (!date.isValid() || year < 1 || year > 9999)
        return false;

    QTime time(0, 0);
    const QString timePart = blank < 0 ? QString() : platform::trimBlanks(rest.mid(blank + 1));
    if (!timePart.isEmpty()) {
        const QChar timeSeparator = settings.TimeSeparator;
        const qsizetype colon = timePart.indexOf(timeSeparator);
        if (colon < 0)
            return false;
        const auto hour = platform::parseInt(timePart.left(colon));
        if (!hour || *hour < 0 || *hour > 23)
            return false;
        const QString minuteAndSecond = timePart.mid(colon + 1);
        const qsizetype colon2 = minuteAndSecond.indexOf(timeSeparator);
        std::optional<int32_t> minute;
        std::optional<int32_t> second = 0;
        if (colon2 >= 0) {
            minute = platform::parseInt(minuteAndSecond.left(colon2));
            second = platform::parseInt(minuteAndSecond.mid(colon2 + 1));
            if (!second || *second > 60)
                return false;
        } else {
            minute = platform::parseInt(minuteAndSecond);
        }
        if (!minute || *minute > 59)
            return false;
        time = QTime(*hour, *minute, *second);  // invalid for second 60 or negatives
        if (!time.isValid())
            return false;
    }
    dateTime = QDateTime(date, time, Qt::UTC);
    return true;
}

}  // namespace grid
