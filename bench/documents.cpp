// The document window over the large database (100,000 clients, 300,000
// documents, 3.6 million instalment rows), driven as a user drives it: opening
// it, showing a document by its number, saving a new one and deleting one with
// its twelve instalments, the policy number's duplicate check and endorsement
// prefill, the number finder, the client name search, the look-ups of line,
// insurer and producer on leaving their boxes, the grid searches by client name
// and by part of the policy number, "Próximo", and "Finaliza Gravação" for a
// new document's twelve instalments, a changed-count rewrite and an update in
// place; each beside the same reads and writes through SQLite's C API. Writes
// go to a copy of the database.
// Goals: open and show under 200 ms and 150 MB, a save, a deletion or an
// instalment write under 200 ms, every look-up and search under 50 ms.
#include "common/ProgramState.h"
#include "common/RecordWindowPatternFields.h"
#include "common/WindowRefs.h"
#include "documents/Form14.h"
#include "platform/controls/CheckBox.h"
#include "platform/controls/FlexGrid.h"
#include "platform/controls/ListBox.h"
#include "platform/controls/PickList.h"
#include "platform/controls/Window.h"
#include "platform/database/CriteriaText.h"
#include "platform/database/Database.h"
#include "platform/database/SchemaSteps.h"
#include "platform/database/TextRules.h"
#include "support/LargeDatabase.h"
#include "support/WindowBench.h"
#include "MedianReporter.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QTest>
#include <QThread>
#include <benchmark/benchmark.h>
#include <sqlite3.h>
#include <sys/resource.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <map>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

using namespace vorna;
using bench::columnText;
using bench::readRow;

namespace {

// A surname many clients hold, and the deletion password of the copy.
const char* const Surname = "FERREIRA";
const char* const DeletionPassword = "APAGA";

struct Document {
    qlonglong number = 0;
    QString policy, client;
};

double megabytes(long kilobytes) { return double(kilobytes) / 1024.0; }
long peakKilobytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

struct Fixture {
    bench::QuietDialogs dialogs;
    QString path;             // the copy both sides work on
    QString quotations;       // an empty quotation database the window opens too
    sqlite3* raw = nullptr;
    qlonglong documents = 0;
    std::vector<Document> samples;                 // documents spread over the table
    std::vector<Document> policies;                // policies among them
    std::vector<qlonglong> carsForUs, carsByHand;  // car policies with twelve instalments, to delete
    std::vector<qlonglong> archiveForUs, archiveByHand;  // the same kind, to archive
    std::vector<QString> clientNames;              // whole client names
    long peakBefore = 0, peakAfterShow = 0;

    Fixture()
    {
        const QString original = bench::largeDatabase();
        path = QFileInfo(original).dir().filePath(QStringLiteral("VORNA-documents-bench.MDB"));
        QFile::remove(path);
        QFile::remove(path + QStringLiteral("-journal"));
        if (!QFile::copy(original, path))
            throw std::runtime_error("cannot copy the large database");
        quotations = QFileInfo(original).dir().filePath(QStringLiteral("ATIBERA-documents-bench.MDB"));
        QFile::remove(quotations);
        db::applySchemaSteps(QStringLiteral(VORNA_SCHEMA_DIR "/../ATIBERA"), quotations, false);
        dlg::setDialogService(&dialogs);
        raw = bench::openAsBenchUser(path, SQLITE_OPEN_READWRITE);
        sqlite3_busy_timeout(raw, 5000);
        ProgramState& s = state();
        s.QuotationDatabase = db::Database::open(quotations);
        // Commissions shown: a user who may not see them cannot save.
        s.session.right(Right::OCU) = Variant("N");
        s.settings.DeletionPassword = Variant(DeletionPassword);
        documents = number("SELECT MAX(PROPOSTA) FROM DOCUMENTOS");
        pickSamples();
    }
    ~Fixture()
    {
        ui::destroyAllWindows();
        state().reset();
        dlg::setDialogService(nullptr);
        sqlite3_close(raw);
        QFile::remove(path);
        QFile::remove(quotations);
    }

    qlonglong number(const char* sql) const
    {
        sqlite3_stmt* q = nullptr;
        sqlite3_prepare_v2(raw, sql, -1, &q, nullptr);
        const qlonglong n = sqlite3_step(q) == SQLITE_ROW ? sqlite3_column_int64(q, 0) : 0;
        sqlite3_finalize(q);
        return n;
    }

    void pickSamples()
    {
        sqlite3_stmt* q = nullptr;
        sqlite3_prepare_v2(raw, "SELECT PROPOSTA, trim(APOLICE), NOMCLIENTE, TIPO, RAMO FROM DOCUMENTOS WHERE PROPOSTA = ?",
                           -1, &q, nullptr);
        for (long i = 0; samples.size() < 60 && i < 1000; ++i) {
            sqlite3_bind_int64(q, 1, spread(i));
            if (sqlite3_step(q) == SQLITE_ROW) {
                samples.push_back({sqlite3_column_int64(q, 0), columnText(q, 1), columnText(q, 2)});
                if (columnText(q, 3) == QLatin1String("A"))
                    policies.push_back(samples.back());
            }
            sqlite3_reset(q);
        }
        sqlite3_finalize(q);
        sqlite3_prepare_v2(raw,
                           "SELECT d.PROPOSTA FROM DOCUMENTOS d WHERE d.TIPO = 'A' AND d.RAMO IN (311, 312, 313)"
                           " AND (SELECT count(*) FROM PARCELAS p WHERE p.PROPOSTA = d.PROPOSTA) = 12"
                           " AND d.PROPOSTA > ?1 ORDER BY d.PROPOSTA LIMIT 1",
                           -1, &q, nullptr);
        std::vector<qlonglong>* const pools[] = {&carsForUs, &carsByHand, &archiveForUs, &archiveByHand};
        std::set<qlonglong> taken;
        for (long i = 0; taken.size() < 160 && i < 800; ++i) {
            sqlite3_bind_int64(q, 1, spread(i * 13));
            if (sqlite3_step(q) == SQLITE_ROW && taken.insert(sqlite3_column_int64(q, 0)).second)
                (*std::min_element(std::begin(pools), std::end(pools), [](auto* a, auto* b) {
                    return a->size() < b->size();
                }))->push_back(sqlite3_column_int64(q, 0));
            sqlite3_reset(q);
        }
        sqlite3_finalize(q);
        sqlite3_prepare_v2(raw, "SELECT NOME FROM CLIENTES WHERE CODIGO = ?", -1, &q, nullptr);
        const qlonglong clients = number("SELECT MAX(CODIGO) FROM CLIENTES");
        for (long i = 0; clientNames.size() < 20 && i < 200; ++i) {
            sqlite3_bind_int64(q, 1, 1 + (i * 7919L) % clients);
            if (sqlite3_step(q) == SQLITE_ROW)
                clientNames.push_back(columnText(q, 0));
            sqlite3_reset(q);
        }
        sqlite3_finalize(q);
        if (policies.empty() || archiveByHand.size() < 20 || clientNames.empty())
            throw std::runtime_error("too few sample rows");
    }

