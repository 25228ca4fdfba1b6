#include <gtest/gtest.h>

#include <QDir>
#include <QSettings>

#include "controls/grid/column_grid/ex_column_grid.h"
#include "controls/grid/grid_error.h"
#include "controls/grid/string_grid/ex_string_grid.h"
#include "support/grid_column_layout.h"
#include "support/temp_folder.h"

using namespace grid;
using testing_support::TempFolder;

using column_layout::makeColumns;

namespace {

QString headers(const TExStringGrid& g) { return column_layout::columnNames(g); }
std::vector<int> widths(const TExStringGrid& g) { return column_layout::displayWidths(g); }


void useIni(TExStringGrid& g, const QString& path, const QString& section = "Grid")
{
    g.ColumnSize().Location = clIniFile;
    g.ColumnSize().Key = path;
    g.ColumnSize().Section = section;
}

// The native settings store ("registry") of this test lives in the folder.
void useRegistry(TExStringGrid& g, const TempFolder& folder)
{
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder.path());
    g.ColumnSize().Location = clRegistry;
    g.ColumnSize().Key = "Software\\Maker\\Configurator";
    g.ColumnSize().Section = "MainGrid";
}

}  // namespace

TEST(ColumnSizeStore, WidthsInAnIniSectionKeepTheRestOfTheFile)
{
    TempFolder folder;
    const QString ini = folder.write("grid.ini", "[Other]\r\nCol0=1\r\n[Grid]\r\nCol9=5\r\nKeep=x\r\n\r\n[Last]\r\n");
    TExStringGrid g;
    makeColumns(g, {64, 80, 100});
    useIni(g, ini);
    g.SaveColSizes();
    // Every display column as "Col<c>"; a width left from more columns goes.
    EXPECT_EQ(folder.read("grid.ini"),
              "[Other]\r\nCol0=1\r\n[Grid]\r\nKeep=x\r\nCol0=64\r\nCol1=80\r\nCol2=100\r\n\r\n[Last]\r\n");

    TExStringGrid other;
    makeColumns(other, {1, 2, 3, 4});
    useIni(other, ini, "grid");
    other.LoadColSizes();
    EXPECT_EQ(widths(other), (std::vector<int>{64, 80, 100, 4}));  // a missing value keeps the width

    // Values that are no widths keep the width too.
    other.ColumnSize().Key = folder.write("odd.ini", "[Grid]\r\nCol0=x\r\nCol1=-20\r\nCol2=40000\r\nCol3=$10\r\n");
    other.LoadColSizes();
    EXPECT_EQ(widths(other), (std::vector<int>{64, 80, 100, 16}));
}

TEST(ColumnSizeStore, NoKeyOrSectionTouchesNoStorage)
{
    TempFolder folder;
    for (const auto& [key, section] : {std::pair{QString(), QString("Grid")}, std::pair{folder.file("g.ini"), QString()}}) {
        TExStringGrid g;
        makeColumns(g, {10, 20});
        g.MoveColumn(1, 0);
        useIni(g, key, section);
        g.SaveColSizes();
        g.SaveColPositions();
        g.LoadColSizes();
        g.LoadColPositions();
        EXPECT_EQ(headers(g), "c1 c0");
    }
    EXPECT_TRUE(QDir(folder.path()).isEmpty());
}

TEST(ColumnSizeStore, PositionsRoundTripAndKeepHiddenColumns)
{
    TempFolder folder;
    const QString ini = folder.file("grid.ini");
    {
        TExStringGrid g;
        makeColumns(g, {10, 20, 30, 40});
        g.MoveColumn(3, 0);
        g.MoveColumn(2, 1);
        useIni(g, ini);
        g.SaveColPositions();
        EXPECT_EQ(headers(g), "c3 c1 c0 c2");
    }
    EXPECT_EQ(QSettings(ini, QSettings::IniFormat).value("Grid/Pos1").toInt(), 1);

    TExStringGrid fresh;
    makeColumns(fresh, {10, 20, 30, 40});
    fresh.MoveColumn(0, 3);  // the stored order counts from the design-time order
    fresh.HideColumn(1);
    useIni(fresh, ini);
    fresh.LoadColPositions();
    // The column hidden at storage position 1 is hidden there again.
    EXPECT_EQ(headers(fresh), "c3 [c1] c0 c2");
    EXPECT_EQ(fresh.ColumnStatesToString().section('#', 2, 2), "3,1,0,2");
}

TEST(ColumnSizeStore, PositionsThatAreNoOrderChangeNothing)
{
    TempFolder folder;
    const QByteArray files[] = {
        "[Grid]\r\nPos1=0\r\n",                            // no Pos0
        "[Grid]\r\nPos0=-1\r\nPos1=0\r\n",                 // Pos0 says none
        "[Grid]\r\nPos0=1\r\nPos1=1\r\nPos2=0\r\n",         // a column twice
        "[Grid]\r\nPos0=1\r\nPos1=0\r\n",                   // a column missing
        "[Grid]\r\nPos0=1\r\nPos1=0\r\nPos2=3\r\n",         // no such column
    };
    for (const QByteArray& file : files) {
        SCOPED_TRACE(file.toStdString());
        TExStringGrid g;
        makeColumns(g, {10, 20, 30});
        g.MoveColumn(2, 0);
        useIni(g, folder.write("grid.ini", file));
        g.LoadColPositions();
        EXPECT_EQ(headers(g), "c2 c0 c1");
    }
}

