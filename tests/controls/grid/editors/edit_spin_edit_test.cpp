#include <gtest/gtest.h>

#include <limits>

#include <QClipboard>
#include <QEnterEvent>
#include <QStyle>
#include <QTest>
#include <QTimer>

#include "controls/grid/editors/esg_spin_edit.h"
#include "controls/grid/editors/edit_test_support.h"
#include "controls/grid/text/grid_text_test_settings.h"

using namespace grid;
using edit_testing::BeepCounter;
using edit_testing::TestForm;
using grid_text_testing::FormatSettingsScope;

class SpinEditTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        platform::formatSettings().LongTimeFormat = QStringLiteral("hh:nn:ss");
        spin = new TEsgSpinEdit(form.window.get());
        spin->setGeometry(10, 10, 120, 24);
        ASSERT_TRUE(form.show(spin));
    }
    // Replaces the text and puts the caret at `caret` (the end by default).
    void setText(const QString& text, int caret = -1)
    {
        spin->setText(text);
        spin->setCursorPosition(caret < 0 ? int(text.size()) : caret);
    }
    void key(Qt::Key k, Qt::KeyboardModifiers modifiers = Qt::NoModifier) { QTest::keyClick(spin, k, modifiers); }

    FormatSettingsScope settings{u'.', u',', u'/', QStringLiteral("dd/mm/yyyy"), u':'};
    TestForm form;
    TEsgSpinEdit* spin = nullptr;
};

TEST_F(SpinEditTest, StartsAsAWholeNumberSpinFrom0To100)
{
    EXPECT_EQ(spin->text(), QStringLiteral("0"));
    EXPECT_EQ(spin->SpinType(), sptNormal);
    EXPECT_EQ(spin->MinValue(), 0);
    EXPECT_EQ(spin->MaxValue(), 100);
    EXPECT_EQ(spin->Increment(), 1);
    EXPECT_DOUBLE_EQ(spin->IncrementFloat(), 0.1);
    EXPECT_DOUBLE_EQ(spin->IncrementFloatPage(), 1.0);
    EXPECT_TRUE(spin->EditorEnabled());
    EXPECT_TRUE(spin->ShowSeconds());
}

TEST_F(SpinEditTest, TextThatIsNoValueReadsAsTheTypesFallback)
{
    spin->SetMinValue(5);
    spin->SetMinFloatValue(2.5);
    setText(QString());
    EXPECT_EQ(spin->Value(), 0) << "an empty text reads 0";
    setText(QStringLiteral("12a"));
    EXPECT_EQ(spin->Value(), 5);
    EXPECT_DOUBLE_EQ(spin->FloatValue(), 2.5) << "a float falls back to MinFloatValue, not MinValue";
    EXPECT_DOUBLE_EQ(spin->TimeValue(), 0.0);
    setText(QStringLiteral("0"));
    EXPECT_NEAR(spin->DateValue(), NowDateTime(), 1.0 / 24) << "a date text 0 reads now";
    spin->SetMinDateValue(DateTimeFromQt(QDate(2020, 1, 1)));
    setText(QStringLiteral("no date"));
    EXPECT_DOUBLE_EQ(spin->DateValue(), DateTimeFromQt(QDate(2020, 1, 1)));
}

TEST_F(SpinEditTest, ArrowAndPageKeysStepWithinTheLimits)
{
    spin->SetValue(98);
    key(Qt::Key_Up);
    EXPECT_EQ(spin->text(), QStringLiteral("99"));
    key(Qt::Key_PageUp);
    key(Qt::Key_Up);
    EXPECT_EQ(spin->text(), QStringLiteral("100")) << "the maximum holds";
    spin->SetIncrement(5);
    key(Qt::Key_Down);
    key(Qt::Key_PageDown);
    EXPECT_EQ(spin->Value(), 90);
    spin->SetValue(-30);
    EXPECT_EQ(spin->text(), QStringLiteral("0")) << "written values are clamped";

    spin->SetSpinType(sptFloat);
    spin->SetFloatValue(1.0);
    key(Qt::Key_Up);
    EXPECT_EQ(spin->text(), QStringLiteral("1.1"));
    key(Qt::Key_PageUp);
    EXPECT_EQ(spin->text(), QStringLiteral("2.1")) << "Page Up steps by IncrementFloatPage";
    key(Qt::Key_PageDown);
    key(Qt::Key_PageDown);
    key(Qt::Key_PageDown);
    EXPECT_EQ(spin->text(), QStringLiteral("0"));
}

