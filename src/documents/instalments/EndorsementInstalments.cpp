#include "documents/instalments/EndorsementInstalments.h"

#include "documents/instalments/MonthChains.h"
#include "documents/instalments/NumberConventions.h"
#include "documents/instalments/PanelDivisors.h"
#include "documents/instalments/PaymentForm.h"
#include "documents/instalments/Quotient.h"
#include "documents/instalments/SeriesEdits.h"

namespace vorna::documents::instalments {

namespace {

constexpr std::size_t kN = InstalmentValues::kInstalments;

PanelRows percentageColumns(const EndorsementPreparationInputs& in, const EndorsementPreparation& prep)
{
    PanelRows rows{};
    const QString zero = QStringLiteral("0");
    switch (paymentFormOf(in.PaymentForm)) {
    case PaymentForm::Advance:
        rows[0].commissionPercent = prep.CommissionPercentageText.value_or(in.CommissionPercentageText);
        rows[0].passOnPercent = numberText(prep.ProducerShareSum);
        rows[0].disablePassOn = true;
        for (std::size_t k = 1; k < kN; ++k)
            rows[k].commissionPercent = rows[k].passOnPercent = zero;
        break;
    case PaymentForm::Spread: {
        const QString commission = numberText(quotient(prep.CommissionPercentage, in.InstalmentCount));
        const QString passOn = numberText(quotient(prep.ProducerShareSum, in.InstalmentCount));
        for (auto& row : rows) {
            row.commissionPercent = commission;
            row.passOnPercent = passOn;
        }
        break;
    }
    default: break;
    }
    for (std::size_t k = 1; k < kN; ++k)
        if (in.InstalmentCount < static_cast<double>(k + 1))
            rows[k].commissionPercent = rows[k].passOnPercent = zero;
    return rows;
}

}  // namespace

EndorsementPreparation prepareEndorsements(const EndorsementPreparationInputs& in, InstalmentValues& values)
{
    EndorsementPreparation prep;
    prep.MonthDates = chainedMonths(in.StartDate);
    const auto& p = in.ProducerPercentages;
    const double sum = p[0] + p[1] + p[2];
    prep.ProducerShareSum = sum == 0.0 ? kNonZeroDivisor : sum;
    prep.CommissionPercentageText = nonZeroCommissionPercent(in.CommissionPercentageText);
    prep.CommissionPercentage = numberOf(prep.CommissionPercentageText.value_or(in.CommissionPercentageText));
    prep.Columns = percentageColumns(in, prep);

    values.CommissionToSpread = in.CommissionValue;
    values.PassOnToSpread = in.PassOnTotal;
    for (std::size_t j = 0; j < kEndorsementProducers; ++j)
        values.ProducerPassOnToSpread[j] = in.ProducerPassOns[j];
    return prep;
}

void computeEndorsementShares(const EndorsementShareInputs& in, InstalmentValues& values)
{
    // Worked on a copy so that a failed division leaves the window's values as they were.
    InstalmentValues v = values;
    v.InstalmentDueDates[0] = in.StartDate;
    splitByPercentages(in.CommissionPercentages, in.CommissionPercentage, in.PassOnPercentages,
                       in.ProducerShareSum, kEndorsementProducers, v);
    if (paymentFormOf(in.PaymentForm) == PaymentForm::Advance)
        zeroAmountsFrom(v, 1, kEndorsementProducers);
    clearReceived(v);
    v.InstalmentPassOnDates.fill(Variant(QString()));
    clearAboveCount(v, in.InstalmentCount, kEndorsementProducers);
    values = std::move(v);
}

InstalmentRows endorsementRows(const InstalmentValues& values, std::optional<double> policyCost,
                               const std::array<QString, kEndorsementProducers>& producerCodes)
{
    InstalmentRows rows{};
    for (std::size_t k = 0; k < kN; ++k) {
        rows[k] = seriesRow(values, k, kEndorsementProducers);
        if (k == 0 && policyCost)
            rows[k].PolicyCostShare = *policyCost * kPolicyCostShare;
        for (std::size_t j = 0; j < kEndorsementProducers; ++j)
            rows[k].ProducerCodes[j] = producerCodes[j];
    }
    return rows;
}

}  // namespace vorna::documents::instalments
