#include "editors/fieldbus/bacnet/bacnet_client_form.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>
#include <QTabWidget>

#include "app/app_state.h"
#include "app/language.h"
#include "controls/button/lb_button.h"
#include "controls/grid/column_grid/ex_column_grid.h"
#include "editors/ethercat_mqtt/rule_editor/rule_file_records.h"
#include "editors/ethercat_mqtt/rule_editor/rule_records.h"
#include "editors/ethercat_mqtt/rule_editor/rule_texts.h"
#include "editors/fieldbus/bacnet/bacnet_client_rules.h"
#include "editors/fieldbus/bacnet/ede_import.h"
#include "editors/fieldbus/bacnet/ede_import_form.h"
#include "params/par_gen_file.h"
#include "platform/dialogs.h"
#include "platform/modal_result.h"
#include "platform/paths.h"
#include "platform/strings.h"

namespace bacnet {
namespace client_form_detail {

using ClientKind = rule_editor::ColumnKind;
using rule_editor::RuleColumn;
namespace client_colors = rule_editor::column_colors;
using ReadRule = BACnetReadRule;
using WriteRule = BACnetWriteRule;

constexpr int kClientTextBase = 2000;
constexpr int kDeleteQuestion = 2036;
constexpr int kNoBACnetType = 2057;
constexpr int kImportCaption = 2059;
// Column 2's header by BACnet type: read, write.
constexpr int kIpAddressHeaders[2] = {2009, 2021};
constexpr int kSlaveIdHeaders[2] = {2010, 2022};

QStringList clientNumbers(int count)
{
    QStringList items;
    items.reserve(count);
    for (int i = 0; i < count; ++i)
        items << QString::number(i);
    return items;
}

const QStringList kDestinationLengths = {"1", "2", "6", "M1", "M2", "M3", "M4", "M5", "M6", "M7", "M8"};

rule_editor::RuleTableLayout readLayout()
{
    const QStringList objects = {
        "Accumulator",   "Multi-State Input",  "Multi-State Output",     "Multi-State Value", "Analog Input",
        "Analog Output", "Analog Value",       "Binary Input",           "Binary Output",     "Binary Value",
        "Integer Value", "Large Analog Value", "Positive Integer Value", "Life Safety Point", "Life Safety Zone"};
    const QStringList properties = {"Present Value (85)",   "Object Identifier (75)", "Units (117)",
                                    "Scale (187)",          "PreScale (185)",         "Polarity (84)",
                                    "Event State (36)",     "Status Flags (111)",     "Object Type (79)",
                                    "Number of States (74)"};
    const QStringList conversions = {"None", "Float to Int", "(Float to Int) * 10", "(Float to Int) * 100"};
    rule_editor::RuleTableLayout layout{
        QStringLiteral("ECG1"),
        QStringLiteral("TS_BACnet_Read"),
        2006,
        rule_editor::GridKind::ColumnGrid,
        TFBACnetAccess::kRules,
        {
            RuleColumn{2008, 34, ClientKind::RowNumber},
            RuleColumn{2090, 48, ClientKind::CheckBox, client_colors::CheckBox},
            RuleColumn{2009, 100, ClientKind::Text, client_colors::Key},
            RuleColumn{2011, 130, ClientKind::ChoiceOrText, client_colors::Key, -1, objects},
            RuleColumn{2012, 66, ClientKind::Text, client_colors::Key},
            RuleColumn{2013, 140, ClientKind::ChoiceOrText, client_colors::Size, -1, properties},
            RuleColumn{2014, 50, ClientKind::Text, client_colors::Size},
            RuleColumn{2062, 56, ClientKind::CheckBox, client_colors::CheckBox},
            RuleColumn{2063, 50, ClientKind::Text, client_colors::Group},
            RuleColumn{2064, 50, ClientKind::Choice, client_colors::Group, -1, kDestinationLengths},
            RuleColumn{2065, 90, ClientKind::Text, client_colors::Group},
            RuleColumn{2015, 66, ClientKind::Text, client_colors::Size},
            RuleColumn{2016, 56, ClientKind::Text, client_colors::Size},
            RuleColumn{2017, 62, ClientKind::Choice, client_colors::Position, -1,
                       clientNumbers(TFBACnetAccess::kPositions)},
            RuleColumn{2018, 62, ClientKind::Choice, client_colors::Position, -1, clientNumbers(8)},
            RuleColumn{2060, 44, ClientKind::CheckBox, client_colors::CheckBox, -1, {}, true},
            RuleColumn{2080, 120, ClientKind::Choice, client_colors::Size, -1, conversions, true},
            RuleColumn{2019, 200, ClientKind::Text, client_colors::Description},
        },
        TFBACnetAccess::kAddressColumn};
    layout.errorRowId = client_texts::ReadErrorRow;
    return layout;
}

rule_editor::RuleTableLayout writeLayout()
{
    const QStringList objects = {"Multi-State Output", "Multi-State Value",  "Analog Output",
                                 "Analog Value",       "Binary Output",      "Binary Value",
                                 "Integer Value",      "Large Analog Value", "Positive Integer Value"};
    const QStringList dataTypes = {"Null",   "Boolean",      "Unsigned Int",     "Signed Int", "Real",
                                   "Double", "Octet String", "Character String", "Bit String", "Enumerated",
                                   "Date",   "Time",         "Object ID"};
    const QStringList conversions = {"None", "Int to Float", "(Int to Float) / 10", "(Int to Float) / 100"};
    rule_editor::RuleTableLayout layout{
        QStringLiteral("ECG2"),
        QStringLiteral("TS_BACnet_Write"),
        2007,
        rule_editor::GridKind::ColumnGrid,
        TFBACnetAccess::kRules,
        {
            RuleColumn{2020, 34, ClientKind::RowNumber},
            RuleColumn{2091, 48, ClientKind::CheckBox, client_colors::CheckBox},
            RuleColumn{2021, 100, ClientKind::Text, client_colors::Key},
            RuleColumn{2023, 130, ClientKind::ChoiceOrText, client_colors::Key, -1, objects},
            RuleColumn{2024, 100, ClientKind::Choice, client_colors::Key, -1, dataTypes},
            RuleColumn{2025, 66, ClientKind::Text, client_colors::Key},
            RuleColumn{
                2026, 130, ClientKind::ChoiceOrText, client_colors::Size, -1, {QStringLiteral("Present Value (85)")}},
            RuleColumn{2027, 62, ClientKind::Text, client_colors::Size},
            RuleColumn{2028, 50, ClientKind::Text, client_colors::Size},
            RuleColumn{2066, 56, ClientKind::CheckBox, client_colors::CheckBox},
            RuleColumn{2067, 50, ClientKind::Text, client_colors::Group},
            RuleColumn{2068, 50, ClientKind::Choice, client_colors::Group, -1, kDestinationLengths},
            RuleColumn{2069, 90, ClientKind::Text, client_colors::Group},
            RuleColumn{2029, 56, ClientKind::CheckBox, client_colors::CheckBox},
            RuleColumn{2030, 50, ClientKind::CheckBox, client_colors::CheckBox},
            RuleColumn{2031, 66, ClientKind::Text, client_colors::Size},
            RuleColumn{2032, 56, ClientKind::Text, client_colors::Size},
            RuleColumn{2033, 62, ClientKind::Choice, client_colors::Position, -1,
                       clientNumbers(TFBACnetAccess::kPositions)},
            RuleColumn{2034, 62, ClientKind::Choice, client_colors::Position, -1, clientNumbers(8)},
            RuleColumn{2061, 44, ClientKind::CheckBox, client_colors::CheckBox, -1, {}, true},
            RuleColumn{2081, 120, ClientKind::Choice, client_colors::Size, -1, conversions, true},
            RuleColumn{2035, 200, ClientKind::Text, client_colors::Description},
        },
        TFBACnetAccess::kAddressColumn};
    layout.errorRowId = client_texts::WriteErrorRow;
    return layout;
}

rule_editor::RuleEditorLayout clientLayout()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    const int width = screen != nullptr && screen->geometry().width() > 1270 ? 1305 : 1000;
    rule_editor::RuleEditorLayout layout{
        QStringLiteral("FBACnetAccess"), kClientTextBase, -1, -1, kDeleteQuestion, QSize(width, 337),
        {readLayout(), writeLayout()}};
    layout.rowClipboardButtons = false;
    return layout;
}

// The file's attributes in table column order; the Swap and Convertion
// columns are not saved.
const rule_editor::RecordColumns<ReadRule> kReadColumns = {
    &ReadRule::Enable,
    &ReadRule::IP_Address_Slave_ID,
    &ReadRule::Object_Type,
    &ReadRule::Instance,
    &ReadRule::Property,
    &ReadRule::NumByte,
    &ReadRule::Enable_Destination,
    &ReadRule::Destination_Network,
    &ReadRule::Destination_Length,
    &ReadRule::Destination_Address,
    &ReadRule::PollTime,
    &ReadRule::MaxError,
    &ReadRule::Position,
    &ReadRule::StartBit,
    nullptr,
    nullptr,
    &ReadRule::Mnemonic,
};
const rule_editor::RecordColumns<WriteRule> kWriteColumns = {
    &WriteRule::Enable,
    &WriteRule::IP_Address_Slave_ID,
    &WriteRule::Object_Type,
    &WriteRule::Data_Type,
    &WriteRule::Instance,
    &WriteRule::Property,
    &WriteRule::Priority,
    &WriteRule::NumByte,
    &WriteRule::Enable_Destination,
    &WriteRule::Destination_Network,
    &WriteRule::Destination_Length,
    &WriteRule::Destination_Address,
    &WriteRule::OnChange,
    &WriteRule::OnTimer,
    &WriteRule::PollTime,
    &WriteRule::MaxError,
    &WriteRule::Position,
    &WriteRule::StartBit,
    nullptr,
    nullptr,
    &WriteRule::Mnemonic,
};

BACnetClientFile clientFileOf(const std::vector<rule_editor::RuleRows>& saved)
{
    return {rule_editor::toRecords(saved[TFBACnetAccess::Read], kReadColumns),
            rule_editor::toRecords(saved[TFBACnetAccess::Write], kWriteColumns)};
}

}  // namespace client_form_detail

