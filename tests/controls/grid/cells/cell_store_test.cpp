#include <climits>
#include <functional>
#include <memory>

#include <gtest/gtest.h>

#include "controls/grid/cells/cell_store.h"

using namespace grid;

namespace {

// A 4 x 3 store whose cells hold "c,r".
TCellStore makeLabelledCellStore(int cols = 4, int rows = 3)
{
    TCellStore store(cols, rows);
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < cols; ++c) store.SetText(c, r, QStringLiteral("%1,%2").arg(c).arg(r));
    return store;
}

QString cellStoreRowText(const TCellStore& store, int row)
{
    QStringList parts;
    for (int c = 0; c < store.ColCount(); ++c) parts << store.Text(c, row);
    return parts.join('|');
}

std::unique_ptr<TCellProperties> cellStoreProps()
{
    return std::make_unique<TCellProperties>(nullptr, -1, -1);
}

}  // namespace

TEST(CellStoreTest, PositionsOutsideTheStoreAreIgnored)
{
    struct Case {
        int col, row;
    } cases[] = {{-1, 0}, {0, -1}, {4, 0}, {0, 3}, {INT_MIN, INT_MIN}, {INT_MAX, INT_MAX}, {4, 3}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.col << "," << c.row);
        TCellStore store = makeLabelledCellStore();
        EXPECT_FALSE(store.Contains(c.col, c.row));
        EXPECT_TRUE(store.Text(c.col, c.row).isEmpty());
        EXPECT_EQ(store.Properties(c.col, c.row), nullptr);
        store.SetText(c.col, c.row, "x");
        store.SetProperties(c.col, c.row, cellStoreProps());
        EXPECT_EQ(store.TakeProperties(c.col, c.row), nullptr);
        EXPECT_EQ(store.PropertiesCount(), 0);
        EXPECT_EQ(store.ColCount(), 4);
        EXPECT_EQ(store.RowCount(), 3);
        for (int r = 0; r < 3; ++r) EXPECT_EQ(cellStoreRowText(store, r), QStringLiteral("0,%1|1,%1|2,%1|3,%1").arg(r));
    }
}

TEST(CellStoreTest, CellsBeyondALoweredColumnCountAreKept)
{
    TCellStore store = makeLabelledCellStore();
    auto* p = new TCellProperties(nullptr, 0, 0);
    store.SetProperties(3, 1, std::unique_ptr<TCellProperties>(p));

    store.SetColCount(2);
    EXPECT_TRUE(store.Text(3, 1).isEmpty());
    EXPECT_EQ(store.Properties(3, 1), nullptr);
    store.SetText(3, 1, "lost?");  // outside now: ignored

    store.SetColCount(4);
    EXPECT_EQ(store.Text(3, 1), "3,1");
    EXPECT_EQ(store.Properties(3, 1), p);
    EXPECT_EQ(store.PropertiesCount(), 1);
}

TEST(CellStoreTest, LoweringTheRowCountFreesTheRowsBeyond)
{
    TCellStore store = makeLabelledCellStore();
    store.SetProperties(0, 2, cellStoreProps());
    store.SetRowCount(2);
    EXPECT_EQ(store.PropertiesCount(), 0);
    store.SetRowCount(3);
    EXPECT_EQ(cellStoreRowText(store, 2), "|||");
}

