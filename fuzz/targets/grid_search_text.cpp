// The grid's find comparison and its highlight and error-mark tagging, on one
// search text and one cell text: the search text is typed by the user and
// may hold wildcards, tags and entities; the cell text may be mini-HTML.
//
// Input: a flag byte (bit 0: case-sensitive, bit 1: the error-mark tag in
// place of the highlight tag, bits 2..7: find flags), the search text up to
// the first line feed, the cell text after it. Inputs are capped at 4 KiB.
//
// fuzz options: -max_len=4096 -timeout=10

#include "controls/grid/highlight/tag_text.h"
#include "controls/grid/search/find_matcher.h"
#include "controls/grid/text/grid_text_utils.h"
#include "fuzz_support.h"
#include "fuzz_target.h"

namespace {

constexpr size_t kMaxInput = 4096;

using namespace grid::search;

TFindParams ParamsOf(uint8_t flags)
{
    TFindParams p;
    if (flags & 1) p.Include(fnMatchCase);
    if (flags & 4) p.Include(fnMatchFull);
    if (flags & 8) p.Include(fnMatchStart);
    if (flags & 16) p.Include(fnIgnoreHTMLTags);
    if (flags & 32) p.Include(fnMatchRegular);
    return p;
}

void checkFind(const QString& find, const QString& cell, uint8_t flags)
{
    const TFindParams p = ParamsOf(flags);
    const bool found = TFindMatcher(find, p).Matches(cell);
    TFindParams anyCase = p;
    anyCase.Exclude(fnMatchCase);
    const bool plain = !p.Contains(fnMatchRegular) && !p.Contains(fnIgnoreHTMLTags) && find != QStringLiteral("\"\"");
    if (plain && p.Contains(fnMatchCase)) {
        const bool expected = p.Contains(fnMatchFull) ? cell == find
                              : p.Contains(fnMatchStart) ? cell.startsWith(find)
                                                         : cell.contains(find);
        FUZZ_CHECK(found == expected);
    }
    // What matches with case matches without it.
    if (plain && found) FUZZ_CHECK(TFindMatcher(find, anyCase).Matches(cell));
}

void checkTagging(const QString& find, const QString& cell, bool doCase, const QString& tag)
{
    using namespace grid::highlight;
    const QString tagged = TagCellText(cell, find, tag, doCase);
    const bool hadTag = HasTag(cell, tag);
    if (!hadTag && grid::TextType(cell, true) != 1) FUZZ_CHECK_EQUAL(UnTagCellText(tagged, tag), cell);
    if (tagged != cell) FUZZ_CHECK(HasTag(tagged, tag));
    // The raw text functions never fail and keep the visible characters of a plain text.
    const QString marked = HighlightHTMLText(cell, find, tag, doCase);
    if (!cell.contains(u'<') && !cell.contains(u'>'))
        FUZZ_CHECK_EQUAL(RemoveTag(marked, tag), hadTag ? RemoveTag(cell, tag) : cell);
    UnHighlightHTMLText(marked, tag);
}

}  // namespace

FUZZ_TARGET(grid_search_text)
{
    if (size > kMaxInput)
        return;
    fuzz::FuzzedData input(data, size);
    const uint8_t flags = input.takeByte();
    const QString find = input.takeLine();
    const QString cell = input.takeRestText();
    checkFind(find, cell, flags);
    checkTagging(find, cell, flags & 1, (flags & 2) ? QStringLiteral("e") : QStringLiteral("hi"));
}
