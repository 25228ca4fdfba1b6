// What the user sees of the windows: the frame buttons of fixed-size forms,
// the main window's Tab order, and texts that must fit their place (about
// box link, long project names). Pictures go to <build>/screenshots/app.

#include <QApplication>
#include <QDir>
#include <QFontMetrics>
#include <gtest/gtest.h>

#include "app/forms/about_dialog.h"
#include "main_window_fixture.h"

using main_window_testing::MainWindowTest;

namespace {

QString screenshotPath(const QString& name)
{
    const QString folder = QCoreApplication::applicationDirPath() + QStringLiteral("/../screenshots/app");
    QDir().mkpath(folder);
    return folder + QLatin1Char('/') + name;
}

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

TEST_F(MainWindowTest, AboutBoxShowsItsWholeLinkInsideTheBox)
{
    start();
    auto* about = form<app_forms::TFAbout>("TFAbout");
    ASSERT_NE(about, nullptr);
    about->show();
    QApplication::processEvents();
    const QLabel* link = about->Label4;
    EXPECT_EQ(link->text(), "www.olvenk.com");
    EXPECT_GE(link->width(), QFontMetrics(link->font()).horizontalAdvance(link->text())) << "the text is not cut";
    EXPECT_TRUE(about->rect().contains(link->geometry()))
        << "link " << link->geometry().x() << "+" << link->geometry().width() << " in a box " << about->width()
        << " wide";
    // Nothing else runs past the box either.
    for (const QLabel* label : about->findChildren<QLabel*>())
        EXPECT_TRUE(about->rect().contains(label->geometry())) << label->objectName().toStdString();
    EXPECT_TRUE(about->grab().save(screenshotPath("about_box.png")));
    about->hide();
}

TEST_F(MainWindowTest, LongProjectNameIsElidedInsideItsFrameWithTheWholeNameAsTooltip)
{
    const QString name = QString("Plant Line 4 - Packaging ").repeated(9).trimmed();  // 24 * 9 - 1 characters
    ASSERT_GE(name.size(), 200);
    startWithProject(name);
    ASSERT_TRUE(app::appState().projectOpen());
    main().show();
    QApplication::processEvents();
    const QLabel* label = main().L_Name_Conf_L2;
    const QRect frame = main().Shape2->geometry();
    EXPECT_LE(label->geometry().right(), frame.right() - 1) << "the name stays inside its frame";
    EXPECT_TRUE(label->text().endsWith(QChar(0x2026))) << label->text().toStdString();
    EXPECT_TRUE(name.startsWith(label->text().chopped(1)));
    EXPECT_EQ(label->toolTip(), name);
    EXPECT_TRUE(main().grab().save(screenshotPath("main_window_long_project_name.png")));

    // A short name stands whole; after a language change too.
    QDir().mkpath(dir.file("PROJECTS/Short"));
    app::Open_Project_Folder(app::appState(), "Short");
    main().Show_Project_Labels();
    EXPECT_EQ(label->text(), "Short");
    EXPECT_EQ(label->toolTip(), "Short");
    app::Close_Project(app::appState());
    main().Set_Lang();
    EXPECT_EQ(label->text(), "Use Step1 to open or create new configuration");
    EXPECT_EQ(label->toolTip(), "");
}
