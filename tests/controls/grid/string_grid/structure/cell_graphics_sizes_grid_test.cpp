#include <memory>

#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QIcon>
#include <QPixmap>

#include "controls/grid/string_grid/ex_string_grid.h"
#include "controls/grid/paint/cell_objects.h"

using namespace grid;

namespace {

// An object that draws itself in a cell and tells its size.
class CgsSizedObject : public QObject, public paint::TCellInterface {
public:
    CgsSizedObject(int w, int h) : FW(w), FH(h) {}
    void Draw(platform::TCanvas&, const platform::TRect&, int, int, bool) override {}
    int Width() const override { return FW; }
    int Height() const override { return FH; }
    bool DrawUnderText() const override { return false; }

private:
    int FW, FH;
};

QPoint cgsCellSize(const TExStringGrid& g, int c, int r)
{
    const platform::TRect cell = g.CellRect(g.DisplColIndex(c), r);
    return QPoint(cell.Right - cell.Left, cell.Bottom - cell.Top);
}

int cgsCaptionWidth(const TExStringGrid& g, const QString& caption)
{
    return QFontMetrics(ToCanvasFont(g.Font())).horizontalAdvance(caption) + 4;
}

}  // namespace

// ------------------------------------------------------------ on screen

TEST(CellGraphicSizes, PictureKindsReportWhatThePlacementLeavesRoomFor)
{
    TExStringGrid g;
    TGridImageList images(16, 12);
    g.SetGridImages(&images);
    QPixmap bitmap(20, 10);
    QIcon icon(QPixmap(24, 18));

    struct Case {
        const char* name;
        std::function<void(TCellGraphic&)> setUp;
        const char* text;
        QPoint expected;
    };
    const Case cases[] = {
        {"bitmap alone", [&](TCellGraphic& c) { c.SetBitmap(&bitmap, false, haLeft, vaTop); }, "", {20, 10}},
        {"bitmap over text", [&](TCellGraphic& c) { c.SetBitmap(&bitmap, false, haLeft, vaTop); }, "t", {0, 0}},
        {"bitmap before text", [&](TCellGraphic& c) { c.SetBitmap(&bitmap, false, haBeforeText, vaTop); }, "t",
         {20, 0}},
        {"bitmap under text", [&](TCellGraphic& c) { c.SetBitmap(&bitmap, false, haLeft, vaUnderText); }, "t",
         {0, 10}},
        {"icon alone", [&](TCellGraphic& c) { c.SetIcon(&icon, haLeft, vaTop); }, "", {24, 18}},
        {"icon with text keeps its height", [&](TCellGraphic& c) { c.SetIcon(&icon, haLeft, vaTop); }, "t", {0, 18}},
        {"image alone", [&](TCellGraphic& c) { c.SetImageIdx(0, haLeft, vaTop); }, "", {16, 12}},
        {"image after text", [&](TCellGraphic& c) { c.SetImageIdx(0, haAfterText, vaTop); }, "t", {16, 0}},
        {"data image above text", [&](TCellGraphic& c) { c.SetDataImage(0, haLeft, vaAboveText); }, "1", {0, 12}},
        {"sized object", [&](TCellGraphic& c) { c.SetInterfacedCell(new CgsSizedObject(30, 14)); }, "", {30, 14}},
        {"progress pie", [&](TCellGraphic& c) { c.SetCellType(ctProgressPie); }, "", {20, 20}},
        {"rating is never stretched",
         [&](TCellGraphic& c) {
             c.SetCellType(ctRating);
             c.SetCellAngle(3);
             c.SetCellHAlign(haFull);
         },
         "", {54, 16}},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.name);
        g.SetCellEx(1, 1, k.text);
        std::unique_ptr<CgsSizedObject> keep;
        TCellGraphic* graphic = g.CreateCellGraphic(1, 1);
        k.setUp(*graphic);
        if (graphic->CellType() == ctInterface) keep.reset(static_cast<CgsSizedObject*>(graphic->CellBitmapAs<QObject>()));
        EXPECT_EQ(g.GetCellGraphicSize(1, 1), k.expected);
        g.RemoveCellGraphic(1, 1);
    }
}

