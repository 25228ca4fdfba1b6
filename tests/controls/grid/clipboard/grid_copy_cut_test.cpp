// Copying and cutting a grid's cells: the text of a rectangle, the formats
// put on the clipboard, the HTML description, the cuts and their undo.

#include <gtest/gtest.h>

#include <QDir>

#include "clipboard_grid_support.h"
#include "support/qt_printers.h"
#include "controls/grid/cells/cell_graphic.h"
#include "controls/grid/cells/grid_undo.h"
#include "controls/grid/clipboard/clipboard_html.h"
#include "controls/grid/clipboard/grid_clipboard.h"
#include "controls/grid/dragdrop/drop_formats.h"
#include "controls/grid/io/grid_html_export.h"
#include "platform/rtf.h"
#include "support/temp_folder.h"

using namespace grid;
using clipboard_test::TRecordingGrid;

namespace grid_copy_cut_test {

TEST(GridCopy, RectangleTextEndsEveryRowOfABlockButNotASingleRow)
{
    TRecordingGrid g;
    g.SetCellEx(1, 1, "a");
    g.SetCellEx(2, 1, "b");
    g.SetCellEx(1, 2, "c");
    g.SetCellEx(2, 2, "d");
    EXPECT_EQ(g.GetRectAsText({1, 1, 2, 2}, false), "a\tb\r\nc\td\r\n");
    EXPECT_EQ(g.GetRectAsText({1, 1, 2, 1}, false), "a\tb");
    g.SetSelection({2, 2, 2, 2});
    EXPECT_EQ(g.GetSelectionAsText(), "d");
}

TEST(GridCopy, MergedAndHiddenCellsAndSpecialTexts)
{
    TRecordingGrid g;
    g.MergeCells(1, 1, 2, 1);  // (1,1) spans columns 1 and 2
    g.SetCellEx(1, 1, "merged");
    g.SetCellEx(3, 1, "two\r\nlines");
    g.SetCellEx(4, 1, "<b>x</b>");
    g.SetCellEx(1, 2, "a\rb");
    g.SetCellEx(2, 2, "say \"hi\"\nthere");
    g.SetCellEx(3, 2, "{\\rtf1 rich\\par text}");
    g.SetCellEx(4, 2, "");
    g.AddCheckBox(4, 2, true, false);
    EXPECT_EQ(g.GetRectAsText({1, 1, 4, 2}, false),
              "merged\t\t\"two\nlines\"\t<b>x</b>\r\n"
              "\"a\nb\"\t\"say \"\"hi\"\"\nthere\"\t\"rich\ntext\"\tY\r\n");

    g.Navigation().CopyHTMLTagsToClipboard = false;
    EXPECT_EQ(g.GetRectAsText({4, 1, 4, 1}, false), "x");

    // A hidden column is left out: display columns are copied.
    g.HideColumn(2);
    EXPECT_EQ(g.GetRectAsText({1, 2, 2, 2}, false), "\"a\nb\"\t\"rich\ntext\"");
}

TEST(GridCopy, SelectionOverAMergedCellIsExtendedToTheWholeCell)
{
    TRecordingGrid g;
    g.MergeCells(2, 2, 2, 2);
    g.SetSelection({3, 3, 4, 4});
    g.CopySelectionToClipboard();
    EXPECT_EQ(g.Selection(), (platform::TGridRect{2, 2, 4, 4}));
}

TEST(GridCopy, DisjunctRowsAreCopiedOverAllNormalColumns)
{
    TRecordingGrid g;
    g.MouseActions().SetDisjunctRowSelect(true);
    g.SetRowSelect(2, true);
    g.SetRowSelect(5, true);
    g.CopySelectionToClipboard();
    EXPECT_EQ(clipboard_test::clipboardText(), "1,2\t2,2\t3,2\t4,2\t5,2\r\n1,5\t2,5\t3,5\t4,5\t5,5\r\n");
}

TEST(GridCopy, FormatsOnTheClipboard)
{
    TRecordingGrid g;
    g.SetCellEx(1, 1, "{\\rtf1 rich}");
    g.SetSelection({1, 1, 2, 1});
    g.CopySelectionToClipboard();
    const QMimeData* data = QApplication::clipboard()->mimeData();
    EXPECT_EQ(data->formats(), QStringList({MimeText}));

    g.Navigation().AllowRTFClipboard = true;
    g.Navigation().AllowFmtClipboard = true;
    g.CopySelectionToClipboard();
    data = QApplication::clipboard()->mimeData();
    EXPECT_EQ(data->text(), "rich\t2,1");
    EXPECT_TRUE(data->hasFormat(MimeGridCells));
    ASSERT_TRUE(data->hasFormat(MimeRtf));
    EXPECT_EQ(platform::ReadRtf(data->data(MimeRtf)).PlainText(), "rich");

    // No rich text on the clipboard for a plain top-left cell.
    g.SetSelection({2, 1, 2, 1});
    g.CopySelectionToClipboard();
    EXPECT_FALSE(QApplication::clipboard()->mimeData()->hasFormat(MimeRtf));
}

TEST(GridCopy, HtmlDescriptionOffsetsPointAtTheDocumentAndTheFragment)
{
    // Header 97 bytes; "<!DOCTYPE ...>" 62; the head up to the fragment 110
    // (charset=utf-8); the fragment 15; "<!--EndFragment--></body></html>" 32.
    const QByteArray text = clipboard::HtmlClipboardText("<table></table>");
    const QByteArray expected =
        "Version:1.0\r\n"
        "StartHTML:00000097\r\n"
        "EndHTML:00000316\r\n"
        "StartFragment:00000269\r\n"
        "EndFragment:00000284\r\n"
        "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.0 Transitional//EN\">"
        "<html><head><META http-equiv=Content-Type content=\"text/html; charset=utf-8\"></head><body>"
        "<!--StartFragment--><table></table><!--EndFragment--></body></html>";
    EXPECT_EQ(text, expected);

    // Offsets count bytes: a fragment of non-ASCII text moves them by its UTF-8 size.
    const QByteArray wide = clipboard::HtmlClipboardText(QString("<td>\u00e4\u20ac</td>").toUtf8());
    EXPECT_TRUE(wide.contains("EndFragment:00000283\r\n"));  // 269 + 4 + 2 + 3 + 5
    EXPECT_TRUE(wide.contains("EndHTML:00000315\r\n"));
    EXPECT_EQ(wide.indexOf("<td>"), 269);
}

TEST(GridCopy, HtmlCopyPutsTheDescriptionAsHtmlAndTextAndWritesNoPictureFiles)
{
    testing_support::TempFolder folder;
    const QString before = QDir::currentPath();
    QDir::setCurrent(folder.path());
    TRecordingGrid g(2, 2);
    g.SetCellEx(1, 1, "a<b");
    QImage image(6, 4, QImage::Format_RGB32);
    image.fill(Qt::red);
    g.CreateCellGraphic(0, 1)->SetCellType(ctPicture);
    g.GetGraphicObjectEx(0, 1)->AdoptCellBitmap(std::make_unique<QImage>(image));
    g.HTMLSettings.ExportImages = true;
    g.CopyToClipBoardAsHTML();
    QDir::setCurrent(before);
    const QMimeData* data = QApplication::clipboard()->mimeData();
    const QByteArray html = data->data(MimeHtml);
    EXPECT_TRUE(html.startsWith("Version:1.0\r\nStartHTML:00000097\r\n"));
    EXPECT_EQ(data->text(), QString::fromUtf8(html));
    const int start = html.mid(html.indexOf("StartFragment:") + 14, 8).toInt();
    const int end = html.mid(html.indexOf("EndFragment:") + 12, 8).toInt();
    const QByteArray fragment = html.mid(start, end - start);
    EXPECT_EQ(fragment, io::HTMLDocumentWithoutPictures(g).toUtf8());
    EXPECT_TRUE(fragment.contains("a&lt;b"));
    EXPECT_FALSE(fragment.contains("<img"));
    EXPECT_TRUE(QDir(folder.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries).isEmpty());
}

TEST(GridCut, SelectionCutClearsEditableCellsAsOneUndoStep)
{
    TRecordingGrid g;
    TExGridUndoRedo undo;
    g.SetUndoRedo(&undo);
    g.SetReadOnly(2, 2, true);
    QRect changed;
    g.OnCellsChanged = [&](QObject*, const QRect& r) { changed = r; };
    g.SetSelection({1, 1, 2, 2});
    g.CutSelectionToClipboard();
    EXPECT_EQ(clipboard_test::clipboardText(), "1,1\t2,1\r\n1,2\t2,2\r\n");
    EXPECT_EQ(g.Texts({1, 1, 2, 2}), QStringList({"", "", "", "2,2"}));
    EXPECT_EQ(changed, QRect(QPoint(1, 1), QPoint(2, 2)));
    undo.Undo();
    EXPECT_EQ(g.Texts({1, 1, 2, 2}), QStringList({"1,1", "2,1", "1,2", "2,2"}));
    EXPECT_FALSE(undo.CanUndo());
}

TEST(GridCut, CutOfTheSaveRangeClearsEditableCellsOnly)
{
    TRecordingGrid g(3, 3);
    g.SetReadOnly(1, 1, true);
    g.CutToClipboard();
    EXPECT_EQ(clipboard_test::clipboardText(), "0,0\t1,0\t2,0\r\n0,1\t1,1\t2,1\r\n0,2\t1,2\t2,2\r\n");
    // Fixed and read-only cells are not editable.
    EXPECT_EQ(g.Texts({0, 0, 2, 2}), QStringList({"0,0", "1,0", "2,0", "0,1", "1,1", "", "0,2", "", ""}));
}

TEST(GridCut, DisjunctRowCutClearsTheSelectedRowsOnly)
{
    for (const bool colSelectToo : {false, true}) {
        SCOPED_TRACE(colSelectToo);
        TRecordingGrid g;
        g.MouseActions().SetDisjunctRowSelect(true);
        g.MouseActions().SetDisjunctColSelect(colSelectToo);
        g.SetRowSelect(2, true);
        g.CutSelectionToClipboard();
        EXPECT_EQ(g.Texts({1, 2, 2, 2}), QStringList({"", ""}));
        EXPECT_EQ(g.Texts({1, 3, 2, 3}), QStringList({"1,3", "2,3"}));
    }
}

}  // namespace grid_copy_cut_test
