#include "support/LargeDatabase.h"

#include "platform/database/SchemaSteps.h"
#include "platform/database/TextRules.h"
#include "support/BrazilianData.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <sqlite3.h>

#include <algorithm>
#include <cmath>
#include <optional>
#include <stdexcept>
#include <utility>

#ifndef VORNA_SCHEMA_DIR
#error "VORNA_SCHEMA_DIR must name the folder of the main database's schema steps"
#endif
#ifndef VORNA_BENCH_DATA_DIR
#error "VORNA_BENCH_DATA_DIR must name the folder that keeps generated databases"
#endif

namespace vorna::bench {

namespace {

// Raise it whenever the generated rows change, so that kept files are rebuilt.
constexpr int GeneratorVersion = 3;
constexpr std::uint64_t Seed = 20250630;
constexpr int InstalmentsPerDocument = 12;
// Participant CPFs are drawn after the clients' serials.
constexpr std::int64_t ParticipantCpfSerials = SerialLimit / 2;

// "Today" of the generated data: dates before it are in the past (paid
// instalments, finished events), whatever day the benchmark runs.
const QDate Today(2025, 6, 30);

[[noreturn]] void fail(sqlite3* db, const std::string& what) {
    throw std::runtime_error(what + ": " + (db ? sqlite3_errmsg(db) : "out of memory"));
}

void exec(sqlite3* db, const std::string& sql) {
    char* message = nullptr;
    if (sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &message) != SQLITE_OK) {
        const std::string text = message ? message : sqlite3_errmsg(db);
        sqlite3_free(message);
        throw std::runtime_error(sql.substr(0, 60) + ": " + text);
    }
}

struct Handle {
    sqlite3* db = nullptr;
    Handle(const QString& file, int flags) {
        if (sqlite3_open_v2(file.toUtf8().constData(), &db, flags, nullptr) != SQLITE_OK)
            fail(db, "open " + file.toStdString());
        // Indexes of the schema may be declared with the engine's collation.
        db::text::registerOn(db);
    }
    ~Handle() { sqlite3_close_v2(db); }
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;
};

// One prepared INSERT; values are bound in the order of the columns given, and
// run() refuses a row with a value missing or left over.
class Insert {
public:
    Insert(sqlite3* db, const char* table, std::initializer_list<const char*> columns)
        : db_(db), columns_(int(columns.size())) {
        std::string names, marks;
        for (const char* c : columns) {
            names += (names.empty() ? "\"" : ",\"") + std::string(c) + '"';
            marks += marks.empty() ? "?" : ",?";
        }
        sql_ = "INSERT INTO " + std::string(table) + " (" + names + ") VALUES (" + marks + ")";
        if (sqlite3_prepare_v2(db, sql_.c_str(), -1, &stmt_, nullptr) != SQLITE_OK) fail(db, sql_);
    }
    ~Insert() { sqlite3_finalize(stmt_); }
    Insert(const Insert&) = delete;
    Insert& operator=(const Insert&) = delete;

    Insert& text(const std::string& v) { return check(sqlite3_bind_text(stmt_, ++n_, v.data(), int(v.size()), SQLITE_TRANSIENT)); }
    Insert& text(const char* v) { return check(sqlite3_bind_text(stmt_, ++n_, v, -1, SQLITE_STATIC)); }
    Insert& integer(std::int64_t v) { return check(sqlite3_bind_int64(stmt_, ++n_, v)); }
    Insert& real(double v) { return check(sqlite3_bind_double(stmt_, ++n_, v)); }
    Insert& date(const QDate& d) { return d.isValid() ? text(storedDate(d)) : null(); }
    Insert& null() { return check(sqlite3_bind_null(stmt_, ++n_)); }
    Insert& textIf(bool present, const std::string& v) { return present ? text(v) : null(); }
    Insert& text(const std::optional<std::string>& v) { return v ? text(*v) : null(); }

