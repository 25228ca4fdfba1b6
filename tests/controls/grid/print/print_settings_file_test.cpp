#include <gtest/gtest.h>

#include "controls/grid/grid_error.h"
#include "controls/grid/print/print_settings.h"
#include "controls/grid/print/print_settings_file.h"
#include "controls/grid/string_grid/ex_string_grid.h"
#include "support/temp_folder.h"

using namespace grid;
using testing_support::TempFolder;

namespace {

platform::TFont font(const char* family, int size, TColor color)
{
    QFont f{QString::fromLatin1(family)};
    f.setPointSize(size);
    return platform::TFont(f, color);
}

// Every stored setting away from its default.
void fillSettings(TPrintSettings& s)
{
    s.ColumnSpacing = 30;
    s.RowSpacing = 25;
    s.TitleSpacing = 15;
    s.FixedHeight = 70;
    s.FixedWidth = 200;
    s.Centered = false;
    s.NoAutoSize = true;
    s.UseFixedHeight = true;
    s.RepeatFixedRows = true;
    s.UseDisplayFont = false;
    s.UseDefaultOrientation = true;
    s.Borders = pbAround;
    s.BorderColor = clRed;
    s.BorderStyle = psDot;
    s.Date = ppTopLeft;
    s.PageNr = ppBottomRight;
    s.Title = ppTopCenter;
    s.Time = ppBottomLeft;
    s.DateFormat = QStringLiteral("yyyy-mm-dd");
    s.TitleText = QStringLiteral(" Report ");
    s.FooterSize = 110;
    s.HeaderSize = 120;
    s.LeftSize = 130;
    s.RightSize = 140;
    s.FitToPage = fpShrink;
    s.Font = font("Arial", 11, clBlue);
    s.Font.setBold(true);
    s.Font.setItalic(true);
    s.HeaderFont = font("Courier New", 9, clBlack);
    s.HeaderFont.setUnderline(true);
    s.FooterFont = font("Times", 12, clWindowText);
    s.FooterFont.setStrikeOut(true);
    s.PageNumSep = QStringLiteral(" of ");
    s.PageSuffix = QStringLiteral(")");
    s.PagePrefix = QStringLiteral("(");
    s.Orientation = poLandscape;
    s.TitleLines = {QStringLiteral("A"), QStringLiteral("B\\C")};
    s.PrintGraphics = true;
}

}  // namespace

TEST(PrintSettingsFile, WritesTheSectionsLinesAndKeepsTheRestOfTheFile)
{
    TempFolder folder;
    const QString path = folder.write("print.ini", "[Other]\r\nKey=1\r\n[Print]\r\nCustom=keep\r\ncentered=Y\r\n\r\n[Last]\r\nX=2\r\n");
    TExStringGrid g;
    fillSettings(g.PrintSettings());
    g.SavePrintSettings(path, "print");

    // Worked out from the file's layout: keys in their order, yes/no as Y/N,
    // enumerations as ordinals, colours as signed values (clWindowText is
    // 0xFF000008), style bits 1 bold + 2 italic, 4 underline, 8 strike-out,
    // texts with blanks at their ends quoted, title lines joined by \n with
    // the backslash of the text doubled.
    const QByteArray expected =
        "[Other]\r\nKey=1\r\n[Print]\r\nCustom=keep\r\n"
        "ColumnSpacing=30\r\nRowSpacing=25\r\nTitleSpacing=15\r\nFixedHeight=70\r\nFixedWidth=200\r\n"
        "Centered=N\r\nNoAutoSize=Y\r\nUseFixedHeight=Y\r\nUseFixedWidth=N\r\nRepeatFixedRows=Y\r\n"
        "RepeatFixedCols=N\r\nUseDisplFont=N\r\nUseDefOrientation=Y\r\n"
        "Borders=5\r\nBorderColor=255\r\nBorderStyle=2\r\nDate=1\r\nPageNr=5\r\nTitle=3\r\nTime=4\r\n"
        "DateFormat=yyyy-mm-dd\r\nTitleText=\" Report \"\r\n"
        "FooterSize=110\r\nHeaderSize=120\r\nLeftSize=130\r\nRightSize=140\r\nFitToPage=2\r\n"
        "FontName=Arial\r\nFontSize=11\r\nFontStyle=3\r\nFontColor=16711680\r\n"
        "HeaderFontName=Courier New\r\nHeaderFontSize=9\r\nHeaderFontStyle=4\r\nHeaderFontColor=0\r\n"
        "FooterFontName=Times\r\nFooterFontSize=12\r\nFooterFontStyle=8\r\nFooterFontColor=-16777208\r\n"
        "PageNumSep=\" of \"\r\nPageSuffix=)\r\nPagePrefix=(\r\nOrientation=1\r\n"
        "TitleLines=A\\nB\\\\C\r\nPrintGraphics=Y\r\n"
        "\r\n[Last]\r\nX=2\r\n";
    EXPECT_EQ(folder.read("print.ini"), expected);
    EXPECT_EQ(PrintSettingsValues(g.PrintSettings()).size(), 45u);

    // Read back into fresh settings: the same lines again.
    TExStringGrid other;
    other.LoadPrintSettings(path, "PRINT");
    const auto written = PrintSettingsValues(g.PrintSettings());
    const auto read = PrintSettingsValues(other.PrintSettings());
    ASSERT_EQ(read.size(), written.size());
    for (size_t i = 0; i < read.size(); ++i) {
        EXPECT_EQ(read[i].Key, written[i].Key);
        EXPECT_EQ(read[i].Value, written[i].Value) << read[i].Key.toStdString();
    }
    EXPECT_EQ(other.PrintSettings().TitleLines, (QStringList{"A", "B\\C"}));
    EXPECT_EQ(other.PrintSettings().TitleText, " Report ");
    EXPECT_EQ(other.PrintSettings().PageNumSep, " of ");
}

