#pragma once
#include "platform/database/Database.h"
#include "platform/database/TableInfo.h"

#include <QByteArray>
#include <QHash>
#include <sqlite3.h>
#include <memory>
#include <string>
#include <unordered_map>
#include <variant>

// The engine's inside: the connection with its prepared statements and table
// descriptions, the values bound to SQL, and SQLite's failures in the engine's
// numbering.
namespace vorna::db {

// Engine numbers that only the engine itself raises.
namespace err2 {
inline constexpr int DiskFull = 3026;
inline constexpr int ReadOnly = 3027;
inline constexpr int DiskReadError = 3040;
inline constexpr int DiskError = 3043;
inline constexpr int NotADatabase = 3049;
inline constexpr int UnknownName = 3070;
inline constexpr int NullNotAllowed = 3314;
inline constexpr int RuleViolated = 3317;
inline constexpr int CriteriaTypeMismatch = 3464;
}  // namespace err2

// A value ready to bind: Null, a whole number, a double or UTF-8 text.
using SqlValue = std::variant<std::monostate, qint64, double, QByteArray>;

[[noreturn]] void raise(int number, const QString& detail = QString());
// SQLite's result code in the engine's numbering (busy → 3260, unique → 3022, ...).
[[noreturn]] void raiseSqlite(sqlite3* db, int rc);

struct Database::Connection {
    sqlite3* db = nullptr;
    QString path;

    explicit Connection(sqlite3* handle, QString filePath);
    ~Connection();
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    // A prepared statement kept for reuse; callers reset it through Statement.
    sqlite3_stmt* prepared(const QByteArray& sql);
    // The table's description, read once (any letter case); 3078 when unknown.
    std::shared_ptr<const TableInfo> table(const QString& name);
    // Runs a statement without results (BEGIN, COMMIT, ...).
    void execute(const QByteArray& sql);
    // Runs fn inside BEGIN IMMEDIATE ... COMMIT; any failure rolls back and rethrows.
    template <typename Fn>
    void inWriteTransaction(Fn&& fn);

private:
    static constexpr size_t MaxStatements = 256;
    void rollbackQuietly();
    std::unordered_map<std::string, sqlite3_stmt*> statements_;
    QHash<QString, std::shared_ptr<const TableInfo>> tables_;
};

// One use of a prepared statement: binds, steps, reads columns, and resets it
// when it goes out of scope, so no read stays open between calls.
class Statement {
public:
    Statement(Database::Connection& c, const QByteArray& sql)
        : db_(c.db), s_(c.prepared(sql)) {}
    ~Statement() {
        sqlite3_reset(s_);
        sqlite3_clear_bindings(s_);
    }
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    void bind(int index, const SqlValue& v);
    void bind(int index, qint64 v) { sqlite3_bind_int64(s_, index, v); }
    // True when a row is there to read; raises on failure.
    bool step();
    sqlite3_stmt* get() const { return s_; }

private:
    sqlite3* db_;
    sqlite3_stmt* s_;
};

template <typename Fn>
void Database::Connection::inWriteTransaction(Fn&& fn) {
    execute("BEGIN IMMEDIATE");
    try {
        fn();
        execute("COMMIT");
    } catch (...) {
        rollbackQuietly();
        throw;
    }
}

}  // namespace vorna::db