    // Numbers spread over the whole table, the same sequence for both sides.
    qlonglong spread(long i) const { return 1 + qlonglong((i * 7919L) % documents); }
    const Document& sample(long i) const { return samples[size_t(i) % samples.size()]; }
    const Document& policy(long i) const { return policies[size_t(i) % policies.size()]; }
};

Fixture* theFixture = nullptr;
Fixture& fixture() { return *theFixture; }

// ---- driving the window ---------------------------------------------------------------

ui::Window& window() { return bench::shown(windows::Form14()); }

template <class T>
T* control(const char* name)
{
    return bench::control<T>(window(), name);
}
QLineEdit* box(const char* name) { return control<QLineEdit>(name); }
QWidget* widget(const char* name) { return control<QWidget>(name); }

void click(const char* button) { bench::click(control<QAbstractButton>(button)); }

void setBox(const char* name, const QString& text) { record::setBoxText(widget(name), text); }

bool activeOrSkipped(benchmark::State& state)
{
    if (bench::activate(window()))
        return true;
    state.SkipWithError("the document window is not active");
    return false;
}

// "Limpar", outside the time measured.
void clearWindow(benchmark::State& state)
{
    state.PauseTiming();
    click("Command3D1");
    state.ResumeTiming();
}

// A document shown by "Consultar" with its number.
void showNumber(qlonglong number)
{
    click("Command3D1");
    box("Text1")->setText(QString::number(number));
    click("Command3D4");
}

// ---- the statements each window step runs, with SQLite's plan for them ---------------

std::map<std::string, std::set<QString>> plans;  // step -> plans of the window's statements

// Runs one step once outside the measure, recording its statements' plans.
template <class F>
void recordPlans(const char* step, F run)
{
    if (plans.count(step))
        return;
    std::set<QString>& found = plans[step];
    for (const auto& [plan, sql] : bench::plansOf(state().MainDatabase.handle(), run)) {
        // Writes and transaction statements have no read to judge.
        if (sql.startsWith(QLatin1String("SELECT")))
            found.insert(plan + QStringLiteral(" <- ") + sql.mid(sql.indexOf(QLatin1String(" FROM ")) + 1, 110));
    }
}

// A box left as a user leaves it: the window cleared, before() run, the box
// entered and text(i) typed, outside the time measured; the box left as Tab
// leaves it (its LostFocus), inside it. A first entry outside the measure
// records the step's plans. Gives how many times the box was left.
long leaveLoop(benchmark::State& state, const char* step, const char* name, const std::function<QString(long)>& text,
               const std::function<void()>& before = {})
{
    if (!activeOrSkipped(state))
        return 0;
    QLineEdit* entered = box(name);
    QWidget* next = widget("Text6");
    long left = 0;
    const auto enter = [&](long i) {
        click("Command3D1");
        if (before)
            before();
        entered->setFocus(Qt::TabFocusReason);
        entered->setText(text(i));
        ++left;
    };
    recordPlans(step, [&] { enter(0); next->setFocus(Qt::TabFocusReason); QApplication::processEvents(); });
    long i = 0;
    for (auto _ : state) {
        state.PauseTiming();
        enter(i++);
        state.ResumeTiming();
        next->setFocus(Qt::TabFocusReason);
        QApplication::processEvents();
    }
    return left;
}

// ---- the raw side ------------------------------------------------------------------------

std::map<std::string, QString> rawPlans;  // step -> plan of the main statement by hand

sqlite3_stmt* prepare(const char* sql)
{
    sqlite3_stmt* q = nullptr;
    if (sqlite3_prepare_v2(fixture().raw, sql, -1, &q, nullptr) != SQLITE_OK)
        throw std::runtime_error(std::string(sqlite3_errmsg(fixture().raw)) + ": " + sql);
    return q;
}

sqlite3_stmt* preparePlanned(const char* step, const char* sql)
{
    if (!rawPlans.count(step))
        rawPlans[step] = bench::queryPlan(fixture().raw, sql);
    return prepare(sql);
}

void exec(const char* sql)
{
    if (sqlite3_exec(fixture().raw, sql, nullptr, nullptr, nullptr) != SQLITE_OK)
        throw std::runtime_error(std::string(sqlite3_errmsg(fixture().raw)) + ": " + sql);
}

void bindText(sqlite3_stmt* q, int at, const QString& text)
{
    const QByteArray utf8 = text.toUtf8();
    sqlite3_bind_text(q, at, utf8.constData(), int(utf8.size()), SQLITE_TRANSIENT);
}


// The pattern the window's criteria gives VORNA_LIKE for a piece typed.
QString containsPattern(const QString& piece) { return u'*' + db::likeLiteral(piece) + u'*'; }

// Every row of q (bound), whole; the count.
long readAll(sqlite3_stmt* q)
{
    std::vector<std::vector<QVariant>> rows;
    while (sqlite3_step(q) == SQLITE_ROW)
        rows.push_back(readRow(q));
    sqlite3_reset(q);
    benchmark::DoNotOptimize(rows);
    return long(rows.size());
}

// The column of q named name; -1 when none.
int columnOf(sqlite3_stmt* q, const char* name)
{
    for (int c = 0; c < sqlite3_column_count(q); ++c)
        if (std::string(sqlite3_column_name(q, c)) == name)
            return c;
    return -1;
}

bool readOne(sqlite3_stmt* q)
{
    const bool found = sqlite3_step(q) == SQLITE_ROW;
    if (found) {
        std::vector<QVariant> row = readRow(q);
        benchmark::DoNotOptimize(row);
    }
    sqlite3_reset(q);
    return found;
}

// The reads of a show by hand: the document, its producer, group and client,
// its last claim and its instalments (for the commission received).
struct ShowByHand {
    sqlite3_stmt* document = preparePlanned("show", "SELECT * FROM DOCUMENTOS WHERE PROPOSTA = ?1");
    sqlite3_stmt* producer = prepare("SELECT * FROM PRODUTOR WHERE CODIGO = ?1 ORDER BY rowid LIMIT 1");
    sqlite3_stmt* producerOfBranch = prepare("SELECT NOME FROM PRODUTOR WHERE CODIGO = ?1 AND FILIAL = 1");
    sqlite3_stmt* group = prepare("SELECT NOME FROM GRUPO WHERE CODIGO = ?1");
    sqlite3_stmt* client = prepare("SELECT * FROM CLIENTES WHERE CODIGO = ?1 AND FILIAL = 1");
    sqlite3_stmt* claim = preparePlanned(
        "show claim", "SELECT * FROM SINISTRO WHERE trim(APOLICE, ' ') = ?1 COLLATE VORNA_NOCASE ORDER BY rowid DESC LIMIT 1");
    sqlite3_stmt* instalments =
        preparePlanned("show instalments", "SELECT * FROM PARCELAS WHERE PROPOSTA = ?1 ORDER BY rowid");

