// The generated benchmark database: valid Brazilian numbers, rows that point at
// each other, a file the engine reads, kept while the schema stays the same.
#include "platform/database/Database.h"
#include "platform/database/Recordset.h"
#include "platform/database/TextRules.h"
#include "support/BrazilianData.h"
#include "support/LargeDatabase.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sqlite3.h>

#include <cstdlib>
#include <string>

namespace vorna::bench {
namespace {

// The published rule, written out independently of the generator.
bool validCpfOrCnpj(const std::string& d) {
    if (d.size() != 11 && d.size() != 14) return false;
    for (char c : d)
        if (c < '0' || c > '9') return false;
    if (d.find_first_not_of(d[0]) == std::string::npos) return false;
    for (size_t length = d.size() - 2; length < d.size(); ++length) {
        int sum = 0;
        for (size_t i = 0; i < length; ++i) {
            const int weight = d.size() == 11 ? int(length + 1 - i) : int((length - i - 1) % 8 + 2);
            sum += (d[i] - '0') * weight;
        }
        const int r = sum % 11;
        if (d[length] - '0' != (r < 2 ? 0 : 11 - r)) return false;
    }
    return true;
}

TEST(BrazilianNumbers, CheckDigitsFollowThePublishedRule) {
    struct Case {
        const char* base;
        const char* whole;
    } cases[] = {
        {"529982247", "52998224725"},         {"111444777", "11144477735"},
        {"112223330001", "11222333000181"},   {"114447770001", "11444777000161"},
    };
    for (const Case& c : cases) {
        const std::string got = std::string(c.base).size() == 9 ? checkedCpf(c.base) : checkedCnpj(c.base);
        EXPECT_EQ(got, c.whole) << c.base;
        EXPECT_TRUE(validCpfOrCnpj(got)) << got;
    }
    EXPECT_FALSE(validCpfOrCnpj("52998224724"));
    EXPECT_EQ(formattedCpf("52998224725"), "529.982.247-25");
    EXPECT_THROW(cpfFor(SerialLimit), std::out_of_range);
}

TEST(BenchScale, FactorFromTheEnvironment) {
    const Scale tenth = Scale::times(0.1);
    EXPECT_EQ(tenth.clients, 10000);
    EXPECT_EQ(tenth.documents, 30000);
    EXPECT_EQ(tenth.participants, 10000);
    EXPECT_EQ(tenth.events, 50000);
    EXPECT_EQ(Scale::times(1e-9).clients, 1);

    const QByteArray saved = qgetenv("VORNA_BENCH_SCALE");
    qputenv("VORNA_BENCH_SCALE", "0.1");
    EXPECT_EQ(Scale::fromEnvironment(), tenth);
    qputenv("VORNA_BENCH_SCALE", "dez");
    EXPECT_THROW(Scale::fromEnvironment(), std::invalid_argument);
    qunsetenv("VORNA_BENCH_SCALE");
    EXPECT_EQ(Scale::fromEnvironment(), Scale());
    if (!saved.isNull()) qputenv("VORNA_BENCH_SCALE", saved);
}

class LargeDatabaseTest : public ::testing::Test {
protected:
    static constexpr Scale Small{300, 600, 250, 900};

    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        steps_ = dir_.filePath("steps");
        QDir().mkpath(steps_);
        const QDir source(QStringLiteral(VORNA_SOURCE_DIR "/schema/VORNA"));
        for (const QString& name : source.entryList({"*.sql"}, QDir::Files))
            ASSERT_TRUE(QFile::copy(source.filePath(name), QDir(steps_).filePath(name)));
    }

    QString build(const QString& dataDir, bool* generated = nullptr) {
        return largeDatabaseIn(steps_, dir_.filePath(dataDir), Small, generated);
    }

