#pragma once

class QLineEdit;

namespace vorna {

// Select-on-focus: each time the box receives the focus (by Tab, by the mouse
// or sent back by a check) its first `width` characters are selected, so that
// typing replaces them; text beyond the width stays unselected.
//
//   SelectOnFocus::attach(ui->MaskEdBox1, 12);               // the whole GotFocus
//   void Form14::MaskEdBox3_GotFocus() { SelectOnFocus::select(ui->MaskEdBox3, 12); ... }
namespace SelectOnFocus {

void select(QLineEdit* box, int width);
void attach(QLineEdit* box, int width);

}  // namespace SelectOnFocus
}  // namespace vorna
