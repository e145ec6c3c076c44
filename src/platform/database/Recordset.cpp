#include "platform/database/Recordset.h"

#include "platform/database/FieldValues.h"
#include "platform/database/RecordsetImpl.h"
#include "platform/database/TextRules.h"

#include <QStringList>
#include <algorithm>
#include <ctime>
#include <limits>

namespace vorna::db {

namespace {
constexpr qint64 Lowest = std::numeric_limits<qint64>::min();
}  // namespace

// ---- Impl ------------------------------------------------------------------

Recordset::Impl::Impl(std::shared_ptr<Database::Connection> c, std::shared_ptr<const TableInfo> t)
    : conn(std::move(c)), table(std::move(t)) {
    seenRollbacks = conn->rollbacks();
    std::vector<int> all(table->fields.size());
    for (size_t i = 0; i < all.size(); ++i) all[i] = int(i);
    allCells = std::make_shared<const std::vector<int>>(std::move(all));
    wanted.assign(table->fields.size(), 0);
    wantedCells = std::make_shared<const std::vector<int>>(table->fields.size(), -1);
    plain = queriesFor(nullptr);
    // One statement: the first row, and the largest row id that closes the table part.
    Statement s(*conn, "SELECT rowid," + table->columnList + ",(SELECT max(rowid) FROM " + table->quoted +
                           ") FROM " + table->quoted + " ORDER BY rowid LIMIT 1");
    lastRowidAtOpen = Lowest;
    if (s.step()) {
        lastRowidAtOpen = sqlite3_column_int64(s.get(), int(table->fields.size()) + 1);
        auto b = newBlock(true);
        b->append(s.get());
        setCurrent(std::move(b), 0);
        arrive(Position{At::Row, block->rowids[0], -1});
    }
}

Recordset::Impl::Queries Recordset::Impl::queriesFor(const CompiledCriteria* c) const {
    const QByteArray condition = c ? c->sql : QByteArray();
    const QByteArray select = "SELECT rowid," + table->columnList + " FROM " + table->quoted + " WHERE ";
    const QByteArray extra = condition.isEmpty() ? QByteArray() : " AND " + condition;
    const QByteArray range = " FROM " + table->quoted + " WHERE rowid BETWEEN ?1 AND ?2" + extra;
    Queries q;
    q.forwardTail = range + " ORDER BY rowid LIMIT ";
    q.backwardTail = range + " ORDER BY rowid DESC LIMIT ";
    q.at = select + "rowid = ?1" + extra;
    q.forwardOne = "SELECT rowid," + table->columnList + q.forwardTail + '1';
    q.backwardOne = "SELECT rowid," + table->columnList + q.backwardTail + '1';
    q.ids = "SELECT rowid" + range;
    q.extra = extra;
    if (c) {
        for (const CompiledCriteria::Pattern& p : c->patterns) {
            const QByteArray& index = table->leadingIndex[size_t(p.field)];
            if (index.isEmpty()) continue;
            q.scan = "SELECT rowid FROM " + table->quoted + " INDEXED BY " + index + " WHERE " + p.sql;
            q.scanParam = p.firstParam;
            break;
        }
        for (const CompiledCriteria::Pattern& p : c->patterns) {
            const QByteArray& trigrams = table->trigramIndex[size_t(p.field)];
            if (!trigrams.isEmpty())
                q.trigramScans.push_back({"SELECT rowid FROM " + trigrams + " WHERE " + trigrams + " MATCH ?1",
                                          p.firstParam});
        }
    }
    return q;
}

const CompiledCriteria& Recordset::Impl::compiled(const QString& criteria) {
    if (!lastQueries || criteria != lastCriteria) {
        CompiledCriteria c = compileCriteria(criteria, *table);
        auto it = queriesByCondition.constFind(c.sql);
        if (it == queriesByCondition.constEnd()) {
            if (queriesByCondition.size() >= 64) queriesByCondition.clear();
            it = queriesByCondition.insert(c.sql, queriesFor(&c));
        }
        lastQueries = &*it;
        lastCompiled = std::move(c);
        lastCriteria = criteria;
    }
    return lastCompiled;
}

std::shared_ptr<RowBlock> Recordset::Impl::newBlock(bool allFields) {
    // A finished block no one else holds is used again, keeping its allocations.
    std::shared_ptr<RowBlock> b;
    if (spare && spare.use_count() == 1) {
        b = std::move(spare);
        b->rowids.clear();
        b->cells.clear();
        b->bytes.clear();
    } else {
        b = std::make_shared<RowBlock>();
    }
    b->cellOf = allFields ? allCells : wantedCells;
    b->columns = 0;
    for (int cell : *b->cellOf) b->columns += cell >= 0 ? 1 : 0;
    return b;
}

void Recordset::Impl::want(size_t field) {
    wanted[field] = 1;
    std::vector<int> cells(table->fields.size(), -1);
    wantedColumns.clear();
    int next = 0;
    for (size_t i = 0; i < cells.size(); ++i) {
        if (!wanted[i]) continue;
        cells[i] = next++;
        wantedColumns += ',' + table->fields[i].quoted;
    }
    wantedCells = std::make_shared<const std::vector<int>>(std::move(cells));
    ahead.clear();   // the rows read ahead lack it
}

void Recordset::Impl::setCurrent(std::shared_ptr<RowBlock> b, size_t index) {
    if (block && block != b && block.use_count() == 1) spare = std::move(block);
    block = std::move(b);
    blockRow = index;
}

Variant Recordset::Impl::value(size_t field) {
    if (!wanted[field]) want(field);
    int cell = (*block->cellOf)[field];
    if (cell < 0) {
        // A row read ahead without this field: read the whole row now.
        if (!readAt(plain.at, pos.rowid, nullptr)) {
            onDeleted = true;
            raise(err::RecordDeleted);
        }
        cell = int(field);
    }
    // Converted at each read: cheaper than keeping a copy to hand out.
    return variantFromCell(table->fields[field], block->cells[blockRow * block->columns + size_t(cell)], block->bytes);
}

bool Recordset::Impl::readAt(const QByteArray& sql, qint64 rowid, const CompiledCriteria* c) {
    Statement s(*conn, sql);
    s.bind(1, rowid);
    if (c)
        for (size_t i = 0; i < c->params.size(); ++i) s.bind(int(i) + 2, c->params[i]);
    if (!s.step()) return false;
    auto b = newBlock(true);
    b->append(s.get());
    setCurrent(std::move(b), 0);
    return true;
}

bool Recordset::Impl::seek(bool forward, const Position& from, const Queries& q, const CompiledCriteria* c,
                           int batch, Position& found) {
    // Forwards the table part comes first, then our own rows; backwards the reverse.
    // When own rows lie above the table part in the order added, the whole set
    // is in rowid order and one range covers both parts.
    const bool oneRange = ownInOrder && !own.empty();
    if (forward) {
        if (from.at == At::End) return false;
        if (from.at == At::Row && from.ownIndex >= 0) return seekOwn(true, from.ownIndex + 1, q, c, batch, found);
        const qint64 lo = from.at == At::Row ? from.rowid + 1 : Lowest;
        if (oneRange) return seekRange(true, lo, own.back(), q, c, batch, found);
        return seekRange(true, lo, lastRowidAtOpen, q, c, batch, found) || seekOwn(true, 0, q, c, batch, found);
    }
    if (from.at == At::Start) return false;
    qint64 hi = lastRowidAtOpen;
    if (from.at == At::End || from.ownIndex >= 0) {
        const int first = from.at == At::End ? int(own.size()) - 1 : from.ownIndex - 1;
        if (oneRange && first >= 0) return seekRange(false, Lowest, own[size_t(first)], q, c, batch, found);
        if (seekOwn(false, first, q, c, batch, found)) return true;
    } else {
        hi = std::min(hi, from.rowid - 1);
    }
    return seekRange(false, Lowest, hi, q, c, batch, found);
}

Recordset::Impl::Position Recordset::Impl::firstOf(std::shared_ptr<RowBlock> b, bool keepRest) {
    const Position first{At::Row, b->rowids[0], ownIndexOf(b->rowids[0])};
    if (keepRest && b->size() > 1) {
        ahead.block = b;
        ahead.next = 1;
        ahead.readAt = coarseNow();
        ahead.changes = sqlite3_total_changes64(conn->db);
    }
    setCurrent(std::move(b), 0);
    return first;
}

bool Recordset::Impl::seekRange(bool forward, qint64 lo, qint64 hi, const Queries& q, const CompiledCriteria* c,
                                int batch, Position& found) {
    if (hi == Lowest) return false;   // nothing at open, nothing in the range
    const QByteArray* scan = nullptr;
    SqlValue scanValue;
    if (c && candidateScan(q, *c, scan, scanValue))
        return seekCandidates(forward, lo, hi, q, *c, *scan, scanValue, batch, found);
    const bool allFields = batch == 1;
    const QByteArray& columns = allFields ? table->columnList : wantedColumns;
    const QByteArray& tail = forward ? q.forwardTail : q.backwardTail;
    // Rows that are not in the set (another workstation's above the table part,
    // ours inside it) are passed over; when a whole read is passed over, the
    // next one reads more at once.
    const bool sift = !ownAt.empty() || hi > lastRowidAtOpen;
    auto inSet = [&](qint64 rowid) { return (ownAt.count(rowid) != 0) == (rowid > lastRowidAtOpen); };
    int limit = batch;
    while (lo <= hi) {
        const QByteArray sql = allFields && limit == 1 ? (forward ? q.forwardOne : q.backwardOne)
                                                       : "SELECT rowid" + QByteArray(allFields ? "," : "") + columns +
                                                             tail + QByteArray::number(limit);
        Statement s(*conn, sql);
        s.bind(1, lo);
        s.bind(2, hi);
        if (c)
            for (size_t i = 0; i < c->params.size(); ++i) s.bind(int(i) + 3, c->params[i]);
        int read = 0;
        qint64 lastRead = 0;
        auto b = newBlock(allFields);
        if (limit > 1) {
            b->rowids.reserve(size_t(limit));
            b->cells.reserve(size_t(limit) * b->columns);
        }
        while (s.step()) {
            ++read;
            lastRead = sqlite3_column_int64(s.get(), 0);
            if (sift && !inSet(lastRead)) continue;
            b->append(s.get());
        }
        if (b->size() > 0) {
            found = firstOf(std::move(b), batch > 1);
            return true;
        }
        spare = std::move(b);
        if (read < limit) break;
        if (forward) lo = lastRead + 1;
        else hi = lastRead - 1;
        limit = std::min(limit * 4, 256);
    }
    return false;
}

bool Recordset::Impl::candidateScan(const Queries& q, const CompiledCriteria& c, const QByteArray*& scan,
                                    SqlValue& value) {
    // The pattern is a value of the criteria: whether it holds a run is known only now.
    for (const Queries::TrigramScan& t : q.trigramScans) {
        const auto* pattern = std::get_if<QByteArray>(&c.params[t.param]);
        if (!pattern) continue;
        QByteArray phrase = text::trigramPhrase(QString::fromUtf8(*pattern));
        if (phrase.isEmpty()) continue;
        scan = &t.sql;
        value = std::move(phrase);
        return true;
    }
    if (q.scan.isEmpty()) return false;
    scan = &q.scan;
    value = c.params[q.scanParam];
    return true;
}

bool Recordset::Impl::seekCandidates(bool forward, qint64 lo, qint64 hi, const Queries& q,
                                     const CompiledCriteria& c, const QByteArray& scan, const SqlValue& pattern,
                                     int batch, Position& found) {
    // Each statement is a read transaction of its own: a long run reads its
    // candidates a batch at a time, by a fixed number of ids so the statement is
    // prepared once per size (a short batch repeats its last id).
    const int width = batch > 1 ? std::min(batch, MaxCandidateBatch) : 1;
    const bool allFields = width == 1;
    QByteArray sql = q.at;
    if (!allFields) {
        sql = "SELECT rowid" + wantedColumns + " FROM " + table->quoted + " WHERE rowid IN (?1";
        for (int i = 2; i <= width; ++i) sql += ",?" + QByteArray::number(i);
        sql += ')' + q.extra + (forward ? " ORDER BY rowid" : " ORDER BY rowid DESC");
    }
    std::vector<qint64> chunk;
    chunk.reserve(size_t(width));
    for (;;) {
        bool seen = false;   // the file has been read unchanged since the scan
        if (candidates.scan != scan || candidates.pattern != pattern ||
            candidates.changes != sqlite3_total_changes64(conn->db)) {
            candidates.ids.clear();
            Statement s(*conn, scan);
            s.bind(1, pattern);
            while (s.step()) candidates.ids.push_back(sqlite3_column_int64(s.get(), 0));
            std::sort(candidates.ids.begin(), candidates.ids.end());
            candidates.ids.erase(std::unique(candidates.ids.begin(), candidates.ids.end()), candidates.ids.end());
            candidates.scan = scan;
            candidates.pattern = pattern;
            candidates.version = dataVersion();
            candidates.changes = sqlite3_total_changes64(conn->db);
            seen = true;
        }
        const auto& ids = candidates.ids;
        auto first = std::lower_bound(ids.begin(), ids.end(), lo);
        auto last = std::upper_bound(first, ids.end(), hi);
        bool changed = false;
        for (ptrdiff_t n = last - first, k = 0; k < n && !changed;) {
            chunk.clear();
            for (; k < n && int(chunk.size()) < width; ++k) {
                const qint64 rowid = forward ? first[k] : last[-1 - k];
                // Not in the set: another workstation's above the table part, ours inside it.
                if ((ownAt.count(rowid) != 0) != (rowid > lastRowidAtOpen)) continue;
                chunk.push_back(rowid);
            }
            if (chunk.empty()) break;
            // Read with the whole criteria: the other terms, and a row changed since.
            Statement s(*conn, sql);
            for (int i = 0; i < width; ++i) s.bind(i + 1, chunk[std::min(size_t(i), chunk.size() - 1)]);
            for (size_t i = 0; i < c.params.size(); ++i) s.bind(width + int(i) + 1, c.params[i]);
            auto b = newBlock(allFields);
            while (s.step()) b->append(s.get());
            if (dataVersion() != candidates.version) {
                changed = true;
            } else if (b->size() > 0) {
                found = firstOf(std::move(b), true);
                return true;
            }
            spare = std::move(b);
            seen = true;
        }
        if (!changed && !seen) {
            // Nothing read: a read of the file tells whether the list still holds.
            Statement s(*conn, plain.at);
            s.bind(1, Lowest);
            s.step();
            changed = dataVersion() != candidates.version;
        }
        if (!changed) return false;
        candidates.scan.clear();   // listed again as the file is now
    }
}

unsigned Recordset::Impl::dataVersion() const {
    unsigned version = 0;
    sqlite3_file_control(conn->db, "main", SQLITE_FCNTL_DATA_VERSION, &version);
    return version;
}

bool Recordset::Impl::seekOwn(bool forward, int first, const Queries& q, const CompiledCriteria* c, int batch,
                              Position& found) {
    if (first < 0 || first >= int(own.size())) return false;
    if (ownInOrder) {
        // Their ids rise with their order: a rowid range is a range of own positions.
        const qint64 lo = forward ? own[size_t(first)] : own.front();
        const qint64 hi = forward ? own.back() : own[size_t(first)];
        return seekRange(forward, lo, hi, q, c, batch, found);
    }
    // Out of order: the matching ids of their whole span, and the nearest in own order.
    for (;;) {
        int best = -1;
        {
            Statement s(*conn, q.ids);
            s.bind(1, ownLow);
            s.bind(2, ownHigh);
            if (c)
                for (size_t i = 0; i < c->params.size(); ++i) s.bind(int(i) + 3, c->params[i]);
            while (s.step()) {
                const int i = ownIndexOf(sqlite3_column_int64(s.get(), 0));
                if (i < 0 || (forward ? i < first : i > first)) continue;
                if (best < 0 || (forward ? i < best : i > best)) best = i;
            }
        }
        if (best < 0) return false;
        if (readAt(q.at, own[size_t(best)], c)) {
            found = Position{At::Row, own[size_t(best)], best};
            return true;
        }
        first = forward ? best + 1 : best - 1;   // changed meanwhile: go on past it
    }
}

void Recordset::Impl::addOwn(qint64 rowid) {
    if (ownAt.count(rowid)) return;   // a number given again after a rollback
    if (own.empty()) {
        ownLow = ownHigh = rowid;
    } else {
        ownLow = std::min(ownLow, rowid);
        ownHigh = std::max(ownHigh, rowid);
    }
    ownInOrder = ownInOrder && rowid > lastRowidAtOpen && (own.empty() || rowid > own.back());
    ownAt[rowid] = int(own.size());
    own.push_back(rowid);
}

void Recordset::Impl::renumberOwn(int index, qint64 rowid) {
    const size_t i = size_t(index);
    ownAt.erase(own[i]);
    own[i] = rowid;
    ownAt[rowid] = index;
    ownLow = std::min(ownLow, rowid);
    ownHigh = std::max(ownHigh, rowid);
    ownInOrder = ownInOrder && rowid > lastRowidAtOpen && (i == 0 || own[i - 1] < rowid) &&
                 (i + 1 == own.size() || rowid < own[i + 1]);
}

void Recordset::Impl::forgetRolledBackRows() {
    seenRollbacks = conn->rollbacks();
    count = -1;
    ahead.clear();
    if (own.empty()) return;
    std::vector<qint64> kept;
    kept.reserve(own.size());
    {
        Statement s(*conn, "SELECT 1 FROM " + table->quoted + " WHERE rowid = ?1");
        for (qint64 rowid : own) {
            s.bind(1, rowid);
            if (s.step()) kept.push_back(rowid);
            sqlite3_reset(s.get());
        }
    }
    if (kept.size() == own.size()) return;
    rolledBack.insert(own.begin(), own.end());
    for (qint64 rowid : kept) rolledBack.erase(rowid);
    own.clear();
    ownAt.clear();
    ownInOrder = true;
    for (qint64 rowid : kept) addOwn(rowid);
    if (pos.at == At::Row) pos.ownIndex = ownIndexOf(pos.rowid);
}

std::chrono::nanoseconds Recordset::Impl::coarseNow() {
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC_COARSE, &t);
    return std::chrono::seconds(t.tv_sec) + std::chrono::nanoseconds(t.tv_nsec);
}

