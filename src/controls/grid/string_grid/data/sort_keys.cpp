#include "controls/grid/string_grid/data/sort_keys.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>

#include <QDateTime>
#include <QStringList>

#include "controls/grid/text/filter_matcher.h"
#include "controls/grid/text/grid_number_text.h"
#include "platform/format_settings.h"

namespace grid {

namespace sort_values {

bool isNumberText(const QString& text)
{
    const int kind = NumberTextType(text);
    return kind == NumberTextInteger || kind == NumberTextFloat || kind == NumberTextScientific;
}

QString asciiUpper(const QString& text)
{
    QString result = text;
    for (qsizetype i = 0; i < result.size(); ++i) {
        const QChar c = result.at(i);  // reads without detaching: most texts stay shared
        if (c >= u'a' && c <= u'z') result[i] = QChar(c.unicode() - 32);
    }
    return result;
}

QString numberTextForSort(QString text, const QString& prefix, const QString& suffix, bool financial)
{
    const auto& fs = platform::formatSettings();
    if (!suffix.isEmpty()) {
        const qsizetype at = text.indexOf(suffix);
        if (at >= 0) text.remove(at, suffix.size());
    }
    if (!prefix.isEmpty()) {
        const qsizetype at = text.indexOf(prefix);
        if (at >= 0) text.remove(at, prefix.size());
    }
    if (financial) text.remove(fs.ThousandSeparator);
    if (fs.DecimalSeparator != u'.') {
        const qsizetype at = text.indexOf(fs.DecimalSeparator);
        if (at >= 0) text[at] = u'.';
    }
    return text;
}

std::optional<double> readSortNumber(QStringView text)
{
    QStringView view = text.trimmed();
    if (!view.isEmpty() && view.front() == u'+') view = view.mid(1);
    // Short plain numbers without the general parser; a second "+" is left
    // to it (which takes none).
    if (!view.isEmpty() && view.front() != u'+')
        if (const std::optional<double> quick = ReadShortDecimal(view, u'.', std::nullopt)) return quick;
    constexpr qsizetype longest = 64;
    if (view.isEmpty() || view.size() > longest) return std::nullopt;
    char buffer[longest];
    const qsizetype n = view.size();
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t c = view[i].unicode();
        if (c > 0x7F) return std::nullopt;
        buffer[i] = char(c);
    }
    // Digits or a point must come first (after a minus): no "inf" or "nan".
    const qsizetype first = buffer[0] == '-' ? 1 : 0;
    if (first >= n || !((buffer[first] >= '0' && buffer[first] <= '9') || buffer[first] == '.')) return std::nullopt;
    double value = 0;
    const auto [end, error] = std::from_chars(buffer, buffer + n, value);
    if (error != std::errc() || end != buffer + n) return std::nullopt;
    return value;
}

double dateValue(const QString& text)
{
    QDateTime dt;
    if (!LocaleTextToDateTime(text.trimmed(), dt)) return 0;
    static const QDate base(1899, 12, 30);
    return double(base.daysTo(dt.date())) + dt.time().msecsSinceStartOfDay() / 86400000.0;
}

double shortDateValue(const QDate& date)
{
    static const QDate base(1899, 12, 30);
    return date.isValid() ? double(base.daysTo(date)) : 0.0;
}

double timeValue(const QString& text)
{
    const QStringList parts = text.trimmed().split(platform::formatSettings().TimeSeparator);
    if (parts.size() < 2 || parts.size() > 3) return 0;
    int values[3] = {0, 0, 0};
    for (int i = 0; i < parts.size(); ++i) {
        QString part = parts[i].trimmed();
        if (i == parts.size() - 1) {
            // A trailing "am"/"pm" or seconds' fraction is not part of the order.
            const qsizetype blank = part.indexOf(u' ');
            if (blank > 0) part = part.left(blank);
        }
        bool ok = false;
        values[i] = part.toInt(&ok);
        if (!ok) return 0;
    }
    if (values[0] < 0 || values[0] > 23 || values[1] < 0 || values[1] > 59 || values[2] < 0 || values[2] > 59)
        return 0;
    return (values[0] * 3600 + values[1] * 60 + values[2]) / 86400.0;
}

TSeparatorTest separatorTest(const QString& text, QChar separator)
{
    TSeparatorTest test;
    const qsizetype p = text.indexOf(separator) + 1;  // 1-based
    test.Found = p > 0;
    test.Tried = p >= 2 && p <= 3 && text.size() > p;
    test.Around = test.Tried && IsNumberChar(text[p - 2]) && IsNumberChar(text[p]);
    return test;
}

TStyleFacts styleFacts(const QString& text, bool checkBox)
{
    TStyleFacts facts = checkBox ? sfCheckBox : 0;
    // A number compares as a number whatever else it holds.
    if (isNumberText(text)) return facts | sfNumberText;
    const auto& fs = platform::formatSettings();
    const TSeparatorTest date = separatorTest(text, fs.DateSeparator);
    const TSeparatorTest time = separatorTest(text, fs.TimeSeparator);
    if (date.Tried) facts |= sfDateTried;
    if (date.Around) facts |= sfDateAround;
    if (time.Tried) facts |= sfTimeTried;
    if (time.Around) facts |= sfTimeAround;
    if (date.Found) facts |= sfHasDateSeparator;
    if (time.Found) facts |= sfHasTimeSeparator;
    return facts;
}

}  // namespace sort_values

