#pragma once
#include <QString>

namespace vorna {

namespace ui {
class MaskEdBox;
}

// The date check of a masked date box ("##/##/####"), run when the box is left.
// An empty box (nothing typed) may always be left. Otherwise its plain text must
// be a real date read as day/month/year with a four-digit year from 100 on; a
// position still showing "_", a month outside 1 to 12 or a day beyond the
// month's length is not a date. A box that fails shows "DATA INVALIDA" (title
// "ATENÇÃO!", OK) and gets the focus back, keeping what was typed.
//
//   attachDateCheck(ui->MaskEdBox1);                          // the whole LostFocus
//   void Form14::MaskEdBox8_LostFocus() { if (!DateCheck(ui->MaskEdBox8)) return; ... }

// Whether a plain text is a date in that reading ("29/02/2016" yes, "31/02/2016" no).
bool isTypedDate(const QString& text);

// The check; false when it refused the box (message shown, focus sent back).
bool DateCheck(ui::MaskEdBox* box);

// Makes the check a LostFocus handler of the box.
void attachDateCheck(ui::MaskEdBox* box);

// The same for a box that must hold a date: an untouched box is refused too.
bool StrictDateCheck(ui::MaskEdBox* box);
void attachStrictDateCheck(ui::MaskEdBox* box);

}  // namespace vorna
