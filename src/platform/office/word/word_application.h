#pragma once

// The word-processor server ("word.application"): the part of the object
// model that puts tables into documents.
//
//   Application: Documents, ActiveDocument, Selection, Quit
//   Documents:   Count, Item(i), Add, Open(FileName)
//   Document:    Name, FullName, Saved, ShowSpellingErrors, Bookmarks,
//                Paragraphs, Tables, Content, Range(Start, End),
//                Goto(What, Which, Count, Name), Save, SaveAs(FileName), Close
//   Selection:   Start, End, Text, TypeText(Text), TypeParagraph,
//                Goto(What, Which, Count, Name)
//   Bookmarks:   Count, Exists(Name)
//   Paragraphs:  Count, Add
//   Tables:      Count, Item(i), Add(Range, NumRows, NumColumns)
//   Table:       Cell(Row, Column)       Cell: Range
//   Range:       Start, End, Text, InsertAfter(Text), ParagraphFormat
//   ParagraphFormat: Alignment (0 left, 1 centred, 2 right, 3 justified)
//
// Goto knows the bookmark (What -1, by Name) and the line (What 3, Which 1
// the first, -1 the last; a paragraph is one line here).
//
// The running application: a server made by NewWordApplication runs until it
// is told "Quit"; the session's Active() gives the one made last of those
// still running, with the documents it has open, the way a user's running word
// processor is attached to.

#include "platform/office/office_servers.h"
#include "platform/office/running_instances.h"

namespace platform::office::word {

inline constexpr const char* ProgramName = "word.application";

// A new application instance (running until told "Quit").
automation::ObjectRef NewWordApplication();
RunningInstances& WordSession();
void AddWordServer(ServerRegistry& registry);

}  // namespace platform::office::word
