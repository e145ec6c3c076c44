#pragma once
#include "common/GridSearch.h"

// The searches by address, city and telephone of the client window, which the
// participant window copies: the client table's columns in the result grid,
// placed below the address boxes.
namespace vorna {

// Name and code, the two addresses and cities, then the five telephones.
const std::vector<GridColumn>& clientAddressColumns();

// A search of `field` by the text of `box`, with the columns, place and texts
// the two windows share; each window adds its no-match text and its pick.
GridSearchDesign clientAddressSearch(ui::FlexGrid* grid, QWidget* box, const QString& field);

}  // namespace vorna
