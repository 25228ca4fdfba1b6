#include <gtest/gtest.h>

#include "support/qt_printers.h"

#include <QBuffer>

#include "controls/grid/html/picture_container.h"
#include "html_test_support.h"
#include "support/temp_folder.h"

using namespace grid;
using html_test::GifFrame;
using testing_support::TempFolder;

namespace {

// Three frames on a 6 x 4 screen: red at (0, 0) 2 x 2, green at (3, 1)
// 2 x 3, blue at (1, 2) 4 x 2; delays 10, 30 and 20 hundredths.
QByteArray threeFrames()
{
    return html_test::gifBytes(6, 4, {{0, 0, 2, 2, 0, 10}, {3, 1, 2, 3, 1, 30}, {1, 2, 4, 2, 2, 20}});
}

void load(THTMLPicture& picture, QByteArray bytes)
{
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    picture.LoadFromStream(&buffer);
}

QColor colourAt(const THTMLPicture& picture, int x, int y) { return picture.Image().pixelColor(x, y); }

}  // namespace

TEST(PictureContainer, AnimatedGifShowsTheFrameItIsSetTo)
{
    THTMLPicture picture;
    load(picture, threeFrames());
    EXPECT_FALSE(picture.Empty());
    EXPECT_TRUE(picture.IsGIF());
    EXPECT_EQ(picture.FrameCount(), 3);
    EXPECT_EQ(picture.Frame(), 1);
    EXPECT_EQ(picture.Width(), 2);
    EXPECT_EQ(colourAt(picture, 0, 0), QColor(Qt::red));
    EXPECT_EQ(picture.MaxWidth(), 6);
    EXPECT_EQ(picture.MaxHeight(), 4);
    EXPECT_EQ(picture.GetFrameTime(2), 30);
    EXPECT_EQ(picture.GetFrameTime(4), -1);

    int changes = 0;
    picture.OnFrameChange = [&] { ++changes; };
    picture.SetFrame(2);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(picture.FrameXPos(), 3);
    EXPECT_EQ(picture.FrameYPos(), 1);
    EXPECT_EQ(picture.Width(), 2);
    EXPECT_EQ(picture.Height(), 3);
    EXPECT_EQ(colourAt(picture, 1, 2), QColor(Qt::green));
    picture.SetFrame(3);
    EXPECT_EQ(picture.Width(), 4);
    EXPECT_EQ(colourAt(picture, 3, 1), QColor(Qt::blue));
}

TEST(PictureContainer, StepAdvancesByTheFrameDelaysAndWraps)
{
    THTMLPicture picture;
    load(picture, threeFrames());
    // Delays 10, 30, 20 hundredths, one step per tenth of a second.
    std::vector<int> shown;
    for (int tick = 0; tick < 9; ++tick) {
        picture.Step();
        shown.push_back(picture.Frame());
    }
    EXPECT_EQ(shown, (std::vector<int>{1, 1, 2, 2, 2, 3, 3, 1, 2}));
}

TEST(PictureContainer, OtherFormatsAndBadBytes)
{
    THTMLPicture png;
    load(png, html_test::pngBytes(5, 3, Qt::green));
    EXPECT_FALSE(png.IsGIF());
    EXPECT_EQ(png.FrameCount(), -1);
    EXPECT_EQ(png.Width(), 5);
    EXPECT_EQ(png.MaxWidth(), 5);
    EXPECT_EQ(png.MaxHeight(), 3);

    THTMLPicture tiny;
    EXPECT_THROW(load(tiny, QByteArray("GIF8")), EPictureError);
    EXPECT_FALSE(tiny.IsGIF());  // four bytes are too few

    TempFolder folder;
    const QString text = folder.write("not_a_picture.png", "just text");
    THTMLPicture fromFile;
    EXPECT_NO_THROW(fromFile.LoadFromFile(text));
    EXPECT_TRUE(fromFile.Empty());
    EXPECT_THROW(load(fromFile, QByteArray("just text")), EPictureError);
}

TEST(PictureContainer, UrlsLoadFromFilesOnlyAndTheCacheFindsThemExactly)
{
    TempFolder folder;
    const QString path = folder.write("logo.png", html_test::pngBytes(7, 7, Qt::blue));

    THTMLPictureCache cache;
    THTMLPicture* local = cache.AddPicture();
    local->LoadFromURL("file://" + path);
    EXPECT_FALSE(local->Empty());
    EXPECT_EQ(local->Width(), 7);
    EXPECT_EQ(local->ID, "file://" + path);

    THTMLPicture* remote = cache.AddPicture();
    remote->Asynch = false;
    remote->LoadFromURL("http://example.com/a.png");
    EXPECT_TRUE(remote->Empty());
    EXPECT_EQ(remote->ID, "http://example.com/a.png");
    EXPECT_EQ(cache.FindPicture("http://example.com/a.png"), remote);
    EXPECT_EQ(cache.FindPicture("HTTP://EXAMPLE.COM/A.PNG"), nullptr);

    THTMLPicture asynch;
    asynch.LoadFromURL("http://example.com/b.png");
    EXPECT_TRUE(asynch.Busy());
    EXPECT_TRUE(asynch.Empty());
    EXPECT_EQ(asynch.ID, "");
}

TEST(PictureContainer, ContainerFindsItemsWhateverTheCase)
{
    TPictureContainer container;
    TPictureItem& item = container.Items().Add();
    item.Name = "Logo";
    QByteArray bytes = html_test::pngBytes(3, 3, Qt::red);
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    item.Picture().LoadFromStream(&buffer);
    EXPECT_EQ(container.FindPicture("logo"), &item.Picture());
    EXPECT_EQ(container.FindPicture("LOGO"), &item.Picture());
    EXPECT_EQ(container.FindPicture("logo2"), nullptr);

    TPictureItem copy;
    copy.Assign(item);
    EXPECT_EQ(copy.Name, "Logo");
    EXPECT_EQ(copy.Picture().Width(), 3);
}
