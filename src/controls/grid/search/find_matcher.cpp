#include "controls/grid/search/find_matcher.h"

#include "controls/grid/text/filter_matcher.h"
#include "controls/grid/html/html_text_utils.h"

namespace grid::search {

TFindMatcher::TFindMatcher(const QString& searchText, TFindParams params)
    : FText(searchText),
      FNeedle(searchText, params.Contains(fnMatchCase) ? Qt::CaseSensitive : Qt::CaseInsensitive),
      FCaseSensitive(params.Contains(fnMatchCase)),
      FEmptyOnly(searchText == QStringLiteral("\"\"")),
      FFull(params.Contains(fnMatchFull)),
      FStart(params.Contains(fnMatchStart)),
      FRegular(params.Contains(fnMatchRegular)),
      FStripTags(params.Contains(fnIgnoreHTMLTags))
{
}

QString TFindMatcher::SearchCacheText(const QString& searchText, TFindParams params)
{
    return params.Contains(fnMatchCase) ? searchText : searchText.toUpper();
}

bool TFindMatcher::Matches(QStringView cellText) const
{
    if (FStripTags && (cellText.contains(u'<') || cellText.contains(u'&'))) {
        const QString stripped = StripHTMLTags(cellText.toString());
        return MatchesPlain(stripped);
    }
    return MatchesPlain(cellText);
}

bool TFindMatcher::MatchesPlain(QStringView text) const
{
    if (FEmptyOnly) return text.isEmpty();
    if (FRegular) return MatchFilter(FText, text.toString(), FCaseSensitive);
    if (FFull) return FNeedle.Equals(text);
    if (FStart) return FNeedle.StartOf(text);
    return FNeedle.FoundIn(text);
}

}  // namespace grid::search
