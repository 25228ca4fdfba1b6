// IEC_61850_Client.xml and the catalog without a window: the file's layout
// read and written, the data sets linked again to the rebuilt model when
// the file is read (members that no longer match dropped), catalog files
// that are missing or unreadable kept as placeholders in their place, and
// the import of an SCL file into the catalog through the atomic writer.

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

#include "app/language.h"
#include "editors/ethernet/iec61850/client_access.h"
#include "iec61850_fixture.h"
#include "platform/atomic_file.h"
#include "support/temp_folder.h"

namespace client_file_tests {

using namespace iec61850;
using iec61850_testing::fixture;
using testing_support::TempFolder;

QByteArray readBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

const QByteArray kEmptyClientFile = "<IEC_68850_Client>\n\t<List_ICD_Files />\n\t<List_DA_Selected />\n"
                                    "\t<List_DataSet_Selected />\n</IEC_68850_Client>\n<!--SW_VERSION = 1.000-->\n";

TEST(IEC61850ClientFile, ReadsTheThreeListsAndWritesThemBackUnchanged)
{
    platform::XmlDocument doc;
    IEC61850ClientFile data;
    const auto read = readIEC61850ClientFile(fixture(QStringLiteral("IEC_61850_Client.xml")), doc, data);
    ASSERT_TRUE(read.ok()) << read.error.toStdString();
    EXPECT_EQ(data.catalog, (std::vector<ClientIcdFile>{{"IED1", "feeder.icd"}}));
    ASSERT_EQ(data.attributes.size(), 2u);
    EXPECT_EQ(data.attributes[0].Reference, QStringLiteral("IED1LD0/MMXU1.TotW.mag.f"));
    EXPECT_EQ(data.attributes[0].MoltFact, QStringLiteral("0.001"));
    EXPECT_EQ(data.attributes[1].ReadWrite, QStringLiteral("Write"));
    ASSERT_EQ(data.dataSets.size(), 2u);
    EXPECT_EQ(data.dataSets[1].GooseName, QStringLiteral("GoCB1"));
    ASSERT_EQ(data.dataSets[0].members.size(), 4u);
    EXPECT_EQ(data.dataSets[0].members[2].Mnemonic, QStringLiteral("breaker & switch"));
    EXPECT_EQ(data.dataSets[0].members[2].StartBit, QStringLiteral("2"));

    TempFolder dir;
    ASSERT_TRUE(writeIEC61850ClientFile(dir.file(QStringLiteral("out.xml")), doc, data));
    EXPECT_EQ(dir.read(QStringLiteral("out.xml")), readBytes(fixture(QStringLiteral("IEC_61850_Client.xml"))));

    // Nothing to list: the three lists all the same, a data set without
    // members with its empty member list.
    ASSERT_TRUE(writeIEC61850ClientFile(dir.file(QStringLiteral("empty.xml")), doc, {}));
    EXPECT_EQ(dir.read(QStringLiteral("empty.xml")), kEmptyClientFile);
    IEC61850ClientFile lone;
    lone.dataSets.push_back({});
    ASSERT_TRUE(writeIEC61850ClientFile(dir.file(QStringLiteral("lone.xml")), doc, lone));
    EXPECT_EQ(dir.read(QStringLiteral("lone.xml")),
              "<IEC_68850_Client>\n\t<List_ICD_Files />\n\t<List_DA_Selected />\n\t<List_DataSet_Selected>\n"
              "\t\t<DataSet_Item Index=\"\" Reference=\"\" GooseName=\"\" EnGoose=\"\" IPAddress=\"\" Port=\"\" "
              "Time=\"\" Mnemonic=\"\">\n\t\t\t<DataSet_List_DAs />\n\t\t</DataSet_Item>\n"
              "\t</List_DataSet_Selected>\n</IEC_68850_Client>\n<!--SW_VERSION = 1.000-->\n");
}

TEST(IEC61850ClientFile, MissingListsReadEmptyAndAnotherRootIsNoClientFile)
{
    TempFolder dir;
    platform::XmlDocument doc;
    IEC61850ClientFile data;
    const QString partial = dir.write(QStringLiteral("partial.xml"),
                                      "<IEC_68850_Client><List_DataSet_Selected><DataSet_Item Index=\"0\" />"
                                      "</List_DataSet_Selected></IEC_68850_Client>");
    ASSERT_TRUE(readIEC61850ClientFile(partial, doc, data).ok());
    EXPECT_TRUE(data.catalog.empty());
    EXPECT_TRUE(data.attributes.empty());
    ASSERT_EQ(data.dataSets.size(), 1u);
    EXPECT_TRUE(data.dataSets[0].members.empty());

    const auto other = readIEC61850ClientFile(dir.write(QStringLiteral("other.xml"), "<IEC61850_Variables />"), doc, data);
    EXPECT_FALSE(other.ok());
    EXPECT_EQ(other.missingElement, QStringLiteral("IEC_68850_Client"));
    EXPECT_FALSE(readIEC61850ClientFile(dir.write(QStringLiteral("cut.xml"), "<IEC_68850_Client>"), doc, data).ok());
    EXPECT_TRUE(readIEC61850ClientFile(dir.file(QStringLiteral("none.xml")), doc, data).ok());
}

// A project folder with its catalog.
class ClientProjectTest : public ::testing::Test {
protected:
    ClientProjectTest() { app::Load_Default_Texts(app::textTable()); }

