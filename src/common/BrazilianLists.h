#pragma once
#include <QStringList>

// The fixed pick lists that the client and participant windows fill alike.
namespace vorna::lists {

// The sixty occupations, in the order they are added.
const QStringList& occupations();
// The twenty-eight state codes, in the order they are added (a sorted list
// sorts them).
const QStringList& stateCodes();

}  // namespace vorna::lists
