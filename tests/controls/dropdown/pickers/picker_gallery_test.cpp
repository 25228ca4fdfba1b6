#include <gtest/gtest.h>

#include <cstdio>

#include <QDir>
#include <QPainter>

#include "controls/dropdown/colors/color_picker_dropdown.h"
#include "controls/dropdown/detail/detail_dropdown.h"
#include "controls/dropdown/images/image_picker_dropdown.h"
#include "controls/dropdown/memo/memo_dropdown.h"
#include "controls/dropdown/picker_test_support.h"
#include "controls/dropdown/trackbar/trackbar_dropdown.h"
#include "controls/grid/cells/grid_image_list.h"

using namespace dropdown;
using namespace dropdown_testing;

// Renders each picker open to a PNG file in the working folder (the build
// folder under ctest), for a person to look at.
namespace {

template <class Picker>
void saveOpen(PickerHost<Picker>& host, const QString& name)
{
    Picker& edit = *host.Picker;
    edit.resize(180, 24);
    edit.ShowDropDown();
    ASSERT_TRUE(edit.DroppedDown()) << name.toStdString();
    QApplication::processEvents();
    TDropDownForm& form = *edit.DropDownForm();
    const QPoint formAt = form.geometry().topLeft() - host.Window.mapToGlobal(QPoint(0, 0));
    QImage sheet(QSize(std::max(host.Window.width(), formAt.x() + form.width() + 20),
                       std::max(host.Window.height(), formAt.y() + form.height() + 20)),
                 QImage::Format_RGB32);
    sheet.fill(Qt::white);
    QPainter painter(&sheet);
    painter.drawPixmap(0, 0, host.Window.grab());
    painter.drawPixmap(formAt, form.grab());
    painter.end();
    const QString path = QDir::current().absoluteFilePath(name);
    EXPECT_TRUE(sheet.save(path)) << path.toStdString();
    std::printf("gallery: %s\n", qPrintable(path));
}

QImage swatch(QColor color, int size = 16)
{
    QImage image(size, size, QImage::Format_RGB32);
    image.fill(color);
    QPainter p(&image);
    p.setPen(Qt::black);
    p.drawRect(0, 0, size - 1, size - 1);
    p.drawLine(0, 0, size - 1, size - 1);
    return image;
}

}  // namespace

TEST(PickerGallery, ColourPickerInEachStyle)
{
    const std::pair<TColorSelectionStyle, const char*> styles[] = {
        {csList, "picker_colour_list.png"},
        {csDiscrete, "picker_colour_discrete.png"},
        {csColorCube, "picker_colour_cube.png"},
        {csSpectrum, "picker_colour_spectrum.png"},
    };
    for (const auto& [style, file] : styles) {
        PickerHost<TExColorPickerDropDown> host;
        TExColorPickerDropDown& edit = *host.Picker;
        edit.AddDefaultColors();
        edit.SetColorValueText(cvtHTML);
        edit.SetColorSelectionStyle(style);
        edit.SetSelectedColor(style == csList ? clTeal : 0x3694F2);
        saveOpen(host, QString::fromLatin1(file));
        if (style == csList) edit.ItemSelector()->Panel()->SetItemHot(11);
    }
}

TEST(PickerGallery, ImagePicker)
{
    PickerHost<TExImagePickerDropDown> host;
    TExImagePickerDropDown& edit = *host.Picker;
    const QColor colors[] = {Qt::red, Qt::darkGreen, Qt::blue, Qt::darkYellow, Qt::magenta, Qt::cyan};
    int n = 0;
    for (QColor c : colors) {
        TImageItem item;
        item.Image = swatch(c, 24);
        item.Caption = QStringLiteral("Picture %1").arg(++n);
        edit.Items().push_back(item);
    }
    edit.SetColumns(2);
    edit.SetItemIndex(2);
    saveOpen(host, QStringLiteral("picker_image.png"));
}

TEST(PickerGallery, DetailDropDown)
{
    PickerHost<TExDetailDropDown> host;
    TExDetailDropDown& edit = *host.Picker;
    grid::TGridImageList images(16, 16);
    images.Add(swatch(Qt::red));
    images.Add(swatch(Qt::green));
    images.Add(swatch(Qt::blue));
    edit.SetImages(&images);
    edit.SetItemHeight(36);
    edit.SetDropDownWidth(240);
    edit.SetDropDownHeight(130);
    const char* rows[][2] = {{"Apple", "<b>red</b> or <i>green</i>"},
                             {"Apricot", "orange, with a stone"},
                             {"Blueberry", "small and <font color=\"clBlue\">blue</font>"}};
    for (int i = 0; i < 3; ++i) edit.Items().Add(QString::fromLatin1(rows[i][0]), QString::fromLatin1(rows[i][1])).ImageIndex = i;
    edit.SetItemIndex(1);
    saveOpen(host, QStringLiteral("picker_detail.png"));
}

TEST(PickerGallery, TrackBarAndMemo)
{
    {
        PickerHost<TExTrackBarDropDown> host;
        host.Picker->SetMax(20);
        host.Picker->SetPosition(7);
        saveOpen(host, QStringLiteral("picker_trackbar.png"));
    }
    {
        PickerHost<TExMemoDropDown> host;
        host.Picker->SetEditorEnabled(false);
        host.Picker->SetMemoText({QStringLiteral("The first line of a longer note"), QStringLiteral("and a second")});
        saveOpen(host, QStringLiteral("picker_memo.png"));
    }
}
