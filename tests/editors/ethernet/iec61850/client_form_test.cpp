// The IEC 61850 client access editor as a user meets it: an SCL file
// imported into the catalog, its IED's tree, Add Var of leaf attributes and
// data sets (and of nothing else), Start Byte and Num Byte of the fixed-size
// types, the file written and read again with its data sets linked anew,
// the member grid's edits going to the data set it shows, Remove Var,
// removing a catalog IED with the Index of the rows, the checks on OK, and
// files that cannot be used.

#include <QApplication>
#include <QDir>
#include <QListWidget>
#include <QTabWidget>
#include <QTest>
#include <QTreeWidget>
#include <gtest/gtest.h>

#include "app/app_state.h"
#include "app/language.h"
#include "controls/button/lb_button.h"
#include "controls/grid/column_grid/ex_column_grid.h"
#include "editors/ethercat_mqtt/rule_editor/rule_table.h"
#include "editors/ethernet/iec61850/client_form.h"
#include "iec61850_fixture.h"
#include "platform/atomic_file.h"
#include "support/scripted_dialogs.h"
#include "support/temp_folder.h"

namespace client_form_tests {

using namespace iec61850;
using iec61850_testing::fixture;
using platform::MessageResult;

QByteArray readBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class ClientEditorTest : public ::testing::Test {
protected:
    ClientEditorTest()
    {
        app::Load_Default_Texts(app::textTable());
        saved_ = app::appState();
        app::appState().SW_Code = app::kSoftwareCode;
        app::appState().Project_Path = project.path();
        app::appState().IEC_61850_Client_Path = clientPath();
        app::appState().Row_Clipboard.clear();
    }
    ~ClientEditorTest() override { app::appState() = saved_; }

    QString clientPath() const { return project.file(QStringLiteral("IEC_61850_Client.xml")); }
    QString catalogFile(const QString& name) const { return project.file(QStringLiteral("ICD_Catalog/") + name); }
    void show()
    {
        form.setModal(true);
        form.show();
        QApplication::processEvents();
        QApplication::processEvents();
    }
    void importFeeder(std::optional<MessageResult> overwrite = std::nullopt)
    {
        dialogs.chooseFile(fixture(QStringLiteral("feeder.icd")));
        if (overwrite)
            dialogs.answer(*overwrite);
        form.Btn_Add_IEC_DeviceClick();
    }
    void chooseDevice(int k)
    {
        form.LB_IEC_Devices->setCurrentRow(k);
        QApplication::processEvents();
    }
    // Makes the node of `object` the tree's current one, opening its parents.
    void chooseNode(const void* object)
    {
        QTreeWidgetItem* item = form.treeNodeOf(object);
        ASSERT_NE(item, nullptr);
        form.TV_IEC_Device->setCurrentItem(item);
    }
    const TIEC_Device& device(int k) const { return *form.List_IEC_Dev[size_t(k)].device; }
    const TIEC_LN& node(int k, int ld, int ln) const { return *device(k).List_LDevice[size_t(ld)]->List_LN[size_t(ln)]; }
    // The leaf attribute IED1LD0/MMXU1.TotW.mag.f of catalog IED k, its node
    // made by opening TotW and mag as a user would.
    const TIEC_DA& totWMagF(int k)
    {
        const TIEC_DO& totW = *node(k, 0, 1).List_DO[0];
        form.treeNodeOf(&totW)->setExpanded(true);
        form.treeNodeOf(totW.List_DA[0].get())->setExpanded(true);
        return *totW.List_DA[0]->List_DA[0];
    }
    QStringList column(const rule_editor::RuleTable& table, int c) const
    {
        QStringList texts;
        for (int r = 1; r <= table.dataRows(); ++r)
            texts << table.cellText(c, r);
        return texts;
    }
    static void clickCell(grid::TExStringGrid& g, int col, int row)
    {
        const platform::TRect r = g.CellRect(col, row);
        QTest::mouseClick(g.viewport(), Qt::LeftButton, Qt::NoModifier,
                          QPoint((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2));
        QApplication::processEvents();
    }
    static void typeInto(grid::TExStringGrid& g, int col, int row, const QString& text)
    {
        clickCell(g, col, row);
        for (const QChar c : text) {
            QTest::keyClick(QApplication::focusWidget(), c.toLatin1());
            QApplication::processEvents();
        }
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QApplication::processEvents();
        QApplication::processEvents();
    }
    // Fills the attribute row's cells that the checks look at.
    void makeValid(int row)
    {
        rule_editor::RuleTable& t = form.attributeTable();
        t.setCellText(TFIEC_61850_Access::ColIPAddress, row, QStringLiteral("192.168.1.20"));
        t.setCellText(TFIEC_61850_Access::ColPort, row, QStringLiteral("102"));
        t.setCellText(TFIEC_61850_Access::ColPosition, row, QString::number(row * 4));
        t.setCellText(TFIEC_61850_Access::ColMoltFact, row, QStringLiteral("None"));
    }

    testing_support::TempFolder project;
    testing_support::ScriptedDialogs dialogs;
    TFIEC_61850_Access form;

private:
    app::AppState saved_;
};

TEST_F(ClientEditorTest, AnImportedIedsTreeAndAddVarOfLeavesAndDataSets)
{
    show();
    ASSERT_TRUE(form.isVisible());
    EXPECT_EQ(form.attributeTable().dataRows(), 1);
    EXPECT_EQ(form.ECG_DA->GetCellEx(0, 1), QString()) << "the fresh table's one row is empty";

    importFeeder();
    EXPECT_TRUE(dialogs.shown().empty()) << dialogs.texts().join(u'\n').toStdString();
    EXPECT_EQ(readBytes(catalogFile(QStringLiteral("feeder.icd"))), readBytes(fixture(QStringLiteral("feeder.icd"))));
    ASSERT_EQ(form.LB_IEC_Devices->count(), 1);
    EXPECT_EQ(form.LB_IEC_Devices->item(0)->text(), QStringLiteral("IED1"));
    EXPECT_EQ(form.TV_IEC_Device->topLevelItemCount(), 0) << "no IED is shown until one is chosen";

    chooseDevice(0);
    ASSERT_EQ(form.TV_IEC_Device->topLevelItemCount(), 1);
    QTreeWidgetItem* root = form.TV_IEC_Device->topLevelItem(0);
    EXPECT_EQ(root->text(0), QStringLiteral("IED1"));
    EXPECT_TRUE(root->isExpanded());
    ASSERT_EQ(root->childCount(), 2);
    QTreeWidgetItem* ld0 = root->child(0);
    EXPECT_EQ(ld0->text(0), QStringLiteral("LD0"));
    QStringList nodes;
    for (int i = 0; i < ld0->childCount(); ++i)
        nodes << ld0->child(i)->text(0);
    EXPECT_EQ(nodes, (QStringList{"LLN0", "MMXU1", "Q1XCBR2", "MMXU2", "GGIO1"}));
    // Under a node its data objects (blue), then its data sets (green).
    QTreeWidgetItem* lln0 = ld0->child(0);
    EXPECT_TRUE(lln0->isExpanded());
    ASSERT_EQ(lln0->childCount(), 3);
    EXPECT_EQ((QStringList{lln0->child(0)->text(0), lln0->child(1)->text(0), lln0->child(2)->text(0)}),
              (QStringList{"Mod", "DS1", "DS2"}));
    EXPECT_EQ(lln0->child(0)->foreground(0).color(), QColor(Qt::blue));
    EXPECT_EQ(lln0->child(1)->foreground(0).color(), QColor(0, 128, 0));
    EXPECT_FALSE(lln0->child(0)->isExpanded()) << "data objects start closed";

    // A data object, a structured attribute, a node: nothing to add.
    const TIEC_DO& totW = *node(0, 0, 1).List_DO[0];
    for (const void* nothing : {static_cast<const void*>(&totW), static_cast<const void*>(&node(0, 0, 1))}) {
        chooseNode(nothing);
        form.Btn_AddVarClick();
    }
    form.treeNodeOf(&totW)->setExpanded(true);
    chooseNode(totW.List_DA[0].get());
    EXPECT_EQ(form.Selected_IEC_DA, nullptr) << "mag is a structure";
    form.Btn_AddVarClick();
    EXPECT_EQ(column(form.attributeTable(), TFIEC_61850_Access::ColBType), QStringList{""});

    // The first leaf fills the one empty row; the next ones are appended.
    chooseNode(&totWMagF(0));
    ASSERT_NE(form.Selected_IEC_DA, nullptr);
    form.Btn_AddVarClick();
    chooseNode(totW.List_DA[1].get());  // q, a Quality
    form.Btn_AddVarClick();
    const TIEC_DO& pos = *node(0, 0, 2).List_DO[0];
    form.treeNodeOf(&pos)->setExpanded(true);
    chooseNode(pos.List_DA[0].get());  // stVal, a Dbpos: no fixed size
    form.Btn_AddVarClick();
    chooseNode(pos.List_DA[0].get());
    form.Btn_AddVarClick();  // the same attribute again: another row
    const rule_editor::RuleTable& attributes = form.attributeTable();
    ASSERT_EQ(attributes.dataRows(), 4);
    EXPECT_EQ(attributes.rowTexts(1), (QStringList{"0", "FLOAT32", "MX", "IED1LD0/MMXU1.TotW.mag.f", "0", "4", "", "",
                                                   "N", "N", "N", "", "", "", "", "", "", ""}));
    EXPECT_EQ(column(attributes, 0), (QStringList{"1", "2", "3", "4"}));
    EXPECT_EQ(column(attributes, TFIEC_61850_Access::ColNumByte), (QStringList{"4", "4", "", ""}));
    EXPECT_TRUE(form.ECG_DA->ReadOnly(TFIEC_61850_Access::ColStartByte, 2));
    EXPECT_TRUE(form.ECG_DA->ReadOnly(TFIEC_61850_Access::ColNumByte, 2));
    EXPECT_FALSE(form.ECG_DA->ReadOnly(TFIEC_61850_Access::ColNumByte, 3));
    EXPECT_EQ(form.PC_DA_DataSet->currentWidget(), form.TS_DA);

    // A data set goes to the data-set table, with its members kept.
    chooseNode(node(0, 0, 0).List_DataSet[1].get());
    ASSERT_NE(form.Selected_IEC_DS, nullptr);
    form.Btn_AddVarClick();
    EXPECT_EQ(form.PC_DA_DataSet->currentWidget(), form.TS_DataSet);
    EXPECT_EQ(form.dataSetTable().rowTexts(1),
              (QStringList{"0", "IED1LD0/LLN0.DS2", "GoCB1", "Y", "", "", "", ""}));
    ASSERT_EQ(form.List_DataSet.size(), 1u);
    EXPECT_EQ(form.List_DataSet[0]->List_DAs.size(), 1u);
    chooseNode(node(0, 0, 0).List_DataSet[0].get());
    form.Btn_AddVarClick();
    EXPECT_EQ(form.dataSetTable().rowTexts(2), (QStringList{"0", "IED1LD0/LLN0.DS1", "", "N", "", "", "", ""}));
    EXPECT_EQ(form.List_DataSet[1]->List_DAs.size(), 4u);
    form.close();
}

TEST_F(ClientEditorTest, OkWritesTheFileAndTheNextShowingLinksItsDataSetsAgain)
{
    show();
    importFeeder();
    chooseDevice(0);
    chooseNode(&totWMagF(0));
    form.Btn_AddVarClick();
    makeValid(1);
    chooseNode(node(0, 0, 0).List_DataSet[0].get());
    form.Btn_AddVarClick();
    form.List_DataSet[0]->List_DAs[2].Position = QStringLiteral("18");
    form.Btn_OKClick();
    EXPECT_TRUE(dialogs.shown().empty()) << dialogs.texts().join(u'\n').toStdString();
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(readBytes(clientPath()),
              "<IEC_68850_Client>\n"
              "\t<List_ICD_Files>\n"
              "\t\t<ICD_File Name=\"IED1\" FileName=\"feeder.icd\" />\n"
              "\t</List_ICD_Files>\n"
              "\t<List_DA_Selected>\n"
              "\t\t<DA_Item Index=\"0\" bType=\"FLOAT32\" fc=\"MX\" Reference=\"IED1LD0/MMXU1.TotW.mag.f\" "
              "StartByte=\"0\" NumByte=\"4\" IPAddress=\"192.168.1.20\" Port=\"102\" OnChange=\"N\" OnCMD=\"N\" "
              "OnTimer=\"N\" Time=\"\" Position=\"4\" StartBit=\"\" ReadWrite=\"\" Convertion=\"\" MoltFact=\"None\" "
              "Mnemonic=\"\" />\n"
              "\t</List_DA_Selected>\n"
              "\t<List_DataSet_Selected>\n"
              "\t\t<DataSet_Item Index=\"0\" Reference=\"IED1LD0/LLN0.DS1\" GooseName=\"\" EnGoose=\"N\" "
              "IPAddress=\"\" Port=\"\" Time=\"\" Mnemonic=\"\">\n"
              "\t\t\t<DataSet_List_DAs>\n"
              "\t\t\t\t<DataSet_DA_Item bType=\"Struct\" Reference=\"IED1LD0/MMXU1.TotW.mag\" Position=\"\" "
              "StartBit=\"\" Convertion=\"\" MoltFact=\"\" Mnemonic=\"\" />\n"
              "\t\t\t\t<DataSet_DA_Item bType=\"FLOAT32\" Reference=\"IED1LD0/MMXU1.TotW.mag.f\" Position=\"\" "
              "StartBit=\"\" Convertion=\"\" MoltFact=\"\" Mnemonic=\"\" />\n"
              "\t\t\t\t<DataSet_DA_Item bType=\"Dbpos\" Reference=\"IED1LD0/Q1XCBR2.Pos.stVal\" Position=\"18\" "
              "StartBit=\"\" Convertion=\"\" MoltFact=\"\" Mnemonic=\"\" />\n"
              "\t\t\t\t<DataSet_DA_Item bType=\"Struct\" Reference=\"IED1LD0/MMXU1.phsA.cVal\" Position=\"\" "
              "StartBit=\"\" Convertion=\"\" MoltFact=\"\" Mnemonic=\"\" />\n"
              "\t\t\t</DataSet_List_DAs>\n"
              "\t\t</DataSet_Item>\n"
              "\t</List_DataSet_Selected>\n"
              "</IEC_68850_Client>\n<!--SW_VERSION = 1.000-->\n");

    // Shown again: the catalog from the copy, the tables from the file, the
    // data set linked to the new model, its members in the member grid.
    show();
    EXPECT_EQ(form.LB_IEC_Devices->count(), 1);
    EXPECT_EQ(form.TV_IEC_Device->topLevelItemCount(), 0);
    EXPECT_EQ(form.attributeTable().cellText(TFIEC_61850_Access::ColReference, 1),
              QStringLiteral("IED1LD0/MMXU1.TotW.mag.f"));
    EXPECT_TRUE(form.ECG_DA->ReadOnly(TFIEC_61850_Access::ColStartByte, 1));
    ASSERT_EQ(form.List_DataSet.size(), 1u);
    EXPECT_EQ(form.List_DataSet[0]->Select_DataSet, node(0, 0, 0).List_DataSet[0].get());
    form.PC_DA_DataSet->setCurrentWidget(form.TS_DataSet);
    clickCell(*form.ECG_DataSet, 2, 1);
    EXPECT_EQ(form.memberTable().dataRows(), 4);
    EXPECT_EQ(form.memberTable().rowTexts(3), (QStringList{"Dbpos", "IED1LD0/Q1XCBR2.Pos.stVal", "18", "", "", "", ""}));
    EXPECT_EQ(form.ECG_DS_Vars->GetCellEx(0, 4), QStringLiteral("4"));
    form.close();
}

TEST_F(ClientEditorTest, MemberEditsGoToTheDataSetTheGridShows)
{
    show();
    importFeeder();
    chooseDevice(0);
    for (int set : {0, 1}) {
        chooseNode(node(0, 0, 0).List_DataSet[size_t(set)].get());
        form.Btn_AddVarClick();
    }
    TDataSet* first = form.List_DataSet[0].get();
    TDataSet* second = form.List_DataSet[1].get();
    clickCell(*form.ECG_DataSet, 2, 1);
    ASSERT_EQ(form.Shown_DataSet, first);
    // The data-set grid's cursor moves to row 2 without a click: the member
    // grid still shows row 1's members, and its edits go there.
    form.ECG_DataSet->FocusCell(2, 2);
    typeInto(*form.ECG_DS_Vars, 3, 2, QStringLiteral("77"));
    EXPECT_EQ(form.ECG_DS_Vars->GetCellEx(3, 2), QStringLiteral("77"));
    EXPECT_EQ(first->List_DAs[1].Position, QStringLiteral("77"));
    EXPECT_EQ(second->List_DAs[0].Position, QString());
    typeInto(*form.ECG_DS_Vars, 7, 1, QStringLiteral("kW"));
    EXPECT_EQ(first->List_DAs[0].Mnemonic, QStringLiteral("kW"));
    // A choice from a drop-down list is stored as well.
    clickCell(*form.ECG_DS_Vars, 5, 3);
    for (const Qt::Key key : {Qt::Key_F2, Qt::Key_Down, Qt::Key_Down, Qt::Key_Return}) {
        QTest::keyClick(QApplication::focusWidget(), key);
        QApplication::processEvents();
    }
    QApplication::processEvents();
    EXPECT_EQ(form.ECG_DS_Vars->GetCellEx(5, 3), QStringLiteral("ItoF/FtoI"));
    EXPECT_EQ(first->List_DAs[2].conversion, QStringLiteral("ItoF/FtoI"));

    // Removing the data set the member grid shows clears it; an edit there
    // afterwards goes nowhere.
    form.ECG_DataSet->FocusCell(2, 1);
    form.Btn_RemoveVarClick();
    EXPECT_EQ(form.Shown_DataSet, nullptr);
    EXPECT_EQ(form.memberTable().dataRows(), 1);
    EXPECT_EQ(form.memberTable().rowTexts(1), QStringList(7, QString()));
    ASSERT_EQ(form.List_DataSet.size(), 1u);
    EXPECT_EQ(form.List_DataSet[0].get(), second);
    EXPECT_EQ(form.dataSetTable().rowTexts(1), (QStringList{"0", "IED1LD0/LLN0.DS2", "GoCB1", "Y", "", "", "", ""}));
    EXPECT_EQ(form.ECG_DataSet->GetCellEx(0, 1), QStringLiteral("1"));
    typeInto(*form.ECG_DS_Vars, 3, 1, QStringLiteral("5"));
    EXPECT_EQ(second->List_DAs[0].Position, QString());

    // Removing another data set leaves the member grid with its own.
    clickCell(*form.ECG_DataSet, 2, 1);
    chooseNode(node(0, 0, 0).List_DataSet[0].get());
    form.Btn_AddVarClick();
    ASSERT_EQ(form.Shown_DataSet, second);
    form.ECG_DataSet->FocusCell(2, 2);
    form.Btn_RemoveVarClick();
    EXPECT_EQ(form.Shown_DataSet, second);
    EXPECT_EQ(form.memberTable().rowTexts(1), (QStringList{"Quality", "IED1LD0/Q1XCBR2.Pos.q", "", "", "", "", ""}));
    // The last data set removed: one empty row, numbered.
    form.ECG_DataSet->FocusCell(2, 1);
    form.Btn_RemoveVarClick();
    EXPECT_TRUE(form.List_DataSet.empty());
    EXPECT_EQ(form.dataSetTable().dataRows(), 1);
    EXPECT_EQ(form.dataSetTable().rowTexts(1), QStringList(8, QString()));
    form.close();
}

TEST_F(ClientEditorTest, RemovingTheOnlyAttributeRowEmptiesItAndNothingIsWritten)
{
    show();
    importFeeder();
    chooseDevice(0);
    chooseNode(&totWMagF(0));
    form.Btn_AddVarClick();
    form.Btn_AddVarClick();
    form.ECG_DA->FocusCell(4, 1);
    form.Btn_RemoveVarClick();
    EXPECT_EQ(form.attributeTable().dataRows(), 1);
    form.Btn_RemoveVarClick();
    EXPECT_EQ(form.attributeTable().dataRows(), 1);
    EXPECT_EQ(form.attributeTable().rowTexts(1), QStringList(18, QString()));
    EXPECT_FALSE(form.ECG_DA->ReadOnly(TFIEC_61850_Access::ColStartByte, 1));
    form.Btn_OKClick();
    EXPECT_TRUE(dialogs.shown().empty()) << "the empty row is not checked";
    EXPECT_TRUE(readBytes(clientPath()).contains("<List_DA_Selected />"));
}

TEST_F(ClientEditorTest, RemovingACatalogIedLowersTheIndexesAboveIt)
{
    show();
    importFeeder();
    importFeeder(MessageResult::No);   // keeps the catalog's copy
    importFeeder(MessageResult::Yes);  // copies it again
    EXPECT_EQ(dialogs.texts(), (QStringList{"File already exists in catalog directory. Do you want to overwrite file?",
                                            "File already exists in catalog directory. Do you want to overwrite file?"}));
    ASSERT_EQ(form.LB_IEC_Devices->count(), 3);
    for (int k : {1, 2}) {
        chooseDevice(k);
        chooseNode(&totWMagF(k));
        form.Btn_AddVarClick();
    }
    chooseNode(node(2, 0, 0).List_DataSet[0].get());
    form.Btn_AddVarClick();
    EXPECT_EQ(column(form.attributeTable(), TFIEC_61850_Access::ColIndex), (QStringList{"1", "2"}));

    // An IED in use stays, without a word.
    dialogs.reset();
    form.LB_IEC_Devices->setCurrentRow(2);
    form.Btn_Remove_IEC_DeviceClick();
    EXPECT_EQ(form.LB_IEC_Devices->count(), 3);
    EXPECT_TRUE(dialogs.shown().empty());
    // Removing entry 0 of three: the rows of 1 and 2 now say 0 and 1, and
    // the tree still shows the IED it showed.
    form.LB_IEC_Devices->setCurrentRow(0);
    const TIEC_Device* shown = &device(2);
    chooseDevice(2);
    form.LB_IEC_Devices->blockSignals(true);
    form.LB_IEC_Devices->setCurrentRow(0);
    form.LB_IEC_Devices->blockSignals(false);
    form.Btn_Remove_IEC_DeviceClick();
    ASSERT_EQ(form.List_IEC_Dev.size(), 2u);
    EXPECT_EQ(column(form.attributeTable(), TFIEC_61850_Access::ColIndex), (QStringList{"0", "1"}));
    EXPECT_EQ(form.dataSetTable().cellText(TFIEC_61850_Access::ColIndex, 1), QStringLiteral("1"));
    EXPECT_EQ(form.shownDevice(), 1);
    EXPECT_EQ(&device(1), shown);
    EXPECT_EQ(form.LB_IEC_Devices->currentRow(), 1);
    EXPECT_TRUE(QFile::exists(catalogFile(QStringLiteral("feeder.icd")))) << "the copy stays";

    // An IED whose data set a row still holds stays, even when the row's
    // Index was changed by hand.
    form.dataSetTable().setCellText(TFIEC_61850_Access::ColIndex, 1, QStringLiteral("7"));
    form.LB_IEC_Devices->setCurrentRow(1);
    form.Btn_Remove_IEC_DeviceClick();
    EXPECT_EQ(form.List_IEC_Dev.size(), 2u);
    form.close();
}

TEST_F(ClientEditorTest, TheFirstFailingCheckIsShownAndNothingIsWritten)
{
    show();
    importFeeder();
    chooseDevice(0);
    chooseNode(&totWMagF(0));
    form.Btn_AddVarClick();
    form.Btn_AddVarClick();
    makeValid(1);
    makeValid(2);
    form.attributeTable().setCellText(TFIEC_61850_Access::ColPosition, 2, QStringLiteral("1400"));
    form.PC_DA_DataSet->setCurrentWidget(form.TS_DataSet);
    form.Btn_OKClick();
    EXPECT_EQ(dialogs.texts(), QStringList{"Error row 2!! Position must be between 0 and 1399"});
    EXPECT_TRUE(form.isVisible());
    EXPECT_EQ(form.PC_DA_DataSet->currentWidget(), form.TS_DA);
    EXPECT_EQ(form.ECG_DA->Row(), 2);
    EXPECT_FALSE(QFile::exists(clientPath()));
    form.close();
}

TEST_F(ClientEditorTest, AFileThatCannotBeParsedIsNeverOverwritten)
{
    const QByteArray broken = "<IEC_68850_Client><List_ICD_Files><ICD_File Name=\"A\" </List_ICD_Files>";
    project.write(QStringLiteral("IEC_61850_Client.xml"), broken);
    EXPECT_EQ(form.exec(), QDialog::Rejected);
    ASSERT_EQ(dialogs.texts().size(), 1);
    EXPECT_TRUE(dialogs.texts()[0].startsWith(QStringLiteral("Error!!! The file ") + clientPath() + " cannot be read: "));
    form.Btn_OKClick();
    EXPECT_EQ(readBytes(clientPath()), broken);
}

TEST_F(ClientEditorTest, CatalogProblemsAreReportedOnceTheEditorIsOpen)
{
    project.write(QStringLiteral("IEC_61850_Client.xml"),
                  "<IEC_68850_Client><List_ICD_Files><ICD_File Name=\"Gone\" FileName=\"gone.icd\" />"
                  "</List_ICD_Files></IEC_68850_Client>");
    show();
    QApplication::processEvents();
    EXPECT_TRUE(form.isVisible());
    EXPECT_EQ(dialogs.shown().size(), 1u);
    EXPECT_EQ(dialogs.shown()[0].kind, platform::MessageKind::Warning);
    ASSERT_EQ(form.LB_IEC_Devices->count(), 1);
    EXPECT_EQ(form.LB_IEC_Devices->item(0)->text(), QStringLiteral("Gone (SCL file not available)"));

    // A copy that fails is reported and adds nothing.
    dialogs.reset();
    platform::atomic_file_testing::setFailureHook([](platform::atomic_file_testing::Step, const QString&) {
        return EIO;
    });
    importFeeder();
    platform::atomic_file_testing::setFailureHook({});
    ASSERT_EQ(dialogs.shown().size(), 1u);
    EXPECT_EQ(dialogs.shown()[0].kind, platform::MessageKind::Error);
    EXPECT_TRUE(dialogs.texts()[0].startsWith(QStringLiteral("Error!!! The SCL file cannot be copied into the catalog")));
    EXPECT_EQ(form.LB_IEC_Devices->count(), 1);
    form.close();
}

TEST_F(ClientEditorTest, TextsOfTheBlock)
{
    EXPECT_EQ(form.windowTitle(), QStringLiteral("IEC61850 Client Set Access"));
    EXPECT_EQ(form.Btn_AddVar->Caption(), QStringLiteral("Add Var"));
    EXPECT_EQ(form.Btn_Remove_IEC_Device->toolTip(), QStringLiteral("Remove the Selected ICD file to the List"));
    EXPECT_FALSE(form.Btn_MoveUp->isVisibleTo(&form));
    EXPECT_FALSE(form.Btn_ModeDown->isVisibleTo(&form));
    QStringList headers;
    for (int c = 0; c < 19; ++c)
        headers << form.ECG_DA->Columns()[c]->Header();
    EXPECT_EQ(headers, (QStringList{"N", "Index", "bType", "fc", "Reference", "Start Byte", "Num Byte", "IP Address",
                                    "Port", "On Change", "On CMD", "On Timer", "Time (ms)", "Position", "Start Bit",
                                    "R/W", "Convertion", "Molt Fact", "Mnemonic"}));
    QString hint;
    form.ECG_DA->OnGridHint(form.ECG_DA, 0, 5, hint);
    EXPECT_EQ(hint, QStringLiteral("Insert the Start Byte, only for VisString255 (0-254) or Octet64 (0-63)"));
    EXPECT_EQ(form.PC_DA_DataSet->tabText(1), QStringLiteral("DataSet"));
    EXPECT_EQ(form.ECG_DataSet->Columns()[3]->Header(), QStringLiteral("Goose Name"));
    app::textTable().Lang_Texts[3204] = QStringLiteral("Aggiungi");
    form.Set_Lang();
    EXPECT_EQ(form.Btn_AddVar->Caption(), QStringLiteral("Aggiungi"));
}

}  // namespace client_form_tests
