#include "controls/grid/io/office/sheet_address.h"

namespace grid::io {

namespace {

int LetterNumber(QChar c)
{
    const char16_t u = QChar(c).toUpper().unicode();
    return u >= u'A' && u <= u'Z' ? int(u - u'A') + 1 : 0;
}

std::optional<int> WholeNumber(const QString& text)
{
    bool ok = false;
    const int n = text.toInt(&ok);
    if (!ok) return std::nullopt;
    return n;
}

// "B$2": the column from the letters before the "$", the row after it.
void ReadCorner(const QString& corner, std::optional<int>& col, std::optional<int>& row)
{
    const qsizetype dollar = corner.indexOf(u'$');
    col = SheetColumnNumber(corner.left(dollar));
    row = WholeNumber(corner.mid(dollar + 1));
}

QString StripLeadingDollar(const QString& text) { return text.startsWith(u'$') ? text.mid(1) : text; }

}  // namespace

QString SheetColumnName(int n)
{
    if (n < 1 || n > 702) return {};
    if (n <= 26) return QString(QChar(u'A' + (n - 1)));
    return QString(QChar(u'A' + ((n - 1) / 26 - 1))) + QChar(u'A' + (n - 1) % 26);
}

std::optional<int> SheetColumnNumber(const QString& name)
{
    if (name.isEmpty()) return std::nullopt;
    const int first = LetterNumber(name[0]);
    if (first == 0) return std::nullopt;
    if (name.size() == 1) return first;
    const int second = LetterNumber(name[1]);
    if (second == 0) return std::nullopt;
    return 26 * first + second;
}

QString TSheetArea::RangeAddress() const
{
    return SheetColumnName(FirstCol.value_or(0)) + QString::number(FirstRow.value_or(0)) + u':' +
           SheetColumnName(LastCol.value_or(0)) + QString::number(LastRow.value_or(0));
}

TSheetArea ParseSheetArea(const QString& address)
{
    TSheetArea area;
    const qsizetype colon = address.indexOf(u':');
    if (colon >= 0) {
        const QString first = StripLeadingDollar(address.left(colon));
        const QString last = StripLeadingDollar(address.mid(colon + 1));
        if (!first.contains(u'$')) {
            // Whole rows: $1:$20.
            area.FirstRow = WholeNumber(first);
            area.LastRow = WholeNumber(last);
            area.FirstCol = 1;
            area.LastCol = 256;
        } else {
            ReadCorner(first, area.FirstCol, area.FirstRow);
            ReadCorner(last, area.LastCol, area.LastRow);
        }
        return area;
    }
    area.SingleCell = true;
    if (!address.contains(u'$')) {
        area.FirstCol = area.LastCol = 1;
        area.FirstRow = area.LastRow = 1;
        return area;
    }
    ReadCorner(address.mid(1), area.FirstCol, area.FirstRow);
    area.LastCol = area.FirstCol;
    area.LastRow = area.FirstRow;
    return area;
}

}  // namespace grid::io
