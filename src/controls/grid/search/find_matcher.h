#pragma once

// Whether one cell text matches a search, as the grid's find compares them.
// The search text is prepared once; a plain comparison allocates nothing per
// cell (tags are stripped only from texts that hold a "<" or an "&").

#include <QString>
#include <QStringView>

#include "controls/grid/search/find_params.h"
#include "controls/grid/search/text_needle.h"

namespace grid::search {

class TFindMatcher {
public:
    TFindMatcher(const QString& searchText, TFindParams params);

    bool Matches(QStringView cellText) const;
    // The text as a find keeps it for the next search: upper-cased unless
    // case counts.
    static QString SearchCacheText(const QString& searchText, TFindParams params);

private:
    bool MatchesPlain(QStringView text) const;
    QString FText;
    TTextNeedle FNeedle;
    bool FCaseSensitive;
    bool FEmptyOnly;  // the search text is exactly two double quotes
    bool FFull;
    bool FStart;
    bool FRegular;
    bool FStripTags;
};

}  // namespace grid::search
