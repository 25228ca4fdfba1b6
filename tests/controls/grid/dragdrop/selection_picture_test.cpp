#include <gtest/gtest.h>

#include <memory>

#include <QImage>

#include "controls/grid/floating/drag_images.h"
#include "controls/grid/string_grid/ex_string_grid.h"

using namespace grid;

namespace {

// 5 columns of 50 pixels, 20 rows of 20 pixels, one fixed row and column;
// cell (2, 2) red so that its place in the picture can be found.
struct PictureGrid {
    TExStringGrid g;
    PictureGrid()
    {
        g.resize(300, 200);
        g.SetColCount(5);
        g.SetRowCount(20);
        g.SetDefaultColWidth(50);
        g.SetDefaultRowHeight(20);
        g.SetColors(2, 2, clRed);
        g.show();
    }
};

bool isRed(QRgb p) { return qRed(p) > 200 && qGreen(p) < 60 && qBlue(p) < 60; }

}  // namespace

TEST(SelectionPicture, CopiesTheCellRangeFromOnePixelInside)
{
    PictureGrid s;
    const QImage picture = s.g.SelectionToImage({1, 1, 2, 2});
    const platform::TRect a = s.g.CellRect(1, 1), b = s.g.CellRect(2, 2);
    ASSERT_EQ(picture.width(), b.Right - a.Left + 1);
    ASSERT_EQ(picture.height(), b.Bottom - a.Top + 1);
    // Cell (2, 2) lies in the lower right part, shifted one pixel up and left.
    EXPECT_TRUE(isRed(picture.pixel(b.Left - a.Left + 5 - 1, b.Top - a.Top + 5 - 1)));
    EXPECT_FALSE(isRed(picture.pixel(5, 5)));

    // Corners given in either order make the same picture.
    EXPECT_EQ(s.g.SelectionToImage({2, 2, 1, 1}), picture);
}

TEST(SelectionPicture, RangesFromColumnOrRowZeroGetTheFixedBorderLine)
{
    PictureGrid s;
    s.g.SetGridFixedLineColor(clBlue);
    const QImage withFixed = s.g.SelectionToImage({0, 0, 1, 1});
    EXPECT_EQ(withFixed.pixel(0, withFixed.height() / 2) & 0xFFFFFF, qRgb(0, 0, 255) & 0xFFFFFF);
    EXPECT_EQ(withFixed.pixel(withFixed.width() / 2, 0) & 0xFFFFFF, qRgb(0, 0, 255) & 0xFFFFFF);
    // Without fixed lines in the options no border is drawn.
    s.g.SetOptions(s.g.Options() & ~(platform::goFixedVertLine | platform::goFixedHorzLine));
    const QImage plain = s.g.SelectionToImage({0, 0, 1, 1});
    EXPECT_NE(plain.pixel(0, plain.height() / 2) & 0xFFFFFF, qRgb(0, 0, 255) & 0xFFFFFF);
}

TEST(SelectionPicture, CellsOutOfViewStillSizeThePictureAndTheFormShowsIt)
{
    PictureGrid s;
    // Rows 1 to 19 reach far below the 200-pixel grid: the picture has their full height.
    const QImage tall = s.g.SelectionToImage({1, 1, 1, 19});
    EXPECT_EQ(tall.height(), s.g.VirtualCellRect(1, 19).Bottom - s.g.VirtualCellRect(1, 1).Top + 1);
    EXPECT_GT(tall.height(), s.g.height());
    std::unique_ptr<TNoActiveForm> form(s.g.SelectionToForm({1, 1, 2, 2}));
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(form->size(), s.g.SelectionToImage({1, 1, 2, 2}).size());
    EXPECT_EQ(TNoActiveForm::AlphaBlendValue, 192);
}