    void run() {
        if (n_ != columns_) throw std::logic_error(sql_ + ": " + std::to_string(n_) + " values bound");
        if (sqlite3_step(stmt_) != SQLITE_DONE) fail(db_, sql_);
        sqlite3_reset(stmt_);
        n_ = 0;
    }

private:
    Insert& check(int rc) {
        if (rc != SQLITE_OK) fail(db_, sql_);
        return *this;
    }
    sqlite3* db_;
    sqlite3_stmt* stmt_ = nullptr;
    std::string sql_;
    int columns_;
    int n_ = 0;
};

double cents(double v) { return std::round(v * 100.0) / 100.0; }

struct Line {
    int code;
    const char* name;
    bool health;
    double commission;   // % of the net premium
    double weight;
};

// Health lines first: the brokerage mostly administers group health plans.
const std::vector<Line> Lines = {
    {101, "SAÚDE EMPRESARIAL", true, 4.0, 30},      {102, "SAÚDE PME", true, 5.0, 20},
    {103, "SAÚDE POR ADESÃO", true, 5.0, 8},        {104, "ODONTOLÓGICO EMPRESARIAL", true, 10.0, 10},
    {105, "VIDA EM GRUPO", false, 20.0, 8},          {106, "ACIDENTES PESSOAIS COLETIVO", false, 25.0, 3},
    {114, "RESIDENCIAL", false, 25.0, 4},            {118, "EMPRESARIAL", false, 20.0, 4},
    {167, "RESPONSABILIDADE CIVIL", false, 15.0, 2}, {171, "TRANSPORTES", false, 12.0, 2},
    {311, "AUTOMÓVEL", false, 15.0, 6},              {312, "AUTOMÓVEL FROTA", false, 12.0, 2},
    {313, "MOTOCICLETA", false, 15.0, 1}};

const std::vector<const char*> InsurerNames = {
    "AURORA SEGUROS S/A", "HORIZONTE SAÚDE", "SERRA AZUL SEGUROS", "PLANALTO SAÚDE",
    "VALE VERDE SEGUROS", "MARÉ ALTA SEGUROS", "RIO CLARO SAÚDE", "TERRA FIRME SEGUROS",
    "ESTRELA GUIA SAÚDE", "COSTA DOURADA SEGUROS", "CAMPOS GERAIS SAÚDE", "PEDRA BRANCA SEGUROS"};

const std::vector<std::string> Occupations = {
    "ADMINISTRADOR", "ADVOGADO", "ARQUITETO", "COMERCIANTE", "CONTADOR", "DENTISTA",
    "ENGENHEIRO", "EMPRESÁRIO", "MÉDICO", "PROFESSOR", "SERVIDOR PÚBLICO", "VENDEDOR",
    "APOSENTADO", "ANALISTA DE SISTEMAS", "ENFERMEIRO", "MOTORISTA"};

const std::vector<std::string> Banks = {"001", "033", "104", "237", "341", "748", "756"};

const std::vector<std::string> Pending = {
    "AGUARDANDO PROPOSTA ASSINADA", "FALTA DECLARAÇÃO DE SAÚDE", "AGUARDANDO VISTORIA",
    "FALTA COMPROVANTE DE ENDEREÇO", "AGUARDANDO BOLETO DA OPERADORA"};

struct EventKind {
    const char* type;
    std::vector<const char*> procedures;
    double low, high;   // receipt value
    int weight;
};

const std::vector<EventKind> EventKinds = {
    {"Consulta", {"CONSULTA CLÍNICA GERAL", "CONSULTA PEDIATRIA", "CONSULTA CARDIOLOGIA", "CONSULTA ORTOPEDIA",
                  "CONSULTA DERMATOLOGIA", "CONSULTA GINECOLOGIA", "CONSULTA OFTALMOLOGIA"}, 150, 600, 50},
    {"Exame", {"HEMOGRAMA COMPLETO", "RESSONÂNCIA MAGNÉTICA", "TOMOGRAFIA COMPUTADORIZADA",
               "ULTRASSONOGRAFIA ABDOMINAL", "RAIO-X DE TÓRAX", "ELETROCARDIOGRAMA"}, 40, 2500, 30},
    {"Cirurgia", {"APENDICECTOMIA", "CIRURGIA DE CATARATA", "ARTROSCOPIA DE JOELHO", "COLECISTECTOMIA"}, 3000, 40000, 5},
    {"Outros", {"FISIOTERAPIA - 10 SESSÕES", "PSICOTERAPIA - 4 SESSÕES", "FONOAUDIOLOGIA", "ACUPUNTURA"}, 200, 1800, 15}};

template <class T>
const T& weighted(Rng& rng, const std::vector<T>& items) {
    double total = 0;
    for (const T& i : items) total += i.weight;
    double x = rng.real(0, total);
    for (const T& i : items) {
        if (x < i.weight) return i;
        x -= i.weight;
    }
    return items.back();
}

// A text cut at a word boundary so that it holds at most width characters
// (bytes overcount accented letters, which only cuts earlier).
std::string fitted(const std::string& s, size_t width) {
    if (s.size() <= width) return s;
    const size_t space = s.rfind(' ', width);
    return s.substr(0, space == std::string::npos ? width : space);
}

class Generator {
public:
    Generator(sqlite3* db, const Scale& scale) : db_(db), scale_(scale), rng_(Seed), people_(rng_) {}

    void run() {
        step([this] { producers(); });
        step([this] { insurersAndLines(); });
        step([this] { clients(); });
        step([this] { documents(); });
        step([this] { participants(); });
        step([this] { events(); });
        step([this] { insuredItemsAndClaims(); });
    }

private:
    // Draws that depend on a first draw are made in statements of their own: the
    // order of evaluation inside one expression is the compiler's.
    template <class F>
    std::optional<std::string> maybe(double p, F make) {
        if (!rng_.chance(p)) return std::nullopt;
        return make();
    }

    std::string account() {
        const int number = rng_.between(10000, 999999);
        return std::to_string(number) + '-' + std::to_string(rng_.below(10));
    }

