// libvorna_sqlite: the engine's collation and functions for any SQLite
// connection, so the sqlite3 shell and other tools can check, compact and write
// the program's files:  sqlite3 -cmd '.load build/tools/libvorna_sqlite' VORNA.MDB
#include "platform/database/TextRules.h"

#include <sqlite3ext.h>
SQLITE_EXTENSION_INIT1

// SQLite derives this name from the file's name (libvorna_sqlite.so).
extern "C" __attribute__((visibility("default"))) int sqlite3_vornasqlite_init(
    sqlite3* db, char** errorMessage, const sqlite3_api_routines* api) {
    SQLITE_EXTENSION_INIT2(api);
    const int rc = vorna::db::text::registerOn(db);
    if (rc != SQLITE_OK && errorMessage)
        *errorMessage = sqlite3_mprintf("vorna_sqlite: %s", sqlite3_errstr(rc));
    return rc;
}
