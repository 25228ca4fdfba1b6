// What the user sees of the windows: the frame buttons of fixed-size forms,
// the main window's Tab order, and texts that must fit their place (about
// box link, long project names). Pictures go to <build>/screenshots/app.

#include <gtest/gtest.h>

#include "main_window_fixture.h"

using main_window_testing::MainWindowTest;

namespace {

// True when the user cannot change the window's size in either direction.
bool fixedSize(const QWidget* form)
{
    return form->minimumSize() == form->maximumSize();
}

}  // namespace

TEST_F(MainWindowTest, FixedSizeFormsOfferNoMaximizeOrMinimizeButton)
{
    start();
    int fixedForms = 0;
    for (const QString& name : forms->created()) {
        SCOPED_TRACE(name.toStdString());
        QWidget* w = forms->form(name);
        ASSERT_NE(w, nullptr);
        w->show();  // the flags a window manager is given
        const Qt::WindowFlags flags = w->windowFlags();
        if (fixedSize(w)) {
            ++fixedForms;
            EXPECT_TRUE(flags.testFlag(Qt::CustomizeWindowHint)) << "the frame buttons are chosen, not defaulted";
            EXPECT_FALSE(flags.testFlag(Qt::WindowMaximizeButtonHint));
            EXPECT_FALSE(flags.testFlag(Qt::WindowMinimizeButtonHint));
            EXPECT_TRUE(flags.testFlag(Qt::WindowCloseButtonHint));
            EXPECT_TRUE(flags.testFlag(Qt::WindowTitleHint));
        }
        w->hide();
    }
    // The main window, New, About and Options at least.
    EXPECT_GE(fixedForms, 4);
}

TEST_F(MainWindowTest, TabRunsThroughTheStepsFromStepOneDownThenTheTitleButtons)
{
    start();
    main().show();
    QWidget* first = main().stepButton("Btn_New");
    QStringList order;
    QWidget* w = first;
    do {
        if (w->isVisible() && w->isEnabled() && (w->focusPolicy() & Qt::TabFocus))
            order << w->objectName();
        w = w->nextInFocusChain();
    } while (w != first && order.size() < 100);
    EXPECT_EQ(order, (QStringList{"Btn_New", "Btn_Open", "Btn_Prm_Gen", "Btn_EtherCAT_Set_Group",
                                  "Btn_EtherCAT_Set_Access", "Btn_MQTT_Set_Topic", "Btn_EtherCAT_ESI_File",
                                  "Btn_CreateBin", "Btn_Info", "Btn_Opz", "Btn_Close"}));
}