    template <class F>
    void step(F f) {
        exec(db_, "BEGIN");
        f();
        exec(db_, "COMMIT");
    }

    void producers() {
        const int count = std::max(3, scale_.clients / 500);
        Insert ins(db_, "PRODUTOR", {"CODIGO", "FILIAL", "NOME", "SENHA", "TELEFONE", "BANCO", "AGENCIA", "CONTA",
                                     "COMISSAO", "COMISSAONOVOS", "FIXO", "META", "POSICAO", "JUROS"});
        for (int code = 1; code <= count; ++code) {
            const City& city = people_.city();
            std::string user = "P";   // the identification of the user linked to it
            user += padded(code, 5);
            ins.integer(code).integer(1).text(fitted(people_.person().full(), 40)).text(user)
                .text(people_.landline(city)).text(rng_.pick(Banks)).text(padded(rng_.between(100, 9999), 4))
                .text(account())
                .real(rng_.between(10, 40)).real(rng_.between(20, 60)).real(0).real(rng_.between(10, 200) * 1000)
                .text(std::to_string(rng_.below(4))).text(rng_.chance(0.5) ? "C" : "S")
                .run();
        }
        producerCount_ = count;
    }

    void insurersAndLines() {
        Insert cias(db_, "CIAS", {"CODIGO", "NOME", "META", "CHEIA", "CONTATO", "TELEFONES", "SITES", "EMAIL"});
        for (size_t i = 0; i < InsurerNames.size(); ++i) {
            const std::string name = InsurerNames[i];
            const std::string domain = asciiLower(name.substr(0, name.find(' '))) + ".com.br";
            cias.integer(int(i) + 1).text(name).real(rng_.between(50, 500) * 10000.0).real(rng_.between(10, 25))
                .text(fitted(people_.person().full(), 50)).text(people_.landline(people_.city()))
                .text("www." + domain).text("corretor@" + domain)
                .run();
        }
        Insert ramos(db_, "RAMOS", {"CODIGO", "NOME", "COM1", "COM2", "COM3", "COM4", "COM5", "COM6", "COM7",
                                    "COM8", "COM9", "COM10", "COM11", "COM12"});
        for (const Line& l : Lines) {
            ramos.integer(l.code).text(l.name);
            // Health plans pay a large first commission and a small one after it.
            for (int k = 1; k <= 12; ++k) ramos.real(l.health ? (k == 1 ? 100.0 : l.commission) : l.commission);
            ramos.run();
        }
    }

    void clients() {
        Insert ins(db_, "CLIENTES", {
            "CODIGO", "NOME", "PESSOA", "CPF", "CADA", "PRODUTOR", "FILIAL",
            "END-RESIDENCIA", "BAIRRO", "CEP-RESIDENCIA", "CID-RESIDENCIA", "EST-RESIDENCIA",
            "END-COMERCIAL", "BAIRROCOM", "CEP-COMERCIAL", "CID-COMERCIAL", "EST-COMERCIAL",
            "TEL-RESIDENCIA", "TEL-COMERCIAL", "TEL-COMERCIAL2", "CELULAR", "EMAIL", "PAGINA",
            "NOME1", "CPF1", "PAR1", "CONTATO", "PROFISSAO", "SEXO", "CIVIL", "ANIV",
            "TARJA", "TIPRES", "TIPOETI", "MALAS", "VIP",
            "RESID", "VERAN", "VIAJAEX", "VIAJAES", "SEGRES", "SEGVID", "SEGSAU", "ROUBVEI", "ROUBRES",
            "ESPORTES", "FUMANTE", "FILHOS16",
            "RELCOD1", "RELCOD2", "RELCOD3", "RELCOD4", "RELCOD5",
            "RELNOM1", "RELNOM2", "RELNOM3", "RELNOM4", "RELNOM5",
            "RELCMP1", "RELCMP2", "RELCMP3", "RELCMP4", "RELCMP5"});
        clients_.reserve(size_t(scale_.clients));
        for (int i = 0; i < scale_.clients; ++i) {
            const bool company = rng_.chance(0.35);
            const City& city = people_.city();
            const int producer = rng_.between(1, producerCount_);
            const People::Person p = people_.person();
            const std::string name = company ? people_.company() : p.full();
            const std::string street = people_.street(), district = people_.district(), cep = people_.cep(city);
            const std::string email = people_.email(company ? std::string("contato ") + name : name, i);
            ins.integer(i + 1).text(name).text(company ? "J" : "F")
                .text(company ? cnpjFor(i) : cpfFor(i))
                .date(people_.dateBetween(QDate(2005, 1, 1), Today)).integer(producer).integer(1)
                .text(street).text(district).text(cep).text(city.name).text(city.state);
            if (company) {
                ins.text(street).text(district).text(cep).text(city.name).text(city.state)
                    .null().text(people_.landline(city)).text(maybe(0.3, [&] { return people_.landline(city); }))
                    .null().text(email).text(asciiLower(fitted(name, 20)) + ".com.br")
                    .text(p.full()).text(people_.landline(city)).text(people_.email(p.full(), i))
                    .text(fitted(p.full(), 30)).null().text("J").null()
                    .date(people_.dateBetween(QDate(1950, 1, 1), QDate(2020, 12, 31)));
            } else {
                ins.null().null().null().null().null()
                    .text(people_.landline(city)).null().null().text(people_.mobile(city))
                    .textIf(rng_.chance(0.6), email).null()
                    .null().null().null()
                    .null().text(rng_.pick(Occupations)).text(std::string(1, p.sex))
                    .text(std::string(1, "CDOSV"[rng_.below(5)]))
                    .date(people_.dateBetween(QDate(1940, 1, 1), QDate(2005, 12, 31)));
            }
            ins.text("N").text(company ? "" : (rng_.chance(0.5) ? "APTO" : "CASA")).text(company ? "C" : "R")
                .text(rng_.chance(0.9) ? "A" : "I").text(rng_.chance(0.05) ? "V" : " ");
            for (int f = 0; f < 12; ++f) ins.text(rng_.chance(0.3) ? "S" : "N");
            for (int r = 0; r < 5; ++r) ins.integer(0);
            for (int r = 0; r < 10; ++r) ins.text(" ");
            ins.run();
            clients_.push_back({name, producer});
        }
    }

