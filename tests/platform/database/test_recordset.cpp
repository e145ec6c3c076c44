// The dynaset: opening, moves, finds, writes, failures and other workstations.
#include "EngineFixture.h"

#include <QFile>
#include <QFileInfo>
#include <QThread>

namespace vorna::db::testing {
namespace {

const char* const Sql = R"(
CREATE TABLE CLIENTES (
  CODIGO INTEGER PRIMARY KEY AUTOINCREMENT,
  NOME TEXT(10),
  OBS TEXT,
  PROPOSTA LONG,
  FILIAL INTEGER,
  VALOR DOUBLE,
  PREMIO CURRENCY,
  NASC DATETIME,
  ATIVO YESNO,
  CPF TEXT(14) UNIQUE);
INSERT INTO CLIENTES (CODIGO, NOME, CPF) VALUES (1, 'ANA', '111'), (2, 'BETO', '222'), (3, 'CARLA', '333'),
                                                (4, 'DAVI', '444');
CREATE TABLE VAZIA (ID INTEGER PRIMARY KEY AUTOINCREMENT, NOME TEXT(10));
CREATE TABLE PRODUTOR (CODIGO INTEGER PRIMARY KEY, NOME TEXT(30));
INSERT INTO PRODUTOR VALUES (20, 'B'), (10, 'A'), (30, 'C');
)";

class RecordsetTest : public EngineTest {
protected:
    void SetUp() override {
        path_ = makeFile("VORNA.MDB", Sql);
        db_ = Database::open(path_);
    }
    // The codes met walking the whole set forward from the first row.
    static std::vector<int> walk(Recordset& rs, const char* key = "CODIGO") {
        std::vector<int> out;
        rs.MoveFirst();
        while (!rs.EOF()) {
            out.push_back(rs.field(key).toLong());
            rs.MoveNext();
        }
        return out;
    }
    int code(Recordset& rs) { return rs.field("CODIGO").toLong(); }

