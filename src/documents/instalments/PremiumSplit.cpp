#include "documents/instalments/PremiumSplit.h"

namespace vorna::documents::instalments {

PremiumSplit splitImportedPremium(double grossPremium)
{
    PremiumSplit split;
    if (grossPremium != 0.0) {
        split.NetPremium = grossPremium / kImportedPremiumFactor;
        split.Iof = grossPremium - split.NetPremium;
    }
    return split;
}

}  // namespace vorna::documents::instalments
