#include <functional>
#include <memory>

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QIcon>
#include <QImage>
#include <QPainter>
#include <QPixmap>

#include "controls/grid/string_grid/ex_string_grid.h"

using namespace grid;
using platform::TRect;

namespace {

// A shown grid of 4 x 6 cells, 90 x 30 pixels each, with a 16 x 16 image list
// of two plain red and blue images.
struct ObjGrid {
    TExStringGrid grid;
    TGridImageList images{16, 16};

    ObjGrid()
    {
        grid.resize(400, 240);
        grid.SetColCount(4);
        grid.SetRowCount(6);
        grid.SetDefaultRowHeight(30);
        for (int c = 0; c < 4; ++c) grid.SetColWidths(c, 90);
        QImage red(16, 16, QImage::Format_RGB32), blue(16, 16, QImage::Format_RGB32);
        red.fill(Qt::red);
        blue.fill(Qt::blue);
        images.Add(red);
        images.Add(blue);
        grid.SetGridImages(&images);
        grid.show();
    }
    QImage render()
    {
        QImage image(grid.viewport()->size(), QImage::Format_RGB32);
        QPainter painter(&image);
        grid.PaintTo(painter, TRect(0, 0, image.width(), image.height()));
        return image;
    }
    QImage cellImage(int c, int r)
    {
        const TRect rect = grid.CellRect(c, r);
        return render().copy(rect.Left, rect.Top, rect.Width(), rect.Height());
    }
    static int countColor(const QImage& image, QRgb rgb)
    {
        int n = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) n += (image.pixel(x, y) & 0xFFFFFF) == (rgb & 0xFFFFFF);
        return n;
    }
};

// Draws a green square wherever the grid asks it to.
class GreenCell : public QObject, public paint::TCellInterface {
public:
    void Draw(platform::TCanvas& canvas, const TRect& rect, int, int, bool) override
    {
        canvas.Painter().fillRect(QRect(rect.Left + 1, rect.Top + 1, 12, 12), Qt::green);
    }
    int Width() const override { return 14; }
    int Height() const override { return 14; }
    bool DrawUnderText() const override { return false; }
};

QPixmap solidPixmap(QColor color)
{
    QPixmap pm(14, 14);
    pm.fill(color);
    return pm;
}

// A glyph: the colour inside a white frame (a glyph's own bottom-left colour
// is its transparent colour).
QPixmap framedPixmap(QColor color)
{
    QPixmap pm(14, 14);
    pm.fill(Qt::white);
    QPainter p(&pm);
    p.fillRect(2, 2, 10, 10, color);
    return pm;
}

}  // namespace

