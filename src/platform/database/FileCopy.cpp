#include "platform/database/FileCopy.h"

#include "platform/database/Connection.h"
#include "platform/database/SqliteFile.h"

#include <QFile>
#include <QFileInfo>
#include <cstdio>

namespace vorna::db {

namespace {

struct Handle {
    sqlite3* db = nullptr;
    ~Handle() { sqlite3_close_v2(db); }
};

[[noreturn]] void fail(sqlite3* db, int rc, const QString& where)
{
    try {
        raiseSqlite(db, rc);
    } catch (const EngineError& e) {
        throw EngineError(e.number(), e.text() + QStringLiteral(" (") + where + u')');
    }
    raise(err::Reserved, where);
}

void backUp(const QString& source, const QString& target)
{
    Handle from;
    int rc = sqlite3_open_v2(source.toUtf8().constData(), &from.db, SQLITE_OPEN_READONLY, nullptr);
    if (rc != SQLITE_OK) {
        if ((rc & 0xFF) == SQLITE_CANTOPEN) raise(err::FileNotFound, source);
        fail(from.db, rc, source);
    }
    sqlite3_extended_result_codes(from.db, 1);
    Handle to;
    rc = sqlite3_open_v2(target.toUtf8().constData(), &to.db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE,
                         nullptr);
    if (rc != SQLITE_OK) fail(to.db, rc, target);
    rc = backupWhole(from.db, to.db);
    if (rc != SQLITE_DONE) fail(from.db, rc, source);
}

}  // namespace

void copyDatabaseFile(const QString& source, const QString& target)
{
    if (!QFileInfo(source).isFile()) raise(err::FileNotFound, source);
    const QString building = target + QStringLiteral(".copying");
    QFile::remove(building);
    try {
        backUp(source, building);
    } catch (...) {
        QFile::remove(building);
        throw;
    }
    // rename() replaces the target in one step, where QFile::rename refuses to.
    if (std::rename(QFile::encodeName(building).constData(), QFile::encodeName(target).constData()) != 0) {
        QFile::remove(building);
        raise(err::DiskOrNetworkError, target);
    }
}

}  // namespace vorna::db
