#pragma once

// The grid as an HTML table: cell looks become CSS classes of a style block,
// merged cells column and row spans, links anchors, cell pictures JPEG files
// in an "images" folder next to the document.
//
// Texts are written safely: plain cell texts and every header cell have
// "&", "<", ">" and the double quote escaped, mini-HTML cells keep their
// tags when the grid saves with HTML, link targets are quoted and escaped,
// and every character beyond ASCII is written as a numeric reference, so
// the document is plain ASCII. Picture files never replace existing files:
// a name already taken is skipped.

#include <optional>

#include <QByteArray>
#include <QString>

#include "controls/grid/io/grid_file_format.h"

namespace grid {
class TExStringGrid;
}

namespace grid::io {

// The document text; `dir` ("/" separators, a trailing "/", or empty) is
// the folder that gets the "images" folder. Pictures are written when the
// grid's HTMLSettings.ExportImages is on; raises EExGridError "Cannot create
// <folder>" when the picture folder or a picture cannot be written.
QString SaveToHTMLString(TExStringGrid& grid, const QString& dir);

// The document text without any picture: picture cells give their text
// alone and nothing is written to disk (the clipboard's HTML copy).
QString HTMLDocumentWithoutPictures(TExStringGrid& grid);

// The HTML file: an appended file's lines, the header file's lines, the
// document, the footer file's lines; lines ended by CR LF; UTF-16 LE with
// a byte-order mark when Unicode is on, else ASCII ("?" for what it lacks).
class THTMLGridWriter : public TGridFormatWriter {
public:
    THTMLGridWriter(const QString& fileName, bool unicode) : FFileName(fileName), FUnicode(unicode) {}
    QByteArray Write(TExStringGrid& grid, const std::optional<QByteArray>& existing) override;

private:
    QString FFileName;
    bool FUnicode;
};

}  // namespace grid::io
