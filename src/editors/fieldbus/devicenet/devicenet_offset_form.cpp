#include "editors/fieldbus/devicenet/devicenet_offset_form.h"

#include <QLabel>
#include <QSplitter>
#include <QTabWidget>
#include <QVBoxLayout>

#include "app/app_state.h"
#include "app/language.h"
#include "controls/grid/column_grid/ex_column_grid.h"
#include "editors/ethercat_mqtt/rule_editor/rule_texts.h"
#include "editors/fieldbus/devicenet/devicenet_network_form.h"
#include "editors/fieldbus/devicenet/devicenet_network_file.h"
#include "editors/fieldbus/devicenet/devicenet_offset_file.h"

namespace devicenet {
namespace offset_form_detail {

constexpr int kHeaderRowHeight = 22;

struct ColumnSpec {
    int headerId;
    int width;
    TColor color;
    grid::TEditorType editor;
};

// A column grid with a bold header row and the given columns; the first
// `fixedCols` columns are fixed, every column is read-only when
// `readOnly`.
void setUpGrid(grid::TExColumnGrid& g, const QString& name, int fixedCols, bool readOnly,
               const std::vector<ColumnSpec>& columns)
{
    g.setObjectName(name);
    g.SetColCount(int(columns.size()));
    g.SetRowCount(2);
    g.SetFixedRows(1);
    g.SetFixedCols(fixedCols);
    g.SetRowHeights(0, kHeaderRowHeight);
    grid::TCellFont header = g.FixedFont();
    header.Style = grid::fsBold;
    g.SetFixedFont(header);
    for (int c = 0; c < int(columns.size()); ++c) {
        grid::TGridColumnItem* item = g.Columns()[c];
        item->SetWidth(columns[size_t(c)].width);
        grid::TCellFont columnHeader = item->HeaderFont();
        columnHeader.Style = grid::fsBold;
        item->SetHeaderFont(columnHeader);
        if (c < fixedCols)
            continue;
        item->SetColor(columns[size_t(c)].color);
        item->SetEditor(columns[size_t(c)].editor);
        item->ReadOnly = readOnly;
    }
}

void applyHeaders(grid::TExColumnGrid& g, std::initializer_list<int> ids)
{
    int c = 0;
    for (const int id : ids)
        g.Columns()[c++]->SetHeader(app::langText(id));
}

// "None", then the positions 0 .. count - 1.
QStringList offsetItems(int count)
{
    QStringList items;
    items.reserve(count + 1);
    items << kNoOffset;
    for (int i = 0; i < count; ++i)
        items << QString::number(i);
    return items;
}

// Gives a grid `count` data rows. A grid keeps its header row fixed only
// above a data row: with nothing to show it keeps one, empty.
void setDataRows(grid::TExColumnGrid& g, int count)
{
    g.SetRowCount(std::max(count, 1) + 1);
    g.SetFixedRows(1);
    if (count == 0)
        for (int c = 0; c < g.ColCount(); ++c)
            g.SetCellEx(c, 1, QString());
}

// Shows a slave's bytes: one row per byte, its number from 0, offset and
// description. The numbers of the rows that stay are already right. A
// slave without such bytes leaves one empty row that takes no typing.
void fillByteTable(grid::TExColumnGrid& g, const QStringList& offsets, const QStringList& descriptions)
{
    const int numbered = g.GetCellEx(TFDefOffset::ByteNumber, 1).isEmpty() ? 0 : g.RowCount() - 1;
    const int count = int(offsets.size());
    g.BeginUpdate();
    setDataRows(g, count);
    g.Columns()[TFDefOffset::Offset]->ReadOnly = count == 0;
    g.Columns()[TFDefOffset::ByteMnemonic]->ReadOnly = count == 0;
    for (int r = 1; r <= count; ++r) {
        if (r > numbered)
            g.SetCellEx(TFDefOffset::ByteNumber, r, QString::number(r - 1));
        g.SetCellEx(TFDefOffset::Offset, r, offsets[r - 1]);
        g.SetCellEx(TFDefOffset::ByteMnemonic, r, descriptions[r - 1]);
    }
    g.SetTopRow(1);
    g.FocusCell(TFDefOffset::Offset, 1);
    g.EndUpdate();
}

// Takes a byte table's cells back into a slave's lists (an open cell
// editor first gives its text to the cell).
void takeByteTable(grid::TExColumnGrid& g, QStringList& offsets, QStringList& descriptions)
{
    g.HideInplaceEdit();
    const int count = std::min<int>(g.RowCount() - 1, int(offsets.size()));
    for (int i = 0; i < count; ++i) {
        offsets[i] = g.GetCellEx(TFDefOffset::Offset, i + 1);
        descriptions[i] = g.GetCellEx(TFDefOffset::ByteMnemonic, i + 1);
    }
}

rule_editor::RuleEditorLayout offsetFormLayout()
{
    rule_editor::RuleEditorLayout layout{QStringLiteral("FDefOffset"), 3000, 3004, -1, -1, QSize(482, 610), {}};
    layout.rowCommands = false;
    return layout;
}

}  // namespace offset_form_detail
using namespace offset_form_detail;

TFDefOffset::TFDefOffset(QWidget* parent) : TRuleEditorForm(offsetFormLayout(), parent)
{
    buildClientArea();
    setActiveTable(InputPage);
    Set_Lang();
}

TFDefOffset::~TFDefOffset() = default;

void TFDefOffset::buildClientArea()
{
    Splitter1 = new QSplitter(Qt::Vertical, this);
    Splitter1->setObjectName(QStringLiteral("Splitter1"));
    Splitter1->setChildrenCollapsible(false);

    Panel1 = new QWidget(Splitter1);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    auto* upper = new QVBoxLayout(Panel1);
    upper->setContentsMargins(8, 6, 8, 4);
    Label1 = new QLabel(Panel1);
    Label1->setObjectName(QStringLiteral("Label1"));
    upper->addWidget(Label1);
    ECG_DN_Slaves = new grid::TExColumnGrid(Panel1);
    setUpGrid(*ECG_DN_Slaves, QStringLiteral("ECG_DN_Slaves"), 0, true,
              {{3011, 100, slave_colors::Id, grid::edNormal},
               {3012, 100, slave_colors::Bytes, grid::edNormal},
               {3013, 100, slave_colors::Bytes, grid::edNormal},
               {3014, 160, clWindow, grid::edNormal}});
    upper->addWidget(ECG_DN_Slaves, 1);

    Panel3 = new QWidget(Splitter1);
    Panel3->setObjectName(QStringLiteral("Panel3"));
    auto* lower = new QVBoxLayout(Panel3);
    lower->setContentsMargins(8, 4, 8, 4);
    Label2 = new QLabel(Panel3);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label3 = new QLabel(Panel3);
    Label3->setObjectName(QStringLiteral("Label3"));
    lower->addWidget(Label2);
    lower->addWidget(Label3);
    PageControl1 = new QTabWidget(Panel3);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    lower->addWidget(PageControl1, 1);
    const auto byteTable = [this](const QString& sheetName, const QString& gridName) {
        auto* sheet = new QWidget(PageControl1);
        sheet->setObjectName(sheetName);
        auto* box = new QVBoxLayout(sheet);
        box->setContentsMargins(0, 0, 0, 0);
        auto* g = new grid::TExColumnGrid(sheet);
        setUpGrid(*g, gridName, 1, false,
                  {{-1, 60, clBtnFace, grid::edNormal},
                   {-1, 90, clWindow, grid::edComboList},
                   {-1, 300, clWindow, grid::edNormal}});
        box->addWidget(g);
        PageControl1->addTab(sheet, QString());
        return std::pair{sheet, g};
    };
    std::tie(TabSheet1, ECG_ByteIN) = byteTable(QStringLiteral("TabSheet1"), QStringLiteral("ECG_ByteIN"));
    std::tie(TabSheet2, ECG_ByteOUT) = byteTable(QStringLiteral("TabSheet2"), QStringLiteral("ECG_ByteOUT"));

    Splitter1->addWidget(Panel1);
    Splitter1->addWidget(Panel3);
    Splitter1->setSizes({180, 320});
    addClientWidget(Splitter1);

    // A click picks a slave; so does moving the cursor with the keys, once
    // the move is done.
    ECG_DN_Slaves->OnClick = [this](QObject*) { ECG_DN_SlavesClick(); };
    ECG_DN_Slaves->OnRowUpdate = [this](QObject*, int, int) {
        QMetaObject::invokeMethod(this, [this] { ECG_DN_SlavesClick(); }, Qt::QueuedConnection);
    };
}

void TFDefOffset::Set_Lang()
{
    TRuleEditorForm::Set_Lang();
    const auto text = [](int id) { return app::langText(id); };
    PageControl1->setTabText(InputPage, text(3006));
    PageControl1->setTabText(OutputPage, text(3007));
    Label1->setText(text(3008));
    Label2->setText(text(3009));
    Label3->setText(text(3010));
    applyHeaders(*ECG_DN_Slaves, {3011, 3012, 3013, 3014});
    applyHeaders(*ECG_ByteIN, {3015, 3016, 3017});
    applyHeaders(*ECG_ByteOUT, {3018, 3019, 3020});
}

QString TFDefOffset::projectFilePath() const { return app::appState().DNETM_DefOff_Path; }

void TFDefOffset::prepareShow()
{
    List_Slaves_DN.clear();
    MAX_BYTE_IN = kArraySize;
    MAX_BYTE_OUT = kArraySize;
    ECG_ByteIN->Columns()[Offset]->ComboItems = offsetItems(MAX_BYTE_IN);
    ECG_ByteOUT->Columns()[Offset]->ComboItems = offsetItems(MAX_BYTE_OUT);
    Slave_Before_Select = -1;
}

rule_editor::LoadedProject TFDefOffset::loadProject()
{
    rule_editor::LoadedProject project;
    project.failure = Load_Slave_DN();
    if (project.failure.isEmpty())
        project.failure = Load_Offset_Slave_DN(project.notices);
    if (!project.failure.isEmpty())
        List_Slaves_DN.clear();
    Select_First();
    setActiveTable(InputPage);
    return project;
}

QString TFDefOffset::Load_Slave_DN()
{
    setDataRows(*ECG_DN_Slaves, 0);
    const QString path = app::appState().DNETM_Net_Path;
    std::vector<DeviceNetSlave> network;
    const ethercat_mqtt::ProjectFileRead read = readDeviceNetNetworkFile(path, XML1, network);
    if (!read.ok())
        return rule_editor::fileProblemText(path, read.reason, read.missingElement);
    if (const std::optional<SlaveListProblem> problem = slavesFromNetwork(network, List_Slaves_DN))
        return rule_editor::formatText(app::langText(offset_texts::SlaveListUnusable),
                                       {path, QString::number(problem->row),
                                        app::langText(offset_texts::SlaveId + problem->column - 1), problem->text,
                                        QString::number(problem->high)});
    ECG_DN_Slaves->BeginUpdate();
    setDataRows(*ECG_DN_Slaves, int(network.size()));
    for (size_t i = 0; i < network.size(); ++i) {
        const DeviceNetSlave& s = network[i];
        const QString cells[] = {s.ID, s.NB_IN, s.NB_OUT, s.Mnemonic};
        for (int c = 0; c < 4; ++c)
            ECG_DN_Slaves->SetCellEx(c, int(i) + 1, cells[c]);
    }
    ECG_DN_Slaves->EndUpdate();
    return {};
}

QString TFDefOffset::Load_Offset_Slave_DN(QStringList& notices)
{
    const QString path = projectFilePath();
    std::vector<DeviceNetNode> nodes;
    const ethercat_mqtt::ProjectFileRead read = readDeviceNetOffsetFile(path, XML1, nodes);
    if (!read.ok())
        return rule_editor::fileProblemText(path, read.reason, read.missingElement);
    const OffsetSurplus surplus = applyOffsets(nodes, List_Slaves_DN);
    if (surplus.nodes > 0)
        notices << rule_editor::formatText(app::langText(offset_texts::SurplusNodes),
                                           {path, QString::number(surplus.nodes)});
    if (surplus.bytes > 0)
        notices << rule_editor::formatText(app::langText(offset_texts::SurplusBytes),
                                           {path, QString::number(surplus.bytes)});
    return {};
}

void TFDefOffset::Select_First()
{
    if (List_Slaves_DN.empty()) {
        setDataRows(*ECG_DN_Slaves, 0);
        Update_Slave_DN();
        return;
    }
    ECG_DN_Slaves->FocusCell(0, 1);
    ECG_DN_SlavesClick();
}

void TFDefOffset::ECG_DN_SlavesClick()
{
    const int row = ECG_DN_Slaves->Row();
    if (row < 1 || row > int(List_Slaves_DN.size()))
        return;
    ECG_DN_Slaves->SelectRows(row, 1);
    if (row - 1 == Slave_Before_Select)
        return;
    Save_Data_ByteIN_ByteOUT();
    Slave_Before_Select = row - 1;
    Update_Slave_DN();
}

void TFDefOffset::Update_Slave_DN()
{
    if (Slave_Before_Select < 0 || Slave_Before_Select >= int(List_Slaves_DN.size())) {
        fillByteTable(*ECG_ByteIN, {}, {});
        fillByteTable(*ECG_ByteOUT, {}, {});
        return;
    }
    const TSlave_DN& s = List_Slaves_DN[size_t(Slave_Before_Select)];
    fillByteTable(*ECG_ByteIN, s.SL_ByteIN, s.SL_ByteIN_M);
    fillByteTable(*ECG_ByteOUT, s.SL_ByteOUT, s.SL_ByteOUT_M);
}

bool TFDefOffset::Save_Data_ByteIN_ByteOUT()
{
    if (Slave_Before_Select < 0 || Slave_Before_Select >= int(List_Slaves_DN.size()))
        return true;
    TSlave_DN& s = List_Slaves_DN[size_t(Slave_Before_Select)];
    takeByteTable(*ECG_ByteIN, s.SL_ByteIN, s.SL_ByteIN_M);
    takeByteTable(*ECG_ByteOUT, s.SL_ByteOUT, s.SL_ByteOUT_M);
    return true;
}

void TFDefOffset::commitEdits() { Save_Data_ByteIN_ByteOUT(); }

std::optional<rule_editor::RuleFailure> TFDefOffset::checkRows(const std::vector<rule_editor::RuleRows>&) const
{
    const std::optional<OffsetFailure> failure = checkDeviceNetOffsets(List_Slaves_DN, MAX_BYTE_IN, MAX_BYTE_OUT);
    if (!failure)
        return std::nullopt;
    // The message names the slave and the byte itself.
    return rule_editor::RuleFailure{-1, 0, -1, offsetFailureText(*failure)};
}

bool TFDefOffset::saveProject(const std::vector<rule_editor::RuleRows>&, QString* error)
{
    return writeDeviceNetOffsetFile(projectFilePath(), XML1, offsetNodes(List_Slaves_DN), error);
}

}  // namespace devicenet
