#pragma once
#include <QChar>
#include <QString>

// The level codes are never stored as typed. Each of a code's six characters is
// replaced through a fixed substitution of the letters A to Z, and the six are
// written in a fixed order of positions. The login compares a typed code with
// the stored ones and the level-code window writes them: both go through here,
// so they always agree.
namespace vorna::LevelCodeCipher {

// The number of characters a level code has.
inline constexpr int CodeLength = 6;

// The partner of an upper-case letter A to Z; any other character (a digit, a
// lower-case or accented letter, a blank) comes back unchanged.
QChar EncodeLetter(QChar ch);

// A typed code as the login compares it: its first six characters, each
// substituted, in the order typed.
QString EncodeTyped(const QString& typed);

// A typed code as it is stored: its first six characters, each substituted,
// written in the stored position order. A position beyond the end of a shorter
// text contributes nothing.
QString StoredForm(const QString& typed);

// A stored code put back into typed order: what EncodeTyped gives for the code
// that was stored. A stored text shorter than six characters gives its
// characters in the same rearrangement, with the missing positions left out.
QString TypedOrder(const QString& stored);

}  // namespace vorna::LevelCodeCipher
