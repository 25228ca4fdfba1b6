#include <memory>

#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <gtest/gtest.h>

#include "controls/grid/cells/cell_graphic.h"
#include "controls/grid/grid_error.h"
#include "support/temp_folder.h"

using namespace grid;

namespace {

// An integer list that counts its destructions.
struct GraphicCountedList : TIntList {
    explicit GraphicCountedList(int& counter) : destroyed(counter) {}
    ~GraphicCountedList() override { ++destroyed; }
    int& destroyed;
};

}  // namespace

TEST(CellGraphicTest, ANewGraphicHasNoKindAndOwnsNothing)
{
    TCellGraphic graphic;
    EXPECT_EQ(graphic.CellType(), ctNone);
    EXPECT_EQ(static_cast<int>(ctNone), 2);
    EXPECT_EQ(static_cast<int>(ctExpand), 32);
    EXPECT_FALSE(graphic.CellCreated());
    EXPECT_FALSE(graphic.HasCellBitmap());
    EXPECT_EQ(graphic.CellIconObject(), nullptr);
    EXPECT_EQ(graphic.CellIndex(), 0);
    EXPECT_EQ(graphic.CellAngle(), 0);
    EXPECT_EQ(graphic.CellValue(), 0.0);
    EXPECT_TRUE(graphic.CellText().isEmpty());
    EXPECT_FALSE(graphic.CellVar().isValid());
    EXPECT_EQ(graphic.CellCheckBoxState(), cbUnchecked);
}

TEST(CellGraphicTest, AnglesAreBroughtIntoZeroTo360)
{
    struct Case {
        int16_t angle;
        int stored;
    } cases[] = {{-30, 330}, {360, 360}, {725, 5}, {-360, 0}, {0, 0}, {361, 1}, {-32768, 352}, {32767, 7}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.angle);
        TCellGraphic graphic;
        graphic.SetAngle(c.angle);
        EXPECT_EQ(graphic.CellType(), ctRotated);
        EXPECT_EQ(graphic.CellAngle(), c.stored);
    }
}

