#pragma once

// What a sort compares of a column's cells, read once per cell.
//
// The grid's cell comparison (TExStringGrid::SortCompare) reads both cells
// and works out the style, numbers and dates on every comparison. A sort
// compares each cell some 2 log n times, so TSortColumnKeys reads the cells
// of a column once, keeps what the comparisons need of each (the facts of
// the automatic style, the number, the texts the style compares; dates and
// times on first use) and compares two cells from those. Its comparison
// gives what SortCompare gives for the same two cells; the helpers of
// sort_values serve both.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <new>
#include <optional>
#include <vector>

#include <QDate>
#include <QString>
#include <QStringView>

#include "controls/grid/settings/grid_sort_settings.h"

namespace grid {

namespace sort_values {

inline int signOf(double a, double b) { return a > b ? 1 : (a < b ? -1 : 0); }
inline int signOf(int a) { return a > 0 ? 1 : (a < 0 ? -1 : 0); }

// Integer, float or scientific by the grid's number classifier.
bool isNumberText(const QString& text);
// Upper case of the letters a..z only.
QString asciiUpper(const QString& text);
// The text of a number cell as a "."-decimal number: the first occurrence
// of the suffix and then of the prefix dropped, every thousand separator
// dropped when financial, the first decimal separator turned into ".".
QString numberTextForSort(QString text, const QString& prefix, const QString& suffix, bool financial);
// A "."-decimal number, blanks around it allowed, plain or scientific;
// nothing for any other text (no "inf" or "nan").
std::optional<double> readSortNumber(QStringView text);
// Days since 30 December 1899 with the time as the fraction; 0 for a text
// that is no date (or date and time) in the process's format.
double dateValue(const QString& text);
// The same count for a day-month-year or month-day-year text; 0 for no date.
double shortDateValue(const QDate& date);
// "h:n" or "h:n:s" with the process's time separator as a fraction of a
// day; 0 for a text that is no time.
double timeValue(const QString& text);

// The date or time test of the automatic style on one separator, as far as
// the first of the two texts decides it: the separator at position 2 or 3
// with something after it (tried) and number characters on both sides of
// it (around). The test then needs the separator in the second text.
struct TSeparatorTest {
    bool Found = false;  // the separator is in the text
    bool Tried = false;
    bool Around = false;
};
TSeparatorTest separatorTest(const QString& text, QChar separator);

// What the automatic and the alphanumeric styles look at in one cell, as
// bits (TStyleFact).
enum TStyleFact : uint16_t {
    sfCheckBox = 1,    // the cell type is one of the check boxes
    sfNumberText = 2,  // isNumberText
    sfDateTried = 4,   // separatorTest on the date separator
    sfDateAround = 8,
    sfTimeTried = 16,  // separatorTest on the time separator
    sfTimeAround = 32,
    sfHasDateSeparator = 64,
    sfHasTimeSeparator = 128,
};
using TStyleFacts = uint16_t;
// The facts of a cell text with the process's separators.
TStyleFacts styleFacts(const QString& text, bool checkBox);

// The style two cells compare by: the column's style, with ssAutomatic
// decided from the first cell's type and the facts of both texts, and the
// alphanumeric styles decided by whether both are numbers.
inline TSortStyle resolveStyle(TSortStyle columnStyle, TStyleFacts first, TStyleFacts second, bool ignoreCase)
{
    if (columnStyle == ssAlphaNumeric || columnStyle == ssAlphaNumericNoCase) {
        if ((first & sfNumberText) && (second & sfNumberText)) return ssNumeric;
        return columnStyle == ssAlphaNumeric ? ssAlphabetic : ssAlphaNoCase;
    }
    if (columnStyle != ssAutomatic) return columnStyle;
    if (first & sfCheckBox) return ssCheckBox;
    // Either text a number: compared as numbers, so that the comparison is
    // the same whichever of the two cells comes first (a blank counts as 0,
    // other texts follow the numbers).
    if ((first | second) & sfNumberText) return ssNumeric;
    // The time test runs only when the date test was not tried.
    if (first & sfDateTried) {
        if ((first & sfDateAround) && (second & sfHasDateSeparator))
            return (first & sfHasTimeSeparator) ? ssDateTime : ssDate;
    } else if ((first & sfTimeTried) && (first & sfTimeAround) && (second & sfHasTimeSeparator)) {
        return ssTime;
    }
    return ignoreCase ? ssAlphaNoCase : ssAlphabetic;
}

inline bool isNumberStyle(TSortStyle style) { return style == ssNumeric || style == ssFinancial; }

// Two numbers of a numeric comparison (a cell without a number counts as 0
// when it shows nothing): a missing number sorts after every number, two
// missing ones are equal.
inline int compareNumbers(const std::optional<double>& first, const std::optional<double>& second)
{
    if (!first && !second) return 0;
    if (!first) return 1;
    if (!second) return -1;
    return signOf(*first, *second);
}

// With IgnoreBlanks, exactly one empty text of the two is placed first
// (blFirst) or last (blLast) whatever the comparison said, in both directions.
inline int placeBlanks(int result, bool firstEmpty, bool secondEmpty, TSortBlankPosition position,
                       TSortDirection direction)
{
    if (firstEmpty == secondEmpty) return result;
    const int first = position == blFirst ? -1 : 1;
    const int sign = direction == sdAscending ? 1 : -1;
    return (firstEmpty ? first : -first) * sign;
}

}  // namespace sort_values

// How the cells of one column are compared: the style after the column's
// format hook, with its prefix and suffix, and the sort settings it reads.
struct TSortColumnSetup {
    TSortStyle Style = ssAutomatic;
    QString Prefix;
    QString Suffix;
    bool IgnoreCase = false;
    bool IgnoreBlanks = false;
    TSortBlankPosition BlankPos = blFirst;
    // ssCustom: the comparison of two texts, its result starting at 0.
    std::function<void(const QString& text1, const QString& text2, int& result)> CustomCompare;
};

// The reads of one cell (by its index among the cells read) that a column's
// keys take; each is asked only when the style needs it.
class TSortCellReader {
public:
    virtual ~TSortCellReader() = default;
    // The text that is compared.
    virtual QString Text(int index) const = 0;
    // Whether the cell shows nothing (the compared text is given).
    virtual bool DisplayedEmpty(int index, const QString& compared) const = 0;
    virtual bool CheckBox(int index) const = 0;
    virtual bool Checked(int index) const = 0;
    // The text without mark-up tags.
    virtual QString Stripped(int index) const = 0;
    virtual intptr_t ImageKey(int index) const = 0;
    // The whole number of a text of digits with at most a "-" in front,
    // when the cell keeps it beside the text (the text need not be read).
    virtual std::optional<int64_t> KeptWholeNumber(int /*index*/) const { return std::nullopt; }
    // A hint that the cell will be read soon (the cells are read in order);
    // without wholeNumberTexts the text of a kept whole number is not.
    virtual void Prefetch(int /*index*/, bool /*wholeNumberTexts*/) const {}
};

// The cells of one column, read once; compared by their index (the order
// they were read in) or by their keys.
class TSortColumnKeys {
public:
    // What a comparison needs of one cell, in 16 bytes: a sort of 100,000
    // rows moves and compares these in the caches.
    struct TKey {
        double Number = 0;
        sort_values::TStyleFacts Facts = 0;
        uint16_t Flags = 0;  // TKeyFlag
        int32_t Cell = 0;    // the cell's index
    };

