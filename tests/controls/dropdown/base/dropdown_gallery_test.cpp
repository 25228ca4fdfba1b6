#include <gtest/gtest.h>

#include <cstdio>

#include <QDir>
#include <QListWidget>
#include <QPainter>
#include <QTest>

#include "controls/dropdown/base/dropdown_bars.h"
#include "controls/dropdown/base/dropdown_button.h"
#include "controls/dropdown/dropdown_test_support.h"

using namespace dropdown;
using namespace dropdown_testing;

// Renders open drop-downs with header and footer to PNG files in the working
// folder (the build folder under ctest), for a person to look at.
namespace {

QString savedTo(const QImage& image, const QString& name)
{
    const QString path = QDir::current().absoluteFilePath(name);
    EXPECT_TRUE(image.save(path)) << path.toStdString();
    std::printf("gallery: %s\n", qPrintable(path));
    return path;
}

// An open drop-down in a style: the window with the edit and the pop-up
// below it, painted together as the screen shows them.
QImage openDropDown(TQVRStyle style, const QString& label)
{
    DropDownHost host;
    TExCustomDropDown& edit = *host.Edit;
    edit.SetComponentStyle(style);
    edit.SetText(QStringLiteral("Blue"));
    auto* list = new QListWidget;
    list->addItems({QStringLiteral("Red"), QStringLiteral("Green"), QStringLiteral("Blue"), QStringLiteral("Yellow"),
                    QStringLiteral("Black")});
    list->setFrameShape(QFrame::NoFrame);
    list->setCurrentRow(2);
    list->resize(220, 96);
    edit.SetControl(list);
    edit.SetFocusControl(list);
    edit.DropDownHeader().SetCaption(QStringLiteral("<b>Colours</b>"));
    edit.DropDownHeader().Buttons().Add().SetCaption(QStringLiteral("All"));
    edit.DropDownHeader().Buttons().Add().SetCaption(QStringLiteral("None"));
    TFooterButton& ok = edit.DropDownFooter().Buttons().Add();
    ok.SetCaption(QStringLiteral("OK"));
    ok.SetModalResult(platform::mrOk);
    TFooterButton& cancel = edit.DropDownFooter().Buttons().Add();
    cancel.SetCaption(QStringLiteral("Cancel"));
    cancel.SetModalResult(platform::mrCancel);
    edit.DropDownFooter().SetCaption(label);
    edit.ShowDropDown();
    EXPECT_TRUE(edit.DroppedDown());
    TDropDownForm& form = host.Form();
    // The OK button under the pointer.
    TExButton& hot = *form.Footer()->Button(0);
    QEnterEvent enter(QPointF(2, 2), QPointF(2, 2), hot.mapToGlobal(QPointF(2, 2)));
    QApplication::sendEvent(&hot, &enter);

    const QPoint windowAt = host.Window.mapToGlobal(QPoint(0, 0));
    const QPoint formAt = form.geometry().topLeft() - windowAt;
    QImage sheet(QSize(std::max(host.Window.width(), formAt.x() + form.width() + 20),
                       std::max(host.Window.height(), formAt.y() + form.height() + 20)),
                 QImage::Format_RGB32);
    sheet.fill(Qt::white);
    QPainter painter(&sheet);
    painter.drawPixmap(0, 0, host.Window.grab());
    painter.drawPixmap(formAt, form.grab());
    return sheet;
}

}  // namespace

TEST(DropDownGallery, OpenDropDownsWithHeaderAndFooter)
{
    const std::pair<TQVRStyle, const char*> styles[] = {
        {tsOffice2007Luna, "Office 2007 Luna"},
        {tsWindowsVista, "Windows Vista"},
        {tsOffice2010Black, "Office 2010 Black"},
    };
    std::vector<QImage> cells;
    for (const auto& [style, name] : styles) cells.push_back(openDropDown(style, QString::fromLatin1(name)));
    int width = 0, height = 0;
    for (const QImage& cell : cells) {
        width += cell.width();
        height = std::max(height, cell.height());
    }
    QImage sheet(width, height, QImage::Format_RGB32);
    sheet.fill(Qt::white);
    QPainter painter(&sheet);
    int x = 0;
    for (const QImage& cell : cells) {
        painter.drawImage(x, 0, cell);
        x += cell.width();
    }
    painter.end();
    const QString path = savedTo(sheet.scaled(sheet.size() * 2), QStringLiteral("dropdown_styles.png"));
    EXPECT_FALSE(QImage(path).isNull());
}
