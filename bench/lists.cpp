// The name search's list over 100,000 clients whose names all hold the letter
// searched: filling the list box (shown, laid out and painted once) and the
// whole search (database finds + list), beside the same names read with
// SQLite's C API. Goal: the list filled in under 200 ms.
#include "common/NameFragmentSearch.h"
#include "platform/controls/ListBox.h"
#include "platform/database/Database.h"
#include "platform/database/Recordset.h"
#include "MedianReporter.h"

#include <QApplication>
#include <QLineEdit>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <cstdio>
#include <map>
#include <string>
#include <vector>

using vorna::Variant;
using vorna::db::Database;
using vorna::ui::ListBox;

namespace {

constexpr int Rows = 100000;

struct Fixture {
    QTemporaryDir dir;
    Database db;
    sqlite3* raw = nullptr;
    QStringList names;
    std::vector<Variant> marks;
    QWidget window;
    ListBox* list = nullptr;
    QLineEdit* codeBox = nullptr;
    QLineEdit* nameBox = nullptr;

    Fixture()
    {
        const QString path = dir.filePath(QStringLiteral("CLIENTES.MDB"));
        sqlite3* h = nullptr;
        sqlite3_open(path.toUtf8().constData(), &h);
        sqlite3_exec(h, "CREATE TABLE CLIENTES (CODIGO INTEGER PRIMARY KEY AUTOINCREMENT, NOME TEXT(50)); BEGIN;",
                     nullptr, nullptr, nullptr);
        const char* first[] = {"MARIA", "ANA", "CARLOS", "PAULA", "JOANA", "MARCOS", "RAFAEL", "LAURA"};
        const char* last[] = {"SOUZA", "OLIVEIRA", "SANTOS", "PEREIRA", "LIMA", "COSTA", "ALMEIDA", "ROCHA"};
        sqlite3_stmt* s = nullptr;
        sqlite3_prepare_v2(h, "INSERT INTO CLIENTES (NOME) VALUES (?)", -1, &s, nullptr);
        for (int i = 0; i < Rows; ++i) {
            const std::string name = std::string(first[i % 8]) + " " + last[(i / 8) % 8] + " " + std::to_string(i);
            sqlite3_bind_text(s, 1, name.c_str(), -1, SQLITE_TRANSIENT);
            sqlite3_step(s);
            sqlite3_reset(s);
            names << QString::fromStdString(name);
            marks.emplace_back(i + 1);
        }
        sqlite3_finalize(s);
        sqlite3_exec(h, "COMMIT;", nullptr, nullptr, nullptr);
        sqlite3_close(h);
        db = Database::open(path);
        sqlite3_open_v2(path.toUtf8().constData(), &raw, SQLITE_OPEN_READWRITE, nullptr);

        // As a record window holds it: a list over the window, shown while filled.
        window.resize(640, 480);
        list = new ListBox(&window);
        list->setGeometry(150, 30, 310, 296);
        codeBox = new QLineEdit(&window);
        nameBox = new QLineEdit(&window);
        nameBox->setText(QStringLiteral("a"));
        window.show();
        QApplication::processEvents();
    }
    ~Fixture() { sqlite3_close(raw); }

    // Emptying the list is not part of the work measured.
    void empty(benchmark::State& state)
    {
        state.PauseTiming();
        list->Clear();
        QApplication::processEvents();
        state.ResumeTiming();
    }
};

// Made in main, so that its widgets go before the application does.
Fixture* theFixture = nullptr;
Fixture& fixture() { return *theFixture; }

// Lays out and paints what the fill left to do.
void settle() { QApplication::processEvents(); }

void fillByItem_ours(benchmark::State& state)
{
    Fixture& f = fixture();
    for (auto _ : state) {
        f.empty(state);
        for (int i = 0; i < Rows; ++i) {
            const int at = f.list->AddItem(f.names.at(i));
            f.list->setItemData(at, QVariant::fromValue(f.marks[size_t(i)]));
        }
        settle();
    }
    state.counters["items"] = double(f.list->ListCount());
}

void fillAtOnce_ours(benchmark::State& state)
{
    Fixture& f = fixture();
    QVariantList marks;
    for (const Variant& mark : f.marks)
        marks << QVariant::fromValue(mark);
    for (auto _ : state) {
        f.empty(state);
        f.list->AddItems(f.names, marks);
        settle();
    }
    state.counters["items"] = double(f.list->ListCount());
}

void nameSearch_ours(benchmark::State& state)
{
    Fixture& f = fixture();
    vorna::NameFragmentSearchSpec design;
    design.list = f.list;
    design.codeBox = f.codeBox;
    design.nameBox = f.nameBox;
    vorna::NameFragmentSearch search(f.db.openRecordset(QStringLiteral("CLIENTES")), design, [] {}, [] {});
    for (auto _ : state) {
        f.empty(state);
        search.listByName();
        settle();
    }
    state.counters["items"] = double(f.list->ListCount());
}

// The floor: the same names and keys read by hand, into plain vectors.
void nameSearch_raw(benchmark::State& state)
{
    sqlite3_stmt* q = nullptr;
    sqlite3_prepare_v2(fixture().raw, "SELECT CODIGO, NOME FROM CLIENTES WHERE NOME LIKE '%a%' ORDER BY CODIGO", -1,
                       &q, nullptr);
    long found = 0;
    for (auto _ : state) {
        QStringList names;
        std::vector<Variant> keys;
        while (sqlite3_step(q) == SQLITE_ROW) {
            keys.emplace_back(sqlite3_column_int(q, 0));
            names << QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(q, 1)),
                                       sqlite3_column_bytes(q, 1));
        }
        sqlite3_reset(q);
        found = long(names.size());
        benchmark::DoNotOptimize(names);
    }
    sqlite3_finalize(q);
    state.counters["items"] = double(found);
}

void printSummary(const std::map<std::string, double>& medians)
{
    std::printf("\nmedians (ms)\n");
    for (const auto& [name, ms] : medians)
        std::printf("%-22s %10.1f\n", name.c_str(), ms);
    const auto ours = medians.find("nameSearch_ours");
    const auto raw = medians.find("nameSearch_raw");
    if (ours != medians.end() && raw != medians.end() && raw->second > 0)
        std::printf("nameSearch ours / by hand: %.2f\n", ours->second / raw->second);
    std::printf("(fill goal: under 200 ms for %d names)\n", Rows);
}

}  // namespace

BENCHMARK(fillByItem_ours)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(3);
BENCHMARK(fillAtOnce_ours)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(3);
BENCHMARK(nameSearch_ours)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(3);
BENCHMARK(nameSearch_raw)->Unit(benchmark::kMillisecond)->Iterations(3)->Repetitions(3);

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    Fixture fixture;
    theFixture = &fixture;
    benchmark::AddCustomContext("rows", std::to_string(Rows));
    return runWithMedians(printSummary);
}
