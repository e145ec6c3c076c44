#include "documents/instalments/InstalmentArrays.h"

#include "documents/instalments/MonthChains.h"
#include "documents/instalments/NumberConventions.h"
#include "documents/instalments/PaymentForm.h"
#include "documents/instalments/Quotient.h"
#include "documents/instalments/SeriesEdits.h"
#include "platform/runtime/Runtime.h"

namespace vorna::documents::instalments {

namespace {

constexpr std::size_t kN = InstalmentValues::kInstalments;

void spreadAmounts(const InstalmentArrayInputs& in, PaymentForm form, InstalmentValues& v)
{
    if (paysInAdvance(form)) {
        v.CommissionToSpread = in.CommissionValue;
        v.PassOnToSpread = in.PassOnTotal;
        v.ProducerPassOnToSpread = in.ProducerPassOns;
    } else if (paysSpread(form)) {
        v.CommissionToSpread = quotient(in.CommissionValue, in.Count);
        v.PassOnToSpread = quotient(in.PassOnTotal, in.Count);
        for (std::size_t j = 0; j < InstalmentValues::kProducers; ++j)
            v.ProducerPassOnToSpread[j] = quotient(in.ProducerPassOns[j], in.Count);
    }
    v.InstalmentCommissions.fill(Variant(v.CommissionToSpread));
    v.InstalmentPassOns.fill(Variant(v.PassOnToSpread));
    for (std::size_t j = 0; j < InstalmentValues::kProducers; ++j)
        v.InstalmentProducerPassOns[j].fill(Variant(v.ProducerPassOnToSpread[j]));
    if (paysInAdvance(form))
        zeroAmountsFrom(v, 1);
}

PanelRows capturedRows(const InstalmentValues& v)
{
    PanelRows rows{};
    for (std::size_t k = 0; k < kN; ++k) {
        const Variant captured(v.CapturedDueDates[k]);
        rows[k].dueDate = rt::IsDate(captured) ? dueDateText(captured) : QString();
    }
    return rows;
}

PanelRows computedRows(const InstalmentArrayInputs& in, const InstalmentValues& v)
{
    const QString value = numberText(quotient(in.GrossPremium, in.Count));
    PanelRows rows{};
    for (std::size_t k = 0; k < kN; ++k) {
        rows[k].stripDueDateMask = true;
        if (!v.InstalmentDueDates[k].isNull())
            rows[k].dueDate = dueDateText(v.InstalmentDueDates[k]);
        rows[k].value = k > 0 && in.Count < static_cast<int32_t>(k + 1) ? QString() : value;
    }
    return rows;
}

}  // namespace

PanelRows prepareInstalmentArrays(const InstalmentArrayInputs& in, InstalmentValues& values)
{
    // Worked on a copy so that a failed division leaves the window's values as they were.
    InstalmentValues v = values;
    const PaymentForm form = paymentFormOf(in.PaymentForm);
    v.MonthlyDates = chainedMonths(in.StartDate);
    spreadAmounts(in, form, v);
    clearReceived(v);
    v.InstalmentPassOnDates.fill(Variant(QString()));
    if (form == PaymentForm::Advance)
        v.InstalmentDueDates = v.MonthlyDates;
    clearAboveCount(v, in.Count);
    v.SeriesDocumentNumber = in.DocumentNumber;

    PanelRows rows = v.SameCountFlag == 1 ? capturedRows(v) : computedRows(in, v);
    values = std::move(v);
    return rows;
}

}  // namespace vorna::documents::instalments