TEST_F(SpinEditTest, StepsSaturateInsteadOfWrappingAtTheIntegerLimits)
{
    constexpr int kMax = std::numeric_limits<int>::max();
    constexpr int kMin = std::numeric_limits<int>::min();
    spin->SetMinValue(0);
    spin->SetMaxValue(0);  // no limits
    spin->SetIncrement(10);
    spin->SetValue(kMax - 3);
    key(Qt::Key_Up);
    EXPECT_EQ(spin->Value(), kMax);
    key(Qt::Key_Up);
    EXPECT_EQ(spin->Value(), kMax);
    spin->SetValue(kMin + 3);
    key(Qt::Key_Down);
    EXPECT_EQ(spin->Value(), kMin);
}

TEST_F(SpinEditTest, TypedCharactersAreFilteredWithABeep)
{
    BeepCounter beeps;
    setText(QString());
    QTest::keyClicks(spin, QStringLiteral("1a2-"));
    EXPECT_EQ(spin->text(), QStringLiteral("12"));
    EXPECT_EQ(beeps.count(), 2);
    spin->setCursorPosition(0);
    QTest::keyClick(spin, '-');
    EXPECT_EQ(spin->text(), QStringLiteral("-12"));

    spin->SetSpinType(sptFloat);
    spin->SetPrecision(2);
    setText(QStringLiteral("1.23"));
    QTest::keyClick(spin, '4');
    QTest::keyClick(spin, '.');
    EXPECT_EQ(spin->text(), QStringLiteral("1.23")) << "a third decimal and a second separator are refused";
    spin->setCursorPosition(0);
    QTest::keyClick(spin, '5');
    EXPECT_EQ(spin->text(), QStringLiteral("51.23"));
}

