// Step 4 of the main window: "MQTT Set Topic" shows the topic editor on the
// open project's file; the editor and its template dialog are created with
// the other forms, the dialog is the one the editor opens, and both follow
// a language change.

#include <QApplication>
#include <QTest>

#include "app/language.h"
#include "controls/button/lb_button.h"
#include "controls/grid/column_grid/ex_column_grid.h"
#include "editors/ethercat_mqtt/mqtt_set_topic_form.h"
#include "editors/ethercat_mqtt/topic_template_form.h"
#include "main_window_fixture.h"

namespace mqtt_step_tests {

using main_window_testing::MainWindowTest;

TEST_F(MainWindowTest, StepFourShowsTheTopicEditorOnTheOpenProject)
{
    startWithProject(QStringLiteral("Plant"));
    const QByteArray topics = "<MQTT_Set_Topic><MQTT_Publish><row Topic=\"plant/temp\" /></MQTT_Publish>"
                              "<MQTT_Subscribe /></MQTT_Set_Topic>";
    dir.write(QStringLiteral("PROJECTS/Plant/MQTT_Set_Topic.xml"), topics);
    auto* editor = form<ethercat_mqtt::TFMQTT_Set_Topic>("TFMQTT_Set_Topic");
    ASSERT_NE(editor, nullptr);
    bool shownModal = false;
    QString firstTopic;
    soon([&] {
        shownModal = editor->isVisible() && editor->isModal();
        firstTopic = editor->table(0).cellText(1, 1);
        QTest::mouseClick(editor->Btn_Cancel, Qt::LeftButton);
    });
    main().Btn_Click(main().stepButton("Btn_MQTT_Set_Topic"));
    EXPECT_TRUE(shownModal);
    EXPECT_FALSE(editor->isVisible());
    EXPECT_EQ(editor->windowTitle(), QStringLiteral("MQTT Set Topic"));
    EXPECT_EQ(firstTopic, QStringLiteral("plant/temp"));
    EXPECT_TRUE(script.shown().empty()) << script.texts().join(u'\n').toStdString();
    EXPECT_EQ(dir.read(QStringLiteral("PROJECTS/Plant/MQTT_Set_Topic.xml")), topics);
}

TEST_F(MainWindowTest, TheTopicFormsAreCreatedWithTheOtherFormsAndFollowTheLanguage)
{
    start();
    const QStringList created = forms->created();
    // At their place among the forms this build has.
    EXPECT_GT(created.indexOf("TFMQTT_Set_Topic"), created.indexOf("TFEtherCATSlave"))
        << created.join(u' ').toStdString();
    EXPECT_LT(created.indexOf("TFMQTT_Set_Topic"), created.indexOf("TFEtherCATSlave_Group"));
    EXPECT_EQ(created.indexOf("TFTopicTemplate"), created.indexOf("TFMQTT_Set_Topic") + 1);
    auto* topics = form<ethercat_mqtt::TFMQTT_Set_Topic>("TFMQTT_Set_Topic");
    auto* dialog = form<ethercat_mqtt::TFTopicTemplate>("TFTopicTemplate");
    ASSERT_NE(topics, nullptr);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(&topics->templateDialog(), dialog);
    EXPECT_EQ(dialog->title.L_SW_Code->text(), QStringLiteral("CQ41T17"));

    app::textTable().Lang_Texts[3715] = QStringLiteral("Thema");
    app::textTable().Lang_Texts[3805] = QStringLiteral("Schlüsselwort");
    forms->Change_Language();
    EXPECT_EQ(topics->ECG_Pub->Columns()[1]->Header(), QStringLiteral("Thema"));
    EXPECT_EQ(dialog->ESG_Keywords->GetCellEx(0, 0), QStringLiteral("Schlüsselwort"));
}

}  // namespace mqtt_step_tests