    QString path_;
    Database db_;
};

TEST_F(RecordsetTest, OpeningAMissingFileFailsAndCreatesNothing) {
    const QString missing = dir_.filePath("NADA.MDB");
    EXPECT_EQ(errorOf([&] { Database::open(missing); }), err::FileNotFound);
    EXPECT_FALSE(QFileInfo::exists(missing));
}

TEST_F(RecordsetTest, AFileThatIsNotADatabaseIsRefusedAtOpen) {
    QFile f(dir_.filePath("TEXTO.MDB"));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(QByteArray(4096, 'x'));
    f.close();
    EXPECT_EQ(errorOf([&] { Database::open(f.fileName()); }), 3049);
}

TEST_F(RecordsetTest, TablesAndFieldsAreNamedInAnyLetterCase) {
    Recordset rs = db_.openRecordset("clientes");
    EXPECT_EQ(rs.tableName(), "CLIENTES");
    EXPECT_EQ(rs.field("nome").toString(), "ANA");
    EXPECT_EQ(rs["Nome"].value().toString(), "ANA");
    EXPECT_EQ(errorOf([&] { rs.field("SOBRENOME"); }), err::ItemNotFound);
    EXPECT_EQ(errorOf([&] { db_.openRecordset("CLIENTE"); }), err::TableNotFound);
    EXPECT_EQ(rs.fieldNames().first(), "CODIGO");
}

// A view names its row id in a column called rowid; it is read and searched like
// a table and refuses writes.
TEST_F(RecordsetTest, AViewOpensForReadingAndFinding) {
    Other other(path_);
    other.exec("CREATE VIEW NOMES AS SELECT 10 * CODIGO AS rowid, CODIGO AS CLIENTE, NOME FROM CLIENTES"
               " WHERE CODIGO > 1");
    Recordset rs = db_.openRecordset("nomes");
    EXPECT_EQ(walk(rs, "CLIENTE"), (std::vector<int>{2, 3, 4}));
    EXPECT_EQ(rs.RecordCount(), 3);
    rs.FindFirst(QStringLiteral("CLIENTE LIKE '3'"));
    ASSERT_FALSE(rs.NoMatch());
    EXPECT_EQ(rs.field("NOME").toString(), "CARLA");
    rs.FindFirst(QStringLiteral("CLIENTE LIKE '1'"));
    EXPECT_TRUE(rs.NoMatch());
    rs.MoveFirst();
    EXPECT_NE(errorOf([&] {
                  rs.Edit();
                  rs.setField("NOME", Variant("X"));
                  rs.Update();
              }),
              0);
    EXPECT_EQ(other.text("SELECT NOME FROM CLIENTES WHERE CODIGO = 2"), "BETO");
}

TEST_F(RecordsetTest, AnEmptyTableHasNoCurrentRow) {
    Recordset rs = db_.openRecordset("VAZIA");
    EXPECT_TRUE(rs.BOF());
    EXPECT_TRUE(rs.EOF());
    EXPECT_EQ(rs.RecordCount(), 0);
    EXPECT_EQ(errorOf([&] { rs.MoveFirst(); }), err::NoCurrentRecord);
    EXPECT_EQ(errorOf([&] { rs.MoveLast(); }), err::NoCurrentRecord);
    EXPECT_EQ(errorOf([&] { rs.MoveNext(); }), err::NoCurrentRecord);
    EXPECT_EQ(errorOf([&] { rs.MovePrevious(); }), err::NoCurrentRecord);
    EXPECT_EQ(errorOf([&] { rs.field("NOME"); }), err::NoCurrentRecord);
    EXPECT_EQ(errorOf([&] { rs.Edit(); }), err::NoCurrentRecord);
    EXPECT_EQ(errorOf([&] { rs.Delete(); }), err::NoCurrentRecord);
    rs.FindFirst("NOME = 'X'");
    EXPECT_TRUE(rs.NoMatch());
}

TEST_F(RecordsetTest, MovesFollowTheKeyAndStopAtEitherEnd) {
    Recordset rs = db_.openRecordset("PRODUTOR");   // inserted 20, 10, 30
    EXPECT_EQ(walk(rs), (std::vector<int>{10, 20, 30}));
    EXPECT_TRUE(rs.EOF());
    EXPECT_FALSE(rs.BOF());
    EXPECT_EQ(errorOf([&] { rs.field("NOME"); }), err::NoCurrentRecord);
    EXPECT_EQ(errorOf([&] { rs.MoveNext(); }), err::NoCurrentRecord);
    rs.MovePrevious();
    EXPECT_EQ(code(rs), 30);
    rs.MoveFirst();
    rs.MovePrevious();
    EXPECT_TRUE(rs.BOF());
    EXPECT_EQ(errorOf([&] { rs.MovePrevious(); }), err::NoCurrentRecord);
    rs.MoveNext();
    EXPECT_EQ(code(rs), 10);
    rs.MoveLast();
    EXPECT_EQ(code(rs), 30);
    EXPECT_EQ(rs.RecordCount(), 3);
}

TEST_F(RecordsetTest, CopiesShareOnePositionAndBookmarksReturnToARow) {
    Recordset a = db_.openRecordset("CLIENTES");
    Recordset b = a;
    b.MoveNext();
    EXPECT_EQ(code(a), 2);
    const Variant mark = a.bookmark();
    a.MoveLast();
    a.setBookmark(mark);
    EXPECT_EQ(code(a), 2);
    EXPECT_EQ(errorOf([&] { a.setBookmark(Variant("x")); }), 3159);
}

TEST_F(RecordsetTest, EachFieldTypeIsStoredAndReadBackAsItsType) {
    Recordset rs = db_.openRecordset("CLIENTES");
    rs.AddNew();
    rs["NOME"] = Variant("Zé");
    rs["OBS"] = Variant("0123");                       // a memo of digits keeps its zero
    rs["PROPOSTA"] = Variant("123456");
    rs["FILIAL"] = Variant(7.5);                         // half to even
    rs["VALOR"] = Variant("12,5");                       // the decimal comma
    rs["PREMIO"] = Variant(10.123456);
    rs["NASC"] = Variant("31/12/1999");
    rs["ATIVO"] = Variant(true);
    rs["CPF"] = Variant("");
    EXPECT_EQ(rs.field("VALOR").toDouble(), 12.5);      // visible before Update
    rs.Update();
    rs.MoveLast();
    EXPECT_EQ(code(rs), 5);
    EXPECT_TRUE(rs.field("NOME").identical(Variant("Zé")));
    EXPECT_TRUE(rs.field("OBS").identical(Variant("0123")));
    EXPECT_TRUE(rs.field("PROPOSTA").identical(Variant(123456)));
    EXPECT_TRUE(rs.field("FILIAL").identical(Variant::integer(8)));
    EXPECT_TRUE(rs.field("VALOR").identical(Variant(12.5)));
    EXPECT_TRUE(rs.field("PREMIO").identical(Variant::currency(10.1235)));
    EXPECT_TRUE(rs.field("NASC").identical(Variant::date(QDate(1999, 12, 31))));
    EXPECT_TRUE(rs.field("ATIVO").identical(Variant(true)));
    EXPECT_TRUE(rs.field("CPF").identical(Variant("")));   // the empty text is not Null
    EXPECT_TRUE(rs.field("CODIGO").identical(Variant(5)));

    Other other(path_);
    EXPECT_EQ(other.text("SELECT NASC FROM CLIENTES WHERE CODIGO = 5"), "1999-12-31 00:00:00");
    EXPECT_EQ(other.text("SELECT ATIVO FROM CLIENTES WHERE CODIGO = 5"), "1");
    EXPECT_EQ(other.text("SELECT typeof(OBS) FROM CLIENTES WHERE CODIGO = 5"), "text");

    rs.MoveFirst();
    EXPECT_TRUE(rs.field("OBS").isNull());
    EXPECT_TRUE(rs.field("ATIVO").isNull());
}

TEST_F(RecordsetTest, ValuesThatDoNotFitTheirFieldAreRefused) {
    struct Case {
        const char* field;
        Variant value;
        int error;
    } cases[] = {
        {"PROPOSTA", Variant("abc"), err::TypeMismatch},
        {"VALOR", Variant("1,2,3"), err::TypeMismatch},
        {"NASC", Variant("32/01/2000"), err::TypeMismatch},
        {"ATIVO", Variant("talvez"), err::TypeMismatch},
        {"FILIAL", Variant(70000), err::Overflow},
        {"NOME", Variant("ONZE LETRAS"), err::FieldTooSmall},
        {"NAOEXISTE", Variant(1), err::ItemNotFound},
    };
    Recordset rs = db_.openRecordset("CLIENTES");
    for (const Case& c : cases) {
        rs.AddNew();
        EXPECT_EQ(errorOf([&] { rs.setField(c.field, c.value); }), c.error) << c.field;
    }
    rs.AddNew();
    EXPECT_EQ(errorOf([&] { rs.setField("NOME", Variant("DEZ LETRAS")); }), 0);
    rs.CancelUpdate();
    EXPECT_EQ(errorOf([&] { rs.setField("NOME", Variant("X")); }), err::UpdateWithoutAddNew);
    EXPECT_EQ(errorOf([&] { rs.Update(); }), err::UpdateWithoutAddNew);
    Other other(path_);
    EXPECT_EQ(other.number("SELECT count(*) FROM CLIENTES"), 4);
}

TEST_F(RecordsetTest, AFailedWriteStoresNoPartOfTheRow) {
    Recordset rs = db_.openRecordset("CLIENTES");
    Other other(path_);
    // A failed third assignment abandons the row: the Update that follows has nothing to store.
    rs.AddNew();
    rs["NOME"] = Variant("NOVO");
    rs["CPF"] = Variant("555");
    EXPECT_EQ(errorOf([&] { rs["PROPOSTA"] = Variant("abc"); }), err::TypeMismatch);
    EXPECT_EQ(errorOf([&] { rs.Update(); }), err::UpdateWithoutAddNew);
    EXPECT_EQ(other.number("SELECT count(*) FROM CLIENTES"), 4);

    rs.Edit();
    rs["NOME"] = Variant("ALTERADO");
    EXPECT_EQ(errorOf([&] { rs["NOME"] = Variant("LONGO DEMAIS"); }), err::FieldTooSmall);
    EXPECT_EQ(errorOf([&] { rs.Update(); }), err::UpdateWithoutAddNew);
    EXPECT_EQ(other.text("SELECT NOME FROM CLIENTES WHERE CODIGO = 1"), "ANA");
    EXPECT_EQ(rs.field("NOME").toString(), "ANA");

    // A duplicate refused at Update: nothing stored, nothing left pending.
    rs.AddNew();
    rs["NOME"] = Variant("DUPLO");
    rs["CPF"] = Variant("222");
    EXPECT_EQ(errorOf([&] { rs.Update(); }), err::DuplicateKey);
    EXPECT_EQ(rs.editMode(), Recordset::EditMode::None);
    EXPECT_EQ(other.number("SELECT count(*) FROM CLIENTES"), 4);
    EXPECT_EQ(other.number("SELECT count(*) FROM CLIENTES WHERE NOME = 'DUPLO'"), 0);
}

TEST_F(RecordsetTest, ADuplicateKeyRaises3022) {
    Recordset rs = db_.openRecordset("PRODUTOR");
    rs.AddNew();
    rs["CODIGO"] = Variant(20);
    rs["NOME"] = Variant("REPETIDO");
    EXPECT_EQ(errorOf([&] { rs.Update(); }), err::DuplicateKey);
    rs.MoveFirst();
    rs.Edit();
    rs["CODIGO"] = Variant(30);
    EXPECT_EQ(errorOf([&] { rs.Update(); }), err::DuplicateKey);
    EXPECT_EQ(code(rs), 10);
}

TEST_F(RecordsetTest, RowsAddedHereComeLastAndTheCurrentRowStays) {
    Recordset rs = db_.openRecordset("CLIENTES");
    rs.MoveNext();   // on 2
    Other other(path_);
    other.exec("INSERT INTO CLIENTES (NOME) VALUES ('OUTRO')");   // numbered 5 meanwhile
    rs.AddNew();
    rs["NOME"] = Variant("MEU");
    EXPECT_TRUE(rs.field("CODIGO").isNull());
    rs.Update();
    EXPECT_EQ(code(rs), 2);
    rs.MoveLast();
    EXPECT_EQ(code(rs), 6);   // the engine's number, read back after MoveLast
    EXPECT_EQ(rs.field("NOME").toString(), "MEU");
    EXPECT_EQ(rs.RecordCount(), 5);
    EXPECT_EQ(walk(rs), (std::vector<int>{1, 2, 3, 4, 6}));

    // A key typed below the others still joins the end of this set.
    Recordset p = db_.openRecordset("PRODUTOR");
    p.AddNew();
    p["CODIGO"] = Variant(15);
    p.Update();
    p.AddNew();
    p["CODIGO"] = Variant(5);
    p.Update();
    EXPECT_EQ(walk(p), (std::vector<int>{10, 20, 30, 15, 5}));
    p.MoveLast();
    p.MovePrevious();
    EXPECT_EQ(code(p), 15);
    p.MovePrevious();
    EXPECT_EQ(code(p), 30);
    p.FindLast("CODIGO < 18");
    EXPECT_EQ(code(p), 5);
    p.FindPrevious("CODIGO < 18");
    EXPECT_EQ(code(p), 15);
    p.FindPrevious("CODIGO < 18");
    EXPECT_EQ(code(p), 10);
    EXPECT_EQ(p.RecordCount(), 5);
}

TEST_F(RecordsetTest, AnotherWorkstationsChangesAreSeen) {
    Recordset rs = db_.openRecordset("CLIENTES");
    Other other(path_);
    other.exec("UPDATE CLIENTES SET NOME = 'BETINHO' WHERE CODIGO = 2");
    other.exec("DELETE FROM CLIENTES WHERE CODIGO = 3");
    rs.MoveNext();
    EXPECT_EQ(rs.field("NOME").toString(), "BETINHO");
    rs.MoveNext();
    EXPECT_EQ(code(rs), 4);   // the deleted row is passed over
    rs.FindFirst("NOME = 'betinho'");
    EXPECT_EQ(code(rs), 2);

    // The current row deleted elsewhere: writing to it reports the deletion.
    other.exec("DELETE FROM CLIENTES WHERE CODIGO = 2");
    EXPECT_EQ(errorOf([&] { rs.Edit(); }), err::RecordDeleted);
    EXPECT_EQ(errorOf([&] { rs.field("NOME"); }), err::RecordDeleted);
    rs.MoveFirst();
    rs.Edit();
    other.exec("DELETE FROM CLIENTES WHERE CODIGO = 1");
    rs["NOME"] = Variant("X");
    EXPECT_EQ(errorOf([&] { rs.Update(); }), err::RecordDeleted);
    EXPECT_EQ(other.number("SELECT count(*) FROM CLIENTES"), 1);
}

TEST_F(RecordsetTest, EditWritesOnlyTheFieldsAssigned) {
    Recordset rs = db_.openRecordset("CLIENTES");
    rs.Edit();
    Other other(path_);
    other.exec("UPDATE CLIENTES SET PROPOSTA = 77 WHERE CODIGO = 1");
    rs["NOME"] = Variant("ANINHA");
    rs.Update();
    EXPECT_EQ(rs.field("NOME").toString(), "ANINHA");
    EXPECT_EQ(rs.field("PROPOSTA").toLong(), 77);
    EXPECT_EQ(other.text("SELECT NOME || PROPOSTA FROM CLIENTES WHERE CODIGO = 1"), "ANINHA77");
}

TEST_F(RecordsetTest, AfterDeleteThePositionIsTheDeletedRowsPlace) {
    Recordset rs = db_.openRecordset("CLIENTES");
    rs.MoveNext();
    rs.Delete();
    EXPECT_EQ(errorOf([&] { rs.field("NOME"); }), err::RecordDeleted);
    EXPECT_EQ(errorOf([&] { rs.Delete(); }), err::RecordDeleted);
    rs.MoveNext();
    EXPECT_EQ(code(rs), 3);
    rs.Delete();
    rs.MovePrevious();
    EXPECT_EQ(code(rs), 1);
    rs.MoveLast();
    rs.Delete();
    rs.MoveNext();
    EXPECT_TRUE(rs.EOF());
    EXPECT_EQ(rs.RecordCount(), 1);
    Other other(path_);
    EXPECT_EQ(other.number("SELECT count(*) FROM CLIENTES"), 1);
}

TEST_F(RecordsetTest, AFailedFindKeepsTheCurrentRow) {
    Recordset rs = db_.openRecordset("CLIENTES");
    rs.FindFirst("CODIGO = 3");
    EXPECT_FALSE(rs.NoMatch());
    rs.FindNext("NOME LIKE 'A*'");
    EXPECT_TRUE(rs.NoMatch());
    EXPECT_EQ(code(rs), 3);
    rs.FindPrevious("NOME LIKE 'Z*'");
    EXPECT_TRUE(rs.NoMatch());
    EXPECT_EQ(code(rs), 3);
    rs.FindPrevious("NOME LIKE 'A*'");
    EXPECT_FALSE(rs.NoMatch());
    EXPECT_EQ(code(rs), 1);
    // A find discards a pending edit, as a move does.
    rs.Edit();
    rs["NOME"] = Variant("PERDIDO");
    rs.FindLast("CODIGO > 0");
    EXPECT_EQ(code(rs), 4);
    EXPECT_EQ(rs.editMode(), Recordset::EditMode::None);
    rs.FindFirst("CODIGO = 1");
    EXPECT_EQ(rs.field("NOME").toString(), "ANA");
}

TEST_F(RecordsetTest, AWriteMeetingAnotherWorkstationsLockRaises3260) {
    Recordset rs = db_.openRecordset("CLIENTES");
    Other other(path_);
    other.exec("BEGIN IMMEDIATE");
    other.exec("UPDATE CLIENTES SET NOME = 'TRAVADO' WHERE CODIGO = 4");

    rs.AddNew();
    rs["NOME"] = Variant("NOVO");
    EXPECT_EQ(errorOf([&] { rs.Update(); }), err::RecordLocked);
    rs.Edit();
    rs["NOME"] = Variant("MUDADO");
    EXPECT_EQ(errorOf([&] { rs.Update(); }), err::RecordLocked);
    EXPECT_EQ(errorOf([&] { rs.Delete(); }), err::RecordLocked);
    EXPECT_EQ(rs.field("NOME").toString(), "ANA");   // reading goes on meanwhile

    other.exec("ROLLBACK");
    EXPECT_EQ(other.number("SELECT count(*) FROM CLIENTES"), 4);
    EXPECT_EQ(other.text("SELECT NOME FROM CLIENTES WHERE CODIGO = 1"), "ANA");
    rs.AddNew();
    rs["NOME"] = Variant("NOVO");
    rs.Update();
    EXPECT_EQ(other.number("SELECT count(*) FROM CLIENTES"), 5);
}

TEST_F(RecordsetTest, NoReadIsLeftOpenBetweenCalls) {
    Recordset rs = db_.openRecordset("CLIENTES");
    rs.MoveNext();
    rs.FindFirst("NOME LIKE '*A*'");
    rs.FindNext("NOME LIKE '*A*'");
    rs.MoveLast();
    (void)rs.RecordCount();
    // A workstation without any wait must be able to write at once.
    Other other(path_);
    EXPECT_EQ(sqlite3_exec(other.db, "UPDATE CLIENTES SET NOME = 'LIVRE' WHERE CODIGO = 1", nullptr, nullptr,
                           nullptr),
              SQLITE_OK);
}

// ---- long runs (rows read ahead) ---------------------------------------------------

const char* const LongSql = R"(
CREATE TABLE LONGA (ID INTEGER PRIMARY KEY, NOME TEXT(20), N LONG);
WITH RECURSIVE c(x) AS (SELECT 1 UNION ALL SELECT x + 1 FROM c WHERE x < 300)
INSERT INTO LONGA SELECT 2 * x, 'NOME ' || (2 * x), x FROM c;
)";