    struct Raw {
        sqlite3* db = nullptr;
        explicit Raw(const QString& file) {
            sqlite3_open_v2(file.toUtf8().constData(), &db, SQLITE_OPEN_READONLY, nullptr);
            db::text::registerOn(db);
        }
        ~Raw() { sqlite3_close(db); }
        std::int64_t number(const char* sql) const {
            sqlite3_stmt* s = nullptr;
            EXPECT_EQ(sqlite3_prepare_v2(db, sql, -1, &s, nullptr), SQLITE_OK) << sql << sqlite3_errmsg(db);
            const std::int64_t n = sqlite3_step(s) == SQLITE_ROW ? sqlite3_column_int64(s, 0) : -1;
            sqlite3_finalize(s);
            return n;
        }
        std::vector<std::string> texts(const char* sql) const {
            std::vector<std::string> out;
            sqlite3_stmt* s = nullptr;
            EXPECT_EQ(sqlite3_prepare_v2(db, sql, -1, &s, nullptr), SQLITE_OK) << sql;
            while (sqlite3_step(s) == SQLITE_ROW) {
                const unsigned char* t = sqlite3_column_text(s, 0);
                out.emplace_back(t ? reinterpret_cast<const char*>(t) : "");
            }
            sqlite3_finalize(s);
            return out;
        }
    };