// Every object kind: added, found by its own query, painted into its cell
// (a colour only the object brings shows up), removed by its own remove
// (the cell paints as a plain cell again), and left alone by the remove of
// another kind.
TEST(CellObjects, EachKindAddsQueriesPaintsAndRemoves)
{
    QPixmap bitmap = solidPixmap(Qt::red);
    QImage picture = solidPixmap(Qt::blue).toImage();
    GreenCell interfaced;
    QStringList radioItems{"one", "two"};
    struct Case {
        const char* name;
        std::function<void(TExStringGrid&)> add;
        std::function<bool(TExStringGrid&)> present;
        std::function<void(TExStringGrid&)> remove;
        QRgb shows;  // a colour painted by the object (0: only "the cell changed")
        TCellType kind;
    };
    const int c = 2, r = 3;
    const std::vector<Case> cases = {
        {"bitmap", [&](TExStringGrid& g) { g.AddBitmap(c, r, &bitmap, false, haLeft, vaTop); },
         [&](TExStringGrid& g) { return g.GetBitmap(c, r) == &bitmap && g.HasBitmap(c, r); },
         [](TExStringGrid& g) { g.RemoveBitmap(c, r); }, qRgb(255, 0, 0), ctBitmap},
        {"picture", [&](TExStringGrid& g) { g.AddPicture(c, r, &picture, false, noStretch, 0, haLeft, vaTop); },
         [&](TExStringGrid& g) { return g.GetPicture(c, r) == &picture && g.HasPicture(c, r); },
         [](TExStringGrid& g) { g.RemovePicture(c, r); }, qRgb(0, 0, 255), ctPicture},
        {"image index", [](TExStringGrid& g) { g.AddImageIdx(c, r, 1, haLeft, vaTop); },
         [](TExStringGrid& g) { int i = -1; return g.GetImageIdx(c, r, i) && i == 1; },
         [](TExStringGrid& g) { g.RemoveImageIdx(c, r); }, qRgb(0, 0, 255), ctImageList},
        {"multi image", [](TExStringGrid& g) {
             g.AddMultiImage(c, r, 1, haLeft, vaTop);
             g.GetCellImages(c, r)->Add(0);
         },
         [](TExStringGrid& g) { return g.GetCellImages(c, r) != nullptr; },
         [](TExStringGrid& g) { g.RemoveMultiImage(c, r); }, qRgb(255, 0, 0), ctImages},
        {"progress", [](TExStringGrid& g) {
             g.SetCellEx(c, r, "60");
             g.AddProgress(c, r, 0x0000FF00, clWhite);
         },
         [](TExStringGrid& g) { return g.HasProgress(c, r); }, [](TExStringGrid& g) { g.RemoveProgress(c, r); },
         qRgb(0, 255, 0), ctProgress},
        {"range indicator", [](TExStringGrid& g) {
             g.SetCellEx(c, r, "50");
             g.AddRangeIndicator(c, r, 100, 0x000000FF, 0x00FF0000, false);
         },
         [](TExStringGrid& g) { return g.GetCellType(c, r) == ctRangeIndicator; },
         [](TExStringGrid& g) { g.RemoveRangeIndicator(c, r); }, qRgb(0, 0, 255), ctRangeIndicator},
        {"shape", [](TExStringGrid& g) { g.AddShape(c, r, paint::csRectangle, 0x0000FFFF, clBlack, haLeft, vaTop); },
         [](TExStringGrid& g) { return g.GetShapeColor(c, r) == 0x0000FFFF; },
         [](TExStringGrid& g) { g.RemoveShape(c, r); }, qRgb(255, 255, 0), ctShape},
        {"rating", [](TExStringGrid& g) {
             g.SetCellEx(c, r, "2");
             g.AddRating(c, r, 3, 0x000080FF, clSilver);
         },
         [](TExStringGrid& g) { return g.HasRating(c, r); }, [](TExStringGrid& g) { g.RemoveRating(c, r); },
         qRgb(255, 128, 0), ctRating},
        {"comment", [](TExStringGrid& g) { g.AddColorComment(c, r, "note", 0x00FF00FF); },
         [](TExStringGrid& g) { QString s; return g.IsComment(c, r, s) && s == "note" && g.GetComment(c, r) == "note"; },
         [](TExStringGrid& g) { g.RemoveComment(c, r); }, qRgb(255, 0, 255), ctComment},
        {"button", [](TExStringGrid& g) { g.AddButton(c, r, 60, 20, "Go", haLeft, vaTop); },
         [](TExStringGrid& g) { return g.HasButton(c, r) && g.GetButtonText(c, r) == "Go"; },
         [](TExStringGrid& g) { g.RemoveButton(c, r); }, 0, ctButton},
        {"bit button", [](TExStringGrid& g) {
             QPixmap* glyph = g.CreateBitButton(c, r, 60, 24, "", haLeft, vaTop);
             *glyph = framedPixmap(QColor(0, 128, 0));
         },
         [](TExStringGrid& g) { return g.HasButton(c, r); }, [](TExStringGrid& g) { g.RemoveBitButton(c, r); },
         qRgb(0, 128, 0), ctBitButton},
        {"expand", [](TExStringGrid& g) { g.AddExpand(c, r, 60); }, [](TExStringGrid& g) { return g.HasExpand(c, r); },
         [](TExStringGrid& g) { g.RemoveExpand(c, r); }, 0, ctExpand},
        {"radio group", [&](TExStringGrid& g) { g.AddRadio(c, r, 1, 0, &radioItems); },
         [&](TExStringGrid& g) { return g.IsRadio(c, r) && g.GetRadioStrings(c, r) == &radioItems; },
         [](TExStringGrid& g) { g.RemoveRadio(c, r); }, 0, ctRadio},
        {"interfaced", [&](TExStringGrid& g) { g.AddInterfacedCell(c, r, &interfaced); },
         [&](TExStringGrid& g) { return g.GetInterfacedCell(c, r) == &interfaced; },
         [](TExStringGrid& g) { g.RemoveInterfacedCell(c, r); }, qRgb(0, 255, 0), ctInterface},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.name);
        ObjGrid s;
        const QImage plain = s.cellImage(c, r);
        k.add(s.grid);
        ASSERT_EQ(s.grid.GetCellType(c, r), k.kind);
        EXPECT_TRUE(k.present(s.grid));
        const QImage shown = s.cellImage(c, r);
        EXPECT_NE(shown, plain);
        if (k.shows != 0) { EXPECT_GT(ObjGrid::countColor(shown, k.shows), 8); }
        // The remove of another kind leaves the object.
        if (k.kind == ctBitmap) s.grid.RemovePicture(c, r);
        else s.grid.RemoveBitmap(c, r);
        EXPECT_EQ(s.grid.GetCellType(c, r), k.kind);
        k.remove(s.grid);
        EXPECT_EQ(s.grid.GetCellType(c, r), ctEmpty);
        EXPECT_FALSE(k.present(s.grid));
        s.grid.SetCellEx(c, r, "");
        EXPECT_EQ(s.cellImage(c, r), plain);
    }
}

