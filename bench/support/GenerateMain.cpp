// bench_generate [--fresh] [factor]: builds (or finds up to date) the large
// benchmark database and prints where it is, its row counts, size and the time
// taken. factor scales every count (default: VORNA_BENCH_SCALE, else 1);
// --fresh builds it again even when the kept file is up to date.
#include "support/LargeDatabase.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <exception>

int main(int argc, char** argv) {
    using namespace vorna::bench;
    bool fresh = false;
    const char* factor = nullptr;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--fresh") == 0) fresh = true;
        else if (!factor) factor = argv[i];
        else {
            std::fprintf(stderr, "usage: bench_generate [--fresh] [factor]\n");
            return 2;
        }
    }
    try {
        Scale scale = Scale::fromEnvironment();
        if (factor) {
            bool ok = false;
            const double f = QString::fromLocal8Bit(factor).toDouble(&ok);
            if (!ok || !(f > 0)) {
                std::fprintf(stderr, "bench_generate: not a positive factor: %s\n", factor);
                return 2;
            }
            scale = Scale::times(f);
        }
        if (fresh) {
            // Without its hash the kept file counts as out of date.
            const QString kept = largeDatabase(scale);
            QFile::remove(kept + QStringLiteral(".hash"));
        }
        const auto start = std::chrono::steady_clock::now();
        bool generated = false;
        const QString file = largeDatabaseIn(QStringLiteral(VORNA_SCHEMA_DIR), QStringLiteral(VORNA_BENCH_DATA_DIR),
                                             scale, &generated);
        const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        const TableCounts c = countRows(file);
        std::printf("%s\n", qPrintable(QDir::toNativeSeparators(file)));
        std::printf("%s in %.1f s, %.1f MB\n", generated ? "generated" : "up to date, found", seconds,
                    double(QFileInfo(file).size()) / (1024.0 * 1024.0));
        std::printf("CLIENTES   %10lld\nDOCUMENTOS %10lld\nPARCELAS   %10lld\nVIDASAU    %10lld\n"
                    "PROCEDE    %10lld\nPRODUTOR   %10lld\nCIAS       %10lld\nRAMOS      %10lld\n"
                    "SINISTRO   %10lld\nAUTOMOVEL  %10lld\nMULTIRISCO %10lld\nOUTROS     %10lld\n",
                    (long long)c.clients, (long long)c.documents, (long long)c.instalments,
                    (long long)c.participants, (long long)c.events, (long long)c.producers,
                    (long long)c.insurers, (long long)c.lines, (long long)c.claims, (long long)c.vehicles,
                    (long long)c.premises, (long long)c.otherItems);
        return 0;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "bench_generate: %s\n", e.what());
        return 1;
    }
}