bool Recordset::Impl::ReadAhead::fresh(sqlite3* db) const {
    return changes == sqlite3_total_changes64(db) &&
           coarseNow() - readAt < ReadAheadLifetime;
}

bool Recordset::Impl::advance(bool forward, const Queries& q, const CompiledCriteria* c, Position& found) {
    const bool continuing = run.length > 0 && pos.at == At::Row && !onDeleted && pos.rowid == run.last &&
                            run.forward == forward && run.plain == (c == nullptr) &&
                            (c == nullptr || run.criteria == lastCriteria);
    if (!continuing) {
        ahead.clear();
        run = Run{forward, c == nullptr, c ? lastCriteria : QString(), 0, 0};
    } else if (ahead.any() && !ahead.fresh(conn->db)) {
        // Stale rows are read again; after a write the run starts over in single steps.
        if (ahead.changes != sqlite3_total_changes64(conn->db)) run.length = 0;
        ahead.clear();
    }
    ++run.length;
    if (ahead.any()) {
        const size_t i = ahead.next++;
        const qint64 rowid = ahead.block->rowids[i];
        found = Position{At::Row, rowid, ownIndexOf(rowid)};
        run.last = found.rowid;
        setCurrent(ahead.block, i);
        return true;
    }
    ahead.clear();
    int batch = run.length < ReadAheadAfter ? 1
                : run.length < 32       ? 32
                : run.length < 128      ? 64
                : run.length < 1024     ? 256
                                        : 1024;
    if (!continuing && plannedRun > batch) batch = std::min(plannedRun, 1024);
    plannedRun = 0;
    if (!seek(forward, pos, q, c, batch, found)) return false;
    run.last = found.rowid;
    return true;
}

