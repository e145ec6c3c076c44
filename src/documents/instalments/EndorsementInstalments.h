#pragma once
#include "documents/instalments/InstalmentRow.h"
#include "documents/instalments/InstalmentValues.h"
#include "documents/instalments/PanelRows.h"
#include "platform/runtime/Variant.h"

#include <QString>
#include <array>
#include <optional>

// The arithmetic of the sequential endorsement generator: its preparation,
// once per run, and the twelve instalment rows of each endorsement.
namespace vorna::documents::instalments {

inline constexpr int kEndorsementProducers = 3;
inline constexpr int kSequentialEndorsements = 11;

// What the preparation takes from the window, already read.
struct EndorsementPreparationInputs {
    Variant StartDate;                      // MaskEdBox8 as a date
    std::array<double, kEndorsementProducers> ProducerPercentages{};  // MaskEdBox12, 13, 14
    QString CommissionPercentageText;       // MaskEdBox6 as typed
    double CommissionValue = 0.0;           // MaskEdBox11
    double PassOnTotal = 0.0;               // MaskEdBox18
    std::array<double, kEndorsementProducers> ProducerPassOns{};  // MaskEdBox15, 16, 17
    QString PaymentForm;                    // Combo7, compared exactly
    double InstalmentCount = 0.0;           // the number in Text20
};

struct EndorsementPreparation {
    // Entry 0 the policy's start date; entry k (1 to 11) the start date of
    // endorsement k, each a month after the one before it.
    std::array<Variant, 12> MonthDates;
    // The three percentages added as doubles; 1E-08 when they add up to 0.
    double ProducerShareSum = 0.0;
    // MaskEdBox6's new text ("1E-08") when its number was 0; nullopt keeps it.
    std::optional<QString> CommissionPercentageText;
    // The number in MaskEdBox6 afterwards, never 0.
    double CommissionPercentage = 0.0;
    // The two percentage columns as the preparation leaves them (commission
    // and pass-on texts only; a nullopt keeps the box's text):
    //   "ANTECIPADA": row 1 the commission percentage text and the share sum,
    //     its pass-on box disabled; rows 2 to 12 "0";
    //   "PARCELADA": every row commission % / count and share sum / count;
    //   other texts ("+ 30dd" included) leave the columns;
    //   then, whatever the form, both boxes of every row k above the count
    //   (2 to 12) "0".
    PanelRows Columns{};
};

// The generator's preparation. Sets CommissionToSpread, PassOnToSpread and
// the first three ProducerPassOnToSpread of values to the boxes' amounts,
// whatever the payment form. Raises before changing values when
// CommissionPercentageText is no number or "PARCELADA" meets a count of 0.
EndorsementPreparation prepareEndorsements(const EndorsementPreparationInputs& in, InstalmentValues& values);

// What the rows of one endorsement take from the window besides the work area.
struct EndorsementShareInputs {
    Variant StartDate;                      // the endorsement's month date: slot 1's due date
    double CommissionPercentage = 0.0;      // the number in MaskEdBox6 (never 0 here)
    double ProducerShareSum = 0.0;          // the preparation's, never 0
    InstalmentValues::Series<double> CommissionPercentages{};  // the panel's commission % of row k
    InstalmentValues::Series<double> PassOnPercentages{};      // the panel's pass-on % of row k
    QString PaymentForm;                    // Combo7, compared exactly
    double InstalmentCount = 0.0;           // the number in Text20
};

// One endorsement's split, from the amounts the preparation put into values:
// slot 1's due date the endorsement's start date (slots 2 to 12 keep theirs);
// commission, pass-on and producers 1 to 3 by the percentage columns;
// "ANTECIPADA" (exactly) zeroes slots 2 to 12; nothing received, no received
// or pass-on date; above an exact count of 1 to 11 the amounts 0 and the due
// dates empty. Producers 4 and 5 stay untouched. A zero divisor raises
// before values change.
void computeEndorsementShares(const EndorsementShareInputs& in, InstalmentValues& values);

// The twelve rows of an endorsement: NUMERO, DV1 where it holds text, VV1,
// VP1, VR1, P1-P3 and R1-R3 on every row, VCA = policy cost x 0.2 on row 1
// when the policy-cost box holds characters. No DP1, DR1, P4, P5, R4, R5,
// VALOR nor CA.
InstalmentRows endorsementRows(const InstalmentValues& values, std::optional<double> policyCost,
                               const std::array<QString, kEndorsementProducers>& producerCodes);

}  // namespace vorna::documents::instalments
