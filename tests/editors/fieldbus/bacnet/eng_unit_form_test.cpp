// The engineering-unit picker: a unit chosen by category (keys on the two
// lists, then Select), the name shown for a preset code, and what each
// showing keeps.

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

#include "bacnet_editor_fixture.h"
#include "controls/button/lb_button.h"
#include "editors/fieldbus/bacnet/eng_unit_form.h"
#include "platform/modal_result.h"

namespace eng_unit_form_tests {

using bacnet::TFBACnet_Eng_Unit;
using bacnet_testing::BACnetEditorTest;

class UnitPickerTest : public BACnetEditorTest {
protected:
    void showActive()
    {
        show(picker);
        picker.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&picker));
    }
    // Walks a drop-down list from its current item with the arrow keys.
    static void walk(QComboBox* list, int steps)
    {
        list->setFocus();
        for (int i = 0; i < std::abs(steps); ++i)
            QTest::keyClick(list, steps > 0 ? Qt::Key_Down : Qt::Key_Up);
        QApplication::processEvents();
    }
    void chooseUnit(int category, int unit)
    {
        walk(picker.CB_Select_Type, category - picker.CB_Select_Type->currentIndex());
        walk(picker.CB_Select_Unit, unit - picker.CB_Select_Unit->currentIndex());
        QTest::mouseClick(picker.Btn_Select_Eng_Unit, Qt::LeftButton);
    }

    TFBACnet_Eng_Unit picker;
};

TEST_F(UnitPickerTest, AUnitChosenByCategoryGivesItsCodeAndName)
{
    EXPECT_EQ(picker.windowTitle(), QStringLiteral("BACnet Engineering Unit"));
    EXPECT_EQ(picker.CB_Select_Type->count(), 23);
    EXPECT_EQ(picker.CB_Select_Type->currentText(), QStringLiteral("Acceleration"));
    showActive();
    struct Case {
        int category;
        int unit;
        const char* listed;
        const char* code;
        const char* label;
    };
    const Case cases[] = {
        {22, 29, "per-mille", "207", "-> per-mille"},
        {1, 1, "square-centimeters", "116", "-> square-centimeters"},
        {3, 11, "ohms-meters", "172", "-> ohm-meters"},
        {0, 0, "meters-per-second-per-second", "166", "-> meters-per-second-per-second"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.listed);
        chooseUnit(c.category, c.unit);
        EXPECT_EQ(picker.CB_Select_Unit->currentText(), QString::fromLatin1(c.listed));
        EXPECT_EQ(picker.E_Selected_EU->text(), QString::fromLatin1(c.code));
        EXPECT_EQ(picker.Label5->text(), QString::fromLatin1(c.label));
    }
    // Choosing a category lists its units with the first selected.
    walk(picker.CB_Select_Type, 16 - picker.CB_Select_Type->currentIndex());
    EXPECT_EQ(picker.CB_Select_Unit->count(), 9);
    EXPECT_EQ(picker.CB_Select_Unit->currentText(), QStringLiteral("degrees-Celsius"));
    EXPECT_EQ(picker.E_Selected_EU->text(), QStringLiteral("166")) << "only Select takes a unit";
}

TEST_F(UnitPickerTest, APresetCodeShowsItsNameAndOkReturnsTheEditsTextUnchecked)
{
    const struct {
        const char* code;
        const char* label;
    } presets[] = {{"62", "-> degrees-Celsius"}, {"300", "-> unknown"}, {"abc", "-> unknown"}, {"", "-> unknown"}};
    for (const auto& p : presets) {
        picker.preset(QString::fromLatin1(p.code));
        EXPECT_EQ(picker.E_Selected_EU->text(), QString::fromLatin1(p.code));
        EXPECT_EQ(picker.Label5->text(), QString::fromLatin1(p.label));
    }

    picker.preset(QStringLiteral("62"));
    showActive();
    picker.E_Selected_EU->setText(QStringLiteral("999"));
    EXPECT_EQ(picker.Label5->text(), QStringLiteral("-> degrees-Celsius")) << "typing does not update the name";
    QTest::mouseClick(picker.Btn_OK, Qt::LeftButton);
    EXPECT_FALSE(picker.isVisible());
    EXPECT_EQ(picker.result(), platform::mrOk);
    EXPECT_EQ(picker.selectedCode(), QStringLiteral("999"));
}

TEST_F(UnitPickerTest, TheCategoryStaysFromOneShowingToTheNextWithItsFirstUnitSelected)
{
    showActive();
    chooseUnit(15, 4);
    EXPECT_EQ(picker.E_Selected_EU->text(), QStringLiteral("55"));
    QTest::mouseClick(picker.Btn_Cancel, Qt::LeftButton);
    EXPECT_EQ(picker.result(), platform::mrCancel);
    show(picker);
    EXPECT_EQ(picker.CB_Select_Type->currentText(), QStringLiteral("Pressure"));
    EXPECT_EQ(picker.CB_Select_Unit->currentIndex(), 0);
    EXPECT_EQ(picker.CB_Select_Unit->currentText(), QStringLiteral("pascals"));

    app::textTable().Lang_Texts[2308] = QStringLiteral("Einheit wählen");
    picker.Set_Lang();
    EXPECT_EQ(picker.Btn_Select_Eng_Unit->Caption(), QStringLiteral("Einheit wählen"));
}

}  // namespace eng_unit_form_tests
