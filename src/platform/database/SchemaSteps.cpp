#include "platform/database/SchemaSteps.h"

#include "platform/database/Connection.h"
#include "platform/database/SqliteFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <map>

namespace vorna::db {

namespace {

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
    if (rc != SQLITE_OK) raiseSqliteAt(db, rc, QStringLiteral("PRAGMA user_version"));
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
    if (rc != SQLITE_OK) raiseSqliteAt(db, rc, where);
    if (!column.isEmpty())
        raise(err::Reserved, where + QStringLiteral(": a coluna ") + column +
                                 QStringLiteral(" deve ser declarada LONGTEXT, não MEMO"));
}

void applyStep(const SqliteFile& db, int number, const QString& file) {
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly)) raise(err::FileNotFound, file);
    const QByteArray script = f.readAll();
    const QString where = QFileInfo(file).fileName();
    db.exec("BEGIN IMMEDIATE", where);
    try {
        db.exec(script, where);
        refuseNumericTextColumns(db.db, where);
        db.exec("PRAGMA user_version = " + QByteArray::number(number), where);
        db.exec("COMMIT", where);
    } catch (...) {
        if (!sqlite3_get_autocommit(db.db)) sqlite3_exec(db.db, "ROLLBACK", nullptr, nullptr, nullptr);
        throw;
    }
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
            SqliteFile h = SqliteFile::open(building, true);
            for (const auto& [number, file] : steps) {
                applyStep(h, number, file);
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

    SqliteFile h = SqliteFile::open(dbFile, false);
    int version = userVersion(h.db);
    auto next = steps.upper_bound(version);
    if (next == steps.end()) return version;
    if (backupFirst) copyAside(h.db, dbFile, QStringLiteral(".bak-%1").arg(version));
    for (; next != steps.end(); ++next) {
        applyStep(h, next->first, next->second);
        version = next->first;
    }
    return version;
}

}  // namespace vorna::db
