// The EDS reader without a window: the connections it finds in small
// hand-written EDS files, how it cuts an entry into fields, how it decodes
// and recognises connection paths, and files without connections.

#include <gtest/gtest.h>

#include "editors/ethernet/ethernet_ip/eds_connections.h"
#include "platform/text_lines.h"
#include "support/qt_printers.h"
#include "support/temp_folder.h"

namespace eds_connections_tests {

using ethernet_ip::ConnectionPath;
using ethernet_ip::TConnData;

QString fixture(const char* name)
{
    return QStringLiteral(TEST_DATA_DIR "/editors/ethernet/ethernet_ip/") + QString::fromLatin1(name);
}

TConnData connection(int index, const char* name, const char* help, uint8_t headerOT, uint8_t headerTO,
                     ConnectionPath path)
{
    TConnData c;
    c.ConnIndex = index;
    c.ConnName = QString::fromUtf8(name);
    c.HelpStr = QString::fromUtf8(help);
    c.DimHeaderOT = headerOT;
    c.DimHeaderTO = headerTO;
    c.InstanceOT = path.InstanceOT;
    c.ConnPointOT = path.ConnPointOT;
    c.InstanceTO = path.InstanceTO;
    c.ConnPointTO = path.ConnPointTO;
    return c;
}

// An entry of a [Connection Manager] section on one line, with the given
// connection parameters and path.
QStringList oneEntry(const QString& parameters, const QString& path)
{
    return {QStringLiteral("[Connection Manager]"),
            QStringLiteral("Connection1 = 0x04010002,%1,,0x0008,Assem101,,0x0008,Assem100,,,,,\"Owner\",\"\",\"%2\";")
                .arg(parameters, path)};
}

std::vector<TConnData> withPath(const QString& path)
{
    return ethernet_ip::readEdsConnections(oneEntry(QStringLiteral("0x44640405"), path));
}

TEST(EdsConnections, ReadsTheConnectionsOfAFileWithCommentsSectionsAndCrLf)
{
    const std::vector<TConnData> found = ethernet_ip::readEdsFile(fixture("two_connections.eds"));
    ASSERT_EQ(found.size(), 2u);
    EXPECT_EQ(found[0], connection(1, "\"Exclusive Owner\"", "\"Read and write\"", 4, 0, {1, 101, 1, 100}));
    // The last entry ends where the next section starts.
    EXPECT_EQ(found[1], connection(2, "\"Listen Only\"", "\"\"", 3, 2, {100, 150, 101, 151}));
    EXPECT_EQ(found[1].NumClass, 4);
}

TEST(EdsConnections, AnEntryOverManyCommentedLinesDecodesAsOnOneLine)
{
    const QStringList oneLine = {
        QStringLiteral("[Connection Manager]"),
        QStringLiteral("  Connection1 = 0x04010002,0x44640405,,0x0008,Assem101,,0x0008,Assem100,,,,,"
                       "\"Exclusive Owner\",\"Read and write\",\"20 04 24 01 2C 65 2C 64\";"),
    };
    const std::vector<TConnData> fromFile = ethernet_ip::readEdsFile(fixture("two_connections.eds"));
    ASSERT_FALSE(fromFile.empty());
    EXPECT_EQ(ethernet_ip::readEdsConnections(oneLine), std::vector<TConnData>{fromFile[0]});
}

TEST(EdsConnections, NamesInUtf8AndInWindows1252)
{
    for (const char* file : {"utf8_name.eds", "ansi_name.eds"}) {
        SCOPED_TRACE(file);
        const std::vector<TConnData> found = ethernet_ip::readEdsFile(fixture(file));
        ASSERT_EQ(found.size(), 1u);
        EXPECT_EQ(found[0].ConnName, QStringLiteral("\"Überwachung\""));
        EXPECT_EQ(found[0].HelpStr, QStringLiteral("\"Zustand lesen\""));
    }
    // A byte-order mark is honoured.
    EXPECT_EQ(platform::decodeExportedText(QByteArray("\xEF\xBB\xBF\xC3\x9C")), QStringLiteral("Ü"));
    EXPECT_EQ(platform::decodeExportedText(QByteArray("\xDC\x80")), QString(QChar(0x0700)));
    EXPECT_EQ(platform::decodeExportedText(QByteArray("\xDC" "ber \x80")), QStringLiteral("Über €"));
}

TEST(EdsConnections, FilesWithoutConnections)
{
    // Entries only of other kinds, a path too short, a missing file, the
    // section name in other case.
    EXPECT_TRUE(ethernet_ip::readEdsFile(fixture("no_connections.eds")).empty());
    EXPECT_TRUE(ethernet_ip::readEdsFile(fixture("missing.eds")).empty());
    EXPECT_TRUE(ethernet_ip::readEdsFile(QString()).empty());
    QStringList lowerCase = oneEntry(QStringLiteral("0x44640405"), QStringLiteral("20 04 24 01 2C 65 2C 64"));
    lowerCase[0] = QStringLiteral("[connection manager]");
    EXPECT_TRUE(ethernet_ip::readEdsConnections(lowerCase).empty());
    EXPECT_TRUE(ethernet_ip::readEdsConnections({}).empty());
}

TEST(EdsConnections, ALineWithTheWordConnectionStartsANewEntry)
{
    // The name on a line of its own holds "Connection": the entry gathered so
    // far is decoded (it has no path), and the line starts an entry of its
    // own whose fields are shifted: no parameters (headers 7), no name, but
    // a path.
    const QStringList lines = {
        QStringLiteral("[Connection Manager]"),
        QStringLiteral("Connection1 = 0x04010002,0x44640405,,0x0008,Assem101,,0x0008,Assem100,,,,,"),
        QStringLiteral("\"Owner Connection\",\"\",\"20 04 24 01 2C 65 2C 64\";"),
        QStringLiteral("Connection2 = 0x04010002,0x44640405,,0x0008,Assem101,,0x0008,Assem100,,,,,"),
        QStringLiteral("\"Owner\",\"\",\"20 04 24 02 2C 66 2C 67\";"),
    };
    const std::vector<TConnData> found = ethernet_ip::readEdsConnections(lines);
    ASSERT_EQ(found.size(), 2u);
    EXPECT_EQ(found[0], connection(1, "", "", 7, 7, {1, 101, 1, 100}));
    EXPECT_EQ(found[1], connection(2, "\"Owner\"", "\"\"", 4, 0, {2, 102, 2, 103}));
}

TEST(EdsConnections, TheSectionEndsAtTheNextAndMayStartAgain)
{
    const QStringList lines = {
        QStringLiteral("[Connection Manager]"),
        QStringLiteral("Connection1 = 0x04010002,0x44640405,,,,,,,,,,,\"A\",\"\",\"20 04 24 01 2C 65 2C 64\";"),
        QStringLiteral("[Capacity]"),
        QStringLiteral("Connection2 = 0x04010002,0x44640405,,,,,,,,,,,\"B\",\"\",\"20 04 24 02 2C 65 2C 64\";"),
        QStringLiteral("  [Connection Manager]   $ again"),
        QStringLiteral("Connection3 = 0x04010002,0x44640405,,,,,,,,,,,\"C\",\"\",\"20 04 24 03 2C 65 2C 64\";"),
    };
    const std::vector<TConnData> found = ethernet_ip::readEdsConnections(lines);
    ASSERT_EQ(found.size(), 2u);
    EXPECT_EQ(found[0].ConnName, QStringLiteral("\"A\""));
    EXPECT_EQ(found[1].ConnName, QStringLiteral("\"C\""));
    EXPECT_EQ(found[1].ConnIndex, 2);
}

TEST(EdsConnections, FieldsAreCutAtCommas)
{
    // Blanks around fields go, quotes stay, and a path followed by further
    // fields ends at its comma.
    const QStringList spaced = {
        QStringLiteral("[Connection Manager]"),
        QStringLiteral("Connection1 = 0x04010002 , 0x00003200 ,,,,,,,,,, ,  \"Name\" ,   help text  ,"
                       "  \"20 04 24 01 2C 65 2C 64\" , \"extra\", 7;"),
    };
    const std::vector<TConnData> found = ethernet_ip::readEdsConnections(spaced);
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(found[0], connection(1, "\"Name\"", "help text", 2, 3, {1, 101, 1, 100}));

    // Quotes do not protect a comma: the fields shift and the path field
    // holds the help string.
    const QStringList commaInName = {
        QStringLiteral("[Connection Manager]"),
        QStringLiteral("Connection1 = 0x04010002,0x00003200,,,,,,,,,,,\"Name, with comma\",\"\","
                       "\"20 04 24 01 2C 65 2C 64\";"),
    };
    EXPECT_TRUE(ethernet_ip::readEdsConnections(commaInName).empty());
}

TEST(EdsConnections, ConnectionParametersGiveTheHeaderFormats)
{
    struct Case {
        const char* parameters;
        uint8_t headerOT;
        uint8_t headerTO;
    };
    const Case cases[] = {
        {"0x44640405", 4, 0},
        {"0x00007300", 3, 7},
        {"0x00004000", 0, 4},
        {"29440", 3, 7},     // decimal 0x7300
        {"zz", 7, 7},        // not a number: -1
        {"", 7, 7},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.parameters);
        const std::vector<TConnData> found =
            ethernet_ip::readEdsConnections(oneEntry(QString::fromLatin1(c.parameters), QStringLiteral("20 04 24 01 2C 65 2C 64")));
        ASSERT_EQ(found.size(), 1u);
        EXPECT_EQ(found[0].DimHeaderOT, c.headerOT);
        EXPECT_EQ(found[0].DimHeaderTO, c.headerTO);
    }
}

