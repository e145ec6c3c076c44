#include "platform/database/SqliteFile.h"

#include "platform/database/Connection.h"
#include "platform/database/TextRules.h"

#include <QFile>
#include <QFileInfo>

namespace vorna::db {

SqliteFile::~SqliteFile() { sqlite3_close_v2(db); }

void raiseSqliteAt(sqlite3* db, int rc, const QString& where) {
    try {
        raiseSqlite(db, rc);
    } catch (const EngineError& e) {
        throw EngineError(e.number(), where + QStringLiteral(": ") + QString::fromUtf8(sqlite3_errmsg(db)));
    }
}

SqliteFile SqliteFile::open(const QString& file, bool create) {
    SqliteFile f;
    const int flags = SQLITE_OPEN_READWRITE | (create ? SQLITE_OPEN_CREATE : 0);
    int rc = sqlite3_open_v2(file.toUtf8().constData(), &f.db, flags, nullptr);
    if (rc != SQLITE_OK) raiseSqliteAt(f.db, rc, file);
    sqlite3_extended_result_codes(f.db, 1);
    sqlite3_busy_timeout(f.db, 5000);
    rc = text::registerOn(f.db);
    if (rc != SQLITE_OK) raiseSqliteAt(f.db, rc, file);
    return f;
}

void SqliteFile::exec(const QByteArray& sql, const QString& where) const {
    char* message = nullptr;
    const int rc = sqlite3_exec(db, sql.constData(), nullptr, nullptr, &message);
    sqlite3_free(message);
    if (rc != SQLITE_OK) raiseSqliteAt(db, sqlite3_extended_errcode(db), where);
}

int backupWhole(sqlite3* from, sqlite3* to) {
    sqlite3_backup* b = sqlite3_backup_init(to, "main", from, "main");
    if (!b) return sqlite3_extended_errcode(to);
    int rc;
    do {
        rc = sqlite3_backup_step(b, -1);
        if (rc == SQLITE_BUSY || rc == SQLITE_LOCKED) sqlite3_sleep(100);
    } while (rc == SQLITE_OK || rc == SQLITE_BUSY || rc == SQLITE_LOCKED);
    sqlite3_backup_finish(b);
    return rc;
}

QString copyAside(sqlite3* db, const QString& dbFile, const QString& suffix) {
    QString target = dbFile + suffix;
    for (int n = 2; QFileInfo::exists(target); ++n)
        target = dbFile + suffix + QStringLiteral("-%1").arg(n);
    try {
        SqliteFile copy = SqliteFile::open(target, true);
        const int rc = backupWhole(db, copy.db);
        if (rc != SQLITE_DONE) raiseSqliteAt(copy.db, rc, target);
    } catch (...) {
        QFile::remove(target);
        throw;
    }
    return target;
}

}  // namespace vorna::db