using namespace client_form_detail;

TFBACnetAccess::TFBACnetAccess(QWidget* parent) : TRuleEditorForm(clientLayout(), parent)
{
    ECG1 = table(Read).columnGrid();
    ECG2 = table(Write).columnGrid();
    Btn_Import_CSV = addButton(QStringLiteral("Btn_Import_CSV"), QString());
    Btn_Import_CSV->OnClick = [this](QObject*) { Btn_Import_CSVClick(); };
    for (const int index : {Read, Write}) {
        grid::TExStringGrid& g = table(index).grid();
        // No Enter-to-next-cell, header sizing or row selection here.
        g.OnKeyPress = nullptr;
        g.OnDblClickCell = nullptr;
        g.OnClickCell = nullptr;
    }
    // The read table's hint: the bytes of the property of a Property cell.
    ECG1->OnGridHint = [this](QObject*, int row, int col, QString& hint) {
        hint.clear();
        if (row < 1 || ECG1->RealColIndex(col) != kReadPropertyColumn)
            return;
        const rule_editor::RuleTable& t = table(Read);
        hint = Str_Hint_Read(t.cellText(kObjectTypeColumn, row), t.cellText(kReadPropertyColumn, row));
    };
    ECG2->OnGridHint = [](QObject*, int, int, QString& hint) { hint.clear(); };
    TFBACnetAccess::Set_Lang();
}

