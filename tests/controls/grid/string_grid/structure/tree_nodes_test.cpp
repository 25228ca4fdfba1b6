// Tree nodes: the node model (levels, spans, contracting and expanding with
// nesting, parents, child rows) and what a person does with nodes: clicks on
// node marks, the header node, the arrow keys, group selection.

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QTest>

#include "controls/grid/cells/cell_properties.h"
#include "controls/grid/string_grid/ex_string_grid.h"
#include "controls/grid/string_grid/input/input_test_support.h"

using namespace grid;
using input_test::GridUnderTest;

namespace {

int level(const TExStringGrid& g, int row)
{
    const TCellProperties* props = g.CellPropertiesOrNull(0, row);
    return props != nullptr ? props->NodeLevel() : 0;
}

// The texts of column 1 on display, from the first normal row.
QStringList shownRows(const TExStringGrid& g)
{
    QStringList rows;
    for (int r = 1; r < g.RowCount(); ++r) rows << g.GetCellEx(1, r);
    return rows;
}

QStringList rowsOf(std::initializer_list<int> rows)
{
    QStringList list;
    for (int r : rows) list << QString("1,%1").arg(r);
    return list;
}

// A point on the node mark of a display row (level 1, indent 12).
QPoint onMark(const GridUnderTest& t, int row, int level = 1)
{
    const platform::TRect r = t.g->CellRect(0, row);
    return QPoint(r.Left + 10 + 12 * (level - 1), r.Top + r.Height() / 2);
}

}  // namespace

TEST(TreeNodes, AddNodeRaisesLevelsAndMovesOffTheNodeColumn)
{
    GridUnderTest t(4, 8);
    t.g->SetFixedCols(0);
    t.goTo(0, 2);
    ASSERT_EQ(t.g->Col(), 0);
    t.g->AddNode(1, 3);
    EXPECT_EQ(t.g->NumNodes(), 1);
    EXPECT_TRUE(t.g->HasNodes());
    for (int r : {1, 2, 3}) EXPECT_EQ(level(*t.g, r), 1) << r;
    EXPECT_EQ(level(*t.g, 4), 0);
    EXPECT_EQ(t.g->GetNodeLevel(1), 1);
    EXPECT_EQ(t.g->GetNodeLevel(2), -1);
    EXPECT_EQ(t.g->GetNodeSpan(1), 3);
    EXPECT_EQ(t.g->GetNodeSpan(2), -1);
    EXPECT_EQ(t.g->Col(), 1);
    // Column 0 holds the marks: it never becomes current; Tab wraps to column 1.
    t.goTo(1, 5);
    t.key(Qt::Key_Left);
    EXPECT_EQ(t.cell(), QPoint(1, 5));
    t.g->SetOptions(t.g->Options() | platform::goTabs);
    t.goTo(3, 5);
    t.key(Qt::Key_Tab);
    EXPECT_EQ(t.cell(), QPoint(1, 6));
}

TEST(TreeNodes, ContractHidesTheSpanAndExpandBringsItBack)
{
    GridUnderTest t(4, 8);
    t.g->AddNode(1, 3);
    t.g->ContractNode(1);
    EXPECT_TRUE(t.g->GetNodeState(1));
    EXPECT_EQ(t.g->RowCount(), 6);
    EXPECT_EQ(shownRows(*t.g), rowsOf({1, 4, 5, 6, 7}));
    t.g->ContractNode(1);
    EXPECT_EQ(t.g->RowCount(), 6) << "contracting twice changes nothing";
    t.g->ExpandNode(1);
    EXPECT_FALSE(t.g->GetNodeState(1));
    EXPECT_EQ(shownRows(*t.g), rowsOf({1, 2, 3, 4, 5, 6, 7}));
    EXPECT_EQ(level(*t.g, 3), 1) << "levels travel with hidden rows";
}

TEST(TreeNodes, NestedContractedNodeIsAbsorbedAndReadsExpandedAfterwards)
{
    GridUnderTest t(4, 10);
    t.g->AddNode(1, 5);
    t.g->AddNode(2, 2);
    EXPECT_EQ(level(*t.g, 2), 2);
    EXPECT_EQ(level(*t.g, 3), 2);
    EXPECT_EQ(level(*t.g, 4), 1);
    t.g->ContractNode(2);
    EXPECT_EQ(shownRows(*t.g), rowsOf({1, 2, 4, 5, 6, 7, 8, 9}));
    t.g->ContractNode(1);
    EXPECT_EQ(shownRows(*t.g), rowsOf({1, 6, 7, 8, 9}));
    t.g->ExpandNode(1);
    EXPECT_EQ(shownRows(*t.g), rowsOf({1, 2, 3, 4, 5, 6, 7, 8, 9}));
    EXPECT_FALSE(t.g->GetNodeState(2));
    // SetNodeState takes display rows and does nothing when nothing changes.
    t.g->SetNodeState(2, true);
    EXPECT_EQ(shownRows(*t.g), rowsOf({1, 2, 4, 5, 6, 7, 8, 9}));
    t.g->SetNodeState(2, true);
    EXPECT_EQ(t.g->RowCount(), 9);
    t.g->SetNodeState(2, false);
    EXPECT_EQ(t.g->RowCount(), 10);
}

