#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QEnterEvent>
#include <QMenu>
#include <QTest>

#include "controls/grid/editors/edit_test_support.h"
#include "controls/grid/editors/esg_edit_btn.h"
#include "controls/grid/editors/grid_button_editors.h"
#include "controls/grid/text/grid_text_test_settings.h"
#include "platform/edit_mask.h"

using namespace grid;
using edit_testing::TestForm;

namespace edit_btn_tests {

TEST(EditBtnFilter, EachKindTakesItsCharacters)
{
    grid_text_testing::FormatSettingsScope formats(u'.', u',');
    using V = TEditBtnCharVerdict;
    struct Case {
        const char* name;
        TEditorType kind;
        const char* text;
        int caret;
        const char* selected;
        char16_t ch;
        bool ctrl;
        V expect;
    };
    const Case cases[] = {
        {"plain takes all", edEditBtn, "", 0, "", u'x', false, V::Accept},
        {"mask takes all", edMaskEditBtn, "", 0, "", u'?', false, V::Accept},
        {"numeric digit", edNumericEditBtn, "12", 2, "", u'3', false, V::Accept},
        {"numeric letter beeps", edNumericEditBtn, "12", 2, "", u'a', false, V::Beep},
        {"numeric minus at 0", edNumericEditBtn, "12", 0, "", u'-', false, V::Accept},
        {"numeric minus inside beeps", edNumericEditBtn, "12", 1, "", u'-', false, V::Beep},
        {"numeric second minus beeps", edNumericEditBtn, "-12", 0, "", u'-', false, V::Beep},
        {"numeric point beeps", edNumericEditBtn, "12", 2, "", u'.', false, V::Beep},
        {"numeric unit twin", edNumericUnitEditBtn, "1", 1, "", u'x', false, V::Beep},
        {"float first separator", edFloatEditBtn, "12", 2, "", u'.', false, V::Accept},
        {"float second separator dropped", edFloatEditBtn, "1.2", 3, "", u'.', false, V::Drop},
        {"float separator over the selected one", edFloatEditBtn, "1.2", 1, ".", u'.', false, V::Accept},
        {"float thousands dropped", edFloatEditBtn, "12", 2, "", u',', false, V::Drop},
        {"float minus inside beeps", edFloatEditBtn, "12", 1, "", u'-', false, V::Beep},
        {"float minus over selected minus", edFloatEditBtn, "-12", 1, "-", u'-', false, V::Accept},
        {"float letter dropped silently", edFloatEditBtn, "12", 2, "", u'a', false, V::Drop},
        {"float ctrl passes (Ctrl+V)", edFloatEditBtn, "12", 2, "", u'v', true, V::Accept},
        {"float unit twin", edFloatUnitEditBtn, "1.5", 3, "", u'.', false, V::Drop},
        {"other kinds drop", edNormal, "", 0, "", u'a', false, V::Drop},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(EditBtnCharVerdict(c.kind, QString::fromLatin1(c.text), c.caret, QString::fromLatin1(c.selected),
                                     QChar(c.ch), c.ctrl),
                  c.expect)
            << c.name;
    }
    EXPECT_EQ(EditBtnPasteText(QStringLiteral("12\r\n")), QStringLiteral("12"));
    EXPECT_EQ(EditBtnPasteText(QStringLiteral("1\r\n2\r\n")), QStringLiteral("1\r\n2\r\n")) << "two lines stay";
    EXPECT_EQ(EditBtnPasteText(QStringLiteral("12")), QStringLiteral("12"));
}

TEST(EditMask, ConfiguratorMasksBecomeQtInputMasks)
{
    grid_text_testing::FormatSettingsScope formats(u'.', u',', u'-');
    struct Case {
        const char* mask;
        const char* expect;
    };
    const Case cases[] = {
        {"", ""},
        {"!99/99/0000;1;_", "00-00-9999;_"},
        {"LLL-000;0; ", "AAA-999; "},
        {">aa<cc", ">nn<xx;_"},
        {"\\A00", "\\A99;_"},
        {"(999) 000-0000", "(000) 999-9999;_"},
        {"CC:99", "XX:00;_"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(platform::QtInputMask(QString::fromLatin1(c.mask)), QString::fromLatin1(c.expect)) << c.mask;
}

class EditBtnTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        edit = new TEsgEditBtn(form.window.get());
        edit->setGeometry(20, 20, 160, 24);
        edit->OnClickBtn = [this](QObject* sender) { clicks.push_back(sender); };
        ASSERT_TRUE(form.show(edit));
    }
    TestForm form;
    TEsgEditBtn* edit = nullptr;
    std::vector<QObject*> clicks;
};

TEST_F(EditBtnTest, F4AndTheButtonClick)
{
    EXPECT_EQ(edit->text(), QStringLiteral("0"));
    QTest::keyClick(edit, Qt::Key_F4, Qt::ControlModifier);
    QTest::keyClick(edit, Qt::Key_F4, Qt::AltModifier);
    EXPECT_TRUE(clicks.empty()) << "F4 with Control or Alt does not press the button";
    QTest::keyClick(edit, Qt::Key_F4);
    ASSERT_EQ(clicks.size(), 1u);
    EXPECT_EQ(clicks[0], edit) << "F4 passes the edit itself";
    // A press on the button released outside it still clicks.
    QWidget* button = edit->Button()->Button();
    QTest::mousePress(button, Qt::LeftButton, Qt::NoModifier, QPoint(3, 3));
    QTest::mouseRelease(button, Qt::LeftButton, Qt::NoModifier, QPoint(200, 200));
    ASSERT_EQ(clicks.size(), 2u);
    EXPECT_EQ(clicks[1], edit->Button()) << "the button passes the edit button";
    EXPECT_TRUE(edit->hasFocus());
    EXPECT_LE(edit->Button()->geometry().right(), edit->width());
}

TEST_F(EditBtnTest, DisabledEditorTakesNoTextButKeepsItsButton)
{
    edit->setText(QStringLiteral("ab"));
    edit->SetEditorEnabled(false);
    edit->setCursorPosition(2);
    QApplication::clipboard()->setText(QStringLiteral("pasted"));
    QTest::keyClicks(edit, QStringLiteral("xy"));
    QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
    QTest::keyClick(edit, Qt::Key_Backspace);
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(edit->text(), QStringLiteral("ab"));
    QTest::keyClick(edit, Qt::Key_F4);
    EXPECT_EQ(clicks.size(), 1u);
}

TEST(UnitEditBtn, TextAndUnitSplitsAtTheUnitThatEndsTheValue)
{
    TestForm form;
    auto* edit = new TEsgUnitEditBtn(form.window.get());
    edit->SetUnits({QStringLiteral("km"), QStringLiteral("m"), QStringLiteral("mm")});
    edit->SetTextAndUnit(QStringLiteral("10 mm"));
    EXPECT_EQ(edit->text(), QStringLiteral("10 ")) << "m occurs first inside mm, so mm is taken";
    EXPECT_EQ(edit->UnitID(), QStringLiteral("mm"));
    EXPECT_EQ(edit->TextAndUnit(), QStringLiteral("10 mm"));
    edit->SetTextAndUnit(QStringLiteral("4 km"));
    EXPECT_EQ(edit->text(), QStringLiteral("4 "));
    EXPECT_EQ(edit->UnitID(), QStringLiteral("km"));
    edit->SetTextAndUnit(QStringLiteral("7 s"));
    EXPECT_EQ(edit->TextAndUnit(), QStringLiteral("4 km")) << "no listed unit: text and unit stay";
    // The list order decides: a unit that ends the value is taken before a longer one listed later.
    edit->SetUnits({QStringLiteral("m"), QStringLiteral("km")});
    edit->SetTextAndUnit(QStringLiteral("4 km"));
    EXPECT_EQ(edit->UnitID(), QStringLiteral("m"));
    EXPECT_EQ(edit->text(), QStringLiteral("4 k"));
    EXPECT_EQ(edit->UnitSpace(), 20);
    EXPECT_TRUE(edit->alignment() & Qt::AlignRight);
}

TEST(UnitEditBtn, TheMenuOffersTheUnitsAndTellsOnlyAChange)
{
    TestForm form;
    auto* edit = new TEsgUnitEditBtn(form.window.get());
    edit->setGeometry(20, 20, 160, 24);
    edit->SetUnits({QStringLiteral("V"), QStringLiteral("mV")});
    edit->SetUnitID(QStringLiteral("V"));
    std::vector<QString> changes;
    int buttonClicks = 0;
    edit->OnUnitChanged = [&](QObject*, const QString& unit) { changes.push_back(unit); };
    edit->OnClickBtn = [&](QObject*) { ++buttonClicks; };
    ASSERT_TRUE(form.show(edit));
    QTest::keyClick(edit, Qt::Key_F4);
    EXPECT_EQ(buttonClicks, 1);
    ASSERT_NE(edit->UnitMenu(), nullptr);
    const QList<QAction*> actions = edit->UnitMenu()->actions();
    ASSERT_EQ(actions.size(), 2);
    EXPECT_EQ(actions[1]->text(), QStringLiteral("mV"));
    actions[0]->trigger();
    EXPECT_TRUE(changes.empty()) << "the current unit chosen again tells nothing";
    edit->UnitMenu()->close();
    QTest::keyClick(edit, Qt::Key_F4);
    edit->UnitMenu()->actions()[1]->trigger();
    ASSERT_EQ(changes.size(), 1u);
    EXPECT_EQ(changes[0], QStringLiteral("mV"));
    edit->UnitChosen(3);
    edit->UnitChosen(0);
    EXPECT_EQ(edit->UnitID(), QStringLiteral("mV")) << "numbers outside the list are ignored";
}

TEST(UnitEditBtn, AUnitWiderThanItsSpaceIsShownWhole)
{
    TestForm form;
    auto* edit = new TEsgUnitEditBtn(form.window.get());
    edit->setGeometry(20, 20, 200, 24);
    ASSERT_TRUE(form.show(edit));
    edit->SetUnitID(QStringLiteral("V"));
    const int narrow = edit->textMargins().right();
    const QString wide = QStringLiteral("kWh/m\u00b2");
    const int wideWidth = edit->fontMetrics().horizontalAdvance(wide);
    ASSERT_GT(wideWidth, 20);
    edit->SetUnitID(wide);
    // The text ends left of the whole unit, which ends 3 pixels before the button.
    EXPECT_EQ(edit->textMargins().right() - narrow, wideWidth + 2 - 20);
    edit->SetUnitID(QString());
    EXPECT_EQ(edit->textMargins().right(), narrow) << "the reserved space stays the least";
}

TEST(UnitEditBtn, TheButtonPaintsInItsOwnersColours)
{
    TestForm form;
    auto* edit = new TEsgUnitEditBtn(form.window.get());
    edit->setGeometry(20, 20, 160, 24);
    TEsgEditButton* owner = edit->Button();
    owner->ButtonColor = clYellow;
    owner->ButtonColorHot = clLime;
    owner->ButtonTextColor = clRed;  // stored only: the caption stays black
    ASSERT_TRUE(form.show(edit));
    TExSpeedButton* button = owner->Button();
    const QPoint corner(1, 1);
    EXPECT_EQ(button->grab().toImage().pixelColor(corner), toQColor(clYellow));
    EXPECT_TRUE(button->Flat()) << "own colours make the button flat";
    QEnterEvent enter(QPointF(2, 2), QPointF(2, 2), QPointF(2, 2));
    QApplication::sendEvent(button, &enter);
    ASSERT_TRUE(button->Hot());
    const QImage hot = button->grab().toImage();
    EXPECT_EQ(hot.pixelColor(corner), toQColor(clLime));
    bool red = false;
    for (int y = 0; y < hot.height(); ++y)
        for (int x = 0; x < hot.width(); ++x) red = red || hot.pixelColor(x, y) == QColor(Qt::red);
    EXPECT_FALSE(red);
}

}  // namespace edit_btn_tests
