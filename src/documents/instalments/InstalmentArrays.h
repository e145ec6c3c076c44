#pragma once
#include "documents/instalments/InstalmentValues.h"
#include "documents/instalments/PanelRows.h"
#include "platform/runtime/Variant.h"

#include <QString>
#include <array>
#include <cstdint>

namespace vorna::documents::instalments {

// What the arrays of an altered document take from the window, already read.
struct InstalmentArrayInputs {
    Variant StartDate;        // MaskEdBox8 as a date
    QString PaymentForm;      // Combo7, compared exactly
    int32_t Count = 0;        // Text20 as a whole number
    int32_t DocumentNumber = 0;  // Text1: the document the series are computed for
    // Read only under the four payment forms of the list.
    double CommissionValue = 0.0;   // MaskEdBox11
    double PassOnTotal = 0.0;       // MaskEdBox18
    std::array<double, InstalmentValues::kProducers> ProducerPassOns{};  // MaskEdBox15, 16, 17, 76, 82
    // Read only in the computed mode (SameCountFlag not 1).
    double GrossPremium = 0.0;      // MaskEdBox5
};

// The per-instalment arrays of a stored document about to be rewritten.
//
// In `values`:
//   MonthlyDates: the start date, then each month after the one before it;
//   the amounts to spread: the box values under "ANTECIPADA" and
//     "ANTECIPADA + 30dd", the box values / Count under "PARCELADA" and
//     "PARCELADA + 30dd"; any other text keeps the amounts as they were;
//   the commission, pass-on and five producer series: every entry the amount
//     to spread; entries 2 to 12 are 0 under the two advance forms;
//   received commissions 0, received and pass-on dates the empty text;
//   InstalmentDueDates: MonthlyDates under "ANTECIPADA" alone, otherwise kept;
//   above a Count of 1 to 11: the seven amount series 0, due dates empty text;
//   SeriesDocumentNumber: DocumentNumber.
//
// Returns the panel rows. When SameCountFlag is 1 (captured mode) due-date
// box k shows CapturedDueDates[k] as "DD/MM/YYYY", or is emptied when that
// text is no date; the value boxes keep their texts. Otherwise (computed
// mode) the due-date boxes lose their mask and show InstalmentDueDates as
// "DD/MM/YYYY" (a Null entry keeps the box), and every value box takes
// GrossPremium / Count as number text, emptied on the rows above Count.
//
// A Count of 0 raises where it is divided by ("PARCELADA" forms, or the
// computed mode) before anything in values changes.
PanelRows prepareInstalmentArrays(const InstalmentArrayInputs& in, InstalmentValues& values);

}  // namespace vorna::documents::instalments
