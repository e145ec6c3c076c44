#pragma once
// A main database shaped like a large brokerage's, built once from the schema
// steps and kept in the build folder for every benchmark to reuse:
//
//   CLIENTES    100,000 clients, persons and companies, with CPF/CNPJ (digits only,
//               valid check digits), addresses with postal codes, phones, producer
//   DOCUMENTOS  300,000 policies and endorsements of those clients
//   PARCELAS    twelve instalments per document (3.6 million rows)
//   VIDASAU     100,000 holders and dependants on the health policies
//   PROCEDE     500,000 reimbursement events of those participants
//   PRODUTOR, CIAS, RAMOS: the producers, insurers and lines the rows name
//   AUTOMOVEL   the vehicles of the car policies (two to six on a fleet)
//   MULTIRISCO, OUTROS: the premises of the home and business policies, the
//               object of the liability and transport ones
//   SINISTRO    claims on about one policy in twenty (more on cars)
//
// The data is deterministic (fixed seed). The file is rebuilt when a schema step,
// the generator or the scale changes; a benchmark that writes must work on a copy.
#include <QString>
#include <cstdint>

namespace vorna::bench {

struct Scale {
    int clients = 100000;
    int documents = 300000;       // each with 12 instalment rows
    int participants = 100000;
    int events = 500000;

    // Every count times factor (at least 1 row each).
    static Scale times(double factor);
    // VORNA_BENCH_SCALE (a factor such as 0.1) when set, else the full size.
    static Scale fromEnvironment();
    bool operator==(const Scale&) const = default;
};

struct TableCounts {
    std::int64_t clients = 0, documents = 0, instalments = 0, participants = 0, events = 0,
                 producers = 0, insurers = 0, lines = 0, claims = 0, vehicles = 0, premises = 0,
                 otherItems = 0;
};

// The path of the database for scale, in <build>/bench-data, generated first when
// missing or out of date. Safe to call from several processes at once: one
// generates, the others wait for it. Raises std::runtime_error on failure.
QString largeDatabase(const Scale& scale = Scale::fromEnvironment());

// The same with the folders given: the schema steps to build from and the folder
// that keeps the file with the hash of what it was built from beside it.
// generated, when given, tells whether this call built the file.
QString largeDatabaseIn(const QString& schemaDir, const QString& dataDir, const Scale& scale,
                        bool* generated = nullptr);

// Counts the rows of the generated tables of file.
TableCounts countRows(const QString& file);

}  // namespace vorna::bench
