// The GSDML writer: the file text line by line against a file worked out by
// hand, well-formed XML with the station name escaped, the values taken
// from ParGen.xml, the file name, and the save command's questions.

#include <QFileInfo>

#include "editors/ethercat_mqtt/ethercat_editor_fixture.h"
#include "editors/ethernet/profinet/gsdml_writer.h"
#include "platform/xml_document.h"

namespace gsdml_writer_tests {

using ethercat_editor_testing::EditorTest;
using ethercat_editor_testing::readFile;
using platform::MessageKind;
using platform::MessageResult;
using profinet::PROFINET_Par;

QByteArray parGen(const QByteArray& elements)
{
    return "<Par_Gen>" + elements + "</Par_Gen>\n<!--SW_VERSION = 1.001-->\n";
}

class GsdmlTest : public EditorTest {
protected:
    void writeParGen(const QByteArray& elements) const { folder.write(QStringLiteral("ParGen.xml"), parGen(elements)); }
    QString parGenPath() const { return app::appState().ParGen_Path; }
    PROFINET_Par read(bool expectRead = true) const
    {
        PROFINET_Par par;
        QString error;
        EXPECT_EQ(profinet::Read_PROFINET_Par(parGenPath(), par, &error), expectRead) << error.toStdString();
        return par;
    }
};

TEST_F(GsdmlTest, TheFileAsWorkedOutByHand)
{
    writeParGen("<PROFINET_NB_IN>100</PROFINET_NB_IN><PROFINET_NB_OUT>20</PROFINET_NB_OUT>"
                "<PROFINET_NAME_STA>gw-hall&amp;3</PROFINET_NAME_STA>");
    const QString target = folder.file(QStringLiteral("out.xml"));
    QString error;
    ASSERT_TRUE(profinet::Write_PROFINET_XML(target, app::appState(), &error)) << error.toStdString();
    const QByteArray expected = readFile(QStringLiteral(TEST_DATA_DIR "/editors/ethernet/profinet/GSDML_hall3.xml"));
    const QByteArray written = readFile(target);
    ASSERT_TRUE(written.startsWith("\xEF\xBB\xBF"));
    ASSERT_TRUE(written.endsWith("</ISO15745Profile>\r\n"));
    const QList<QByteArray> expectedLines = expected.split('\n');
    const QList<QByteArray> writtenLines = written.split('\n');
    for (qsizetype i = 0; i < std::min(expectedLines.size(), writtenLines.size()); ++i)
        ASSERT_EQ(writtenLines[i], expectedLines[i]) << "line " << i + 1;
    EXPECT_EQ(writtenLines.size(), expectedLines.size());
    EXPECT_EQ(written, expected);
    EXPECT_EQ(written.count("\n"), written.count("\r\n"));
}

TEST_F(GsdmlTest, TheFileIsWellFormedAndTheStationNameEscaped)
{
    PROFINET_Par par;
    par.stationName = QStringLiteral("<Station \"A\" & 'B'>\x01");
    platform::XmlDocument doc;
    QString error;
    ASSERT_TRUE(doc.loadFromText(profinet::PROFINET_File_Bytes(profinet::Write_PROFINET_Lines(par)), &error))
        << error.toStdString();
    const platform::XmlElement root = doc.root();
    EXPECT_EQ(root.name(), QStringLiteral("ISO15745Profile"));
    const platform::XmlElement process = root.child(QStringLiteral("ProfileBody")).child(QStringLiteral("ApplicationProcess"));
    const platform::XmlElement dap =
        process.child(QStringLiteral("DeviceAccessPointList")).child(QStringLiteral("DeviceAccessPointItem"));
    EXPECT_EQ(dap.attribute(QStringLiteral("ImplementationType")), QStringLiteral("<Station \"A\" & 'B'>"));
    EXPECT_EQ(dap.attribute(QStringLiteral("DNS_CompatibleName")), QStringLiteral("<Station \"A\" & 'B'>"));
    const auto texts = process.child(QStringLiteral("ExternalTextList"))
                           .child(QStringLiteral("PrimaryLanguage"))
                           .children(QStringLiteral("Text"));
    ASSERT_EQ(texts.size(), 40u);
    EXPECT_EQ(texts[20].attribute(QStringLiteral("Value")), QStringLiteral("Ethercat Device "));
}

TEST_F(GsdmlTest, ValuesOfParGen)
{
    struct Case {
        const char* name;
        QByteArray elements;  // nullptr-like "-": no file
        int32_t in;
        int32_t out;
        const char* station;
    };
    const Case cases[] = {
        {"no file", "-", 1438, 1438, "SERIAL"},
        {"none of the elements", "<PROFINET_NB_IN2>5</PROFINET_NB_IN2>", 1438, 1438, "SERIAL"},
        {"all three", "<PROFINET_NB_IN>100</PROFINET_NB_IN><PROFINET_NB_OUT>20</PROFINET_NB_OUT>"
                      "<PROFINET_NAME_STA>gateway-1</PROFINET_NAME_STA>",
         100, 20, "gateway-1"},
        {"no integers", "<PROFINET_NB_IN>ten</PROFINET_NB_IN><PROFINET_NB_OUT></PROFINET_NB_OUT>", 1438, 1438,
         "SERIAL"},
        {"hexadecimal", "<PROFINET_NB_IN>$10</PROFINET_NB_IN><PROFINET_NB_OUT>0x20</PROFINET_NB_OUT>", 16, 32,
         "SERIAL"},
        {"blank station", "<PROFINET_NAME_STA>   </PROFINET_NAME_STA>", 1438, 1438, "SERIAL"},
        {"station kept untrimmed", "<PROFINET_NAME_STA> gw </PROFINET_NAME_STA>", 1438, 1438, " gw "},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QFile::remove(parGenPath());
        if (c.elements != "-")
            writeParGen(c.elements);
        const PROFINET_Par par = read();
        EXPECT_EQ(par.inputBytes, c.in);
        EXPECT_EQ(par.outputBytes, c.out);
        EXPECT_EQ(par.stationName, QString::fromLatin1(c.station));
    }
}

TEST_F(GsdmlTest, InputLengthIsWhatTheGatewaySends)
{
    PROFINET_Par par;
    par.inputBytes = 100;
    par.outputBytes = 20;
    const QStringList lines = profinet::Write_PROFINET_Lines(par);
    const qsizetype input = lines.indexOf(QStringLiteral("\t\t\t\t\t\t\t\t<Input>"));
    const qsizetype output = lines.indexOf(QStringLiteral("\t\t\t\t\t\t\t\t<Output>"));
    ASSERT_GT(input, 0);
    ASSERT_GT(output, 0);
    EXPECT_TRUE(lines[input + 1].contains(QStringLiteral("Length=\"20\""))) << lines[input + 1].toStdString();
    EXPECT_TRUE(lines[output + 1].contains(QStringLiteral("Length=\"100\""))) << lines[output + 1].toStdString();
}

TEST_F(GsdmlTest, AParGenThatCannotBeReadWritesNothing)
{
    folder.write(QStringLiteral("ParGen.xml"), "<Par_Gen><PROFINET_NB_IN>5</Par_Gen>");
    read(false);
    const QString target = folder.file(QStringLiteral("out.xml"));
    QString error;
    EXPECT_FALSE(profinet::Write_PROFINET_XML(target, app::appState(), &error));
    EXPECT_TRUE(error.contains(parGenPath())) << error.toStdString();
    EXPECT_FALSE(QFileInfo::exists(target));
}

TEST(GsdmlFileName, DatePartAndName)
{
    const QString date = profinet::PROFINET_Date_Part(QDate(2013, 1, 9));
    EXPECT_EQ(date, QStringLiteral("-20130109.xml"));
    struct Case {
        const char* user;
        const char* name;
    };
    const Case cases[] = {
        {"abc", "GSDML-V2.25-Olvenk-_abc-20130109.xml"},
        {"_abc", "GSDML-V2.25-Olvenk-_abc-20130109.xml"},
        {"", "GSDML-V2.25-Olvenk--20130109.xml"},
        {"   ", "GSDML-V2.25-Olvenk--20130109.xml"},
        {"  abc", "GSDML-V2.25-Olvenk-_  abc-20130109.xml"},
        {" _abc", "GSDML-V2.25-Olvenk-_ _abc-20130109.xml"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(profinet::PROFINET_File_Name(profinet::kGsdmlPrefix, QString::fromLatin1(c.user), date),
                  QString::fromLatin1(c.name))
            << c.user;
}

TEST(GsdmlFileName, UserPartsThatCannotStandInAFileName)
{
    for (const char* refused : {"a/b", "a\\b", "..", "x..y", "../up", "x:y", "a*", "a?", "a\"b", "<a", "a>", "a|b",
                                "a\tb", "a\x7F"}) {
        EXPECT_TRUE(profinet::PROFINET_User_Part_Refused(QString::fromLatin1(refused))) << refused;
    }
    for (const char* accepted : {"", "   ", "\t", "Hall 3", "v1.2", "_line-4", "(A)"})
        EXPECT_FALSE(profinet::PROFINET_User_Part_Refused(QString::fromLatin1(accepted))) << accepted;
    EXPECT_FALSE(profinet::PROFINET_User_Part_Refused(QStringLiteral("Überwachung")));
}

class SaveTest : public GsdmlTest {
protected:
    const QString name = QStringLiteral("GSDML-V2.25-Olvenk-_abc-20130109.xml");
};

TEST_F(SaveTest, WritesTheBuiltNameInTheChosenFolder)
{
    const QString other = folder.file(QStringLiteral("elsewhere"));
    QDir().mkpath(other);
    dialogs.chooseFile(other + QStringLiteral("/picked.xml"));
    profinet::Save_PROFINET_XML(name, app::appState());
    ASSERT_EQ(dialogs.fileDialogs().size(), 1u);
    EXPECT_EQ(dialogs.fileDialogs()[0].initialFolder, folder.path());
    EXPECT_EQ(dialogs.fileDialogs()[0].filter, QStringLiteral("PROFINET XML (*.xml)|") + name);
    EXPECT_EQ(dialogs.fileDialogs()[0].fileName, name);
    EXPECT_TRUE(dialogs.shown().empty());
    EXPECT_FALSE(QFileInfo::exists(other + QStringLiteral("/picked.xml")));
    const QByteArray written = readFile(other + QLatin1Char('/') + name);
    EXPECT_TRUE(written.contains("ImplementationType=\"SERIAL\""));
}

TEST_F(SaveTest, AnExistingFileIsOverwrittenOnlyOnYes)
{
    const QString target = folder.write(name, "old");
    dialogs.chooseFile(target);
    profinet::Save_PROFINET_XML(name, app::appState());
    EXPECT_EQ(dialogs.texts(), QStringList{"File already exists! Do you want to overwrite the file?"});
    EXPECT_EQ(dialogs.shown()[0].kind, MessageKind::Confirmation);
    EXPECT_EQ(readFile(target), QByteArray("old"));

    dialogs.reset();
    dialogs.chooseFile(target);
    dialogs.answer(MessageResult::Yes);
    profinet::Save_PROFINET_XML(name, app::appState());
    EXPECT_TRUE(readFile(target).startsWith("\xEF\xBB\xBF<?xml"));

    // Cancel in the save dialog: nothing is asked or written.
    dialogs.reset();
    QFile::remove(target);
    profinet::Save_PROFINET_XML(name, app::appState());
    EXPECT_TRUE(dialogs.shown().empty());
    EXPECT_FALSE(QFileInfo::exists(target));
}

TEST_F(SaveTest, AFileThatCannotBeWrittenIsReported)
{
    dialogs.chooseFile(folder.file(QStringLiteral("no such folder/x.xml")));
    profinet::Save_PROFINET_XML(name, app::appState());
    ASSERT_EQ(dialogs.shown().size(), 1u);
    EXPECT_EQ(dialogs.shown()[0].kind, MessageKind::Error);
    EXPECT_TRUE(dialogs.texts()[0].startsWith(QStringLiteral("Error!!! The PROFINET XML File cannot be written: ")))
        << dialogs.texts()[0].toStdString();
}

}  // namespace gsdml_writer_tests