void Recordset::Impl::endRun() {
    run.length = 0;
    plannedRun = 0;
    ahead.clear();
}

void Recordset::Impl::arrive(const Position& p) {
    pos = p;
    bof = eof = false;
    onDeleted = false;
}

void Recordset::Impl::dropPending() {
    mode = EditMode::None;
    pending.clear();
    dirty.clear();
    editRead.reset();
    editUsed.clear();
}

void Recordset::Impl::requireRow() const {
    if (pos.at != At::Row) raise(err::NoCurrentRecord);
    if (onDeleted) raise(err::RecordDeleted);
}

long Recordset::Impl::countRows() {
    if (count >= 0) return count;
    long n = 0;
    {
        Statement s(*conn, "SELECT count(*) FROM " + table->quoted + " WHERE rowid <= ?1");
        s.bind(1, lastRowidAtOpen);
        s.step();
        n = long(sqlite3_column_int64(s.get(), 0));
    }
    // Our own rows above the table part are not in that count.
    if (ownHigh > lastRowidAtOpen && !own.empty()) n += countOwnAbove();
    count = n;
    return n;
}

long Recordset::Impl::countOwnAbove() {
    const QByteArray between = " FROM " + table->quoted + " WHERE rowid BETWEEN ?1 AND ?2";
    if (ownInOrder) {
        // Added one after another, own rows form a few runs of consecutive ids that
        // no other row can hold: each run is counted by SQLite alone.
        std::vector<std::pair<qint64, qint64>> runs;
        for (qint64 id : own) {
            if (!runs.empty() && runs.back().second + 1 == id) runs.back().second = id;
            else runs.emplace_back(id, id);
            if (runs.size() > 16) break;
        }
        if (runs.size() <= 16) {
            long n = 0;
            for (const auto& [first, last] : runs) {
                Statement s(*conn, "SELECT count(*)" + between);
                s.bind(1, first);
                s.bind(2, last);
                s.step();
                n += long(sqlite3_column_int64(s.get(), 0));
            }
            return n;
        }
    }
    // Otherwise one pass over the ids above the table part, keeping ours.
    Statement s(*conn, "SELECT rowid" + between);
    s.bind(1, std::max(ownLow, lastRowidAtOpen == Lowest ? Lowest : lastRowidAtOpen + 1));
    s.bind(2, ownHigh);
    long n = 0;
    while (s.step()) n += ownAt.count(sqlite3_column_int64(s.get(), 0)) ? 1 : 0;
    return n;
}