namespace sv = sort_values;

namespace {

bool mayBeNumeric(TSortStyle style)
{
    return style == ssAutomatic || style == ssAlphaNumeric || style == ssAlphaNumericNoCase || sv::isNumberStyle(style);
}

bool mayBeNoCase(const TSortColumnSetup& setup)
{
    return setup.Style == ssAlphaNoCase || setup.Style == ssAlphaNumericNoCase ||
           (setup.Style == ssAutomatic && setup.IgnoreCase);
}

}  // namespace

TSortColumnKeys::TSortColumnKeys(TSortColumnSetup setup, int count, const TSortCellReader& reader)
    : FSetup(std::move(setup)), FCount(std::max(0, count))
{
    FKeys.resize(size_t(FCount));
    Read(reader, TKeyPlaces{FKeys.data()});
}

TSortColumnKeys::TSortColumnKeys(TSortColumnSetup setup, int count, const TSortCellReader& reader,
                                 TKeyPlaces places)
    : FSetup(std::move(setup)), FCount(std::max(0, count))
{
    Read(reader, places);
}

bool TSortColumnKeys::NeedsText(const TKey& key) const
{
    // An empty text is read as such; only its stripped text may differ (the
    // stored text against the displayed one).
    if ((key.Flags & kEmpty) && FSetup.Style != ssHTML) return false;
    switch (FSetup.Style) {
    case ssAutomatic: return !(key.Facts & sv::sfNumberText);  // a number compares as a number only
    case ssNumeric:
    case ssFinancial:
    case ssCheckBox:
    case ssImages:
    case ssRaw: return false;
    default: return true;
    }
}

bool TSortColumnKeys::InNumberLane(const TKey& key) const
{
    if (key.Flags & kNumberEmpty) return false;
    switch (FSetup.Style) {
    case ssAutomatic: return (key.Facts & sv::sfNumberText) && !(key.Facts & sv::sfCheckBox);
    case ssAlphaNumeric:
    case ssAlphaNumericNoCase: return key.Facts & sv::sfNumberText;
    case ssNumeric:
    case ssFinancial: return true;
    default: return false;
    }
}

void TSortColumnKeys::Read(const TSortCellReader& reader, TKeyPlaces places)
{
    const TSortStyle style = FSetup.Style;
    const bool automatic = style == ssAutomatic;
    const bool facts = automatic || style == ssAlphaNumeric || style == ssAlphaNumericNoCase;
    const bool numbers = mayBeNumeric(style);
    const bool financial = style == ssFinancial;
    // Nothing to take off the texts before they are read as numbers.
    const bool plainNumbers = FSetup.Prefix.isEmpty() && FSetup.Suffix.isEmpty() && !financial &&
                              platform::formatSettings().DecimalSeparator == u'.';
    const bool compared = mayBeNoCase(FSetup) || style == ssAnsiAlphaNoCase || style == ssHTML;
    bool anyCheckBox = style == ssCheckBox;
    bool everyCellHasSide = true;  // FSideCells is then left empty
    constexpr int ahead = 16;  // cells asked for ahead of the read
    // A cell that keeps its text as a whole number of digits (at most a "-"
    // in front) gives its key without its text being read: the automatic
    // style classifies such a text as a whole number, and it reads exactly.
    const bool wholeNumbers = automatic && plainNumbers && !IsNumberChar(platform::formatSettings().ThousandSeparator);
    for (int i = 0; i < FCount; ++i) {
        if (i + ahead < FCount) reader.Prefetch(i + ahead, !wholeNumbers);
        TKey& key = places[i];
        key = TKey{};
        key.Cell = i;
        const std::optional<int64_t> whole = wholeNumbers ? reader.KeptWholeNumber(i) : std::nullopt;
        QString text;
        if (whole) {
            key.Facts = sv::sfNumberText | (reader.CheckBox(i) ? sv::sfCheckBox : 0);
            key.Number = double(*whole);
        } else {
            text = reader.Text(i);
            if (text.isEmpty()) key.Flags |= kEmpty | kNumberEmpty;
            if (facts) key.Facts = sv::styleFacts(text, automatic && reader.CheckBox(i));
            if (numbers) {
                std::optional<double> value;
                if (plainNumbers) {
                    value = sv::readSortNumber(text);
                } else {
                    const QString number = sv::numberTextForSort(text, FSetup.Prefix, FSetup.Suffix, financial);
                    value = sv::readSortNumber(number);
                    key.Flags = number.isEmpty() ? (key.Flags | kNumberEmpty) : (key.Flags & ~kNumberEmpty);
                }
                // An empty cell counts as 0.
                if (!value && reader.DisplayedEmpty(i, text)) value = 0.0;
                key.Number = value.value_or(std::numeric_limits<double>::infinity());
            }
        }
        anyCheckBox = anyCheckBox || (key.Facts & sv::sfCheckBox);
        if (numbers && InNumberLane(key)) key.Flags |= kNumberLane;
        if (!NeedsText(key)) {
            // The first cell without a place: the cells before it are listed.
            if (everyCellHasSide) {
                everyCellHasSide = false;
                for (int cell = 0; cell < i; ++cell) FSideCells.push_back(cell);
            }
        } else {
            if (!everyCellHasSide) FSideCells.push_back(i);
            if (compared)
                FCompared.push_back(style == ssHTML ? reader.Stripped(i)
                                    : style == ssAnsiAlphaNoCase ? text.toUpper()
                                                                 : sv::asciiUpper(text));
            FTexts.push_back(std::move(text));
        }
    }
    if (anyCheckBox)
        for (int i = 0; i < FCount; ++i)
            if (reader.Checked(i)) places[i].Flags |= kChecked;
    if (style == ssImages) {
        FImageKeys.resize(size_t(FCount));
        for (int i = 0; i < FCount; ++i) FImageKeys[size_t(i)] = reader.ImageKey(i);
    }
}