    void documents() {
        Insert doc(db_, "DOCUMENTOS", {
            "PROPOSTA", "FILIAL", "TIPO", "VIGENTE", "APOLICE", "ENDOSSO", "NUMPROP", "MULTIPLA", "CARNET",
            "JUROS", "RATEIO", "CHAME", "CODCLIENTE", "NOMCLIENTE", "RAMO", "NOMRAMO", "SEGURADORA",
            "NOMSEGURADORA", "SOLICITACAO", "VIGENCIAINICIAL", "ANOPRODUCAO", "VIGENCIAFINAL", "EMISSAO",
            "PRODUCAO", "APORENOVA", "CIARENOVA", "NOMCIARENOVA", "ORIGINAL", "CD", "PENDE",
            "PREMIOLIQ", "ADICIONAL", "CUSTO", "IOF", "PREMIOBRUTO", "PARCELAS", "PCOMISSAO", "VCOMISSAO",
            "MOEDA", "COTACAO", "COMISSIONAMENTO", "PROD1", "PROD2", "PROD3", "PROD4", "PROD5",
            "PREP1", "VREP1", "VREPASSE", "TRANSMITIDO", "ATPOS", "CCO1", "CCO2", "CCO3"});
        Insert inst(db_, "PARCELAS", {
            "PROPOSTA", "NUMERO", "FILIAL", "DV1", "DP1", "VV1", "VP1", "VR1",
            "P1", "P2", "P3", "P4", "P5", "R1", "R2", "R3", "R4", "R5", "VCA", "VALOR", "CA"});

        docs_.reserve(size_t(scale_.documents));
        const QDate first(2014, 1, 1);
        const int span = int(first.daysTo(Today));
        for (int i = 0; i < scale_.documents; ++i) {
            const int number = i + 1;
            Doc d;
            int endorsementOf = -1;
            if (i > 10 && rng_.chance(0.2)) {
                endorsementOf = rng_.below(i);
                if (docs_[size_t(endorsementOf)].endorsements < 0) endorsementOf = -1;   // not a policy
            }
            QDate start;
            std::string endorsement = " ";
            if (endorsementOf >= 0) {
                Doc& policy = docs_[size_t(endorsementOf)];
                d = policy;
                d.endorsements = -1;
                endorsement = std::to_string(++policy.endorsements);
                start = std::min(QDate::fromJulianDay(policy.start).addMonths(rng_.between(1, 11)), Today);
            } else {
                d.client = rng_.below(scale_.clients);
                d.line = int(&weighted(rng_, Lines) - Lines.data());
                d.insurer = rng_.below(int(InsurerNames.size()));
                // Numbers follow the order of entry, so dates grow with them.
                start = first.addDays(std::clamp(int(std::int64_t(span) * i / scale_.documents) + rng_.between(-60, 60), 0, span));
                d.start = start.toJulianDay();
                d.policy = padded(d.insurer + 1, 2) + padded(Lines[size_t(d.line)].code, 3) + padded(number * 7 + rng_.below(7), 7);
            }
            const QDate end = QDate::fromJulianDay(d.start).addYears(1);
            const Line& line = Lines[size_t(d.line)];
            const Client& client = clients_[size_t(d.client)];
            const bool policy = endorsementOf < 0;

            char status = 'V';
            if (end < Today) status = "RRRRRNNNEI"[rng_.below(10)];
            else if (rng_.chance(0.1)) status = rng_.chance(0.7) ? 'E' : 'I';

            const double net = cents(std::exp(rng_.real(std::log(policy ? 400.0 : 50.0), std::log(policy ? 150000.0 : 8000.0))));
            const double interest = rng_.chance(0.2) ? cents(net * 0.02) : 0.0;
            const double cost = line.health ? 0.0 : double(rng_.between(40, 120));
            const double tax = cents((net + interest + cost) * (line.health ? 0.0238 : 0.0738));
            const double gross = net + interest + cost + tax;
            const int count = line.health ? 12 : rng_.between(1, 10);
            const double commission = line.commission + rng_.between(0, 4);
            const double commissionValue = cents(net * commission / 100.0);
            const double share = double(rng_.between(0, 8) * 5);
            const double passOn = cents(commissionValue * share / 100.0);
            const QDate request = start.addDays(-rng_.between(1, 20));
            const QDate issue = start.addDays(rng_.between(0, 25));

            doc.integer(number).integer(1).text(policy ? "A" : "E").text(std::string(1, status))
                .text(d.policy).text(endorsement).text(" ").text(policy && rng_.chance(0.3) ? "S" : "N")
                .text(std::string(1, "SSSNCD"[rng_.below(6)])).text("N").text("N").integer(0)
                .integer(d.client + 1).text(client.name).integer(line.code).text(line.name)
                .integer(d.insurer + 1).text(InsurerNames[size_t(d.insurer)])
                .date(request).date(start).integer(start.year()).date(end).date(issue).date(issue)
                .text(" ").text(" ").text(" ")
                .integer(policy ? 0 : endorsementOf + 1).text(policy ? std::string(" ") : std::to_string(endorsementOf + 1))
                .text(maybe(0.05, [&] { return rng_.pick(Pending); }))
                .real(net).real(interest).real(cost).real(tax).real(gross).integer(count)
                .real(commission).real(commissionValue).integer(1).real(1.0).integer(rng_.between(1, 4))
                .integer(client.producer).integer(0).integer(0).integer(0).integer(0)
                .real(share).real(passOn).real(passOn)
                .textIf(!policy, std::to_string(rng_.between(1, 9))).text(" ")
                .integer(0).integer(0).integer(0)
                .run();

            const std::string producer = std::to_string(client.producer);
            for (int k = 1; k <= InstalmentsPerDocument; ++k) {
                const bool due = k <= count;
                const QDate dueDate = due ? start.addMonths(k - 1) : QDate();
                const bool received = due && dueDate.addDays(30) < Today && !rng_.chance(0.03);
                const double expected = due ? cents(commissionValue / count) : 0.0;
                const double pass = due ? cents(passOn / count) : 0.0;
                inst.integer(number).integer(k).integer(1).date(dueDate)
                    .date(received ? dueDate.addDays(rng_.between(5, 40)) : QDate())
                    .real(expected).real(received ? expected : 0.0).real(pass)
                    .text(producer).text("0").text("0").text("0").text("0")
                    .real(pass).real(0).real(0).real(0).real(0);
                if (k == 1 && cost > 0) inst.real(cost * 0.2);
                else inst.null();
                inst.real(due ? cents(gross / count) : 0.0).text("N").run();
            }

            if (policy && line.health) healthPolicies_.push_back(i);
            docs_.push_back(std::move(d));
        }
    }

