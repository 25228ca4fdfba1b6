#pragma once

// Pictures the mini-HTML renderer shows besides an image list: one picture
// file held in memory and decoded through Qt's image readers (so every format
// they read works, with one frame of an animated GIF picked out), the cache of
// pictures named by URL that a grid owns, and the named collection of a
// picture container. Nothing is fetched from the network: only "RES://" and
// "FILE://" URLs load.

#include <cstdint>
#include <functional>
#include <memory>
#include <stdexcept>
#include <vector>

#include <QByteArray>
#include <QImage>
#include <QObject>
#include <QString>

#include "platform/canvas.h"

class QIODevice;

namespace grid {

// A picture's bytes that no image reader takes (raised by the loads that
// pass decoding errors on).
class EPictureError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class THTMLPicture {
public:
    THTMLPicture() = default;
    THTMLPicture(const THTMLPicture&) = delete;
    THTMLPicture& operator=(const THTMLPicture&) = delete;

    // Empties the picture and starts again at frame 1; a source picture then
    // gives its bytes (nullptr leaves the picture empty).
    void Assign(const THTMLPicture* Source);
    // Any failure (no file, bytes no reader takes) leaves the picture empty
    // and raises nothing.
    void LoadFromFile(const QString& FileName);
    // The whole rest of the device becomes the picture; a decoding failure is
    // raised (EPictureError). Nothing happens for nullptr.
    void LoadFromStream(QIODevice* Stream);
    // The bytes as loaded.
    void SaveToStream(QIODevice* Stream) const;
    // A resource of the program (Qt resource ":/" + name); a missing name
    // loads nothing.
    void LoadFromResourceName(const QString& ResName);
    // "RES://" and "FILE://" load at once; any other URL leaves the picture
    // empty (with Asynch off it only takes the URL as its ID, so that a cache
    // finds it again and never retries).
    void LoadFromURL(const QString& url);

    bool Empty() const { return FIsEmpty; }
    // Size at 96 dots per inch: the shown frame's pixels; 0 without a picture.
    int Width() const { return FImage.isNull() ? 0 : FImage.width(); }
    int Height() const { return FImage.isNull() ? 0 : FImage.height(); }
    // The animation's area for an animated GIF, else the picture's size.
    int MaxWidth() const;
    int MaxHeight() const;
    // Draws into r: stretched with Stretch, else at r's top-left corner at the
    // picture's size for the canvas's resolution.
    void Draw(platform::TCanvas& canvas, const platform::TRect& r) const;
    // The shown frame as decoded.
    const QImage& Image() const { return FImage; }

    // Animated GIF files.
    bool IsGIF() const;
    int FrameCount();              // -1 for a file that is no GIF; counted once
    int GetFrameTime(int i) const; // delay of frame i (1-based) in 1/100 s; -1 when none
    int Frame() const { return FFrame; }
    void SetFrame(int Value);      // rebuilds (decoding errors are raised)
    void FrameNext();              // the next frame number (wrapping), no rebuild
    void FramePrev();
    // Called every tenth of a second by whoever animates: true when the
    // shown frame changed.
    bool Step();
    uint16_t FrameXPos() const { return FFrameXPos; }
    uint16_t FrameYPos() const { return FFrameYPos; }

    bool Stretch = false;
    QString ID;
    bool IsDB = false;
    bool Asynch = true;
    bool Busy() const { return FThreadBusy; }
    const QString& URL() const { return FURL; }
    std::function<void()> OnChange;       // after every successful load
    std::function<void()> OnFrameChange;  // after Frame was set and the picture rebuilt
    // Declared for downloads, which never run: none of them is ever called.
    std::function<void(uint32_t dwSize, uint32_t dwTotSize)> OnDownLoadProgress;
    std::function<void(bool& Cancel)> OnDownLoadCancel;
    std::function<void()> OnDownLoadComplete;
    std::function<void(const QString& err)> OnDownLoadError;

private:
    void SetBytes(const QByteArray& bytes, bool notify);
    // The shown frame decoded again from the bytes.
    void Rebuild();
    void Reset();

    QByteArray FData;
    QImage FImage;
    bool FIsEmpty = true;
    bool FThreadBusy = false;
    QString FURL;
    int FFrame = 1;
    int FFrameCount = -1;
    uint16_t FFrameXPos = 0, FFrameYPos = 0, FFrameXSize = 0, FFrameYSize = 0;
    uint16_t FAnimMaxX = 0, FAnimMaxY = 0;
    int FNextCount = -1;
    int FTimerCount = -1;
};

// The pictures a grid has loaded by URL, owned by the cache.
class THTMLPictureCache {
public:
    THTMLPicture* AddPicture();
    // The first picture whose ID is exactly ID; nullptr when none.
    THTMLPicture* FindPicture(const QString& ID) const;
    int Count() const { return int(FPictures.size()); }
    THTMLPicture* GetPicture(int Index) const;
    // Puts Value in the entry's place and hands the picture it held back.
    std::unique_ptr<THTMLPicture> SetPicture(int Index, std::unique_ptr<THTMLPicture> Value);
    void ClearPictures() { FPictures.clear(); }
    // Steps every picture; true when any changed frame.
    bool Animate();

private:
    std::vector<std::unique_ptr<THTMLPicture>> FPictures;
};

class TPictureItem {
public:
    void Assign(const TPictureItem& Source);
    THTMLPicture& Picture() { return FPicture; }
    const THTMLPicture& Picture() const { return FPicture; }
    void SetPicture(const THTMLPicture& value) { FPicture.Assign(&value); }
    int Tag = 0;
    QString Name;

private:
    THTMLPicture FPicture;
};

class TPictureCollection {
public:
    explicit TPictureCollection(QObject* AOwner = nullptr) : FOwner(AOwner) {}
    TPictureItem& Add();
    TPictureItem& Insert(int Index);
    int Count() const { return int(FItems.size()); }
    TPictureItem& Items(int Index) { return *FItems.at(size_t(Index)); }
    const TPictureItem& Items(int Index) const { return *FItems.at(size_t(Index)); }
    // Writing an item assigns into the existing one.
    void SetItems(int Index, const TPictureItem& value) { Items(Index).Assign(value); }
    QObject* Owner() const { return FOwner; }
    bool Animate();

private:
    QObject* FOwner;
    std::vector<std::unique_ptr<TPictureItem>> FItems;
};

// A component holding pictures by name, for IMG tags without ":" in SRC.
class TPictureContainer : public QObject {
    Q_OBJECT
public:
    explicit TPictureContainer(QObject* AOwner = nullptr);
    TPictureCollection& Items() { return *FItems; }
    // Takes the collection as the container's own.
    void SetItems(std::unique_ptr<TPictureCollection> value) { FItems = std::move(value); }
    // The picture of the first item whose name equals Name, ASCII letters
    // compared without regard to case; nullptr when none.
    virtual THTMLPicture* FindPicture(const QString& Name);

private:
    std::unique_ptr<TPictureCollection> FItems;
};

}  // namespace grid