TEST(TreeNodes, SpanZeroCoversTheRowsUpToTheNextNode)
{
    GridUnderTest t(4, 10);
    t.g->AddNode(1, 0);
    t.g->AddNode(4, 2);
    t.g->ContractNode(1);
    EXPECT_EQ(shownRows(*t.g), rowsOf({1, 4, 5, 6, 7, 8, 9}));
    t.g->ExpandNode(1);
    EXPECT_EQ(t.g->RowCount(), 10);
    // ContractAll ends for a span-0 node too.
    t.g->ContractAll();
    EXPECT_EQ(shownRows(*t.g), rowsOf({1, 4, 6, 7, 8, 9}));
}

TEST(TreeNodes, SpanKindsAndParents)
{
    GridUnderTest t(4, 10);
    EXPECT_EQ(t.g->GetParentRow(3), -1) << "no nodes";
    t.g->AddNode(1, 5);
    t.g->AddNode(2, 2);
    struct Case {
        int row;
        int spanType;
        int parent;
    };
    const Case cases[] = {
        {1, 0, 1},   // a top-level node is its own parent
        {2, 0, 1},   // the nested node's parent
        {3, 1, 2},   // ends the nested branch (row 4 is shallower)
        {4, 2, 1},   // the next row goes on at the same level
        {5, 1, 1},   // last row of the outer node
        {6, 1, -1},  // outside every node
        {9, 1, -1},  // last normal row
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.row);
        EXPECT_EQ(t.g->GetNodeSpanType(c.row), c.spanType);
        EXPECT_EQ(t.g->GetParentRow(c.row), c.parent);
    }
    t.g->AddNode(6, 3);
    EXPECT_EQ(t.g->GetNodeSpanType(6), 0);
    EXPECT_EQ(t.g->GetNodeSpanType(7), 2) << "the next row goes on at the same level";
    // With the nested node contracted, display row 3 is the outer node's row 4.
    t.g->ContractNode(2);
    EXPECT_EQ(t.g->GetParentRow(3), 1);
}

TEST(TreeNodes, NodeButtonHitTest)
{
    GridUnderTest t(4, 6);
    t.g->AddNode(1, 3);
    t.g->AddNode(2, 2);
    t.g->MouseActions().PreciseNodeClick = false;
    EXPECT_TRUE(t.g->IsInNodeButton(1, 200));
    t.g->MouseActions().PreciseNodeClick = true;
    struct Case {
        TNodeType type;
        int row;
        int x;
        bool inside;
    };
    const Case cases[] = {
        {cnXP, 1, 4, false},  {cnXP, 1, 5, true},    {cnXP, 1, 15, true},  {cnXP, 1, 16, false},
        {cnFlat, 2, 16, false}, {cnFlat, 2, 17, true}, {cnFlat, 2, 27, true}, {cnFlat, 2, 28, false},
        {cn3D, 1, 1, true},   {cn3D, 1, 17, true},   {cn3D, 1, 18, false}, {cnLeaf, 1, 2, false},
        {cnLeaf, 1, 3, true}, {cnLeaf, 1, 19, true}, {cnLeaf, 1, 20, false},
        {cnGlyph, 1, 0, false}, {cnGlyph, 1, 11, true}, {cnGlyph, 1, 12, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << int(c.type) << " row " << c.row << " x " << c.x);
        t.g->CellNode().SetNodeType(c.type);
        EXPECT_EQ(t.g->IsInNodeButton(c.row, c.x), c.inside);
    }
}

