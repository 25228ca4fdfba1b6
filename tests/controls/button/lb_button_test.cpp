#include <gtest/gtest.h>

#include <QAction>
#include <QDialog>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "button_test_support.h"
#include "controls/button/lb_button.h"
#include "support/scripted_dialogs.h"

using namespace button;
using namespace button_testing;

namespace {

class LbButtonTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        form = makeForm();
        button = new TLbButton(form.get());
        button->setGeometry(10, 10, 110, 28);
        button->SetCaption(QStringLiteral("Apply"));
        button->OnClick = [this](QObject* sender) {
            ++clicks;
            lastSender = sender;
        };
    }

    void show() { showAndActivate(*form); }

    std::unique_ptr<QWidget> form;
    TLbButton* button = nullptr;  // owned by the form
    int clicks = 0;
    QObject* lastSender = nullptr;
};

TEST_F(LbButtonTest, StartsAsAPlainButton)
{
    TLbButton fresh;
    EXPECT_EQ(fresh.size(), QSize(100, 23));
    EXPECT_EQ(fresh.Alignment(), taCenter);
    EXPECT_EQ(fresh.Style(), bsNormal);
    EXPECT_EQ(fresh.Kind(), bkCustom);
    EXPECT_EQ(fresh.Color(), clBtnFace);
    EXPECT_EQ(fresh.LightColor(), TColor(0x00FFFFFF));
    EXPECT_EQ(fresh.ShadowColor(), TColor(0x00808080));
    EXPECT_EQ(fresh.ColorWhenDown(), clNone);
    EXPECT_EQ(fresh.HotTrackColor(), clNone);
    EXPECT_EQ(fresh.NumGlyphs(), 0);
    EXPECT_EQ(fresh.ModalResult(), 0);
    EXPECT_FALSE(fresh.Default() || fresh.Cancel() || fresh.Flat() || fresh.WordWrap() || fresh.SlowDecease());
    EXPECT_EQ(fresh.focusPolicy(), Qt::StrongFocus);
    EXPECT_FALSE(fresh.IsFading());
}

TEST_F(LbButtonTest, KindBringsPictureCaptionAndModalResult)
{
    struct Case {
        TLbButtonKind kind;
        int modalResult;
        const char* resource;
        const char* caption;
    };
    const Case cases[] = {
        {bkOK, 1, "LBOK", "OK"},           {bkCancel, 2, "LBCANCEL", "Abbrechen"},
        {bkHelp, 0, "LBHELP", "Hilfe"},    {bkYes, 6, "LBYES", "Ja"},
        {bkNo, 7, "LBNO", "Nein"},         {bkClose, 0, "LBCLOSE", "Schließen"},
        {bkAbort, 3, "LBABORT", "Abbrechen"}, {bkRetry, 4, "LBRETRY", "Wiederholen"},
        {bkIgnore, 5, "LBIGNORE", "Ignorieren"}, {bkAll, 12, "LBALL", "Alle"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.resource);
        button->SetKind(c.kind);
        EXPECT_EQ(button->Kind(), c.kind);
        EXPECT_EQ(button->ModalResult(), c.modalResult);
        EXPECT_EQ(button->Caption(), QString::fromUtf8(c.caption));
        EXPECT_EQ(button->NumGlyphs(), 2);  // also for the 36 x 19 "LBALL"
        EXPECT_EQ(button->Glyph(), LoadButtonBitmap(QString::fromLatin1(c.resource)));
    }
}

TEST_F(LbButtonTest, CustomKindKeepsThePresetAndOtherWritesEndThePreset)
{
    button->SetKind(bkYes);
    button->SetKind(bkCustom);
    EXPECT_EQ(button->Caption(), QStringLiteral("Ja"));
    EXPECT_EQ(button->ModalResult(), 6);
    EXPECT_FALSE(button->Glyph().isNull());

    button->SetKind(bkNo);
    button->SetModalResult(2);
    EXPECT_EQ(button->Kind(), bkCustom);
    EXPECT_EQ(button->Caption(), QStringLiteral("Nein"));

    button->SetKind(bkNo);
    button->SetGlyph(QImage());
    EXPECT_EQ(button->Kind(), bkCustom);
    EXPECT_EQ(button->NumGlyphs(), 0);
}

