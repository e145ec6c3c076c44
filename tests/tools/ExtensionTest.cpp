// The engine's collation and functions loaded into SQLite's own tools.
#include "ToolsFixture.h"

#include "platform/database/CriteriaText.h"
#include "platform/database/Database.h"
#include "platform/database/Recordset.h"

#include <set>

namespace vorna::test {
namespace {

using ExtensionTest = ToolsTest;

std::set<QString> tablesIndexedInTheEngineCollation(const QString& file)
{
    sqlite3* db = nullptr;
    sqlite3_open_v2(file.toUtf8().constData(), &db, SQLITE_OPEN_READONLY, nullptr);
    sqlite3_stmt* s = nullptr;
    sqlite3_prepare_v2(db, "SELECT DISTINCT tbl_name FROM sqlite_schema WHERE type <> 'view' AND sql LIKE '%VORNA_NOCASE%'", -1, &s,
                       nullptr);
    std::set<QString> tables;
    while (sqlite3_step(s) == SQLITE_ROW)
        tables.insert(QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(s, 0))));
    sqlite3_finalize(s);
    sqlite3_close(db);
    return tables;
}

// A write to each table whose text indexes compare in the engine's collation.
struct TableWrite {
    const char* table;
    const char* sql;
};
const TableWrite Writes[] = {
    {"CLIENTES", "INSERT INTO CLIENTES (NOME, CPF) VALUES ('JOSÉ', '1');"
                 "INSERT INTO CLIENTES (NOME, CPF) VALUES ('josé', '2');"
                 "UPDATE CLIENTES SET NOME = 'X' WHERE CODIGO = 1;"
                 "UPDATE CLIENTES SET NOME = 'Ação' WHERE CPF = '2';"},
    {"DOCUMENTOS", "INSERT INTO DOCUMENTOS (NOMCLIENTE, APOLICE) VALUES ('JOSÉ', ' AP-1 ');"
                   "UPDATE DOCUMENTOS SET APOLICE = 'ap-2' WHERE NOMCLIENTE = 'josé' COLLATE VORNA_NOCASE;"},
    {"VIDASAU", "INSERT INTO VIDASAU (NOME, CPF, SITUACAO) VALUES ('ÂNGELA', '3', 'ATIVO');"
                "UPDATE VIDASAU SET SITUACAO = 'ativo', NOME = 'ângela' WHERE CPF = '3';"},
    {"PROCEDE", "INSERT INTO PROCEDE (NOME, APOLICE, CARTAO) VALUES ('ÉRICO', 'AP-1', 'C1');"
                "UPDATE PROCEDE SET NOME = 'érico' WHERE CARTAO = 'c1';"},
    {"SINISTRO", "INSERT INTO SINISTRO (APOLICE) VALUES ('AP-1');"
                 "UPDATE SINISTRO SET APOLICE = 'ap-1 ' WHERE APOLICE = 'AP-1';"},
};

TEST_F(ExtensionTest, TheShellWritesChecksAndCompactsWithTheExtensionLoaded)
{
    std::set<QString> covered;
    QByteArray script;
    for (const TableWrite& w : Writes) {
        covered.insert(QString::fromLatin1(w.table));
        script += w.sql;
    }
    ASSERT_EQ(covered, tablesIndexedInTheEngineCollation(file_)) << "a table indexed in the collation is not written here";
    script += "PRAGMA integrity_check; VACUUM; PRAGMA integrity_check;"
              "SELECT count(*) FROM CLIENTES WHERE NOME = 'AÇÃO' COLLATE VORNA_NOCASE;"
              "SELECT count(*) FROM DOCUMENTOS WHERE trim(APOLICE, ' ') = 'AP-2' COLLATE VORNA_NOCASE;"
              "SELECT VORNA_LIKE('*NGEL*', NOME) FROM VIDASAU;";

    const Run without = shell("PRAGMA integrity_check;", false);
    EXPECT_NE(without.status, 0);
    EXPECT_TRUE(without.output.contains("no such collation sequence: VORNA_NOCASE")) << without.output.toStdString();

    const Run with = shell(script);
    EXPECT_EQ(with.status, 0) << with.output.toStdString();
    EXPECT_EQ(with.output.toStdString(), "ok\nok\n1\n1\n1\n");
}

// The rows the engine finds for what a user types, and the rows a plain
// connection with the extension finds by the collation and VORNA_LIKE.
TEST_F(ExtensionTest, FindsTheRowsTheEngineFinds)
{
    const char* const names[] = {"JOSÉ DA SILVA", "josé da silva", "JOSE DA SILVA", "AÇÃO SOCIAL",
                                 "ação social",   "Ångström",      "ÅNGSTRÖM",      "D'ÁVILA 1,5"};
    Loaded loaded(file_);
    for (const char* name : names) {
        sqlite3_stmt* s = nullptr;
        sqlite3_prepare_v2(loaded.db, "INSERT INTO CLIENTES (NOME) VALUES (?)", -1, &s, nullptr);
        sqlite3_bind_text(s, 1, name, -1, SQLITE_STATIC);
        ASSERT_EQ(sqlite3_step(s), SQLITE_DONE) << sqlite3_errmsg(loaded.db);
        sqlite3_finalize(s);
    }

    struct Case {
        const char* typed;
        bool contains;
        std::set<qint64> codes;
    };
    const Case cases[] = {
        {"José da Silva", false, {1, 2}}, {"JOSE DA SILVA", false, {3}}, {"açÃo SOCIAL", false, {4, 5}},
        {"ångström", false, {6, 7}},      {"d'ávila 1,5", false, {8}},    {"SILVA", true, {1, 2, 3}},
        {"ÇÃO", true, {4, 5}},            {"é da", true, {1, 2}},         {"ström", true, {6, 7}},
        {"*", true, {}},
    };
    db::Database engine = db::Database::open(file_);
    db::Recordset rs = engine.openRecordset(QStringLiteral("CLIENTES"));
    for (const Case& c : cases) {
        const QString typed = QString::fromUtf8(c.typed);
        const QString criteria = c.contains ? db::containsCriteria(QStringLiteral("NOME"), typed)
                                            : db::equalsCriteria(QStringLiteral("NOME"), typed);
        std::set<qint64> byEngine;
        for (rs.FindFirst(criteria); !rs.NoMatch(); rs.FindNext(criteria))
            byEngine.insert(rs.field(QStringLiteral("CODIGO")).toLong());

        const QByteArray value = c.contains ? (u'*' + db::likeLiteral(typed) + u'*').toUtf8() : typed.toUtf8();
        sqlite3_stmt* s = nullptr;
        sqlite3_prepare_v2(loaded.db,
                           c.contains ? "SELECT CODIGO FROM CLIENTES WHERE VORNA_LIKE(?, NOME)"
                                      : "SELECT CODIGO FROM CLIENTES WHERE NOME = ? COLLATE VORNA_NOCASE",
                           -1, &s, nullptr);
        sqlite3_bind_text(s, 1, value.constData(), int(value.size()), SQLITE_STATIC);
        std::set<qint64> byExtension;
        while (sqlite3_step(s) == SQLITE_ROW)
            byExtension.insert(sqlite3_column_int64(s, 0));
        sqlite3_finalize(s);

        EXPECT_EQ(byEngine, c.codes) << c.typed;
        EXPECT_EQ(byExtension, c.codes) << c.typed;
    }
}

}  // namespace
}  // namespace vorna::test
