// The string grid's word-processor and database members: each runs the
// exchange unit of this folder.

#include "controls/grid/io/office/grid_database.h"
#include "controls/grid/io/office/grid_document.h"
#include "controls/grid/string_grid/ex_string_grid.h"

namespace grid {

void TExStringGrid::SaveToDOC(const QString& Filename, bool CreateNewDocument)
{
    ExportDOC(Filename, QString(), false, CreateNewDocument);
}

void TExStringGrid::AppendToDoc(const QString& Filename, const QString& Bookmark)
{
    ExportDOC(Filename, Bookmark, true, false);
}

void TExStringGrid::ExportDOC(const QString& Filename, const QString& Bookmark, bool Append, bool CreateNewDocument)
{
    io::ExportDocumentTable(*this, Filename, Bookmark, Append, CreateNewDocument);
}

void TExStringGrid::LoadFromMDBTable(const QString& Filename, const QString& Table)
{
    LoadFromMDBSQL(Filename, QStringLiteral("SELECT * FROM ") + io::QuotedIdentifier(Table));
}

void TExStringGrid::LoadFromMDBSQL(const QString& Filename, const QString& SQL) { io::LoadDatabaseQuery(*this, Filename, SQL); }

}  // namespace grid