TEST(CellObjects, AddedObjectsStayTheCallersCreatedOnesGoWithTheCell)
{
    ObjGrid s;
    auto first = std::make_unique<QPixmap>(solidPixmap(Qt::red));
    auto second = std::make_unique<QPixmap>(solidPixmap(Qt::blue));
    s.grid.AddBitmap(1, 1, first.get(), false, haLeft, vaTop);
    s.grid.AddBitmap(1, 1, second.get(), false, haLeft, vaTop);
    EXPECT_EQ(s.grid.GetBitmap(1, 1), second.get());
    EXPECT_FALSE(first->isNull());  // the replaced graphic did not free it

    QPixmap* made = s.grid.CreateBitmap(1, 1, true, haLeft, vaTop);
    ASSERT_NE(made, nullptr);
    *made = solidPixmap(Qt::green);
    EXPECT_TRUE(s.grid.GetGraphicObjectEx(1, 1)->CellCreated());
    s.grid.RemoveBitmap(1, 1);  // frees the created bitmap (checked by the sanitizer runs)
    EXPECT_FALSE(s.grid.HasBitmap(1, 1));
    EXPECT_FALSE(second->isNull());

    // Created objects of every kind go with the graphic that replaces them.
    s.grid.CreatePicture(1, 2, false, Stretch, 1, haLeft, vaTop);
    s.grid.CreateIcon(1, 2, haLeft, vaTop);
    s.grid.CreateFilePicture(1, 2, false, noStretch, 0, haLeft, vaTop);
    ASSERT_NE(s.grid.GetFilePicture(1, 2), nullptr);
    s.grid.CreateRadio(1, 2, 0, -1)->append("a");
    s.grid.AddBalloon(1, 2, "t", "x", biInfo);  // a radio group is no balloon carrier
    EXPECT_TRUE(s.grid.IsRadio(1, 2));
    s.grid.RemoveRadio(1, 2);
    EXPECT_EQ(s.grid.GetCellType(1, 2), ctEmpty);

    // An icon replaces a check box; Add operations refuse cells outside the store.
    s.grid.AddCheckBox(3, 4, true, false);
    QIcon icon;
    s.grid.AddIcon(3, 4, &icon, haLeft, vaTop);
    EXPECT_FALSE(s.grid.HasCheckBox(3, 4));
    EXPECT_EQ(s.grid.GetCellType(3, 4), ctIcon);
    EXPECT_THROW(s.grid.AddComment(4, 1, "x"), std::runtime_error);
    EXPECT_THROW(s.grid.AddButton(1, 6, 10, 10, "", haLeft, vaTop), std::runtime_error);
}