TEST_F(LbButtonTest, NumberOfGlyphsComesFromTheStripShape)
{
    struct Case {
        QSize size;
        int expected;
    };
    const Case cases[] = {{{18, 18}, 1}, {{72, 18}, 4}, {{36, 18}, 2}, {{40, 18}, 2}, {{10, 18}, 0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.size.width() << "x" << c.size.height());
        QImage strip(c.size, QImage::Format_ARGB32);
        strip.fill(Qt::red);
        button->SetGlyph(strip);
        EXPECT_EQ(button->NumGlyphs(), c.expected);
    }
    button->SetGlyph(QImage());
    EXPECT_EQ(button->NumGlyphs(), 0);
}

TEST_F(LbButtonTest, ColourPresetsSetTheLookAndAreNotKept)
{
    struct Case {
        TLbColorStyle preset;
        TColor color, light, shadow, down, hot, font;
        bool flat;
        TLbButtonStyle style;
    };
    const Case cases[] = {
        {lcsGold, 0x0000C0C0, 0x0000FFFF, 0x00008080, clNone, 0x0000DFDF, 0x00000000, false, bsModern},
        {lcsChrome, 0x00C0C0C0, 0x00FFFFFF, 0x00808080, clNone, clNone, 0x00000000, false, bsModern},
        {lcsBlue, 0x00FF8000, 0x00FFFF00, 0x00FF0000, clNone, clNone, 0x00000000, false, bsModern},
        {lcsRed, 0x000000FF, 0x00C0C0FF, 0x000000C0, clNone, clNone, 0x00000000, false, bsModern},
        {lcsUltraFlat1, clBtnFace, 0x00B59284, 0x00B59284, 0x00B59284, 0x00DED3D6, 0x00000000, true, bsNormal},
        {lcsUltraFlat2, clBtnFace, 0x00000000, 0x00000000, 0x0024DABC, 0x008CF6E4, 0x00000000, true, bsNormal},
        {lcsUltraFlatXP, 0x00D1D8DB, 0x00B59284, 0x00B59285, 0x00B59285, 0x00D2BDB6, 0x00000000, true, bsNormal},
        {lcsAqua, 0x00ECCE94, 0x00FCE6D4, 0x00000000, clNone, clNone, 0x00000000, false, bsModern},
        {lcsDefault, clBtnFace, 0x00FFFFFF, 0x00808080, clNone, clNone, 0x00000000, false, bsNormal},
        {lcsQuicken, 0x00603000, 0x00C0C0C0, 0x00C0C0C0, 0x00AD6529, 0x00CEAE9C, 0x00FFFFFF, false, bsQuicken},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(int(c.preset));
        button->SetColorStyle(c.preset);
        EXPECT_EQ(button->ColorStyle(), lcsCustom);
        EXPECT_EQ(button->Color(), c.color);
        EXPECT_EQ(button->LightColor(), c.light);
        EXPECT_EQ(button->ShadowColor(), c.shadow);
        EXPECT_EQ(button->ColorWhenDown(), c.down);
        EXPECT_EQ(button->HotTrackColor(), c.hot);
        EXPECT_EQ(button->FontColor(), c.font);
        EXPECT_EQ(button->Flat(), c.flat);
        EXPECT_EQ(button->Style(), c.style);
    }
    // lcsCustom changes nothing.
    button->SetColorStyle(lcsCustom);
    EXPECT_EQ(button->Style(), bsQuicken);
    EXPECT_EQ(button->Color(), TColor(0x00603000));
}

