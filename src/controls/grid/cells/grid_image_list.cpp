#include "controls/grid/cells/grid_image_list.h"

namespace grid {

int TGridImageList::Add(const QImage& image)
{
    FImages.push_back(image.size() == QSize(FWidth, FHeight) ? image : image.scaled(FWidth, FHeight));
    return Count() - 1;
}

QImage TGridImageList::Image(int i) const
{
    if (i < 0 || i >= Count()) return QImage();
    return FImages[size_t(i)];
}

}  // namespace grid
