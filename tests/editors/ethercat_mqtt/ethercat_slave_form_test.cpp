// The EtherCAT variable editor: loading, the computed columns after every
// kind of change, the Length lock, Move Up / Down, the checks through the
// form, and damaged files.

#include <functional>

#include <QTabWidget>
#include <QTimer>

#include "controls/button/lb_button.h"
#include "editors/ethercat_mqtt/ethercat_slave_form.h"
#include "ethercat_editor_fixture.h"

namespace ethercat_slave_form_tests {

using ethercat_editor_testing::EditorTest;
using ethercat_editor_testing::groupFileXml;
using ethercat_mqtt::TFEtherCATSlave;
using platform::MessageKind;
using platform::MessageResult;

// A variables file: "Enable|Type|Length|Name|InitValue" per slave-to-master
// row and "Enable|Type|Length|Name" per master-to-slave row; an attribute
// given as "-" is left out.
QByteArray variablesXml(const QStringList& toMaster, const QStringList& toSlave = {})
{
    QByteArray xml = "<EtherCAT_Slave>\n\t<EtherCAT_Slave_Variables>\n";
    const auto list = [&xml](const char* name, const QStringList& rows) {
        const char* const attributes[] = {"Enable", "Type", "Length", "Name", "InitValue"};
        xml += QByteArray("\t\t<") + name + ">\n";
        for (const QString& row : rows) {
            xml += "\t\t\t<row";
            const QStringList v = row.split(u'|');
            for (int i = 0; i < v.size(); ++i)
                if (v[i] != QStringLiteral("-"))
                    xml += QByteArray(" ") + attributes[i] + "=\"" + v[i].toUtf8() + "\"";
            xml += " />\n";
        }
        xml += QByteArray("\t\t</") + name + ">\n";
    };
    list("EtherCAT_Slave_To_Master", toMaster);
    list("EtherCAT_Master_To_Slave", toSlave);
    xml += "\t</EtherCAT_Slave_Variables>\n</EtherCAT_Slave>\n<!--SW_VERSION = 1.001-->\n";
    return xml;
}

class VariableEditorTest : public EditorTest {
protected:
    grid::TExStringGrid& grid(int table = 0) const { return form.table(table).grid(); }
    QString cell(int col, int row, int table = 0) const { return grid(table).GetCellEx(col, row); }
    bool enabled(int row, int table = 0) const { return form.table(table).checked(1, row); }
    bool lengthLocked(int row, int table = 0) const { return grid(table).ReadOnly(3, row); }
    // "position/start bit/group" of the first rows of the slave-to-master table.
    QStringList computed(int rows) const
    {
        QStringList out;
        for (int r = 1; r <= rows; ++r)
            out << cell(6, r) + u'/' + cell(7, r) + u'/' + cell(8, r);
        return out;
    }
    void goTo(int row, int table = 0)
    {
        form.setActiveTable(table);
        grid(table).FocusCell(2, row);
    }

