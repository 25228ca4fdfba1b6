#include "editors/ethercat_mqtt/mqtt_topic_rules.h"

#include "platform/strings.h"

namespace ethercat_mqtt {
namespace topic_rules_detail {

// The texts of one list's rules.
struct ListTexts {
    int qos;
    int dataType;
    int dimensionInt;
    int dimensionFloat;
    int dimensionOther;
    int position;
    int templateText;
};

constexpr ListTexts kPublishTexts = {topic_texts::PubQoS,            topic_texts::PubDataType,       topic_texts::PubDimensionInt,
                                     topic_texts::PubDimensionFloat, topic_texts::PubDimensionOther,
                                     topic_texts::PubPosition,       topic_texts::PubTemplate};
constexpr ListTexts kSubscribeTexts = {topic_texts::SubQoS,            topic_texts::SubDataType,       topic_texts::SubDimensionInt,
                                       topic_texts::SubDimensionFloat, topic_texts::SubDimensionOther,
                                       topic_texts::SubPosition,       topic_texts::SubTemplate};

int32_t number(const QString& text) { return platform::parseIntOr(text, -1); }

// The rules both lists share; the text of the first one broken.
std::optional<int> commonRuleBroken(const QString& qosText, const QString& dataTypeText, const QString& dimensionText,
                                    const QString& positionText, const QString& templateText, int byteCount,
                                    const ListTexts& texts, QString& tail)
{
    const int32_t qos = number(platform::trimBlanks(qosText));
    if (qos < 0 || qos > 2)
        return texts.qos;
    const QString dataType = platform::trimBlanks(dataTypeText).toUpper();
    if (dataType.isEmpty())
        return texts.dataType;
    const int32_t dimension = number(dimensionText);
    if (dataType == QStringLiteral("INT")) {
        if (dimension != 1 && dimension != 2 && dimension != 4 && dimension != 8)
            return texts.dimensionInt;
    } else if (dataType == QStringLiteral("FLOAT")) {
        if (dimension != 4 && dimension != 8)
            return texts.dimensionFloat;
    } else if (dimension <= 0) {
        return texts.dimensionOther;
    }
    const int32_t position = number(positionText);
    if (position < 0 || position > byteCount - 1) {
        tail = QString::number(byteCount - 1);
        return texts.position;
    }
    if (Error_In_Topic_Template(platform::trimBlanks(templateText)))
        return texts.templateText;
    return std::nullopt;
}

}  // namespace topic_rules_detail

using namespace topic_rules_detail;

bool Error_In_Topic_Template(const QString& text) { return text.count(u'$') % 2 != 0; }

std::optional<rule_editor::RuleFailure> checkMQTTTopics(const MQTTTopicFile& file, const TopicDataArrays& arrays)
{
    constexpr int publish = 0;
    constexpr int subscribe = 1;
    for (size_t i = 0; i < file.Publish.size(); ++i) {
        const MQTTPublishRow& r = file.Publish[i];
        const int row = int(i) + 1;
        QString tail;
        if (const auto text = commonRuleBroken(r.QoS, r.DataType, r.Dimension, r.Position, r.Template, arrays.Byte_IN,
                                               kPublishTexts, tail))
            return rule_editor::RuleFailure{publish, row, *text, tail};
        if (platform::trimBlanks(r.OnTimer).toUpper() == QStringLiteral("Y")) {
            const int32_t time = number(r.Time);
            if (time < 1 || time > kMaxPublishTime)
                return rule_editor::RuleFailure{publish, row, topic_texts::PubTime};
        }
    }
    for (size_t i = 0; i < file.Subscribe.size(); ++i) {
        const MQTTSubscribeRow& r = file.Subscribe[i];
        QString tail;
        if (const auto text = commonRuleBroken(r.QoS, r.DataType, r.Dimension, r.Position, r.Template, arrays.Byte_OUT,
                                               kSubscribeTexts, tail))
            return rule_editor::RuleFailure{subscribe, int(i) + 1, *text, tail};
    }
    return std::nullopt;
}

}  // namespace ethercat_mqtt
