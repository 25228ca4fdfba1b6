#include "controls/grid/io/grid_binary_stream.h"

#include <algorithm>
#include <cmath>
#include <memory>

#include <QBuffer>
#include <QIcon>
#include <QImageReader>
#include <QPixmap>

#include "controls/grid/cells/cell_properties.h"
#include "controls/grid/grid_error.h"
#include "controls/grid/io/component_stream.h"
#include "controls/grid/io/grid_export.h"
#include "controls/grid/string_grid/ex_string_grid.h"

namespace grid::io {

namespace binary_stream_detail {

// A picture read from a stream larger than this on a side is refused.
constexpr int kMaxPictureSide = 16384;
constexpr char kPngKind[] = "TPngImage";

[[noreturn]] void fail(const QString& message) { throw EExGridError(message.toStdString()); }

QByteArray pngBytes(const QImage& image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

QImage decodePng(const QByteArray& bytes)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "PNG");
    const QSize size = reader.size();
    if (!size.isValid() || size.width() > kMaxPictureSide || size.height() > kMaxPictureSide)
        fail(QStringLiteral("Stream read error: invalid picture"));
    QImage image = reader.read();
    if (image.isNull()) fail(QStringLiteral("Stream read error: invalid picture"));
    return image;
}

QImage iconImage(const QIcon& icon)
{
    const QList<QSize> sizes = icon.availableSizes();
    QSize size(32, 32);
    for (const QSize& s : sizes)
        if (s.width() * s.height() > size.width() * size.height() || sizes.size() == 1) size = s;
    return icon.pixmap(size).toImage();
}

QString joinSizes(int count, const std::function<int(int)>& size)
{
    QStringList parts;
    parts.reserve(count);
    for (int i = 0; i < count; ++i) parts << QString::number(size(i));
    return parts.join(u',');
}

// The sizes of a whole-grid header: exactly `count` decimal numbers.
std::vector<int> splitSizes(const QString& text, int count, const char* what)
{
    const QStringList parts = text.split(u',');
    std::vector<int> sizes;
    if (parts.size() < count)
        fail(QStringLiteral("Stream read error: %1 lists fewer entries than the grid has").arg(QLatin1String(what)));
    for (int i = 0; i < count; ++i) {
        bool ok = false;
        const int v = parts[i].toInt(&ok);
        if (!ok || v < 0 || v > 32767)
            fail(QStringLiteral("Stream read error: '%1' is not a valid size in %2").arg(parts[i], QLatin1String(what)));
        sizes.push_back(v);
    }
    return sizes;
}

// ------------------------------------------------------------- writing

void writeHeader(TComponentWriter& w, const TBinGridHeader& h)
{
    w.BeginObject("TGridPropIO");
    w.Integer("ColCount", h.ColCount);
    w.Integer("RowCount", h.RowCount);
    if (!h.ColWidths.isEmpty()) w.String("ColWidths", h.ColWidths);
    if (!h.RowHeights.isEmpty()) w.String("RowHeights", h.RowHeights);
    w.Boolean("FullGrid", h.FullGrid);
    w.Integer("ID", h.ID);
    w.EndObject();
}

void writeProps(TComponentWriter& w, const TBinCellProps& p)
{
    w.BeginObject("TGridCellPropIO");
    if (p.IsBaseCell) w.Boolean("CellProperties.IsBaseCell", *p.IsBaseCell);
    if (p.CellSpanX) w.Integer("CellProperties.CellSpanX", *p.CellSpanX);
    if (p.CellSpanY) w.Integer("CellProperties.CellSpanY", *p.CellSpanY);
    if (p.Alignment) w.Enum("CellProperties.Alignment", *p.Alignment, kAlignmentNames);
    if (p.BorderColor) w.Color("CellProperties.BorderColor", *p.BorderColor);
    if (p.BorderWidth) w.Integer("CellProperties.BorderWidth", *p.BorderWidth);
    if (p.BrushColor) w.Color("CellProperties.BrushColor", *p.BrushColor);
    if (p.BrushColorTo) w.Color("CellProperties.BrushColorTo", *p.BrushColorTo);
    if (p.BrushStyle) w.Enum("CellProperties.BrushStyle", *p.BrushStyle, kBrushStyleNames);
    if (p.CellObject) w.Integer("CellProperties.CellObject", *p.CellObject);
    if (p.FontColor) w.Color("CellProperties.FontColor", *p.FontColor);
    if (p.FontName && !p.FontName->isEmpty()) w.String("CellProperties.FontName", *p.FontName);
    if (p.FontSize) w.Integer("CellProperties.FontSize", *p.FontSize);
    if (p.FontStyle) w.SetBits("CellProperties.FontStyle", *p.FontStyle, kFontStyleNames);
    if (p.Editor) w.Enum("CellProperties.Editor", *p.Editor, kEditorTypeNames);
    if (p.GradientDirection) w.Enum("CellProperties.GradientDirection", *p.GradientDirection, kGradientDirectionNames);
    if (p.ReadOnly) w.Boolean("CellProperties.ReadOnly", *p.ReadOnly);
    if (p.VAlignment) w.Enum("CellProperties.VAlignment", *p.VAlignment, kVAlignmentNames);
    if (p.WordWrap) w.Boolean("CellProperties.WordWrap", *p.WordWrap);
    if (p.NodeLevel) w.Integer("CellProperties.NodeLevel", *p.NodeLevel);
    if (p.Control && !p.Control->isEmpty())
        w.Ident("CellProperties.Control", p.Control->toUtf8().left(255).constData());
    w.Boolean("HasGraphic", p.HasGraphic);
    w.EndObject();
}

void writeGraphic(TComponentWriter& w, const TBinGraphic& g)
{
    w.BeginObject("TGridGraphicIO");
    w.Enum("CellGraphic.CellType", g.CellType, kCellTypeNames);
    w.Enum("CellGraphic.CellVAlign", g.CellVAlign, kCellVAlignNames);
    w.Enum("CellGraphic.CellHAlign", g.CellHAlign, kCellHAlignNames);
    w.Integer("CellGraphic.CellIndex", g.CellIndex);
    w.Boolean("CellGraphic.CellTransparent", g.CellTransparent);
    w.Boolean("CellGraphic.CellCreated", g.CellCreated);
    w.Boolean("CellGraphic.CellBoolean", g.CellBoolean);
    w.Enum("CellGraphic.CellCheckBoxState", g.CellCheckBoxState, kCheckBoxStateNames);
    w.Integer("CellGraphic.CellAngle", g.CellAngle);
    if (g.CellValue != 0) w.Float("CellGraphic.CellValue", g.CellValue);
    w.Integer("CellGraphic.CellErrFrom", g.CellErrFrom);
    w.Integer("CellGraphic.CellErrLen", g.CellErrLen);
    if (!g.CellText.isEmpty()) w.String("CellGraphic.CellText", g.CellText);
    w.EndObject();

    switch (g.CellType) {
    case ctBitmap:
    case ctBitButton:
    case ctIcon:
    case ctPicture: {
        const QImage* image = std::get_if<QImage>(&g.Payload);
        const QByteArray png = image != nullptr && !image->isNull() ? pngBytes(*image) : QByteArray();
        if (g.CellType == ctPicture) {
            w.BeginObject("TGridPicIO");
            if (!png.isEmpty()) {
                QByteArray data(1, char(sizeof(kPngKind) - 1));
                data += kPngKind;
                w.Binary("Picture.Data", data + png);
            }
        } else if (g.CellType == ctIcon) {
            w.BeginObject("TGridIconIO");
            if (!png.isEmpty()) w.Binary("Icon.Data", png);
        } else {
            w.BeginObject("TGridBMPIO");
            if (!png.isEmpty()) w.Binary("Bitmap.Data", png);
        }
        w.EndObject();
        break;
    }
    case ctFilePicture: {
        w.BeginObject("TGridFilePicIO");
        const TBinFileName* file = std::get_if<TBinFileName>(&g.Payload);
        if (file != nullptr && !file->Name.isEmpty()) w.String("Picture.Filename", file->Name);
        w.EndObject();
        break;
    }
    case ctRadio:
    case ctImages: {
        w.BeginObject("TGridSLIO");
        const QStringList* items = std::get_if<QStringList>(&g.Payload);
        w.StringList("Strings.Strings", items != nullptr ? *items : QStringList());
        w.EndObject();
        break;
    }
    default:
        break;
    }
}

// ------------------------------------------------------------- collecting

TBinCellProps propsOf(const TCellProperties& p, bool hasGraphic)
{
    TBinCellProps b;
    b.IsBaseCell = p.IsBaseCell();
    b.CellSpanX = p.CellSpanX();
    b.CellSpanY = p.CellSpanY();
    b.Alignment = p.Alignment();
    b.BorderColor = p.BorderColor();
    b.BorderWidth = p.BorderWidth();
    b.BrushColor = p.BrushColor();
    b.BrushColorTo = p.BrushColorTo();
    b.BrushStyle = p.BrushStyle();
    b.CellObject = int32_t(uint32_t(p.CellObject()));
    b.FontColor = p.FontColor();
    b.FontName = p.FontName();
    b.FontSize = p.FontSize();
    b.FontStyle = p.FontStyle();
    b.Editor = p.Editor();
    b.GradientDirection = p.GradientDirection();
    b.ReadOnly = p.ReadOnly();
    b.VAlignment = p.VAlignment();
    b.WordWrap = p.WordWrap();
    b.NodeLevel = p.NodeLevel();
    if (p.Control() != nullptr && !p.Control()->objectName().isEmpty()) b.Control = p.Control()->objectName();
    b.HasGraphic = hasGraphic;
    return b;
}

TBinGraphic graphicOf(const TCellGraphic& g)
{
    TBinGraphic b;
    b.CellType = g.CellType();
    b.CellVAlign = g.CellVAlign();
    b.CellHAlign = g.CellHAlign();
    b.CellIndex = g.CellIndex();
    b.CellTransparent = g.CellTransparent();
    b.CellCreated = g.CellCreated();
    b.CellBoolean = g.CellBoolean();
    b.CellCheckBoxState = g.CellCheckBoxState();
    b.CellAngle = g.CellAngle();
    b.CellValue = g.CellValue();
    b.CellErrFrom = g.CellErrFrom();
    b.CellErrLen = g.CellErrLen();
    b.CellText = g.CellText();
    switch (g.CellType()) {
    case ctBitmap:
    case ctBitButton:
        if (const QPixmap* pixmap = g.CellBitmapAs<QPixmap>()) b.Payload = pixmap->toImage();
        break;
    case ctIcon:
        if (const QIcon* icon = g.CellIconObject()) b.Payload = iconImage(*icon);
        break;
    case ctPicture:
        if (const QImage* image = g.CellBitmapAs<QImage>()) b.Payload = *image;
        break;
    case ctFilePicture:
        if (const TFilePicture* file = g.CellBitmapAs<TFilePicture>()) b.Payload = TBinFileName{file->Filename()};
        break;
    case ctRadio:
        b.Payload = g.CellBitmapAs<QStringList>() != nullptr ? *g.CellBitmapAs<QStringList>() : QStringList();
        break;
    case ctImages: {
        QStringList indexes;
        if (const TIntList* list = g.CellBitmapAs<TIntList>())
            for (int i = 0; i < list->Count(); ++i) indexes << QString::number(list->GetInteger(i));
        b.Payload = indexes;
        break;
    }
    default:
        break;
    }
    return b;
}

// ------------------------------------------------------------- reading

TBinGridHeader readHeader(const TComponentRecord& r)
{
    if (r.ClassName != QLatin1String("TGridPropIO")) fail(QStringLiteral("Stream read error: grid header expected"));
    TBinGridHeader h;
    for (const TPropEntry& e : r.Properties) {
        if (e.Name == QLatin1String("ColCount")) h.ColCount = int(ReadInteger(e, 0, MaxBinCellPosition + 1));
        else if (e.Name == QLatin1String("RowCount")) h.RowCount = int(ReadInteger(e, 0, MaxBinCellPosition + 1));
        else if (e.Name == QLatin1String("ColWidths")) h.ColWidths = ReadString(e);
        else if (e.Name == QLatin1String("RowHeights")) h.RowHeights = ReadString(e);
        else if (e.Name == QLatin1String("FullGrid")) h.FullGrid = ReadBoolean(e);
        else if (e.Name == QLatin1String("ID")) h.ID = int32_t(ReadInteger(e, INT32_MIN, INT32_MAX));
        else UnknownProperty(r.ClassName, e);
    }
    return h;
}

TColor readColor(const TPropEntry& e) { return ReadColor(e); }

TBinCellProps readProps(const TComponentRecord& r)
{
    if (r.ClassName != QLatin1String("TGridCellPropIO")) fail(QStringLiteral("Stream read error: cell properties expected"));
    TBinCellProps p;
    const QString prefix = QStringLiteral("CellProperties.");
    for (const TPropEntry& e : r.Properties) {
        if (e.Name == QLatin1String("HasGraphic")) {
            p.HasGraphic = ReadBoolean(e);
            continue;
        }
        if (!e.Name.startsWith(prefix)) UnknownProperty(r.ClassName, e);
        const QStringView n = QStringView(e.Name).mid(prefix.size());
        if (n == u"IsBaseCell") p.IsBaseCell = ReadBoolean(e);
        else if (n == u"CellSpanX") p.CellSpanX = int(ReadInteger(e, -1, MaxBinCellPosition));
        else if (n == u"CellSpanY") p.CellSpanY = int(ReadInteger(e, -1, MaxBinCellPosition));
        else if (n == u"Alignment") p.Alignment = TAlignment(ReadIdent(e, kAlignmentNames));
        else if (n == u"BorderColor") p.BorderColor = readColor(e);
        else if (n == u"BorderWidth") p.BorderWidth = int(ReadInteger(e, 0, 1000));
        else if (n == u"BrushColor") p.BrushColor = readColor(e);
        else if (n == u"BrushColorTo") p.BrushColorTo = readColor(e);
        else if (n == u"BrushStyle") p.BrushStyle = TBrushStyle(ReadIdent(e, kBrushStyleNames));
        else if (n == u"CellObject") p.CellObject = int32_t(ReadInteger(e, INT32_MIN, INT32_MAX));
        else if (n == u"FontColor") p.FontColor = readColor(e);
        else if (n == u"FontName") p.FontName = ReadString(e);
        else if (n == u"FontSize") p.FontSize = int(ReadInteger(e, -1000, 1000));
        else if (n == u"FontStyle") p.FontStyle = TFontStyles(ReadSet(e, kFontStyleNames));
        else if (n == u"Editor") p.Editor = TEditorType(ReadIdent(e, kEditorTypeNames));
        else if (n == u"GradientDirection") p.GradientDirection = TCellGradientDirection(ReadIdent(e, kGradientDirectionNames));
        else if (n == u"ReadOnly") p.ReadOnly = ReadBoolean(e);
        else if (n == u"VAlignment") p.VAlignment = TVAlignment(ReadIdent(e, kVAlignmentNames));
        else if (n == u"WordWrap") p.WordWrap = ReadBoolean(e);
        else if (n == u"NodeLevel") p.NodeLevel = int(ReadInteger(e, 0, MaxBinCellPosition));
        else if (n == u"Control") {
            if (e.Value.Type != vaIdent) ReadString(e);  // raises for anything but a name
            p.Control = e.Value.Text;
        } else UnknownProperty(r.ClassName, e);
    }
    return p;
}

TBinGraphic readGraphic(const TComponentRecord& r)
{
    if (r.ClassName != QLatin1String("TGridGraphicIO")) fail(QStringLiteral("Stream read error: cell graphic expected"));
    TBinGraphic g;
    const QString prefix = QStringLiteral("CellGraphic.");
    for (const TPropEntry& e : r.Properties) {
        if (!e.Name.startsWith(prefix)) UnknownProperty(r.ClassName, e);
        const QStringView n = QStringView(e.Name).mid(prefix.size());
        if (n == u"CellType") g.CellType = TCellType(ReadIdent(e, kCellTypeNames));
        else if (n == u"CellVAlign") g.CellVAlign = TCellVAlign(ReadIdent(e, kCellVAlignNames));
        else if (n == u"CellHAlign") g.CellHAlign = TCellHAlign(ReadIdent(e, kCellHAlignNames));
        else if (n == u"CellIndex") g.CellIndex = int32_t(ReadInteger(e, INT32_MIN, INT32_MAX));
        else if (n == u"CellTransparent") g.CellTransparent = ReadBoolean(e);
        else if (n == u"CellCreated") g.CellCreated = ReadBoolean(e);
        else if (n == u"CellBoolean") g.CellBoolean = ReadBoolean(e);
        else if (n == u"CellCheckBoxState") g.CellCheckBoxState = TCheckBoxState(ReadIdent(e, kCheckBoxStateNames));
        else if (n == u"CellAngle") g.CellAngle = int32_t(ReadInteger(e, INT32_MIN, INT32_MAX));
        else if (n == u"CellValue") {
            const long double v = ReadFloat(e);
            if (!std::isfinite(v)) fail(QStringLiteral("Stream read error: invalid CellValue"));
            g.CellValue = double(v);
        } else if (n == u"CellErrFrom") g.CellErrFrom = int32_t(ReadInteger(e, INT32_MIN, INT32_MAX));
        else if (n == u"CellErrLen") g.CellErrLen = int32_t(ReadInteger(e, INT32_MIN, INT32_MAX));
        else if (n == u"CellText") g.CellText = ReadString(e);
        else UnknownProperty(r.ClassName, e);
    }
    return g;
}

// The payload record that follows a graphic of this kind.
void readPayload(const TComponentRecord& r, TBinGraphic& g)
{
    const char* expected = nullptr;
    const char* property = nullptr;
    switch (g.CellType) {
    case ctBitmap: case ctBitButton: expected = "TGridBMPIO"; property = "Bitmap.Data"; break;
    case ctIcon: expected = "TGridIconIO"; property = "Icon.Data"; break;
    case ctPicture: expected = "TGridPicIO"; property = "Picture.Data"; break;
    case ctFilePicture: expected = "TGridFilePicIO"; property = "Picture.Filename"; break;
    case ctRadio: case ctImages: expected = "TGridSLIO"; property = "Strings.Strings"; break;
    default: return;
    }
    if (r.ClassName != QLatin1String(expected))
        fail(QStringLiteral("Stream read error: %1 expected").arg(QLatin1String(expected)));
    if (g.CellType == ctRadio || g.CellType == ctImages) g.Payload = QStringList();
    for (const TPropEntry& e : r.Properties) {
        if (e.Name != QLatin1String(property)) UnknownProperty(r.ClassName, e);
        switch (g.CellType) {
        case ctFilePicture:
            g.Payload = TBinFileName{ReadString(e)};
            break;
        case ctRadio:
            g.Payload = ReadStringList(e);
            break;
        case ctImages: {
            const QStringList items = ReadStringList(e);
            for (const QString& item : items) {
                bool ok = false;
                item.toInt(&ok);
                if (!ok) fail(QStringLiteral("Stream read error: '%1' is not an image index").arg(item));
            }
            g.Payload = items;
            break;
        }
        case ctPicture: {
            const QByteArray data = ReadBinary(e);
            const int kindLength = data.isEmpty() ? 0 : uint8_t(data[0]);
            if (data.size() < 1 + kindLength || data.mid(1, kindLength) != QByteArray(kPngKind))
                fail(QStringLiteral("Stream read error: unsupported picture kind"));
            g.Payload = decodePng(data.mid(1 + kindLength));
            break;
        }
        default:
            g.Payload = decodePng(ReadBinary(e));
            break;
        }
    }
}

// ------------------------------------------------------------- placing

void applyProps(TCellProperties& p, const TBinCellProps& b)
{
    // The merge encoding (IsBaseCell, spans) is restored by whole blocks
    // after the cells are placed; the user object reference is a value of
    // the writing program and is not taken over; neither is a control.
    if (b.Alignment) p.SetAlignment(*b.Alignment);
    if (b.BorderColor) p.SetBorderColor(*b.BorderColor);
    if (b.BorderWidth) p.SetBorderWidth(*b.BorderWidth);
    if (b.BrushColor) p.SetBrushColor(*b.BrushColor);
    if (b.BrushColorTo) p.SetBrushColorTo(*b.BrushColorTo);
    if (b.BrushStyle) p.SetBrushStyle(*b.BrushStyle);
    if (b.FontColor) p.SetFontColor(*b.FontColor);
    if (b.FontName) p.SetFontName(*b.FontName);
    if (b.FontSize) p.SetFontSize(*b.FontSize);
    if (b.FontStyle) p.SetFontStyle(*b.FontStyle);
    if (b.Editor) p.SetEditor(*b.Editor);
    if (b.GradientDirection) p.SetGradientDirection(*b.GradientDirection);
    if (b.ReadOnly) p.SetReadOnly(*b.ReadOnly);
    if (b.VAlignment) p.SetVAlignment(*b.VAlignment);
    if (b.WordWrap) p.SetWordWrap(*b.WordWrap);
    if (b.NodeLevel) p.SetNodeLevel(*b.NodeLevel);
}

bool carriesMerge(const TBinCellProps& b) { return b.IsBaseCell || b.CellSpanX || b.CellSpanY; }

std::unique_ptr<TCellGraphic> makeGraphic(TExStringGrid& grid, const TBinGraphic& b, int col, int row)
{
    auto g = std::make_unique<TCellGraphic>();
    g->SetCellType(b.CellType);
    g->SetCellVAlign(b.CellVAlign);
    g->SetCellHAlign(b.CellHAlign);
    g->SetCellIndex(b.CellIndex);
    g->SetCellTransparent(b.CellTransparent);
    g->SetCellBoolean(b.CellBoolean);
    g->SetCellCheckBoxState(b.CellCheckBoxState);
    g->SetCellAngle(b.CellAngle);
    g->SetCellValue(b.CellValue);
    g->SetCellErrFrom(b.CellErrFrom);
    g->SetCellErrLen(b.CellErrLen);
    g->SetCellText(b.CellText);
    const QImage* image = std::get_if<QImage>(&b.Payload);
    switch (b.CellType) {
    case ctBitmap:
    case ctBitButton:
        if (image != nullptr) g->AdoptCellBitmap(std::make_unique<QPixmap>(QPixmap::fromImage(*image)));
        break;
    case ctIcon:
        if (image != nullptr) g->AdoptCellIcon(std::make_unique<QIcon>(QPixmap::fromImage(*image)));
        break;
    case ctPicture:
        if (image != nullptr) g->AdoptCellBitmap(std::make_unique<QImage>(*image));
        break;
    case ctFilePicture:
        if (const TBinFileName* file = std::get_if<TBinFileName>(&b.Payload)) {
            auto picture = std::make_unique<TFilePicture>();
            // A file that cannot be read keeps its name; drawing reads it again.
            try {
                picture->SetFilename(file->Name);
            } catch (const EExGridError&) {
            }
            g->AdoptCellBitmap(std::move(picture));
        }
        break;
    case ctRadio:
        if (const QStringList* items = std::get_if<QStringList>(&b.Payload))
            g->AdoptCellBitmap(std::make_unique<QStringList>(*items));
        break;
    case ctImages: {
        auto list = std::make_unique<TIntList>(col, row);
        if (const QStringList* items = std::get_if<QStringList>(&b.Payload))
            for (const QString& item : *items) list->Add(item.toInt());
        QPointer<TExStringGrid> self(&grid);
        list->OnChange = [self](TIntList*, int c, int r) {
            if (self) self->RepaintCell(c, r);
        };
        g->AdoptCellBitmap(std::move(list));
        break;
    }
    default:
        break;
    }
    return g;
}

}  // namespace binary_stream_detail

