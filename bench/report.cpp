// A list report over 100,000 clients whose selection keeps one in ten: the time
// to the first page on screen and to the whole PDF, beside a plain SQLite query
// of the same rows in the same order. Then a list of 1,000,000 rows: the first
// page, the count of every page, and the peak memory of the process.
#include "platform/database/Database.h"
#include "platform/database/TextRules.h"
#include "platform/report/ReportEngine.h"
#include "platform/report/ReportRender.h"

#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <sys/resource.h>

#include <memory>
#include <string>

namespace {

constexpr int Rows = 100000;
constexpr int MillionRows = 1000000;
const char* Selection = "{CLIENTES.UF} = 'SP'";

struct Fixture {
    QTemporaryDir dir;
    QString report;

    Fixture(int rows, bool indexed)
    {
        const QString db = dir.filePath(QStringLiteral("VORNA.MDB"));
        sqlite3* h = nullptr;
        sqlite3_open(db.toUtf8().constData(), &h);
        sqlite3_exec(h,
                     "CREATE TABLE CLIENTES (CODIGO LONG, NOME TEXT(50), CIDADE TEXT(30), UF TEXT(2),"
                     " ANIV DATETIME, VALOR DOUBLE); BEGIN;",
                     nullptr, nullptr, nullptr);
        const char* first[] = {"JOÃO", "MARIA", "JOSÉ", "ANA", "ANTÔNIO", "FRANCISCA", "CARLOS", "PAULA"};
        const char* last[] = {"SOUZA", "OLIVEIRA", "SANTOS", "PEREIRA", "LIMA", "COSTA", "RODRIGUES",
                              "ALMEIDA", "NASCIMENTO", "ARAÚJO", "CARVALHO", "GOMES", "MARTINS"};
        const char* states[] = {"SP", "RJ", "MG", "PR", "PE", "BA", "RS", "SC", "GO", "CE"};
        sqlite3_stmt* s = nullptr;
        sqlite3_prepare_v2(h, "INSERT INTO CLIENTES VALUES (?,?,?,?,?,?)", -1, &s, nullptr);
        for (int i = 0; i < rows; ++i) {
            const std::string name = std::string(first[i % 8]) + " " + last[(i / 8) % 13] + " " + std::to_string(i);
            const std::string city = "CIDADE " + std::to_string(i % 211);
            const std::string birthday = std::to_string(1940 + i % 60) + "-0" + std::to_string(1 + i % 9) + "-1" +
                                         std::to_string(i % 10) + " 00:00:00";
            sqlite3_bind_int(s, 1, i + 1);
            sqlite3_bind_text(s, 2, name.c_str(), -1, SQLITE_TRANSIENT);
            sqlite3_bind_text(s, 3, city.c_str(), -1, SQLITE_TRANSIENT);
            sqlite3_bind_text(s, 4, states[(i * 7) % 10], -1, SQLITE_STATIC);
            sqlite3_bind_text(s, 5, birthday.c_str(), -1, SQLITE_TRANSIENT);
            sqlite3_bind_double(s, 6, (i % 1000) * 10.25);
            sqlite3_step(s);
            sqlite3_reset(s);
        }
        sqlite3_finalize(s);
        sqlite3_exec(h, "COMMIT;", nullptr, nullptr, nullptr);
        // The million rows' order has an index, as a large table's reports
        // need: each chunk then seeks where the last one ended instead of
        // sorting the whole table again.
        if (indexed) {
            vorna::db::text::registerOn(h);
            sqlite3_exec(h, "CREATE INDEX CLIENTES_NOME ON CLIENTES (NOME COLLATE VORNA_NOCASE);", nullptr, nullptr, nullptr);
        }
        sqlite3_close(h);

        report = dir.filePath(QStringLiteral("CLIENTES.RPT"));
        QFile f(report);
        f.open(QIODevice::WriteOnly);
        f.write("TITLE \"CLIENTES POR NOME\"\n"
                "FROM CLIENTES\n"
                "SORT {CLIENTES.NOME}\n"
                "COLUMN {CLIENTES.CODIGO} \"Código\" WIDTH 7\n"
                "COLUMN {CLIENTES.NOME} \"Nome\" WIDTH 36\n"
                "COLUMN {CLIENTES.CIDADE} \"Cidade\" WIDTH 20\n"
                "COLUMN {CLIENTES.ANIV} \"Nascimento\" WIDTH 10\n"
                "COLUMN {CLIENTES.VALOR} \"Valor\" WIDTH 14 FORMAT \"#,##0.00\"\n"
                "TOTAL COUNT \"Clientes:\"\n"
                "TOTAL SUM {CLIENTES.VALOR} \"Valor total:\"\n");
    }
};

Fixture& fixture()
{
    static Fixture f(Rows, false);
    return f;
}

Fixture& million()
{
    static Fixture f(MillionRows, true);
    return f;
}

std::shared_ptr<vorna::report::ReportDocument> runList()
{
    return vorna::report::runReport({fixture().report, QString::fromLatin1(Selection), {}}, QStringLiteral("CORRETORA"));
}

std::shared_ptr<vorna::report::ReportDocument> runMillion()
{
    return vorna::report::runReport({million().report, QString(), {}}, QStringLiteral("CORRETORA"));
}

void peakMemory(benchmark::State& state)
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    state.counters["peak_MB"] = double(usage.ru_maxrss) / 1024.0;
}

