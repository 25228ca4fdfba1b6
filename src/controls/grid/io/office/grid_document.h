#pragma once

// The string grid as a table of a word-processor document, through the word
// processor's server ("word.application"): every row and display column,
// fixed ones included, with the cells' horizontal alignment. Server
// failures, a save among them, raise EExGridError with the server's message.

#include "controls/grid/string_grid/ex_string_grid.h"

namespace grid::io {

inline constexpr const char* WordProcessorServer = "word.application";

// Append: the table goes into the file's document, at the bookmark when the
// document has it, else at its end after a new paragraph. Otherwise it goes
// at the start of a new document (CreateNewDocument, or none open) or of the
// running server's active document. The document is then saved as FileName.
void ExportDocumentTable(TExStringGrid& grid, const QString& FileName, const QString& Bookmark, bool Append,
                         bool CreateNewDocument);

}  // namespace grid::io
