#pragma once

#include <string>

#include <QString>

#include "controls/dropdown/base/ex_custom_dropdown.h"

namespace dropdown_testing {

// An edit text with its caret and selection written in: "12|3" is the caret
// after the 2, "1[23]" the 2 and 3 selected with the caret after them,
// "1>23<" the same selection with the caret before them.
inline void SetEditState(dropdown::TExCustomDropDown& edit, const QString& state)
{
    QString text;
    int caret = -1, anchor = -1;
    bool caretFirst = false;
    int end = -1;
    for (QChar c : state) {
        if (c == u'|') {
            caret = int(text.size());
        } else if (c == u'[' || c == u'>') {
            anchor = int(text.size());
            caretFirst = c == u'>';
        } else if (c == u']' || c == u'<') {
            end = int(text.size());
        } else {
            text += c;
        }
    }
    if (anchor >= 0) {
        caret = caretFirst ? anchor : end;
        anchor = caretFirst ? end : anchor;
    }
    edit.SetTextDirect(text);
    if (anchor >= 0)
        edit.setSelection(anchor, caret - anchor);
    else
        edit.setCursorPosition(caret < 0 ? int(text.size()) : caret);
}

// The edit text with its caret and selection written in as above.
inline std::string EditState(const dropdown::TExCustomDropDown& edit)
{
    QString text = edit.text();
    if (edit.hasSelectedText()) {
        const int start = edit.selectionStart();
        const int end = start + int(edit.selectedText().size());
        if (edit.cursorPosition() == end) {
            text.insert(end, u']');
            text.insert(start, u'[');
        } else {
            text.insert(end, u'<');
            text.insert(start, u'>');
        }
    } else {
        text.insert(edit.cursorPosition(), u'|');
    }
    return text.toStdString();
}

}  // namespace dropdown_testing
