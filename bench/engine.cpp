// The dynaset engine against the same work written by hand with SQLite's C API,
// over a generated table of 100,000 clients, and 100,000 instalments that one
// recordset added itself; and finds by a fragment of a name over the 500,000
// events of the large database. Prints each ratio (ours / by hand).
#include "platform/database/Database.h"
#include "platform/database/Recordset.h"
#include "MedianReporter.h"
#include "support/LargeDatabase.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <cstdio>
#include <map>
#include <memory>
#include <string>
#include <vector>

using vorna::Variant;
using vorna::db::Database;
using vorna::db::Recordset;

namespace {

constexpr int Rows = 100000;

struct Fixture {
    QTemporaryDir dir;
    QString path;
    Database db;
    sqlite3* raw = nullptr;

    Fixture() {
        path = dir.filePath("CLIENTES.MDB");
        sqlite3* h = nullptr;
        sqlite3_open(path.toUtf8().constData(), &h);
        sqlite3_exec(h,
                     "CREATE TABLE CLIENTES (CODIGO INTEGER PRIMARY KEY AUTOINCREMENT, NOME TEXT(50),"
                     " CIDADE TEXT(30), FONE TEXT(20), ENDERECO TEXT(60), CEP TEXT(9), NASC DATETIME,"
                     " VALOR DOUBLE, ATIVO YESNO);"
                     "CREATE TABLE PARCELAS (ID INTEGER PRIMARY KEY AUTOINCREMENT, DOCUMENTO LONG,"
                     " PARCELA INTEGER, VENCIMENTO DATETIME, VALOR DOUBLE);"
                     "CREATE INDEX PARCELAS_DOCUMENTO ON PARCELAS (DOCUMENTO);"
                     "BEGIN;",
                     nullptr, nullptr, nullptr);
        const char* first[] = {"JOÃO", "MARIA", "JOSÉ", "ANA", "ANTÔNIO", "FRANCISCA", "CARLOS", "PAULA"};
        const char* last[] = {"SOUZA", "OLIVEIRA", "SANTOS", "PEREIRA", "LIMA", "COSTA", "RODRIGUES",
                              "ALMEIDA", "NASCIMENTO", "ARAÚJO", "CARVALHO", "GOMES", "MARTINS",
                              "ROCHA", "RIBEIRO", "ALVES", "MONTEIRO", "MENDES", "BARROS", "FREITAS"};
        const char* cities[] = {"SÃO PAULO", "RIO DE JANEIRO", "BELO HORIZONTE", "CURITIBA", "RECIFE"};
        sqlite3_stmt* s = nullptr;
        sqlite3_prepare_v2(h,
                           "INSERT INTO CLIENTES (NOME, CIDADE, FONE, ENDERECO, CEP, NASC, VALOR, ATIVO)"
                           " VALUES (?,?,?,?,?,?,?,?)",
                           -1, &s, nullptr);
        for (int i = 0; i < Rows; ++i) {
            // One client in 25 is a SILVA.
            const std::string name = std::string(first[i % 8]) + " " + last[(i / 8) % 20] +
                                     (i % 25 == 7 ? " DA SILVA" : "") + " " + std::to_string(i);
            const std::string phone = "(11) 9" + std::to_string(10000000 + i);
            const std::string street = "RUA " + std::to_string(i % 997) + ", " + std::to_string(i % 300);
            sqlite3_bind_text(s, 1, name.c_str(), -1, SQLITE_TRANSIENT);
            sqlite3_bind_text(s, 2, cities[i % 5], -1, SQLITE_STATIC);
            sqlite3_bind_text(s, 3, phone.c_str(), -1, SQLITE_TRANSIENT);
            sqlite3_bind_text(s, 4, street.c_str(), -1, SQLITE_TRANSIENT);
            sqlite3_bind_text(s, 5, "01310-100", -1, SQLITE_STATIC);
            sqlite3_bind_text(s, 6, "1980-05-17 00:00:00", -1, SQLITE_STATIC);
            sqlite3_bind_double(s, 7, i * 1.25);
            sqlite3_bind_int(s, 8, i % 2);
            sqlite3_step(s);
            sqlite3_reset(s);
        }
        sqlite3_finalize(s);
        sqlite3_exec(h, "COMMIT;", nullptr, nullptr, nullptr);
        sqlite3_close(h);

        db = Database::open(path);
        sqlite3_open_v2(path.toUtf8().constData(), &raw, SQLITE_OPEN_READWRITE, nullptr);
        sqlite3_busy_timeout(raw, 1000);
    }
    ~Fixture() { sqlite3_close(raw); }
};

Fixture& fixture() {
    static Fixture f;
    return f;
}

// A statement prepared once and reset after each use: the best a hand-written
// version does.
struct Raw {
    sqlite3_stmt* s = nullptr;
    explicit Raw(const char* sql) { sqlite3_prepare_v2(fixture().raw, sql, -1, &s, nullptr); }
    ~Raw() { sqlite3_finalize(s); }
};

QString text(sqlite3_stmt* s, int c) {
    return QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(s, c)), sqlite3_column_bytes(s, c));
}

