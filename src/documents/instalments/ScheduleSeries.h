#pragma once
#include "documents/instalments/InstalmentValues.h"
#include "documents/instalments/PanelRows.h"
#include "platform/runtime/Variant.h"

#include <QString>
#include <array>

namespace vorna::documents::instalments {

// What the schedule of a document without stored rows is filled from: the
// window's boxes, already read, and the line of business's percentages.
struct ScheduleInputs {
    QString paymentForm;            // the commission payment form's text
    int32_t count = 0;              // the instalment count, 1 to 12
    Variant startDate;              // the start-of-validity date or its text
    double grossPremium = 0.0;
    QString commissionPercent;      // the commission percentage box's text, not 0
    double commissionValue = 0.0;
    double passOnTotal = 0.0;
    std::array<double, InstalmentValues::kProducers> producerPassOns{};  // producers 1 to 5
    Variant producerShareSum;       // as the panel opener leaves it, not 0
    std::array<Variant, InstalmentValues::kInstalments> lineCommissions{};  // COM1 to COM12, Null where unset
};

// Fills the panel from the line's schedule. Returns every row:
//   commission box k  COMk as number text, "0" for Null;
//   pass-on box k     producerShareSum x (commission box k / commission %);
//   value box k       grossPremium / count, unrounded;
//   due-date box k    the due date to store, "DD/MM/YYYY", for k = 1 (unless
//                     Null) and for k <= count when not blank; else kept.
// The advance forms ("ANTECIPADA", "ANTECIPADA + 30dd") then put the
// commission % text itself in box 1 and producerShareSum in pass-on box 1,
// and disable every commission box and every pass-on box. The spread forms
// ("PARCELADA", "PARCELADA + 30dd") give every row commission % / count and
// producerShareSum / count when commission boxes 1 to 4 all read 0. Rows
// above the count end empty, without the due-date mask, and disabled.
//
// In `values`: LoadedDueDates[0..count-1] become the month chain from the
// start date (a month later for the "+ 30dd" forms), each date a month after
// the one before; other entries, and all of them under any other form, keep
// theirs. InstalmentDueDates (the dates to store) become those entries up to
// the count and "" above it. Under the four forms the amounts to spread take
// the whole commission value, pass-on total and producer values.
//
// Raises before changing anything: 6 for a count outside 1 to 12; 13 for a
// commission % or (under the four forms) a start date that does not read;
// 11 for a commission % of 0; 94 for a Null producerShareSum.
PanelRows fillScheduleFromLine(const ScheduleInputs& in, InstalmentValues& values);

}  // namespace vorna::documents::instalments
