// A walk of known length announced with ReadAhead: one read for its rows, the
// same rows and fields as single steps, and nothing kept for a later walk.
#include "EngineFixture.h"

namespace vorna::db::testing {
namespace {

const char* const Sql = R"(
CREATE TABLE PARCELAS (PROPOSTA LONG, NUMERO LONG, VP1 DOUBLE, OBS TEXT(20));
INSERT INTO PARCELAS VALUES (1, 1, 1.5, 'a'), (1, 2, 2.5, 'b'), (1, 3, 3.5, 'c'), (2, 1, 9, 'd'),
  (2, 2, 8, 'e'), (3, 1, 7, 'f');
)";

class ReadAheadTest : public EngineTest {
protected:
    void SetUp() override
    {
        db_ = Database::open(makeFile("VORNA.MDB", Sql));
        sqlite3_trace_v2(db_.handle(), SQLITE_TRACE_STMT, traceInto, &statements_);
    }
    void TearDown() override { sqlite3_trace_v2(db_.handle(), 0, nullptr, nullptr); }

    // PROPOSTA and VP1 of the rows from the find on, `steps` moves long.
    QStringList walk(Recordset& rs, int steps, bool announced)
    {
        rs.FindFirst("PROPOSTA = 1");
        QStringList seen{rs.field("PROPOSTA").toString() + "/" + rs.field("VP1").toString()};
        if (announced)
            rs.ReadAhead(steps);
        statements_.clear();
        for (int i = 0; i < steps; ++i) {
            rs.MoveNext();
            seen << rs.field("PROPOSTA").toString() + "/" + rs.field("VP1").toString();
        }
        return seen;
    }

    Database db_;
    QStringList statements_;
};

TEST_F(ReadAheadTest, AnAnnouncedWalkReadsItsRowsAtOnce)
{
    Recordset single = db_.openRecordset("PARCELAS");
    const QStringList stepByStep = walk(single, 4, false);
    EXPECT_EQ(statements_.size(), 4);

    Recordset batched = db_.openRecordset("PARCELAS");
    walk(batched, 0, false);  // the fields the walk reads are asked for first
    EXPECT_EQ(walk(batched, 4, true), stepByStep);
    EXPECT_EQ(statements_.size(), 1);
    // A field not read before comes with its whole row.
    EXPECT_EQ(batched.field("OBS").toString(), "e");

    // Past the end of the table the walk ends as single steps end it.
    batched.FindFirst("PROPOSTA = 2");
    batched.ReadAhead(5);
    batched.MoveNext();
    batched.MoveNext();
    batched.MoveNext();
    EXPECT_TRUE(batched.EOF());

    // Announced once, forgotten by the next find.
    batched.FindFirst("PROPOSTA = 1");
    batched.ReadAhead(4);
    batched.FindFirst("PROPOSTA = 1");
    statements_.clear();
    batched.MoveNext();
    batched.MoveNext();
    EXPECT_EQ(statements_.size(), 2);
}

}  // namespace
}  // namespace vorna::db::testing
