// The SCL reader on small hand-written files: the whole tree of an IED
// (logical devices, nodes, data objects and attributes with their
// functional constraints, enumeration leaves, inherited constraints, data
// sets with their references, members and GOOSE names), the model's Find
// operations, files that are no SCL, types that contain themselves, and the
// limits that cut a damaged file's tree short.

#include <QStringList>
#include <gtest/gtest.h>

#include "editors/ethernet/iec61850/scl_reader.h"
#include "iec61850_fixture.h"
#include "support/temp_folder.h"

namespace scl_reader_tests {

using namespace iec61850;
using iec61850_testing::fixture;
using iec61850_testing::modelTree;

SclRead readText(const char* xml, const SclReadLimits& limits = {})
{
    return readSclText(QByteArray(xml), QStringLiteral("test.icd"), limits);
}

TEST(SclReader, TheFirstIedOfTheFeederFileAsATree)
{
    const SclRead read = readSclFile(fixture(QStringLiteral("feeder.icd")));
    ASSERT_TRUE(read.ok()) << read.error.toStdString();
    const TIEC_Device& ied = *read.device;
    EXPECT_EQ(ied.fName, QStringLiteral("IED1"));
    EXPECT_EQ(ied.fFileName, QStringLiteral("feeder.icd"));
    EXPECT_FALSE(ied.truncated);
    // Only the first server of the first access point: IGNORED, ALSO_IGNORED
    // and the second IED's OTHER are not read. A data set's reference names
    // the node's class alone; members that cannot be resolved (a dotted
    // name, an unknown device, a data object of the second MMXU) are left
    // out; a node without lnType has no data sets.
    const QStringList expected = {
        "LD LD0",
        "  LN LLN0 type LLN0_T",
        "    DO Mod",
        "      DA stVal Enum ST IED1LD0/LLN0.Mod.stVal",
        "      DA ctlModel Enum CF IED1LD0/LLN0.Mod.ctlModel",
        "    DS DS1 IED1LD0/LLN0.DS1 goose=",
        "      member IED1LD0/MMXU1.TotW.mag",
        "      member IED1LD0/MMXU1.TotW.mag.f",
        "      member IED1LD0/Q1XCBR2.Pos.stVal",
        "      member IED1LD0/MMXU1.phsA.cVal",
        "    DS DS2 IED1LD0/LLN0.DS2 goose=GoCB1",
        "      member IED1LD0/Q1XCBR2.Pos.q",
        "  LN MMXU1 type MMXU_T",
        "    DO TotW",
        "      DA mag Struct MX IED1LD0/MMXU1.TotW.mag",
        "        DA f FLOAT32 MX IED1LD0/MMXU1.TotW.mag.f",
        "      DA q Quality MX IED1LD0/MMXU1.TotW.q",
        "      DA t Timestamp MX IED1LD0/MMXU1.TotW.t",
        "    DO phsA",
        "      DO phsAng",
        "        DA mag Struct MX IED1LD0/MMXU1.phsA.phsAng.mag",
        "          DA f FLOAT32 MX IED1LD0/MMXU1.phsA.phsAng.mag.f",
        "        DA q Quality MX IED1LD0/MMXU1.phsA.phsAng.q",
        "        DA t Timestamp MX IED1LD0/MMXU1.phsA.phsAng.t",
        "      DA cVal Struct MX IED1LD0/MMXU1.phsA.cVal",
        "        DA mag Struct MX IED1LD0/MMXU1.phsA.cVal.mag",
        "          DA f FLOAT32 MX IED1LD0/MMXU1.phsA.cVal.mag.f",
        "        DA ang Struct CF IED1LD0/MMXU1.phsA.cVal.ang",
        "          DA f FLOAT32 CF IED1LD0/MMXU1.phsA.cVal.ang.f",
        "  LN Q1XCBR2 type XCBR_T",
        "    DO Pos",
        "      DA stVal Dbpos ST IED1LD0/Q1XCBR2.Pos.stVal",
        "      DA q Quality ST IED1LD0/Q1XCBR2.Pos.q",
        "      DA ctlModel Enum CF IED1LD0/Q1XCBR2.Pos.ctlModel",
        "    DO NoType",
        "    DO Unknown",
        "    DS Trips IED1LD0/XCBR.Trips goose=",
        "      member IED1LD0/Q1XCBR2.Pos.ctlModel",
        "  LN MMXU2 type MMXU2_T",
        "    DO Hz",
        "      DA mag Struct MX IED1LD0/MMXU2.Hz.mag",
        "        DA f FLOAT32 MX IED1LD0/MMXU2.Hz.mag.f",
        "      DA q Quality MX IED1LD0/MMXU2.Hz.q",
        "      DA t Timestamp MX IED1LD0/MMXU2.Hz.t",
        "  LN GGIO1 type ",
        "LD CTRL",
        "  LN LLN0 type LLN0_T",
        "    DO Mod",
        "      DA stVal Enum ST IED1CTRL/LLN0.Mod.stVal",
        "      DA ctlModel Enum CF IED1CTRL/LLN0.Mod.ctlModel",
    };
    EXPECT_EQ(modelTree(ied), expected) << modelTree(ied).join(u'\n').toStdString();
    // Members are the tree's own attributes, not copies.
    const TIEC_LN& lln0 = *ied.List_LDevice[0]->List_LN[0];
    const TIEC_LN& mmxu1 = *ied.List_LDevice[0]->List_LN[1];
    EXPECT_EQ(lln0.List_DataSet[0]->List_DA[1], mmxu1.List_DO[0]->List_DA[0]->List_DA[0].get());
}

TEST(SclReader, FindOperationsSearchDepthFirstAndTakeTheFirstHit)
{
    const SclRead read = readSclFile(fixture(QStringLiteral("feeder.icd")));
    ASSERT_TRUE(read.ok());
    const TIEC_Device& ied = *read.device;
    ASSERT_NE(ied.Find_LDevice(QStringLiteral("CTRL")), nullptr);
    EXPECT_EQ(ied.Find_LDevice(QStringLiteral("ctrl")), nullptr) << "names are case-sensitive";
    const TIEC_LDevice& ld0 = *ied.Find_LDevice(QStringLiteral("LD0"));
    // Two nodes of class MMXU: the first; prefix and instance not looked at.
    EXPECT_EQ(ld0.Find_LN(QStringLiteral("MMXU")), ld0.List_LN[1].get());
    EXPECT_EQ(ld0.Find_LN(QStringLiteral("XCBR")), ld0.List_LN[2].get());
    const TIEC_LN& mmxu1 = *ld0.List_LN[1];
    // A sub data object is found inside its data object.
    const TIEC_DO* phsAng = mmxu1.Find_DO(QStringLiteral("phsAng"));
    ASSERT_NE(phsAng, nullptr);
    EXPECT_EQ(phsAng, mmxu1.List_DO[1]->List_DO[0].get());
    // A data object's attribute search skips its sub data objects: phsA
    // holds "mag" only below phsAng, but cVal's sub attribute comes first.
    const TIEC_DO& phsA = *mmxu1.List_DO[1];
    ASSERT_NE(phsA.Find_DA(QStringLiteral("mag")), nullptr);
    EXPECT_EQ(phsA.Find_DA(QStringLiteral("mag"))->fReference, QStringLiteral("IED1LD0/MMXU1.phsA.cVal.mag"));
    EXPECT_EQ(phsA.Find_DA(QStringLiteral("q")), nullptr);
    EXPECT_EQ(phsA.Find_First_DA()->fReference, QStringLiteral("IED1LD0/MMXU1.phsA.cVal.mag.f"));
    EXPECT_EQ(phsAng->Find_First_DA()->fReference, QStringLiteral("IED1LD0/MMXU1.phsA.phsAng.mag.f"));
    EXPECT_EQ(mmxu1.List_DO[0]->Find_DA(QStringLiteral("mag.f")), nullptr);
    // A data object without attributes has no first leaf.
    EXPECT_EQ(ld0.List_LN[2]->List_DO[1]->Find_First_DA(), nullptr);
}

TEST(SclReader, FilesThatAreNoSclGiveADeviceWithoutNameOrContent)
{
    const char* const cases[] = {
        "<Substation><IED name=\"A\" /><DataTypeTemplates /></Substation>",
        "<SCL><DataTypeTemplates /></SCL>",
        "<SCL><IED name=\"A\"><AccessPoint><Server><LDevice inst=\"LD0\" /></Server></AccessPoint></IED></SCL>",
    };
    for (const char* xml : cases) {
        SCOPED_TRACE(xml);
        const SclRead read = readText(xml);
        ASSERT_TRUE(read.ok()) << read.error.toStdString();
        EXPECT_EQ(read.device->fName, QString());
        EXPECT_EQ(read.device->fFileName, QStringLiteral("test.icd"));
        EXPECT_TRUE(read.device->List_LDevice.empty());
    }
    // Without an access point or a server the IED has its name only.
    const SclRead noServer = readText("<SCL><IED name=\"A\"><AccessPoint /></IED><DataTypeTemplates /></SCL>");
    ASSERT_TRUE(noServer.ok());
    EXPECT_EQ(noServer.device->fName, QStringLiteral("A"));
    EXPECT_TRUE(noServer.device->List_LDevice.empty());
}

TEST(SclReader, AMissingFileGivesItsNameAndAFileTheParserRejectsGivesNoDevice)
{
    testing_support::TempFolder folder;
    const SclRead missing = readSclFile(folder.file(QStringLiteral("gone.cid")));
    ASSERT_TRUE(missing.ok());
    EXPECT_EQ(missing.device->fFileName, QStringLiteral("gone.cid"));
    EXPECT_EQ(missing.device->fName, QString());

    const SclRead broken = readSclFile(folder.write(QStringLiteral("broken.icd"), "<SCL><IED name=\"A\">"));
    EXPECT_FALSE(broken.ok());
    EXPECT_FALSE(broken.error.isEmpty());
}

TEST(SclReader, TypesThatContainThemselvesEndTheirExpansionAsLeaves)
{
    const SclRead read = readSclFile(fixture(QStringLiteral("recursive_types.icd")));
    ASSERT_TRUE(read.ok());
    // Each type is expanded once along a path: where it would contain itself
    // again, directly or through the other type, the object is a leaf.
    const QStringList expected = {
        "LD LD0",
        "  LN GGIO1 type GGIO_T",
        "    DO Self",
        "      DO again",
        "      DA node Struct ST LoopLD0/GGIO1.Self.node",
        "        DA value INT32 ST LoopLD0/GGIO1.Self.node.value",
        "        DA next Struct ST LoopLD0/GGIO1.Self.node.next",
        "    DO Pair",
        "      DA ping Struct MX LoopLD0/GGIO1.Pair.ping",
        "        DA pong Struct MX LoopLD0/GGIO1.Pair.ping.pong",
        "          DA ping Struct MX LoopLD0/GGIO1.Pair.ping.pong.ping",
        "          DA count INT8U MX LoopLD0/GGIO1.Pair.ping.pong.count",
    };
    EXPECT_EQ(modelTree(*read.device), expected) << modelTree(*read.device).join(u'\n').toStdString();
    EXPECT_FALSE(read.device->truncated) << "a type that contains itself is damage, not a cut";
}

// A chain of attribute types each holding two of the next: the tree doubles
// with every level.
QByteArray doublingTypes(int levels)
{
    QByteArray xml = "<SCL><IED name=\"Big\"><AccessPoint><Server><LDevice inst=\"LD\">"
                     "<LN lnClass=\"GGIO\" lnType=\"N\" inst=\"1\" /></LDevice></Server></AccessPoint></IED>"
                     "<DataTypeTemplates><LNodeType id=\"N\"><DO name=\"d\" type=\"D\" /></LNodeType>"
                     "<DOType id=\"D\"><DA name=\"a\" bType=\"Struct\" type=\"T0\" fc=\"ST\" /></DOType>";
    for (int i = 0; i < levels; ++i) {
        const QByteArray next = i + 1 < levels ? "type=\"T" + QByteArray::number(i + 1) + "\"" : QByteArray();
        xml += "<DAType id=\"T" + QByteArray::number(i) + "\"><BDA name=\"l\" bType=\"Struct\" " + next
               + " /><BDA name=\"r\" bType=\"Struct\" " + next + " /></DAType>";
    }
    return xml + "</DataTypeTemplates></SCL>";
}

int objectCount(const std::vector<std::unique_ptr<TIEC_DA>>& list)
{
    int count = 0;
    for (const auto& da : list)
        count += 1 + objectCount(da->List_DA);
    return count;
}

TEST(SclReader, TheLimitsCutTheTreeOfADamagedFileShort)
{
    // 2^40 attributes unless the object limit stops the expansion.
    SclReadLimits limits;
    limits.maxObjects = 5000;
    const SclRead wide = readSclText(doublingTypes(40), QStringLiteral("wide.icd"), limits);
    ASSERT_TRUE(wide.ok());
    EXPECT_TRUE(wide.device->truncated);
    const TIEC_DO& d = *wide.device->List_LDevice[0]->List_LN[0]->List_DO[0];
    EXPECT_EQ(1 + objectCount(d.List_DA), limits.maxObjects) << "the data object and its attributes";

    // A file within the limits is read whole.
    const SclRead small = readSclText(doublingTypes(5), QStringLiteral("small.icd"), limits);
    ASSERT_TRUE(small.ok());
    EXPECT_FALSE(small.device->truncated);
    EXPECT_EQ(objectCount(small.device->List_LDevice[0]->List_LN[0]->List_DO[0]->List_DA), 1 + 2 + 4 + 8 + 16 + 32);

    // The depth limit: the object at the last level keeps no children.
    limits = {};
    limits.maxDepth = 4;  // d, a, and two levels of the chain
    const SclRead deep = readSclText(doublingTypes(5), QStringLiteral("deep.icd"), limits);
    ASSERT_TRUE(deep.ok());
    EXPECT_TRUE(deep.device->truncated);
    const TIEC_DA& a = *deep.device->List_LDevice[0]->List_LN[0]->List_DO[0]->List_DA[0];
    ASSERT_EQ(a.List_DA.size(), 2u);
    ASSERT_EQ(a.List_DA[0]->List_DA.size(), 2u);
    EXPECT_TRUE(a.List_DA[0]->List_DA[0]->List_DA.empty());
    EXPECT_EQ(a.List_DA[0]->List_DA[0]->fReference, QStringLiteral("BigLD/GGIO1.d.a.l.l"));
}

TEST(SclReader, AllDefinitionsOfATypeIdContributeAndCommentsAreSkipped)
{
    const SclRead read = readText(
        "<SCL><IED name=\"I\"><AccessPoint><!-- c --><Server><LDevice inst=\"L\">"
        "<LN lnClass=\"X\" lnType=\"T\" inst=\"1\" /></LDevice></Server></AccessPoint></IED>"
        "<DataTypeTemplates><LNodeType id=\"T\"><DO name=\"a\" type=\"D\" /></LNodeType>"
        "<LNodeType id=\"T\"><!-- c --><DO name=\"b\" type=\"D\" /></LNodeType>"
        "<DOType id=\"D\"><DA name=\"x\" bType=\"BOOLEAN\" fc=\"ST\" /></DOType>"
        "<DOType id=\"D\"><DA name=\"y\" bType=\"INT8\" fc=\"ST\" /></DOType>"
        "</DataTypeTemplates></SCL>");
    ASSERT_TRUE(read.ok());
    const QStringList expected = {
        "LD L",
        "  LN X1 type T",
        "    DO a",
        "      DA x BOOLEAN ST IL/X1.a.x",
        "      DA y INT8 ST IL/X1.a.y",
        "    DO b",
        "      DA x BOOLEAN ST IL/X1.b.x",
        "      DA y INT8 ST IL/X1.b.y",
    };
    EXPECT_EQ(modelTree(*read.device), expected) << modelTree(*read.device).join(u'\n').toStdString();
}

}  // namespace scl_reader_tests