TEST(CellObjects, ImageListKindsNeedTheImageListAndDataImagesShowTheCellText)
{
    ObjGrid s;
    s.grid.SetGridImages(nullptr);
    s.grid.AddComment(1, 1, "kept");
    s.grid.AddImageIdx(1, 1, 0, haLeft, vaTop);
    s.grid.AddDataImage(1, 1, 0, haLeft, vaTop);
    s.grid.AddMultiImage(1, 1, 0, haLeft, vaTop);
    EXPECT_EQ(s.grid.GetComment(1, 1), "kept");
    int idx = 7;
    EXPECT_FALSE(s.grid.GetImageIdx(1, 1, idx));
    EXPECT_EQ(idx, 7);

    s.grid.SetGridImages(&s.images);
    s.grid.AddImageIdx(2, 1, 0, haLeft, vaTop);
    s.grid.SetImageIdx(2, 1, 1);
    EXPECT_TRUE(s.grid.GetImageIdx(2, 1, idx));
    EXPECT_EQ(idx, 1);

    s.grid.AddDataImage(1, 2, 1, haLeft, vaTop);
    EXPECT_EQ(s.grid.GetCellEx(1, 2), "1");
    EXPECT_TRUE(s.grid.HasDataImage(1, 2));
    EXPECT_GT(ObjGrid::countColor(s.cellImage(1, 2), qRgb(0, 0, 255)), 100);
    // A cell holding a number keeps it, and shows that image.
    s.grid.SetCellEx(1, 3, "0");
    s.grid.AddDataImage(1, 3, 1, haLeft, vaTop);
    EXPECT_EQ(s.grid.GetCellEx(1, 3), "0");
    EXPECT_GT(ObjGrid::countColor(s.cellImage(1, 3), qRgb(255, 0, 0)), 100);
    EXPECT_EQ(ObjGrid::countColor(s.cellImage(1, 3), qRgb(0, 0, 255)), 0);
    // RemoveDataImage empties the text even of a cell without a data image.
    s.grid.SetCellEx(3, 3, "text");
    s.grid.RemoveDataImage(3, 3);
    EXPECT_EQ(s.grid.GetCellEx(3, 3), "");
    s.grid.RemoveDataImage(1, 2);
    EXPECT_FALSE(s.grid.HasDataImage(1, 2));
    EXPECT_EQ(s.grid.GetCellEx(1, 2), "");
}

