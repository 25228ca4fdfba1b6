// Typed faces of the text cells (integers, floats, dates, times, control
// values), bulk fills and the floating footer's calculations.

#include <QRandomGenerator>

#include "controls/grid/string_grid/ex_string_grid.h"
#include "controls/grid/grid_error.h"
#include "controls/grid/text/grid_format.h"
#include "controls/grid/html/html_text_utils.h"
#include "controls/grid/text/grid_number_text.h"
#include "platform/format_settings.h"
#include "platform/strings.h"

namespace grid {

namespace grid_typed_detail {

int readInt(const QString& raw)
{
    const QString text = platform::trimBlanks(raw);
    if (text.isEmpty() || text == QStringLiteral("-")) return 0;
    const std::optional<int32_t> value = platform::parseInt(text);
    if (!value) throw EExGridError("Cell does not contain integer value");
    return *value;
}

double readFloat(const QString& raw)
{
    const QString text = NormalizeNumberText(raw);
    if (text.isEmpty() || text == QStringLiteral("-")) {
        // Only an empty cell or a lone minus reads as 0; a text whose
        // reading kept no digit ("abc", "-x") is no number.
        const QString given = platform::trimBlanks(raw);
        if (given.isEmpty() || given == QStringLiteral("-")) return 0.0;
        throw EExGridError("Cell does not contain a float value");
    }
    bool ok = false;
    const double value = QLocale::c().toDouble(text, &ok);
    if (!ok) throw EExGridError("Cell does not contain a float value");
    return value;
}

// A format of the format settings as a Qt pattern: `from` becomes `to` and
// the separator placeholder the settings' separator.
QString qtPattern(const QString& format, QChar from, QChar to, QChar placeholder, QChar separator)
{
    QString pattern;
    for (QChar c : format) {
        if (c == from) pattern += to;
        else if (c == placeholder) pattern += separator;
        else pattern += c;
    }
    return pattern;
}

// The configurator's date and time patterns as Qt patterns.
QString qtDatePattern()
{
    const platform::FormatSettings& fs = platform::formatSettings();
    return qtPattern(fs.ShortDateFormat, u'm', u'M', u'/', fs.DateSeparator);
}

QString qtTimePattern()
{
    const platform::FormatSettings& fs = platform::formatSettings();
    return qtPattern(fs.LongTimeFormat, u'n', u'm', u':', fs.TimeSeparator);
}

// Day, month and year in the order of the short date format, separated by the date separator.
QDate parseShortDate(const QString& raw)
{
    const platform::FormatSettings& fs = platform::formatSettings();
    const QString text = platform::trimBlanks(raw);
    const QStringList parts = text.split(fs.DateSeparator);
    QString order;
    for (QChar c : fs.ShortDateFormat.toLower())
        if ((c == u'd' || c == u'm' || c == u'y') && !order.contains(c)) order += c;
    if (parts.size() != 3 || order.size() != 3) throw std::invalid_argument(("'" + text + "' is not a valid date").toStdString());
    int d = 0, m = 0, y = 0;
    for (int i = 0; i < 3; ++i) {
        const std::optional<int32_t> v = platform::parseDecimal(parts[i]);
        if (!v) throw std::invalid_argument(("'" + text + "' is not a valid date").toStdString());
        (order[i] == u'd' ? d : order[i] == u'm' ? m : y) = *v;
    }
    if (parts[order.indexOf(u'y')].size() <= 2) y += y < 50 ? 2000 : 1900;
    const QDate date(y, m, d);
    if (!date.isValid()) throw std::invalid_argument(("'" + text + "' is not a valid date").toStdString());
    return date;
}

QTime parseTime(const QString& raw)
{
    const platform::FormatSettings& fs = platform::formatSettings();
    const QString text = platform::trimBlanks(raw);
    if (const QTime exact = QTime::fromString(text, qtTimePattern()); exact.isValid()) return exact;
    const QStringList parts = text.split(fs.TimeSeparator);
    int values[3] = {0, 0, 0};
    bool ok = parts.size() >= 1 && parts.size() <= 3;
    for (int i = 0; ok && i < parts.size(); ++i) {
        const std::optional<int32_t> v = platform::parseDecimal(parts[i]);
        ok = v.has_value();
        if (ok) values[i] = *v;
    }
    const QTime time(values[0], values[1], values[2]);
    if (!ok || !time.isValid()) throw std::invalid_argument(("'" + text + "' is not a valid time").toStdString());
    return time;
}

}  // namespace grid_typed_detail

int TExStringGrid::Ints(int ACol, int ARow) const { return grid_typed_detail::readInt(GetStrippedCell(ACol, ARow)); }

void TExStringGrid::SetInts(int ACol, int ARow, int value)
{
    SetCellEx(ACol, ARow, QString::number(value));
}

int TExStringGrid::AllInts(int ACol, int ARow) const { return grid_typed_detail::readInt(CellsEx(ACol, ARow)); }

void TExStringGrid::SetAllInts(int ACol, int ARow, int value) { SetCellsEx(ACol, ARow, QString::number(value)); }

double TExStringGrid::Floats(int ACol, int ARow) const { return grid_typed_detail::readFloat(GetStrippedCell(ACol, ARow)); }

void TExStringGrid::SetFloats(int ACol, int ARow, double value)
{
    QString format;
    GetCellFloatFormat(ACol, ARow, format);
    SetCellEx(ACol, ARow, FormatWithArgs(format, {value}));
}

double TExStringGrid::AllFloats(int ACol, int ARow) const { return grid_typed_detail::readFloat(CellsEx(ACol, ARow)); }

void TExStringGrid::SetAllFloats(int ACol, int ARow, double value)
{
    SetCellsEx(ACol, ARow, FormatWithArgs(FloatFormat, {value}));
}

void TExStringGrid::GetCellFloatFormat(int, int, QString& format) { format = FloatFormat; }

QDate TExStringGrid::Dates(int ACol, int ARow) const { return grid_typed_detail::parseShortDate(GetCellEx(ACol, ARow)); }

void TExStringGrid::SetDates(int ACol, int ARow, const QDate& value)
{
    // A null date (the day 0 of the date arithmetic) shows only with ShowNullDates.
    if (value.isValid() || ShowNullDates)
        SetCellEx(ACol, ARow, (value.isValid() ? value : QDate(1899, 12, 30)).toString(grid_typed_detail::qtDatePattern()));
    else
        SetCellEx(ACol, ARow, QString());
}

QTime TExStringGrid::Times(int ACol, int ARow) const { return grid_typed_detail::parseTime(GetCellEx(ACol, ARow)); }

void TExStringGrid::SetTimes(int ACol, int ARow, const QTime& value)
{
    SetCellEx(ACol, ARow, value.toString(grid_typed_detail::qtTimePattern()));
}

QString TExStringGrid::ControlValues(int ACol, int ARow, const QString& ID) const
{
    QString value;
    GetHTMLControlValue(GetCellEx(ACol, ARow), ID, value);
    return value;
}

void TExStringGrid::SetControlValues(int ACol, int ARow, const QString& ID, const QString& value)
{
    QString text = GetCellEx(ACol, ARow);
    if (SetHTMLControlValue(text, ID, value)) SetCellEx(ACol, ARow, text);
}

// ------------------------------------------------------------ fills

template <typename Fill> void TExStringGrid::FillCells(bool DoFixed, Fill&& fill)
{
    const int c1 = DoFixed ? 0 : GridBase::FixedCols();
    const int c2 = DoFixed ? ColCount() - 1 : ColCount() - FFixedRightCols - 1;
    const int r1 = DoFixed ? 0 : GridBase::FixedRows();
    const int r2 = DoFixed ? RowCount() - 1 : RowCount() - FFixedFooters - 1;
    for (int r = r1; r <= r2; ++r)
        for (int c = c1; c <= c2; ++c) fill(c, r);
    CellsLoaded();
}

void TExStringGrid::TextFill(bool DoFixed, const QString& Txt)
{
    FillCells(DoFixed, [&](int c, int r) { SetCellEx(c, r, Txt); });
}

void TExStringGrid::FormatFill(bool DoFixed, const QString& Fmt)
{
    FillCells(DoFixed, [&](int c, int r) { SetCellEx(c, r, FormatWithArgs(Fmt, {int64_t(c), int64_t(r)})); });
}

void TExStringGrid::RandomFill(bool DoFixed, int Rnd)
{
    FillCells(DoFixed, [&](int c, int r) {
        SetInts(c, r, Rnd > 0 ? int(QRandomGenerator::global()->bounded(Rnd)) : 0);
    });
}

void TExStringGrid::LinearFill(bool DoFixed)
{
    FillCells(DoFixed, [&](int c, int r) { SetCellEx(c, r, QString::number(c) + u':' + QString::number(r)); });
}

// ------------------------------------------------------------ footer

void TExStringGrid::CalcFooter(int ACol) { CalcFooterColumns(ACol); }

void TExStringGrid::CalcFooterColumns(int ACol)
{
    if (!FFloatingFooter.Visible || FFloatingFooter.FooterStyle != fsFixedLastRow || !FFloatingFooter.EnableCalculation)
        return;
    const int F = RowCount() - 1;
    const int h = FFloatingFooter.CalculateHiddenRows ? NumHiddenRows() : 0;
    const int first = GridBase::FixedRows();
    const int last = F - 1 + h;
    const int from = ACol == -1 ? 0 : ACol;
    const int to = ACol == -1 ? AllColCount() - 1 : ACol;
    for (int c = from; c <= to; ++c) {
        const TCellProperties* props = HasCellProperties(c, F) ? CellPropertiesOrNull(c, F) : nullptr;
        if (props == nullptr) continue;
        const auto kind = TColumnCalcType(props->CalcType() & 0x7F);
        switch (kind) {
        case acSUM: SetFloats(c, F, ColumnSum(c, first, last)); break;
        case acAVG: SetFloats(c, F, ColumnAvg(c, first, last)); break;
        case acMIN: SetFloats(c, F, ColumnMin(c, first, last)); break;
        case acMAX: SetFloats(c, F, ColumnMax(c, first, last)); break;
        case acDISTINCT: SetFloats(c, F, ColumnDistinct(c, first, last)); break;
        case acSTDDEV: SetFloats(c, F, ColumnStdDev(c, first, last)); break;
        case acCOUNT: SetInts(c, F, F - first + h); break;
        case acCUSTOM: {
            QString value;
            if (OnFooterCalc) {
                OnFooterCalc(this, c, F + h, value);
                SetCellEx(c, F, value);
            } else if (FFloatingFooter.OnCalcFooter) {
                FFloatingFooter.OnCalcFooter(this, c, F + h, value);
                SetCellEx(c, F, value);
            } else {
                SetCellEx(c, F, QString());
            }
            break;
        }
        default: break;
        }
    }
}

QString TExStringGrid::Version() const
{
    constexpr uint32_t versionNr = 0x01000000;  // 1.0.0.0
    return QStringLiteral("%1.%2.%3.%4")
        .arg(versionNr >> 24)
        .arg((versionNr >> 16) & 0xFF)
        .arg((versionNr >> 8) & 0xFF)
        .arg(versionNr & 0xFF);
}

}  // namespace grid
