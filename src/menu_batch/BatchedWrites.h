#pragma once
#include "platform/database/Database.h"

#include <optional>

// The writes of a long run, stored in transactions of a few hundred rows each,
// so another workstation's save never waits longer than the engine's lock wait.
// A batch is begun before the first write it holds; rowWritten() after each
// saved row stores the batch when it is full. finish() stores the rest. A run
// that stops on a failure keeps the rows it had saved: the destructor stores
// them as well (the failing row itself was never saved).
namespace vorna::menu_batch {

class BatchedWrites {
public:
    static constexpr int RowsPerBatch = 250;

    explicit BatchedWrites(const db::Database& database) : database_(database) {}
    ~BatchedWrites();
    BatchedWrites(const BatchedWrites&) = delete;
    BatchedWrites& operator=(const BatchedWrites&) = delete;

    // Before a write: begins a batch when none is open.
    void beforeWrite();
    // After a saved row (or a deleted one).
    void rowWritten();
    // Stores the open batch; raises when the engine refuses it.
    void finish();
    // Stores what was saved so far without raising, before the run tells of
    // the failure that stopped it (a box must not keep the lock).
    void keepSaved() noexcept;

private:
    const db::Database& database_;
    std::optional<db::Database::Transaction> batch_;
    int rows_ = 0;
};

}  // namespace vorna::menu_batch
