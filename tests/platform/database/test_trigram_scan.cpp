// A find by a pattern holding three or more characters in a row lists its
// candidates from the field's trigram index; the answers are those of the same
// find over a copy of the table without indexes, whatever the letters, the
// set's own rows and other workstations' writes.
#include "EngineFixture.h"

#include "platform/database/CriteriaText.h"
#include "platform/database/SchemaSteps.h"
#include "platform/database/TextRules.h"

#include <QDir>
#include <QFile>
#include <functional>
#include <map>

namespace vorna::db::testing {
namespace {

// PESSOA and its copy SEMINDICE hold the same rows. PESSOA's NOME has a trigram
// index only, its CIDADE a trigram index and an ordinary one; the triggers are
// those the schema steps write.
const char* const Sql = R"(
CREATE TABLE PESSOA (ID INTEGER PRIMARY KEY, NOME TEXT(40), CIDADE TEXT(40), ATIVO YESNO);
CREATE TABLE SEMINDICE (ID INTEGER PRIMARY KEY, NOME TEXT(40), CIDADE TEXT(40), ATIVO YESNO);
CREATE INDEX PESSOA_CIDADE ON PESSOA (CIDADE);
INSERT INTO PESSOA VALUES
  (2, 'JOÃO DA SILVA', 'São Paulo', 1), (3, 'joão silva', 'SÃO PAULO', 0), (4, 'Ça va', 'são josé', 1),
  (5, 'ÇA E ça', NULL, 1), (6, 'D''ÁVILA', 'Santa Bárbara d''Oeste', 0), (7, 'O''NEIL "JR"', 'Paulínia', 1),
  (8, 'Mc*Star', 'S*O PAULO', 0), (9, NULL, 'Rua 123-45', 1), (10, 'ÆGIR ÐÖR Þór', 'Øster', 1),
  (11, 'MÜLLER ßtraße ẞTR', 'ﬁm', 0), (12, 'K-Kelvin Kelvin', 'ſanto', 1), (13, 'ÿvonne Ÿves', 'µ micro', 0),
  (14, 'LÍDIA 2024', 'CAMPINAS 13000', 1), (15, '  SILVA  ', '', 0), (16, 'ANA [SILVA]', 'Angström', 1);
INSERT INTO SEMINDICE SELECT * FROM PESSOA;
)";

QByteArray trigramIndexSql(const char* table, const char* field) {
    const QByteArray t(table), f(field), n = t + '_' + f + "_TRIGRAMAS";
    return "CREATE VIRTUAL TABLE " + n + " USING fts5(" + f + ", tokenize = 'trigram', content = '" + t + "');" +
           "INSERT INTO " + n + " (" + n + ") VALUES ('rebuild');" + "CREATE TRIGGER " + n +
           "_INCLUIR AFTER INSERT ON " + t + " BEGIN INSERT INTO " + n + " (rowid, " + f +
           ") VALUES (new.rowid, new." + f + "); END;" + "CREATE TRIGGER " + n + "_EXCLUIR AFTER DELETE ON " + t +
           " BEGIN INSERT INTO " + n + " (" + n + ", rowid, " + f + ") VALUES ('delete', old.rowid, old." + f +
           "); END;" + "CREATE TRIGGER " + n + "_ALTERAR AFTER UPDATE ON " + t + " WHEN old.rowid IS NOT new.rowid OR old." +
           f + " IS NOT new." + f + " COLLATE BINARY BEGIN INSERT INTO " + n + " (" + n + ", rowid, " + f +
           ") VALUES ('delete', old.rowid, old." + f + "); INSERT INTO " + n + " (rowid, " + f +
           ") VALUES (new.rowid, new." + f + "); END;";
}

class TrigramScanTest : public EngineTest {
protected:
    void SetUp() override {
        const QByteArray sql = Sql + trigramIndexSql("PESSOA", "NOME") + trigramIndexSql("PESSOA", "CIDADE");
        path_ = makeFile("VORNA.MDB", sql.constData());
        db_ = Database::open(path_);
        sqlite3_trace_v2(db_.handle(), SQLITE_TRACE_STMT, traceInto, &statements_);
    }
    void TearDown() override { sqlite3_trace_v2(db_.handle(), 0, nullptr, nullptr); }

