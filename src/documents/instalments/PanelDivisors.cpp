#include "documents/instalments/PanelDivisors.h"

#include "documents/instalments/NumberConventions.h"
#include "platform/runtime/EngineError.h"
#include "platform/runtime/RegionalText.h"

#include <cstdint>

namespace vorna::documents::instalments {

Variant openingShareSum(const QString& producer1, const QString& producer2, const QString& producer3)
{
    int64_t sum = 0;
    for (const QString* text : {&producer1, &producer2, &producer3}) {
        sum += wholeOf(*text);
        if (sum < INT32_MIN || sum > INT32_MAX)
            regional::raise(err::Overflow);
    }
    if (sum == 0)
        return Variant(kNonZeroDivisor);
    return Variant(int32_t(sum));
}

std::optional<QString> nonZeroCommissionPercent(const QString& text)
{
    if (numberOf(text) == 0.0)
        return numberText(kNonZeroDivisor);
    return std::nullopt;
}

}  // namespace vorna::documents::instalments
