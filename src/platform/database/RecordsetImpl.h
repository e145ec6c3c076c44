#pragma once
#include "platform/database/Connection.h"
#include "platform/database/Criteria.h"
#include "platform/database/FieldValues.h"
#include "platform/database/Recordset.h"

#include <chrono>
#include <unordered_map>
#include <unordered_set>

namespace vorna::db {

// The set is the table's rows with a row id up to the largest one at open, in
// row-id order (the "table part"), followed by the rows this recordset added, in
// the order added. Rows are found by indexed queries from the current row id, so
// nothing is loaded in advance and a row reflects what is stored when reached.
//
// Every statement is a read transaction of its own, and on a shared file that
// costs several system calls, so a long run of moves (or of FindNext with one
// criteria) in one direction reads the following rows of the table part in
// batches. A row read ahead is used only while it is fresh: younger than
// ReadAheadLifetime and with no write through this connection since; otherwise
// it is read again. Short runs (up to ReadAheadAfter steps) always read each row.
struct Recordset::Impl {
    Impl(std::shared_ptr<Database::Connection> c, std::shared_ptr<const TableInfo> t);

    static constexpr int ReadAheadAfter = 16;
    static constexpr std::chrono::milliseconds ReadAheadLifetime{50};
    // A monotonic clock of a few milliseconds' resolution, which is plenty for
    // the lifetime above and costs far less than the precise one at every step.
    static std::chrono::nanoseconds coarseNow();

    enum class At { Start, Row, End };
    struct Position {
        At at = At::Start;
        qint64 rowid = 0;
        int ownIndex = -1;   // index in own when the row is one of ours
    };

    std::shared_ptr<Database::Connection> conn;
    std::shared_ptr<const TableInfo> table;
    qint64 lastRowidAtOpen = 0;
    // The rows this recordset added, in the order added, and where each stands.
    // Usually their ids rise with the order and all lie above the table part:
    // then a rowid range is also a range of own positions, and own rows are
    // searched like the table part. Otherwise one query over their span
    // (ownLow..ownHigh, which may be wider than the rows still there) finds them.
    std::vector<qint64> own;
    std::unordered_map<qint64, int> ownAt;
    bool ownInOrder = true;
    qint64 ownLow = 0, ownHigh = 0;
    void addOwn(qint64 rowid);
    // A transaction rolled back on this connection may have undone rows this
    // set added: they leave the set, and counts and rows read ahead go.
    quint64 seenRollbacks = 0;
    std::unordered_set<qint64> rolledBack;   // their bookmarks reach a deleted row
    void forgetRolledBackRows();
    void renumberOwn(int index, qint64 rowid);
    int ownIndexOf(qint64 rowid) const {
        if (ownAt.empty()) return -1;
        auto it = ownAt.find(rowid);
        return it == ownAt.end() ? -1 : it->second;
    }

    Position pos;
    bool bof = true, eof = true;
    bool onDeleted = false;        // the current row was deleted through this recordset
    // The current row as read when reached, converted field by field when read.
    std::shared_ptr<RowBlock> block;
    size_t blockRow = 0;
    Variant value(size_t field);
    void setCurrent(std::shared_ptr<RowBlock> b, size_t index);

    EditMode mode = EditMode::None;
    std::vector<SqlValue> pending;
    std::vector<char> dirty;
    // Edit: the row as Edit read it, and the fields read or assigned since; Update
    // writes only if those fields still hold what Edit read.
    std::shared_ptr<RowBlock> editRead;
    std::vector<char> editUsed;

    bool noMatch = false;
    long count = -1;               // -1: not counted yet

    // The last criteria compiled, with its queries: FindNext in a loop reuses them.
    // A range query is "SELECT rowid,<columns>" + a tail + the row limit.
    struct Queries {
        QByteArray forwardTail, backwardTail, at;
        QByteArray forwardOne, backwardOne;   // every field, one row
        QByteArray ids;                       // the row ids of a range, any order
        // The row ids passing a pattern, from the index on its field alone, any
        // order; empty when no index serves. Binds the criteria's scanParam.
        QByteArray scan;
        size_t scanParam = 0;
        // Patterns on fields with a trigram index: the row ids whose field holds
        // a phrase (bound as ?1), and the pattern's parameter. A find whose
        // pattern holds a run of 3 or more characters lists its candidates by
        // the first of them that has one, in place of the scan above.
        struct TrigramScan {
            QByteArray sql;
            size_t param = 0;
        };
        std::vector<TrigramScan> trigramScans;
        QByteArray extra;   // " AND " + the criteria's condition, or empty
    };
    QString lastCriteria;
    CompiledCriteria lastCompiled;
    const Queries* lastQueries = nullptr;   // in queriesByCondition
    Queries plain;   // without criteria