TEST(EdsConnections, PathTokens)
{
    using Bytes = std::vector<uint8_t>;
    EXPECT_EQ(ethernet_ip::decodePathBytes(QStringLiteral("20 04 24 01 2C 65 2C 64")),
              (Bytes{0x20, 0x04, 0x24, 0x01, 0x2C, 0x65, 0x2C, 0x64}));
    // Lower case reads; tokens with their own prefix, out of range or not
    // hexadecimal are skipped; several blanks in a row give empty tokens.
    EXPECT_EQ(ethernet_ip::decodePathBytes(QStringLiteral(" 2c  0x2C 100 -1 zz 0 ff\t")), (Bytes{0x2C, 0x00, 0xFF}));
    EXPECT_EQ(ethernet_ip::decodePathBytes(QString()), Bytes{});
    // The store stops at its size.
    QString many;
    for (int i = 0; i < 1200; ++i)
        many += QStringLiteral("%1 ").arg(i % 256, 2, 16, QLatin1Char('0'));
    const Bytes kept = ethernet_ip::decodePathBytes(many);
    ASSERT_EQ(kept.size(), size_t(ethernet_ip::kEdsPathCapacity));
    EXPECT_EQ(kept.back(), uint8_t(1000 % 256));
}

TEST(EdsConnections, RecognisedPaths)
{
    struct Case {
        const char* path;
        std::optional<ConnectionPath> expected;
    };
    const Case cases[] = {
        {"20 04 24 01 2C 65 2C 64", ConnectionPath{1, 101, 1, 100}},
        {"20 04 24 64 2C 96 24 65 2C 97", ConnectionPath{100, 150, 101, 151}},
        // No instance segment at byte 2: instance 1 both ways.
        {"20 04 2C 65 2C 64", ConnectionPath{1, 101, 1, 100}},
        // 16- and 32-bit instances keep their low byte.
        {"20 04 25 00 34 12 2C 65 2C 64", ConnectionPath{0x34, 101, 0x34, 100}},
        {"20 04 26 00 78 56 34 12 2C 65 2C 64", ConnectionPath{0x78, 101, 0x78, 100}},
        // Bytes between the segments are passed over.
        {"20 04 24 01 99 2C 65 00 2C 64", ConnectionPath{1, 101, 1, 100}},
        {"20 04 24 01 0x2C 2C 0x11 65 2c 64", ConnectionPath{1, 101, 1, 100}},
        // Too short, or no class segment first.
        {"20 04 2C 65 2C", std::nullopt},
        {"21 04 24 01 2C 65 2C 64", std::nullopt},
        // A segment whose value lies beyond the end.
        {"20 04 24 01 2C 65 2C", std::nullopt},
        {"20 04 24 01 2C 65 00 00", std::nullopt},
        {"20 04 24 01 00 00 00 2C", std::nullopt},
        {"20 04 24 64 2C 96 24 65", std::nullopt},
        {"20 04 24 64 2C 96 24 65 2C", std::nullopt},
        // A 32-bit instance needs bytes 4 .. 7.
        {"20 04 26 00 78 56", std::nullopt},
        {"20 04 26 00 78 56 34", std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path);
        const QString path = QString::fromLatin1(c.path);
        EXPECT_EQ(ethernet_ip::recognisePath(ethernet_ip::decodePathBytes(path)), c.expected);
        EXPECT_EQ(withPath(path).size(), c.expected ? 1u : 0u);
    }
}

