#pragma once
#include <QString>
#include <vector>

class QLineEdit;
class QWidget;

// Boxes that hold an e-mail address or a web page and act as links: a box
// holding text is underlined while the pointer moves over it, its text is
// lower-cased when it is left, and a double click on an e-mail box starts the
// mail program with a new message to it (launch::startMail, with the window's
// name box as the addressee's name). A box holding only blanks counts as empty
// for every rule. The underline is part of the box's font: it stays when the
// text changes until a panel takes it off.
//
//   LinkStyleBoxes::attach(ui->Text16, LinkStyleBoxes::Kind::Email, ui->Text2);
//   LinkStyleBoxes::attachPanel(ui->Frame3D5, {ui->Text16, ui->Text46, ui->Text47});
namespace vorna::LinkStyleBoxes {

enum class Kind { Email, WebPage };

// The pointer over a box: underlined when it holds text.
void MouseMove(QLineEdit* box);
// The pointer over the bare part of the panel around the boxes: each box that
// holds text loses its underline; an empty one keeps what it has.
void panelMouseMove(const std::vector<QLineEdit*>& boxes);
// Leaving a box: a box holding text takes its whole text in lower case.
void LostFocus(QLineEdit* box);
// Double click on an e-mail box: the mail program, addressed to the text as it
// stands (not lower-cased first); nothing for a blank box.
void DblClick(const QLineEdit* box, const QLineEdit* nameBox);

// Makes the rules above the box's MouseMove, LostFocus and, for an e-mail box,
// DblClick handlers.
void attach(QLineEdit* box, Kind kind, const QLineEdit* nameBox);
// Makes panelMouseMove the panel's MouseMove handler over those boxes.
void attachPanel(QWidget* panel, std::vector<QLineEdit*> boxes);

}  // namespace vorna::LinkStyleBoxes
