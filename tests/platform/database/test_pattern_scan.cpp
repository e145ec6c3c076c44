// A find by a pattern on an indexed field lists its candidates from the index
// alone; the answers are those of the same find over an unindexed copy of the
// table, whatever the criteria, the set's own rows and other workstations do.
#include "EngineFixture.h"

#include "platform/database/CriteriaText.h"

#include <functional>

namespace vorna::db::testing {
namespace {

// PESSOA and its copy SEMINDICE hold the same rows; only PESSOA has indexes.
// The partial index and the expression index serve no pattern on NOME.
const char* const Sql = R"(
CREATE TABLE PESSOA (ID INTEGER PRIMARY KEY, NOME TEXT(30), CIDADE TEXT(30), VALOR DOUBLE, ATIVO YESNO);
CREATE TABLE SEMINDICE (ID INTEGER PRIMARY KEY, NOME TEXT(30), CIDADE TEXT(30), VALOR DOUBLE, ATIVO YESNO);
CREATE INDEX PESSOA_CIDADE_NOME ON PESSOA (CIDADE, NOME);
CREATE INDEX "PESSOA CIDADE" ON PESSOA (CIDADE);
CREATE INDEX PESSOA_VALOR ON PESSOA (VALOR);
CREATE INDEX PESSOA_NOME_PARCIAL ON PESSOA (NOME) WHERE ATIVO <> 0;
CREATE INDEX PESSOA_NOME_APARADO ON PESSOA (trim(NOME));
INSERT INTO PESSOA VALUES
  (2, 'ANA', 'São Paulo', 1.5, 1), (3, 'BETO', 'SÃO PAULO', 2, 0), (5, 'CARLA', NULL, NULL, 1),
  (6, 'DAVI', '', 15, 1), (7, 'ELZA', 'Santos', 0.5, 0), (9, NULL, 'paulínia', 3, 1),
  (10, 'FABIO', ' Osasco ', 25, 1), (12, 'GIL', 'S*O', 5, 0), (13, 'HELO', 'Campinas', 1.25, 1),
  (14, 'IARA', 'santo andré', -1.5, 1), (20, 'JOÃO', 'Paulo Afonso', 100, 0), (21, 'ana', 'sorocaba', 7, 1);
INSERT INTO SEMINDICE SELECT * FROM PESSOA;
)";

class PatternScanTest : public EngineTest {
protected:
    void SetUp() override {
        path_ = makeFile("VORNA.MDB", Sql);
        db_ = Database::open(path_);
        sqlite3_trace_v2(db_.handle(), SQLITE_TRACE_STMT, traceInto, &statements_);
    }
    void TearDown() override { sqlite3_trace_v2(db_.handle(), 0, nullptr, nullptr); }

    int scans() const { return int(statements_.filter(QStringLiteral("INDEXED BY")).size()); }

    static std::vector<int> both(Recordset& rs, const QString& criteria) { return findBothWays(rs, criteria); }

    // The same steps over both tables; `steps` writes what it sees into the list.
    using Steps = std::function<void(Recordset&, const QString& table, QStringList&)>;
    void expectSameAnswers(const Steps& steps, const char* what) {
        QStringList indexed, plain;
        Recordset a = db_.openRecordset("PESSOA");
        steps(a, QStringLiteral("PESSOA"), indexed);
        Recordset b = db_.openRecordset("SEMINDICE");
        steps(b, QStringLiteral("SEMINDICE"), plain);
        EXPECT_EQ(indexed.join(u' ').toStdString(), plain.join(u' ').toStdString()) << what;
    }

