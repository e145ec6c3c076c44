#pragma once
#include <QString>
#include <functional>

namespace vorna::ui {

// The order of a sorted list: alphabetical in Portuguese, letter case ignored.
int compareListItems(const QString& a, const QString& b);

// Where a new item goes in a sorted list of `count` items: after the items that
// sort before it or equal to it.
int sortedInsertPosition(int count, const std::function<QString(int)>& itemAt, const QString& text);

}  // namespace vorna::ui
