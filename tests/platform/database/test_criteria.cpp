// Criteria forms, the LIKE patterns and letter case, through finds on a small table.
#include "EngineFixture.h"

#include <set>

namespace vorna::db::testing {
namespace {

const char* const ClientsSql = R"(
CREATE TABLE CLIENTES (
  CODIGO INTEGER PRIMARY KEY AUTOINCREMENT,
  NOME TEXT(50),
  [END-RESIDENCIA] TEXT(60),
  APOLICE TEXT(20),
  PROPOSTA LONG,
  FILIAL INTEGER,
  TIPO TEXT(1),
  NASC DATETIME,
  ATIVO YESNO);
INSERT INTO CLIENTES VALUES (1, 'JOSÉ DA SILVA', 'RUA DAS FLORES 10', '  AP-001  ', 123, 1, 'A', '1980-05-17 00:00:00', 1);
INSERT INTO CLIENTES VALUES (2, 'Maria Conceição', 'AV. BRASIL 200', 'AP-002', 4567, 2, 'B', '1975-12-01 00:00:00', 0);
INSERT INTO CLIENTES VALUES (3, 'ANTÔNIO SILVEIRA', 'RUA DA CONCEIÇÃO 5', 'XP-003', 123, 2, 'A', '1990-01-31 10:30:00', 1);
INSERT INTO CLIENTES VALUES (4, 'joão silva', NULL, NULL, NULL, 1, 'a', NULL, 0);
INSERT INTO CLIENTES VALUES (5, 'PEDRO D''AVILA', 'RUA 7 DE SETEMBRO', 'AP-0005', 89, 3, 'C', '2000-02-29 00:00:00', 1);
CREATE TABLE VALORES (ID INTEGER PRIMARY KEY, VALOR DOUBLE);
INSERT INTO VALORES VALUES (1, 5.0), (2, 1.5), (3, 15), (4, NULL), (5, -0.25);
)";

class CriteriaTest : public EngineTest {
protected:
    void SetUp() override { db_ = Database::open(makeFile("crit.mdb", ClientsSql)); }