    // Where the keys are read to instead of the column's own list: slot k lies k * Stride
    // bytes after First, and the key of cell i goes to slot Slots[i] (slot i
    // without Slots). A sort keeps each record's keys of two columns side
    // by side this way, wherever it has put the record by then.
    struct TKeyPlaces {
        TKey* First = nullptr;
        size_t Stride = sizeof(TKey);
        const int* Slots = nullptr;
        TKey& operator[](int i) const
        {
            const size_t slot = size_t(Slots != nullptr ? Slots[i] : i);
            return *std::launder(reinterpret_cast<TKey*>(reinterpret_cast<std::byte*>(First) + slot * Stride));
        }
    };

    // The keys kept in the column's own list, compared by cell index.
    TSortColumnKeys(TSortColumnSetup setup, int count, const TSortCellReader& reader);
    // The keys read to the caller's places, compared by CompareKeys only.
    TSortColumnKeys(TSortColumnSetup setup, int count, const TSortCellReader& reader, TKeyPlaces places);

    int Count() const { return FCount; }
    const TSortColumnSetup& Setup() const { return FSetup; }

    // -1, 0, 1: cell a sorts before, with, after cell b in ascending order
    // (the direction only places blanks). Dates and times are worked out on
    // first use. Compare needs the column's own list.
    int Compare(int a, int b, TSortDirection direction) { return CompareKeys(FKeys[size_t(a)], FKeys[size_t(b)], direction); }
    // Whether two cells compare as their numbers alone, whatever the style.
    static bool BothInNumberLane(const TKey& k1, const TKey& k2) { return (k1.Flags & k2.Flags & kNumberLane) != 0; }
    int CompareKeys(const TKey& k1, const TKey& k2, TSortDirection direction)
    {
        // Two cells of the number lane compare as numbers, no blank among them.
        if (BothInNumberLane(k1, k2)) return sort_values::signOf(k1.Number, k2.Number);
        const TSortStyle style = sort_values::resolveStyle(FSetup.Style, k1.Facts, k2.Facts, FSetup.IgnoreCase);
        const bool numeric = sort_values::isNumberStyle(style);
        // A cell without a number holds +infinity: after every number
        // (numbers are finite), equal to another such cell.
        int res = numeric ? sort_values::signOf(k1.Number, k2.Number) : CompareOther(style, k1, k2);
        if (FSetup.IgnoreBlanks) {
            // Number styles look at the texts without prefix and suffix.
            const uint16_t empty = numeric ? kNumberEmpty : kEmpty;
            res = sort_values::placeBlanks(res, k1.Flags & empty, k2.Flags & empty, FSetup.BlankPos, direction);
        }
        return res;
    }

private:
    // kNumberEmpty: the text is empty without prefix, suffix and separators.
    // kNumberLane: with every other cell of the lane the style compares the
    // two as numbers and places no blank.
    enum TKeyFlag : uint16_t { kEmpty = 1, kNumberEmpty = 2, kChecked = 4, kNumberLane = 8 };
    void Read(const TSortCellReader& reader, TKeyPlaces places);
    // Whether some comparison of the column's style may read this cell's text.
    bool NeedsText(const TKey& key) const;
    bool InNumberLane(const TKey& key) const;
    // The styles other than the number styles.
    int CompareOther(TSortStyle style, const TKey& k1, const TKey& k2);
    // A cell's place in the side tables, -1 when it has none (no comparison
    // reads its text, or the text is empty); its texts there.
    int SideOf(int cell) const;
    const QString& TextOf(int side) const;
    const QString& ComparedOf(int side) const;
    double DateOf(int side);
    double TimeOf(int side);

    TSortColumnSetup FSetup;
    int FCount;
    std::vector<TKey> FKeys;
    // The side tables, for the cells listed in FSideCells (in cell order;
    // empty: every cell, or none when there are no texts): the texts, the text the style compares instead
    // (upper-cased or tag-stripped), dates and times (NaN until worked out),
    // image keys.
    std::vector<int32_t> FSideCells;
    std::vector<QString> FTexts;
    std::vector<QString> FCompared;
    std::vector<double> FDates;
    std::vector<double> FTimes;
    std::vector<intptr_t> FImageKeys;
};

}  // namespace grid