    ~ShowByHand()
    {
        for (sqlite3_stmt* q : {document, producer, producerOfBranch, group, client, claim, instalments})
            sqlite3_finalize(q);
    }
    // The document at q's current row, shown; q is reset by the caller.
    void showCurrent(sqlite3_stmt* q)
    {
        std::vector<QVariant> row = readRow(q);
        auto column = [&](const char* name) {
            const int c = columnOf(q, name);
            return c < 0 ? QVariant() : row[size_t(c)];
        };
        const qlonglong number = column("PROPOSTA").toLongLong();
        const QString policy = column("APOLICE").toString().trimmed();
        sqlite3_bind_int64(producer, 1, column("PROD1").toLongLong());
        readOne(producer);
        for (const char* slot : {"PROD1", "PROD2", "PROD3", "PROD4", "PROD5"}) {
            const qlonglong code = column(slot).toLongLong();
            if (code == 0)
                continue;
            sqlite3_bind_int64(producerOfBranch, 1, code);
            readOne(producerOfBranch);
        }
        sqlite3_bind_int64(group, 1, column("CHAME").toLongLong());
        readOne(group);
        sqlite3_bind_int64(client, 1, column("CODCLIENTE").toLongLong());
        readOne(client);
        if (!policy.isEmpty()) {
            bindText(claim, 1, policy);
            readOne(claim);
        }
        sqlite3_bind_int64(instalments, 1, number);
        readAll(instalments);
        benchmark::DoNotOptimize(row);
    }
    bool show(qlonglong number)
    {
        sqlite3_bind_int64(document, 1, number);
        const bool found = sqlite3_step(document) == SQLITE_ROW;
        if (found)
            showCurrent(document);
        sqlite3_reset(document);
        return found;
    }
};

// =====================================================================================
// Opening and showing
// =====================================================================================

// The opening: every table's recordset and the look-up lists.
void open_ours(benchmark::State& state)
{
    bench::openingLoop(state, windows::Form14());
}

void open_raw(benchmark::State& state)
{
    const char* tables[] = {"AUTOMOVEL", "MULTIRISCO", "DOCUMENTOS", "DOCUMORTOS", "CLIENTES", "NAOCLIENTES",
                            "OUTROS",    "GRUPO",      "SINISTRO",   "RAMOS",      "LOGUI",    "TMP",
                            "CIAS",      "ATENDE",     "PRODUTOR",   "PARCELAS"};
    for (auto _ : state) {
        std::vector<sqlite3_stmt*> opened;
        for (const char* table : tables)
            opened.push_back(prepare((std::string("SELECT rowid, * FROM ") + table + " ORDER BY rowid LIMIT 1").c_str()));
        for (sqlite3_stmt* q : opened)
            readOne(q);
        for (const char* list : {"SELECT NOME, CODIGO FROM GRUPO WHERE CODIGO > 0 ORDER BY rowid",
                                 "SELECT NOME, CODIGO FROM RAMOS WHERE CODIGO > 0 ORDER BY rowid",
                                 "SELECT NOME, CODIGO FROM CIAS WHERE CODIGO > 0 ORDER BY rowid",
                                 "SELECT NOME, CODIGO, POSICAO, FILIAL FROM PRODUTOR WHERE CODIGO > 0 ORDER BY rowid",
                                 "SELECT XCONTA, XCONPG FROM ATENDE WHERE XCONPG > 0 ORDER BY rowid"}) {
            sqlite3_stmt* q = prepare(list);
            readAll(q);
            sqlite3_finalize(q);
        }
        for (sqlite3_stmt* q : opened)
            sqlite3_finalize(q);
    }
}

// "Consultar" with a number: the document shown.
void show_ours(benchmark::State& state)
{
    window();
    QLineEdit* number = box("Text1");
    QLineEdit* client = box("Text9");
    recordPlans("show", [] { showNumber(fixture().sample(0).number); });
    long i = 0, shown = 0;
    for (auto _ : state) {
        clearWindow(state);
        state.PauseTiming();
        number->setText(QString::number(fixture().sample(i++).number));
        state.ResumeTiming();
        click("Command3D4");
        shown += client->text().trimmed().isEmpty() ? 0 : 1;
    }
    state.counters["shown"] = double(shown) / double(i);
}

void show_raw(benchmark::State& state)
{
    ShowByHand hand;
    long i = 0, shown = 0;
    for (auto _ : state)
        shown += hand.show(fixture().sample(i++).number) ? 1 : 0;
    state.counters["shown"] = double(shown) / double(i);
}

// =====================================================================================
// Saving and deleting (on the copy)
// =====================================================================================

// A complete header of a new car policy, typed outside the time measured.
void fillHeader(long i)
{
    click("Command3D1");
    setBox("Combo5", fixture().clientNames[size_t(i) % fixture().clientNames.size()]);
    setBox("Text9", QString::number(1 + i % 1000));
    setBox("Combo3", QStringLiteral("AUTOMÓVEL"));
    setBox("Text4", QStringLiteral("311"));
    setBox("MaskEdBox8", QStringLiteral("01/02/2025"));
    setBox("MaskEdBox7", QStringLiteral("01/02/2026"));
    setBox("Combo4", QStringLiteral("AURORA SEGUROS S/A"));
    setBox("Text7", QStringLiteral("1"));
    setBox("Text2", QStringLiteral("BENCH-%1").arg(i));
}

void save_ours(benchmark::State& state)
{
    window();
    const qlonglong before = fixture().number("SELECT count(*) FROM DOCUMENTOS");
    const int boxes = fixture().dialogs.boxes;
    long i = 0;
    recordPlans("save", [&] { fillHeader(i++); click("Command3D2"); });
    for (auto _ : state) {
        state.PauseTiming();
        fillHeader(i++);
        state.ResumeTiming();
        click("Command3D2");
    }
    state.counters["saved"] = double(fixture().number("SELECT count(*) FROM DOCUMENTOS") - before) / double(i);
    // The number box after each save.
    state.counters["boxes"] = double(fixture().dialogs.boxes - boxes) / double(i);
}

// The same row (every field of a stored car policy) and its audit row in one transaction.
void save_raw(benchmark::State& state)
{
    sqlite3_stmt* source = prepare("SELECT * FROM DOCUMENTOS WHERE PROPOSTA = ?1");
    sqlite3_bind_int64(source, 1, fixture().carsByHand.back());
    if (sqlite3_step(source) != SQLITE_ROW)
        throw std::runtime_error("no source document");
    const std::vector<QVariant> row = readRow(source);
    const int columns = sqlite3_column_count(source);
    std::string names, marks;
    for (int c = 1; c < columns; ++c) {
        names += std::string(c > 1 ? ",\"" : "\"") + sqlite3_column_name(source, c) + '"';
        marks += c > 1 ? ",?" : "?";
    }
    sqlite3_finalize(source);
    sqlite3_stmt* insert = prepare(("INSERT INTO DOCUMENTOS (" + names + ") VALUES (" + marks + ")").c_str());
    sqlite3_stmt* audit = prepare("INSERT INTO LOGUI (CLIENTE, NOME, DOCUMENTO, APOLICE, REMARKS, USUARIO, DATALOGUI,"
                                  " HORALOGUI) VALUES (?1, ?2, ?3, ?4, 'INCLUSÂO DE DOCUMENTO TIPO APOLICE', 1,"
                                  " '01/02/2025', '10:00')");
    long i = 0;
    for (auto _ : state) {
        exec("BEGIN");
        for (int c = 1; c < columns; ++c) {
            const QVariant& v = row[size_t(c)];
            if (v.isNull())
                sqlite3_bind_null(insert, c);
            else if (v.typeId() == QMetaType::LongLong)
                sqlite3_bind_int64(insert, c, v.toLongLong());
            else if (v.typeId() == QMetaType::Double)
                sqlite3_bind_double(insert, c, v.toDouble());
            else
                bindText(insert, c, v.toString());
        }
        sqlite3_step(insert);
        sqlite3_reset(insert);
        sqlite3_bind_int64(audit, 1, 1 + i % 1000);
        bindText(audit, 2, fixture().clientNames[size_t(i) % fixture().clientNames.size()]);
        sqlite3_bind_int64(audit, 3, sqlite3_last_insert_rowid(fixture().raw));
        bindText(audit, 4, QStringLiteral("BENCH-%1").arg(i++));
        sqlite3_step(audit);
        sqlite3_reset(audit);
        exec("COMMIT");
    }
    sqlite3_finalize(audit);
    sqlite3_finalize(insert);
}

// "Excluir" on a shown car policy, the password typed (outside the time
// measured), the box left and the question answered: the document, its
// vehicles, an audit row and its twelve instalments.
void delete_ours(benchmark::State& state)
{
    if (!activeOrSkipped(state))
        return;
    QLineEdit* password = box("Text12");
    QWidget* leaveTo = widget("Text6");
    const std::vector<qlonglong>& numbers = fixture().carsForUs;
    // Each repetition deletes documents of its own.
    static size_t next = 0;
    long i = 0;
    const auto ready = [&] {
        showNumber(numbers.at(next++));
        ++i;
        click("Command3D3");
        password->setFocus(Qt::TabFocusReason);
        QTest::keyClicks(password, QLatin1String(DeletionPassword));
    };
    recordPlans("delete", [&] { ready(); leaveTo->setFocus(Qt::TabFocusReason); QApplication::processEvents(); });
    const qlonglong counted = fixture().number("SELECT count(*) FROM PARCELAS");
    i = 0;
    for (auto _ : state) {
        state.PauseTiming();
        ready();
        state.ResumeTiming();
        leaveTo->setFocus(Qt::TabFocusReason);
        QApplication::processEvents();
    }
    state.counters["instalments"] = double(counted - fixture().number("SELECT count(*) FROM PARCELAS")) / double(i);
}

void delete_raw(benchmark::State& state)
{
    sqlite3_stmt* document = prepare("DELETE FROM DOCUMENTOS WHERE PROPOSTA = ?1");
    sqlite3_stmt* vehicles = preparePlanned("delete vehicles", "DELETE FROM AUTOMOVEL WHERE PROPOSTA = ?1");
    sqlite3_stmt* audit = prepare("INSERT INTO LOGUI (CLIENTE, NOME, DOCUMENTO, APOLICE, REMARKS, USUARIO, DATALOGUI,"
                                  " HORALOGUI) VALUES (1, 'BENCH', ?1, 'BENCH', 'EXCLUSÂO DE DOCUMENTO', 1,"
                                  " '01/02/2025', '10:00')");
    sqlite3_stmt* instalments = preparePlanned(
        "delete instalments",
        "DELETE FROM PARCELAS WHERE rowid IN (SELECT rowid FROM PARCELAS WHERE PROPOSTA = ?1 ORDER BY rowid LIMIT 12)");
    const std::vector<qlonglong>& numbers = fixture().carsByHand;
    const qlonglong instalmentsBefore = fixture().number("SELECT count(*) FROM PARCELAS");
    static size_t next = 0;
    long i = 0;
    for (auto _ : state) {
        const qlonglong n = numbers.at(next++);
        ++i;
        exec("BEGIN");
        for (sqlite3_stmt* q : {document, vehicles, audit, instalments}) {
            sqlite3_bind_int64(q, 1, n);
            sqlite3_step(q);
            sqlite3_reset(q);
        }
        exec("COMMIT");
    }
    state.counters["instalments"] =
        double(instalmentsBefore - fixture().number("SELECT count(*) FROM PARCELAS")) / double(i);
    for (sqlite3_stmt* q : {document, vehicles, audit, instalments})
        sqlite3_finalize(q);
}

// "Arquivo Morto" on a shown car policy, the question answered: the archive
// row, the document and its twelve instalments.
void archive_ours(benchmark::State& state)
{
    if (!activeOrSkipped(state))
        return;
    const std::vector<qlonglong>& numbers = fixture().archiveForUs;
    static size_t next = 0;
    recordPlans("archive", [&] { showNumber(numbers.at(next++)); click("Command3D11"); });
    const qlonglong archivedBefore = fixture().number("SELECT count(*) FROM DOCUMORTOS");
    long i = 0;
    for (auto _ : state) {
        state.PauseTiming();
        showNumber(numbers.at(next++));
        ++i;
        state.ResumeTiming();
        click("Command3D11");
    }
    state.counters["archived"] = double(fixture().number("SELECT count(*) FROM DOCUMORTOS") - archivedBefore) / double(i);
}

void archive_raw(benchmark::State& state)
{
    const char* const fields =
        "PROPOSTA, TIPO, COMISSIONAMENTO, MULTIPLA, VIGENTE, ANOPRODUCAO, APOLICE, ENDOSSO, CODCLIENTE, NOMCLIENTE,"
        " RAMO, NOMRAMO, SEGURADORA, NOMSEGURADORA, APORENOVA, CIARENOVA, NOMCIARENOVA, PREMIOLIQ, ADICIONAL, CUSTO,"
        " IOF, PREMIOBRUTO, PARCELAS, PCOMISSAO, PDESCONTO, VCOMISSAO, PROD1, PROD2, PROD3, PREP1, PREP2, PREP3,"
        " VREP1, VREP2, VREP3, VREPASSE, INDICE, OBSERVACOES, NOVAOBS, VIGENCIAFINAL, VIGENCIAINICIAL, SOLICITACAO,"
        " NUMPROP, CHAME, EMISSAO, CD, ORIGINAL, CARNET, JUROS, TRANSMITIDO, BAIXAANTE, PRODUCAO, DTTRANSMITIDO,"
        " DTEXCLUSAO";
    const std::string copy = std::string("INSERT INTO DOCUMORTOS (FILIAL, ") + fields + ") SELECT 1, " + fields +
                             " FROM DOCUMENTOS WHERE PROPOSTA = ?1";
    sqlite3_stmt* archive = prepare(copy.c_str());
    sqlite3_stmt* document = prepare("DELETE FROM DOCUMENTOS WHERE PROPOSTA = ?1");
    sqlite3_stmt* instalments = prepare(
        "DELETE FROM PARCELAS WHERE rowid IN (SELECT rowid FROM PARCELAS WHERE PROPOSTA = ?1 ORDER BY rowid LIMIT 12)");
    const std::vector<qlonglong>& numbers = fixture().archiveByHand;
    static size_t next = 0;
    for (auto _ : state) {
        const qlonglong n = numbers.at(next++);
        exec("BEGIN");
        for (sqlite3_stmt* q : {archive, document, instalments}) {
            sqlite3_bind_int64(q, 1, n);
            sqlite3_step(q);
            sqlite3_reset(q);
        }
        exec("COMMIT");
    }
    for (sqlite3_stmt* q : {archive, document, instalments})
        sqlite3_finalize(q);
}

// =====================================================================================
// "Finaliza Gravação" (on the copy)
// =====================================================================================

documents::Form14& documentWindow() { return static_cast<documents::Form14&>(window()); }
void setCheck5() { control<ui::CheckBox>("Check5")->setValue(ui::CheckBox::Checked); }

// The instalment panel as the recalculation leaves it, typed outside the time
// measured: "PARCELADA" over `count` instalments, twelve due dates and values.
void fillPanel(int saveMode, const QString& count)
{
    documents::Form14& form = documentWindow();
    widget("Frame3D16")->setVisible(true);
    form.values().SaveMode = saveMode;
    form.values().ProducerShareSum = Variant(40.0);
    const std::pair<const char*, QString> boxes[] = {
        {"Text23", "1"}, {"Combo7", "PARCELADA"}, {"Text20", count}, {"MaskEdBox8", "10/03/2025"},
        {"MaskEdBox1", "1000"}, {"MaskEdBox3", "150"}, {"MaskEdBox5", "1200"}, {"MaskEdBox6", "10"},
        {"MaskEdBox11", "1000"}, {"MaskEdBox18", "480"}, {"MaskEdBox15", "360"}, {"MaskEdBox16", "120"},
        {"MaskEdBox17", "0"}, {"MaskEdBox76", "0"}, {"MaskEdBox82", "0"}, {"Text18", "7"}, {"Text25", "8"},
    };
    for (const auto& [name, text] : boxes)
        setBox(name, text);
    for (int k = 1; k <= 12; ++k) {
        setBox(QStringLiteral("MaskEdBox%1").arg(19 + k).toLatin1().constData(),
               QDate(2025, 3, 10).addMonths(k - 1).toString(QStringLiteral("dd/MM/yyyy")));
        setBox(QStringLiteral("MaskEdBox%1").arg(61 + k).toLatin1().constData(), QStringLiteral("100"));
        setBox(QStringLiteral("MaskEdBox%1").arg(31 + k).toLatin1().constData(), k == 1 ? "10" : "0");
        setBox(QStringLiteral("MaskEdBox%1").arg(56 - k).toLatin1().constData(), k <= 4 ? "10" : "0");
    }
}

// A new document's twelve rows: the step on a new endorsement without policy
// number, which ends with the window cleared.
void finishNew_ours(benchmark::State& state)
{
    const qlonglong before = fixture().number("SELECT count(*) FROM PARCELAS");
    static qlonglong next = 0;
    long i = 0;
    for (auto _ : state) {
        state.PauseTiming();
        showNumber(fixture().sample(i).number);
        setBox("Text1", QString::number(fixture().documents + 500000 + next++));
        setBox("Combo2", QStringLiteral("ENDOSSO"));
        setBox("Text2", QString());
        fillPanel(1, QStringLiteral("12"));
        ++i;
        state.ResumeTiming();
        click("Command3D17");
    }
    state.counters["rows"] = double(fixture().number("SELECT count(*) FROM PARCELAS") - before) / double(i);
}

void finishNew_raw(benchmark::State& state)
{
    sqlite3_stmt* insert = prepare("INSERT INTO PARCELAS (PROPOSTA, NUMERO, DV1, VV1, VP1, VR1, VCA, P1, P2, P3, P4,"
                                   " P5, R1, R2, R3, R4, R5, VALOR, FILIAL, CA) VALUES (?1, ?2, ?3, ?4, 0, ?5, ?6, '7',"
                                   " '8', '', '', '', ?7, ?8, 0, 0, 0, 100, 1, 'N')");
    static qlonglong next = 0;
    for (auto _ : state) {
        const qlonglong n = fixture().documents + 900000 + next++;
        exec("BEGIN");
        for (int k = 1; k <= 12; ++k) {
            sqlite3_bind_int64(insert, 1, n);
            sqlite3_bind_int(insert, 2, k);
            bindText(insert, 3, QDate(2025, 3, 10).addMonths(k - 1).toString(Qt::ISODate));
            sqlite3_bind_double(insert, 4, k == 1 ? 1000 : 0);
            sqlite3_bind_double(insert, 5, k <= 4 ? 120 : 0);
            if (k == 1)
                sqlite3_bind_double(insert, 6, 30);
            else
                sqlite3_bind_null(insert, 6);
            sqlite3_bind_double(insert, 7, k <= 4 ? 90 : 0);
            sqlite3_bind_double(insert, 8, k <= 4 ? 30 : 0);
            sqlite3_step(insert);
            sqlite3_reset(insert);
        }
        exec("COMMIT");
    }
    sqlite3_finalize(insert);
}

// A stored car policy with twelve rows shown, the panel typed and the step
// clicked: the count changed (series computed for another document first), or
// the same count with two instalments received (the update in place).
void finishStored(benchmark::State& state, bool sameCount)
{
    const std::vector<qlonglong>& numbers = fixture().carsForUs;
    long i = 0;
    for (auto _ : state) {
        state.PauseTiming();
        // The deletions take these documents from the front.
        showNumber(numbers.at(numbers.size() - 1 - size_t(i % 10)));
        ++i;
        documents::Form14& form = documentWindow();
        const int loaded = form.values().LoadedInstalmentCount;
        fillPanel(0, QString::number(sameCount ? loaded : loaded == 6 ? 5 : 6));
        setCheck5();
        form.values().Instalments.SeriesDocumentNumber = 0;
        form.values().Instalments.ReceivedInstalmentCount = sameCount ? 2 : 0;
        form.values().Instalments.PaidPassOnCount = 0;
        state.ResumeTiming();
        click("Command3D17");
    }
}

void rewrite_ours(benchmark::State& state) { finishStored(state, false); }
void update_ours(benchmark::State& state) { finishStored(state, true); }

// The document's first twelve rows found by its number and rewritten by row id.
void storedRaw(benchmark::State& state)
{
    sqlite3_stmt* find = preparePlanned("instalments of a document",
                                        "SELECT rowid FROM PARCELAS WHERE PROPOSTA = ?1 ORDER BY rowid LIMIT 12");
    sqlite3_stmt* update = prepare("UPDATE PARCELAS SET DV1 = ?2, VV1 = ?3, VR1 = ?4, P1 = '7', P2 = '8', P3 = '',"
                                   " P4 = '', P5 = '', R1 = ?5, R2 = ?6, R3 = 0, R4 = 0, R5 = 0, VALOR = 100"
                                   " WHERE rowid = ?1");
    const std::vector<qlonglong>& numbers = fixture().carsByHand;
    long i = 0;
    for (auto _ : state) {
        const qlonglong n = numbers.at(numbers.size() - 1 - size_t(i++ % 10));
        exec("BEGIN");
        sqlite3_bind_int64(find, 1, n);
        std::vector<sqlite3_int64> rows;
        while (sqlite3_step(find) == SQLITE_ROW)
            rows.push_back(sqlite3_column_int64(find, 0));
        sqlite3_reset(find);
        for (size_t k = 0; k < rows.size(); ++k) {
            sqlite3_bind_int64(update, 1, rows[k]);
            bindText(update, 2, QDate(2025, 3, 10).addMonths(int(k)).toString(Qt::ISODate));
            sqlite3_bind_double(update, 3, 1000.0 / 6);
            sqlite3_bind_double(update, 4, 80);
            sqlite3_bind_double(update, 5, 60);
            sqlite3_bind_double(update, 6, 20);
            sqlite3_step(update);
            sqlite3_reset(update);
        }
        exec("COMMIT");
    }
    sqlite3_finalize(find);
    sqlite3_finalize(update);
}

void rewrite_raw(benchmark::State& state) { storedRaw(state); }
void update_raw(benchmark::State& state) { storedRaw(state); }

// =====================================================================================
// Header look-ups
// =====================================================================================

// Leaving the policy number of a new policy with a number another policy holds.
void duplicate_ours(benchmark::State& state)
{
    // The check runs on a policy number typed over a shown proposal that had none.
    const auto policyType = [] {
        setBox("Combo2", QStringLiteral("APOLICE"));
        static_cast<documents::Form14&>(window()).values().ShownPolicyNumber = Variant(QStringLiteral(" "));
    };
    const int before = fixture().dialogs.boxes;
    const long left = leaveLoop(state, "duplicate", "Text2", [](long i) { return fixture().policy(i).policy; }, policyType);
    // Each check found its policy: one box per check.
    if (left > 0)
        state.counters["found"] = double(fixture().dialogs.boxes - before) / double(left);
}

void duplicate_raw(benchmark::State& state)
{
    sqlite3_stmt* q = preparePlanned(
        "duplicate", "SELECT * FROM DOCUMENTOS WHERE trim(APOLICE, ' ') = ?1 COLLATE VORNA_NOCASE AND TIPO = 'A'"
                     " ORDER BY rowid LIMIT 1");
    long i = 0, found = 0;
    for (auto _ : state) {
        bindText(q, 1, fixture().policy(i++).policy);
        found += readOne(q) ? 1 : 0;
    }
    sqlite3_finalize(q);
    state.counters["found"] = double(found) / double(i);
}

// Leaving the policy number of an endorsement: the policy's terms copied in.
void prefill_ours(benchmark::State& state)
{
    const auto endorsement = [] { setBox("Combo2", QStringLiteral("ENDOSSO")); };
    leaveLoop(state, "prefill", "Text2", [](long i) { return fixture().policy(i).policy; }, endorsement);
    state.counters["copied"] = box("Text9")->text().trimmed().isEmpty() ? 0 : 1;
}

void prefill_raw(benchmark::State& state)
{
    sqlite3_stmt* q = preparePlanned(
        "prefill", "SELECT * FROM DOCUMENTOS WHERE trim(APOLICE, ' ') = ?1 COLLATE VORNA_NOCASE ORDER BY rowid LIMIT 1");
    sqlite3_stmt* owner = prepare("SELECT * FROM PRODUTOR WHERE CODIGO = ?1 ORDER BY rowid LIMIT 1");
    long i = 0, found = 0;
    for (auto _ : state) {
        bindText(q, 1, fixture().policy(i++).policy);
        if (sqlite3_step(q) == SQLITE_ROW) {
            ++found;
            std::vector<QVariant> row = readRow(q);
            sqlite3_bind_int64(owner, 1, row[size_t(columnOf(q, "PROD1"))].toLongLong());
            readOne(owner);
            benchmark::DoNotOptimize(row);
        }
        sqlite3_reset(q);
    }
    sqlite3_finalize(owner);
    sqlite3_finalize(q);
    state.counters["found"] = double(found) / double(i);
}

// Leaving the number box: the document found and shown.
void finder_ours(benchmark::State& state)
{
    leaveLoop(state, "finder", "Text1", [](long i) { return QString::number(fixture().sample(i).number); });
}

void finder_raw(benchmark::State& state) { show_raw(state); }

// The client search beside the client's name: the names holding what is typed.
void clientSearch_ours(benchmark::State& state)
{
    window();
    auto* list = control<ui::ListBox>("List9");
    const auto type = [](long i) {
        click("Command3D1");
        control<ui::ListBox>("List9")->Clear();
        setBox("Combo5", fixture().clientNames[size_t(i) % fixture().clientNames.size()]);
    };
    recordPlans("clientSearch", [&] { type(0); click("Command5"); });
    long i = 0, lines = 0;
    for (auto _ : state) {
        state.PauseTiming();
        type(i++);
        state.ResumeTiming();
        click("Command5");
        lines += list->ListCount();
    }
    state.counters["lines"] = double(lines) / double(i);
}

void clientSearch_raw(benchmark::State& state)
{
    // No index holds the names: the whole table is read, as the window does.
    sqlite3_stmt* q =
        preparePlanned("clientSearch", "SELECT NOME, CODIGO FROM CLIENTES WHERE VORNA_LIKE(?1, NOME) ORDER BY rowid");
    long i = 0, lines = 0;
    for (auto _ : state) {
        bindText(q, 1, containsPattern(fixture().clientNames[size_t(i++) % fixture().clientNames.size()]));
        lines += readAll(q);
    }
    sqlite3_finalize(q);
    state.counters["lines"] = double(lines) / double(i);
}

// ---- leaving the line, insurer and producer code boxes ----------------------------------

void lineLeave_ours(benchmark::State& state)
{
    const int codes[] = {101, 311, 114, 105};
    leaveLoop(state, "lineLeave", "Text4", [&](long i) { return QString::number(codes[i % 4]); });
}

void insurerLeave_ours(benchmark::State& state)
{
    leaveLoop(state, "insurerLeave", "Text7", [](long i) { return QString::number(1 + i % 12); });
}

void producerLeave_ours(benchmark::State& state)
{
    leaveLoop(state, "producerLeave", "Text18", [](long i) { return QString::number(1 + (i * 37) % 200); });
}

void codeLoop(benchmark::State& state, const char* step, const char* sql, int modulo)
{
    sqlite3_stmt* q = preparePlanned(step, sql);
    long i = 0, found = 0;
    for (auto _ : state) {
        sqlite3_bind_int64(q, 1, 1 + (i++ * 37) % modulo);
        found += readOne(q) ? 1 : 0;
    }
    sqlite3_finalize(q);
    state.counters["found"] = double(found) / double(i);
}

void lineLeave_raw(benchmark::State& state)
{
    const int codes[] = {101, 311, 114, 105};
    sqlite3_stmt* q = preparePlanned("lineLeave", "SELECT * FROM RAMOS WHERE CODIGO = ?1");
    long i = 0;
    for (auto _ : state) {
        sqlite3_bind_int64(q, 1, codes[i++ % 4]);
        readOne(q);
    }
    sqlite3_finalize(q);
}
void insurerLeave_raw(benchmark::State& state)
{
    codeLoop(state, "insurerLeave", "SELECT * FROM CIAS WHERE CODIGO = ?1", 12);
}
void producerLeave_raw(benchmark::State& state)
{
    codeLoop(state, "producerLeave", "SELECT * FROM PRODUTOR WHERE CODIGO = ?1 ORDER BY rowid LIMIT 1", 200);
}

// =====================================================================================
// Searches and navigation
// =====================================================================================

// A piece of a policy number as a user types it: the digits after the insurer
// and line, which a few policies share.
QString policyPiece() { return fixture().policy(3).policy.mid(5, 5); }

const char* const GridColumns = "NOMCLIENTE, APOLICE, ENDOSSO, PROPOSTA, VIGENCIAINICIAL, VIGENCIAFINAL, VIGENTE,"
                                " TIPO, NOMRAMO, NOMSEGURADORA, ANEXO1";

template <class Type>
void gridLoop(benchmark::State& state, const char* step, Type type, const char* button)
{
    window();
    auto* grid = control<ui::FlexGrid>("MSFlexGrid1");
    recordPlans(step, [&] { click("Command3D1"); type(); click(button); });
    long rows = 0, i = 0;
    for (auto _ : state) {
        clearWindow(state);
        state.PauseTiming();
        type();
        state.ResumeTiming();
        click(button);
        rows += grid->Rows();
        ++i;
    }
    state.counters["rows"] = double(rows) / double(i);
}

// "Consultar" with a client name and no number: the client's documents, newest first.
void nameListing_ours(benchmark::State& state)
{
    gridLoop(state, "nameListing", [] { setBox("Combo5", QLatin1String(Surname)); }, "Command3D4");
}

// Every row of sql holding piece, read at each iteration; counted as rows.
void gridRawLoop(benchmark::State& state, const char* step, const std::string& sql, const QString& piece)
{
    sqlite3_stmt* q = preparePlanned(step, sql.c_str());
    bindText(q, 1, containsPattern(piece));
    long rows = 0;
    for (auto _ : state)
        rows = readAll(q);
    sqlite3_finalize(q);
    state.counters["rows"] = double(rows);
}

void nameListing_raw(benchmark::State& state)
{
    // From the newest row backwards, to the 700th match: a common name stops it early.
    gridRawLoop(state, "nameListing",
                std::string("SELECT ") + GridColumns +
                    ", PENDE, INTERNO FROM DOCUMENTOS WHERE VORNA_LIKE(?1, NOMCLIENTE) ORDER BY rowid DESC LIMIT 700",
                QLatin1String(Surname));
}

// The two grid searches by a piece of the policy number: policies only, and every type.
void policySearch_ours(benchmark::State& state)
{
    gridLoop(state, "policySearch", [] { setBox("Text2", policyPiece()); }, "Command3D18");
}

void anyTypeSearch_ours(benchmark::State& state)
{
    gridLoop(state, "anyTypeSearch", [] { setBox("Text2", policyPiece()); }, "Command3D27");
}

// The matching row ids from the narrow copy of the policy numbers, the rows in table order.
std::string policyPieceQuery(const char* more)
{
    return std::string("SELECT ") + GridColumns + " FROM DOCUMENTOS WHERE rowid IN (SELECT rowid FROM DOCUMENTOS"
           " INDEXED BY DOCUMENTOS_APOLICE WHERE VORNA_LIKE(?1, APOLICE))" + more + " ORDER BY rowid LIMIT 400";
}

void policySearch_raw(benchmark::State& state)
{
    gridRawLoop(state, "policySearch", policyPieceQuery(" AND TIPO = 'A'"), policyPiece());
}

void anyTypeSearch_raw(benchmark::State& state)
{
    gridRawLoop(state, "anyTypeSearch", policyPieceQuery(""), policyPiece());
}

// "Próximo" from a document in the middle of the table: the next one shown.
void next_ours(benchmark::State& state)
{
    window();
    showNumber(fixture().documents / 2);
    QLineEdit* number = box("Text1");
    const qlonglong before = number->text().toLongLong();
    recordPlans("next", [] { click("Command3D6"); });
    for (auto _ : state)
        click("Command3D6");
    state.counters["moved"] = double(number->text().toLongLong() - before);
}

void next_raw(benchmark::State& state)
{
    ShowByHand hand;
    sqlite3_stmt* q = preparePlanned("next", "SELECT * FROM DOCUMENTOS WHERE rowid > ?1 ORDER BY rowid LIMIT 1");
    qlonglong at = fixture().documents / 2;
    for (auto _ : state) {
        sqlite3_bind_int64(q, 1, at);
        if (sqlite3_step(q) == SQLITE_ROW) {
            at = sqlite3_column_int64(q, 0);
            hand.showCurrent(q);
        }
        sqlite3_reset(q);
    }
    sqlite3_finalize(q);
}

// "Limpar" over a shown document: the window emptied, its status colours undone.
void clear_ours(benchmark::State& state)
{
    window();
    long i = 0;
    for (auto _ : state) {
        state.PauseTiming();
        showNumber(fixture().sample(i++).number);
        state.ResumeTiming();
        click("Command3D1");
    }
}

// =====================================================================================
// The instalment recalculation chain and the regeneration of missing rows
// =====================================================================================

documents::Form14& documentWindow() { return static_cast<documents::Form14&>(window()); }

// The boxes the chain reads, for a document of number n (shown or not),
// filled outside the time measured.
void chainBoxes(qlonglong n)
{
    click("Command3D1");
    const std::pair<const char*, const char*> boxes[] = {
        {"Text4", "311"},         {"Text20", "12"},       {"Combo7", "PARCELADA"}, {"MaskEdBox5", "1200"},
        {"MaskEdBox6", "10"},     {"MaskEdBox8", "01/02/2025"}, {"MaskEdBox11", "120"},  {"MaskEdBox12", "10"},
        {"MaskEdBox13", "0"},     {"MaskEdBox14", "0"},   {"MaskEdBox15", "12"},   {"MaskEdBox16", "0"},
        {"MaskEdBox17", "0"},     {"MaskEdBox76", "0"},   {"MaskEdBox82", "0"},    {"MaskEdBox18", "12"}};
    for (const auto& [name, text] : boxes)
        setBox(name, QString::fromLatin1(text));
    setBox("Text1", QString::number(n));
}

// A stored document's twelve rows reloaded and spread; a number no document
// holds stands for a document without rows: the panel opened and filled from
// the line of business.
void chainLoop(benchmark::State& state, const char* step, bool stored)
{
    window();
    const auto number = [stored](long i) {
        return stored ? fixture().sample(i).number : fixture().documents + 1000 + i;
    };
    recordPlans(step, [&] { chainBoxes(number(0)); documentWindow().RecalculateInstalments(); });
    long i = 0, loaded = 0;
    for (auto _ : state) {
        state.PauseTiming();
        chainBoxes(number(++i));
        state.ResumeTiming();
        documentWindow().RecalculateInstalments();
        loaded += documentWindow().values().Instalments.CurrentInstalmentNumber;
    }
    state.counters["instalmentNumber"] = double(loaded) / double(i);
}

void chainStored_ours(benchmark::State& state) { chainLoop(state, "chain stored", true); }
void chainNew_ours(benchmark::State& state) { chainLoop(state, "chain new", false); }

// The same reads by hand: the document's rows in table order, or, with none,
// the line's twelve percentages.
void chainLoopRaw(benchmark::State& state, bool stored)
{
    sqlite3_stmt* rows = preparePlanned(stored ? "chain stored" : "chain new",
                                        "SELECT * FROM PARCELAS WHERE PROPOSTA = ?1 ORDER BY rowid LIMIT 12");
    sqlite3_stmt* line = preparePlanned("chain line", "SELECT * FROM RAMOS WHERE CODIGO = 311 ORDER BY rowid LIMIT 1");
    long i = 0;
    for (auto _ : state) {
        sqlite3_bind_int64(rows, 1, stored ? fixture().sample(++i).number : fixture().documents + 1000 + ++i);
        if (readAll(rows) == 0)
            readOne(line);
        sqlite3_reset(rows);
    }
    sqlite3_finalize(rows);
    sqlite3_finalize(line);
}

void chainStored_raw(benchmark::State& state) { chainLoopRaw(state, true); }
void chainNew_raw(benchmark::State& state) { chainLoopRaw(state, false); }

// Instalments 7 to 12 of one car policy taken away outside the time measured,
// then added again from the header.
void dropLastSix(qlonglong n)
{
    exec(QStringLiteral("DELETE FROM PARCELAS WHERE PROPOSTA = %1 AND NUMERO > 6").arg(n).toUtf8().constData());
}

// The header amounts the rows are worked out from; the generated documents
// leave some producers' values Null, which the routine refuses.
qlonglong regenerated()
{
    const qlonglong n = fixture().carsForUs.back();
    exec(QStringLiteral("UPDATE DOCUMENTOS SET VCOMISSAO = coalesce(VCOMISSAO, 0), VREPASSE = coalesce(VREPASSE, 0),"
                        " PREMIOBRUTO = coalesce(PREMIOBRUTO, 0), VREP1 = coalesce(VREP1, 0),"
                        " VREP2 = coalesce(VREP2, 0), VREP3 = coalesce(VREP3, 0), VREP4 = coalesce(VREP4, 0),"
                        " VREP5 = coalesce(VREP5, 0), PARCELAS = coalesce(PARCELAS, 12) WHERE PROPOSTA = %1")
             .arg(n)
             .toUtf8()
             .constData());
    return n;
}

void regenerate_ours(benchmark::State& state)
{
    window();
    const qlonglong n = regenerated();
    const auto ready = [n] {
        dropLastSix(n);
        showNumber(n);
    };
    recordPlans("regenerate", [&] { ready(); documentWindow().RegenerateMissingInstalments(); });
    for (auto _ : state) {
        state.PauseTiming();
        ready();
        state.ResumeTiming();
        documentWindow().RegenerateMissingInstalments();
    }
    state.counters["rows"] =
        double(fixture().number(QStringLiteral("SELECT count(*) FROM PARCELAS WHERE PROPOSTA = %1").arg(n).toUtf8().constData()));
}

void regenerate_raw(benchmark::State& state)
{
    const qlonglong n = regenerated();
    sqlite3_stmt* header = prepare("SELECT * FROM DOCUMENTOS WHERE PROPOSTA = ?1");
    sqlite3_stmt* find = preparePlanned("regenerate", "SELECT rowid FROM PARCELAS WHERE PROPOSTA = ?1 AND NUMERO = ?2"
                                                      " ORDER BY rowid LIMIT 1");
    sqlite3_stmt* insert = prepare("INSERT INTO PARCELAS (FILIAL, PROPOSTA, NUMERO, DV1, DP1, DR1, VV1, VP1, VR1,"
                                   " P1, P2, P3, P4, P5, R1, R2, R3, R4, R5, VALOR)"
                                   " VALUES (1, ?1, ?2, 0, 0, 0, 1, 1, 1, '1', NULL, NULL, NULL, NULL,"
                                   " 1, 0, 0, 0, 0, 100)");
    for (auto _ : state) {
        state.PauseTiming();
        dropLastSix(n);
        state.ResumeTiming();
        sqlite3_bind_int64(header, 1, n);
        readOne(header);
        std::vector<int> missing;
        for (int k = 1; k <= 12; ++k) {
            sqlite3_bind_int64(find, 1, n);
            sqlite3_bind_int(find, 2, k);
            if (!readOne(find))
                missing.push_back(k);
        }
        exec("BEGIN IMMEDIATE");
        for (int k : missing) {
            sqlite3_bind_int64(insert, 1, n);
            sqlite3_bind_int(insert, 2, k);
            sqlite3_step(insert);
            sqlite3_reset(insert);
        }
        exec("COMMIT");
    }
    for (sqlite3_stmt* q : {header, find, insert})
        sqlite3_finalize(q);
}

// ---- the summary -------------------------------------------------------------------------

struct Step {
    const char* name;
    const char* what;
    double goal;
};
const Step Steps[] = {
    {"open", "open (load, lists)", 200},   {"show", "show by number", 200},
    {"save", "new-document save", 200},    {"delete", "deletion, 12 instalments", 200},
    {"archive", "archive, 12 instalments", 200},
    {"duplicate", "duplicate check", 50},  {"prefill", "endorsement prefill", 50},
    {"finder", "number finder", 50},       {"clientSearch", "client name search", 50},
    {"lineLeave", "line of business leave", 50}, {"insurerLeave", "insurer leave", 50},
    {"producerLeave", "producer leave", 50},     {"nameListing", "name listing", 50},
    {"policySearch", "policy search (A)", 50},   {"anyTypeSearch", "policy search (any)", 50},
    {"next", "next + show", 50},
    {"chainStored", "instalment chain, 12 rows", 100},
    {"chainNew", "instalment chain, no rows", 100},
    {"regenerate", "6 missing instalments", 100},
};

void printSummary(const std::map<std::string, double>& medians)
{
    std::printf("\n%-26s %10s %10s %8s  %s\n", "median (ms)", "window", "by hand", "ratio", "goal");
    for (const Step& step : Steps) {
        const auto ours = medians.find(std::string(step.name) + "_ours");
        const auto raw = medians.find(std::string(step.name) + "_raw");
        if (ours == medians.end() || raw == medians.end())
            continue;
        std::printf("%-26s %10.3f %10.3f %8.1f  %s (%.0f ms)\n", step.what, ours->second, raw->second,
                    raw->second > 0 ? ours->second / raw->second : 0.0, ours->second <= step.goal ? "met" : "NOT met",
                    step.goal);
    }
    if (const auto clear = medians.find("clear_ours"); clear != medians.end())
        std::printf("%-26s %10.3f %10s %8s  %s (1 ms)\n", "clear (\"Limpar\")", clear->second, "-", "-",
                    clear->second <= 1.0 ? "met" : "NOT met");
    std::printf("\npeak memory: %.1f MB before the window, %.1f MB after opening it and showing a document"
                " (goal 150 MB)\n",
                megabytes(fixture().peakBefore), megabytes(fixture().peakAfterShow));
    std::printf("\nwindow statements and their plans:\n");
    for (const auto& [step, stepPlans] : plans)
        for (const QString& plan : stepPlans)
            std::printf("  %-14s %s\n", step.c_str(), plan.toUtf8().constData());
    std::printf("\nby-hand plans:\n");
    for (const auto& [step, plan] : rawPlans)
        std::printf("  %-18s %s\n", step.c_str(), plan.toUtf8().constData());
    std::printf("policy piece searched: %s\n", policyPiece().toUtf8().constData());
    std::printf("boxes shown: %d%s%s\n", fixture().dialogs.boxes, fixture().dialogs.boxes ? ", the last: " : "",
                fixture().dialogs.lastText.toUtf8().constData());
}

}  // namespace

