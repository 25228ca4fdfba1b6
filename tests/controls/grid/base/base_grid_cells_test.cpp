#include <memory>
#include <set>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "controls/grid/base/base_grid_cells.h"
#include "controls/grid/cells/cell_graphic.h"
#include "controls/grid/grid_error.h"

using namespace grid;

namespace {

// A base grid that records the window-side hooks and can keep columns
// hidden beyond its ColCount, as the string grid does.
class MergeTestGrid : public TBaseGridCells {
public:
    MergeTestGrid(int cols, int rows)
    {
        SetColCount(cols);
        SetRowCount(rows);
    }
    int TotalColCount() const override { return ColCount() + hidden; }
    void SetHidden(int count)
    {
        hidden = count;
        UpdateStoreColumns();
    }
    void RepaintCell(int c, int r) override { repainted.emplace_back(c, r); }
    bool HasParent() const override { return parented; }
    void CellTextChanged(int c, int r) override { changed.emplace_back(c, r); }
    void LastRowChanged() override { ++lastRowChanges; }

    int hidden = 0;
    bool parented = false;
    std::vector<std::pair<int, int>> repainted;
    std::vector<std::pair<int, int>> changed;
    int lastRowChanges = 0;
};

// A graphic that counts its destructions.
struct PropsCountedGraphic : TCellGraphic {
    explicit PropsCountedGraphic(int& counter) : destroyed(counter) {}
    ~PropsCountedGraphic() override { ++destroyed; }
    int& destroyed;
};

}  // namespace

// MergeCells(1, 1, 3, 2) in a 6 x 5 grid: the block covers columns 1..3, rows 1..2.
TEST(BaseGridMergeTest, QueriesOfAMergedBlock)
{
    MergeTestGrid grid(6, 5);
    grid.MergeCells(1, 1, 3, 2);

    struct Case {
        int col, row;
        QPoint base, span, ext;
        QRect full;
        bool isBase, merged, mergedNonBase, xMerged, yMerged;
    } cases[] = {
        // base cell
        {1, 1, {1, 1}, {2, 1}, {2, 1}, QRect(QPoint(1, 1), QPoint(3, 2)), true, true, false, true, true},
        // other cells of the block
        {3, 2, {1, 1}, {2, 1}, {0, 0}, QRect(QPoint(1, 1), QPoint(3, 2)), false, true, true, true, true},
        {2, 1, {1, 1}, {2, 1}, {1, 1}, QRect(QPoint(1, 1), QPoint(3, 2)), false, true, true, true, true},
        {2, 2, {1, 1}, {2, 1}, {1, 0}, QRect(QPoint(1, 1), QPoint(3, 2)), false, true, true, true, true},
        {1, 2, {1, 1}, {2, 1}, {2, 0}, QRect(QPoint(1, 1), QPoint(3, 2)), false, true, true, true, true},
        // plain cells next to it, and cells outside the grid
        {4, 1, {4, 1}, {0, 0}, {0, 0}, QRect(QPoint(4, 1), QPoint(4, 1)), true, false, false, false, false},
        {0, 0, {0, 0}, {0, 0}, {0, 0}, QRect(QPoint(0, 0), QPoint(0, 0)), true, false, false, false, false},
        {-1, 1, {-1, 1}, {0, 0}, {0, 0}, QRect(QPoint(-1, 1), QPoint(-1, 1)), true, false, false, false, false},
        {6, 1, {6, 1}, {0, 0}, {0, 0}, QRect(QPoint(6, 1), QPoint(6, 1)), true, false, false, false, false},
        {1, 5, {1, 5}, {0, 0}, {0, 0}, QRect(QPoint(1, 5), QPoint(1, 5)), true, false, false, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "cell " << c.col << "," << c.row);
        EXPECT_EQ(grid.BaseCell(c.col, c.row), c.base);
        EXPECT_EQ(grid.CellSpan(c.col, c.row), c.span);
        EXPECT_EQ(grid.CellExt(c.col, c.row), c.ext);
        EXPECT_EQ(grid.FullCell(c.col, c.row), c.full);
        EXPECT_EQ(grid.IsBaseCell(c.col, c.row), c.isBase);
        EXPECT_EQ(grid.IsMergedCell(c.col, c.row), c.merged);
        EXPECT_EQ(grid.IsMergedNonBaseCell(c.col, c.row), c.mergedNonBase);
        EXPECT_EQ(grid.IsXMergedCell(c.col, c.row), c.xMerged);
        EXPECT_EQ(grid.IsYMergedCell(c.col, c.row), c.yMerged);
        int bc = -99, br = -99;
        EXPECT_EQ(grid.IsBaseCellEx(c.col, c.row, bc, br), c.isBase);
        EXPECT_EQ(QPoint(bc, br), c.base);
    }

    // The encoding itself.
    const TCellProperties* base = grid.CellPropertiesOrNull(1, 1);
    EXPECT_TRUE(base->IsBaseCell());
    EXPECT_EQ(QPoint(base->CellSpanX(), base->CellSpanY()), QPoint(2, 1));
    const TCellProperties* last = grid.CellPropertiesOrNull(3, 2);
    EXPECT_FALSE(last->IsBaseCell());
    EXPECT_EQ(QPoint(last->CellSpanX(), last->CellSpanY()), QPoint(2, 1));
    EXPECT_EQ(grid.MergeCount(), 1);
}

