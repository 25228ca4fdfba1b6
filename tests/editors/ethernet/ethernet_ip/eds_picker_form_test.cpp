// The EDS connection picker: the connections of a file in its grid, the row
// the caller reads on OK, a fresh list at every showing, and a file without
// connections reported before the form closes as cancelled.

#include <QTest>

#include "controls/button/lb_button.h"
#include "controls/grid/column_grid/ex_column_grid.h"
#include "editors/ethernet/ethernet_ip/eds_picker_form.h"
#include "eip_editor_fixture.h"
#include "platform/modal_result.h"

namespace eds_picker_form_tests {

using eip_editor_testing::edsFixture;
using eip_editor_testing::EipEditorTest;
using ethercat_editor_testing::whileShown;
using ethernet_ip::TFEtherNEtIP_EDS;

class PickerTest : public EipEditorTest {
protected:
    // Shows the picker modally on `file`; `inPicker` runs while it is open
    // (unless it closes by itself first). Returns the modal result.
    template <typename InPicker>
    int pick(const char* file, InPicker inPicker)
    {
        picker.EDS_FileName = edsFixture(file);
        int result = -1;
        QTimer guard;
        guard.setSingleShot(true);
        QObject::connect(&guard, &QTimer::timeout, &picker, [this] { picker.reject(); });
        guard.start(5000);
        whileShown(picker, [&] { result = picker.exec(); }, inPicker);
        return result;
    }
    QStringList rowCells(int row) const
    {
        QStringList cells;
        for (int c = 0; c < TFEtherNEtIP_EDS::ColumnCount; ++c)
            cells << picker.ECG->GetCellEx(c, row);
        return cells;
    }

    TFEtherNEtIP_EDS picker;
};

TEST_F(PickerTest, ListsTheConnectionsAndHandsBackTheCurrentRow)
{
    QStringList shown1;
    QStringList shown2;
    const int result = pick("two_connections.eds", [&] {
        EXPECT_EQ(picker.ECG->RowCount(), 3);
        EXPECT_EQ(picker.ECG->Row(), 1);
        shown1 = rowCells(1);
        shown2 = rowCells(2);
        picker.ECG->FocusCell(3, 2);
        QTest::mouseClick(picker.buttons.Btn_OK, Qt::LeftButton);
    });
    EXPECT_EQ(result, platform::mrOk);
    EXPECT_EQ(shown1, (QStringList{"Connection1", "\"Exclusive Owner\"", "\"Read and write\"", "1", "101", "1", "100",
                                   "Default", "Default"}));
    EXPECT_EQ(shown2, (QStringList{"Connection2", "\"Listen Only\"", "\"\"", "100", "150", "101", "151", "3", "2"}));
    EXPECT_EQ(picker.currentRowCells(), shown2);
    EXPECT_EQ(picker.List_Conn.size(), 2u);
    EXPECT_TRUE(dialogs.shown().empty());

    EXPECT_EQ(picker.windowTitle(), QStringLiteral("EtherNet/IP EDS Decode - Select the Connection to use"));
    const QStringList headers = {"Connection",       "Connection Name",   "Help String",
                                 "Instance O > T",   "Conn. Point O > T", "Instance T > O",
                                 "Conn. Point T > O", "Dim Header O > T", "Dim Header T > O"};
    for (int c = 0; c < TFEtherNEtIP_EDS::ColumnCount; ++c)
        EXPECT_EQ(picker.ECG->Columns()[c]->Header(), headers[c]);
    EXPECT_EQ(picker.buttons.Btn_OK->toolTip(), QStringLiteral("Confirm the Connection to use with the EtherNet/IP Device"));
}

TEST_F(PickerTest, EveryShowingReadsTheFileAfresh)
{
    pick("two_connections.eds", [this] { QTest::mouseClick(picker.buttons.Btn_Cancel, Qt::LeftButton); });
    const int result = pick("utf8_name.eds", [&] {
        EXPECT_EQ(picker.ECG->RowCount(), 2);
        QTest::mouseClick(picker.buttons.Btn_Cancel, Qt::LeftButton);
    });
    EXPECT_EQ(result, platform::mrCancel);
    ASSERT_EQ(picker.List_Conn.size(), 1u);
    EXPECT_EQ(rowCells(1)[1], QStringLiteral("\"Überwachung\""));
    EXPECT_EQ(picker.ECG->GetCellEx(1, 2), QString());
}

TEST_F(PickerTest, NoConnectionIsReportedAndTheFormClosesAsCancelled)
{
    for (const char* file : {"no_connections.eds", "missing.eds"}) {
        SCOPED_TRACE(file);
        dialogs.reset();
        // A list from an earlier file does not survive.
        pick("two_connections.eds", [this] { QTest::mouseClick(picker.buttons.Btn_Cancel, Qt::LeftButton); });
        EXPECT_EQ(pick(file, [] {}), platform::mrCancel);
        ASSERT_EQ(dialogs.shown().size(), 1u);
        EXPECT_EQ(dialogs.shown()[0].kind, platform::MessageKind::Error);
        EXPECT_EQ(dialogs.texts()[0], QStringLiteral("Error!! No Valid Connection found"));
        EXPECT_TRUE(picker.List_Conn.empty());
        EXPECT_EQ(picker.ECG->RowCount(), 2);
        EXPECT_EQ(rowCells(1), QStringList(TFEtherNEtIP_EDS::ColumnCount));
    }
}

// Shown and hidden again before the close timer runs (as when every form is
// shown once): nothing is reported afterwards.
TEST_F(PickerTest, AHiddenPickerReportsNothing)
{
    picker.EDS_FileName = edsFixture("missing.eds");
    picker.show();
    picker.hide();
    QTest::qWait(50);
    EXPECT_TRUE(dialogs.shown().empty());
}

}  // namespace eds_picker_form_tests
