#include "editors/fieldbus/dmx/dmx_default_values_form.h"

#include "app/app_state.h"
#include "app/language.h"
#include "controls/grid/column_grid/ex_column_grid.h"
#include "editors/ethercat_mqtt/rule_editor/rule_records.h"
#include "editors/ethercat_mqtt/rule_editor/rule_texts.h"
#include "editors/ethercat_mqtt/rule_editor/rule_file_records.h"
#include "editors/fieldbus/dmx/dmx_default_values_file.h"
#include "editors/fieldbus/dmx/dmx_default_values_rules.h"

namespace dmx {
namespace dmx_form_detail {

using K = rule_editor::ColumnKind;
using rule_editor::RuleColumn;

rule_editor::RuleEditorLayout dmxFormLayout()
{
    rule_editor::RuleTableLayout channels{QStringLiteral("ECG_DMX_Def_Val"),
                                          QString(),
                                          -1,
                                          rule_editor::GridKind::ColumnGrid,
                                          kMaxChannels,
                                          {
                                              RuleColumn{3106, 100, K::RowNumber},
                                              RuleColumn{3107, 100, K::Text, rule_editor::column_colors::Key, 3109},
                                              RuleColumn{3108, 250, K::Text, clWindow, 3110},
                                          },
                                          -1};
    rule_editor::RuleEditorLayout layout{QStringLiteral("FDMXDefVal"), 3100, 3104, 3111, -1, QSize(475, 337),
                                         {channels}};
    layout.rowCommands = false;
    return layout;
}

const rule_editor::RecordColumns<DMXChannel>& channelColumns()
{
    static const rule_editor::RecordColumns<DMXChannel> columns = rule_editor::columnsOf(dmxChannelAttributes());
    return columns;
}

}  // namespace dmx_form_detail
using namespace dmx_form_detail;

TFDMXDefVal::TFDMXDefVal(QWidget* parent) : TRuleEditorForm(dmxFormLayout(), parent)
{
    ECG_DMX_Def_Val = table(0).columnGrid();
}

int TFDMXDefVal::channels() const { return table(0).dataRows(); }

QString TFDMXDefVal::projectFilePath() const { return app::appState().DMX_Default_Values_Path; }

void TFDMXDefVal::prepareShow()
{
    params::ParGenFile parGen;
    parGenProblem_.clear();
    if (!params::readParGenFile(app::appState().ParGen_Path, XML1, parGen, &parGenProblem_))
        parGen = params::ParGenFile();
    table(0).setDataRows(DMX_Channel_Count(parGen));
}

rule_editor::LoadedProject TFDMXDefVal::loadProject()
{
    rule_editor::LoadedProject project;
    if (!parGenProblem_.isEmpty())
        project.notices << rule_editor::formatText(app::langText(dmx_texts::ParGenUnreadable), {parGenProblem_});
    const QString path = projectFilePath();
    std::vector<DMXChannel> file;
    const ethercat_mqtt::ProjectFileRead read = readDMXDefaultValuesFile(path, XML1, file);
    if (!read.ok()) {
        project.failure = rule_editor::fileProblemText(path, read.reason, read.missingElement);
        return project;
    }
    // Channels the file does not reach default to 0.
    if (int(file.size()) < channels())
        file.resize(size_t(channels()), DMXChannel{QStringLiteral("0"), QString()});
    project.tables = {rule_editor::toRows(file, channelColumns())};
    return project;
}

std::optional<rule_editor::RuleFailure> TFDMXDefVal::checkRows(const std::vector<rule_editor::RuleRows>& saved) const
{
    return checkDMXDefaultValues(rule_editor::toRecords(saved[0], channelColumns()));
}

bool TFDMXDefVal::saveProject(const std::vector<rule_editor::RuleRows>& saved, QString* error)
{
    return writeDMXDefaultValuesFile(projectFilePath(), XML1, rule_editor::toRecords(saved[0], channelColumns()),
                                     error);
}

}  // namespace dmx
