#pragma once
#include "platform/database/Database.h"
#include "platform/database/Recordset.h"

#include <QStringList>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sqlite3.h>
#include <vector>

namespace vorna::db::testing {

// A database file in a fresh temporary folder, made with plain SQL, and a raw
// second connection standing for another workstation.
class EngineTest : public ::testing::Test {
protected:
    QString makeFile(const QString& name, const char* sql) {
        const QString path = dir_.filePath(name);
        sqlite3* db = nullptr;
        EXPECT_EQ(sqlite3_open(path.toUtf8().constData(), &db), SQLITE_OK);
        char* message = nullptr;
        const QByteArray script = QByteArray("BEGIN;") + sql + "\nCOMMIT;";
        EXPECT_EQ(sqlite3_exec(db, script.constData(), nullptr, nullptr, &message), SQLITE_OK)
            << (message ? message : "");
        sqlite3_free(message);
        sqlite3_close(db);
        return path;
    }

    // Another workstation: a plain SQLite connection to the same file.
    struct Other {
        sqlite3* db = nullptr;
        explicit Other(const QString& path) {
            sqlite3_open_v2(path.toUtf8().constData(), &db, SQLITE_OPEN_READWRITE, nullptr);
        }
        ~Other() { sqlite3_close(db); }
        void exec(const char* sql) {
            char* message = nullptr;
            const int rc = sqlite3_exec(db, sql, nullptr, nullptr, &message);
            EXPECT_EQ(rc, SQLITE_OK) << (message ? message : "");
            sqlite3_free(message);
        }
        QString text(const char* sql) {
            sqlite3_stmt* s = nullptr;
            sqlite3_prepare_v2(db, sql, -1, &s, nullptr);
            QString out = QStringLiteral("<no row>");
            if (sqlite3_step(s) == SQLITE_ROW)
                out = sqlite3_column_type(s, 0) == SQLITE_NULL
                          ? QStringLiteral("<null>")
                          : QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(s, 0)));
            sqlite3_finalize(s);
            return out;
        }
        long long number(const char* sql) { return text(sql).toLongLong(); }
    };

    QTemporaryDir dir_;
};

// Runs the statement and returns the engine error number it raised (0 for none).
template <typename Fn>
int errorOf(Fn&& fn) {
    try {
        fn();
    } catch (const EngineError& e) {
        return e.number();
    }
    return 0;
}

// A trace callback keeping each statement run in the QStringList given as context:
// sqlite3_trace_v2(db, SQLITE_TRACE_STMT, traceInto, &list).
inline int traceInto(unsigned, void* list, void* stmt, void*) {
    if (const char* sql = sqlite3_sql(static_cast<sqlite3_stmt*>(stmt)))
        static_cast<QStringList*>(list)->append(QString::fromUtf8(sql));
    return 0;
}

// What EXPLAIN QUERY PLAN says of the statement, its lines run together.
inline QString queryPlan(sqlite3* db, const QString& sql) {
    sqlite3_stmt* explain = nullptr;
    if (sqlite3_prepare_v2(db, ("EXPLAIN QUERY PLAN " + sql).toUtf8().constData(), -1, &explain, nullptr) != SQLITE_OK)
        return QStringLiteral("<unprepared>");
    QString plan;
    while (sqlite3_step(explain) == SQLITE_ROW)
        plan += QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(explain, 3)));
    sqlite3_finalize(explain);
    return plan;
}

// The ID fields met by FindFirst/FindNext, then by FindLast/FindPrevious, a 0 after each.
inline std::vector<int> findBothWays(Recordset& rs, const QString& criteria) {
    std::vector<int> ids;
    for (bool forward : {true, false}) {
        forward ? rs.FindFirst(criteria) : rs.FindLast(criteria);
        while (!rs.NoMatch()) {
            ids.push_back(rs.field("ID").toLong());
            forward ? rs.FindNext(criteria) : rs.FindPrevious(criteria);
        }
        ids.push_back(0);
    }
    return ids;
}

}  // namespace vorna::db::testing
