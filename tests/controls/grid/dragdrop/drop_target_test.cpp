// The drop-target side without a window: which offered data is acceptable,
// the drop effect from the keys, and which Drop... operation gets the data.

#include <gtest/gtest.h>

#include <QUrl>

#include "controls/grid/dragdrop/drop_target.h"

using namespace grid;

namespace drop_target_test {

// Records the deliveries; every Drop... takes its data.
struct Recorder : TESGDropTarget {
    QStringList seen;
    bool allowMove = true;
    bool DropText(QPoint, const QString& s) override { return note("text " + s); }
    bool DropStream(QPoint, const QByteArray& b) override { return note("cells " + QString::number(b.size())); }
    bool DropCol(QPoint, int c) override { return note("col " + QString::number(c)); }
    bool DropRTF(QPoint, const QString& s) override { return note("rtf " + s); }
    bool DropFiles(QPoint, const QStringList& f) override { return note("files " + f.join(',')); }
    bool DropURL(QPoint, const QString& s) override { return note("url " + s); }
    void DragMouseMove(QPoint, bool& allow, TDropFormats) override { allow = allow && allowMove; }
    bool note(const QString& s)
    {
        seen << s;
        return true;
    }
};

struct RtfScope {
    explicit RtfScope(bool on) { EnableRTFDrop(on); }
    ~RtfScope() { EnableRTFDrop(false); }
};

std::unique_ptr<QMimeData> offer(std::initializer_list<const char*> kinds)
{
    auto d = std::make_unique<QMimeData>();
    QList<QUrl> urls;
    for (const QString kind : kinds) {
        if (kind == "text") d->setText("hello");
        if (kind == "rtf") d->setData(MimeRtf, "{\\rtf1 hi}");
        if (kind == "col") d->setData(MimeGridColumn, EncodeColumnBlock(3));
        if (kind == "cells") d->setData(MimeGridCells, EncodeCellsBlock(QByteArray(100, 'x')));
        if (kind == "file") urls << QUrl::fromLocalFile("/tmp/a.csv");
        if (kind == "url") urls << QUrl("https://example.com/x");
    }
    if (!urls.isEmpty()) d->setUrls(urls);
    return d;
}

TEST(DropTarget, DropDeliversByFormat)
{
    struct Case {
        const char* name;
        std::initializer_list<const char*> kinds;
        bool rtfAllowed;
        QStringList delivered;
    };
    const Case cases[] = {
        {"a column alone, even with text", {"col", "text"}, false, {"col 3"}},
        {"cells over text, files besides", {"cells", "text", "file"}, false, {"cells 100", "files /tmp/a.csv"}},
        {"rich text while allowed", {"rtf", "text"}, true, {"rtf {\\rtf1 hi}"}},
        {"rich text not allowed: the text", {"rtf", "text"}, false, {"text hello"}},
        {"a URL with its text", {"url", "text"}, false, {"text hello", "url hello"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        RtfScope rtf(c.rtfAllowed);
        Recorder t;
        t.AcceptCols = true;
        auto data = offer(c.kinds);
        ASSERT_NE(t.DragEnter(data.get(), false, true), deNone);
        EXPECT_EQ(t.Drop(data.get(), QPoint(), false, true), deMove);
        EXPECT_EQ(t.seen, c.delivered);
    }
}

TEST(DropTarget, AcceptanceAndFormatsOnEnter)
{
    Recorder t;
    t.AcceptFiles = false;
    auto files = offer({"file"});
    EXPECT_EQ(t.DragEnter(files.get(), false, true), deNone);
    EXPECT_EQ(t.DragOver(QPoint(), false, true), deNone);
    EXPECT_EQ(t.Drop(files.get(), QPoint(), false, true), deNone);
    EXPECT_TRUE(t.seen.isEmpty()) << "a refused drag delivers nothing";

    auto column = offer({"col"});
    EXPECT_EQ(t.DragEnter(column.get(), false, true), deNone) << "columns are accepted only when asked for";

    auto cells = offer({"cells"});
    t.AcceptText = false;
    EXPECT_NE(t.DragEnter(cells.get(), false, true), deNone) << "cells are always acceptable";

    auto rich = offer({"rtf"});
    EXPECT_EQ(t.DragEnter(rich.get(), false, true), deNone);
    EXPECT_TRUE(t.DropFormats() & dfRTF) << "offered though not allowed";
}

TEST(DropTarget, EffectFollowsCtrlTheSourceAndTheMouseHook)
{
    Recorder t;
    auto text = offer({"text"});
    EXPECT_EQ(t.DragEnter(text.get(), false, true), deMove);
    EXPECT_EQ(t.DragOver(QPoint(), true, true), deCopy) << "Ctrl copies even when moving is allowed";
    EXPECT_EQ(t.DragOver(QPoint(), false, false), deCopy) << "a source that only copies";
    t.allowMove = false;
    EXPECT_EQ(t.DragOver(QPoint(), false, true), deNone);
}

TEST(DropFormatsData, BlocksAndSourceData)
{
    // The cell block of a 100-byte stream: 108 bytes, the length first, four zeros, the stream.
    const QByteArray block = EncodeCellsBlock(QByteArray(100, 'x'));
    ASSERT_EQ(block.size(), 108);
    EXPECT_EQ(block.left(8), QByteArray::fromHex("6400000000000000"));
    EXPECT_EQ(DecodeCellsBlock(block), QByteArray(100, 'x'));
    EXPECT_FALSE(DecodeCellsBlock(QByteArray::fromHex("6500000000000000") + QByteArray(100, 'x')));
    EXPECT_FALSE(DecodeCellsBlock(QByteArray::fromHex("0100000001000000") + "x")) << "bytes 4..7 are zero";
    EXPECT_FALSE(DecodeCellsBlock(QByteArray::fromHex("000000")));
    EXPECT_EQ(EncodeColumnBlock(258), QByteArray::fromHex("02010000"));
    EXPECT_EQ(DecodeColumnBlock(QByteArray::fromHex("02010000")), 258);
    EXPECT_FALSE(DecodeColumnBlock(QByteArray::fromHex("ffffffff")));
    EXPECT_FALSE(DecodeColumnBlock(QByteArray::fromHex("0201")));

    {
        RtfScope rtf(true);
        auto text = MakeSourceData("a\tb", "{\\rtf1 a}", -1, std::nullopt);
        EXPECT_EQ(text->formats(), QStringList({MimeText, MimeRtf}));
        auto withCells = MakeSourceData("a", "{\\rtf1 a}", -1, QByteArray("abc"));
        EXPECT_EQ(withCells->formats().back(), MimeGridCells);
    }
    auto text = MakeSourceData("a", "{\\rtf1 a}", -1, std::nullopt);
    EXPECT_EQ(text->formats(), QStringList({MimeText})) << "rich text only while allowed";
    auto column = MakeSourceData({}, {}, 4, std::nullopt);
    EXPECT_EQ(column->formats(), QStringList({MimeGridColumn}));
    EXPECT_EQ(TDropData(column.get()).Col(), 4);

    auto html = std::make_unique<QMimeData>();
    html->setHtml("<html><body><p>one <b>two</b></p></body></html>");
    EXPECT_EQ(TDropData(html.get()).Text(), "one two");
}

}  // namespace drop_target_test