TEST(TreeNodes, InsertAndRemoveChildRows)
{
    GridUnderTest t(4, 8);
    t.g->AddNode(1, 3);
    // On the node row itself: the node's data moves down into the new row.
    t.g->InsertChildRow(1, 0);
    EXPECT_EQ(t.g->RowCount(), 9);
    EXPECT_TRUE(t.g->IsNode(1));
    EXPECT_EQ(t.g->GetCellEx(1, 1), QString());
    EXPECT_EQ(t.g->GetCellEx(1, 2), QString("1,1"));
    EXPECT_EQ(t.g->GetCellEx(2, 2), QString("2,1"));
    EXPECT_EQ(t.g->GetNodeSpan(1), 4);
    EXPECT_EQ(t.g->GetSubNodeCount(1), 1);
    EXPECT_EQ(level(*t.g, 2), 1);
    // Inside a contracted nested node's neighbourhood the hidden rows stay in place.
    t.g->AddNode(6, 2);
    t.g->ContractNode(6);
    t.g->InsertChildRow(3, 1);
    EXPECT_EQ(t.g->GetNodeSpan(1), 5);
    t.g->ExpandNode(t.g->RealRowIndex(7));
    EXPECT_EQ(t.g->GetCellEx(1, 7), QString("1,5"));
    EXPECT_EQ(t.g->GetCellEx(1, 8), QString("1,6"));
    // Removing a child shrinks its node.
    t.g->RemoveChildRow(4);
    EXPECT_EQ(t.g->GetNodeSpan(1), 4);
    EXPECT_EQ(t.g->GetSubNodeCount(1), 1);
    EXPECT_EQ(t.g->RowCount(), 9);
}

TEST(TreeNodes, ContractAllExpandAllAndExpandOne)
{
    GridUnderTest t(4, 12);
    t.g->AddNode(1, 3);
    t.g->AddNode(4, 4);
    t.g->AddNode(5, 2);
    t.g->ContractAll();
    EXPECT_EQ(shownRows(*t.g), rowsOf({1, 4, 8, 9, 10, 11}));
    EXPECT_TRUE(t.g->GetNodeState(1));
    EXPECT_TRUE(t.g->GetNodeState(2));
    t.g->ExpandAll();
    EXPECT_EQ(t.g->RowCount(), 12);
    for (int r : {1, 4, 5}) EXPECT_FALSE(t.g->GetNodeState(r)) << r;

    // One open node at a time; the node that holds the target stays open.
    t.g->CellNode().ExpandOne = true;
    t.g->ContractNode(5);
    t.g->ContractNode(1);
    t.g->ExpandNode(1);
    EXPECT_EQ(shownRows(*t.g), rowsOf({1, 2, 3, 4, 8, 9, 10, 11}));
    t.g->ExpandNode(4);  // all-rows index of the second node
    EXPECT_TRUE(t.g->GetNodeState(1));
    EXPECT_EQ(shownRows(*t.g), rowsOf({1, 4, 5, 6, 7, 8, 9, 10, 11})) << "the absorbed nested node reads expanded";
    t.g->ContractNode(5);
    t.g->ExpandNode(5);
    EXPECT_FALSE(t.g->GetNodeState(2)) << "the node holding the target stays open";
    EXPECT_EQ(shownRows(*t.g), rowsOf({1, 4, 5, 6, 7, 8, 9, 10, 11}));
    // ExpandAll opens every node even so.
    t.g->ExpandAll();
    EXPECT_EQ(t.g->RowCount(), 12);
}

TEST(TreeNodes, RemovingNodesAndClearing)
{
    GridUnderTest t(4, 10);
    t.g->AddNode(1, 5);
    t.g->AddNode(2, 2);
    t.g->ContractNode(1);
    t.g->RemoveNode(1);
    EXPECT_EQ(t.g->RowCount(), 10);
    EXPECT_FALSE(t.g->IsNode(1));
    EXPECT_EQ(t.g->NumNodes(), 1);
    EXPECT_EQ(level(*t.g, 2), 1);
    EXPECT_EQ(level(*t.g, 4), 0);
    t.g->ContractNode(2);
    t.g->RemoveAllNodes();
    EXPECT_EQ(t.g->NumNodes(), 0);
    EXPECT_FALSE(t.g->HasNodes());
    EXPECT_EQ(t.g->RowCount(), 10);
    EXPECT_EQ(level(*t.g, 3), 0);

    t.g->AddNode(1, 3);
    t.g->ContractNode(1);
    t.g->Clear();
    EXPECT_EQ(t.g->NumNodes(), 0);
    EXPECT_EQ(t.g->RowCount(), 10) << "clearing shows the rows of every node";
}

