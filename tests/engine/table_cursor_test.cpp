// The keyset cursor: index order with empty keys first, windows of next and prior rows from
// every position, detail ranges, re-reading, and the writes.
#include <gtest/gtest.h>

#include "engine/engine_error.h"
#include "engine/table_cursor.h"
#include "engine_fixture.h"

using engine::Row;
using engine::Value;

namespace {

std::vector<std::int64_t> rowids(const std::vector<Row>& rows) {
    std::vector<std::int64_t> ids;
    for (const Row& row : rows) ids.push_back(row.rowid);
    return ids;
}

// Items keyed by invoice number; rowids 1..8 with the keys below, so index order is
// 1 4 (empty keys) 3 7 (1) 5 (1.5) 2 6 (2) 8 (3).
class TableCursorTest : public ::testing::Test {
protected:
    void SetUp() override {
        base.exec(
            "CREATE TABLE item (Id_Item INTEGER PRIMARY KEY AUTOINCREMENT, Id_Nota_Fiscal NUMBER, "
            "Id_Produto NUMBER, Quantidade NUMBER, Status NUMBER);"
            "CREATE INDEX Id_Nota_Fiscal ON item (Id_Nota_Fiscal);"
            "INSERT INTO item (Id_Nota_Fiscal, Quantidade) VALUES "
            "(NULL, 10), (2, 20), (1, 30), (NULL, 40), (1.5, 50), (2, 60), (1, 70), (3, 80);");
        db = base.open();
        cursor = db->openTable("item.DB", "id_nota_fiscal");
    }

    std::vector<std::int64_t> all() {
        std::vector<std::int64_t> ids;
        for (auto row = cursor->first(); row;) {
            ids.push_back(row->rowid);
            const auto next = cursor->next(*row, 1);
            row = next.empty() ? std::nullopt : std::optional<Row>(next.front());
        }
        return ids;
    }

    engine_testing::EngineFolder base;
    std::unique_ptr<engine::Database> db;
    std::unique_ptr<engine::TableCursor> cursor;
    const std::vector<std::int64_t> indexOrder{1, 4, 3, 7, 5, 2, 6, 8};
};

}  // namespace

TEST_F(TableCursorTest, IndexOrderPutsEmptyKeysFirst) {
    EXPECT_EQ(cursor->keyColumn(), 1);
    EXPECT_EQ(cursor->first()->rowid, 1);
    EXPECT_EQ(cursor->last()->rowid, 8);
    EXPECT_EQ(all(), indexOrder);
}

TEST_F(TableCursorTest, NextAndPriorWindowsFromEveryRow) {
    const int n = static_cast<int>(indexOrder.size());
    for (int position = 0; position < n; ++position) {
        const Row from = *cursor->fetch(indexOrder[position]);
        for (const int count : {1, 2, 3, 100}) {
            SCOPED_TRACE("row " + std::to_string(from.rowid) + ", count " + std::to_string(count));
            const std::vector<std::int64_t> after(
                indexOrder.begin() + position + 1,
                indexOrder.begin() + std::min(n, position + 1 + count));
            std::vector<std::int64_t> before;
            for (int i = position - 1; i >= 0 && static_cast<int>(before.size()) < count; --i)
                before.push_back(indexOrder[i]);
            EXPECT_EQ(rowids(cursor->next(from, count)), after);
            EXPECT_EQ(rowids(cursor->prior(from, count)), before);
        }
    }
}

TEST_F(TableCursorTest, RangeShowsOnlyTheMatchingKeys) {
    struct Case {
        std::optional<Value> range;
        std::vector<std::int64_t> rows;
    };
    const Case cases[] = {
        {Value{1.0}, {3, 7}},
        {Value{std::int64_t{2}}, {2, 6}},
        {Value{1.5}, {5}},
        {Value{std::string("3")}, {8}},
        {Value{99.0}, {}},
        {Value{}, {}},  // an empty master value matches nothing, not the empty keys
        {std::nullopt, {1, 4, 3, 7, 5, 2, 6, 8}},
    };
    for (const Case& c : cases) {
        cursor->setRange(c.range);
        EXPECT_EQ(all(), c.rows);
        if (c.rows.empty()) {
            EXPECT_FALSE(cursor->last());
            EXPECT_FALSE(cursor->fetch(1));
            continue;
        }
        EXPECT_EQ(cursor->last()->rowid, c.rows.back());
        EXPECT_EQ(rowids(cursor->prior(*cursor->last(), 100)),
                  std::vector<std::int64_t>(c.rows.rbegin() + 1, c.rows.rend()));
        if (c.range) {
            EXPECT_FALSE(cursor->fetch(c.rows.front() == 8 ? 1 : 8));
        }
    }
}

