#include <gtest/gtest.h>

#include "controls/dropdown/multi_column/list_lookup.h"
#include "controls/dropdown/multi_column/list_styles.h"

using namespace dropdown;
using namespace dropdown::listlookup;

TEST(ListLookup, LookupListIsRebuiltAlwaysSoEntryIBelongsToItemI)
{
    TDropDownItems items;
    items.Add({QStringLiteral("1"), QStringLiteral("Apple")});
    items.Add({QStringLiteral("2")});  // no text in column 1
    items.Add({QStringLiteral("3"), QStringLiteral("Brie")});
    EXPECT_EQ(BuildLookupList(items, 1), (QStringList{"Apple", "", "Brie"}));
    // A negative column and no items give an empty list, never the last one.
    EXPECT_TRUE(BuildLookupList(items, -1).isEmpty());
    EXPECT_TRUE(BuildLookupList(TDropDownItems(), 0).isEmpty());
    // A column beyond every item's texts: empty texts, one per item.
    EXPECT_EQ(BuildLookupList(items, 5), (QStringList{"", "", ""}));
}

TEST(ListLookup, PrefixSearchAndExactLookups)
{
    const QStringList texts{"Banana", "", "Brie", "apple"};
    EXPECT_EQ(FindPrefix(texts, "b", false), 0);
    EXPECT_EQ(FindPrefix(texts, "BR", false), 2);
    EXPECT_EQ(FindPrefix(texts, "br", true), -1);
    EXPECT_EQ(FindPrefix(texts, "Br", true), 2);
    EXPECT_EQ(FindPrefix(texts, "", false), -1);  // an empty text finds nothing
    EXPECT_EQ(FindPrefix(texts, "x", false), -1);
    EXPECT_EQ(IndexIgnoringCase(texts, "APPLE"), 3);
    EXPECT_EQ(IndexExact(texts, "APPLE"), -1);

    TDropDownItems items;
    items.Add({"a", "Apple"});
    items.Add({"b"});
    items.Add({"c", "Apple"});
    EXPECT_EQ(items.IndexInColumn(1, "Apple"), 0);
    EXPECT_EQ(items.IndexInColumn(1, "apple"), -1);
    EXPECT_EQ(items.IndexInColumn(1, ""), -1);  // items without a text there are skipped
}

TEST(ListLookup, NavigationSteps)
{
    const struct { TListStep step; int from, count, to; } cases[] = {
        {lsNextPage, 5, 12, 11}, {lsNextPage, 0, 12, 10}, {lsNextPage, -1, 12, 0}, {lsPreviousPage, 4, 12, 0},
        {lsPreviousPage, 11, 12, 1}, {lsNext, 3, 12, 4}, {lsPrevious, 3, 12, 2}, {lsNext, -1, 3, 0},
        {lsPrevious, -1, 3, 0}, {lsFirst, 7, 12, 0}, {lsLast, 0, 12, 11},
    };
    for (const auto& c : cases) {
        const auto r = SteppedItem(c.step, c.from, c.count);
        ASSERT_TRUE(r) << int(c.step) << " from " << c.from;
        EXPECT_EQ(*r, c.to) << int(c.step) << " from " << c.from;
    }
    EXPECT_FALSE(SteppedItem(lsNext, 11, 12));      // the last item stays
    EXPECT_FALSE(SteppedItem(lsPrevious, 0, 12));   // the first item stays
    EXPECT_FALSE(SteppedItem(lsNextPage, 0, 0));    // no items: nothing
}

TEST(ListLookup, HeightShowsWholeRowsAndWidthsSpreadWithTheirError)
{
    EXPECT_EQ(AdaptedHeight(200, 0, 25, 22, 0), 181);
    EXPECT_EQ(AdaptedHeight(200, 0, 25, 22, 4), 185);  // the grid drop-down's 4 pixels
    EXPECT_EQ(AdaptedHeight(200, 30, 25, 22, 0), 30 + 27 + 6 * 22);
    EXPECT_EQ(SpreadWidths({80, 80, 80}, 200), (std::vector<int>{66, 66, 67}));
    EXPECT_EQ(SpreadWidths({100}, 202), (std::vector<int>{200}));
    EXPECT_TRUE(SpreadWidths({}, 200).empty());
    // The spread widths nearly fill the width: the error is carried on.
    const std::vector<int> w = SpreadWidths({33, 50, 17, 61}, 400);
    int sum = 0;
    for (int x : w) sum += x;
    EXPECT_NEAR(sum, 400 * 161 / 162, 1);
}

TEST(ListStyles, PresetsOfTheComponentStyles)
{
    EXPECT_FALSE(liststyles::ListStylePreset(tsCustom));
    const auto luna = liststyles::ListStylePreset(tsOffice2007Luna);
    ASSERT_TRUE(luna);
    EXPECT_EQ(luna->HeaderColor, 0xFFEFE3u);
    EXPECT_EQ(luna->HeaderFontColor, TColor(0x723708));
    const auto xp = liststyles::ListStylePreset(tsWindowsXP);
    ASSERT_TRUE(xp);
    EXPECT_EQ(xp->SelectionStyle, scCustom);
    EXPECT_EQ(xp->SelectionColor, clHighlight);
    EXPECT_EQ(xp->FixedLineColor, 0x000000u);
    const auto blue2010 = liststyles::ListStylePreset(tsOffice2010Blue);
    ASSERT_TRUE(blue2010);
    EXPECT_EQ(blue2010->HeaderColorTo, clNone);  // a flat header
    EXPECT_FALSE(liststyles::SelectionStyleLines(scCustom));
    EXPECT_EQ(liststyles::SelectionStyleLines(scWindows7)->LineColor, 0xECECF0u);
}
