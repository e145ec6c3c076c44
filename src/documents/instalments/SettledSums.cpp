#include "documents/instalments/SettledSums.h"

#include "documents/instalments/NumberConventions.h"
#include "platform/runtime/Runtime.h"

#include <algorithm>

namespace vorna::documents::instalments {

namespace {

bool isSet(const Variant& v) { return !v.isNull() && !v.isEmpty() && !(v.isString() && v.stringValue().isEmpty()); }

double amountOrZero(const Variant& v) { return isSet(v) ? rt::CDbl(v) : 0.0; }

}  // namespace

PanelRows loadStoredInstalments(const std::vector<StoredInstalment>& rows, InstalmentValues& values)
{
    const size_t read = std::min<size_t>(rows.size(), InstalmentValues::kInstalments);

    // Worked out apart first, so a row that fails to read leaves the values as they were.
    InstalmentValues::Series<Variant> dueDates;
    dueDates.fill(Variant(QString()));
    PanelRows panel{};
    for (PanelRow& row : panel)
        row.value = QString();
    double receivedSum = 0.0;
    int32_t receivedCount = 0;
    double paidSum = 0.0;
    int32_t paidCount = 0;
    std::array<double, InstalmentValues::kProducers> paidProducers{};

    for (size_t k = 0; k < read; ++k) {
        const StoredInstalment& row = rows[k];
        if (isSet(row.DV1))
            dueDates[k] = Variant(dueDateText(row.DV1));
        if (isSet(row.VALOR))
            panel[k].value = numberText(row.VALOR);
        if (isSet(row.DP1)) {
            receivedSum += amountOrZero(row.VP1);
            ++receivedCount;
        }
        if (isSet(row.DR1)) {
            paidSum += amountOrZero(row.VR1);
            for (size_t j = 0; j < paidProducers.size(); ++j)
                paidProducers[j] += amountOrZero(row.R[j]);
            ++paidCount;
        }
    }

    values.ReceivedCommissionSum = receivedSum;
    values.ReceivedInstalmentCount = receivedCount;
    values.PaidPassOnSum = paidSum;
    values.PaidPassOnCount = paidCount;
    values.PaidProducerPassOn = paidProducers;
    values.LoadedDueDates = dueDates;
    values.CurrentInstalmentNumber = int16_t(read == 0 ? 1 : std::min<size_t>(read + 1, 12));
    return panel;
}

}  // namespace vorna::documents::instalments