    void participants() {
        Insert ins(db_, "VIDASAU", {
            "CODIGO", "NOME", "CPF", "APOLICE", "ESTIPULANTE", "CODTIT", "NOMTIT", "CARTIT", "CARTAO",
            "SENHA", "ENDERECO", "BAIRRO", "CIDADE", "CEP", "TELEFONE1", "TELEFONE2", "EMAIL", "BANCO", "AGENCIA",
            "CONTA", "ANIV", "VALIDADE", "UF", "SITUACAO"});
        if (healthPolicies_.empty()) healthPolicies_.push_back(0);
        participants_.reserve(size_t(scale_.participants));
        struct Holder {
            People::Person person;
            int code;
            std::string card, street, district, cep;
            const City* city;
        };
        std::vector<Holder> holders;
        for (int i = 0; i < scale_.participants; ++i) {
            const int code = i + 1;
            // A holder comes with its dependants right after it, as a family is typed in.
            const bool holder = holders.empty() || rng_.chance(0.4);
            if (holder) {
                const int docIndex = healthPolicies_[size_t(rng_.below(int(healthPolicies_.size())))];
                const City& city = people_.city();
                holders.push_back({people_.person(), code, {}, people_.street(), people_.district(),
                                   people_.cep(city), &city});
                participants_.push_back({{}, {}, docIndex});
            } else {
                participants_.push_back({{}, {}, participants_[size_t(holders.back().code - 1)].doc});
            }
            Holder& h = holders.back();
            const People::Person p = holder ? h.person : people_.relative(h.person);
            Participant& part = participants_.back();
            const Doc& d = docs_[size_t(part.doc)];
            part.name = p.full();
            part.card = padded(d.insurer + 1, 3) + padded(std::int64_t(code) * 9973 % 10000000000000LL, 13);
            if (holder) h.card = part.card;
            const QDate end = QDate::fromJulianDay(d.start).addYears(1);

            ins.integer(code).text(part.name)
                .textIf(holder || rng_.chance(0.6), formattedCpf(cpfFor(ParticipantCpfSerials + i)))
                .text(d.policy).text(clients_[size_t(d.client)].name);
            if (holder) ins.null().null().null();
            else ins.text(std::to_string(h.code)).text(h.person.full()).text(h.card);
            // The operator's web password the participant was given with the card.
            ins.text(part.card).text(padded(rng_.between(0, 999999), 6)).text(h.street).text(h.district).text(h.city->name).text(h.cep)
                .text(people_.landline(*h.city)).text(maybe(0.3, [&] { return people_.mobile(*h.city); }))
                .textIf(holder, people_.email(part.name, code))
                .textIf(holder, rng_.pick(Banks)).textIf(holder, std::to_string(rng_.between(100, 9999)))
                .textIf(holder, account())
                .date(people_.dateBetween(QDate(1940, 1, 1), QDate(2024, 12, 31))).date(end)
                .text(h.city->state).text(holder ? "Titular" : "Dependente")
                .run();
        }
    }