// ---- Recordset -------------------------------------------------------------

namespace {
Recordset::Impl& impl(const std::shared_ptr<Recordset::Impl>& d) {
    if (!d) raise(err::ObjectNotSet);
    if (d->seenRollbacks != d->conn->rollbacks()) d->forgetRolledBackRows();
    return *d;
}
}  // namespace

QString Recordset::tableName() const { return impl(d_).table->name; }

void Recordset::MoveFirst() {
    Impl& r = impl(d_);
    r.dropPending();
    r.endRun();
    Impl::Position p;
    if (!r.seek(true, Impl::Position{}, r.plain, nullptr, 1, p)) raise(err::NoCurrentRecord);
    r.arrive(p);
}

void Recordset::MoveLast() {
    Impl& r = impl(d_);
    r.dropPending();
    r.endRun();
    Impl::Position p;
    if (!r.seek(false, Impl::Position{Impl::At::End}, r.plain, nullptr, 1, p)) raise(err::NoCurrentRecord);
    r.arrive(p);
    r.count = -1;   // counted afresh, seeing other workstations' changes
}

void Recordset::MoveNext() {
    Impl& r = impl(d_);
    if (r.eof) raise(err::NoCurrentRecord);
    r.dropPending();
    Impl::Position p;
    if (r.advance(true, r.plain, nullptr, p)) {
        r.arrive(p);
    } else {
        r.endRun();
        r.pos = Impl::Position{Impl::At::End};
        r.eof = true;
        r.bof = false;
        r.onDeleted = false;
    }
}

