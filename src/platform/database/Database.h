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
    // Throws EngineError 3024 when the file is missing; never creates a file.
    static Database open(const QString& path);

    bool isOpen() const { return bool(conn_); }
    // An updatable dynaset over every row of the table (any letter case).
    // Throws EngineError 3078 for an unknown table.
    Recordset openRecordset(const QString& table) const;

    // For the report engine and the schema steps: the raw connection.
    sqlite3* handle() const;
    QString path() const;

    struct Connection;

private:
    std::shared_ptr<Connection> conn_;
    friend class Recordset;
};

}  // namespace vorna::db