    QString catalog() const { return catalogFolder(project.path()); }
    QString clientPath() const { return project.file(QStringLiteral("IEC_61850_Client.xml")); }
    void putInCatalog(const QString& name, const QByteArray& bytes) const
    {
        project.write(QStringLiteral("ICD_Catalog/") + name, bytes);
    }
    static QByteArray feeder() { return readBytes(fixture(QStringLiteral("feeder.icd"))); }
    ClientProject load()
    {
        return loadClientProject(clientPath(), catalog(), doc, {});
    }
    // The file written back from what was loaded.
    QByteArray writtenBack(const ClientProject& p)
    {
        std::vector<const TDataSet*> selections;
        for (const auto& s : p.selections)
            selections.push_back(s.get());
        const IEC61850ClientFile file = clientFileOf(p.catalog, p.attributes, p.dataSets, selections);
        EXPECT_TRUE(writeIEC61850ClientFile(project.file(QStringLiteral("again.xml")), doc, file));
        return project.read(QStringLiteral("again.xml"));
    }

    TempFolder project;
    platform::XmlDocument doc;
};

TEST_F(ClientProjectTest, DataSetsAreLinkedAgainToTheRebuiltModel)
{
    putInCatalog(QStringLiteral("feeder.icd"), feeder());
    project.write(QStringLiteral("IEC_61850_Client.xml"), readBytes(fixture(QStringLiteral("IEC_61850_Client.xml"))));
    const ClientProject p = load();
    ASSERT_TRUE(p.read.ok()) << p.read.error.toStdString();
    EXPECT_TRUE(p.notices.isEmpty()) << p.notices.join(u'\n').toStdString();
    ASSERT_EQ(p.catalog.size(), 1u);
    EXPECT_FALSE(p.catalog[0].placeholder);
    EXPECT_EQ(p.catalog[0].device->fName, QStringLiteral("IED1"));
    ASSERT_EQ(p.selections.size(), 2u);
    const TIEC_DataSet* ds1 = p.selections[0]->Select_DataSet;
    ASSERT_NE(ds1, nullptr);
    EXPECT_EQ(ds1, Get_DataSet(p.catalog, 0, QStringLiteral("IED1LD0/LLN0.DS1")));
    ASSERT_EQ(p.selections[0]->List_DAs.size(), 4u);
    for (size_t i = 0; i < 4; ++i)
        EXPECT_EQ(p.selections[0]->List_DAs[i].Select_DA, ds1->List_DA[i]);
    EXPECT_EQ(p.selections[0]->List_DAs[1].multFactor, QStringLiteral("0,5"));
    EXPECT_EQ(memberCells(p.selections[0]->List_DAs[2], 3),
              (QStringList{"3", "Dbpos", "IED1LD0/Q1XCBR2.Pos.stVal", "18", "2", "None", "None", "breaker & switch"}));
    EXPECT_TRUE(p.dataSets[0].members.empty()) << "the members live in the selections";
    EXPECT_EQ(writtenBack(p), readBytes(fixture(QStringLiteral("IEC_61850_Client.xml"))));
}

TEST_F(ClientProjectTest, MembersThatNoLongerMatchTheSclFileAreDropped)
{
    // The SCL file changed since the file was saved: DS1's first two
    // members swapped places, so the stored first and second members no
    // longer match by position; the third and fourth still do.
    QByteArray changed = feeder();
    const QByteArray first = "<FCDA ldInst=\"LD0\" prefix=\"\" lnClass=\"MMXU\" lnInst=\"1\" doName=\"TotW\" daName=\"mag\" fc=\"MX\" />";
    const QByteArray second = "<FCDA ldInst=\"LD0\" lnClass=\"MMXU\" lnInst=\"1\" doName=\"TotW\" fc=\"MX\" />";
    ASSERT_TRUE(changed.contains(first) && changed.contains(second));
    changed.replace(first, "@@").replace(second, first).replace("@@", second);
    // And DS2 is gone.
    changed.replace("<DataSet name=\"DS2\">", "<DataSet name=\"DS2b\">");
    putInCatalog(QStringLiteral("feeder.icd"), changed);
    project.write(QStringLiteral("IEC_61850_Client.xml"), readBytes(fixture(QStringLiteral("IEC_61850_Client.xml"))));

    const ClientProject p = load();
    ASSERT_EQ(p.selections.size(), 2u);
    QStringList kept;
    for (const TDataSet_DA& m : p.selections[0]->List_DAs)
        kept << m.reference() + u'@' + m.Position;
    EXPECT_EQ(kept, (QStringList{"IED1LD0/Q1XCBR2.Pos.stVal@18", "IED1LD0/MMXU1.phsA.cVal@20"}));
    // The row of a data set that cannot be found again stays, without link
    // or members, and is written with an empty member list.
    EXPECT_EQ(p.selections[1]->Select_DataSet, nullptr);
    EXPECT_TRUE(p.selections[1]->List_DAs.empty());
    EXPECT_EQ(p.dataSets[1].Reference, QStringLiteral("IED1LD0/LLN0.DS2"));
    EXPECT_TRUE(writtenBack(p).contains("Mnemonic=\"\">\n\t\t\t<DataSet_List_DAs />\n\t\t</DataSet_Item>"));
}

TEST_F(ClientProjectTest, AMissingCatalogFileKeepsItsPlaceAndIsSavedAsItWas)
{
    // IED 0's SCL copy is gone; IED 1's is there. Rows of IED 1 keep
    // pointing at it, and IED 0 with its data set's members is written back
    // unchanged.
    putInCatalog(QStringLiteral("feeder.icd"), feeder());
    const QByteArray stored =
        "<IEC_68850_Client>\n"
        "\t<List_ICD_Files>\n"
        "\t\t<ICD_File Name=\"Gone\" FileName=\"gone.cid\" />\n"
        "\t\t<ICD_File Name=\"IED1\" FileName=\"feeder.icd\" />\n"
        "\t</List_ICD_Files>\n"
        "\t<List_DA_Selected />\n"
        "\t<List_DataSet_Selected>\n"
        "\t\t<DataSet_Item Index=\"0\" Reference=\"GoneLD/LLN0.A\" GooseName=\"\" EnGoose=\"N\" IPAddress=\"\" "
        "Port=\"\" Time=\"\" Mnemonic=\"\">\n"
        "\t\t\t<DataSet_List_DAs>\n"
        "\t\t\t\t<DataSet_DA_Item bType=\"INT32\" Reference=\"GoneLD/X1.v.i\" Position=\"7\" StartBit=\"\" "
        "Convertion=\"None\" MoltFact=\"2\" Mnemonic=\"kept\" />\n"
        "\t\t\t</DataSet_List_DAs>\n"
        "\t\t</DataSet_Item>\n"
        "\t\t<DataSet_Item Index=\"1\" Reference=\"IED1LD0/LLN0.DS2\" GooseName=\"GoCB1\" EnGoose=\"Y\" "
        "IPAddress=\"\" Port=\"\" Time=\"\" Mnemonic=\"\">\n"
        "\t\t\t<DataSet_List_DAs>\n"
        "\t\t\t\t<DataSet_DA_Item bType=\"Quality\" Reference=\"IED1LD0/Q1XCBR2.Pos.q\" Position=\"30\" "
        "StartBit=\"\" Convertion=\"\" MoltFact=\"\" Mnemonic=\"\" />\n"
        "\t\t\t</DataSet_List_DAs>\n"
        "\t\t</DataSet_Item>\n"
        "\t</List_DataSet_Selected>\n"
        "</IEC_68850_Client>\n<!--SW_VERSION = 1.000-->\n";
    project.write(QStringLiteral("IEC_61850_Client.xml"), stored);

    const ClientProject p = load();
    ASSERT_TRUE(p.read.ok());
    ASSERT_EQ(p.catalog.size(), 2u);
    EXPECT_TRUE(p.catalog[0].placeholder);
    EXPECT_EQ(catalogEntryText(p.catalog[0]), QStringLiteral("Gone (SCL file not available)"));
    EXPECT_EQ(catalogEntryText(p.catalog[1]), QStringLiteral("IED1"));
    EXPECT_EQ(p.notices, QStringList{"The SCL file gone.cid of the IED Gone is missing from the catalog folder: the "
                                     "IED keeps its place in the list, without its tree, and is saved as it was."});
    ASSERT_NE(p.selections[1]->Select_DataSet, nullptr);
    EXPECT_EQ(p.selections[1]->Select_DataSet->fGooseName, QStringLiteral("GoCB1"));
    EXPECT_EQ(p.selections[1]->List_DAs.size(), 1u);
    EXPECT_EQ(p.selections[0]->Select_DataSet, nullptr);
    EXPECT_EQ(writtenBack(p), stored);
}

TEST_F(ClientProjectTest, AnUnreadableCatalogFileIsAPlaceholderWithItsReason)
{
    putInCatalog(QStringLiteral("broken.icd"), "<SCL><IED name=\"X\">");
    project.write(QStringLiteral("IEC_61850_Client.xml"),
                  "<IEC_68850_Client><List_ICD_Files><ICD_File Name=\"X\" FileName=\"broken.icd\" />"
                  "<ICD_File Name=\"Y\" FileName=\"../IEC_61850_Client.xml\" /></List_ICD_Files>"
                  "</IEC_68850_Client>");
    const ClientProject p = load();
    ASSERT_EQ(p.catalog.size(), 2u);
    EXPECT_TRUE(p.catalog[0].placeholder);
    EXPECT_TRUE(p.catalog[1].placeholder) << "a file name with a folder names no catalog file";
    ASSERT_EQ(p.notices.size(), 2);
    EXPECT_TRUE(p.notices[0].startsWith(QStringLiteral("The SCL file broken.icd of the IED X cannot be read (")));
    EXPECT_EQ(p.catalog[1].device->fFileName, QStringLiteral("../IEC_61850_Client.xml"));
}

TEST_F(ClientProjectTest, AFileThatIsNoClientFileIsAFailure)
{
    for (const QByteArray& bytes : {QByteArray("<IEC_68850_Client><List_ICD_Files>"), QByteArray("<Other />")}) {
        project.write(QStringLiteral("IEC_61850_Client.xml"), bytes);
        EXPECT_FALSE(load().read.ok()) << bytes.constData();
    }
    QFile::remove(clientPath());
    const ClientProject none = load();
    EXPECT_TRUE(none.read.ok());
    EXPECT_FALSE(none.read.exists);
    EXPECT_TRUE(none.catalog.empty() && none.attributes.empty() && none.dataSets.empty());
}

TEST_F(ClientProjectTest, AnImportCopiesTheFileIntoTheCatalogFolder)
{
    const QString source = fixture(QStringLiteral("feeder.icd"));
    int asked = 0;
    const auto answer = [&asked](CatalogCopy a) {
        return [&asked, a] {
            ++asked;
            return a;
        };
    };
    // The catalog folder is made when missing; no question for a new file.
    SclImport first = importSclFile(source, catalog(), answer(CatalogCopy::Cancel));
    ASSERT_NE(first.device, nullptr) << first.error.toStdString();
    EXPECT_EQ(asked, 0);
    EXPECT_EQ(first.device->fName, QStringLiteral("IED1"));
    EXPECT_EQ(first.device->fFileName, QStringLiteral("feeder.icd"));
    EXPECT_EQ(readBytes(catalog() + QStringLiteral("/feeder.icd")), feeder());

    // The catalog's copy differs from the chosen file: keep it, replace it,
    // or stop.
    putInCatalog(QStringLiteral("feeder.icd"), "<SCL><IED name=\"Older\" /><DataTypeTemplates /></SCL>");
    SclImport kept = importSclFile(source, catalog(), answer(CatalogCopy::KeepCatalogCopy));
    ASSERT_NE(kept.device, nullptr);
    EXPECT_EQ(kept.device->fName, QStringLiteral("Older"));
    SclImport stopped = importSclFile(source, catalog(), answer(CatalogCopy::Cancel));
    EXPECT_TRUE(stopped.cancelled);
    EXPECT_EQ(stopped.device, nullptr);
    EXPECT_TRUE(stopped.error.isEmpty());
    SclImport replaced = importSclFile(source, catalog(), answer(CatalogCopy::Overwrite));
    ASSERT_NE(replaced.device, nullptr);
    EXPECT_EQ(replaced.device->fName, QStringLiteral("IED1"));
    EXPECT_EQ(readBytes(catalog() + QStringLiteral("/feeder.icd")), feeder());
    EXPECT_EQ(asked, 3);
}

TEST_F(ClientProjectTest, AnImportThatFailsIsReportedAndLeavesTheCatalogAsItWas)
{
    // A file the parser rejects is not copied.
    TempFolder outside;
    const QString broken = outside.write(QStringLiteral("broken.icd"), "<SCL><IED");
    SclImport rejected = importSclFile(broken, catalog(), [] { return CatalogCopy::Overwrite; });
    EXPECT_EQ(rejected.device, nullptr);
    EXPECT_TRUE(rejected.error.startsWith(QStringLiteral("Error!!! The SCL file ") + broken + " cannot be read: "))
        << rejected.error.toStdString();
    EXPECT_FALSE(QFile::exists(catalog() + QStringLiteral("/broken.icd")));

    // A copy that cannot be written: no IED, the old copy untouched.
    putInCatalog(QStringLiteral("feeder.icd"), "old copy");
    platform::atomic_file_testing::setFailureHook(
        [](platform::atomic_file_testing::Step step, const QString&) {
            return step == platform::atomic_file_testing::Step::Replace ? EACCES : 0;
        });
    SclImport failed = importSclFile(fixture(QStringLiteral("feeder.icd")), catalog(),
                                     [] { return CatalogCopy::Overwrite; });
    platform::atomic_file_testing::setFailureHook({});
    EXPECT_EQ(failed.device, nullptr);
    EXPECT_TRUE(failed.error.startsWith(QStringLiteral("Error!!! The SCL file cannot be copied into the catalog: ")))
        << failed.error.toStdString();
    EXPECT_EQ(readBytes(catalog() + QStringLiteral("/feeder.icd")), "old copy");
    EXPECT_EQ(QDir(catalog()).entryList(QDir::Files), QStringList{"feeder.icd"}) << "no temporary file left";

    // A catalog folder that cannot be made.
    TempFolder other;
    other.write(QStringLiteral("ICD_Catalog"), "a file where the folder should be");
    SclImport noFolder = importSclFile(fixture(QStringLiteral("feeder.icd")), catalogFolder(other.path()),
                                       [] { return CatalogCopy::Overwrite; });
    EXPECT_EQ(noFolder.device, nullptr);
    EXPECT_EQ(noFolder.error, QStringLiteral("Error!!! The SCL file cannot be copied into the catalog: The folder ")
                                  + catalogFolder(other.path()) + QStringLiteral(" cannot be created"));

    // A source that cannot be opened.
    SclImport unreadable = importSclFile(outside.file(QStringLiteral("absent.icd")), catalog(),
                                         [] { return CatalogCopy::Overwrite; });
    EXPECT_EQ(unreadable.device, nullptr);
    EXPECT_FALSE(unreadable.error.isEmpty());
}

TEST(ClientSelections, AddVarRowsComeFromTheModel)
{
    const SclRead read = readSclFile(fixture(QStringLiteral("feeder.icd")));
    ASSERT_TRUE(read.ok());
    const TIEC_LN& mmxu1 = *read.device->List_LDevice[0]->List_LN[1];
    const TIEC_DA& f = *mmxu1.List_DO[0]->List_DA[0]->List_DA[0];
    ClientDaItem expected;
    expected.Index = QStringLiteral("2");
    expected.bType = QStringLiteral("FLOAT32");
    expected.fc = QStringLiteral("MX");
    expected.Reference = QStringLiteral("IED1LD0/MMXU1.TotW.mag.f");
    expected.OnChange = expected.OnCMD = expected.OnTimer = QStringLiteral("N");
    EXPECT_EQ(attributeItem(f, 2), expected);

    const TIEC_LN& lln0 = *read.device->List_LDevice[0]->List_LN[0];
    const ClientDataSetItem ds1 = dataSetItem(*lln0.List_DataSet[0], 0);
    EXPECT_EQ((QStringList{ds1.Index, ds1.Reference, ds1.GooseName, ds1.EnGoose, ds1.IPAddress, ds1.Mnemonic}),
              (QStringList{"0", "IED1LD0/LLN0.DS1", "", "N", "", ""}));
    const ClientDataSetItem ds2 = dataSetItem(*lln0.List_DataSet[1], 1);
    EXPECT_EQ((QStringList{ds2.GooseName, ds2.EnGoose}), (QStringList{"GoCB1", "Y"}));

    const auto selection = dataSetSelection(*lln0.List_DataSet[0]);
    ASSERT_EQ(selection->List_DAs.size(), 4u);
    EXPECT_EQ(selection->List_DAs[3].Select_DA, lln0.List_DataSet[0]->List_DA[3]);
    EXPECT_EQ(memberCells(selection->List_DAs[3], 4),
              (QStringList{"4", "Struct", "IED1LD0/MMXU1.phsA.cVal", "", "", "", "", ""}));
    TDataSet_DA& member = selection->List_DAs[0];
    for (int column = 0; column < 9; ++column)
        EXPECT_EQ(storeMemberCell(member, column, QStringLiteral("c%1").arg(column)), column >= 3 && column <= 7);
    EXPECT_EQ(memberCells(member, 1), (QStringList{"1", "Struct", "IED1LD0/MMXU1.TotW.mag", "c3", "c4", "c5", "c6", "c7"}));
}

TEST(ClientSelections, ATableIsWrittenWhenItHasMoreThanOneRowOrAnIndex)
{
    ClientDaItem empty;
    ClientDaItem used;
    used.Index = QStringLiteral("0");
    EXPECT_TRUE(itemsToWrite(std::vector<ClientDaItem>{empty}).empty());
    EXPECT_EQ(itemsToWrite(std::vector<ClientDaItem>{used}).size(), 1u);
    EXPECT_EQ(itemsToWrite(std::vector<ClientDaItem>{empty, empty}).size(), 2u) << "rows are not cut at an empty cell";
    EXPECT_TRUE(itemsToWrite(std::vector<ClientDaItem>{}).empty());
}

}  // namespace client_file_tests
