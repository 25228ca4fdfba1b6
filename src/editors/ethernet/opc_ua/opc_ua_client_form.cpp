#include "editors/ethernet/opc_ua/opc_ua_client_form.h"

#include <QLabel>
#include <QMouseEvent>
#include <QSplitter>
#include <QTabWidget>
#include <QVBoxLayout>

#include "app/app_state.h"
#include "app/language.h"
#include "controls/button/lb_button.h"
#include "controls/grid/column_grid/ex_column_grid.h"
#include "controls/grid/grid_row_commands.h"
#include "editors/ethercat_mqtt/rule_editor/rule_texts.h"
#include "editors/ethernet/opc_ua/opc_ua_add_server_form.h"
#include "editors/ethernet/opc_ua/opc_ua_client_file.h"
#include "editors/ethernet/opc_ua/opc_ua_client_rules.h"
#include "editors/ethernet/opc_ua/opc_ua_scan_server_form.h"
#include "platform/dialogs.h"
#include "platform/modal_result.h"

namespace opc_ua {
namespace client_form_detail {

using K = rule_editor::ColumnKind;
using rule_editor::RuleColumn;
namespace colors = rule_editor::column_colors;

constexpr int kServerPanelHeight = 220;
constexpr int kServerColumns = 11;
constexpr int kServerWidths[kServerColumns] = {40, 50, 200, 100, 100, 90, 100, 100, 100, 100, 140};

namespace panel_texts {
constexpr int ServerListTitle = 4102;
constexpr int ServerButtons = 4103;      // Add, Modify, Delete, Scan; their hints from 4107
constexpr int ServerHeaders = 4111;      // 4111 .. 4121
constexpr int ServerHints = 4122;        // 4122 .. 4131
constexpr int VariablesListTitle = 4132;
}  // namespace panel_texts

QString clientText(int id) { return app::langText(id); }

const QStringList kNodeTypes = {"Numeric", "String", "Guid", "ByteString"};
const QStringList kVarArray = {"Variable", "Array"};

rule_editor::RuleTableLayout variableTable(bool read)
{
    // The widths show every header whole in the form's font.
    std::vector<RuleColumn> columns;
    if (read)
        columns = {
            RuleColumn{4145, 40, K::RowNumber},
            RuleColumn{4146, 50, K::CheckBox, colors::CheckBox, 4155},
            RuleColumn{4147, 100, K::Text, colors::Key, 4156},
            RuleColumn{4148, 90, K::Choice, colors::Key, 4157, kNodeTypes},
            RuleColumn{4149, 140, K::Text, colors::Key, 4158},
            RuleColumn{4150, 90, K::Choice, colors::Size, 4159, app::dataTypeNames()},
            RuleColumn{4151, 135, K::Text, colors::Key, 4160},
            RuleColumn{4205, 75, K::Choice, colors::Group, 4208, kVarArray},
            RuleColumn{4206, 55, K::Text, colors::Group, 4209},
            RuleColumn{4207, 55, K::Text, colors::Group, 4210},
            RuleColumn{4152, 80, K::Text, colors::Size, 4161},
            RuleColumn{4153, 70, K::Text, colors::Position, 4162},
            RuleColumn{4154, 145, K::Text, colors::Description, 4163},
        };
    else
        columns = {
            RuleColumn{4164, 40, K::RowNumber},
            RuleColumn{4165, 50, K::CheckBox, colors::CheckBox, 4177},
            RuleColumn{4166, 100, K::Text, colors::Key, 4178},
            RuleColumn{4167, 90, K::Choice, colors::Key, 4179, kNodeTypes},
            RuleColumn{4168, 140, K::Text, colors::Key, 4180},
            RuleColumn{4169, 90, K::Choice, colors::Size, 4181, app::dataTypeNames()},
            RuleColumn{4170, 135, K::Text, colors::Key, 4182},
            RuleColumn{4171, 85, K::CheckBox, colors::CheckBox, 4184},
            RuleColumn{4172, 70, K::CheckBox, colors::CheckBox, 4183},
            RuleColumn{4173, 75, K::CheckBox, colors::CheckBox, 4185},
            RuleColumn{4174, 80, K::Text, colors::Size, 4186},
            RuleColumn{4175, 70, K::Text, colors::Position, 4187},
            RuleColumn{4176, 100, K::Text, colors::Description, 4188},
        };
    return {read ? QStringLiteral("ECG_OPC_UA_Var_R") : QStringLiteral("ECG_OPC_UA_Var_W"),
            read ? QStringLiteral("TS_OPC_UA_Var_Read") : QStringLiteral("TS_OPC_UA_Var_Write"),
            -1,
            rule_editor::GridKind::ColumnGrid,
            kGridVariables,
            std::move(columns),
            2};
}

rule_editor::RuleEditorLayout clientFormLayout()
{
    rule_editor::RuleEditorLayout layout{QStringLiteral("FOPC_UA_Client_Access"), 4100, 4139, -1,
                                         client_texts::DeleteRow, QSize(1150, 660),
                                         {variableTable(true), variableTable(false)}};
    layout.buttonCaptionFirst = 4133;
    return layout;
}

QString fileFailure(const QString& path, const ClientFileRead& read)
{
    if (!read.parseError.isEmpty())
        return rule_editor::fileProblemText(path, read.parseError, QString());
    if (!read.missingElement.isEmpty())
        return rule_editor::fileProblemText(path, QString(), read.missingElement);
    const QString reason =
        read.notNumber
            ? rule_editor::formatText(clientText(client_texts::NamespaceNotNumber), {read.where, read.badNumber})
            : rule_editor::formatText(clientText(client_texts::MissingAttribute), {read.where, read.attribute});
    return rule_editor::fileProblemText(path, reason, QString());
}

}  // namespace client_form_detail
using namespace client_form_detail;

TFOPC_UA_Client_Access::TFOPC_UA_Client_Access(QWidget* parent) : TRuleEditorForm(clientFormLayout(), parent)
{
    ECG_OPC_UA_Var_R = table(Read).columnGrid();
    ECG_OPC_UA_Var_W = table(Write).columnGrid();
    PageControl1->setObjectName(QStringLiteral("PC_OPC_UA_Vars"));
    PageControl1->setTabText(Read, QStringLiteral("Variables in Read"));
    PageControl1->setTabText(Write, QStringLiteral("Variables in Write"));
    buildServerPanel();
    wireVariableGrid(Read);
    wireVariableGrid(Write);
    Btn_AutoPosition = addButton(QStringLiteral("Btn_AutoPosition"), QStringLiteral("Auto Pos"));
    Btn_AutoPosition->OnClick = [this](QObject*) { Btn_AutoPositionClick(); };
    Set_Lang();
}

TFOPC_UA_Client_Access::~TFOPC_UA_Client_Access() = default;

// ---------------------------------------------------------------- creation

void TFOPC_UA_Client_Access::buildServerPanel()
{
    // The page control moves below the server list, with a splitter between.
    auto* column = static_cast<QVBoxLayout*>(layout());
    const int at = column->indexOf(PageControl1);
    column->removeWidget(PageControl1);
    Splitter1 = new QSplitter(Qt::Vertical, this);
    Splitter1->setObjectName(QStringLiteral("Splitter1"));
    Splitter1->setChildrenCollapsible(false);
    column->insertWidget(at, Splitter1, 1);

    P_OPC_UA_Server_List = new QWidget(Splitter1);
    P_OPC_UA_Server_List->setObjectName(QStringLiteral("P_OPC_UA_Server_List"));
    auto* serverColumn = new QVBoxLayout(P_OPC_UA_Server_List);
    serverColumn->setContentsMargins(0, 4, 0, 4);
    serverColumn->setSpacing(4);
    QFont bold = font();
    bold.setBold(true);
    L_Server_List_Title = new QLabel(P_OPC_UA_Server_List);
    L_Server_List_Title->setObjectName(QStringLiteral("L_Server_List_Title"));
    L_Server_List_Title->setFont(bold);
    L_Server_List_Title->setContentsMargins(16, 0, 0, 0);
    serverColumn->addWidget(L_Server_List_Title);

    ECG_OPC_UA_Server = new grid::TExColumnGrid(P_OPC_UA_Server_List);
    grid::TExColumnGrid& g = *ECG_OPC_UA_Server;
    g.setObjectName(QStringLiteral("ECG_OPC_UA_Server"));
    g.SetColCount(kServerColumns);
    g.SetRowCount(2);
    g.SetFixedRows(1);
    g.SetFixedCols(1);
    g.SetRowHeights(0, 22);
    g.SetOptions((g.Options() | platform::goRowSelect) & ~platform::goEditing);
    grid::TCellFont header = g.FixedFont();
    header.Style = grid::fsBold;
    g.SetFixedFont(header);
    for (int c = 0; c < kServerColumns; ++c) {
        grid::TGridColumnItem* item = g.Columns()[c];
        item->SetWidth(kServerWidths[c]);
        grid::TCellFont columnHeader = item->HeaderFont();
        columnHeader.Style = grid::fsBold;
        item->SetHeaderFont(columnHeader);
        item->ReadOnly = true;
    }
    g.Columns()[1]->SetAlignment(grid::taCenter);
    serverColumn->addWidget(&g, 1);
    g.OnClickCell = [this](QObject*, int row, int) { ECG_OPC_UA_ServerClickCell(row); };
    g.OnDblClickCell = [this](QObject*, int row, int col) {
        if (row == 0)
            rowCommands().DblClickCell_AutoSize(*ECG_OPC_UA_Server, row, col);
        else if (row - 1 < int(OPC_UA_Server_List.size())) {
            // The server double-clicked is the one changed.
            if (row != ECG_OPC_UA_Server->Row()) {
                ECG_OPC_UA_Server->FocusCell(1, row);
                ECG_OPC_UA_ServerClickCell(row);
            }
            Modify_Server();
        }
    };
    g.OnGridHint = [this](QObject*, int row, int col, QString& hint) {
        const int entry = ECG_OPC_UA_Server->RealColIndex(col) - 1;
        if (row == 0 && col > 0 && entry < Hint_Server_List.size())
            hint = Hint_Server_List[entry];
    };
    // A double click where no server stands adds one.
    g.viewport()->installEventFilter(this);

    auto* buttonRow = new QWidget(P_OPC_UA_Server_List);
    buttonRow->setFixedHeight(30);
    serverColumn->addWidget(buttonRow);
    button::TLbButton** const serverButtons[] = {&Btn_Add_Server, &Btn_Modify_Server, &Btn_Delete_Server,
                                                 &Btn_Scan_Server};
    const char* const names[] = {"Btn_Add_Server", "Btn_Modify_Server", "Btn_Delete_Server", "Btn_Scan_Server"};
    for (int k = 0; k < 4; ++k) {
        *serverButtons[k] = form_parts::placeButton(buttonRow, QString::fromLatin1(names[k]), 16 + 118 * k, 1, 110, 28);
        styleButton(**serverButtons[k]);
    }
    Btn_Add_Server->OnClick = [this](QObject*) { Add_Server(); };
    Btn_Modify_Server->OnClick = [this](QObject*) { Modify_Server(); };
    Btn_Delete_Server->OnClick = [this](QObject*) { Delete_Server(); };
    Btn_Scan_Server->OnClick = [this](QObject*) { Scan_Server(); };

    P_OPC_UA_Var_List = new QWidget(Splitter1);
    P_OPC_UA_Var_List->setObjectName(QStringLiteral("P_OPC_UA_Var_List"));
    auto* variableColumn = new QVBoxLayout(P_OPC_UA_Var_List);
    variableColumn->setContentsMargins(0, 4, 0, 0);
    variableColumn->setSpacing(4);
    L_Variables_List_Title = new QLabel(P_OPC_UA_Var_List);
    L_Variables_List_Title->setObjectName(QStringLiteral("L_Variables_List_Title"));
    L_Variables_List_Title->setFont(bold);
    L_Variables_List_Title->setContentsMargins(16, 0, 0, 0);
    variableColumn->addWidget(L_Variables_List_Title);
    PageControl1->setParent(P_OPC_UA_Var_List);
    variableColumn->addWidget(PageControl1, 1);
    Splitter1->setSizes({kServerPanelHeight, 660 - kServerPanelHeight - 69 - 40});
}

void TFOPC_UA_Client_Access::wireVariableGrid(int index)
{
    grid::TExStringGrid& g = table(index).grid();
    g.OnEnter = [this, index](QObject*) { ECG_OPC_UA_Var_Enter(index); };
    g.OnExit = [this, index](QObject*) { ECG_OPC_UA_Var_Exit(index); };
}

bool TFOPC_UA_Client_Access::eventFilter(QObject* watched, QEvent* event)
{
    if (ECG_OPC_UA_Server != nullptr && watched == ECG_OPC_UA_Server->viewport()
        && event->type() == QEvent::MouseButtonDblClick) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        int col = -1;
        int row = -1;
        ECG_OPC_UA_Server->MouseToCell(mouse->position().toPoint().x(), mouse->position().toPoint().y(), col, row);
        if (row != 0 && (row < 0 || row - 1 >= int(OPC_UA_Server_List.size()))) {
            Add_Server();
            return true;
        }
    }
    return TRuleEditorForm::eventFilter(watched, event);
}

