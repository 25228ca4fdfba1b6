// The main road as a new user goes through it, by keys and clicks on a fresh
// program: a new configuration, the general parameters, the EtherCAT groups
// and variables, the MQTT topics, the ESI file, and Update Device with a
// gateway that answers and a fake updater next to the executable. Every file
// the road writes is compared with what its rules give for the values typed,
// worked out by hand.

#include <sys/stat.h>

#include <QApplication>
#include <QFile>
#include <QPlainTextEdit>
#include <QScrollArea>
#include <QTabBar>
#include <QTest>

#include "app/forms/new_project_dialog.h"
#include "controls/grid/string_grid/ex_string_grid.h"
#include "editors/ethercat_mqtt/device_update_form.h"
#include "editors/ethercat_mqtt/esi_expectation.h"
#include "editors/ethercat_mqtt/ethercat_slave_form.h"
#include "editors/ethercat_mqtt/ethercat_slave_group_form.h"
#include "editors/ethercat_mqtt/mqtt_set_topic_form.h"
#include "editors/ethercat_mqtt/topic_template_form.h"
#include "main_window_fixture.h"
#include "params/forms/par_gen_form.h"
#include "support/esi_schema.h"
#include "support/qt_printers.h"
#include "support/scripted_network.h"

namespace main_road_tests {

using main_window_testing::MainWindowTest;

// ---------------------------------------------------------------- the user

// Keys and clicks where a user's go: on the widget under the mouse or on the
// one that has the focus.
struct User {
    static void settle() { QApplication::processEvents(); }
    static void click(QWidget* w)
    {
        ASSERT_TRUE(w->isVisible()) << w->objectName().toStdString();
        ASSERT_TRUE(w->isEnabled()) << w->objectName().toStdString();
        QTest::mouseClick(w, Qt::LeftButton);
        settle();
    }
    static void key(int k, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(k), modifiers);
        settle();
    }
    static void type(const QString& text)
    {
        for (const QChar c : text) {
            QTest::keyClick(QApplication::focusWidget(), c.toLatin1());
            settle();
        }
    }
    // Scrolls the field into sight, clicks it, selects what it holds and
    // types over it.
    static void typeInto(QLineEdit* field, const QString& text)
    {
        for (QWidget* w = field->parentWidget(); w; w = w->parentWidget())
            if (auto* area = qobject_cast<QScrollArea*>(w))
                area->ensureWidgetVisible(field);
        click(field);
        key(Qt::Key_A, Qt::ControlModifier);
        type(text);
    }
};

// A rule editor's grids, cell by cell.
struct GridUser {
    rule_editor::TRuleEditorForm& form;