TEST(CellStoreTest, RowOperationsMoveWholeRows)
{
    struct Case {
        const char* name;
        void (*apply)(TCellStore&);
        QStringList rows;  // first column of each row afterwards
    } cases[] = {
        {"insert at top", [](TCellStore& s) { s.InsertRows(0, 2); }, {"", "", "0,0", "0,1", "0,2"}},
        {"insert in the middle", [](TCellStore& s) { s.InsertRows(1, 1); }, {"0,0", "", "0,1", "0,2"}},
        {"insert past the end appends", [](TCellStore& s) { s.InsertRows(9, 1); }, {"0,0", "0,1", "0,2", ""}},
        {"remove at top", [](TCellStore& s) { s.RemoveRows(0, 2); }, {"0,2"}},
        {"remove cut to the store", [](TCellStore& s) { s.RemoveRows(1, 99); }, {"0,0"}},
        {"remove outside", [](TCellStore& s) { s.RemoveRows(3, 1); }, {"0,0", "0,1", "0,2"}},
        {"move down", [](TCellStore& s) { s.MoveRow(0, 2); }, {"0,1", "0,2", "0,0"}},
        {"move up", [](TCellStore& s) { s.MoveRow(2, 0); }, {"0,2", "0,0", "0,1"}},
        {"move outside", [](TCellStore& s) { s.MoveRow(0, 3); }, {"0,0", "0,1", "0,2"}},
        {"swap", [](TCellStore& s) { s.SwapRows(0, 2); }, {"0,2", "0,1", "0,0"}},
        {"swap outside", [](TCellStore& s) { s.SwapRows(-1, 2); }, {"0,0", "0,1", "0,2"}},
        {"clear", [](TCellStore& s) { s.ClearRow(1); }, {"0,0", "", "0,2"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TCellStore store = makeLabelledCellStore();
        c.apply(store);
        ASSERT_EQ(store.RowCount(), c.rows.size());
        for (int r = 0; r < store.RowCount(); ++r) {
            EXPECT_EQ(store.Text(0, r), c.rows[r]);
            // The other columns travel with the first.
            if (!c.rows[r].isEmpty()) {
                EXPECT_EQ(store.Text(3, r), "3" + c.rows[r].mid(1));
            }
        }
    }
}

TEST(CellStoreTest, PropertiesTravelWithTheirRowAndKnowTheirNewPlace)
{
    TCellStore store = makeLabelledCellStore();
    auto* p = new TCellProperties(nullptr, 0, 0);
    store.SetProperties(2, 1, std::unique_ptr<TCellProperties>(p));
    EXPECT_EQ(p->OwnerCol(), 2);
    EXPECT_EQ(p->OwnerRow(), 1);

    store.InsertRows(0, 3);
    EXPECT_EQ(store.Properties(2, 4), p);
    EXPECT_EQ(p->OwnerRow(), 4);
    store.SwapRows(4, 0);
    EXPECT_EQ(store.Properties(2, 0), p);
    EXPECT_EQ(p->OwnerRow(), 0);
    store.MoveRow(0, 5);
    EXPECT_EQ(p->OwnerRow(), 5);
    store.InsertCols(0, 1);
    EXPECT_EQ(store.Properties(3, 5), p);
    EXPECT_EQ(p->OwnerCol(), 3);
    store.RemoveRows(0, 2);
    EXPECT_EQ(p->OwnerRow(), 3);
    EXPECT_EQ(store.PropertiesCount(), 1);
    store.RemoveRows(3, 1);
    EXPECT_EQ(store.PropertiesCount(), 0);
}

TEST(CellStoreTest, TakenRowsComeBackWithEveryStorageColumn)
{
    TCellStore store = makeLabelledCellStore();
    store.SetProperties(1, 1, cellStoreProps());
    store.SetColCount(2);  // columns 2 and 3 kept beyond the count

    TCellRow row = store.TakeRow(1);
    EXPECT_EQ(store.RowCount(), 2);
    EXPECT_EQ(store.PropertiesCount(), 0);
    EXPECT_EQ(row.Text(3), "3,1");
    EXPECT_NE(row.Properties(1), nullptr);
    EXPECT_EQ(row.Text(9), QString());
    EXPECT_EQ(row.Properties(-1), nullptr);
    EXPECT_EQ(store.Text(0, 1), "0,2");

    store.InsertRow(0, std::move(row));
    store.SetColCount(4);
    EXPECT_EQ(cellStoreRowText(store, 0), "0,1|1,1|2,1|3,1");
    EXPECT_EQ(store.PropertiesCount(), 1);
    EXPECT_EQ(store.Properties(1, 0)->OwnerRow(), 0);
    EXPECT_EQ(store.TakeRow(7).Cells.size(), 0u);
}

TEST(CellStoreTest, RowsTakenAndPutBackInOnePassKeepOrderPropertiesAndTheirPlaces)
{
    // Rows 0..7; rows 1, 4, 5 and 7 hold properties.
    TCellStore store = makeLabelledCellStore(2, 8);
    std::vector<TCellProperties*> props(8, nullptr);
    for (int r : {1, 4, 5, 7}) {
        props[size_t(r)] = new TCellProperties(nullptr, 0, 0);
        store.SetProperties(1, r, std::unique_ptr<TCellProperties>(props[size_t(r)]));
    }
    const auto firstColumn = [&store] {
        QStringList rows;
        for (int r = 0; r < store.RowCount(); ++r) rows << store.Text(0, r);
        return rows;
    };

    std::vector<TCellRow> taken = store.TakeRows({0, 4, 6, 7});
    EXPECT_EQ(firstColumn(), (QStringList{"0,1", "0,2", "0,3", "0,5"}));
    ASSERT_EQ(taken.size(), 4u);
    EXPECT_EQ(taken[1].Text(1), "1,4");
    EXPECT_EQ(taken[3].Properties(1), props[7]);
    EXPECT_EQ(store.PropertiesCount(), 2);
    EXPECT_EQ(props[5]->OwnerRow(), 3) << "a row that closed up knows its place";
    EXPECT_EQ(props[1]->OwnerRow(), 0);
    EXPECT_TRUE(store.TakeRows({}).empty());

    // Back at other places: first, between, and last of the result.
    store.InsertRowsAt({0, 2, 3, 7}, std::move(taken));
    EXPECT_EQ(firstColumn(), (QStringList{"0,0", "0,1", "0,4", "0,6", "0,2", "0,3", "0,5", "0,7"}));
    EXPECT_EQ(store.PropertiesCount(), 4);
    for (int r = 0; r < store.RowCount(); ++r)
        if (TCellProperties* p = store.Properties(1, r)) {
            EXPECT_EQ(p->OwnerRow(), r);
            EXPECT_EQ(store.Text(1, r), "1," + store.Text(0, r).mid(2));
        }
    store.InsertRowsAt({}, {});
    EXPECT_EQ(store.RowCount(), 8);
}

TEST(CellStoreTest, ColumnOperationsShiftCellsBeyondTheColumnCountToo)
{
    struct Case {
        const char* name;
        void (*apply)(TCellStore&);
        int cols;
        const char* row0;
    } cases[] = {
        {"insert", [](TCellStore& s) { s.InsertCols(1, 2); }, 6, "0,0|||1,0|2,0|3,0"},
        {"insert past the end appends", [](TCellStore& s) { s.InsertCols(99, 1); }, 5, "0,0|1,0|2,0|3,0|"},
        {"remove", [](TCellStore& s) { s.RemoveCols(1, 2); }, 2, "0,0|3,0"},
        {"remove cut to the store", [](TCellStore& s) { s.RemoveCols(2, 9); }, 2, "0,0|1,0"},
        {"remove outside", [](TCellStore& s) { s.RemoveCols(4, 1); }, 4, "0,0|1,0|2,0|3,0"},
        {"move right", [](TCellStore& s) { s.MoveCol(0, 3); }, 4, "1,0|2,0|3,0|0,0"},
        {"move left", [](TCellStore& s) { s.MoveCol(3, 1); }, 4, "0,0|3,0|1,0|2,0"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TCellStore store = makeLabelledCellStore();
        c.apply(store);
        EXPECT_EQ(store.ColCount(), c.cols);
        EXPECT_EQ(cellStoreRowText(store, 0), c.row0);
    }

    // A hidden column beyond the count moves with an insertion before it.
    TCellStore store = makeLabelledCellStore();
    store.SetColCount(3);
    store.InsertCols(0, 1);  // count 4; the kept column 3 is now column 4
    store.SetColCount(5);
    EXPECT_EQ(cellStoreRowText(store, 2), "|0,2|1,2|2,2|3,2");
}

TEST(CellStoreTest, EmptyRowsTakeNoCellMemoryUntilWritten)
{
    TCellStore store(10, 100);
    store.SetText(3, 50, QString());
    store.InsertRows(0, 10);
    TCellRow row = store.TakeRow(60);
    EXPECT_TRUE(row.Cells.empty());
    store.SetText(3, 50, "x");
    EXPECT_EQ(store.Text(3, 50), "x");
}

TEST(CellStoreTest, ACellKeepsTheWholeNumberOfItsTextAndEveryChangeIsANewGeneration)
{
    TCellStore store(2, 2);
    uint64_t generation = store.Generation();
    const auto changed = [&store, &generation] {
        const bool newOne = store.Generation() != generation;
        generation = store.Generation();
        return newOne;
    };
    store.SetText(1, 1, "-42");
    EXPECT_TRUE(changed());
    ASSERT_NE(store.Cell(1, 1), nullptr);
    EXPECT_EQ(store.Cell(1, 1)->PlainInteger(), -42);
    EXPECT_EQ(store.Cell(1, 1)->DigitsInteger(), -42);
    // A "+" in front: a plain whole number, but no text of digits alone.
    store.SetText(1, 1, "+42");
    EXPECT_EQ(store.Cell(1, 1)->PlainInteger(), 42);
    EXPECT_EQ(store.Cell(1, 1)->DigitsInteger(), std::nullopt);
    store.SetText(1, 1, "+0");
    EXPECT_EQ(store.Cell(1, 1)->PlainInteger(), 0);
    EXPECT_EQ(store.Cell(1, 1)->DigitsInteger(), std::nullopt);
    store.SetText(1, 1, "4.2");
    EXPECT_TRUE(changed());
    EXPECT_EQ(store.Cell(1, 1)->PlainInteger(), std::nullopt);
    EXPECT_EQ(store.Cell(1, 1)->DigitsInteger(), std::nullopt);
    EXPECT_EQ(store.Cell(0, 0), nullptr) << "no cell is kept for an empty text";

    TCellRow row;
    row.Cells.resize(1);
    row.Cells[0].SetText("17");
    EXPECT_EQ(row.Cells[0].PlainInteger(), 17);
    row.Cells[0].ClearText();
    EXPECT_EQ(row.Cells[0].PlainInteger(), std::nullopt);
    EXPECT_TRUE(row.Cells[0].Text().isEmpty());

    // Every kind of change; the same counts leave the generation alone.
    store.SetRowCount(2);
    store.SetColCount(2);
    EXPECT_FALSE(changed());
    const std::function<void()> changes[] = {
        [&] { store.SetRowCount(3); },
        [&] { store.SetColCount(3); },
        [&] { store.SwapRows(0, 1); },
        [&] { store.MoveRow(0, 2); },
        [&] { store.InsertRows(1, 1); },
        [&] { store.RemoveRows(1, 1); },
        [&] { store.InsertRow(0, TCellRow()); },
        [&] { store.TakeRow(0); },
        [&] { store.TakeRows({0}); },
        [&] { store.InsertRowsAt({0}, std::vector<TCellRow>(1)); },
        [&] { store.ClearRow(0); },
        [&] { store.InsertCols(0, 1); },
        [&] { store.RemoveCols(0, 1); },
        [&] { store.MoveCol(0, 1); },
        [&] { store.SetProperties(0, 0, cellStoreProps()); },
        [&] { store.TakeProperties(0, 0); },
        [&] { store.ClearCells(); },
    };
    for (size_t i = 0; i < std::size(changes); ++i) {
        changes[i]();
        EXPECT_TRUE(changed()) << "change " << i;
    }
    // Another store never shares a generation.
    EXPECT_NE(TCellStore(2, 2).Generation(), TCellStore(2, 2).Generation());
}