TEST(CellObjects, ProgressIndicatorsShapesAndScrollBarSettings)
{
    ObjGrid s;
    s.grid.AddProgress(1, 1, clRed, clWhite);
    EXPECT_EQ(s.grid.Alignments(1, 1), taLeftJustify);
    s.grid.AutoNumAlign = true;
    s.grid.AddProgress(1, 2, clRed, clWhite);
    EXPECT_EQ(s.grid.Alignments(1, 2), taRightJustify);
    s.grid.AddProgressFormatted(1, 3, clRed, clBlack, clWhite, clBlue, "%d%%", 10, 50);
    const TCellGraphic* p = s.grid.GetGraphicObjectEx(1, 3);
    EXPECT_TRUE(p->CellBoolean());
    EXPECT_EQ(p->CellErrFrom(), 10);
    EXPECT_EQ(p->CellErrLen(), 50);
    EXPECT_EQ(p->CellText(), "%d%%");
    // The appearance bar replaces the classic one.
    s.grid.AddExProgress(1, 1, 0, 10);
    EXPECT_FALSE(s.grid.HasProgress(1, 1));
    EXPECT_EQ(s.grid.GetCellType(1, 1), ctXPProgress);

    s.grid.AddProgressPie(2, 1, clGreen, 20);
    s.grid.SetProgressPie(2, 1, 75);
    EXPECT_EQ(s.grid.GetGraphicObjectEx(2, 1)->CellAngle(), 75);
    s.grid.SetProgressPie(1, 1, 5);  // no pie: nothing
    EXPECT_EQ(s.grid.GetGraphicObjectEx(1, 1)->CellAngle(), 0);

    EXPECT_EQ(s.grid.GetShapeColor(3, 1), clNone);
    s.grid.SetShapeColor(3, 1, clRed);
    EXPECT_EQ(s.grid.GetCellType(3, 1), ctEmpty);
    s.grid.AddShape(3, 1, paint::csStar, clRed, clBlack, haCenter, vaCenter);
    s.grid.SetShapeColor(3, 1, clBlue);
    EXPECT_EQ(s.grid.GetShapeColor(3, 1), clBlue);

    // Scroll bars: -1 answers without one; settings round-trip with one.
    EXPECT_EQ(s.grid.GetScrollPosition(2, 4), -1);
    EXPECT_EQ(s.grid.GetScrollProp(2, 4).PageSize, -1);
    EXPECT_EQ(s.grid.GetScrollProp(2, 4).Range, -1);
    s.grid.SetScrollPosition(2, 4, 5);
    EXPECT_FALSE(s.grid.HasScrollBar(2, 4));
    s.grid.AddScrollBar(2, 4, false);
    EXPECT_EQ(s.grid.GetScrollPosition(2, 4), 0);
    EXPECT_EQ(s.grid.GetScrollProp(2, 4).Range, 100);
    s.grid.SetScrollPosition(2, 4, 7);
    s.grid.SetScrollProp(2, 4, {20, 300});
    EXPECT_EQ(s.grid.GetScrollPosition(2, 4), 7);
    EXPECT_EQ(s.grid.GetScrollProp(2, 4).PageSize, 20);
    EXPECT_EQ(s.grid.GetScrollProp(2, 4).Range, 300);
    EXPECT_FALSE(s.grid.HasAutoRangeScrollBar(2, 4));
    // An auto-range bar follows the text: page the row height, range the text height.
    s.grid.SetCellEx(3, 4, "one");
    s.grid.AddScrollBar(3, 4, true);
    EXPECT_TRUE(s.grid.HasAutoRangeScrollBar(3, 4));
    EXPECT_EQ(s.grid.GetScrollProp(3, 4).PageSize, 30);
    const int oneLine = s.grid.GetScrollProp(3, 4).Range;
    s.grid.SetCellEx(3, 4, "one\ntwo\nthree\nfour");
    EXPECT_GT(s.grid.GetScrollProp(3, 4).Range, 3 * oneLine);

    double rate = 2.5;
    EXPECT_TRUE(s.grid.DoRatingChange(1, 1, rate));
    EXPECT_EQ(rate, 2.5);
}

