#pragma once
#include "platform/database/Database.h"
#include "platform/database/Recordset.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sqlite3.h>

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

}  // namespace vorna::db::testing