// ---- opening a dynaset -------------------------------------------------------

void open_ours(benchmark::State& state) {
    Database& db = fixture().db;
    for (auto _ : state) {
        Recordset rs = db.openRecordset("CLIENTES");
        benchmark::DoNotOptimize(rs.field(QStringLiteral("NOME")));
    }
}

void open_raw(benchmark::State& state) {
    Raw q("SELECT * FROM CLIENTES ORDER BY CODIGO");
    for (auto _ : state) {
        sqlite3_step(q.s);
        benchmark::DoNotOptimize(text(q.s, 1));
        sqlite3_reset(q.s);
    }
}

// ---- FindFirst by key ----------------------------------------------------------

void findKey_ours(benchmark::State& state) {
    Recordset rs = fixture().db.openRecordset("CLIENTES");
    int key = 1;
    for (auto _ : state) {
        key = (key * 7919) % Rows + 1;
        rs.FindFirst(QStringLiteral("CODIGO = ") + QString::number(key));
        benchmark::DoNotOptimize(rs.field(QStringLiteral("NOME")));
    }
}

void findKey_raw(benchmark::State& state) {
    Raw q("SELECT * FROM CLIENTES WHERE CODIGO = ?");
    int key = 1;
    for (auto _ : state) {
        key = (key * 7919) % Rows + 1;
        sqlite3_bind_int(q.s, 1, key);
        sqlite3_step(q.s);
        benchmark::DoNotOptimize(text(q.s, 1));
        sqlite3_reset(q.s);
    }
}

// ---- NOME LIKE '*SILVA*': FindFirst, then FindNext to the end ----------------------

void findLike_ours(benchmark::State& state) {
    Recordset rs = fixture().db.openRecordset("CLIENTES");
    const QString criteria = QStringLiteral("NOME LIKE '*SILVA*'");
    long found = 0;
    for (auto _ : state) {
        found = 0;
        rs.FindFirst(criteria);
        while (!rs.NoMatch()) {
            ++found;
            benchmark::DoNotOptimize(rs.field(QStringLiteral("NOME")));
            rs.FindNext(criteria);
        }
    }
    state.counters["found"] = double(found);
}

void findLike_raw(benchmark::State& state) {
    Raw q("SELECT * FROM CLIENTES WHERE NOME LIKE '%SILVA%' ORDER BY CODIGO");
    long found = 0;
    for (auto _ : state) {
        found = 0;
        while (sqlite3_step(q.s) == SQLITE_ROW) {
            ++found;
            benchmark::DoNotOptimize(text(q.s, 1));
        }
        sqlite3_reset(q.s);
    }
    state.counters["found"] = double(found);
}

// ---- a MoveNext scan reading three fields --------------------------------------------
// Field names are written as the program writes them (QStringLiteral), so that no
// conversion of the caller's is counted as the engine's.

