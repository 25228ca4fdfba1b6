#include "controls/grid/cells/cell_graphic.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include <QImageReader>
#include <QPainter>

#include "controls/grid/grid_error.h"

namespace grid {

namespace cell_graphic_detail {

const void* refAddress(const TCellObjectRef& ref)
{
    return std::visit(
        [](const auto& value) -> const void* {
            using T = std::decay_t<decltype(value)>;
            if constexpr (std::is_pointer_v<T>)
                return value;
            else
                return nullptr;
        },
        ref);
}

const void* ownedAddress(const TCellOwnedObject& owned)
{
    return std::visit(
        [](const auto& value) -> const void* {
            using T = std::decay_t<decltype(value)>;
            if constexpr (std::is_same_v<T, std::monostate>)
                return nullptr;
            else
                return value.get();
        },
        owned);
}

TCellObjectRef refTo(const TCellOwnedObject& owned)
{
    return std::visit(
        [](const auto& value) -> TCellObjectRef {
            using T = std::decay_t<decltype(value)>;
            if constexpr (std::is_same_v<T, std::monostate>)
                return std::monostate{};
            else
                return value.get();
        },
        owned);
}

QImage loadPicture(const QString& fileName)
{
    QImageReader reader(fileName);
    QImage image = reader.read();
    if (image.isNull())
        throw EExGridError(QStringLiteral("Cannot load the picture \"%1\": %2")
                               .arg(fileName, reader.errorString())
                               .toStdString());
    return image;
}

}  // namespace cell_graphic_detail

// ------------------------------------------------------------ TFilePicture

void TFilePicture::SetFilename(const QString& value)
{
    FFilename = value;
    const QImage picture = cell_graphic_detail::loadPicture(value);
    FWidth = picture.width();
    FHeight = picture.height();
}

void TFilePicture::DrawPicture(QPainter& canvas, const QRect& r) const
{
    if (FFilename.isEmpty()) return;
    const QImage picture = cell_graphic_detail::loadPicture(FFilename);
    canvas.drawImage(r, picture);
}

void TFilePicture::Assign(const TFilePicture& source)
{
    FFilename = source.FFilename;
    FWidth = source.FWidth;
    FHeight = source.FHeight;
}

// ------------------------------------------------------------ TCellGraphic

TCellGraphic::TCellGraphic() = default;

TCellGraphic::~TCellGraphic() = default;

void TCellGraphic::Assign(const TCellGraphic& source)
{
    if (&source == this) return;
    ChangeKind(source.FCellType);
    FCellVAlign = source.FCellVAlign;
    FCellHAlign = source.FCellHAlign;
    FCellIndex = source.FCellIndex;
    FCellTransparent = source.FCellTransparent;
    FCellValue = source.FCellValue;
    FCellAngle = source.FCellAngle;
    FCellBoolean = source.FCellBoolean;
    FCellErrFrom = source.FCellErrFrom;
    FCellErrLen = source.FCellErrLen;
    FCellText = source.FCellText;
}

void TCellGraphic::ChangeKind(TCellType kind)
{
    if (kind == FCellType) return;
    FreeOwnedBitmap();
    FreeOwnedIcon();
    FCellType = kind;
}

void TCellGraphic::FreeOwnedBitmap()
{
    if (std::holds_alternative<std::monostate>(FOwnedBitmap)) return;
    if (cell_graphic_detail::refAddress(FCellBitmap) == cell_graphic_detail::ownedAddress(FOwnedBitmap))
        FCellBitmap = std::monostate{};
    FOwnedBitmap = std::monostate{};
}

void TCellGraphic::FreeOwnedIcon()
{
    if (!FOwnedIcon) return;
    if (CellIconObject() == FOwnedIcon.get()) FCellIcon = std::monostate{};
    FOwnedIcon.reset();
}

void TCellGraphic::SetCellBitmap(TCellObjectRef value)
{
    if (cell_graphic_detail::refAddress(value) != cell_graphic_detail::ownedAddress(FOwnedBitmap))
        FreeOwnedBitmap();
    FCellBitmap = value;
}

void TCellGraphic::AdoptCellBitmap(TCellOwnedObject value)
{
    FreeOwnedBitmap();
    FOwnedBitmap = std::move(value);
    FCellBitmap = cell_graphic_detail::refTo(FOwnedBitmap);
}

TColor TCellGraphic::CellBitmapColor() const
{
    const TColor* color = std::get_if<TColor>(&FCellBitmap);
    return color != nullptr ? *color : 0;
}

void TCellGraphic::SetCellIcon(TCellIconRef value)
{
    const QIcon* const* icon = std::get_if<QIcon*>(&value);
    if (FOwnedIcon && (icon == nullptr || *icon != FOwnedIcon.get())) FreeOwnedIcon();
    FCellIcon = value;
}

void TCellGraphic::AdoptCellIcon(std::unique_ptr<QIcon> value)
{
    FreeOwnedIcon();
    FOwnedIcon = std::move(value);
    if (FOwnedIcon)
        FCellIcon = FOwnedIcon.get();
    else
        FCellIcon = std::monostate{};
}

QIcon* TCellGraphic::CellIconObject() const
{
    QIcon* const* icon = std::get_if<QIcon*>(&FCellIcon);
    return icon != nullptr ? *icon : nullptr;
}

TColor TCellGraphic::CellIconColor() const
{
    const TColor* color = std::get_if<TColor>(&FCellIcon);
    return color != nullptr ? *color : 0;
}

bool TCellGraphic::CellCreated() const
{
    return !std::holds_alternative<std::monostate>(FOwnedBitmap) || FOwnedIcon != nullptr;
}

void TCellGraphic::SetAlignments(TCellHAlign hal, TCellVAlign val)
{
    FCellHAlign = hal;
    FCellVAlign = val;
}

void TCellGraphic::SetBitmap(QPixmap* ABmp, bool Transparent, TCellHAlign hal, TCellVAlign val)
{
    ChangeKind(ctBitmap);
    SetCellBitmap(ABmp);
    SetAlignments(hal, val);
    FCellTransparent = Transparent;
}

void TCellGraphic::SetPicture(QImage* APicture, bool Transparent, TStretchMode StretchMode, int padding,
                              TCellHAlign hal, TCellVAlign val)
{
    ChangeKind(ctPicture);
    SetAlignments(hal, val);
    SetCellBitmap(APicture);
    FCellTransparent = Transparent;
    FCellAngle = StretchMode;
    FCellIndex = padding;
}

void TCellGraphic::SetFilePicture(TFilePicture* APicture, bool Transparent, TStretchMode stretchmode, int padding,
                                  TCellHAlign hal, TCellVAlign val)
{
    ChangeKind(ctFilePicture);
    SetAlignments(hal, val);
    SetCellBitmap(APicture);
    FCellTransparent = Transparent;
    FCellAngle = stretchmode;
    FCellIndex = padding;
}

void TCellGraphic::SetImageIdx(int idx, TCellHAlign hal, TCellVAlign val)
{
    ChangeKind(ctImageList);
    FCellIndex = idx;
    SetAlignments(hal, val);
}

void TCellGraphic::SetDataImage(int idx, TCellHAlign hal, TCellVAlign val)
{
    ChangeKind(ctDataImage);
    FCellIndex = idx;
    SetAlignments(hal, val);
}

void TCellGraphic::SetMultiImage(int Col, int Row, int dir, TCellHAlign hal, TCellVAlign val,
                                 TIntList::TImageChangeEvent Notifier)
{
    ChangeKind(ctImages);
    SetAlignments(hal, val);
    FCellBoolean = dir == 0;
    auto list = std::make_unique<TIntList>(Col, Row);
    list->OnChange = std::move(Notifier);
    AdoptCellBitmap(std::move(list));
}

void TCellGraphic::SetIcon(QIcon* aicon, TCellHAlign hal, TCellVAlign val)
{
    ChangeKind(ctIcon);
    SetCellIcon(aicon);
    SetAlignments(hal, val);
}

void TCellGraphic::SetCheckBox(bool Value, bool Data, bool Flat, TCellHAlign hal, TCellVAlign val)
{
    ChangeKind(Data ? ctDataCheckBox : ctCheckBox);
    FCellAngle = 0;
    FCellBoolean = Value;
    SetAlignments(hal, val);
    FCellTransparent = Flat;
}

void TCellGraphic::SetCheckBox(TCheckBoxState Value, bool Flat, TCellHAlign hal, TCellVAlign val)
{
    ChangeKind(ctTriStateCheckBox);
    FCellCheckBoxState = Value;
    FCellBoolean = false;
    SetAlignments(hal, val);
    FCellTransparent = Flat;
}

void TCellGraphic::SetRadioButton(bool Value, bool Flat, TCellHAlign hal, TCellVAlign val)
{
    ChangeKind(ctRadioButton);
    FCellAngle = 0;
    FCellBoolean = Value;
    SetAlignments(hal, val);
    FCellTransparent = Flat;
}

int TCellGraphic::NormalizeAngle(int angle)
{
    while (angle < 0) angle += 360;
    while (angle > 360) angle -= 360;
    return angle;
}

void TCellGraphic::SetAngle(int16_t AAngle)
{
    ChangeKind(ctRotated);
    FCellAngle = NormalizeAngle(AAngle);
}

void TCellGraphic::SetButton(int bw, int bh, const QString& caption, TCellHAlign hal, TCellVAlign val)
{
    ChangeKind(ctButton);
    SetAlignments(hal, val);
    FCellIndex = static_cast<int32_t>((static_cast<uint32_t>(bh) << 16) | (static_cast<uint32_t>(bw) & 0xFFFFu));
    FCellBoolean = false;
    FCellText = caption;
}

void TCellGraphic::SetBitButton(int bw, int bh, const QString& caption, QPixmap* Glyph, TCellHAlign hal,
                                TCellVAlign val)
{
    ChangeKind(ctBitButton);
    SetAlignments(hal, val);
    FCellIndex = static_cast<int32_t>((static_cast<uint32_t>(bh) << 16) | (static_cast<uint32_t>(bw) & 0xFFFFu));
    FCellBoolean = false;
    FCellText = caption;
    SetCellBitmap(Glyph);
}

void TCellGraphic::SetInterfacedCell(QObject* AObject)
{
    ChangeKind(ctInterface);
    SetCellBitmap(AObject);
}

QPoint TCellGraphic::GetPictureSize(int cw, int rh, bool) const
{
    int w = 0;
    int h = 0;
    if (FCellType == ctPicture) {
        if (const QImage* picture = CellBitmapAs<QImage>()) {
            w = picture->width();
            h = picture->height();
        }
    } else if (FCellType == ctFilePicture) {
        if (const TFilePicture* picture = CellBitmapAs<TFilePicture>()) {
            w = picture->Width();
            h = picture->Height();
        }
    } else {
        return QPoint(0, 0);
    }

    const int a = cw - FCellIndex;
    const int b = rh - FCellIndex;
    const auto fits = [&] { return !(w > a || h > b); };
    const auto withAspect = [&](bool capped) {
        double rx = w <= 0 ? 1.0 : double(a) / w;
        double ry = h <= 0 ? 1.0 : double(b) / h;
        if (capped) {
            rx = std::min(rx, 1.0);
            ry = std::min(ry, 1.0);
        }
        if (rx >= ry) return QPoint(static_cast<int>(std::nearbyint(w * ry)), b);
        return QPoint(a, static_cast<int>(std::nearbyint(h * rx)));
    };

    switch (FCellAngle) {
    case Stretch: return QPoint(a, b);
    case Shrink: return fits() ? QPoint(w, h) : QPoint(a, b);
    case StretchWithAspectRatio: return withAspect(false);
    case ShrinkWithAspectRatio: return fits() ? QPoint(w, h) : withAspect(true);
    default: return QPoint(w, h);
    }
}

}  // namespace grid
