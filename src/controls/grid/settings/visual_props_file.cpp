#include "controls/grid/settings/visual_props_file.h"

#include <functional>
#include <optional>
#include <vector>

#include <QHash>
#include <QStringList>

#include "controls/grid/grid_error.h"
#include "controls/grid/io/component_stream.h"
#include "controls/grid/string_grid/ex_string_grid.h"
#include "platform/codepage.h"
#include "platform/strings.h"
#include "platform/text_lines.h"

namespace grid {

namespace visual_props_detail {

using G = TExStringGrid;

enum class Kind : uint8_t { Color, Boolean, Integer, FontStyle, FontName, Enumeration };

// A property's value: a number for every kind but the font name.
struct Value {
    int64_t Number = 0;
    QString Text;
};

struct Prop {
    const char* Key;
    Kind Type;
    std::function<Value(G&)> Get;
    std::function<void(G&, const Value&)> Set;
    // Enumerations: the identifiers by ordinal (an empty one is written for
    // a value past the list and never matches).
    QStringList Names = {};
    // Integers: the accepted range.
    int64_t Min = INT32_MIN;
    int64_t Max = INT32_MAX;
};

Value number(int64_t n) { return Value{n, {}}; }

Prop colorProp(const char* key, std::function<TColor(G&)> get, std::function<void(G&, TColor)> set)
{
    return {key, Kind::Color, [get](G& g) { return number(get(g)); },
            [set](G& g, const Value& v) { set(g, TColor(uint32_t(v.Number))); }};
}

Prop boolProp(const char* key, std::function<bool(G&)> get, std::function<void(G&, bool)> set)
{
    return {key, Kind::Boolean, [get](G& g) { return number(get(g)); },
            [set](G& g, const Value& v) { set(g, v.Number != 0); }};
}

Prop intProp(const char* key, std::function<int(G&)> get, std::function<void(G&, int)> set,
             int64_t min = INT32_MIN, int64_t max = INT32_MAX)
{
    return {key, Kind::Integer, [get](G& g) { return number(get(g)); },
            [set](G& g, const Value& v) { set(g, int(v.Number)); }, {}, min, max};
}

Prop enumProp(const char* key, QStringList names, std::function<int(G&)> get, std::function<void(G&, int)> set)
{
    return {key, Kind::Enumeration, [get](G& g) { return number(get(g)); },
            [set](G& g, const Value& v) { set(g, int(v.Number)); }, std::move(names)};
}

// The four keys of a font: .Color, .Style, .Size, .Name.
void fontProps(std::vector<Prop>& props, const char* colorKey, const char* styleKey, const char* sizeKey,
               const char* nameKey, std::function<TCellFont(G&)> get, std::function<void(G&, const TCellFont&)> set)
{
    const auto change = [get, set](auto field) {
        return [get, set, field](G& g, const Value& v) {
            TCellFont font = get(g);
            field(font, v);
            set(g, font);
        };
    };
    props.push_back({colorKey, Kind::Color, [get](G& g) { return number(get(g).Color); },
                     change([](TCellFont& f, const Value& v) { f.Color = TColor(uint32_t(v.Number)); })});
    props.push_back({styleKey, Kind::FontStyle, [get](G& g) { return number(get(g).Style); },
                     change([](TCellFont& f, const Value& v) { f.Style = TFontStyles(v.Number); })});
    props.push_back({sizeKey, Kind::Integer, [get](G& g) { return number(get(g).Size); },
                     change([](TCellFont& f, const Value& v) { f.Size = int(v.Number); }), {}, 1, INT16_MAX});
    props.push_back({nameKey, Kind::FontName, [get](G& g) { return Value{0, get(g).Name}; },
                     change([](TCellFont& f, const Value& v) { f.Name = v.Text; })});
}

const QStringList kLookNames = {QStringLiteral("glStandard"), QStringLiteral("glSoft"),   QStringLiteral("glClassic"),
                                QStringLiteral("glQVR"),      QStringLiteral("glXP"),     QStringLiteral("glListView"),
                                QStringLiteral("glVista"),    QStringLiteral("glWin7"),   QStringLiteral("glOffice2007")};

// The properties in file order.
const std::vector<Prop>& props()
{
    static const std::vector<Prop> list = [] {
        std::vector<Prop> p;
        p.push_back(colorProp("Color", [](G& g) { return g.Color(); }, [](G& g, TColor c) { g.SetColor(c); }));
        p.push_back(colorProp("HintColor", [](G& g) { return g.HintColor; }, [](G& g, TColor c) { g.HintColor = c; }));
        p.push_back(colorProp("SelectionColor", [](G& g) { return g.SelectionColor; },
                              [](G& g, TColor c) { g.SelectionColor = c; }));
        p.push_back(colorProp("SelectionColorTo", [](G& g) { return g.SelectionColorTo; },
                              [](G& g, TColor c) { g.SelectionColorTo = c; }));
        p.push_back(colorProp("SelectionMirrorColor", [](G& g) { return g.SelectionMirrorColor; },
                              [](G& g, TColor c) { g.SelectionMirrorColor = c; }));
        p.push_back(colorProp("SelectionMirrorColorTo", [](G& g) { return g.SelectionMirrorColorTo; },
                              [](G& g, TColor c) { g.SelectionMirrorColorTo = c; }));
        p.push_back(colorProp("SelectionTextColor", [](G& g) { return g.SelectionTextColor; },
                              [](G& g, TColor c) { g.SelectionTextColor = c; }));
        p.push_back(colorProp("URLColor", [](G& g) { return g.URLColor; }, [](G& g, TColor c) { g.URLColor = c; }));
        p.push_back(boolProp("URLShow", [](G& g) { return g.URLShow; }, [](G& g, bool b) { g.URLShow = b; }));
        p.push_back(boolProp("URLShowInText", [](G& g) { return g.URLShowInText; },
                             [](G& g, bool b) { g.URLShowInText = b; }));
        p.push_back(colorProp("ScrollColor", [](G& g) { return g.ScrollColor; }, [](G& g, TColor c) { g.ScrollColor = c; }));
        p.push_back(colorProp("ActiveRowColor", [](G& g) { return g.ActiveRowColor(); },
                              [](G& g, TColor c) { g.SetActiveRowColor(c); }));
        p.push_back(boolProp("ActiveRowShow", [](G& g) { return g.ActiveRowShow(); },
                             [](G& g, bool b) { g.SetActiveRowShow(b); }));
        p.push_back(boolProp("ActiveCellShow", [](G& g) { return g.ActiveCellShow(); },
                             [](G& g, bool b) { g.SetActiveCellShow(b); }));
        fontProps(p, "Font.Color", "Font.Style", "Font.Size", "Font.Name", [](G& g) { return g.Font(); },
                  [](G& g, const TCellFont& f) {
                      g.SetFont(f);
                      g.RepaintGrid();
                  });
        p.push_back(colorProp("ActiveCellColor", [](G& g) { return g.ActiveCellColor; },
                              [](G& g, TColor c) { g.ActiveCellColor = c; }));
        p.push_back(colorProp("ActiveCellColorTo", [](G& g) { return g.ActiveCellColorTo; },
                              [](G& g, TColor c) { g.ActiveCellColorTo = c; }));
        fontProps(p, "ActiveCellFont.Color", "ActiveCellFont.Style", "ActiveCellFont.Size", "ActiveCellFont.Name",
                  [](G& g) { return g.ActiveCellFont(); }, [](G& g, const TCellFont& f) { g.SetActiveCellFont(f); });
        fontProps(p, "FixedFont.Color", "FixedFont.Style", "FixedFont.Size", "FixedFont.Name",
                  [](G& g) { return g.FixedFont(); }, [](G& g, const TCellFont& f) { g.SetFixedFont(f); });
        p.push_back(colorProp("Balloon.BackgroundColor", [](G& g) { return g.Balloon().BackgroundColor; },
                              [](G& g, TColor c) { g.Balloon().BackgroundColor = c; }));
        p.push_back(colorProp("Balloon.TextColor", [](G& g) { return g.Balloon().TextColor; },
                              [](G& g, TColor c) { g.Balloon().TextColor = c; }));
        p.push_back(intProp("Balloon.Transparency", [](G& g) { return int(g.Balloon().Transparency); },
                            [](G& g, int v) { g.Balloon().Transparency = uint8_t(v); }, 0, 255));
        p.push_back(colorProp("Bands.PrimaryColor", [](G& g) { return g.Bands().PrimaryColor(); },
                              [](G& g, TColor c) { g.Bands().SetPrimaryColor(c); }));
        p.push_back(colorProp("Bands.SecondaryColor", [](G& g) { return g.Bands().SecondaryColor(); },
                              [](G& g, TColor c) { g.Bands().SetSecondaryColor(c); }));
        p.push_back(boolProp("Bands.Active", [](G& g) { return g.Bands().Active(); },
                             [](G& g, bool b) { g.Bands().SetActive(b); }));
        p.push_back(colorProp("SortSettings.IndexColor", [](G& g) { return g.SortSettings().IndexColor; },
                              [](G& g, TColor c) { g.SortSettings().IndexColor = c; }));
        p.push_back(colorProp("FloatingFooter.Color", [](G& g) { return g.FloatingFooter().Color; },
                              [](G& g, TColor c) { g.FloatingFooter().SetColor(c); }));
        p.push_back(intProp("ControlLook.CheckSize", [](G& g) { return g.ControlLook().CheckSize(); },
                            [](G& g, int v) { g.ControlLook().SetCheckSize(v); }));
        p.push_back(colorProp("ControlLook.Color", [](G& g) { return g.ControlLook().Color(); },
                              [](G& g, TColor c) { g.ControlLook().SetColor(c); }));
        p.push_back(colorProp("ControlLook.CommentColor", [](G& g) { return g.ControlLook().CommentColor(); },
                              [](G& g, TColor c) { g.ControlLook().SetCommentColor(c); }));
        p.push_back(enumProp("ControlLook.ControlStyle",
                             {"csClassic", "csFlat", "csWinXP", "csPelmora", "csQVR", "csGlyph", "csTheme"},
                             [](G& g) { return int(g.ControlLook().ControlStyle()); },
                             [](G& g, int v) { g.ControlLook().SetControlStyle(TControlStyle(v)); }));
        p.push_back(colorProp("ControlLook.FixedGradientFrom", [](G& g) { return g.ControlLook().FixedGradientFrom(); },
                              [](G& g, TColor c) { g.ControlLook().SetFixedGradientFrom(c); }));
        p.push_back(colorProp("ControlLook.FixedGradientTo", [](G& g) { return g.ControlLook().FixedGradientTo(); },
                              [](G& g, TColor c) { g.ControlLook().SetFixedGradientTo(c); }));
        p.push_back(intProp("ControlLook.RadioSize", [](G& g) { return g.ControlLook().RadioSize(); },
                            [](G& g, int v) { g.ControlLook().SetRadioSize(v); }));
        p.push_back(boolProp("ControlLook.FlatButton", [](G& g) { return g.ControlLook().FlatButton(); },
                             [](G& g, bool b) { g.ControlLook().SetFlatButton(b); }));
        p.push_back(colorProp("ControlLook.ProgressBorderColor", [](G& g) { return g.ControlLook().ProgressBorderColor; },
                              [](G& g, TColor c) { g.ControlLook().ProgressBorderColor = c; }));
        p.push_back(boolProp("ControlLook.ProgressXP", [](G& g) { return g.ControlLook().ProgressXP(); },
                             [](G& g, bool b) { g.ControlLook().SetProgressXP(b); }));
        p.push_back(enumProp("Look", kLookNames, [](G& g) { return int(g.Look()); },
                             [](G& g, int v) { g.SetLook(TGridLook(v)); }));
        p.push_back(colorProp("SearchFooter.Color", [](G& g) { return g.SearchFooter().Color(); },
                              [](G& g, TColor c) { g.SearchFooter().SetColor(c); }));
        p.push_back(colorProp("SearchFooter.ColorTo", [](G& g) { return g.SearchFooter().ColorTo(); },
                              [](G& g, TColor c) { g.SearchFooter().SetColorTo(c); }));
        p.push_back(colorProp("Grouping.HeaderColor", [](G& g) { return g.Grouping().HeaderColor; },
                              [](G& g, TColor c) { g.Grouping().HeaderColor = c; }));
        p.push_back(colorProp("Grouping.HeaderColorTo", [](G& g) { return g.Grouping().HeaderColorTo; },
                              [](G& g, TColor c) { g.Grouping().HeaderColorTo = c; }));
        p.push_back(colorProp("Grouping.HeaderTextColor", [](G& g) { return g.Grouping().HeaderTextColor; },
                              [](G& g, TColor c) { g.Grouping().HeaderTextColor = c; }));
        p.push_back(boolProp("Grouping.HeaderUnderline", [](G& g) { return g.Grouping().HeaderUnderline; },
                             [](G& g, bool b) { g.Grouping().HeaderUnderline = b; }));
        p.push_back(colorProp("Grouping.HeaderLineColor", [](G& g) { return g.Grouping().HeaderLineColor; },
                              [](G& g, TColor c) { g.Grouping().HeaderLineColor = c; }));
        p.push_back(intProp("Grouping.HeaderLineWidth", [](G& g) { return g.Grouping().HeaderLineWidth; },
                            [](G& g, int v) { g.Grouping().HeaderLineWidth = v; }));
        p.push_back(colorProp("Grouping.SummaryColor", [](G& g) { return g.Grouping().SummaryColor; },
                              [](G& g, TColor c) { g.Grouping().SummaryColor = c; }));
        p.push_back(colorProp("Grouping.SummaryColorTo", [](G& g) { return g.Grouping().SummaryColorTo; },
                              [](G& g, TColor c) { g.Grouping().SummaryColorTo = c; }));
        p.push_back(colorProp("Grouping.SummaryTextColor", [](G& g) { return g.Grouping().SummaryTextColor; },
                              [](G& g, TColor c) { g.Grouping().SummaryTextColor = c; }));
        p.push_back(boolProp("Grouping.SummaryLine", [](G& g) { return g.Grouping().SummaryLine; },
                             [](G& g, bool b) { g.Grouping().SummaryLine = b; }));
        p.push_back(colorProp("Grouping.SummaryLineColor", [](G& g) { return g.Grouping().SummaryLineColor; },
                              [](G& g, TColor c) { g.Grouping().SummaryLineColor = c; }));
        p.push_back(intProp("Grouping.SummaryLineWidth", [](G& g) { return g.Grouping().SummaryLineWidth; },
                            [](G& g, int v) { g.Grouping().SummaryLineWidth = v; }));
        p.push_back(colorProp("GridLineColor", [](G& g) { return g.GridLineColor(); },
                              [](G& g, TColor c) { g.SetGridLineColor(c); }));
        p.push_back(colorProp("GridFixedLineColor", [](G& g) { return g.GridFixedLineColor(); },
                              [](G& g, TColor c) { g.SetGridFixedLineColor(c); }));
        p.push_back(intProp("BackGround.Top", [](G& g) { return g.BackGround().Top(); },
                            [](G& g, int v) { g.BackGround().SetTop(v); }));
        p.push_back(intProp("BackGround.Left", [](G& g) { return g.BackGround().Left(); },
                            [](G& g, int v) { g.BackGround().SetLeft(v); }));
        p.push_back(enumProp("BackGround.Display", {"bdTile", "bdFixed", "bdGradientHorz", "bdGradientVert"},
                             [](G& g) { return int(g.BackGround().Display()); },
                             [](G& g, int v) { g.BackGround().SetDisplay(paint::TBackGroundDisplay(v)); }));
        p.push_back(enumProp("BackGround.Cells", {"bcNormal", "bcFixed", "bcAll"},
                             [](G& g) { return int(g.BackGround().Cells()); },
                             [](G& g, int v) { g.BackGround().SetCells(paint::TBackGroundCells(v)); }));
        p.push_back(colorProp("BackGround.Color", [](G& g) { return g.BackGround().Color(); },
                              [](G& g, TColor c) { g.BackGround().SetColor(c); }));
        p.push_back(colorProp("BackGround.ColorTo", [](G& g) { return g.BackGround().ColorTo(); },
                              [](G& g, TColor c) { g.BackGround().SetColorTo(c); }));
        return p;
    }();
    return list;
}

// The order values are applied in: the file order, except that the two grid
// line colours come right after the search footer's colours.
std::vector<const Prop*> applyOrder()
{
    std::vector<const Prop*> order;
    std::vector<const Prop*> lines;
    for (const Prop& p : props()) {
        const QLatin1String key(p.Key);
        if (key == QLatin1String("GridLineColor") || key == QLatin1String("GridFixedLineColor"))
            lines.push_back(&p);
    }
    for (const Prop& p : props()) {
        const QLatin1String key(p.Key);
        if (key == QLatin1String("GridLineColor") || key == QLatin1String("GridFixedLineColor"))
            continue;
        order.push_back(&p);
        if (key == QLatin1String("SearchFooter.ColorTo"))
            order.insert(order.end(), lines.begin(), lines.end());
    }
    return order;
}

const char* const kStyleNames[] = {"fsBold", "fsItalic", "fsUnderline", "fsStrikeOut"};

QString colorText(TColor color)
{
    if (const std::optional<QString> name = io::ColorToIdent(color))
        return *name;
    return QStringLiteral("$%1").arg(uint32_t(color), 8, 16, QLatin1Char('0')).toUpper();
}

QString formatted(const Prop& p, const Value& v)
{
    switch (p.Type) {
    case Kind::Color:
        return colorText(TColor(uint32_t(v.Number)));
    case Kind::Boolean:
        return v.Number ? QStringLiteral("true") : QStringLiteral("false");
    case Kind::Integer:
        return QString::number(v.Number);
    case Kind::FontStyle: {
        QStringList names;
        for (int bit = 0; bit < 4; ++bit)
            if (v.Number & (1 << bit))
                names << QLatin1String(kStyleNames[bit]);
        return names.join(u',');
    }
    case Kind::FontName:
        return v.Text;
    case Kind::Enumeration:
        return v.Number >= 0 && v.Number < p.Names.size() ? p.Names[qsizetype(v.Number)] : QString();
    }
    return QString();
}

[[noreturn]] void invalid(const Prop& p, const QString& text, const char* what)
{
    throw EExGridError(
        QStringLiteral("'%1' is not a valid %2 value (%3)").arg(text, QLatin1String(what), QLatin1String(p.Key)).toStdString());
}

// The value a line gives the property; nothing when it leaves the property
// alone. Raises for a value that is no value of the kind.
std::optional<Value> parsed(const Prop& p, const std::optional<QString>& text)
{
    const QString value = text.value_or(QString());
    switch (p.Type) {
    case Kind::Color: {
        if (value.isEmpty())
            return number(clNone);
        if (const std::optional<TColor> named = io::IdentToColor(value))
            return number(*named);
        if (const std::optional<int32_t> n = platform::parseInt(value))
            return number(uint32_t(*n));
        invalid(p, value, "colour");
    }
    case Kind::Boolean:
        return number(value.toUpper() == u"TRUE");
    case Kind::Integer: {
        const std::optional<int32_t> n = platform::parseInt(value);
        if (!n || *n < p.Min || *n > p.Max)
            invalid(p, value, "integer");
        return number(*n);
    }
    case Kind::FontStyle: {
        int64_t bits = 0;
        for (int bit = 0; bit < 4; ++bit)
            if (value.contains(QLatin1String(kStyleNames[bit]), Qt::CaseSensitive))
                bits |= 1 << bit;
        return number(bits);
    }
    case Kind::FontName:
        if (value.isEmpty())
            return std::nullopt;
        return Value{0, value};
    case Kind::Enumeration:
        for (qsizetype i = 0; i < p.Names.size(); ++i)
            if (value.compare(p.Names[i], Qt::CaseInsensitive) == 0)
                return number(i);
        return std::nullopt;
    }
    return std::nullopt;
}

// The file's values by upper-cased key; the first of a repeated key counts.
QHash<QString, QString> valuesOf(const QByteArray& file)
{
    QHash<QString, QString> values;
    for (const QString& line : platform::splitLines(platform::decodeTextFile(file))) {
        const qsizetype eq = line.indexOf(u'=');
        if (eq < 0)
            continue;
        const QString key = line.left(eq).toUpper();
        if (!values.contains(key))
            values.insert(key, line.mid(eq + 1));
    }
    return values;
}

}  // namespace visual_props_detail

QByteArray VisualPropsFile(TExStringGrid& grid)
{
    using namespace visual_props_detail;
    QString text;
    for (const Prop& p : props())
        text += QLatin1String(p.Key) + u'=' + formatted(p, p.Get(grid)) + QStringLiteral("\r\n");
    const QByteArray ansi = platform::toAnsi(text);
    if (platform::fromAnsi(ansi) == text)
        return ansi;
    return platform::byteOrderMark(platform::TextEncoding::Utf8) + text.toUtf8();
}

void ApplyVisualPropsFile(TExStringGrid& grid, const QByteArray& file)
{
    using namespace visual_props_detail;
    const QHash<QString, QString> values = valuesOf(file);
    std::vector<std::pair<const Prop*, Value>> changes;
    for (const Prop* p : applyOrder()) {
        const auto text = values.constFind(QString::fromLatin1(p->Key).toUpper());
        const std::optional<QString> value = text != values.cend() ? std::optional<QString>(*text) : std::nullopt;
        if (std::optional<Value> v = parsed(*p, value))
            changes.emplace_back(p, std::move(*v));
    }
    for (const auto& [p, v] : changes)
        p->Set(grid, v);
    grid.RepaintGrid();
}

}  // namespace grid