TEST_F(LbButtonTest, ClickNeedsPressAndReleaseOverTheButton)
{
    show();
    const QPoint inside(20, 10);
    QTest::mouseClick(button, Qt::LeftButton, {}, inside);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(lastSender, button);
    EXPECT_TRUE(button->hasFocus());
    EXPECT_FALSE(button->IsDown());

    // Released elsewhere: abandoned.
    QTest::mousePress(button, Qt::LeftButton, {}, inside);
    EXPECT_TRUE(button->IsDown());
    QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(200, 100));
    EXPECT_EQ(clicks, 1);
    EXPECT_FALSE(button->IsDown());

    // Dragged off (the face comes up) and back on (down again), then released.
    QTest::mousePress(button, Qt::LeftButton, {}, inside);
    QTest::mouseMove(button, QPoint(150, 10));
    EXPECT_FALSE(button->IsDown());
    QTest::mouseMove(button, inside);
    EXPECT_TRUE(button->IsDown());
    QTest::mouseRelease(button, Qt::LeftButton, {}, inside);
    EXPECT_EQ(clicks, 2);

    // Other mouse buttons do not press it.
    QTest::mouseClick(button, Qt::RightButton, {}, inside);
    EXPECT_EQ(clicks, 2);
}

TEST_F(LbButtonTest, DisabledButtonNeitherClicksNorShowsPressed)
{
    show();
    QTest::mousePress(button, Qt::LeftButton, {}, QPoint(20, 10));
    ASSERT_TRUE(button->IsDown());
    button->setEnabled(false);
    EXPECT_FALSE(button->IsDown());
    QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(20, 10));
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(20, 10));
    button->Click();
    EXPECT_EQ(clicks, 0);
    EXPECT_FALSE(button->IsDown());
}

TEST_F(LbButtonTest, SpaceAndEnterOnTheFocusedButtonClickOnRelease)
{
    show();
    button->setFocus();
    for (Qt::Key key : {Qt::Key_Space, Qt::Key_Return, Qt::Key_Enter}) {
        SCOPED_TRACE(int(key));
        const int before = clicks;
        QTest::keyPress(button, key);
        EXPECT_TRUE(button->IsDown());
        EXPECT_EQ(clicks, before);
        QTest::keyRelease(button, key);
        EXPECT_EQ(clicks, before + 1);
        EXPECT_FALSE(button->IsDown());
    }
    // A release without a press on this button (the key went down elsewhere).
    QTest::keyRelease(button, Qt::Key_Space);
    EXPECT_EQ(clicks, 3);
}

TEST_F(LbButtonTest, AcceleratorOfTheCaptionClicksTheButton)
{
    button->SetCaption(QStringLiteral("&Apply"));
    show();
    auto* edit = new QLineEdit(form.get());
    edit->move(10, 100);
    edit->show();
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_A, Qt::AltModifier);
    EXPECT_EQ(clicks, 1);
}

TEST_F(LbButtonTest, ModalResultEndsTheModalDialog)
{
    QDialog dialog;
    dialog.resize(300, 100);
    auto* ok = new TLbButton(&dialog);
    ok->SetKind(bkOK);
    auto* cancel = new TLbButton(&dialog);
    cancel->SetKind(bkCancel);
    cancel->move(120, 0);
    dialog.open();
    (void)QTest::qWaitForWindowExposed(&dialog);
    QTest::mouseClick(cancel, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), 2);

    dialog.open();
    (void)QTest::qWaitForWindowExposed(&dialog);
    ok->Click();
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), 1);
}

// A form with an edit, a push button and a radio button, and a Default and a
// Cancel button.
class DialogKeyTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        form = makeForm(QSize(400, 200));
        edit = new QLineEdit(form.get());
        edit->setGeometry(10, 10, 100, 20);
        push = new QPushButton(QStringLiteral("Other"), form.get());
        push->setGeometry(10, 40, 100, 25);
        radio = new QRadioButton(QStringLiteral("Choice"), form.get());
        radio->setGeometry(10, 70, 100, 25);
        okButton = new TLbButton(form.get());
        okButton->setGeometry(150, 150, 110, 28);
        okButton->SetDefault(true);
        okButton->OnClick = [this](QObject*) { ++okClicks; };
        cancelButton = new TLbButton(form.get());
        cancelButton->setGeometry(270, 150, 110, 28);
        cancelButton->SetCancel(true);
        cancelButton->OnClick = [this](QObject*) { ++cancelClicks; };
        showAndActivate(*form);
    }

    // Sends the key to the focused control; true when someone took it.
    bool press(QWidget* focus, Qt::Key key, Qt::KeyboardModifiers modifiers = {})
    {
        focus->setFocus();
        QKeyEvent event(QEvent::KeyPress, key, modifiers);
        QApplication::sendEvent(focus, &event);
        return event.isAccepted();
    }

    std::unique_ptr<QWidget> form;
    QLineEdit* edit = nullptr;
    QPushButton* push = nullptr;
    QRadioButton* radio = nullptr;
    TLbButton* okButton = nullptr;
    TLbButton* cancelButton = nullptr;
    int okClicks = 0;
    int cancelClicks = 0;
};

