#include "documents/instalments/SeriesEdits.h"

#include "documents/instalments/Quotient.h"

#include <QString>

namespace vorna::documents::instalments {

void zeroAmountsFrom(InstalmentValues& values, std::size_t first, int producers)
{
    for (std::size_t k = first; k < InstalmentValues::kInstalments; ++k) {
        values.InstalmentCommissions[k] = Variant(0.0);
        values.InstalmentPassOns[k] = Variant(0.0);
        for (int j = 0; j < producers; ++j)
            values.InstalmentProducerPassOns[j][k] = Variant(0.0);
    }
}

std::optional<std::size_t> countBelowTwelve(double count)
{
    for (std::size_t n = 1; n < InstalmentValues::kInstalments; ++n)
        if (count == static_cast<double>(n))
            return n;
    return std::nullopt;
}

void clearAboveCount(InstalmentValues& values, double count, int producers)
{
    const auto n = countBelowTwelve(count);
    if (!n)
        return;
    zeroAmountsFrom(values, *n, producers);
    for (std::size_t k = *n; k < InstalmentValues::kInstalments; ++k)
        values.InstalmentDueDates[k] = Variant(QString());
}

void splitByPercentages(const InstalmentValues::Series<double>& commissionPercents, double commissionPercentage,
                        const InstalmentValues::Series<double>& passOnPercents, double shareSum, int producers,
                        InstalmentValues& values)
{
    for (std::size_t k = 0; k < InstalmentValues::kInstalments; ++k) {
        values.InstalmentCommissions[k] =
            Variant(quotient(commissionPercents[k], commissionPercentage) * values.CommissionToSpread);
        const double fraction = quotient(passOnPercents[k], shareSum);
        values.InstalmentPassOns[k] = Variant(fraction * values.PassOnToSpread);
        for (int j = 0; j < producers; ++j)
            values.InstalmentProducerPassOns[j][k] = Variant(fraction * values.ProducerPassOnToSpread[j]);
    }
}

void clearReceived(InstalmentValues& values)
{
    values.InstalmentReceivedCommissions.fill(Variant(0.0));
    values.InstalmentReceivedDates.fill(Variant(QString()));
}

}  // namespace vorna::documents::instalments
