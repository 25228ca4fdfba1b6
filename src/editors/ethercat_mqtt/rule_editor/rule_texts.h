#pragma once

// The texts every rule editor shares: the messages of the frame itself (in
// the table-messages block, next to the row-command texts 1100 .. 1102) and
// the filling of their placeholders.

#include <QString>
#include <QStringList>

#include "editors/ethercat_mqtt/rule_editor/rule_failure.h"

namespace rule_editor {

namespace frame_texts {
// Yes/No: the list of "%s" (the table) ends at row %d, whose "%s" (the key
// column) is empty: %d rows holding data will not be saved; save anyway?
constexpr int RowsNotSaved = 1103;
// Warning: the file %s holds %d rows more than the table "%s" can show.
constexpr int RowsNotShown = 1104;
// Error: "%s cannot be read: %s" (the file, the parser's message).
constexpr int FileUnreadable = 1106;
// Yes/No: "%s has been changed since it was loaded ... overwrite it?"
constexpr int FileChanged = 1107;
// Error: "%s has no element %s".
constexpr int FileIncomplete = 1108;
// Error: "... cannot be saved: %s" (the reason, which names the file).
constexpr int FileNotWritten = 1109;
}  // namespace frame_texts

// Fills the placeholders %d and %s of `format` in order with `values`; a
// placeholder without a value stays as it is, "%%" gives "%".
QString formatText(const QString& format, const QStringList& values);

// The delete question of a form: its text with the row number in place of
// a %d, or appended when the text has none.
QString deleteQuestion(const QString& text, int row);

// The message of a broken rule: the rule's text (+ its tail) after the
// form's "Error row " text (`errorRowId`) and the row, or after "Error in
// rows " (`errorRowsId`), the row, " and " (`errorRowsJoinId`) and the other
// row of a pair; the rule's text alone when it names no row.
QString failureMessage(const RuleFailure& failure, int errorRowId, int errorRowsId = -1, int errorRowsJoinId = -1);

// The message about a project file an editor cannot use: it lacks the list
// element `missingElement`, or (none missing) it cannot be read, `reason`
// saying why.
QString fileProblemText(const QString& path, const QString& reason, const QString& missingElement);

}  // namespace rule_editor
