#pragma once
#include "platform/database/Recordset.h"

#include <QString>

namespace vorna::ui {
class MaskEdBox;
}

// How the document window's entry handlers read and write amount boxes: the
// box's own plain text (never the formatted one) with the decimal comma, and
// computed amounts back as plain number text, every digit kept.
namespace vorna::documents::entry {

// The box's amount; a text that does not read as a number counts as 0.
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
