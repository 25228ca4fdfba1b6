#include <gtest/gtest.h>

#include <QApplication>
#include <QFontMetrics>
#include <QLabel>
#include <QTest>

#include "controls/dropdown/base/dropdown_button.h"
#include "controls/dropdown/base/ex_custom_dropdown.h"
#include "controls/dropdown/dropdown_test_support.h"

using namespace dropdown;
using namespace dropdown_testing;

TEST(DropDownLabel, PlacesByPosition)
{
    // An edit at (100, 50), 200 x 21; a label 60 x 15 with a 60-pixel
    // caption, 4 pixels away.
    const QRect edit(100, 50, 200, 21);
    struct Case {
        TLabelPosition position;
        QPoint expected;
    } cases[] = {
        {lpLeftTop, {36, 50}},         {lpLeftCenter, {36, 53}},      {lpLeftBottom, {36, 56}},
        {lpTopLeft, {100, 31}},        {lpBottomLeft, {100, 75}},     {lpLeftTopLeft, {96, 50}},
        {lpLeftCenterLeft, {96, 53}},  {lpLeftBottomLeft, {96, 56}},  {lpTopCenter, {170, 31}},
        {lpBottomCenter, {170, 75}},   {lpRightTop, {304, 50}},       {lpRightCenter, {304, 53}},
        {lpRighBottom, {304, 56}},     {lpTopRight, {240, 31}},       {lpBottomRight, {240, 75}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(int(c.position));
        EXPECT_EQ(LabelPlace(c.position, edit, 60, QSize(60, 15), 4), c.expected);
    }
    // A label wider than the edit is centred over it, reaching out on both sides.
    EXPECT_EQ(LabelPlace(lpTopCenter, edit, 300, QSize(300, 15), 0), QPoint(50, 35));
    EXPECT_EQ(LabelPlace(lpTopCenter, edit, 201, QSize(201, 15), 0), QPoint(100, 35));
    // Taller labels are centred the same way; halves round toward zero.
    EXPECT_EQ(LabelPlace(lpLeftCenter, edit, 10, QSize(10, 31), 0), QPoint(90, 45));
    EXPECT_EQ(LabelPlace(lpLeftCenter, edit, 10, QSize(10, 24), 0), QPoint(90, 49));
    EXPECT_EQ(LabelPlace(lpLeftCenter, edit, 10, QSize(10, 14), 0), QPoint(90, 53));
}

TEST(DropDownLabel, FollowsTheEdit)
{
    DropDownHost host;
    TExCustomDropDown& edit = *host.Edit;
    edit.move(120, 60);
    edit.SetLabelMargin(4);
    edit.SetLabelCaption(QStringLiteral("Weight:"));
    QLabel* label = edit.Label();
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->parentWidget(), &host.Window);
    EXPECT_EQ(label->buddy(), &edit);
    const int width = QFontMetrics(label->font()).horizontalAdvance(QStringLiteral("Weight:"));
    EXPECT_EQ(label->width(), width);
    EXPECT_EQ(label->geometry().topLeft(), QPoint(120 - width - 4, 60));
    EXPECT_TRUE(label->isVisible());

    edit.move(150, 70);
    EXPECT_EQ(label->geometry().topLeft(), QPoint(150 - width - 4, 70));
    edit.SetLabelPosition(lpRightTop);
    edit.resize(100, edit.height());
    EXPECT_EQ(label->geometry().topLeft(), QPoint(150 + 100 + 4, 70));
    edit.SetLabelPosition(lpBottomLeft);
    EXPECT_EQ(label->geometry().topLeft(), QPoint(150, 70 + edit.height() + 4));

    // Hidden and shown with the edit, not with the window around both.
    edit.hide();
    EXPECT_TRUE(label->isHidden());
    edit.show();
    EXPECT_FALSE(label->isHidden());
    host.Window.hide();
    host.Window.show();
    EXPECT_TRUE(label->isVisible());

    // An empty caption keeps the label; hiding the edit leaves it alone then.
    edit.SetLabelCaption(QString());
    EXPECT_EQ(edit.Label(), label);
    EXPECT_TRUE(edit.LabelCaption().isEmpty());
    edit.hide();
    EXPECT_FALSE(label->isHidden());
}