// The steps that leave a box first: they need the window active, which the
// platform stops giving it once it has been unloaded and shown again.
BENCHMARK(duplicate_ours)->Unit(benchmark::kMillisecond)->Iterations(20)->Repetitions(3);
BENCHMARK(duplicate_raw)->Unit(benchmark::kMillisecond)->Iterations(200)->Repetitions(3);
BENCHMARK(prefill_ours)->Unit(benchmark::kMillisecond)->Iterations(20)->Repetitions(3);
BENCHMARK(prefill_raw)->Unit(benchmark::kMillisecond)->Iterations(200)->Repetitions(3);
BENCHMARK(finder_ours)->Unit(benchmark::kMillisecond)->Iterations(20)->Repetitions(3);
BENCHMARK(finder_raw)->Unit(benchmark::kMillisecond)->Iterations(200)->Repetitions(3);
BENCHMARK(lineLeave_ours)->Unit(benchmark::kMillisecond)->Iterations(20)->Repetitions(3);
BENCHMARK(lineLeave_raw)->Unit(benchmark::kMillisecond)->Iterations(200)->Repetitions(3);
BENCHMARK(insurerLeave_ours)->Unit(benchmark::kMillisecond)->Iterations(20)->Repetitions(3);
BENCHMARK(insurerLeave_raw)->Unit(benchmark::kMillisecond)->Iterations(200)->Repetitions(3);
BENCHMARK(producerLeave_ours)->Unit(benchmark::kMillisecond)->Iterations(20)->Repetitions(3);
BENCHMARK(producerLeave_raw)->Unit(benchmark::kMillisecond)->Iterations(200)->Repetitions(3);
BENCHMARK(delete_ours)->Unit(benchmark::kMillisecond)->Iterations(5)->Repetitions(3);
BENCHMARK(delete_raw)->Unit(benchmark::kMillisecond)->Iterations(5)->Repetitions(3);
BENCHMARK(archive_ours)->Unit(benchmark::kMillisecond)->Iterations(5)->Repetitions(3);
BENCHMARK(archive_raw)->Unit(benchmark::kMillisecond)->Iterations(5)->Repetitions(3);
BENCHMARK(show_ours)->Unit(benchmark::kMillisecond)->Iterations(20)->Repetitions(3);
BENCHMARK(show_raw)->Unit(benchmark::kMillisecond)->Iterations(200)->Repetitions(3);
BENCHMARK(save_ours)->Unit(benchmark::kMillisecond)->Iterations(5)->Repetitions(3);
BENCHMARK(save_raw)->Unit(benchmark::kMillisecond)->Iterations(5)->Repetitions(3);
BENCHMARK(clientSearch_ours)->Unit(benchmark::kMillisecond)->Iterations(3)->Repetitions(3);
BENCHMARK(clientSearch_raw)->Unit(benchmark::kMillisecond)->Iterations(3)->Repetitions(3);
BENCHMARK(nameListing_ours)->Unit(benchmark::kMillisecond)->Iterations(3)->Repetitions(3);
BENCHMARK(nameListing_raw)->Unit(benchmark::kMillisecond)->Iterations(3)->Repetitions(3);
BENCHMARK(policySearch_ours)->Unit(benchmark::kMillisecond)->Iterations(3)->Repetitions(3);
BENCHMARK(policySearch_raw)->Unit(benchmark::kMillisecond)->Iterations(3)->Repetitions(3);
BENCHMARK(anyTypeSearch_ours)->Unit(benchmark::kMillisecond)->Iterations(3)->Repetitions(3);
BENCHMARK(anyTypeSearch_raw)->Unit(benchmark::kMillisecond)->Iterations(3)->Repetitions(3);
BENCHMARK(next_ours)->Unit(benchmark::kMillisecond)->Iterations(20)->Repetitions(3);
BENCHMARK(next_raw)->Unit(benchmark::kMillisecond)->Iterations(200)->Repetitions(3);
BENCHMARK(clear_ours)->Unit(benchmark::kMillisecond)->Iterations(20)->Repetitions(3);
BENCHMARK(chainStored_ours)->Unit(benchmark::kMillisecond)->Iterations(20)->Repetitions(3);
BENCHMARK(chainStored_raw)->Unit(benchmark::kMillisecond)->Iterations(200)->Repetitions(3);
BENCHMARK(chainNew_ours)->Unit(benchmark::kMillisecond)->Iterations(20)->Repetitions(3);
BENCHMARK(chainNew_raw)->Unit(benchmark::kMillisecond)->Iterations(200)->Repetitions(3);
BENCHMARK(regenerate_ours)->Unit(benchmark::kMillisecond)->Iterations(5)->Repetitions(3);
BENCHMARK(regenerate_raw)->Unit(benchmark::kMillisecond)->Iterations(5)->Repetitions(3);
BENCHMARK(finishNew_ours)->Unit(benchmark::kMillisecond)->Iterations(5)->Repetitions(3);
BENCHMARK(finishNew_raw)->Unit(benchmark::kMillisecond)->Iterations(5)->Repetitions(3);
BENCHMARK(rewrite_ours)->Unit(benchmark::kMillisecond)->Iterations(5)->Repetitions(3);
BENCHMARK(rewrite_raw)->Unit(benchmark::kMillisecond)->Iterations(5)->Repetitions(3);
BENCHMARK(update_ours)->Unit(benchmark::kMillisecond)->Iterations(5)->Repetitions(3);
BENCHMARK(update_raw)->Unit(benchmark::kMillisecond)->Iterations(5)->Repetitions(3);
BENCHMARK(open_ours)->Unit(benchmark::kMillisecond)->Iterations(3)->Repetitions(3);
BENCHMARK(open_raw)->Unit(benchmark::kMillisecond)->Iterations(3)->Repetitions(3);

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    Fixture fixture;
    theFixture = &fixture;
    // The peak of the opening and one show, before anything else has run.
    fixture.peakBefore = peakKilobytes();
    window();
    showNumber(fixture.sample(0).number);
    fixture.peakAfterShow = peakKilobytes();
    benchmark::AddCustomContext("documents", std::to_string(fixture.documents));
    return runWithMedians(printSummary);
}
