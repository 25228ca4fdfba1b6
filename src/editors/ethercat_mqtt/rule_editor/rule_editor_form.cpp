#include "editors/ethercat_mqtt/rule_editor/rule_editor_form.h"

#include <QShowEvent>
#include <QTabWidget>
#include <QVBoxLayout>

#include "app/app_state.h"
#include "app/language.h"
#include "controls/button/lb_button.h"
#include "controls/grid/column_grid/ex_column_grid.h"
#include "controls/grid/grid_row_commands.h"
#include "editors/ethercat_mqtt/rule_editor/rule_grid_services.h"
#include "editors/ethercat_mqtt/rule_editor/rule_texts.h"
#include "platform/dialogs.h"
#include "platform/modal_result.h"

namespace rule_editor {
namespace {

constexpr int kTitleHeight = 69;
constexpr int kButtonBarHeight = 40;
constexpr int kButtonWidth = 110;
constexpr int kButtonHeight = 28;
constexpr int kButtonPitch = 118;
constexpr TColor kFormColor = 0x00EDF7F8;     // RGB(248, 247, 237)
constexpr TColor kPressedOrange = 0x000080FF; // RGB(255, 128, 0)

QString text(int id) { return app::langText(id); }

}  // namespace

TRuleEditorForm::TRuleEditorForm(RuleEditorLayout layout, QWidget* parent)
    : TLoadingDialog(parent), layout_(std::move(layout))
{
    buildForm();
    setActiveTable(0);
    TRuleEditorForm::Set_Lang();
}

TRuleEditorForm::~TRuleEditorForm() = default;

// ---------------------------------------------------------------- creation

void TRuleEditorForm::buildForm()
{
    form_parts::setFormLook(this, layout_.formName, toQColor(kFormColor));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    resize(layout_.clientSize);

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);

    title = form_parts::makeTitlePanel(this, app::appState().SW_Code);
    title.P_Title->setFixedHeight(kTitleHeight);
    title.L_SW_Code->move(16, 8);
    title.L_SW_Desc->move(16, 42);
    column->addWidget(title.P_Title);

    const bool twoTables = layout_.tables.size() > 1;
    if (twoTables) {
        PageControl1 = new QTabWidget(this);
        PageControl1->setObjectName(QStringLiteral("PageControl1"));
        column->addWidget(PageControl1, 1);
    }
    for (size_t i = 0; i < layout_.tables.size(); ++i) {
        const RuleTableLayout& tableLayout = layout_.tables[i];
        QWidget* holder = this;
        if (twoTables) {
            holder = new QWidget(PageControl1);
            holder->setObjectName(tableLayout.sheetName);
            auto* sheet = new QVBoxLayout(holder);
            sheet->setContentsMargins(0, 0, 0, 0);
            PageControl1->addTab(holder, QString());
        }
        grid::TExStringGrid* g = tableLayout.gridKind == GridKind::ColumnGrid ? new grid::TExColumnGrid(holder)
                                                                            : new grid::TExStringGrid(holder);
        tables_.push_back(std::make_unique<RuleTable>(*g, tableLayout));
        if (twoTables)
            holder->layout()->addWidget(g);
        else
            column->addWidget(g, 1);
        wireGrid(int(i));
    }

    P_Button = new QWidget(this);
    P_Button->setObjectName(QStringLiteral("P_Button"));
    P_Button->setFixedHeight(kButtonBarHeight);
    column->addWidget(P_Button);
    Btn_OK = addButton(QStringLiteral("Btn_OK"), QString());
    Btn_Cancel = addButton(QStringLiteral("Btn_Cancel"), QString());
    Btn_Cancel->SetModalResult(platform::mrCancel);
    Btn_OK->OnClick = [this](QObject*) { Btn_OKClick(); };
    if (!layout_.rowCommands)
        return;
    Btn_DelRow = addButton(QStringLiteral("Btn_DelRow"), QString());
    Btn_InsRow = addButton(QStringLiteral("Btn_InsRow"), QString());
    Btn_DelRow->OnClick = [this](QObject*) { Btn_DelRowClick(); };
    Btn_InsRow->OnClick = [this](QObject*) { Btn_InsRowClick(); };
    if (!layout_.rowClipboardButtons)
        return;
    Btn_CopyRow = addButton(QStringLiteral("Btn_CopyRow"), QString());
    Btn_PasteRow = addButton(QStringLiteral("Btn_PasteRow"), QString());
    Btn_CopyRow->OnClick = [this](QObject*) { Btn_CopyRowClick(); };
    Btn_PasteRow->OnClick = [this](QObject*) { Btn_PasteRowClick(); };
}

