#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QLineEdit>
#include <QMouseEvent>
#include <QStyle>
#include <QTest>
#include <QWheelEvent>

#include "controls/grid/editors/esg_combo.h"
#include "controls/grid/editors/edit_test_support.h"

using namespace grid;
using edit_testing::TestForm;

class FlatComboTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        combo = new TEsgComboBox(form.window.get());
        combo->setGeometry(120, 60, 150, 24);
        for (const char* item : {"Apple", "Apricot", "Banana", "Cherry"}) combo->Items().Add(QString::fromLatin1(item));
        ASSERT_TRUE(form.show(combo));
    }
    void TearDown() override
    {
        if (combo->DroppedDown()) combo->hidePopup();
    }
    // The colour of the painted control at (x, y).
    QColor pixel(int x, int y) { return combo->grab().toImage().pixelColor(x, y); }

    TestForm form{QSize(400, 200)};
    TEsgComboBox* combo = nullptr;
};

TEST_F(FlatComboTest, StartsEditableWithThePlatformLook)
{
    EXPECT_EQ(combo->Style(), csDropDown);
    EXPECT_TRUE(combo->isEditable());
    EXPECT_EQ(combo->ButtonWidth(), combo->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, combo) + 2);
    EXPECT_EQ(combo->LabelMargin(), 4);
    EXPECT_EQ(combo->LabelPosition(), lpLeftTop);
    EXPECT_TRUE(combo->FlatParentColor());
    EXPECT_TRUE(combo->DisabledBorder());
    EXPECT_EQ(combo->ButtonColor(), clNone);
    EXPECT_EQ(combo->BorderColor(), clNone);
    EXPECT_EQ(combo->Color(), clWindow);
    EXPECT_FALSE(combo->UsesOwnPainting());
    EXPECT_EQ(combo->ComboLabel(), nullptr) << "the label is made on the first caption";
}

TEST_F(FlatComboTest, ButtonWidthTakesOnly14To32)
{
    combo->SetButtonWidth(20);
    for (int width : {13, 33, 0, 100}) {
        combo->SetButtonWidth(width);
        EXPECT_EQ(combo->ButtonWidth(), 20) << width;
    }
    combo->SetButtonWidth(14);
    EXPECT_EQ(combo->ButtonWidth(), 14);
    combo->SetButtonWidth(32);
    EXPECT_EQ(combo->ButtonWidth(), 32);
    EXPECT_EQ(combo->ButtonRect(), QRect(combo->width() - 32, 0, 32, combo->height()));
}

TEST_F(FlatComboTest, ItemsAndSelectItem)
{
    auto items = combo->Items();
    EXPECT_EQ(items.Count(), 4);
    EXPECT_EQ(items.IndexOf(QStringLiteral("banana")), 2) << "the list look-up ignores case";
    EXPECT_EQ(items.IndexOf(QStringLiteral("Ban")), -1) << "whole texts only";
    const int i = items.AddObject(QStringLiteral("Date"), QVariant(42));
    EXPECT_EQ(items.Objects(i).toInt(), 42);
    EXPECT_FALSE(items.Objects(0).isValid());

    combo->SelectItem(QStringLiteral("Cherry"));
    EXPECT_EQ(combo->ItemIndex(), 3);
    combo->SelectItem(QStringLiteral("Mango"));
    EXPECT_EQ(combo->ItemIndex(), 3) << "a text that is no item leaves the selection";
    combo->SetText(QStringLiteral("typed"));
    items.Clear();
    EXPECT_EQ(items.Count(), 0);
    EXPECT_EQ(combo->Text(), QStringLiteral("typed")) << "clearing the list keeps the typed text";
}

TEST_F(FlatComboTest, EditableStyleKeepsTypedTextAsTyped)
{
    combo->SetText(QString());
    QTest::keyClicks(combo, QStringLiteral("Ap"));
    EXPECT_EQ(combo->Text(), QStringLiteral("Ap")) << "no completion of its own: the grid completes";
    QTest::keyClick(combo, Qt::Key_Return);
    EXPECT_EQ(combo->Items().Count(), 4) << "Enter adds nothing to the list";

    combo->SetStyle(csDropDownList);
    EXPECT_FALSE(combo->isEditable());
    combo->SetText(QStringLiteral("banana"));
    EXPECT_EQ(combo->ItemIndex(), 2);
    EXPECT_EQ(combo->Text(), QStringLiteral("Banana"));
}

