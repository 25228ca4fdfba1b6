#include <gtest/gtest.h>

#include <cstdio>

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QTest>

#include "controls/dropdown/base/ex_custom_dropdown.h"
#include "controls/grid/text/grid_text_test_settings.h"

using namespace dropdown;

// Renders money, float and hex edits with their labels in several places and
// with their border looks to a PNG file in the working folder (the build
// folder under ctest), for a person to look at.
TEST(DropDownEditGallery, NumberEditsWithLabelsAndBorders)
{
    grid_text_testing::FormatSettingsScope fs(u'.', u',');
    QWidget window;
    window.resize(560, 300);
    auto add = [&](TDropDownEditType kind, int16_t precision, QPoint at, TLabelPosition position,
                   const QString& caption) {
        auto* edit = new TExCustomDropDown(&window);
        edit->move(at);
        edit->resize(150, edit->height());
        edit->SetEditType(kind);
        edit->SetPrecision(precision);
        edit->SetLabelMargin(4);
        edit->SetLabelPosition(position);
        edit->SetLabelCaption(caption);
        return edit;
    };
    TExCustomDropDown* money = add(etMoney, 2, {110, 20}, lpLeftCenter, QStringLiteral("&Amount:"));
    money->SetPrefix(QStringLiteral("$ "));
    money->SetFloatValue(1234567.5);
    TExCustomDropDown* weight = add(etFloat, 3, {330, 40}, lpTopLeft, QStringLiteral("Weight"));
    weight->SetSuffix(QStringLiteral(" kg"));
    weight->SetText(QStringLiteral("12.5"));
    weight->SetBorderColor(0x000000C0);
    TExCustomDropDown* address = add(etHex, 0, {20, 100}, lpRightCenter, QStringLiteral("Address (hex)"));
    address->SetText(QStringLiteral("1fe0"));
    address->SetFocusBorderColor(0x00C06000);
    TExCustomDropDown* ratio = add(etFloat, -1, {110, 170}, lpBottomCenter, QStringLiteral("Ratio, centred below"));
    ratio->SetFloatValue(0.125);
    ratio->SetFlat(true);
    TExCustomDropDown* limit = add(etMoney, 0, {330, 120}, lpTopRight, QStringLiteral("Limit"));
    limit->SetIntValue(-250000);
    limit->setEnabled(false);
    TExCustomDropDown* count = add(etNumeric, 0, {330, 200}, lpLeftBottomLeft, QString());
    count->SetLabelMargin(0);
    count->SetLabelPosition(lpRightTop);
    count->SetLabelCaption(QStringLiteral("pieces"));
    count->SetIntValue(42);
    window.show();
    (void)QTest::qWaitForWindowExposed(&window, 1000);
    window.activateWindow();
    address->setFocus();
    address->deselect();
    QApplication::processEvents();

    const QImage image = window.grab().toImage();
    const QImage scaled = image.scaled(image.size() * 2);
    const QString path = QDir::current().absoluteFilePath(QStringLiteral("dropdown_number_edits.png"));
    EXPECT_TRUE(scaled.save(path)) << path.toStdString();
    std::printf("gallery: %s\n", qPrintable(path));
    EXPECT_EQ(money->text(), QStringLiteral("$ 1,234,567.50"));
    EXPECT_EQ(address->text(), QStringLiteral("1FE0"));
}