namespace bsd = binary_stream_detail;

bool HasBinPayload(TCellType kind)
{
    switch (kind) {
    case ctBitmap: case ctBitButton: case ctIcon: case ctPicture: case ctFilePicture: case ctRadio: case ctImages:
        return true;
    default:
        return false;
    }
}

int32_t GridStreamID(const TExStringGrid& grid)
{
    const auto v = reinterpret_cast<uintptr_t>(&grid);
    return int32_t(uint32_t(v ^ (uint64_t(v) >> 32)));
}

TBinCellStream CollectBinCells(const TExStringGrid& grid, const platform::TGridRect& rect,
                               const std::function<void(int row)>& onRow)
{
    const int left = std::min(rect.Left, rect.Right), right = std::max(rect.Left, rect.Right);
    const int top = std::min(rect.Top, rect.Bottom), bottom = std::max(rect.Top, rect.Bottom);
    if (left < 0 || top < 0) bsd::fail(QStringLiteral("Cell positions below 0 cannot be saved"));
    if (right > MaxBinCellPosition || bottom > MaxBinCellPosition)
        bsd::fail(QStringLiteral("Cells beyond column or row %1 cannot be saved in the binary format").arg(MaxBinCellPosition));

    TBinCellStream s;
    TBinGridHeader& h = s.Header;
    h.ColCount = right - left + 1;
    h.RowCount = bottom - top + 1;
    h.ColWidths = bsd::joinSizes(h.ColCount, [&](int i) { return grid.ColWidths(left + i); });
    h.RowHeights = bsd::joinSizes(h.RowCount, [&](int i) { return grid.RowHeights(top + i); });
    if (grid.SaveFixedCells)
        h.FullGrid = h.RowCount == grid.RowCount() && h.ColCount == grid.ColCount();
    else
        h.FullGrid = h.RowCount == grid.RowCount() - grid.FixedRows() && h.ColCount == grid.ColCount() - grid.FixedCols();
    h.ID = GridStreamID(grid);

    s.Cells.reserve(size_t(h.ColCount) * size_t(h.RowCount));
    for (int r = top; r <= bottom; ++r) {
        if (onRow) onRow(r);
        for (int c = left; c <= right; ++c) {
            const int rc = grid.RealColIndex(c);
            TBinCell cell;
            cell.Col = c;
            cell.Row = r;
            cell.Text = grid.GetCellEx(rc, r);
            if (const TCellProperties* p = grid.CellPropertiesOrNull(rc, r)) {
                const TCellGraphic* g = p->CellGraphic();
                bool hasGraphic = false;
                // Only objects the grid made and owns are carried.
                if (g != nullptr && g->CellType() != ctEmpty)
                    hasGraphic = HasBinPayload(g->CellType()) ? g->CellCreated() : true;
                cell.Props = bsd::propsOf(*p, hasGraphic);
                if (hasGraphic) cell.Graphic = bsd::graphicOf(*g);
            }
            s.Cells.push_back(std::move(cell));
        }
    }
    return s;
}