TEST_F(FlatComboTest, ButtonOpensTheListAndClosingFiresOnDropUp)
{
    int dropUps = 0;
    combo->OnDropUp = [&](QObject* sender) {
        EXPECT_EQ(sender, combo);
        ++dropUps;
    };
    combo->SetButtonWidth(32);  // wider than the style's own arrow
    QTest::mouseClick(combo, Qt::LeftButton, Qt::NoModifier, QPoint(combo->width() - 30, combo->height() / 2));
    EXPECT_TRUE(combo->DroppedDown());
    combo->SetDroppedDown(false);
    EXPECT_FALSE(combo->DroppedDown());
    EXPECT_EQ(dropUps, 1);
    combo->SetDroppedDown(false);
    EXPECT_EQ(dropUps, 1) << "only a list that was open closes";
}

TEST_F(FlatComboTest, EditableListOpensOnTheTypedItem)
{
    combo->SetItemIndex(0);
    combo->SetText(QStringLiteral("banana"));
    combo->SetDroppedDown(true);
    EXPECT_EQ(combo->view()->currentIndex().row(), 2);
    EXPECT_EQ(combo->Text(), QStringLiteral("banana")) << "the typed text stays as typed";
}

TEST_F(FlatComboTest, ListDropsDownBelowTheControl)
{
    for (TComboStyle style : {csDropDown, csDropDownList}) {
        combo->SetStyle(style);
        combo->SetItemIndex(3);
        combo->SetDroppedDown(true);
        const QWidget* list = combo->view()->window();
        EXPECT_GE(list->mapToGlobal(QPoint(0, 0)).y(), combo->mapToGlobal(QPoint(0, combo->height())).y() - 1)
            << int(style);
        combo->SetDroppedDown(false);
    }
}

TEST_F(FlatComboTest, DropWidthWidensTheOpenedList)
{
    combo->SetDropWidth(0);
    EXPECT_EQ(combo->DropWidth(), 0);
    combo->SetDropWidth(260);
    combo->SetDroppedDown(true);
    EXPECT_GE(combo->view()->width(), 260);
}

