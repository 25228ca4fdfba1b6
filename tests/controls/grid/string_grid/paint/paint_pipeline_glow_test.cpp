#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <stdexcept>

#include <QApplication>
#include <QLineEdit>

#include "controls/grid/string_grid/ex_string_grid.h"
#include "controls/grid/paint/grid_focus_glow.h"

// Each test file keeps its names in its own namespace (the tests are built in batches).
namespace grid::paint_pipeline_glow_test {

TEST(PaintPipelineGlow, BlurKernelIsNormalisedAndTrimmed)
{
    const TBlurKernel k = BuildBlurKernel(3, 255, 1);
    EXPECT_GE(k.Size, 1);
    EXPECT_LE(k.Size, 9);
    double sum = 0;
    for (int j = -k.Size; j <= k.Size; ++j) sum += k.W(j);
    EXPECT_NEAR(sum, 1.0, 1e-5);
    EXPECT_FLOAT_EQ(k.W(1), k.W(-1));
    EXPECT_GT(k.W(0), k.W(1));
    // A flat line stays flat (edges clamp to the end pixels).
    uint8_t line[3 * 30];
    std::fill(std::begin(line), std::end(line), uint8_t(200));
    BlurLine(line, 30, k);
    for (uint8_t v : line) EXPECT_NEAR(v, 200, 1);
}

TEST(PaintPipelineGlow, RoundRectMaskAndMerge)
{
    // A ring of pen width 4 on 40 x 30: white on the ring, black inside and in the corners.
    const QImage ring = CreateRoundRectMask(40, 30, 4, 5, 0);
    ASSERT_EQ(ring.format(), QImage::Format_BGR888);
    EXPECT_EQ(qRed(ring.pixel(20, 4)), 255);
    EXPECT_EQ(qRed(ring.pixel(4, 15)), 255);
    EXPECT_EQ(qRed(ring.pixel(20, 15)), 0);
    EXPECT_EQ(qRed(ring.pixel(0, 0)), 0);
    // Blurred: soft on both sides of the ring.
    const QImage soft = CreateRoundRectMask(40, 30, 4, 5, 3);
    EXPECT_GT(qRed(soft.pixel(20, 8)), 0);
    EXPECT_LT(qRed(soft.pixel(20, 4)), 255);

    // Merge: mask 0 -> transparent black, 255 -> the colour, 128 on white -> 128 grey with alpha 128.
    QImage mask(3, 1, QImage::Format_BGR888);
    mask.setPixel(0, 0, qRgb(0, 0, 0));
    mask.setPixel(1, 0, qRgb(255, 255, 255));
    mask.setPixel(2, 0, qRgb(128, 128, 128));
    QImage white(3, 1, QImage::Format_BGR888);
    white.fill(Qt::white);
    TGridAlphaMask alpha;
    alpha.MergeMask(mask, white);
    const QRgb* px = reinterpret_cast<const QRgb*>(alpha.Image.constScanLine(0));
    EXPECT_EQ(px[0], qRgba(0, 0, 0, 0));
    EXPECT_EQ(px[1], qRgba(255, 255, 255, 255));
    EXPECT_EQ(px[2], qRgba(128, 128, 128, 128));
    // A bitmap that is not 24-bit changes nothing; blurring one raises.
    TGridAlphaMask untouched;
    untouched.MergeMask(mask, QImage(3, 1, QImage::Format_RGB32));
    EXPECT_EQ(untouched.Image.height(), 0);
    QImage wrong(30, 30, QImage::Format_RGB32);
    EXPECT_THROW(BlurBitmap(wrong, 3), std::runtime_error);
}

TEST(PaintPipelineGlow, GlowFollowsTheEditorAndForgetsItsGrid)
{
    auto g = std::make_unique<TExStringGrid>();
    g->resize(400, 200);
    g->show();
    QLineEdit editor(g.get());
    editor.show();
    const platform::TRect cell = g->CellRect(2, 2);
    g->ShowFocusWindow(cell, &editor);
    ASSERT_NE(g->FocusWindow(), nullptr);
    EXPECT_TRUE(g->FocusWindow()->isVisible());
    EXPECT_EQ(TExStringGrid::FocusWindowGrid(), g.get());
    EXPECT_EQ(g->FocusWindow()->size(), QSize(cell.Width() + 9, cell.Height() + 9));
    EXPECT_EQ(g->FocusWindow()->AlphaMask().Opacity, FocusGlowOpacity);
    // The window region leaves the cell out.
    EXPECT_FALSE(g->FocusWindow()->mask().contains(QPoint(10, 10)));
    EXPECT_TRUE(g->FocusWindow()->mask().contains(QPoint(1, 1)));
    // Every close of the editor (Escape hides it the same way) hides the glow and forgets the grid.
    editor.hide();
    EXPECT_FALSE(g->FocusWindow()->isVisible());
    EXPECT_EQ(TExStringGrid::FocusWindowGrid(), nullptr);
    // A moving window after that reaches nothing.
    g->move(g->pos() + QPoint(5, 5));
    QApplication::processEvents();
    EXPECT_FALSE(g->FocusWindow()->isVisible());

    // Shown again, then the grid is destroyed: nothing refers to it any more.
    editor.show();
    g->ShowFocusWindow(cell, &editor);
    EXPECT_EQ(TExStringGrid::FocusWindowGrid(), g.get());
    editor.setParent(nullptr);
    g.reset();
    EXPECT_EQ(TExStringGrid::FocusWindowGrid(), nullptr);
    editor.hide();  // the watcher went with the grid: no call reaches it
}

}  // namespace grid::paint_pipeline_glow_test
