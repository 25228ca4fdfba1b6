#include "controls/grid/print/print_settings_file.h"

#include <QFile>
#include <QSet>

#include "controls/grid/grid_error.h"
#include "controls/grid/print/print_settings.h"
#include "platform/atomic_file.h"

namespace grid {

namespace print_settings_file_detail {

using platform::IniSection;
using platform::IniValue;

enum StyleBit : int { kBold = 1, kItalic = 2, kUnderline = 4, kStrikeOut = 8 };

QString yesNo(bool value) { return value ? QStringLiteral("Y") : QStringLiteral("N"); }

// The title lines as one value: line breaks as "\n", backslashes doubled.
QString titleLinesValue(const QStringList& lines)
{
    QString text = lines.join(u'\r');
    text.replace(u'\\', QStringLiteral("\\\\"));
    text.replace(u'\r', QStringLiteral("\\n"));
    text.remove(u'\n');
    return text;
}

QStringList titleLinesOf(const QString& value)
{
    QStringList lines;
    if (value.isEmpty())
        return lines;
    QString line;
    for (qsizetype i = 0; i < value.size(); ++i) {
        const QChar c = value[i];
        const QChar next = i + 1 < value.size() ? value[i + 1] : QChar();
        if (c == u'\\' && next == u'n') {
            lines << line;
            line.clear();
            ++i;
        } else if (c == u'\\' && next == u'\\') {
            line += u'\\';
            ++i;
        } else {
            line += c;
        }
    }
    lines << line;
    return lines;
}

int styleBits(const QFont& font)
{
    return (font.bold() ? kBold : 0) | (font.italic() ? kItalic : 0) | (font.underline() ? kUnderline : 0) |
           (font.strikeOut() ? kStrikeOut : 0);
}

void fontValues(std::vector<IniValue>& out, const QString& prefix, const platform::TFont& font)
{
    out.push_back({prefix + QStringLiteral("Name"), platform::QuotedIniText(font.family())});
    out.push_back({prefix + QStringLiteral("Size"), QString::number(font.pointSize())});
    out.push_back({prefix + QStringLiteral("Style"), QString::number(styleBits(font))});
    out.push_back({prefix + QStringLiteral("Color"), QString::number(int32_t(font.Color))});
}

// Reads the section's values with their defaults.
class Reader {
public:
    explicit Reader(const IniSection& section) : S(section) {}

