#include "platform/database/FileMaintenance.h"

#include "platform/database/Connection.h"
#include "platform/database/SqliteFile.h"

#include <QFile>
#include <QFileInfo>

namespace vorna::db {

namespace {

QString columnText(sqlite3_stmt* s, int column) {
    return QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(s, column)));
}

// The rows of a one-column query; a failure is told as a last row of its own.
QStringList rowsOf(sqlite3* db, const char* sql, bool& failed) {
    QStringList rows;
    sqlite3_stmt* s = nullptr;
    int rc = sqlite3_prepare_v2(db, sql, -1, &s, nullptr);
    if (rc == SQLITE_OK)
        while ((rc = sqlite3_step(s)) == SQLITE_ROW) rows << columnText(s, 0);
    sqlite3_finalize(s);
    failed = rc != SQLITE_DONE;
    if (failed) rows << QString::fromUtf8(sqlite3_errmsg(db));
    return rows;
}

QByteArray quoteName(const QString& name) {
    QByteArray q = name.toUtf8();
    q.replace('"', "\"\"");
    return '"' + q + '"';
}

}  // namespace

QStringList checkFile(const QString& file) {
    if (!QFileInfo(file).isFile()) return {QStringLiteral("arquivo não encontrado: ") + file};
    try {
        const SqliteFile f = SqliteFile::open(file, false);
        bool failed = false;
        QStringList problems = rowsOf(f.db, "PRAGMA integrity_check", failed);
        if (!failed && problems == QStringList{QStringLiteral("ok")}) problems.clear();
        if (failed) return problems;   // the schema itself may be unreadable
        const QStringList trigramTables = rowsOf(
            f.db,
            "SELECT name FROM sqlite_schema WHERE type = 'table' AND sql LIKE 'CREATE VIRTUAL TABLE%USING fts5%'"
            " ORDER BY name",
            failed);
        if (failed) return problems + trigramTables;
        // The check writes nothing, yet FTS5 takes it as an INSERT: inside a
        // transaction rolled back, whatever happens.
        f.exec("BEGIN", file);
        for (const QString& table : trigramTables) {
            const QByteArray name = quoteName(table);
            // rank 1: the index is also compared with the table it indexes.
            const QByteArray sql = "INSERT INTO " + name + '(' + name + ", rank) VALUES ('integrity-check', 1)";
            if (sqlite3_exec(f.db, sql.constData(), nullptr, nullptr, nullptr) != SQLITE_OK)
                problems << table + QStringLiteral(": ") + QString::fromUtf8(sqlite3_errmsg(f.db));
        }
        sqlite3_exec(f.db, "ROLLBACK", nullptr, nullptr, nullptr);
        return problems;
    } catch (const EngineError& e) {
        return {e.text()};
    }
}

void compactFile(const QString& file) {
    if (!QFileInfo(file).isFile()) raise(err::FileNotFound, file);
    QString copy;
    {
        const SqliteFile f = SqliteFile::open(file, false);
        // Held until the file closes: no workstation reads or writes between the
        // copy and the compaction, and one that has the file in use stops it here.
        f.exec("PRAGMA locking_mode = EXCLUSIVE", file);
        f.exec("BEGIN EXCLUSIVE", file);
        f.exec("COMMIT", file);
        copy = copyAside(f.db, file, QStringLiteral(".bak-compact"));
        try {
            f.exec("VACUUM", file);
        } catch (const EngineError& e) {
            throw EngineError(e.number(), e.text() + QStringLiteral(" (cópia mantida em ") + copy + u')');
        }
    }
    QFile::remove(copy);
}

}  // namespace vorna::db
