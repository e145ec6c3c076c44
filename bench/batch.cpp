// The main menu's batch routines over the large database (100,000 clients,
// 300,000 documents, 3.6 million instalment rows), each beside the same work
// done by hand through SQLite's C API: the labels of the clients with a policy
// in force, the expiry of old documents, the mailing flags, the client scores
// and the production summary. Every run works on a fresh copy of the file.
// Goal: at most 3 times the raw time, and none over 30 s.
//
// A case is one row of the table at the end: its routine and its raw twin.
#include "common/ProgramState.h"
#include "menu_batch/ClientScoring.h"
#include "menu_batch/DocumentExpiry.h"
#include "menu_batch/Labels.h"
#include "menu_batch/MailingFlags.h"
#include "menu_batch/ProductionSummary.h"
#include "platform/database/Database.h"
#include "platform/runtime/Clock.h"
#include "support/LargeDatabase.h"
#include "support/WindowBench.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <chrono>
#include <cstdio>
#include <functional>
#include <map>
#include <stdexcept>
#include <string>

using namespace vorna;

namespace {

QString source;
std::map<std::string, double> seconds;   // by case and side

QString freshCopy()
{
    const QString copy = QDir::temp().filePath(QStringLiteral("vorna-batch-bench.MDB"));
    QFile::remove(copy);
    if (!QFile::copy(source, copy))
        throw std::runtime_error("cannot copy the large database");
    return copy;
}

void exec(sqlite3* db, const char* sql)
{
    char* message = nullptr;
    if (sqlite3_exec(db, sql, nullptr, nullptr, &message) != SQLITE_OK) {
        const std::string text = message ? message : "?";
        sqlite3_free(message);
        throw std::runtime_error(text);
    }
}

// The main menu's three recordsets on the program's connection.
struct Menu {
    db::Recordset labels = state().MainDatabase.openRecordset(QStringLiteral("TMPETI"));
    db::Recordset clients = state().MainDatabase.openRecordset(QStringLiteral("CLIENTES"));
    db::Recordset documents = state().MainDatabase.openRecordset(QStringLiteral("DOCUMENTOS"));
    menu_batch::MenuTables tables{state().MainDatabase, labels, clients, documents,
                                  [this] { menu_batch::ClearLabelTable(labels); }};
};

using Work = std::function<void(sqlite3* raw)>;

// One timed run of work on a fresh copy, the program logged in on it.
void measure(benchmark::State& state, const std::string& name, const Work& work)
{
    for (auto _ : state) {
        state.PauseTiming();
        const QString copy = freshCopy();
        bench::QuietDialogs quiet;
        dlg::setDialogService(&quiet);
        sqlite3* raw = bench::openAsBenchUser(copy, SQLITE_OPEN_READWRITE);
        state.ResumeTiming();
        const auto start = std::chrono::steady_clock::now();
        work(raw);
        seconds[name] = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        state.PauseTiming();
        sqlite3_close(raw);
        vorna::state().MainDatabase = {};
        dlg::setDialogService(nullptr);
        QFile::remove(copy);
        state.ResumeTiming();
    }
}

const char* const KeptLines = "(211, 212, 221, 241, 541, 914, 911, 912, 811, 871, 542)";

struct Case {
    const char* name;
    Work ours, raw;
};

const Case Cases[] = {
    {"labelsFromPolicies",
     [](sqlite3*) {
         Menu m;
         menu_batch::FillLabelsFromActivePolicies(m.documents, m.clients, m.labels);
     },
     [](sqlite3* raw) {
         exec(raw, "BEGIN; DELETE FROM TMPETI;"
                   "INSERT INTO TMPETI (CODIGO, NOME, CONTATO, ENDERECO, BAIRRO, CIDADE, UF, CEP, PROD1, OK)"
                   " SELECT c.CODIGO, c.NOME, c.CONTATO,"
                   " iif(c.TIPOETI = 'R', c.\"END-RESIDENCIA\", c.\"END-COMERCIAL\"),"
                   " iif(c.TIPOETI = 'R', c.BAIRRO, c.BAIRROCOM),"
                   " iif(c.TIPOETI = 'R', c.\"CID-RESIDENCIA\", c.\"CID-COMERCIAL\"),"
                   " iif(c.TIPOETI = 'R', c.\"EST-RESIDENCIA\", c.\"EST-COMERCIAL\"),"
                   " iif(c.TIPOETI = 'R', c.\"CEP-RESIDENCIA\", c.\"CEP-COMERCIAL\"), c.PRODUTOR, 'S'"
                   " FROM CLIENTES c WHERE c.TIPOETI IN ('R', 'C') AND c.CODIGO IN"
                   " (SELECT CODCLIENTE FROM DOCUMENTOS WHERE TIPO = 'A' AND VIGENTE = 'V');"
                   " COMMIT;");
     }},
    {"expireOldDocuments",
     [](sqlite3*) {
         Menu m;
         menu_batch::ExpireOldDocuments(state().MainDatabase, m.documents);
     },
     [](sqlite3* raw) {
         const std::string sql =
             std::string("UPDATE DOCUMENTOS SET VIGENTE = 'N' WHERE VIGENTE = 'V' AND VIGENCIAINICIAL IS NOT NULL"
                         " AND julianday('now', 'localtime', 'start of day')"
                         " - julianday(date(VIGENCIAINICIAL)) > 396 AND RAMO NOT IN ") +
             KeptLines;
         exec(raw, sql.c_str());
     }},
    {"mailingFlags",
     [](sqlite3*) {
         Menu m;
         menu_batch::SetClientMailingFlags(m.tables);
     },
     [](sqlite3* raw) {
         exec(raw, "BEGIN; DELETE FROM TMPETI; INSERT INTO TMPETI (CODIGO) VALUES (0);"
                   " INSERT INTO TMPETI (CODIGO) SELECT DISTINCT CODCLIENTE FROM DOCUMENTOS"
                   " WHERE TIPO = 'A' AND VIGENTE = 'V' AND CODCLIENTE IS NOT NULL;"
                   " UPDATE CLIENTES SET MALAS = iif(CODIGO IN (SELECT CODIGO FROM TMPETI), 'A', 'I')"
                   " WHERE MALAS IS NOT iif(CODIGO IN (SELECT CODIGO FROM TMPETI), 'A', 'I'); COMMIT;");
     }},
    {"scoreClients",
     [](sqlite3*) {
         Menu m;
         menu_batch::ScoreClients(m.tables);
     },
     [](sqlite3* raw) {
         exec(raw,
              "BEGIN; UPDATE CLIENTES SET (SCO1, SCO2, SCO3, SCO4, SCO5, SCO6, SCO7, SCO8, SCO9, SCO10) ="
              " (SELECT 0, 0, 0, 0,"
              "  CASE WHEN sum(o) >= 1 THEN 37 WHEN sum(v) = 1 THEN 13 WHEN sum(v) >= 2 THEN 23 ELSE 0 END,"
              "  CASE WHEN avg(PARCELAS) <= 5 THEN 4 WHEN avg(PARCELAS) <= 8 THEN 7 ELSE 12 END,"
              "  iif(sum(CARNET = 'S') < sum(CARNET IN ('N', 'C')), 2, 1),"
              "  CASE WHEN avg(PCOMISSAO) <= 10 THEN 10 WHEN avg(PCOMISSAO) <= 20 THEN 15 ELSE 20 END,"
              "  CASE WHEN a <= 26 THEN 26 WHEN a <= 36 THEN 35 WHEN a <= 60 THEN 45 ELSE 60 END,"
              "  iif(EXISTS (SELECT 1 FROM SINISTRO_CLIENTE WHERE CLIENTE = CLIENTES.CODIGO), 1, 2)"
              "  FROM (SELECT PARCELAS, PCOMISSAO, CARNET,"
              "        TIPO = 'A' AND VIGENTE = 'V' AND RAMO IN (311, 312, 313) AS v,"
              "        TIPO = 'A' AND VIGENTE = 'V' AND RAMO NOT IN (311, 312, 313) AS o,"
              "        coalesce(strftime('%Y', 'now') - strftime('%Y', CLIENTES.ANIV), 0) AS a"
              "        FROM DOCUMENTOS WHERE CODCLIENTE = CLIENTES.CODIGO)"
              "  HAVING count(*) > 0);"
              " UPDATE CLIENTES SET SCO1 = 0, SCO2 = 0, SCO3 = 0, SCO4 = 0, SCO5 = 0, SCO6 = 0, SCO7 = 0,"
              " SCO8 = 0, SCO9 = 0, SCO10 = 0 WHERE SCO1 IS NULL; COMMIT;");
     }},
    {"productionSummary",
     [](sqlite3*) {
         Menu m;
         menu_batch::BuildProductionSummary(m.tables);
     },
     [](sqlite3* raw) {
         exec(raw, "BEGIN; DELETE FROM TMPETI;"
                   " INSERT INTO TMPETI (CODIGO, NOME, PROD1, PREMIO, COMITOT, COMIREC, PARCELAS, CIA)"
                   " SELECT c.CODIGO, c.NOME, c.PRODUTOR, sum(d.PREMIOLIQ), sum(d.VCOMISSAO), sum(d.VREPASSE),"
                   " c.FILIAL, count(*) FROM CLIENTES c JOIN DOCUMENTOS d ON d.CODCLIENTE = c.CODIGO"
                   " WHERE d.VIGENTE = 'V' GROUP BY c.CODIGO ORDER BY c.CODIGO; COMMIT;");
     }},
};

void printSummary()
{
    std::printf("\n%-22s %10s %10s %7s\n", "routine", "ours s", "raw s", "ratio");
    for (const Case& c : Cases) {
        const double ours = seconds[std::string(c.name) + "_ours"];
        const double raw = seconds[std::string(c.name) + "_raw"];
        std::printf("%-22s %10.2f %10.2f %7.1f\n", c.name, ours, raw, raw > 0 ? ours / raw : 0.0);
    }
}

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    source = bench::largeDatabase();
    for (const Case& c : Cases) {
        for (const auto& [side, work] : {std::pair{"_ours", c.ours}, std::pair{"_raw", c.raw}}) {
            const std::string name = std::string(c.name) + side;
            benchmark::RegisterBenchmark(name.c_str(), [name, work = work](benchmark::State& s) {
                measure(s, name, work);
            })->Unit(benchmark::kMillisecond)->Iterations(1);
        }
    }
    benchmark::RunSpecifiedBenchmarks();
    printSummary();
    return 0;
}