TEST_F(TableCursorTest, MovesFromARowThatWasDeletedMeanwhile) {
    const Row gone = *cursor->fetch(7);
    base.exec("DELETE FROM item WHERE Id_Item = 7");
    EXPECT_FALSE(cursor->fetch(7));
    EXPECT_EQ(rowids(cursor->next(gone, 2)), (std::vector<std::int64_t>{5, 2}));
    EXPECT_EQ(rowids(cursor->prior(gone, 2)), (std::vector<std::int64_t>{3, 4}));
    // A row known only by its rowid: the cursor reads its key from the table.
    EXPECT_EQ(rowids(cursor->next(Row{3, {}}, 1)), (std::vector<std::int64_t>{5}));
}

TEST_F(TableCursorTest, ValuesComeInTheColumnTypes) {
    const Row row = *cursor->fetch(2);
    ASSERT_EQ(row.values.size(), 5u);
    EXPECT_EQ(std::get<std::int64_t>(row.values[0]), 2);
    EXPECT_EQ(std::get<double>(row.values[1]), 2.0);  // stored as integer 2
    EXPECT_TRUE(engine::isNull(row.values[2]));
    EXPECT_EQ(std::get<double>(row.values[3]), 20.0);
}

TEST_F(TableCursorTest, WritesLeaveTheAutoincrementToTheEngine) {
    const std::int64_t rowid =
        cursor->insert({Value{std::int64_t{500}}, Value{4.0}, Value{7.0}, Value{2.5}, Value{}});
    EXPECT_EQ(rowid, 9);
    EXPECT_EQ(base.scalar("SELECT Id_Item || '|' || Id_Nota_Fiscal || '|' || Quantidade FROM item "
                          "WHERE rowid = 9"),
              "9|4|2.5");
    EXPECT_EQ(cursor->last()->rowid, 9);

    cursor->update(9, {Value{std::int64_t{77}}, Value{1.0}, Value{}, Value{3.0}, Value{1.0}});
    EXPECT_EQ(base.scalar("SELECT Id_Item || '|' || Id_Nota_Fiscal || '|' || "
                          "coalesce(Id_Produto, 'NULL') FROM item WHERE Quantidade = 3"),
              "9|1|NULL");
    cursor->setRange(Value{1.0});
    EXPECT_EQ(all(), (std::vector<std::int64_t>{3, 7, 9}));

    cursor->remove(9);
    EXPECT_FALSE(cursor->fetch(9));
    EXPECT_EQ(base.scalar("SELECT count(*) FROM item"), "8");
}

TEST_F(TableCursorTest, WritingARowThatVanishedIsReported) {
    const Row row = *cursor->fetch(2);
    base.exec("DELETE FROM item WHERE Id_Item = 2");
    for (const bool update : {true, false}) {
        try {
            if (update) cursor->update(row.rowid, row.values);
            else cursor->remove(row.rowid);
            ADD_FAILURE() << "no error";
        } catch (const engine::EngineError& error) {
            EXPECT_EQ(error.code(), engine::code::kRecordGone);
            EXPECT_STREQ(error.what(), "The record was deleted by another user");
        }
    }
    EXPECT_EQ(base.scalar("SELECT count(*) FROM item"), "7");
}

TEST(TableCursorWithoutIndex, FollowsRowOrderAndHasNoRange) {
    engine_testing::EngineFolder base;
    base.exec("CREATE TABLE produto (Id_Produto INTEGER PRIMARY KEY AUTOINCREMENT, "
              "Produto CHAR(30)); INSERT INTO produto (Produto) VALUES ('c'), ('a'), ('b');");
    const auto db = base.open();
    const auto cursor = db->openTable("produto.db");
    EXPECT_EQ(cursor->keyColumn(), -1);
    EXPECT_EQ(cursor->first()->rowid, 1);
    EXPECT_EQ(rowids(cursor->next(*cursor->first(), 5)), (std::vector<std::int64_t>{2, 3}));
    EXPECT_EQ(rowids(cursor->prior(*cursor->last(), 5)), (std::vector<std::int64_t>{2, 1}));
    EXPECT_EQ(std::get<std::string>(cursor->fetch(2)->values[1]), "a");
    EXPECT_THROW(cursor->setRange(Value{1.0}), engine::EngineError);
}