TEST_F(DialogKeyTest, EnterAndEscapeGoToDefaultAndCancel)
{
    EXPECT_TRUE(press(edit, Qt::Key_Return));
    EXPECT_EQ(okClicks, 1);
    EXPECT_TRUE(press(edit, Qt::Key_Enter, Qt::KeypadModifier));
    EXPECT_EQ(okClicks, 2);
    EXPECT_TRUE(press(edit, Qt::Key_Escape));
    EXPECT_EQ(cancelClicks, 1);
    EXPECT_FALSE(okButton->IsDown());
    EXPECT_FALSE(cancelButton->IsDown());
}

TEST_F(DialogKeyTest, EscapeWithAModifierIsNotTaken)
{
    for (Qt::KeyboardModifier modifier : {Qt::ShiftModifier, Qt::ControlModifier, Qt::AltModifier}) {
        SCOPED_TRACE(int(modifier));
        EXPECT_FALSE(press(edit, Qt::Key_Escape, modifier));
    }
    EXPECT_EQ(cancelClicks, 0);
}

TEST_F(DialogKeyTest, AFocusedButtonAnswersTheKeysItself)
{
    EXPECT_FALSE(press(push, Qt::Key_Escape));
    EXPECT_EQ(cancelClicks, 0);
    // A focused radio button is no button.
    EXPECT_TRUE(press(radio, Qt::Key_Escape));
    EXPECT_EQ(cancelClicks, 1);
    EXPECT_TRUE(press(radio, Qt::Key_Return));
    EXPECT_EQ(okClicks, 1);
    // The focused Cancel button leaves Escape alone (it is a button too), and
    // Enter on it presses it rather than the Default button.
    EXPECT_FALSE(press(cancelButton, Qt::Key_Escape));
    EXPECT_TRUE(press(cancelButton, Qt::Key_Return));
    EXPECT_EQ(okClicks, 1);
    EXPECT_TRUE(cancelButton->IsDown());
}

TEST_F(DialogKeyTest, HiddenOrDisabledButtonsDoNotClick)
{
    okButton->setEnabled(false);
    cancelButton->setEnabled(false);
    // Enter is consumed by the Default button even so; Escape is not.
    EXPECT_TRUE(press(edit, Qt::Key_Return));
    EXPECT_FALSE(press(edit, Qt::Key_Escape));
    okButton->setEnabled(true);
    okButton->hide();
    EXPECT_TRUE(press(edit, Qt::Key_Return));
    EXPECT_EQ(okClicks, 0);
    EXPECT_EQ(cancelClicks, 0);
    okButton->show();
    EXPECT_FALSE(okButton->IsDown());
}

TEST_F(DialogKeyTest, WithoutDefaultOrCancelTheKeysPassOn)
{
    okButton->SetDefault(false);
    cancelButton->SetCancel(false);
    EXPECT_FALSE(press(edit, Qt::Key_Return));
    EXPECT_FALSE(press(edit, Qt::Key_Escape));
    EXPECT_EQ(okClicks + cancelClicks, 0);
}

TEST_F(LbButtonTest, PointerEnteringAndLeavingSetsTheHotTrackStep)
{
    show();
    int entered = 0, left = 0;
    button->OnMouseEnter = [&](QObject*) { ++entered; };
    button->OnMouseExit = [&](QObject*) { ++left; };
    sendEnter(*button);
    EXPECT_TRUE(button->IsCursorOnButton());
    EXPECT_EQ(button->HotTrackStep(), 8);
    sendLeave(*button);
    EXPECT_FALSE(button->IsCursorOnButton());
    EXPECT_EQ(button->HotTrackStep(), 0);
    EXPECT_FALSE(button->IsFading());
    EXPECT_EQ(entered, 1);
    EXPECT_EQ(left, 1);

    button->setEnabled(false);
    sendEnter(*button);
    sendLeave(*button);
    EXPECT_EQ(button->HotTrackStep(), 0);
    EXPECT_EQ(entered, 1);
    EXPECT_EQ(left, 1);
}