    QTemporaryDir dir_;
    QString steps_;
};

TEST_F(LargeDatabaseTest, RowsAreShapedAndLinkedAsTheWindowsExpect) {
    const QString file = build("data");
    const TableCounts c = countRows(file);
    EXPECT_EQ(c.clients, 300);
    EXPECT_EQ(c.documents, 600);
    EXPECT_EQ(c.instalments, 600 * 12);
    EXPECT_EQ(c.participants, 250);
    EXPECT_EQ(c.events, 900);
    EXPECT_GT(c.producers, 0);
    EXPECT_GT(c.insurers, 0);
    EXPECT_GT(c.lines, 0);

    Raw raw(file);
    EXPECT_EQ(raw.texts("PRAGMA journal_mode"), std::vector<std::string>{"delete"});
    for (const std::string& cpf : raw.texts("SELECT CPF FROM CLIENTES")) EXPECT_TRUE(validCpfOrCnpj(cpf)) << cpf;
    EXPECT_EQ(raw.number("SELECT count(DISTINCT CPF) FROM CLIENTES"), 300);
    EXPECT_EQ(raw.number("SELECT count(*) FROM CLIENTES WHERE length(CPF) <> CASE PESSOA WHEN 'F' THEN 11 ELSE 14 END"), 0);
    EXPECT_EQ(raw.number("SELECT count(*) FROM CLIENTES WHERE \"CEP-RESIDENCIA\" NOT GLOB '[0-9][0-9][0-9][0-9][0-9][0-9][0-9][0-9]'"), 0);
    EXPECT_GT(raw.number("SELECT count(DISTINCT PESSOA) FROM CLIENTES"), 1);

    // Every reference names a row that exists, with the copied name it has.
    EXPECT_EQ(raw.number("SELECT count(*) FROM DOCUMENTOS d LEFT JOIN CLIENTES c ON c.CODIGO = d.CODCLIENTE"
                         " WHERE c.NOME IS NOT d.NOMCLIENTE"), 0);
    EXPECT_EQ(raw.number("SELECT count(*) FROM CLIENTES c LEFT JOIN PRODUTOR p ON p.CODIGO = c.PRODUTOR"
                         " WHERE p.CODIGO IS NULL"), 0);
    EXPECT_EQ(raw.number("SELECT count(*) FROM DOCUMENTOS d WHERE TIPO = 'E' AND NOT EXISTS"
                         " (SELECT 1 FROM DOCUMENTOS p WHERE p.PROPOSTA = d.ORIGINAL AND p.APOLICE = d.APOLICE)"), 0);
    EXPECT_EQ(raw.number("SELECT count(*) FROM VIDASAU v WHERE NOT EXISTS"
                         " (SELECT 1 FROM DOCUMENTOS d WHERE d.APOLICE = v.APOLICE)"), 0);
    EXPECT_EQ(raw.number("SELECT count(*) FROM VIDASAU v WHERE SITUACAO = 'Dependente' AND NOT EXISTS"
                         " (SELECT 1 FROM VIDASAU t WHERE t.CODIGO = v.CODTIT AND t.SITUACAO = 'Titular')"), 0);
    EXPECT_EQ(raw.number("SELECT count(*) FROM PROCEDE e LEFT JOIN VIDASAU v ON v.CODIGO = e.CODVIDASAU"
                         " WHERE v.NOME IS NOT e.NOME"), 0);
    EXPECT_EQ(raw.number("SELECT count(*) FROM (SELECT PROPOSTA FROM PARCELAS GROUP BY PROPOSTA"
                         " HAVING count(*) <> 12 OR min(NUMERO) <> 1 OR max(NUMERO) <> 12)"), 0);

    // Insured objects and claims hang on policies of the lines that keep them.
    EXPECT_GT(c.claims, 0);
    EXPECT_GT(c.vehicles, 0);
    EXPECT_GT(c.premises, 0);
    EXPECT_GT(c.otherItems, 0);
    EXPECT_EQ(raw.number("SELECT count(*) FROM AUTOMOVEL a LEFT JOIN DOCUMENTOS d ON d.PROPOSTA = a.PROPOSTA"
                         " WHERE d.TIPO IS NOT 'A' OR d.RAMO NOT IN (311, 312, 313)"), 0);
    EXPECT_EQ(raw.number("SELECT count(*) FROM MULTIRISCO m LEFT JOIN DOCUMENTOS d ON d.PROPOSTA = m.PROPOSTA"
                         " WHERE d.TIPO IS NOT 'A' OR d.RAMO NOT IN (114, 118)"), 0);
    EXPECT_EQ(raw.number("SELECT count(*) FROM OUTROS o LEFT JOIN DOCUMENTOS d ON d.PROPOSTA = o.PROPOSTA"
                         " WHERE d.TIPO IS NOT 'A' OR d.RAMO NOT IN (167, 171)"), 0);
    EXPECT_EQ(raw.number("SELECT count(*) FROM SINISTRO s WHERE NOT EXISTS"
                         " (SELECT 1 FROM DOCUMENTOS d WHERE d.APOLICE = s.APOLICE AND d.TIPO = 'A')"), 0);
    EXPECT_EQ(raw.number("SELECT count(DISTINCT PROCESSO) FROM SINISTRO"), c.claims);

    // The program's own engine reads it: a client found by its CPF, a date field.
    const std::string cpf = raw.texts("SELECT CPF FROM CLIENTES WHERE CODIGO = 7").at(0);
    db::Database db = db::Database::open(file);
    db::Recordset clients = db.openRecordset("CLIENTES");
    clients.FindFirst(QStringLiteral("CPF LIKE '%1'").arg(QString::fromStdString(cpf)));
    ASSERT_FALSE(clients.NoMatch());
    EXPECT_EQ(clients["CODIGO"].value().toLong(), 7);
    db::Recordset documents = db.openRecordset("DOCUMENTOS");
    documents.FindFirst(QStringLiteral("PROPOSTA = 5"));
    ASSERT_FALSE(documents.NoMatch());
    EXPECT_EQ(documents["VIGENCIAINICIAL"].value().type(), Variant::Type::Date);
}

TEST_F(LargeDatabaseTest, KeptWhileTheSchemaStaysAndRebuiltWhenAStepChanges) {
    bool generated = false;
    const QString file = build("data", &generated);
    EXPECT_TRUE(generated);
    EXPECT_EQ(build("data", &generated), file);
    EXPECT_FALSE(generated);

    // The same seed gives the same rows in another folder.
    const QString twin = build("twin");
    Raw a(file), b(twin);
    const char* dump = "SELECT group_concat(NOME || CPF || \"CEP-RESIDENCIA\", '|') FROM CLIENTES";
    EXPECT_EQ(a.texts(dump), b.texts(dump));
    const char* amounts = "SELECT group_concat(APOLICE || PREMIOBRUTO || VIGENCIAINICIAL, '|') FROM DOCUMENTOS";
    EXPECT_EQ(a.texts(amounts), b.texts(amounts));

    // A new step, here an index with the engine's collation, is in the rebuilt file.
    QFile step(QDir(steps_).filePath("999-test-index.sql"));
    ASSERT_TRUE(step.open(QIODevice::WriteOnly));
    step.write("CREATE INDEX CLIENTES_NOME ON CLIENTES (NOME COLLATE VORNA_NOCASE);");
    step.close();
    EXPECT_EQ(build("data", &generated), file);
    EXPECT_TRUE(generated);
    Raw rebuilt(file);
    EXPECT_EQ(rebuilt.number("SELECT count(*) FROM sqlite_schema WHERE name = 'CLIENTES_NOME'"), 1);
    EXPECT_EQ(rebuilt.number("PRAGMA user_version"), 999);
    EXPECT_EQ(rebuilt.number("SELECT count(*) FROM CLIENTES INDEXED BY CLIENTES_NOME WHERE NOME COLLATE VORNA_NOCASE >= ''"), 300);
}

}  // namespace
}  // namespace vorna::bench