TEST(DropDownLabel, WithoutAParent)
{
    auto edit = std::make_unique<TExCustomDropDown>();
    EXPECT_TRUE(edit->LabelCaption().isEmpty());
    edit->SetLabelCaption(QStringLiteral("Free"));
    QPointer<QLabel> label = edit->Label();
    ASSERT_TRUE(label);
    EXPECT_EQ(label->parentWidget(), nullptr);
    EXPECT_FALSE(label->isVisible());
    const QPoint at = label->pos();
    // A parent given to the edit later is not the label's.
    QWidget window;
    edit->setParent(&window);
    edit->move(200, 100);
    EXPECT_EQ(label->parentWidget(), nullptr);
    EXPECT_EQ(label->pos(), at);
    // The label goes with the edit.
    edit.reset();
    EXPECT_FALSE(label);
}

TEST(DropDownLabel, FontLookAndEnabledState)
{
    DropDownHost host;
    TExCustomDropDown& edit = *host.Edit;
    platform::TFont font(QFont(QStringLiteral("DejaVu Sans"), 14), clRed);
    edit.SetLabelFont(font);
    edit.SetLabelTransparent(true);
    edit.SetLabelCaption(QStringLiteral("&Amount"));
    QLabel& label = *edit.Label();
    EXPECT_EQ(label.font().pointSize(), 14);
    EXPECT_EQ(label.palette().color(QPalette::WindowText), toQColor(clRed));
    EXPECT_FALSE(label.autoFillBackground());
    // The ampersand marks the shortcut and takes no room.
    EXPECT_EQ(label.width(), QFontMetrics(label.font()).horizontalAdvance(QStringLiteral("Amount")));

    // The edit's own font once the label takes the parent's.
    edit.setFont(QFont(QStringLiteral("DejaVu Sans"), 20));
    edit.SetLabelParentFont(true);
    EXPECT_EQ(label.font().pointSize(), 20);
    edit.SetLabelFont(platform::TFont(QFont(QStringLiteral("DejaVu Sans"), 9)));  // ignored meanwhile
    EXPECT_EQ(edit.LabelFont().pointSize(), 14);

    // At the end of setting up, a disabled edit disables its label, unless
    // the label is always enabled.
    edit.setEnabled(false);
    edit.Loaded();
    EXPECT_FALSE(label.isEnabled());
    label.setEnabled(true);
    edit.SetLabelAlwaysEnabled(true);
    edit.Loaded();
    EXPECT_TRUE(label.isEnabled());
}

TEST(DropDownLabel, ClicksReachTheEvents)
{
    DropDownHost host;
    TExCustomDropDown& edit = *host.Edit;
    edit.move(100, 20);
    edit.SetLabelCaption(QStringLiteral("Click"));
    int clicks = 0, doubles = 0;
    edit.OnLabelClick = [&](QObject* sender) {
        EXPECT_EQ(sender, &edit);
        ++clicks;
    };
    edit.OnLabelDblClick = [&](QObject*) { ++doubles; };
    QTest::mouseClick(edit.Label(), Qt::LeftButton, {}, QPoint(3, 3));
    EXPECT_EQ(clicks, 1);
    QTest::mouseDClick(edit.Label(), Qt::LeftButton, {}, QPoint(3, 3));
    EXPECT_EQ(doubles, 1);
}

namespace {

TColor resolved(TColor color) { return ColorFromQColor(toQColor(color)); }

// The edit as the screen shows it, focused or not.
QImage paintedEdit(DropDownHost& host, bool focused)
{
    if (focused)
        host.Edit->setFocus();
    else
        host.Next->setFocus();
    QApplication::processEvents();
    return host.Edit->grab().toImage();
}

}  // namespace

