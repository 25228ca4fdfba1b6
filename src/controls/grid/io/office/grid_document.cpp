#include "controls/grid/io/office/grid_document.h"

#include "controls/grid/io/grid_export.h"
#include "controls/grid/io/office/office_connection.h"

namespace grid::io {

using namespace platform::automation;

namespace {

// Goto destinations of the word processor.
constexpr int GotoBookmark = -1;
constexpr int GotoLine = 3;
constexpr int GotoLast = -1;
// Paragraph alignments.
constexpr int AlignCenter = 1;
constexpr int AlignRight = 2;

ObjectRef TargetDocument(AutomationObject& word, const QString& FileName, bool Append, bool CreateNewDocument)
{
    ObjectRef documents = word.GetObject(QStringLiteral("Documents"));
    if (Append) return documents->CallObject(QStringLiteral("Open"), {Argument(FileName)});
    if (CreateNewDocument || documents->Get(QStringLiteral("Count")).toInteger() == 0)
        return documents->CallObject(QStringLiteral("Add"));
    return word.GetObject(QStringLiteral("ActiveDocument"));
}

// Where the table goes.
ObjectRef InsertionPoint(AutomationObject& word, AutomationObject& document, const QString& Bookmark, bool Append)
{
    if (Append && !Bookmark.isEmpty() &&
        document.GetObject(QStringLiteral("Bookmarks"))->Call(QStringLiteral("Exists"), {Argument(Bookmark)}).toBool())
        return document.CallObject(QStringLiteral("Goto"),
                                   {Argument(QStringLiteral("what"), GotoBookmark), Argument(QStringLiteral("name"), Bookmark)});
    Variant start(0);
    if (Append) {
        document.GetObject(QStringLiteral("Paragraphs"))->Call(QStringLiteral("Add"));
        ObjectRef selection = word.GetObject(QStringLiteral("Selection"));
        selection->Call(QStringLiteral("Goto"),
                        {Argument(QStringLiteral("what"), GotoLine), Argument(QStringLiteral("which"), GotoLast)});
        start = selection->Get(QStringLiteral("End"));
    }
    return document.CallObject(QStringLiteral("Range"),
                               {Argument(QStringLiteral("start"), start), Argument(QStringLiteral("end"), start)});
}

void FillTable(TExStringGrid& grid, AutomationObject& table)
{
    TExportRun run(grid, 0);
    for (int y = 0; y < grid.RowCount(); ++y) {
        run.NextRow(y);
        for (int x = 0; x < grid.ColCount(); ++x) {
            ObjectRef cell = table.CallObject(QStringLiteral("Cell"),
                                              {Argument(QStringLiteral("Row"), y + 1), Argument(QStringLiteral("Column"), x + 1)});
            ObjectRef range = cell->GetObject(QStringLiteral("Range"));
            range->Call(QStringLiteral("InsertAfter"), {Argument(grid.SaveCellText(grid.RealColIndex(x), y))});
            TAlignment horizontal = taLeftJustify;
            TVAlignment vertical = vtaTop;
            grid.GetCellAlignment(x, y, horizontal, vertical);
            if (horizontal == taLeftJustify) continue;
            cell->GetObject(QStringLiteral("Range"))
                ->GetObject(QStringLiteral("ParagraphFormat"))
                ->Put(QStringLiteral("Alignment"), horizontal == taRightJustify ? AlignRight : AlignCenter);
        }
    }
    run.Finish();
}

}  // namespace

void ExportDocumentTable(TExStringGrid& grid, const QString& FileName, const QString& Bookmark, bool Append,
                         bool CreateNewDocument)
{
    TOfficeConnection link(WordProcessorServer, WordNotFound, TOfficeConnection::AttachToRunning);
    WithGridError([&] {
        AutomationObject& word = link.Server();
        ObjectRef document = TargetDocument(word, FileName, Append, CreateNewDocument);
        document->Put(QStringLiteral("ShowSpellingErrors"), false);
        ObjectRef selection = word.GetObject(QStringLiteral("Selection"));
        selection->Call(QStringLiteral("TypeText"), {Argument(grid.windowTitle())});
        selection->Call(QStringLiteral("TypeParaGraph"));
        ObjectRef at = InsertionPoint(word, *document, Bookmark, Append);
        ObjectRef table = document->GetObject(QStringLiteral("Tables"))
                              ->CallObject(QStringLiteral("Add"), {Argument(Variant(at)),
                                                                   Argument(QStringLiteral("numRows"), grid.RowCount()),
                                                                   Argument(QStringLiteral("numColumns"), grid.ColCount())});
        FillTable(grid, *table);
        document->Call(QStringLiteral("SaveAs"), {Argument(FileName)});
    });
}

}  // namespace grid::io