void Recordset::ReadAhead(int steps) {
    Impl& r = impl(d_);
    r.endRun();
    r.plannedRun = std::max(steps, 0);
}

void Recordset::MovePrevious() {
    Impl& r = impl(d_);
    if (r.bof) raise(err::NoCurrentRecord);
    r.dropPending();
    Impl::Position p;
    if (r.advance(false, r.plain, nullptr, p)) {
        r.arrive(p);
    } else {
        r.endRun();
        r.pos = Impl::Position{Impl::At::Start};
        r.bof = true;
        r.eof = false;
        r.onDeleted = false;
    }
}

bool Recordset::BOF() const { return impl(d_).bof; }
bool Recordset::EOF() const { return impl(d_).eof; }

long Recordset::RecordCount() const { return impl(d_).countRows(); }

namespace {
enum class Direction { First, Next, Last, Previous };

void find(Recordset::Impl& r, const QString& criteria, Direction dir) {
    // Compile before anything changes: an unreadable criteria leaves all as it was.
    const CompiledCriteria& c = r.compiled(criteria);
    r.dropPending();
    using P = Recordset::Impl::Position;
    using A = Recordset::Impl::At;
    P found;
    bool hit = false;
    switch (dir) {
    case Direction::First:
        r.endRun();
        hit = r.seek(true, P{}, *r.lastQueries, &c, 1, found);
        break;
    case Direction::Next: hit = r.advance(true, *r.lastQueries, &c, found); break;
    case Direction::Last:
        r.endRun();
        hit = r.seek(false, P{A::End}, *r.lastQueries, &c, 1, found);
        break;
    case Direction::Previous: hit = r.advance(false, *r.lastQueries, &c, found); break;
    }
    // A miss reads no row, so the current row and its buffer stay as they were.
    r.noMatch = !hit;
    if (hit) r.arrive(found);
}
}  // namespace

