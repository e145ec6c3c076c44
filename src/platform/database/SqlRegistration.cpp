// What every connection to the program's files needs: the collation and the
// functions the schema's indexes and the engine's SQL name. The engine builds
// this file as it is; the loadable extension (tools/) builds the same file with
// VORNA_SQLITE_EXTENSION, calling SQLite through the host's routines, so the
// program and SQLite's own tools always compare texts alike.
#include "platform/database/TextRules.h"

#include "platform/runtime/RegionalText.h"

#ifdef VORNA_SQLITE_EXTENSION
#include <sqlite3ext.h>
SQLITE_EXTENSION_INIT3
#else
#include <sqlite3.h>
#endif

namespace vorna::db::text {

namespace {

int collate(void*, int aLen, const void* a, int bLen, const void* b) {
    return compareNoCase(static_cast<const char*>(a), aLen, static_cast<const char*>(b), bLen);
}

void deletePattern(void* p) { delete static_cast<LikePattern*>(p); }

// A number meets a pattern as the runtime writes it: 5 and not "5.0", 1,5 with
// the decimal comma. Other values as SQLite gives their text.
QByteArray valueText(sqlite3_value* v) {
    if (sqlite3_value_type(v) == SQLITE_FLOAT) return regional::generalNumber(sqlite3_value_double(v)).toUtf8();
    auto text = reinterpret_cast<const char*>(sqlite3_value_text(v));   // before the length: it converts
    return QByteArray::fromRawData(text, sqlite3_value_bytes(v));
}

void likeFunction(sqlite3_context* ctx, int, sqlite3_value** argv) {
    if (sqlite3_value_type(argv[0]) == SQLITE_NULL || sqlite3_value_type(argv[1]) == SQLITE_NULL) {
        sqlite3_result_null(ctx);
        return;
    }
    const QByteArray value = valueText(argv[1]);
    // The pattern is usually one bound value for the whole statement: compile once.
    auto* pattern = static_cast<LikePattern*>(sqlite3_get_auxdata(ctx, 0));
    if (!pattern) {
        auto text = reinterpret_cast<const char*>(sqlite3_value_text(argv[0]));
        pattern = new LikePattern(text, sqlite3_value_bytes(argv[0]));
        sqlite3_set_auxdata(ctx, 0, pattern, deletePattern);
        pattern = static_cast<LikePattern*>(sqlite3_get_auxdata(ctx, 0));
        if (!pattern) {   // SQLite could not keep it; match once without the cache
            LikePattern once(text, sqlite3_value_bytes(argv[0]));
            sqlite3_result_int(ctx, once.matches(value.constData(), int(value.size())) ? 1 : 0);
            return;
        }
    }
    sqlite3_result_int(ctx, pattern->matches(value.constData(), int(value.size())) ? 1 : 0);
}

}  // namespace

int registerOn(sqlite3* db) {
    int rc = sqlite3_create_collation_v2(db, CollationName, SQLITE_UTF8, nullptr, collate, nullptr);
    if (rc == SQLITE_OK)
        rc = sqlite3_create_function_v2(db, LikeFunctionName, 2, SQLITE_UTF8 | SQLITE_DETERMINISTIC, nullptr,
                                        likeFunction, nullptr, nullptr, nullptr);
    return rc;
}

}  // namespace vorna::db::text
