#pragma once

#include "editors/ethercat_mqtt/rule_editor/rule_editor_form.h"
#include "platform/xml_document.h"

namespace tls_certificates {

// "Definition the list of Known Certificates": up to ten TLS certificates
// the gateway accepts from IEC 61850 servers, each with an enable box and a
// description. The certificate is kept as the user pastes it, over several
// lines; the list has no check. Reads and writes TLS_Known_Cert.xml.
class TFTLS_Server_Known_Cert : public rule_editor::TRuleEditorForm {
    Q_OBJECT

public:
    static constexpr int kCertificates = 10;
    static constexpr int kRowHeight = 60;
    enum Column { ColEnable = 1, ColCertificate, ColMnemonic };

    explicit TFTLS_Server_Known_Cert(QWidget* parent = nullptr);

    grid::TExStringGrid* ESG = nullptr;

protected:
    QString projectFilePath() const override;
    rule_editor::LoadedProject loadProject() override;
    std::optional<rule_editor::RuleFailure> checkRows(const std::vector<rule_editor::RuleRows>& saved) const override;
    bool saveProject(const std::vector<rule_editor::RuleRows>& saved, QString* error) override;

private:
    platform::XmlDocument XML1;
};

}  // namespace tls_certificates
