#pragma once
#include "platform/database/Recordset.h"

#include <QColor>
#include <QWidget>
#include <optional>
#include <span>

namespace vorna::ui {
class PickList;
}

// The document window draws its fields in the colour of the shown document's
// status, and its status list in the colour of the word picked in it.
namespace vorna::documents {

// The colour of a status code ("V", "R", ...), compared exactly; none for any
// other code, Null included.
std::optional<QColor> StatusColour(const Variant& status);

// The status field of the current row: the window's status-coloured controls
// all take its colour; any other status leaves every colour as it was.
void ColourFieldsByStatus(std::span<QWidget* const> controls, const db::Recordset& documents);

// The status list's own rule on a pick: its text, when one of the five words,
// gives the list alone that word's colour; any other text changes nothing.
void ColourStatusList(ui::PickList& list);

// A control's text colour as the window's controls show it. Setting the colour
// a control already has changes nothing (a palette change restyles the control).
void setTextColour(QWidget& control, const QColor& colour);
QColor textColour(const QWidget& control);

}  // namespace vorna::documents
