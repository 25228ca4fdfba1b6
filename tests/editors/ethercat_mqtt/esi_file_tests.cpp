#include <QFile>
#include <gtest/gtest.h>

#include "app/language.h"
#include "editors/ethercat_mqtt/esi_expectation.h"
#include "editors/ethercat_mqtt/esi_file.h"
#include "params/bank_compiler.h"
#include "platform/xml_document.h"
#include "support/esi_schema.h"
#include "support/scripted_dialogs.h"
#include "support/temp_folder.h"

using namespace ethercat_mqtt;

namespace {

QByteArray slaveFile(const QByteArray& inputs, const QByteArray& outputs)
{
    return "<EtherCAT_Slave>\n<EtherCAT_Slave_Variables>\n<EtherCAT_Slave_To_Master>" + inputs
           + "</EtherCAT_Slave_To_Master>\n<EtherCAT_Master_To_Slave>" + outputs
           + "</EtherCAT_Master_To_Slave>\n</EtherCAT_Slave_Variables>\n</EtherCAT_Slave>\n"
             "<!--SW_VERSION = 1.001-->\n";
}

QByteArray row(const char* enable, const char* type, int length, const char* name)
{
    return QByteArray("<row Enable=\"") + enable + "\" Type=\"" + type + "\" Length=\"" + QByteArray::number(length)
           + "\" Name=\"" + name + "\" Position=\"0\" BitStart=\"0\" Group=\"\" Mnemonic=\"\"/>\n";
}

QByteArray rows(int count, const char* type, int length)
{
    QByteArray out;
    for (int i = 0; i < count; ++i)
        out += row("Y", type, length, QByteArray("v" + QByteArray::number(i)).constData());
    return out;
}

}  // namespace

struct EsiFileTest : ::testing::Test {
    testing_support::TempFolder dir;
    app::AppState state;
    platform::XmlDocument xml;

    EsiFileTest()
    {
        state.Project_Path = dir.path();
        state.ParGen_Path = dir.file("ParGen.xml");
        state.EtherCAT_Slave_Path = dir.file("EtherCAT_Slave.xml");
        app::Load_Default_Texts(app::textTable());
    }

    QStringList esiLines() { return Write_ESI_Lines(Load_ESI_Data(state, xml)); }

    // The entry and padding lines of the PDOs only, without indentation.
    QStringList pdoLines()
    {
        QStringList out;
        bool inPdo = false;
        for (const QString& line : esiLines()) {
            const QString t = line.trimmed();
            if (t.startsWith("<RxPdo") || t.startsWith("<TxPdo"))
                inPdo = true;
            if (inPdo && !t.isEmpty())
                out << t;
            if (t == "</RxPdo>" || t == "</TxPdo>")
                inPdo = false;
        }
        return out;
    }

    void validate(const QString& file) { EXPECT_TRUE(testing_support::validatesAgainstEsiSchema(file)); }
};

TEST(EsiRules, DataTypesAndThreeDigits)
{
    struct Case {
        const char* type;
        int64_t length;
        const char* esi;
        int64_t bits;
    };
    const Case cases[] = {
        {"Bool", 1, "BIT", 1},          {"Int8", 1, "SINT", 8},       {"Int16", 2, "INT", 16},
        {"Int32", 4, "DINT", 32},       {"UInt8", 1, "USINT", 8},     {"UInt16", 2, "UINT", 16},
        {"UInt32", 4, "UDINT", 32},     {" float32 ", 4, "REAL", 32}, {"Array", 4, "ARRAY [0..3] OF BYTE", 32},
        {"String", 10, "STRING(10)", 88}, {"", 0, "BIT", 1},          {"Double", 8, "BIT", 1},
        // Sizes beyond 32 bits are computed whole.
        {"Array", 300000000, "ARRAY [0..299999999] OF BYTE", 2400000000},
        {"String", 300000000, "STRING(300000000)", 2400000008},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.type);
        int64_t bits = -1;
        QString esi;
        ESI_Data_Type(c.type, c.length, bits, esi);
        EXPECT_EQ(esi, c.esi);
        EXPECT_EQ(bits, c.bits);
    }
    EXPECT_EQ(Three_Digits(0), "000");
    EXPECT_EQ(Three_Digits(9), "009");
    EXPECT_EQ(Three_Digits(10), "010");
    EXPECT_EQ(Three_Digits(99), "099");
    EXPECT_EQ(Three_Digits(100), "100");
    EXPECT_EQ(Three_Digits(1000), "1000");
}