TEST(CellGraphicTest, KindSettersFillTheirFields)
{
    QPixmap bitmap(4, 4);
    QImage picture(10, 10, QImage::Format_RGB32);
    QIcon icon;
    TFilePicture filePicture;
    QObject interfaced;

    struct Case {
        const char* name;
        void (*apply)(TCellGraphic&, QPixmap*, QImage*, QIcon*, TFilePicture*, QObject*);
        TCellType kind;
        void (*check)(const TCellGraphic&, QPixmap*, QImage*, QIcon*, TFilePicture*, QObject*);
    } cases[] = {
        {"bitmap", [](TCellGraphic& g, QPixmap* b, QImage*, QIcon*, TFilePicture*, QObject*) {
             g.SetBitmap(b, true, haRight, vaBottom); }, ctBitmap,
         [](const TCellGraphic& g, QPixmap* b, QImage*, QIcon*, TFilePicture*, QObject*) {
             EXPECT_EQ(g.CellBitmapAs<QPixmap>(), b);
             EXPECT_TRUE(g.CellTransparent());
             EXPECT_EQ(g.CellHAlign(), haRight);
             EXPECT_EQ(g.CellVAlign(), vaBottom); }},
        {"picture", [](TCellGraphic& g, QPixmap*, QImage* p, QIcon*, TFilePicture*, QObject*) {
             g.SetPicture(p, true, ShrinkWithAspectRatio, 3, haCenter, vaCenter); }, ctPicture,
         [](const TCellGraphic& g, QPixmap*, QImage* p, QIcon*, TFilePicture*, QObject*) {
             EXPECT_EQ(g.CellBitmapAs<QImage>(), p);
             EXPECT_EQ(g.CellAngle(), ShrinkWithAspectRatio);
             EXPECT_EQ(g.CellIndex(), 3);
             EXPECT_TRUE(g.CellTransparent()); }},
        {"file picture", [](TCellGraphic& g, QPixmap*, QImage*, QIcon*, TFilePicture* f, QObject*) {
             g.SetFilePicture(f, false, Stretch, 5, haLeft, vaTop); }, ctFilePicture,
         [](const TCellGraphic& g, QPixmap*, QImage*, QIcon*, TFilePicture* f, QObject*) {
             EXPECT_EQ(g.CellBitmapAs<TFilePicture>(), f);
             EXPECT_EQ(g.CellAngle(), Stretch);
             EXPECT_EQ(g.CellIndex(), 5); }},
        {"image index", [](TCellGraphic& g, QPixmap*, QImage*, QIcon*, TFilePicture*, QObject*) {
             g.SetImageIdx(7, haAfterText, vaFull); }, ctImageList,
         [](const TCellGraphic& g, QPixmap*, QImage*, QIcon*, TFilePicture*, QObject*) {
             EXPECT_EQ(g.CellIndex(), 7);
             EXPECT_EQ(g.CellHAlign(), haAfterText); }},
        {"data image", [](TCellGraphic& g, QPixmap*, QImage*, QIcon*, TFilePicture*, QObject*) {
             g.SetDataImage(2, haLeft, vaTop); }, ctDataImage,
         [](const TCellGraphic& g, QPixmap*, QImage*, QIcon*, TFilePicture*, QObject*) {
             EXPECT_EQ(g.CellIndex(), 2); }},
        {"icon", [](TCellGraphic& g, QPixmap*, QImage*, QIcon* i, TFilePicture*, QObject*) {
             g.SetIcon(i, haRight, vaTop); }, ctIcon,
         [](const TCellGraphic& g, QPixmap*, QImage*, QIcon* i, TFilePicture*, QObject*) {
             EXPECT_EQ(g.CellIconObject(), i);
             EXPECT_FALSE(g.CellCreated()); }},
        {"check box", [](TCellGraphic& g, QPixmap*, QImage*, QIcon*, TFilePicture*, QObject*) {
             g.SetCellAngle(1);
             g.SetCheckBox(true, false, true, haCenter, vaCenter); }, ctCheckBox,
         [](const TCellGraphic& g, QPixmap*, QImage*, QIcon*, TFilePicture*, QObject*) {
             EXPECT_TRUE(g.CellBoolean());
             EXPECT_EQ(g.CellAngle(), 0);
             EXPECT_TRUE(g.CellTransparent()); }},
        {"data check box", [](TCellGraphic& g, QPixmap*, QImage*, QIcon*, TFilePicture*, QObject*) {
             g.SetCheckBox(false, true, false, haLeft, vaTop); }, ctDataCheckBox,
         [](const TCellGraphic& g, QPixmap*, QImage*, QIcon*, TFilePicture*, QObject*) {
             EXPECT_FALSE(g.CellBoolean()); }},
        {"tri-state check box", [](TCellGraphic& g, QPixmap*, QImage*, QIcon*, TFilePicture*, QObject*) {
             g.SetCellBoolean(true);
             g.SetCheckBox(cbGrayed, true, haLeft, vaTop); }, ctTriStateCheckBox,
         [](const TCellGraphic& g, QPixmap*, QImage*, QIcon*, TFilePicture*, QObject*) {
             EXPECT_EQ(g.CellCheckBoxState(), cbGrayed);
             EXPECT_FALSE(g.CellBoolean());
             EXPECT_TRUE(g.CellTransparent()); }},
        {"radio button", [](TCellGraphic& g, QPixmap*, QImage*, QIcon*, TFilePicture*, QObject*) {
             g.SetRadioButton(true, false, haLeft, vaTop); }, ctRadioButton,
         [](const TCellGraphic& g, QPixmap*, QImage*, QIcon*, TFilePicture*, QObject*) {
             EXPECT_TRUE(g.CellBoolean());
             EXPECT_EQ(g.CellAngle(), 0); }},
        {"button", [](TCellGraphic& g, QPixmap*, QImage*, QIcon*, TFilePicture*, QObject*) {
             g.SetCellBoolean(true);
             g.SetButton(40, 20, "Go", haCenter, vaCenter); }, ctButton,
         [](const TCellGraphic& g, QPixmap*, QImage*, QIcon*, TFilePicture*, QObject*) {
             EXPECT_EQ(g.CellIndex(), 20 * 65536 + 40);
             EXPECT_FALSE(g.CellBoolean());
             EXPECT_EQ(g.CellText(), "Go"); }},
        {"bit button", [](TCellGraphic& g, QPixmap* b, QImage*, QIcon*, TFilePicture*, QObject*) {
             g.SetBitButton(70000, 3, "Glyph", b, haLeft, vaTop); }, ctBitButton,
         [](const TCellGraphic& g, QPixmap* b, QImage*, QIcon*, TFilePicture*, QObject*) {
             EXPECT_EQ(g.CellIndex(), 3 * 65536 + (70000 & 0xFFFF));  // width keeps its low 16 bits
             EXPECT_EQ(g.CellBitmapAs<QPixmap>(), b);
             EXPECT_EQ(g.CellText(), "Glyph"); }},
        {"interfaced cell", [](TCellGraphic& g, QPixmap*, QImage*, QIcon*, TFilePicture*, QObject* o) {
             g.SetInterfacedCell(o); }, ctInterface,
         [](const TCellGraphic& g, QPixmap*, QImage*, QIcon*, TFilePicture*, QObject* o) {
             EXPECT_EQ(g.CellBitmapAs<QObject>(), o); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TCellGraphic graphic;
        c.apply(graphic, &bitmap, &picture, &icon, &filePicture, &interfaced);
        EXPECT_EQ(graphic.CellType(), c.kind);
        c.check(graphic, &bitmap, &picture, &icon, &filePicture, &interfaced);
        EXPECT_FALSE(graphic.CellCreated());  // handed-in objects stay the caller's
    }
}

TEST(CellGraphicTest, MultiImageListIsTiedToItsCellAndOwned)
{
    TCellGraphic graphic;
    int notified = 0;
    graphic.SetMultiImage(3, 4, 0, haLeft, vaTop, [&notified](TIntList*, int col, int row) {
        EXPECT_EQ(col, 3);
        EXPECT_EQ(row, 4);
        ++notified;
    });
    EXPECT_EQ(graphic.CellType(), ctImages);
    EXPECT_TRUE(graphic.CellBoolean());
    EXPECT_TRUE(graphic.CellCreated());
    TIntList* list = graphic.CellBitmapAs<TIntList>();
    ASSERT_NE(list, nullptr);
    list->Add(5);
    EXPECT_EQ(notified, 1);

    graphic.SetMultiImage(0, 0, 1, haLeft, vaTop, nullptr);
    EXPECT_FALSE(graphic.CellBoolean());
    EXPECT_NE(graphic.CellBitmapAs<TIntList>(), nullptr);
    EXPECT_EQ(graphic.CellBitmapAs<TIntList>()->Count(), 0);
}

TEST(CellGraphicTest, OwnedObjectsAreFreedExactlyOnce)
{
    int destroyed = 0;
    {
        // Freed with the graphic.
        TCellGraphic graphic;
        graphic.SetCellType(ctBalloon);
        graphic.AdoptCellBitmap(std::make_unique<GraphicCountedList>(destroyed));
        EXPECT_TRUE(graphic.CellCreated());
    }
    EXPECT_EQ(destroyed, 1);

    {
        // A check box's balloon list goes with the graphic; a lent list does not.
        GraphicCountedList lent(destroyed);
        TCellGraphic withBalloon;
        withBalloon.SetCheckBox(true, false, false, haLeft, vaTop);
        withBalloon.AdoptCellBitmap(std::make_unique<GraphicCountedList>(destroyed));
        withBalloon.SetCellAngle(1);
        TCellGraphic lending;
        lending.SetCheckBox(true, false, false, haLeft, vaTop);
        lending.SetCellBitmap(static_cast<TIntList*>(&lent));
        EXPECT_FALSE(lending.CellCreated());
    }
    EXPECT_EQ(destroyed, 3);  // the adopted list, then the lent one at the end of its scope

    // Changing the kind frees what the old kind owned.
    TCellGraphic graphic;
    graphic.SetCellType(ctImages);
    graphic.AdoptCellBitmap(std::make_unique<GraphicCountedList>(destroyed));
    QPixmap bitmap(2, 2);
    graphic.SetBitmap(&bitmap, false, haLeft, vaTop);
    EXPECT_EQ(destroyed, 4);
    EXPECT_FALSE(graphic.CellCreated());
    EXPECT_EQ(graphic.CellBitmapAs<QPixmap>(), &bitmap);

    // Pointing the slot at another object frees the owned one; re-pointing at it keeps it.
    graphic.AdoptCellBitmap(std::make_unique<GraphicCountedList>(destroyed));
    TIntList* owned = graphic.CellBitmapAs<TIntList>();
    graphic.SetCellBitmap(owned);
    EXPECT_EQ(destroyed, 4);
    graphic.SetCellBitmap(TColor(clRed));
    EXPECT_EQ(destroyed, 5);
    EXPECT_EQ(graphic.CellBitmapColor(), clRed);

    // An adopted icon goes when the kind changes; the slot no longer points at it.
    graphic.SetIcon(nullptr, haLeft, vaTop);
    graphic.AdoptCellIcon(std::make_unique<QIcon>());
    EXPECT_TRUE(graphic.CellCreated());
    graphic.SetImageIdx(1, haLeft, vaTop);
    EXPECT_FALSE(graphic.CellCreated());
    EXPECT_EQ(graphic.CellIconObject(), nullptr);
    graphic.SetCellIcon(TColor(clBlue));
    EXPECT_EQ(graphic.CellIconColor(), clBlue);
}

TEST(CellGraphicTest, AssignCopiesFieldsButNeverOwnership)
{
    int destroyed = 0;
    GraphicCountedList callersList(destroyed);
    QPixmap callersBitmap(2, 2);

    TCellGraphic source;
    source.SetCellType(ctRadio);
    source.AdoptCellBitmap(std::make_unique<GraphicCountedList>(destroyed));
    source.SetCellIndex(2);
    source.SetCellAngle(3);
    source.SetCellBoolean(true);
    source.SetCellTransparent(true);
    source.SetCellValue(1.5);
    source.SetCellErrFrom(4);
    source.SetCellErrLen(6);
    source.SetCellText("items");
    source.SetCellHAlign(haFull);
    source.SetCellVAlign(vaFull);
    source.SetCellVar(42);
    source.SetCellCheckBoxState(cbChecked);

    {
        TCellGraphic target;
        target.SetCellType(ctRadio);
        target.SetCellBitmap(static_cast<TIntList*>(&callersList));  // the caller's list
        target.Assign(source);
        EXPECT_EQ(target.CellType(), ctRadio);
        EXPECT_EQ(target.CellIndex(), 2);
        EXPECT_EQ(target.CellAngle(), 3);
        EXPECT_TRUE(target.CellBoolean());
        EXPECT_TRUE(target.CellTransparent());
        EXPECT_EQ(target.CellValue(), 1.5);
        EXPECT_EQ(target.CellErrFrom(), 4);
        EXPECT_EQ(target.CellErrLen(), 6);
        EXPECT_EQ(target.CellText(), "items");
        EXPECT_EQ(target.CellHAlign(), haFull);
        EXPECT_EQ(target.CellVAlign(), vaFull);
        // Kept as they were:
        EXPECT_EQ(target.CellBitmapAs<TIntList>(), &callersList);
        EXPECT_FALSE(target.CellVar().isValid());
        EXPECT_EQ(target.CellCheckBoxState(), cbUnchecked);
        EXPECT_FALSE(target.CellCreated());
    }
    EXPECT_EQ(destroyed, 0);  // neither the caller's list nor the source's

    // A target of another kind frees what it owned before taking the source's kind.
    TCellGraphic owner;
    owner.SetCellType(ctImages);
    owner.AdoptCellBitmap(std::make_unique<GraphicCountedList>(destroyed));
    owner.Assign(source);
    EXPECT_EQ(destroyed, 1);
    EXPECT_FALSE(owner.HasCellBitmap());
    EXPECT_TRUE(source.CellCreated());
}

TEST(CellGraphicTest, PictureSizeFollowsTheStretchMode)
{
    struct Case {
        int w, h, cw, rh, padding;
        TStretchMode mode;
        QPoint size;
    } cases[] = {
        {100, 50, 40, 40, 0, Stretch, {40, 40}},
        {100, 50, 40, 40, 0, Shrink, {40, 40}},
        {100, 50, 40, 40, 0, StretchWithAspectRatio, {40, 20}},
        {100, 50, 40, 40, 0, ShrinkWithAspectRatio, {40, 20}},
        {100, 50, 40, 40, 0, noStretch, {100, 50}},
        {100, 50, 200, 200, 0, Shrink, {100, 50}},
        {100, 50, 200, 200, 0, ShrinkWithAspectRatio, {100, 50}},
        {100, 50, 200, 200, 0, StretchWithAspectRatio, {200, 100}},
        {100, 50, 44, 44, 4, Stretch, {40, 40}},           // padding comes off both sides
        {50, 100, 40, 40, 0, StretchWithAspectRatio, {20, 40}},
        {0, 50, 40, 40, 0, StretchWithAspectRatio, {0, 40}},  // width 0: ratio 1.0 for that side
        {5, 10, 9, 9, 0, StretchWithAspectRatio, {4, 9}},     // 4.5 rounds to even
        {7, 10, 9, 9, 0, StretchWithAspectRatio, {6, 9}},     // 6.3
        {100, 30, 50, 40, 0, ShrinkWithAspectRatio, {50, 15}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.w << "x" << c.h << " in " << c.cw << "x" << c.rh << " mode "
                                        << int(c.mode));
        QImage picture(c.w, c.h, QImage::Format_RGB32);
        TCellGraphic graphic;
        graphic.SetPicture(&picture, false, c.mode, c.padding, haLeft, vaTop);
        EXPECT_EQ(graphic.GetPictureSize(c.cw, c.rh, false), c.size);
        EXPECT_EQ(graphic.GetPictureSize(c.cw, c.rh, true), c.size);
    }

    TCellGraphic other;
    other.SetImageIdx(1, haLeft, vaTop);
    EXPECT_EQ(other.GetPictureSize(40, 40, false), QPoint(0, 0));
}

TEST(FilePictureTest, MeasuresTheFileAndKeepsNoPicture)
{
    testing_support::TempFolder folder;
    const QString path = folder.file("pic.png");
    QImage image(30, 20, QImage::Format_RGB32);
    image.fill(Qt::red);
    ASSERT_TRUE(image.save(path));

    TFilePicture picture;
    picture.SetFilename(path);
    EXPECT_EQ(picture.Width(), 30);
    EXPECT_EQ(picture.Height(), 20);

    TCellGraphic graphic;
    graphic.SetFilePicture(&picture, false, StretchWithAspectRatio, 0, haLeft, vaTop);
    EXPECT_EQ(graphic.GetPictureSize(15, 15, false), QPoint(15, 10));

    QImage canvasImage(60, 40, QImage::Format_RGB32);
    canvasImage.fill(Qt::white);
    {
        QPainter canvas(&canvasImage);
        picture.DrawPicture(canvas, QRect(0, 0, 60, 40));
    }
    EXPECT_EQ(QColor(canvasImage.pixel(59, 39)), QColor(Qt::red));

    // A missing file: the name is stored, the size kept, the error raised.
    const QString missing = folder.file("missing.png");
    EXPECT_THROW(picture.SetFilename(missing), EExGridError);
    EXPECT_EQ(picture.Filename(), missing);
    EXPECT_EQ(picture.Width(), 30);
    EXPECT_EQ(picture.Height(), 20);
    {
        QPainter canvas(&canvasImage);
        EXPECT_THROW(picture.DrawPicture(canvas, QRect(0, 0, 5, 5)), EExGridError);
    }

    // Assign copies without reading the file; an empty name draws nothing.
    TFilePicture copy;
    copy.Assign(picture);
    EXPECT_EQ(copy.Filename(), missing);
    EXPECT_EQ(copy.Width(), 30);
    TFilePicture empty;
    canvasImage.fill(Qt::white);
    {
        QPainter canvas(&canvasImage);
        empty.DrawPicture(canvas, QRect(0, 0, 60, 40));
    }
    EXPECT_EQ(QColor(canvasImage.pixel(0, 0)), QColor(Qt::white));
}