QByteArray EncodeBinCellStream(const TBinCellStream& stream)
{
    QByteArray out;
    TComponentWriter w(out);
    bsd::writeHeader(w, stream.Header);
    for (const TBinCell& cell : stream.Cells) {
        w.BeginObject("TGridCellIO");
        w.Integer("Col", cell.Col);
        w.Integer("Row", cell.Row);
        if (!cell.Text.isEmpty()) w.String("Cell", cell.Text);
        w.Boolean("HasProp", cell.Props.has_value());
        w.EndObject();
        if (!cell.Props) continue;
        TBinCellProps props = *cell.Props;
        props.HasGraphic = cell.Graphic.has_value();
        bsd::writeProps(w, props);
        if (cell.Graphic) bsd::writeGraphic(w, *cell.Graphic);
    }
    return out;
}

TBinCellStream DecodeBinCellStream(const QByteArray& bytes)
{
    TComponentReader in(bytes);
    TBinCellStream s;
    s.Header = bsd::readHeader(in.ReadObject());
    const TBinGridHeader& h = s.Header;
    if (h.ColCount < 1 || h.RowCount < 1) bsd::fail(QStringLiteral("Stream read error: the stream holds no cells"));
    const qint64 cells = qint64(h.ColCount) * h.RowCount;
    // Every cell record takes more than 16 bytes: a rectangle the stream
    // cannot hold is refused before anything is reserved for it.
    if (cells > in.Remaining() / 16 + 1) bsd::fail(QStringLiteral("Stream read error: the stream is truncated"));
    if (h.FullGrid) {
        bsd::splitSizes(h.ColWidths, h.ColCount, "ColWidths");
        bsd::splitSizes(h.RowHeights, h.RowCount, "RowHeights");
    }
    s.Cells.reserve(size_t(cells));
    int originCol = 0, originRow = 0;
    while (in.Remaining() >= 2) {
        const TComponentRecord r = in.ReadObject();
        if (r.ClassName != QLatin1String("TGridCellIO")) bsd::fail(QStringLiteral("Stream read error: cell expected"));
        TBinCell cell;
        bool hasProp = false;
        for (const TPropEntry& e : r.Properties) {
            if (e.Name == QLatin1String("Col")) cell.Col = int(ReadInteger(e, 0, MaxBinCellPosition));
            else if (e.Name == QLatin1String("Row")) cell.Row = int(ReadInteger(e, 0, MaxBinCellPosition));
            else if (e.Name == QLatin1String("Cell")) cell.Text = ReadString(e);
            else if (e.Name == QLatin1String("HasProp")) hasProp = ReadBoolean(e);
            else UnknownProperty(r.ClassName, e);
        }
        if (s.Cells.empty() && !h.FullGrid) {
            originCol = cell.Col;
            originRow = cell.Row;
        }
        const int dx = cell.Col - originCol, dy = cell.Row - originRow;
        if (dx < 0 || dy < 0 || dx >= h.ColCount || dy >= h.RowCount)
            bsd::fail(QStringLiteral("Stream read error: cell %1, %2 lies outside the stream's rectangle").arg(cell.Col).arg(cell.Row));
        if (qint64(s.Cells.size()) >= cells) bsd::fail(QStringLiteral("Stream read error: more cells than the rectangle holds"));
        if (hasProp) {
            cell.Props = bsd::readProps(in.ReadObject());
            if (cell.Props->HasGraphic) {
                cell.Graphic = bsd::readGraphic(in.ReadObject());
                if (HasBinPayload(cell.Graphic->CellType)) bsd::readPayload(in.ReadObject(), *cell.Graphic);
            }
        }
        s.Cells.push_back(std::move(cell));
    }
    if (qint64(s.Cells.size()) != cells) bsd::fail(QStringLiteral("Stream read error: the stream is truncated"));
    return s;
}

