#pragma once

// A small rule editor on the frame, for the frame's own tests: one or two
// tables of a chosen grid kind with the columns Enable (check box), Key,
// Value, Pos (computed: the number of enabled rows so far) and Note, in the
// file Test_Rules.xml (lists Rules_A and Rules_B). Its texts live in a spare
// block of the text table (5350 ..), set by the fixture.

#include <array>
#include <functional>
#include <memory>
#include <vector>

#include <QApplication>
#include <QDialog>
#include <gtest/gtest.h>

#include "app/app_state.h"
#include "app/language.h"
#include "controls/grid/column_grid/ex_column_grid.h"
#include "controls/grid/string_grid/ex_string_grid.h"
#include "editors/ethercat_mqtt/rule_editor/rule_editor_form.h"
#include "editors/ethercat_mqtt/rule_editor/rule_texts.h"
#include "platform/paths.h"
#include "platform/strings.h"
#include "platform/xml_document.h"
#include "support/editor_project_test.h"
#include "support/qt_printers.h"
#include "support/scripted_dialogs.h"
#include "support/temp_folder.h"

namespace rule_editor_testing {

using namespace rule_editor;

// Text ids of the test editor.
namespace test_texts {
constexpr int Base = 5350;
constexpr int ButtonHints = 5358;
constexpr int ErrorRow = 5364;
constexpr int DeleteQuestion = 5365;
constexpr int SheetA = 5366;
constexpr int SheetB = 5367;
constexpr int Headers = 5370;  // N, Enable, Key, Value, Pos, Note
constexpr int Hints = 5376;    // Enable .. Note
constexpr int ValueNotNumber = 5385;
constexpr int ErrorRows = 5386;
constexpr int ErrorRowsJoin = 5387;
constexpr int SameKey = 5388;
}  // namespace test_texts

inline void setTestTexts()
{
    using namespace test_texts;
    QStringList& t = app::textTable().Lang_Texts;
    const QStringList block = {"Test Rules", "Set the test rules", "OK", "Cancel", "Delete Row", "Insert Row",
                               "Copy Row", "Paste Row", "hint OK", "hint Cancel", "hint Delete", "hint Insert",
                               "hint Copy", "hint Paste", "Error row ", "Delete row %d?", "Page A", "Page B"};
    for (int i = 0; i < block.size(); ++i)
        t[Base + i] = block[i];
    const QStringList headers = {"N", "Enable", "Key", "Value", "Pos", "Note"};
    for (int i = 0; i < headers.size(); ++i)
        t[Headers + i] = headers[i];
    for (int i = 1; i < headers.size(); ++i)
        t[Hints + i - 1] = QStringLiteral("about ") + headers[i];
    t[ValueNotNumber] = QStringLiteral("!! Value must be a number");
    t[ErrorRows] = QStringLiteral("Error in rows ");
    t[ErrorRowsJoin] = QStringLiteral(" and ");
    t[SameKey] = QStringLiteral("!! Same key");
}

inline RuleTableLayout testTable(const char* grid, const char* sheet, int caption, GridKind kind, int rows)
{
    using namespace test_texts;
    return {QString::fromLatin1(grid),
            QString::fromLatin1(sheet),
            caption,
            kind,
            rows,
            {
                RuleColumn{Headers + 0, 40, ColumnKind::RowNumber},
                RuleColumn{Headers + 1, 50, ColumnKind::CheckBox, column_colors::CheckBox, Hints + 0},
                RuleColumn{Headers + 2, 100, ColumnKind::Text, column_colors::Key, Hints + 1},
                RuleColumn{Headers + 3, 100, ColumnKind::Text, column_colors::Size, Hints + 2},
                RuleColumn{Headers + 4, 60, ColumnKind::Computed, column_colors::Position, Hints + 3},
                RuleColumn{Headers + 5, 100, ColumnKind::Text, column_colors::Description, Hints + 4},
            },
            2};
}

inline RuleEditorLayout testLayout(GridKind kind, int tables, int rows, bool hideValue)
{
    using namespace test_texts;
    RuleEditorLayout layout{QStringLiteral("FTestRules"), Base, ButtonHints, ErrorRow, DeleteQuestion,
                            QSize(640, 360), {testTable("Grid_A", "TS_A", SheetA, kind, rows)}};
    layout.errorRowsId = ErrorRows;
    layout.errorRowsJoinId = ErrorRowsJoin;
    if (tables > 1)
        layout.tables.push_back(testTable("Grid_B", "TS_B", SheetB, kind, rows));
    for (RuleTableLayout& table : layout.tables)
        table.columns[3].hidden = hideValue;
    return layout;
}

inline const char* const kAttributes[] = {"Enable", "Key", "Value", "Pos", "Note"};
inline const char* const kLists[] = {"Rules_A", "Rules_B"};

class TestRulesForm : public TRuleEditorForm {
public:
    // `hideValue`: the Value column is kept hidden.
    TestRulesForm(QString file, GridKind kind, int tables = 1, int rows = 6, bool hideValue = false)
        : TRuleEditorForm(testLayout(kind, tables, rows, hideValue)), path(std::move(file))
    {
    }
    // A test editor of a layout of its own (the columns of testTable).
    TestRulesForm(QString file, RuleEditorLayout layout) : TRuleEditorForm(std::move(layout)), path(std::move(file)) {}

    using TRuleEditorForm::addButton;
    using TRuleEditorForm::addClientWidget;

