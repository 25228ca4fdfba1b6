#include "editors/ethernet/iec61850/client_form.h"

#include <QHelpEvent>
#include <QListWidget>
#include <QPainter>
#include <QShowEvent>
#include <QSignalBlocker>
#include <QSplitter>
#include <QTabWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "app/app_state.h"
#include "app/language.h"
#include "app/shared_checks.h"
#include "controls/button/lb_button.h"
#include "controls/grid/column_grid/ex_column_grid.h"
#include "editors/ethercat_mqtt/rule_editor/rule_editor_form.h"
#include "editors/ethercat_mqtt/rule_editor/rule_grid_services.h"
#include "editors/ethercat_mqtt/rule_editor/rule_records.h"
#include "editors/ethercat_mqtt/rule_editor/rule_table.h"
#include "editors/ethercat_mqtt/rule_editor/rule_texts.h"
#include "editors/ethernet/common/rule_columns.h"
#include "editors/ethernet/iec61850/client_rules.h"
#include "platform/dialogs.h"
#include "platform/modal_result.h"

namespace iec61850 {
namespace client_form_detail {

using K = rule_editor::ColumnKind;
using rule_editor::RuleColumn;
namespace colors = rule_editor::column_colors;

constexpr int kClientWidth = 1200;
constexpr int kClientHeight = 550;
constexpr int kTitleHeight = 69;
constexpr int kButtonBarHeight = 40;
constexpr int kDevicePanelWidth = 465;
constexpr int kCatalogPanelWidth = 161;
constexpr TColor kFormColor = 0x00EDF7F8;  // RGB(248, 247, 237)

namespace texts {
constexpr int Caption = 3200;
constexpr int Description = 3201;
constexpr int FirstButtonCaption = 3202;  // OK, Cancel, Add Var, Remove Var, Move Up, Move Down, Add / Remove IED
constexpr int FirstButtonHint = 3210;
constexpr int SheetVariables = 3268;
constexpr int SheetDataSet = 3269;
}  // namespace texts

const QString kSclFilter = QStringLiteral(
    "SCL Files (*.scd, *.ssd, *.sed, *.icd, *.iid, *.cid)|*.scd;*.ssd;*.sed;*.icd;*.iid;*.cid|Any File (*.*)|*.*");
const QStringList kReadWrite = {QStringLiteral("Read"), QStringLiteral("Write")};
const QStringList kConversions = {QStringLiteral("None"), QStringLiteral("ItoF/FtoI")};

// Tree items: the model object they show and whether their children are made.
constexpr int kObjectRole = Qt::UserRole;
constexpr int kImageRole = Qt::UserRole + 1;
constexpr int kFilledRole = Qt::UserRole + 2;

QString text(int id) { return app::langText(id); }

rule_editor::RuleTableLayout tableLayout(const char* grid, std::vector<RuleColumn> columns)
{
    return {QString::fromLatin1(grid), QString(), -1, rule_editor::GridKind::ColumnGrid, 1, std::move(columns), 1};
}

rule_editor::RuleTableLayout attributeLayout()
{
    const QStringList bits = ethernet_editors::numberItems(8);
    return tableLayout("ECG_DA", {
        RuleColumn{3218, 30, K::RowNumber},
        RuleColumn{3219, 45, K::Text, colors::Group, 3236},
        RuleColumn{3220, 80, K::Computed, colors::Key, 3237},
        RuleColumn{3221, 30, K::Computed, colors::Key, 3238},
        RuleColumn{3222, 230, K::Computed, colors::Key, 3239},
        RuleColumn{3258, 70, K::Text, colors::Size, 3260},
        RuleColumn{3259, 70, K::Text, colors::Size, 3261},
        RuleColumn{3223, 100, K::Text, colors::Group, 3240},
        RuleColumn{3224, 45, K::Text, colors::Group, 3241},
        RuleColumn{3225, 72, K::CheckBox, colors::CheckBox, 3242},
        RuleColumn{3226, 60, K::CheckBox, colors::CheckBox, 3243},
        RuleColumn{3227, 65, K::CheckBox, colors::CheckBox, 3244},
        RuleColumn{3228, 70, K::Text, colors::Size, 3245},
        RuleColumn{3229, 62, K::Text, colors::Position, 3246},
        RuleColumn{3230, 62, K::Choice, colors::Position, 3247, bits},
        RuleColumn{3231, 55, K::Choice, colors::Size, 3248, kReadWrite},
        RuleColumn{3232, 80, K::Choice, colors::Size, 3249, kConversions},
        RuleColumn{3233, 70, K::Text, colors::Size, 3250},
        RuleColumn{3234, 150, K::Text, colors::Description, 3251},
    });
}

// The data-set and member grids show no header hints: the attribute grid's
// would name other columns.
rule_editor::RuleTableLayout dataSetLayout()
{
    return tableLayout("ECG_DataSet", {
        RuleColumn{3270, 30, K::RowNumber},
        RuleColumn{3271, 45, K::Text, colors::Group},
        RuleColumn{3272, 230, K::Computed, colors::Key},
        RuleColumn{3273, 110, K::Computed, colors::Key},
        RuleColumn{3274, 70, K::CheckBox, colors::CheckBox},
        RuleColumn{3275, 100, K::Text, colors::Group},
        RuleColumn{3276, 45, K::Text, colors::Group},
        RuleColumn{3277, 70, K::Text, colors::Size},
        RuleColumn{3278, 150, K::Text, colors::Description},
    });
}

rule_editor::RuleTableLayout memberLayout()
{
    return tableLayout("ECG_DS_Vars", {
        RuleColumn{3279, 30, K::RowNumber},
        RuleColumn{3280, 80, K::Computed, colors::Key},
        RuleColumn{3281, 250, K::Computed, colors::Key},
        RuleColumn{3282, 62, K::Text, colors::Position},
        RuleColumn{3283, 62, K::Choice, colors::Position, -1, ethernet_editors::numberItems(8)},
        RuleColumn{3284, 80, K::Choice, colors::Size, -1, kConversions},
        RuleColumn{3285, 70, K::Text, colors::Size},
        RuleColumn{3286, 150, K::Text, colors::Description},
    });
}

// The file's attributes in the tables' column order.
using A = ClientDaItem;
const rule_editor::RecordColumns<A> kAttributeColumns = {
    &A::Index,     &A::bType,   &A::fc,       &A::Reference, &A::StartByte, &A::NumByte,
    &A::IPAddress, &A::Port,    &A::OnChange, &A::OnCMD,     &A::OnTimer,   &A::Time,
    &A::Position,  &A::StartBit, &A::ReadWrite, &A::Convertion, &A::MoltFact, &A::Mnemonic,
};
using D = ClientDataSetItem;
const rule_editor::RecordColumns<D> kDataSetColumns = {
    &D::Index, &D::Reference, &D::GooseName, &D::EnGoose, &D::IPAddress, &D::Port, &D::Time, &D::Mnemonic,
};

// The six pictures of the tree, drawn here: a rack (IED), a folder (logical
// device), a tile (logical node), a disc (data object), a diamond (data
// attribute) and a list (data set).
QIcon drawTreeImage(int kind)
{
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(60, 60, 60), 1));
    switch (kind) {
    case TFIEC_61850_Access::ImageDevice:
        p.setBrush(QColor(90, 100, 115));
        p.drawRect(2, 1, 11, 13);
        p.setPen(QColor(170, 230, 170));
        for (int y = 4; y <= 11; y += 3)
            p.drawLine(4, y, 11, y);
        break;
    case TFIEC_61850_Access::ImageLDevice:
        p.setBrush(QColor(240, 200, 90));
        p.drawRect(1, 4, 14, 10);
        p.drawRect(1, 2, 6, 2);
        break;
    case TFIEC_61850_Access::ImageLN:
        p.setBrush(QColor(245, 150, 60));
        p.drawRoundedRect(2, 2, 12, 12, 3, 3);
        break;
    case TFIEC_61850_Access::ImageDO:
        p.setBrush(QColor(70, 110, 220));
        p.drawEllipse(3, 3, 10, 10);
        break;
    case TFIEC_61850_Access::ImageDA:
        p.setBrush(QColor(80, 180, 90));
        p.drawPolygon(QPolygon({QPoint(8, 2), QPoint(14, 8), QPoint(8, 14), QPoint(2, 8)}));
        break;
    default:
        p.setBrush(QColor(170, 90, 200));
        p.drawRect(2, 2, 12, 12);
        p.setPen(Qt::white);
        for (int y = 5; y <= 11; y += 3)
            p.drawLine(4, y, 12, y);
        break;
    }
    return QIcon(pixmap);
}