TEST(ColumnSizeStore, RegistryKeepsWidthsAndPositions)
{
    TempFolder folder;
    {
        TExStringGrid g;
        makeColumns(g, {11, 22, 33});
        g.MoveColumn(0, 2);
        useRegistry(g, folder);
        g.SaveColSizes();
        g.SaveColPositions();
    }
    QSettings registry(QSettings::NativeFormat, QSettings::UserScope, "configurator", "registry");
    EXPECT_EQ(registry.value("Software/Maker/Configurator/MainGrid/Col1").toInt(), 33);
    EXPECT_EQ(registry.value("Software/Maker/Configurator/MainGrid/Pos2").toInt(), 0);

    TExStringGrid g;
    makeColumns(g, {1, 2, 3});
    useRegistry(g, folder);
    g.LoadColPositions();
    g.LoadColSizes();
    EXPECT_EQ(headers(g), "c1 c2 c0");
    EXPECT_EQ(widths(g), (std::vector<int>{22, 33, 11}));
}

TEST(ColumnSizeStore, GridKeepsWidthsOnItsOwnWhenAskedTo)
{
    TempFolder folder;
    const QString ini = folder.file("grid.ini");
    {
        TExStringGrid g;
        makeColumns(g, {15, 25});
        useIni(g, ini);
        g.ColumnSize().Save = true;
    }  // destroyed: the widths are saved
    EXPECT_EQ(folder.read("grid.ini"), "[Grid]\r\nCol0=15\r\nCol1=25\r\n");

    TExStringGrid loaded;
    makeColumns(loaded, {1, 1});
    useIni(loaded, ini);
    loaded.ColumnSize().Save = true;
    loaded.BeginLoading();
    loaded.Loaded();
    EXPECT_EQ(widths(loaded), (std::vector<int>{15, 25}));

    TExStringGrid shown;
    makeColumns(shown, {1, 1});
    useIni(shown, ini);
    shown.ColumnSize().Save = true;
    shown.show();
    EXPECT_EQ(widths(shown), (std::vector<int>{15, 25}));
    shown.hide();

    // Without Save nothing is written.
    {
        TExStringGrid quiet;
        makeColumns(quiet, {99, 99});
        useIni(quiet, ini);
    }
    EXPECT_EQ(folder.read("grid.ini"), "[Grid]\r\nCol0=15\r\nCol1=25\r\n");
}

TEST(ColumnSizeStore, StorageThatFailsRaisesWhenAskedAndIsReportedWhenAutomatic)
{
    TempFolder folder;
    TExStringGrid g;
    makeColumns(g, {10, 20});
    useIni(g, folder.file("no such folder/grid.ini"));
    EXPECT_THROW(g.SaveColSizes(), EExGridError);
    EXPECT_NO_THROW(g.LoadColSizes());  // a file that is not there holds no widths
    {
        TExStringGrid automatic;
        useIni(automatic, folder.file("no such folder/grid.ini"));
        automatic.ColumnSize().Save = true;
    }  // the destructor does not throw
}

TEST(ColumnSizeStore, ColumnGridKeepsPositionsAsCpKeysInIniFiles)
{
    TempFolder folder;
    const QString ini = folder.file("grid.ini");
    TExColumnGrid g;
    g.Columns().SetOrganization();
    g.MoveColumn(3, 1);
    useIni(g, ini, "Columns");
    g.SaveColPositions();
    EXPECT_EQ(folder.read("grid.ini"), "[Columns]\r\nCP0=0\r\nCP1=3\r\nCP2=1\r\nCP3=2\r\nCP4=4\r\n");

    TExColumnGrid fresh;
    for (int c = 0; c < fresh.Columns().Count(); ++c) fresh.Columns()[c]->Name = QString("col%1").arg(c);
    fresh.Columns().SetOrganization();
    useIni(fresh, ini, "Columns");
    fresh.LoadColPositions();
    QStringList names;
    for (int c = 0; c < fresh.Columns().Count(); ++c) names << fresh.Columns()[c]->Name;
    EXPECT_EQ(names, (QStringList{"col0", "col3", "col1", "col2", "col4"}));

    // In the registry the column grid keeps the string grid's "Pos" values.
    TExColumnGrid reg;
    reg.Columns().SetOrganization();
    reg.MoveColumn(4, 0);
    useRegistry(reg, folder);
    reg.SaveColPositions();
    QSettings registry(QSettings::NativeFormat, QSettings::UserScope, "configurator", "registry");
    EXPECT_EQ(registry.value("Software/Maker/Configurator/MainGrid/Pos0").toInt(), 4);
}