    TFEtherCATSlave form;
};

TEST_F(VariableEditorTest, LoadingShowsEveryAttributeAndLocksLengthByType)
{
    writeSlave(variablesXml({"n|Array|20|raw|0A0B", "-|Int16|7|odd", "N|UInt32|-|off", "Y|Word|3|other", "Y|String|-|s"},
                            {"Y|Float32|4|set"}));
    show(form);
    ASSERT_TRUE(form.isVisible());
    EXPECT_TRUE(dialogs.shown().empty());
    struct Row {
        bool enabled;
        const char* type;
        const char* length;
        const char* name;
        bool locked;
    };
    const Row expected[] = {
        {true, "Array", "20", "raw", false},   // only "N" unchecks
        {true, "Int16", "7", "odd", true},     // a missing Enable is "Y"; Length as written
        {false, "UInt32", "4", "off", true},   // no Length: the type's
        {true, "Word", "3", "other", false},   // a type outside the list keeps Length
        {true, "String", "10", "s", false},
    };
    for (int r = 1; r <= 5; ++r) {
        const Row& e = expected[r - 1];
        SCOPED_TRACE(r);
        EXPECT_EQ(enabled(r), e.enabled);
        EXPECT_EQ(cell(2, r), e.type);
        EXPECT_EQ(cell(3, r), e.length);
        EXPECT_EQ(cell(4, r), e.name);
        EXPECT_EQ(lengthLocked(r), e.locked);
    }
    EXPECT_EQ(cell(5, 1), QStringLiteral("0A0B"));
    // Positions are recomputed, not taken from the file.
    EXPECT_EQ(computed(5), (QStringList{"0/0/", "20/0/", "0/0/", "22/0/", "25/0/"}));
    EXPECT_EQ(cell(2, 1, 1), QStringLiteral("Float32"));
    EXPECT_EQ(cell(5, 1, 1), QStringLiteral("0")) << "master-to-slave Position in column 5";
    EXPECT_TRUE(lengthLocked(1, 1));
    // Computed columns are never typed into.
    for (int c : {6, 7, 8})
        EXPECT_TRUE(grid().ReadOnly(c, 1)) << c;
}

// Position, Start Bit and Group follow every change that can move them, and
// the Length lock follows the Type wherever a row goes.
TEST_F(VariableEditorTest, ComputedColumnsAndLocksFollowEveryChange)
{
    writeGroups(groupFileXml({"A=2", "B=2"}, {}));
    writeSlave(variablesXml({"Y|Bool|1||", "Y|Bool|1||", "Y|Int16|2||", "Y|Array|3||", "Y|Int8|1||"}));
    show(form);
    grid::TExStringGrid& g = grid();
    ASSERT_EQ(computed(5), (QStringList{"0/0/A", "0/1/A", "1/0/B", "3/0/B", "6/0/"}));

    struct Step {
        const char* name;
        std::function<void()> action;
        QStringList computed;            // rows 1 .. 5
        std::vector<bool> lengthLocked;  // rows 1 .. 5
        std::vector<bool> enabled;       // rows 1 .. 5
    };
    const Step steps[] = {
        {"Enable off on row 2", [&] { g.ToggleCheckBox(1, 2); },
         {"0/0/A", "0/0/", "1/0/A", "3/0/B", "6/0/B"},
         {true, true, true, false, true},
         {true, false, true, true, true}},
        {"Int32 chosen on row 1", [&] { g.OnComboChange(&g, 2, 1, 3, QStringLiteral("Int32")); },
         {"0/0/A", "0/0/", "4/0/A", "6/0/B", "9/0/B"},
         {true, true, true, false, true},
         {true, false, true, true, true}},
        {"Length 10 typed on row 4",
         [&] {
             g.SetCellEx(3, 4, QStringLiteral("10"));
             g.OnEditCellDone(&g, 3, 4);
         },
         {"0/0/A", "0/0/", "4/0/A", "6/0/B", "16/0/B"},
         {true, true, true, false, true},
         {true, false, true, true, true}},
        {"row 1 deleted",
         [&] {
             goTo(1);
             dialogs.answer(MessageResult::Yes);
             form.Btn_DelRowClick();
         },
         {"0/0/", "0/0/A", "2/0/A", "12/0/B", "//B"},
         {true, true, false, true, false},
         {false, true, true, true, true}},
        {"row inserted at row 2",
         [&] {
             goTo(2);
             form.Btn_InsRowClick();
         },
         {"0/0/", "//A", "0/0/A", "2/0/B", "12/0/B"},
         {true, false, true, false, true},
         {false, true, true, true, true}},
        {"row 4 pasted into row 2",
         [&] {
             goTo(4);
             form.Btn_CopyRowClick();
             goTo(2);
             dialogs.answer(MessageResult::Yes);  // its Group cell shows "A"
             form.Btn_PasteRowClick();
         },
         {"0/0/", "0/0/A", "10/0/A", "12/0/B", "22/0/B"},
         {true, false, true, false, true},
         {false, true, true, true, true}},
        {"row 5 moved up",
         [&] {
             goTo(5);
             form.Btn_MoveClick(true);
         },
         {"0/0/", "0/0/A", "10/0/A", "12/0/B", "13/0/B"},
         {true, false, true, true, false},
         {false, true, true, true, true}},
        {"row 1 moved down",
         [&] {
             goTo(1);
             form.Btn_MoveClick(false);
         },
         {"0/0/A", "0/0/", "10/0/A", "12/0/B", "13/0/B"},
         {false, true, true, true, false},
         {true, false, true, true, true}},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.name);
        step.action();
        EXPECT_EQ(computed(5), step.computed);
        for (int r = 1; r <= 5; ++r) {
            EXPECT_EQ(lengthLocked(r), step.lengthLocked[size_t(r - 1)]) << "row " << r;
            EXPECT_EQ(enabled(r), step.enabled[size_t(r - 1)]) << "row " << r;
        }
    }
    EXPECT_EQ(g.Row(), 2) << "the cursor follows the moved row";
    EXPECT_EQ(cell(2, 1), QStringLiteral("Array"));
    EXPECT_EQ(cell(3, 1), QStringLiteral("10"));
    // The row emptied by the delete is enabled and can be typed into again.
    EXPECT_TRUE(enabled(256));
    EXPECT_FALSE(g.ReadOnly(2, 256));
    EXPECT_TRUE(g.ReadOnly(6, 256));
}