void TFOPC_UA_Client_Access::Set_Lang()
{
    TRuleEditorForm::Set_Lang();
    if (ECG_OPC_UA_Server == nullptr)
        return;
    L_Server_List_Title->setText(clientText(panel_texts::ServerListTitle));
    L_Variables_List_Title->setText(clientText(panel_texts::VariablesListTitle));
    button::TLbButton* const serverButtons[] = {Btn_Add_Server, Btn_Modify_Server, Btn_Delete_Server,
                                                Btn_Scan_Server};
    for (int k = 0; k < 4; ++k) {
        serverButtons[k]->SetCaption(clientText(panel_texts::ServerButtons + k));
        serverButtons[k]->setToolTip(clientText(panel_texts::ServerButtons + 4 + k));
    }
    for (int c = 0; c < kServerColumns; ++c)
        ECG_OPC_UA_Server->Columns()[c]->SetHeader(clientText(panel_texts::ServerHeaders + c));
    Hint_Server_List.clear();
    for (int c = 1; c < kServerColumns; ++c)
        Hint_Server_List << clientText(panel_texts::ServerHints + c - 1);
}

TFOPC_UA_Add_Server& TFOPC_UA_Client_Access::addServerDialog()
{
    if (FOPC_UA_Add_Server == nullptr) {
        ownAddServer_ = std::make_unique<TFOPC_UA_Add_Server>();
        FOPC_UA_Add_Server = ownAddServer_.get();
    }
    return *FOPC_UA_Add_Server;
}