TEST(CellGraphicSizes, ImageCellsAreEmptyWithoutAnImageListAndRowsOfImagesCountTheirIndexes)
{
    TExStringGrid g;
    g.CreateCellGraphic(1, 1)->SetImageIdx(2, haLeft, vaTop);
    EXPECT_EQ(g.GetCellGraphicSize(1, 1), QPoint(0, 0));

    auto images = std::make_unique<TGridImageList>(16, 12);
    g.SetGridImages(images.get());
    EXPECT_EQ(g.GetCellGraphicSize(1, 1), QPoint(16, 12));
    images.reset();  // the grid forgets a destroyed list
    EXPECT_EQ(g.GridImages(), nullptr);
    EXPECT_EQ(g.GetCellGraphicSize(1, 1), QPoint(0, 0));

    TGridImageList list(16, 12);
    g.SetGridImages(&list);
    g.CreateCellGraphic(2, 1)->SetMultiImage(2, 1, 0, haLeft, vaTop, {});
    g.CreateCellGraphic(2, 2)->SetMultiImage(2, 2, 1, haLeft, vaTop, {});
    for (int r : {1, 2}) {
        ASSERT_NE(g.GetCellImages(2, r), nullptr);
        for (int i = 0; i < 3; ++i) g.GetCellImages(2, r)->Add(i);
    }
    EXPECT_EQ(g.GetCellGraphicSize(2, 1), QPoint(48, 12));  // side by side
    EXPECT_EQ(g.GetCellGraphicSize(2, 2), QPoint(16, 36));  // one under the other
    EXPECT_EQ(g.GetCellImages(1, 1), nullptr);
    EXPECT_EQ(g.GetCellImages(3, 3), nullptr);
}

TEST(CellGraphicSizes, ButtonsFollowTheirPlacementAndTheFullSizeRule)
{
    TExStringGrid g;
    const QPoint cell = cgsCellSize(g, 1, 1);
    const QString caption = "Press";
    struct Case {
        const char* name;
        TCellHAlign h;
        TCellVAlign v;
        const char* text;
        QPoint expected;
    };
    const Case cases[] = {
        {"alone, as set", haLeft, vaTop, "", {30, 16}},
        {"alone, full width: the caption", haFull, vaTop, "", {cgsCaptionWidth(g, caption), 16}},
        {"with text, centred: no width, no height", haCenter, vaCenter, "x", {0, 0}},
        {"with text, full width: the cell's width", haFull, vaCenter, "x", {cell.x(), 0}},
        {"with text, under it: its height only", haLeft, vaUnderText, "x", {0, 16}},
        {"alone, full height", haLeft, vaFull, "", {30, cell.y()}},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.name);
        g.SetCellEx(1, 1, k.text);
        g.CreateCellGraphic(1, 1)->SetButton(30, 16, caption, k.h, k.v);
        EXPECT_EQ(g.GetCellGraphicSize(1, 1), k.expected);
    }
    // Without a caption the full-width button takes the whole cell.
    g.SetCellEx(1, 1, "");
    g.CreateCellGraphic(1, 1)->SetButton(30, 16, "", haFull, vaTop);
    EXPECT_EQ(g.GetCellGraphicSize(1, 1), QPoint(cell.x(), 16));
}

TEST(CellGraphicSizes, AnObjectWithoutASizeTakesTheCell)
{
    TExStringGrid g;
    CgsSizedObject object(0, 14);
    g.CreateCellGraphic(1, 1)->SetInterfacedCell(&object);
    EXPECT_EQ(g.GetCellGraphicSize(1, 1), cgsCellSize(g, 1, 1));
    // Printing takes only the missing dimension from the cell.
    QPoint print;
    g.CalcPrintGraphicSize(1, 1, print, 1.0, 100, 100);
    EXPECT_EQ(print, QPoint(cgsCellSize(g, 1, 1).x(), 14));
    g.RemoveCellGraphic(1, 1);
}

// ------------------------------------------------------------ in print

