#pragma once
#include "menu_batch/MenuTables.h"

namespace vorna::menu_batch {

// Lists in the label table the clients holding a policy in force, then gives
// every client its active flag: "A" when listed, "I" otherwise. Each client is
// written once, with its final letter, so a run stopped part-way never leaves a
// client with a policy in force marked inactive.
void SetClientMailingFlags(MenuTables& tables);

}  // namespace vorna::menu_batch
