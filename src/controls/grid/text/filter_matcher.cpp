#include "controls/grid/text/filter_matcher.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <optional>
#include <memory>
#include <unordered_map>
#include <vector>

#include "controls/grid/text/grid_number_text.h"
#include "platform/format_settings.h"
#include "platform/strings.h"

namespace grid {

namespace matcher {

constexpr QChar Quote = u'"';
constexpr QChar NoOperator = QChar(0);

// The grammar of a decimal number as a whole: optional sign, digits with an
// optional "." part, optional exponent; at least one digit before the
// exponent.
bool isDecimalNumber(const char* text, qsizetype n)
{
    qsizetype i = 0;
    if (i < n && (text[i] == '+' || text[i] == '-'))
        ++i;
    int digits = 0;
    while (i < n && text[i] >= '0' && text[i] <= '9') {
        ++i;
        ++digits;
    }
    if (i < n && text[i] == '.') {
        ++i;
        while (i < n && text[i] >= '0' && text[i] <= '9') {
            ++i;
            ++digits;
        }
    }
    if (digits == 0)
        return false;
    if (i < n && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        if (i < n && (text[i] == '+' || text[i] == '-'))
            ++i;
        int exponentDigits = 0;
        while (i < n && text[i] >= '0' && text[i] <= '9') {
            ++i;
            ++exponentDigits;
        }
        if (exponentDigits == 0)
            return false;
    }
    return i == n;
}

template <typename T>
int threeWay(const T& a, const T& b)
{
    return a < b ? -1 : (b < a ? 1 : 0);
}

// The operand of a comparison, read once: as a number and as a date.
struct Operand {
    bool orEqual = false;
    QString text;
    bool isNumber = false;
    double number = 0;
    bool isDate = false;
    QDateTime date;
};

// A date holds at least two date separators: most values are no date by
// this test alone.
bool HasTwoDateSeparators(QStringView text)
{
    const QChar separator = platform::formatSettings().DateSeparator;
    int found = 0;
    for (const QChar c : text)
        if (c == separator && ++found == 2)
            return true;
    return false;
}

// A value (or a tail of it) as comparisons read it: its number and its
// date are worked out when a comparison first asks for them.
class ValueRead {
public:
    explicit ValueRead(QStringView text) : FText(text) {}
    QStringView Text() const { return FText; }
    bool IsNumber()
    {
        if (FNumberState == Unread)
            FNumberState = ReadLocaleNumber(FText, FNumber) ? Yes : No;
        return FNumberState == Yes;
    }
    double Number() const { return FNumber; }
    bool IsDate()
    {
        if (FDateState == Unread)
            FDateState = HasTwoDateSeparators(FText) && LocaleTextToDateTime(FText, FDate) ? Yes : No;
        return FDateState == Yes;
    }
    const QDateTime& Date() const { return FDate; }

private:
    enum State : uint8_t { Unread, Yes, No };
    QStringView FText;
    State FNumberState = Unread;
    State FDateState = Unread;
    double FNumber = 0;
    QDateTime FDate;
};

// Compares a cell value with a comparison operand: as numbers when both are
// numbers and neither is a date, else as dates when both are dates, else as
// texts by character codes over at most 255 characters. <0, 0, >0 as the
// value is below, equal to or above the operand. The value is tried as a
// date only when that can decide: the operand is one, or both are numbers.
int compareValueWithOperand(ValueRead& value, const Operand& operand)
{
    if (operand.isDate) {
        if (value.IsDate())
            return threeWay(value.Date(), operand.date);
    } else if (operand.isNumber && value.IsNumber() && !value.IsDate()) {
        return threeWay(value.Number(), operand.number);
    }
    return value.Text().left(255).compare(QStringView(operand.text).left(255), Qt::CaseSensitive);
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

// "*" and "?" alone (the double quotes already dropped from the pattern): a
// linear scan that goes back only to the last "*", so that patterns with
// many "*" stay fast.
bool globMatch(QStringView plain, QStringView value)
{
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

// A value read as a number and no date is decided by the quick comparison
// alone; any other value goes the full way.
std::optional<bool> decideRead(const TNumberComparison& quick, ValueRead& value)
{
    if (!value.IsNumber() || value.IsDate())
        return std::nullopt;
    return quick.Outcome(value.Number());
}

// A separator that can stand in a number and that neither upper-casing nor
// the term's syntax reads as anything but itself.
bool IsPlainSeparator(QChar c)
{
    static constexpr QStringView syntax = u"<>=!^&|;*?\"() ";
    return !c.isLetter() && !c.isMark() && c.toUpper() == c && !syntax.contains(c);
}

}  // namespace matcher

std::optional<TNumberComparison> TNumberComparison::Of(QStringView term)
{
    if (term.size() < 2 || (term[0] != u'>' && term[0] != u'<'))
        return std::nullopt;
    const auto& settings = platform::formatSettings();
    if (!matcher::IsPlainSeparator(settings.DecimalSeparator) || !matcher::IsPlainSeparator(settings.ThousandSeparator) ||
        !matcher::IsPlainSeparator(settings.DateSeparator))
        return std::nullopt;
    TNumberComparison quick;
    quick.FDecimal = settings.DecimalSeparator;
    quick.FThousand = settings.ThousandSeparator;
    quick.FThousandIsDateSeparator = settings.ThousandSeparator == settings.DateSeparator;
    const auto plain = [](QChar c) { return !(c >= u'0' && c <= u'9') && c != u'+' && c != u'-'; };
    const QChar dateSeparator = settings.DateSeparator;
    quick.FDigitsPlain = plain(settings.DecimalSeparator) && plain(settings.ThousandSeparator) &&
                         !(dateSeparator >= u'0' && dateSeparator <= u'9');
    quick.FWanted = term[0] == u'>' ? 1 : -1;
    quick.FOrEqual = term[1] == u'=';
    // The rest is the whole operand: a number (its characters, separators
    // included, are no syntax of the term), and no date.
    const QStringView operand = term.mid(quick.FOrEqual ? 2 : 1);
    QDateTime date;
    if (!ReadLocaleNumber(operand, quick.FNumber) || LocaleTextToDateTime(operand, date))
        return std::nullopt;
    return quick;
}

namespace matcher {

// One term read once: what TermMatcher needs of it for any value. Its
// operands and the quote-free rests behind its "*" are read the first time
// a value needs them and kept for the next values.
class TermPattern {
public:
    enum SuffixFlag : uint8_t { HasBang = 1, HasCaret = 2, HasAmpersand = 4, HasComparisonOrBang = 8 };

    explicit TermPattern(QString term);

    QStringView Term() const { return FTerm; }
    qsizetype Size() const { return FTerm.size(); }
    qsizetype FirstGreater(qsizetype i) const { return FFirstGreater[size_t(i)]; }
    qsizetype FirstLess(qsizetype i) const { return FFirstLess[size_t(i)]; }
    qsizetype NextStar(qsizetype i) const { return FNextStar[size_t(i)]; }
    uint8_t Flags(qsizetype i) const { return FFlags[size_t(i)]; }
    const std::vector<qsizetype>& RunRests() const { return FRunRests; }
    // The comparison whose ">" or "<" stands at `at`.
    const Operand& OperandAt(qsizetype at) const;
    // The term from the "*" at `star` on, without its double quotes.
    QStringView PlainFrom(qsizetype star) const;
    // The term as a single number comparison, when it is one.
    const std::optional<TNumberComparison>& Quick() const { return FQuick; }

private:
    QString FTerm;
    std::optional<TNumberComparison> FQuick;
    std::vector<qsizetype> FFirstGreater;  // per term position: first ">" from there on, or -1
    std::vector<qsizetype> FFirstLess;
    std::vector<qsizetype> FNextStar;      // per term position: next "*" from there on, or the term's end
    std::vector<uint8_t> FFlags;           // per term position: SuffixFlag of the term from there on
    std::vector<qsizetype> FRunRests;      // the position after each run of "*", in order
    mutable std::vector<std::unique_ptr<Operand>> FOperands;  // per term position, read when first asked for
    mutable std::unordered_map<qsizetype, QString> FPlain;
};

TermPattern::TermPattern(QString term) : FTerm(std::move(term)), FQuick(TNumberComparison::Of(FTerm))
{
    const qsizetype n = FTerm.size();
    FFirstGreater.assign(size_t(n + 1), -1);
    FFirstLess.assign(size_t(n + 1), -1);
    FNextStar.assign(size_t(n + 1), n);
    FFlags.assign(size_t(n + 1), 0);
    for (qsizetype i = n - 1; i >= 0; --i) {
        const size_t at = size_t(i);
        const QChar c = FTerm[i];
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
        if (FTerm[i] != u'*' || (i > 0 && FTerm[i - 1] == u'*'))
            continue;
        qsizetype rest = i;
        while (rest < n && FTerm[rest] == u'*')
            ++rest;
        FRunRests.push_back(rest);
    }
}

const Operand& TermPattern::OperandAt(qsizetype at) const
{
    if (FOperands.empty())
        FOperands.resize(size_t(FTerm.size()));
    std::unique_ptr<Operand>& found = FOperands[size_t(at)];
    if (!found) {
        Operand operand;
        operand.orEqual = at + 1 < FTerm.size() && FTerm[at + 1] == u'=';
        operand.text = readOperand(FTerm, at + 1 + (operand.orEqual ? 1 : 0));
        operand.isNumber = ReadLocaleNumber(operand.text, operand.number);
        operand.isDate = LocaleTextToDateTime(operand.text, operand.date);
        found = std::make_unique<Operand>(std::move(operand));
    }
    return *found;
}

QStringView TermPattern::PlainFrom(qsizetype star) const
{
    auto found = FPlain.find(star);
    if (found == FPlain.end())
        found = FPlain.emplace(star, FTerm.mid(star).remove(Quote)).first;
    return found->second;
}

// One term against one value. A term is matched as a whole (comparisons,
// then the wildcard match); behind a "*" the rest of the term is matched as
// a term of its own against every tail of the value. Each such match is a
// pair (position in the term after a run of "*", position in the value);
// the pairs are worked out once each, run by run from the last, so the work
// stays within term length times value length.
class TermMatcher {
public:
    TermMatcher(const TermPattern& pattern, QStringView value) : P(pattern), FValue(value), FWhole(value) {}
    bool Match();

private:
    // The comparisons of the term from `i` decide against the value from
    // `k`, or leave it to the wildcard match.
    std::optional<bool> Decide(qsizetype i, qsizetype k);
    bool CompareAt(qsizetype at, qsizetype k, int wanted);
    ValueRead& ValueTail(qsizetype k);
    // The wildcard match of the term from `i` against the value from `k` up
    // to the term's next "*"; beyond it `tail` answers for a value position.
    template <typename Tail>
    bool Wildcard(qsizetype i, qsizetype k, const Tail& tail) const;
    // Per value position v: the rest behind the term's first run of "*"
    // matches some tail of the value that starts at v or later.
    const std::vector<char>& FirstRunTails();

    const TermPattern& P;
    QStringView FValue;
    ValueRead FWhole;                              // the value from position 0
    std::vector<std::optional<ValueRead>> FTails;  // the tails from position 1 on
    std::vector<char> FFirstRunTails;
    bool FRunsDone = false;
};

ValueRead& TermMatcher::ValueTail(qsizetype k)
{
    if (k == 0)
        return FWhole;
    if (FTails.empty())
        FTails.resize(size_t(FValue.size() + 1));
    std::optional<ValueRead>& tail = FTails[size_t(k)];
    if (!tail)
        tail.emplace(FValue.mid(k));
    return *tail;
}

bool TermMatcher::CompareAt(qsizetype at, qsizetype k, int wanted)
{
    const Operand& operand = P.OperandAt(at);
    const int order = compareValueWithOperand(ValueTail(k), operand);
    return (order > 0 && wanted > 0) || (order < 0 && wanted < 0) || (order == 0 && operand.orEqual);
}

std::optional<bool> TermMatcher::Decide(qsizetype i, qsizetype k)
{
    const uint8_t flags = P.Flags(i);
    if (!(flags & TermPattern::HasComparisonOrBang))
        return std::nullopt;
    const qsizetype gt = P.FirstGreater(i);
    const qsizetype lt = P.FirstLess(i);
    const bool greater = gt < 0 || CompareAt(gt, k, +1);
    const bool less = lt < 0 || CompareAt(lt, k, -1);
    const bool bang = flags & TermPattern::HasBang;
    const bool greaterDone = gt >= 0 || bang;
    const bool lessDone = lt >= 0 || bang;
    if ((flags & TermPattern::HasCaret) && (greaterDone || lessDone))
        return less || greater;
    if ((flags & TermPattern::HasAmpersand) && greaterDone && lessDone)
        return less && greater;
    if ((gt >= 0 && greater) || (lt >= 0 && less))
        return true;
    return std::nullopt;
}

template <typename Tail>
bool TermMatcher::Wildcard(qsizetype i, qsizetype k, const Tail& tail) const
{
    const QStringView term = P.Term();
    const qsizetype end = P.NextStar(i);
    qsizetype p = i;
    qsizetype v = k;
    bool negate = false;
    bool match = true;
    for (;;) {
        if (p == end) {
            // The term's end (the value must be used up too) or a "*".
            match = end == term.size() ? v == FValue.size() : tail(end, v);
            break;
        }
        const QChar c = term[p];
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
    const std::vector<qsizetype>& rests = P.RunRests();
    for (qsizetype run = qsizetype(rests.size()) - 1; run >= 0; --run) {
        const qsizetype rest = rests[size_t(run)];
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
        if (!(P.Flags(star) & TermPattern::HasComparisonOrBang))
            return globMatch(P.PlainFrom(star), FValue.mid(v));
        return FirstRunTails()[size_t(v)] != 0;
    };
    return Wildcard(0, 0, beyondStar);
}

// A condition read once: its normalised text (trimmed, without the blanks
// outside double quotes), its groups, and its terms in the order a match
// meets them. The walk over the condition does not depend on the value (no
// operator stops it early), so the terms are read once, on the first walk,
// and every match walks again taking them in turn.
class ConditionProgram {
public:
    ConditionProgram(const QString& condition, bool caseSensitive, TConditionPaths paths);
    bool Match(const QString& value) const;
    const TNumberComparison* NumberComparison() const
    {
        if (FTerms.size() != 1 || !FQuickPaths || !FTerms.front().Quick())
            return nullptr;
        return &*FTerms.front().Quick();
    }

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
    // The walk; term(frame, from, to) gives each term's outcome.
    template <typename TermOutcome>
    bool Walk(TermOutcome&& term) const;
    Frame Group(const Frame& parent, qsizetype open) const;
    QString Text(const Frame& frame, qsizetype from, qsizetype to) const;
    bool OnlyBlanks(const Frame& frame, qsizetype from, qsizetype to) const;

    // One term against the value: a quick term decides a number on its
    // own, the others see the value upper-cased when case does not count.
    bool MatchTerm(const TermPattern& term, const QString& value, ValueRead& read,
                   std::optional<QString>& upper) const;

    QString FText;
    std::vector<uint8_t> FOddQuotesBefore;  // per position: an odd number of quotes before it
    std::vector<qsizetype> FClosing;        // per "(": its ")" or -1
    bool FCaseSensitive;
    bool FQuickPaths;
    std::vector<TermPattern> FTerms;
    mutable std::vector<Frame> FFrames;  // the walk's stack, kept between matches
};

ConditionProgram::ConditionProgram(const QString& condition, bool caseSensitive, TConditionPaths paths)
    : FText(RemoveBlanksOutsideQuotes(platform::trimBlanks(condition))),
      FCaseSensitive(caseSensitive),
      FQuickPaths(paths == TConditionPaths::Quick)
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
    Walk([this](const Frame& frame, qsizetype from, qsizetype to) {
        const QString term = Text(frame, from, to);
        FTerms.emplace_back(FCaseSensitive ? term : term.toUpper());
        return false;
    });
}

bool ConditionProgram::MatchTerm(const TermPattern& term, const QString& value, ValueRead& read,
                                 std::optional<QString>& upper) const
{
    if (FQuickPaths && term.Quick())
        if (const std::optional<bool> decided = decideRead(*term.Quick(), read))
            return *decided;
    if (FCaseSensitive)
        return TermMatcher(term, value).Match();
    if (!upper)
        upper = value.toUpper();
    return TermMatcher(term, *upper).Match();
}

bool ConditionProgram::Match(const QString& value) const
{
    // A single number comparison decides most numbers from their text.
    if (const TNumberComparison* quick = NumberComparison())
        if (const std::optional<bool> decided = quick->DecideText(value))
            return *decided;
    // The value is upper-cased, and read as a number, once for all terms
    // and only when a term asks.
    std::optional<QString> upper;
    ValueRead read(value);
    // A condition read as one term is that term: there is no operator to
    // join it with (a closed group always leaves a term behind it, and an
    // unclosed one that holds the only term gives its outcome out).
    if (FTerms.size() == 1)
        return MatchTerm(FTerms.front(), value, read, upper);
    size_t next = 0;
    return Walk([&](const Frame&, qsizetype, qsizetype) { return MatchTerm(FTerms[next++], value, read, upper); });
}

void ConditionProgram::Frame::Combine(bool item)
{
    if (previous == NoOperator)
        result = item;
    else if (previous == u'&')
        result = result && item;
    else if (previous != u'(')
        result = result || item;  // "|", ";" and "^" alike
}

ConditionProgram::Frame ConditionProgram::Group(const Frame& parent, qsizetype open) const
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

QString ConditionProgram::Text(const Frame& frame, qsizetype from, qsizetype to) const
{
    QString text = FText.mid(from, to - from);
    if (frame.blankFree)
        text.remove(u' ');
    return text;
}

bool ConditionProgram::OnlyBlanks(const Frame& frame, qsizetype from, qsizetype to) const
{
    if (!frame.blankFree)
        return from == to;
    for (qsizetype i = from; i < to; ++i)
        if (FText[i] != u' ')
            return false;
    return true;
}

template <typename TermOutcome>
bool ConditionProgram::Walk(TermOutcome&& term) const
{
    std::vector<Frame>& frames = FFrames;
    frames.clear();
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
            frame.Combine(term(frame, frame.pos, at));
            frame.previous = FText[at];
            frame.pos = at + 1;
            continue;
        }
        // The rest is the last term; the condition read, its value goes to
        // the group that holds it, and on out of every group that ran to
        // the end with it.
        frame.Combine(term(frame, frame.pos, frame.end));
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

TFilterCondition::TFilterCondition(const QString& condition, bool caseSensitive, TConditionPaths paths)
    : FProgram(std::make_unique<matcher::ConditionProgram>(condition, caseSensitive, paths))
{
}

TFilterCondition::~TFilterCondition() = default;
TFilterCondition::TFilterCondition(TFilterCondition&&) noexcept = default;
TFilterCondition& TFilterCondition::operator=(TFilterCondition&&) noexcept = default;

bool TFilterCondition::Match(const QString& value) const { return FProgram->Match(value); }

const TNumberComparison* TFilterCondition::NumberComparison() const { return FProgram->NumberComparison(); }

bool MatchFilter(const QString& condition, const QString& value, bool caseSensitive)
{
    return TFilterCondition(condition, caseSensitive).Match(value);
}

bool MatchTermWithCase(const QString& term, const QString& value, bool caseSensitive)
{
    if (caseSensitive)
        return MatchTerm(term, value);
    return MatchTerm(term.toUpper(), value.toUpper());
}

bool MatchTerm(QStringView term, QStringView value)
{
    const matcher::TermPattern pattern(term.toString());
    return matcher::TermMatcher(pattern, value).Match();
}

bool ReadLocaleNumber(QStringView text, double& value)
{
    const auto& settings = platform::formatSettings();
    const QChar decimal = settings.DecimalSeparator;
    const QChar thousand = settings.ThousandSeparator;
    if (ReadShortDecimalTo(text, decimal, thousand, value))
        return true;
    // The text as DotDecimalText gives it, in a buffer: the grammar admits
    // nothing beyond ASCII.
    constexpr qsizetype longest = 128;
    char buffer[longest];
    qsizetype n = 0;
    for (const QChar c : text) {
        char16_t u = c.unicode();
        if (c == decimal)
            u = u'.';
        else if (c == thousand)
            continue;
        if (u > 0x7F)
            return false;
        if (n == longest) {
            // Longer than any number needs: read the plain way.
            const QString dotted = DotDecimalText(text.toString());
            const QByteArray ascii = dotted.toLatin1();  // only ASCII gets here
            if (!matcher::isDecimalNumber(ascii.constData(), ascii.size()))
                return false;
            bool ok = false;
            value = dotted.toDouble(&ok);
            return ok;
        }
        buffer[n++] = char(u);
    }
    if (!matcher::isDecimalNumber(buffer, n))
        return false;
    // from_chars takes no "+"; a number out of range is none.
    const char* first = buffer[0] == '+' ? buffer + 1 : buffer;
    double read = 0;
    const auto [end, error] = std::from_chars(first, buffer + n, read);
    if (error != std::errc() || end != buffer + n)
        return false;
    value = read;
    return true;
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

bool LocaleTextToDateTime(QStringView textView, QDateTime& dateTime)
{
    const auto& settings = platform::formatSettings();

    // Most texts have no two date separators: they are no date, quickly.
    const QChar dateSeparator = settings.DateSeparator;
    const qsizetype first = textView.indexOf(dateSeparator);
    const qsizetype second = first < 0 ? -1 : textView.indexOf(dateSeparator, first + 1);
    if (second < 0)
        return false;

    // Field order: that of D, M and Y in the short date format.
    const QString format = settings.ShortDateFormat.toUpper();
    std::array<std::pair<qsizetype, QChar>, 3> order = {
        {{format.indexOf(u'D'), u'D'}, {format.indexOf(u'M'), u'M'}, {format.indexOf(u'Y'), u'Y'}}};
    for (const auto& field : order)
        if (field.first < 0)
            return false;
    std::sort(order.begin(), order.end());

    const QString text = textView.toString();
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
