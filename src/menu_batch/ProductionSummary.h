#pragma once
#include "menu_batch/MenuTables.h"

namespace vorna::menu_batch {

// One client's documents in force, summed.
struct ClientProduction {
    double netPremium = 0;   // PREMIOLIQ
    double commission = 0;   // VCOMISSAO
    double passOn = 0;       // VREPASSE
    int16_t documents = 0;

    // Adds a document when its status is exactly "V"; an empty amount of a
    // document in force is the runtime's error 94, a 32768th document 6.
    void add(const Variant& status, const Variant& netPremium, const Variant& commission, const Variant& passOn);
};

// Empties the label table and writes one summary row per client holding
// documents in force.
void BuildProductionSummary(MenuTables& tables);

}  // namespace vorna::menu_batch
