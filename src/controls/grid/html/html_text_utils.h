#pragma once

// String routines of the grid's mini-HTML dialect that never draw: entities
// both ways, tags removed for the plain text, search marks put in and taken
// out, and the CONTROL tags that make a cell a small form. Plain functions
// without state; positions are 1-based and 0 means "not found".
//
// Every routine runs in time linear in its text (up to the length of a
// searched text): texts come from cells, files and the clipboard, and none
// of them may make a paint or a search slow.

#include <QString>
#include <QStringList>
#include <QStringView>

namespace grid {

// --------------------------------------------------------------- entities

// "&lt;", "&gt;", "&amp;" and "&quot;" (each in one pass, in that order),
// then with `named` the 51 named entities of Windows-1252 letters, matched
// exactly as written ("&Eacute;" is É, "&EACUTE;" stays).
QString DecodeHTMLEntities(const QString& text, bool named);
// "&", the double quote, "<" and ">" become entities, then with `named` the
// letters of the entity table; text already holding entities is encoded again.
QString EncodeHTMLEntities(const QString& text, bool named);
// Every space becomes "&nbsp;".
QString EncodeHTMLSpaces(const QString& text);

// ------------------------------------------------------------ plain text

// The text without its tags: "<BR>" and "<HR>" (any case, nothing else
// inside) become CR LF, every other tag from "<" to the next ">" goes; a
// "<" without a later ">", or a ">" before the next "<", ends the stripping
// and the rest stays as it is.
QString StripHTMLTags(const QString& text);
// The tag removal alone (no line breaks).
QString StripTagsForSearch(const QString& text);
// The smallest 1-based position p in the text with exactly n - 1 characters
// outside tags before it (a tag runs from a "<" through the next ">");
// length + 1 when the visible characters end there; 0 when there is none.
int VisibleToSourcePos(const QString& text, int n);

// ----------------------------------------------------------- search marks

// Position (1-based) of `find` in `text` at or after index `start` (0-based),
// also stored in `pos`; without case sensitivity both are compared upper-cased
// character by character. 0 when absent or when `find` is empty.
int FindTextFrom(const QString& find, const QString& text, int start, int& pos, bool caseSensitive);
// Every occurrence of `find` in the visible text wrapped in "<tag>" and
// "</tag>". When the visible text holds "<" or ">" (and the text holds find),
// the tags of the text are given up and those characters written as "&lt;"
// and "&gt;". An empty find changes nothing.
QString HighlightHTMLText(const QString& text, const QString& find, const QString& tag, bool caseSensitive);
// Removes the marks "<tag>" and "</tag>" (any case; marks that the removal
// joins together go too), then turns every "&lt;" and "&gt;" back.
QString UnHighlightHTMLText(const QString& text, const QString& tag);

// ------------------------------------------------------------ form controls

// The attributes of one CONTROL tag, as ParseHTMLControlAttributes reads them.
struct THTMLControlAttributes {
    QString Type;    // upper-cased
    QString Width;
    QString Height;
    QString ID;
    QString Value;   // entities decoded
    QString Prop;    // entities decoded
    QString MaxLen;
};

// True when the upper-cased text holds "<CONTROL".
bool HasHTMLControl(const QString& text);
// Reads the seven attributes of a CONTROL tag's text: each name with its "="
// is found anywhere in the tag (any case), the value is what stands between
// the next two double quotes (to the end without a second one).
THTMLControlAttributes ParseHTMLControlAttributes(QStringView tag);
// The ID of the first control after the one with `id` (the first control
// for an empty id) that is no BUTTON, CHECK or RADIO; empty when none.
QString GetNextHTMLControlID(const QString& text, const QString& id);
// The text with VALUE="FALSE" on every RADIO control.
QString ClearHTMLRadioControls(const QString& text);
// The decoded VALUE of the control with this ID; false, value untouched,
// when there is none.
bool GetHTMLControlValue(const QString& text, const QString& id, QString& value);
// The decoded PROP of that control; empty when there is none.
QString GetHTMLControlProp(const QString& text, const QString& id);
// Its MAXLEN read as a number; 0 when absent or when there is no such control.
int GetHTMLControlMaxLen(const QString& text, const QString& id);
// Rewrites that control's tag with the value entity-encoded, the attributes
// in the fixed order ID, VALUE, WIDTH, TYPE, then HEIGHT, PROP and MAXLEN
// when not empty; false, text unchanged, when there is no such control.
bool SetHTMLControlValue(QString& text, const QString& id, const QString& value);

// ----------------------------------------------------------- shared helpers

// 1-based position of sub in text, ASCII letters compared without regard to
// case (other characters exactly); 0 when absent or sub is empty.
int PosText(QStringView sub, QStringView text);
// Replaces the first occurrence PosText finds; false when there is none.
bool ReplaceFirstText(QStringView find, QStringView replace, QString& text);
// One "*" per character.
QString PasswordMask(const QString& text);
// The number the leading digits of the text make (0 without digits);
// `isNumber` tells whether there was at least one digit. Values are capped
// at 1,000,000 so that no size read from a text overflows.
int LeadingNumber(QStringView text, bool* isNumber = nullptr);

}  // namespace grid