TEST(EdsConnections, APathNeedingBytesBeyondItsStoreIsNotRecognised)
{
    const auto path = [](int fillers) {
        return QStringLiteral("20 04 24 01 ") + QStringLiteral("00 ").repeated(fillers) + QStringLiteral("2C 65 2C 64");
    };
    // 4 + 993 + 4 bytes fill the store exactly.
    EXPECT_EQ(withPath(path(993)).size(), 1u);
    // One more: the last connection point's value is not kept.
    EXPECT_TRUE(withPath(path(994)).empty());
    EXPECT_TRUE(withPath(path(5000)).empty());
}

TEST(EdsConnections, PickerCells)
{
    EXPECT_EQ(ethernet_ip::connectionCells(connection(1, "\"Exclusive Owner\"", "\"\"", 4, 0, {1, 101, 1, 100}), 1),
              (QStringList{"Connection1", "\"Exclusive Owner\"", "\"\"", "1", "101", "1", "100", "Default", "Default"}));
    EXPECT_EQ(ethernet_ip::connectionCells(connection(12, "A", "B", 0, 4, {100, 150, 101, 151}), 12),
              (QStringList{"Connection12", "A", "B", "100", "150", "101", "151", "0", "4"}));
    EXPECT_EQ(ethernet_ip::connectionCells(connection(3, "", "", 7, 7, {255, 0, 0, 255}), 3),
              (QStringList{"Connection3", "", "", "255", "0", "0", "255", "7", "7"}));
}

}  // namespace eds_connections_tests
