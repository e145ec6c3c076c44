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

// ---- criteria beyond reason ---------------------------------------------------------

QString repeated(const char* part, int times) { return QString::fromLatin1(part).repeated(times); }

TEST_F(EngineTest, CriteriaNestedOrChainedBeyondReasonAreUnreadable) {
    Database db = Database::open(makeFile("CRIT.MDB", R"(
CREATE TABLE T (ID INTEGER PRIMARY KEY, NOME TEXT(10));
INSERT INTO T VALUES (1, 'ANA'), (2, 'BIA');)"));
    Recordset rs = db.openRecordset("T");
    QString manyValues = QStringLiteral("ID IN (2");
    for (int i = 0; i < 30000; ++i) manyValues += QStringLiteral(",0");
    manyValues += u')';
    const struct {
        const char* what;
        QString criteria;
        int error;   // 0: read, and finds row 2
    } cases[] = {
        {"50 levels of parentheses", repeated("(", 50) + "NOME LIKE 'B*'" + repeated(")", 50), 0},
        {"TRIM in 49 levels of parentheses", repeated("(", 49) + "TRIM(NOME) = 'BIA'" + repeated(")", 49), 0},
        {"50 levels of NOT and parentheses", repeated("NOT (", 25) + "ID = 1" + repeated(")", 25), 0},
        {"500 conditions joined", repeated("ID > 0 AND ", 250) + repeated("ID = 2 OR ", 250) + "ID = 2", 0},
        {"51 levels of parentheses", repeated("(", 51) + "ID = 2" + repeated(")", 51), err::SyntaxError},
        {"99 levels of parentheses", repeated("(", 99) + "ID = 2" + repeated(")", 99), err::SyntaxError},
        {"51 levels of NOT", repeated("NOT ", 51) + "ID = 2", err::SyntaxError},
        {"20,000 NOT", repeated("NOT ", 20000) + "ID = 2", err::SyntaxError},
        {"a million parentheses opened", repeated("(", 1000000), err::SyntaxError},
        {"a million parentheses around a condition",
         repeated("(", 1000000) + "ID = 2" + repeated(")", 1000000), err::SyntaxError},
        {"a million TRIM", repeated("TRIM(", 1000000) + "NOME" + repeated(")", 1000000) + " = 'BIA'",
         err::SyntaxError},
        {"a million NOT", repeated("NOT ", 1000000) + "ID = 2", err::SyntaxError},
        {"1,000 AND", repeated("ID = 2 AND ", 1000) + "ID = 2", err::SyntaxError},
        {"1,000 OR", repeated("ID = 2 OR ", 1000) + "ID = 2", err::SyntaxError},
        {"501 conditions joined in parentheses", "(" + repeated("ID = 2 AND ", 501) + "ID = 2)",
         err::SyntaxError},
        {"30,001 values", manyValues, err::SyntaxError},
    };
    for (const auto& c : cases) {
        rs.MoveFirst();
        EXPECT_EQ(errorOf([&] { rs.FindFirst(c.criteria); }), c.error) << c.what;
        if (c.error == 0) {
            EXPECT_FALSE(rs.NoMatch()) << c.what;
            EXPECT_EQ(rs.field("ID").toLong(), 2) << c.what;
        } else {
            EXPECT_EQ(rs.field("ID").toLong(), 1) << c.what;   // the current row stays
        }
    }
}

// ---- files that are not a database ---------------------------------------------------

TEST_F(EngineTest, OnlyADatabaseFileOpens) {
    const QString good = makeFile("BOM.MDB", "CREATE TABLE T (ID INTEGER PRIMARY KEY);");
    QFile goodFile(good);
    ASSERT_TRUE(goodFile.open(QIODevice::ReadOnly));
    const QByteArray database = goodFile.readAll();
    const struct {
        const char* what;
        QByteArray content;
        int error;
    } cases[] = {
        {"an empty file", QByteArray(), err::DatabaseDamaged},
        {"one byte", QByteArray("x"), err::DatabaseDamaged},
        {"a short text", QByteArray(50, 'x'), err::DatabaseDamaged},
        {"a page of text", QByteArray(4096, 'x'), err::DatabaseDamaged},
        {"a database's first hundred bytes", database.left(100), err::DatabaseDamaged},
        {"a database", database, 0},
    };
    int n = 0;
    for (const auto& c : cases) {
        QFile f(dir_.filePath(QStringLiteral("ARQ%1.MDB").arg(++n)));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(c.content);
        f.close();
        EXPECT_EQ(errorOf([&] { Database::open(f.fileName()).openRecordset("T"); }), c.error) << c.what;
        EXPECT_EQ(f.size(), c.content.size()) << c.what;   // opening never writes
    }
}

}  // namespace
}  // namespace vorna::db::testing
