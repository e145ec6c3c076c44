#pragma once
#include "documents/instalments/InstalmentRow.h"
#include "documents/instalments/InstalmentValues.h"
#include "platform/runtime/Variant.h"

#include <QString>
#include <array>
#include <optional>

namespace vorna::documents::instalments {

// The placeholder date of DR1 on instalments 2 to 12 of a pass-on paid in
// advance; the real date stands on instalment 1.
inline const QString kSettledInAdvanceDate = QStringLiteral("11/11/1111");

// What the writers of a new schedule (a new document, or a stored one without
// rows) take from the document window, every box already read as a number.
struct WriterShareInputs {
    double CommissionValue = 0.0;       // MaskEdBox11
    double PassOnTotal = 0.0;           // MaskEdBox18
    std::array<double, InstalmentValues::kProducers> ProducerPassOns{};  // MaskEdBox15, 16, 17, 76, 82
    double CommissionPercentage = 0.0;  // MaskEdBox6
    double ProducerShareSum = 0.0;      // the window's divisor of the pass-on fraction
    InstalmentValues::Series<double> CommissionPercentages{};  // the panel's commission % of row k
    InstalmentValues::Series<double> PassOnPercentages{};      // the panel's pass-on % of row k
    QString PaymentForm;                // Combo7, compared exactly
    double InstalmentCount = 0.0;       // the number in Text20
    // The date in MaskEdBox59; Empty when the box holds no characters.
    Variant AdvanceSettlementDate;
    // fixedPassOnRule for the new-document writer; 0 for the writer of a
    // stored document without rows, which applies no fixed rule.
    int FixedRule = 0;
    double NetPremium = 0.0;            // MaskEdBox1; needed only when FixedRule is set
};

// The line whose fixed producer-1 pass-on applies: 931, 932 or 933 when the
// line code equals it and the document type is exactly "APOLICE"; else 0.
int fixedPassOnRule(double lineCode, const QString& documentType);

// The shares of a new schedule, in the writers' order of steps:
//  1. the amounts to spread are the values of their boxes;
//  2. commission k = (commission % k / CommissionPercentage) x commission value;
//  3. pass-on k = (pass-on % k / ProducerShareSum) x pass-on total, and each
//     producer's share likewise from that producer's value;
//  4. a fixed rule replaces producer 1's series and makes the pass-on series
//     equal to it (products of the net premium, left to right);
//  5. "ANTECIPADA" (exactly) zeroes instalments 2 to 12; instalment 1 keeps
//     its own share;
//  6. nothing received: received commissions 0, received dates empty text;
//  7. pass-on dates: empty text, or the advance date on instalment 1 and
//     kSettledInAdvanceDate on 2 to 12;
//  8. a count of exactly 1 to 11 zeroes the amounts above it and empties those
//     due dates; any other count changes nothing;
//  9. an advance date puts each whole pass-on amount on instalment 1 and 0 on
//     the others, fixed rules and count notwithstanding; commissions stay.
// InstalmentDueDates is read (the captured box texts) and emptied above the
// count. A zero CommissionPercentage or ProducerShareSum raises 11 (6 when
// the dividend is 0 too) before anything in values changes.
void computeWriterShares(const WriterShareInputs& in, InstalmentValues& values);

// What the rows of a new schedule take from the window besides the series.
struct NewRowInputs {
    std::optional<double> PolicyCost;   // MaskEdBox3, when it holds characters
    std::array<QString, InstalmentValues::kProducers> ProducerCodes;  // Text18, 25, 26, 32, 33
    InstalmentValues::Series<std::optional<double>> Amounts;  // value box k, when it holds characters
};

// The twelve new rows of a schedule from the computed series: NUMERO k; DV1,
// DP1 and DR1 only where the entry holds text; VV1, VP1, VR1, P1-P5 and R1-R5
// always; VCA = policy cost x 0.2 on row 1 only; VALOR where the box held
// characters; CA "N".
InstalmentRows newScheduleRows(const InstalmentValues& values, const NewRowInputs& in);

}  // namespace vorna::documents::instalments