TEST(CellObjects, CommentsBalloonsAndMarkers)
{
    ObjGrid s;
    // SetComment leaves another object alone; AddComment replaces it.
    s.grid.AddCheckBox(1, 1, true, false);
    s.grid.SetComment(1, 1, "x");
    EXPECT_TRUE(s.grid.HasCheckBox(1, 1));
    s.grid.AddComment(1, 1, "c");
    EXPECT_FALSE(s.grid.HasCheckBox(1, 1));
    s.grid.SetComment(1, 1, "d");
    EXPECT_EQ(s.grid.GetComment(1, 1), "d");
    s.grid.SetComment(2, 2, "new");
    EXPECT_EQ(s.grid.GetComment(2, 2), "new");
    EXPECT_EQ(s.grid.GetGraphicObjectEx(2, 2)->CellIndex(), int32_t(s.grid.ControlLook().CommentColor()));
    s.grid.RemoveAllComments();
    QString kept = "unchanged";
    EXPECT_FALSE(s.grid.IsComment(1, 1, kept));
    EXPECT_EQ(kept, "unchanged");
    EXPECT_EQ(s.grid.GetCellType(2, 2), ctEmpty);

    // A balloon on a check box rides on it.
    s.grid.AddCheckBox(1, 3, true, false);
    s.grid.AddBalloon(1, 3, "Title", "Text", biWarning);
    QString title, text;
    TBalloonIcon icon = biNone;
    EXPECT_TRUE(s.grid.HasCheckBox(1, 3));
    EXPECT_FALSE(s.grid.HasBalloon(1, 3));
    ASSERT_TRUE(s.grid.IsBalloon(1, 3, title, text, icon));
    EXPECT_EQ(title, "Title");
    EXPECT_EQ(text, "Text");
    EXPECT_EQ(icon, biWarning);
    s.grid.AddBalloon(1, 3, "Again", "More", biError);  // replaces the attached list
    s.grid.RemoveBalloon(1, 3);
    EXPECT_TRUE(s.grid.HasCheckBox(1, 3));
    bool state = false;
    EXPECT_TRUE(s.grid.GetCheckBoxState(1, 3, state) && state);
    EXPECT_FALSE(s.grid.IsBalloon(1, 3, title, text, icon));
    // On its own, and refused on a button.
    s.grid.AddBalloon(2, 3, "T", "X", biInfo);
    EXPECT_TRUE(s.grid.HasBalloon(2, 3));
    s.grid.RemoveBalloon(2, 3);
    EXPECT_EQ(s.grid.GetCellType(2, 3), ctEmpty);
    s.grid.AddButton(3, 3, 20, 20, "b", haLeft, vaTop);
    s.grid.AddBalloon(3, 3, "T", "X", biInfo);
    EXPECT_FALSE(s.grid.IsBalloon(3, 3, title, text, icon));

    // Markers ride on any object; a marker-only graphic goes again.
    int pos = -1, len = -1;
    s.grid.GetMarker(1, 5, pos, len);
    EXPECT_EQ(pos, 0);
    EXPECT_EQ(len, 0);
    s.grid.AddComment(1, 4, "c");
    s.grid.AddMarker(1, 4, 2, 3);
    s.grid.GetMarker(1, 4, pos, len);
    EXPECT_EQ(pos, 2);
    EXPECT_EQ(len, 3);
    s.grid.RemoveMarker(1, 4);
    EXPECT_EQ(s.grid.GetComment(1, 4), "c");
    s.grid.GetMarker(1, 4, pos, len);
    EXPECT_EQ(len, 0);
    s.grid.AddMarker(2, 4, 1, 1);
    s.grid.AddMarker(3, 4, 1, 1);
    EXPECT_EQ(s.grid.GetCellType(2, 4), ctEmpty);
    ASSERT_NE(s.grid.GetGraphicObjectEx(2, 4), nullptr);
    s.grid.RemoveMarker(2, 4);
    EXPECT_EQ(s.grid.GetGraphicObjectEx(2, 4), nullptr);
    s.grid.RemoveAllMarkers();
    EXPECT_EQ(s.grid.GetGraphicObjectEx(3, 4), nullptr);
    EXPECT_EQ(s.grid.GetComment(1, 4), "c");
}

TEST(CellObjects, ButtonsAndExpandCells)
{
    ObjGrid s;
    s.grid.AddButton(2, 2, 40, 18, "Go", haLeft, vaTop);
    const TRect cell = s.grid.CellRect(2, 2);
    // Before a paint the button sits at the cell's top-left corner.
    EXPECT_EQ(s.grid.GetCellButtonRect(2, 2), QRect(cell.Left, cell.Top, 40, 18));
    s.render();
    const QRect placed = s.grid.GetCellButtonRect(2, 2);
    EXPECT_EQ(placed.size(), QSize(40, 18));
    EXPECT_TRUE(QRect(cell.Left, cell.Top, cell.Width(), cell.Height()).contains(placed));
    s.grid.SetButtonText(2, 2, "Stop");
    EXPECT_EQ(s.grid.GetButtonText(2, 2), "Stop");
    s.grid.PushButton(2, 2, true);
    EXPECT_TRUE(s.grid.GetGraphicObjectEx(2, 2)->CellBoolean());
    EXPECT_EQ(s.grid.GetCellButtonRect(1, 1), QRect());
    s.grid.AddBitButton(3, 2, 30, 20, "", nullptr, haFull, vaFull);
    EXPECT_EQ(s.grid.GetCellButtonRect(3, 2).size(), QSize(s.grid.CellRect(3, 2).Width(), s.grid.CellRect(3, 2).Height()));
    s.grid.RemoveAllButtons();
    EXPECT_FALSE(s.grid.HasButton(2, 2));
    EXPECT_FALSE(s.grid.HasButton(3, 2));

    EXPECT_EQ(s.grid.GetExpandHeight(1, 4, true), s.grid.DefaultRowHeight());
    EXPECT_FALSE(s.grid.ToggleExpand(1, 4));
    s.grid.SetRowHeights(4, 24);
    s.grid.AddExpand(1, 4, 70);
    EXPECT_EQ(s.grid.GetExpandHeight(1, 4, false), 24);
    EXPECT_EQ(s.grid.GetExpandHeight(1, 4, true), 70);
    EXPECT_TRUE(s.grid.ToggleExpand(1, 4));
    EXPECT_TRUE(s.grid.GetExpandState(1, 4));
    EXPECT_EQ(s.grid.RowHeights(4), 24);  // the caller sizes the row
    const TRect ec = s.grid.CellRect(1, 4);
    EXPECT_EQ(s.grid.GetExpandRect(1, 4), QRect(ec.Right - 13, ec.Top + 2, 11, 11));
    EXPECT_EQ(s.grid.GetExpandRect(2, 4), QRect());
}

