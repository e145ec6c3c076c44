// vorna-schema <stepsDir> <dbFile>: creates the database file from the numbered
// steps of stepsDir, or brings it up to date after copying it aside.
#include "platform/database/SchemaSteps.h"
#include "platform/runtime/EngineError.h"

#include <QString>
#include <cstdio>

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: vorna-schema <stepsDir> <dbFile>\n");
        return 2;
    }
    const QString dir = QString::fromLocal8Bit(argv[1]);
    const QString file = QString::fromLocal8Bit(argv[2]);
    try {
        const int version = vorna::db::applySchemaSteps(dir, file, true);
        std::printf("%s: step %d\n", argv[2], version);
        return 0;
    } catch (const vorna::EngineError& e) {
        std::fprintf(stderr, "vorna-schema: %s\n", e.what());
        return 1;
    }
}