    void events() {
        Insert ins(db_, "PROCEDE", {
            "CODIGO", "NOME", "CODVIDASAU", "CARTAO", "APOLICE", "ESTIPULANTE", "OPERADORA", "NOMOPERADORA",
            "PLANO", "NOMPLANO", "TIPEVENTO", "EVENTO", "DTEVENTO", "DTPROTOCOLO", "DTPAGTO", "VLRRECIBO",
            "VLRPAGTO", "OBS", "NEGADO"});
        for (int i = 0; i < scale_.events; ++i) {
            const int who = rng_.below(int(participants_.size()));
            const Participant& p = participants_[size_t(who)];
            const Doc& d = docs_[size_t(p.doc)];
            const Line& line = Lines[size_t(d.line)];
            const EventKind& kind = weighted(rng_, EventKinds);
            const QDate from = QDate::fromJulianDay(d.start);
            const QDate when = people_.dateBetween(from, std::min(from.addYears(1), Today));
            const QDate protocol = when.addDays(rng_.between(1, 30));
            const bool denied = rng_.chance(0.08);
            const bool paid = !denied && protocol.addDays(30) < Today;
            const double receipt = cents(rng_.real(kind.low, kind.high));
            ins.integer(i + 1).text(p.name).integer(who + 1).text(p.card).text(d.policy)
                .text(clients_[size_t(d.client)].name)
                .text(std::to_string(d.insurer + 1)).text(InsurerNames[size_t(d.insurer)])
                .text(std::to_string(line.code)).text(line.name)
                .text(kind.type).text(kind.procedures[size_t(rng_.below(int(kind.procedures.size())))])
                .date(when).date(protocol).date(paid ? protocol.addDays(rng_.between(5, 30)) : QDate())
                .real(receipt).real(paid ? cents(receipt * rng_.real(0.5, 1.0)) : 0.0)
                .textIf(denied || rng_.chance(0.05), denied ? "PROCEDIMENTO SEM COBERTURA CONTRATUAL" : "AGUARDANDO DOCUMENTAÇÃO")
                .text(denied ? "S" : "N")
                .run();
        }
    }

