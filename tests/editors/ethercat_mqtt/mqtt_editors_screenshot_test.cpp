// Pictures of the MQTT topic editor with data and of the template dialog,
// written to <build>/screenshots/mqtt_editors for looking at.

#include <QPixmap>
#include <QTabWidget>

#include "editors/ethercat_mqtt/mqtt_set_topic_form.h"
#include "editors/ethercat_mqtt/topic_template_form.h"
#include "ethercat_editor_fixture.h"

namespace mqtt_editors_screenshot_tests {

using ethercat_editor_testing::EditorTest;

class MQTTEditorsScreenshot : public EditorTest {
protected:
    static QString folderPath()
    {
        const QString dir = QCoreApplication::applicationDirPath() + QStringLiteral("/../screenshots/mqtt_editors");
        QDir().mkpath(dir);
        return dir;
    }
    static void grab(QWidget& form, const QString& name)
    {
        QApplication::processEvents();
        ASSERT_TRUE(form.grab().save(folderPath() + QLatin1Char('/') + name + QStringLiteral(".png")));
    }
};

TEST_F(MQTTEditorsScreenshot, TheTopicEditorAndTheTemplateDialog)
{
    writeTopics(ethercat_editor_testing::readFile(ethercat_editor_testing::fixture("mqtt_topics_hidden_values.xml")));
    ethercat_mqtt::TFMQTT_Set_Topic topics;
    topics.resize(1100, 400);
    show(topics);
    ASSERT_TRUE(topics.isVisible());
    topics.table(0).setRowTexts(3, {"plant/pressure", "N", "0", "Float", "4", "12", "", "", "$VALUE$", "N", "",
                                    "Y", "1000", "", "N", "N", "Pressure in bar"});
    grab(topics, QStringLiteral("01_topics_publish"));
    topics.PageControl1->setCurrentIndex(1);
    grab(topics, QStringLiteral("02_topics_subscribe"));

    ethercat_mqtt::TFTopicTemplate dialog;
    dialog.TopicTemplate = 1;
    dialog.setTemplateText(QStringLiteral("{\n  \"temperature\": $VALUE$,\n  \"unit\": \"°C\"\n}"));
    dialog.show();
    grab(dialog, QStringLiteral("03_template_dialog"));
    EXPECT_TRUE(dialogs.shown().empty());
}

}  // namespace mqtt_editors_screenshot_tests
