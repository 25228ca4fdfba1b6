#include <gtest/gtest.h>

#include <memory>
#include <set>

#include <QCoreApplication>
#include <QDir>
#include <QImage>
#include <QPainter>

#include "controls/grid/string_grid/ex_string_grid.h"
#include "controls/grid/paint/grid_looks.h"

// Renders one real string grid in each look to PNG files in the build folder
// ("paint_gallery/grid_<look>.png" next to the test program), for a person to
// look at; the checks make sure the looks really differ where they should.
namespace grid::paint_pipeline_gallery_test {

using platform::TRect;

void FillShowcase(TExStringGrid& g)
{
    g.resize(520, 210);
    g.SetColCount(6);
    g.SetRowCount(8);
    g.SetColWidths(0, 30);
    for (int c = 1; c < 6; ++c) g.SetColWidths(c, 95);
    g.SetColumnHeaders({"", "Name", "Type", "Value", "Enabled", "Comment"});
    const char* names[] = {"Speed", "Torque", "Status", "Alarm", "Counter", "Mode", "Spare"};
    const char* types[] = {"Int16", "Float32", "UInt8", "Bool", "UInt32", "Int8", ""};
    for (int r = 1; r < 8; ++r) {
        g.SetCellEx(0, r, QString::number(r));
        g.SetCellEx(1, r, names[r - 1]);
        g.SetCellEx(2, r, types[r - 1]);
        g.SetCellEx(3, r, QString::number(r * 125));
        g.SetAlignments(3, r, taRightJustify);
        auto check = std::make_unique<TCellGraphic>();
        check->SetCheckBox(r % 2 == 1, false, false, haCenter, vaCenter);
        g.SetGraphicObjectEx(4, r, std::move(check));
    }
    g.SetCellEx(5, 2, "a longer comment that wraps over two lines");
    g.SetWordWraps(5, 2, true);
    g.SetRowHeights(2, 34);
    g.SetColors(5, 4, 0x0080FFFF);
    g.SetColors(5, 5, 0x00FFE0C0);
    g.SetColorsTo(5, 5, 0x00C08040);
    g.SetSelection({1, 6, 3, 7});
}

QImage RenderGrid(TExStringGrid& g)
{
    QImage image(g.viewport()->size(), QImage::Format_RGB32);
    QPainter painter(&image);
    g.PaintTo(painter, TRect(0, 0, image.width(), image.height()));
    painter.end();
    return image;
}

TEST(PaintPipelineGallery, OneGridInEachLook)
{
    const QString folder = QCoreApplication::applicationDirPath() + QStringLiteral("/paint_gallery");
    ASSERT_TRUE(QDir().mkpath(folder));
    std::set<QRgb> headerFaces;
    for (int l = int(glStandard); l <= int(glOffice2007); ++l) {
        const auto look = TGridLook(l);
        QString name;
        paint::LookToString(look, name);
        SCOPED_TRACE(name.toStdString());
        TExStringGrid g;
        g.SetLook(glCustom);
        g.SetLook(look);
        FillShowcase(g);
        g.show();
        const QImage image = RenderGrid(g);
        ASSERT_TRUE(image.save(folder + "/grid_" + name + ".png"));
        const TRect head = g.CellRect(2, 0);
        headerFaces.insert(image.pixel(head.Left + 20, head.Top + 4));
        // Normal cells keep the grid colour, whatever the look.
        const TRect plain = g.CellRect(2, 3);
        EXPECT_EQ(ColorFromQColor(image.pixelColor(plain.Right - 6, plain.Top + 3)), ColorToRGB(g.Color()));
    }
    // The looks do not all share one header face.
    EXPECT_GE(headerFaces.size(), 3u);
}

}  // namespace grid::paint_pipeline_gallery_test