void scan_ours(benchmark::State& state) {
    Recordset rs = fixture().db.openRecordset("CLIENTES");
    for (auto _ : state) {
        rs.MoveFirst();
        while (!rs.EOF()) {
            benchmark::DoNotOptimize(rs.field(QStringLiteral("NOME")));
            benchmark::DoNotOptimize(rs.field(QStringLiteral("CIDADE")));
            benchmark::DoNotOptimize(rs.field(QStringLiteral("FONE")));
            rs.MoveNext();
        }
    }
}

void scan_raw(benchmark::State& state) {
    Raw q("SELECT NOME, CIDADE, FONE FROM CLIENTES ORDER BY CODIGO");
    for (auto _ : state) {
        while (sqlite3_step(q.s) == SQLITE_ROW) {
            benchmark::DoNotOptimize(Variant(text(q.s, 0)));
            benchmark::DoNotOptimize(Variant(text(q.s, 1)));
            benchmark::DoNotOptimize(Variant(text(q.s, 2)));
        }
        sqlite3_reset(q.s);
    }
}

// ---- rows the recordset added itself -----------------------------------------------
// An instalment writer's recordset: opened on an empty table, 12 instalments
// added per document, then found again.

constexpr int OwnRows = 100000;

Recordset& instalments() {
    static Recordset rs = [] {
        Database& db = fixture().db;
        sqlite3_exec(db.handle(), "PRAGMA synchronous = OFF", nullptr, nullptr, nullptr);
        Recordset r = db.openRecordset("PARCELAS");
        for (int i = 0; i < OwnRows; ++i) {
            r.AddNew();
            r["DOCUMENTO"] = Variant(i / 12 + 1);
            r["PARCELA"] = Variant(i % 12 + 1);
            r["VENCIMENTO"] = Variant::date(45000 + i % 365);
            r["VALOR"] = Variant(100.0 + i % 1000);
            r.Update();
        }
        sqlite3_exec(db.handle(), "PRAGMA synchronous = FULL", nullptr, nullptr, nullptr);
        return r;
    }();
    return rs;
}

// FindFirst and FindNext through every twelfth instalment, then MoveLast and RecordCount.
void ownFind_ours(benchmark::State& state) {
    Recordset& rs = instalments();
    const QString criteria = QStringLiteral("PARCELA = 12");
    long found = 0, count = 0;
    for (auto _ : state) {
        found = 0;
        for (rs.FindFirst(criteria); !rs.NoMatch(); rs.FindNext(criteria)) {
            ++found;
            benchmark::DoNotOptimize(rs.field(QStringLiteral("VALOR")));
        }
        rs.MoveLast();
        count = rs.RecordCount();
    }
    state.counters["found"] = double(found);
    state.counters["count"] = double(count);
}

void ownFind_raw(benchmark::State& state) {
    instalments();
    Raw q("SELECT * FROM PARCELAS WHERE PARCELA = 12 ORDER BY ID");
    Raw last("SELECT * FROM PARCELAS ORDER BY ID DESC LIMIT 1");
    Raw count("SELECT count(*) FROM PARCELAS");
    long found = 0;
    for (auto _ : state) {
        found = 0;
        while (sqlite3_step(q.s) == SQLITE_ROW) {
            ++found;
            benchmark::DoNotOptimize(Variant(sqlite3_column_double(q.s, 4)));
        }
        sqlite3_reset(q.s);
        sqlite3_step(last.s);
        benchmark::DoNotOptimize(sqlite3_column_int(last.s, 0));
        sqlite3_reset(last.s);
        sqlite3_step(count.s);
        benchmark::DoNotOptimize(sqlite3_column_int(count.s, 0));
        sqlite3_reset(count.s);
    }
    state.counters["found"] = double(found);
}

// FindFirst of one document's first instalment.
void ownFindKey_ours(benchmark::State& state) {
    Recordset& rs = instalments();
    int key = 1;
    for (auto _ : state) {
        key = (key * 7919) % (OwnRows / 12) + 1;
        rs.FindFirst(QStringLiteral("DOCUMENTO = ") + QString::number(key));
        benchmark::DoNotOptimize(rs.field(QStringLiteral("VALOR")));
    }
}