TEST_F(VariableEditorTest, ChoosingATypeSetsLengthAndLocksItForFixedSizes)
{
    show(form);
    grid::TExStringGrid& g = grid(1);
    struct Case {
        const char* type;
        const char* length;
        bool locked;
    };
    const Case cases[] = {
        {"Array", "10", false}, {"Bool", "1", true},    {"Int8", "1", true},   {"Int16", "2", true},
        {"Int32", "4", true},   {"UInt8", "1", true},   {"UInt16", "2", true}, {"UInt32", "4", true},
        {"Float32", "4", true}, {"String", "10", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.type);
        g.SetCellEx(3, 1, QStringLiteral("99"));
        g.OnComboChange(&g, 2, 1, 0, QString::fromLatin1(c.type));
        EXPECT_EQ(cell(2, 1, 1), c.type);
        EXPECT_EQ(cell(3, 1, 1), c.length);
        EXPECT_EQ(lengthLocked(1, 1), c.locked);
    }
}

TEST_F(VariableEditorTest, MoveStopsAtTheEndsOfTheTable)
{
    writeSlave(variablesXml({"Y|Int8|1|first", "Y|Int16|2|second"}));
    show(form);
    grid::TExStringGrid& g = grid();
    goTo(1);
    form.Btn_MoveClick(true);
    EXPECT_EQ(cell(4, 1), QStringLiteral("first"));
    EXPECT_EQ(g.Row(), 1);

    g.SetCellEx(2, 255, QStringLiteral("Array"));
    g.SetCellEx(3, 255, QStringLiteral("20"));
    g.SetCellEx(2, 256, QStringLiteral("Bool"));
    g.SetCellEx(3, 256, QStringLiteral("1"));
    g.SetCheckBoxState(1, 256, false);
    goTo(255);
    form.Btn_MoveClick(false);
    EXPECT_EQ(cell(2, 255), QStringLiteral("Bool"));
    EXPECT_FALSE(enabled(255));
    EXPECT_TRUE(lengthLocked(255));
    EXPECT_EQ(cell(2, 256), QStringLiteral("Array"));
    EXPECT_TRUE(enabled(256));
    EXPECT_FALSE(lengthLocked(256));
    EXPECT_EQ(g.Row(), 256);
    form.Btn_MoveClick(false);
    EXPECT_EQ(cell(2, 256), QStringLiteral("Array"));
    EXPECT_EQ(g.Row(), 256);
}

