#pragma once
#include "documents/instalments/InstalmentValues.h"

#include <cstddef>
#include <optional>

// Edits of the working series that every writer's arithmetic shares.
namespace vorna::documents::instalments {

// Entries first to 11 (0-based) of the commission, pass-on and the first
// `producers` producer series become 0.
void zeroAmountsFrom(InstalmentValues& values, std::size_t first,
                     int producers = InstalmentValues::kProducers);

// The count that empties what lies above it: count itself when it is exactly
// one of 1 to 11; nullopt for 12, 0, 13, a fraction or anything else.
std::optional<std::size_t> countBelowTwelve(double count);

// The count rule of the writers: above an exact count of 1 to 11 the amounts
// become 0 and the due dates empty text.
void clearAboveCount(InstalmentValues& values, double count,
                     int producers = InstalmentValues::kProducers);

// The split by the panel's percentage columns, for k = 1 to 12:
//   commission k = (commissionPercents[k] / commissionPercentage) x CommissionToSpread;
//   pass-on k    = (passOnPercents[k] / shareSum) x PassOnToSpread, and the
//                  first `producers` producers likewise from their amounts.
// A zero divisor raises (see quotient).
void splitByPercentages(const InstalmentValues::Series<double>& commissionPercents, double commissionPercentage,
                        const InstalmentValues::Series<double>& passOnPercents, double shareSum, int producers,
                        InstalmentValues& values);

// Nothing received yet: every received commission 0, every received date the
// empty text.
void clearReceived(InstalmentValues& values);

}  // namespace vorna::documents::instalments