TFOPC_UA_Scan_Server& TFOPC_UA_Client_Access::scanDialog()
{
    if (FOPC_UA_Scan_Server == nullptr) {
        ownScan_ = std::make_unique<TFOPC_UA_Scan_Server>();
        FOPC_UA_Scan_Server = ownScan_.get();
    }
    return *FOPC_UA_Scan_Server;
}

// ---------------------------------------------------------------- servers

int TFOPC_UA_Client_Access::selectedServer() const
{
    const int index = ECG_OPC_UA_Server->Row() - 1;
    return index >= 0 && index < int(OPC_UA_Server_List.size()) ? index : -1;
}

void TFOPC_UA_Client_Access::Show_OPC_UA_Server_List()
{
    grid::TExColumnGrid& g = *ECG_OPC_UA_Server;
    const int row = std::max(1, g.Row());
    g.BeginUpdate();
    if (OPC_UA_Server_List.empty()) {
        g.SetRowCount(2);
        for (int c = 0; c < kServerColumns; ++c)
            g.SetCellEx(c, 1, QString());
    } else {
        g.SetRowCount(int(OPC_UA_Server_List.size()) + 1);
        for (size_t k = 0; k < OPC_UA_Server_List.size(); ++k) {
            const QStringList cells = serverRowTexts(OPC_UA_Server_List[k], int(k) + 1);
            for (int c = 0; c < kServerColumns; ++c)
                g.SetCellEx(c, int(k) + 1, cells[c]);
        }
    }
    g.EndUpdate();
    g.FocusCell(1, std::min(row, g.RowCount() - 1));
}

