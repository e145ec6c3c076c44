// Transactions over several writes, nested scopes, and the wait for another
// workstation's lock.
#include "EngineFixture.h"

#include <chrono>
#include <memory>
#include <stdexcept>
#include <thread>

namespace vorna::db::testing {
namespace {

const char* const Sql = R"(
CREATE TABLE DOCS (CODIGO INTEGER PRIMARY KEY AUTOINCREMENT, NOME TEXT(10));
INSERT INTO DOCS (NOME) VALUES ('UM'), ('DOIS');
CREATE TABLE PARC (ID INTEGER PRIMARY KEY AUTOINCREMENT, PROPOSTA LONG, NUMERO INTEGER);
CREATE TABLE HIST (ID INTEGER PRIMARY KEY AUTOINCREMENT, TEXTO TEXT(20) UNIQUE);
INSERT INTO HIST (TEXTO) VALUES ('EXISTE');
CREATE TABLE NOTAS (ID INTEGER PRIMARY KEY AUTOINCREMENT, TEXTO LONGTEXT);
)";

using Clock = std::chrono::steady_clock;

double secondsSince(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

void add(Recordset& rs, const char* field, const Variant& value) {
    rs.AddNew();
    rs[field] = value;
    rs.Update();
}

class TransactionTest : public EngineTest {
protected:
    void SetUp() override {
        path_ = makeFile("VORNA.MDB", Sql);
        db_ = Database::open(path_);
    }

    // A document, its three instalments and a history line, all or nothing; the
    // history text decides whether the last write succeeds.
    void writeDocument(const char* history, bool throwAfter = false) {
        auto t = db_.transaction();
        Recordset docs = db_.openRecordset("DOCS");
        Recordset parc = db_.openRecordset("PARC");
        Recordset hist = db_.openRecordset("HIST");
        add(docs, "NOME", Variant("NOVO"));
        for (int n = 1; n <= 3; ++n) {
            parc.AddNew();
            parc["PROPOSTA"] = Variant(3);
            parc["NUMERO"] = Variant(n);
            parc.Update();
        }
        add(hist, "TEXTO", Variant(history));
        if (throwAfter) throw std::runtime_error("routine failed");
        t.commit();
    }

    // What another workstation sees: documents, instalments, history lines.
    std::vector<long long> seen() {
        Other other(path_);
        return {other.number("SELECT count(*) FROM DOCS"), other.number("SELECT count(*) FROM PARC"),
                other.number("SELECT count(*) FROM HIST")};
    }
    const std::vector<long long> before{2, 0, 1};

    QString path_;
    Database db_;
};

TEST_F(TransactionTest, ARoutineFailingAtItsLastWriteLeavesNoRowOfTheEarlierOnes) {
    EXPECT_EQ(errorOf([&] { writeDocument("EXISTE"); }), err::DuplicateKey);
    EXPECT_EQ(seen(), before);
    // An exception of any kind unwinding the scope rolls back as well.
    EXPECT_THROW(writeDocument("NOVO", true), std::runtime_error);
    EXPECT_EQ(seen(), before);

    writeDocument("NOVO");
    EXPECT_EQ(seen(), (std::vector<long long>{3, 3, 2}));
}

TEST_F(TransactionTest, AnotherWorkstationSeesNoneOfItUntilTheCommit) {
    Recordset docs = db_.openRecordset("DOCS");
    Recordset parc = db_.openRecordset("PARC");
    {
        auto t = db_.transaction();
        add(docs, "NOME", Variant("TRES"));
        add(parc, "NUMERO", Variant(1));
        EXPECT_EQ(seen(), before);
        // The scope itself reads what it wrote.
        docs.MoveLast();
        EXPECT_EQ(docs.field("NOME").toString(), "TRES");
    }
    EXPECT_EQ(seen(), before);

    Database::Transaction t(db_);
    add(docs, "NOME", Variant("QUATRO"));
    docs.MoveFirst();
    docs.Delete();
    EXPECT_EQ(seen(), before);
    t.commit();
    EXPECT_EQ(seen(), (std::vector<long long>{2, 0, 1}));
    Other other(path_);
    EXPECT_EQ(other.text("SELECT group_concat(NOME) FROM DOCS"), "DOIS,QUATRO");
}

TEST_F(TransactionTest, AFailedWriteInsideIsUndoneAloneAndTheScopeGoesOn) {
    Recordset hist = db_.openRecordset("HIST");
    auto t = db_.transaction();
    add(hist, "TEXTO", Variant("PRIMEIRO"));
    EXPECT_EQ(errorOf([&] { add(hist, "TEXTO", Variant("EXISTE")); }), err::DuplicateKey);
    add(hist, "TEXTO", Variant("SEGUNDO"));
    t.commit();
    Other other(path_);
    EXPECT_EQ(other.text("SELECT group_concat(TEXTO) FROM HIST"), "EXISTE,PRIMEIRO,SEGUNDO");
}

TEST_F(TransactionTest, InnerScopesKeepOrUndoOnlyTheirOwnWrites) {
    Recordset hist = db_.openRecordset("HIST");
    Other other(path_);
    {
        auto outer = db_.transaction();
        add(hist, "TEXTO", Variant("A"));
        {
            auto undone = db_.transaction();
            add(hist, "TEXTO", Variant("B"));
        }
        {
            auto kept = db_.transaction();
            add(hist, "TEXTO", Variant("C"));
            {
                auto deeper = db_.transaction();
                add(hist, "TEXTO", Variant("D"));
                deeper.rollback();
                deeper.commit();   // an ended scope: nothing more happens
            }
            kept.commit();
        }
        EXPECT_EQ(other.number("SELECT count(*) FROM HIST"), 1);
        outer.commit();
    }
    EXPECT_EQ(other.text("SELECT group_concat(TEXTO) FROM HIST"), "EXISTE,A,C");

    // What an inner scope kept goes with an outer rollback.
    {
        auto outer = db_.transaction();
        auto inner = db_.transaction();
        add(hist, "TEXTO", Variant("E"));
        inner.commit();
    }
    EXPECT_EQ(other.number("SELECT count(*) FROM HIST"), 3);

    // Committing an outer scope while an inner one is open is refused and undoes both.
    auto outer = std::make_unique<Database::Transaction>(db_);
    add(hist, "TEXTO", Variant("F"));
    auto inner = std::make_unique<Database::Transaction>(db_);
    add(hist, "TEXTO", Variant("G"));
    EXPECT_EQ(errorOf([&] { outer->commit(); }), err::Reserved);
    EXPECT_EQ(errorOf([&] { inner->commit(); }), err::Reserved);
    inner.reset();
    outer.reset();
    EXPECT_EQ(other.number("SELECT count(*) FROM HIST"), 3);
    add(hist, "TEXTO", Variant("H"));
    EXPECT_EQ(other.number("SELECT count(*) FROM HIST"), 4);
}

TEST_F(TransactionTest, ALockMetAtTheCommitRollsTheWholeTransactionBack) {
    Recordset docs = db_.openRecordset("DOCS");
    Other reader(path_);
    {
        auto t = db_.transaction();
        {
            // What an inner scope kept goes too.
            auto inner = db_.transaction();
            add(docs, "NOME", Variant("TRES"));
            inner.commit();
        }
        add(docs, "NOME", Variant("QUATRO"));
        // Another workstation in the middle of a read keeps the file from being written.
        reader.exec("BEGIN");
        EXPECT_EQ(reader.number("SELECT count(*) FROM DOCS"), 2);
        EXPECT_EQ(errorOf([&] { t.commit(); }), err::RecordLocked);
        reader.exec("COMMIT");
    }
    EXPECT_EQ(seen(), before);
    // Nothing of it lingers on the connection: the next writes are stored.
    add(docs, "NOME", Variant("CINCO"));
    auto t = db_.transaction();
    add(docs, "NOME", Variant("SEIS"));
    t.commit();
    EXPECT_EQ(reader.text("SELECT group_concat(NOME) FROM DOCS"), "UM,DOIS,CINCO,SEIS");
}

TEST_F(TransactionTest, ADiskFailureInsideLeavesNoLaterWriteOfTheScopeToStore) {
    Recordset docs = db_.openRecordset("DOCS");
    Recordset notas = db_.openRecordset("NOTAS");
    {
        auto outer = db_.transaction();
        add(docs, "NOME", Variant("TRES"));
        auto inner = db_.transaction();
        // The file may not grow: a long memo needs new pages.
        Other probe(path_);
        const QByteArray limit = "PRAGMA max_page_count = " + QByteArray::number(probe.number("PRAGMA page_count"));
        ASSERT_EQ(sqlite3_exec(db_.handle(), limit.constData(), nullptr, nullptr, nullptr), SQLITE_OK);
        EXPECT_EQ(errorOf([&] { add(notas, "TEXTO", Variant(QString(20000, u'x'))); }), err::DiskFull);
        ASSERT_EQ(sqlite3_exec(db_.handle(), "PRAGMA max_page_count = 1000000", nullptr, nullptr, nullptr),
                  SQLITE_OK);
        // The handler that ignores the failure cannot store the rest.
        EXPECT_EQ(errorOf([&] { add(docs, "NOME", Variant("QUATRO")); }), err::DiskFull);
        EXPECT_EQ(errorOf([&] { Database::Transaction again(db_); }), err::DiskFull);
        EXPECT_EQ(errorOf([&] { inner.commit(); }), err::DiskFull);
        EXPECT_EQ(errorOf([&] { outer.commit(); }), err::DiskFull);
    }
    EXPECT_EQ(seen(), before);
    auto t = db_.transaction();
    add(docs, "NOME", Variant("CINCO"));
    t.commit();
    EXPECT_EQ(seen(), (std::vector<long long>{3, 0, 1}));
}

TEST_F(TransactionTest, RowsAddedInARolledBackScopeAreGoneFromTheRecordsetAndTheirNumbersComeAgain) {
    Recordset docs = db_.openRecordset("DOCS");
    Variant bookmark;
    {
        auto t = db_.transaction();
        add(docs, "NOME", Variant("TRES"));
        add(docs, "NOME", Variant("QUATRO"));
        docs.MoveLast();
        EXPECT_EQ(docs.field("CODIGO").toLong(), 4);
        bookmark = docs.bookmark();
        docs.MoveFirst();
    }
    std::vector<int> codes;
    for (docs.MoveFirst(); !docs.EOF(); docs.MoveNext()) codes.push_back(docs.field("CODIGO").toLong());
    EXPECT_EQ(codes, (std::vector<int>{1, 2}));
    docs.MoveLast();
    EXPECT_EQ(docs.field("CODIGO").toLong(), 2);
    docs.setBookmark(bookmark);
    EXPECT_EQ(errorOf([&] { (void)docs.field("NOME"); }), err::RecordDeleted);
    EXPECT_EQ(errorOf([&] { docs.Edit(); }), err::RecordDeleted);
    EXPECT_EQ(errorOf([&] { docs.Delete(); }), err::RecordDeleted);

    // The counter went back with the rows: the next row gets the first number again.
    Recordset fresh = db_.openRecordset("DOCS");
    add(fresh, "NOME", Variant("TRES"));
    Other other(path_);
    EXPECT_EQ(other.text("SELECT group_concat(CODIGO || NOME) FROM DOCS"), "1UM,2DOIS,3TRES");
}

TEST_F(TransactionTest, ARecordsetAddingAgainAfterARollbackCountsAndVisitsEachRowOnce) {
    Recordset docs = db_.openRecordset("DOCS");
    EXPECT_EQ(docs.RecordCount(), 2);
    {
        auto t = db_.transaction();
        add(docs, "NOME", Variant("TRES"));
        EXPECT_EQ(docs.RecordCount(), 3);
    }
    EXPECT_EQ(docs.RecordCount(), 2);
    add(docs, "NOME", Variant("OUTRO"));   // gets number 3 again
    std::vector<int> codes;
    for (docs.MoveFirst(); !docs.EOF(); docs.MoveNext()) codes.push_back(docs.field("CODIGO").toLong());
    EXPECT_EQ(codes, (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(docs.RecordCount(), 3);
    docs.FindFirst("NOME = 'OUTRO'");
    ASSERT_FALSE(docs.NoMatch());
    docs.FindNext("NOME = 'OUTRO'");
    EXPECT_TRUE(docs.NoMatch());
}

// ---- the wait for another workstation's lock ---------------------------------------

TEST_F(TransactionTest, AWriteWaitsForALockHeldBriefly) {
    Recordset docs = db_.openRecordset("DOCS");
    for (const bool inTransaction : {false, true}) {
        Other other(path_);
        other.exec("BEGIN IMMEDIATE");
        other.exec("UPDATE DOCS SET NOME = 'OUTRO' WHERE CODIGO = 1");
        std::thread release([&] {
            std::this_thread::sleep_for(std::chrono::milliseconds(300));
            other.exec("COMMIT");
        });
        const int failure = errorOf([&] {
            std::unique_ptr<Database::Transaction> t;
            if (inTransaction) t = std::make_unique<Database::Transaction>(db_);
            add(docs, "NOME", Variant("ESPEROU"));
            if (t) t->commit();
        });
        release.join();
        EXPECT_EQ(failure, 0) << "in a transaction: " << inTransaction;
    }
    Other other(path_);
    EXPECT_EQ(other.text("SELECT group_concat(NOME) FROM DOCS"), "OUTRO,DOIS,ESPEROU,ESPEROU");
}

TEST_F(TransactionTest, ALockHeldOnFailsWith3260AfterTheWait) {
    Recordset docs = db_.openRecordset("DOCS");
    Other other(path_);
    other.exec("BEGIN IMMEDIATE");
    const auto tries = {std::function<void()>([&] { add(docs, "NOME", Variant("TRES")); }),
                        std::function<void()>([&] { Database::Transaction t(db_); })};
    for (const auto& attempt : tries) {
        const auto start = Clock::now();
        EXPECT_EQ(errorOf(attempt), err::RecordLocked);
        EXPECT_GE(secondsSince(start), 0.8);
    }
    other.exec("ROLLBACK");
    EXPECT_EQ(seen(), before);
}

}  // namespace
}  // namespace vorna::db::testing