TEST(CellObjects, RadioGroupsCycleAndKeepTheirIndexes)
{
    ObjGrid s;
    QStringList items{"a", "b", "c"};
    s.grid.AddRadio(1, 1, 0, 2, &items);
    s.grid.CycleRadio(1, 1, false);
    int idx = -5;
    EXPECT_TRUE(s.grid.GetRadioIdx(1, 1, idx));
    EXPECT_EQ(idx, 0);
    EXPECT_EQ(s.grid.GetCellEx(1, 1), "a");
    // Text-driven group (index below -1): the text moves on, the index stays.
    s.grid.AddRadio(1, 2, 1, -2, &items);
    s.grid.SetCellEx(1, 2, "b");
    s.grid.CycleRadio(1, 2, false);
    EXPECT_EQ(s.grid.GetCellEx(1, 2), "c");
    EXPECT_TRUE(s.grid.GetRadioIdx(1, 2, idx));
    EXPECT_EQ(idx, -2);
    // No choice yet: a text that is no choice starts at the first.
    s.grid.AddRadio(1, 3, 0, -1, &items);
    s.grid.SetCellEx(1, 3, "zzz");
    s.grid.CycleRadio(1, 3, false);
    EXPECT_TRUE(s.grid.GetRadioIdx(1, 3, idx));
    EXPECT_EQ(idx, 0);
    // A user's step on a cell that may not be edited does nothing.
    s.grid.OnCanEditCell = [](QObject*, int, int, bool& can) { can = false; };
    s.grid.CycleRadio(1, 1, true);
    EXPECT_EQ(s.grid.GetCellEx(1, 1), "a");
    s.grid.ControlLook().RadioAlwaysActive = true;
    s.grid.CycleRadio(1, 1, true);
    EXPECT_EQ(s.grid.GetCellEx(1, 1), "b");

    EXPECT_TRUE(s.grid.SetRadioIdx(1, 1, -1));
    EXPECT_EQ(s.grid.GetCellEx(1, 1), "");
    s.grid.AddComment(2, 1, "x");
    EXPECT_FALSE(s.grid.SetRadioIdx(2, 1, 3));  // not a group, yet the field is set
    EXPECT_FALSE(s.grid.GetRadioIdx(2, 1, idx));
    EXPECT_EQ(idx, 3);
    idx = 9;
    EXPECT_FALSE(s.grid.GetRadioIdx(3, 3, idx));
    EXPECT_EQ(idx, 9);
    EXPECT_EQ(s.grid.GetRadioStrings(2, 1), nullptr);
}

