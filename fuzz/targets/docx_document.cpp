// The word-processor document reader on any main part (or, with the first
// byte odd, any package), and the editing of the table export on what it
// reads: text typed, a paragraph split, a table put at a position and at a
// bookmark. Reading fails only with the server's error; what was read and
// edited saves as a document that reads back with the same length.
//
// Input: one byte choosing package or main part, one byte choosing the
// position, then the bytes.

#include <optional>

#include "fuzz_support.h"
#include "fuzz_target.h"
#include "platform/automation/automation.h"
#include "platform/office/word/document_body.h"
#include "platform/office/word/word_file.h"

FUZZ_TARGET(docx_document)
{
    using platform::automation::AutomationError;
    using platform::office::word::DocumentBody;
    using platform::office::word::WordFile;

    fuzz::FuzzedData input(data, size);
    const bool package = input.takeBool();
    const uint8_t where = input.takeByte();
    const QByteArray bytes = input.takeRest();

    std::optional<WordFile> file;
    std::optional<DocumentBody> parsed;
    try {
        if (package)
            file.emplace(WordFile::FromBytes(bytes));
        else
            parsed.emplace(DocumentBody::Parse(bytes));
    } catch (const AutomationError&) {
        return;
    }
    DocumentBody& body = file ? file->Body() : *parsed;

    const int length = body.Length();
    FUZZ_CHECK(length >= 1);
    const int at = where % (length + 1);
    const int typed = body.InsertText(at, QStringLiteral("a\tb\r\nc"));
    FUZZ_CHECK(typed == 5);
    FUZZ_CHECK(body.Length() == length + typed);
    const pugi::xml_node table = body.AddTable((where * 7) % (body.Length() + 1), 2, 3);
    const pugi::xml_node cell = body.Cell(table, 2, 3);
    FUZZ_CHECK(cell);
    body.AppendToCell(cell, QStringLiteral("x\ny"));
    body.SetCellAlignment(cell, 2);
    FUZZ_CHECK(body.CellAlignment(cell) == 2);
    if (const auto mark = body.Bookmark(QStringLiteral("x"))) {
        FUZZ_CHECK(mark->first <= mark->second);
        body.AddTable(mark->first, 1, 1);
    }
    body.SetRangeAlignment(0, at, 1);

    const int edited = body.Length();
    try {
        FUZZ_CHECK(DocumentBody::Parse(body.Save()).Length() == edited);
    } catch (const AutomationError&) {
        FUZZ_CHECK(!"the edited document reads back");
    }
}