void TFOPC_UA_Client_Access::Add_Server()
{
    commitGrids();
    TFOPC_UA_Add_Server& dialog = addServerDialog();
    dialog.FormType = TFOPC_UA_Add_Server::AddServer;
    if (dialog.exec() == platform::mrOk) {
        TOPC_UA_Server server;
        dialog.store(server);
        OPC_UA_Server_List.push_back(std::move(server));
    }
    Show_OPC_UA_Server_List();
    Show_OPC_UA_Var_List();
}

void TFOPC_UA_Client_Access::Modify_Server()
{
    commitGrids();
    const int index = selectedServer();
    if (index >= 0) {
        TFOPC_UA_Add_Server& dialog = addServerDialog();
        dialog.FormType = TFOPC_UA_Add_Server::ModifyServer;
        dialog.fill(OPC_UA_Server_List[size_t(index)]);
        if (dialog.exec() == platform::mrOk)
            dialog.store(OPC_UA_Server_List[size_t(index)]);
    }
    Show_OPC_UA_Server_List();
    Show_OPC_UA_Var_List();
}

void TFOPC_UA_Client_Access::Delete_Server()
{
    commitGrids();
    const int index = selectedServer();
    if (index < 0)
        return;
    if (platform::dialogs().message(platform::MessageKind::Confirmation, clientText(client_texts::DeleteServer),
                                    platform::MessageButtons::YesNoCancel, this)
        != platform::MessageResult::Yes)
        return;
    OPC_UA_Server_List.erase(OPC_UA_Server_List.begin() + index);
    Show_OPC_UA_Server_List();
    // The grids now show the server that took the deleted one's row.
    Show_OPC_UA_Var_List();
}