    QString path;
    // The editor's choices when a showing starts.
    std::function<void(TestRulesForm&)> onPrepareShow;
    // Two enabled rows of a table may not have the same Key.
    bool keysMustDiffer = false;
    // A failure the check gives before its own rules.
    std::optional<RuleFailure> failFirst;
    int commits = 0;
    int recomputed = 0;
    // The double clicks on data cells: table, row, real column.
    std::vector<std::array<int, 3>> doubleClicks;

protected:
    QString projectFilePath() const override { return path; }

    LoadedProject loadProject() override
    {
        LoadedProject project;
        project.tables.resize(size_t(tableCount()));
        platform::XmlDocument doc;
        if (!platform::fileExists(path))
            return project;
        QString reason;
        if (!doc.load(path, &reason)) {
            project.failure = fileProblemText(path, reason, QString());
            return project;
        }
        for (int t = 0; t < tableCount(); ++t) {
            for (const platform::XmlElement& row : doc.root().child(QString::fromLatin1(kLists[t])).children()) {
                QStringList texts;
                for (const char* attribute : kAttributes)
                    texts << row.attribute(QString::fromLatin1(attribute));
                project.tables[size_t(t)].push_back(texts);
            }
        }
        return project;
    }

    void commitEdits() override { ++commits; }

    std::optional<RuleFailure> checkRows(const std::vector<RuleRows>& saved) const override
    {
        if (failFirst)
            return failFirst;
        for (size_t t = 0; t < saved.size(); ++t)
            for (size_t r = 0; r < saved[t].size(); ++r)
                if (saved[t][r][0] == QStringLiteral("Y") && !platform::parseInt(saved[t][r][2]))
                    return RuleFailure{int(t), int(r) + 1, test_texts::ValueNotNumber};
        for (size_t t = 0; t < saved.size() && keysMustDiffer; ++t)
            for (size_t a = 0; a < saved[t].size(); ++a)
                for (size_t b = a + 1; b < saved[t].size(); ++b)
                    if (saved[t][a][0] == QStringLiteral("Y") && saved[t][b][0] == QStringLiteral("Y")
                        && saved[t][a][1] == saved[t][b][1])
                        return RuleFailure{int(t), int(a) + 1, test_texts::SameKey, {}, int(b) + 1};
        return std::nullopt;
    }

    bool saveProject(const std::vector<RuleRows>& saved, QString* error) override
    {
        platform::XmlDocument doc;
        platform::XmlElement root = doc.appendRoot(QStringLiteral("Test_Rules"));
        doc.appendComment(QStringLiteral("SW_VERSION = 1.001"));
        for (size_t t = 0; t < saved.size(); ++t) {
            platform::XmlElement list = root.appendChild(QString::fromLatin1(kLists[t]));
            for (const QStringList& texts : saved[t]) {
                platform::XmlElement row = list.appendChild(QStringLiteral("row"));
                for (int c = 0; c < 5; ++c)
                    row.setAttribute(QString::fromLatin1(kAttributes[c]), texts[c]);
            }
        }
        return doc.save(path, error);
    }

    void prepareShow() override
    {
        if (onPrepareShow)
            onPrepareShow(*this);
    }

    void cellDoubleClicked(int table, int row, int column) override { doubleClicks.push_back({table, row, column}); }

    // Pos: the count of enabled rows up to this one.
    void recompute(int index) override
    {
        ++recomputed;
        RuleTable& t = table(index);
        int enabled = 0;
        for (int r = 1; r <= t.dataRows(); ++r) {
            enabled += t.checked(1, r) ? 1 : 0;
            t.grid().SetCellEx(4, r, QString::number(enabled));
        }
    }
};

// The test editor on a scratch folder with scripted message boxes.
class RuleFrameTest : public testing_support::EditorProjectTest {
protected:
    RuleFrameTest()
    {
        setTestTexts();
    }

    QString path() const { return folder.file(QStringLiteral("Test_Rules.xml")); }
    QByteArray fileBytes() const { return folder.read(QStringLiteral("Test_Rules.xml")); }
    void writeFile(const QByteArray& bytes) const { folder.write(QStringLiteral("Test_Rules.xml"), bytes); }

    std::unique_ptr<TestRulesForm> makeForm(GridKind kind, int tables = 1, int rows = 6)
    {
        return std::make_unique<TestRulesForm>(path(), kind, tables, rows);
    }
};

// A file of the test editor: rows "Enable,Key,Value,Pos,Note" per list.
inline QByteArray testFile(const QStringList& listA, const QStringList& listB = {})
{
    QByteArray xml = "<Test_Rules>\n";
    const auto list = [&xml](const char* name, const QStringList& rows) {
        if (rows.isEmpty()) {
            xml += QByteArray("\t<") + name + " />\n";
            return;
        }
        xml += QByteArray("\t<") + name + ">\n";
        for (const QString& row : rows) {
            const QStringList v = row.split(u',');
            xml += "\t\t<row";
            for (int c = 0; c < 5; ++c)
                xml += QByteArray(" ") + kAttributes[c] + "=\"" + v.value(c).toUtf8() + "\"";
            xml += " />\n";
        }
        xml += QByteArray("\t</") + name + ">\n";
    };
    list("Rules_A", listA);
    list("Rules_B", listB);
    xml += "</Test_Rules>\n<!--SW_VERSION = 1.001-->\n";
    return xml;
}

}  // namespace rule_editor_testing
