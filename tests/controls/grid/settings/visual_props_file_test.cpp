#include <gtest/gtest.h>

#include "controls/grid/grid_error.h"
#include "controls/grid/settings/visual_props_file.h"
#include "controls/grid/string_grid/ex_string_grid.h"
#include "support/temp_folder.h"

using namespace grid;
using testing_support::TempFolder;

namespace {

TCellFont cellFont(const char* name, int size, TFontStyles style, TColor color)
{
    TCellFont f;
    f.Name = QString::fromLatin1(name);
    f.Size = size;
    f.Style = style;
    f.Color = color;
    return f;
}

// Every property of the file away from its default (the look first: it
// rewrites colours).
void customize(TExStringGrid& g)
{
    g.SetLook(glWin7);
    g.SetColor(0x00F0F0F0);
    g.HintColor = clInfoBk;
    g.SelectionColor = 0x00123456;
    g.SelectionColorTo = clNone;
    g.SelectionMirrorColor = clRed;
    g.SelectionMirrorColorTo = 0x00ABCDEF;
    g.SelectionTextColor = clWhite;
    g.URLColor = clNavy;
    g.URLShow = true;
    g.URLShowInText = false;
    g.ScrollColor = clBtnFace;
    g.SetActiveRowColor(0x00E0FFFF);
    g.SetActiveRowShow(true);
    g.SetActiveCellShow(false);
    g.SetFont(cellFont("Segoe UI", 9, fsBold | fsUnderline, clWindowText));
    g.ActiveCellColor = clYellow;
    g.ActiveCellColorTo = 0x0000A5FF;
    g.SetActiveCellFont(cellFont("Verdana", 10, 0, clBlue));
    g.SetFixedFont(cellFont("Tahoma", 8, fsItalic | fsStrikeOut, clMaroon));
    g.Balloon().BackgroundColor = clSilver;
    g.Balloon().TextColor = clBlack;
    g.Balloon().Transparency = 200;
    g.Bands().SetPrimaryColor(0x00F5F5DC);
    g.Bands().SetSecondaryColor(clWindow);
    g.Bands().SetActive(true);
    g.SortSettings().IndexColor = clLime;
    g.FloatingFooter().SetColor(clGray);
    TControlLook& cl = g.ControlLook();
    cl.SetCheckSize(13);
    cl.SetColor(clGreen);
    cl.SetCommentColor(clFuchsia);
    cl.SetControlStyle(csFlat);
    cl.SetFixedGradientFrom(0x00FAFAFA);
    cl.SetFixedGradientTo(0x00C8C8C8);
    cl.SetRadioSize(11);
    cl.SetFlatButton(true);
    cl.ProgressBorderColor = clOlive;
    cl.SetProgressXP(true);
    g.SearchFooter().SetColor(0x00EEEEEE);
    g.SearchFooter().SetColorTo(clNone);
    TGrouping& gr = g.Grouping();
    gr.HeaderColor = clAqua;
    gr.HeaderColorTo = clTeal;
    gr.HeaderTextColor = clPurple;
    gr.HeaderUnderline = true;
    gr.HeaderLineColor = clBlue;
    gr.HeaderLineWidth = 3;
    gr.SummaryColor = 0x00DDDDDD;
    gr.SummaryColorTo = clNone;
    gr.SummaryTextColor = clBlack;
    gr.SummaryLine = false;
    gr.SummaryLineColor = clRed;
    gr.SummaryLineWidth = 1;
    g.SetGridLineColor(clSilver);
    g.SetGridFixedLineColor(clGray);
    g.BackGround().SetTop(5);
    g.BackGround().SetLeft(-7);
    g.BackGround().SetDisplay(paint::bdGradientVert);
    g.BackGround().SetCells(paint::bcAll);
    g.BackGround().SetColor(clWhite);
    g.BackGround().SetColorTo(clHighlight);
}

// The lines of the customized grid, worked out from the file's layout.
const char* const kCustomLines[] = {
    "Color=$00F0F0F0",
    "HintColor=clInfoBk",
    "SelectionColor=$00123456",
    "SelectionColorTo=clNone",
    "SelectionMirrorColor=clRed",
    "SelectionMirrorColorTo=$00ABCDEF",
    "SelectionTextColor=clWhite",
    "URLColor=clNavy",
    "URLShow=true",
    "URLShowInText=false",
    "ScrollColor=clBtnFace",
    "ActiveRowColor=$00E0FFFF",
    "ActiveRowShow=true",
    "ActiveCellShow=false",
    "Font.Color=clWindowText",
    "Font.Style=fsBold,fsUnderline",
    "Font.Size=9",
    "Font.Name=Segoe UI",
    "ActiveCellColor=clYellow",
    "ActiveCellColorTo=$0000A5FF",
    "ActiveCellFont.Color=clBlue",
    "ActiveCellFont.Style=",
    "ActiveCellFont.Size=10",
    "ActiveCellFont.Name=Verdana",
    "FixedFont.Color=clMaroon",
    "FixedFont.Style=fsItalic,fsStrikeOut",
    "FixedFont.Size=8",
    "FixedFont.Name=Tahoma",
    "Balloon.BackgroundColor=clSilver",
    "Balloon.TextColor=clBlack",
    "Balloon.Transparency=200",
    "Bands.PrimaryColor=$00F5F5DC",
    "Bands.SecondaryColor=clWindow",
    "Bands.Active=true",
    "SortSettings.IndexColor=clLime",
    "FloatingFooter.Color=clGray",
    "ControlLook.CheckSize=13",
    "ControlLook.Color=clGreen",
    "ControlLook.CommentColor=clFuchsia",
    "ControlLook.ControlStyle=csFlat",
    "ControlLook.FixedGradientFrom=$00FAFAFA",
    "ControlLook.FixedGradientTo=$00C8C8C8",
    "ControlLook.RadioSize=11",
    "ControlLook.FlatButton=true",
    "ControlLook.ProgressBorderColor=clOlive",
    "ControlLook.ProgressXP=true",
    "Look=glWin7",
    "SearchFooter.Color=$00EEEEEE",
    "SearchFooter.ColorTo=clNone",
    "Grouping.HeaderColor=clAqua",
    "Grouping.HeaderColorTo=clTeal",
    "Grouping.HeaderTextColor=clPurple",
    "Grouping.HeaderUnderline=true",
    "Grouping.HeaderLineColor=clBlue",
    "Grouping.HeaderLineWidth=3",
    "Grouping.SummaryColor=$00DDDDDD",
    "Grouping.SummaryColorTo=clNone",
    "Grouping.SummaryTextColor=clBlack",
    "Grouping.SummaryLine=false",
    "Grouping.SummaryLineColor=clRed",
    "Grouping.SummaryLineWidth=1",
    "GridLineColor=clSilver",
    "GridFixedLineColor=clGray",
    "BackGround.Top=5",
    "BackGround.Left=-7",
    "BackGround.Display=bdGradientVert",
    "BackGround.Cells=bcAll",
    "BackGround.Color=clWhite",
    "BackGround.ColorTo=clHighlight",
};

QByteArray customFile()
{
    QByteArray file;
    for (const char* line : kCustomLines) file += QByteArray(line) + "\r\n";
    return file;
}

// The file with one line replaced (key given without its "=").
QByteArray withLine(const char* key, const char* line)
{
    QByteArray file;
    const QByteArray prefix = QByteArray(key) + '=';
    for (const char* l : kCustomLines) file += (QByteArray(l).startsWith(prefix) ? QByteArray(line) : QByteArray(l)) + "\r\n";
    return file;
}

// The message of the EExGridError the call raises; empty when none.
template <typename Call> QString errorOf(Call call)
{
    try {
        call();
    } catch (const EExGridError& e) {
        return QString::fromUtf8(e.what());
    }
    return QString();
}

}  // namespace