TEST_F(FlatComboTest, HoverOverTheButtonIsTracked)
{
    const auto moveTo = [&](int x) {
        const QPointF at(x, combo->height() / 2);
        QMouseEvent move(QEvent::MouseMove, at, combo->mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(combo, &move);
    };
    QEnterEvent enter(QPointF(1, 1), QPointF(1, 1), combo->mapToGlobal(QPointF(1, 1)));
    QApplication::sendEvent(combo, &enter);
    EXPECT_TRUE(combo->MouseInControl());
    moveTo(combo->width() - 4);
    EXPECT_TRUE(combo->ButtonHover());
    moveTo(combo->width() - combo->ButtonWidth());
    EXPECT_FALSE(combo->ButtonHover()) << "the button begins right of Width - ButtonWidth";
    moveTo(combo->width() - combo->ButtonWidth() + 1);
    EXPECT_TRUE(combo->ButtonHover());
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(combo, &leave);
    EXPECT_FALSE(combo->ButtonHover());
    EXPECT_FALSE(combo->MouseInControl());
}

TEST_F(FlatComboTest, FlatControlTakesItsParentsColourWhileDisabled)
{
    QPalette pal = form.window->palette();
    pal.setColor(QPalette::Window, QColor(200, 220, 240));
    form.window->setPalette(pal);
    combo->SetFlatParentColor(false);
    combo->SetFlat(true);
    combo->SetColor(clYellow);
    combo->setEnabled(false);
    EXPECT_EQ(combo->palette().color(QPalette::Base), QColor(200, 220, 240));
    combo->setEnabled(true);
    EXPECT_EQ(combo->Color(), clYellow);
    EXPECT_EQ(combo->palette().color(QPalette::Base), toQColor(clYellow));

    combo->SetFlat(false);
    combo->SetFlatParentColor(true);
    combo->SetFlat(true);
    EXPECT_EQ(combo->Color(), ColorFromQColor(QColor(200, 220, 240))) << "a flat control takes its parent's colour";
}

TEST_F(FlatComboTest, FocusColourWhileFocusedThenTheRecordedColour)
{
    combo->SetColor(clAqua);
    combo->Init();
    combo->SetFocusColor(clYellow);
    form.other->setFocus();
    combo->setFocus(Qt::TabFocusReason);
    EXPECT_TRUE(combo->HasFocus());
    EXPECT_EQ(combo->palette().color(QPalette::Base), toQColor(clYellow));
    form.other->setFocus(Qt::TabFocusReason);
    EXPECT_FALSE(combo->HasFocus());
    EXPECT_EQ(combo->Color(), clAqua);
    EXPECT_EQ(combo->palette().color(QPalette::Base), toQColor(clAqua));
}

TEST_F(FlatComboTest, OwnPaintingOnlyForFlatLooksAndSetColours)
{
    EXPECT_FALSE(combo->UsesOwnPainting());
    combo->SetFlat(true);
    EXPECT_TRUE(combo->UsesOwnPainting());
    combo->SetFlat(false);
    combo->SetButtonColor(clRed);
    EXPECT_TRUE(combo->UsesOwnPainting());
    combo->SetButtonColor(clNone);
    combo->SetBorderColor(clBlue);
    EXPECT_TRUE(combo->UsesOwnPainting());
    combo->SetIsVista(true);
    EXPECT_FALSE(combo->UsesOwnPainting()) << "with IsVista only a button colour paints";
    combo->SetIsVista(false);
    combo->SetBorderColor(clNone);
    combo->SetFocusBorderColor(clGreen);
    form.other->setFocus();
    EXPECT_FALSE(combo->UsesOwnPainting());
    combo->setFocus();
    EXPECT_TRUE(combo->UsesOwnPainting());
    combo->setEnabled(false);
    combo->SetDisabledBorder(false);
    EXPECT_TRUE(combo->UsesOwnPainting());
}

TEST_F(FlatComboTest, ColoursOfButtonBorderAndFlatLineArePainted)
{
    combo->SetButtonWidth(20);
    combo->SetButtonColor(clLime);
    combo->SetButtonTextColor(clRed);
    combo->SetBorderColor(clBlue);
    const int buttonLeft = combo->width() - 20 + 2;  // (CW - BW + 3) - 1
    EXPECT_EQ(pixel(buttonLeft + 2, 4), toQColor(clLime));
    EXPECT_EQ(pixel(buttonLeft + 7, 2 + 8), toQColor(clRed)) << "the arrow";
    EXPECT_EQ(pixel(0, 0), toQColor(clBlue));
    EXPECT_EQ(pixel(combo->width() - 1, combo->height() - 1), toQColor(clBlue));

    combo->SetButtonColor(clNone);
    combo->SetBorderColor(clNone);
    combo->SetFlat(true);
    combo->SetFlatLineColor(clRed);
    form.other->setFocus();
    EXPECT_EQ(pixel(5, combo->height() - 1), toQColor(clRed));
}

TEST_F(FlatComboTest, WheelStepsThroughTheItems)
{
    combo->SetStyle(csDropDownList);
    combo->SetItemIndex(1);
    QWheelEvent wheel(QPointF(20, 10), combo->mapToGlobal(QPointF(20, 10)), QPoint(), QPoint(0, -120), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(combo, &wheel);
    EXPECT_EQ(combo->ItemIndex(), 2);
}

TEST(FlatComboLabel, PositionsBesideTheControl)
{
    const QRect control(100, 50, 80, 21);  // L 100, T 50, W 80, H 21
    const QSize label(40, 16);
    const int textWidth = 36, margin = 4;
    struct Case {
        TLabelPosition position;
        QPoint expected;
    };
    const Case cases[] = {
        {lpLeftTop, {100 - 36 - 4, 50}},        {lpLeftCenter, {60, 50 + 2}},     {lpLeftBottom, {60, 50 + 21 - 16}},
        {lpTopLeft, {100, 50 - 16 - 4}},        {lpBottomLeft, {100, 50 + 21 + 4}}, {lpLeftTopLeft, {96, 50}},
        {lpLeftCenterLeft, {96, 52}},           {lpLeftBottomLeft, {96, 55}},     {lpTopCenter, {100 + 20, 30}},
        {lpBottomCenter, {120, 75}},            {lpRightTop, {184, 50}},          {lpRightCenter, {184, 52}},
        {lpRighBottom, {184, 55}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(int(c.position));
        EXPECT_EQ(LabelTopLeft(c.position, control, label, textWidth, margin), c.expected);
    }
    // Half differences are truncated toward zero, also when negative.
    EXPECT_EQ(LabelTopLeft(lpLeftCenter, QRect(0, 0, 10, 19), QSize(5, 16), 5, 0).y(), 1);
    EXPECT_EQ(LabelTopLeft(lpTopCenter, QRect(0, 0, 10, 10), QSize(13, 5), 13, 0).x(), -1);
}

TEST_F(FlatComboTest, LabelFollowsTheControl)
{
    combo->SetLabelCaption(QStringLiteral("&Fruit"));
    QLabel* label = combo->ComboLabel();
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->parentWidget(), form.window.get());
    const int textWidth = QFontMetrics(label->font()).horizontalAdvance(QStringLiteral("Fruit"));
    EXPECT_EQ(label->x(), combo->x() - textWidth - 4);
    EXPECT_EQ(label->y(), combo->y());
    combo->move(150, 100);
    EXPECT_EQ(label->x(), 150 - textWidth - 4);
    combo->SetLabelPosition(lpTopCenter);
    EXPECT_EQ(label->x(), 150 + (combo->width() - label->width()) / 2);
    EXPECT_EQ(label->y(), 100 - label->height() - 4);
    combo->setEnabled(false);
    EXPECT_FALSE(label->isEnabled());
    combo->SetLabelAlwaysEnabled(true);
    EXPECT_TRUE(label->isEnabled());
    combo->setVisible(false);
    EXPECT_FALSE(label->isVisible());
    combo->SetFocusLabel(true);
    combo->setVisible(true);
    combo->setEnabled(true);
    combo->setFocus();
    EXPECT_TRUE(label->font().bold());
    form.other->setFocus();
    EXPECT_FALSE(label->font().bold());
}

TEST(FlatComboButton, ThemedStateFollowsMouseAndList)
{
    struct Case {
        bool enabled, mouseDown, dropped, hover;
        TComboButtonState expected;
    };
    const Case cases[] = {
        {false, true, true, true, TComboButtonState::Disabled},
        {true, true, true, false, TComboButtonState::Pressed},
        {true, true, false, true, TComboButtonState::Normal},   // held, list closed: not pressed
        {true, false, false, true, TComboButtonState::Hot},
        {true, true, false, true, TComboButtonState::Normal},   // hot only with no button held
        {true, false, true, true, TComboButtonState::Normal},   // and the list closed
        {true, false, false, false, TComboButtonState::Normal},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.enabled << c.mouseDown << c.dropped << c.hover);
        EXPECT_EQ(ComboButtonState(c.enabled, c.mouseDown, c.dropped, c.hover), c.expected);
    }
}

TEST(FlatComboDropDown, WidthFitsTheWidestItem)
{
    const QList<int> ten = {50, 60, 200, 10, 10, 10, 10, 10, 10, 10};
    EXPECT_EQ(DropDownWidthForItems(100, ten, 8), 225) << "a list that scrolls keeps room for the bar";
    EXPECT_EQ(DropDownWidthForItems(100, ten.mid(0, 5), 8), 208);
    EXPECT_EQ(DropDownWidthForItems(100, {90}, 8), 100);
    EXPECT_EQ(DropDownWidthForItems(100, {96}, 8), 104);
}
