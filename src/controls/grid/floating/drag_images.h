#pragma once

// The two drag images of a grid: the header-like button that shows the
// caption of a column or row being moved, and the borderless form that
// carries the picture of dragged cells. Both float over everything without
// ever taking the focus.

#include <QImage>
#include <QString>
#include <QWidget>

namespace grid {

class TBaseGrid;
class TGridImageList;

class THeaderDragButton : public QWidget {
public:
    // Hidden and disabled; owned by the grid (Qt parent), painted with its looks.
    explicit THeaderDragButton(TBaseGrid* grid);
    const QString& Caption() const { return FCaption; }
    void SetCaption(const QString& value);
    bool Flat = false;
    // The pictures a mini-HTML caption may refer to.
    TGridImageList* Images = nullptr;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    TBaseGrid* FGrid;
    QString FCaption;
};

// A window that shows one picture, stays on top, lets what lies below show
// through (opacity 192 of 255) and is never activated, not even by a click.
class TNoActiveForm : public QWidget {
public:
    TNoActiveForm(QWidget* owner, const QImage& picture);
    const QImage& Picture() const { return FPicture; }
    static constexpr int AlphaBlendValue = 192;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage FPicture;
};

}  // namespace grid
