#pragma once
#include "documents/instalments/InstalmentValues.h"
#include "documents/instalments/PanelRows.h"
#include "platform/runtime/Variant.h"

#include <array>
#include <vector>

namespace vorna::documents::instalments {

// The fields of a stored instalment row that the settled sums read, as the
// recordset gives them (Null where the row has none).
struct StoredInstalment {
    Variant DV1;    // due date
    Variant VALOR;  // instalment premium
    Variant DP1;    // commission received on; Null when not received
    Variant VP1;    // commission received
    Variant DR1;    // pass-on paid on; Null when not paid
    Variant VR1;    // pass-on paid, all producers
    std::array<Variant, InstalmentValues::kProducers> R{};  // R1 to R5
};

// Takes a document's stored rows into the working values. `rows` are the rows
// the walk met, in recordset order (row i is instalment i + 1, whatever its
// NUMERO); rows after the twelfth are not looked at. Empty `rows`: the
// document has none, and the window opens the panel next.
//
// Sets, from zero on every call:
//   ReceivedCommissionSum / ReceivedInstalmentCount  over rows with DP1 set;
//   PaidPassOnSum / PaidPassOnCount, PaidProducerPassOn[j] (the sum of R(j+1))
//     over rows with DR1 set ("11/11/1111" counts as set);
//   LoadedDueDates[k]  DV1 as "DD/MM/YYYY", "" when the row has none or
//     there is no row k;
//   CurrentInstalmentNumber  1 with no row, n + 1 after n rows (n < 12), 12
//     after twelve.
// The producers' amounts are added as stored, unrounded, so they stay in
// step with PaidPassOnSum. A settled row with a Null amount adds 0.
// Returns the panel's value boxes: VALOR as number text, "" for an
// instalment without VALOR or without a row; nothing else of the panel.
PanelRows loadStoredInstalments(const std::vector<StoredInstalment>& rows, InstalmentValues& values);

}  // namespace vorna::documents::instalments
