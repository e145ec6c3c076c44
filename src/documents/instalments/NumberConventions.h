#pragma once
#include "platform/runtime/Variant.h"

#include <QString>
#include <cstdint>

// How the instalment arithmetic reads numbers from box texts and writes them
// back. Every reading raises EngineError before anything is changed, so a
// routine that reads all its inputs first changes nothing on a bad box.
namespace vorna::documents::instalments {

// The divisor that stands in for a zero percentage or share sum.
inline constexpr double kNonZeroDivisor = 1E-08;

// A box's text as a double in the regional format (decimal comma, "1E-08"
// read as written). Empty, blank or non-numeric text: 13.
double numberOf(const QString& text);

// A box's text as a 32-bit whole number, a half going to the even neighbour
// (12,5 gives 12; 13,5 gives 14). Empty or non-numeric text: 13; outside the
// 32-bit range: 6.
int32_t wholeOf(const QString& text);

// The count box's text as an instalment count: a whole number as wholeOf
// reads it, and 6 when it lies outside 1 to 12, since every series has
// twelve entries.
int32_t instalmentCount(const QString& text);
// A count already read: itself when it lies within 1 to 12, else 6.
int32_t instalmentCount(int32_t count);

// A number as a box receives it: up to 15 significant digits, decimal comma,
// no grouping, exponent form for tiny or huge magnitudes ("1E-08"); never
// rounded to the display format.
QString numberText(double value);
// A variant number (a whole number or a double) the same way; Null: 94.
QString numberText(const Variant& value);

// A date or date text as the due-date boxes show it ("DD/MM/YYYY"); an empty
// text stays empty, a text that is no date comes back unchanged.
QString dueDateText(const Variant& value);

}  // namespace vorna::documents::instalments
