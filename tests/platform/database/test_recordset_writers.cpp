// Rows a recordset added itself, two workstations writing one row, and field
// lengths in characters.
#include "EngineFixture.h"

#include <sys/wait.h>
#include <unistd.h>

namespace vorna::db::testing {
namespace {

const char* const Sql = R"(
CREATE TABLE PARCELAS (ID INTEGER PRIMARY KEY AUTOINCREMENT, DOC LONG, N INTEGER);
INSERT INTO PARCELAS (DOC, N) VALUES (1, 1), (1, 2), (9, 1);
CREATE TABLE CONTADOR (ID INTEGER PRIMARY KEY, N LONG, NOTA TEXT(20));
INSERT INTO CONTADOR VALUES (1, 0, 'A');
CREATE TABLE NOMES (ID INTEGER PRIMARY KEY AUTOINCREMENT, NOME TEXT(50));
)";

class WritersTest : public EngineTest {
protected:
    void SetUp() override {
        path_ = makeFile("VORNA.MDB", Sql);
        db_ = Database::open(path_);
    }
    static int id(Recordset& rs) { return rs.field("ID").toLong(); }
    static void add(Recordset& rs, int doc, int n, int key = 0) {
        rs.AddNew();
        if (key) rs["ID"] = Variant(key);
        rs["DOC"] = Variant(doc);
        rs["N"] = Variant(n);
        rs.Update();
    }
    QString path_;
    Database db_;
};

// Own rows are found, counted and returned to by bookmark as a block, whether
// their ids follow the order they were added in or a key was typed below the
// table's rows; another workstation's rows added meanwhile never join the set.
TEST_F(WritersTest, OwnRowsAreFoundInTheOrderAddedAfterABookmark) {
    for (bool typedLowKey : {false, true}) {
        SCOPED_TRACE(typedLowKey ? "a key typed below the table's rows" : "ids in the order added");
        const QString path = makeFile(typedLowKey ? "BAIXA.MDB" : "ORDEM.MDB", Sql);
        Recordset rs = Database::open(path).openRecordset("PARCELAS");
        Other other(path);
        std::vector<int> doc2;   // ids of the rows of document 2, in the order added
        for (int n = 1; n <= 4; ++n) {
            add(rs, 2, n);
            rs.MoveLast();
            doc2.push_back(id(rs));
            other.exec("INSERT INTO PARCELAS (DOC, N) VALUES (2, 99)");   // not ours
            add(rs, 3, n);
        }
        if (typedLowKey) {
            other.exec("DELETE FROM PARCELAS WHERE ID = 2");
            add(rs, 2, 5, 2);
            doc2.push_back(2);
        }

        rs.FindFirst("DOC = 2");
        EXPECT_EQ(id(rs), doc2[0]);
        rs.FindNext("DOC = 2");
        const Variant mark = rs.bookmark();
        rs.FindLast("DOC = 9");
        rs.setBookmark(mark);
        std::vector<int> found{doc2[0], id(rs)};
        for (rs.FindNext("DOC = 2"); !rs.NoMatch(); rs.FindNext("DOC = 2")) found.push_back(id(rs));
        EXPECT_EQ(found, doc2);
        EXPECT_EQ(id(rs), doc2.back());

        std::vector<int> back;
        for (rs.FindLast("DOC = 2 AND N < 5"); !rs.NoMatch(); rs.FindPrevious("DOC = 2 AND N < 5"))
            back.push_back(id(rs));
        EXPECT_EQ(back, std::vector<int>(doc2.rbegin() + (typedLowKey ? 1 : 0), doc2.rend()));

        rs.FindFirst("N = 99");
        EXPECT_TRUE(rs.NoMatch());
        rs.setBookmark(mark);
        rs.Delete();
        EXPECT_EQ(rs.RecordCount(), 10);   // 3 at open, 8 or 9 added, 1 deleted
        rs.MoveLast();
        EXPECT_EQ(rs.RecordCount(), 10);
        rs.FindFirst("DOC = 2 AND N = 2");
        EXPECT_TRUE(rs.NoMatch());
    }
}

// A long run through own rows reads them ahead in batches, with another
// workstation's rows among them; every own row is met once in each direction.
TEST_F(WritersTest, ALongRunThroughOwnRowsMeetsEachOnce) {
    sqlite3_exec(db_.handle(), "PRAGMA synchronous = OFF", nullptr, nullptr, nullptr);   // 400 commits
    Recordset rs = db_.openRecordset("PARCELAS");
    Other other(path_);
    std::vector<int> expected{1, 2, 3};
    for (int i = 1; i <= 400; ++i) {
        add(rs, 5, i);
        expected.push_back(3 + i + (i - 1) / 50);
        if (i % 50 == 0) other.exec("INSERT INTO PARCELAS (DOC, N) VALUES (5, 0)");
    }
    std::vector<int> forward, backward, found;
    for (rs.MoveFirst(); !rs.EOF(); rs.MoveNext()) forward.push_back(id(rs));
    EXPECT_EQ(forward, expected);
    for (rs.MovePrevious(); !rs.BOF(); rs.MovePrevious()) backward.push_back(id(rs));
    EXPECT_EQ(backward, std::vector<int>(expected.rbegin(), expected.rend()));
    for (rs.FindFirst("DOC = 5"); !rs.NoMatch(); rs.FindNext("DOC = 5")) found.push_back(id(rs));
    EXPECT_EQ(found, std::vector<int>(expected.begin() + 3, expected.end()));
    EXPECT_EQ(rs.RecordCount(), 403);
}

// ---- two workstations on one row ---------------------------------------------

constexpr int DataChanged = 3197;

TEST_F(WritersTest, AnUpdateOverAnotherWorkstationsChangeIsRefused) {
    Database second = Database::open(path_);
    Recordset a = db_.openRecordset("CONTADOR");
    Recordset b = second.openRecordset("CONTADOR");
    Other other(path_);

    a.Edit();
    a["N"] = Variant(a["N"].value().toLong() + 1);
    b.Edit();
    b["N"] = Variant(b["N"].value().toLong() + 1);
    b.Update();
    try {
        a.Update();
        ADD_FAILURE() << "the second write went through";
    } catch (const EngineError& e) {
        EXPECT_EQ(e.number(), DataChanged);
        EXPECT_TRUE(e.text().contains(QStringLiteral("alterados por outro usuário"))) << e.text().toStdString();
    }
    EXPECT_EQ(a.editMode(), Recordset::EditMode::None);   // the pending edit is gone
    EXPECT_EQ(a.field("N").toLong(), 1);                   // and the row shows what is stored
    EXPECT_EQ(other.number("SELECT N FROM CONTADOR"), 1);

    // A field the edit only read counts as much as one it writes.
    a.Edit();
    const QString note = a["NOTA"].value().toString();
    other.exec("UPDATE CONTADOR SET NOTA = 'B'");
    a["N"] = Variant(note == "A" ? 10 : 20);
    EXPECT_EQ(errorOf([&] { a.Update(); }), DataChanged);
    EXPECT_EQ(other.number("SELECT N FROM CONTADOR"), 1);

    // Read again through a new Edit, the write goes through.
    a.Edit();
    a["N"] = Variant(a["N"].value().toLong() + 1);
    a.Update();
    EXPECT_EQ(other.number("SELECT N FROM CONTADOR"), 2);
    // A change another workstation wrote and undid is no change.
    a.Edit();
    other.exec("UPDATE CONTADOR SET N = 7; UPDATE CONTADOR SET N = 2");
    a["N"] = Variant(a["N"].value().toLong() + 1);
    a.Update();
    EXPECT_EQ(other.number("SELECT N FROM CONTADOR"), 3);
}

struct Tally {
    int written = 0, refused = 0, locked = 0, other = 0;
};

// Find the row, Edit, read the counter, write it back plus one.
Tally increment(const QString& path, int times) {
    Database db = Database::open(path);
    sqlite3_exec(db.handle(), "PRAGMA synchronous = OFF", nullptr, nullptr, nullptr);
    Recordset rs = db.openRecordset("CONTADOR");
    Tally t;
    for (int i = 0; i < times; ++i) {
        try {
            rs.FindFirst("ID = 1");
            rs.Edit();
            rs["N"] = Variant(rs["N"].value().toLong() + 1);
            rs.Update();
            ++t.written;
        } catch (const EngineError& e) {
            ++(e.number() == DataChanged ? t.refused : e.number() == err::RecordLocked ? t.locked : t.other);
        }
    }
    return t;
}

TEST_F(WritersTest, TwoProcessesIncrementingOneRowLoseNothing) {
    constexpr int Times = 1000;
    int toParent[2], go[2];
    ASSERT_EQ(pipe(toParent), 0);
    ASSERT_EQ(pipe(go), 0);
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        close(toParent[0]);
        close(go[1]);
        char start = 0;
        if (read(go[0], &start, 1) != 1) _exit(2);
        const Tally t = increment(path_, Times);
        _exit(write(toParent[1], &t, sizeof t) == sizeof t ? 0 : 3);
    }
    close(toParent[1]);
    close(go[0]);
    ASSERT_EQ(write(go[1], "g", 1), 1);
    const Tally mine = increment(path_, Times);
    Tally theirs;
    const ssize_t got = read(toParent[0], &theirs, sizeof theirs);
    int status = 0;
    waitpid(child, &status, 0);
    close(toParent[0]);
    close(go[1]);
    ASSERT_EQ(got, ssize_t(sizeof theirs));
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);

    for (const Tally& t : {mine, theirs}) {
        EXPECT_EQ(t.other, 0);
        EXPECT_EQ(t.written + t.refused + t.locked, Times);   // every attempt written or reported
    }
    Other other(path_);
    EXPECT_EQ(other.number("SELECT N FROM CONTADOR"), mine.written + theirs.written);
    RecordProperty("refused", mine.refused + theirs.refused);
}

// ---- lengths --------------------------------------------------------------------

TEST_F(WritersTest, ATextFieldsLengthCountsCharacters) {
    const QString accented = QString(25, QChar(u'É')) + QString(25, QChar(u'ã'));
    const QString wide = QString(49, QChar(u'A')) + QString::fromUcs4(U"\U0001D11E");   // one character, two units
    struct Case {
        QString value;
        bool fits;
    } cases[] = {
        {accented, true},
        {accented + u'ç', false},
        {wide, true},
        {wide + u'B', false},
        {QString(49, QChar(u'ô')) + u'X', true},
    };
    Recordset rs = db_.openRecordset("NOMES");
    Other other(path_);
    for (const Case& c : cases) {
        rs.AddNew();
        EXPECT_EQ(errorOf([&] { rs["NOME"] = Variant(c.value); }), c.fits ? 0 : err::FieldTooSmall)
            << c.value.toStdString();
        if (!c.fits) continue;
        rs.Update();
        rs.MoveLast();
        EXPECT_EQ(rs.field("NOME").toString(), c.value);
    }
    EXPECT_EQ(other.number("SELECT count(*) FROM NOMES"), 3);
}

}  // namespace
}  // namespace vorna::db::testing