    // The vehicles, premises and other insured objects of the policies whose
    // lines keep them, and claims on a part of the policies. Drawn last, so the
    // rows generated before them stay as they were.
    void insuredItemsAndClaims() {
        Rng& rng = rng_;
        Insert car(db_, "AUTOMOVEL", {"PROPOSTA", "ITEM", "FILIAL", "INDICE", "PROPRIETARIO", "MARCA", "TIPO",
                                      "ANO", "MODELO", "PLACA", "CHASSIS", "COR", "COMB", "CONDUTOR", "ISCASCO",
                                      "ISDM", "ISDP", "EXCLUIDO"});
        Insert premises(db_, "MULTIRISCO", {"PROPOSTA", "ITEM", "FILIAL", "INDICE", "PROPRIETARIO", "LOCAL",
                                            "COB1", "COB2", "IS1", "IS2", "EXCLUIDO"});
        Insert other(db_, "OUTROS", {"PROPOSTA", "FILIAL", "TEXTO"});
        Insert claim(db_, "SINISTRO", {"PROCESSO", "APOLICE", "DATA_ENCERRAMENTO"});
        static const std::vector<std::string> Makes = {"FIAT", "VOLKSWAGEN", "CHEVROLET", "TOYOTA", "HYUNDAI",
                                                       "RENAULT", "HONDA", "JEEP"};
        static const std::vector<std::string> Colours = {"BRANCO", "PRETO", "PRATA", "CINZA", "VERMELHO", "AZUL"};
        static const std::vector<std::string> Fuels = {"FLEX", "GASOLINA", "DIESEL"};
        auto letters = [&rng](int n) {
            std::string s;
            for (int k = 0; k < n; ++k) s += char('A' + rng.below(26));
            return s;
        };
        int process = 0;
        for (size_t i = 0; i < docs_.size(); ++i) {
            const Doc& d = docs_[i];
            if (d.endorsements < 0) continue;   // items and claims hang on the policies
            const std::int64_t number = std::int64_t(i) + 1;
            const int code = Lines[size_t(d.line)].code;
            const std::string& owner = clients_[size_t(d.client)].name;
            const QDate start = QDate::fromJulianDay(d.start);
            if (code == 311 || code == 312 || code == 313) {
                const int vehicles = code == 312 ? rng.between(2, 6) : 1;
                for (int item = 1; item <= vehicles; ++item) {
                    const int year = std::max(1995, start.year() - rng.between(0, 12));
                    const std::string plate = letters(3) + std::to_string(rng.below(10)) + letters(1) +
                                              padded(rng.below(100), 2);
                    const std::string chassis = "9B" + letters(3) + padded(rng.below(1000000), 6) + letters(1) +
                                                padded(rng.below(1000000), 6);
                    car.integer(number).integer(item).integer(1).integer(item).text(fitted(owner, 50))
                        .text(rng.pick(Makes)).text(code == 313 ? "MOTOCICLETA" : "PASSEIO")
                        .text(std::to_string(year) + "/" + std::to_string(year + 1))
                        .text(code == 313 ? "CG 160" : "1.0 FLEX").text(plate).text(chassis)
                        .text(rng.pick(Colours)).text(rng.pick(Fuels)).text(fitted(owner, 50))
                        .real(double(rng.between(20, 180)) * 1000).real(100000).real(100000).text("N")
                        .run();
                }
            } else if (code == 114 || code == 118) {
                premises.integer(number).integer(1).integer(1).integer(1).text(fitted(owner, 50))
                    .text(people_.street())
                    .text("INCÊNDIO, RAIO E EXPLOSÃO").text(code == 114 ? "DANOS ELÉTRICOS" : "ROUBO")
                    .real(double(rng.between(100, 3000)) * 1000).real(double(rng.between(5, 50)) * 1000).text("N")
                    .run();
            } else if (code == 167 || code == 171) {
                other.integer(number).integer(1)
                    .text(code == 167 ? "RESPONSABILIDADE CIVIL GERAL - OPERAÇÕES DO SEGURADO"
                                      : "TRANSPORTE NACIONAL DE MERCADORIAS - EMBARQUES AVERBADOS")
                    .run();
            }
            // Cars claim more often than the other lines.
            if (rng.chance(code >= 311 ? 0.15 : 0.04)) {
                const QDate when = people_.dateBetween(start, std::min(start.addYears(1), Today));
                const QDate closed = when.addDays(rng.between(20, 240));
                claim.integer(++process).text(d.policy).date(closed < Today ? closed : QDate()).run();
            }
        }
    }

    struct Client {
        std::string name;
        int producer;
    };
    struct Doc {
        int client = 0, line = 0, insurer = 0;
        int endorsements = 0;   // -1 on an endorsement
        std::int64_t start = 0; // Julian day of the policy's start
        std::string policy;
    };
    struct Participant {
        std::string name, card;
        int doc;
    };

    sqlite3* db_;
    Scale scale_;
    Rng rng_;
    People people_;
    int producerCount_ = 0;
    std::vector<Client> clients_;
    std::vector<Doc> docs_;
    std::vector<int> healthPolicies_;
    std::vector<Participant> participants_;
};

// Fills a database file fresh from the schema steps. The indexes are dropped
// while the rows go in and built again afterwards: one sort is much quicker
// than millions of scattered inserts into them.
void fill(const QString& file, const Scale& scale) {
    Handle h(file, SQLITE_OPEN_READWRITE);
    exec(h.db, "PRAGMA synchronous=OFF; PRAGMA journal_mode=OFF; PRAGMA temp_store=MEMORY");
    std::vector<std::pair<std::string, std::string>> indexes;
    {
        sqlite3_stmt* s = nullptr;
        if (sqlite3_prepare_v2(h.db, "SELECT name, sql FROM sqlite_schema WHERE type = 'index' AND sql IS NOT NULL",
                               -1, &s, nullptr) != SQLITE_OK)
            fail(h.db, "reading the indexes");
        while (sqlite3_step(s) == SQLITE_ROW)
            indexes.emplace_back(reinterpret_cast<const char*>(sqlite3_column_text(s, 0)),
                                 reinterpret_cast<const char*>(sqlite3_column_text(s, 1)));
        sqlite3_finalize(s);
    }
    for (const auto& [name, sql] : indexes) exec(h.db, "DROP INDEX \"" + name + '"');
    Generator(h.db, scale).run();
    exec(h.db, "BEGIN");
    for (const auto& [name, sql] : indexes) exec(h.db, sql);
    exec(h.db, "COMMIT");
    // Back to the rollback journal every connection of the program expects.
    exec(h.db, "PRAGMA journal_mode=DELETE; PRAGMA synchronous=FULL");
}

QByteArray buildHash(const QString& schemaDir, const Scale& scale) {
    QCryptographicHash hash(QCryptographicHash::Sha256);
    hash.addData(QStringLiteral("generator %1 clients %2 documents %3 participants %4 events %5\n")
                     .arg(GeneratorVersion).arg(scale.clients).arg(scale.documents)
                     .arg(scale.participants).arg(scale.events).toUtf8());
    const QDir dir(schemaDir);
    const QStringList steps = dir.entryList({QStringLiteral("*.sql")}, QDir::Files, QDir::Name);
    if (steps.isEmpty()) throw std::runtime_error("no schema steps in " + schemaDir.toStdString());
    for (const QString& name : steps) {
        QFile f(dir.filePath(name));
        if (!f.open(QIODevice::ReadOnly)) throw std::runtime_error("cannot read " + f.fileName().toStdString());
        hash.addData(name.toUtf8());
        hash.addData(QByteArray(1, '\0'));
        hash.addData(f.readAll());
        hash.addData(QByteArray(1, '\0'));
    }
    return hash.result().toHex();
}

QString fileName(const Scale& scale) {
    if (scale == Scale()) return QStringLiteral("VORNA-large.MDB");
    return QStringLiteral("VORNA-large-%1-%2-%3-%4.MDB")
        .arg(scale.clients).arg(scale.documents).arg(scale.participants).arg(scale.events);
}

QByteArray readAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll().trimmed() : QByteArray();
}

}  // namespace