TEST(DropDownBorder, ColoursByState)
{
    const TColor red = 0x000000FF, blue = 0x00FF0000;
    struct Case {
        const char* name;
        TColor border;
        TColor focusBorder;
        TColor unfocused;  // the outer pixel; clNone: the line edit's own frame
        TColor focused;
    } cases[] = {
        {"border colour", red, clNone, red, red},
        {"both colours", red, blue, red, blue},
        {"focus colour only", clNone, blue, clNone, blue},
        {"no colours", clNone, clNone, clNone, clNone},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        DropDownHost host;
        host.Edit->SetBorderColor(c.border);
        host.Edit->SetFocusBorderColor(c.focusBorder);
        const QImage unfocused = paintedEdit(host, false);
        const QImage focused = paintedEdit(host, true);
        for (const auto& [image, expected] : {std::pair{unfocused, c.unfocused}, std::pair{focused, c.focused}}) {
            const TColor corner = PixelAt(image, 0, 0);
            const TColor side = PixelAt(image, image.width() / 2, image.height() - 1);
            if (expected == clNone) {
                EXPECT_NE(corner, red);
                EXPECT_NE(corner, blue);
            } else {
                EXPECT_EQ(corner, expected);
                EXPECT_EQ(side, expected);
                // One pixel wide.
                EXPECT_NE(PixelAt(image, image.width() / 2, image.height() - 2), expected);
            }
        }
    }
}

TEST(DropDownBorder, DisabledAndFlatLooks)
{
    DropDownHost host;
    TExCustomDropDown& edit = *host.Edit;
    const TColor parent = ColorFromQColor(host.Window.palette().color(host.Window.backgroundRole()));

    edit.setEnabled(false);
    QImage image = edit.grab().toImage();
    EXPECT_EQ(PixelAt(image, 0, 0), clSilver);
    EXPECT_EQ(PixelAt(image, 5, image.height() - 1), clSilver);
    // Without DisabledBorder: the frame vanishes in the parent's colour, two pixels deep.
    edit.SetDisabledBorder(false);
    image = edit.grab().toImage();
    EXPECT_EQ(PixelAt(image, 0, 0), parent);
    EXPECT_EQ(PixelAt(image, 1, 1), parent);
    edit.setEnabled(true);

    // Flat, neither focused nor under the mouse: the same.
    edit.SetFlat(true);
    image = paintedEdit(host, false);
    EXPECT_EQ(PixelAt(image, 0, 0), parent);
    EXPECT_EQ(PixelAt(image, 1, 1), parent);
    EXPECT_FALSE(edit.Button()->SpeedButton()->Focused());
    // Under the mouse: a sunken edge with a button-face line inside, and the
    // button shows the focus.
    QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), edit.mapToGlobal(QPointF(5, 5)));
    QApplication::sendEvent(&edit, &enter);
    EXPECT_TRUE(edit.Hot());
    EXPECT_TRUE(edit.Button()->SpeedButton()->Focused());
    image = edit.grab().toImage();
    EXPECT_EQ(PixelAt(image, 0, 0), resolved(clBtnShadow));
    EXPECT_EQ(PixelAt(image, image.width() - 1, image.height() - 1), resolved(clBtnHighlight));
    EXPECT_EQ(PixelAt(image, 1, 1), resolved(clBtnFace));
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(&edit, &leave);
    EXPECT_FALSE(edit.Hot());
    // Focused counts as hot.
    image = paintedEdit(host, true);
    EXPECT_EQ(PixelAt(image, 0, 0), resolved(clBtnShadow));
}

TEST(DropDownBorder, FocusedNonEditableTextIsHighlighted)
{
    DropDownHost host;
    TExCustomDropDown& edit = *host.Edit;
    edit.SetText(QStringLiteral("Blue"));
    edit.SetEditorEnabled(false);
    QImage image = paintedEdit(host, true);
    EXPECT_EQ(PixelAt(image, 2, 2), clBlack);  // the block's outline
    EXPECT_EQ(PixelAt(image, 3, 3), resolved(clHighlight));
    const int right = edit.width() - edit.DropDownButtonWidth() - 2;
    EXPECT_EQ(PixelAt(image, right - 1, 3), resolved(clHighlight));
    // Not without the focus, nor without FocusDraw, nor while editable.
    image = paintedEdit(host, false);
    EXPECT_NE(PixelAt(image, 3, 3), resolved(clHighlight));
    edit.SetFocusDraw(false);
    image = paintedEdit(host, true);
    EXPECT_NE(PixelAt(image, 3, 3), resolved(clHighlight));
    edit.SetFocusDraw(true);
    edit.SetEditorEnabled(true);
    edit.deselect();
    image = paintedEdit(host, true);
    edit.deselect();
    image = edit.grab().toImage();
    EXPECT_NE(PixelAt(image, 3, 3), resolved(clHighlight));
}
