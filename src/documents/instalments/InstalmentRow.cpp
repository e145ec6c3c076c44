#include "documents/instalments/InstalmentRow.h"

#include "platform/runtime/Runtime.h"

namespace vorna::documents::instalments {

bool holdsText(const Variant& entry)
{
    if (entry.isEmpty() || entry.isNull())
        return false;
    return !rt::Trim(rt::CStr(entry)).isEmpty();
}

InstalmentRow seriesRow(const InstalmentValues& values, std::size_t k, int producers)
{
    InstalmentRow row;
    row.Number = static_cast<int16_t>(k + 1);
    if (holdsText(values.InstalmentDueDates[k]))
        row.DueDate = values.InstalmentDueDates[k];
    row.Commission = values.InstalmentCommissions[k].toDouble();
    row.ReceivedCommission = values.InstalmentReceivedCommissions[k].toDouble();
    row.PassOn = values.InstalmentPassOns[k].toDouble();
    for (int j = 0; j < producers; ++j)
        row.ProducerPassOns[j] = values.InstalmentProducerPassOns[j][k].toDouble();
    return row;
}

}  // namespace vorna::documents::instalments