TEST(TreeNodes, ClickOnANodeMarkContractsAndExpandsWithItsEvents)
{
    GridUnderTest t(4, 10);
    t.g->AddNode(2, 3);
    QStringList log;
    bool allow = true;
    t.g->OnClickCell = [&](QObject*, int r, int c) { log << QString("click %1,%2").arg(c).arg(r); };
    t.g->OnBeforeContractNode = [&](QObject*, int r, int real, bool& a) {
        log << QString("before contract %1 %2").arg(r).arg(real);
        a = allow;
    };
    t.g->OnContractNode = [&](QObject*, int r, int real) { log << QString("contract %1 %2").arg(r).arg(real); };
    t.g->OnBeforeExpandNode = [&](QObject*, int r, int real, bool&) { log << QString("before expand %1 %2").arg(r).arg(real); };
    t.g->OnExpandNode = [&](QObject*, int r, int real) { log << QString("expand %1 %2").arg(r).arg(real); };
    t.goTo(2, 6);

    QTest::mouseClick(t.g->viewport(), Qt::LeftButton, {}, onMark(t, 2));
    EXPECT_EQ(log, QStringList({"click 0,2", "before contract 2 2", "contract 2 2"}));
    EXPECT_EQ(t.g->RowCount(), 8);
    log.clear();
    QTest::mouseClick(t.g->viewport(), Qt::LeftButton, {}, onMark(t, 2));
    EXPECT_EQ(log, QStringList({"click 0,2", "before expand 2 2", "expand 2 2"}));
    EXPECT_EQ(t.g->RowCount(), 10);

    // A veto keeps the node as it is.
    allow = false;
    log.clear();
    const int rowBefore = t.g->Row();
    QTest::mouseClick(t.g->viewport(), Qt::LeftButton, {}, onMark(t, 2));
    EXPECT_EQ(log, QStringList({"click 0,2", "before contract 2 2"}));
    EXPECT_EQ(t.g->RowCount(), 10);
    EXPECT_EQ(t.g->Row(), rowBefore) << "the current row stays without MoveRowOnNodeClick";

    // Beside the mark, a row header of a tree only reports the click.
    log.clear();
    const platform::TRect r = t.g->CellRect(0, 3);
    QTest::mouseClick(t.g->viewport(), Qt::LeftButton, {}, QPoint(r.Left + 40, r.Top + 5));
    EXPECT_EQ(log, QStringList({"click 0,3"}));
    EXPECT_EQ(t.g->Row(), rowBefore) << "nothing is selected";

    allow = true;
    t.g->MouseActions().MoveRowOnNodeClick = true;
    QTest::mouseClick(t.g->viewport(), Qt::LeftButton, {}, onMark(t, 2));
    EXPECT_EQ(t.g->Row(), 2);
}

TEST(TreeNodes, HeaderNodeOpensOrClosesEveryNode)
{
    GridUnderTest t(4, 10);
    t.g->AddNode(1, 3);
    t.g->AddNode(4, 3);
    t.g->AddNode(0, 1);  // the header's node
    t.g->MouseActions().NodeAllExpandContract = true;
    QTest::mouseClick(t.g->viewport(), Qt::LeftButton, {}, onMark(t, 0));
    EXPECT_TRUE(t.g->GetNodeState(0));
    EXPECT_EQ(shownRows(*t.g), rowsOf({1, 4, 7, 8, 9}));
    QTest::mouseClick(t.g->viewport(), Qt::LeftButton, {}, onMark(t, 0));
    EXPECT_FALSE(t.g->GetNodeState(0));
    EXPECT_EQ(t.g->RowCount(), 10);
    // Without the option the header node does nothing.
    t.g->MouseActions().NodeAllExpandContract = false;
    QTest::mouseClick(t.g->viewport(), Qt::LeftButton, {}, onMark(t, 0));
    EXPECT_EQ(t.g->RowCount(), 10);
}

TEST(TreeNodes, ArrowKeysOnAMergedNodeRowOpenAndCloseIt)
{
    GridUnderTest t(5, 10);
    t.g->AddNode(2, 3);
    t.g->MergeCells(1, 2, 3, 1);
    t.goTo(1, 2);
    t.key(Qt::Key_Left);
    EXPECT_TRUE(t.g->GetNodeState(2));
    EXPECT_EQ(t.g->RowCount(), 8);
    t.key(Qt::Key_Right);
    EXPECT_FALSE(t.g->GetNodeState(2));
    EXPECT_EQ(t.g->RowCount(), 10);
    // A node row whose current cell is not merged just moves.
    t.g->AddNode(6, 2);
    t.goTo(2, 6);
    t.key(Qt::Key_Left);
    EXPECT_FALSE(t.g->GetNodeState(6));
    EXPECT_EQ(t.cell(), QPoint(1, 6));
}

