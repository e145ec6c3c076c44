#include "documents/instalments/Recalculation.h"

#include "documents/instalments/NumberConventions.h"
#include "documents/instalments/PaymentForm.h"

#include <algorithm>

namespace vorna::documents::instalments {

int32_t openInstalments(int32_t count, int32_t settled) { return std::max<int32_t>(1, count - settled); }

PanelRows recalculateInstalments(const RecalculationInputs& in, InstalmentValues& values)
{
    const int32_t count = instalmentCount(in.count);
    const PaymentForm form = paymentFormOf(in.paymentForm);

    if (form != PaymentForm::Other) {
        const double openCommission = openInstalments(count, values.ReceivedInstalmentCount);
        const double openPassOn = openInstalments(count, values.PaidPassOnCount);
        values.CommissionToSpread = (in.commissionValue - values.ReceivedCommissionSum) / openCommission;
        values.PassOnToSpread = (in.passOnTotal - values.PaidPassOnSum) / openPassOn;
        for (size_t j = 0; j < values.ProducerPassOnToSpread.size(); ++j)
            values.ProducerPassOnToSpread[j] = (in.producerPassOns[j] - values.PaidProducerPassOn[j]) / openPassOn;

        if (paysInAdvance(form) && values.ReceivedInstalmentCount == 0) {
            values.InstalmentCommissions.fill(Variant(0.0));
            values.InstalmentCommissions[0] = Variant(in.commissionValue);
        } else {
            values.InstalmentCommissions.fill(Variant(values.CommissionToSpread));
        }
    }
    values.InstalmentPassOns.fill(Variant(values.PassOnToSpread));
    for (size_t j = 0; j < values.InstalmentProducerPassOns.size(); ++j)
        values.InstalmentProducerPassOns[j].fill(Variant(values.ProducerPassOnToSpread[j]));
    values.InstalmentDueDates = values.LoadedDueDates;

    PanelRows panel{};
    for (size_t k = 0; k < panel.size(); ++k) {
        PanelRow& row = panel[k];
        row.stripDueDateMask = true;
        if (in.splitPremium)
            row.value = numberText(in.grossPremium / count);
        if (!values.InstalmentDueDates[k].isNull())
            row.dueDate = dueDateText(values.InstalmentDueDates[k]);
        if (int32_t(k) >= count) {
            row.dueDate = QString();
            row.value = QString();
        }
    }
    return panel;
}

}  // namespace vorna::documents::instalments
