// The topic editor's checks: the rules of a row in their order, the
// publish list before the subscribe list, the limit at the end of the
// Position message, the "$" parity of a template, and the texts of every
// message.

#include <gtest/gtest.h>

#include "app/language.h"
#include "editors/ethercat_mqtt/mqtt_topic_rules.h"

namespace mqtt_topic_rules_tests {

using namespace ethercat_mqtt;
using rule_editor::RuleFailure;

// A publish row that passes every rule, with the fields the rules read
// given as "DataType|Dimension|Position|Template|OnTimer|Time".
MQTTPublishRow publishRow(const QString& fields = QStringLiteral("Int|4|0|$VALUE$|N|"))
{
    const QStringList f = fields.split(u'|');
    MQTTPublishRow row;
    row.Topic = QStringLiteral("plant/value");
    row.QoS = QStringLiteral("1");
    row.DataType = f[0];
    row.Dimension = f[1];
    row.Position = f[2];
    row.Template = f[3];
    row.OnTimer = f[4];
    row.Time = f[5];
    return row;
}

// A subscribe row: "DataType|Dimension|Position|Template".
MQTTSubscribeRow subscribeRow(const QString& fields = QStringLiteral("Int|4|0|$VALUE$"))
{
    const QStringList f = fields.split(u'|');
    MQTTSubscribeRow row;
    row.Topic = QStringLiteral("plant/set");
    row.QoS = QStringLiteral("1");
    row.DataType = f[0];
    row.Dimension = f[1];
    row.Position = f[2];
    row.Template = f[3];
    return row;
}

std::optional<RuleFailure> fail(int table, int row, int text, const QString& tail = {})
{
    return RuleFailure{table, row, text, tail};
}

TEST(MQTTTopicChecks, PublishRowsRuleByRule)
{
    using namespace topic_texts;
    const std::optional<RuleFailure> ok;
    struct Case {
        const char* fields;
        std::optional<RuleFailure> failure;
    };
    const Case cases[] = {
        // Data Type: trimmed, case does not matter.
        {"|4|0|$VALUE$|N|", fail(0, 1, PubDataType)},
        {"   |4|0||N|", fail(0, 1, PubDataType)},
        {" int |4|0||N|", ok},
        // Dimension by type.
        {"Int|1|0||N|", ok},
        {"Int|2|0||N|", ok},
        {"Int|8|0||N|", ok},
        {"Int|3|0||N|", fail(0, 1, PubDimensionInt)},
        {"INT|16|0||N|", fail(0, 1, PubDimensionInt)},
        {"Int||0||N|", fail(0, 1, PubDimensionInt)},
        {"Float|4|0||N|", ok},
        {"float|8|0||N|", ok},
        {"Float|2|0||N|", fail(0, 1, PubDimensionFloat)},
        {"Float|1|0||N|", fail(0, 1, PubDimensionFloat)},
        {"String|0|0||N|", fail(0, 1, PubDimensionOther)},
        {"String|x|0||N|", fail(0, 1, PubDimensionOther)},
        {"String|1000|0||N|", ok},
        {"Base64|1|0||N|", ok},
        {"Base64|-1|0||N|", fail(0, 1, PubDimensionOther)},
        // A type outside the list takes the rule of String and Base64.
        {"Hex|3|0||N|", ok},
        // Position 0 .. 1499; the message ends with the limit.
        {"Int|4|1499||N|", ok},
        {"Int|4|1500||N|", fail(0, 1, PubPosition, QStringLiteral("1499"))},
        {"Int|4|-1||N|", fail(0, 1, PubPosition, QStringLiteral("1499"))},
        {"Int|4|||N|", fail(0, 1, PubPosition, QStringLiteral("1499"))},
        {"Int|4|$10||N|", ok},
        // Template: an even number of "$".
        {"Int|4|0|$|N|", fail(0, 1, PubTemplate)},
        {"Int|4|0|{\"v\": $VALUE$, \"t\": $TIME$}|N|", ok},
        {"Int|4|0|$VALUE$ $|N|", fail(0, 1, PubTemplate)},
        {"Int|4|0|no keyword|N|", ok},
        // Time only with OnTimer on (trimmed, either case).
        {"Int|4|0||N|0", ok},
        {"Int|4|0||N|", ok},
        {"Int|4|0||Y|1000000000", ok},
        {"Int|4|0||Y|1", ok},
        {"Int|4|0||Y|0", fail(0, 1, PubTime)},
        {"Int|4|0||Y|", fail(0, 1, PubTime)},
        {"Int|4|0|| y |1000000001", fail(0, 1, PubTime)},
        {"Int|4|0||Y|fast", fail(0, 1, PubTime)},
        // The first rule broken is the one reported.
        {"|3|1500|$|Y|0", fail(0, 1, PubDataType)},
        {"Float|2|1500|$|Y|0", fail(0, 1, PubDimensionFloat)},
        {"Float|4|1500|$|Y|0", fail(0, 1, PubPosition, QStringLiteral("1499"))},
        {"Float|4|1|$|Y|0", fail(0, 1, PubTemplate)},
    };
    for (const Case& c : cases) {
        MQTTTopicFile file;
        file.Publish = {publishRow(), publishRow(QString::fromUtf8(c.fields))};
        std::optional<RuleFailure> expected = c.failure;
        if (expected)
            expected->row = 2;
        EXPECT_EQ(checkMQTTTopics(file), expected) << c.fields;
    }
}

TEST(MQTTTopicChecks, SubscribeRowsHaveTheirOwnTextsAndNoTime)
{
    using namespace topic_texts;
    const std::optional<RuleFailure> ok;
    struct Case {
        const char* fields;
        std::optional<RuleFailure> failure;
    };
    const Case cases[] = {
        {"|4|0|", fail(1, 1, SubDataType)},
        {"Int|3|0|", fail(1, 1, SubDimensionInt)},
        {"Float|2|0|", fail(1, 1, SubDimensionFloat)},
        {"String|0|0|", fail(1, 1, SubDimensionOther)},
        {"Base64|1|0|", ok},
        {"Int|4|1499|", ok},
        {"Int|4|1500|", fail(1, 1, SubPosition, QStringLiteral("1499"))},
        {"Int|4|0|$VALUE", fail(1, 1, SubTemplate)},
        {"Int|4|0|$VALUE$", ok},
    };
    for (const Case& c : cases) {
        MQTTTopicFile file;
        file.Subscribe = {subscribeRow(QString::fromUtf8(c.fields))};
        EXPECT_EQ(checkMQTTTopics(file), c.failure) << c.fields;
    }
}

// The device needs a QoS on every row: without one the image compiler
// refuses the file, so the editor asks for it first.
TEST(MQTTTopicChecks, EveryRowNeedsAQoSOfZeroToTwoBeforeAnyOtherRule)
{
    using namespace topic_texts;
    const std::pair<const char*, bool> cases[] = {
        {"0", true}, {"1", true}, {"2", true}, {" 2 ", true},
        {"", false}, {"   ", false}, {"3", false}, {"-1", false}, {"x", false},
    };
    for (const auto& [qos, valid] : cases) {
        MQTTTopicFile file;
        file.Publish = {publishRow(QStringLiteral("|3|1500|$|Y|0"))};
        file.Publish[0].QoS = QString::fromUtf8(qos);
        EXPECT_EQ(checkMQTTTopics(file), valid ? fail(0, 1, PubDataType) : fail(0, 1, PubQoS)) << qos;
        file.Publish.clear();
        file.Subscribe = {subscribeRow(QStringLiteral("|3|1500|$"))};
        file.Subscribe[0].QoS = QString::fromUtf8(qos);
        EXPECT_EQ(checkMQTTTopics(file), valid ? fail(1, 1, SubDataType) : fail(1, 1, SubQoS)) << qos;
    }
}

TEST(MQTTTopicChecks, PublishBeforeSubscribeAndTheLimitsFollowTheArrays)
{
    using namespace topic_texts;
    MQTTTopicFile file;
    file.Publish = {publishRow(), publishRow(QStringLiteral("Int|4|0|$|N|"))};
    file.Subscribe = {subscribeRow(QStringLiteral("|4|0|"))};
    EXPECT_EQ(checkMQTTTopics(file), fail(0, 2, PubTemplate));
    file.Publish.pop_back();
    EXPECT_EQ(checkMQTTTopics(file), fail(1, 1, SubDataType));

    // Publish positions against the input array, subscribe positions
    // against the output array.
    file.Publish = {publishRow(QStringLiteral("Int|4|99|$VALUE$|N|"))};
    file.Subscribe = {subscribeRow(QStringLiteral("Int|4|99|"))};
    EXPECT_EQ(checkMQTTTopics(file, {100, 50}), fail(1, 1, SubPosition, QStringLiteral("49")));
    EXPECT_EQ(checkMQTTTopics(file, {50, 100}), fail(0, 1, PubPosition, QStringLiteral("49")));
    EXPECT_EQ(checkMQTTTopics(file, {100, 100}), std::nullopt);
}

TEST(MQTTTopicChecks, ErrorInTopicTemplateCountsDollarSigns)
{
    EXPECT_FALSE(Error_In_Topic_Template(QString()));
    EXPECT_FALSE(Error_In_Topic_Template(QStringLiteral("$VALUE$")));
    EXPECT_TRUE(Error_In_Topic_Template(QStringLiteral("$")));
    EXPECT_TRUE(Error_In_Topic_Template(QStringLiteral("$A$ $B$ $")));
    EXPECT_FALSE(Error_In_Topic_Template(QStringLiteral("line 1 $A$\nline 2 $B$")));
}

TEST(MQTTTopicChecks, TheMessagesOfTheTextTable)
{
    app::TextTable table;
    app::Load_Default_Texts(table);
    const std::pair<int, const char*> texts[] = {
        {3751, "Error row "},
        {3752, "!! [MQTT Publish] Data Type must be selected"},
        {3753, "!! [MQTT Publish] Dimension must be equal to 1 or 2 or 4 or 8"},
        {3754, "!! [MQTT Publish] Dimension must be equal to 4 or 8"},
        {3755, "!! [MQTT Publish] Dimension must be major of 0"},
        {3756, "!! [MQTT Publish] Position must be beetween 0 and "},
        {3757, "!! [MQTT Subscribe] Data Type must be selected"},
        {3758, "!! [MQTT Subscribe] Dimension must be equal to 1 or 2 or 4 or 8"},
        {3759, "!! [MQTT Subscribe] Dimension must be equal to 4 or 8"},
        {3760, "!! [MQTT Subscribe] Dimension must be major of 0"},
        {3761, "!! [MQTT Subscribe] Position must be beetween 0 and "},
        {3778, "!! [MQTT Publish] Template not Correct, Check the Keywords"},
        {3780, "!! [MQTT Subscribe] Template not Correct, Check the Keywords"},
        {3789, "!! [MQTT Publish] Time(ms) must be between 1 and 1000000000"},
        {3774, "!! [MQTT Publish] QoS must be selected (0, 1 or 2)"},
        {3775, "!! [MQTT Subscribe] QoS must be selected (0, 1 or 2)"},
        {3723, "Are you sure to delete the Row number "},
    };
    for (const auto& [id, text] : texts)
        EXPECT_EQ(table.Lang_Texts[id], QString::fromUtf8(text)) << id;
}

}  // namespace mqtt_topic_rules_tests