TEST(TreeNodes, ReleaseOnAnExpandedNodeRowSelectsItsGroup)
{
    GridUnderTest t(5, 10);
    t.g->AddNode(2, 3);
    t.g->Grouping().AutoSelectGroup = true;
    t.click(2, 2);
    EXPECT_EQ(t.g->Selection(), (platform::TGridRect{1, 2, 4, 4}));
    // Contracted: an ordinary click.
    t.g->ContractNode(2);
    t.click(2, 2);
    EXPECT_EQ(t.g->Selection(), (platform::TGridRect{2, 2, 2, 2}));
}

TEST(TreeNodes, NodeMarksAndIndentsArePainted)
{
    GridUnderTest t(4, 8);
    t.g->CellNode().SetNodeType(cnFlat);
    t.g->CellNode().NodeColor = clBlack;
    t.g->CellNode().Color = clWhite;
    t.g->SetColWidths(0, 60);
    for (int r = 0; r < t.g->RowCount(); ++r) t.g->SetCellEx(0, r, QString());
    t.g->AddNode(1, 4);
    t.g->AddNode(2, 2);
    t.g->ContractNode(2);
    const QImage image = t.g->viewport()->grab().toImage();
    image.save(QDir::current().filePath("tree_nodes.png"));

    // The black pixels of a row's mark: a 9 x 9 box at the row's level; the
    // vertical stroke of the plus only while contracted.
    auto markBox = [&](int row) {
        const platform::TRect r = t.g->CellRect(0, row);
        QRect box;
        for (int y = r.Top; y < r.Bottom; ++y)
            for (int x = r.Left; x < r.Left + 40; ++x)
                if ((image.pixel(x, y) & 0xFFFFFF) == 0) box |= QRect(x, y, 1, 1);
        return box;
    };
    const QRect outer = markBox(1), nested = markBox(2);
    EXPECT_EQ(outer.size(), QSize(9, 9));
    EXPECT_EQ(nested.size(), QSize(9, 9));
    EXPECT_EQ(nested.left() - outer.left(), 12) << "one indent further in";
    EXPECT_TRUE(t.g->IsInNodeButton(1, outer.center().x()));
    EXPECT_TRUE(t.g->IsInNodeButton(2, nested.center().x()));
    const QPoint outerStroke(outer.left() + 4, outer.top() + 2), nestedStroke(nested.left() + 4, nested.top() + 2);
    EXPECT_NE(image.pixel(outerStroke) & 0xFFFFFF, 0u) << "expanded: a minus only";
    EXPECT_EQ(image.pixel(nestedStroke) & 0xFFFFFF, 0u) << "contracted: a plus";
    EXPECT_TRUE(markBox(3).isEmpty()) << "a child row shows no mark";

    // The other marks, for the eye: every node type on a small tree.
    for (TNodeType type : {cnXP, cnLeaf, cn3D}) {
        t.g->CellNode().SetNodeType(type);
        t.g->viewport()->grab().save(QDir::current().filePath(QString("tree_nodes_%1.png").arg(int(type))));
    }
}

TEST(TreeNodes, InsertKeyAddsAChildRowToTheNodeBelowAContractedOne)
{
    GridUnderTest t(4, 10);
    t.g->AddNode(1, 3);
    t.g->AddNode(4, 3);
    t.g->ContractNode(1);  // rows 2 and 3 hidden: display row 3 is all-rows 5
    t.g->Navigation().AllowInsertRow = true;
    t.g->Navigation().InsertPosition = pInsertBefore;
    t.goTo(1, 3);
    t.key(Qt::Key_Insert);
    EXPECT_EQ(t.g->GetNodeSpan(2), 4) << "the second node grows";
    EXPECT_EQ(t.g->GetCellEx(1, 3), QString());
    EXPECT_EQ(t.g->GetCellEx(1, 4), QString("1,5"));
    t.g->ExpandNode(1);
    EXPECT_EQ(shownRows(*t.g), QStringList({"1,1", "1,2", "1,3", "1,4", "", "1,5", "1,6", "1,7", "1,8", "1,9"}));
}

namespace {

// Every row brought back to display, in the order they stand.
QStringList everyRow(TExStringGrid& g)
{
    g.ExpandAll();
    g.UnHideRowsAll();
    return shownRows(g);
}

QStringList rowsFrom(int first, int last)
{
    QStringList list;
    for (int r = first; r <= last; ++r) list << QString("1,%1").arg(r);
    return list;
}

}  // namespace

