#pragma once
#include "documents/instalments/InstalmentValues.h"
#include "platform/runtime/Variant.h"

#include <QString>
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>

namespace vorna::documents::instalments {

// Every instalment writer stores branch 1, whatever the document's own branch.
inline constexpr int16_t kWrittenBranch = 1;

// The fields a writer sets on one new PARCELAS row, in the order it sets them:
// PROPOSTA (the caller's document number), NUMERO, DV1, DP1, DR1, VV1, VP1,
// VR1, VCA, P1-P5, R1-R5, VALOR, FILIAL (kWrittenBranch), CA. A field left
// nullopt is not set, so the row keeps what the table gives a new row.
struct InstalmentRow {
    int16_t Number = 0;                                 // NUMERO
    std::optional<Variant> DueDate;                     // DV1
    std::optional<Variant> ReceivedDate;                // DP1
    std::optional<Variant> PassOnDate;                  // DR1
    double Commission = 0.0;                            // VV1
    double ReceivedCommission = 0.0;                    // VP1
    double PassOn = 0.0;                                // VR1
    std::optional<double> PolicyCostShare;              // VCA
    std::array<std::optional<QString>, 5> ProducerCodes;  // P1 to P5
    std::array<std::optional<double>, 5> ProducerPassOns;  // R1 to R5
    std::optional<double> Amount;                       // VALOR
    std::optional<QString> Flag;                        // CA
};

using InstalmentRows = std::array<InstalmentRow, 12>;

// The share of the policy cost that instalment 1 carries.
inline constexpr double kPolicyCostShare = 0.2;

// Whether a series entry is written to its date field: its text, trimmed of
// blanks, is not empty. Empty and Null never are.
bool holdsText(const Variant& entry);

// What every writer takes from the series for instalment k (0-based): NUMERO
// k + 1, DV1 where the due date holds text, VV1, VP1, VR1, and R1 to R5 of the
// first `producers` producers. The rest is left unset.
InstalmentRow seriesRow(const InstalmentValues& values, std::size_t k, int producers);

}  // namespace vorna::documents::instalments
