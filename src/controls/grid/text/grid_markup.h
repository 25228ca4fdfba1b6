#pragma once

// The grid's mini-HTML cell mark-up as far as cell access needs it: tags
// removed for reading a cell's plain text, and the VALUE of CONTROL tags.

#include <QString>

namespace grid {

// The text with every mark-up tag ("<...>") removed and the character
// entities &lt; &gt; &amp; &quot; and &nbsp; replaced by their characters.
QString StripHTMLTags(const QString& text);

// The VALUE attribute of the first "<CONTROL " tag whose ID is id (any case
// of tag and attribute names); false, value untouched, when there is none.
bool GetHTMLControlValue(const QString& text, const QString& id, QString& value);

// Rewrites the VALUE of that tag; false and the text unchanged when not found.
bool SetHTMLControlValue(QString& text, const QString& id, const QString& value);

}  // namespace grid
