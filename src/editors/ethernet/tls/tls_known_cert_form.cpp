#include "editors/ethernet/tls/tls_known_cert_form.h"

#include "app/app_state.h"
#include "controls/grid/string_grid/ex_string_grid.h"
#include "editors/ethercat_mqtt/rule_editor/rule_file_records.h"
#include "editors/ethercat_mqtt/rule_editor/rule_records.h"
#include "editors/ethercat_mqtt/rule_editor/rule_texts.h"
#include "editors/ethernet/tls/tls_known_cert_file.h"

namespace tls_certificates {
namespace known_cert_form_detail {

using K = rule_editor::ColumnKind;
using rule_editor::RuleColumn;
namespace colors = rule_editor::column_colors;
using Row = KnownCertificateRow;

constexpr int kDeleteQuestion = 3421;

rule_editor::RuleEditorLayout certificatesLayout()
{
    rule_editor::RuleTableLayout table{QStringLiteral("ESG"),
                                       QString(),
                                       -1,
                                       rule_editor::GridKind::StringGrid,
                                       TFTLS_Server_Known_Cert::kCertificates,
                                       {
                                           RuleColumn{3414, 40, K::RowNumber},
                                           RuleColumn{3415, 50, K::CheckBox, colors::CheckBox, 3418},
                                           RuleColumn{3416, 500, K::Text, colors::Key, 3419},
                                           RuleColumn{3417, 160, K::Text, colors::Description, 3420},
                                       },
                                       TFTLS_Server_Known_Cert::ColCertificate};
    return {QStringLiteral("FTLS_Server_Known_Cert"), 3400, 3408, -1, kDeleteQuestion, QSize(800, 337), {table}};
}

const rule_editor::RecordColumns<Row> kColumns = {&Row::Enable, &Row::Certificate, &Row::Mnemonic};

}  // namespace known_cert_form_detail
using namespace known_cert_form_detail;

TFTLS_Server_Known_Cert::TFTLS_Server_Known_Cert(QWidget* parent) : TRuleEditorForm(certificatesLayout(), parent)
{
    ESG = &table(0).grid();
    // A certificate holds several lines: tall rows whose text wraps, edited
    // in the grid's multi-line editor.
    ESG->SetWordWrap(true);
    for (int r = 1; r <= kCertificates; ++r)
        ESG->SetRowHeights(r, kRowHeight);
}

QString TFTLS_Server_Known_Cert::projectFilePath() const { return app::appState().TLS_Known_Cert_Path; }

rule_editor::LoadedProject TFTLS_Server_Known_Cert::loadProject()
{
    return rule_editor::loadRecordTable(projectFilePath(), XML1, readKnownCertificatesFile, kColumns);
}

std::optional<rule_editor::RuleFailure>
TFTLS_Server_Known_Cert::checkRows(const std::vector<rule_editor::RuleRows>&) const
{
    return std::nullopt;
}

bool TFTLS_Server_Known_Cert::saveProject(const std::vector<rule_editor::RuleRows>& saved, QString* error)
{
    return writeKnownCertificatesFile(projectFilePath(), XML1, rule_editor::toRecords(saved[0], kColumns), error);
}

}  // namespace tls_certificates