void Recordset::FindFirst(const QString& criteria) { find(impl(d_), criteria, Direction::First); }
void Recordset::FindNext(const QString& criteria) { find(impl(d_), criteria, Direction::Next); }
void Recordset::FindLast(const QString& criteria) { find(impl(d_), criteria, Direction::Last); }
void Recordset::FindPrevious(const QString& criteria) { find(impl(d_), criteria, Direction::Previous); }
bool Recordset::NoMatch() const { return impl(d_).noMatch; }

void Recordset::AddNew() {
    Impl& r = impl(d_);
    r.dropPending();
    r.mode = EditMode::Add;
    r.pending.assign(r.table->fields.size(), SqlValue{});
    r.dirty.assign(r.table->fields.size(), 0);
}

void Recordset::Edit() {
    Impl& r = impl(d_);
    r.dropPending();
    r.requireRow();
    // Edit starts from the row as stored now.
    if (!r.readAt(r.plain.at, r.pos.rowid, nullptr)) {
        r.onDeleted = true;
        raise(err::RecordDeleted);
    }
    r.mode = EditMode::InProgress;
    r.pending.assign(r.table->fields.size(), SqlValue{});
    r.dirty.assign(r.table->fields.size(), 0);
    r.editRead = r.block;
    r.editUsed.assign(r.table->fields.size(), 0);
}

