#include "platform/office/spreadsheet/workbook.h"

#include <cmath>

namespace platform::office::spreadsheet {

namespace {

const QDate DateZero(1899, 12, 30);

const std::pair<qint32, const char*> ErrorNames[] = {{2000, "#NULL!"}, {2007, "#DIV/0!"}, {2015, "#VALUE!"},
                                                     {2023, "#REF!"},  {2029, "#NAME?"},  {2036, "#NUM!"},
                                                     {2042, "#N/A"}};

}  // namespace

Variant Sheet::At(CellKey key) const
{
    const auto found = cells.find(key);
    return found == cells.end() ? Variant() : found->second;
}

void Sheet::Set(CellKey key, const Variant& value)
{
    if (value.isEmpty() || (value.kind() == Variant::Kind::Text && value.toText().isEmpty()))
        cells.erase(key);
    else
        cells[key] = value;
}

std::optional<CellArea> Sheet::Used() const
{
    if (cells.empty()) return std::nullopt;
    CellArea area{cells.begin()->first, cells.rbegin()->first};
    for (const auto& [key, value] : cells) {
        area.first.column = std::min(area.first.column, key.column);
        area.last.column = std::max(area.last.column, key.column);
    }
    return area;
}

QString ColumnLetters(int column)
{
    QString letters;
    for (int n = column; n > 0; n = (n - 1) / 26) letters.prepend(QChar(u'A' + (n - 1) % 26));
    return letters;
}

std::optional<CellKey> ParseCellReference(const QString& text)
{
    qsizetype i = 0;
    if (i < text.size() && text[i] == u'$') ++i;
    qint64 column = 0;
    const qsizetype lettersAt = i;
    for (; i < text.size() && i - lettersAt < 4; ++i) {
        const char16_t c = text[i].toUpper().unicode();
        if (c < u'A' || c > u'Z') break;
        column = column * 26 + (c - u'A' + 1);
    }
    if (i == lettersAt) return std::nullopt;
    if (i < text.size() && text[i] == u'$') ++i;
    const qsizetype digitsAt = i;
    qint64 row = 0;
    for (; i < text.size() && text[i].isDigit() && i - digitsAt < 8; ++i) row = row * 10 + text[i].digitValue();
    if (i == digitsAt || i != text.size()) return std::nullopt;
    if (row < 1 || row > MaxSheetRows || column < 1 || column > MaxSheetColumns) return std::nullopt;
    return CellKey{int(row), int(column)};
}

std::optional<CellArea> ParseCellArea(const QString& text)
{
    const qsizetype colon = text.indexOf(u':');
    const auto first = ParseCellReference(colon < 0 ? text : text.left(colon));
    const auto last = colon < 0 ? first : ParseCellReference(text.mid(colon + 1));
    if (!first || !last) return std::nullopt;
    return CellArea{{std::min(first->row, last->row), std::min(first->column, last->column)},
                    {std::max(first->row, last->row), std::max(first->column, last->column)}};
}

QString AbsoluteAddress(const CellArea& area)
{
    auto corner = [](CellKey k) { return QStringLiteral("$%1$%2").arg(ColumnLetters(k.column)).arg(k.row); };
    return area.first == area.last ? corner(area.first) : corner(area.first) + u':' + corner(area.last);
}

double DateNumber(const QDateTime& date)
{
    const double days = double(DateZero.daysTo(date.date()));
    return days + double(date.time().msecsSinceStartOfDay()) / 86400000.0;
}

std::optional<QDateTime> DateFromNumber(double number)
{
    if (!std::isfinite(number) || number < 1 || number >= 2958466) return std::nullopt;
    const double day = std::floor(number);
    qint64 ms = std::llround((number - day) * 86400000.0);
    QDate date = DateZero.addDays(qint64(day));
    if (ms >= 86400000) {
        date = date.addDays(1);
        ms = 0;
    }
    return QDateTime(date, QTime::fromMSecsSinceStartOfDay(int(ms)));
}

QString ErrorName(qint32 code)
{
    for (const auto& [c, name] : ErrorNames)
        if (c == code) return QString::fromLatin1(name);
    return QStringLiteral("#N/A");
}

std::optional<qint32> ErrorCode(const QString& name)
{
    for (const auto& [c, n] : ErrorNames)
        if (name.compare(QLatin1String(n), Qt::CaseInsensitive) == 0) return c;
    return std::nullopt;
}

}  // namespace platform::office::spreadsheet