void TRuleEditorForm::addClientWidget(QWidget* widget)
{
    auto* column = static_cast<QVBoxLayout*>(layout());
    // Before the button band, the last item.
    column->insertWidget(column->count() - 1, widget, 1);
}

button::TLbButton* placeRuleFormButton(QWidget* panel, const QString& name, int index, const QString& caption)
{
    button::TLbButton* b =
        form_parts::placeButton(panel, name, 16 + kButtonPitch * index, 6, kButtonWidth, kButtonHeight);
    TRuleEditorForm::styleButton(*b);
    b->SetCaption(caption);
    return b;
}

void TRuleEditorForm::styleButton(button::TLbButton& b)
{
    b.SetStyle(button::bsEncarta);
    b.SetColor(kFormColor);
    b.SetColorWhenDown(kPressedOrange);
    b.SetHotTrackColor(clYellow);
    b.SetLightColor(clGray);
}

button::TLbButton* TRuleEditorForm::addButton(const QString& name, const QString& caption)
{
    return placeRuleFormButton(P_Button, name, buttonCount_++, caption);
}

void TRuleEditorForm::wireGrid(int index)
{
    grid::TExStringGrid& g = table(index).grid();
    g.OnKeyPress = [this, index](QObject*, QChar& key) { rowCommands().KeyPress_Next_Cell(table(index).grid(), key); };
    g.OnDblClickCell = [this, index](QObject*, int row, int col) {
        grid::TExStringGrid& grid = table(index).grid();
        rowCommands().DblClickCell_AutoSize(grid, row, col);
        // A double click on a data cell acts on the cursor's cell, by its
        // real column.
        if (row > 0 && grid.Row() > 0)
            cellDoubleClicked(index, grid.Row(), grid.RealCol());
    };
    // A string grid offers the items of its drop-down columns; a column
    // grid has them in its column descriptions.
    if (table(index).columnGrid() == nullptr)
        g.OnGetEditorType = [this, index](QObject*, int col, int, grid::TEditorType& editor) {
            // `col` is the real column.
            const RuleTable& t = table(index);
            const QStringList& items = t.choiceItems(col);
            if (items.isEmpty())
                return;
            editor = t.layout().columns[size_t(col)].kind == ColumnKind::Choice ? grid::edComboList
                                                                                 : grid::edComboEdit;
            t.grid().ClearComboString();
            for (const QString& item : items)
                t.grid().AddComboString(item);
        };
    g.OnClickCell = [this, index](QObject*, int row, int col) {
        if (col == 0 && row > 0)
            table(index).grid().SelectRows(row, 1);
    };
    // The grid asks for the hint of the cell under a resting mouse.
    g.OnGridHint = [this, index](QObject*, int row, int col, QString& hint) {
        if (row == 0 && col > 0)
            hint = table(index).headerHint(col);
    };
}

grid::TGridRowCommands TRuleEditorForm::rowCommands() const { return applicationRowCommands(); }

// ---------------------------------------------------------------- texts