void TFOPC_UA_Client_Access::ECG_OPC_UA_ServerClickCell(int row)
{
    if (row <= 0)
        return;
    commitGrids();
    Show_OPC_UA_Var_List();
}

// ---------------------------------------------------------------- variables

std::vector<TOPC_UA_Variable>& TFOPC_UA_Client_Access::list(TOPC_UA_Server& server, int index) const
{
    return index == Read ? server.Var_List_R : server.Var_List_W;
}

void TFOPC_UA_Client_Access::Show_OPC_UA_Var_List()
{
    const int server = selectedServer();
    for (const int index : {Read, Write}) {
        rule_editor::RuleTable& t = table(index);
        t.reset();
        shownCount_[index] = 0;
        if (server < 0)
            continue;
        const std::vector<TOPC_UA_Variable>& variables = list(OPC_UA_Server_List[size_t(server)], index);
        shownCount_[index] = std::min(int(variables.size()), t.dataRows());
        t.grid().BeginUpdate();
        for (int k = 0; k < shownCount_[index]; ++k)
            t.setRowTexts(k + 1, variableRowTexts(variables[size_t(k)], VariableList(index)));
        t.grid().EndUpdate();
    }
    shownServer_ = server;
    // A grid holding the focus is bound to what it shows now.
    if (Ind_Server >= 0)
        Ind_Server = shownServer_;
}

void TFOPC_UA_Client_Access::storeGrid(int index, int server)
{
    if (server < 0 || server != shownServer_ || server >= int(OPC_UA_Server_List.size()))
        return;
    const rule_editor::RuleTable& t = table(index);
    std::vector<TOPC_UA_Variable> rows;
    for (const QStringList& texts : t.savedRows())
        rows.push_back(variableOfRow(texts, VariableList(index)));
    const int count = int(rows.size());
    replaceShownVariables(list(OPC_UA_Server_List[size_t(server)], index), shownCount_[index], std::move(rows));
    shownCount_[index] = count;
}

void TFOPC_UA_Client_Access::commitGrids()
{
    storeGrid(Read, shownServer_);
    storeGrid(Write, shownServer_);
}

void TFOPC_UA_Client_Access::Save_Variable_in_Read() { storeGrid(Read, Ind_Server); }

void TFOPC_UA_Client_Access::Save_Variable_in_Write() { storeGrid(Write, Ind_Server); }

void TFOPC_UA_Client_Access::ECG_OPC_UA_Var_Enter(int) { Ind_Server = shownServer_; }

void TFOPC_UA_Client_Access::ECG_OPC_UA_Var_Exit(int index)
{
    if (Ind_Server >= 0) {
        if (index == Read)
            Save_Variable_in_Read();
        else
            Save_Variable_in_Write();
    }
    Ind_Server = -1;
}

void TFOPC_UA_Client_Access::recompute(int index) { storeGrid(index, shownServer_); }

void TFOPC_UA_Client_Access::commitEdits() { commitGrids(); }

void TFOPC_UA_Client_Access::Btn_AutoPositionClick()
{
    commitGrids();
    const int server = selectedServer();
    if (server < 0 || !platform::dialogs().confirm(clientText(client_texts::AutoPosition), this))
        return;
    autoPosition(OPC_UA_Server_List, server);
    Show_OPC_UA_Var_List();
}

