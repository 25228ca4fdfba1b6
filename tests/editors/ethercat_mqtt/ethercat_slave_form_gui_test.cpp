// The variable editor driven as a user drives it: types picked from the
// drop-down list, names and values typed, a box unticked, the other page
// chosen, OK pressed. The file it writes is then compiled into bank2.bin and
// written as an ESI file; both are compared with what the file's variables
// give by hand.

#include <QTabBar>
#include <QTabWidget>
#include <QTest>

#include "controls/button/lb_button.h"
#include "controls/grid/editors/grid_cell_editors.h"
#include "editors/ethercat_mqtt/esi_file.h"
#include "editors/ethercat_mqtt/ethercat_slave_form.h"
#include "editors/ethercat_mqtt/ethercat_variable_rules.h"
#include "ethercat_editor_fixture.h"
#include "params/bank_compiler.h"

namespace ethercat_slave_form_gui_tests {

using ethercat_editor_testing::EditorTest;
using ethercat_editor_testing::readFile;

// Keys and clicks on the editor's active grid, through the widgets that
// have the focus, as a user's would go.
class VariableEditorUser {
public:
    explicit VariableEditorUser(ethercat_mqtt::TFEtherCATSlave& form) : form_(form) {}

    grid::TExStringGrid& grid() const { return form_.table(form_.activeTable()).grid(); }

