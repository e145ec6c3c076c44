#pragma once
#include "platform/database/Recordset.h"
#include "platform/runtime/Variant.h"

#include <QString>
#include <functional>
#include <utility>
#include <vector>

class QAbstractButton;
class QWidget;

namespace vorna::ui {
class OptionButton;
}

// How a record window's boxes mirror the fields of one row: what Show copies
// into each box and what Write copies back.
//
// Show copies every field that is not Null, as the text of the stored value or
// through the field's format ("###.00" for rates); a Null field leaves its box
// blank. Write follows each field's rule:
//
//   always(f, box)              the box's text, also when blank (keys typed by
//                               the user, names)
//   whenNotBlank(f, box)        only when the text, trimmed, is not empty: a
//                               blanked box keeps the stored value
//   whenNotEmpty(f, box)        only when the box is not empty as typed (the
//                               amount boxes; a masked box: something typed)
//   numberWhenNotEmpty(f, box)  the same, converted to a double in the regional
//                               number format
//   rate(f, box)                shown through "###.00"; an empty box first
//                               becomes "0" in the box itself, then the text is
//                               always written as a double
//   shownOnly(f, box)           never written (a key the database numbers)
//   options(f, {{btn, code}})   the code of the chosen option button; a group
//                               with none chosen keeps the stored value
//   flag(f, check)              "S" when ticked, "N" when not, always
//   computed(f, fn)             always written with fn's value, never shown
namespace vorna::record {

enum class Written { Always, WhenNotBlank, WhenNotEmpty, NumberWhenNotEmpty, Rate, Never };

class Field {
public:
    enum class Kind { Box, Options, Flag, Computed };

    static Field box(QString field, QWidget* box, Written written);
    static Field options(QString field, std::vector<std::pair<ui::OptionButton*, QString>> choices);
    static Field flag(QString field, QAbstractButton* check, QString ticked = QStringLiteral("S"),
                      QString unticked = QStringLiteral("N"));
    static Field computed(QString field, std::function<Variant()> value);

    // Show the stored value through a format ("###.00", "dd/mm/yyyy").
    Field& shownThrough(QString format);

    const QString& name() const { return field_; }
    Kind kind() const { return kind_; }
    QWidget* widget() const { return box_; }

    // The stored value Show will put (Empty for a field that is not shown).
    Variant read(const db::Recordset& rs) const;
    // Puts a value read by read(); Null leaves the box as Clear left it.
    void put(const Variant& value) const;
    void clear() const;
    // Write step 1: an empty rate box becomes "0".
    void prepareWrite() const;
    void write(db::Recordset& rs) const;

private:
    Kind kind_ = Kind::Box;
    QString field_;
    QWidget* box_ = nullptr;
    Written written_ = Written::Always;
    QString format_;
    std::vector<std::pair<ui::OptionButton*, QString>> choices_;
    QString ticked_, unticked_;
    std::function<Variant()> computed_;
};

inline Field always(QString field, QWidget* box) { return Field::box(std::move(field), box, Written::Always); }
inline Field whenNotBlank(QString field, QWidget* box)
{
    return Field::box(std::move(field), box, Written::WhenNotBlank);
}
inline Field whenNotEmpty(QString field, QWidget* box)
{
    return Field::box(std::move(field), box, Written::WhenNotEmpty);
}
inline Field numberWhenNotEmpty(QString field, QWidget* box)
{
    return Field::box(std::move(field), box, Written::NumberWhenNotEmpty);
}
inline Field rate(QString field, QWidget* box)
{
    return Field::box(std::move(field), box, Written::Rate).shownThrough(QStringLiteral("###.00"));
}
inline Field shownOnly(QString field, QWidget* box) { return Field::box(std::move(field), box, Written::Never); }
inline Field options(QString field, std::vector<std::pair<ui::OptionButton*, QString>> choices)
{
    return Field::options(std::move(field), std::move(choices));
}
inline Field flag(QString field, QAbstractButton* check) { return Field::flag(std::move(field), check); }
inline Field computed(QString field, std::function<Variant()> value)
{
    return Field::computed(std::move(field), std::move(value));
}

// The text of a box as the window's code reads it: a masked box's own text
// (never its display format), a pick list's text, a multi-line box's text.
QString boxText(const QWidget* box);
void setBoxText(QWidget* box, const QString& text);
// Empties a box; a masked box with a mask goes back to its prompts.
void clearBox(QWidget* box);
// Nothing typed: a masked box with a mask tests its typed content, any other
// box its text with its blanks included.
bool boxIsEmpty(const QWidget* box);

}  // namespace vorna::record
