#pragma once
#include <QByteArray>
#include <QString>

struct sqlite3;

// A database file opened by the tools' routines (schema steps, check, compact)
// outside the engine's shared connection, with the engine's collation and
// functions registered.
namespace vorna::db {

struct SqliteFile {
    sqlite3* db = nullptr;
    SqliteFile() = default;
    SqliteFile(SqliteFile&& other) noexcept : db(other.db) { other.db = nullptr; }
    SqliteFile(const SqliteFile&) = delete;
    SqliteFile& operator=(const SqliteFile&) = delete;
    ~SqliteFile();

    // Opens read-write (creating the file only when asked); raises EngineError.
    static SqliteFile open(const QString& file, bool create);
    // Runs SQL without results; a failure raises EngineError with `where` and SQLite's words.
    void exec(const QByteArray& sql, const QString& where) const;
};

// SQLite's failure as an EngineError, its text led by `where`.
[[noreturn]] void raiseSqliteAt(sqlite3* db, int rc, const QString& where);

// Copies the open file whole to "<dbFile><suffix>" (or "<dbFile><suffix>-2", ...
// when taken) through SQLite's backup interface, which gives a consistent image
// even while others use the file. Returns the copy's name; raises EngineError
// and leaves no partial copy when it fails.
QString copyAside(sqlite3* db, const QString& dbFile, const QString& suffix);

// Copies the main database of `from` over that of `to` through SQLite's backup
// interface, waiting while another connection holds a lock. Returns SQLite's
// final code: SQLITE_DONE when the copy is whole.
int backupWhole(sqlite3* from, sqlite3* to);

}  // namespace vorna::db