int TSortColumnKeys::SideOf(int cell) const
{
    if (FSideCells.empty()) return FTexts.empty() ? -1 : cell;
    const auto at = std::lower_bound(FSideCells.begin(), FSideCells.end(), cell);
    return at != FSideCells.end() && *at == cell ? int(at - FSideCells.begin()) : -1;
}

const QString& TSortColumnKeys::TextOf(int side) const
{
    static const QString empty;
    return side < 0 ? empty : FTexts[size_t(side)];
}

const QString& TSortColumnKeys::ComparedOf(int side) const { return side < 0 ? TextOf(side) : FCompared[size_t(side)]; }

namespace {

// A value worked out on first use; NaN: not yet.
template <typename Work>
double lazyValue(std::vector<double>& values, size_t count, int index, Work&& work)
{
    if (values.empty()) values.assign(count, std::numeric_limits<double>::quiet_NaN());
    double& value = values[size_t(index)];
    if (std::isnan(value)) value = work();
    return value;
}

}  // namespace

double TSortColumnKeys::DateOf(int side)
{
    auto work = [&] {
        const QString& t = TextOf(side);
        switch (FSetup.Style) {
        case ssShortDateEU: return sv::shortDateValue(DMYTextToDate(t.trimmed()));
        case ssShortDateUS: return sv::shortDateValue(MDYTextToDate(t.trimmed()));
        default: return sv::dateValue(t);
        }
    };
    return side < 0 ? work() : lazyValue(FDates, FTexts.size(), side, work);
}

double TSortColumnKeys::TimeOf(int side)
{
    auto work = [&] { return sv::timeValue(TextOf(side)); };
    return side < 0 ? work() : lazyValue(FTimes, FTexts.size(), side, work);
}

int TSortColumnKeys::CompareOther(TSortStyle style, const TKey& k1, const TKey& k2)
{
    switch (style) {
    case ssCheckBox: {
        const bool c1 = k1.Flags & kChecked, c2 = k2.Flags & kChecked;
        return c1 == c2 ? 0 : (c1 ? 1 : -1);
    }
    case ssImages: {
        const intptr_t i1 = FImageKeys[size_t(k1.Cell)], i2 = FImageKeys[size_t(k2.Cell)];
        return i1 > i2 ? 1 : (i1 < i2 ? -1 : 0);
    }
    case ssRaw: return 0;  // compared by row numbers: never from keys
    default: break;
    }
    const int s1 = SideOf(k1.Cell), s2 = SideOf(k2.Cell);
    const QString& t1 = TextOf(s1);
    const QString& t2 = TextOf(s2);
    switch (style) {
    case ssDate:
    case ssDateTime:
    case ssShortDateEU:
    case ssShortDateUS: return sv::signOf(DateOf(s1), DateOf(s2));
    case ssTime: return sv::signOf(TimeOf(s1), TimeOf(s2));
    case ssCustom: {
        int res = 0;
        if (FSetup.CustomCompare) FSetup.CustomCompare(t1, t2, res);
        return res;
    }
    case ssAlphaNoCase:
    case ssHTML: return sv::signOf(ComparedOf(s1).compare(ComparedOf(s2), Qt::CaseSensitive));
    case ssAnsiAlphaCase: return sv::signOf(QString::localeAwareCompare(t1, t2));
    case ssAnsiAlphaNoCase: return sv::signOf(QString::localeAwareCompare(ComparedOf(s1), ComparedOf(s2)));
    default: return sv::signOf(t1.compare(t2, Qt::CaseSensitive));
    }
}

}  // namespace grid