void ownFindKey_raw(benchmark::State& state) {
    instalments();
    Raw q("SELECT * FROM PARCELAS WHERE DOCUMENTO = ? ORDER BY ID LIMIT 1");
    int key = 1;
    for (auto _ : state) {
        key = (key * 7919) % (OwnRows / 12) + 1;
        sqlite3_bind_int(q.s, 1, key);
        sqlite3_step(q.s);
        benchmark::DoNotOptimize(Variant(sqlite3_column_double(q.s, 4)));
        sqlite3_reset(q.s);
    }
}

// ---- 1,000 AddNew/Update, each its own transaction ----------------------------------
// Durable commits wait for the disk, which varies from one run to the next; the
// same work without waiting for the disk shows what the engine itself adds.

struct Synchronous {
    explicit Synchronous(bool durable) {
        const char* sql = durable ? "PRAGMA synchronous = FULL" : "PRAGMA synchronous = OFF";
        sqlite3_exec(fixture().db.handle(), sql, nullptr, nullptr, nullptr);
        sqlite3_exec(fixture().raw, sql, nullptr, nullptr, nullptr);
    }
    ~Synchronous() {
        sqlite3_exec(fixture().db.handle(), "PRAGMA synchronous = FULL", nullptr, nullptr, nullptr);
        sqlite3_exec(fixture().raw, "PRAGMA synchronous = FULL", nullptr, nullptr, nullptr);
    }
};

void addOurs(benchmark::State& state, bool durable) {
    Synchronous sync(durable);
    Recordset rs = fixture().db.openRecordset("CLIENTES");
    for (auto _ : state) {
        for (int i = 0; i < 1000; ++i) {
            rs.AddNew();
            rs["NOME"] = Variant("CLIENTE NOVO");
            rs["CIDADE"] = Variant("SÃO PAULO");
            rs["FONE"] = Variant("(11) 5555-0000");
            rs.Update();
        }
    }
}

void addRaw(benchmark::State& state, bool durable) {
    Synchronous sync(durable);
    Raw begin("BEGIN IMMEDIATE"), commit("COMMIT");
    Raw q("INSERT INTO CLIENTES (NOME, CIDADE, FONE) VALUES (?, ?, ?)");
    for (auto _ : state) {
        for (int i = 0; i < 1000; ++i) {
            sqlite3_step(begin.s);
            sqlite3_reset(begin.s);
            sqlite3_bind_text(q.s, 1, "CLIENTE NOVO", -1, SQLITE_STATIC);
            sqlite3_bind_text(q.s, 2, "SÃO PAULO", -1, SQLITE_STATIC);
            sqlite3_bind_text(q.s, 3, "(11) 5555-0000", -1, SQLITE_STATIC);
            sqlite3_step(q.s);
            sqlite3_reset(q.s);
            sqlite3_step(commit.s);
            sqlite3_reset(commit.s);
        }
    }
}

void add_ours(benchmark::State& state) { addOurs(state, true); }
void add_raw(benchmark::State& state) { addRaw(state, true); }
void addNoSync_ours(benchmark::State& state) { addOurs(state, false); }
void addNoSync_raw(benchmark::State& state) { addRaw(state, false); }

// ---- a fragment of a name over the large database's 500,000 events --------------------
// FindFirst and FindNext through every event whose NOME holds a participant's
// whole name, as the event window's search does, one name per run. The same
// finds with the name written with every second letter as a one-letter set
// ('M[A]R[I]A...'): the same matches, but no run of three characters for the
// trigram index, so the candidates come from the index on NOME as before it.