    // A run of steps in one direction and the rows read ahead for it.
    struct Run {
        bool forward = true;
        bool plain = true;
        QString criteria;
        qint64 last = 0;   // the row the last step reached
        int length = 0;
    } run;
    int plannedRun = 0;   // steps announced by ReadAhead for the next run
    struct ReadAhead {
        std::shared_ptr<RowBlock> block;
        size_t next = 0;
        std::chrono::nanoseconds readAt{0};   // on the coarse clock below
        sqlite3_int64 changes = 0;   // the connection's write count when read
        bool fresh(sqlite3* db) const;
        bool any() const { return block && next < block->size(); }
        void clear() {
            block.reset();
            next = 0;
        }
    } ahead;

    Queries queriesFor(const CompiledCriteria* c) const;
    // Criteria differing only in their values share their queries.
    QHash<QByteArray, Queries> queriesByCondition;
    const CompiledCriteria& compiled(const QString& criteria);

    // The next matching row from `from` in the direction; on success it becomes
    // the current row's values. `batch` > 1 reads that many rows at once.
    bool seek(bool forward, const Position& from, const Queries& q, const CompiledCriteria* c, int batch,
              Position& found);
    // The first row of b made current, the others kept ahead when keepRest.
    Position firstOf(std::shared_ptr<RowBlock> b, bool keepRest);
    // The first matching row of the set in lo..hi in the direction.
    bool seekRange(bool forward, qint64 lo, qint64 hi, const Queries& q, const CompiledCriteria* c, int batch,
                   Position& found);
    // seekRange for a criteria an index scan serves: the scan lists the rows
    // that may match once, and each find reads the next of them by row id; a
    // long run reads the next `batch` of them at once, keeping the matches ahead.
    bool seekCandidates(bool forward, qint64 lo, qint64 hi, const Queries& q, const CompiledCriteria& c,
                        const QByteArray& scan, const SqlValue& scanValue, int batch, Position& found);
    // The statement listing the criteria's candidates, and its value; false
    // when neither an index nor a trigram index serves this find.
    static bool candidateScan(const Queries& q, const CompiledCriteria& c, const QByteArray*& scan,
                              SqlValue& value);
    static constexpr int MaxCandidateBatch = 256;
    // The scan's answer, kept while the file is as the scan saw it: no write
    // through this connection and none committed by another since. The version
    // is SQLite's count of the file's changes as of this connection's last read.
    struct Candidates {
        QByteArray scan;
        SqlValue pattern;
        std::vector<qint64> ids;   // ascending
        unsigned version = 0;
        sqlite3_int64 changes = 0;
    } candidates;
    unsigned dataVersion() const;
    // The matching own row nearest own[first] (included) in the direction.
    bool seekOwn(bool forward, int first, const Queries& q, const CompiledCriteria* c, int batch, Position& found);
    // One step of a run (MoveNext/MovePrevious, FindNext/FindPrevious).
    bool advance(bool forward, const Queries& q, const CompiledCriteria* c, Position& found);
    bool readAt(const QByteArray& sql, qint64 rowid, const CompiledCriteria* c);
    std::shared_ptr<RowBlock> newBlock(bool allFields);
    std::shared_ptr<RowBlock> spare;

    // The fields this recordset's reads have asked for: rows read ahead carry
    // only those; another field of such a row is read with the whole row.
    std::vector<char> wanted;
    QByteArray wantedColumns;
    std::shared_ptr<const std::vector<int>> wantedCells, allCells;
    void want(size_t field);

    void arrive(const Position& p);
    void endRun();
    void dropPending();
    void requireRow() const;
    long countRows();
    long countOwnAbove();   // own rows still there above the table part
};

}  // namespace vorna::db