TEST(VisualPropsFile, WritesSixtyNineLinesInKeyOrder)
{
    TempFolder folder;
    TExStringGrid g;
    customize(g);
    ASSERT_EQ(std::size(kCustomLines), 69u);
    g.SaveVisualProps(folder.file("look.txt"));
    EXPECT_EQ(folder.read("look.txt"), customFile());
}

TEST(VisualPropsFile, ReadBackEveryPropertyKeepsItsValue)
{
    TempFolder folder;
    const QString path = folder.write("look.txt", customFile());

    // Into a fresh grid of the same look, and into the saving grid itself
    // after every value was changed (its look unchanged).
    TExStringGrid fresh;
    fresh.SetLook(glWin7);
    fresh.LoadVisualProps(path);
    EXPECT_EQ(VisualPropsFile(fresh), customFile());

    TExStringGrid same;
    customize(same);
    same.SetColor(clBlack);
    same.ControlLook().SetFixedGradientFrom(clRed);
    same.ControlLook().SetFixedGradientTo(clRed);
    same.SetFont(cellFont("Arial", 20, fsItalic, clRed));
    same.BackGround().SetDisplay(paint::bdTile);
    same.Grouping().HeaderLineWidth = 9;
    same.Balloon().Transparency = 1;
    same.LoadVisualProps(path);
    EXPECT_EQ(VisualPropsFile(same), customFile());
    EXPECT_EQ(same.ControlLook().FixedGradientFrom(), TColor(0x00FAFAFA));
    EXPECT_EQ(same.ControlLook().FixedGradientTo(), TColor(0x00C8C8C8));
}

