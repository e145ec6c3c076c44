#pragma once
#include "menu_batch/MenuTables.h"
#include "platform/database/Database.h"

#include <functional>

#include <optional>

namespace vorna::batch {

// The busy cursor over the whole program while a long routine runs.
class BusyCursor {
public:
    BusyCursor();
    ~BusyCursor();
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;
};

// A long routine's writes, grouped a few hundred rows to a transaction: other
// workstations' saves never wait on it longer than the engine's lock wait, and
// every group is stored whole or not at all.
class BatchedWrites {
public:
    static constexpr int RowsPerTransaction = 200;
    explicit BatchedWrites(db::Database db, int rowsPerTransaction = RowsPerTransaction);

    // Before each write: opens the next group when none is open.
    void beforeWrite();
    // After each write: stores the group once it is full.
    void afterWrite();
    // Stores the open group (the end of the run).
    void commit();
    // After a failure: stores the rows written before it, when the engine can
    // still store them (a lock or disk failure has already undone the group).
    void keepWrittenRows() noexcept;

private:
    db::Database db_;
    std::optional<db::Database::Transaction> open_;
    int rows_ = 0;
    int perTransaction_;
};

// The box a batch run shows when the engine or the runtime stops it: the
// error's number and text, and where the run stopped when it says so.
void showRunFailure(const EngineError& error, const QString& where = {});

// Runs first (when given), then visits every client from the first, the
// writes grouped as above. A failure keeps the rows written before it and shows
// the failure box naming the client reached; false then.
bool walkClients(MenuTables& tables, BatchedWrites& writes, const std::function<void()>& first,
                 const std::function<void(const Variant& client)>& visit);

}  // namespace vorna::batch