// Every object kind in one grid, for a person to look at.
TEST(CellObjects, ScreenshotOfEveryKind)
{
    ObjGrid s;
    s.grid.resize(560, 330);
    s.grid.SetColCount(5);
    s.grid.SetRowCount(8);
    s.grid.SetDefaultRowHeight(36);
    for (int c = 0; c < 5; ++c) s.grid.SetColWidths(c, 108);
    QPixmap bitmap = solidPixmap(QColor(200, 40, 40));
    QStringList items{"on", "off"};
    GreenCell interfaced;
    const char* titles[] = {"", "bitmap / image", "progress / pie", "shape / rating", "button / radio"};
    for (int c = 1; c < 5; ++c) s.grid.SetCellEx(c, 0, titles[c]);
    s.grid.AddBitmap(1, 1, &bitmap, false, haLeft, vaCenter);
    s.grid.AddImageIdx(1, 2, 1, haCenter, vaCenter);
    s.grid.AddMultiImage(1, 3, 1, haLeft, vaTop);
    s.grid.GetCellImages(1, 3)->Add(0);
    s.grid.GetCellImages(1, 3)->Add(1);
    s.grid.AddInterfacedCell(1, 4, &interfaced);
    s.grid.SetCellEx(2, 1, "65");
    s.grid.AddProgress(2, 1, 0x0000A000, clWhite);
    s.grid.SetCellEx(2, 2, "40");
    s.grid.AddExProgress(2, 2, 0, 100);
    s.grid.AddProgressPie(2, 3, clBlue, 70);
    s.grid.SetCellEx(2, 4, "-30");
    s.grid.AddRangeIndicator(2, 4, 100, clRed, clGreen, true);
    s.grid.AddShape(3, 1, paint::csDiamond, 0x0000C0FF, clBlack, haCenter, vaCenter);
    s.grid.SetCellEx(3, 2, "3.5");
    s.grid.AddRating(3, 2, 5, 0x0000A0FF, clSilver);
    s.grid.SetCellEx(3, 3, "commented");
    s.grid.AddComment(3, 3, "a note");
    s.grid.SetCellEx(3, 4, "wrong word");
    s.grid.AddMarker(3, 4, 1, 5);
    s.grid.AddButton(4, 1, 70, 22, "Press", haCenter, vaCenter);
    s.grid.AddRadio(4, 2, 1, 0, &items);
    s.grid.AddExpand(4, 3, 60);
    QPixmap* glyph = s.grid.CreateBitButton(4, 5, 80, 26, "Glyph", haCenter, vaCenter);
    *glyph = framedPixmap(QColor(0, 128, 0));
    s.grid.SetCellEx(4, 4, "balloon");
    s.grid.AddBalloon(4, 4, "Title", "Text", biInfo);
    const QImage image = s.render();
    const QString folder = QCoreApplication::applicationDirPath() + QStringLiteral("/paint_gallery");
    ASSERT_TRUE(QDir().mkpath(folder));
    ASSERT_TRUE(image.save(folder + "/cell_objects.png"));
    EXPECT_GT(ObjGrid::countColor(image, qRgb(200, 40, 40)), 50);  // the bitmap
}

namespace {
int countRed(const QImage& image)
{
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            n += c.red() > 200 && c.green() < 90 && c.blue() < 90;
        }
    return n;
}
}  // namespace

TEST(CellObjects, ErrorMarkersUnderlineTheirRangeInRed)
{
    ObjGrid s;
    s.grid.SetRowHeights(1, 60);
    s.grid.SetCellEx(1, 1, "wrong word");
    const QImage plain = s.cellImage(1, 1);
    EXPECT_EQ(countRed(plain), 0);
    s.grid.AddMarker(1, 1, 1, 5);
    const QImage marked = s.cellImage(1, 1);
    EXPECT_GT(countRed(marked), 10);
    // The underline covers "wrong" only: nothing red in the right half.
    EXPECT_EQ(countRed(marked.copy(marked.width() / 2 + 10, 0, marked.width() / 2 - 10, marked.height())),
              0);
    // A marker on a cell that shows another object draws no underline.
    s.grid.SetCellEx(2, 1, "wrong word");
    s.grid.AddComment(2, 1, "c");
    s.grid.AddMarker(2, 1, 1, 5);
    EXPECT_EQ(countRed(s.cellImage(2, 1).copy(0, 8, 60, 22)), 0);
    s.grid.RemoveMarker(1, 1);
    EXPECT_EQ(s.cellImage(1, 1), plain);
}