class LongRunTest : public EngineTest {
protected:
    void SetUp() override {
        path_ = makeFile("LONGA.MDB", LongSql);
        db_ = Database::open(path_);
    }
    static std::vector<int> evens(int from, int to) {
        std::vector<int> v;
        for (int i = from; i <= to; i += 2) v.push_back(i);
        return v;
    }
    QString path_;
    Database db_;
};

TEST_F(LongRunTest, EveryRowIsVisitedOnceInOrderBothWays) {
    Recordset rs = db_.openRecordset("LONGA");
    rs.AddNew();
    rs["ID"] = Variant(151);   // inside the table's range, still one of ours
    rs.Update();
    rs.AddNew();
    rs["ID"] = Variant(1001);
    rs.Update();

    std::vector<int> expected = evens(2, 600);
    expected.push_back(151);
    expected.push_back(1001);
    std::vector<int> forward;
    rs.MoveFirst();
    while (!rs.EOF()) {
        const int id = rs.field("ID").toLong();
        forward.push_back(id);
        if (id == 400) {
            EXPECT_EQ(rs.field("N").toLong(), 200);   // a field not read so far
        }
        if (id % 2 == 0 && id <= 600) {
            EXPECT_EQ(rs.field("NOME").toString(), QStringLiteral("NOME %1").arg(id));
        }
        rs.MoveNext();
    }
    EXPECT_EQ(forward, expected);

    std::vector<int> backward;
    rs.MovePrevious();
    while (!rs.BOF()) {
        backward.push_back(rs.field("ID").toLong());
        rs.MovePrevious();
    }
    EXPECT_EQ(backward, std::vector<int>(expected.rbegin(), expected.rend()));
}

