#include "platform/report/ReportRows.h"

#include "platform/database/FieldValues.h"
#include "platform/database/TextRules.h"
#include "platform/report/ReportEngine.h"

#include <QElapsedTimer>
#include <sqlite3.h>

#include <cmath>
#include <limits>

namespace vorna::report {

namespace {

// A chunk that reads faster than this may grow; one slower than the second
// bound shrinks, so a read stays far below another workstation's lock wait.
constexpr qint64 GrowBelowMs = 120;
constexpr qint64 ShrinkAboveMs = 300;
constexpr int BusyAttempts = 4;

const QString& collation()
{
    static const QString name = QString::fromLatin1(db::text::CollationName);
    return name;
}

void bindVariant(sqlite3_stmt* s, int index, const Variant& v)
{
    switch (valueTypeOf(v)) {
    case ValueType::Text: {
        const QByteArray t = v.stringValue().toUtf8();
        sqlite3_bind_text(s, index, t.constData(), int(t.size()), SQLITE_TRANSIENT);
        break;
    }
    case ValueType::Date: {
        const QByteArray t = db::storedDateText(v.numberValue());
        sqlite3_bind_text(s, index, t.constData(), int(t.size()), SQLITE_TRANSIENT);
        break;
    }
    case ValueType::Boolean: sqlite3_bind_int(s, index, v.numberValue() != 0 ? 1 : 0); break;
    case ValueType::Number: {
        const double d = v.numberValue();
        if (d == std::floor(d) && std::abs(d) < 9e15)
            sqlite3_bind_int64(s, index, qint64(d));
        else
            sqlite3_bind_double(s, index, d);
        break;
    }
    }
}

void bindStored(sqlite3_stmt* s, int index, const StoredValue& v)
{
    switch (v.storage) {
    case SQLITE_INTEGER: sqlite3_bind_int64(s, index, v.integer); break;
    case SQLITE_FLOAT: sqlite3_bind_double(s, index, v.real); break;
    case SQLITE_TEXT: sqlite3_bind_text(s, index, v.bytes.constData(), int(v.bytes.size()), SQLITE_TRANSIENT); break;
    case SQLITE_BLOB: sqlite3_bind_blob(s, index, v.bytes.constData(), int(v.bytes.size()), SQLITE_TRANSIENT); break;
    default: sqlite3_bind_null(s, index); break;
    }
}

Variant columnValue(sqlite3_stmt* s, int c, ValueType type)
{
    const int storage = sqlite3_column_type(s, c);
    if (storage == SQLITE_NULL)
        return Variant::null();
    switch (type) {
    case ValueType::Text:
        return Variant(QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(s, c)), sqlite3_column_bytes(s, c)));
    case ValueType::Boolean: return Variant(sqlite3_column_int64(s, c) != 0);
    case ValueType::Date:
        if (storage == SQLITE_TEXT) {
            const auto* t = reinterpret_cast<const char*>(sqlite3_column_text(s, c));
            const int len = sqlite3_column_bytes(s, c);
            if (auto serial = db::serialFromStoredText(t, len))
                return Variant::date(*serial);
            return Variant(QString::fromUtf8(t, len));
        }
        return Variant::date(sqlite3_column_double(s, c));
    case ValueType::Number:
        if (storage == SQLITE_INTEGER) {
            const qint64 i = sqlite3_column_int64(s, c);
            return i >= std::numeric_limits<int32_t>::min() && i <= std::numeric_limits<int32_t>::max() ? Variant(int(i))
                                                                                                     : Variant(double(i));
        }
        return Variant(sqlite3_column_double(s, c));
    }
    return Variant::null();
}

StoredValue storedValue(sqlite3_stmt* s, int c)
{
    StoredValue v;
    v.storage = sqlite3_column_type(s, c);
    switch (v.storage) {
    case SQLITE_INTEGER: v.integer = sqlite3_column_int64(s, c); break;
    case SQLITE_FLOAT: v.real = sqlite3_column_double(s, c); break;
    case SQLITE_TEXT:
        v.bytes = QByteArray(reinterpret_cast<const char*>(sqlite3_column_text(s, c)), sqlite3_column_bytes(s, c));
        break;
    case SQLITE_BLOB:
        v.bytes = QByteArray(static_cast<const char*>(sqlite3_column_blob(s, c)), sqlite3_column_bytes(s, c));
        break;
    default: break;
    }
    return v;
}

}  // namespace

KeyedReader::KeyedReader(db::Database database, RowQuery query, QString reportFile)
    : database_(std::move(database)), query_(std::move(query)), reportFile_(std::move(reportFile))
{
}

KeyedReader::~KeyedReader()
{
    for (Statement& s : statements_)
        sqlite3_finalize(s.handle);
}