struct Events {
    Database db;
    sqlite3* raw = nullptr;
    std::vector<QString> names;   // spread over the table
    Events() {
        const QString path = vorna::bench::largeDatabase();
        db = Database::open(path);
        sqlite3_open_v2(path.toUtf8().constData(), &raw, SQLITE_OPEN_READONLY, nullptr);
        sqlite3_stmt* s = nullptr;
        sqlite3_prepare_v2(raw, "SELECT NOME FROM PROCEDE WHERE CODIGO >= ?1 AND NOME IS NOT NULL LIMIT 1", -1, &s,
                           nullptr);
        for (int i = 0; i < 20; ++i) {
            sqlite3_bind_int(s, 1, 1 + i * 24989);
            if (sqlite3_step(s) == SQLITE_ROW) names.push_back(text(s, 0));
            sqlite3_reset(s);
        }
        sqlite3_finalize(s);
    }
    ~Events() { sqlite3_close(raw); }
};

Events& events() {
    static Events e;
    return e;
}

QString everySecondAsSet(const QString& name) {
    QString out;
    for (qsizetype i = 0; i < name.size(); ++i)
        out += i % 2 ? u'[' + name.mid(i, 1) + u']' : name.mid(i, 1);
    return out;
}

void fragmentOurs(benchmark::State& state, bool trigrams) {
    Events& e = events();
    Recordset rs = e.db.openRecordset("PROCEDE");
    size_t i = 0;
    long found = 0, runs = 0;
    for (auto _ : state) {
        const QString& name = e.names[i++ % e.names.size()];
        const QString criteria = "NOME LIKE '*" + (trigrams ? name : everySecondAsSet(name)) + "*'";
        for (rs.FindFirst(criteria); !rs.NoMatch(); rs.FindNext(criteria)) {
            ++found;
            benchmark::DoNotOptimize(rs.field(QStringLiteral("NOME")));
        }
        ++runs;
    }
    state.counters["found"] = double(found) / double(runs);
}

void fragment_ours(benchmark::State& state) { fragmentOurs(state, true); }
void fragmentIndexScan_ours(benchmark::State& state) { fragmentOurs(state, false); }

void fragmentRaw(benchmark::State& state, const char* sql, bool phrase) {
    Events& e = events();
    sqlite3_stmt* q = nullptr;
    sqlite3_prepare_v2(e.raw, sql, -1, &q, nullptr);
    size_t i = 0;
    long found = 0, runs = 0;
    for (auto _ : state) {
        const QString& name = e.names[i++ % e.names.size()];
        const QByteArray like = ('%' + name + '%').toUtf8();
        sqlite3_bind_text(q, 1, like.constData(), int(like.size()), SQLITE_TRANSIENT);
        if (phrase) {
            const QByteArray quoted = ('"' + name.left(12) + '"').toUtf8();
            sqlite3_bind_text(q, 2, quoted.constData(), int(quoted.size()), SQLITE_TRANSIENT);
        }
        while (sqlite3_step(q) == SQLITE_ROW) {
            ++found;
            benchmark::DoNotOptimize(text(q, 1));
        }
        sqlite3_reset(q);
        ++runs;
    }
    sqlite3_finalize(q);
    state.counters["found"] = double(found) / double(runs);
}

// SQLite's own LIKE (ASCII letter case only) over the whole table.
void fragment_raw(benchmark::State& state) {
    fragmentRaw(state, "SELECT rowid, NOME FROM PROCEDE WHERE NOME LIKE ?1 ORDER BY rowid", false);
}
// The best by hand: the trigram index, then the rows it names.
void fragmentTrigrams_raw(benchmark::State& state) {
    fragmentRaw(state,
                "SELECT rowid, NOME FROM PROCEDE WHERE rowid IN (SELECT rowid FROM PROCEDE_NOME_TRIGRAMAS"
                " WHERE PROCEDE_NOME_TRIGRAMAS MATCH ?2) AND NOME LIKE ?1 ORDER BY rowid",
                true);
}