// The same rows in the same order, read by hand.
void plainQuery(benchmark::State& state, Fixture& f, bool selected)
{
    auto db = vorna::db::Database::open(f.dir.filePath(QStringLiteral("VORNA.MDB")));
    const std::string sql = std::string("SELECT CODIGO, NOME, CIDADE, ANIV, VALOR FROM CLIENTES") +
                            (selected ? std::string(" WHERE UF = ?1 COLLATE ") + vorna::db::text::CollationName : "") +
                            " ORDER BY NOME COLLATE " + vorna::db::text::CollationName;
    long rows = 0;
    for (auto _ : state) {
        sqlite3_stmt* s = nullptr;
        sqlite3_prepare_v2(db.handle(), sql.c_str(), -1, &s, nullptr);
        if (selected)
            sqlite3_bind_text(s, 1, "SP", -1, SQLITE_STATIC);
        rows = 0;
        while (sqlite3_step(s) == SQLITE_ROW) {
            benchmark::DoNotOptimize(sqlite3_column_int(s, 0));
            QString name = QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(s, 1)));
            QString city = QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(s, 2)));
            benchmark::DoNotOptimize(sqlite3_column_text(s, 3));
            benchmark::DoNotOptimize(sqlite3_column_double(s, 4));
            benchmark::DoNotOptimize(name);
            benchmark::DoNotOptimize(city);
            ++rows;
        }
        sqlite3_finalize(s);
    }
    state.counters["rows"] = double(rows);
}

void BM_PlainQuery(benchmark::State& state) { plainQuery(state, fixture(), true); }
BENCHMARK(BM_PlainQuery)->Unit(benchmark::kMillisecond);

// Run and draw the first page on a screen-sized image, as the preview shows
// it before the pages are counted.
void firstPage(benchmark::State& state, std::shared_ptr<vorna::report::ReportDocument> (*run)())
{
    for (auto _ : state) {
        const auto doc = run();
        QImage page(794, 1123, QImage::Format_RGB32);
        page.fill(Qt::white);
        QPainter painter(&page);
        vorna::report::paintPage(painter, QRectF(45, 45, 704, 1033), *doc, doc->pageAsKnown(0));
        painter.end();
    }
}

void BM_FirstPage(benchmark::State& state) { firstPage(state, runList); }
BENCHMARK(BM_FirstPage)->Unit(benchmark::kMillisecond);

void BM_WholePdf(benchmark::State& state)
{
    const QString pdf = fixture().dir.filePath(QStringLiteral("CLIENTES.pdf"));
    for (auto _ : state) {
        const auto doc = runList();
        if (!vorna::report::writePdf(*doc, pdf).isEmpty())
            state.SkipWithError("PDF not written");
    }
    state.counters["bytes"] = double(QFile(pdf).size());
}
BENCHMARK(BM_WholePdf)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_PlainQueryMillion(benchmark::State& state) { plainQuery(state, million(), false); }
BENCHMARK(BM_PlainQueryMillion)->Unit(benchmark::kMillisecond)->Iterations(2);

void BM_FirstPageMillion(benchmark::State& state)
{
    firstPage(state, runMillion);
    peakMemory(state);
}
BENCHMARK(BM_FirstPageMillion)->Unit(benchmark::kMillisecond)->Iterations(3);

// Every page laid out once, as the preview counts them and the last page shows.
void BM_PageCountMillion(benchmark::State& state)
{
    long pages = 0;
    QString total;
    for (auto _ : state) {
        const auto doc = runMillion();
        pages = doc->pageCount();
        total = doc->totals[0].second;
    }
    state.counters["pages"] = double(pages);
    state.SetLabel(total.toStdString());
    peakMemory(state);
}
BENCHMARK(BM_PageCountMillion)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    fixture();
    million();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