QString KeyedReader::prepare()
{
    // Builds the two statements: the text and, per "?", where its value comes from.
    struct Builder {
        QString sql;
        std::vector<Slot> bound;
        void constants(const std::vector<Variant>& params)
        {
            for (const Variant& v : params)
                bound.push_back({-1, v});
        }
        void key(const SortKey& k)
        {
            sql += u'(' + k.sql + u')';
            if (k.collated)
                sql += QStringLiteral(" COLLATE ") + collation();
            constants(k.params);
        }
        void last(int index)
        {
            sql += u'?';
            bound.push_back({index, {}});
        }
    };
    const int keyCount = int(query_.keys.size());
    auto build = [&](bool resuming, bool bounded) {
        Builder b;
        b.sql = QStringLiteral("SELECT ");
        b.sql += query_.items.isEmpty() && keyCount == 0 ? QStringLiteral("1") : query_.items.join(QStringLiteral(", "));
        b.constants(query_.itemParams);
        for (int k = 0; k < keyCount; ++k) {
            b.sql += (k > 0 || !query_.items.isEmpty()) ? QStringLiteral(", ") : QString();
            b.key(query_.keys[size_t(k)]);
        }
        b.sql += QStringLiteral(" FROM ") + query_.from;
        b.constants(query_.fromParams);
        if (resuming && keyCount > 0) {
            b.sql += query_.hasWhere ? QStringLiteral(" AND (") : QStringLiteral(" WHERE (");
            // After the last key, in the order's own sense: NULLs come first
            // going up and last going down, as SQLite sorts them.
            for (int k = 0; k < keyCount; ++k) {
                const SortKey& key = query_.keys[size_t(k)];
                const bool lastKey = k == keyCount - 1;
                b.sql += u'(';
                if (!key.descending) {
                    b.sql += u'(';
                    b.last(k);
                    b.sql += QStringLiteral(" IS NULL AND ");
                    b.key(key);
                    b.sql += QStringLiteral(" IS NOT NULL) OR ");
                    b.key(key);
                    b.sql += QStringLiteral(" > ");
                    b.last(k);
                } else {
                    b.last(k);
                    b.sql += QStringLiteral(" IS NOT NULL AND (");
                    b.key(key);
                    b.sql += QStringLiteral(" < ");
                    b.last(k);
                    b.sql += QStringLiteral(" OR ");
                    b.key(key);
                    b.sql += QStringLiteral(" IS NULL)");
                }
                b.sql += u')';
                // Keys that may repeat resume at the last key itself and skip
                // the rows already taken with it.
                if (!lastKey || !query_.uniqueKeys) {
                    b.sql += QStringLiteral(" OR (");
                    b.key(key);
                    b.sql += QStringLiteral(" IS ");
                    b.last(k);
                    if (!lastKey)
                        b.sql += QStringLiteral(" AND (");
                }
            }
            for (int k = 0; k < keyCount; ++k)
                b.sql += k < keyCount - 1 ? QStringLiteral("))") : (query_.uniqueKeys ? QString() : QStringLiteral(")"));
            b.sql += u')';
            // The same condition again in a form an index on the first key
            // can seek with, so a chunk starts where the last one ended.
            if (bounded) {
                b.sql += QStringLiteral(" AND ");
                b.key(query_.keys.front());
                b.sql += QStringLiteral(" >= ");
                b.last(0);
            }
        }
        if (keyCount > 0) {
            b.sql += QStringLiteral(" ORDER BY ");
            for (int k = 0; k < keyCount; ++k) {
                if (k > 0)
                    b.sql += QStringLiteral(", ");
                b.key(query_.keys[size_t(k)]);
                if (query_.keys[size_t(k)].descending)
                    b.sql += QStringLiteral(" DESC");
            }
        }
        b.sql += QStringLiteral(" LIMIT ? OFFSET ?");
        return b;
    };
    sqlite3* db = database_.handle();
    const bool canBound = keyCount > 0 && !query_.keys.front().descending;
    for (const Kind kind : {Kind::First, Kind::Resume, Kind::Bounded}) {
        if (kind == Kind::Bounded && !canBound)
            continue;
        const Builder b = build(kind != Kind::First, kind == Kind::Bounded);
        const QByteArray sql = b.sql.toUtf8();
        Statement& st = statements_[int(kind)];
        if (sqlite3_prepare_v2(db, sql.constData(), int(sql.size()), &st.handle, nullptr) != SQLITE_OK)
            return QString::fromUtf8(sqlite3_errmsg(db));
        st.bound = b.bound;
    }
    return {};
}