void TRuleEditorForm::Set_Lang()
{
    const int base = layout_.textBase;
    setWindowTitle(text(base));
    title.L_SW_Desc->setText(text(base + 1));
    title.L_SW_Desc->adjustSize();
    button::TLbButton* const rowButtons[] = {Btn_OK, Btn_Cancel, Btn_DelRow, Btn_InsRow, Btn_CopyRow, Btn_PasteRow};
    const int captions = layout_.buttonCaptionFirst >= 0 ? layout_.buttonCaptionFirst : base + 2;
    for (int k = 0; k < 6; ++k) {
        if (rowButtons[k] == nullptr)
            continue;
        rowButtons[k]->SetCaption(text(captions + k));
        if (layout_.buttonHintFirst >= 0)
            rowButtons[k]->setToolTip(text(layout_.buttonHintFirst + k));
    }
    for (int i = 0; i < tableCount(); ++i) {
        if (PageControl1 != nullptr && table(i).layout().sheetCaptionId >= 0)
            PageControl1->setTabText(i, text(table(i).layout().sheetCaptionId));
        table(i).applyHeaders();
    }
}

int TRuleEditorForm::errorRowText(int index) const
{
    if (index >= 0 && index < tableCount() && table(index).layout().errorRowId >= 0)
        return table(index).layout().errorRowId;
    return layout_.errorRowId;
}

QString TRuleEditorForm::tableName(int index) const
{
    if (PageControl1 != nullptr)
        return PageControl1->tabText(index);
    return windowTitle();
}

// ---------------------------------------------------------------- showing

bool TRuleEditorForm::FormShow()
{
    prepareShow();
    tablesLoaded_ = false;
    for (int i = 0; i < tableCount(); ++i)
        table(i).reset();
    // The stamp comes first: a change made while the file is read shows as a
    // change at OK.
    loadedFile_ = platform::FileStamp::of(projectFilePath());
    LoadedProject project = loadProject();
    if (!project.failure.isEmpty()) {
        platform::dialogs().error(project.failure, this);
        return false;
    }
    QStringList notices = project.notices;
    for (int i = 0; i < tableCount() && i < int(project.tables.size()); ++i) {
        RuleTable& t = table(i);
        const RuleRows& rows = project.tables[size_t(i)];
        const int shown = std::min(int(rows.size()), t.dataRows());
        t.grid().BeginUpdate();
        for (int r = 0; r < shown; ++r)
            t.setRowTexts(r + 1, rows[size_t(r)]);
        t.grid().EndUpdate();
        if (int(rows.size()) > t.dataRows())
            notices << formatText(text(frame_texts::RowsNotShown),
                                  {projectFilePath(), QString::number(int(rows.size()) - t.dataRows()), tableName(i)});
    }
    for (int i = 0; i < tableCount(); ++i) {
        refresh(i);
        table(i).Do_Copy = false;
        focusRow(i, 1);
    }
    tablesLoaded_ = true;
    if (!notices.isEmpty())
        QMetaObject::invokeMethod(this, [this, notices] { showNotices(notices); }, Qt::QueuedConnection);
    return true;
}

void TRuleEditorForm::showNotices(const QStringList& notices)
{
    for (const QString& notice : notices)
        platform::dialogs().warning(notice, this);
}

void TRuleEditorForm::refresh(int index)
{
    RuleTable& t = table(index);
    t.grid().BeginUpdate();
    t.restoreBaseLocks();
    recompute(index);
    t.grid().EndUpdate();
}

int TRuleEditorForm::activeTable() const
{
    return PageControl1 != nullptr ? std::max(0, PageControl1->currentIndex()) : 0;
}

void TRuleEditorForm::setActiveTable(int index)
{
    if (PageControl1 != nullptr)
        PageControl1->setCurrentIndex(index);
}

int TRuleEditorForm::currentRow(int index) const
{
    return std::max(1, table(index).grid().Row());
}

void TRuleEditorForm::focusRow(int index, int row)
{
    grid::TExStringGrid& g = table(index).grid();
    g.FocusCell(std::max(1, g.Col()), std::clamp(row, 1, table(index).dataRows()));
}

// ---------------------------------------------------------------- row commands

