#include "documents/instalments/StoredRows.h"

#include "documents/instalments/InstalmentRow.h"
#include "documents/instalments/WriterShares.h"

namespace vorna::documents::instalments {

namespace {

constexpr std::size_t kN = InstalmentValues::kInstalments;
constexpr std::size_t kP = InstalmentValues::kProducers;

}  // namespace

void settleAdvancePassOn(InstalmentValues& values, const Variant& date,
                         const std::array<double, kP>& producerPassOns, double passOnTotal)
{
    for (std::size_t k = 0; k < kN; ++k) {
        values.InstalmentPassOnDates[k] = k == 0 ? date : Variant(kSettledInAdvanceDate);
        for (std::size_t j = 0; j < kP; ++j)
            values.InstalmentProducerPassOns[j][k] = Variant(k == 0 ? producerPassOns[j] : 0.0);
        values.InstalmentPassOns[k] = Variant(k == 0 ? passOnTotal : 0.0);
    }
}

StoredRowUpdates rewrittenRows(const InstalmentValues& values, const StoredRowInputs& in)
{
    StoredRowUpdates rows{};
    for (std::size_t k = 0; k < kN; ++k) {
        StoredRowUpdate& row = rows[k];
        if (holdsText(values.InstalmentDueDates[k]))
            row.DueDate = values.InstalmentDueDates[k];
        if (holdsText(values.InstalmentReceivedDates[k])) {
            row.ReceivedDate = values.InstalmentReceivedDates[k];
            row.ReceivedCommission = values.InstalmentReceivedCommissions[k].toDouble();
        }
        if (holdsText(values.InstalmentPassOnDates[k]))
            row.PassOnDate = values.InstalmentPassOnDates[k];
        row.Commission = values.InstalmentCommissions[k].toDouble();
        row.PassOn = values.InstalmentPassOns[k].toDouble();
        row.ProducerCodes = in.ProducerCodes;
        for (std::size_t j = 0; j < kP; ++j)
            row.ProducerPassOns[j] = values.InstalmentProducerPassOns[j][k].toDouble();
        row.Amount = in.Amounts[k];
    }
    return rows;
}

StoredRowUpdates updatedInPlace(InstalmentValues& values, const StoredRowInputs& in, double count,
                                int32_t received, int32_t paid)
{
    StoredRowUpdates rows{};
    for (std::size_t k = 0; k < kN; ++k) {
        StoredRowUpdate& row = rows[k];
        const double number = double(k + 1);
        row.ProducerCodes = in.ProducerCodes;
        if (k == 0 || holdsText(values.InstalmentDueDates[k]))
            row.DueDate = values.InstalmentDueDates[k];
        row.Amount = in.Amounts[k];
        if (k > 0 && count < number) {
            for (auto* dates : {&values.InstalmentDueDates, &values.InstalmentReceivedDates,
                                &values.InstalmentPassOnDates})
                (*dates)[k] = Variant(QString());
            for (auto* amounts : {&values.InstalmentCommissions, &values.InstalmentReceivedCommissions,
                                  &values.InstalmentPassOns})
                (*amounts)[k] = Variant(0.0);
            for (auto& producer : values.InstalmentProducerPassOns)
                producer[k] = Variant(0.0);
        }
        if (number > received)
            row.Commission = values.InstalmentCommissions[k].toDouble();
        if (number > paid) {
            row.PassOn = values.InstalmentPassOns[k].toDouble();
            for (std::size_t j = 0; j < kP; ++j)
                row.ProducerPassOns[j] = values.InstalmentProducerPassOns[j][k].toDouble();
            // The date goes with the amounts it settles, as in the full rewrite.
            if (holdsText(values.InstalmentPassOnDates[k]))
                row.PassOnDate = values.InstalmentPassOnDates[k];
        }
    }
    return rows;
}

}  // namespace vorna::documents::instalments