TEST(BaseGridMergeTest, SplittingAnyCellRestoresTheWholeBlock)
{
    for (const QPoint& at : {QPoint(1, 1), QPoint(3, 2), QPoint(2, 1)}) {
        SCOPED_TRACE(testing::Message() << "split at " << at.x() << "," << at.y());
        MergeTestGrid grid(6, 5);
        grid.MergeCells(1, 1, 3, 2);
        grid.repainted.clear();
        grid.SplitCells(at.x(), at.y());
        for (int c = 1; c <= 3; ++c) {
            for (int r = 1; r <= 2; ++r) {
                const TCellProperties* props = grid.CellPropertiesOrNull(c, r);
                ASSERT_NE(props, nullptr);
                EXPECT_TRUE(props->IsBaseCell());
                EXPECT_EQ(props->CellSpanX(), -1);
                EXPECT_EQ(props->CellSpanY(), -1);
                EXPECT_FALSE(grid.IsMergedCell(c, r));
            }
        }
        EXPECT_EQ(grid.repainted.size(), 6u);
        EXPECT_EQ(grid.MergeCount(), 0);
    }
}

TEST(BaseGridMergeTest, EdgeCasesOfMerging)
{
    MergeTestGrid grid(6, 5);

    // A block of one cell is a base cell with spans 0, not counted as merged.
    grid.MergeCells(0, 0, 1, 1);
    EXPECT_FALSE(grid.IsMergedCell(0, 0));
    EXPECT_EQ(grid.CellPropertiesOrNull(0, 0)->CellSpanX(), 0);
    EXPECT_EQ(grid.FullCell(0, 0), QRect(QPoint(0, 0), QPoint(0, 0)));

    // Spans below 1 only count.
    grid.MergeCells(2, 2, 0, 3);
    EXPECT_EQ(grid.CellPropertiesOrNull(2, 2), nullptr);

    // A block is cut to the store; an origin outside it is ignored.
    grid.MergeCells(4, 3, 5, 5);
    EXPECT_EQ(grid.CellSpan(5, 4), QPoint(1, 1));
    EXPECT_EQ(grid.BaseCell(5, 4), QPoint(4, 3));
    const int count = grid.MergeCount();
    grid.MergeCells(6, 0, 2, 2);
    grid.MergeCells(-1, -1, 3, 3);
    grid.SplitCells(99, 99);
    EXPECT_EQ(grid.MergeCount(), count);
    EXPECT_EQ(grid.CellPropertiesOrNull(0, 1), nullptr);

    // Splitting a plain cell gives it plain properties and only counts.
    grid.SplitCells(1, 4);
    EXPECT_NE(grid.CellPropertiesOrNull(1, 4), nullptr);
    EXPECT_EQ(grid.MergeCount(), count - 1);
}

