#pragma once

// The main part of a word-processor document (word/document.xml) and the
// editing the word processor's object model does on it, with character
// positions counted the way that object model counts them: a paragraph is its
// text plus one paragraph mark; a table is, row by row, each cell's content
// (its paragraphs) plus one end-of-row mark. Tabs, line breaks and inline
// pictures count one character each.
//
// Everything the body holds and this code does not know is kept as it is.

#include <memory>
#include <optional>
#include <string>
#include <utility>

#include <QByteArray>
#include <QString>
#include <pugixml.hpp>

namespace platform::office::word {

class DocumentBody {
public:
    // A blank A4 page with one empty paragraph.
    DocumentBody();
    // Throws AutomationError with the reason when `xml` is no document body.
    static DocumentBody Parse(const QByteArray& xml);
    DocumentBody(DocumentBody&&) = default;
    DocumentBody& operator=(DocumentBody&&) = default;

    QByteArray Save() const;

    // The position after the last paragraph mark.
    int Length() const;
    // The position where the last paragraph of the body begins.
    int LastParagraphStart() const;
    // The range a bookmark covers; nullopt when there is none of that name.
    std::optional<std::pair<int, int>> Bookmark(const QString& name) const;
    // The text between two positions (paragraph marks as CR).
    QString Text(int start, int end) const;

    // Typed text at a position: tabs as tabs, CR LF, CR and LF as paragraph
    // marks, vertical tabs as line breaks; other control characters are
    // dropped. Returns the number of positions inserted.
    int InsertText(int position, const QString& text);
    // An empty paragraph at the end of the body.
    void AddParagraph();
    // A table of empty cells at the position, every column as wide as the
    // page's text width shared out. A paragraph around the position is split;
    // the table never touches another table. Returns the table element.
    pugi::xml_node AddTable(int position, int rows, int columns);
    // The cell (1-based) of a table; an empty node when there is none.
    pugi::xml_node Cell(pugi::xml_node table, int row, int column) const;
    // Text added at the end of a cell, as InsertText does.
    void AppendToCell(pugi::xml_node cell, const QString& text);
    // Alignment of the paragraphs (0 left, 1 centred, 2 right, 3 justified)
    // of a cell, or of those a range touches; reading gives the first's.
    void SetCellAlignment(pugi::xml_node cell, int alignment);
    void SetRangeAlignment(int start, int end, int alignment);
    int CellAlignment(pugi::xml_node cell) const;
    int RangeAlignment(int start, int end) const;
    // The positions a cell's text covers (without its end-of-cell mark).
    std::pair<int, int> CellRange(pugi::xml_node cell) const;

private:
    struct Point;  // a place inside a paragraph: (container, node before which)
    std::string n(const char* local) const { return prefix_ + local; }
    pugi::xml_node body() const;
    // The paragraph holding the position and the offset in it.
    std::pair<pugi::xml_node, int> locate(int position) const;
    int positionOf(pugi::xml_node node) const;
    Point pointIn(pugi::xml_node paragraph, int offset);
    Point pointBefore(pugi::xml_node atom);
    pugi::xml_node splitParagraph(pugi::xml_node paragraph, const Point& point);
    pugi::xml_node newRun(Point point, const QString& text);
    int insertInParagraph(pugi::xml_node paragraph, int offset, const QString& text);
    void setAlignment(pugi::xml_node paragraph, int alignment) const;
    int alignmentOf(pugi::xml_node paragraph) const;
    int textWidth() const;

    std::unique_ptr<pugi::xml_document> xml_;
    std::string prefix_;  // of the main namespace, with its colon
};

}  // namespace platform::office::word
