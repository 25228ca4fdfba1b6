#include "editors/ethercat_mqtt/mqtt_set_topic_form.h"

#include "app/app_state.h"
#include "controls/grid/column_grid/ex_column_grid.h"
#include "editors/ethercat_mqtt/project_files/mqtt_topic_file.h"
#include "editors/ethercat_mqtt/rule_editor/rule_file_records.h"
#include "editors/ethercat_mqtt/rule_editor/rule_records.h"
#include "editors/ethercat_mqtt/rule_editor/rule_texts.h"
#include "editors/ethercat_mqtt/topic_template_form.h"
#include "platform/modal_result.h"

namespace ethercat_mqtt {
namespace topic_form_detail {

using rule_editor::ColumnKind;
using rule_editor::RuleColumn;
namespace colors = rule_editor::column_colors;
using Pub = MQTTPublishRow;
using Sub = MQTTSubscribeRow;

constexpr int kTopics = 1024;
constexpr TColor kFlagColor = 0x00FFD5D5;  // RGB(213, 213, 255): Retained and QoS
constexpr bool kHidden = true;

const QStringList kQoS = {QStringLiteral("0"), QStringLiteral("1"), QStringLiteral("2")};
const QStringList kDataTypes = {QStringLiteral("Int"), QStringLiteral("Float"), QStringLiteral("String"),
                                QStringLiteral("Base64")};
const QStringList kTemplates = {QStringLiteral("$VALUE$")};

QStringList channels()
{
    QStringList items;
    for (int i = 0; i < 64; ++i)
        items << QString::number(i);
    return items << QStringLiteral("All");
}

RuleColumn text(int header, int width, TColor color, int hint, bool hidden = false)
{
    return {header, width, ColumnKind::Text, color, hint, {}, hidden};
}
RuleColumn check(int header, int width, TColor color, int hint, bool hidden = false)
{
    return {header, width, ColumnKind::CheckBox, color, hint, {}, hidden};
}
RuleColumn choice(int header, int width, TColor color, int hint, const QStringList& items, bool hidden = false)
{
    return {header, width, ColumnKind::Choice, color, hint, items, hidden};
}
RuleColumn templateColumn(int header, int hint)
{
    return {header, 130, ColumnKind::ChoiceOrText, colors::Group, hint, kTemplates, false};
}

rule_editor::RuleTableLayout publishLayout()
{
    return {QStringLiteral("ECG_Pub"),
            QStringLiteral("TS_MQTT_Publish"),
            3733,
            rule_editor::GridKind::ColumnGrid,
            kTopics,
            {
                RuleColumn{3714, 40, ColumnKind::RowNumber},
                text(3715, 300, colors::Key, 3719),
                check(3716, 60, kFlagColor, 3720),
                choice(3717, 80, kFlagColor, 3721, kQoS),
                choice(3737, 80, colors::Size, 3740, kDataTypes),
                text(3738, 80, colors::Size, 3741),
                text(3739, 80, colors::Position, 3742),
                text(3762, 100, colors::Size, 3764, kHidden),
                text(3763, 120, colors::Size, 3765, kHidden),
                templateColumn(3735, 3736),
                check(3781, 75, colors::CheckBox, 3782),
                check(3783, 55, colors::CheckBox, 3786, kHidden),
                check(3784, 64, colors::CheckBox, 3787),
                text(3785, 70, colors::CheckBox, 3788),
                choice(3790, 60, colors::Size, 3791, channels(), kHidden),
                check(3793, 40, colors::Size, 3795, kHidden),
                check(3794, 80, colors::Size, 3796, kHidden),
                text(3718, 170, colors::Description, 3722),
            },
            1};
}

rule_editor::RuleTableLayout subscribeLayout()
{
    return {QStringLiteral("ECG_Sub"),
            QStringLiteral("TS_MQTT_Subscribe"),
            3734,
            rule_editor::GridKind::ColumnGrid,
            kTopics,
            {
                RuleColumn{3724, 40, ColumnKind::RowNumber},
                text(3725, 300, colors::Key, 3729),
                check(3726, 60, kFlagColor, 3730, kHidden),
                choice(3727, 80, kFlagColor, 3731, kQoS),
                choice(3743, 80, colors::Size, 3747, kDataTypes),
                text(3744, 80, colors::Size, 3748),
                text(3745, 80, colors::Position, 3749),
                text(3766, 100, colors::Size, 3770, kHidden),
                text(3767, 50, colors::Size, 3771, kHidden),
                choice(3768, 64, colors::Size, 3772, {QStringLiteral("TCP"), QStringLiteral("UDP")}, kHidden),
                text(3769, 130, colors::Size, 3773, kHidden),
                templateColumn(3746, 3750),
                check(3793, 40, colors::Size, 3797, kHidden),
                check(3794, 80, colors::Size, 3798, kHidden),
                text(3728, 220, colors::Description, 3732),
            },
            1};
}

rule_editor::RuleEditorLayout topicFormLayout()
{
    return {QStringLiteral("FMQTT_Set_Topic"), 3700, 3708, topic_texts::ErrorRow, 3723, QSize(1100, 337),
            {publishLayout(), subscribeLayout()}};
}

// The file's attributes in table column order; the columns the file does
// not hold (OnCMD, Channel, Swap, Swap Word) have none.
const rule_editor::RecordColumns<Pub> kPublishColumns = {
    &Pub::Topic,    &Pub::Retained, &Pub::QoS,     &Pub::DataType, &Pub::Dimension, &Pub::Position,
    &Pub::IPAddress, &Pub::InputTemplate, &Pub::Template, &Pub::OnChange, nullptr, &Pub::OnTimer,
    &Pub::Time,     nullptr,        nullptr,       nullptr,        &Pub::Mnemonic,
};
const rule_editor::RecordColumns<Sub> kSubscribeColumns = {
    &Sub::Topic,     &Sub::Retained, &Sub::QoS,     &Sub::DataType,      &Sub::Dimension,
    &Sub::Position,  &Sub::IPAddress, &Sub::Port,   &Sub::EthType,       &Sub::InputTemplate,
    &Sub::Template,  nullptr,        nullptr,       &Sub::Mnemonic,
};
// Swap and Swap Word load unchecked (indexes of a row's texts).
constexpr int kPublishSwapTexts[] = {14, 15};
constexpr int kSubscribeSwapTexts[] = {11, 12};

rule_editor::RuleRows rowsShown(rule_editor::RuleRows rows, const int (&swapTexts)[2])
{
    for (QStringList& texts : rows)
        for (const int i : swapTexts)
            texts[i] = QStringLiteral("N");
    return rows;
}

MQTTTopicFile topicFileOf(const std::vector<rule_editor::RuleRows>& saved)
{
    MQTTTopicFile file;
    file.Publish = rule_editor::toRecords(saved[TFMQTT_Set_Topic::Publish], kPublishColumns);
    file.Subscribe = rule_editor::toRecords(saved[TFMQTT_Set_Topic::Subscribe], kSubscribeColumns);
    return file;
}

}  // namespace topic_form_detail

using namespace topic_form_detail;

TFMQTT_Set_Topic::TFMQTT_Set_Topic(QWidget* parent) : TRuleEditorForm(topicFormLayout(), parent)
{
    ECG_Pub = table(Publish).columnGrid();
    ECG_Sub = table(Subscribe).columnGrid();
}

TFMQTT_Set_Topic::~TFMQTT_Set_Topic() = default;

// ---------------------------------------------------------------- template dialog

TFTopicTemplate& TFMQTT_Set_Topic::templateDialog()
{
    if (FTopicTemplate == nullptr) {
        ownTemplate_ = std::make_unique<TFTopicTemplate>();
        FTopicTemplate = ownTemplate_.get();
    }
    return *FTopicTemplate;
}

void TFMQTT_Set_Topic::cellDoubleClicked(int index, int row, int column)
{
    if (column == (index == Publish ? kPublishTemplateColumn : kSubscribeTemplateColumn))
        Show_Form_Topic(index, row, column);
}

void TFMQTT_Set_Topic::Show_Form_Topic(int index, int row, int column)
{
    grid::TExStringGrid& g = table(index).grid();
    // What the cell's own editor holds goes into the cell first.
    g.HideInplaceEdit();
    TFTopicTemplate& dialog = templateDialog();
    dialog.TopicTemplate = column == kPublishTemplateColumn || column == kSubscribeTemplateColumn ? 1 : 0;
    dialog.Working_Mode = Working_Mode;
    dialog.Pub_Sub = index == Publish ? 0 : 1;
    dialog.setTemplateText(g.GetCellEx(column, row));
    if (dialog.exec() == platform::mrOk)
        g.SetCellEx(column, row, dialog.templateText());
}

// ---------------------------------------------------------------- file

QString TFMQTT_Set_Topic::projectFilePath() const { return app::appState().MQTT_Set_Topic_Path; }

void TFMQTT_Set_Topic::prepareShow()
{
    Working_Mode = 1;
    arrays = TopicDataArrays();
    setActiveTable(Publish);
}

rule_editor::LoadedProject TFMQTT_Set_Topic::loadProject()
{
    return rule_editor::loadProjectFile<MQTTTopicFile>(
        projectFilePath(), XML1, readMQTTTopicFile, [&](MQTTTopicFile& topics) {
            return std::vector<rule_editor::RuleRows>{
                rowsShown(rule_editor::toRows(topics.Publish, kPublishColumns), kPublishSwapTexts),
                rowsShown(rule_editor::toRows(topics.Subscribe, kSubscribeColumns), kSubscribeSwapTexts)};
        });
}

std::optional<rule_editor::RuleFailure>
TFMQTT_Set_Topic::checkRows(const std::vector<rule_editor::RuleRows>& saved) const
{
    return checkMQTTTopics(topicFileOf(saved), arrays);
}

bool TFMQTT_Set_Topic::saveProject(const std::vector<rule_editor::RuleRows>& saved, QString* error)
{
    return writeMQTTTopicFile(projectFilePath(), XML1, topicFileOf(saved), error);
}

}  // namespace ethercat_mqtt
