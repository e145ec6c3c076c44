// What the engine does with input at its limits: many prepared statements at
// once, criteria nested or chained beyond reason, files that are no database.
#include "EngineFixture.h"

#include "platform/database/Connection.h"

#include <QFile>

namespace vorna::db::testing {
namespace {

class StatementCacheTest : public EngineTest {};

TEST_F(StatementCacheTest, AStatementInUseOutlivesAFullCache) {
    const QString path = makeFile("CACHE.MDB", R"(
CREATE TABLE T (ID INTEGER PRIMARY KEY, NOME TEXT(10));
INSERT INTO T VALUES (1, 'A'), (2, 'B'), (3, 'C');)");
    sqlite3* handle = nullptr;
    ASSERT_EQ(sqlite3_open_v2(path.toUtf8().constData(), &handle, SQLITE_OPEN_READWRITE, nullptr), SQLITE_OK);
    Database::Connection c(handle, path);

    Statement outer(c, "SELECT ID FROM T ORDER BY ID");
    ASSERT_TRUE(outer.step());
    EXPECT_EQ(sqlite3_column_int(outer.get(), 0), 1);
    // Far more distinct statements than the cache keeps, prepared while outer steps.
    for (int i = 0; i < 600; ++i) {
        Statement inner(c, "SELECT " + QByteArray::number(i) + " + ID FROM T WHERE ID = 1");
        ASSERT_TRUE(inner.step());
        EXPECT_EQ(sqlite3_column_int(inner.get(), 0), i + 1);
    }
    ASSERT_TRUE(outer.step());
    EXPECT_EQ(sqlite3_column_int(outer.get(), 0), 2);

    // The same text used twice at once gives two independent statements.
    Statement again(c, "SELECT ID FROM T ORDER BY ID");
    ASSERT_TRUE(again.step());
    EXPECT_EQ(sqlite3_column_int(again.get(), 0), 1);
    ASSERT_TRUE(outer.step());
    EXPECT_EQ(sqlite3_column_int(outer.get(), 0), 3);
    EXPECT_FALSE(outer.step());
}

}  // namespace
}  // namespace vorna::db::testing
