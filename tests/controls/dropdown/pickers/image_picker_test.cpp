#include <gtest/gtest.h>

#include <QBuffer>
#include <QDir>

#include "controls/dropdown/dropdown_test_support.h"
#include "controls/dropdown/images/image_picker_dropdown.h"
#include "controls/dropdown/picker_test_support.h"
#include "controls/grid/cells/grid_image_list.h"
#include "support/temp_folder.h"

using namespace dropdown;
using namespace dropdown_testing;

namespace {

QImage filled(int w, int h, QColor color)
{
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(color);
    return image;
}

QByteArray png(QColor color)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    filled(8, 6, color).save(&buffer, "PNG");
    return bytes;
}

}  // namespace

TEST(ImagePicker, ImageIndexAndItemIndex)
{
    TExImagePickerDropDown picker;
    for (int imageIndex : {3, 5, 5, 9}) {
        TImageItem item;
        item.ImageIndex = imageIndex;
        picker.Items().push_back(item);
    }
    int changes = 0, selects = 0;
    picker.OnChange = [&](QObject*) { ++changes; };
    picker.OnSelect = [&](QObject*) { ++selects; };
    EXPECT_EQ(picker.ImageIndex(), -1);
    picker.SetImageIndex(5);
    EXPECT_EQ(picker.ItemIndex(), 1);  // the first of the two
    EXPECT_EQ(picker.ImageIndex(), 5);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(selects, 1);
    picker.SetItemIndex(1);  // unchanged: no events
    picker.SetItemIndex(4);  // the count: ignored
    EXPECT_EQ(picker.ItemIndex(), 1);
    EXPECT_EQ(selects, 1);
    picker.SetImageIndex(7);
    EXPECT_EQ(picker.ItemIndex(), -1);
    EXPECT_EQ(picker.ImageIndex(), -1);
    EXPECT_EQ(selects, 2);
}

TEST(ImagePicker, ImagesFromAnImageList)
{
    TExImagePickerDropDown picker;
    picker.AddImagesFromImageList();
    EXPECT_TRUE(picker.Items().empty());
    grid::TGridImageList images(16, 16);
    for (int i = 0; i < 12; ++i) images.Add(filled(16, 16, QColor(i * 20, 0, 0)));
    picker.SetImages(&images);
    TImageItem first;
    first.Caption = QStringLiteral("kept");
    picker.Items().push_back(first);
    picker.AddImagesFromImageList();
    ASSERT_EQ(picker.Items().size(), 13u);
    EXPECT_EQ(picker.Items()[0].Caption, QStringLiteral("kept"));
    for (int i = 0; i < 12; ++i) {
        EXPECT_EQ(picker.Items()[size_t(i + 1)].ImageIndex, i);
        EXPECT_TRUE(picker.Items()[size_t(i + 1)].Caption.isEmpty());
    }
}

TEST(ImagePicker, ImagesFromAFolderLeaveFoldersOut)
{
    testing_support::TempFolder folder;
    folder.write(QStringLiteral("b_red.png"), png(Qt::red));
    folder.write(QStringLiteral("a_blue.png"), png(Qt::blue));
    folder.write(QStringLiteral("c_broken.png"), QByteArray("no picture"));
    folder.write(QStringLiteral("notes.txt"), QByteArray("text"));
    ASSERT_TRUE(QDir(folder.path()).mkpath(QStringLiteral("sub.png")));

    TExImagePickerDropDown picker;
    picker.AddImagesFromFolder(folder.path() + QStringLiteral("/*.png"), true);
    ASSERT_EQ(picker.Items().size(), 3u);
    EXPECT_EQ(picker.Items()[0].Caption, QStringLiteral("a_blue.png"));
    EXPECT_EQ(picker.Items()[0].Image.pixelColor(0, 0), QColor(Qt::blue));
    EXPECT_EQ(picker.Items()[1].Caption, QStringLiteral("b_red.png"));
    // A file that is no picture: an item without picture or caption.
    EXPECT_TRUE(picker.Items()[2].Image.isNull());
    EXPECT_TRUE(picker.Items()[2].Caption.isEmpty());

    // Every name: files only, added after the present items, no captions asked for.
    picker.AddImagesFromFolder(folder.path() + QStringLiteral("/*"), false);
    ASSERT_EQ(picker.Items().size(), 7u);
    EXPECT_TRUE(picker.Items()[3].Caption.isEmpty());
    EXPECT_FALSE(picker.Items()[3].Image.isNull());
    // A mask that matches nothing adds nothing.
    picker.AddImagesFromFolder(folder.path() + QStringLiteral("/*.bmp"), true);
    EXPECT_EQ(picker.Items().size(), 7u);
}

TEST(ImagePicker, CancelRestoresAndTheEditShowsThePicture)
{
    PickerHost<TExImagePickerDropDown> host;
    TExImagePickerDropDown& picker = *host.Picker;
    picker.resize(120, 30);
    for (QColor c : {QColor(Qt::red), QColor(Qt::green), QColor(Qt::blue)}) {
        TImageItem item;
        item.Image = filled(10, 10, c);
        picker.Items().push_back(item);
    }
    const QImage none = picker.grab().toImage();
    picker.SetItemIndex(1);
    const platform::TRect r = picker.EditRect();
    const QImage shown = picker.grab().toImage();
    const int cx = r.Left + r.Width() / 2, cy = r.Top + r.Height() / 2;
    EXPECT_EQ(PixelAt(shown, cx, cy), clLime);
    EXPECT_NE(PixelAt(none, cx, cy), clLime);

    picker.ShowDropDown();
    ASSERT_TRUE(picker.DroppedDown());
    picker.KeyDownMessage(platform::VK_DOWN);
    EXPECT_EQ(picker.ItemIndex(), 2);
    EXPECT_TRUE(picker.DroppedDown());
    picker.KeyDownMessage(platform::VK_ESCAPE);
    EXPECT_FALSE(picker.DroppedDown());
    EXPECT_EQ(picker.ItemIndex(), 1);

    // A click in the list selects and closes.
    picker.ShowDropDown();
    QWidget* panel = picker.ItemSelector()->Panel();
    const platform::TRect item0 = picker.ItemSelector()->Panel()->GetItemRect(0);
    QTest::mouseClick(panel, Qt::LeftButton, Qt::NoModifier, QPoint(item0.Left + 3, item0.Top + 3));
    EXPECT_FALSE(picker.DroppedDown());
    EXPECT_EQ(picker.ItemIndex(), 0);
}
