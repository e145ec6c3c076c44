#pragma once

namespace vorna::documents::instalments {

// a / b as the runtime divides: a zero divisor raises 11 (division by zero),
// or 6 (overflow) when the dividend is zero too, instead of yielding an
// infinity or a NaN that would be stored as an amount.
double quotient(double a, double b);

}  // namespace vorna::documents::instalments