    grid::TExStringGrid& grid() const { return form.table(form.activeTable()).grid(); }
    QPoint centre(int col, int row) const
    {
        const platform::TRect r = grid().CellRect(col, row);
        return {(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2};
    }
    void clickCell(int col, int row)
    {
        QTest::mouseClick(grid().viewport(), Qt::LeftButton, Qt::NoModifier, centre(col, row));
        User::settle();
    }
    void doubleClickCell(int col, int row)
    {
        clickCell(col, row);
        QTest::mouseDClick(grid().viewport(), Qt::LeftButton, Qt::NoModifier, centre(col, row));
        User::settle();
    }
    void typeInto(int col, int row, const QString& text)
    {
        clickCell(col, row);
        User::type(text);
        User::key(Qt::Key_Return);
    }
    // Opens the cell's drop-down list and walks down `steps` items.
    void choose(int col, int row, int steps)
    {
        clickCell(col, row);
        User::key(Qt::Key_F2);
        for (int i = 0; i < steps; ++i)
            User::key(Qt::Key_Down);
        User::key(Qt::Key_Return);
    }
    void choosePage(int page)
    {
        QTabBar* bar = form.PageControl1->tabBar();
        QTest::mouseClick(bar, Qt::LeftButton, Qt::NoModifier, bar->tabRect(page).center());
        User::settle();
    }
};

// Drop-down positions of the variable types.
constexpr int kBool = 0, kInt16 = 2, kUInt8 = 4, kUInt16 = 5;
// Drop-down positions of the topic editor's data types; its QoS items are
// "0", "1", "2", each at the position of its value.
constexpr int kInt = 0;

// ---------------------------------------------------------------- expectations

// ParGen.xml: the elements of a new project's form, with the four values
// typed on the road.
QByteArray expectedParGen()
{
    QFile file(QStringLiteral(TEST_DATA_DIR "/params/par_gen_form_new_project.txt"));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    const QMap<QString, QString> typed = {
        {"EtherCAT_Slave_Node_Address", "7"},
        {"MQTT_Server_URL", "broker.lan"},
        {"MQTT_Client_ID", "gw41"},
        {"NTP_Poll_Time", "60"},
    };
    QByteArray xml = "<Par_Gen>\n";
    for (const QString& line : QString::fromUtf8(file.readAll()).split(u'\n', Qt::SkipEmptyParts)) {
        const QString name = line.section(u'=', 0, 0);
        const QString value = typed.value(name, line.section(u'=', 1));
        xml += value.isEmpty() ? "\t<" + name.toUtf8() + " />\n"
                               : "\t<" + name.toUtf8() + ">" + value.toUtf8() + "</" + name.toUtf8() + ">\n";
    }
    return xml + "</Par_Gen>\n<!--SW_VERSION = 1.001-->\n";
}

const QByteArray kGroupFile = "<PROFINET_Master_to_Modbus_TCP_Master>\n"
                              "\t<Slave_to_Master>\n"
                              "\t\t<row Group_Name=\"Drive\" Num_Variables=\"2\" Mnemonic=\"axis 1\" />\n"
                              "\t</Slave_to_Master>\n"
                              "\t<Master_to_Slave>\n"
                              "\t\t<row Group_Name=\"Cmd\" Num_Variables=\"1\" Mnemonic=\"\" />\n"
                              "\t</Master_to_Slave>\n"
                              "</PROFINET_Master_to_Modbus_TCP_Master>\n"
                              "<!--SW_VERSION = 1.001-->\n";

// Run (Bool) and Speed (UInt16 from 258) fall in the group Drive, Temp
// (Int16) in none; Start (Bool) falls in Cmd, Mode (UInt8) in none. Run takes
// bit 0 of byte 0, Speed bytes 1-2, Temp 3-4; Start bit 0 of byte 0, Mode
// byte 1.
const QByteArray kVariableFile =
    "<EtherCAT_Slave>\n"
    "\t<EtherCAT_Slave_Variables>\n"
    "\t\t<EtherCAT_Slave_To_Master>\n"
    "\t\t\t<row Enable=\"Y\" Type=\"Bool\" Length=\"1\" Name=\"Run\" InitValue=\"\" Position=\"0\" BitStart=\"0\" "
    "Group=\"Drive\" Mnemonic=\"\" />\n"
    "\t\t\t<row Enable=\"Y\" Type=\"UInt16\" Length=\"2\" Name=\"Speed\" InitValue=\"258\" Position=\"1\" "
    "BitStart=\"0\" Group=\"Drive\" Mnemonic=\"rpm\" />\n"
    "\t\t\t<row Enable=\"Y\" Type=\"Int16\" Length=\"2\" Name=\"Temp\" InitValue=\"\" Position=\"3\" BitStart=\"0\" "
    "Group=\"\" Mnemonic=\"\" />\n"
    "\t\t</EtherCAT_Slave_To_Master>\n"
    "\t\t<EtherCAT_Master_To_Slave>\n"
    "\t\t\t<row Enable=\"Y\" Type=\"Bool\" Length=\"1\" Name=\"Start\" Position=\"0\" BitStart=\"0\" Group=\"Cmd\" "
    "Mnemonic=\"\" />\n"
    "\t\t\t<row Enable=\"Y\" Type=\"UInt8\" Length=\"1\" Name=\"Mode\" Position=\"1\" BitStart=\"0\" Group=\"\" "
    "Mnemonic=\"\" />\n"
    "\t\t</EtherCAT_Master_To_Slave>\n"
    "\t</EtherCAT_Slave_Variables>\n"
    "</EtherCAT_Slave>\n"
    "<!--SW_VERSION = 1.001-->\n";

// Little-endian image written field by field.
struct Image {
    QByteArray bytes;
    explicit Image(int size) : bytes(size, '\0') {}
    Image& put(int at, uint32_t value, int width)
    {
        for (int i = 0; i < width; ++i)
            bytes[at + i] = char((value >> (8 * i)) & 0xFF);
        return *this;
    }
    Image& u8(int at, uint32_t v) { return put(at, v, 1); }
    Image& u16(int at, uint32_t v) { return put(at, v, 2); }
    Image& u32(int at, uint32_t v) { return put(at, v, 4); }
    Image& octets(int at, std::initializer_list<int> list)
    {
        for (int v : list)
            bytes[at++] = char(v);
        return *this;
    }
    Image& text(int at, const QByteArray& s)
    {
        bytes.replace(at, s.size(), s);
        return *this;
    }
    // A text's address, its length and the address again.
    Image& reference(int at, uint32_t address, uint32_t length)
    {
        return u32(at, address).u32(at + 4, length).u32(at + 8, address);
    }
};

// The general block for the form's new-project values: cable 192.168.0.5 /
// 255.255.255.0 without gateway, Wi-Fi access point 192.168.0.100 without
// gateway, DHCP from 192.168.0.200 for 86400 s and 1 client on channel 1, no
// DNS, no host name, mobile link with authentication "None".
QByteArray expectedBank1()
{
    Image b(2048);
    b.u32(0, 250000).u32(4, 250000).u32(8, 0).u32(12, 9600);
    b.octets(40, {192, 168, 0, 5}).octets(44, {255, 255, 255, 0}).octets(48, {255, 255, 255, 255});
    b.u16(52, 10000).u16(54, 10001).u16(56, 10001);
    b.text(80, "devicename1");
    b.octets(436, {8, 8, 8, 8, 8, 8, 8, 8});
    b.text(532, "PIN=\r\nAPN=\r\nAUTHTYPE=0\r\nUSERNAME=\r\nPASSWORD=\r\n");
    b.u8(1258, 0).u8(1259, 0).octets(1260, {192, 168, 0, 200}).octets(1264, {255, 255, 255, 0});
    b.u32(1268, 86400).u8(1272, 1).u8(1273, 0).u8(1274, 1).u8(1275, 0);
    b.octets(1276, {192, 168, 0, 100}).octets(1280, {255, 255, 255, 0}).octets(1284, {255, 255, 255, 255});
    b.u32(1424, 0xA0000).text(1644, "1.001").u32(1776, 0x80000);
    uint32_t sum = 0;
    for (int i = 0; i < 2044; ++i)
        sum += uint8_t(b.bytes[i]);
    b.u32(2044, sum);
    return b.bytes;
}

// The process-data map: station address 7, three entries slave to master and
// two master to slave, the groups Drive (entries 0-1) and Cmd (entry 0).
// Names from 16557: Run, Speed, Temp, Start, Mode, then Drive (16583) and
// Cmd (16589); Speed's initial value 02 01 at 16593.
QByteArray expectedBank2()
{
    constexpr uint32_t base = 0x80000;
    Image b(16595);
    b.octets(0, {0x80, 0x0F, 0x00, 0xCC, 0x88, 0x13, 0xFF, 0x00, 0x00, 0x00, 0x00, 0x80, 0x00, 0x00});
    b.u16(14, 7).u8(16, 0).u32(20, base + 16424).u32(24, 0).u16(28, 3).u16(30, 2);
    b.u32(32, base + 40).u32(36, base + 8232);
    struct Entry {
        int code, length, access, bit, position, subindex, group, initAt, nameLength, nameAt;
    };
    const Entry toMaster[] = {
        {1, 1, 1, 0, 0, 0, 0, 0, 3, 16557},       // Run
        {6, 2, 1, 0, 1, 1, 0, 16593, 5, 16561},   // Speed
        {3, 2, 1, 0, 3, 2, -1, 0, 4, 16567},      // Temp
    };
    const Entry toSlave[] = {
        {1, 1, 0, 0, 0, 0, 0, 0, 5, 16572},   // Start
        {5, 1, 0, 0, 0, 1, -1, 0, 4, 16578},  // Mode
    };
    for (int table = 0; table < 2; ++table) {
        const int start = table == 0 ? 40 : 8232;
        for (int i = 0; i < 256; ++i)
            b.u32(start + 32 * i + 16, 0xFFFFFFFF);
        const Entry* entries = table == 0 ? toMaster : toSlave;
        for (int i = 0; i < (table == 0 ? 3 : 2); ++i) {
            const Entry& e = entries[i];
            const int at = start + 32 * i;
            b.u8(at, e.code).u8(at + 1, e.length).u8(at + 2, e.access).u8(at + 3, e.bit);
            b.u32(at + 4, e.position).u32(at + 8, e.subindex).u32(at + 12, 0).u32(at + 16, uint32_t(e.group));
            b.u32(at + 20, e.initAt ? base + e.initAt : 0).u32(at + 24, e.nameLength).u32(at + 28, base + e.nameAt);
        }
    }
    b.u32(16424, base + 16583).u32(16488, base + 16589).u8(16552, 1).u8(16553, 1);
    b.text(16557, QByteArray("Run\0Speed\0Temp\0Start\0Mode\0Drive\0Cmd\0", 36));
    b.octets(16593, {0x02, 0x01});
    return b.bytes;
}

// One publish topic: line4/speed, retained, QoS 1, Int of 2 bytes at 1,
// the template "rpm=" and "$VALUE$" on two lines, on a timer of 1000 ms,
// mnemonic Speed; its OnChange box never touched. One subscribe topic:
// line4/mode, QoS 2, Int of 1 byte at 1, template "$VALUE$", mnemonic Mode.
// A check box nobody set stays empty; the line break is a character
// reference in the attribute.
const QByteArray kTopicFile =
    "<MQTT_Set_Topic>\n"
    "\t<MQTT_Publish>\n"
    "\t\t<row Topic=\"line4/speed\" Retained=\"Y\" QoS=\"1\" DataType=\"Int\" Dimension=\"2\" Position=\"1\" "
    "IPAddress=\"\" InputTemplate=\"\" Template=\"rpm=&#10;$VALUE$\" OnChange=\"\" OnTimer=\"Y\" Time=\"1000\" "
    "Mnemonic=\"Speed\" />\n"
    "\t</MQTT_Publish>\n"
    "\t<MQTT_Subscribe>\n"
    "\t\t<row Topic=\"line4/mode\" Retained=\"\" QoS=\"2\" DataType=\"Int\" Dimension=\"1\" Position=\"1\" "
    "IPAddress=\"\" Port=\"\" EthType=\"\" InputTemplate=\"\" Template=\"$VALUE$\" Mnemonic=\"Mode\" />\n"
    "\t</MQTT_Subscribe>\n"
    "</MQTT_Set_Topic>\n"
    "<!--SW_VERSION = 1.001-->\n";

// The MQTT configuration: broker.lan (at 174) port 1883, client gw41 (at
// 185), asynchronous send time 10 s, NTP poll 60 s, no TLS; then the topics:
//   190 the topic-filter reference, 202 "line4/mode", 213 its QoS,
//   217 the subscribe record, 244 its template "$VALUE$",
//   252 the publish record, 301 "Speed", 307 "line4/speed",
//   319 "rpm=$VALUE$" (the line break removed); 331 bytes.
QByteArray expectedBank3()
{
    constexpr uint32_t base = 0xA0000;
    constexpr uint32_t empty = base + 173;
    Image b(331);
    b.u32(0, 2).u32(4, 10).u32(8, base + 174).u16(12, 1883).text(14, "MQTC").u32(18, 0).u8(22, 4);
    b.reference(23, base + 185, 4);
    b.u16(35, 0).u8(37, 0).u8(38, 0).text(39, "MQTW").u32(43, 0);
    b.u32(97, 1).u32(101, base + 190).u32(105, base + 213).u32(109, base + 217).u32(113, 1).u32(117, base + 252);
    b.u32(121, 0).u32(125, 0).u32(129, empty).u32(133, 0).u32(137, 0).u32(141, empty).u32(145, 0);
    b.u32(149, empty).u32(153, 0).u32(157, 0).u32(161, empty).u32(165, empty).u32(169, 60);
    b.text(174, QByteArray("broker.lan\0gw41\0", 16));
    // The subscription: position 1, length 1, Int, its template, no output
    // template.
    b.reference(190, base + 202, 10).text(202, "line4/mode").u32(213, 2);
    b.u32(217, 1).u32(221, 1).u32(225, 1).u32(229, base + 244).u32(233, empty).text(244, "$VALUE$");
    // The publish topic: description, topic, retained, QoS 1, no input
    // template, its template, position 1, length 2, Int, timer 1000, options
    // "on timer".
    b.u32(252, base + 301).reference(256, base + 307, 11).u8(268, 1).u32(269, 1).u32(273, empty);
    b.u32(277, base + 319).u32(285, 1).u16(289, 2).u16(291, 1).u32(293, 1000).u32(297, 4);
    b.text(301, "Speed").text(307, "line4/speed").text(319, "rpm=$VALUE$");
    return b.bytes;
}

QString pdoEntry(const QString& index, int bits, const QString& name, const QString& type)
{
    return "          <Entry>\r\n"
           "            <Index>" + index + "</Index>\r\n"
           "            <SubIndex>0</SubIndex>\r\n"
           "            <BitLen>" + QString::number(bits) + "</BitLen>\r\n"
           "            <Name>" + name + "</Name>\r\n"
           "            <DataType>" + type + "</DataType>\r\n"
           "          </Entry>\r\n"
           "\r\n";
}

QString padding(int bits)
{
    return "\t\t\t\t<Entry>\r\n"
           "\t\t\t\t\t<Index>#x0</Index>\r\n"
           "\t\t\t\t\t<SubIndex>0</SubIndex>\r\n"
           "\t\t\t\t\t<BitLen>" + QString::number(bits) + "</BitLen>\r\n"
           "\t\t\t\t</Entry>\r\n"
           "\r\n";
}

// Inputs Run (1 bit, padded to its byte), Speed and Temp: 5 bytes, so the
// outputs manager starts at ((3 x 5 + 3) div 4) x 4 + 0x1000 = 0x1010. Node
// address 7 gives the node text 0700.
QString expectedEsi()
{
    return esi_expectation::esiHead() + esi_expectation::esiDeviceStart("devicename1") +
           "        <Sm StartAddress=\"#x1010\" ControlByte=\"#x64\" DefaultSize=\"1\" Enable=\"1\">Outputs</Sm>\r\n"
           "        <Sm StartAddress=\"#x1000\" ControlByte=\"#x20\" DefaultSize=\"1\" Enable=\"1\">Inputs</Sm>\r\n"
           "        <RxPdo Mandatory=\"true\" Fixed=\"true\" Sm=\"2\">\r\n"
           "          <Index>#x1600</Index>\r\n"
           "          <Name>Outputs_000</Name>\r\n"
           "\r\n"
           + pdoEntry("#x7000", 1, "Start", "BIT") + padding(7) + pdoEntry("#x7001", 8, "Mode", "USINT")
           + "        </RxPdo>\r\n"
             "        <TxPdo Mandatory=\"true\" Fixed=\"true\" Sm=\"3\">\r\n"
             "          <Index>#x1A00</Index>\r\n"
             "          <Name>Inputs_000</Name>\r\n"
             "\r\n"
           + pdoEntry("#x6000", 1, "Run", "BIT") + padding(7) + pdoEntry("#x6001", 16, "Speed", "UINT")
           + pdoEntry("#x6002", 16, "Temp", "INT")
           + "        </TxPdo>\r\n"
           + esi_expectation::esiTail("800F00CC8813ff00070000800000");
}

// One load step of the job: the twenty values in their order.
QString jobOperation(const QString& file, const char* start, const char* bank, const char* writeCss,
                     const char* goToApp)
{
    return QStringLiteral("\t\t<Operation>\n"
                          "\t\t\t<Ope_Protection_Enabled />\n"
                          "\t\t\t<Ope_GoToBoot_Before>0</Ope_GoToBoot_Before>\n"
                          "\t\t\t<Ope_GoToApp_Before>0</Ope_GoToApp_Before>\n"
                          "\t\t\t<Ope_IP_Address />\n"
                          "\t\t\t<Ope_Port>2008</Ope_Port>\n"
                          "\t\t\t<Ope_Port_Sec>2007</Ope_Port_Sec>\n"
                          "\t\t\t<Ope_Erase_Memory>0</Ope_Erase_Memory>\n"
                          "\t\t\t<Ope_FileName>%1</Ope_FileName>\n"
                          "\t\t\t<Ope_Start_Address>%2</Ope_Start_Address>\n"
                          "\t\t\t<Ope_Memory_Type>0</Ope_Memory_Type>\n"
                          "\t\t\t<Ope_Bank_Type>%3</Ope_Bank_Type>\n"
                          "\t\t\t<Ope_Read_Back>1</Ope_Read_Back>\n"
                          "\t\t\t<Ope_Write_CSS>%4</Ope_Write_CSS>\n"
                          "\t\t\t<Ope_Address_CSS>0x07A00</Ope_Address_CSS>\n"
                          "\t\t\t<Ope_Command_CSS>0x02</Ope_Command_CSS>\n"
                          "\t\t\t<Ope_Write_Internal_Data>0</Ope_Write_Internal_Data>\n"
                          "\t\t\t<Ope_WID_Address>0x07810</Ope_WID_Address>\n"
                          "\t\t\t<Ope_WID_Command>0x02</Ope_WID_Command>\n"
                          "\t\t\t<Ope_WID_Data>0x00, 0x00, 0x00, 0x01</Ope_WID_Data>\n"
                          "\t\t\t<Ope_GoToApp_After>%5</Ope_GoToApp_After>\n"
                          "\t\t</Operation>\n")
        .arg(file, QString::fromLatin1(start), QString::fromLatin1(bank), QString::fromLatin1(writeCss),
             QString::fromLatin1(goToApp));
}

// Firmware and configuration (the first choice), read back on.
QString expectedJob(const QString& exe)
{
    const QString bin = exe + "/PROJECTS/Line 4/bin/";
    return "<Ethernet_Update>\n"
           "\t<Version>1000</Version>\n"
           "\t<Title>Olvenk - CQ41T17 Ethernet Update</Title>\n"
           "\t<IP_Address_Dev>192.168.2.7</IP_Address_Dev>\n"
           "\t<Application_Port>10000</Application_Port>\n"
           "\t<Boot_Port>2008</Boot_Port>\n"
           "\t<Boot_Port_Sec>2007</Boot_Port_Sec>\n"
           "\t<Address_Protection>0x07800</Address_Protection>\n"
           "\t<Protections>\n"
           "\t\t<Protection>0x2F6</Protection>\n"
           "\t</Protections>\n"
           "\t<Operations>\n"
           + jobOperation(exe + "/MASTER/Sim41T17.sim", "0x8000", "1", "1", "0")
           + jobOperation(bin + "bank1.bin", "0x07000", "2", "0", "0")
           + jobOperation(bin + "bank2.bin", "0x80000", "2", "0", "0")
           + jobOperation(bin + "bank3.bin", "0xA0000", "2", "0", "1")
           + "\t</Operations>\n"
             "</Ethernet_Update>\n";
}

const QByteArray kSettingsFile = "<Conf_Settings>\n"
                                 "\t<lastproj>\n"
                                 "\t\t<projectname>Line 4</projectname>\n"
                                 "\t</lastproj>\n"
                                 "\t<lastipadd>\n"
                                 "\t\t<ipaddress>192.168.2.7</ipaddress>\n"
                                 "\t</lastipadd>\n"
                                 "\t<lastlang>\n"
                                 "\t\t<language>English</language>\n"
                                 "\t</lastlang>\n"
                                 "\t<lastinternet>\n"
                                 "\t\t<enable_internet>0</enable_internet>\n"
                                 "\t\t<enable_update>0</enable_update>\n"
                                 "\t\t<enable_jump_field_tables>0</enable_jump_field_tables>\n"
                                 "\t\t<Double_Click_Auto_Size>0</Double_Click_Auto_Size>\n"
                                 "\t</lastinternet>\n"
                                 "</Conf_Settings>\n";

// The updater stand-in: notes its arguments and every file the job names
// with its size, and keeps a copy of the job it found next to itself.
const QByteArray kFakeUpdater =
    "#!/bin/sh\n"
    "here=$(cd \"$(dirname \"$0\")\" && pwd)\n"
    "{\n"
    "  echo \"arguments: $#\"\n"
    "  sed -n 's:.*<Ope_FileName>\\(.*\\)</Ope_FileName>.*:\\1:p' \"$here/Ethernet_Update.xml\" |\n"
    "  while IFS= read -r f; do\n"
    "    if [ -f \"$f\" ]; then echo \"found $(wc -c < \"$f\") $f\"; else echo \"missing $f\"; fi\n"
    "  done\n"
    "} > \"$here/updater_record.txt\"\n"
    "cp \"$here/Ethernet_Update.xml\" \"$here/updater_job_seen.xml\"\n";

// ---------------------------------------------------------------- the road

class MainRoadTest : public MainWindowTest {
protected:
    // `open` shows the form `formName` modally; runs `steps` in it and
    // checks that the form has closed when `open` returns, without a message.
    template <typename Form>
    void inModal(const char* formName, const std::function<void()>& open, const std::function<void(Form&)>& steps)
    {
        SCOPED_TRACE(formName);
        auto* shown = form<Form>(formName);
        ASSERT_NE(shown, nullptr);
        // Waits for the form to show: `open` may settle the events (a click
        // before the double click) before it shows the form.
        bool ran = false;
        QTimer poll;
        poll.setInterval(5);
        QObject::connect(&poll, &QTimer::timeout, [&] {
            if (!shown->isVisible())
                return;
            poll.stop();
            ran = true;
            EXPECT_TRUE(shown->isModal());
            EXPECT_TRUE(QTest::qWaitForWindowActive(shown));
            steps(*shown);
        });
        poll.start();
        open();
        poll.stop();
        EXPECT_TRUE(ran);
        EXPECT_FALSE(shown->isVisible());
        EXPECT_TRUE(script.shown().empty()) << script.texts().join(u'\n').toStdString();
    }
    // The form of the main window's step `button`.
    template <typename Form>
    void step(const char* button, const char* formName, const std::function<void(Form&)>& steps)
    {
        SCOPED_TRACE(button);
        inModal<Form>(formName, [&] { User::click(main().stepButton(button)); }, steps);
    }
    QString project(const QString& name) const { return dir.file("PROJECTS/Line 4/" + name); }
};

TEST_F(MainRoadTest, ANewUserGoesFromANewConfigurationToTheUpdater)
{
    testing_support::ScriptedNetwork network;
    network.otherwise = testing_support::ScriptedNetwork::Status::Answered;
    start();
    main().show();
    // What the user places next to the program: the updater and the firmware.
    const QString updater = dir.write("Ethernet_Update", kFakeUpdater);
    ::chmod(QFile::encodeName(updater).constData(), 0755);
    dir.write("MASTER/Sim41T17.sim", "FW");

    step<app_forms::TFNew_Project>("Btn_New", "TFNew_Project", [](app_forms::TFNew_Project& f) {
        User::typeInto(f.E_New_Proj, "Line 4");
        User::click(f.buttons.Btn_OK);
    });
    ASSERT_TRUE(app::appState().projectOpen());

    step<params::TFParGen>("Btn_Prm_Gen", "TFParGen", [](params::TFParGen& f) {
        User::typeInto(f.controlAs<QLineEdit>("E_EtherCAT_Slave_Node_Address"), "7");
        User::typeInto(f.controlAs<QLineEdit>("E_MQTT_Server"), "broker.lan");
        User::typeInto(f.controlAs<QLineEdit>("E_MQTT_Client_ID"), "gw41");
        User::typeInto(f.controlAs<QLineEdit>("E_NTP_Poll_Time"), "60");
        User::click(f.buttons.Btn_OK);
    });

    step<ethercat_mqtt::TFEtherCATSlave_Group>(
        "Btn_EtherCAT_Set_Group", "TFEtherCATSlave_Group", [](ethercat_mqtt::TFEtherCATSlave_Group& f) {
            GridUser user{f};
            user.typeInto(1, 1, "Drive");
            user.typeInto(2, 1, "2");
            user.typeInto(3, 1, "axis 1");
            user.choosePage(1);
            user.typeInto(1, 1, "Cmd");
            user.typeInto(2, 1, "1");
            User::click(f.Btn_OK);
        });

    step<ethercat_mqtt::TFEtherCATSlave>(
        "Btn_EtherCAT_Set_Access", "TFEtherCATSlave", [](ethercat_mqtt::TFEtherCATSlave& f) {
            GridUser user{f};
            user.choose(2, 1, kBool);
            user.typeInto(4, 1, "Run");
            user.choose(2, 2, kUInt16);
            user.typeInto(4, 2, "Speed");
            user.typeInto(5, 2, "258");
            user.typeInto(9, 2, "rpm");
            user.choose(2, 3, kInt16);
            user.typeInto(4, 3, "Temp");
            user.choosePage(1);
            user.choose(2, 1, kBool);
            user.typeInto(4, 1, "Start");
            user.choose(2, 2, kUInt8);
            user.typeInto(4, 2, "Mode");
            User::click(f.Btn_OK);
        });

    // Shown publish columns: 1 Topic, 2 Retained, 3 QoS, 4 Data Type, 5
    // Dimension, 6 Position, 7 Template, 8 OnChange, 9 OnTimer, 10 Time(ms),
    // 11 Mnemonic (beyond the right edge: reached with the arrow key).
    // Shown subscribe columns: 1 Topic, 2 QoS, 3 Data Type, 4 Dimension, 5
    // Position, 6 Template, 7 Mnemonic.
    step<ethercat_mqtt::TFMQTT_Set_Topic>(
        "Btn_MQTT_Set_Topic", "TFMQTT_Set_Topic", [this](ethercat_mqtt::TFMQTT_Set_Topic& f) {
            GridUser user{f};
            user.typeInto(1, 1, "line4/speed");
            user.clickCell(2, 1);
            user.choose(3, 1, 1);
            user.choose(4, 1, kInt);
            user.typeInto(5, 1, "2");
            user.typeInto(6, 1, "1");
            inModal<ethercat_mqtt::TFTopicTemplate>(
                "TFTopicTemplate", [&] { user.doubleClickCell(7, 1); },
                [](ethercat_mqtt::TFTopicTemplate& d) {
                    EXPECT_EQ(d.windowTitle(), "Set Template");
                    EXPECT_EQ(QApplication::focusWidget(), d.RE_TopicTemplate);
                    User::type("rpm=");
                    User::key(Qt::Key_Return);
                    User::type("$VALUE$");
                    User::click(d.buttons.Btn_OK);
                });
            // The window manager gives the editor back the focus; the
            // offscreen platform has none.
            f.activateWindow();
            EXPECT_TRUE(QTest::qWaitForWindowActive(&f));
            user.clickCell(9, 1);
            user.typeInto(10, 1, "1000");
            User::key(Qt::Key_Right);
            User::type("Speed");
            User::key(Qt::Key_Return);

            user.choosePage(1);
            user.typeInto(1, 1, "line4/mode");
            user.choose(2, 1, 2);
            user.choose(3, 1, kInt);
            user.typeInto(4, 1, "1");
            user.typeInto(5, 1, "1");
            user.typeInto(6, 1, "$VALUE$");
            user.typeInto(7, 1, "Mode");
            User::click(f.Btn_OK);
        });

    // The ESI file, saved where the user chooses.
    script.chooseFile(dir.file("Line 4 gateway.xml"));
    User::click(main().stepButton("Btn_EtherCAT_ESI_File"));
    EXPECT_TRUE(script.texts().isEmpty()) << script.texts().join(u'\n').toStdString();

    step<ethercat_mqtt::TFBoot>("Btn_CreateBin", "TFBoot", [&](ethercat_mqtt::TFBoot& f) {
        EXPECT_EQ(f.windowTitle(), "Update Device by Ethernet (UDP)");
        EXPECT_EQ(QApplication::focusWidget(), f.E_IP[0]);
        User::type("192.168.2.7");
        User::click(f.Btn_Update);
        EXPECT_TRUE(f.isVisible()) << "the dialog stays open after the update";
        User::click(f.Btn_Cancel);
    });
    User::click(main().stepButton("Btn_Close"));

    // ---- every file of the road
    EXPECT_EQ(dir.read("PROJECTS/Line 4/ParGen.xml"), expectedParGen());
    EXPECT_EQ(dir.read("PROJECTS/Line 4/EtherCAT_Slave_Group.xml"), kGroupFile);
    EXPECT_EQ(dir.read("PROJECTS/Line 4/EtherCAT_Slave.xml"), kVariableFile);
    EXPECT_EQ(dir.read("PROJECTS/Line 4/MQTT_Set_Topic.xml"), kTopicFile);
    EXPECT_EQ(dir.read("PROJECTS/Line 4/bin/bank1.bin").toHex(), expectedBank1().toHex());
    EXPECT_EQ(dir.read("PROJECTS/Line 4/bin/bank2.bin").toHex(), expectedBank2().toHex());
    EXPECT_EQ(dir.read("PROJECTS/Line 4/bin/bank3.bin").toHex(), expectedBank3().toHex());
    EXPECT_EQ(QString::fromUtf8(dir.read("Line 4 gateway.xml")), expectedEsi());
    EXPECT_EQ(QString::fromUtf8(dir.read("Ethernet_Update.xml")), expectedJob(dir.path()));
    EXPECT_EQ(dir.read("Velmoraxis.xml"), kSettingsFile);
    // Nothing else was written into the project.
    EXPECT_EQ(QDir(dir.file("PROJECTS/Line 4")).entryList(QDir::NoDotAndDotDot | QDir::AllEntries, QDir::Name),
              (QStringList{"EtherCAT_Slave.xml", "EtherCAT_Slave_Group.xml", "MQTT_Set_Topic.xml", "ParGen.xml",
                           "bin"}));

    // Two echoes to the device, answered; the updater ran once, without
    // arguments, found the job and every file it names.
    ASSERT_EQ(network.sent().size(), 2u);
    EXPECT_EQ(network.sent()[0].host, "192.168.2.7");
    const QString bin = dir.path() + "/PROJECTS/Line 4/bin/";
    EXPECT_EQ(QString::fromUtf8(dir.read("updater_record.txt")),
              "arguments: 0\n"
              "found 2 " + dir.path() + "/MASTER/Sim41T17.sim\n"
              "found 2048 " + bin + "bank1.bin\n"
              "found 16595 " + bin + "bank2.bin\n"
              "found 331 " + bin + "bank3.bin\n");
    EXPECT_EQ(dir.read("updater_job_seen.xml"), dir.read("Ethernet_Update.xml"));

    EXPECT_TRUE(testing_support::validatesAgainstEsiSchema(dir.file("Line 4 gateway.xml")));
}

}  // namespace main_road_tests
