#pragma once
#include "platform/runtime/Variant.h"

#include <array>
#include <cstdint>

namespace vorna::documents::instalments {

// The values through which the document window's instalment routines hand
// their work to one another: the recalculation fills them, the completion
// step and its writers store them. Zero or empty when the window first loads,
// kept across unload with the window's other values.
//
// Other names the same values go by:
//   CommissionTotal, CommissionPerInstalment      -> CommissionToSpread
//   PassOnTotal, PassOnPerInstalment              -> PassOnToSpread
//   ProducerPassOn, ProducerPassOnPerInstalment   -> ProducerPassOnToSpread
//   InstalmentSlots[k] fields, DueDatesToStore    -> the twelve-entry series
//   InstalmentDueDates of the recalculation chain
//     (the chain loaded or computed)              -> LoadedDueDates
//   AdvancePassOnLoaded                           -> the window's AdvancePassOnFlag
struct InstalmentValues {
    static constexpr int kInstalments = 12;
    static constexpr int kProducers = 5;
    template <class T>
    using Series = std::array<T, kInstalments>;

    // Amounts to spread over the instalments.
    double CommissionToSpread = 0.0;
    double PassOnToSpread = 0.0;
    std::array<double, kProducers> ProducerPassOnToSpread{};

    // Entry k is instalment k + 1; an entry never set is Empty.
    Series<Variant> InstalmentDueDates{};             // DV1
    Series<Variant> InstalmentReceivedDates{};        // DP1
    Series<Variant> InstalmentPassOnDates{};          // DR1
    Series<Variant> InstalmentCommissions{};          // VV1
    Series<Variant> InstalmentReceivedCommissions{};  // VP1
    Series<Variant> InstalmentPassOns{};              // VR1
    std::array<Series<Variant>, kProducers> InstalmentProducerPassOns{};  // R1 to R5

    // The chain's own due dates, loaded from the stored rows or computed from
    // the start date.
    Series<Variant> LoadedDueDates{};
    // The panel's due-date texts as the completion step found them.
    Series<QString> CapturedDueDates{};
    // The start date and each following calendar month.
    Series<Variant> MonthlyDates{};
    // 1 while a stored document with an unchanged count is being rewritten.
    int32_t SameCountFlag = 0;

    // Settled instalments of the document, counted by the loader.
    double ReceivedCommissionSum = 0.0;
    int32_t ReceivedInstalmentCount = 0;
    double PaidPassOnSum = 0.0;
    int32_t PaidPassOnCount = 0;
    std::array<double, kProducers> PaidProducerPassOn{};  // PaidProducerPassOn1 to 5

    // The instalment number the routines share and step through.
    int16_t CurrentInstalmentNumber = 0;

    // PROPOSTA of the document whose series were last computed; 0 when none.
    // A writer of a stored document recomputes when it is not the shown one.
    int32_t SeriesDocumentNumber = 0;
};

}  // namespace vorna::documents::instalments
