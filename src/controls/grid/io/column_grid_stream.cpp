#include "controls/grid/io/column_grid_stream.h"

#include <algorithm>
#include <functional>
#include <memory>

#include "controls/grid/column_grid/ex_column_grid.h"
#include "controls/grid/column_grid/grid_column.h"
#include "controls/grid/grid_error.h"
#include "controls/grid/io/component_stream.h"

namespace grid::io {

namespace column_stream_detail {

using Item = TGridColumnItem;

// One published property: how it is written, and how a value read is set.
struct Property {
    const char* Name;
    std::function<void(TComponentWriter&, const Item&)> Write;
    std::function<void(const TPropEntry&, Item&)> Read;
};

// Nested font and pen properties share their owner's name as prefix.
void writeFont(TComponentWriter& w, const QByteArray& prefix, const TCellFont& f)
{
    w.Color((prefix + ".Color").constData(), f.Color);
    if (!f.Name.isEmpty()) w.String((prefix + ".Name").constData(), f.Name);
    w.Integer((prefix + ".Size").constData(), f.Size);
    w.SetBits((prefix + ".Style").constData(), f.Style, kFontStyleNames);
}

bool readFont(const TPropEntry& e, const QString& prefix, TCellFont& f)
{
    if (!e.Name.startsWith(prefix + u'.')) return false;
    const QStringView n = QStringView(e.Name).mid(prefix.size() + 1);
    if (n == u"Color") f.Color = ReadColor(e);
    else if (n == u"Name") f.Name = ReadString(e);
    else if (n == u"Size") f.Size = int(ReadInteger(e, -1000, 1000));
    else if (n == u"Style") f.Style = TFontStyles(ReadSet(e, kFontStyleNames));
    else return false;
    return true;
}

void writePen(TComponentWriter& w, const QByteArray& prefix, const TGridPen& p)
{
    w.Color((prefix + ".Color").constData(), p.Color);
    w.Integer((prefix + ".Width").constData(), p.Width);
}

bool readPen(const TPropEntry& e, const QString& prefix, TGridPen& p)
{
    if (e.Name == prefix + QStringLiteral(".Color")) p.Color = ReadColor(e);
    else if (e.Name == prefix + QStringLiteral(".Width")) p.Width = int(ReadInteger(e, 0, 1000));
    else return false;
    return true;
}

int readInt(const TPropEntry& e) { return int(ReadInteger(e, INT32_MIN, INT32_MAX)); }

void writeText(TComponentWriter& w, const char* name, const QString& value)
{
    if (!value.isEmpty()) w.String(name, value);
}

// The properties in stream order. Width is written as the grid's width and
// read straight into the grid's column; references (ColumnPopup, EditLink)
// are never written and not read.
const std::vector<Property>& properties()
{
    static const std::vector<Property> list = {
        {"AutoMinSize", [](auto& w, const Item& i) { w.Integer("AutoMinSize", i.AutoMinSize); },
         [](const TPropEntry& e, Item& i) { i.AutoMinSize = readInt(e); }},
        {"AutoMaxSize", [](auto& w, const Item& i) { w.Integer("AutoMaxSize", i.AutoMaxSize); },
         [](const TPropEntry& e, Item& i) { i.AutoMaxSize = readInt(e); }},
        {"Alignment", [](auto& w, const Item& i) { w.Enum("Alignment", i.Alignment(), kAlignmentNames); },
         [](const TPropEntry& e, Item& i) { i.SetAlignment(TAlignment(ReadIdent(e, kAlignmentNames))); }},
        {"Borders", [](auto& w, const Item& i) { w.SetBits("Borders", i.Borders(), kCellBorderNames); },
         [](const TPropEntry& e, Item& i) { i.SetBorders(TCellBorders(ReadSet(e, kCellBorderNames))); }},
        {"CheckFalse", [](auto& w, const Item& i) { writeText(w, "CheckFalse", i.CheckFalse); },
         [](const TPropEntry& e, Item& i) { i.CheckFalse = ReadString(e); }},
        {"CheckTrue", [](auto& w, const Item& i) { writeText(w, "CheckTrue", i.CheckTrue); },
         [](const TPropEntry& e, Item& i) { i.CheckTrue = ReadString(e); }},
        {"Color", [](auto& w, const Item& i) { w.Color("Color", i.Color()); },
         [](const TPropEntry& e, Item& i) { i.SetColor(ReadColor(e)); }},
        {"ColumnPopupType", [](auto& w, const Item& i) { w.Enum("ColumnPopupType", i.ColumnPopupType, kColumnPopupTypeNames); },
         [](const TPropEntry& e, Item& i) { i.ColumnPopupType = TColumnPopupType(ReadIdent(e, kColumnPopupTypeNames)); }},
        {"ComboItems.Strings", [](auto& w, const Item& i) { w.StringList("ComboItems.Strings", i.ComboItems); },
         [](const TPropEntry& e, Item& i) { i.ComboItems = ReadStringList(e); }},
        {"DropDownCount", [](auto& w, const Item& i) { w.Integer("DropDownCount", i.DropDownCount); },
         [](const TPropEntry& e, Item& i) { i.DropDownCount = readInt(e); }},
        {"EditLength", [](auto& w, const Item& i) { w.Integer("EditLength", i.EditLength); },
         [](const TPropEntry& e, Item& i) { i.EditLength = readInt(e); }},
        {"EditMask", [](auto& w, const Item& i) { writeText(w, "EditMask", i.EditMask); },
         [](const TPropEntry& e, Item& i) { i.EditMask = ReadString(e); }},
        {"Editor", [](auto& w, const Item& i) { w.Enum("Editor", i.Editor(), kEditorTypeNames); },
         [](const TPropEntry& e, Item& i) { i.SetEditor(TEditorType(ReadIdent(e, kEditorTypeNames))); }},
        {"Filter.Strings", [](auto& w, const Item& i) { w.StringList("Filter.Strings", i.Filter); },
         [](const TPropEntry& e, Item& i) { i.Filter = ReadStringList(e); }},
        {"FilterCaseSensitive", [](auto& w, const Item& i) { w.Boolean("FilterCaseSensitive", i.FilterCaseSensitive); },
         [](const TPropEntry& e, Item& i) { i.FilterCaseSensitive = ReadBoolean(e); }},
        {"Fixed", [](auto& w, const Item& i) { w.Boolean("Fixed", i.Fixed()); },
         [](const TPropEntry& e, Item& i) { i.SetFixed(ReadBoolean(e)); }},
        {"FloatFormat", [](auto& w, const Item& i) { writeText(w, "FloatFormat", i.FloatFormat()); },
         [](const TPropEntry& e, Item& i) { i.SetFloatFormat(ReadString(e)); }},
        {"Header", [](auto& w, const Item& i) { writeText(w, "Header", i.Header()); },
         [](const TPropEntry& e, Item& i) { i.SetHeader(ReadString(e)); }},
        {"HeaderAlignment", [](auto& w, const Item& i) { w.Enum("HeaderAlignment", i.HeaderAlignment(), kAlignmentNames); },
         [](const TPropEntry& e, Item& i) { i.SetHeaderAlignment(TAlignment(ReadIdent(e, kAlignmentNames))); }},
        {"MinSize", [](auto& w, const Item& i) { w.Integer("MinSize", i.MinSize); },
         [](const TPropEntry& e, Item& i) { i.MinSize = readInt(e); }},
        {"MaxSize", [](auto& w, const Item& i) { w.Integer("MaxSize", i.MaxSize); },
         [](const TPropEntry& e, Item& i) { i.MaxSize = readInt(e); }},
        {"Name", [](auto& w, const Item& i) { writeText(w, "Name", i.Name); },
         [](const TPropEntry& e, Item& i) { i.Name = ReadString(e); }},
        {"Password", [](auto& w, const Item& i) { w.Boolean("Password", i.Password()); },
         [](const TPropEntry& e, Item& i) { i.SetPassword(ReadBoolean(e)); }},
        {"PrintBorderCustom", [](auto& w, const Item& i) { if (!i.PrintBorderCustom) w.Boolean("PrintBorderCustom", false); },
         [](const TPropEntry& e, Item& i) { i.PrintBorderCustom = ReadBoolean(e); }},
        {"PrintBorders", [](auto& w, const Item& i) { w.SetBits("PrintBorders", i.PrintBorders, kCellBorderNames); },
         [](const TPropEntry& e, Item& i) { i.PrintBorders = TCellBorders(ReadSet(e, kCellBorderNames)); }},
        {"PrintColor", [](auto& w, const Item& i) { w.Color("PrintColor", i.PrintColor); },
         [](const TPropEntry& e, Item& i) { i.PrintColor = ReadColor(e); }},
        {"PrintFontCustom", [](auto& w, const Item& i) { if (!i.PrintFontCustom) w.Boolean("PrintFontCustom", false); },
         [](const TPropEntry& e, Item& i) { i.PrintFontCustom = ReadBoolean(e); }},
        {"ReadOnly", [](auto& w, const Item& i) { w.Boolean("ReadOnly", i.ReadOnly); },
         [](const TPropEntry& e, Item& i) { i.ReadOnly = ReadBoolean(e); }},
        {"ShowBands", [](auto& w, const Item& i) { w.Boolean("ShowBands", i.ShowBands()); },
         [](const TPropEntry& e, Item& i) { i.SetShowBands(ReadBoolean(e)); }},
        {"SortStyle", [](auto& w, const Item& i) { w.Enum("SortStyle", i.SortStyle, kSortStyleNames); },
         [](const TPropEntry& e, Item& i) { i.SortStyle = TSortStyle(ReadIdent(e, kSortStyleNames)); }},
        {"SortPrefix", [](auto& w, const Item& i) { writeText(w, "SortPrefix", i.SortPrefix); },
         [](const TPropEntry& e, Item& i) { i.SortPrefix = ReadString(e); }},
        {"SortSuffix", [](auto& w, const Item& i) { writeText(w, "SortSuffix", i.SortSuffix); },
         [](const TPropEntry& e, Item& i) { i.SortSuffix = ReadString(e); }},
        {"SpinMax", [](auto& w, const Item& i) { w.Integer("SpinMax", i.SpinMax); },
         [](const TPropEntry& e, Item& i) { i.SpinMax = readInt(e); }},
        {"SpinMin", [](auto& w, const Item& i) { w.Integer("SpinMin", i.SpinMin); },
         [](const TPropEntry& e, Item& i) { i.SpinMin = readInt(e); }},
        {"SpinStep", [](auto& w, const Item& i) { w.Integer("SpinStep", i.SpinStep); },
         [](const TPropEntry& e, Item& i) { i.SpinStep = readInt(e); }},
        {"Tag", [](auto& w, const Item& i) { w.Integer("Tag", i.Tag); },
         [](const TPropEntry& e, Item& i) { i.Tag = readInt(e); }},
    };
    return list;
}

void writeItem(TComponentWriter& w, const Item& item, int width)
{
    // Nested properties stand where their owner does in the order.
    for (const Property& p : properties()) {
        const QByteArray name(p.Name);
        if (name == "CheckFalse") writePen(w, "BorderPen", item.BorderPen());
        if (name == "Header") writeFont(w, "Font", item.Font());
        if (name == "MinSize") writeFont(w, "HeaderFont", item.HeaderFont());
        if (name == "PrintColor") writePen(w, "PrintBorderPen", item.PrintBorderPen);
        if (name == "ReadOnly") writeFont(w, "PrintFont", item.PrintFont);
        p.Write(w, item);
    }
    w.Integer("Width", width);
}

void readItem(const TPropList& props, Item& item, int& width)
{
    for (const TPropEntry& e : props) {
        if (e.Name == QLatin1String("Width")) {
            width = int(ReadInteger(e, 0, 32767));
            continue;
        }
        TCellFont font;
        TGridPen pen;
        if (font = item.Font(); readFont(e, QStringLiteral("Font"), font)) item.SetFont(font);
        else if (font = item.HeaderFont(); readFont(e, QStringLiteral("HeaderFont"), font)) item.SetHeaderFont(font);
        else if (readFont(e, QStringLiteral("PrintFont"), item.PrintFont)) {
        } else if (pen = item.BorderPen(); readPen(e, QStringLiteral("BorderPen"), pen)) item.SetBorderPen(pen);
        else if (readPen(e, QStringLiteral("PrintBorderPen"), item.PrintBorderPen)) {
        } else {
            const auto& list = properties();
            const auto p = std::find_if(list.begin(), list.end(), [&](const Property& p) { return e.Name == QLatin1String(p.Name); });
            if (p == list.end()) UnknownProperty(QStringLiteral("TGridColumnItem"), e);
            p->Read(e, item);
        }
    }
}

}  // namespace column_stream_detail

namespace csd2 = column_stream_detail;

void SaveColumnsToStream(const TExColumnGrid& grid, QByteArray& out)
{
    TComponentWriter w(out);
    w.BeginObject("TExColumnGridIO");
    w.BeginCollection("Items");
    const TGridColumnCollection& columns = grid.Columns();
    for (int i = 0; i < columns.Count(); ++i) {
        w.BeginItem();
        csd2::writeItem(w, *columns.Items(i), grid.AllColWidths(i));
        w.EndItem();
    }
    w.EndCollection();
    w.EndObject();
}

void LoadColumnsFromStream(TExColumnGrid& grid, const QByteArray& bytes)
{
    TComponentReader in(bytes);
    const TComponentRecord record = in.ReadObject();
    if (record.ClassName != QLatin1String("TExColumnGridIO"))
        throw EExGridError("Stream read error: column descriptions expected");
    const std::vector<TPropList>* items = nullptr;
    for (const TPropEntry& e : record.Properties) {
        if (e.Name != QLatin1String("Items") || e.Value.Type != vaCollection) UnknownProperty(record.ClassName, e);
        items = &e.Value.Collection;
    }
    static const std::vector<TPropList> none;
    if (items == nullptr) items = &none;
    if (items->size() > size_t(MaxStreamColumns)) throw EExGridError("Stream read error: too many columns");

    // Every value is checked on descriptions outside the grid first.
    TGridColumnCollection scratch(nullptr);
    scratch.SetNoRecursiveUpdate(true);
    std::vector<int> widths;
    for (const TPropList& props : *items) {
        int width = 50;
        csd2::readItem(props, *scratch.Add(), width);
        widths.push_back(width);
    }

    // Then the grid: widths and headers go into its columns while the
    // descriptions are set, and its descriptions become copies.
    grid.Columns().SetNoRecursiveUpdate(true);
    TGridColumnCollection holder(&grid);
    holder.SetNoRecursiveUpdate(true);
    for (size_t i = 0; i < items->size(); ++i) {
        TGridColumnItem* item = holder.Add();
        int width = 50;
        csd2::readItem((*items)[i], *item, width);
        if (int(i) < grid.AllColCount()) item->SetWidth(width);
        else item->SetStoredWidth(width);
    }
    grid.Columns().Assign(holder);
    grid.Columns().SetNoRecursiveUpdate(false);
    grid.RebuildColumnHeaders();
    grid.RepaintGrid();
}

}  // namespace grid::io

namespace grid {

void TExColumnGrid::SaveColumnsToStream(QByteArray& Stream) const { io::SaveColumnsToStream(*this, Stream); }

void TExColumnGrid::LoadColumnsFromStream(const QByteArray& Stream) { io::LoadColumnsFromStream(*this, Stream); }

}  // namespace grid