    int trigramScans() const { return int(statements_.filter(QStringLiteral("_TRIGRAMAS\" MATCH")).size()); }

    static std::vector<int> both(Recordset& rs, const QString& criteria) { return findBothWays(rs, criteria); }

    // Every criteria of the list over both tables.
    void expectSameAnswers(const std::vector<QString>& criteria, const char* what) {
        for (const QString& c : criteria) {
            Recordset indexed = db_.openRecordset("PESSOA");
            Recordset plain = db_.openRecordset("SEMINDICE");
            EXPECT_EQ(both(indexed, c), both(plain, c)) << what << ": " << c.toStdString();
        }
    }

    QString path_;
    Database db_;
    QStringList statements_;
};

// Every character the phrase may hold: each character the engine calls equal
// to it, anywhere in Unicode, is found by the trigram index under it.
TEST_F(TrigramScanTest, QualifyingCharactersFoldAlikeInTheTrigramIndex) {
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(":memory:", &db), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(db, "CREATE VIRTUAL TABLE T USING fts5(X, tokenize = 'trigram')", nullptr, nullptr, nullptr),
              SQLITE_OK);
    std::map<char32_t, std::vector<char32_t>> alike;   // a qualifying character's fold → every character folding so
    for (char32_t c = 0x20; c <= 0xFE; ++c)
        if (text::trigramFoldsAlike(c)) alike[QChar::toCaseFolded(c)];
    for (char32_t x = 1; x <= 0x10FFFF; ++x) {
        if (x >= 0xD800 && x <= 0xDFFF) continue;
        if (auto it = alike.find(QChar::toCaseFolded(x)); it != alike.end()) it->second.push_back(x);
    }
    sqlite3_stmt* insert = nullptr;
    sqlite3_prepare_v2(db, "INSERT INTO T (rowid, X) VALUES (?1, ?2)", -1, &insert, nullptr);
    for (const auto& [fold, xs] : alike)
        for (char32_t x : xs) {
            const QByteArray three = QString::fromUcs4(std::u32string(3, x).data(), 3).toUtf8();
            sqlite3_bind_int64(insert, 1, x);
            sqlite3_bind_text(insert, 2, three.constData(), int(three.size()), SQLITE_TRANSIENT);
            ASSERT_EQ(sqlite3_step(insert), SQLITE_DONE);
            sqlite3_reset(insert);
        }
    sqlite3_finalize(insert);
    sqlite3_stmt* match = nullptr;
    sqlite3_prepare_v2(db, "SELECT rowid FROM T WHERE T MATCH ?1", -1, &match, nullptr);
    int checked = 0;
    for (char32_t c = 0x20; c <= 0xFE; ++c) {
        if (!text::trigramFoldsAlike(c) || QStringLiteral("*?#[").contains(QChar(c))) continue;
        const QString one = QString::fromUcs4(&c, 1);
        const QByteArray phrase = text::trigramPhrase(one + one + one);
        ASSERT_FALSE(phrase.isEmpty()) << int(c);
        sqlite3_bind_text(match, 1, phrase.constData(), int(phrase.size()), SQLITE_TRANSIENT);
        std::vector<char32_t> found;
        while (sqlite3_step(match) == SQLITE_ROW) found.push_back(char32_t(sqlite3_column_int64(match, 0)));
        sqlite3_reset(match);
        for (char32_t x : alike[QChar::toCaseFolded(c)]) {
            const QByteArray a = one.toUtf8(), b = QString::fromUcs4(&x, 1).toUtf8();
            ASSERT_EQ(text::compareNoCase(a.constData(), int(a.size()), b.constData(), int(b.size())), 0);
            EXPECT_NE(std::find(found.begin(), found.end(), x), found.end())
                << "U+" << std::hex << int(x) << " under U+" << int(c);
            ++checked;
        }
    }
    sqlite3_finalize(match);
    sqlite3_close(db);
    EXPECT_GT(checked, 200);   // the Kelvin sign, the long s, the capital sharp s, ... among them
}

