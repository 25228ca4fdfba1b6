#pragma once

// The grid's image list: pictures of one size, addressed by index, that
// image cells (one image, a data image or a row of images) show. The grid
// only refers to a list; whoever creates it owns it.

#include <vector>

#include <QImage>
#include <QObject>

namespace grid {

class TGridImageList : public QObject {
    Q_OBJECT
public:
    TGridImageList(int AWidth, int AHeight, QObject* parent = nullptr)
        : QObject(parent), FWidth(AWidth), FHeight(AHeight)
    {
    }

    int Width() const { return FWidth; }
    int Height() const { return FHeight; }
    int Count() const { return int(FImages.size()); }
    // Appends an image (scaled to the list's size) and returns its index.
    int Add(const QImage& image);
    // Image i; a null image for an index outside the list.
    QImage Image(int i) const;

private:
    int FWidth;
    int FHeight;
    std::vector<QImage> FImages;
};

}  // namespace grid
