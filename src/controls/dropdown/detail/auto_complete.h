#pragma once

// Completing typed text from a list of captions: the text before the caret
// is the typed part; the first caption that begins with it (letter case
// ignored unless matchCase) supplies the rest.

#include <optional>

#include <QString>
#include <QStringList>

namespace dropdown {

// The most characters a completion adds to the typed part.
constexpr int kMaxCompletion = 255;

struct TCompletion {
    QString Text;
    int ItemIndex = -1;  // the caption that completed it; -1 when none did
    int Caret = 0;       // the completed part, from Caret to the end, is selected
};

// What the text becomes after a change that left the caret at `caret`:
// the typed letters (as typed) followed by the rest of the first matching
// caption; the typed part alone (what stood after the caret dropped) when
// no caption matches; nothing when nothing was typed.
std::optional<TCompletion> CompleteText(const QString& text, int caret, const QStringList& captions, bool matchCase);

}  // namespace dropdown
