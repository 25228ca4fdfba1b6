// The CANopen EDS writer: a small project's data sheet worked out by hand,
// compared section by section; the 12-hour creation time; the PDO limit of
// 30 per direction; the objects of missing files; every file read back by
// the INI reader and found sound; project files it cannot use; and the
// main window's step with its save dialog.

#include <QFile>

#include "app/app_state.h"
#include "editors/fieldbus/can/can_editor_fixture.h"
#include "editors/fieldbus/canopen/eds_file_reader.h"
#include "editors/fieldbus/canopen/eds_writer.h"
#include "platform/xml_document.h"

namespace eds_writer_tests {

using namespace canopen;
using can_testing::readFile;
using eds_testing::edsProblems;
using eds_testing::readEds;

const QDateTime kNoonThirty(QDate(2024, 3, 7), QTime(12, 30));

QString fixture(const QString& name) { return QStringLiteral(TEST_DATA_DIR "/editors/fieldbus/canopen/") + name; }

// The text split at the section headers: one entry per section with its
// lines, the blank ones included.
QStringList sectionsOf(const QByteArray& bytes)
{
    QStringList sections;
    for (const QString& line : QString::fromLatin1(bytes).split(QStringLiteral("\r\n"))) {
        if (line.startsWith(u'[') || sections.isEmpty())
            sections << QString();
        sections.last() += line + u'|';
    }
    return sections;
}

QByteArray pdoFile(const QList<QPair<QByteArray, QByteArray>>& receive,
                   const QList<QPair<QByteArray, QByteArray>>& transmit)
{
    QByteArray xml = "<PDO_CANopen>\n<Receive_PDO>\n";
    for (const auto& [cobId, dimension] : receive)
        xml += "<row COB-ID=\"" + cobId + "\" Dimension=\"" + dimension + "\" />\n";
    xml += "</Receive_PDO>\n<Transmit_PDO>\n";
    for (const auto& [cobId, dimension] : transmit)
        xml += "<row COB-ID=\"" + cobId + "\" Dimension=\"" + dimension + "\" />\n";
    return xml + "</Transmit_PDO>\n</PDO_CANopen>\n<!--SW_VERSION = 1.003-->\n";
}

// Rows "index,sub,size" of the read and the write list.
QByteArray sdoServerFile(const QStringList& read, const QStringList& write)
{
    QByteArray xml = "<SDO_Server_CANopen>\n";
    const auto list = [&xml](const char* name, const QStringList& rows) {
        xml += QByteArray("<") + name + ">\n";
        for (const QString& row : rows) {
            const QStringList v = row.split(u',');
            xml += "<row Index=\"" + v[0].toUtf8() + "\" SubIndex=\"" + v[1].toUtf8() + "\" NByte=\"" + v[2].toUtf8()
                   + "\" Address_B1=\"0\" Address_B2=\"\" Address_B3=\"\" Address_B4=\"\" Mnemonic=\"m\" />\n";
        }
        xml += QByteArray("</") + name + ">\n";
    };
    list("SDO_Read", read);
    list("SDO_Write", write);
    return xml + "</SDO_Server_CANopen>\n<!--SW_VERSION = 1.003-->\n";
}

class EdsWriterTest : public can_testing::CANEditorTest {
protected:
    QString target() const { return folder.file(QStringLiteral("chosen.eds")); }
    // Writes the data sheet of the project's files; the test fails when it
    // cannot.
    QByteArray written(const QDateTime& now = kNoonThirty)
    {
        QString error;
        EXPECT_TRUE(Write_EDS_File(target(), state(), doc, now, &error)) << error.toStdString();
        return readFile(target());
    }

