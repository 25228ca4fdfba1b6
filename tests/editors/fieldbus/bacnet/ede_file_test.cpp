// The EDE reader without a window: where the object lines start, which
// object types it keeps, how it cuts a line into fields, and the encodings
// and line ends of the files building-automation tools export.

#include <gtest/gtest.h>

#include "editors/fieldbus/bacnet/ede_file.h"
#include "platform/codepage.h"
#include "platform/text_lines.h"
#include "support/qt_printers.h"
#include "support/temp_folder.h"

namespace ede_file_tests {

using bacnet::TBACnet_Var;

QString fixture(const char* name)
{
    return QStringLiteral(TEST_DATA_DIR "/editors/fieldbus/bacnet/") + QString::fromLatin1(name);
}

// An object line of an Analog Value whose keyname is `key`.
QString object(const char* key) { return QString::fromLatin1(key) + QStringLiteral(";1;name;2;7;d;;;;N;N;;;;;"); }

QStringList keynames(const std::vector<TBACnet_Var>& objects)
{
    QStringList keys;
    for (const TBACnet_Var& v : objects)
        keys << v.keyname;
    return keys;
}

TEST(EdeReader, ObjectLinesStartAfterTheMandatoryLine)
{
    const QString header = QStringLiteral("PROJECT_NAME;x;;");
    const QString mandatory = QStringLiteral("# mandatory;mandatory;mandatory;mandatory;mandatory;optional;");
    const QString columns = QStringLiteral("# keyname;device obj.-instance;object-name;object-type;");
    struct Case {
        const char* name;
        QStringList lines;
        QStringList keys;
    };
    const Case cases[] = {
        {"seventh line: objects from the ninth",
         {header, header, header, header, header, header, mandatory, columns, object("a"), object("b")},
         {"a", "b"}},
        {"seventh line without a blank after \"#\", with blanks before it",
         {header, header, header, header, header, header, QStringLiteral("  #mandatory;x"), columns, object("a")},
         {"a"}},
        {"the seventh line decides even when the ninth is a mandatory line too",
         {header, header, header, header, header, header, mandatory, columns, mandatory, object("a"), object("b")},
         {"a", "b"}},
        {"sixth line, as the EDE writer puts it: found by the scan, objects from the eighth",
         {header, header, header, header, header, mandatory, columns, object("a"), object("b")},
         {"a", "b"}},
        {"the last of several mandatory lines wins",
         {header, mandatory, columns, object("early"), header, header, header, mandatory, columns, object("late")},
         {"late"}},
        {"\"mandatory\" is case-sensitive",
         {header, header, header, header, header, header, QStringLiteral("# Mandatory;x"), columns, object("a")},
         {}},
        {"a mandatory line without \"#\" does not count",
         {header, header, header, header, header, header, QStringLiteral("mandatory;x"), columns, object("a")},
         {}},
        {"no mandatory line", {header, header, header, header, header, header, header, object("a")}, {}},
        {"the mandatory line is the last line",
         {header, header, header, header, header, header, header, header, mandatory},
         {}},
        {"fewer than seven lines, even with a mandatory line", {header, mandatory, columns, object("a")}, {}},
        {"no lines", {}, {}},
        {"empty lines are skipped",
         {header, header, header, header, header, header, mandatory, columns, QString(), QStringLiteral("  \t "),
          object("a")},
         {"a"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(keynames(bacnet::readEdeLines(c.lines)), c.keys);
    }
    EXPECT_EQ(bacnet::edeObjectStart({header, header, header, header, header, header, mandatory}), 8);
    EXPECT_EQ(bacnet::edeObjectStart({header, header, mandatory}), -1);
}

TEST(EdeReader, KeepsTheObjectTypesTheClientHandlesAndTicksThem)
{
    QStringList lines(6, QStringLiteral("x;"));
    lines << QStringLiteral("# mandatory") << QStringLiteral("# keyname");
    const QStringList types = {"0",  "1",  "2",  "3",  "4",  "5",  "6",  "8",  "13", "14", "15",
                               "17", "19", "21", "22", "23", "30", "45", "46", "48", "x",  "0x13"};
    for (const QString& type : types)
        lines << QStringLiteral("k%1;9;n;%1;1;;;;;Y;N;;;;;").arg(type);
    QStringList kept;
    for (const TBACnet_Var& v : bacnet::readEdeLines(lines)) {
        kept << QString::number(v.object_type);
        EXPECT_TRUE(v.import && v.read && v.write) << v.object_type;
    }
    // 0x13 is 19 to the shared integer reader.
    EXPECT_EQ(kept,
              (QStringList{"0", "1", "2", "3", "4", "5", "13", "14", "19", "21", "22", "23", "45", "46", "48", "19"}));
}

TEST(EdeReader, CutsALineIntoItsFields)
{
    TBACnet_Var full;
    full.keyname = QStringLiteral("RC7_AV1");
    full.device_obj_instance = 1234;
    full.object_name = QStringLiteral("Set point");
    full.object_type = 2;
    full.object_instance = 1;
    full.description = QStringLiteral("Temperature setpoint");
    full.present_value_default = QStringLiteral("21");
    full.min_present_value = QStringLiteral("15");
    full.max_present_value = QStringLiteral("28");
    full.commandable = true;
    full.support_COV = false;
    full.hi_limit = QStringLiteral("27");
    full.low_limit = QStringLiteral("16");
    full.stete_text_reference = QStringLiteral("3");
    full.unit_code = QStringLiteral("62");
    full.vendor_specific_address = QStringLiteral("40002");
    EXPECT_EQ(bacnet::decodeEdeLine(QStringLiteral(
                  "RC7_AV1 ; 1234;Set point ;2;1;Temperature setpoint;21;15;28; y ;n;27;16;3;62;40002;")),
              full);

    // More columns than the layout: the address keeps the rest, without the
    // last ";".
    EXPECT_EQ(bacnet::decodeEdeLine(QStringLiteral("k;1;n;2;1;;;;;N;N;;;;;addr;extra ;")).vendor_specific_address,
              QStringLiteral("addr;extra"));

    // A line whose last field has no ";": that text is the address, and the
    // fields the line lacks are empty (numbers -1).
    const TBACnet_Var shortLine = bacnet::decodeEdeLine(QStringLiteral("k;77;Pump;3"));
    EXPECT_EQ(shortLine.keyname, QStringLiteral("k"));
    EXPECT_EQ(shortLine.device_obj_instance, 77);
    EXPECT_EQ(shortLine.object_name, QStringLiteral("Pump"));
    EXPECT_EQ(shortLine.object_type, -1);
    EXPECT_EQ(shortLine.object_instance, -1);
    EXPECT_EQ(shortLine.unit_code, QString());
    EXPECT_FALSE(shortLine.commandable);
    EXPECT_EQ(shortLine.vendor_specific_address, QStringLiteral("3"));

    const TBACnet_Var noSemicolon = bacnet::decodeEdeLine(QStringLiteral("lonely"));
    EXPECT_EQ(noSemicolon.keyname, QString());
    EXPECT_EQ(noSemicolon.device_obj_instance, -1);
    EXPECT_EQ(noSemicolon.vendor_specific_address, QStringLiteral("lonely"));
}

TEST(EdeReader, ReadsAToolsExportWithItsDeviceAndCalendarLeftOut)
{
    const std::vector<TBACnet_Var> objects = bacnet::readEdeFile(fixture("room_controller.csv"));
    EXPECT_EQ(keynames(objects), (QStringList{"RC7_AI1", "RC7_AV1", "RC7_BI1", "RC7_BO1", "RC7_MSV1", "RC7_LAV1"}));
    ASSERT_EQ(objects.size(), 6u);
    // "y" counts as commandable: the Write box starts ticked.
    EXPECT_TRUE(objects[3].commandable);
    EXPECT_TRUE(objects[3].write);
    EXPECT_FALSE(objects[0].write);
    EXPECT_EQ(objects[5].object_type, 46);
    EXPECT_EQ(objects[5].unit_code, QStringLiteral("19"));
    EXPECT_EQ(objects[5].vendor_specific_address, QStringLiteral("40010"));
    EXPECT_TRUE(bacnet::readEdeFile(fixture("missing.csv")).empty());
}

TEST(EdeReader, TakesUtf16Utf8And8BitFilesWithAnyLineEnd)
{
    const QString text = QStringLiteral(
        "P;;\r\nV;;\r\nT;;\r\nA;;\r\nL;;\r\n;;\r\n# mandatory;\r\n# keyname;\r\n"
        "K1;5;K\u00fcche;0;3;W\u00e4rme \u20ac;;;;N;N;;;;;\r\n");
    const auto withLineEnds = [&text](const char* end) {
        return QString(text).replace(QStringLiteral("\r\n"), QString::fromLatin1(end));
    };
    struct Case {
        const char* name;
        QByteArray bytes;
    };
    const Case cases[] = {
        {"UTF-16 LE with mark, CR LF", platform::byteOrderMark(platform::TextEncoding::Utf16Le)
                                           + platform::encodeText(text, platform::TextEncoding::Utf16Le)},
        {"UTF-16 BE with mark, LF", platform::byteOrderMark(platform::TextEncoding::Utf16Be)
                                        + platform::encodeText(withLineEnds("\n"), platform::TextEncoding::Utf16Be)},
        {"UTF-8 with mark, CR", platform::byteOrderMark(platform::TextEncoding::Utf8) + withLineEnds("\r").toUtf8()},
        {"UTF-8 without mark, LF", withLineEnds("\n").toUtf8()},
        {"Windows-1252, CR LF", platform::toAnsi(text)},
    };
    testing_support::TempFolder folder;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::vector<TBACnet_Var> objects = bacnet::readEdeFile(folder.write(QStringLiteral("d.csv"), c.bytes));
        ASSERT_EQ(objects.size(), 1u);
        EXPECT_EQ(objects[0].object_name, QStringLiteral("K\u00fcche"));
        EXPECT_EQ(objects[0].description, QStringLiteral("W\u00e4rme \u20ac"));
        EXPECT_EQ(objects[0].object_instance, 3);
    }
}

}  // namespace ede_file_tests