QStringList TFOPC_UA_Client_Access::listsBeyondGrids(int server) const
{
    QStringList notices;
    const TOPC_UA_Server& s = OPC_UA_Server_List[size_t(server)];
    for (const int index : {Read, Write}) {
        const size_t size = index == Read ? s.Var_List_R.size() : s.Var_List_W.size();
        if (int(size) > kGridVariables)
            notices << rule_editor::formatText(clientText(client_texts::ListBeyondGrid),
                                               {QString::number(server + 1), QString::number(size),
                                                PageControl1->tabText(index), QString::number(kGridVariables)});
    }
    return notices;
}

// ---------------------------------------------------------------- browse

void TFOPC_UA_Client_Access::addBrowsed(int server, int index, const std::vector<TOPC_UA_Variable>& found)
{
    std::vector<TOPC_UA_Variable>& target = list(OPC_UA_Server_List[size_t(server)], index);
    if (!target.empty()) {
        const platform::MessageResult answer = platform::dialogs().message(
            platform::MessageKind::Confirmation,
            clientText(index == Read ? client_texts::AppendRead : client_texts::AppendWrite),
            platform::MessageButtons::YesNoCancel, this);
        if (answer == platform::MessageResult::Cancel)
            return;
        if (answer == platform::MessageResult::No)
            target.clear();
    }
    target.insert(target.end(), found.begin(), found.end());
}

void TFOPC_UA_Client_Access::Scan_Server()
{
    commitGrids();
    const int server = selectedServer();
    if (server < 0) {
        platform::dialogs().error(clientText(client_texts::SelectServer), this);
        return;
    }
    TFOPC_UA_Scan_Server& dialog = scanDialog();
    dialog.Server = searchServerOf(OPC_UA_Server_List[size_t(server)]);
    const int result = dialog.exec();
    dialog.Server = SearchServer();
    if (result != platform::mrOk)
        return;
    if (!dialog.List_Var.empty()) {
        for (const int index : {Read, Write}) {
            const std::vector<bool> marks =
                dialog.marked(index == Read ? TFOPC_UA_Scan_Server::ColRead : TFOPC_UA_Scan_Server::ColWrite);
            addBrowsed(server, index, markedVariables(dialog.List_Var, marks));
        }
    }
    Show_OPC_UA_Var_List();
    for (const QString& notice : listsBeyondGrids(server))
        platform::dialogs().warning(notice, this);
}

// ---------------------------------------------------------------- file

void TFOPC_UA_Client_Access::prepareShow()
{
    Ind_Server = -1;
    shownServer_ = -1;
}

QString TFOPC_UA_Client_Access::projectFilePath() const { return app::appState().OPC_UA_Client_Path; }

rule_editor::LoadedProject TFOPC_UA_Client_Access::loadProject()
{
    rule_editor::LoadedProject project;
    OPC_UA_Server_List.clear();
    ECG_OPC_UA_Server->FocusCell(1, 1);
    const QString path = projectFilePath();
    ServerList servers;
    const ClientFileRead read = readOPCUAClientFile(path, XML1, servers);
    if (!read.ok()) {
        Show_OPC_UA_Server_List();
        project.failure = fileFailure(path, read);
        return project;
    }
    OPC_UA_Server_List = std::move(servers);
    Show_OPC_UA_Server_List();
    // The frame fills the grids with the first server's lists (as much as
    // they hold).
    const int server = selectedServer();
    shownServer_ = server;
    project.tables.resize(2);
    for (const int index : {Read, Write}) {
        shownCount_[index] = 0;
        if (server < 0)
            continue;
        const std::vector<TOPC_UA_Variable>& variables = list(OPC_UA_Server_List[size_t(server)], index);
        shownCount_[index] = std::min(int(variables.size()), kGridVariables);
        for (int k = 0; k < shownCount_[index]; ++k)
            project.tables[size_t(index)].push_back(variableRowTexts(variables[size_t(k)], VariableList(index)));
    }
    for (int s = 0; s < int(OPC_UA_Server_List.size()); ++s)
        project.notices << listsBeyondGrids(s);
    return project;
}

std::optional<rule_editor::RuleFailure>
TFOPC_UA_Client_Access::checkRows(const std::vector<rule_editor::RuleRows>&) const
{
    return checkServers(OPC_UA_Server_List);
}

bool TFOPC_UA_Client_Access::saveProject(const std::vector<rule_editor::RuleRows>&, QString* error)
{
    return writeOPCUAClientFile(projectFilePath(), XML1, OPC_UA_Server_List, error);
}

}  // namespace opc_ua