TEST_F(EsiFileTest, ThreeBoolsAndAnIntWithoutParGenIsTheExactFile)
{
    dir.write("EtherCAT_Slave.xml", slaveFile(row("Y", "Bool", 1, "B1") + row("Y", "Bool", 1, "B2")
                                                  + row("Y", "Bool", 1, "B3") + row("Y", "Int16", 2, "Counter"),
                                              ""));
    ASSERT_TRUE(Create_ESI_File(dir.file("out.xml"), state, xml));
    const QString expected =
        esi_expectation::esiHead() + esi_expectation::esiDeviceStart("EtherCAT Slave") +
        "        <Sm StartAddress=\"#x100C\" ControlByte=\"#x64\" DefaultSize=\"1\" Enable=\"1\">Outputs</Sm>\r\n"
        "        <Sm StartAddress=\"#x1000\" ControlByte=\"#x20\" DefaultSize=\"1\" Enable=\"1\">Inputs</Sm>\r\n"
        "        <TxPdo Mandatory=\"true\" Fixed=\"true\" Sm=\"3\">\r\n"
        "          <Index>#x1A00</Index>\r\n"
        "          <Name>Inputs_000</Name>\r\n"
        "\r\n"
        "          <Entry>\r\n"
        "            <Index>#x6000</Index>\r\n"
        "            <SubIndex>0</SubIndex>\r\n"
        "            <BitLen>1</BitLen>\r\n"
        "            <Name>B1</Name>\r\n"
        "            <DataType>BIT</DataType>\r\n"
        "          </Entry>\r\n"
        "\r\n"
        "          <Entry>\r\n"
        "            <Index>#x6001</Index>\r\n"
        "            <SubIndex>0</SubIndex>\r\n"
        "            <BitLen>1</BitLen>\r\n"
        "            <Name>B2</Name>\r\n"
        "            <DataType>BIT</DataType>\r\n"
        "          </Entry>\r\n"
        "\r\n"
        "          <Entry>\r\n"
        "            <Index>#x6002</Index>\r\n"
        "            <SubIndex>0</SubIndex>\r\n"
        "            <BitLen>1</BitLen>\r\n"
        "            <Name>B3</Name>\r\n"
        "            <DataType>BIT</DataType>\r\n"
        "          </Entry>\r\n"
        "\r\n"
        "\t\t\t\t<Entry>\r\n"
        "\t\t\t\t\t<Index>#x0</Index>\r\n"
        "\t\t\t\t\t<SubIndex>0</SubIndex>\r\n"
        "\t\t\t\t\t<BitLen>5</BitLen>\r\n"
        "\t\t\t\t</Entry>\r\n"
        "\r\n"
        "          <Entry>\r\n"
        "            <Index>#x6003</Index>\r\n"
        "            <SubIndex>0</SubIndex>\r\n"
        "            <BitLen>16</BitLen>\r\n"
        "            <Name>Counter</Name>\r\n"
        "            <DataType>INT</DataType>\r\n"
        "          </Entry>\r\n"
        "\r\n"
        "        </TxPdo>\r\n"
        + esi_expectation::esiTail("800F00CC8813ff00010000800000");
    EXPECT_EQ(QString::fromUtf8(dir.read("out.xml")), expected);
    validate(dir.file("out.xml"));
}

