#pragma once
#include "documents/instalments/InstalmentValues.h"
#include "platform/runtime/Variant.h"

#include <QString>
#include <array>
#include <optional>

namespace vorna::documents::instalments {

// The fields a writer changes on a stored PARCELAS row; a field left nullopt
// keeps its stored value. PROPOSTA, NUMERO, FILIAL, VCA and CA are never
// rewritten.
struct StoredRowUpdate {
    std::array<QString, InstalmentValues::kProducers> ProducerCodes;  // P1 to P5, always
    std::optional<Variant> DueDate;                          // DV1
    std::optional<Variant> ReceivedDate;                     // DP1
    std::optional<Variant> PassOnDate;                       // DR1
    std::optional<double> Commission;                        // VV1
    std::optional<double> ReceivedCommission;                // VP1
    std::optional<double> PassOn;                            // VR1
    std::array<std::optional<double>, InstalmentValues::kProducers> ProducerPassOns;  // R1 to R5
    std::optional<double> Amount;                            // VALOR
};
using StoredRowUpdates = std::array<StoredRowUpdate, InstalmentValues::kInstalments>;

// What the rewriting writers take from the window besides the series.
struct StoredRowInputs {
    std::array<QString, InstalmentValues::kProducers> ProducerCodes;  // Text18, 25, 26, 32, 33
    // Value box k when it holds characters.
    InstalmentValues::Series<std::optional<double>> Amounts;
};

// A pass-on settled in advance: the whole pass-on on instalment 1 with the
// settlement date, 0 and the placeholder date on instalments 2 to 12. The
// commissions keep their spread.
void settleAdvancePassOn(InstalmentValues& values, const Variant& date,
                         const std::array<double, InstalmentValues::kProducers>& producerPassOns,
                         double passOnTotal);

// The full rewrite of a stored schedule: DV1, DP1 and DR1 where the entry
// holds text; VP1 only together with DP1; VV1, VR1, P1-P5 and R1-R5 always;
// VALOR where the box held characters.
StoredRowUpdates rewrittenRows(const InstalmentValues& values, const StoredRowInputs& in);

// The update in place of a schedule with settled instalments, the count
// unchanged. Row k gets P1-P5; DV1 on row 1 always and on the others where
// the entry holds text; VALOR where the box held characters. Above `count`
// the entries are then cleared in `values` (dates empty text, amounts 0).
// VV1 only above `received`; VR1, R1-R5 and, where it holds text, DR1 only
// above `paid`: the first `received` and `paid` rows are taken as settled.
StoredRowUpdates updatedInPlace(InstalmentValues& values, const StoredRowInputs& in, double count,
                                int32_t received, int32_t paid);

}  // namespace vorna::documents::instalments