// Prints each pair's ratio (ours / by hand) from the medians kept.
void printRatios(const std::map<std::string, double>& times) {
    struct { const char* work; const char* goal; } pairs[] = {
        {"open", "-"},      {"findKey", "1.5"}, {"findLike", "3"},
        {"scan", "3"},      {"ownFind", "3"},   {"ownFindKey", "1.5"},
        {"add", "1.5"},     {"addNoSync", "-"}};
    std::printf("\nmedians          ours        by hand    ratio   goal\n");
    for (const auto& p : pairs) {
        const auto ours = times.find(std::string(p.work) + "_ours");
        const auto raw = times.find(std::string(p.work) + "_raw");
        if (ours == times.end() || raw == times.end() || raw->second <= 0) continue;
        std::printf("%-10s %12.1f %14.1f %8.2f %6s\n", p.work, ours->second, raw->second,
                    ours->second / raw->second, p.goal);
    }
    const auto large = [&](const char* name) {
        const auto it = times.find(name);
        return it == times.end() ? -1.0 : it->second;
    };
    if (const double raw = large("fragment_raw"); raw > 0)
        std::printf("fragment   %12.1f %14.1f %8.2f %6s\n"
                    "  without the trigram index %8.1f ms (%.2f); by hand through it %.1f ms\n",
                    large("fragment_ours"), raw, large("fragment_ours") / raw, "-", large("fragmentIndexScan_ours"),
                    large("fragmentIndexScan_ours") / raw, large("fragmentTrigrams_raw"));
    std::printf("(open, findKey and ownFindKey in microseconds per call, the others in milliseconds per\n"
                " run; findLike: FindFirst and FindNext through all matches; ownFind: the same through\n"
                " 8,333 of 100,000 rows the recordset added, then RecordCount; add: 1,000 AddNew/Update;\n"
                " fragment: FindFirst and FindNext through the 500,000 events holding a participant's name,\n"
                " goal 50 ms)\n");
}

}  // namespace

BENCHMARK(open_ours)->Unit(benchmark::kMicrosecond)->Repetitions(3);
BENCHMARK(open_raw)->Unit(benchmark::kMicrosecond)->Repetitions(3);
BENCHMARK(findKey_ours)->Unit(benchmark::kMicrosecond)->Repetitions(3);
BENCHMARK(findKey_raw)->Unit(benchmark::kMicrosecond)->Repetitions(3);
BENCHMARK(findLike_ours)->Unit(benchmark::kMillisecond)->Repetitions(3);
BENCHMARK(findLike_raw)->Unit(benchmark::kMillisecond)->Repetitions(3);
BENCHMARK(scan_ours)->Unit(benchmark::kMillisecond)->Repetitions(3);
BENCHMARK(scan_raw)->Unit(benchmark::kMillisecond)->Repetitions(3);
BENCHMARK(ownFind_ours)->Unit(benchmark::kMillisecond)->Repetitions(3);
BENCHMARK(ownFind_raw)->Unit(benchmark::kMillisecond)->Repetitions(3);
BENCHMARK(ownFindKey_ours)->Unit(benchmark::kMicrosecond)->Repetitions(3);
BENCHMARK(ownFindKey_raw)->Unit(benchmark::kMicrosecond)->Repetitions(3);
BENCHMARK(add_ours)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(3);
BENCHMARK(add_raw)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(3);
BENCHMARK(addNoSync_ours)->Unit(benchmark::kMillisecond)->Iterations(3)->Repetitions(3);
BENCHMARK(addNoSync_raw)->Unit(benchmark::kMillisecond)->Iterations(3)->Repetitions(3);
BENCHMARK(fragment_ours)->Unit(benchmark::kMillisecond)->Iterations(20)->Repetitions(3);
BENCHMARK(fragmentIndexScan_ours)->Unit(benchmark::kMillisecond)->Iterations(20)->Repetitions(3);
BENCHMARK(fragment_raw)->Unit(benchmark::kMillisecond)->Iterations(20)->Repetitions(3);
BENCHMARK(fragmentTrigrams_raw)->Unit(benchmark::kMillisecond)->Iterations(20)->Repetitions(3);

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    fixture();
    benchmark::AddCustomContext("rows", std::to_string(Rows));
    return runWithMedians(printRatios);
}
