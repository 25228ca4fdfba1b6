#pragma once

// The frame of every rule editor: a modal form with the title band, one rule
// table (or two, on the tab sheets of PageControl1), the row buttons and
// OK / Cancel. The frame does what all editors share: it builds the tables
// from their layouts, applies the texts of the form's block, resets and
// loads the tables at every showing, runs the row commands on the active
// table, checks the rows OK would save and writes the file. An editor
// states its choices (layout, text block, project file, checks, computed
// columns) by overriding the hooks below.

#include <memory>
#include <optional>
#include <vector>

#include <QDialog>
#include <QSize>
#include <QStringList>

#include "app/translatable_form.h"
#include "controls/button/form_parts.h"
#include "controls/button/loading_dialog.h"
#include "editors/ethercat_mqtt/rule_editor/rule_failure.h"
#include "editors/ethercat_mqtt/rule_editor/rule_table.h"
#include "platform/file_stamp.h"

class QTabWidget;

namespace button {
class TLbButton;
}

namespace grid {
class TGridRowCommands;
}

namespace rule_editor {

struct RuleEditorLayout {
    QString formName;            // object name, e.g. "FEtherCATSlave"
    // The form's text block: base + 0 caption, + 1 description, + 2 .. + 7
    // the captions of OK, Cancel, Delete Row, Insert Row, Copy Row, Paste Row.
    int textBase = 0;
    int buttonHintFirst = -1;    // the six button hints from here; -1: none
    int errorRowId = -1;         // "Error row "
    int deleteQuestionId = -1;   // "Are you sure to delete the Row number" (%d or appended)
    QSize clientSize;
    std::vector<RuleTableLayout> tables;  // one, or two on tab sheets
    // A failure naming a pair of rows: "Error in rows " and " and ".
    int errorRowsId = -1;
    int errorRowsJoinId = -1;
    // The captions of the six row buttons from here, where they do not
    // follow the description; -1: base + 2.
    int buttonCaptionFirst = -1;
    // The form has the Copy Row and Paste Row buttons (its own buttons then
    // follow Insert Row when it has not).
    bool rowClipboardButtons = true;
    // False: the form has OK and Cancel only (its block then holds their two
    // captions, and their two hints from buttonHintFirst); the row commands
    // do nothing.
    bool rowCommands = true;
};

// A push button of a rule editor's button band: the `index`-th from the
// left (0: OK), in the frame's looks, with a fixed caption. Dialogs that
// share the frame's looks without being rule editors place theirs with it.
button::TLbButton* placeRuleFormButton(QWidget* panel, const QString& name, int index, const QString& caption = {});

// What an editor read from its project file.
struct LoadedProject {
    std::vector<RuleRows> tables;  // rows per table, in file order
    // The editor's own file exists but cannot be used: shown, and the form
    // does not open (so that OK cannot write over it).
    QString failure;
    // Shown once the form is open (e.g. a file it only reads is damaged).
    QStringList notices;
};

class TRuleEditorForm : public form_parts::TLoadingDialog, public app::TranslatableForm {
    Q_OBJECT

public:
    explicit TRuleEditorForm(RuleEditorLayout layout, QWidget* parent = nullptr);
    ~TRuleEditorForm() override;

    void Set_Lang() override;
    // Resets and loads the tables; false (after an error box) when the
    // editor's file cannot be used: OK then writes nothing until a showing
    // has loaded it.
    bool FormShow() override;
    // Checks the rows OK would save; false after an error box naming the
    // first failing rule.
    bool Controllo_dati();
    void Btn_OKClick();
    void Btn_DelRowClick();
    void Btn_InsRowClick();
    void Btn_CopyRowClick();
    void Btn_PasteRowClick();

    // The look of the form's push buttons, for buttons a form places itself.
    static void styleButton(button::TLbButton& button);

    int tableCount() const { return int(tables_.size()); }
    RuleTable& table(int index) const { return *tables_[size_t(index)]; }
    // The table of the active tab sheet (a one-table form: its only table).
    int activeTable() const;
    void setActiveTable(int index);

    form_parts::TitlePanel title;
    QWidget* P_Button = nullptr;
    button::TLbButton* Btn_OK = nullptr;
    button::TLbButton* Btn_Cancel = nullptr;
    // The row buttons; nullptr on a form without row commands.
    button::TLbButton* Btn_DelRow = nullptr;
    button::TLbButton* Btn_InsRow = nullptr;
    button::TLbButton* Btn_CopyRow = nullptr;   // null without the clipboard buttons
    button::TLbButton* Btn_PasteRow = nullptr;  // null without the clipboard buttons
    QTabWidget* PageControl1 = nullptr;  // two-table forms only

protected:
    // The file OK writes: stamped when loaded, compared before OK replaces it.
    virtual QString projectFilePath() const = 0;
    // Reads the project; rows of a table beyond its limit are reported and
    // dropped by the frame.
    virtual LoadedProject loadProject() = 0;
    // The editor's checks over the rows OK would save, table by table.
    virtual std::optional<RuleFailure> checkRows(const std::vector<RuleRows>& saved) const = 0;
    // Writes the project file; false with `error` when it cannot be written.
    virtual bool saveProject(const std::vector<RuleRows>& saved, QString* error) = 0;
    // Before the checks of OK (and so before it saves): a form whose tables
    // only show a model of its own, or that keeps data outside its rule
    // tables (e.g. one page of it in a table of its own), takes what the
    // user typed into it.
    virtual void commitEdits() {}
    // Form-specific settings of a showing, before the tables are reset and
    // loaded (limits, the page made active).
    virtual void prepareShow() {}
    // Computed columns and per-cell locks of a table, after a load and after
    // every row command (the base locks are restored just before).
    virtual void recompute(int table) { Q_UNUSED(table); }
    // A double click on a data cell, after the frame's own handling (the
    // header sizing), with the cursor's row and real column: an editor's
    // action for certain columns.
    virtual void cellDoubleClicked(int table, int row, int column)
    {
        Q_UNUSED(table);
        Q_UNUSED(row);
        Q_UNUSED(column);
    }

    // A form-specific button after the row buttons, with a fixed caption.
    button::TLbButton* addButton(const QString& name, const QString& caption);
    // The shared row commands and cell helpers, with the application's
    // clipboard and options.
    grid::TGridRowCommands rowCommands() const;
    // Puts a form-specific widget into the client area, below the rule
    // tables (a form without rule tables: the whole client area).
    void addClientWidget(QWidget* widget);
    // The current row of a table's grid (a data row).
    int currentRow(int table) const;
    // Base locks, then recompute.
    void refresh(int table);


private:
    void buildForm();
    void wireGrid(int index);
    QString tableName(int index) const;
    // The "Error row " text of a table's failures.
    int errorRowText(int index) const;
    // Asks about rows with data after the end of a table's list; false to
    // return to the table.
    bool confirmRowsAfterLists();
    void showNotices(const QStringList& notices);
    void focusRow(int table, int row);

    RuleEditorLayout layout_;
    std::vector<std::unique_ptr<RuleTable>> tables_;
    int buttonCount_ = 0;
    // The project file as it was when loaded.
    platform::FileStamp loadedFile_;
    // The tables hold the project file's rows: the last FormShow could use
    // the file. OK writes nothing otherwise.
    bool tablesLoaded_ = false;
};

}  // namespace rule_editor
