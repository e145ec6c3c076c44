#include "platform/database/Database.h"

#include "platform/database/Connection.h"
#include "platform/database/RecordsetImpl.h"
#include "platform/database/TextRules.h"

#include <QFileInfo>

namespace vorna::db {

namespace {
// How long a write waits for another workstation's lock before giving up with 3260.
constexpr int LockWaitMs = 1000;

// Asked of the connection's own file layer, which is what creates the journal.
bool folderWritable(sqlite3* handle, const QString& path) {
    sqlite3_vfs* vfs = nullptr;
    if (sqlite3_file_control(handle, "main", SQLITE_FCNTL_VFS_POINTER, &vfs) != SQLITE_OK || !vfs) return true;
    const QByteArray folder = QFileInfo(path).absolutePath().toUtf8();
    int writable = 1;
    if (vfs->xAccess(vfs, folder.constData(), SQLITE_ACCESS_READWRITE, &writable) != SQLITE_OK) return true;
    return writable != 0;
}
}  // namespace

Database Database::open(const QString& path) {
    if (!QFileInfo(path).isFile()) raise(err::FileNotFound, path);
    sqlite3* handle = nullptr;
    // Never SQLITE_OPEN_CREATE: a missing file is an error, not a new database.
    // The default rollback journal keeps the file safe to share between processes,
    // also on network shares where WAL's shared memory is not available.
    const int rc = sqlite3_open_v2(path.toUtf8().constData(), &handle,
                                   SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX, nullptr);
    if (rc != SQLITE_OK) {
        sqlite3_close_v2(handle);
        if ((rc & 0xFF) == SQLITE_CANTOPEN) raise(err::FileNotFound, path);
        raiseSqlite(nullptr, rc);
    }
    // SQLite answers a file it may not write by opening it read-only, and a folder
    // it may not write by failing each later write (no room for the journal):
    // either way every save would fail, so the open says so at once.
    if (sqlite3_db_readonly(handle, "main") == 1 || !folderWritable(handle, path)) {
        sqlite3_close_v2(handle);
        raise(err::ReadOnly, path);
    }
    sqlite3_extended_result_codes(handle, 1);
    sqlite3_busy_timeout(handle, LockWaitMs);
    if (const int registered = text::registerOn(handle); registered != SQLITE_OK) {
        sqlite3_close_v2(handle);
        raiseSqlite(nullptr, registered);
    }

    Database d;
    d.conn_ = std::make_shared<Connection>(handle, path);
    // Reading the schema now tells a file that is not a database at open. SQLite
    // takes a file without a whole page (empty, or cut short) for a new database:
    // the program would only fail later, at its first table.
    Statement(*d.conn_, "SELECT count(*) FROM sqlite_schema").step();
    Statement pages(*d.conn_, "PRAGMA page_count");
    if (!pages.step() || sqlite3_column_int64(pages.get(), 0) == 0) raise(err::DatabaseDamaged, path);
    return d;
}

Recordset Database::openRecordset(const QString& table) const {
    if (!conn_) raise(err::Reserved, QStringLiteral("database not open"));
    Recordset rs;
    rs.d_ = std::make_shared<Recordset::Impl>(conn_, conn_->table(table));
    return rs;
}

Database::Transaction Database::transaction() const { return Transaction(*this); }

sqlite3* Database::handle() const { return conn_ ? conn_->db : nullptr; }

QString Database::path() const { return conn_ ? conn_->path : QString(); }

}  // namespace vorna::db
