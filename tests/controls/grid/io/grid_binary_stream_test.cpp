// The grid's binary cell stream: value encodings and whole records worked
// out by hand, round trips of cells between two grids, placement at a point,
// and the refusal of malformed streams with the grid left as it was.

#include <gtest/gtest.h>

#include <QIcon>
#include <QImage>
#include <QPixmap>

#include "controls/grid/cells/cell_graphic.h"
#include "controls/grid/grid_error.h"
#include "controls/grid/io/component_stream.h"
#include "controls/grid/io/grid_binary_stream.h"
#include "controls/grid/string_grid/ex_string_grid.h"
#include "support/temp_folder.h"

using namespace grid;
using testing_support::TempFolder;
using namespace grid::io;

namespace grid_binary_stream_test {

QByteArray hex(const char* text) { return QByteArray::fromHex(QByteArray(text).replace(' ', "")); }

QByteArray encodedString(const QString& s)
{
    QByteArray out;
    TComponentWriter(out).StringValue(s);
    return out;
}

TEST(ComponentValues, StringFormsFollowTheTextsContent)
{
    struct Case {
        QString text;
        QByteArray bytes;
    };
    const Case cases[] = {
        {"ab", hex("06 02 6162")},
        // Empty: the short form, not a wide string.
        {"", hex("06 00")},
        // Latin-1 accent: UTF-8 is less than twice the character count.
        {QString::fromUtf8("aé"), hex("14 03000000 61c3a9")},
        // U+03A9 and U+20AC: UTF-8 at least twice as long, so wide.
        {QString::fromUtf8("Ω"), hex("12 01000000 a903")},
        {QString::fromUtf8("€1"), hex("12 02000000 ac20 3100")},
    };
    for (const Case& c : cases) EXPECT_EQ(encodedString(c.text).toHex(' '), c.bytes.toHex(' ')) << c.text.toStdString();

    const QByteArray longText = encodedString(QString(256, u'x'));
    EXPECT_EQ(longText.left(5).toHex(' '), hex("0c 00010000").toHex(' '));
    EXPECT_EQ(longText.size(), 5 + 256);
    EXPECT_EQ(encodedString(QString(255, u'x')).left(2).toHex(' '), hex("06 ff").toHex(' '));
}

TEST(ComponentValues, IntegersColoursAndFloats)
{
    QByteArray out;
    TComponentWriter w(out);
    w.IntegerValue(127);
    w.IntegerValue(-128);
    w.IntegerValue(-129);
    w.IntegerValue(32768);
    w.Color("C", clWindow);
    w.Color("D", 0x00123456);
    w.Color("E", 0x00C0DCC0);
    w.Float("F", 1.0L);
    w.SetBits("S", fsBold | fsUnderline, kFontStyleNames);
    EXPECT_EQ(out.toHex(' '), hex("02 7f"
                                  "02 80"
                                  "03 7fff"
                                  "04 00800000"
                                  "0143 07 08 636c57696e646f77"           // C clWindow
                                  "0144 04 56341200"                      // D
                                  "0145 07 0c 636c4d6f6e6579477265656e"   // E clMoneyGreen
                                  "0146 05 0000000000000080ff3f"          // F 1.0
                                  "0153 0b 06 6673426f6c64 0b 6673556e6465726c696e65 00")
                                  .toHex(' '));
}

// A 3 x 2 grid with known column widths and row heights.
std::unique_ptr<TExStringGrid> makeGrid(int cols = 3, int rows = 2)
{
    auto g = std::make_unique<TExStringGrid>();
    g->SetColCount(cols);
    g->SetRowCount(rows);
    for (int c = 0; c < cols; ++c) g->SetColWidths(c, 30 + c);
    for (int r = 0; r < rows; ++r) g->SetRowHeights(r, 20 + r);
    return g;
}

TEST(BinaryStream, TwoPlainCellsGiveHeaderAndTwoCellRecords)
{
    auto g = makeGrid();
    g->SetColWidths(0, 64);
    g->SetCellEx(0, 0, "a");
    TBinCellStream s = CollectBinCells(*g, {0, 0, 1, 0});
    s.Header.ID = 300;
    const QByteArray expected = hex(
        "54504630 0b 54477269645072 6f70494f 00"       // TPF0, "TGridPropIO", no name
        "08 436f6c436f756e74 02 02"                    // ColCount 2
        "08 526f77436f756e74 02 01"                    // RowCount 1
        "09 436f6c576964746873 06 05 36342c3331"       // ColWidths "64,31"
        "0a 526f77486569676874 73 06 02 3230"          // RowHeights "20"
        "08 46756c6c47726964 08"                       // FullGrid false
        "02 4944 03 2c01"                              // ID 300
        "00 00"
        "54504630 0b 5447726964 43656c6c494f 00"       // "TGridCellIO"
        "03 436f6c 02 00"                              // Col 0
        "03 526f77 02 00"                              // Row 0
        "04 43656c6c 06 01 61"                         // Cell "a"
        "07 48617350726f70 08"                         // HasProp false
        "00 00"
        "54504630 0b 5447726964 43656c6c494f 00"
        "03 436f6c 02 01"                              // Col 1
        "03 526f77 02 00"                              // Row 0, no Cell (empty)
        "07 48617350726f70 08"
        "00 00");
    EXPECT_EQ(EncodeBinCellStream(s).toHex(' '), expected.toHex(' '));
}

TEST(BinaryStream, CheckBoxCellCarriesItsGraphicRecordAndNoPayload)
{
    auto g = makeGrid();
    g->AddCheckBox(1, 1, true, false);
    const TBinCellStream s = CollectBinCells(*g, {1, 1, 1, 1});
    ASSERT_EQ(s.Cells.size(), 1u);
    ASSERT_TRUE(s.Cells[0].Props && s.Cells[0].Graphic);
    const QByteArray bytes = EncodeBinCellStream(s);
    // The graphic record is the last record: nothing follows its end.
    const QByteArray graphicRecord = QByteArray("TPF0\x0eTGridGraphicIO", 19);
    const qsizetype at = bytes.indexOf(graphicRecord);
    ASSERT_GE(at, 0);
    EXPECT_EQ(bytes.indexOf("TPF0", at + 4), -1);
    EXPECT_TRUE(bytes.endsWith(QByteArray("\x00\x00", 2)));

    auto target = makeGrid();
    LoadAtPointFromBinStream(*target, QPoint(1, 1), bytes);
    const TCellGraphic* copy = target->GetGraphicObjectEx(1, 1);
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(copy->CellType(), ctCheckBox);
    EXPECT_TRUE(g->GetGraphicObjectEx(1, 1)->CellBoolean() == copy->CellBoolean());
    EXPECT_EQ(copy->CellCheckBoxState(), g->GetGraphicObjectEx(1, 1)->CellCheckBoxState());
}

TEST(BinaryStream, TextsAndPropertiesRoundTripBetweenGrids)
{
    auto g = makeGrid(4, 4);
    g->SetCellEx(1, 1, QString::fromUtf8("Grüße €"));
    g->SetCellEx(2, 1, "line1\r\nline2");
    TCellProperties* p = g->GetCellProperties(1, 1);
    p->SetBrushColor(0x00123456);
    p->SetFontColor(clRed);
    p->SetFontName("Courier");
    p->SetFontSize(12);
    p->SetFontStyle(fsBold | fsItalic);
    p->SetAlignment(taCenter);
    p->SetVAlignment(vtaBottom);
    p->SetReadOnly(true);
    p->SetEditor(edComboList);
    p->SetBorderWidth(2);
    p->SetBorderColor(clWindow);
    g->MergeCells(2, 2, 2, 2);
    g->SetCellEx(2, 2, "merged");

    QByteArray bytes;
    SaveRectToBinStream(*g, {1, 1, 3, 3}, bytes);
    auto t = makeGrid(4, 4);
    LoadAtPointFromBinStream(*t, QPoint(1, 1), bytes);

    EXPECT_EQ(t->GetCellEx(1, 1), QString::fromUtf8("Grüße €"));
    EXPECT_EQ(t->GetCellEx(2, 1), "line1\r\nline2");
    const TCellProperties* q = t->CellPropertiesOrNull(1, 1);
    ASSERT_NE(q, nullptr);
    EXPECT_EQ(q->BrushColor(), 0x00123456u);
    EXPECT_EQ(q->FontColor(), clRed);
    EXPECT_EQ(q->FontName(), "Courier");
    EXPECT_EQ(q->FontSize(), 12);
    EXPECT_EQ(q->FontStyle(), fsBold | fsItalic);
    EXPECT_EQ(q->Alignment(), taCenter);
    EXPECT_EQ(q->VAlignment(), vtaBottom);
    EXPECT_TRUE(q->ReadOnly());
    EXPECT_EQ(q->Editor(), edComboList);
    EXPECT_EQ(q->BorderWidth(), 2);
    EXPECT_EQ(q->BorderColor(), clWindow);
    EXPECT_EQ(t->CellSpan(2, 2), QPoint(1, 1));
    EXPECT_TRUE(t->IsMergedNonBaseCell(3, 3));
    EXPECT_EQ(t->GetCellEx(3, 3), "merged");
}

TEST(BinaryStream, PicturesRadiosAndFileNamesRoundTrip)
{
    auto g = makeGrid(4, 2);
    QImage image(5, 3, QImage::Format_ARGB32);
    image.fill(QColor(10, 200, 30));
    image.setPixelColor(4, 2, QColor(255, 0, 0));
    g->CreateCellGraphic(0, 1)->SetCellType(ctBitmap);
    g->GetGraphicObjectEx(0, 1)->AdoptCellBitmap(std::make_unique<QPixmap>(QPixmap::fromImage(image)));
    g->CreateCellGraphic(1, 1)->SetCellType(ctPicture);
    g->GetGraphicObjectEx(1, 1)->AdoptCellBitmap(std::make_unique<QImage>(image));
    g->CreateCellGraphic(2, 1)->SetCellType(ctRadio);
    g->GetGraphicObjectEx(2, 1)->AdoptCellBitmap(std::make_unique<QStringList>(QStringList{"one", "two"}));
    g->GetGraphicObjectEx(2, 1)->SetCellIndex(1);
    g->CreateCellGraphic(3, 1)->SetCellType(ctFilePicture);
    auto file = std::make_unique<TFilePicture>();
    try {
        file->SetFilename("/nonexistent/picture.png");
    } catch (const EExGridError&) {
    }
    g->GetGraphicObjectEx(3, 1)->AdoptCellBitmap(std::move(file));
    // A bitmap the grid does not own is not carried.
    QPixmap lent = QPixmap::fromImage(image);
    g->AddBitmap(0, 0, &lent, false, haLeft, vaTop);

    QByteArray bytes;
    SaveRectToBinStream(*g, {0, 0, 3, 1}, bytes);
    auto t = makeGrid(4, 2);
    LoadAtPointFromBinStream(*t, QPoint(0, 0), bytes);

    EXPECT_EQ(t->GetGraphicObjectEx(0, 0), nullptr);
    const TCellGraphic* bmp = t->GetGraphicObjectEx(0, 1);
    ASSERT_TRUE(bmp && bmp->CellBitmapAs<QPixmap>());
    EXPECT_EQ(bmp->CellBitmapAs<QPixmap>()->toImage().convertToFormat(QImage::Format_ARGB32), image);
    const TCellGraphic* pic = t->GetGraphicObjectEx(1, 1);
    ASSERT_TRUE(pic && pic->CellBitmapAs<QImage>());
    EXPECT_EQ(pic->CellBitmapAs<QImage>()->convertToFormat(QImage::Format_ARGB32), image);
    const TCellGraphic* radio = t->GetGraphicObjectEx(2, 1);
    ASSERT_TRUE(radio && radio->CellBitmapAs<QStringList>());
    EXPECT_EQ(*radio->CellBitmapAs<QStringList>(), (QStringList{"one", "two"}));
    EXPECT_EQ(radio->CellIndex(), 1);
    const TCellGraphic* filePic = t->GetGraphicObjectEx(3, 1);
    ASSERT_TRUE(filePic && filePic->CellBitmapAs<TFilePicture>());
    EXPECT_EQ(filePic->CellBitmapAs<TFilePicture>()->Filename(), "/nonexistent/picture.png");
}

TEST(BinaryStream, FirstCellIsTheOriginAndTheGridGrowsToHoldTheRest)
{
    auto g = makeGrid(5, 6);
    for (int r = 3; r <= 4; ++r)
        for (int c = 2; c <= 3; ++c) g->SetCellEx(c, r, QString("%1/%2").arg(c).arg(r));
    QByteArray bytes;
    SaveRectToBinStream(*g, {2, 3, 3, 4}, bytes);

    auto t = makeGrid(7, 7);
    LoadAtPointFromBinStream(*t, QPoint(5, 5), bytes);
    EXPECT_EQ(t->GetCellEx(5, 5), "2/3");
    EXPECT_EQ(t->GetCellEx(6, 6), "3/4");

    auto small = makeGrid(6, 6);
    LoadAtPointFromBinStream(*small, QPoint(5, 5), bytes);
    EXPECT_EQ(small->ColCount(), 7);
    EXPECT_EQ(small->RowCount(), 7);
    EXPECT_EQ(small->GetCellEx(6, 6), "3/4");

    // Clipped placement (drops) leaves out what falls beyond the grid.
    auto clipped = makeGrid(6, 6);
    const auto placed = PlaceBinCells(*clipped, QPoint(5, 5), DecodeBinCellStream(bytes), TBinPlacement::Clip);
    ASSERT_TRUE(placed);
    EXPECT_EQ(*placed, (platform::TGridRect{5, 5, 5, 5}));
    EXPECT_EQ(clipped->ColCount(), 6);
    EXPECT_EQ(clipped->GetCellEx(5, 5), "2/3");
}

TEST(BinaryStream, WholeGridStreamGivesTheSameSizeWidthsAndHeights)
{
    auto g = makeGrid(3, 4);
    g->SetCellEx(2, 3, "last");
    QByteArray bytes;
    SaveToBinStream(*g, bytes);
    EXPECT_TRUE(DecodeBinCellStream(bytes).Header.FullGrid);

    auto t = makeGrid(6, 2);
    t->SetCellEx(5, 1, "gone");
    LoadFromBinStream(*t, bytes + QByteArray(1, 'x'));  // a stray byte after the last record is read over
    EXPECT_EQ(t->ColCount(), 3);
    EXPECT_EQ(t->RowCount(), 4);
    for (int c = 0; c < 3; ++c) EXPECT_EQ(t->ColWidths(c), 30 + c);
    for (int r = 0; r < 4; ++r) EXPECT_EQ(t->RowHeights(r), 20 + r);
    EXPECT_EQ(t->GetCellEx(2, 3), "last");
}

TEST(BinaryStream, FilesRoundTripThroughTheGridsMembers)
{
    testing_support::TempFolder folder;
    auto g = makeGrid();
    g->SetCellEx(1, 1, "x");
    const QString path = folder.path() + "/cells.bin";
    g->SaveToBinFile(path);
    auto t = makeGrid(1, 1);
    t->LoadFromBinFile(path);
    EXPECT_EQ(t->GetCellEx(1, 1), "x");
    EXPECT_THROW(t->LoadFromBinFile(folder.path() + "/missing.bin"), EExGridError);
}

TEST(BinaryStream, ProgressIsReportedOncePerChangeBothWays)
{
    auto g = makeGrid(2, 5);
    std::vector<int> fired;
    g->OnFileProgress = [&](auto, int p) { fired.push_back(p); };
    QByteArray bytes;
    g->SaveRectToBinStream({0, 0, 1, 4}, bytes);
    EXPECT_EQ(fired, (std::vector<int>{0, 25, 50, 75, 100}));
    fired.clear();
    auto t = makeGrid(2, 5);
    t->OnFileProgress = g->OnFileProgress;
    t->LoadFromBinStream(bytes);
    EXPECT_EQ(fired, (std::vector<int>{0, 20, 40, 60, 80}));
}

TEST(BinaryStream, PositionsBeyondSixteenBitsAreRefusedWhenWriting)
{
    auto g = makeGrid();
    QByteArray bytes;
    EXPECT_THROW(SaveRectToBinStream(*g, {0, 65535, 0, 65536}, bytes), EExGridError);
    EXPECT_THROW(SaveRectToBinStream(*g, {65536, 0, 65536, 0}, bytes), EExGridError);
    EXPECT_TRUE(bytes.isEmpty());
}

// A byte literal with its embedded zero bytes.
template <size_t N> QByteArray B(const char (&s)[N]) { return QByteArray(s, qsizetype(N - 1)); }

// Replaces the first occurrence of `from` in the bytes by `to`.
QByteArray patched(QByteArray bytes, const QByteArray& from, const QByteArray& to)
{
    const qsizetype at = bytes.indexOf(from);
    EXPECT_GE(at, 0) << from.toStdString();
    return bytes.replace(at, from.size(), to);
}

TEST(BinaryStream, MalformedStreamsRaiseAndLeaveTheGridAsItWas)
{
    auto g = makeGrid(3, 3);
    g->SetCellEx(0, 0, "a");
    g->SetCellEx(1, 0, "b");
    g->GetCellProperties(1, 0)->SetBrushColor(clRed);
    QByteArray good;
    SaveRectToBinStream(*g, {0, 0, 1, 0}, good);

    QByteArray fullGrid;
    SaveToBinStream(*g, fullGrid);

    struct Case {
        const char* name;
        QByteArray bytes;
    };
    const Case cases[] = {
        {"empty", {}},
        {"no signature", "XPF0" + good.mid(4)},
        {"unknown property", patched(good, B("\x08" "FullGrid"), B("\x08" "FullGrix"))},
        {"wrong value type", patched(good, B("\x03" "Col\x02\x01"), B("\x03" "Col\x06\x01"))},
        {"negative column", patched(good, B("\x03" "Col\x02\x01"), B("\x03" "Col\x02\xff"))},
        {"cell outside the rectangle", patched(good, B("\x03" "Col\x02\x01"), B("\x03" "Col\x02\x05"))},
        {"header claims more cells", patched(good, B("ColCount\x02\x02"), B("ColCount\x02\x03"))},
        {"header claims a huge rectangle", patched(good, B("RowCount\x02\x01"), B("RowCount\x04\x00\x00\x01\x00"))},
        {"unknown colour name", patched(good, B("clRed"), B("clRex"))},
        {"bad widths of a whole grid", patched(fullGrid, B("30,31,32"), B("30,x1,32"))},
        {"too few widths of a whole grid", patched(fullGrid, B("\x08" "30,31,32"), B("\x05" "30,31"))},
        {"string length beyond the end", patched(good, B("\x06\x01" "a"), B("\x0c\xff\xff\xff\x7f" "a"))},
        {"stray second byte", good + QByteArray(2, '\0')},
    };
    for (const Case& c : cases) {
        auto t = makeGrid(3, 3);
        t->SetCellEx(0, 0, "keep");
        EXPECT_THROW(LoadAtPointFromBinStream(*t, QPoint(0, 0), c.bytes), EExGridError) << c.name;
        EXPECT_EQ(t->GetCellEx(0, 0), "keep") << c.name;
        EXPECT_EQ(t->ColCount(), 3) << c.name;
        EXPECT_FALSE(t->HasCellProperties(1, 0)) << c.name;
    }

    // Every cut of a stream raises.
    for (qsizetype n = 0; n < good.size(); ++n) {
        auto t = makeGrid(3, 3);
        bool threw = false;
        try {
            LoadAtPointFromBinStream(*t, QPoint(0, 0), good.left(n));
        } catch (const EExGridError&) {
            threw = true;
        }
        EXPECT_TRUE(threw) << n;
    }

    // A point outside the grid is refused.
    auto t = makeGrid(3, 3);
    EXPECT_THROW(LoadAtPointFromBinStream(*t, QPoint(3, 0), good), EExGridError);
    EXPECT_THROW(LoadAtPointFromBinStream(*t, QPoint(-1, 0), good), EExGridError);
}

}  // namespace grid_binary_stream_test

namespace grid_binary_stream_test {

// A whole grid saved without its fixed cells starts after them; read back,
// every cell stays where it was (the grid grows past the header's size).
TEST(BinaryStream, WholeGridWithoutFixedCellsKeepsItsCellsInPlace)
{
    auto g = makeGrid(4, 4);
    g->SaveFixedCells = false;
    g->SetCellEx(3, 3, "corner");
    g->SetCellEx(1, 1, "first");
    g->AddCheckBox(2, 2, true, false);
    QByteArray bytes;
    g->SaveToBinStream(bytes);
    EXPECT_TRUE(DecodeBinCellStream(bytes).Header.FullGrid);
    auto t = makeGrid(2, 2);
    t->LoadFromBinStream(bytes);
    EXPECT_EQ(t->ColCount(), 4);
    EXPECT_EQ(t->RowCount(), 4);
    EXPECT_EQ(t->GetCellEx(1, 1), "first");
    EXPECT_EQ(t->GetCellEx(3, 3), "corner");
    ASSERT_NE(t->GetGraphicObjectEx(2, 2), nullptr);
}

}  // namespace grid_binary_stream_test