TEST(PrintSettingsFile, MissingValuesTakeTheirDefaults)
{
    TempFolder folder;
    for (const QString& path : {folder.file("none.ini"), folder.write("empty.ini", "[Print]\r\n"),
                                folder.write("other.ini", "[Other]\r\nCentered=N\r\n")}) {
        SCOPED_TRACE(path.toStdString());
        TExStringGrid g;
        TPrintSettings& s = g.PrintSettings();
        fillSettings(s);
        s.JobName = QStringLiteral("job");
        s.PageNumberOffset = 3;
        g.LoadPrintSettings(path, "Print");
        for (int margin : {s.FooterSize, s.HeaderSize, s.LeftSize, s.RightSize}) EXPECT_EQ(margin, 100);
        for (int spacing : {s.ColumnSpacing, s.RowSpacing, s.TitleSpacing}) EXPECT_EQ(spacing, 20);
        EXPECT_EQ(s.FixedHeight, 0);
        EXPECT_TRUE(s.Centered);
        for (bool b : {s.NoAutoSize, s.UseFixedHeight, s.UseFixedWidth, s.RepeatFixedRows, s.RepeatFixedCols,
                       s.UseDisplayFont, s.UseDefaultOrientation, s.PrintGraphics})
            EXPECT_FALSE(b);
        EXPECT_EQ(s.Borders, pbNoborder);
        EXPECT_EQ(s.BorderStyle, psSolid);
        EXPECT_EQ(s.BorderColor, TColor(0));
        for (TPrintPosition p : {s.Date, s.PageNr, s.Title, s.Time}) EXPECT_EQ(p, ppNone);
        EXPECT_EQ(s.FitToPage, fpNever);
        EXPECT_EQ(s.Orientation, poPortrait);
        for (QString text : {s.DateFormat, s.TitleText, s.PageNumSep, s.PageSuffix, s.PagePrefix})
            EXPECT_TRUE(text.isEmpty());
        EXPECT_TRUE(s.TitleLines.isEmpty());
        for (const platform::TFont* f : {&s.Font, &s.HeaderFont, &s.FooterFont}) {
            EXPECT_EQ(f->family(), "Arial");
            EXPECT_EQ(f->pointSize(), 10);
            EXPECT_EQ(f->Color, TColor(0));
        }
        // A missing style removes none: the bold italic font stays so.
        EXPECT_TRUE(s.Font.bold() && s.Font.italic());
        // Not stored, so not touched.
        EXPECT_EQ(s.JobName, "job");
        EXPECT_EQ(s.PageNumberOffset, 3);
    }
    EXPECT_FALSE(QFile::exists(folder.file("none.ini")));  // loading writes nothing
}

TEST(PrintSettingsFile, ReadingRulesForYesNoOrdinalsStylesAndNumbers)
{
    TempFolder folder;
    const QString path = folder.write("p.ini",
                                      "[P]\r\nCentered=y\r\nPrintGraphics=Y\r\nBorders=9\r\nBorderStyle=-1\r\n"
                                      "FitToPage=4\r\nOrientation=2\r\nDate=7\r\nTime=6\r\nPageNr=0\r\n"
                                      "FontStyle=2\r\nHeaderFontStyle=12\r\nRowSpacing=abc\r\nFooterSize= 35\r\n"
                                      "TitleLines=\"one\\n two \"\r\nFooterFontSize=0\r\n");
    TExStringGrid g;
    TPrintSettings& s = g.PrintSettings();
    s.Borders = pbDouble;
    s.BorderStyle = psDash;
    s.Orientation = poLandscape;
    s.Font.setBold(true);
    s.FooterFont.setPointSize(14);
    g.LoadPrintSettings(path, "P");
    EXPECT_FALSE(s.Centered);  // only "Y" is yes
    EXPECT_TRUE(s.PrintGraphics);
    EXPECT_EQ(s.Borders, pbDouble);  // out of range: unchanged
    EXPECT_EQ(s.BorderStyle, psDash);
    EXPECT_EQ(s.FitToPage, fpCustom);
    EXPECT_EQ(s.Orientation, poLandscape);
    EXPECT_EQ(s.Date, ppNone);  // positions outside 1..6 are none
    EXPECT_EQ(s.Time, ppBottomCenter);
    EXPECT_EQ(s.PageNr, ppNone);
    EXPECT_TRUE(s.Font.bold() && s.Font.italic());  // style bits add
    EXPECT_TRUE(s.HeaderFont.underline() && s.HeaderFont.strikeOut() && !s.HeaderFont.bold());
    EXPECT_EQ(s.RowSpacing, 20);  // no number: the default
    EXPECT_EQ(s.FooterSize, 35);
    EXPECT_EQ(s.TitleLines, (QStringList{"one", " two "}));
    EXPECT_EQ(s.FooterFont.pointSize(), 14);  // no font has size 0
}

TEST(PrintSettingsFile, UnreadableOrUnwritableFilesRaise)
{
    TempFolder folder;
    TExStringGrid g;
    EXPECT_THROW(g.SavePrintSettings(folder.file("missing/dir/p.ini"), "P"), EExGridError);
    const QString locked = folder.write("locked.ini", "[P]\r\nCentered=N\r\n");
    QFile::setPermissions(locked, QFileDevice::Permissions());
    if (!QFile(locked).open(QIODevice::ReadOnly)) {  // not when running with every right
        EXPECT_THROW(g.LoadPrintSettings(locked, "P"), EExGridError);
        EXPECT_THROW(g.SavePrintSettings(locked, "P"), EExGridError);
    }
    QFile::setPermissions(locked, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
}
