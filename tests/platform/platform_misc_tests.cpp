#include <limits>

#include <QDir>
#include <gtest/gtest.h>

#include "platform/dialogs.h"
#include "platform/paths.h"
#include "platform/serial_ports.h"
#include "platform/strings.h"
#include "support/scripted_dialogs.h"
#include "support/temp_folder.h"

TEST(Strings, IntegerConversionTable)
{
    struct Case {
        const char* text;
        std::optional<int32_t> value;
    };
    const Case cases[] = {
        {"0", 0},
        {"  42", 42},
        {"42 ", std::nullopt},
        {"-7", -7},
        {"+7", 7},
        {"$FF", 255},
        {"$c0", 192},
        {"0x10", 16},
        {"0X1f", 31},
        {"-$10", -16},
        {"$FFFFFFFF", -1},
        {"$100000000", std::nullopt},
        {"2147483647", std::numeric_limits<int32_t>::max()},
        {"2147483648", std::nullopt},
        {"-2147483648", std::numeric_limits<int32_t>::min()},
        {"", std::nullopt},
        {"   ", std::nullopt},
        {"-", std::nullopt},
        {"$", std::nullopt},
        {"1.5", std::nullopt},
        {"12a", std::nullopt},
        {"\xD9\xA3", std::nullopt},  // an Arabic-Indic digit is not a digit here
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(platform::parseInt(QString::fromUtf8(c.text)), c.value);
    }
    EXPECT_EQ(platform::parseIntOr("x", 1000), 1000);
    EXPECT_EQ(platform::parseDecimal("$10"), std::nullopt);
    EXPECT_EQ(platform::parseDecimal(" 1"), std::nullopt);
    EXPECT_EQ(platform::parseDecimal("12"), 12);
}

// Hexadecimal digits give a bit pattern that a minus sign negates in two's
// complement, so the most negative pattern stays itself instead of
// overflowing.
TEST(Strings, SixtyFourBitConversionTable)
{
    constexpr int64_t min = std::numeric_limits<int64_t>::min();
    constexpr int64_t max = std::numeric_limits<int64_t>::max();
    struct Case {
        const char* text;
        std::optional<int64_t> value;
    };
    const Case cases[] = {
        {"9223372036854775807", max},
        {"-9223372036854775808", min},
        {"9223372036854775808", std::nullopt},
        {"-9223372036854775809", std::nullopt},
        {"99999999999999999999", std::nullopt},
        {"$7FFFFFFFFFFFFFFF", max},
        {"-$7FFFFFFFFFFFFFFF", min + 1},
        {"$8000000000000000", min},
        {"-$8000000000000000", min},
        {"-0x8000000000000000", min},
        {"$FFFFFFFFFFFFFFFF", -1},
        {"-$FFFFFFFFFFFFFFFF", 1},
        {"-$1", -1},
        {"$10000000000000000", std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(platform::parseInt64(QString::fromUtf8(c.text)), c.value);
    }
    // The same for the 32-bit reader.
    EXPECT_EQ(platform::parseInt("-$80000000"), std::numeric_limits<int32_t>::min());
    EXPECT_EQ(platform::parseInt("-$FFFFFFFF"), 1);
}

TEST(Strings, TrimBlanksDropsControlCharactersButNotOtherSpaces)
{
    EXPECT_EQ(platform::trimBlanks(" \t\r\n x y \x01"), "x y");
    const QString nbsp = QString(QChar(0xA0)) + "x";
    EXPECT_EQ(platform::trimBlanks(nbsp), nbsp);
    EXPECT_EQ(platform::trimBlanksLeft("  a  "), "a  ");
    EXPECT_EQ(platform::trimBlanksRight("  a  "), "  a");
}

TEST(Paths, NamesMatchWithoutRegardToCase)
{
    testing_support::TempFolder dir;
    QDir(dir.path()).mkdir("Plant_A");
    dir.write("English.lng", "x");
    EXPECT_EQ(platform::findEntry(dir.path(), "plant_a"), dir.path() + "/Plant_A");
    EXPECT_EQ(platform::findEntry(dir.path(), "ENGLISH.LNG"), dir.path() + "/English.lng");
    EXPECT_EQ(platform::findEntry(dir.path(), "other"), "");
    EXPECT_EQ(platform::resolveEntry(dir.path(), "other"), dir.path() + "/other");
    EXPECT_TRUE(platform::sameName("Abc", "aBC"));
    EXPECT_TRUE(platform::folderExists(dir.path() + "/Plant_A"));
    EXPECT_FALSE(platform::fileExists(dir.path() + "/Plant_A"));
    EXPECT_EQ(platform::filesMatching(dir.path(), "*.lng"), QStringList{"English.lng"});
    EXPECT_EQ(platform::subFolders(dir.path()), QStringList{"Plant_A"});
}

TEST(Paths, ExecutableFolderIsAnExistingFolderWithoutTrailingSeparator)
{
    const QString folder = platform::executableFolder();
    EXPECT_TRUE(platform::folderExists(folder));
    EXPECT_FALSE(folder.endsWith('/'));
}

TEST(SerialPorts, PortNumbersMapToDeviceFiles)
{
    EXPECT_EQ(platform::serialPortDevice(1), "/dev/ttyS0");
    EXPECT_EQ(platform::serialPortDevice(64), "/dev/ttyS63");
    EXPECT_EQ(platform::serialPortDevice(65), "/dev/ttyUSB0");
    EXPECT_EQ(platform::serialPortDevice(161), "/dev/ttyACM0");
    EXPECT_EQ(platform::serialPortDevice(256), "/dev/ttyACM95");
    EXPECT_EQ(platform::serialPortDevice(0), "");
    EXPECT_EQ(platform::serialPortDevice(257), "");
    EXPECT_FALSE(platform::serialPortPresent(0));
}

TEST(Dialogs, FilterNotationAndDefaultExtension)
{
    EXPECT_EQ(platform::toQtFilter("EtherCAT ESI File (*.xml)|*.xml"), "EtherCAT ESI File (*.xml)");
    EXPECT_EQ(platform::toQtFilter("Text|*.txt;*.log|All (*.*)|*.*"), "Text (*.txt *.log);;All (*.*)");
    EXPECT_EQ(platform::withDefaultExtension("/p/device", "*.xml"), "/p/device.xml");
    EXPECT_EQ(platform::withDefaultExtension("/p/device.eds", "*.xml"), "/p/device.eds");
    EXPECT_EQ(platform::withDefaultExtension("/p/device", ""), "/p/device");
}

TEST(Dialogs, TheScriptedDoubleRecordsAndAnswers)
{
    platform::Dialogs* before = &platform::dialogs();
    {
        testing_support::ScriptedDialogs script;
        EXPECT_EQ(&platform::dialogs(), &script);
        script.answer(platform::MessageResult::Yes);
        EXPECT_TRUE(platform::dialogs().confirm("Overwrite?"));
        EXPECT_FALSE(platform::dialogs().confirm("Again?"));  // unanswered Yes/No: No
        platform::dialogs().error("Error! Project not Valid");
        EXPECT_EQ(script.texts(), (QStringList{"Overwrite?", "Again?", "Error! Project not Valid"}));
        EXPECT_EQ(script.shown()[2].kind, platform::MessageKind::Error);
        script.chooseFile(QString("/tmp/a.xml"));
        EXPECT_EQ(platform::dialogs().saveFile({}), QString("/tmp/a.xml"));
        EXPECT_EQ(platform::dialogs().openFile({}), std::nullopt);
    }
    EXPECT_EQ(&platform::dialogs(), before);
}