const QIcon& treeImage(int kind)
{
    static const QIcon images[] = {drawTreeImage(0), drawTreeImage(1), drawTreeImage(2),
                                   drawTreeImage(3), drawTreeImage(4), drawTreeImage(5)};
    return images[std::clamp(kind, 0, 5)];
}

}  // namespace client_form_detail
using namespace client_form_detail;

TFIEC_61850_Access::TFIEC_61850_Access(QWidget* parent) : TLoadingDialog(parent)
{
    buildForm();
    TFIEC_61850_Access::Set_Lang();
}

TFIEC_61850_Access::~TFIEC_61850_Access()
{
    // The tree's items refer to the catalog's objects: they go first.
    clearTree();
}

// ---------------------------------------------------------------- creation

void TFIEC_61850_Access::buildForm()
{
    setObjectName(QStringLiteral("FIEC_61850_Access"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setFont(form_parts::formFont());
    QPalette pal = palette();
    pal.setColor(QPalette::Window, toQColor(kFormColor));
    setPalette(pal);
    setAutoFillBackground(true);
    resize(kClientWidth, kClientHeight);

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    title = form_parts::makeTitlePanel(this, app::appState().SW_Code);
    title.P_Title->setFixedHeight(kTitleHeight);
    title.L_SW_Code->move(16, 8);
    title.L_SW_Desc->move(16, 42);
    column->addWidget(title.P_Title);

    Splitter1 = new QSplitter(Qt::Horizontal, this);
    Splitter1->setObjectName(QStringLiteral("Splitter1"));
    Splitter1->setChildrenCollapsible(false);
    column->addWidget(Splitter1, 1);
    PDevIEC = new QWidget(Splitter1);
    PDevIEC->setObjectName(QStringLiteral("PDevIEC"));
    buildCatalogPanel();
    PTable = new QWidget(Splitter1);
    PTable->setObjectName(QStringLiteral("PTable"));
    buildTables();
    Splitter1->setSizes({kDevicePanelWidth, kClientWidth - kDevicePanelWidth});

    P_Button = new QWidget(this);
    P_Button->setObjectName(QStringLiteral("P_Button"));
    P_Button->setFixedHeight(kButtonBarHeight);
    column->addWidget(P_Button);
    Btn_OK = rule_editor::placeRuleFormButton(P_Button, QStringLiteral("Btn_OK"), 0);
    Btn_Cancel = rule_editor::placeRuleFormButton(P_Button, QStringLiteral("Btn_Cancel"), 1);
    Btn_AddVar = rule_editor::placeRuleFormButton(P_Button, QStringLiteral("Btn_AddVar"), 2);
    Btn_RemoveVar = rule_editor::placeRuleFormButton(P_Button, QStringLiteral("Btn_RemoveVar"), 3);
    Btn_MoveUp = rule_editor::placeRuleFormButton(P_Button, QStringLiteral("Btn_MoveUp"), 4);
    Btn_ModeDown = rule_editor::placeRuleFormButton(P_Button, QStringLiteral("Btn_ModeDown"), 5);
    Btn_MoveUp->setVisible(false);
    Btn_ModeDown->setVisible(false);
    Btn_Cancel->SetModalResult(platform::mrCancel);
    Btn_OK->OnClick = [this](QObject*) { Btn_OKClick(); };
    Btn_AddVar->OnClick = [this](QObject*) { Btn_AddVarClick(); };
    Btn_RemoveVar->OnClick = [this](QObject*) { Btn_RemoveVarClick(); };
}

void TFIEC_61850_Access::buildCatalogPanel()
{
    auto* layout = new QVBoxLayout(PDevIEC);
    layout->setContentsMargins(0, 0, 0, 0);
    Splitter2 = new QSplitter(Qt::Horizontal, PDevIEC);
    Splitter2->setObjectName(QStringLiteral("Splitter2"));
    Splitter2->setChildrenCollapsible(false);
    layout->addWidget(Splitter2);

    PDevIECList = new QWidget(Splitter2);
    PDevIECList->setObjectName(QStringLiteral("PDevIECList"));
    auto* list = new QVBoxLayout(PDevIECList);
    list->setContentsMargins(4, 4, 4, 4);
    const auto catalogButton = [this](const char* name) {
        auto* b = rule_editor::placeRuleFormButton(PDevIECList, QString::fromLatin1(name), 0);
        b->setMinimumHeight(28);
        b->setMaximumHeight(28);
        b->setMinimumWidth(0);
        b->setMaximumWidth(QWIDGETSIZE_MAX);
        return b;
    };
    Btn_Add_IEC_Device = catalogButton("Btn_Add_IEC_Device");
    list->addWidget(Btn_Add_IEC_Device);
    LB_IEC_Devices = new QListWidget(PDevIECList);
    LB_IEC_Devices->setObjectName(QStringLiteral("LB_IEC_Devices"));
    list->addWidget(LB_IEC_Devices, 1);
    Btn_Remove_IEC_Device = catalogButton("Btn_Remove_IEC_Device");
    list->addWidget(Btn_Remove_IEC_Device);
    Btn_Add_IEC_Device->OnClick = [this](QObject*) { Btn_Add_IEC_DeviceClick(); };
    Btn_Remove_IEC_Device->OnClick = [this](QObject*) { Btn_Remove_IEC_DeviceClick(); };
    connect(LB_IEC_Devices, &QListWidget::currentRowChanged, this, [this] { LB_IEC_DevicesClick(); });
    connect(LB_IEC_Devices, &QListWidget::itemClicked, this, [this] {
        if (LB_IEC_Devices->currentRow() != shownDevice_)
            LB_IEC_DevicesClick();
    });

    PDevIECTree = new QWidget(Splitter2);
    PDevIECTree->setObjectName(QStringLiteral("PDevIECTree"));
    auto* tree = new QVBoxLayout(PDevIECTree);
    tree->setContentsMargins(0, 0, 0, 0);
    TV_IEC_Device = new QTreeWidget(PDevIECTree);
    TV_IEC_Device->setObjectName(QStringLiteral("TV_IEC_Device"));
    TV_IEC_Device->setHeaderHidden(true);
    TV_IEC_Device->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tree->addWidget(TV_IEC_Device);
    connect(TV_IEC_Device, &QTreeWidget::itemExpanded, this, [this](QTreeWidgetItem* item) { addChildNodes(item); });
    connect(TV_IEC_Device, &QTreeWidget::currentItemChanged, this, [this] { TV_IEC_DeviceClick(); });
    Splitter2->setSizes({kCatalogPanelWidth, kDevicePanelWidth - kCatalogPanelWidth});
}

void TFIEC_61850_Access::buildTables()
{
    auto* layout = new QVBoxLayout(PTable);
    layout->setContentsMargins(0, 0, 0, 0);
    PC_DA_DataSet = new QTabWidget(PTable);
    PC_DA_DataSet->setObjectName(QStringLiteral("PC_DA_DataSet"));
    layout->addWidget(PC_DA_DataSet);

    TS_DA = new QWidget(PC_DA_DataSet);
    TS_DA->setObjectName(QStringLiteral("TS_DA"));
    auto* variables = new QVBoxLayout(TS_DA);
    variables->setContentsMargins(0, 0, 0, 0);
    ECG_DA = new grid::TExColumnGrid(TS_DA);
    variables->addWidget(ECG_DA);
    PC_DA_DataSet->addTab(TS_DA, QString());

    TS_DataSet = new QWidget(PC_DA_DataSet);
    TS_DataSet->setObjectName(QStringLiteral("TS_DataSet"));
    auto* sets = new QVBoxLayout(TS_DataSet);
    sets->setContentsMargins(0, 0, 0, 0);
    Splitter3 = new QSplitter(Qt::Vertical, TS_DataSet);
    Splitter3->setObjectName(QStringLiteral("Splitter3"));
    Splitter3->setChildrenCollapsible(false);
    sets->addWidget(Splitter3);
    ECG_DataSet = new grid::TExColumnGrid(Splitter3);
    ECG_DS_Vars = new grid::TExColumnGrid(Splitter3);
    PC_DA_DataSet->addTab(TS_DataSet, QString());

    tables_.push_back(std::make_unique<rule_editor::RuleTable>(*ECG_DA, attributeLayout()));
    tables_.push_back(std::make_unique<rule_editor::RuleTable>(*ECG_DataSet, dataSetLayout()));
    tables_.push_back(std::make_unique<rule_editor::RuleTable>(*ECG_DS_Vars, memberLayout()));
    for (int i = 0; i < 3; ++i) {
        wireGrid(i);
        emptyTable(*tables_[size_t(i)]);
    }
    ECG_DS_Vars->OnEditCellDone = [this](QObject*, int col, int row) {
        if (Shown_DataSet != nullptr && row >= 1 && row <= int(Shown_DataSet->List_DAs.size()))
            storeMemberCell(Shown_DataSet->List_DAs[size_t(row - 1)], col, ECG_DS_Vars->GetCellEx(col, row));
    };
}

void TFIEC_61850_Access::wireGrid(int index)
{
    grid::TExStringGrid& g = tables_[size_t(index)]->grid();
    g.OnKeyPress = [&g](QObject*, QChar& key) { rule_editor::applicationRowCommands().KeyPress_Next_Cell(g, key); };
    g.OnDblClickCell = [&g](QObject*, int row, int col) {
        rule_editor::applicationRowCommands().DblClickCell_AutoSize(g, row, col);
    };
    g.OnClickCell = [this, &g, index](QObject*, int row, int col) {
        if (col == 0 && row > 0)
            g.SelectRows(row, 1);
        if (index == 1)
            Show_DataSet_DAs();
    };
    g.OnGridHint = [this, index](QObject*, int row, int col, QString& hint) {
        if (row == 0 && col > 0)
            hint = tables_[size_t(index)]->headerHint(col);
    };
}

void TFIEC_61850_Access::Set_Lang()
{
    setWindowTitle(text(texts::Caption));
    title.L_SW_Desc->setText(text(texts::Description));
    title.L_SW_Desc->adjustSize();
    button::TLbButton* const buttons[] = {Btn_OK,       Btn_Cancel,   Btn_AddVar,         Btn_RemoveVar,
                                          Btn_MoveUp,   Btn_ModeDown, Btn_Add_IEC_Device, Btn_Remove_IEC_Device};
    for (int k = 0; k < 8; ++k) {
        buttons[k]->SetCaption(text(texts::FirstButtonCaption + k));
        buttons[k]->setToolTip(text(texts::FirstButtonHint + k));
    }
    PC_DA_DataSet->setTabText(0, text(texts::SheetVariables));
    PC_DA_DataSet->setTabText(1, text(texts::SheetDataSet));
    for (const auto& t : tables_)
        t->applyHeaders();
}

// ---------------------------------------------------------------- showing

bool TFIEC_61850_Access::FormShow()
{
    tablesLoaded_ = false;
    Selected_IEC_DA = nullptr;
    Selected_IEC_DS = nullptr;
    clearTree();
    clearMembers();
    List_DataSet.clear();
    List_IEC_Dev.clear();
    Show_IEC_Devices();
    emptyTable(attributeTable());
    emptyTable(dataSetTable());
    PC_DA_DataSet->setCurrentWidget(TS_DA);

    const QString path = app::appState().IEC_61850_Client_Path;
    loadedFile_ = platform::FileStamp::of(path);
    ClientProject project = loadClientProject(path, catalogFolder(app::appState().Project_Path), XML1);
    if (!project.read.ok()) {
        platform::dialogs().error(
            rule_editor::fileProblemText(path, project.read.reason, project.read.missingElement), this);
        return false;
    }
    List_IEC_Dev = std::move(project.catalog);
    const auto fill = [](rule_editor::RuleTable& table, const rule_editor::RuleRows& rows) {
        if (rows.empty())
            return;
        table.grid().BeginUpdate();
        table.setDataRows(int(rows.size()));
        for (size_t i = 0; i < rows.size(); ++i) {
            table.grid().SetCellEx(0, int(i) + 1, QString::number(i + 1));
            table.setRowTexts(int(i) + 1, rows[i]);
        }
        table.grid().EndUpdate();
    };
    fill(attributeTable(), rule_editor::toRows(project.attributes, kAttributeColumns));
    Set_Start_Num_Byte();
    fill(dataSetTable(), rule_editor::toRows(project.dataSets, kDataSetColumns));
    List_DataSet = std::move(project.selections);
    Show_IEC_Devices();
    tablesLoaded_ = true;
    if (!project.notices.isEmpty())
        QMetaObject::invokeMethod(
            this, [this, notices = project.notices] { showNotices(notices); }, Qt::QueuedConnection);
    return true;
}

void TFIEC_61850_Access::showNotices(const QStringList& notices)
{
    for (const QString& notice : notices)
        platform::dialogs().warning(notice, this);
}

// ---------------------------------------------------------------- catalog

void TFIEC_61850_Access::Show_IEC_Devices()
{
    const QSignalBlocker blocker(LB_IEC_Devices);
    LB_IEC_Devices->clear();
    for (const CatalogEntry& entry : List_IEC_Dev)
        LB_IEC_Devices->addItem(catalogEntryText(entry));
    // The IED whose tree is shown stays the chosen one.
    LB_IEC_Devices->setCurrentRow(shownDevice_);
}

void TFIEC_61850_Access::Btn_Add_IEC_DeviceClick()
{
    platform::FileDialogOptions options;
    options.filter = kSclFilter;
    const std::optional<QString> file = platform::dialogs().openFile(options, this);
    if (!file)
        return;
    SclImport imported = importSclFile(*file, catalogFolder(app::appState().Project_Path), [this] {
        switch (platform::dialogs().message(platform::MessageKind::Confirmation,
                                            text(client_texts::OverwriteQuestion),
                                            platform::MessageButtons::YesNoCancel, this)) {
        case platform::MessageResult::Yes:
            return CatalogCopy::Overwrite;
        case platform::MessageResult::No:
            return CatalogCopy::KeepCatalogCopy;
        default:
            return CatalogCopy::Cancel;
        }
    });
    if (imported.cancelled)
        return;
    if (imported.device == nullptr) {
        platform::dialogs().error(imported.error, this);
        return;
    }
    if (imported.device->truncated)
        platform::dialogs().warning(cutShortNotice(*imported.device), this);
    List_IEC_Dev.push_back({std::move(imported.device), false});
    Show_IEC_Devices();
}

void TFIEC_61850_Access::Btn_Remove_IEC_DeviceClick()
{
    const int k = LB_IEC_Devices->currentRow();
    if (k < 0 || k >= int(List_IEC_Dev.size()))
        return;
    QStringList indexes;
    for (const rule_editor::RuleTable* t : {&attributeTable(), &dataSetTable()})
        for (int r = 1; r <= t->dataRows(); ++r)
            indexes << t->cellText(ColIndex, r);
    if (catalogEntryInUse(k, indexes) || selectionsInDevice(*List_IEC_Dev[size_t(k)].device, List_DataSet))
        return;
    if (shownDevice_ == k)
        clearTree();
    else if (shownDevice_ > k)
        --shownDevice_;
    List_IEC_Dev.erase(List_IEC_Dev.begin() + k);
    for (rule_editor::RuleTable* t : {&attributeTable(), &dataSetTable()})
        for (int r = 1; r <= t->dataRows(); ++r)
            t->setCellText(ColIndex, r, indexAfterRemoval(t->cellText(ColIndex, r), k));
    Selected_IEC_DA = nullptr;
    Selected_IEC_DS = nullptr;
    Show_IEC_Devices();
}

// ---------------------------------------------------------------- tree

void TFIEC_61850_Access::clearTree()
{
    const QSignalBlocker blocker(TV_IEC_Device);
    TV_IEC_Device->clear();
    nodes_.clear();
    shownDevice_ = -1;
}

QTreeWidgetItem* TFIEC_61850_Access::treeNodeOf(const void* object) const { return nodes_.value(object); }

namespace client_form_detail {

// A node of the tree for a model object; `children` marks one whose children
// are made when it is first expanded.
QTreeWidgetItem* addNode(QTreeWidgetItem* parent, const QString& caption, int image, const void* object,
                         bool children, QHash<const void*, QTreeWidgetItem*>& nodes)
{
    auto* item = new QTreeWidgetItem(parent, QStringList{caption});
    item->setIcon(0, treeImage(image));
    item->setData(0, kObjectRole, QVariant::fromValue(quintptr(object)));
    item->setData(0, kImageRole, image);
    item->setData(0, kFilledRole, !children);
    if (image == TFIEC_61850_Access::ImageDO)
        item->setForeground(0, QColor(Qt::blue));
    else if (image == TFIEC_61850_Access::ImageDataSet)
        item->setForeground(0, QColor(0, 128, 0));
    if (children)
        item->setChildIndicatorPolicy(QTreeWidgetItem::ShowIndicator);
    nodes.insert(object, item);
    return item;
}

bool hasChildren(const TIEC_DO& object) { return !object.List_DO.empty() || !object.List_DA.empty(); }

}  // namespace client_form_detail

void TFIEC_61850_Access::LB_IEC_DevicesClick()
{
    const int k = LB_IEC_Devices->currentRow();
    if (k < 0 || k >= int(List_IEC_Dev.size()))
        return;
    clearTree();
    Selected_IEC_DA = nullptr;
    Selected_IEC_DS = nullptr;
    const TIEC_Device& device = *List_IEC_Dev[size_t(k)].device;
    shownDevice_ = k;
    const QSignalBlocker blocker(TV_IEC_Device);
    // The tree is built whole before the view takes it.
    auto* root = addNode(nullptr, device.fName, ImageDevice, &device, false, nodes_);
    std::vector<QTreeWidgetItem*> opened = {root};
    for (const auto& ld : device.List_LDevice) {
        auto* ldNode = addNode(root, ld->fName, ImageLDevice, ld.get(), false, nodes_);
        for (const auto& ln : ld->List_LN) {
            auto* lnNode = addNode(ldNode, ln->nodeName(), ImageLN, ln.get(), false, nodes_);
            for (const auto& object : ln->List_DO)
                addNode(lnNode, object->fName, ImageDO, object.get(), hasChildren(*object), nodes_);
            for (const auto& set : ln->List_DataSet)
                addNode(lnNode, set->fName, ImageDataSet, set.get(), false, nodes_);
            opened.push_back(lnNode);
        }
        opened.push_back(ldNode);
    }
    TV_IEC_Device->addTopLevelItem(root);
    for (QTreeWidgetItem* item : opened)
        item->setExpanded(true);
}

void TFIEC_61850_Access::addChildNodes(QTreeWidgetItem* item)
{
    if (item == nullptr || item->data(0, kFilledRole).toBool())
        return;
    item->setData(0, kFilledRole, true);
    const auto* object = reinterpret_cast<const void*>(item->data(0, kObjectRole).value<quintptr>());
    const auto addAttributes = [this, item](const std::vector<std::unique_ptr<TIEC_DA>>& attributes) {
        for (const auto& da : attributes)
            addNode(item, da->fName, ImageDA, da.get(), !da->List_DA.empty(), nodes_);
    };
    if (item->data(0, kImageRole).toInt() == ImageDO) {
        const auto* dataObject = static_cast<const TIEC_DO*>(object);
        for (const auto& sub : dataObject->List_DO)
            addNode(item, sub->fName, ImageDO, sub.get(), hasChildren(*sub), nodes_);
        addAttributes(dataObject->List_DA);
    } else if (item->data(0, kImageRole).toInt() == ImageDA) {
        addAttributes(static_cast<const TIEC_DA*>(object)->List_DA);
    }
}

void TFIEC_61850_Access::TV_IEC_DeviceClick()
{
    Selected_IEC_DA = nullptr;
    Selected_IEC_DS = nullptr;
    QTreeWidgetItem* item = TV_IEC_Device->currentItem();
    if (item == nullptr || item->parent() == nullptr || shownDevice_ < 0)
        return;
    const auto* object = reinterpret_cast<const void*>(item->data(0, kObjectRole).value<quintptr>());
    const int image = item->data(0, kImageRole).toInt();
    if (image == ImageDA) {
        const auto* attribute = static_cast<const TIEC_DA*>(object);
        if (attribute->List_DA.empty())
            Selected_IEC_DA = attribute;
    } else if (image == ImageDataSet) {
        Selected_IEC_DS = static_cast<const TIEC_DataSet*>(object);
    }
}

// ---------------------------------------------------------------- tables

void TFIEC_61850_Access::emptyTable(rule_editor::RuleTable& table)
{
    table.grid().BeginUpdate();
    table.setDataRows(1);
    for (int c = 0; c <= table.rowWidth(); ++c)
        table.setCellText(c, 1, QString());
    table.restoreBaseLocks(1);
    table.grid().EndUpdate();
}

void TFIEC_61850_Access::clearMembers()
{
    Shown_DataSet = nullptr;
    emptyTable(memberTable());
}

int TFIEC_61850_Access::rowToFill(rule_editor::RuleTable& table)
{
    if (table.dataRows() == 1 && table.cellText(ColIndex, 1).isEmpty())
        return 1;
    table.setDataRows(table.dataRows() + 1);
    return table.dataRows();
}

void TFIEC_61850_Access::removeTableRow(rule_editor::RuleTable& table, int row)
{
    const int rows = table.dataRows();
    table.grid().BeginUpdate();
    if (rows == 1) {
        table.setRowTexts(1, QStringList(table.rowWidth(), QString()));
    } else {
        for (int r = row; r < rows; ++r)
            table.setRowTexts(r, table.rowTexts(r + 1));
        table.setDataRows(rows - 1);
        for (int r = 1; r < rows; ++r)
            table.grid().SetCellEx(0, r, QString::number(r));
    }
    table.grid().EndUpdate();
}

void TFIEC_61850_Access::Btn_AddVarClick()
{
    if (Selected_IEC_DA != nullptr) {
        PC_DA_DataSet->setCurrentWidget(TS_DA);
        rule_editor::RuleTable& table = attributeTable();
        const int row = rowToFill(table);
        table.grid().SetCellEx(0, row, QString::number(row));
        table.setRowTexts(row, rule_editor::toRows(std::vector{attributeItem(*Selected_IEC_DA, shownDevice_)},
                                                   kAttributeColumns)[0]);
        Set_Start_Num_Byte();
    } else if (Selected_IEC_DS != nullptr) {
        PC_DA_DataSet->setCurrentWidget(TS_DataSet);
        rule_editor::RuleTable& table = dataSetTable();
        const int row = rowToFill(table);
        table.grid().SetCellEx(0, row, QString::number(row));
        table.setRowTexts(row, rule_editor::toRows(std::vector{dataSetItem(*Selected_IEC_DS, shownDevice_)},
                                                   kDataSetColumns)[0]);
        List_DataSet.push_back(dataSetSelection(*Selected_IEC_DS));
    }
}

void TFIEC_61850_Access::Btn_RemoveVarClick()
{
    if (PC_DA_DataSet->currentWidget() == TS_DA) {
        const int row = ECG_DA->Row();
        if (row < 1 || row > attributeTable().dataRows())
            return;
        removeTableRow(attributeTable(), row);
        Set_Start_Num_Byte();
        return;
    }
    const int row = ECG_DataSet->Row();
    if (row < 1 || row > int(List_DataSet.size()))
        return;
    // The member grid no longer shows a data set that is gone.
    if (List_DataSet[size_t(row - 1)].get() == Shown_DataSet)
        clearMembers();
    List_DataSet.erase(List_DataSet.begin() + (row - 1));
    removeTableRow(dataSetTable(), row);
}

void TFIEC_61850_Access::Set_Start_Num_Byte()
{
    rule_editor::RuleTable& table = attributeTable();
    table.grid().BeginUpdate();
    for (int r = 1; r <= table.dataRows(); ++r) {
        const std::optional<FixedByteSize> size = fixedByteSize(table.cellText(ColBType, r));
        if (size) {
            table.setCellText(ColStartByte, r, size->start);
            table.setCellText(ColNumByte, r, size->count);
        }
        table.grid().SetReadOnly(ColStartByte, r, size.has_value());
        table.grid().SetReadOnly(ColNumByte, r, size.has_value());
    }
    table.grid().EndUpdate();
}

void TFIEC_61850_Access::Show_DataSet_DAs()
{
    const int row = ECG_DataSet->Row();
    TDataSet* set = row >= 1 && row <= int(List_DataSet.size()) ? List_DataSet[size_t(row - 1)].get() : nullptr;
    rule_editor::RuleTable& table = memberTable();
    clearMembers();
    Shown_DataSet = set;
    if (set == nullptr || set->List_DAs.empty())
        return;
    table.grid().BeginUpdate();
    table.setDataRows(int(set->List_DAs.size()));
    for (size_t i = 0; i < set->List_DAs.size(); ++i) {
        const QStringList cells = memberCells(set->List_DAs[i], int(i) + 1);
        for (int c = 0; c < cells.size(); ++c)
            table.setCellText(c, int(i) + 1, cells[c]);
    }
    table.grid().EndUpdate();
}

// ---------------------------------------------------------------- OK

std::vector<ClientDaItem> TFIEC_61850_Access::attributeRows() const
{
    rule_editor::RuleRows rows;
    for (int r = 1; r <= attributeTable().dataRows(); ++r)
        rows.push_back(attributeTable().rowTexts(r));
    return rule_editor::toRecords(rows, kAttributeColumns);
}

std::vector<ClientDataSetItem> TFIEC_61850_Access::dataSetRows() const
{
    rule_editor::RuleRows rows;
    for (int r = 1; r <= dataSetTable().dataRows(); ++r)
        rows.push_back(dataSetTable().rowTexts(r));
    return rule_editor::toRecords(rows, kDataSetColumns);
}

bool TFIEC_61850_Access::Controllo_dati()
{
    const std::optional<rule_editor::RuleFailure> failure =
        checkClientAttributes(attributeRows(), app::Get_Decimal_Separator());
    if (!failure)
        return true;
    platform::dialogs().error(rule_editor::failureMessage(*failure, client_texts::ErrorRow), this);
    PC_DA_DataSet->setCurrentWidget(TS_DA);
    ECG_DA->FocusCell(std::max(1, ECG_DA->Col()), failure->row);
    return false;
}

void TFIEC_61850_Access::Btn_OKClick()
{
    if (!tablesLoaded_ || !Controllo_dati())
        return;
    const QString path = app::appState().IEC_61850_Client_Path;
    if (loadedFile_.changedOn(path)
        && !platform::dialogs().confirm(
            rule_editor::formatText(text(rule_editor::frame_texts::FileChanged), {path}), this))
        return;
    const std::vector<ClientDataSetItem> dataSets = itemsToWrite(dataSetRows());
    std::vector<const TDataSet*> selections;
    if (!dataSets.empty())
        for (const auto& selection : List_DataSet)
            selections.push_back(selection.get());
    const IEC61850ClientFile file =
        clientFileOf(List_IEC_Dev, itemsToWrite(attributeRows()), dataSets, selections);
    QString error;
    if (!writeIEC61850ClientFile(path, XML1, file, &error)) {
        platform::dialogs().error(
            rule_editor::formatText(text(rule_editor::frame_texts::FileNotWritten), {error}), this);
        return;
    }
    loadedFile_ = platform::FileStamp::of(path);
    done(platform::mrOk);
}

}  // namespace iec61850
