#pragma once
#include "platform/runtime/Variant.h"

#include <QString>
#include <optional>

// The two divisors the instalment panel's percentage columns are worked out
// with when the panel is opened for a document without stored rows.
namespace vorna::documents::instalments {

// ProducerShareSum from the pass-on percentage texts of producers 1 to 3
// (producers 4 and 5 do not count): each rounded to a whole number, a half to
// the even neighbour, before the 32-bit sum, so 10,4 + 20,4 + 30,4 gives 60.
// A whole-number variant, or the double 1E-08 when the sum is 0; a negative
// sum stays. Empty or non-numeric text: 13; a sum outside 32 bits: 6.
Variant openingShareSum(const QString& producer1, const QString& producer2, const QString& producer3);

// The commission percentage box's new text: "1E-08" when its text reads as
// 0, nullopt (the box keeps its text) otherwise. Non-numeric text: 13.
std::optional<QString> nonZeroCommissionPercent(const QString& text);

}  // namespace vorna::documents::instalments