    void clickCell(int col, int row)
    {
        const platform::TRect r = grid().CellRect(col, row);
        QTest::mouseClick(grid().viewport(), Qt::LeftButton, Qt::NoModifier,
                          QPoint((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2));
        QApplication::processEvents();
    }
    void key(Qt::Key k)
    {
        QTest::keyClick(QApplication::focusWidget(), k);
        QApplication::processEvents();
    }
    void type(const QString& text)
    {
        for (const QChar c : text) {
            QTest::keyClick(QApplication::focusWidget(), c.toLatin1());
            QApplication::processEvents();
        }
    }
    // Opens the Type list of a row and walks down to the type.
    void chooseType(int row, const QString& typeName)
    {
        clickCell(2, row);
        key(Qt::Key_F2);
        const int steps = int(ethercat_mqtt::etherCATVariableTypes().indexOf(typeName));
        for (int i = 0; i < steps; ++i)
            key(Qt::Key_Down);
        key(Qt::Key_Return);
    }
    void typeInto(int col, int row, const QString& text)
    {
        clickCell(col, row);
        type(text);
        key(Qt::Key_Return);
    }
    void choosePage(int page)
    {
        QTabBar* bar = form_.PageControl1->tabBar();
        QTest::mouseClick(bar, Qt::LeftButton, Qt::NoModifier, bar->tabRect(page).center());
        QApplication::processEvents();
    }
    void press(button::TLbButton* button)
    {
        QTest::mouseClick(button, Qt::LeftButton);
        QApplication::processEvents();
    }

private:
    ethercat_mqtt::TFEtherCATSlave& form_;
};

class VariableEditorGuiTest : public EditorTest {
protected:
    ethercat_mqtt::TFEtherCATSlave form;
};

// What the user enters: slave to master Run (Bool), Speed (UInt16, initial
// value 258), Fault (Bool), Raw (Array of 3, initial value 0A0B) and Spare
// (Bool, unticked); master to slave Setpoint (Int16) and Start (Bool).
const QByteArray kExpectedFile =
    "<EtherCAT_Slave>\n"
    "\t<EtherCAT_Slave_Variables>\n"
    "\t\t<EtherCAT_Slave_To_Master>\n"
    "\t\t\t<row Enable=\"Y\" Type=\"Bool\" Length=\"1\" Name=\"Run\" InitValue=\"\" Position=\"0\" BitStart=\"0\" "
    "Group=\"\" Mnemonic=\"\" />\n"
    "\t\t\t<row Enable=\"Y\" Type=\"UInt16\" Length=\"2\" Name=\"Speed\" InitValue=\"258\" Position=\"1\" "
    "BitStart=\"0\" Group=\"\" Mnemonic=\"rpm\" />\n"
    "\t\t\t<row Enable=\"Y\" Type=\"Bool\" Length=\"1\" Name=\"Fault\" InitValue=\"\" Position=\"3\" BitStart=\"0\" "
    "Group=\"\" Mnemonic=\"\" />\n"
    "\t\t\t<row Enable=\"Y\" Type=\"Array\" Length=\"3\" Name=\"Raw\" InitValue=\"0A0B\" Position=\"4\" "
    "BitStart=\"0\" Group=\"\" Mnemonic=\"\" />\n"
    "\t\t\t<row Enable=\"N\" Type=\"Bool\" Length=\"1\" Name=\"Spare\" InitValue=\"\" Position=\"0\" BitStart=\"0\" "
    "Group=\"\" Mnemonic=\"\" />\n"
    "\t\t</EtherCAT_Slave_To_Master>\n"
    "\t\t<EtherCAT_Master_To_Slave>\n"
    "\t\t\t<row Enable=\"Y\" Type=\"Int16\" Length=\"2\" Name=\"Setpoint\" Position=\"0\" BitStart=\"0\" Group=\"\" "
    "Mnemonic=\"\" />\n"
    "\t\t\t<row Enable=\"Y\" Type=\"Bool\" Length=\"1\" Name=\"Start\" Position=\"2\" BitStart=\"0\" Group=\"\" "
    "Mnemonic=\"\" />\n"
    "\t\t</EtherCAT_Master_To_Slave>\n"
    "\t</EtherCAT_Slave_Variables>\n"
    "</EtherCAT_Slave>\n"
    "<!--SW_VERSION = 1.001-->\n";

// ---------------------------------------------------------------- expectations

// bank2.bin for the file above, without ParGen.xml and without groups.
QByteArray expectedBank2()
{
    constexpr uint32_t base = 0x80000;
    QByteArray image(16597, '\0');
    const auto put = [&image](int offset, uint32_t value, int bytes) {
        for (int i = 0; i < bytes; ++i)
            image[offset + i] = char((value >> (8 * i)) & 0xFF);
    };
    put(20, base + 16424, 4);  // group address tables
    put(28, 4, 2);             // slave-to-master entries (Spare is off)
    put(30, 2, 2);             // master-to-slave entries
    put(32, base + 40, 4);
    put(36, base + 8232, 4);
    struct Entry {
        int code, length, access, bit, position, subindex, initAddress, nameLength, nameAddress;
    };
    const Entry toMaster[] = {
        {1, 1, 1, 0, 0, 0, 0, 3, 16557},          // Run
        {6, 2, 1, 0, 1, 1, 16592, 5, 16561},      // Speed, initial value 258
        {1, 1, 1, 0, 3, 2, 0, 5, 16567},          // Fault
        {10, 3, 1, 0, 4, 3, 16594, 3, 16573},     // Raw, initial value 0A0B
    };
    const Entry toSlave[] = {
        {3, 2, 0, 0, 0, 0, 0, 8, 16577},  // Setpoint (positions are not taken master to slave)
        {1, 1, 0, 0, 0, 1, 0, 5, 16586},  // Start
    };
    for (int table = 0; table < 2; ++table) {
        const int start = table == 0 ? 40 : 8232;
        for (int i = 0; i < 256; ++i)
            put(start + 32 * i + 16, 0xFFFFFFFF, 4);  // no group
        const Entry* entries = table == 0 ? toMaster : toSlave;
        const int count = table == 0 ? 4 : 2;
        for (int i = 0; i < count; ++i) {
            const Entry& e = entries[i];
            const int at = start + 32 * i;
            put(at, uint32_t(e.code), 1);
            put(at + 1, uint32_t(e.length), 1);
            put(at + 2, uint32_t(e.access), 1);
            put(at + 3, uint32_t(e.bit), 1);
            put(at + 4, uint32_t(e.position), 4);
            put(at + 8, uint32_t(e.subindex), 4);
            put(at + 20, e.initAddress ? base + uint32_t(e.initAddress) : 0, 4);
            put(at + 24, uint32_t(e.nameLength), 4);
            put(at + 28, base + uint32_t(e.nameAddress), 4);
        }
    }
    const QByteArray names("Run\0Speed\0Fault\0Raw\0Setpoint\0Start\0", 35);
    image.replace(16557, names.size(), names);
    const QByteArray initialValues("\x02\x01\x0A\x0B\x00", 5);
    image.replace(16592, initialValues.size(), initialValues);
    return image;
}

// The lines of the first PDO opened by `open`, trimmed, up to its end tag.
QStringList section(const QStringList& lines, const QString& open)
{
    QStringList out;
    const QString close = QStringLiteral("</") + open.mid(1) + u'>';
    bool in = false;
    for (const QString& line : lines) {
        const QString text = line.trimmed();
        in = in || text.startsWith(open);
        if (!in)
            continue;
        out << text;
        if (text == close)
            break;
    }
    return out;
}

QStringList entryLines(const QString& index, int bits, const QString& name, const QString& type)
{
    return {"<Entry>", "<Index>" + index + "</Index>", "<SubIndex>0</SubIndex>",
            "<BitLen>" + QString::number(bits) + "</BitLen>", "<Name>" + name + "</Name>",
            "<DataType>" + type + "</DataType>", "</Entry>", ""};
}

QStringList paddingLines(int bits)
{
    return {"<Entry>", "<Index>#x0</Index>", "<SubIndex>0</SubIndex>", "<BitLen>" + QString::number(bits) + "</BitLen>",
            "</Entry>", ""};
}

// Inputs: one PDO; each Bool followed by something else is padded to its byte.
QStringList expectedInputs()
{
    return QStringList{"<TxPdo Mandatory=\"true\" Fixed=\"true\" Sm=\"3\">", "<Index>#x1A00</Index>",
                       "<Name>Inputs_000</Name>", ""}
           + entryLines("#x6000", 1, "Run", "BIT") + paddingLines(7) + entryLines("#x6001", 16, "Speed", "UINT")
           + entryLines("#x6002", 1, "Fault", "BIT") + paddingLines(7)
           + entryLines("#x6003", 24, "Raw", "ARRAY [0..2] OF BYTE") + QStringList{"</TxPdo>"};
}

QStringList expectedOutputs()
{
    return QStringList{"<RxPdo Mandatory=\"true\" Fixed=\"true\" Sm=\"2\">", "<Index>#x1600</Index>",
                       "<Name>Outputs_000</Name>", ""}
           + entryLines("#x7000", 16, "Setpoint", "INT") + entryLines("#x7001", 1, "Start", "BIT") + paddingLines(7)
           + QStringList{"</RxPdo>"};
}

TEST_F(VariableEditorGuiTest, KeysAndClicksWriteAFileTheCompilerAndTheEsiWriterTake)
{
    show(form);
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    VariableEditorUser user(form);

    user.chooseType(1, QStringLiteral("Bool"));
    user.typeInto(4, 1, QStringLiteral("Run"));
    user.chooseType(2, QStringLiteral("UInt16"));
    user.typeInto(4, 2, QStringLiteral("Speed"));
    user.typeInto(5, 2, QStringLiteral("258"));
    user.typeInto(9, 2, QStringLiteral("rpm"));
    user.chooseType(3, QStringLiteral("Bool"));
    user.typeInto(4, 3, QStringLiteral("Fault"));
    user.chooseType(4, QStringLiteral("Array"));
    EXPECT_EQ(user.grid().GetCellEx(3, 4), QStringLiteral("10"));
    user.clickCell(3, 4);
    user.key(Qt::Key_F2);
    user.key(Qt::Key_Backspace);
    user.key(Qt::Key_Backspace);
    user.type(QStringLiteral("3"));
    user.key(Qt::Key_Return);
    user.typeInto(4, 4, QStringLiteral("Raw"));
    user.typeInto(5, 4, QStringLiteral("0A0B"));
    user.chooseType(5, QStringLiteral("Bool"));
    user.typeInto(4, 5, QStringLiteral("Spare"));
    user.clickCell(1, 5);
    EXPECT_FALSE(form.table(0).checked(1, 5));
    // A fixed-size type's Length takes no typing.
    user.typeInto(3, 2, QStringLiteral("7"));
    EXPECT_EQ(user.grid().GetCellEx(3, 2), QStringLiteral("2"));

    user.choosePage(1);
    ASSERT_EQ(form.activeTable(), 1);
    user.chooseType(1, QStringLiteral("Int16"));
    user.typeInto(4, 1, QStringLiteral("Setpoint"));
    user.chooseType(2, QStringLiteral("Bool"));
    user.typeInto(4, 2, QStringLiteral("Start"));

    user.press(form.Btn_OK);
    EXPECT_TRUE(dialogs.shown().empty()) << dialogs.texts().join(u'\n').toStdString();
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(readFile(slavePath()), kExpectedFile);

    // bank2.bin: the Part's layout, worked out for these variables.
    params::BankSources sources;
    sources.projectPath = folder.path();
    sources.parGen = folder.file(QStringLiteral("ParGen.xml"));
    sources.etherCATSlave = slavePath();
    sources.etherCATSlaveGroup = groupPath();
    sources.mqttSetTopic = folder.file(QStringLiteral("MQTT_Set_Topic.xml"));
    platform::XmlDocument doc;
    params::BankImages images;
    const params::CompileResult compiled = params::Build_Bank_Images(sources, doc, images);
    ASSERT_TRUE(compiled.ok) << compiled.error.toStdString();
    EXPECT_EQ(images.bank2, expectedBank2());

    // The ESI file: the process data objects of the same variables.
    const QString esi = folder.file(QStringLiteral("device.xml"));
    QString error;
    ASSERT_TRUE(ethercat_mqtt::Create_ESI_File(esi, app::appState(), doc, &error)) << error.toStdString();
    const QStringList lines = QString::fromUtf8(readFile(esi)).split(QStringLiteral("\r\n"));
    EXPECT_EQ(section(lines, QStringLiteral("<TxPdo")), expectedInputs());
    EXPECT_EQ(section(lines, QStringLiteral("<RxPdo")), expectedOutputs());
    // Inputs: Run 1 byte, Speed 2, Fault 1, Raw 3: 7 bytes, so the outputs
    // start at ((3 x 7 + 3) div 4) x 4 + 0x1000 = 0x1018.
    EXPECT_TRUE(lines.filter(QStringLiteral(">Outputs</Sm>")).value(0).contains(QStringLiteral("StartAddress=\"#x1018\"")));
}

}  // namespace ethercat_slave_form_gui_tests