TEST(CellGraphicSizes, PrintSizesReportWholePicturesAndScaleIntoTheAvailableArea)
{
    TExStringGrid g;
    TGridImageList images(16, 12);
    g.SetGridImages(&images);
    QPixmap bitmap(20, 10);
    QImage picture(40, 40, QImage::Format_RGB32);
    g.SetColWidths(1, 70);
    g.SetRowHeights(1, 30);
    g.XYOffset = QPoint(2, 3);

    struct Case {
        const char* name;
        std::function<void(TCellGraphic&)> setUp;
        const char* text;
        QPoint expected;
    };
    const Case cases[] = {
        {"bitmap with text", [&](TCellGraphic& c) { c.SetBitmap(&bitmap, false, haLeft, vaTop); }, "t", {20, 10}},
        {"image with text: its height", [&](TCellGraphic& c) { c.SetImageIdx(0, haLeft, vaTop); }, "t", {0, 12}},
        {"data image with text", [&](TCellGraphic& c) { c.SetDataImage(0, haLeft, vaTop); }, "1", {16, 12}},
        {"node", [&](TCellGraphic& c) { c.SetCellType(ctNode); }, "", {20, 20}},
        {"progress: the cell", [&](TCellGraphic& c) { c.SetCellType(ctProgress); }, "", {70, 30}},
        {"shape: square less the offsets", [&](TCellGraphic& c) { c.SetCellType(ctShape); }, "", {24, 24}},
        {"button without adjustments",
         [&](TCellGraphic& c) { c.SetButton(30, 16, "Press", haFull, vaFull); }, "x", {30, 16}},
        {"stretched picture: available area / scale",
         [&](TCellGraphic& c) { c.SetPicture(&picture, false, Stretch, 0, haLeft, vaTop); }, "", {100, 50}},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.name);
        g.SetCellEx(1, 1, k.text);
        k.setUp(*g.CreateCellGraphic(1, 1));
        QPoint size(-1, -1);
        g.CalcPrintGraphicSize(1, 1, size, 2.0, 200, 100);
        EXPECT_EQ(size, k.expected);
    }
}

// ------------------------------------------------------------ sort key and indicator

TEST(CellGraphicSizes, ImageSortKeyTellsPictureCellsApart)
{
    TExStringGrid g;
    QPixmap bitmap(4, 4);
    QIcon icon(QPixmap(4, 4));
    g.CreateCellGraphic(1, 1)->SetBitmap(&bitmap, false, haLeft, vaTop);
    g.CreateCellGraphic(1, 2)->SetIcon(&icon, haLeft, vaTop);
    g.CreateCellGraphic(1, 3)->SetImageIdx(7, haLeft, vaTop);
    g.AddCheckBox(1, 4, false, false);
    EXPECT_EQ(g.GetImageSortKey(1, 1), reinterpret_cast<intptr_t>(&bitmap));
    EXPECT_EQ(g.GetImageSortKey(1, 2), reinterpret_cast<intptr_t>(&icon));
    EXPECT_EQ(g.GetImageSortKey(1, 3), 7);
    EXPECT_EQ(g.GetImageSortKey(1, 4), -1);
    EXPECT_EQ(g.GetImageSortKey(1, 5), -1);
}

TEST(CellGraphicSizes, SortIndicatorShowsInTheSortRowOfAGridWithRowsToSort)
{
    TExStringGrid g;
    g.SetRowCount(5);
    g.SetFixedRows(2);
    g.SortSettings().SetRow(1);
    EXPECT_FALSE(g.HasSortIndicator(1, 1));  // not shown
    g.SortSettings().SetShow(true);
    EXPECT_TRUE(g.HasSortIndicator(1, 1));
    EXPECT_FALSE(g.HasSortIndicator(1, 0));
    EXPECT_FALSE(g.HasSortIndicator(1, 3));
    // A header cell merged over both fixed rows answers by its last row.
    g.MergeCells(2, 0, 1, 2);
    EXPECT_TRUE(g.HasSortIndicator(2, 0));
    // One normal row leaves nothing to sort.
    g.SetRowCount(3);
    EXPECT_FALSE(g.HasSortIndicator(1, 1));
}

TEST(CellGraphicSizes, AutoSizeLeavesRoomForTheSortArrowOfTheSortedColumn)
{
    TExStringGrid g;
    g.SetCellEx(1, 0, "Header");
    g.SetCellEx(2, 0, "Header");
    g.SortSettings().SetShow(true);
    g.SortSettings().Column = 1;
    g.AutoSizeCol(1);
    g.AutoSizeCol(2);
    EXPECT_EQ(g.ColWidths(1), g.ColWidths(2) + 10);
    // Swapping the columns takes the sort column along.
    g.SwapColumns(1, 3);
    EXPECT_EQ(g.SortSettings().Column, 3);
}
