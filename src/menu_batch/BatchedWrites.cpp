#include "menu_batch/BatchedWrites.h"

namespace vorna::menu_batch {

BatchedWrites::~BatchedWrites() { keepSaved(); }

void BatchedWrites::keepSaved() noexcept
{
    try {
        if (batch_)
            batch_->commit();
    } catch (const std::exception&) {
        // The engine gave the batch up already (a lock or disk failure); the
        // failure that stopped the run is the one the user is told of.
    }
    batch_.reset();
}

void BatchedWrites::beforeWrite()
{
    if (!batch_) {
        batch_.emplace(database_);
        rows_ = 0;
    }
}

void BatchedWrites::rowWritten()
{
    if (++rows_ >= RowsPerBatch)
        finish();
}

void BatchedWrites::finish()
{
    if (!batch_)
        return;
    try {
        batch_->commit();
    } catch (...) {
        batch_.reset();
        throw;
    }
    batch_.reset();
}

}  // namespace vorna::menu_batch
