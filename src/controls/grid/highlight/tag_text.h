#pragma once

// Marking found text inside mini-HTML cell texts: every occurrence of a
// search text in the visible characters is enclosed in a tag ("hi" for
// highlights, "e" for error marks) that the cell renderer shows, and the
// tags are taken out again. Pure string functions.

#include <QString>

#include "controls/grid/search/text_needle.h"

namespace grid::highlight {

inline constexpr const char* kHighlightTag = "hi";
inline constexpr const char* kErrorTag = "e";

// "&" "\"" "<" ">" written as "&amp;" "&quot;" "&lt;" "&gt;" (no named entities).
QString EncodeHTMLEntities(const QString& text);
// "&lt;" "&gt;" "&amp;" "&quot;" turned back into characters, each once.
QString DecodeHTMLEntities(const QString& text);

// The text with each occurrence of find among its visible characters (those
// outside tags) enclosed in "<tag>" and "</tag>", placed next to the
// occurrence's first and last visible characters (inside the tags around them); caseSensitive false
// compares without regard to case. When the text holds find and its visible
// text holds a "<" or ">" of its own, those are written as entities and the
// tags are given up, unless there is no occurrence to mark: a text without
// one comes back unchanged, as does any text for an empty find.
QString HighlightHTMLText(const QString& text, const QString& find, const QString& tag, bool caseSensitive);
// Every "<tag>" and "</tag>" (any case) removed, then "&lt;" and "&gt;" turned back.
QString UnHighlightHTMLText(const QString& text, const QString& tag);
// Only the "<tag>" and "</tag>" (any case) removed.
QString RemoveTag(const QString& text, const QString& tag);
// The text holds a "<tag>" or a "</tag>" (any case).
bool HasTag(const QString& text, const QString& tag);

// The text functions of the grid, with their tag filled in.
QString HilightText(bool doCase, const QString& s, const QString& text);
QString UnHilightText(const QString& s);
QString MarkText(bool doCase, const QString& s, const QString& text);
QString UnMarkText(const QString& s);

// What a cell holds after tagging hiText in it, and after its tags are
// removed: a plain cell text is entity-encoded before its first tag goes in
// and decoded when its last tag comes out, so "<" and "&" of the text read
// the same all along; mini-HTML text keeps its own tags. Both return the
// text unchanged when there is no occurrence (no tag) to act on.
QString TagCellText(const QString& text, const QString& hiText, const QString& tag, bool doCase);
QString UnTagCellText(const QString& text, const QString& tag);

// The same two, prepared once for many cells.
class TCellTagger {
public:
    TCellTagger(const QString& hiText, const QString& tag, bool doCase);
    QString Tag(const QString& text) const;

private:
    QString FHiText;
    QString FEncodedHiText;
    QString FTag;
    QString FOpen, FClose;
    bool FDoCase;
    search::TTextNeedle FNeedle;
};

class TCellUntagger {
public:
    explicit TCellUntagger(const QString& tag);
    bool HasTag(QStringView text) const { return FOpen.FoundIn(text) || FClose.FoundIn(text); }
    QString Untag(const QString& text) const;

private:
    // The text without any occurrence of the two tags.
    QString WithoutTags(const QString& text) const;
    QString FTag;
    search::TTextNeedle FOpen;
    search::TTextNeedle FClose;
};

}  // namespace grid::highlight
