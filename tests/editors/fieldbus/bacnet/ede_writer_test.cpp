// The EDE writer: a small server table written line by line against a file
// worked out by hand, the device instance and name length from ParGen.xml,
// values that would break the file's columns, a project without objects, and
// the file read back by the EDE import; then the main window's step.

#include "bacnet_editor_fixture.h"
#include "editors/fieldbus/bacnet/ede_file.h"
#include "editors/fieldbus/bacnet/ede_writer.h"
#include "platform/text_lines.h"
#include "platform/xml_document.h"

namespace ede_writer_tests {

using bacnet_testing::BACnetEditorTest;
using bacnet_testing::fixture;
using bacnet_testing::readFile;

const QDateTime kNow(QDate(2024, 2, 3), QTime(9, 5, 7));

class EdeWriterTest : public BACnetEditorTest {
protected:
    QString target() const { return folder.file(QStringLiteral("out/plant7.csv")); }
    QStringList written() const { return platform::splitLines(QString::fromLatin1(readFile(target()))); }
    bool create(QString* error = nullptr)
    {
        folder.write(QStringLiteral("out/.keep"), {});
        return bacnet::Create_EDE_File(target(), app::appState(), doc, error, kNow);
    }
    // The file's object lines (from the eighth).
    QStringList objectLines() const { return written().mid(7); }