Scale Scale::times(double factor) {
    const Scale full;
    auto scaled = [factor](int n) { return std::max(1, int(std::lround(n * factor))); };
    Scale s{scaled(full.clients), scaled(full.documents), scaled(full.participants), scaled(full.events)};
    if (s.clients >= ParticipantCpfSerials || s.participants >= SerialLimit - ParticipantCpfSerials)
        throw std::out_of_range("scale too large for distinct CPF numbers");
    return s;
}

Scale Scale::fromEnvironment() {
    const QByteArray text = qgetenv("VORNA_BENCH_SCALE");
    if (text.isEmpty()) return Scale();
    bool ok = false;
    const double factor = text.toDouble(&ok);
    if (!ok || !(factor > 0)) throw std::invalid_argument("VORNA_BENCH_SCALE is not a positive number: " + text.toStdString());
    return times(factor);
}

QString largeDatabaseIn(const QString& schemaDir, const QString& dataDir, const Scale& scale, bool* generated) {
    if (generated) *generated = false;
    if (!QDir().mkpath(dataDir)) throw std::runtime_error("cannot create " + dataDir.toStdString());
    const QString file = QDir(dataDir).filePath(fileName(scale));
    const QString hashFile = file + QStringLiteral(".hash");
    const QByteArray wanted = buildHash(schemaDir, scale);

    QLockFile lock(file + QStringLiteral(".lock"));
    lock.setStaleLockTime(0);   // a generation may take minutes; a dead owner is still noticed
    if (!lock.lock()) throw std::runtime_error("cannot lock " + file.toStdString());
    if (QFileInfo::exists(file) && readAll(hashFile) == wanted) return file;

    const QString building = file + QStringLiteral(".building");
    QFile::remove(hashFile);
    QFile::remove(file);
    QFile::remove(building);
    try {
        db::applySchemaSteps(schemaDir, building, false);
        fill(building, scale);
    } catch (...) {
        QFile::remove(building);
        throw;
    }
    if (!QFile::rename(building, file)) throw std::runtime_error("cannot rename to " + file.toStdString());
    QFile out(hashFile);
    if (!out.open(QIODevice::WriteOnly) || out.write(wanted + '\n') < 0)
        throw std::runtime_error("cannot write " + hashFile.toStdString());
    if (generated) *generated = true;
    return file;
}

QString largeDatabase(const Scale& scale) {
    return largeDatabaseIn(QStringLiteral(VORNA_SCHEMA_DIR), QStringLiteral(VORNA_BENCH_DATA_DIR), scale);
}

TableCounts countRows(const QString& file) {
    Handle h(file, SQLITE_OPEN_READONLY);
    auto count = [&](const char* table) -> std::int64_t {
        sqlite3_stmt* s = nullptr;
        const std::string sql = std::string("SELECT count(*) FROM ") + table;
        if (sqlite3_prepare_v2(h.db, sql.c_str(), -1, &s, nullptr) != SQLITE_OK) fail(h.db, sql);
        const std::int64_t n = sqlite3_step(s) == SQLITE_ROW ? sqlite3_column_int64(s, 0) : -1;
        sqlite3_finalize(s);
        return n;
    };
    return {count("CLIENTES"), count("DOCUMENTOS"), count("PARCELAS"), count("VIDASAU"),
            count("PROCEDE"), count("PRODUTOR"), count("CIAS"), count("RAMOS"),
            count("SINISTRO"), count("AUTOMOVEL"), count("MULTIRISCO"), count("OUTROS")};
}

}  // namespace vorna::bench