    platform::XmlDocument doc;
};

TEST_F(EdsWriterTest, ASmallProjectSectionBySection)
{
    write(state().PDO_CANopen_Path, pdoFile({{"0x201", "2"}}, {{"0x181", "1"}}));
    // Object 0x2000 in three read rows and two write rows, 0x2100 between
    // them with its sub-index 0 alone.
    write(state().SDO_Server_CANopen_Path,
          sdoServerFile({"0x2000,3,1", "0x2100,0,4", "8192,1,2"}, {"0x2000,2,4", "0x2000,10,1"}));
    const QByteArray actual = written();
    const QByteArray expected = readFile(fixture(QStringLiteral("small_project.eds")));
    ASSERT_FALSE(expected.isEmpty());
    const QStringList want = sectionsOf(expected);
    const QStringList got = sectionsOf(actual);
    for (qsizetype i = 0; i < std::min(want.size(), got.size()); ++i)
        EXPECT_EQ(got[i], want[i]) << "section " << i;
    EXPECT_EQ(got.size(), want.size());
    EXPECT_EQ(actual, expected);
    EXPECT_EQ(edsProblems(readEds(QString::fromLatin1(actual))), QStringList());
}

TEST_F(EdsWriterTest, TheCreationTimeStandsOnATwelveHourClock)
{
    struct Case {
        QTime time;
        const char* text;
    };
    const Case cases[] = {
        {QTime(9, 5), "09:05AM"},   {QTime(15, 30), "03:30PM"}, {QTime(12, 0), "12:00PM"},
        {QTime(12, 30), "12:30PM"}, {QTime(0, 10), "12:10AM"},  {QTime(0, 0), "12:00AM"},
        {QTime(11, 59), "11:59AM"}, {QTime(13, 0), "01:00PM"},  {QTime(23, 59, 59), "11:59PM"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(EDS_Time_Text(c.time), QString::fromLatin1(c.text)) << c.text;
    EXPECT_EQ(EDS_Date_Text(QDate(2024, 3, 7)), QStringLiteral("03-07-2024"));
    EXPECT_EQ(EDS_Date_Text(QDate(2031, 11, 25)), QStringLiteral("11-25-2031"));

    const QString text = QString::fromLatin1(written(QDateTime(QDate(2025, 12, 31), QTime(0, 10))));
    EXPECT_TRUE(text.contains(QStringLiteral("\r\nCreationTime=12:10AM\r\nCreationDate=12-31-2025\r\n")));
    EXPECT_TRUE(text.contains(QStringLiteral("\r\nModificationTime=12:10AM\r\nModificationDate=12-31-2025\r\n")));
}

TEST_F(EdsWriterTest, WithoutProjectFilesOnlyTheFixedObjectsAndOneEmptyLine)
{
    const QByteArray eds = written();
    const eds_testing::EdsFile file = readEds(QString::fromLatin1(eds));
    EXPECT_EQ(edsProblems(file), QStringList());
    EXPECT_EQ(file.section("DeviceInfo")->value("NrOfRXPDO"), QStringLiteral("0"));
    EXPECT_EQ(file.section("DeviceInfo")->value("NrOfTXPDO"), QStringLiteral("0"));
    EXPECT_EQ(file.section("OptionalObjects")->value("SupportedObjects"), QStringLiteral("8"));
    EXPECT_EQ(file.section("ManufacturerObjects")->value("SupportedObjects"), QStringLiteral("0"));
    EXPECT_EQ(file.sections.back().name, QStringLiteral("1280sub3"));
    EXPECT_TRUE(eds.endsWith("\r\nAccessType=rw\r\nPDOMapping=0\r\n\r\n"));
    EXPECT_FALSE(eds.endsWith("\r\n\r\n\r\n"));
    // The file names itself, whatever name was chosen.
    EXPECT_EQ(file.section("FileInfo")->value("FileName"), QStringLiteral("EtherCAT_CANopen.eds"));
}

TEST_F(EdsWriterTest, TwoReceiveAndOneTransmitPDOListSeventeenOptionalObjects)
{
    write(state().PDO_CANopen_Path, pdoFile({{"0x201", "8"}, {"x", ""}}, {{"385", "3"}}));
    const eds_testing::EdsFile file = readEds(QString::fromLatin1(written()));
    EXPECT_EQ(edsProblems(file), QStringList());
    const eds_testing::EdsSection* optional = file.section("OptionalObjects");
    ASSERT_NE(optional, nullptr);
    QStringList entries;
    for (const auto& [key, value] : optional->keys)
        entries << key + u'=' + value;
    EXPECT_EQ(entries, (QStringList{"SupportedObjects=17", "1=0x1005", "2=0x1006", "3=0x1008", "4=0x1014",
                                    "5=0x1016", "6=0x1017", "7=0x1029", "8=0x1280", "9=0x1400", "10=0x1401",
                                    "11=0x1600", "12=0x1601", "13=0x1800", "14=0x1A00", "15=0x7000", "16=0x7001",
                                    "17=0x7050"}));
    // A COB-ID that is no number gives 0, a Dimension that is none 8.
    EXPECT_EQ(file.section("1401sub1")->value("DefaultValue"), QStringLiteral("0x00000000"));
    EXPECT_EQ(file.section("1601")->value("SubNumber"), QStringLiteral("9"));
    EXPECT_EQ(file.section("7001sub8")->value("ParameterName"), QStringLiteral("c8"));
    EXPECT_EQ(file.section("1800sub1")->value("DefaultValue"), QStringLiteral("0x00000181"));
    EXPECT_EQ(file.section("1A00sub3")->value("DefaultValue"), QStringLiteral("0x70500308"));
    EXPECT_EQ(file.section("7050sub3")->value("ParameterName"), QStringLiteral("l3"));
}

TEST_F(EdsWriterTest, MoreThanThirtyPDOsGiveTheFirstThirtyOfEachList)
{
    QList<QPair<QByteArray, QByteArray>> receive;
    QList<QPair<QByteArray, QByteArray>> transmit;
    for (int i = 0; i < 33; ++i) {
        receive.append({QByteArray::number(0x200 + i), QByteArray::number(1 + i % 8)});
        if (i < 31)
            transmit.append({QByteArray::number(0x180 + i), QByteArray::number(8 - i % 8)});
    }
    write(state().PDO_CANopen_Path, pdoFile(receive, transmit));
    const eds_testing::EdsFile file = readEds(QString::fromLatin1(written()));
    EXPECT_EQ(edsProblems(file), QStringList());
    EXPECT_EQ(file.section("DeviceInfo")->value("NrOfRXPDO"), QStringLiteral("30"));
    EXPECT_EQ(file.section("DeviceInfo")->value("NrOfTXPDO"), QStringLiteral("30"));
    EXPECT_EQ(file.section("OptionalObjects")->value("SupportedObjects"), QStringLiteral("188"));
    EXPECT_EQ(file.section("141D")->value("ParameterName"), QStringLiteral("Receive PDO Communication Parameter 30"));
    EXPECT_EQ(file.section("141Dsub1")->value("DefaultValue"), QStringLiteral("0x0000021D"));
    EXPECT_EQ(file.section("141E"), nullptr);
    EXPECT_EQ(file.section("181E"), nullptr);
    EXPECT_EQ(file.section("701Dsub1")->value("ParameterName"), QStringLiteral("av1"));
    EXPECT_EQ(file.section("706Dsub1")->value("ParameterName"), QStringLiteral("cv1"));
    EXPECT_EQ(file.section("7009sub1")->value("ParameterName"), QStringLiteral("i1")) << "j, k, i in this order";
    EXPECT_EQ(file.section("706E"), nullptr);
}

TEST_F(EdsWriterTest, ManufacturerObjectsGroupedWithTheirSubIndexesSorted)
{
    write(state().SDO_Server_CANopen_Path,
          sdoServerFile({"0x5FFF,16,2", "0x3000,0,1", "0x5FFF,255,4"}, {"0x5FFF,1,1", "0x3000,7,2", "0x4000,0,2"}));
    const QByteArray eds = written();
    const eds_testing::EdsFile file = readEds(QString::fromLatin1(eds));
    EXPECT_EQ(edsProblems(file), QStringList());
    QStringList manufacturer;
    for (const eds_testing::EdsSection& s : file.sections)
        if (s.name.startsWith(u'3') || s.name.startsWith(u'4') || s.name.startsWith(u'5'))
            manufacturer << s.name + u' ' + s.value("SubNumber").value_or(s.value("AccessType").value_or(""));
    EXPECT_EQ(manufacturer, (QStringList{"5FFF 4", "5FFFsub0 ro", "5FFFsub1 rw", "5FFFsub10 ro", "5FFFsubFF ro",
                                         "3000 2", "3000sub0 ro", "3000sub7 rw", "4000 1", "4000sub0 rw"}));
    EXPECT_EQ(file.section("5FFFsub0")->value("DefaultValue"), QStringLiteral("0xFF"));
    EXPECT_EQ(file.section("5FFFsub0")->value("ParameterName"), QStringLiteral("Largest Sub-Index supported"));
    EXPECT_EQ(file.section("3000sub0")->value("ParameterName"), QStringLiteral("Application Variable"));
    EXPECT_EQ(file.section("ManufacturerObjects")->keys,
              (std::vector<std::pair<QString, QString>>{
                  {"SupportedObjects", "3"}, {"1", "0x5FFF"}, {"2", "0x3000"}, {"3", "0x4000"}}));
    EXPECT_TRUE(eds.endsWith("PDOMapping=0\r\n\r\n\r\n"));
}

TEST_F(EdsWriterTest, ProjectFilesItCannotUseWriteNothing)
{
    struct Case {
        const char* name;
        QByteArray pdo;
        QByteArray sdo;
        const char* message;
    };
    const Case cases[] = {
        {"PDO file not XML", "<PDO_CANopen><Receive_PDO>", {}, " cannot be read: "},
        {"SDO file without lists", {}, "<SDO_Server_CANopen />", " has no element SDO_Read"},
        {"an NByte missing", {}, "<SDO_Server_CANopen><SDO_Read /><SDO_Write><row Index=\"0x2000\" SubIndex=\"1\" "
                                 "NByte=\"1\" /><row Index=\"0x2000\" SubIndex=\"2\" /></SDO_Write></SDO_Server_CANopen>",
         " cannot be used for the EDS file: row 2 of SDO_Write has no whole number in NByte"},
        {"a SubIndex no number", {}, "<SDO_Server_CANopen><SDO_Read><row Index=\"0x2000\" SubIndex=\"one\" "
                                     "NByte=\"1\" /></SDO_Read></SDO_Server_CANopen>",
         " cannot be used for the EDS file: row 1 of SDO_Read has no whole number in SubIndex"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QFile::remove(state().PDO_CANopen_Path);
        QFile::remove(state().SDO_Server_CANopen_Path);
        if (!c.pdo.isEmpty())
            write(state().PDO_CANopen_Path, c.pdo);
        if (!c.sdo.isEmpty())
            write(state().SDO_Server_CANopen_Path, c.sdo);
        QString error;
        EXPECT_FALSE(Write_EDS_File(target(), state(), doc, kNoonThirty, &error));
        EXPECT_TRUE(error.contains(QString::fromLatin1(c.message))) << error.toStdString();
        EXPECT_TRUE(error.startsWith(QStringLiteral("Error!!! The file ") + (c.pdo.isEmpty() ? state().SDO_Server_CANopen_Path : state().PDO_CANopen_Path)))
            << error.toStdString();
        EXPECT_FALSE(QFile::exists(target()));
    }
}

TEST_F(EdsWriterTest, TheStepAsksWhereAndReplacesAFileThereWithoutAsking)
{
    write(state().PDO_CANopen_Path, pdoFile({{"0x201", "2"}}, {}));
    folder.write(QStringLiteral("chosen.eds"), "old");
    dialogs.chooseFile(target());
    Build_EDS_File(state(), doc);
    ASSERT_EQ(dialogs.fileDialogs().size(), 1u);
    const platform::FileDialogOptions& options = dialogs.fileDialogs()[0];
    EXPECT_EQ(options.filter, QStringLiteral("Electronic Data Sheet (*.eds)|*.eds"));
    EXPECT_EQ(options.defaultExtension, QStringLiteral("*.eds"));
    EXPECT_EQ(options.initialFolder, state().Project_Path);
    EXPECT_TRUE(dialogs.shown().empty()) << dialogs.texts().join(u'\n').toStdString();
    const QByteArray eds = readFile(target());
    EXPECT_TRUE(eds.startsWith("[FileInfo]\r\nFileName=EtherCAT_CANopen.eds\r\n"));
    EXPECT_TRUE(eds.contains("\r\nNrOfRXPDO=1\r\n"));

    // Cancel writes nothing; a file it cannot use is reported.
    Build_EDS_File(state(), doc);
    EXPECT_EQ(readFile(target()), eds);
    write(state().SDO_Server_CANopen_Path, "<SDO_Server_CANopen><SDO_Read>");
    dialogs.chooseFile(target());
    Build_EDS_File(state(), doc);
    ASSERT_EQ(dialogs.shown().size(), 1u);
    EXPECT_EQ(dialogs.shown()[0].kind, platform::MessageKind::Error);
    EXPECT_EQ(readFile(target()), eds);

    // A target that cannot be written.
    dialogs.reset();
    QFile::remove(state().SDO_Server_CANopen_Path);
    dialogs.chooseFile(folder.file(QStringLiteral("no such folder/x.eds")));
    Build_EDS_File(state(), doc);
    ASSERT_EQ(dialogs.shown().size(), 1u);
    EXPECT_TRUE(dialogs.texts()[0].startsWith(QStringLiteral("Error!!! The file cannot be saved: ")))
        << dialogs.texts()[0].toStdString();
}

}  // namespace eds_writer_tests