void KeyedReader::seek(const Position& position)
{
    position_ = position;
    rows_ = taken_ = 0;
    exhausted_ = false;
    chunk_ = FirstChunk;
}

void KeyedReader::bindAll(const Statement& st, bool resuming)
{
    sqlite3_stmt* s = st.handle;
    const std::vector<Slot>& bound = st.bound;
    int index = 1;
    for (const Slot& slot : bound) {
        if (slot.key >= 0)
            bindStored(s, index, position_.key[size_t(slot.key)]);
        else
            bindVariant(s, index, slot.value);
        ++index;
    }
    // Without keys a chunk could not resume: the one read takes every row.
    sqlite3_bind_int(s, index++, query_.keys.empty() ? -1 : chunk_);
    sqlite3_bind_int64(s, index, query_.uniqueKeys || !resuming ? 0 : position_.sameKey);
}

void KeyedReader::readChunk()
{
    const bool resuming = !position_.key.empty();
    Kind kind = resuming ? Kind::Resume : Kind::First;
    if (resuming && statements_[int(Kind::Bounded)].handle && position_.key.front().storage != SQLITE_NULL)
        kind = Kind::Bounded;
    const Statement& st = statements_[int(kind)];
    sqlite3_stmt* s = st.handle;
    bindAll(st, resuming);
    const int items = itemCount();
    const int keys = int(query_.keys.size());
    values_.clear();
    keys_.clear();
    rows_ = taken_ = 0;
    QElapsedTimer clock;
    clock.start();
    int rc;
    // A chunk that meets other workstations' saves before its first row waits
    // its lock time again, a few times: nothing of it was taken yet.
    for (int attempt = 1; ((rc = sqlite3_step(s)) & 0xFF) == SQLITE_BUSY && attempt < BusyAttempts; ++attempt)
        sqlite3_reset(s);
    for (; rc == SQLITE_ROW; rc = sqlite3_step(s)) {
        for (int c = 0; c < items; ++c)
            values_.push_back(columnValue(s, c, query_.itemTypes[size_t(c)]));
        for (int k = 0; k < keys; ++k)
            keys_.push_back(storedValue(s, items + k));
        ++rows_;
    }
    // Resetting ends the read: no lock stays behind between chunks.
    sqlite3_reset(s);
    if (rc != SQLITE_DONE)
        throw ReportFailure(ReportFailure::Kind::Database, reportFile_,
                            QStringLiteral("O banco de dados interrompeu a leitura do relatório: %1")
                                .arg(QString::fromUtf8(sqlite3_errmsg(database_.handle()))));
    exhausted_ = rows_ < chunk_ || keys == 0;
    const qint64 spent = clock.elapsed();
    if (spent < GrowBelowMs)
        chunk_ = std::min(chunk_ * 2, LargestChunk);
    else if (spent > ShrinkAboveMs)
        chunk_ = std::max(chunk_ / 2, FirstChunk);
}

bool KeyedReader::sameKey(const StoredValue* a, const std::vector<StoredValue>& b) const
{
    if (b.empty())
        return false;
    for (size_t k = 0; k < query_.keys.size(); ++k) {
        const StoredValue& x = a[k];
        const StoredValue& y = b[k];
        const bool xNumber = x.storage == SQLITE_INTEGER || x.storage == SQLITE_FLOAT;
        const bool yNumber = y.storage == SQLITE_INTEGER || y.storage == SQLITE_FLOAT;
        if (xNumber && yNumber) {
            const double dx = x.storage == SQLITE_INTEGER ? double(x.integer) : x.real;
            const double dy = y.storage == SQLITE_INTEGER ? double(y.integer) : y.real;
            if (dx != dy)
                return false;
            continue;
        }
        if (x.storage != y.storage)
            return false;
        if (x.storage == SQLITE_TEXT && query_.keys[k].collated) {
            if (db::text::compareNoCase(x.bytes.constData(), int(x.bytes.size()), y.bytes.constData(), int(y.bytes.size())) != 0)
                return false;
        } else if (x.bytes != y.bytes) {
            return false;
        }
    }
    return true;
}

const Variant* KeyedReader::next()
{
    if (taken_ == rows_) {
        if (exhausted_)
            return nullptr;
        readChunk();
        if (rows_ == 0) {
            exhausted_ = true;
            return nullptr;
        }
    }
    const size_t keys = query_.keys.size();
    const StoredValue* key = keys_.data() + size_t(taken_) * keys;
    if (!query_.uniqueKeys)
        position_.sameKey = sameKey(key, position_.key) ? position_.sameKey + 1 : 1;
    position_.key.assign(key, key + keys);
    const Variant* row = values_.data() + size_t(taken_) * size_t(itemCount());
    ++taken_;
    return row;
}

}  // namespace vorna::report
