#pragma once
#include "menu_batch/BatchedWrites.h"
#include "menu_batch/BusyCursor.h"
#include "menu_batch/MenuTables.h"

#include <functional>

namespace vorna::menu_batch {

// The box a batch run shows when the engine or the runtime stops it: the
// error's number and text, and where the run stopped when it says so.
void showRunFailure(const EngineError& error, const QString& where = {});

// Runs first (when given), then visits every client from the first, the writes
// grouped by writes. A failure keeps the rows saved before it and shows the
// failure box naming the client reached; false then.
bool walkClients(MenuTables& tables, BatchedWrites& writes, const std::function<void()>& first,
                 const std::function<void(const Variant& client)>& visit);

}  // namespace vorna::menu_batch
