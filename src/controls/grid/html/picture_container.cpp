#include "controls/grid/html/picture_container.h"

#include <algorithm>

#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <QPainter>
#include <QPaintDevice>

#include "controls/grid/html/html_text_utils.h"

namespace grid {

namespace picture_detail {

uint16_t word(const QByteArray& data, qsizetype at)
{
    if (at < 0 || at + 1 >= data.size()) return 0;
    return uint16_t(uint8_t(data[at]) | (uint8_t(data[at + 1]) << 8));
}

// A graphic control extension (0x21 0xF9 0x04) with its image descriptor
// (0x2C) 8 bytes further on starts a frame at j.
bool frameStartsAt(const QByteArray& data, qsizetype j, qsizetype reach)
{
    return uint8_t(data[j]) == 0x21 && j + reach < data.size() && uint8_t(data[j + 1]) == 0xF9 &&
           uint8_t(data[j + 2]) == 0x04 && uint8_t(data[j + 8]) == 0x2C;
}

int dpiScaled(int size, int dpi) { return dpi == 96 ? size : int((int64_t(size) * dpi + 48) / 96); }

}  // namespace picture_detail

namespace pd = picture_detail;

// ------------------------------------------------------------------ picture

void THTMLPicture::Reset()
{
    FIsEmpty = true;
    FImage = QImage();
    FFrameCount = -1;
    FNextCount = -1;
    FTimerCount = -1;
}

void THTMLPicture::Assign(const THTMLPicture* Source)
{
    Reset();
    SetFrame(1);
    if (Source == nullptr) {
        FData.clear();
        FImage = QImage();
        return;
    }
    SetBytes(Source->FData, true);
}

void THTMLPicture::SetBytes(const QByteArray& bytes, bool notify)
{
    FData = bytes;
    FIsEmpty = false;
    FFrameCount = -1;
    Rebuild();
    if (notify && OnChange) OnChange();
}

void THTMLPicture::LoadFromFile(const QString& FileName)
{
    QFile file(FileName);
    try {
        if (!file.open(QIODevice::ReadOnly)) throw EPictureError("Could not open the picture file");
        SetBytes(file.readAll(), true);
    } catch (const std::exception&) {
        Reset();
    }
}

void THTMLPicture::LoadFromStream(QIODevice* Stream)
{
    if (Stream == nullptr) return;
    SetBytes(Stream->readAll(), true);
}

void THTMLPicture::SaveToStream(QIODevice* Stream) const
{
    if (Stream != nullptr) Stream->write(FData);
}

void THTMLPicture::LoadFromResourceName(const QString& ResName)
{
    QFile resource(QStringLiteral(":/") + ResName);
    if (!resource.open(QIODevice::ReadOnly)) return;
    LoadFromStream(&resource);
}

void THTMLPicture::LoadFromURL(const QString& url)
{
    if (PosText(u"RES://", url) == 1) {
        ID = url;
        if (url.size() > 6) LoadFromResourceName(url.mid(6));
    } else if (PosText(u"FILE://", url) == 1) {
        ID = url;
        if (url.size() > 7) LoadFromFile(url.mid(7));
    } else if (!Asynch) {
        FURL = url;
        ID = url;
    } else if (!FThreadBusy) {
        // A download would start here; there is none, so the picture stays
        // empty and busy, and a second call does nothing.
        FURL = url;
        FThreadBusy = true;
    }
}

int THTMLPicture::MaxWidth() const
{
    if (FImage.isNull()) return 0;
    return FAnimMaxX != 0 ? FAnimMaxX : Width();
}

int THTMLPicture::MaxHeight() const
{
    if (FImage.isNull()) return 0;
    return FAnimMaxY != 0 ? FAnimMaxY : Height();
}

void THTMLPicture::Draw(platform::TCanvas& canvas, const platform::TRect& r) const
{
    if (FIsEmpty || FImage.isNull()) return;
    if (Stretch) {
        canvas.StretchDraw(r, FImage);
        return;
    }
    const QPaintDevice* device = canvas.Painter().device();
    const int dpiX = device != nullptr ? device->logicalDpiX() : 96;
    const int dpiY = device != nullptr ? device->logicalDpiY() : 96;
    if (dpiX == 96 && dpiY == 96)
        canvas.Draw(r.Left, r.Top, FImage);
    else
        canvas.StretchDraw(platform::TRect(r.Left, r.Top, r.Left + pd::dpiScaled(Width(), dpiX),
                                           r.Top + pd::dpiScaled(Height(), dpiY)),
                           FImage);
}

bool THTMLPicture::IsGIF() const { return FData.size() > 4 && FData.startsWith("GIF8"); }

int THTMLPicture::FrameCount()
{
    if (FFrameCount != -1) return FFrameCount;
    if (!IsGIF()) return -1;
    int count = 0;
    for (qsizetype j = 0; j < FData.size(); ++j)
        if (pd::frameStartsAt(FData, j, 9)) ++count;
    FFrameCount = count;
    return count;
}

int THTMLPicture::GetFrameTime(int i) const
{
    if (!IsGIF()) return -1;
    int n = 0;
    for (qsizetype j = 0; j < FData.size(); ++j) {
        if (!pd::frameStartsAt(FData, j, 8)) continue;
        if (++n == i) return pd::word(FData, j + 4);
    }
    return -1;
}

void THTMLPicture::SetFrame(int Value)
{
    FFrame = Value;
    if (FData.isEmpty()) return;
    Rebuild();
    if (OnFrameChange) OnFrameChange();
}

void THTMLPicture::FrameNext() { FFrame = FFrame < FFrameCount ? FFrame + 1 : 1; }

void THTMLPicture::FramePrev() { FFrame = FFrame >= 2 ? FFrame - 1 : FFrameCount; }

bool THTMLPicture::Step()
{
    if (FFrameCount < 2 || FIsEmpty) return false;
    if (FNextCount == -1) FNextCount = GetFrameTime(FFrame);
    bool changed = false;
    if (FTimerCount * 10 >= FNextCount) {
        FrameNext();
        try {
            Rebuild();
        } catch (const EPictureError&) {
            // The bytes decoded before; a frame that does not stays unshown.
        }
        FNextCount += GetFrameTime(FFrame);
        changed = true;
    }
    ++FTimerCount;
    return changed;
}

void THTMLPicture::Rebuild()
{
    FFrameXPos = FFrameYPos = FFrameXSize = FFrameYSize = 0;
    FAnimMaxX = FAnimMaxY = 0;
    QByteArray block;
    const bool framed = IsGIF() && FrameCount() > 0;
    if (framed) {
        // Everything before the first frame, then frame Frame and the ones
        // after it: the reader then shows frame Frame first.
        FAnimMaxX = pd::word(FData, 6);
        FAnimMaxY = pd::word(FData, 8);
        block.reserve(FData.size());
        int i = 1;
        bool skip = false;
        for (qsizetype j = 0; j < FData.size(); ++j) {
            if (pd::frameStartsAt(FData, j, 9)) {
                if (i == FFrame) {
                    FFrameXPos = pd::word(FData, j + 9);
                    FFrameYPos = pd::word(FData, j + 11);
                    FFrameXSize = pd::word(FData, j + 13);
                    FFrameYSize = pd::word(FData, j + 15);
                }
                ++i;
                skip = FFrame >= i;
            }
            if (!skip) block += FData[j];
        }
    } else {
        block = FData;
    }
    QBuffer buffer(&block);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    QImage image = reader.read();
    if (image.isNull()) {
        FImage = QImage();
        throw EPictureError("Could not load image. Invalid format");
    }
    // The GIF reader paints a frame into the animation's whole area; the
    // picture is the frame itself, drawn at its place by the renderer.
    const QRect frame(FFrameXPos, FFrameYPos, FFrameXSize, FFrameYSize);
    if (framed && !frame.isEmpty() && image.rect().contains(frame) && image.size() != frame.size())
        image = image.copy(frame);
    FImage = image;
}

// -------------------------------------------------------------------- cache

THTMLPicture* THTMLPictureCache::AddPicture()
{
    FPictures.push_back(std::make_unique<THTMLPicture>());
    return FPictures.back().get();
}

THTMLPicture* THTMLPictureCache::FindPicture(const QString& ID) const
{
    for (const auto& p : FPictures)
        if (p->ID == ID) return p.get();
    return nullptr;
}

THTMLPicture* THTMLPictureCache::GetPicture(int Index) const
{
    return Index >= 0 && Index < Count() ? FPictures[size_t(Index)].get() : nullptr;
}

std::unique_ptr<THTMLPicture> THTMLPictureCache::SetPicture(int Index, std::unique_ptr<THTMLPicture> Value)
{
    if (Index < 0 || Index >= Count()) return Value;
    std::swap(FPictures[size_t(Index)], Value);
    return Value;
}

bool THTMLPictureCache::Animate()
{
    bool changed = false;
    for (const auto& p : FPictures) changed = p->Step() || changed;
    return changed;
}

// --------------------------------------------------------------- collection

void TPictureItem::Assign(const TPictureItem& Source)
{
    Name = Source.Name;
    Tag = Source.Tag;
    FPicture.Assign(&Source.FPicture);
}

TPictureItem& TPictureCollection::Add()
{
    FItems.push_back(std::make_unique<TPictureItem>());
    return *FItems.back();
}

TPictureItem& TPictureCollection::Insert(int Index)
{
    const auto at = FItems.begin() + std::clamp<qsizetype>(Index, 0, qsizetype(FItems.size()));
    return **FItems.insert(at, std::make_unique<TPictureItem>());
}

bool TPictureCollection::Animate()
{
    bool changed = false;
    for (const auto& item : FItems) changed = item->Picture().Step() || changed;
    return changed;
}

TPictureContainer::TPictureContainer(QObject* AOwner)
    : QObject(AOwner), FItems(std::make_unique<TPictureCollection>(this))
{
}

THTMLPicture* TPictureContainer::FindPicture(const QString& Name)
{
    for (int i = 0; i < FItems->Count(); ++i) {
        TPictureItem& item = FItems->Items(i);
        if (item.Name.size() == Name.size() && PosText(Name, item.Name) == 1) return &item.Picture();
    }
    return nullptr;
}

}  // namespace grid