    int Integer(const char* key, int fallback) const { return S.ReadInteger(QLatin1String(key), fallback); }
    bool YesNo(const char* key, bool fallback) const
    {
        return S.ReadString(QLatin1String(key), yesNo(fallback)) == u"Y";
    }
    QString Text(const char* key, const QString& fallback = QString()) const
    {
        const std::optional<QString> value = S.Value(QLatin1String(key));
        return value ? platform::UnquotedIniText(*value) : fallback;
    }
    // An ordinal within 0..last; anything else leaves `target` alone.
    template <typename E> void Ordinal(const char* key, int last, E& target) const
    {
        const int value = Integer(key, 0);
        if (value >= 0 && value <= last)
            target = E(value);
    }
    TPrintPosition Position(const char* key) const
    {
        const int value = Integer(key, 0);
        return value >= ppTopLeft && value <= ppBottomCenter ? TPrintPosition(value) : ppNone;
    }
    void Font(const QString& prefix, platform::TFont& font) const
    {
        const auto key = [&](const char* part) { return (prefix + QLatin1String(part)).toLatin1(); };
        font.setFamily(Text(key("Name").constData(), QStringLiteral("Arial")));
        const int size = Integer(key("Size").constData(), 10);
        if (size > 0)
            font.setPointSize(size);
        const int style = Integer(key("Style").constData(), 0);
        if (style & kBold)
            font.setBold(true);
        if (style & kItalic)
            font.setItalic(true);
        if (style & kUnderline)
            font.setUnderline(true);
        if (style & kStrikeOut)
            font.setStrikeOut(true);
        font.Color = TColor(uint32_t(Integer(key("Color").constData(), 0)));
    }

private:
    const IniSection& S;
};

[[noreturn]] void raise(const QString& message) { throw EExGridError(message.toStdString()); }

QByteArray readForUpdate(const QString& path)
{
    QString error;
    std::optional<QByteArray> bytes = platform::ReadIniFileForUpdate(path, &error);
    if (!bytes)
        raise(QStringLiteral("Cannot open file %1: %2").arg(path, error));
    return *bytes;
}

}  // namespace print_settings_file_detail

std::vector<platform::IniValue> PrintSettingsValues(const TPrintSettings& s)
{
    using namespace print_settings_file_detail;
    using platform::QuotedIniText;
    const auto number = [](int value) { return QString::number(value); };
    std::vector<IniValue> v = {
        {QStringLiteral("ColumnSpacing"), number(s.ColumnSpacing)},
        {QStringLiteral("RowSpacing"), number(s.RowSpacing)},
        {QStringLiteral("TitleSpacing"), number(s.TitleSpacing)},
        {QStringLiteral("FixedHeight"), number(s.FixedHeight)},
        {QStringLiteral("FixedWidth"), number(s.FixedWidth)},
        {QStringLiteral("Centered"), yesNo(s.Centered)},
        {QStringLiteral("NoAutoSize"), yesNo(s.NoAutoSize)},
        {QStringLiteral("UseFixedHeight"), yesNo(s.UseFixedHeight)},
        {QStringLiteral("UseFixedWidth"), yesNo(s.UseFixedWidth)},
        {QStringLiteral("RepeatFixedRows"), yesNo(s.RepeatFixedRows)},
        {QStringLiteral("RepeatFixedCols"), yesNo(s.RepeatFixedCols)},
        {QStringLiteral("UseDisplFont"), yesNo(s.UseDisplayFont)},
        {QStringLiteral("UseDefOrientation"), yesNo(s.UseDefaultOrientation)},
        {QStringLiteral("Borders"), number(s.Borders)},
        {QStringLiteral("BorderColor"), number(int32_t(s.BorderColor))},
        {QStringLiteral("BorderStyle"), number(s.BorderStyle)},
        {QStringLiteral("Date"), number(s.Date)},
        {QStringLiteral("PageNr"), number(s.PageNr)},
        {QStringLiteral("Title"), number(s.Title)},
        {QStringLiteral("Time"), number(s.Time)},
        {QStringLiteral("DateFormat"), QuotedIniText(s.DateFormat)},
        {QStringLiteral("TitleText"), QuotedIniText(s.TitleText)},
        {QStringLiteral("FooterSize"), number(s.FooterSize)},
        {QStringLiteral("HeaderSize"), number(s.HeaderSize)},
        {QStringLiteral("LeftSize"), number(s.LeftSize)},
        {QStringLiteral("RightSize"), number(s.RightSize)},
        {QStringLiteral("FitToPage"), number(s.FitToPage)},
    };
    fontValues(v, QStringLiteral("Font"), s.Font);
    fontValues(v, QStringLiteral("HeaderFont"), s.HeaderFont);
    fontValues(v, QStringLiteral("FooterFont"), s.FooterFont);
    v.push_back({QStringLiteral("PageNumSep"), QuotedIniText(s.PageNumSep)});
    v.push_back({QStringLiteral("PageSuffix"), QuotedIniText(s.PageSuffix)});
    v.push_back({QStringLiteral("PagePrefix"), QuotedIniText(s.PagePrefix)});
    v.push_back({QStringLiteral("Orientation"), number(s.Orientation)});
    v.push_back({QStringLiteral("TitleLines"), QuotedIniText(titleLinesValue(s.TitleLines))});
    v.push_back({QStringLiteral("PrintGraphics"), yesNo(s.PrintGraphics)});
    return v;
}

void ReadPrintSettings(TPrintSettings& s, const platform::IniSection& section)
{
    using namespace print_settings_file_detail;
    const Reader r(section);
    s.ColumnSpacing = r.Integer("ColumnSpacing", 20);
    s.RowSpacing = r.Integer("RowSpacing", 20);
    s.TitleSpacing = r.Integer("TitleSpacing", 20);
    s.FixedHeight = r.Integer("FixedHeight", 0);
    s.FixedWidth = r.Integer("FixedWidth", 0);
    s.Centered = r.YesNo("Centered", true);
    s.NoAutoSize = r.YesNo("NoAutoSize", false);
    s.UseFixedHeight = r.YesNo("UseFixedHeight", false);
    s.UseFixedWidth = r.YesNo("UseFixedWidth", false);
    s.RepeatFixedRows = r.YesNo("RepeatFixedRows", false);
    s.RepeatFixedCols = r.YesNo("RepeatFixedCols", false);
    s.UseDisplayFont = r.YesNo("UseDisplFont", false);
    s.UseDefaultOrientation = r.YesNo("UseDefOrientation", false);
    r.Ordinal("Borders", pbCustom, s.Borders);
    s.BorderColor = TColor(uint32_t(r.Integer("BorderColor", 0)));
    r.Ordinal("BorderStyle", psInsideFrame, s.BorderStyle);
    s.Date = r.Position("Date");
    s.PageNr = r.Position("PageNr");
    s.Title = r.Position("Title");
    s.Time = r.Position("Time");
    s.DateFormat = r.Text("DateFormat");
    s.TitleText = r.Text("TitleText");
    s.FooterSize = r.Integer("FooterSize", 100);
    s.HeaderSize = r.Integer("HeaderSize", 100);
    s.LeftSize = r.Integer("LeftSize", 100);
    s.RightSize = r.Integer("RightSize", 100);
    r.Ordinal("FitToPage", fpCustom, s.FitToPage);
    r.Font(QStringLiteral("Font"), s.Font);
    r.Font(QStringLiteral("HeaderFont"), s.HeaderFont);
    r.Font(QStringLiteral("FooterFont"), s.FooterFont);
    s.PageNumSep = r.Text("PageNumSep");
    s.PageSuffix = r.Text("PageSuffix");
    s.PagePrefix = r.Text("PagePrefix");
    r.Ordinal("Orientation", poLandscape, s.Orientation);
    s.TitleLines = titleLinesOf(r.Text("TitleLines"));
    s.PrintGraphics = r.YesNo("PrintGraphics", false);
}

void SavePrintSettingsFile(const TPrintSettings& settings, const QString& path, const QString& section)
{
    using namespace print_settings_file_detail;
    const std::vector<IniValue> values = PrintSettingsValues(settings);
    QSet<QString> keys;
    for (const IniValue& v : values)
        keys.insert(v.Key.toUpper());
    const QByteArray file = platform::WriteIniSection(readForUpdate(path), section, values,
                                                      [&](const QString& key) { return keys.contains(key.toUpper()); });
    QString error;
    if (!platform::writeFileAtomically(path, file, &error))
        raise(QStringLiteral("Cannot write file %1: %2").arg(path, error));
}

void LoadPrintSettingsFile(TPrintSettings& settings, const QString& path, const QString& section)
{
    using namespace print_settings_file_detail;
    ReadPrintSettings(settings, platform::ReadIniSection(readForUpdate(path), section));
}

}  // namespace grid