TFBACnetAccess::~TFBACnetAccess() = default;

void TFBACnetAccess::Set_Lang()
{
    TRuleEditorForm::Set_Lang();
    if (Btn_Import_CSV != nullptr)
        Btn_Import_CSV->SetCaption(app::langText(kImportCaption));
}

TFImportEDEFile& TFBACnetAccess::importDialog()
{
    if (FImportEDEFile == nullptr) {
        ownDialog_ = std::make_unique<TFImportEDEFile>();
        FImportEDEFile = ownDialog_.get();
    }
    return *FImportEDEFile;
}

// ---------------------------------------------------------------- showing

int32_t TFBACnetAccess::readBACnetType()
{
    params::ParGenFile parGen;
    QString error;
    if (!params::readParGenFile(app::appState().ParGen_Path, XML1, parGen, &error)) {
        XML1.clear();
        platform::dialogs().error(error, this);
        return kBACnetIP;
    }
    XML1.clear();
    const std::optional<QString> type = parGen.value(QStringLiteral("BACnet_Master_Type"));
    if (!type) {
        platform::dialogs().error(app::langText(kNoBACnetType), this);
        return kBACnetIP;
    }
    return platform::parseIntOr(*type, kBACnetIP);
}

void TFBACnetAccess::applyBACnetType()
{
    const bool addressed = App_BACnet_Type == kBACnetIP || App_BACnet_Type == kBACnetMSTP;
    for (const int index : {Read, Write}) {
        rule_editor::RuleTable& t = table(index);
        t.setColumnHidden(kAddressColumn, !addressed);
        t.setKeyColumn(addressed ? kAddressColumn : kObjectTypeColumn);
        if (addressed)
            t.setHeaderId(kAddressColumn,
                          App_BACnet_Type == kBACnetIP ? kIpAddressHeaders[index] : kSlaveIdHeaders[index]);
    }
}