void TRuleEditorForm::Btn_DelRowClick()
{
    if (!layout_.rowCommands)
        return;
    const int index = activeTable();
    RuleTable& t = table(index);
    const int row = currentRow(index);
    if (platform::dialogs().confirm(deleteQuestion(text(layout_.deleteQuestionId), row), this)) {
        if (grid::TExColumnGrid* cg = t.columnGrid())
            rowCommands().DeleteRow_ECG(row, *cg);
        else
            rowCommands().DeleteRow_ESG(row, t.grid(), t.enableFirst());
    }
    refresh(index);
}

void TRuleEditorForm::Btn_InsRowClick()
{
    if (!layout_.rowCommands)
        return;
    const int index = activeTable();
    RuleTable& t = table(index);
    const int row = currentRow(index);
    if (grid::TExColumnGrid* cg = t.columnGrid())
        rowCommands().InsertRow_ECG(row, *cg, t.enableFirst());
    else
        rowCommands().InsertRow_ESG(row, t.grid(), t.enableFirst());
    refresh(index);
}

void TRuleEditorForm::Btn_CopyRowClick()
{
    if (!layout_.rowCommands)
        return;
    const int index = activeTable();
    RuleTable& t = table(index);
    if (grid::TExColumnGrid* cg = t.columnGrid())
        rowCommands().CopyRow_ECG(*cg, currentRow(index));
    else
        rowCommands().CopyRow_ESG(t.grid(), currentRow(index));
    for (int i = 0; i < tableCount(); ++i)
        table(i).Do_Copy = i == index;
}

void TRuleEditorForm::Btn_PasteRowClick()
{
    if (!layout_.rowCommands)
        return;
    const int index = activeTable();
    RuleTable& t = table(index);
    if (grid::TExColumnGrid* cg = t.columnGrid())
        rowCommands().PasteRow_ECG(*cg, currentRow(index), t.Do_Copy);
    else
        rowCommands().PasteRow_ESG(t.grid(), currentRow(index), t.Do_Copy);
    refresh(index);
}

// ---------------------------------------------------------------- OK

bool TRuleEditorForm::Controllo_dati()
{
    commitEdits();
    std::vector<RuleRows> saved;
    for (int i = 0; i < tableCount(); ++i)
        saved.push_back(table(i).savedRows());
    const std::optional<RuleFailure> failure = checkRows(saved);
    if (!failure)
        return true;
    platform::dialogs().error(failureMessage(*failure, errorRowText(failure->table), layout_.errorRowsId,
                                             layout_.errorRowsJoinId),
                              this);
    if (failure->table >= 0 && failure->table < tableCount()) {
        setActiveTable(failure->table);
        if (failure->row > 0)
            focusRow(failure->table, failure->row);
    }
    return false;
}

bool TRuleEditorForm::confirmRowsAfterLists()
{
    for (int i = 0; i < tableCount(); ++i) {
        const RuleTable& t = table(i);
        const int lost = t.rowsHoldingDataAfterList();
        if (lost == 0)
            continue;
        const int end = t.savedRowCount() + 1;
        const QString key = text(t.layout().columns[size_t(t.layout().keyColumn)].headerId);
        const QString question = formatText(text(frame_texts::RowsNotSaved),
                                            {tableName(i), QString::number(end), key, QString::number(lost)});
        if (!platform::dialogs().confirm(question, this)) {
            setActiveTable(i);
            focusRow(i, end);
            return false;
        }
    }
    return true;
}

void TRuleEditorForm::Btn_OKClick()
{
    if (!tablesLoaded_ || !Controllo_dati() || !confirmRowsAfterLists())
        return;
    if (loadedFile_.changedOn(projectFilePath())
        && !platform::dialogs().confirm(formatText(text(frame_texts::FileChanged), {projectFilePath()}), this))
        return;
    std::vector<RuleRows> saved;
    for (int i = 0; i < tableCount(); ++i)
        saved.push_back(table(i).savedRows());
    QString error;
    if (!saveProject(saved, &error)) {
        platform::dialogs().error(formatText(text(frame_texts::FileNotWritten), {error}), this);
        return;
    }
    loadedFile_ = platform::FileStamp::of(projectFilePath());
    done(platform::mrOk);
}

}  // namespace rule_editor