TEST(TreeNodes, RowsHiddenOtherwiseStayPutThroughContracting)
{
    {
        SCOPED_TRACE("a row hidden inside the span");
        GridUnderTest t(4, 9);
        t.g->AddNode(1, 4);
        t.g->HideRow(3);
        t.g->ContractNode(1);
        EXPECT_EQ(shownRows(*t.g), rowsOf({1, 5, 6, 7, 8})) << "row 5 lies outside the node";
        EXPECT_EQ(everyRow(*t.g), rowsFrom(1, 8));
    }
    {
        SCOPED_TRACE("a row hidden before ContractAll");
        GridUnderTest t(4, 10);
        t.g->HideRow(2);
        t.g->AddNode(4, 3);
        t.g->ContractAll();
        EXPECT_EQ(shownRows(*t.g), rowsOf({1, 3, 4, 7, 8, 9}));
        t.g->ExpandAll();
        EXPECT_EQ(shownRows(*t.g), rowsOf({1, 3, 4, 5, 6, 7, 8, 9}));
        EXPECT_EQ(everyRow(*t.g), rowsFrom(1, 9));
    }
    {
        SCOPED_TRACE("a nested span-0 node");
        GridUnderTest t(4, 10);
        t.g->AddNode(1, 5);
        t.g->AddNode(3, 0);
        t.g->AddNode(6, 2);
        t.g->ContractNode(3);
        t.g->ContractNode(1);
        EXPECT_EQ(shownRows(*t.g), rowsOf({1, 6, 7, 8, 9}));
        EXPECT_EQ(everyRow(*t.g), rowsFrom(1, 9));
    }
    {
        SCOPED_TRACE("a hidden row's index names no node");
        GridUnderTest t(4, 10);
        t.g->AddNode(1, 5);
        t.g->AddNode(2, 2);
        t.g->AddNode(6, 2);
        t.g->ContractNode(6);
        t.g->ContractNode(1);
        t.g->ExpandNode(2);
        t.g->ContractNode(2);
        EXPECT_EQ(shownRows(*t.g), rowsOf({1, 6, 8, 9}));
        EXPECT_EQ(everyRow(*t.g), rowsFrom(1, 9));
    }
}

TEST(TreeNodes, RemovingNodeRowsAndNodesKeepsRowsLevelsAndCount)
{
    {
        SCOPED_TRACE("a contracted top node row removed as a child row");
        GridUnderTest t(4, 10);
        t.g->AddNode(1, 3);
        t.g->ContractNode(1);
        t.g->RemoveChildRow(1);
        EXPECT_EQ(t.g->NumNodes(), 0);
        EXPECT_EQ(everyRow(*t.g), rowsOf({2, 3, 4, 5, 6, 7, 8, 9}));
    }
    {
        SCOPED_TRACE("a contracted nested node row removed");
        GridUnderTest t(4, 10);
        t.g->AddNode(1, 5);
        t.g->AddNode(2, 2);
        t.g->ContractNode(2);
        t.g->RemoveChildRow(2);
        EXPECT_EQ(t.g->GetNodeSpan(1), 4);
        EXPECT_EQ(level(*t.g, 2), 1) << "the nested node's child is a child of the outer node now";
        EXPECT_EQ(everyRow(*t.g), rowsOf({1, 3, 4, 5, 6, 7, 8, 9}));
    }
    {
        SCOPED_TRACE("levels after RemoveNode with a contracted nested node");
        GridUnderTest t(4, 10);
        t.g->AddNode(1, 5);
        t.g->AddNode(2, 2);
        t.g->AddNode(6, 3);
        t.g->ContractNode(2);
        t.g->RemoveNode(1);
        t.g->ExpandAll();
        const int expected[] = {0, 0, 1, 1, 0, 0, 1, 1, 1, 0};
        for (int r = 0; r < 10; ++r) EXPECT_EQ(level(*t.g, r), expected[r]) << r;
    }
    {
        SCOPED_TRACE("RemoveNode of a span-0 node lowers its own row only");
        GridUnderTest t(4, 10);
        t.g->AddNode(1, 6);
        t.g->AddNode(3, 0);
        t.g->RemoveNode(3);
        for (int r = 1; r <= 6; ++r) EXPECT_EQ(level(*t.g, r), 1) << r;
    }
    {
        SCOPED_TRACE("RemoveAllNodes with a contracted nested node");
        GridUnderTest t(4, 10);
        t.g->AddNode(1, 5);
        t.g->AddNode(2, 2);
        t.g->ContractNode(2);
        t.g->RemoveAllNodes();
        t.g->UnHideRowsAll();
        for (int r = 0; r < 10; ++r) EXPECT_EQ(level(*t.g, r), 0) << r;
    }
    {
        SCOPED_TRACE("a node made again on a contracted node");
        GridUnderTest t(4, 10);
        t.g->AddNode(1, 3);
        t.g->ContractNode(1);
        t.g->AddNode(1, 3);
        EXPECT_EQ(t.g->NumNodes(), 1);
        EXPECT_EQ(level(*t.g, 2), 1);
        EXPECT_EQ(everyRow(*t.g), rowsFrom(1, 9));
        t.g->RemoveAllNodes();
        EXPECT_FALSE(t.g->HasNodes());
    }
    {
        SCOPED_TRACE("node rows deleted or cut off leave the count");
        GridUnderTest t(4, 10);
        t.g->AddNode(1, 2);
        t.g->AddNode(7, 2);
        t.g->RemoveRows(1, 1);
        EXPECT_EQ(t.g->NumNodes(), 1);
        t.g->SetRowCount(5);
        EXPECT_EQ(t.g->NumNodes(), 0);
        EXPECT_FALSE(t.g->HasNodes());
    }
}

