// vorna-schema <stepsDir> <dbFile>: creates the database file from the numbered
// steps of stepsDir, or brings it up to date after copying it aside.
// vorna-schema check <dbFile>: prints "ok" (status 0) or what is wrong (status 1).
// vorna-schema compact <dbFile>: compacts the file, copied aside first.
// check and compact are for a file that no workstation has open.
#include "platform/database/FileMaintenance.h"
#include "platform/database/SchemaSteps.h"
#include "platform/runtime/EngineError.h"

#include <QString>
#include <cstdio>
#include <cstring>

namespace {

int check(const QString& file) {
    const QStringList problems = vorna::db::checkFile(file);
    if (problems.isEmpty()) {
        std::printf("ok\n");
        return 0;
    }
    for (const QString& line : problems) std::printf("%s\n", line.toLocal8Bit().constData());
    return 1;
}

int compact(const QString& file) {
    vorna::db::compactFile(file);
    std::printf("ok\n");
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr,
                     "usage: vorna-schema <stepsDir> <dbFile>\n"
                     "       vorna-schema check <dbFile>\n"
                     "       vorna-schema compact <dbFile>\n");
        return 2;
    }
    const QString second = QString::fromLocal8Bit(argv[2]);
    try {
        if (std::strcmp(argv[1], "check") == 0) return check(second);
        if (std::strcmp(argv[1], "compact") == 0) return compact(second);
        const int version = vorna::db::applySchemaSteps(QString::fromLocal8Bit(argv[1]), second, true);
        std::printf("%s: step %d\n", argv[2], version);
        return 0;
    } catch (const vorna::EngineError& e) {
        std::fprintf(stderr, "vorna-schema: %s\n", e.what());
        return 1;
    }
}