TEST_F(SpinEditTest, PasteShortcutIsRefusedInAWholeNumberSpinOnly)
{
    BeepCounter beeps;
    QApplication::clipboard()->setText(QStringLiteral("7"));
    setText(QStringLiteral("1"));
    key(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(spin->text(), QStringLiteral("1"));
    EXPECT_EQ(beeps.count(), 1);
    spin->SetSpinType(sptFloat);
    setText(QStringLiteral("1"));
    key(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(spin->text(), QStringLiteral("17"));
}

TEST_F(SpinEditTest, WithTheEditorOffOnlyStepsChangeTheValue)
{
    BeepCounter beeps;
    spin->SetEditorEnabled(false);
    spin->SetValue(42);
    EXPECT_EQ(spin->selectedText(), QStringLiteral("42")) << "written values are selected";
    spin->setCursorPosition(2);
    QTest::keyClick(spin, '7');
    key(Qt::Key_Backspace);
    spin->setCursorPosition(0);
    key(Qt::Key_Delete);
    QApplication::clipboard()->setText(QStringLiteral("9"));
    key(Qt::Key_Insert, Qt::ShiftModifier);  // paste
    spin->selectAll();
    key(Qt::Key_Delete, Qt::ShiftModifier);  // cut
    EXPECT_EQ(spin->text(), QStringLiteral("42"));
    EXPECT_EQ(beeps.count(), 2) << "the character and Backspace beep";
    key(Qt::Key_Up);
    EXPECT_EQ(spin->text(), QStringLiteral("43"));
    EXPECT_EQ(spin->selectedText(), QStringLiteral("43"));
    QTest::mouseClick(spin->Button()->DownButton(), Qt::LeftButton);
    EXPECT_EQ(spin->text(), QStringLiteral("42"));
}

TEST_F(SpinEditTest, LeavingTheEditShowsTheNearestLimit)
{
    setText(QString());
    QTest::keyClicks(spin, QStringLiteral("150"));
    form.other->setFocus(Qt::TabFocusReason);
    QApplication::processEvents();
    EXPECT_EQ(spin->text(), QStringLiteral("100"));
    spin->SetMinValue(7);
    spin->SetMaxValue(7);
    spin->setFocus();
    setText(QStringLiteral("150"));
    form.other->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(spin->text(), QStringLiteral("150")) << "equal limits clamp nothing";
}

TEST_F(SpinEditTest, ButtonsStepAndPassTheFocusToTheEdit)
{
    form.other->setFocus();
    spin->SetValue(10);
    QTest::mouseClick(spin->Button()->UpButton(), Qt::LeftButton);
    EXPECT_EQ(spin->Value(), 11);
    EXPECT_TRUE(spin->hasFocus());
    QTest::mouseClick(spin->Button()->DownButton(), Qt::LeftButton);
    QTest::mouseClick(spin->Button()->DownButton(), Qt::LeftButton);
    EXPECT_EQ(spin->Value(), 9);
    // A press dragged off the button and released outside it does not click.
    auto* up = spin->Button()->UpButton();
    QTest::mousePress(up, Qt::LeftButton);
    QMouseEvent move(QEvent::MouseMove, QPointF(100, 100), up->mapToGlobal(QPointF(100, 100)), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(up, &move);
    QTest::mouseRelease(up, Qt::LeftButton, Qt::NoModifier, QPoint(100, 100));
    EXPECT_EQ(spin->Value(), 9);
}

TEST_F(SpinEditTest, HeldButtonRepeatsAfter400MsThenEvery100Ms)
{
    auto* up = spin->Button()->UpButton();
    spin->SetValue(0);
    QTest::mousePress(up, Qt::LeftButton);
    ASSERT_NE(up->RepeatTimer(), nullptr);
    EXPECT_TRUE(up->RepeatTimer()->isActive());
    EXPECT_EQ(up->RepeatTimer()->interval(), 400);
    up->RepeatTimerExpired();
    EXPECT_EQ(up->RepeatTimer()->interval(), 100);
    EXPECT_EQ(spin->Value(), 1);
    QTest::mouseRelease(up, Qt::LeftButton);
    EXPECT_EQ(spin->Value(), 2) << "the release over the button steps once more";
    EXPECT_FALSE(up->RepeatTimer()->isActive());

    // Held for about a second: repeats at 400, 500, ... 1000 ms, then the release.
    spin->SetValue(0);
    QTest::mousePress(up, Qt::LeftButton);
    QTest::qWait(1050);
    QTest::mouseRelease(up, Qt::LeftButton);
    EXPECT_GE(spin->Value(), 3) << "repeats while held (a busy machine may fire late)";
    EXPECT_LE(spin->Value(), 9);
}

TEST_F(SpinEditTest, DateSpinStepsTheFieldUnderTheCaret)
{
    spin->SetSpinType(sptDate);
    spin->SetDateValue(DateTimeFromQt(QDate(2024, 1, 31)));
    EXPECT_EQ(spin->text(), QStringLiteral("31/01/2024"));
    spin->setCursorPosition(4);  // day first: the middle field is the month
    key(Qt::Key_Up);
    EXPECT_EQ(spin->text(), QStringLiteral("29/02/2024"));
    EXPECT_EQ(spin->cursorPosition(), 4) << "the caret stays where it was";
    spin->setCursorPosition(8);
    key(Qt::Key_Up);
    EXPECT_EQ(spin->text(), QStringLiteral("28/02/2025")) << "29 February a year on is 28 February";
    spin->setCursorPosition(0);
    key(Qt::Key_Down);
    EXPECT_EQ(spin->text(), QStringLiteral("27/02/2025"));

    spin->SetMinDateValue(DateTimeFromQt(QDate(2025, 1, 1)));
    spin->SetMaxDateValue(DateTimeFromQt(QDate(2025, 2, 27)));
    key(Qt::Key_Up);
    EXPECT_EQ(spin->text(), QStringLiteral("27/02/2025")) << "the date limits hold";
}

TEST_F(SpinEditTest, TimeSpinWrapsAroundMidnight)
{
    spin->SetSpinType(sptTime);
    spin->SetShowSeconds(false);
    spin->SetTimeValue(DateTimeFromQt(QDate(1899, 12, 30), QTime(0, 30)));
    EXPECT_EQ(spin->text(), QStringLiteral("0:30"));
    spin->setCursorPosition(0);
    key(Qt::Key_Down);
    EXPECT_EQ(spin->text(), QStringLiteral("23:30"));
    spin->setCursorPosition(0);
    key(Qt::Key_Up);
    key(Qt::Key_Up);
    EXPECT_EQ(spin->text(), QStringLiteral("1:30"));
    spin->SetShowSeconds(true);
    spin->SetIncrementSeconds(15);
    spin->SetTimeValue(spin->TimeValue());
    EXPECT_EQ(spin->text(), QStringLiteral("01:30:00"));
    spin->setCursorPosition(7);
    key(Qt::Key_Up);
    EXPECT_EQ(spin->text(), QStringLiteral("01:30:15"));
}

TEST_F(SpinEditTest, TypeAndPrecisionChangesReformatTheText)
{
    setText(QStringLiteral("1.5"));
    spin->SetSpinType(sptFloat);
    EXPECT_EQ(spin->text(), QStringLiteral("1.5"));
    spin->SetPrecision(2);
    EXPECT_EQ(spin->text(), QStringLiteral("1.50"));
    spin->SetPrecision(0);
    EXPECT_EQ(spin->text(), QStringLiteral("1.5"));
    spin->SetSpinType(sptNormal);
    EXPECT_EQ(spin->text(), QStringLiteral("0")) << "1.5 is no whole number: MinValue";
}

TEST_F(SpinEditTest, KeypadDecimalKeyTypesTheLocaleSeparator)
{
    FormatSettingsScope comma(u',', u'.');
    BeepCounter beeps;
    spin->SetSpinType(sptFloat);
    spin->SetExcelStyleDecimalSeparator(true);
    setText(QStringLiteral("1"));
    QTest::keyClick(spin, Qt::Key_Period, Qt::KeypadModifier);
    EXPECT_EQ(spin->text(), QStringLiteral("1,"));
    setText(QStringLiteral("2"));
    QTest::keyClick(spin, '.');
    EXPECT_EQ(spin->text(), QStringLiteral("2")) << "the main keyboard's full stop is the thousand separator here";
    EXPECT_EQ(beeps.count(), 1);
}

TEST_F(SpinEditTest, ReturnIsTabMovesTheFocusOn)
{
    spin->SetReturnIsTab(true);
    setText(QStringLiteral("5"));
    key(Qt::Key_Return);
    QApplication::processEvents();
    EXPECT_TRUE(form.other->hasFocus());
}

TEST_F(SpinEditTest, ReadOnlyEditOnlyBeeps)
{
    BeepCounter beeps;
    spin->setReadOnly(true);
    spin->SetValue(3);
    key(Qt::Key_Up);
    spin->DecreaseValue(true);
    EXPECT_EQ(spin->text(), QStringLiteral("3"));
    EXPECT_EQ(beeps.count(), 2);
}

TEST_F(SpinEditTest, ButtonsSitAtTheRightEdgeAndTheHeightFitsTheFont)
{
    auto* button = spin->Button();
    const int frame = spin->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, spin);
    EXPECT_EQ(button->geometry().right(), spin->width() - 1 - frame);
    EXPECT_EQ(button->width(), 15);
    const auto* up = button->UpButton();
    const auto* down = button->DownButton();
    EXPECT_EQ(up->y(), 0);
    EXPECT_EQ(down->y(), up->height() - 1) << "the two buttons overlap by one pixel";
    EXPECT_EQ(down->geometry().bottom(), button->height() - 1);

    spin->resize(120, 5);
    EXPECT_EQ(spin->height(), spin->GetMinHeight());

    spin->SetDirection(spHorizontal);
    EXPECT_EQ(button->width(), 20);
    EXPECT_EQ(button->UpButton()->ButtonDirection(), bdRight);
    EXPECT_EQ(button->DownButton()->ButtonDirection(), bdLeft);
    EXPECT_LT(button->DownButton()->x(), button->UpButton()->x());
    QTest::mouseClick(button->UpButton(), Qt::LeftButton);
    EXPECT_EQ(spin->Value(), 1);
}

TEST_F(SpinEditTest, SpinButtonTakesSpaceAndArrowsWhenItHasTheFocus)
{
    auto* button = spin->Button();
    int ups = 0, downs = 0;
    button->OnUpClick = [&](QObject* sender) { EXPECT_EQ(sender, button); ++ups; };
    button->OnDownClick = [&](QObject*) { ++downs; };
    button->setFocusPolicy(Qt::StrongFocus);
    button->setFocus();
    QTest::keyClick(button, Qt::Key_Space);
    QTest::keyClick(button, Qt::Key_Down);
    QTest::keyClick(button, Qt::Key_Space);
    QTest::keyClick(button, Qt::Key_Up);
    EXPECT_EQ(ups, 2);
    EXPECT_EQ(downs, 2);
    EXPECT_EQ(button->FocusedButton(), button->UpButton());
    EXPECT_TRUE(button->UpButton()->TimeBtnState() & tbFocusRect);
}

TEST_F(SpinEditTest, ColouredButtonsPaintTheirFillAndArrow)
{
    auto* button = spin->Button();
    button->SetButtonColor(clLime);
    button->SetButtonColorHot(clYellow);
    auto* up = button->UpButton();
    QImage face = up->grab().toImage();
    EXPECT_EQ(face.pixelColor(1, up->height() - 1), toQColor(clLime));
    EXPECT_EQ(face.pixelColor(6, 3), QColor(Qt::black)) << "the up arrow";
    QEnterEvent enter(QPointF(2, 2), QPointF(2, 2), up->mapToGlobal(QPointF(2, 2)));
    QApplication::sendEvent(up, &enter);
    ASSERT_TRUE(up->HasMouse());
    face = up->grab().toImage();
    EXPECT_EQ(face.pixelColor(1, up->height() - 1), toQColor(clYellow)) << "hot";
}

TEST_F(SpinEditTest, EnteringTheEditSelectsItsText)
{
    spin->SetValue(55);
    form.other->setFocus();
    spin->deselect();
    spin->setFocus(Qt::OtherFocusReason);
    EXPECT_EQ(spin->selectedText(), QStringLiteral("55"));
    spin->SetAutoSelect(false);
    form.other->setFocus();
    spin->deselect();
    spin->setFocus(Qt::OtherFocusReason);
    EXPECT_TRUE(spin->selectedText().isEmpty());
}