std::optional<platform::TGridRect> PlaceBinCells(TExStringGrid& grid, QPoint at, const TBinCellStream& stream,
                                                 TBinPlacement placement)
{
    const TBinGridHeader& h = stream.Header;
    if (stream.Cells.empty()) return std::nullopt;
    if (at.x() < 0 || at.y() < 0 || (!h.FullGrid && (at.x() >= grid.ColCount() || at.y() >= grid.RowCount())))
        bsd::fail(QStringLiteral("Cells cannot be placed at %1, %2: outside the grid").arg(at.x()).arg(at.y()));
    const int originCol = h.FullGrid ? 0 : stream.Cells.front().Col;
    const int originRow = h.FullGrid ? 0 : stream.Cells.front().Row;

    if (h.FullGrid) {
        const std::vector<int> widths = bsd::splitSizes(h.ColWidths, h.ColCount, "ColWidths");
        const std::vector<int> heights = bsd::splitSizes(h.RowHeights, h.RowCount, "RowHeights");
        grid.ClearAll();
        grid.SetRowCount(h.RowCount);
        grid.SetColCount(h.ColCount);
        for (int c = 0; c < grid.ColCount() && c < h.ColCount; ++c) grid.SetColWidths(c, widths[size_t(c)]);
        for (int r = 0; r < grid.RowCount() && r < h.RowCount; ++r) grid.SetRowHeights(r, heights[size_t(r)]);
    }

    // Where the cells land; with Grow the grid takes the whole rectangle.
    int lastCol = 0, lastRow = 0;
    for (const TBinCell& cell : stream.Cells) {
        lastCol = std::max(lastCol, cell.Col - originCol + at.x());
        lastRow = std::max(lastRow, cell.Row - originRow + at.y());
    }
    if (placement == TBinPlacement::Grow) {
        if (lastCol >= grid.ColCount()) grid.SetColCount(lastCol + 1);
        if (lastRow >= grid.RowCount()) grid.SetRowCount(lastRow + 1);
    }
    lastCol = std::min(lastCol, grid.ColCount() - 1);
    lastRow = std::min(lastRow, grid.RowCount() - 1);

    struct Block {
        int Col, Row, SpanX, SpanY;
    };
    std::vector<Block> blocks;
    TProgressReporter progress(grid);
    int previousRow = -1;
    for (const TBinCell& cell : stream.Cells) {
        const int c = cell.Col - originCol + at.x();
        const int r = cell.Row - originRow + at.y();
        if (c > lastCol || r > lastRow) continue;
        if (r != previousRow && progress.Active()) progress.Report(r, grid.RowCount());
        previousRow = r;
        const int rc = grid.RealColIndex(c);
        grid.SetCellEx(rc, r, cell.Text);
        if (cell.Props) {
            if (bsd::carriesMerge(*cell.Props) && grid.IsMergedCell(rc, r)) grid.SplitCells(rc, r);
            TCellProperties* p = grid.GetCellProperties(rc, r);
            bsd::applyProps(*p, *cell.Props);
            if (cell.Props->IsBaseCell.value_or(false) && cell.Props->CellSpanX.value_or(-1) >= 0 &&
                cell.Props->CellSpanY.value_or(-1) >= 0)
                blocks.push_back({rc, r, *cell.Props->CellSpanX + 1, *cell.Props->CellSpanY + 1});
        }
        if (cell.Graphic) grid.SetGraphicObjectEx(rc, r, bsd::makeGraphic(grid, *cell.Graphic, rc, r));
    }
    // Merged blocks come back whole, and only inside the grid.
    for (const Block& b : blocks) grid.MergeCells(b.Col, b.Row, b.SpanX, b.SpanY);
    return platform::TGridRect{at.x(), at.y(), lastCol, lastRow};
}

