#include "platform/database/Connection.h"

#include <QRegularExpression>
#include <algorithm>

namespace vorna::db {

namespace {

QString standardText(int number) {
    switch (number) {
    case err::UpdateWithoutAddNew: return QStringLiteral("Update ou CancelUpdate sem AddNew ou Edit.");
    case err::NoCurrentRecord: return QStringLiteral("Nenhum registro atual.");
    case err::DuplicateKey:
        return QStringLiteral("A alteração não foi feita porque criaria valores duplicados "
                              "em um índice ou chave primária.");
    case err::FileNotFound: return QStringLiteral("Arquivo de banco de dados não encontrado.");
    case err::SyntaxError: return QStringLiteral("Erro de sintaxe na expressão de critério.");
    case err::TableNotFound: return QStringLiteral("Tabela não encontrada.");
    case err::FieldTooSmall:
        return QStringLiteral("O campo é pequeno demais para aceitar a quantidade de dados informada.");
    case err::RecordDeleted: return QStringLiteral("Registro excluído.");
    case err::DataChanged:
        return QStringLiteral("Não foi possível gravar; os dados foram alterados por outro usuário desde a edição.");
    case err::InvalidBookmark: return QStringLiteral("Indicador inválido.");
    case err::ObjectNotSet: return QStringLiteral("Variável de objeto não definida.");
    case err::RecordLocked:
        return QStringLiteral("Não foi possível gravar; registro bloqueado por outro usuário.");
    case err::ItemNotFound: return QStringLiteral("Item não encontrado nesta coleção.");
    case err::DiskFull: return QStringLiteral("Não há espaço suficiente no disco.");
    case err::ReadOnly: return QStringLiteral("O banco de dados é somente leitura.");
    case err::DiskReadError: return QStringLiteral("Erro de leitura do disco.");
    case err::DiskOrNetworkError: return QStringLiteral("Erro de disco ou de rede.");
    case err::OutOfMemory: return QStringLiteral("Memória insuficiente.");
    case err::DatabaseDamaged:
        return QStringLiteral("Não foi possível abrir o banco de dados: formato não reconhecido "
                              "ou arquivo danificado.");
    case err::UnknownName: return QStringLiteral("Nome de campo não reconhecido no critério.");
    case err::NullNotAllowed: return QStringLiteral("O campo não pode conter um valor nulo.");
    case err::RuleViolated: return QStringLiteral("O valor viola uma regra de validação do campo.");
    case err::CriteriaTypeMismatch:
        return QStringLiteral("Tipo de dados incompatível na expressão de critério.");
    default: return QStringLiteral("Erro reservado.");
    }
}

QByteArray quoteName(const QString& name) {
    QByteArray q = name.toUtf8();
    q.replace('"', "\"\"");
    return '"' + q + '"';
}

FieldInfo describeField(const QString& name, const QString& declared, bool notNull, bool soleIntegerKey) {
    FieldInfo f;
    f.name = name;
    f.quoted = quoteName(name);
    f.notNull = notNull;
    const QString t = declared.trimmed().toUpper();
    static const QRegularExpression sized(QStringLiteral(R"(^(TEXT|VARCHAR|CHAR)\s*\(\s*(\d+)\s*\)$)"));
    if (auto m = sized.match(t); m.hasMatch()) {
        f.type = FieldType::Text;
        f.size = m.captured(2).toInt();
    } else if (t == u"TEXT" || t == u"MEMO" || t == u"LONGTEXT") {
        f.type = FieldType::Memo;
    } else if (t == u"INTEGER" && soleIntegerKey) {
        f.type = FieldType::Long;
        f.rowidKey = true;
    } else if (t == u"INTEGER" || t == u"SHORT" || t == u"SMALLINT") {
        f.type = FieldType::Integer;
    } else if (t == u"LONG" || t == u"COUNTER" || t == u"INT" || t == u"AUTOINCREMENT") {
        f.type = FieldType::Long;
    } else if (t == u"DOUBLE" || t == u"REAL" || t == u"FLOAT") {
        f.type = FieldType::Double;
    } else if (t == u"CURRENCY" || t == u"MONEY") {
        f.type = FieldType::Currency;
    } else if (t == u"DATETIME" || t == u"DATE") {
        f.type = FieldType::DateTime;
    } else if (t == u"YESNO" || t == u"BIT" || t == u"BOOLEAN") {
        f.type = FieldType::YesNo;
    } else {
        f.type = FieldType::Other;
    }
    return f;
}

}  // namespace

void raise(int number, const QString& detail) {
    QString text = standardText(number);
    if (!detail.isEmpty()) text += u' ' + detail;
    throw EngineError(number, text);
}

void raiseSqlite(sqlite3* db, int rc) {
    const QString detail = db ? QString::fromUtf8(sqlite3_errmsg(db)) : QString();
    switch (rc) {
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
    case SQLITE_BUSY_SNAPSHOT:
    case SQLITE_BUSY_RECOVERY:
    case SQLITE_LOCKED_SHAREDCACHE:
        raise(err::RecordLocked);
    case SQLITE_CONSTRAINT_PRIMARYKEY:
    case SQLITE_CONSTRAINT_UNIQUE:
    case SQLITE_CONSTRAINT_ROWID:
        raise(err::DuplicateKey, detail);
    case SQLITE_CONSTRAINT_NOTNULL:
        raise(err::NullNotAllowed, detail);
    case SQLITE_FULL:
        raise(err::DiskFull);
    case SQLITE_NOMEM:
    case SQLITE_IOERR_NOMEM:
        raise(err::OutOfMemory);
    case SQLITE_IOERR_READ:
    case SQLITE_IOERR_SHORT_READ:
        raise(err::DiskReadError, detail);
    case SQLITE_READONLY:
        raise(err::ReadOnly);
    case SQLITE_NOTADB:
    case SQLITE_CORRUPT:
        raise(err::DatabaseDamaged, detail);
    case SQLITE_CANTOPEN:
        raise(err::FileNotFound, detail);
    case SQLITE_MISMATCH:
        raise(err::TypeMismatch, detail);
    default:
        break;
    }
    switch (rc & 0xFF) {
    case SQLITE_BUSY:
    case SQLITE_LOCKED: raise(err::RecordLocked);
    case SQLITE_CONSTRAINT: raise(err::RuleViolated, detail);
    case SQLITE_IOERR: raise(err::DiskOrNetworkError, detail);
    case SQLITE_READONLY: raise(err::ReadOnly);
    case SQLITE_CORRUPT: raise(err::DatabaseDamaged, detail);
    default: raise(err::Reserved, detail);
    }
}

Database::Connection::Connection(sqlite3* handle, QString filePath)
    : db(handle), path(std::move(filePath)) {}

Database::Connection::~Connection() {
    for (auto& [sql, c] : statements_) sqlite3_finalize(c.stmt);
    sqlite3_close_v2(db);
}

sqlite3_stmt* Database::Connection::acquire(const QByteArray& sql, Cached*& cached) {
    const std::string key(sql.constData(), size_t(sql.size()));
    auto it = statements_.find(key);
    if (it != statements_.end() && !it->second.inUse) {
        it->second.inUse = true;
        it->second.lastUse = ++uses_;
        cached = &it->second;
        return it->second.stmt;
    }
    sqlite3_stmt* s = nullptr;
    const int rc = sqlite3_prepare_v3(db, sql.constData(), int(sql.size()), SQLITE_PREPARE_PERSISTENT,
                                      &s, nullptr);
    if (rc != SQLITE_OK) raiseSqlite(db, rc);
    if (it != statements_.end()) return s;   // the same text already in use: this one is the caller's
    if (statements_.size() >= MaxStatements) evictIdle();
    // Map entries stay where they are when the map grows, so a Statement can hold its entry.
    Cached& c = statements_[key];
    c = Cached{s, true, ++uses_};
    cached = &c;
    return s;
}

void Database::Connection::release(sqlite3_stmt* s, Cached* cached) noexcept {
    sqlite3_reset(s);
    sqlite3_clear_bindings(s);
    if (cached) cached->inUse = false;
    else sqlite3_finalize(s);
}

void Database::Connection::evictIdle() {
    // The older half of the statements not in use go; one in use is never touched.
    std::vector<quint64> ages;
    for (const auto& [sql, c] : statements_)
        if (!c.inUse) ages.push_back(c.lastUse);
    if (ages.empty()) return;
    auto middle = ages.begin() + std::ptrdiff_t(ages.size() / 2);
    std::nth_element(ages.begin(), middle, ages.end());
    const quint64 newestEvicted = *middle;
    for (auto it = statements_.begin(); it != statements_.end();) {
        if (!it->second.inUse && it->second.lastUse <= newestEvicted) {
            sqlite3_finalize(it->second.stmt);
            it = statements_.erase(it);
        } else {
            ++it;
        }
    }
}

void Database::Connection::execute(const QByteArray& sql) {
    Statement s(*this, sql);
    while (s.step()) {
    }
}

namespace {
QByteArray savepoint(int level) { return "vorna_scope_" + QByteArray::number(level); }

// Failures after which SQLite may have ended the transaction, or another
// workstation holds what the rest of it needs: the transaction cannot go on.
bool endsTransaction(int number) {
    switch (number) {
    case err::RecordLocked:
    case err::OutOfMemory:
    case err::DiskFull:
    case err::DiskReadError:
    case err::DiskOrNetworkError: return true;
    default: return false;
    }
}
}  // namespace

int Database::Connection::beginScope() {
    if (abandoned_) raise(abandoned_);
    if (depth_ == 0) execute("BEGIN IMMEDIATE");
    else execute("SAVEPOINT " + savepoint(depth_ + 1));
    return ++depth_;
}

void Database::Connection::commitScope(int level) {
    if (level > depth_) raise(err::Reserved, QStringLiteral("transaction already ended"));
    if (level < depth_) {
        rollbackScope(level);
        raise(err::Reserved, QStringLiteral("transaction committed while an inner one was open"));
    }
    if (abandoned_) {
        const int number = abandoned_;
        rollbackScope(level);
        raise(number);
    }
    try {
        execute(level == 1 ? QByteArray("COMMIT") : "RELEASE " + savepoint(level));
    } catch (const EngineError& e) {
        // A commit that cannot finish (another workstation still reading past the
        // wait) leaves nothing half stored: the whole transaction goes.
        abandon(e.number());
        rollbackScope(level);
        throw;
    }
    --depth_;
}

void Database::Connection::rollbackScope(int level) noexcept {
    if (level > depth_ || level < 1) return;
    if (!abandoned_) {
        if (level == 1) {
            rollbackQuietly();
        } else {
            const QByteArray name = savepoint(level);
            const QByteArray sql = "ROLLBACK TO " + name + ";RELEASE " + name;
            if (sqlite3_exec(db, sql.constData(), nullptr, nullptr, nullptr) != SQLITE_OK)
                abandon(err::DiskOrNetworkError);
        }
        ++rollbacks_;
    }
    depth_ = level - 1;
    if (depth_ == 0) abandoned_ = 0;
}

void Database::Connection::failScope(int level, int number) noexcept {
    const bool lost = level > 1 && sqlite3_get_autocommit(db);
    if (level > 1 && (lost || endsTransaction(number))) abandon(number ? number : err::DiskOrNetworkError);
    rollbackScope(level);
}

void Database::Connection::abandon(int number) noexcept {
    if (abandoned_) return;
    rollbackQuietly();
    ++rollbacks_;
    abandoned_ = number;
}

void Database::Connection::rollbackQuietly() noexcept {
    if (!sqlite3_get_autocommit(db)) sqlite3_exec(db, "ROLLBACK", nullptr, nullptr, nullptr);
}

std::shared_ptr<const TableInfo> Database::Connection::table(const QString& name) {
    const QString key = name.toCaseFolded();
    if (auto it = tables_.constFind(key); it != tables_.constEnd()) return *it;

    QString stored;
    {
        // A view opens read-only; it names its row id in a column called rowid.
        Statement s(*this, "SELECT name FROM sqlite_schema WHERE type IN ('table', 'view') AND name = ?1"
                           " COLLATE NOCASE AND name NOT LIKE 'sqlite\\_%' ESCAPE '\\'");
        s.bind(1, SqlValue(name.toUtf8()));
        if (!s.step()) raise(err::TableNotFound, name);
        stored = QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(s.get(), 0)));
    }
    auto info = std::make_shared<TableInfo>();
    info->name = stored;
    info->quoted = quoteName(stored);

    struct Column { QString name, type; bool notNull; int pk; };
    std::vector<Column> columns;
    {
        Statement s(*this, "SELECT name, type, \"notnull\", pk FROM pragma_table_info(?1)");
        s.bind(1, SqlValue(stored.toUtf8()));
        while (s.step()) {
            auto text = [&](int i) {
                return QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(s.get(), i)));
            };
            columns.push_back({text(0), text(1), sqlite3_column_int(s.get(), 2) != 0,
                               sqlite3_column_int(s.get(), 3)});
        }
    }
    int keyColumns = 0;
    for (const Column& c : columns) keyColumns += c.pk > 0 ? 1 : 0;
    for (const Column& c : columns) {
        const bool soleIntegerKey = keyColumns == 1 && c.pk == 1;
        info->byName.insert(c.name, int(info->fields.size()));
        info->byFoldedName.insert(c.name.toCaseFolded(), int(info->fields.size()));
        info->fields.push_back(describeField(c.name, c.type, c.notNull, soleIntegerKey));
        if (!info->columnList.isEmpty()) info->columnList += ',';
        info->columnList += info->fields.back().quoted;
    }
    info->leadingIndex.resize(info->fields.size());
    {
        // A partial index lacks rows and an expression index lacks the field.
        Statement s(*this, "SELECT l.name, i.cid, (SELECT count(*) FROM pragma_index_info(l.name))"
                           " FROM pragma_index_list(?1) AS l, pragma_index_info(l.name) AS i"
                           " WHERE l.partial = 0 AND i.seqno = 0 ORDER BY 3, 1");
        s.bind(1, SqlValue(stored.toUtf8()));
        while (s.step()) {
            // Fields are in the table's column order.
            const int cid = sqlite3_column_int(s.get(), 1);
            if (cid < 0 || size_t(cid) >= info->fields.size()) continue;
            QByteArray& index = info->leadingIndex[size_t(cid)];
            if (index.isEmpty())
                index = quoteName(QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(s.get(), 0))));
        }
    }
    info->trigramIndex.resize(info->fields.size());
    {
        // Trusted only while all three of its triggers are on the table: a step
        // that rebuilds the table drops them, and the index no longer follows it.
        Statement s(*this, "SELECT name FROM sqlite_schema WHERE type = 'table' AND name = ?1 COLLATE NOCASE"
                           " AND sql LIKE 'CREATE VIRTUAL TABLE%fts5%trigram%'"
                           " AND (SELECT count(*) FROM sqlite_schema WHERE type = 'trigger' AND tbl_name = ?2"
                           " COLLATE NOCASE AND upper(name) IN (upper(?1 || '_INCLUIR'), upper(?1 || '_EXCLUIR'),"
                           " upper(?1 || '_ALTERAR'))) = 3");
        for (size_t i = 0; i < info->fields.size(); ++i) {
            const FieldInfo& f = info->fields[i];
            if (f.type != FieldType::Text && f.type != FieldType::Memo) continue;
            s.bind(1, SqlValue((stored + u'_' + f.name + QStringLiteral("_TRIGRAMAS")).toUtf8()));
            s.bind(2, SqlValue(stored.toUtf8()));
            if (s.step())
                info->trigramIndex[i] =
                    quoteName(QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(s.get(), 0))));
            sqlite3_reset(s.get());
        }
    }
    tables_.insert(key, info);
    return info;
}

void Statement::bind(int index, const SqlValue& v) {
    if (std::holds_alternative<std::monostate>(v)) sqlite3_bind_null(s_, index);
    else if (auto i = std::get_if<qint64>(&v)) sqlite3_bind_int64(s_, index, *i);
    else if (auto d = std::get_if<double>(&v)) sqlite3_bind_double(s_, index, *d);
    else {
        const QByteArray& t = std::get<QByteArray>(v);
        sqlite3_bind_text(s_, index, t.constData(), int(t.size()), SQLITE_TRANSIENT);
    }
}

bool Statement::step() {
    const int rc = sqlite3_step(s_);
    if (rc == SQLITE_ROW) return true;
    if (rc == SQLITE_DONE) return false;
    const int ext = sqlite3_extended_errcode(db_);
    raiseSqlite(db_, ext ? ext : rc);
}

}  // namespace vorna::db