TEST_F(EsiFileTest, BitRunsArePaddedToWholeBytes)
{
    struct Case {
        const char* name;
        QByteArray inputs;
        QStringList bitLens;  // BitLen of every entry and padding, in order
    };
    const QByteArray b = row("Y", "Bool", 1, "b");
    const Case cases[] = {
        {"eight bools: no padding", rows(8, "Bool", 1), QStringList(8, "1")},
        {"nine bools: 7 bits after the ninth", rows(9, "Bool", 1), QStringList(9, "1") << "7"},
        {"a bool last", row("Y", "UInt8", 1, "u") + b, {"8", "1", "7"}},
        {"a disabled row inside a run", b + row("N", "Int32", 4, "off") + b, {"1", "1", "6"}},
        {"string then array", row("Y", "String", 10, "s") + row("Y", "Array", 4, "a"), {"88", "32"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        dir.write("EtherCAT_Slave.xml", slaveFile(c.inputs, ""));
        QStringList bitLens;
        for (const QString& line : pdoLines())
            if (line.startsWith("<BitLen>"))
                bitLens << line.mid(8, line.indexOf("</") - 8);
        EXPECT_EQ(bitLens, c.bitLens);
    }
}

TEST_F(EsiFileTest, LargeInputsMoveTheOutputsManagerPast16Bits)
{
    // 256 strings of 255 bytes: 65280 input bytes, outputs at
    // ((3 * 65280 + 3) div 4) * 4 + 4096 = 199936 = #x30D00.
    dir.write("EtherCAT_Slave.xml", slaveFile(rows(256, "String", 255), ""));
    QStringList trimmed;
    for (const QString& line : esiLines())
        trimmed << line.trimmed();
    EXPECT_TRUE(trimmed.contains("<Sm StartAddress=\"#x30D00\" ControlByte=\"#x64\" DefaultSize=\"1\" "
                                 "Enable=\"1\">Outputs</Sm>"));
}

TEST_F(EsiFileTest, SeventeenOutputsMakeTwoPdosNumberedAcross)
{
    dir.write("EtherCAT_Slave.xml", slaveFile("", rows(17, "UInt8", 1)));
    const QStringList lines = pdoLines();
    EXPECT_EQ(lines.count("<RxPdo Mandatory=\"true\" Fixed=\"true\" Sm=\"2\">"), 2);
    EXPECT_EQ(lines.count("</RxPdo>"), 2);
    EXPECT_TRUE(lines.contains("<Index>#x1600</Index>"));
    EXPECT_TRUE(lines.contains("<Name>Outputs_000</Name>"));
    EXPECT_TRUE(lines.contains("<Index>#x1601</Index>"));
    EXPECT_TRUE(lines.contains("<Name>Outputs_001</Name>"));
    const qsizetype secondPdo = lines.indexOf("<Index>#x1601</Index>");
    EXPECT_LT(lines.indexOf("<Index>#x700F</Index>"), secondPdo);
    EXPECT_GT(lines.indexOf("<Index>#x7010</Index>"), secondPdo);
    EXPECT_EQ(lines.indexOf("<Index>#x7011</Index>"), -1);
}

TEST_F(EsiFileTest, IdentityFromParGen)
{
    struct Case {
        QByteArray pargen;
        QString typeLine;
        QString configData;
    };
    const Case cases[] = {
        {"<Par_Gen><EtherCAT_Slave_Name>GW</EtherCAT_Slave_Name>"
         "<EtherCAT_Slave_Revision_Number>300</EtherCAT_Slave_Revision_Number>"
         "<EtherCAT_Slave_Node_Address>258</EtherCAT_Slave_Node_Address></Par_Gen>",
         "<Type ProductCode=\"#x0041A017\" RevisionNo=\"#x12C\">GW</Type>", "800F00CC8813ff00020100800000"},
        {"<Par_Gen><EtherCAT_Slave_Revision_Number>5</EtherCAT_Slave_Revision_Number></Par_Gen>",
         "<Type ProductCode=\"#x0041A017\" RevisionNo=\"#x05\">EtherCAT Slave</Type>", "800F00CC8813ff00010000800000"},
        {"<Par_Gen><EtherCAT_Slave_Revision_Number>4294967295</EtherCAT_Slave_Revision_Number>"
         "<EtherCAT_Slave_Node_Address>x</EtherCAT_Slave_Node_Address></Par_Gen>",
         "<Type ProductCode=\"#x0041A017\" RevisionNo=\"#xFFFFFFFF\">EtherCAT Slave</Type>",
         "800F00CC8813ff00010000800000"},
        {"<!-- a comment first --><Par_Gen><EtherCAT_Slave_Name/></Par_Gen>",
         "<Type ProductCode=\"#x0041A017\" RevisionNo=\"#x00\"></Type>", "800F00CC8813ff00010000800000"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pargen.constData());
        dir.write("ParGen.xml", c.pargen);
        QStringList trimmed;
        for (const QString& line : esiLines())
            trimmed << line.trimmed();
        EXPECT_TRUE(trimmed.contains(c.typeLine)) << trimmed.join('\n').toStdString();
        EXPECT_TRUE(trimmed.contains("<ConfigData>" + c.configData + "</ConfigData>"));
    }
}

TEST_F(EsiFileTest, RevisionNumberIsReadAsTheDeviceImageReadsIt)
{
    // 0 for anything that is not a number in 0 .. 4294967295, in the ESI
    // file and in bank2.bin alike.
    const std::pair<const char*, uint32_t> cases[] = {
        {"300", 300}, {"4294967295", 0xFFFFFFFF}, {"-1", 0}, {"4294967296", 0},
        {"4294967297", 0}, {"-4294967295", 0}, {"x", 0}, {"", 0},
    };
    for (const auto& [text, revision] : cases) {
        SCOPED_TRACE(text);
        dir.write("ParGen.xml", QByteArray("<Par_Gen><EtherCAT_Slave_Revision_Number>") + text
                                    + "</EtherCAT_Slave_Revision_Number></Par_Gen>");
        const QString hex = QString::number(revision, 16).toUpper().rightJustified(2, '0');
        QStringList trimmed;
        for (const QString& line : esiLines())
            trimmed << line.trimmed();
        EXPECT_TRUE(trimmed.contains("<Type ProductCode=\"#x0041A017\" RevisionNo=\"#x" + hex + "\">EtherCAT Slave</Type>"))
            << trimmed.join('\n').toStdString();

        platform::XmlDocument doc;
        params::BankImages images;
        const params::BankSources sources{dir.path(), state.ParGen_Path, state.EtherCAT_Slave_Path,
                                          dir.file("EtherCAT_Slave_Group.xml"), dir.file("MQTT_Set_Topic.xml")};
        ASSERT_TRUE(params::Build_Bank_Images(sources, doc, images).ok);
        const auto byte = [&images](int at) { return static_cast<uint32_t>(static_cast<uint8_t>(images.bank2[at])); };
        EXPECT_EQ(byte(24) | byte(25) << 8 | byte(26) << 16 | byte(27) << 24, revision);
    }
}

TEST_F(EsiFileTest, ArrayAndStringLengthsOutsideTheEditorsRangeAreRefused)
{
    struct Case {
        const char* name;
        QByteArray inputs;
        QByteArray outputs;
        const char* messagePart;  // null: accepted
    };
    const QByteArray b = row("Y", "Bool", 1, "b");
    const Case cases[] = {
        {"array of 300000000 bytes", b + row("Y", "Array", 300000000, "a"), "", "slave-to-master variable 2"},
        {"negative array length", row("Y", "Array", -100000, "a"), "", "\"-100000\""},
        {"string of 0 bytes", row("Y", "String", 0, "s"), "", "slave-to-master variable 1"},
        {"string of 256 bytes", "", b + b + row("Y", " string ", 256, "s"), "master-to-slave variable 3"},
        {"array without a number", "<row Enable=\"Y\" Type=\"ARRAY\" Length=\"ten\" Name=\"a\"/>", "", "\"ten\""},
        {"array without a length", "<row Enable=\"Y\" Type=\"Array\" Name=\"a\"/>", "", "slave-to-master variable 1"},
        {"the largest array and the smallest string", row("Y", "Array", 255, "a") + row("Y", "String", 1, "s"), "", nullptr},
        {"a disabled row is not looked at", row("N", "Array", -100000, "a"), "", nullptr},
        {"a fixed-size type does not take its size from Length", row("Y", "Int16", -100000, "i"), "", nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        dir.write("EtherCAT_Slave.xml", slaveFile(c.inputs, c.outputs));
        dir.write("esi.xml", "keep");
        QString error;
        const bool written = Create_ESI_File(dir.file("esi.xml"), state, xml, &error);
        if (!c.messagePart) {
            EXPECT_TRUE(written) << error.toStdString();
            validate(dir.file("esi.xml"));
            continue;
        }
        EXPECT_FALSE(written);
        EXPECT_TRUE(error.contains("EtherCAT_Slave.xml")) << error.toStdString();
        EXPECT_TRUE(error.contains(c.messagePart)) << error.toStdString();
        EXPECT_TRUE(error.contains("1 to 255")) << error.toStdString();
        EXPECT_EQ(dir.read("esi.xml"), "keep");
    }
}

TEST_F(EsiFileTest, FixedSizeTypesCountTheirOwnSizeTowardsTheInputs)
{
    // An Int16 and a UInt32 whose Length attributes are out of step with
    // their types take 2 and 4 bytes: outputs at ((18 + 3) div 4) * 4 + 4096.
    dir.write("EtherCAT_Slave.xml",
              slaveFile(row("Y", "Int16", -100000, "i") + row("Y", "UInt32", 300000000, "u"), ""));
    QStringList trimmed;
    for (const QString& line : esiLines())
        trimmed << line.trimmed();
    EXPECT_TRUE(trimmed.contains("<Sm StartAddress=\"#x1014\" ControlByte=\"#x64\" DefaultSize=\"1\" "
                                 "Enable=\"1\">Outputs</Sm>"))
        << trimmed.join('\n').toStdString();
}

TEST_F(EsiFileTest, FilesAreValidForTheSchema)
{
    struct Case {
        const char* name;
        QByteArray pargen;
        QByteArray slave;
    };
    const Case cases[] = {
        {"empty project", {}, {}},
        {"every type, bit padding, two PDOs",
         "<Par_Gen><EtherCAT_Slave_Name>Line 4</EtherCAT_Slave_Name></Par_Gen>",
         slaveFile(row("Y", "Bool", 1, "b1") + row("Y", "Bool", 1, "b2") + row("Y", "Int8", 1, "i8")
                       + row("Y", "Int16", 2, "i16") + row("Y", "Int32", 4, "i32") + row("Y", "UInt8", 1, "u8")
                       + row("Y", "UInt16", 2, "u16") + row("Y", "UInt32", 4, "u32") + row("Y", "Float32", 4, "f")
                       + row("Y", "Array", 4, "a") + row("Y", "String", 10, "s") + row("Y", "Bool", 1, "last"),
                   rows(20, "UInt16", 2))},
        {"names with markup and accents",
         "<Par_Gen><EtherCAT_Slave_Name>Pompa &amp; &lt;valvola&gt; \"\xC3\xA9\"</EtherCAT_Slave_Name></Par_Gen>",
         slaveFile(row("Y", "Bool", 1, "T&amp;C &lt;1&gt; &quot;x&quot; \xC3\xA8"), row("Y", "Int8", 1, "&apos;q&apos;"))},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QFile::remove(state.ParGen_Path);
        QFile::remove(state.EtherCAT_Slave_Path);
        if (!c.pargen.isEmpty())
            dir.write("ParGen.xml", c.pargen);
        if (!c.slave.isEmpty())
            dir.write("EtherCAT_Slave.xml", c.slave);
        ASSERT_TRUE(Create_ESI_File(dir.file("esi.xml"), state, xml));
        validate(dir.file("esi.xml"));
        // Names come back as written.
        platform::XmlDocument back;
        ASSERT_TRUE(back.load(dir.file("esi.xml")));
    }
    platform::XmlDocument back;
    ASSERT_TRUE(back.load(dir.file("esi.xml")));
    const platform::XmlElement device = back.root().child("Descriptions").child("Devices").child("Device");
    EXPECT_EQ(device.childText("Type"), QString::fromUtf8("Pompa & <valvola> \"\xC3\xA9\""));
    EXPECT_EQ(device.child("TxPdo").child("Entry").childText("Name"), QString::fromUtf8("T&C <1> \"x\" \xC3\xA8"));
}

TEST_F(EsiFileTest, BuildCommandAsksWhereAndBeforeOverwriting)
{
    testing_support::ScriptedDialogs script;
    const QString target = dir.file("device.xml");

    // Cancelled: nothing written.
    script.chooseFile(std::nullopt);
    Build_ESI_File(state, xml);
    ASSERT_EQ(script.fileDialogs().size(), 1u);
    EXPECT_EQ(script.fileDialogs()[0].initialFolder, dir.path());
    EXPECT_EQ(script.fileDialogs()[0].filter, "EtherCAT ESI File (*.xml)|*.xml");
    EXPECT_FALSE(QFile::exists(target));

    // A new file: no question.
    script.chooseFile(target);
    Build_ESI_File(state, xml);
    EXPECT_TRUE(script.texts().isEmpty());
    EXPECT_TRUE(dir.read("device.xml").startsWith("<?xml version=\"1.0\"?>\r\n"));

    // An existing file: No keeps it, Yes replaces it.
    dir.write("device.xml", "keep");
    script.chooseFile(target);
    script.answer(platform::MessageResult::No);
    Build_ESI_File(state, xml);
    EXPECT_EQ(script.texts(), QStringList{"File already exists. Do you want to overwrite?"});
    EXPECT_EQ(dir.read("device.xml"), "keep");
    script.chooseFile(target);
    script.answer(platform::MessageResult::Yes);
    Build_ESI_File(state, xml);
    EXPECT_TRUE(dir.read("device.xml").startsWith("<?xml"));

    // Project files that exist but cannot be read are reported; nothing is written.
    for (const char* broken : {"ParGen.xml", "EtherCAT_Slave.xml"}) {
        SCOPED_TRACE(broken);
        dir.write(broken, "<Par_Gen><EtherCAT_Slave_Name>unfinished");
        dir.write("device.xml", "keep");
        script.reset();
        script.chooseFile(target);
        script.answer(platform::MessageResult::Yes);
        Build_ESI_File(state, xml);
        ASSERT_EQ(script.shown().size(), 2u);
        EXPECT_EQ(script.shown()[1].kind, platform::MessageKind::Error);
        EXPECT_TRUE(script.texts()[1].contains(broken)) << script.texts()[1].toStdString();
        EXPECT_EQ(dir.read("device.xml"), "keep");
        QFile::remove(dir.file(broken));
    }

    // A file that cannot be written is reported.
    script.reset();
    script.chooseFile(dir.file("no/such/folder/x.xml"));
    Build_ESI_File(state, xml);
    ASSERT_EQ(script.shown().size(), 1u);
    EXPECT_EQ(script.shown()[0].kind, platform::MessageKind::Error);
    EXPECT_TRUE(script.texts()[0].contains("x.xml"));
}
