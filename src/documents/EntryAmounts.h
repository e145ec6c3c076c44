#pragma once
#include "platform/database/Recordset.h"

#include <QString>

namespace vorna::ui {
class MaskEdBox;
}

// How the document window reads and writes amount boxes, in its entry
// handlers and in the save's recomputation alike: the box's own plain text
// (never the formatted one) with the decimal comma, and computed amounts back
// as plain number text, every digit kept.
namespace vorna::documents::entry {

// The box's amount; a blank box counts as 0, and a text that does not read as
// a number (two decimal commas, a lone minus sign) raises the runtime's 13, so
// the computation it was read for stops there.
double amountOf(const ui::MaskEdBox* box);
// The amount as plain number text: up to 15 significant digits, decimal comma,
// no grouping, no currency sign.
void setAmount(ui::MaskEdBox* box, double amount);
// A box with no characters at all gets "0" (before it is read as a number).
void zeroIfEmpty(ui::MaskEdBox* box);

// Moves the recordset to the first row whose CODIGO is the code typed in a box.
// The code takes part only as a whole number: anything else in the box
// matches no row. False when no row matches.
bool findCodeRow(db::Recordset& rs, const QString& typedCode);

}  // namespace vorna::documents::entry