TEST(TreeNodes, ChildRowOnANestedNodeRowJoinsThatNode)
{
    GridUnderTest t(4, 10);
    t.g->AddNode(1, 5);
    t.g->AddNode(2, 2);
    t.g->InsertChildRow(2, 0);
    EXPECT_EQ(t.g->GetNodeSpan(2), 3);
    EXPECT_EQ(t.g->GetNodeSpan(1), 6);
    EXPECT_EQ(t.g->GetCellEx(1, 3), QString("1,2"));
    EXPECT_EQ(level(*t.g, 3), 2);
    t.g->ContractNode(2);
    EXPECT_EQ(shownRows(*t.g), QStringList({"1,1", "", "1,4", "1,5", "1,6", "1,7", "1,8", "1,9"}));
}

TEST(TreeNodes, ClearingNormalCellsKeepsNodesBesideFixedColumns)
{
    GridUnderTest t(4, 8);
    t.g->AddNode(1, 3);
    t.g->ClearNormalCells();
    EXPECT_EQ(t.g->NumNodes(), 1) << "column 0 is a fixed column: its marks stay";
    t.g->SetFixedCols(0);
    t.g->ClearNormalCells();
    EXPECT_EQ(t.g->NumNodes(), 0);
}

TEST(TreeNodes, CtrlClickOnANodeMarkLeavesDisjunctRowsAlone)
{
    GridUnderTest t(4, 10);
    t.g->AddNode(2, 3);
    t.g->MouseActions().SetDisjunctRowSelect(true);
    QTest::mouseClick(t.g->viewport(), Qt::LeftButton, Qt::ControlModifier, onMark(t, 2));
    EXPECT_TRUE(t.g->GetNodeState(2));
    EXPECT_FALSE(t.g->RowSelect(2));
}

namespace {

// Rows "node, c1, c2, c3, after" below a header, one node over the first four.
struct FilteredTree {
    GridUnderTest t{4, 6};
    FilteredTree()
    {
        const QStringList texts{"node", "c1", "c2", "c3", "after"};
        for (int r = 1; r <= 5; ++r) t.g->SetCellEx(1, r, texts[r - 1]);
        t.g->AddNode(1, 4);
    }
    void filterOut(const QString& text)
    {
        TFilterData& f = t.g->Filter().Add();
        f.Column = 1;
        f.Condition = "!" + text;
        t.g->SetFilterActive(true);
    }
    QStringList rows() const { return shownRows(*t.g); }
};

}  // namespace

TEST(TreeNodes, FiltersAndContractedNodesKeepTheirOwnRows)
{
    {
        SCOPED_TRACE("filter, contract, unfilter, expand");
        FilteredTree f;
        f.filterOut("c2");
        f.t.g->ContractNode(1);
        f.t.g->SetFilterActive(false);
        EXPECT_EQ(f.rows(), QStringList({"node", "after"})) << "c2 goes with the contracted node";
        f.t.g->ExpandNode(1);
        EXPECT_EQ(f.rows(), QStringList({"node", "c1", "c2", "c3", "after"}));
        EXPECT_EQ(f.t.g->NumHiddenRows(), 0);
    }
    {
        SCOPED_TRACE("expanding while filtered keeps the filtered rows hidden");
        FilteredTree f;
        f.t.g->ContractNode(1);
        f.filterOut("c2");
        f.t.g->ExpandAll();
        EXPECT_EQ(f.rows(), QStringList({"node", "c1", "c3", "after"}));
        f.t.g->SetFilterActive(false);
        EXPECT_EQ(f.rows(), QStringList({"node", "c1", "c2", "c3", "after"}));
    }
    {
        SCOPED_TRACE("a filtered row after the span stays filtered");
        FilteredTree f;
        f.filterOut("after");
        f.t.g->ContractNode(1);
        f.t.g->ExpandNode(1);
        EXPECT_EQ(f.rows(), QStringList({"node", "c1", "c2", "c3"}));
        f.t.g->SetFilterActive(false);
        EXPECT_EQ(f.rows(), QStringList({"node", "c1", "c2", "c3", "after"}));
    }
    {
        SCOPED_TRACE("parents count the filtered rows");
        FilteredTree f;
        f.filterOut("c1");
        EXPECT_EQ(f.t.g->GetParentRow(3), 1) << "c3";
        EXPECT_EQ(f.t.g->GetParentRow(4), -1) << "after";
    }
}

