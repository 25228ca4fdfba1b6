#pragma once

// The data a grid drag offers and a grid drop reads, as MIME data: plain
// text, HTML (read as its text), rich text, a list of files and URLs, and the
// grid's own two formats, a block of cells and a column index.
//
// The grid's own formats keep their byte layout whatever program sends them:
//   column: 4 bytes, the column index, signed 32-bit little-endian;
//   cells:  bytes 0..3 the length N of the cell stream (32-bit
//           little-endian), bytes 4..7 zero, then the N bytes of the stream.
// Data from another program is untrusted: a block whose layout is wrong
// reads as absent.

#include <memory>
#include <optional>

#include <QByteArray>
#include <QMimeData>
#include <QPoint>
#include <QString>
#include <QStringList>

namespace grid {

inline constexpr const char* MimeText = "text/plain";
inline constexpr const char* MimeHtml = "text/html";
inline constexpr const char* MimeRtf = "text/rtf";
inline constexpr const char* MimeUriList = "text/uri-list";
inline constexpr const char* MimeGridColumn = "application/x-grid-column";
inline constexpr const char* MimeGridCells = "application/x-grid-cells";

enum TDropFormat : uint8_t { dfText = 1, dfFile = 2, dfCol = 4, dfRTF = 8, dfURL = 16, dfGridCells = 32 };
using TDropFormats = uint8_t;

// Drop effects, as the drag sources and targets report them.
enum TDropEffect : uint8_t { deNone = 0, deCopy = 1, deMove = 2 };  // the values of the drop effects

// Rich text may be dropped and is offered by drags: one switch for the whole
// program (the grids' drag-drop settings set it). Off at start.
bool AllowRTFDrop();
void EnableRTFDrop(bool value);

// Reads what a dropped (or dragged) MIME object offers.
class TDropData {
public:
    explicit TDropData(const QMimeData* data) : FData(data) {}

    bool HasText() const;     // plain text or HTML
    bool HasFile() const;     // at least one local file among the URLs
    bool HasRTF() const;
    bool HasCol() const;      // a well-formed column block
    bool HasURL() const;      // at least one URL that is not a local file
    bool HasGridCells() const;  // a well-formed cell block
    TDropFormats Formats() const;

    // The text: the plain text, else the text of the HTML; empty when absent.
    QString Text() const;
    QString RTF() const;
    // The column index; -1 when absent or malformed.
    int Col() const;
    // The cell stream (the block's bytes from byte 8); nullopt when absent or malformed.
    std::optional<QByteArray> Stream() const;
    // The local files' paths, in the order offered.
    QStringList Files() const;
    // The URL's text: the plain text when there is one, else the first
    // non-file URL; empty when none.
    QString URLText() const;

private:
    const QMimeData* FData;
};

// The MIME object a drag out of a grid offers: the text (also as rich text
// while rich text drops are allowed and there is any), a column index (-1:
// none) and a cell stream (nullopt: none). Formats in this order: text,
// rich text, column, cells.
std::unique_ptr<QMimeData> MakeSourceData(const QString& text, const QString& rtf, int column,
                                          const std::optional<QByteArray>& cells);

// The two block layouts of the grid's own formats.
QByteArray EncodeColumnBlock(int column);
std::optional<int> DecodeColumnBlock(const QByteArray& block);
QByteArray EncodeCellsBlock(const QByteArray& stream);
std::optional<QByteArray> DecodeCellsBlock(const QByteArray& block);

// The drop effect for the keys held and the effects the source allows:
// with Ctrl a copy; else a move when the source allows one, else a copy.
TDropEffect KeyDropEffect(bool ctrlHeld, bool moveAllowed);

}  // namespace grid
