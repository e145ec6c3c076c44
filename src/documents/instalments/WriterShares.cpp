#include "documents/instalments/WriterShares.h"

#include "documents/instalments/PaymentForm.h"
#include "documents/instalments/Quotient.h"
#include "documents/instalments/SeriesEdits.h"

namespace vorna::documents::instalments {

namespace {

constexpr std::size_t kN = InstalmentValues::kInstalments;

// Producer 1's fixed pass-on of instalment k (0-based) under a rule's line;
// the products run left to right, as the amounts were always computed.
double fixedShare(int line, double net, std::size_t k)
{
    switch (line) {
    case 931: return k == 0 ? net * 0.4 : net * 0.174 * 0.4;
    case 932: return k == 0 ? net * 0.4 : k == 1 ? net * 0.35 : net * 0.1995 * 0.35;
    case 933: return k == 0 ? net * 0.3 : net * 0.1995 * 0.3;
    default: return 0.0;
    }
}

}  // namespace

int fixedPassOnRule(double lineCode, const QString& documentType)
{
    if (documentType != u"APOLICE")
        return 0;
    for (int line : {931, 932, 933})
        if (lineCode == line)
            return line;
    return 0;
}

void computeWriterShares(const WriterShareInputs& in, InstalmentValues& values)
{
    // Worked on a copy so that a failed division leaves the window's values as they were.
    InstalmentValues v = values;
    v.CommissionToSpread = in.CommissionValue;
    v.PassOnToSpread = in.PassOnTotal;
    v.ProducerPassOnToSpread = in.ProducerPassOns;

    splitByPercentages(in.CommissionPercentages, in.CommissionPercentage, in.PassOnPercentages,
                       in.ProducerShareSum, InstalmentValues::kProducers, v);
    // A fixed rule replaces producer 1 alone; producers 2 to 5 keep their fractions.
    if (in.FixedRule != 0) {
        for (std::size_t k = 0; k < kN; ++k) {
            v.InstalmentProducerPassOns[0][k] = Variant(fixedShare(in.FixedRule, in.NetPremium, k));
            v.InstalmentPassOns[k] = v.InstalmentProducerPassOns[0][k];
        }
    }

    if (paymentFormOf(in.PaymentForm) == PaymentForm::Advance)
        zeroAmountsFrom(v, 1);
    clearReceived(v);

    const bool advance = !in.AdvanceSettlementDate.isEmpty();
    for (std::size_t k = 0; k < kN; ++k)
        v.InstalmentPassOnDates[k] = !advance ? Variant(QString())
                                     : k == 0 ? in.AdvanceSettlementDate
                                              : Variant(kSettledInAdvanceDate);

    clearAboveCount(v, in.InstalmentCount);

    if (advance) {
        for (std::size_t j = 0; j < InstalmentValues::kProducers; ++j)
            for (std::size_t k = 0; k < kN; ++k)
                v.InstalmentProducerPassOns[j][k] = Variant(k == 0 ? v.ProducerPassOnToSpread[j] : 0.0);
        for (std::size_t k = 0; k < kN; ++k)
            v.InstalmentPassOns[k] = Variant(k == 0 ? v.PassOnToSpread : 0.0);
    }
    values = std::move(v);
}

InstalmentRows newScheduleRows(const InstalmentValues& values, const NewRowInputs& in)
{
    InstalmentRows rows{};
    for (std::size_t k = 0; k < kN; ++k) {
        InstalmentRow& row = rows[k];
        row = seriesRow(values, k, InstalmentValues::kProducers);
        if (holdsText(values.InstalmentReceivedDates[k]))
            row.ReceivedDate = values.InstalmentReceivedDates[k];
        if (holdsText(values.InstalmentPassOnDates[k]))
            row.PassOnDate = values.InstalmentPassOnDates[k];
        if (k == 0 && in.PolicyCost)
            row.PolicyCostShare = *in.PolicyCost * kPolicyCostShare;
        for (std::size_t j = 0; j < InstalmentValues::kProducers; ++j)
            row.ProducerCodes[j] = in.ProducerCodes[j];
        row.Amount = in.Amounts[k];
        row.Flag = QStringLiteral("N");
    }
    return rows;
}

}  // namespace vorna::documents::instalments