TEST(VisualPropsFile, ReadingRulesForEmptyMissingAndOddValues)
{
    TempFolder folder;
    // Only the integers (which may not be missing), an empty look, keys in
    // other cases, a repeated key (the first counts), odd Booleans and
    // enumerations, style names inside other text.
    const QByteArray file =
        "font.size=12\r\nFont.Size=99\r\nACTIVECELLFONT.SIZE=7\r\nFixedFont.Size=$0A\r\nBalloon.Transparency=0\r\n"
        "ControlLook.CheckSize=15\r\nControlLook.RadioSize=10\r\nGrouping.HeaderLineWidth=2\r\n"
        "Grouping.SummaryLineWidth=2\r\nBackGround.Top=0\r\nBackGround.Left=0\r\n"
        "Look=\r\nURLShow=TRUE\r\nActiveRowShow=yes\r\nBands.Active=True\r\nControlLook.ControlStyle=CSWINXP\r\n"
        "BackGround.Display=bdNothing\r\nFont.Style=[fsItalic] fsbold\r\nColor=16711680\r\nHintColor=clinfotext\r\n"
        "Font.Name=\r\nFixedFont.Name= Courier\r\n";
    const QString path = folder.write("few.txt", file);
    TExStringGrid g;
    customize(g);
    g.LoadVisualProps(path);
    EXPECT_EQ(g.Look(), glWin7);  // empty look: unchanged
    EXPECT_EQ(g.Font().Size, 12);
    EXPECT_EQ(g.ActiveCellFont().Size, 7);
    EXPECT_EQ(g.FixedFont().Size, 10);
    EXPECT_TRUE(g.URLShow);
    EXPECT_FALSE(g.ActiveRowShow());  // only "true" in any case is true
    EXPECT_TRUE(g.Bands().Active());
    EXPECT_FALSE(g.ControlLook().FlatButton());  // missing: false
    EXPECT_EQ(g.ControlLook().ControlStyle(), csWinXP);
    EXPECT_EQ(g.BackGround().Display(), paint::bdGradientVert);  // no such identifier: unchanged
    EXPECT_EQ(g.Font().Style, fsItalic);  // names with their case: "fsbold" is none
    EXPECT_EQ(g.Color(), TColor(0x00FF0000));
    EXPECT_EQ(g.HintColor, clInfoText);
    EXPECT_EQ(g.Font().Name, "Segoe UI");  // empty name: unchanged
    EXPECT_EQ(g.FixedFont().Name, " Courier");
    // Missing colours are clNone.
    for (TColor c : {g.SelectionColor, g.URLColor, g.Grouping().HeaderLineColor, g.BackGround().ColorTo(),
                     g.SortSettings().IndexColor, g.ControlLook().ProgressBorderColor})
        EXPECT_EQ(c, clNone);
}

