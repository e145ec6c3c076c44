#pragma once
#include "platform/database/Database.h"
#include "platform/report/FormulaSql.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <vector>

struct sqlite3_stmt;

// A report's rows read in key order, a chunk at a time. Each chunk is one short
// read of its own (the statement is stepped, then reset), resuming after the
// sort key of the last row taken, so no read lasts long enough to keep another
// workstation's save waiting for the lock.
namespace vorna::report {

// A value as SQLite stored it, bound back unchanged when a chunk resumes.
struct StoredValue {
    int storage = 0;       // SQLITE_NULL, SQLITE_INTEGER, ...
    qint64 integer = 0;
    double real = 0;
    QByteArray bytes;
};

struct SortKey {
    QString sql;                  // the expression, with "?" for params
    std::vector<Variant> params;
    bool descending = false;
    bool collated = false;        // a text, compared without letter case
};

struct RowQuery {
    QStringList items;                   // what a row holds
    std::vector<Variant> itemParams;
    std::vector<ValueType> itemTypes;
    QString from;                        // the FROM, JOINs and WHERE, without the words SELECT/ORDER
    std::vector<Variant> fromParams;
    bool hasWhere = false;
    std::vector<SortKey> keys;           // the full order
    bool uniqueKeys = true;              // false: rows may share a whole key (a view without row ids)
};

class KeyedReader {
public:
    // Where the reading stands: after the row with this key (empty: before the
    // first row), and, for keys that may repeat, after how many rows with it.
    struct Position {
        std::vector<StoredValue> key;
        long sameKey = 0;
    };

    // reportFile: named by the failures this reader throws.
    KeyedReader(db::Database database, RowQuery query, QString reportFile);
    ~KeyedReader();
    KeyedReader(const KeyedReader&) = delete;
    KeyedReader& operator=(const KeyedReader&) = delete;

    // Empty on success, else why the database refused the query.
    QString prepare();

    // The next row's values, or nullptr at the end. Throws ReportFailure when a
    // chunk cannot be read.
    const Variant* next();
    const Position& position() const { return position_; }
    void seek(const Position& position);

    int itemCount() const { return int(query_.itemTypes.size()); }
    static constexpr int FirstChunk = 128;
    static constexpr int LargestChunk = 8192;

private:
    void readChunk();
    struct Slot {   // where a "?" takes its value: a constant, or (key >= 0) the last key's
        int key = -1;
        Variant value;
    };
    struct Statement {
        sqlite3_stmt* handle = nullptr;
        std::vector<Slot> bound;
    };
    // From the start; after position_; after it with the first key also bounded.
    enum class Kind { First, Resume, Bounded };
    void bindAll(const Statement& st, bool resuming);
    bool sameKey(const StoredValue* a, const std::vector<StoredValue>& b) const;

    db::Database database_;
    RowQuery query_;
    QString reportFile_;
    Statement statements_[3];

    std::vector<Variant> values_;             // chunk rows x items
    std::vector<StoredValue> keys_;           // chunk rows x keys
    int rows_ = 0, taken_ = 0;
    bool exhausted_ = false;
    int chunk_ = FirstChunk;
    Position position_;
};

}  // namespace vorna::report