TEST_F(TrigramScanTest, PhraseIsTheLongestQualifyingRun) {
    struct Case {
        const char* pattern;
        const char* phrase;
    };
    const Case cases[] = {
        {"*silva*", "\"silva\""},
        {"JOÃ*", "\"JOÃ\""},
        {"*ab*cdef?gh#ijk*", "\"cdef\""},
        {"*O\"NEIL*", "\"O\"\"NEIL\""},
        {"*[*]star*", "\"star\""},
        {"*SIL[V]A*", "\"SIL\""},
        {"*SI[L]VA*", ""},
        {"*[abc]xyz*", "\"xyz\""},
        {"*ÿvonne*", "\"vonne\""},
        {"*µ micro*", "\" micro\""},
        {"*il*", ""},
        {"*abc[de", ""},   // unreadable: matches nothing
        {"*ABCDEFGHIJKLMNOP*", "\"ABCDEFGHIJKL\""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(text::trigramPhrase(QString::fromUtf8(c.pattern)), QByteArray(c.phrase)) << c.pattern;
}

TEST_F(TrigramScanTest, EveryPatternFindsWhatTheUnindexedTableFinds) {
    struct Case {
        const char* criteria;
        bool trigrams;   // the trigram index lists the candidates
    };
    const Case cases[] = {
        {"NOME LIKE '*silva*'", true},
        {"NOME LIKE '*SILVA*'", true},
        {"NOME LIKE '*joão*'", true},
        {"NOME LIKE '*JOÃO*'", true},
        {"NOME LIKE 'JOÃ*'", true},
        {"NOME LIKE '*ça*'", false},
        {"NOME LIKE '*ÇA E*'", true},
        {"NOME LIKE '*d''á*'", true},
        {"NOME LIKE '*o''neil \"jr\"*'", true},
        {"NOME LIKE '*c[*]st*'", false},
        {"NOME LIKE '*[*]star*'", true},
        {"NOME LIKE '*?ILVA*'", true},
        {"NOME LIKE '*SIL#*'", true},
        {"NOME LIKE '*20#4*'", false},
        {"NOME LIKE '*202#*'", true},
        {"NOME LIKE '*ægir ðö*'", true},
        {"NOME LIKE '*ÞÓR*'", true},
        {"NOME LIKE '*müller*'", true},
        {"NOME LIKE '*ßtr*'", true},
        {"NOME LIKE '*STR*'", true},
        {"NOME LIKE '*kelvin*'", true},
        {"NOME LIKE '*ÿvonne*'", true},
        {"NOME LIKE '*ŸVES*'", true},   // "VES"
        {"NOME LIKE '*[SILVA]*'", false},
        {"NOME LIKE '*il*'", false},
        {"NOME LIKE '*'", false},
        {"NOME LIKE NULL", false},
        {"NOME LIKE '*silva*' AND ATIVO = True", true},
        {"NOME LIKE '*silva*' OR ID = 4", false},
        {"NOT NOME LIKE '*silva*'", false},
        {"TRIM(NOME) LIKE 'silva'", false},   // no wildcard: an equality
        {"TRIM(NOME) LIKE 'silva*'", true},
        {"CIDADE LIKE '*são paulo*'", true},
        {"CIDADE LIKE '*SÃO*'", true},
        {"CIDADE LIKE '*pa*'", false},   // the ordinary index instead
        {"CIDADE LIKE 'S[*]O*'", false},
        {"CIDADE LIKE '*123-4*'", true},
        {"CIDADE LIKE '*santo*'", true},
        {"CIDADE LIKE '*ÅNGSTRÖM*'", true},
        {"CIDADE LIKE '*fim*'", true},
        {"CIDADE LIKE '*µ mic*'", true},
        {"CIDADE LIKE '*d''oeste*' AND NOME LIKE '*ávila*'", true},
    };
    for (const Case& c : cases) {
        const QString criteria = QString::fromUtf8(c.criteria);
        Recordset indexed = db_.openRecordset("PESSOA");
        Recordset plain = db_.openRecordset("SEMINDICE");
        const int before = trigramScans();
        EXPECT_EQ(both(indexed, criteria), both(plain, criteria)) << c.criteria;
        EXPECT_EQ(trigramScans() > before, c.trigrams) << c.criteria;
    }
    // A spot check that the answers are the pattern's, the Kelvin sign included.
    Recordset rs = db_.openRecordset("PESSOA");
    EXPECT_EQ(both(rs, containsCriteria("NOME", "kelvin")), (std::vector<int>{12, 0, 12, 0}));
    EXPECT_EQ(both(rs, containsCriteria("NOME", "SILVA")), (std::vector<int>{2, 3, 15, 16, 0, 16, 15, 3, 2, 0}));
}

// The plan: the trigram index alone gives the candidates of a 3+ character fragment.
TEST_F(TrigramScanTest, TheTrigramIndexListsTheCandidates) {
    Recordset rs = db_.openRecordset("PESSOA");
    const QString criteria = containsCriteria("NOME", "silva");
    statements_.clear();
    int found = 0;
    for (rs.FindFirst(criteria); !rs.NoMatch(); rs.FindNext(criteria)) ++found;
    EXPECT_EQ(found, 4);
    ASSERT_EQ(trigramScans(), 1) << statements_.join('\n').toStdString();
    EXPECT_TRUE(statements_.filter(QStringLiteral("INDEXED BY")).isEmpty());
    const QString plan = queryPlan(db_.handle(), statements_.filter(QStringLiteral("MATCH")).front());
    EXPECT_TRUE(plan.contains(QStringLiteral("VIRTUAL TABLE INDEX"))) << plan.toStdString();
    EXPECT_TRUE(plan.contains(QStringLiteral("PESSOA_NOME_TRIGRAMAS"))) << plan.toStdString();

    // Without its triggers the index no longer follows the table: not used.
    Other other(path_);
    other.exec("DROP TRIGGER PESSOA_NOME_TRIGRAMAS_ALTERAR");
    Database again = Database::open(path_);
    sqlite3_trace_v2(again.handle(), SQLITE_TRACE_STMT, traceInto, &statements_);
    Recordset fresh = again.openRecordset("PESSOA");
    const int before = trigramScans();
    EXPECT_EQ(both(fresh, criteria), (std::vector<int>{2, 3, 15, 16, 0, 16, 15, 3, 2, 0}));
    EXPECT_EQ(trigramScans(), before);
    sqlite3_trace_v2(again.handle(), 0, nullptr, nullptr);
}

const std::vector<QString>& fragments() {
    static const std::vector<QString> list = {
        QStringLiteral("NOME LIKE '*silva*'"),   QStringLiteral("NOME LIKE '*JOÃO*'"),
        QStringLiteral("NOME LIKE '*ça*'"),      QStringLiteral("NOME LIKE '*ZÉ C*'"),
        QStringLiteral("CIDADE LIKE '*paulo*'"), QStringLiteral("CIDADE LIKE '*são*' AND ATIVO = True"),
        QStringLiteral("NOME LIKE '*O''NEIL*'"),
    };
    return list;
}

TEST_F(TrigramScanTest, AnotherWorkstationsWritesKeepTheIndexRight) {
    Other other(path_);
    const auto both = [&](const char* sql) {
        for (const char* table : {"PESSOA", "SEMINDICE"})
            other.exec(QString::fromUtf8(sql).arg(QLatin1String(table)).toUtf8().constData());
    };
    expectSameAnswers(fragments(), "before");
    both("INSERT INTO %1 (ID, NOME, CIDADE) VALUES (30, 'ZÉ CARLOS SILVA', 'Paulo Afonso')");
    both("UPDATE %1 SET NOME = 'JOÃO SANTOS' WHERE ID = 15");
    both("UPDATE %1 SET NOME = 'NINGUÉM' WHERE ID = 2");
    both("UPDATE %1 SET ID = 40 WHERE ID = 3");   // a new row id, the name kept
    both("UPDATE %1 SET ATIVO = 1 - ATIVO");
    both("DELETE FROM %1 WHERE ID = 7");
    both("INSERT OR REPLACE INTO %1 (ID, NOME, CIDADE) VALUES (4, 'ÇA ÇA SILVA', 'SÃO PEDRO')");
    both("UPDATE %1 SET CIDADE = NULL WHERE ID = 8");
    both("UPDATE %1 SET NOME = 'O''NEIL' WHERE ID = 9");
    expectSameAnswers(fragments(), "after");
    EXPECT_EQ(other.number("SELECT count(*) FROM PESSOA_NOME_TRIGRAMAS WHERE PESSOA_NOME_TRIGRAMAS MATCH '\"SILVA\"'"
                           " AND rowid NOT IN (SELECT ID FROM PESSOA WHERE NOME LIKE '%SILVA%')"),
              0);   // no entry left for a row that no longer holds the text
}

// A recordset finding while another workstation writes: each find sees the file as it is.
TEST_F(TrigramScanTest, ChangesBetweenFindsAreSeen) {
    const QString criteria = containsCriteria("NOME", "silva");
    Other other(path_);
    QStringList seen[2];
    int k = 0;
    for (const char* table : {"PESSOA", "SEMINDICE"}) {
        const auto exec = [&](const char* sql) {
            other.exec(QString::fromUtf8(sql).arg(QLatin1String(table)).toUtf8().constData());
        };
        Recordset rs = db_.openRecordset(QString::fromLatin1(table));
        rs.FindFirst(criteria);
        seen[k] << rs.field("ID").toString();
        exec("UPDATE %1 SET NOME = 'X SILVA' WHERE ID = 14");   // a match ahead
        exec("UPDATE %1 SET NOME = 'NADA' WHERE ID = 3");       // the next match no longer
        exec("INSERT INTO %1 (ID, NOME) VALUES (50, 'SILVA NOVO')");   // above the set
        for (rs.FindNext(criteria); !rs.NoMatch(); rs.FindNext(criteria)) seen[k] << rs.field("ID").toString();
        exec("DELETE FROM %1 WHERE ID = 15");
        exec("UPDATE %1 SET ID = 1 WHERE ID = 16");   // moved before the first
        for (rs.FindLast(criteria); !rs.NoMatch(); rs.FindPrevious(criteria)) seen[k] << rs.field("ID").toString();
        ++k;
    }
    EXPECT_EQ(seen[0], seen[1]);
    EXPECT_EQ(seen[0].join(u' '), QStringLiteral("2 14 15 16 14 2 1"));
}

TEST_F(TrigramScanTest, OwnRowsUpdatesAndDeletesAsWithoutTheIndex) {
    const QString criteria = containsCriteria("NOME", "silva");
    QStringList seen[2];
    int k = 0;
    for (const char* table : {"PESSOA", "SEMINDICE"}) {
        Recordset rs = db_.openRecordset(QString::fromLatin1(table));
        rs.FindFirst(criteria);
        for (const char* name : {"MARIA SILVA", "Recife", "josé da silva"}) {
            rs.AddNew();
            rs.setField("NOME", Variant(QString::fromUtf8(name)));
            rs.Update();
        }
        rs.FindNext(criteria);
        rs.Edit();
        rs.setField("NOME", Variant(QStringLiteral("SEM NOME")));   // row 3 no longer matches
        rs.Update();
        rs.FindFirst(QStringLiteral("ID = 14"));
        rs.Edit();
        rs.setField("NOME", Variant(QStringLiteral("Sílvia Silva")));
        rs.Update();
        rs.FindFirst(QStringLiteral("ID = 16"));
        rs.Delete();
        rs.FindFirst(QStringLiteral("ID = 15"));
        rs.Edit();
        rs.setField("ID", Variant(60));   // a new row id, among ours
        rs.Update();
        for (int id : both(rs, criteria)) seen[k] << QString::number(id);
        ++k;
    }
    EXPECT_EQ(seen[0], seen[1]);
    EXPECT_EQ(seen[0].join(u' '), QStringLiteral("2 14 17 19 60 0 60 19 17 14 2 0"));
}

// The schema step makes the indexes for the fields searched by fragment, filled
// from the rows already there, and the engine finds them.
TEST_F(TrigramScanTest, SchemaStepIndexesExistingRows) {
    const QString stepsDir = QString::fromUtf8(VORNA_SOURCE_DIR "/schema/VORNA");
    const QString before = dir_.filePath(QStringLiteral("before"));
    ASSERT_TRUE(QDir().mkpath(before));
    for (const QString& file : QDir(stepsDir).entryList({QStringLiteral("*.sql")}, QDir::Files, QDir::Name))
        if (file.left(3).toInt() < 18) ASSERT_TRUE(QFile::copy(stepsDir + u'/' + file, before + u'/' + file));
    const QString file = dir_.filePath(QStringLiteral("STEPS.MDB"));
    applySchemaSteps(before, file, false);
    {
        Database d = Database::open(file);
        ASSERT_EQ(sqlite3_exec(d.handle(),
                               "INSERT INTO PROCEDE (NOME, APOLICE) VALUES ('JOÃO DA SILVA', 'A-123'), ('MARIA', 'B');"
                               "INSERT INTO VIDASAU (NOME) VALUES ('ANA SILVA');"
                               "INSERT INTO CLIENTES (NOME) VALUES ('SILVANA');"
                               "INSERT INTO DOCUMENTOS (NOMCLIENTE, APOLICE) VALUES ('SILVA LTDA', '77-123-9');",
                               nullptr, nullptr, nullptr),
                  SQLITE_OK);
    }
    EXPECT_GE(applySchemaSteps(stepsDir, file, false), 18);
    Database d = Database::open(file);
    sqlite3_trace_v2(d.handle(), SQLITE_TRACE_STMT, traceInto, &statements_);
    struct Case {
        const char* table;
        const char* field;
        const char* fragment;
        int found;
    };
    const Case cases[] = {{"PROCEDE", "NOME", "silva", 1},      {"VIDASAU", "NOME", "SILVA", 1},
                          {"CLIENTES", "NOME", "ilvan", 1},     {"DOCUMENTOS", "NOMCLIENTE", "ltda", 1},
                          {"DOCUMENTOS", "APOLICE", "-123-", 1}};
    for (const Case& c : cases) {
        Recordset rs = d.openRecordset(QString::fromLatin1(c.table));
        const QString criteria = containsCriteria(QString::fromLatin1(c.field), QString::fromLatin1(c.fragment));
        const int before = trigramScans();
        int found = 0;
        for (rs.FindFirst(criteria); !rs.NoMatch(); rs.FindNext(criteria)) ++found;
        EXPECT_EQ(found, c.found) << c.table << '.' << c.field;
        EXPECT_EQ(trigramScans(), before + 1) << c.table << '.' << c.field;
        // Written through the engine, changed and removed: kept in step.
        rs.AddNew();
        rs.setField(QString::fromLatin1(c.field), Variant(QStringLiteral("NOVO %1").arg(QLatin1String(c.fragment))));
        rs.Update();
        rs.FindFirst(criteria);
        ASSERT_FALSE(rs.NoMatch());
        rs.Edit();
        rs.setField(QString::fromLatin1(c.field), Variant(QStringLiteral("OUTRO")));
        rs.Update();
        rs.FindLast(criteria);
        ASSERT_FALSE(rs.NoMatch());
        rs.Delete();
        found = 0;
        for (rs.FindFirst(criteria); !rs.NoMatch(); rs.FindNext(criteria)) ++found;
        EXPECT_EQ(found, 0) << c.table << '.' << c.field;
    }
    for (const Case& c : cases) {
        const QByteArray check = QByteArray("INSERT INTO ") + c.table + '_' + c.field + "_TRIGRAMAS (" + c.table + '_' +
                                 c.field + "_TRIGRAMAS, rank) VALUES ('integrity-check', 1)";
        EXPECT_EQ(sqlite3_exec(d.handle(), check.constData(), nullptr, nullptr, nullptr), SQLITE_OK)
            << c.table << '.' << c.field << ' ' << sqlite3_errmsg(d.handle());
    }
    sqlite3_trace_v2(d.handle(), 0, nullptr, nullptr);
}

}  // namespace
}  // namespace vorna::db::testing