void Recordset::Update() {
    Impl& r = impl(d_);
    if (r.mode == EditMode::None) raise(err::UpdateWithoutAddNew);
    const TableInfo& t = *r.table;
    // Whatever happens, the pending row is gone afterwards: a failed write leaves
    // nothing behind that a later Update could store half of.
    const EditMode mode = r.mode;
    const std::vector<SqlValue> values = std::move(r.pending);
    const std::vector<char> dirty = std::move(r.dirty);
    const std::shared_ptr<RowBlock> editRead = std::move(r.editRead);
    const std::vector<char> used = std::move(r.editUsed);
    r.dropPending();

    std::vector<int> changed;
    for (size_t i = 0; i < dirty.size(); ++i)
        if (dirty[i]) changed.push_back(int(i));

    Database::Connection& c = *r.conn;
    if (mode == EditMode::Add) {
        QByteArray sql = "INSERT INTO " + t.quoted;
        if (changed.empty()) {
            sql += " DEFAULT VALUES";
        } else {
            QByteArray cols, marks;
            for (int i : changed) {
                if (!cols.isEmpty()) {
                    cols += ',';
                    marks += ',';
                }
                cols += t.fields[size_t(i)].quoted;
                marks += '?';
            }
            sql += " (" + cols + ") VALUES (" + marks + ')';
        }
        qint64 rowid = 0;
        c.inWriteTransaction([&] {
            Statement s(c, sql);
            for (size_t k = 0; k < changed.size(); ++k) s.bind(int(k) + 1, values[size_t(changed[k])]);
            s.step();
            rowid = sqlite3_last_insert_rowid(c.db);
        });
        // The new row joins the end of this set; the current row stays where it was.
        r.addOwn(rowid);
        if (r.count >= 0) ++r.count;
        return;
    }

    if (changed.empty()) return;
    QByteArray sql = "UPDATE " + t.quoted + " SET ";
    int keyField = -1;
    for (size_t k = 0; k < changed.size(); ++k) {
        if (k) sql += ',';
        sql += t.fields[size_t(changed[k])].quoted + "=?";
        if (t.fields[size_t(changed[k])].rowidKey) keyField = changed[k];
    }
    // The write happens only while the fields this edit read or assigned still
    // hold what Edit read: another workstation's change in between is not
    // overwritten unseen. The check is part of the UPDATE, so no lock is held
    // between Edit and Update.
    sql += " WHERE rowid=?";
    std::vector<SqlValue> expected;
    for (size_t i = 0; i < used.size(); ++i) {
        if (!used[i]) continue;
        sql += " AND " + t.fields[i].quoted + " IS ? COLLATE BINARY";
        expected.push_back(sqlValueOfCell(editRead->cells[i], editRead->bytes));
    }
    bool changedElsewhere = false;
    c.inWriteTransaction([&] {
        Statement s(c, sql);
        int n = 0;
        for (int i : changed) s.bind(++n, values[size_t(i)]);
        s.bind(++n, r.pos.rowid);
        for (const SqlValue& v : expected) s.bind(++n, v);
        s.step();
        if (sqlite3_changes(c.db) > 0) return;
        Statement there(c, r.plain.at);
        there.bind(1, r.pos.rowid);
        if (!there.step()) raise(err::RecordDeleted);
        changedElsewhere = true;
    });
    if (changedElsewhere) {
        // Nothing written; the row is shown as it is stored now.
        if (!r.readAt(r.plain.at, r.pos.rowid, nullptr)) r.onDeleted = true;
        raise(err::DataChanged);
    }
    if (keyField >= 0) {
        // The key is the row id: the row keeps its place under its new id.
        const qint64 newId = std::get<qint64>(values[size_t(keyField)]);
        if (r.pos.ownIndex >= 0) {
            r.renumberOwn(r.pos.ownIndex, newId);
        } else if (newId > r.lastRowidAtOpen) {
            r.addOwn(newId);
            r.pos.ownIndex = int(r.own.size()) - 1;
        }
        r.pos.rowid = newId;
    }
    if (!r.readAt(r.plain.at, r.pos.rowid, nullptr)) r.onDeleted = true;
}

