#pragma once

#include <QString>
#include <QStringList>

namespace rule_editor {

// The first rule a check found broken. The frame shows it as the form's
// "Error row " text + the row number + the rule's text (+ the tail), or as
// the rule's text alone when it names no row, and puts the cursor on that
// row. A rule broken by a pair of rows (two rows that may not be alike)
// names both: the form's "Error in rows " text + the row + its " and " text
// + the other row + the rule's text. A rule whose text is a format (with
// %d / %s placeholders, e.g. "Error in Server Number %d in Read Variable
// %d!! ...") gives the values to fill in; its filled text is then the whole
// message, without the "Error row " part.
struct RuleFailure {
    int table = 0;   // index of the rule table (0: the first)
    int row = 0;     // table row, from 1; 0 when the message names no row
    int textId = 0;  // the rule's text
    QString tail = {};  // appended to the rule's text, e.g. the limit broken
    int otherRow = 0;   // the second row of a pair, from 1; 0 for a one-row rule
    QStringList values = {};  // the placeholders' values of a format text
    bool operator==(const RuleFailure&) const = default;
};

}  // namespace rule_editor
