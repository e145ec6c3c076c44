#pragma once
#include <QString>
#include <optional>

// The one way typed text enters a criteria or a report formula: as a quoted
// constant, as a literal part of a LIKE pattern, or as a whole number. Nothing
// a user types can change the shape of what it is put into; half of a UTF-16
// pair in it stands as U+FFFD.
namespace vorna::db {

// A text constant: between apostrophes, each apostrophe doubled. Report
// formulas read text constants the same way.
QString quoted(const QString& text);

// The text as literal characters of a LIKE pattern: `*`, `?`, `#` and `[`
// stand for themselves. Not quoted yet; put it into `quoted`.
QString likeLiteral(const QString& text);

// `field LIKE '*text*'` with the text matched literally.
QString containsCriteria(const QString& field, const QString& text);

// `field = 'text'`.
QString equalsCriteria(const QString& field, const QString& text);

// The trimmed text when it is a whole number of digits only, else nothing.
std::optional<QString> wholeNumber(const QString& text);

}  // namespace vorna::db
