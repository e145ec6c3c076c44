#include "documents/instalments/MonthChains.h"

#include "platform/runtime/Runtime.h"

namespace vorna::documents::instalments {

std::array<Variant, 12> chainedMonths(const Variant& first)
{
    std::array<Variant, 12> dates{};
    dates[0] = first;
    for (size_t k = 1; k < dates.size(); ++k)
        dates[k] = rt::DateAdd(QStringLiteral("m"), 1, dates[k - 1]);
    return dates;
}

Variant monthsFrom(const Variant& start, int k)
{
    return rt::DateAdd(QStringLiteral("m"), k - 1, start);
}

}  // namespace vorna::documents::instalments