// A colour well inside the face, away from caption and frame.
QColor faceSample(TLbButton& button) { return grabImage(button).pixelColor(button.width() / 2, 3); }

TEST_F(LbButtonTest, HotTrackColourFadesOutInEightTicks)
{
    button->SetColor(kFormsFace);
    button->SetHotTrackColor(clYellow);
    button->SetSlowDecease(true);
    show();
    const QColor face = tcolor(kFormsFace);
    const QColor hot = tcolor(clYellow);
    EXPECT_EQ(faceSample(*button), face);
    sendEnter(*button);
    EXPECT_EQ(faceSample(*button), hot);
    sendLeave(*button);
    EXPECT_TRUE(button->IsFading());
    EXPECT_EQ(button->HotTrackStep(), 8);
    for (int step = 7; step >= 0; --step) {
        SCOPED_TRACE(step);
        button->FadeStep();
        EXPECT_EQ(button->HotTrackStep(), step);
        EXPECT_EQ(faceSample(*button), HotTrackBlendColor(face, hot, step));
    }
    EXPECT_FALSE(button->IsFading());
}

TEST_F(LbButtonTest, FadeRunsOnItsOwnTimer)
{
    button->SetHotTrackColor(clYellow);
    button->SetSlowDecease(true);
    show();
    sendEnter(*button);
    sendLeave(*button);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !button->IsFading(); }, 2000));
    EXPECT_EQ(button->HotTrackStep(), 0);

    // Re-entering during a fade returns to full colour; the fade goes on.
    sendEnter(*button);
    sendLeave(*button);
    button->FadeStep();
    button->FadeStep();
    sendEnter(*button);
    EXPECT_EQ(button->HotTrackStep(), 8);
    EXPECT_TRUE(button->IsFading());

    // Switching the fade off ends it at once.
    button->SetSlowDecease(false);
    EXPECT_FALSE(button->IsFading());
    EXPECT_EQ(button->HotTrackStep(), 0);
}

TEST_F(LbButtonTest, ClickOpensThePopUpMenuBelowTheButton)
{
    QMenu menu;
    menu.addAction(QStringLiteral("First"));
    button->SetPopupMenu(&menu);
    show();
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(20, 10));
    EXPECT_EQ(clicks, 1);
    EXPECT_TRUE(menu.isVisible());
    const QPoint corner = button->mapToGlobal(QPoint(0, button->height()));
    EXPECT_NEAR(menu.pos().y(), corner.y(), 2);
    menu.hide();
}

TEST_F(LbButtonTest, LinkedActionGivesItsLookAndIsTriggeredByAClick)
{
    QAction action(QStringLiteral("&Run"));
    QPixmap icon(16, 16);
    icon.fill(Qt::blue);
    action.setIcon(QIcon(icon));
    int triggered = 0;
    QObject::connect(&action, &QAction::triggered, [&] { ++triggered; });
    button->SetAction(&action);
    show();
    EXPECT_EQ(button->Caption(), QStringLiteral("&Run"));
    EXPECT_EQ(button->NumGlyphs(), 1);
    EXPECT_EQ(button->Glyph().size(), QSize(16, 16));
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(20, 10));
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(triggered, 1);

    action.setEnabled(false);
    EXPECT_FALSE(button->isEnabled());
    action.setText(QStringLiteral("Stop"));
    EXPECT_EQ(button->Caption(), QStringLiteral("Stop"));
}

TEST_F(LbButtonTest, AnErrorOfTheClickHandlerDoesNotEscape)
{
    testing_support::ScriptedDialogs recorder;
    button->OnClick = [](QObject*) { throw std::runtime_error("Cannot write the file"); };
    show();
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(20, 10));
    EXPECT_EQ(recorder.texts(), QStringList{QStringLiteral("Cannot write the file")});
    EXPECT_FALSE(button->IsDown());
}

}  // namespace
