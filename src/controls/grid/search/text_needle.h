#pragma once

// A text searched for in many others: prepared once (case-folded when case
// does not count), then looked for without allocating. Without regard to
// case, characters compare by simple case folding.

#include <QString>
#include <QStringView>

namespace grid::search {

class TTextNeedle {
public:
    TTextNeedle(const QString& text, Qt::CaseSensitivity cs);

    // The index of the first occurrence at or after `from`; -1 when none.
    qsizetype IndexIn(QStringView text, qsizetype from = 0) const;
    bool FoundIn(QStringView text) const { return IndexIn(text) >= 0; }
    bool StartOf(QStringView text) const { return MatchesAt(text, 0); }
    bool Equals(QStringView text) const { return text.size() == FText.size() && MatchesAt(text, 0); }
    qsizetype Size() const { return FText.size(); }
    bool IsEmpty() const { return FText.isEmpty(); }

private:
    bool MatchesAt(QStringView text, qsizetype at) const;
    QString FText;  // folded when case does not count
    bool FFolding;
};

}  // namespace grid::search
