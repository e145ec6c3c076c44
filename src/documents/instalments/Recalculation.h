#pragma once
#include "documents/instalments/InstalmentValues.h"
#include "documents/instalments/PanelRows.h"

#include <QString>
#include <array>

namespace vorna::documents::instalments {

// The number of instalments whose commission, or pass-on, is still open: the
// count less those already settled, and at least 1, so a count lowered below
// the settled instalments puts the whole remainder on one instalment instead
// of turning it negative.
int32_t openInstalments(int32_t count, int32_t settled);

// The window's boxes the recalculation reads, already read.
struct RecalculationInputs {
    QString paymentForm;        // the commission payment form's text
    int32_t count = 0;          // the instalment count, 1 to 12
    bool splitPremium = false;  // "Recalcular Parcelas" checked (not grayed)
    double grossPremium = 0.0;
    double commissionValue = 0.0;
    double passOnTotal = 0.0;
    std::array<double, InstalmentValues::kProducers> producerPassOns{};  // producers 1 to 5
};

// Spreads what is still open over the open instalments, after the stored rows
// were loaded (loadStoredInstalments) or the panel filled (fillScheduleFromLine).
//
// In `values`, under the four payment forms ("+ 30dd" as the form it extends):
//   CommissionToSpread = (commissionValue - ReceivedCommissionSum)
//                        / openInstalments(count, ReceivedInstalmentCount);
//   PassOnToSpread and ProducerPassOnToSpread[j] = (their box - PaidPassOnSum
//                        or PaidProducerPassOn[j]) / openInstalments(count, PaidPassOnCount);
//   InstalmentCommissions: the advance forms with nothing received yet put the
//     whole commissionValue on instalment 1 and 0 on the others; otherwise
//     every entry is CommissionToSpread.
// Under any other form those keep their contents. Always: every entry of
// InstalmentPassOns and of each producer's series takes the amount to spread,
// and InstalmentDueDates (the dates to store) take LoadedDueDates.
//
// Returns every row with the due-date mask stripped; due-date box k shows
// LoadedDueDates[k] as "DD/MM/YYYY" unless it is Null; value box k takes
// grossPremium / count when splitPremium, else keeps its text. Rows 2 to 12
// above the count end with empty due-date and value boxes.
//
// Raises 6 for a count outside 1 to 12, before changing anything.
PanelRows recalculateInstalments(const RecalculationInputs& in, InstalmentValues& values);

}  // namespace vorna::documents::instalments
