#include "platform/database/SchemaSteps.h"

#include "platform/database/Connection.h"
#include "platform/database/FileCopy.h"
#include "platform/database/TextRules.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <map>

namespace vorna::db {

namespace {

struct Handle {
    sqlite3* db = nullptr;
    ~Handle() { sqlite3_close_v2(db); }
};

[[noreturn]] void fail(sqlite3* db, int rc, const QString& where) {
    try {
        raiseSqlite(db, rc);
    } catch (const EngineError& e) {
        throw EngineError(e.number(), where + QStringLiteral(": ") + QString::fromUtf8(sqlite3_errmsg(db)));
    }
}

void exec(sqlite3* db, const QByteArray& sql, const QString& where) {
    char* message = nullptr;
    const int rc = sqlite3_exec(db, sql.constData(), nullptr, nullptr, &message);
    sqlite3_free(message);
    if (rc != SQLITE_OK) fail(db, sqlite3_extended_errcode(db), where);
}

std::map<int, QString> readSteps(const QString& dir) {
    const QDir d(dir);
    if (!d.exists()) throw EngineError(err::FileNotFound, QStringLiteral("Pasta de passos não encontrada: ") + dir);
    static const QRegularExpression name(QStringLiteral(R"(^(\d+)-.*\.sql$)"),
                                         QRegularExpression::CaseInsensitiveOption);
    std::map<int, QString> steps;
    for (const QString& file : d.entryList(QDir::Files, QDir::Name)) {
        const auto m = name.match(file);
        if (!m.hasMatch()) continue;
        const int number = m.captured(1).toInt();
        if (number <= 0 || !steps.emplace(number, d.filePath(file)).second)
            raise(err::Reserved, QStringLiteral("step number used twice or zero: ") + file);
    }
    return steps;
}

int userVersion(sqlite3* db) {
    sqlite3_stmt* s = nullptr;
    int v = 0;
    if (sqlite3_prepare_v2(db, "PRAGMA user_version", -1, &s, nullptr) == SQLITE_OK && sqlite3_step(s) == SQLITE_ROW)
        v = sqlite3_column_int(s, 0);
    const int rc = sqlite3_finalize(s);
    if (rc != SQLITE_OK) fail(db, rc, QStringLiteral("PRAGMA user_version"));
    return v;
}

// SQLite gives a column declared MEMO numeric affinity, which would store the
// text "0123" as the number 123; long texts are declared LONGTEXT (or TEXT).
void refuseNumericTextColumns(sqlite3* db, const QString& where) {
    sqlite3_stmt* s = nullptr;
    const char* sql = "SELECT m.name, p.name FROM sqlite_schema m, pragma_table_info(m.name) p"
                      " WHERE m.type = 'table' AND upper(trim(p.type)) = 'MEMO' LIMIT 1";
    int rc = sqlite3_prepare_v2(db, sql, -1, &s, nullptr);
    QString column;
    if (rc == SQLITE_OK && sqlite3_step(s) == SQLITE_ROW) {
        column = QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(s, 0))) + u'.' +
                 QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(s, 1)));
    }
    rc = sqlite3_finalize(s);
    if (rc != SQLITE_OK) fail(db, rc, where);
    if (!column.isEmpty())
        raise(err::Reserved, where + QStringLiteral(": a coluna ") + column +
                                 QStringLiteral(" deve ser declarada LONGTEXT, não MEMO"));
}

void applyStep(sqlite3* db, int number, const QString& file) {
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly)) raise(err::FileNotFound, file);
    const QByteArray script = f.readAll();
    const QString where = QFileInfo(file).fileName();
    exec(db, "BEGIN IMMEDIATE", where);
    try {
        exec(db, script, where);
        refuseNumericTextColumns(db, where);
        exec(db, "PRAGMA user_version = " + QByteArray::number(number), where);
        exec(db, "COMMIT", where);
    } catch (...) {
        if (!sqlite3_get_autocommit(db)) sqlite3_exec(db, "ROLLBACK", nullptr, nullptr, nullptr);
        throw;
    }
}

void backUp(const QString& dbFile, int version) {
    QString target = dbFile + QStringLiteral(".bak-%1").arg(version);
    for (int n = 2; QFileInfo::exists(target); ++n)
        target = dbFile + QStringLiteral(".bak-%1-%2").arg(version).arg(n);
    copyDatabaseFile(dbFile, target);
}

Handle openFile(const QString& file, bool create) {
    Handle h;
    const int flags = SQLITE_OPEN_READWRITE | (create ? SQLITE_OPEN_CREATE : 0);
    const int rc = sqlite3_open_v2(file.toUtf8().constData(), &h.db, flags, nullptr);
    if (rc != SQLITE_OK) fail(h.db, rc, file);
    sqlite3_extended_result_codes(h.db, 1);
    sqlite3_busy_timeout(h.db, 5000);
    text::registerOn(h.db);
    return h;
}

}  // namespace

int applySchemaSteps(const QString& stepsDir, const QString& dbFile, bool backupFirst) {
    const std::map<int, QString> steps = readSteps(stepsDir);

    if (!QFileInfo::exists(dbFile)) {
        // Built aside and moved into place whole: a failed step leaves no half-made file.
        const QString building = dbFile + QStringLiteral(".creating");
        QFile::remove(building);
        int version = 0;
        try {
            Handle h = openFile(building, true);
            for (const auto& [number, file] : steps) {
                applyStep(h.db, number, file);
                version = number;
            }
        } catch (...) {
            QFile::remove(building);
            throw;
        }
        if (!QFile::rename(building, dbFile)) {
            QFile::remove(building);
            raise(err::Reserved, QStringLiteral("cannot create ") + dbFile);
        }
        return version;
    }

    Handle h = openFile(dbFile, false);
    int version = userVersion(h.db);
    auto next = steps.upper_bound(version);
    if (next == steps.end()) return version;
    if (backupFirst) backUp(dbFile, version);
    for (; next != steps.end(); ++next) {
        applyStep(h.db, next->first, next->second);
        version = next->first;
    }
    return version;
}

}  // namespace vorna::db