TEST(TreeNodes, SequencesMixingNodesFiltersAndRowsLoseNothing)
{
    {
        SCOPED_TRACE("a child row on a contracted span-0 node");
        GridUnderTest t(4, 8);
        t.g->AddNode(3, 0);
        t.g->ContractNode(3);
        t.g->InsertChildRow(3, 1);
        t.g->ExpandAll();
        EXPECT_EQ(t.g->NumHiddenRows(), 0);
        EXPECT_EQ(shownRows(*t.g), QStringList({"1,1", "1,2", "1,3", "", "1,4", "1,5", "1,6", "1,7"}));
        EXPECT_EQ(t.g->GetNodeSpan(3), 0);
    }
    {
        SCOPED_TRACE("a child row while a filter hides the rows after the node");
        GridUnderTest t(4, 7);
        const QStringList marks{"a", "b", "b", "a", "a", "a"};
        for (int r = 1; r <= 6; ++r) t.g->SetCellEx(2, r, marks[r - 1]);
        t.g->AddNode(1, 2);
        TFilterData& f = t.g->Filter().Add();
        f.Column = 2;
        f.Condition = "a";
        t.g->SetFilterActive(true);
        t.g->InsertChildRow(1, 1);
        t.g->SetFilterActive(false);
        EXPECT_EQ(shownRows(*t.g), QStringList({"1,1", "", "1,2", "1,3", "1,4", "1,5", "1,6"}));
        t.g->ContractNode(1);
        EXPECT_EQ(shownRows(*t.g), QStringList({"1,1", "1,3", "1,4", "1,5", "1,6"}));
    }
    {
        SCOPED_TRACE("a contracted node row removed as a row");
        GridUnderTest t(4, 8);
        t.g->AddNode(2, 3);
        t.g->ContractNode(2);
        t.g->RemoveRows(2, 1);
        EXPECT_EQ(t.g->NumNodes(), 0);
        EXPECT_EQ(t.g->NumHiddenRows(), 0);
        EXPECT_EQ(shownRows(*t.g), rowsOf({1, 3, 4, 5, 6, 7}));
    }
    {
        SCOPED_TRACE("RemoveAllNodes with a node row hidden");
        GridUnderTest t(4, 8);
        t.g->AddNode(2, 2);
        t.g->HideRow(2);
        t.g->RemoveAllNodes();
        EXPECT_EQ(t.g->NumNodes(), 1) << "the hidden node row is still a node";
        t.g->UnHideRowsAll();
        EXPECT_TRUE(t.g->IsNode(2));
        EXPECT_TRUE(t.g->HasNodes());
    }
}

TEST(TreeNodes, HidingEveryRowAndShowingThemAgainKeepsTheHeaderFixed)
{
    GridUnderTest t(4, 6);
    t.g->HideRows(1, 5);
    EXPECT_EQ(t.g->RowCount(), 1);
    t.g->UnHideRowsAll();
    EXPECT_EQ(t.g->FixedRows(), 1);
    EXPECT_EQ(shownRows(*t.g), rowsOf({1, 2, 3, 4, 5}));
}

TEST(TreeNodes, TheNodesDataTakesItsHeightIntoTheChildRow)
{
    GridUnderTest t(4, 6);
    t.g->SetRowHeights(2, 40);
    t.g->AddNode(2, 2);
    t.g->InsertChildRow(2, 0);
    EXPECT_EQ(t.g->GetCellEx(1, 3), "1,2");
    EXPECT_EQ(t.g->RowHeights(3), 40);
    EXPECT_EQ(t.g->RowHeights(2), t.g->DefaultRowHeight());
}
