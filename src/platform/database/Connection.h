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

    // The table's description, read once (any letter case); 3078 when unknown.
    std::shared_ptr<const TableInfo> table(const QString& name);
    // Runs a statement without results (BEGIN, COMMIT, ...).
    void execute(const QByteArray& sql);

    // Scopes of work, innermost last: the outermost is a transaction begun at
    // once with the write lock (BEGIN IMMEDIATE, 3260 when another workstation
    // keeps it past the wait), each inner one a savepoint. beginScope returns
    // the new scope's level (1 for the outermost); a scope ends by commitScope
    // or rollbackScope of its level, and an outer scope ending first ends the
    // inner ones with it.
    int beginScope();
    // Raises when the commit fails; the scope has ended (rolled back) then too.
    // Committing a scope with an inner one still open rolls both back and raises.
    void commitScope(int level);
    void rollbackScope(int level) noexcept;
    // Runs fn as one write: a transaction of its own, or a savepoint inside an
    // open scope. A failure undoes the write and rethrows; a lock or a disk
    // failure inside an open scope rolls back the whole transaction, and every
    // later write and commit of its scopes raises the same number until the
    // outermost one ends, so no part of it can be stored later.
    template <typename Fn>
    void inWriteTransaction(Fn&& fn);
    // Counts the rollbacks of scopes that may have undone writes reported as
    // done: whoever keeps rows it wrote can tell when to check them again.
    quint64 rollbacks() const { return rollbacks_; }

private:
    friend class Statement;
    struct Cached {
        sqlite3_stmt* stmt = nullptr;
        bool inUse = false;
        quint64 lastUse = 0;
    };
    // A prepared statement for one use: the cached one for this text when it
    // is free, otherwise a new one that the Statement finalizes (cached is null).
    sqlite3_stmt* acquire(const QByteArray& sql, Cached*& cached);
    void release(sqlite3_stmt* s, Cached* cached) noexcept;
    void evictIdle();

    void failScope(int level, int number) noexcept;
    void abandon(int number) noexcept;
    void rollbackQuietly() noexcept;

    static constexpr size_t MaxStatements = 256;
    std::unordered_map<std::string, Cached> statements_;
    quint64 uses_ = 0;
    QHash<QString, std::shared_ptr<const TableInfo>> tables_;

    int depth_ = 0;        // scopes open
    int abandoned_ = 0;    // the number that rolled back the open scopes' transaction
    quint64 rollbacks_ = 0;
};

// One use of a prepared statement: binds, steps, reads columns, and resets it
// when it goes out of scope, so no read stays open between calls. The statement
// is its own while it lives: others prepared meanwhile never disturb it.
class Statement {
public:
    Statement(Database::Connection& c, const QByteArray& sql)
        : conn_(c), db_(c.db), s_(c.acquire(sql, cached_)) {}
    ~Statement() { conn_.release(s_, cached_); }
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    void bind(int index, const SqlValue& v);
    void bind(int index, qint64 v) { sqlite3_bind_int64(s_, index, v); }
    // True when a row is there to read; raises on failure.
    bool step();
    sqlite3_stmt* get() const { return s_; }

private:
    Database::Connection& conn_;
    sqlite3* db_;
    Database::Connection::Cached* cached_ = nullptr;
    sqlite3_stmt* s_;
};

template <typename Fn>
void Database::Connection::inWriteTransaction(Fn&& fn) {
    const int level = beginScope();
    try {
        fn();
    } catch (const EngineError& e) {
        failScope(level, e.number());
        throw;
    } catch (...) {
        failScope(level, 0);
        throw;
    }
    commitScope(level);
}

}  // namespace vorna::db
