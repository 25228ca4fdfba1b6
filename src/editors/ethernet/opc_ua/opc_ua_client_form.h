#pragma once

#include <memory>

#include "editors/ethercat_mqtt/rule_editor/rule_editor_form.h"
#include "editors/ethernet/opc_ua/opc_ua_model.h"
#include "platform/xml_document.h"

class QLabel;
class QSplitter;

namespace grid {
class TExColumnGrid;
}

namespace opc_ua {

class TFOPC_UA_Add_Server;
class TFOPC_UA_Scan_Server;

// "OCP UA Client Access": the remote OPC UA servers of the gateway (upper
// list, changed through the add-server dialog) and, on two tab sheets, the
// variables it reads from and writes to the selected server. The servers
// and their variables are the model; the variable grids show the selected
// server's lists and are taken into them when a grid is left, a row command
// runs, another server is chosen or OK is pressed. A list longer than a
// grid keeps its variables beyond the grid. Reads and writes
// OPC_UA_Client.xml.
class TFOPC_UA_Client_Access : public rule_editor::TRuleEditorForm {
    Q_OBJECT

public:
    enum Table { Read = 0, Write = 1 };

    explicit TFOPC_UA_Client_Access(QWidget* parent = nullptr);
    ~TFOPC_UA_Client_Access() override;

    void Set_Lang() override;

    // The server list.
    void Show_OPC_UA_Server_List();
    void Add_Server();
    void Modify_Server();
    void Delete_Server();
    // A click on a server row: that server's variables.
    void ECG_OPC_UA_ServerClickCell(int row);
    // The selected server: the server grid's current row - 1, or -1.
    int selectedServer() const;

    // The variables of the selected server into the grids (both emptied
    // first); the grids then hold that server's lists.
    void Show_OPC_UA_Var_List();
    // A variable grid gets or loses the focus: it is bound to the server
    // whose variables it shows, and taken into that server when left.
    void ECG_OPC_UA_Var_Enter(int table);
    void ECG_OPC_UA_Var_Exit(int table);
    // A grid into the list of server Ind_Server (nothing when it is -1).
    void Save_Variable_in_Read();
    void Save_Variable_in_Write();
    void Btn_AutoPositionClick();
    // Scan: browses the selected server and adds the marked variables.
    void Scan_Server();

    // The dialogs Add, Modify and Scan show; without them the form makes
    // its own.
    void setAddServerDialog(TFOPC_UA_Add_Server* dialog) { FOPC_UA_Add_Server = dialog; }
    void setScanDialog(TFOPC_UA_Scan_Server* dialog) { FOPC_UA_Scan_Server = dialog; }
    TFOPC_UA_Add_Server& addServerDialog();
    TFOPC_UA_Scan_Server& scanDialog();

    ServerList OPC_UA_Server_List;
    // The server whose variables the focused variable grid holds; -1 while
    // neither has the focus.
    int Ind_Server = -1;
    QStringList Hint_Server_List;

    QWidget* P_OPC_UA_Server_List = nullptr;
    QWidget* P_OPC_UA_Var_List = nullptr;
    QSplitter* Splitter1 = nullptr;
    QLabel* L_Server_List_Title = nullptr;
    QLabel* L_Variables_List_Title = nullptr;
    grid::TExColumnGrid* ECG_OPC_UA_Server = nullptr;
    grid::TExColumnGrid* ECG_OPC_UA_Var_R = nullptr;
    grid::TExColumnGrid* ECG_OPC_UA_Var_W = nullptr;
    button::TLbButton* Btn_Add_Server = nullptr;
    button::TLbButton* Btn_Modify_Server = nullptr;
    button::TLbButton* Btn_Delete_Server = nullptr;
    button::TLbButton* Btn_Scan_Server = nullptr;
    button::TLbButton* Btn_AutoPosition = nullptr;

protected:
    void prepareShow() override;
    void commitEdits() override;
    // After a row command: the grid into the server it shows.
    void recompute(int table) override;
    QString projectFilePath() const override;
    rule_editor::LoadedProject loadProject() override;
    std::optional<rule_editor::RuleFailure> checkRows(const std::vector<rule_editor::RuleRows>& saved) const override;
    bool saveProject(const std::vector<rule_editor::RuleRows>& saved, QString* error) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildServerPanel();
    void wireVariableGrid(int table);
    // The grid's rows into server `server` when the grid shows its lists.
    void storeGrid(int table, int server);
    // Both grids into the server they show.
    void commitGrids();
    // The lists of `server` that are longer than their grids, as notices.
    QStringList listsBeyondGrids(int server) const;
    std::vector<TOPC_UA_Variable>& list(TOPC_UA_Server& server, int table) const;
    // The browse's marked variables into a list, after the append question.
    void addBrowsed(int server, int table, const std::vector<TOPC_UA_Variable>& found);

    // The server whose lists the grids show (-1: none) and how many of each
    // list's variables they show.
    int shownServer_ = -1;
    int shownCount_[2] = {0, 0};
    platform::XmlDocument XML1;
    TFOPC_UA_Add_Server* FOPC_UA_Add_Server = nullptr;
    TFOPC_UA_Scan_Server* FOPC_UA_Scan_Server = nullptr;
    std::unique_ptr<TFOPC_UA_Add_Server> ownAddServer_;
    std::unique_ptr<TFOPC_UA_Scan_Server> ownScan_;
};

}  // namespace opc_ua