void Recordset::CancelUpdate() {
    // Also harmless when nothing is pending: a failed write has already dropped it.
    impl(d_).dropPending();
}

void Recordset::Delete() {
    Impl& r = impl(d_);
    r.dropPending();
    r.requireRow();
    Database::Connection& c = *r.conn;
    const QByteArray sql = "DELETE FROM " + r.table->quoted + " WHERE rowid=?1";
    try {
        c.inWriteTransaction([&] {
            Statement s(c, sql);
            s.bind(1, r.pos.rowid);
            s.step();
            if (sqlite3_changes(c.db) == 0) raise(err::RecordDeleted);
        });
    } catch (const EngineError& e) {
        if (e.number() == err::RecordDeleted) r.onDeleted = true;
        throw;
    }
    // The position stays at the deleted row's place until the next move.
    r.onDeleted = true;
    if (r.count > 0) --r.count;
}

Recordset::EditMode Recordset::editMode() const { return impl(d_).mode; }

Variant Recordset::field(const QString& name) const {
    Impl& r = impl(d_);
    const int i = r.table->indexOf(name);
    if (i < 0) raise(err::ItemNotFound, name);
    const FieldInfo& f = r.table->fields[size_t(i)];
    if (r.mode == EditMode::Add) {
        return r.dirty[size_t(i)] ? variantFromStored(f, r.pending[size_t(i)]) : Variant::null();
    }
    if (r.mode == EditMode::InProgress) {
        r.editUsed[size_t(i)] = 1;
        if (r.dirty[size_t(i)]) return variantFromStored(f, r.pending[size_t(i)]);
    }
    r.requireRow();
    return r.value(size_t(i));
}

void Recordset::setField(const QString& name, const Variant& value) {
    Impl& r = impl(d_);
    if (r.mode == EditMode::None) raise(err::UpdateWithoutAddNew);
    try {
        const int i = r.table->indexOf(name);
        if (i < 0) raise(err::ItemNotFound, name);
        r.pending[size_t(i)] = storedValue(r.table->fields[size_t(i)], value);
        r.dirty[size_t(i)] = 1;
        if (r.mode == EditMode::InProgress) r.editUsed[size_t(i)] = 1;
    } catch (...) {
        // A failed assignment abandons the whole pending row.
        r.dropPending();
        throw;
    }
}

Recordset::FieldRef Recordset::operator[](const QString& name) { return FieldRef(*this, name); }

Variant Recordset::bookmark() const {
    Impl& r = impl(d_);
    r.requireRow();
    return Variant(double(r.pos.rowid));
}

void Recordset::setBookmark(const Variant& mark) {
        Impl& r = impl(d_);
    if (!mark.isNumeric() && mark.type() != Variant::Type::Double) raise(err::InvalidBookmark);
    const qint64 rowid = qint64(mark.numberValue());
    const Impl::Position p{Impl::At::Row, rowid, r.ownIndexOf(rowid)};
    if (p.ownIndex < 0 && rowid > r.lastRowidAtOpen && !r.rolledBack.count(rowid)) raise(err::InvalidBookmark);
    r.dropPending();
    r.endRun();
    const bool present = r.readAt(r.plain.at, rowid, nullptr);
    r.arrive(p);
    r.onDeleted = !present;
}

QStringList Recordset::fieldNames() const {
    QStringList names;
    for (const FieldInfo& f : impl(d_).table->fields) names << f.name;
    return names;
}

}  // namespace vorna::db
