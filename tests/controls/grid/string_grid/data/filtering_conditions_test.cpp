// The filter conditions (TFilter, TFilterData), the drop-down look
// (TFilterDropDown) and the row test the grid makes of the conditions.

#include <gtest/gtest.h>

#include "controls/grid/string_grid/ex_string_grid.h"
#include "controls/grid/text/grid_text_utils.h"

using namespace grid;

namespace filtering_conditions_test {

TEST(FilterConditions, AddInsertAndColumnFilter)
{
    TFilter f;
    EXPECT_EQ(f.Add().Operation, foNONE);
    EXPECT_EQ(f.Add().Operation, foAND);
    EXPECT_EQ(f.Insert(0).Operation, foSHORT);
    EXPECT_EQ(f.Count(), 3);
    EXPECT_EQ(f.Items(2).Operation, foSHORT) << "Insert appends whatever the index";
    const TFilterData fresh;
    EXPECT_TRUE(fresh.CaseSensitive);
    EXPECT_EQ(fresh.Method, fmExpression);
    EXPECT_EQ(fresh.Data, fcVirtual);

    TFilter g;
    TFilterData& made = g.ColumnFilter(3);
    EXPECT_EQ(g.Count(), 1);
    EXPECT_EQ(made.Column, 3);
    EXPECT_EQ(&g.ColumnFilter(3), &made) << "a second call returns the same condition";
    EXPECT_EQ(g.Count(), 1);
    EXPECT_TRUE(g.HasFilter(3));
    EXPECT_FALSE(g.HasFilter(2));
}

TEST(FilterConditions, RemoveColumnFilterDeletesEveryConditionOfTheColumnAndTellsTheOwner)
{
    TFilter f;
    f.Add().Column = 3;
    f.Add().Column = 1;
    f.Add().Column = 3;
    int told = -1;
    f.OnColumnChanged = [&told](int col) { told = col; };
    f.RemoveColumnFilter(3);
    ASSERT_EQ(f.Count(), 1);
    EXPECT_EQ(f.Items(0).Column, 1);
    EXPECT_EQ(told, 3);
}

TEST(FilterConditions, AssignCopiesAllButMethod)
{
    TFilterData a;
    a.Column = 4;
    a.Condition = "x*";
    a.CaseSensitive = false;
    a.Data = fcStripHTML;
    a.Prefix = "<";
    a.Suffix = ">";
    a.Operation = foXOR;
    a.Method = fmLiteral;
    TFilterData b;
    b.Assign(a);
    EXPECT_EQ(b.Column, 4);
    EXPECT_EQ(b.Condition, "x*");
    EXPECT_FALSE(b.CaseSensitive);
    EXPECT_EQ(b.Data, fcStripHTML);
    EXPECT_EQ(b.Prefix, "<");
    EXPECT_EQ(b.Suffix, ">");
    EXPECT_EQ(b.Operation, foXOR);
    EXPECT_EQ(b.Method, fmExpression);

    TFilter list;
    list.Add().Condition = "1";
    list.SetItems(0, a);
    EXPECT_EQ(list.Items(0).Condition, "x*");
}

TEST(FilterDropDownLook, DefaultsAndAssignKeepsAutoSize)
{
    TFilterDropDown d;
    EXPECT_FALSE(d.AutoSize);
    EXPECT_EQ(d.Color, clWindow);
    EXPECT_EQ(d.Width, 150);
    EXPECT_EQ(d.Height, 150);
    int changes = 0;
    d.OnChange = [&changes] { ++changes; };
    d.SetGlyph(QImage(16, 16, QImage::Format_ARGB32));
    EXPECT_EQ(changes, 1);

    TFilterDropDown src;
    src.AutoSize = true;
    src.Color = 0x00123456;
    src.ColumnWidth = true;
    src.Width = 90;
    src.Height = 70;
    d.Assign(src);
    EXPECT_FALSE(d.AutoSize);
    EXPECT_EQ(d.Color, 0x00123456u);
    EXPECT_TRUE(d.ColumnWidth);
    EXPECT_EQ(d.Width, 90);
    EXPECT_EQ(d.Height, 70);
    EXPECT_TRUE(d.Glyph().isNull()) << "the glyph is copied too";
}

// A grid of one fixed row, column 1 holding the texts, column 2 numbers.
struct RowTestGrid {
    TExStringGrid g;
    explicit RowTestGrid(const QStringList& texts, const QStringList& numbers = {})
    {
        g.SetColCount(3);
        g.SetRowCount(int(texts.size()) + 1);
        for (int i = 0; i < texts.size(); ++i) {
            g.SetCellEx(1, i + 1, texts[i]);
            g.SetCellEx(2, i + 1, numbers.value(i));
        }
    }
    // The rows (1-based) that pass.
    QList<int> passing()
    {
        QList<int> rows;
        for (int r = 1; r < g.RowCount(); ++r)
            if (g.DoCustomFilter(r)) rows << r;
        return rows;
    }
};

struct ConditionCase {
    const char* name;
    int column;
    QString condition;
    bool caseSensitive;
    TFilterMethod method;
    TFilterCells data;
    QList<int> passing;  // of the rows "Apple", "apple pie", " banana ", "Cherry", "<b>Apple</b>"
};

TEST(FilterRowTest, OneConditionTable)
{
    const QStringList texts = {"Apple", "apple pie", " banana ", "Cherry", "<b>Apple</b>"};
    const QStringList numbers = {"9", "10", "11", "100", ""};
    const ConditionCase cases[] = {
        {"greater than 10 on numbers", 2, ">10", true, fmExpression, fcVirtual, {3, 4}},
        {"range joined by &", 2, ">=10 & <100", true, fmExpression, fcVirtual, {2, 3}},
        {"either of two joined by |", 2, "9|100", true, fmExpression, fcVirtual, {1, 4}},
        {"contains a, no case", 1, "*a*", false, fmExpression, fcVirtual, {1, 2, 3, 5}},
        {"contains A, with case", 1, "*A*", true, fmExpression, fcVirtual, {1, 5}},
        {"prefix wildcard no case", 1, "app*", false, fmExpression, fcVirtual, {1, 2}},
        {"negation", 1, "!*e*", false, fmExpression, fcVirtual, {3}},
        {"single character ?", 1, "?pple", true, fmExpression, fcVirtual, {1}},
        {"blank kept in quotes", 1, "\"apple pie\"", true, fmExpression, fcVirtual, {2}},
        {"texts are trimmed", 1, "banana", true, fmExpression, fcVirtual, {3}},
        {"literal is exact even without case", 1, "Apple", false, fmLiteral, fcVirtual, {1}},
        {"stripped of mark-up", 1, "Apple", true, fmExpression, fcStripHTML, {1, 5}},
        {"stored text keeps mark-up", 1, "<b>Apple</b>", true, fmLiteral, fcNormal, {5}},
        {"whole row, no case", 0, "PIE", true, fmExpression, fcRow, {2}},
        {"empty condition accepts all", 1, "", true, fmExpression, fcVirtual, {1, 2, 3, 4, 5}},
    };
    for (const ConditionCase& c : cases) {
        SCOPED_TRACE(c.name);
        RowTestGrid t(texts, numbers);
        TFilterData& f = t.g.Filter().Add();
        f.Column = c.column;
        f.Condition = c.condition;
        f.CaseSensitive = c.caseSensitive;
        f.Method = c.method;
        f.Data = c.data;
        EXPECT_EQ(t.passing(), c.passing);
    }
}

struct JoinCase {
    const char* name;
    TFilterOperation first, second;
    QList<int> passing;  // rows "a1", "a2", "b1", "b2": first tests a*, second *1
};

TEST(FilterRowTest, OperationsJoinLeftToRight)
{
    const JoinCase cases[] = {
        {"and", foNONE, foAND, {1}},
        {"or", foNONE, foOR, {1, 2, 3}},
        {"xor", foNONE, foXOR, {2, 3}},
        {"none replaces", foNONE, foNONE, {1, 3}},
        {"short-circuit and", foSHORT, foSHORT, {1}},
        // A failing foSHORT ends the test whatever follows (the foOR could pass b1).
        {"short ends the test", foSHORT, foOR, {1, 2}},
    };
    for (const JoinCase& c : cases) {
        SCOPED_TRACE(c.name);
        RowTestGrid t({"a1", "a2", "b1", "b2"});
        TFilterData& a = t.g.Filter().Add();
        a.Column = 1;
        a.Condition = "a*";
        a.Operation = c.first;
        TFilterData& b = t.g.Filter().Add();
        b.Column = 1;
        b.Condition = "*1";
        b.Operation = c.second;
        EXPECT_EQ(t.passing(), c.passing);
    }
}

TEST(FilterRowTest, PrefixSuffixPackedTextAndCustomHook)
{
    RowTestGrid t({"EUR 15 net", "USD 15", "15 net", PackWideText(QStringLiteral("ab\u00e9"))});
    TFilterData& f = t.g.Filter().Add();
    f.Column = 1;
    f.Prefix = "EUR ";
    f.Suffix = " net";
    f.Condition = "15";
    EXPECT_EQ(t.passing(), (QList<int>{1, 3}));

    f.Prefix.clear();
    f.Suffix.clear();
    f.Condition = QStringLiteral("ab\u00e9");
    EXPECT_EQ(t.passing(), (QList<int>{4})) << "packed wide texts are unpacked";

    // The hook has the last word; with no conditions it alone decides.
    t.g.Filter().Clear();
    t.g.OnCustomFilter = [](QObject*, int row, bool& accept) { accept = row % 2 == 0; };
    EXPECT_EQ(t.passing(), (QList<int>{2, 4}));
}

// The conditions on shown text read what the cell shows: the base cell's text
// under a merged block, and whatever a display hook makes of it.
TEST(FilterRowTest, ShownTextOfMergedCellsAndDisplayHooks)
{
    RowTestGrid t({"Apple", "", "Cherry", "apple"});
    t.g.MergeCells(1, 1, 1, 2);  // rows 1..2 show "Apple"
    TFilterData& f = t.g.Filter().Add();
    f.Column = 1;
    f.Condition = "Apple";
    f.Method = fmLiteral;
    EXPECT_EQ(t.passing(), (QList<int>{1, 2}));

    t.g.OnGetDisplText = [](int, int, QString& value) { value = value.toUpper(); };
    f.Condition = "APPLE";
    EXPECT_EQ(t.passing(), (QList<int>{1, 2, 4}));
    f.Data = fcNormal;
    EXPECT_EQ(t.passing(), (QList<int>{})) << "the stored text knows no hook";
}

}  // namespace filtering_conditions_test
