#include "platform/database/Connection.h"

namespace vorna::db {

Database::Transaction::Transaction(const Database& db) : conn_(db.conn_) {
    if (!conn_) raise(err::Reserved, QStringLiteral("database not open"));
    level_ = conn_->beginScope();
}

Database::Transaction::~Transaction() { rollback(); }

void Database::Transaction::commit() {
    if (ended_) return;
    ended_ = true;
    conn_->commitScope(level_);
}

void Database::Transaction::rollback() {
    if (ended_) return;
    ended_ = true;
    conn_->rollbackScope(level_);
}

}  // namespace vorna::db