TEST(BaseGridMergeTest, RowAndColumnSpans)
{
    MergeTestGrid grid(5, 8);
    grid.MergeCells(0, 1, 1, 3);  // rows 1..3 in column 0
    grid.MergeCells(2, 1, 2, 2);  // columns 2..3, rows 1..2
    grid.MergeCells(1, 5, 1, 2);  // rows 5..6 in column 1
    grid.MergeCells(4, 4, 1, 2);  // rows 4..5 in column 4
    grid.MergeCells(4, 6, 1, 2);  // rows 6..7 in column 4

    EXPECT_EQ(grid.MinRowSpan(1), 1);
    EXPECT_EQ(grid.MaxRowSpan(1), 2);
    EXPECT_EQ(grid.MinRowSpan(0), grid.RowCount());  // no vertical block in row 0
    EXPECT_EQ(grid.MaxRowSpan(0), 0);

    struct Case {
        int row1, row2;
        bool result, found;
    } rowCases[] = {
        {1, 2, true, true},   // columns 0, 2 and 3 merge both rows into the same blocks
        {1, 3, true, true},   // column 0 does; columns 2 and 3 do not reach row 3
        {3, 5, true, false},  // no column merges both rows
        {0, 4, true, false},
        {5, 6, false, true},  // column 1 merges them into one block, column 4 into two
        {6, 7, true, true},
    };
    for (const Case& c : rowCases) {
        SCOPED_TRACE(testing::Message() << "rows " << c.row1 << "," << c.row2);
        bool found = !c.found;
        EXPECT_EQ(grid.RowSpanIdentical(c.row1, c.row2, found), c.result);
        EXPECT_EQ(found, c.found);
    }

    MergeTestGrid cols(6, 3);
    cols.MergeCells(1, 0, 2, 1);
    cols.MergeCells(1, 1, 2, 1);
    cols.MergeCells(1, 2, 2, 1);  // columns 1 and 2 merged in every row
    cols.MergeCells(3, 0, 2, 1);  // columns 3 and 4 only in row 0
    bool found = false;
    EXPECT_TRUE(cols.ColSpanIdentical(1, 2, found));
    EXPECT_TRUE(found);
    EXPECT_TRUE(cols.ColSpanIdentical(3, 4, found));   // one block in row 0, plain alike below
    EXPECT_FALSE(cols.ColSpanIdentical(2, 3, found));  // different blocks in row 0
    EXPECT_FALSE(cols.ColSpanIdentical(0, 1, found));  // plain beside merged
    EXPECT_TRUE(cols.ColSpanIdentical(0, 5, found));
    EXPECT_FALSE(found);
}

TEST(BaseGridMergeTest, ReadingAndWritingAnyCellOfABlockUsesTheBaseCell)
{
    MergeTestGrid grid(6, 5);
    grid.parented = true;
    grid.SetGridCell(1, 1, "base");
    grid.SetGridCell(2, 2, "hidden under the block");
    grid.MergeCells(1, 1, 3, 2);

    EXPECT_EQ(grid.GetCellEx(2, 2), "base");
    EXPECT_EQ(grid.GetCellEx(3, 1), "base");
    // The display hook is asked for the base cell.
    grid.SetNormalRowCount(5);
    QPoint asked;
    grid.OnGetDisplText = [&asked](int c, int r, QString& v) {
        asked = QPoint(c, r);
        v = v.toUpper();
    };
    EXPECT_EQ(grid.GetCellEx(3, 2), "BASE");
    EXPECT_EQ(asked, QPoint(1, 1));
    grid.OnGetDisplText = nullptr;
    grid.repainted.clear();
    grid.SetCellEx(3, 2, "new");
    EXPECT_EQ(grid.GetGridCell(1, 1), "new");
    EXPECT_EQ(grid.GetGridCell(3, 2), "");
    EXPECT_EQ(grid.GetGridCell(2, 2), "hidden under the block");
    EXPECT_EQ(grid.changed, (std::vector<std::pair<int, int>>{{1, 1}}));
    EXPECT_EQ(grid.repainted, (std::vector<std::pair<int, int>>{{3, 2}}));
}

TEST(BaseGridMergeTest, SelectBaseCellMovesTheCurrentCellIntoTheBase)
{
    MergeTestGrid grid(6, 5);
    grid.MergeCells(1, 1, 3, 2);
    grid.SetCol(3);
    grid.SetRow(2);
    grid.SelectBaseCell();
    EXPECT_EQ(QPoint(grid.Col(), grid.Row()), QPoint(1, 1));
    grid.SetCol(5);
    grid.SelectBaseCell();
    EXPECT_EQ(grid.Col(), 5);
}