    platform::XmlDocument doc;
};

TEST_F(EdeWriterTest, ASmallServerTableLineByLine)
{
    writeParGen({{"BACnet_Type", "0"}, {"BACnet_DEV_IDE", "1234"}, {"BACnet_Ser_DEV_IDE", "77"}});
    writeServer(readFile(fixture(QStringLiteral("BACnet_Slave.xml"))));
    QString error;
    ASSERT_TRUE(create(&error)) << error.toStdString();
    const QByteArray expected = readFile(fixture(QStringLiteral("BACnet_EDE_plant7.csv")));
    ASSERT_FALSE(expected.isEmpty());
    const QList<QByteArray> expectedLines = expected.split('\n');
    const QList<QByteArray> lines = readFile(target()).split('\n');
    ASSERT_EQ(lines.size(), expectedLines.size());
    for (qsizetype i = 0; i < lines.size(); ++i)
        EXPECT_EQ(lines[i], expectedLines[i]) << "line " << i + 1;
    EXPECT_EQ(readFile(target()), expected);

    // The EDE import lists the objects from the eighth line on.
    const std::vector<bacnet::TBACnet_Var> imported = bacnet::readEdeFile(target());
    ASSERT_EQ(imported.size(), 6u);
    EXPECT_EQ(imported[0].object_name, QStringLiteral("Boiler temp"));
    EXPECT_EQ(imported[4].keyname, QStringLiteral("1234_Mode  day/night_0"));
    EXPECT_EQ(imported[4].object_type, 19);
    EXPECT_EQ(imported[5].object_name, QStringLiteral("K\u00fcche"));

    // A second run gives the same lines but for the timestamp.
    const QStringList first = written();
    ASSERT_TRUE(bacnet::Create_EDE_File(target(), app::appState(), doc, nullptr, kNow.addSecs(3600)));
    const QStringList second = written();
    ASSERT_EQ(second.size(), first.size());
    for (int i = 0; i < first.size(); ++i) {
        if (i != 2) {
            EXPECT_EQ(second[i], first[i]) << i;
        }
    }
    EXPECT_EQ(second[2], QStringLiteral("TIMESTAMP_OF_LAST_CHANGE;10:05:07 03/02/2024;;;;;;"));
}

TEST_F(EdeWriterTest, DeviceInstanceAndNameLengthFromParGen)
{
    writeServer(
        "<BACnet_to_Modbus><BACnet_in_Read>"
        "<row Data_Type=\"Analog Input\" Eng_Unit=\"62\" Mnemonic=\"Supply air temperature 2\" />"
        "</BACnet_in_Read><BACnet_in_Write /></BACnet_to_Modbus>");
    struct Case {
        const char* name;
        std::vector<std::pair<const char*, const char*>> parGen;
        const char* line;
    };
    const Case cases[] = {
        {"BACnet/IP, short names",
         {{"BACnet_Type", "0"}, {"BACnet_DEV_IDE", "4194303"}, {"BACnet_Ser_DEV_IDE", "77"}},
         "4194303_Supply air temperature 2_0;4194303;Supply air tempe;0;0;Supply air tempe;62;"},
        {"MS/TP, long names",
         {{"BACnet_Type", "1"},
          {"BACnet_DEV_IDE", "4194303"},
          {"BACnet_Ser_DEV_IDE", "77"},
          {"BACnet_Desc_Chars_Limit", "1"}},
         "77_Supply air temperature 2_0;77;Supply air temperature 2;0;0;Supply air temperature 2;62;"},
        {"a type that is no number is BACnet/IP",
         {{"BACnet_Type", "x"}, {"BACnet_DEV_IDE", "5"}, {"BACnet_Desc_Chars_Limit", "1 "}},
         "5_Supply air temperature 2_0;5;Supply air tempe;0;0;Supply air tempe;62;"},
        {"the instance of the type missing: empty, whatever an earlier run wrote",
         {{"BACnet_Type", "1"}, {"BACnet_DEV_IDE", "4194303"}},
         "_Supply air temperature 2_0;;Supply air tempe;0;0;Supply air tempe;62;"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        writeParGen(c.parGen);
        ASSERT_TRUE(create());
        EXPECT_EQ(objectLines(), QStringList{QString::fromLatin1(c.line)});
    }
    // Without ParGen.xml: BACnet/IP, no instance, short names.
    QFile::remove(app::appState().ParGen_Path);
    ASSERT_TRUE(create());
    EXPECT_EQ(objectLines(),
              QStringList{QStringLiteral("_Supply air temperature 2_0;;Supply air tempe;0;0;Supply air tempe;62;")});
}

TEST_F(EdeWriterTest, ValuesThatWouldBreakTheFilesColumnsOrLinesAreWrittenWithBlanks)
{
    writeParGen({{"BACnet_DEV_IDE", "12;34"}});
    app::appState().Project_Name = QStringLiteral("Hall;3");
    writeServer(
        "<BACnet_to_Modbus><BACnet_in_Read>"
        "<row Data_Type=\"Binary Value\" Eng_Unit=\"9;5\" Mnemonic=\"a;b&#13;&#10;c&#10;d\" />"
        "</BACnet_in_Read></BACnet_to_Modbus>");
    ASSERT_TRUE(create());
    EXPECT_EQ(written().size(), 8);
    EXPECT_EQ(written()[0], QStringLiteral("PROJECT_NAME; Olvenk--Hall 3;;;;;;"));
    EXPECT_EQ(objectLines(), QStringList{QStringLiteral("12 34_a b  c d_0;12 34;a b  c d;5;0;a b  c d;9 5;")});
    EXPECT_EQ(bacnet::edeField(QStringLiteral("x;\r\n\ty")), QStringLiteral("x   \ty"));
}

TEST_F(EdeWriterTest, InstancesPerObjectTypeAcrossBothTablesAndTheTimestamp)
{
    bacnet::BACnetServerFile objects;
    const auto o = [](const char* kind) { return bacnet::BACnetServerObject{kind, "", "", "", "", "", "m"}; };
    objects.Read = {o("Analog Value"),      o("Binary Input"),  o("Analog Value"),
                    o("Multi State Value"), o(" access door "), o("CharacterString Value")};
    objects.Write = {o("Analog Value"), o("Multi State Value"), o("Binary Out")};
    QStringList typeAndInstance;
    for (const bacnet::TBACnet_EDE_Obj& line : bacnet::Load_EDE_Objects({}, objects))
        typeAndInstance << line.ObjectType + u'/' + line.ObjectInstance;
    EXPECT_EQ(typeAndInstance, (QStringList{"2/0", "3/0", "2/1", "19/0", "30/0", "40/0", "2/2", "19/1", "4/0"}));

    EXPECT_EQ(bacnet::Get_EDE_TimeStamp(QDateTime(QDate(2024, 12, 31), QTime(23, 59, 59))),
              QStringLiteral("23:59:59 31/12/2024"));
    EXPECT_EQ(bacnet::Get_EDE_TimeStamp(QDateTime(QDate(999, 1, 2), QTime(0, 0, 0))),
              QStringLiteral("00:00:00 02/01/999"));
}

TEST_F(EdeWriterTest, WithoutObjectsTheHeaderAloneAndUnreadableFilesWriteNothing)
{
    ASSERT_TRUE(create());
    EXPECT_EQ(written().size(), 7);
    EXPECT_EQ(written()[6], QStringLiteral("# keyname;device obj.-instance;object-name;object-type;object-instance;"
                                           "description;unit-code;"));

    folder.write(QStringLiteral("out/plant7.csv"), "old");
    writeServer("<BACnet_to_Modbus><BACnet_in_Read><row ");
    QString error;
    EXPECT_FALSE(create(&error));
    EXPECT_TRUE(error.contains(app::appState().BACnet_Slave_Path)) << error.toStdString();
    EXPECT_EQ(readFile(target()), "old");

    writeServer("<BACnet_to_Modbus />");
    writeParGen({});
    folder.write(QStringLiteral("ParGen.xml"), "<Par_Gen>");
    EXPECT_FALSE(create(&error));
    EXPECT_TRUE(error.contains(app::appState().ParGen_Path)) << error.toStdString();
    EXPECT_EQ(readFile(target()), "old");
}

TEST_F(EdeWriterTest, TheStepAsksWhereAddsCsvAndAsksBeforeReplacing)
{
    writeParGen({{"BACnet_DEV_IDE", "9"}});
    writeServer(readFile(fixture(QStringLiteral("BACnet_Slave.xml"))));
    const QString chosen = folder.file(QStringLiteral("plant.txt"));
    dialogs.chooseFile(chosen);
    bacnet::Build_EDE_File(app::appState(), doc);
    ASSERT_EQ(dialogs.fileDialogs().size(), 1u);
    EXPECT_EQ(dialogs.fileDialogs()[0].initialFolder, folder.path());
    EXPECT_TRUE(dialogs.shown().empty()) << messages().toStdString();
    const QByteArray first = readFile(chosen + QStringLiteral(".csv"));
    EXPECT_TRUE(first.startsWith("PROJECT_NAME; Olvenk--Plant 7;;;;;;\r\n")) << first.constData();
    EXPECT_TRUE(first.contains("\r\n9_Setpoint_2;9;Setpoint;2;2;Setpoint;62;\r\n"));

    // The same name again, in capitals: replaced only after a Yes.
    folder.write(QStringLiteral("PLANT.CSV"), "old");
    dialogs.chooseFile(folder.file(QStringLiteral("PLANT.CSV")));
    dialogs.answer(platform::MessageResult::No);
    bacnet::Build_EDE_File(app::appState(), doc);
    EXPECT_EQ(dialogs.texts(), QStringList{"File already exists. Do you want to overwrite?"});
    EXPECT_EQ(readFile(folder.file(QStringLiteral("PLANT.CSV"))), "old");
    dialogs.chooseFile(folder.file(QStringLiteral("PLANT.CSV")));
    dialogs.answer(platform::MessageResult::Yes);
    bacnet::Build_EDE_File(app::appState(), doc);
    EXPECT_TRUE(readFile(folder.file(QStringLiteral("PLANT.CSV"))).startsWith("PROJECT_NAME;"));

    // Cancel writes nothing; a file that cannot be written is reported.
    dialogs.reset();
    dialogs.chooseFile(std::nullopt);
    bacnet::Build_EDE_File(app::appState(), doc);
    EXPECT_TRUE(dialogs.shown().empty());
    dialogs.chooseFile(folder.file(QStringLiteral("no/such/folder/x.csv")));
    bacnet::Build_EDE_File(app::appState(), doc);
    ASSERT_EQ(dialogs.shown().size(), 1u);
    EXPECT_EQ(dialogs.shown()[0].kind, platform::MessageKind::Error);
}

}  // namespace ede_writer_tests
