#pragma once

// The rules of the grid's inline text editor that depend on the editor kind
// and the typed text only: which typed characters each kind takes, the text
// length limit, what a paste leaves, look-up completion from a list and the
// automatic advance at full length. The inline editor applies them to its
// line edit; TypeInplaceChar does that for any QLineEdit.

#include <bitset>
#include <optional>

#include <QChar>
#include <QString>
#include <QStringList>

#include <QObject>

#include "controls/grid/grid_types.h"

class QKeyEvent;
class QLineEdit;

namespace grid {

// The grid's settings the character rules read.
struct TInplaceEditRules {
    TEditorType Kind = edNormal;
    // Characters an edValidChars editor takes; when empty, ValidCharSet
    // (8-bit characters only) serves instead.
    QString ValidChars;
    std::bitset<256> ValidCharSet;
    // Longest text (the grid's MaxEditLength); 0 or less = no limit.
    int LengthLimit = 0;
    bool ExcelStyleDecimalSeparator = false;
    // Navigation.LineFeedOnEnter and Navigation.AllowCtrlEnter.
    bool LineFeedOnEnter = false;
    bool AllowCtrlEnter = false;
    // The grid wraps words or holds multi-line cells.
    bool MultiLineCells = false;
};

// What becomes of a typed character.
enum class TCharAction : uint8_t {
    Pass,     // goes in (as Char)
    Beep,     // refused with the system beep
    Drop,     // refused silently
    Default,  // left to the edit's own handling (a line break)
};

struct TCharVerdict {
    TCharAction Action = TCharAction::Pass;
    QChar Char;              // the character to insert (case-changed, separator)
    bool MixedCase = false;  // after inserting, the whole text takes name-style capitals
};

// The verdict on `ch` typed into a text with the caret (selection start)
// at `selStart` and `selLength` characters selected; `ctrl` tells that Ctrl
// is held, `keypadDecimal` that the key is the numeric keypad's decimal key.
// The separators are those of the process-wide format settings.
TCharVerdict InplaceCharVerdict(const TInplaceEditRules& rules, const QString& text, int selStart, int selLength,
                                QChar ch, bool ctrl, bool keypadDecimal = false);

// The character a key types as the keyboard sends it: Ctrl with a letter
// gives its control character (Ctrl+V = 22); null for keys that type nothing
// and for Enter, Esc and Tab, which the editors handle as keys.
QChar TypedCharacter(const QKeyEvent& event);

// What TypeInplaceChar did with a character.
enum class TInplaceCharOutcome : uint8_t {
    Inserted,  // the character went in (once)
    Refused,   // refused; the beep sounded or the character was dropped silently
    PassOn,    // a control character (Backspace, Enter, a Ctrl shortcut) the
               // edit's own key handling is to act on
};

// Applies the verdict on a typed character to a line edit: inserts it in
// place of the selection (edMixedCase then capitalises the whole text and
// puts the caret after the character), or beeps, or drops it. Control
// characters (Backspace, the Ctrl shortcuts) are left to the edit's own key
// handling, where the paste rule below applies.
TInplaceCharOutcome TypeInplaceChar(QLineEdit& edit, const TInplaceEditRules& rules, QChar ch, bool ctrl,
                                    bool keypadDecimal = false);

// Applies the character rules to every key typed into the line edits it is
// installed on (QObject::installEventFilter); Rules may change at any time.
class TInplaceCharFilter : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    TInplaceEditRules Rules;

signals:
    // A typed character went into the edit (after the filter's own insert).
    void Inserted(QLineEdit* edit);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

// The maximum length to give the line edit for a limit (no limit: the
// largest length there is). Limits above 32767 stay limits.
int InplaceMaxLength(int lengthLimit);

// A paste into the editor: the text and selection it leaves.
struct TPasteResult {
    QString Text;
    int SelStart = 0;
    int SelLength = 0;
};
// The result of pasting `value` in place of the selection; a single line
// break at the end of the value is dropped. No value when the paste leaves
// the text as it is: too long for the limit, or not a text of the kind
// (edNumeric / edPositiveNumeric: an integer, the positive one without "-";
// edFloat / edPositiveFloat: an integer or decimal number, likewise;
// edValidChars: valid characters only). edMixedCase, edLowerCase and
// edUpperCase take the pasted text capitalised, lower- or upper-cased; the
// other kinds (edCapital included) take it unchanged.
std::optional<TPasteResult> InplacePasteResult(const TInplaceEditRules& rules, const QString& text, int selStart,
                                               int selLength, const QString& value);

// Look-up completion: the first item that begins with the text before the
// caret completes the text (the typed part, then the rest of the item, at
// most 255 characters), with the completed tail selected. The typed part
// stays as typed in the inline editor; a combo shows the item's own text.
enum class TTypedPart : uint8_t { AsTyped, AsInItem };
struct TLookupCompletion {
    QString Text;
    int SelStart = 0;
    int SelLength = 0;
    int ItemIndex = -1;
};
std::optional<TLookupCompletion> LookupCompletion(const QString& text, int caret, const QStringList& items,
                                                  bool caseSensitive, TTypedPart typedPart);

// The text just reached the grid's MaxEditLength with the caret at its end
// and nothing selected: the edit ends and the cursor moves on.
bool InplaceAutoAdvanceDue(int maxEditLength, const QString& text, int caret, bool hasSelection);

}  // namespace grid