TEST_F(VariableEditorTest, ChecksNameTheRowAndTheRule)
{
    writeSlave(variablesXml({"Y|Int8|1|a|", "N|Array|0|off|", "Y|String|3|s|abcd"}, {"Y|Array|300|big"}));
    show(form);
    form.Btn_OKClick();
    ASSERT_EQ(dialogs.shown().size(), 1u);
    EXPECT_EQ(dialogs.shown()[0].kind, MessageKind::Error);
    EXPECT_EQ(dialogs.texts()[0],
              QStringLiteral("Error row 3!! [Slave to Master] Init Value the dimension of string must be equal or minor "
                             "of Length"));
    form.table(0).setCellText(5, 3, QStringLiteral("abc"));
    form.Btn_OKClick();
    EXPECT_EQ(dialogs.texts()[1], QStringLiteral("Error row 1!! [Master to Slave] Length must be beetween 1 and 255"));
    EXPECT_EQ(form.activeTable(), 1);
    EXPECT_TRUE(form.isVisible());
    EXPECT_FALSE(ethercat_editor_testing::readFile(slavePath()).contains("abc\""));
}

// A damaged group file costs the group names only: the variables load and
// OK writes a good variables file.
TEST_F(VariableEditorTest, ADamagedGroupFileIsReportedAndTheVariablesStillLoad)
{
    writeGroups("<PROFINET_Master_to_Modbus_TCP_Master>\n\t<Slave_to_Master>\n");
    writeSlave(variablesXml({"Y|Bool|1|run|", "Y|Int8|1|level|"}));
    show(form);
    ASSERT_TRUE(form.isVisible());
    ASSERT_EQ(dialogs.shown().size(), 1u);
    EXPECT_EQ(dialogs.shown()[0].kind, MessageKind::Warning);
    EXPECT_TRUE(dialogs.texts()[0].startsWith(QStringLiteral("Error!!! The file ") + groupPath() + " cannot be read: "))
        << dialogs.texts()[0].toStdString();
    EXPECT_EQ(cell(4, 1), QStringLiteral("run"));
    EXPECT_EQ(cell(4, 2), QStringLiteral("level"));
    EXPECT_EQ(computed(2), (QStringList{"0/0/", "1/0/"}));
    form.Btn_OKClick();
    EXPECT_FALSE(form.isVisible());
    EXPECT_TRUE(ethercat_editor_testing::readFile(slavePath()).contains("Name=\"level\""));
}

TEST_F(VariableEditorTest, ADamagedVariablesFileKeepsTheFormClosed)
{
    const QByteArray damaged = "<EtherCAT_Slave><EtherCAT_Slave_Variables>";
    writeSlave(damaged);
    QTimer::singleShot(0, &form, [this] { form.reject(); });
    EXPECT_EQ(form.exec(), QDialog::Rejected);
    QApplication::processEvents();
    ASSERT_EQ(dialogs.shown().size(), 1u);
    EXPECT_TRUE(dialogs.texts()[0].startsWith(QStringLiteral("Error!!! The file ") + slavePath() + " cannot be read: "));
    EXPECT_EQ(ethercat_editor_testing::readFile(slavePath()), damaged);

    // A file without its lists is not the editor's either.
    writeSlave("<EtherCAT_Slave />\n");
    dialogs.reset();
    show(form);
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(dialogs.texts(),
              QStringList{QStringLiteral("Error!!! The file ") + slavePath() + " has no element EtherCAT_Slave_Variables"});
}

// The walk of the group display ends with the table: groups past its last
// row show nowhere and no row beyond it is written.
TEST_F(VariableEditorTest, GroupsBeyondTheLastRowShowNowhere)
{
    writeGroups(groupFileXml({"All=256", "Past=5"}, {"Big=2147483647", "After=1"}));
    show(form);
    ASSERT_TRUE(form.isVisible());
    EXPECT_EQ(cell(8, 256), QStringLiteral("All"));
    EXPECT_EQ(cell(8, 257), QString());
    EXPECT_EQ(cell(7, 256, 1), QStringLiteral("Big"));
    EXPECT_EQ(cell(7, 257, 1), QString());
    EXPECT_EQ(grid().RowCount(), 257);
}

}  // namespace ethercat_slave_form_tests