// ------------------------------------------------------------- grid operations

void SaveRectToBinStream(TExStringGrid& grid, const platform::TGridRect& rect, QByteArray& out)
{
    const int top = std::min(rect.Top, rect.Bottom), bottom = std::max(rect.Top, rect.Bottom);
    TExportRun run(grid, top);
    const TBinCellStream stream = CollectBinCells(grid, rect, [&](int row) {
        if (row > top) run.Progress().Report(row - 1 - top, bottom - top);
        run.NextRow(row);
    });
    run.Progress().Report(bottom - top, bottom - top);
    out += EncodeBinCellStream(stream);
    run.Finish();
}

void SaveToBinStream(TExStringGrid& grid, QByteArray& out)
{
    SaveRectToBinStream(grid, {grid.SaveStartCol(), grid.SaveStartRow(), grid.SaveEndCol(), grid.SaveEndRow()}, out);
}

void LoadAtPointFromBinStream(TExStringGrid& grid, QPoint at, const QByteArray& bytes)
{
    const TBinCellStream stream = DecodeBinCellStream(bytes);
    PlaceBinCells(grid, at, stream, TBinPlacement::Grow);
}

void LoadFromBinStream(TExStringGrid& grid, const QByteArray& bytes)
{
    LoadAtPointFromBinStream(grid, QPoint(0, 0), bytes);
    grid.RecountNodes();
}

QByteArray TBinaryGridWriter::Write(TExStringGrid& grid, const std::optional<QByteArray>& /*existing*/)
{
    QByteArray bytes;
    SaveToBinStream(grid, bytes);
    return bytes;
}

void TBinaryGridReader::Read(TExStringGrid& grid, const QByteArray& bytes, const QString& /*fileName*/)
{
    LoadFromBinStream(grid, bytes);
}

}  // namespace grid::io