void TFBACnetAccess::prepareShow()
{
    setActiveTable(Read);
    App_BACnet_Type = readBACnetType();
    applyBACnetType();
    ECG1->Columns()[kReadPositionColumn]->ComboItems = clientNumbers(kPositions);
    ECG2->Columns()[kWritePositionColumn]->ComboItems = clientNumbers(kPositions);
}

// ---------------------------------------------------------------- import

void TFBACnetAccess::Btn_Import_CSVClick()
{
    app::AppState& state = app::appState();
    TFImportEDEFile& dialog = importDialog();
    dialog.App_BACnet_Type = App_BACnet_Type;
    platform::FileDialogOptions options;
    options.filter = QStringLiteral("BACnet EDE File (*.csv)|*.csv");
    options.initialFolder = state.BACnet_CSV_Path;
    const std::optional<QString> file = platform::dialogs().openFile(options, this);
    if (!file)
        return;
    state.BACnet_CSV_Path = QFileInfo(*file).absolutePath();
    if (!platform::fileExists(*file))
        return;
    dialog.EDE_File = *file;
    if (dialog.exec() != platform::mrOk)
        return;
    importObjects(dialog.List_EDE_Var, dialog.deviceAddress());
}

void TFBACnetAccess::importObjects(const std::vector<TBACnet_Var>& objects, const QString& address)
{
    const int positionColumns[2] = {import_columns::ReadPosition, import_columns::WritePosition};
    const int numByteColumns[2] = {import_columns::ReadNumByte, import_columns::WriteNumByte};
    EdeImportTarget targets[2];
    for (const int index : {Read, Write}) {
        const rule_editor::RuleTable& t = table(index);
        std::vector<QStringList> rows;
        rows.reserve(size_t(t.dataRows()));
        for (int r = 1; r <= t.dataRows(); ++r) {
            rows.push_back(t.rowTexts(r));
            if (t.keyEmpty(r) && !t.holdsData(r))
                targets[index].freeRows.push_back(r);
        }
        targets[index].nextPosition =
            nextFreePosition(rows, t.layout().keyColumn, positionColumns[index], numByteColumns[index]);
    }
    const EdeImport placed = placeEdeObjects(objects, address, targets[Read], targets[Write]);
    const std::vector<std::pair<int, QStringList>>* added[2] = {&placed.read, &placed.write};
    const int leftOut[2] = {placed.readLeftOut, placed.writeLeftOut};
    for (const int index : {Read, Write}) {
        rule_editor::RuleTable& t = table(index);
        t.grid().BeginUpdate();
        for (const auto& [row, texts] : *added[index])
            t.setRowTexts(row, texts);
        t.grid().EndUpdate();
    }
    for (const int index : {Read, Write})
        if (leftOut[index] > 0)
            platform::dialogs().warning(
                rule_editor::formatText(app::langText(import_texts::TableFull),
                                        {PageControl1->tabText(index), QString::number(leftOut[index])}),
                this);
}

// ---------------------------------------------------------------- file

QString TFBACnetAccess::projectFilePath() const { return app::appState().BACnet_Master_Access_Path; }

rule_editor::LoadedProject TFBACnetAccess::loadProject()
{
    return rule_editor::loadProjectFile<BACnetClientFile>(
        projectFilePath(), XML1, readBACnetClientFile, [&](BACnetClientFile& rules) {
            return std::vector<rule_editor::RuleRows>{rule_editor::toRows(rules.Read, kReadColumns),
                                                      rule_editor::toRows(rules.Write, kWriteColumns)};
        });
}

std::optional<rule_editor::RuleFailure> TFBACnetAccess::checkRows(const std::vector<rule_editor::RuleRows>& saved) const
{
    return checkBACnetClientRules(App_BACnet_Type, clientFileOf(saved));
}

bool TFBACnetAccess::saveProject(const std::vector<rule_editor::RuleRows>& saved, QString* error)
{
    return writeBACnetClientFile(projectFilePath(), XML1, clientFileOf(saved), error);
}

}  // namespace bacnet