TEST(VisualPropsFile, FontStyleReplacesTheStyle)
{
    TempFolder folder;
    TExStringGrid g;
    customize(g);  // a bold, underlined font
    g.LoadVisualProps(folder.write("look.txt", withLine("Font.Style", "Font.Style=fsItalic")));
    EXPECT_EQ(g.Font().Style, fsItalic);
}

TEST(VisualPropsFile, ALookOtherThanTheGridsRewritesColoursAppliedBeforeIt)
{
    TempFolder folder;
    TExStringGrid g;
    customize(g);
    g.SetLook(glSoft);
    g.LoadVisualProps(folder.write("look.txt", customFile()));
    EXPECT_EQ(g.Look(), glWin7);
    // The gradient colours come before the look in the file; the look
    // setter clears them.
    EXPECT_EQ(g.ControlLook().FixedGradientFrom(), clNone);
    // Grid lines and the values after the look stay as the file says.
    EXPECT_EQ(g.GridLineColor(), clSilver);
    EXPECT_EQ(g.Grouping().HeaderColor, clAqua);
}

TEST(VisualPropsFile, BadValuesAndFilesRaiseAndChangeNothing)
{
    TempFolder folder;
    struct Case {
        const char* key;
        const char* line;
        const char* message;
    };
    const Case cases[] = {
        {"Font.Size", "Font.Size=big", "'big' is not a valid integer value (Font.Size)"},
        {"BackGround.Left", "BackGround.Left=", "'' is not a valid integer value (BackGround.Left)"},
        {"Balloon.Transparency", "Balloon.Transparency=256", "'256' is not a valid integer value (Balloon.Transparency)"},
        {"FixedFont.Size", "FixedFont.Size=0", "'0' is not a valid integer value (FixedFont.Size)"},
        {"Grouping.SummaryLineWidth", "Other=1", "'' is not a valid integer value (Grouping.SummaryLineWidth)"},
        {"GridLineColor", "GridLineColor=clMauve", "'clMauve' is not a valid colour value (GridLineColor)"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        TExStringGrid g;
        g.SetLook(glWin7);
        const QByteArray before = VisualPropsFile(g);
        const QString path = folder.write("bad.txt", withLine(c.key, c.line));
        EXPECT_EQ(errorOf([&] { g.LoadVisualProps(path); }), QString::fromLatin1(c.message));
        EXPECT_EQ(VisualPropsFile(g), before);
    }

    TExStringGrid g;
    const QString missing = folder.file("none.txt");
    EXPECT_EQ(errorOf([&] { g.LoadVisualProps(missing); }), "Cannot open file " + missing);
    const QString noFolder = folder.file("no/such/folder/look.txt");
    EXPECT_EQ(errorOf([&] { g.SaveVisualProps(noFolder); }), "Cannot Create " + noFolder);
}

TEST(VisualPropsFile, FontNamesBeyondWindows1252MakeTheFileUtf8)
{
    TempFolder folder;
    TExStringGrid g;
    TCellFont f = g.Font();
    f.Name = QString::fromUtf8("\xE5\xAE\x8B\xE4\xBD\x93");  // two CJK characters
    g.SetFont(f);
    g.SaveVisualProps(folder.file("look.txt"));
    const QByteArray bytes = folder.read("look.txt");
    EXPECT_TRUE(bytes.startsWith("\xEF\xBB\xBF"));
    TExStringGrid other;
    other.LoadVisualProps(folder.file("look.txt"));
    EXPECT_EQ(other.Font().Name, f.Name);
}