    QString path_;
    Database db_;
    QStringList statements_;
};

// Writes the current row's id, or what a find left behind.
QString seen(Recordset& rs) {
    if (rs.NoMatch()) return QStringLiteral("miss at ") + rs.field("ID").toString();
    return rs.field("ID").toString();
}

TEST_F(PatternScanTest, EveryCriteriaFindsWhatTheUnindexedTableFinds) {
    struct Case {
        const char* criteria;
        bool scanned;   // an index lists the candidates
    };
    const Case cases[] = {
        {"CIDADE LIKE '*paulo*'", true},
        {"[CIDADE] LIKE '*são*'", true},
        {"CIDADE LIKE 'S*'", true},
        {"CIDADE LIKE '*'", true},
        {"CIDADE LIKE '*zz*'", true},
        {"CIDADE LIKE '[!s]*'", true},
        {"CIDADE LIKE '*[*]*'", true},
        {"TRIM(CIDADE) LIKE 'o*'", true},
        {"CIDADE LIKE NULL", true},
        {"VALOR LIKE '*5*'", true},
        {"VALOR LIKE '1,5'", true},
        {"CIDADE LIKE '*a*' AND ATIVO = True", true},
        {"ATIVO = True AND (CIDADE LIKE '*o*' AND NOME LIKE '*a*')", true},
        {"NOME LIKE '*a*' AND VALOR > 1", false},
        {"CIDADE LIKE '*a*' OR NOME LIKE 'B*'", false},
        {"(CIDADE LIKE '*a*' OR ID = 6) AND ATIVO = True", false},
        {"NOT CIDADE LIKE '*a*'", false},
        {"NOT (CIDADE LIKE '*a*' AND ATIVO = True)", false},
        {"CIDADE NOT LIKE '*a*'", false},
        {"CIDADE LIKE 'santos'", false},   // no wildcard: an equality
    };
    for (const Case& c : cases) {
        const QString criteria = QString::fromUtf8(c.criteria);
        Recordset indexed = db_.openRecordset("PESSOA");
        Recordset plain = db_.openRecordset("SEMINDICE");
        const int before = scans();
        EXPECT_EQ(both(indexed, criteria), both(plain, criteria)) << c.criteria;
        EXPECT_EQ(scans() > before, c.scanned) << c.criteria;
    }
    // A spot check that the answers are the pattern's.
    Recordset rs = db_.openRecordset("PESSOA");
    EXPECT_EQ(both(rs, containsCriteria("CIDADE", "paulo")), (std::vector<int>{2, 3, 20, 0, 20, 3, 2, 0}));
}

// One scan of the narrowest index serves a whole FindFirst/FindNext loop; each
// find reads one row by its id.
TEST_F(PatternScanTest, OneCoveringScanServesTheLoop) {
    Recordset rs = db_.openRecordset("PESSOA");
    const QString criteria = containsCriteria("CIDADE", "a");
    statements_.clear();
    int found = 0;
    for (rs.FindFirst(criteria); !rs.NoMatch(); rs.FindNext(criteria)) ++found;
    EXPECT_EQ(found, 9);
    ASSERT_EQ(scans(), 1);
    // The scan, a read for each match, and one to learn the file is unchanged at the end.
    EXPECT_EQ(statements_.size(), found + 2) << statements_.join('\n').toStdString();

    const QString plan = queryPlan(db_.handle(), statements_.filter(QStringLiteral("INDEXED BY")).front());
    EXPECT_TRUE(plan.contains(QStringLiteral("COVERING INDEX PESSOA CIDADE"))) << plan.toStdString();
}

// A long run reads its candidates in batches: far fewer statements than
// matches, the same answers in both directions, and a row changed in between
// through this connection read as it is now.
TEST_F(PatternScanTest, LongRunsReadCandidatesInBatches) {
    QString rows;
    for (int id = 100; id < 700; ++id)
        rows += QStringLiteral("%1(%2, '%3', %4)")
                    .arg(rows.isEmpty() ? "" : ",")
                    .arg(id)
                    .arg(id % 3 == 0 ? QStringLiteral("Recife") : QStringLiteral("Paulo %1").arg(id))
                    .arg(id % 5 == 0 ? 1 : 0);
    for (const char* table : {"PESSOA", "SEMINDICE"}) {
        const QString sql = QStringLiteral("INSERT INTO %1 (ID, CIDADE, ATIVO) VALUES ").arg(table) + rows;
        ASSERT_EQ(sqlite3_exec(db_.handle(), sql.toUtf8().constData(), nullptr, nullptr, nullptr), SQLITE_OK);
    }
    for (const char* criteria : {"CIDADE LIKE '*paulo*'", "CIDADE LIKE '*paulo*' AND ATIVO = True"}) {
        Recordset indexed = db_.openRecordset("PESSOA");
        Recordset plain = db_.openRecordset("SEMINDICE");
        statements_.clear();
        const std::vector<int> answers = both(indexed, QString::fromUtf8(criteria));
        EXPECT_EQ(answers, both(plain, QString::fromUtf8(criteria))) << criteria;
        EXPECT_GT(answers.size(), 100u) << criteria;
    }
    Recordset rs = db_.openRecordset("PESSOA");
    const QString criteria = containsCriteria("CIDADE", "paulo");
    statements_.clear();
    int found = 0;
    for (rs.FindFirst(criteria); !rs.NoMatch(); rs.FindNext(criteria)) {
        ++found;
        if (found == 50) {
            // The next rows were read ahead; a write through this connection
            // makes the run read them again.
            Recordset other = db_.openRecordset("PESSOA");
            other.FindFirst(QStringLiteral("ID = ") + QString::number(rs.field("ID").toLong() + 1));
            other.Edit();
            other.setField("CIDADE", Variant(QStringLiteral("Natal")));
            other.Update();
        }
        if (found == 51) {
            EXPECT_NE(rs.field("CIDADE").toString(), QStringLiteral("Natal"));
        }
    }
    EXPECT_EQ(found, 403 - 1);
    EXPECT_LT(statements_.size(), found / 4) << statements_.size();
}

TEST_F(PatternScanTest, OwnRowsDeletedRowsAndBookmarksAsWithoutTheIndex) {
    const QString criteria = containsCriteria("CIDADE", "paulo");
    expectSameAnswers(
        [&](Recordset& rs, const QString&, QStringList& out) {
            rs.FindFirst(criteria);
            const Variant first = rs.bookmark();
            // Rows of our own, one matching, join the end of the set.
            for (const char* city : {"Paulo Frontin", "Recife", "SÃO PAULO"}) {
                rs.AddNew();
                rs.setField("CIDADE", Variant(QString::fromUtf8(city)));
                rs.Update();
            }
            rs.FindNext(criteria);
            out << seen(rs);
            rs.Delete();   // row 3
            rs.FindNext(criteria);
            out << seen(rs);
            for (const auto& id : both(rs, criteria)) out << QString::number(id);
            rs.setBookmark(first);
            rs.FindNext(criteria);
            out << seen(rs);
            rs.FindLast(criteria);
            out << seen(rs);
            rs.FindNext(criteria);
            out << seen(rs);   // a miss keeps the row
            rs.FindPrevious(criteria);
            out << seen(rs);
            // An own row given a key inside the table part stays among ours.
            rs.FindLast(criteria);
            rs.Edit();
            rs.setField("ID", Variant(4));
            rs.Update();
            for (const auto& id : both(rs, criteria)) out << QString::number(id);
        },
        "own rows");
}

TEST_F(PatternScanTest, AnotherWorkstationsChangesAreSeenByTheNextFind) {
    const QString criteria = containsCriteria("CIDADE", "paulo");
    Other other(path_);
    expectSameAnswers(
        [&](Recordset& rs, const QString& table, QStringList& out) {
            const auto exec = [&](const QString& sql) { other.exec(sql.arg(table).toUtf8().constData()); };
            rs.FindFirst(criteria);
            out << seen(rs);
            // A row made to match ahead, the next match made not to, and new rows
            // above the set (never part of it).
            exec(QStringLiteral("UPDATE %1 SET CIDADE = 'Paulista' WHERE ID = 7"));
            exec(QStringLiteral("UPDATE %1 SET CIDADE = 'Recife' WHERE ID = 3"));
            exec(QStringLiteral("INSERT INTO %1 (ID, CIDADE) VALUES (50, 'Paulo')"));
            rs.FindNext(criteria);
            out << seen(rs);
            rs.FindNext(criteria);
            out << seen(rs);
            rs.FindNext(criteria);
            out << seen(rs);
            // Past the last match, a row made to match later in the set.
            exec(QStringLiteral("UPDATE %1 SET CIDADE = 'Paulo' WHERE ID = 21"));
            rs.FindNext(criteria);
            out << seen(rs);
            exec(QStringLiteral("DELETE FROM %1 WHERE ID = 2"));
            rs.FindPrevious(criteria);
            out << seen(rs);
            for (const auto& id : both(rs, criteria)) out << QString::number(id);
        },
        "other workstation");
}

}  // namespace
}  // namespace vorna::db::testing
