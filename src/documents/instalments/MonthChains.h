#pragma once
#include "platform/runtime/Variant.h"

#include <array>

namespace vorna::documents::instalments {

// Twelve dates, the first given, each later one a calendar month after the
// one before it: 31/01 gives 29/02 (or 28/02), then 29/03 (or 28/03), since
// every step starts from the date it just computed.
std::array<Variant, 12> chainedMonths(const Variant& first);

// The date k - 1 calendar months after the given one, counted from that date
// itself: 31/01 gives 29/02 for k = 2 and 31/03 for k = 3.
Variant monthsFrom(const Variant& start, int k);

}  // namespace vorna::documents::instalments