TEST_F(LongRunTest, ALongFindNextRunFindsEveryMatch) {
    Recordset rs = db_.openRecordset("LONGA");
    const QString criteria = QStringLiteral("N > 10 AND NOME LIKE '*4*'");
    std::vector<int> found, expected;
    for (int x = 11; x <= 300; ++x)
        if (QString::number(2 * x).contains(u'4')) expected.push_back(2 * x);
    rs.FindFirst(criteria);
    while (!rs.NoMatch()) {
        found.push_back(rs.field("ID").toLong());
        rs.FindNext(criteria);
    }
    EXPECT_EQ(found, expected);
    EXPECT_EQ(rs.field("ID").toLong(), expected.back());   // the last match stays current
}

TEST_F(LongRunTest, AWriteThroughTheSameFileIsSeenInTheMiddleOfARun) {
    Recordset rs = db_.openRecordset("LONGA");
    Recordset writer = db_.openRecordset("LONGA");
    for (int i = 0; i < 100; ++i) {
        (void)rs.field("ID");
        (void)rs.field("NOME");
        rs.MoveNext();
    }
    writer.FindFirst("ID = 210");   // among the rows already read ahead
    writer.Edit();
    writer["NOME"] = Variant("MUDOU");
    writer.Update();
    while (rs.field("ID").toLong() != 210) rs.MoveNext();
    EXPECT_EQ(rs.field("NOME").toString(), "MUDOU");
}

TEST_F(LongRunTest, AnotherWorkstationsChangeIsSeenOnceRowsReadAheadHaveAged) {
    Recordset rs = db_.openRecordset("LONGA");
    for (int i = 0; i < 100; ++i) {
        (void)rs.field("ID");
        (void)rs.field("NOME");
        rs.MoveNext();
    }
    Other other(path_);
    other.exec("UPDATE LONGA SET NOME = 'DE FORA' WHERE ID = 210");
    QThread::msleep(200);   // well past the read-ahead lifetime
    while (rs.field("ID").toLong() != 210) rs.MoveNext();
    EXPECT_EQ(rs.field("NOME").toString(), "DE FORA");
}

}  // namespace
}  // namespace vorna::db::testing