    // Every row the criteria finds, by FindFirst then FindNext until NoMatch.
    std::vector<int> found(const QString& criteria, const char* table = "CLIENTES") {
        Recordset rs = db_.openRecordset(table);
        std::vector<int> codes;
        rs.FindFirst(criteria);
        while (!rs.NoMatch()) {
            codes.push_back(rs.field(0 == qstrcmp(table, "CLIENTES") ? "CODIGO" : "ID").toLong());
            rs.FindNext(criteria);
        }
        return codes;
    }
    std::vector<int> foundBackwards(const QString& criteria) {
        Recordset rs = db_.openRecordset("CLIENTES");
        std::vector<int> codes;
        rs.FindLast(criteria);
        while (!rs.NoMatch()) {
            codes.push_back(rs.field("CODIGO").toLong());
            rs.FindPrevious(criteria);
        }
        return codes;
    }
    Database db_;
};

struct FindCase {
    const char* criteria;
    std::vector<int> codes;
};

TEST_F(CriteriaTest, EachFormFindsTheRowsItDescribes) {
    const FindCase cases[] = {
        {"CODIGO = 3", {3}},
        {"CODIGO > 0", {1, 2, 3, 4, 5}},
        {"CODIGO >= 2 AND CODIGO < 4", {2, 3}},
        {"CODIGO <> 2 AND CODIGO <= 3", {1, 3}},
        {"TIPO = 'A'", {1, 3, 4}},
        {"tipo = \"a\"", {1, 3, 4}},
        {"NOME = 'maria conceição'", {2}},
        {"NOME = 'MARIA CONCEIÇÃO'", {2}},
        {"NOME <> 'JOÃO SILVA'", {1, 2, 3, 5}},
        {"NOME LIKE '*SILVA*'", {1, 4}},
        {"NOME LIKE '*silv*'", {1, 3, 4}},
        {"nome like 'ant?nio*'", {3}},
        {"[END-RESIDENCIA] LIKE '*conceição*'", {3}},
        {"[end-residencia] LIKE 'RUA*'", {1, 3, 5}},
        {"TRIM(APOLICE) LIKE 'AP-00?'", {1, 2}},
        {"APOLICE LIKE 'AP-00?'", {2}},
        {"trim(APOLICE) = 'ap-001'", {1}},
        {"PROPOSTA LIKE 123", {1, 3}},
        {"PROPOSTA = 123 AND FILIAL = 2", {3}},
        {"PROPOSTA = 123 and FILIAL = 2 AnD TIPO = 'A'", {3}},
        {"FILIAL = 1 OR FILIAL = 3", {1, 4, 5}},
        {"NOT (FILIAL = 2)", {1, 4, 5}},
        {"(FILIAL = 1 OR FILIAL = 3) AND TIPO = 'a'", {1, 4}},
        {"FILIAL IN (1, 3)", {1, 4, 5}},
        {"FILIAL BETWEEN 2 AND 3", {2, 3, 5}},
        {"NASC >= #01/01/1980# AND NASC < #1/1/2000#", {1, 3}},
        {"NASC = #02/29/2000#", {5}},
        {"NASC = #1/31/1990 10:30#", {3}},
        {"APOLICE IS NULL", {4}},
        {"APOLICE IS NOT NULL AND FILIAL = 1", {1}},
        {"ATIVO = True", {1, 3, 5}},
        {"ATIVO = -1", {1, 3, 5}},
        {"ATIVO = False", {2, 4}},
        {"NOME = 'PEDRO D''AVILA'", {5}},
        {"CLIENTES.CODIGO = 2", {2}},
        {"PROPOSTA = -5 OR PROPOSTA = 89.0", {5}},
        {"CODIGO = 99", {}},
        {"PROPOSTA = 000123", {1, 3}},
        {"PROPOSTA LIKE '12*'", {1, 3}},
        {"APOLICE LIKE '**'", {1, 2, 3, 5}},   // any value, but not Null
        {"NOME LIKE 'joão silva'", {4}},
        {"TIPO LIKE 'a'", {1, 3, 4}},
        {"TRIM(APOLICE) LIKE 'ap-001' AND TRIM(TIPO) = 'A'", {1}},
        {"NOME LIKE '*' AND TIPO = 'A' and FILIAL = 2", {3}},
        {"[END-RESIDENCIA] LIKE '*#*'", {1, 2, 3, 5}},
        {"NOME LIKE '[j]*'", {1, 4}},
        {"NOME LIKE '[!jm]*'", {3, 5}},
        {"NOT NOME LIKE '*SILV*'", {2, 5}},
        {"NOME NOT LIKE '*SILV*'", {2, 5}},
        {"FILIAL = 1 OR NOT (TIPO = 'A') AND FILIAL = 3", {1, 4, 5}},   // AND before OR
    };
    for (const FindCase& c : cases) {
        EXPECT_EQ(found(c.criteria), c.codes) << c.criteria;
        std::vector<int> reversed(c.codes.rbegin(), c.codes.rend());
        EXPECT_EQ(foundBackwards(c.criteria), reversed) << c.criteria;
    }
}

TEST_F(CriteriaTest, NumbersMeetAPatternAsTheRuntimeWritesThem) {
    const FindCase cases[] = {
        {"VALOR LIKE '5'", {1}},
        {"VALOR LIKE '1,5'", {2}},
        {"VALOR LIKE '1*'", {2, 3}},
        {"VALOR LIKE '-0,25'", {5}},
        {"VALOR LIKE '*.*'", {}},
        {"VALOR = 5 OR VALOR = 1.5", {1, 2}},
    };
    for (const FindCase& c : cases) EXPECT_EQ(found(c.criteria, "VALORES"), c.codes) << c.criteria;
}

TEST_F(CriteriaTest, FindsInBothDirectionsContinueFromTheCurrentRow) {
    Recordset rs = db_.openRecordset("CLIENTES");
    const QString criteria = QStringLiteral("TIPO = 'A'");   // rows 1, 3 and 4
    struct Step {
        void (Recordset::*find)(const QString&);
        int expected;   // 0: no match, the current row stays
        int current;
    };
    const Step steps[] = {
        {&Recordset::FindFirst, 1, 1},    {&Recordset::FindNext, 3, 3},     {&Recordset::FindPrevious, 1, 1},
        {&Recordset::FindPrevious, 0, 1}, {&Recordset::FindNext, 3, 3},     {&Recordset::FindLast, 4, 4},
        {&Recordset::FindNext, 0, 4},     {&Recordset::FindPrevious, 3, 3}, {&Recordset::FindFirst, 1, 1},
    };
    for (const Step& s : steps) {
        (rs.*s.find)(criteria);
        EXPECT_EQ(rs.NoMatch(), s.expected == 0);
        EXPECT_EQ(rs.field("CODIGO").toLong(), s.current);
    }
    // From either end of the set.
    rs.MoveLast();
    rs.MoveNext();
    ASSERT_TRUE(rs.EOF());
    rs.FindPrevious(criteria);
    EXPECT_EQ(rs.field("CODIGO").toLong(), 4);
    rs.MoveFirst();
    rs.MovePrevious();
    ASSERT_TRUE(rs.BOF());
    rs.FindNext(criteria);
    EXPECT_EQ(rs.field("CODIGO").toLong(), 1);
}

TEST_F(CriteriaTest, UnreadableCriteriaRaiseTheSyntaxError) {
    const char* unreadable[] = {
        "NOME LIKE '*D'AVILA*'",   // an apostrophe typed into the text
        "NOME = 'abc",
        "CODIGO =",
        "CODIGO = 1 AND",
        "",
        "   ",
        "CODIGO = 1 )",
        "(CODIGO = 1",
        "NOME LIKE '[abc'",
        "FOO(NOME) = 'x'",
        "CODIGO == 1",
        "[END-RESIDENCIA LIKE 'x'",
        "NASC = #13/45/2000#",
        "NOME",
        "CODIGO = 1; DELETE FROM CLIENTES",
        "CODIGO = 1 -- comment",
    };
    for (const char* c : unreadable) {
        Recordset rs = db_.openRecordset("CLIENTES");
        EXPECT_EQ(errorOf([&] { rs.FindFirst(c); }), err::SyntaxError) << c;
    }
    Recordset rs = db_.openRecordset("clientes");
    rs.MoveLast();
    EXPECT_EQ(rs.RecordCount(), 5);
}

TEST_F(CriteriaTest, UnknownFieldsAndImpossibleValuesAreRefused) {
    Recordset rs = db_.openRecordset("CLIENTES");
    EXPECT_EQ(errorOf([&] { rs.FindFirst("NAOEXISTE = 1"); }), 3070);
    EXPECT_EQ(errorOf([&] { rs.FindFirst("OUTRA.CODIGO = 1"); }), 3070);
    EXPECT_EQ(errorOf([&] { rs.FindFirst("CODIGO = 'abc'"); }), 3464);
    EXPECT_EQ(errorOf([&] { rs.FindFirst("NASC = 'abc'"); }), 3464);
}

TEST_F(CriteriaTest, AnUnreadableCriteriaChangesNothing) {
    Recordset rs = db_.openRecordset("CLIENTES");
    rs.FindFirst("CODIGO = 3");
    rs.FindNext("CODIGO = 99");
    ASSERT_TRUE(rs.NoMatch());
    rs.Edit();
    rs.setField("TIPO", "Z");
    EXPECT_EQ(errorOf([&] { rs.FindNext("NOME LIKE '*D'AVILA*'"); }), err::SyntaxError);
    EXPECT_TRUE(rs.NoMatch());
    EXPECT_EQ(rs.editMode(), Recordset::EditMode::InProgress);
    EXPECT_EQ(rs.field("CODIGO").toLong(), 3);
    rs.Update();
    Other other(db_.path());
    EXPECT_EQ(other.text("SELECT TIPO FROM CLIENTES WHERE CODIGO = 3"), "Z");
}

TEST_F(CriteriaTest, TypedTextIsNeverPartOfTheSql) {
    Recordset rs = db_.openRecordset("CLIENTES");
    rs.FindFirst("NOME = 'x'' OR ''1''=''1'");
    EXPECT_TRUE(rs.NoMatch());
    rs.FindFirst("NOME LIKE '*'') OR 1=1 OR (''*'");
    EXPECT_TRUE(rs.NoMatch());
}

struct LikeCase {
    const char* pattern;
    const char* value;
    bool matches;
};

TEST_F(CriteriaTest, LikePatternsFollowTheEnginesRules) {
    const LikeCase cases[] = {
        {"*", "", true},
        {"*", "abc", true},
        {"a*", "ABC", true},
        {"*c", "abc", true},
        {"*c", "abd", false},
        {"a?c", "abc", true},
        {"a?c", "ac", false},
        {"a?c", "açc", true},
        {"a#c", "a5c", true},
        {"a#c", "abc", false},
        {"#####", "12345", true},
        {"#####", "1234a", false},
        {"[abc]x", "bx", true},
        {"[abc]x", "dx", false},
        {"[a-c]x", "Bx", true},
        {"[A-C]x", "bX", true},
        {"[!a-c]x", "dx", true},
        {"[!a-c]x", "ax", false},
        {"[!abc]", "", false},
        {"[*]", "*", true},
        {"[*]", "a", false},
        {"[?]", "a", false},
        {"a[#]", "a#", true},
        {"[a-]", "-", true},
        {"a-b", "A-B", true},
        {"*silva*", "JOSÉ DA SILVA", true},
        {"ção", "ÇÃO", true},
        {"*ÇÃO", "conceição", true},
        {"São*", "SÃO PAULO", true},
        {"sao*", "SÃO PAULO", false},
        {"a*b*c", "aXbYc", true},
        {"a*b*c", "aXcYb", false},
        {"abc", "abcd", false},
        {"*a*a*a*", "aaa", true},
        {"*a*a*a*", "aa", false},
        {"", "", true},
        {"", "a", false},
        {"100%", "100%", true},
        {"a_c", "abc", false},
    };
    sqlite3* h = db_.handle();
    sqlite3_stmt* s = nullptr;
    ASSERT_EQ(sqlite3_prepare_v2(h, "SELECT VORNA_LIKE(?1, ?2)", -1, &s, nullptr), SQLITE_OK);
    for (const LikeCase& c : cases) {
        sqlite3_bind_text(s, 1, c.pattern, -1, SQLITE_STATIC);
        sqlite3_bind_text(s, 2, c.value, -1, SQLITE_STATIC);
        ASSERT_EQ(sqlite3_step(s), SQLITE_ROW);
        EXPECT_EQ(sqlite3_column_int(s, 0) == 1, c.matches) << c.pattern << " / " << c.value;
        sqlite3_reset(s);
    }
    sqlite3_finalize(s);
}

TEST_F(CriteriaTest, TextOrderIgnoresLetterCaseIncludingAccents) {
    sqlite3* h = db_.handle();
    struct { const char* a; const char* b; int sign; } cases[] = {
        {"ção", "ÇÃO", 0}, {"MARIA", "maria", 0}, {"ana", "BETO", -1}, {"Zé", "ana", 1},
        {"abc", "ABCD", -1}, {"", "a", -1}, {"É", "é", 0},
    };
    sqlite3_stmt* s = nullptr;
    ASSERT_EQ(sqlite3_prepare_v2(h, "SELECT (?1 COLLATE VORNA_NOCASE > ?2) - (?1 COLLATE VORNA_NOCASE < ?2)",
                                 -1, &s, nullptr),
              SQLITE_OK);
    for (const auto& c : cases) {
        sqlite3_bind_text(s, 1, c.a, -1, SQLITE_STATIC);
        sqlite3_bind_text(s, 2, c.b, -1, SQLITE_STATIC);
        ASSERT_EQ(sqlite3_step(s), SQLITE_ROW);
        EXPECT_EQ(sqlite3_column_int(s, 0), c.sign) << c.a << " / " << c.b;
        sqlite3_reset(s);
    }
    sqlite3_finalize(s);
}

}  // namespace
}  // namespace vorna::db::testing