TEST(BaseGridCellTextTest, DisplayHooksApplyToNormalRowsOnly)
{
    struct Case {
        const char* name;
        int normalRows;
        bool textHandler, wideHandler;
        int row;
        QString stored, expected;
    } cases[] = {
        {"no handlers", 5, false, false, 1, "abc", "abc"},
        {"text handler", 5, true, false, 1, "abc", "abc!"},
        {"row beyond the normal rows", 1, true, true, 1, "abc", "abc"},
        {"bare base grid", 0, true, true, 0, "abc", "abc"},
        {"wide handler packs plain text", 5, false, true, 1, "ab", ""},
        {"wide handler reads packed text", 5, false, true, 1, QString("|\\") + QChar(0x04) + QChar(0x10), ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        MergeTestGrid grid(3, 3);
        grid.SetNormalRowCount(c.normalRows);
        if (c.textHandler) grid.OnGetDisplText = [](int, int, QString& v) { v += "!"; };
        QString seenWide;
        if (c.wideHandler) grid.OnGetDisplWideText = [&seenWide](int, int, QString& v) { seenWide = v; };
        grid.SetGridCell(0, c.row, c.stored);
        const QString read = grid.GetCellEx(0, c.row);
        if (c.wideHandler && c.row < c.normalRows) {
            EXPECT_TRUE(read.startsWith("|\\"));
            if (c.stored.startsWith("|\\")) {
                EXPECT_EQ(seenWide, QString(QChar(0x0410)));
                EXPECT_EQ(read, c.stored);
            } else {
                EXPECT_EQ(seenWide, c.stored);
                EXPECT_EQ(read.size(), 2 + 2 * c.stored.size());
            }
        } else {
            EXPECT_EQ(read, c.expected);
        }
    }
}

TEST(BaseGridCellTextTest, AccessorsOutsideTheStoreTouchNothing)
{
    MergeTestGrid grid(3, 3);
    int hookCalls = 0;
    grid.SetNormalRowCount(100);
    grid.OnGetDisplText = [&hookCalls](int, int, QString&) { ++hookCalls; };
    grid.SetHideLastRow(true);
    for (const QPoint& at : {QPoint(-1, 0), QPoint(0, -1), QPoint(3, 0), QPoint(0, 3), QPoint(1 << 30, 1 << 30)}) {
        SCOPED_TRACE(testing::Message() << at.x() << "," << at.y());
        EXPECT_EQ(grid.GetCellEx(at.x(), at.y()), "");
        grid.SetCellEx(at.x(), at.y(), "x");
        grid.SetObjectEx(at.x(), at.y(), 42);
        EXPECT_EQ(grid.GetObjectEx(at.x(), at.y()), 0u);
        EXPECT_FALSE(grid.HasCellProperties(at.x(), at.y()));
        EXPECT_THROW(grid.GetCellProperties(at.x(), at.y()), EExGridError);
        EXPECT_EQ(grid.GetGraphicObjectEx(at.x(), at.y()), nullptr);
        grid.FreeCellProps(at.x(), at.y());
        grid.ResetCell(at.x(), at.y());
    }
    grid.ResetCol(7);
    grid.ResetRow(-2);
    grid.FreeCellPropsRect(-5, -5, 10, 10);
    EXPECT_EQ(hookCalls, 0);
    EXPECT_EQ(grid.lastRowChanges, 0);
    EXPECT_EQ(grid.Cells().PropertiesCount(), 0);
}

TEST(BaseGridCellTextTest, WritingTheLastRowOfAHiddenLastRowGridNotifies)
{
    MergeTestGrid grid(3, 4);
    grid.SetCellEx(0, 3, "footer");
    EXPECT_EQ(grid.lastRowChanges, 0);
    grid.SetHideLastRow(true);
    grid.SetCellEx(0, 3, "footer");
    grid.SetCellEx(0, 2, "body");
    EXPECT_EQ(grid.lastRowChanges, 1);
}

TEST(BaseGridPropertiesTest, NewPropertiesTakeTheDefaultLook)
{
    class StyledGrid : public MergeTestGrid {
    public:
        StyledGrid() : MergeTestGrid(4, 4) {}
        void GetDefaultCellProperties(int ACol, int, TCellFont& AFont, TColor& ABrushColor, TColor& AColorTo,
                                      TColor&, TColor&, TAlignment& HA, TVAlignment& VA, bool& WW,
                                      TCellGradientDirection& GD) override
        {
            presetWordWrap = WW;
            AFont = TCellFont{"Verdana", 11, fsBold | fsItalic, 0x00112233};
            ABrushColor = 0x00ABCDEF;
            AColorTo = 0x00010203;
            HA = ACol == 0 ? taCenter : taRightJustify;
            VA = vtaBottom;
            WW = false;
            GD = GradientHorizontal;
        }
        bool presetWordWrap = false;
    };

    StyledGrid grid;
    EXPECT_FALSE(grid.HasCellProps());
    TCellProperties* props = grid.GetCellProperties(0, 2);
    EXPECT_TRUE(grid.HasCellProps());
    EXPECT_TRUE(grid.presetWordWrap);  // the grid's WordWrap
    EXPECT_EQ(props->OwnerGrid(), &grid);
    EXPECT_EQ(QPoint(props->OwnerCol(), props->OwnerRow()), QPoint(0, 2));
    EXPECT_EQ(props->FontName(), "Verdana");
    EXPECT_EQ(props->FontSize(), 11);
    EXPECT_EQ(props->FontStyle(), fsBold | fsItalic);
    EXPECT_EQ(props->FontColor(), 0x00112233u);
    EXPECT_EQ(props->BrushColor(), 0x00ABCDEFu);
    EXPECT_EQ(props->BrushColorTo(), 0x00010203u);
    EXPECT_EQ(props->Alignment(), taCenter);
    EXPECT_EQ(props->VAlignment(), vtaBottom);
    EXPECT_FALSE(props->WordWrap());
    EXPECT_EQ(props->GradientDirection(), GradientHorizontal);
    EXPECT_EQ(props->CalcType(), acNONE);
    EXPECT_EQ(QPoint(props->CellSpanX(), props->CellSpanY()), QPoint(-1, -1));
    EXPECT_TRUE(props->IsBaseCell());
    EXPECT_EQ(grid.GetCellProperties(0, 2), props);  // created once

    // The base grid's own defaults: the grid font and colour.
    MergeTestGrid plain(2, 2);
    const TCellProperties* own = plain.GetCellProperties(1, 1);
    EXPECT_EQ(own->FontName(), plain.Font().Name);
    EXPECT_EQ(own->FontColor(), clWindowText);
    EXPECT_EQ(own->BrushColor(), clWindow);
    EXPECT_EQ(own->BrushColorTo(), clNone);
    EXPECT_EQ(own->Alignment(), taLeftJustify);
    EXPECT_EQ(own->VAlignment(), vtaTop);
}

TEST(BaseGridPropertiesTest, LookSettersRepaintTheirCellOnlyWhereTheyShould)
{
    MergeTestGrid grid(4, 4);
    TCellProperties* props = grid.GetCellProperties(2, 3);
    struct Case {
        const char* name;
        void (*apply)(TCellProperties*);
        bool repaints;
    } cases[] = {
        {"BrushColor", [](TCellProperties* p) { p->SetBrushColor(clRed); }, true},
        {"BrushColorTo", [](TCellProperties* p) { p->SetBrushColorTo(clRed); }, true},
        {"VAlignment", [](TCellProperties* p) { p->SetVAlignment(vtaCenter); }, true},
        {"WordWrap", [](TCellProperties* p) { p->SetWordWrap(false); }, true},
        {"Alignment", [](TCellProperties* p) { p->SetAlignment(taCenter); }, false},
        {"FontColor", [](TCellProperties* p) { p->SetFontColor(clRed); }, false},
        {"ReadOnly", [](TCellProperties* p) { p->SetReadOnly(true); }, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        grid.repainted.clear();
        c.apply(props);
        if (c.repaints)
            EXPECT_EQ(grid.repainted, (std::vector<std::pair<int, int>>{{2, 3}}));
        else
            EXPECT_TRUE(grid.repainted.empty());
    }
}

TEST(BaseGridPropertiesTest, AssignCopiesTheLookButNotTheObjectsOrCalculation)
{
    // Counted by the graphic when the grid destroys it: declared first, so it outlives the grid.
    int destroyed = 0;
    MergeTestGrid grid(4, 4);
    TCellProperties* source = grid.GetCellProperties(1, 1);
    source->SetIsBaseCell(false);
    source->SetCellSpanX(2);
    source->SetCellSpanY(3);
    source->SetCellObject(77);
    source->SetAlignment(taRightJustify);
    source->SetBorderColor(clBlue);
    source->SetBorderWidth(2);
    source->SetBrushColor(clYellow);
    source->SetBrushColorTo(clAqua);
    source->SetBrushStyle(bsCross);
    source->SetFontColor(clMaroon);
    source->SetFontStyle(fsUnderline);
    source->SetFontName("Courier");
    source->SetFontSize(14);
    source->SetReadOnly(true);
    source->SetEditor(edComboList);
    source->SetVAlignment(vtaBottom);
    source->SetWordWrap(false);
    source->SetNodeLevel(3);
    source->SetCalcType(acSUM);
    source->SetGradientDirection(GradientHorizontal);
    source->SetPaintID(9);
    source->AdoptGraphic(std::make_unique<PropsCountedGraphic>(destroyed));

    TCellProperties target(&grid, 0, 0);
    target.Assign(*source);
    EXPECT_FALSE(target.IsBaseCell());
    EXPECT_EQ(target.CellSpanX(), 2);
    EXPECT_EQ(target.CellSpanY(), 3);
    EXPECT_EQ(QPoint(target.OwnerCol(), target.OwnerRow()), QPoint(1, 1));
    EXPECT_EQ(target.CellObject(), 77u);
    EXPECT_EQ(target.Alignment(), taRightJustify);
    EXPECT_EQ(target.BorderColor(), clBlue);
    EXPECT_EQ(target.BorderWidth(), 2);
    EXPECT_EQ(target.BrushColor(), clYellow);
    EXPECT_EQ(target.BrushStyle(), bsCross);
    EXPECT_EQ(target.FontColor(), clMaroon);
    EXPECT_EQ(target.FontStyle(), fsUnderline);
    EXPECT_EQ(target.FontName(), "Courier");
    EXPECT_EQ(target.FontSize(), 14);
    EXPECT_TRUE(target.ReadOnly());
    EXPECT_EQ(target.Editor(), edComboList);
    EXPECT_EQ(target.VAlignment(), vtaBottom);
    EXPECT_FALSE(target.WordWrap());
    EXPECT_EQ(target.NodeLevel(), 3);
    // Not copied:
    EXPECT_EQ(target.BrushColorTo(), clNone);
    EXPECT_EQ(target.CalcType(), acNONE);
    EXPECT_EQ(target.GradientDirection(), GradientVertical);
    EXPECT_EQ(target.PaintID(), 0);
    EXPECT_EQ(target.CellGraphic(), nullptr);
    EXPECT_EQ(target.OwnerGrid(), &grid);
    EXPECT_EQ(destroyed, 0);
}

TEST(BaseGridPropertiesTest, ObjectsStoredOnEmptyCellsLeaveTheTextEmpty)
{
    MergeTestGrid grid(4, 4);
    grid.MergeCells(0, 0, 2, 1);
    grid.SetObjectEx(1, 0, 1234);  // a cell of a block keeps its own object
    EXPECT_EQ(grid.GetObjectEx(1, 0), 1234u);
    EXPECT_EQ(grid.GetObjectEx(0, 0), 0u);
    grid.SetObjectEx(3, 3, 5);
    EXPECT_EQ(grid.GetCellEx(3, 3), "");
    EXPECT_EQ(grid.GetGridCell(3, 3), "");
    grid.SetCellEx(2, 2, "kept");
    grid.SetObjectEx(2, 2, 6);
    EXPECT_EQ(grid.GetCellEx(2, 2), "kept");
    EXPECT_EQ(grid.GetObjectEx(0, 3), 0u);  // no properties: no object, none created
    EXPECT_FALSE(grid.HasCellProperties(0, 3));
}

TEST(BaseGridPropertiesTest, GraphicsAreFreedOnlyWhenTheCellOwnsThem)
{
    int destroyed = 0;
    MergeTestGrid grid(4, 4);
    grid.SetGraphicObjectEx(0, 0, std::make_unique<PropsCountedGraphic>(destroyed));
    PropsCountedGraphic lent(destroyed);
    grid.LendGraphicObjectEx(1, 0, &lent);
    QObject other;
    grid.LendOtherObjectEx(2, 0, &other);

    EXPECT_NE(grid.GetGraphicObjectEx(0, 0), nullptr);
    EXPECT_EQ(grid.GetGraphicObjectEx(1, 0), &lent);
    EXPECT_EQ(grid.GetGraphicObjectEx(2, 0), nullptr);  // not a graphic
    EXPECT_EQ(grid.CellPropertiesOrNull(2, 0)->OtherObject(), &other);
    EXPECT_EQ(TBaseGridCells::PropertiesGraphic(grid.CellPropertiesOrNull(1, 0)), &lent);
    EXPECT_EQ(TBaseGridCells::PropertiesGraphic(nullptr), nullptr);

    grid.FreeCellPropsRect(0, 0, 3, 0);
    EXPECT_EQ(destroyed, 1);  // only the adopted one
    EXPECT_FALSE(grid.HasCellProperties(1, 0));

    // Replacing an adopted graphic frees it; taking it hands it over.
    grid.SetGraphicObjectEx(3, 3, std::make_unique<PropsCountedGraphic>(destroyed));
    grid.SetGraphicObjectEx(3, 3, std::make_unique<PropsCountedGraphic>(destroyed));
    EXPECT_EQ(destroyed, 2);
    std::unique_ptr<TCellGraphic> taken = grid.GetCellProperties(3, 3)->TakeGraphic();
    EXPECT_NE(taken, nullptr);
    grid.FreeAllCellProps();
    EXPECT_EQ(destroyed, 2);
    taken.reset();
    EXPECT_EQ(destroyed, 3);
    EXPECT_EQ(grid.Cells().PropertiesCount(), 0);
}

TEST(BaseGridPropertiesTest, ResetEmptiesCellsWhosePropertiesMovedAway)
{
    MergeTestGrid grid(3, 3);
    for (int c = 0; c < 3; ++c)
        for (int r = 0; r < 3; ++r) grid.SetCellEx(c, r, "t");
    grid.SetObjectEx(1, 1, 9);
    std::unique_ptr<TCellProperties> moved = grid.Cells().TakeProperties(1, 1);
    grid.ResetRow(1);
    grid.ResetCol(2);
    for (int c = 0; c < 3; ++c) {
        for (int r = 0; r < 3; ++r) {
            SCOPED_TRACE(testing::Message() << c << "," << r);
            EXPECT_EQ(grid.GetCellEx(c, r).isEmpty(), r == 1 || c == 2);
            EXPECT_FALSE(grid.HasCellProperties(c, r));
        }
    }
    EXPECT_EQ(moved->CellObject(), 9u);
}

TEST(BaseGridHiddenColumnsTest, StorageColumnsBeyondTheColumnCountStayReachable)
{
    MergeTestGrid grid(5, 3);
    grid.SetCellEx(4, 1, "last");
    grid.MergeCells(3, 0, 2, 1);

    // Hide one column: ColCount 4, storage still 5 columns.
    grid.SetHidden(1);
    grid.SetColCount(4);
    EXPECT_EQ(grid.TotalColCount(), 5);
    EXPECT_EQ(grid.GetCellEx(4, 1), "last");
    EXPECT_EQ(grid.BaseCell(4, 0), QPoint(3, 0));
    grid.SetCellEx(4, 2, "written while hidden");

    // Without the hidden count the column is outside the store, but kept.
    grid.SetHidden(0);
    EXPECT_EQ(grid.GetCellEx(4, 1), "");
    EXPECT_FALSE(grid.HasCellProperties(4, 0));
    grid.SetColCount(5);
    EXPECT_EQ(grid.GetCellEx(4, 2), "written while hidden");
    EXPECT_TRUE(grid.IsMergedNonBaseCell(4, 0));
}
