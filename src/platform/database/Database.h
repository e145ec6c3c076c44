#pragma once
#include "platform/runtime/EngineError.h"
#include "platform/runtime/Variant.h"
#include <QString>
#include <memory>

struct sqlite3;

namespace vorna::db {

class Recordset;
struct TableInfo;

// A database file opened shared and read-write; several processes may hold it.
// Copies share one connection, which ends when the last copy goes.
class Database {
public:
    Database() = default;
    // Throws EngineError 3024 when the file is missing, 3027 when the file or its
    // folder cannot be written; never creates a file.
    static Database open(const QString& path);

    bool isOpen() const { return bool(conn_); }
    // An updatable dynaset over every row of the table (any letter case). A view
    // opens the same way, read-only; it gives each row's identity in a column
    // named rowid.
    // Throws EngineError 3078 for an unknown table.
    Recordset openRecordset(const QString& table) const;

    class Transaction;
    // Begins a transaction on this file's connection (see Transaction below).
    Transaction transaction() const;

    // For the report engine and the schema steps: the raw connection.
    sqlite3* handle() const;
    QString path() const;

    struct Connection;

private:
    std::shared_ptr<Connection> conn_;
    friend class Recordset;
};

// A routine that writes several rows stores all of them or none:
//
//     auto t = db.transaction();        // or: Database::Transaction t(db);
//     ... AddNew/Edit/Update/Delete on any recordset of db (or of a copy of db) ...
//     t.commit();
//
// Leaving the scope without commit() (a return, an exception) rolls back every
// write made since it began. The transaction takes the file's write lock at once
// and keeps it until it ends, so its reads see no other workstation's changes
// meanwhile and its writes cannot meet a lock; other workstations read the rows
// as they were before it until the commit. Beginning raises 3260 when another
// workstation keeps the lock past the engine's wait (about a second).
// A transaction begun inside another is a nested scope: its commit keeps its
// writes for the outer one to commit or roll back, its rollback undoes only its own.
// Each Update or Delete inside a scope is undone alone when it fails (3022, ...)
// and the scope goes on. A lock or disk failure met inside (a commit that
// another workstation's read keeps waiting past the wait raises 3260) rolls back
// the whole outermost transaction at once: every later write and commit until
// the outermost scope ends raises that number, so no half of it is ever stored.
// A scope is not copied or moved; inner scopes end before outer ones.
class Database::Transaction {
public:
    explicit Transaction(const Database& db);
    ~Transaction();
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;

    // Keeps the scope's writes (for the outermost: stores them). Raises on
    // failure, the scope being rolled back then; committing twice does nothing.
    void commit();
    // Undoes the scope's writes now; leaving the scope afterwards does nothing more.
    void rollback();

private:
    std::shared_ptr<Connection> conn_;
    int level_ = 0;
    bool ended_ = false;
};

}  // namespace vorna::db
