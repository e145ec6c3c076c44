#pragma once
#include <QString>
#include <optional>

namespace vorna::ui {
class PickList;
}

// A client's taxpayer number and postal codes as the boxes hold them, as they
// are stored and as they are shown.
namespace vorna::clients {

// The characters "0" to "9" of a text, in order.
QString digitsOf(const QString& text);
// The first `count` digits, missing ones read as 0.
QString digitsPadded(const QString& digits, int count);

// A CPF or CNPJ as stored: the digits typed, whatever separators surround them;
// more than a CPF's eleven make a CNPJ.
QString taxNumberDigits(const QString& text);
// A stored number with its separators: 14 digits or more as a CNPJ, anything
// shorter as a CPF.
QString taxNumberShown(const QString& stored);
// The number the check reads from a box: the characters at the first 11 (CPF)
// or 14 (CNPJ) positions, anything but a digit, and a missing position, read as 0.
QString taxNumberChecked(const QString& text, bool company);

// A postal code as stored, when the text holds exactly eight digits besides
// its hyphens; nothing otherwise.
std::optional<QString> postalCodeStored(const QString& text);
// A stored code as "ddddd-ddd"; a text of fewer digits as it is.
QString postalCodeShown(const QString& stored);
// The state whose range holds a postal code's first five digits; empty for a
// prefix in none (below 01000, 69400 to 69899).
QString stateForPostalPrefix(int prefix);

// Selects the first entry equal to the text, letter case counting; no such
// entry leaves the selection as it is.
void chooseExactly(ui::PickList* list, const QString& text);

}  // namespace vorna::clients
