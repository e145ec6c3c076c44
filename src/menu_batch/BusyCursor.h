#pragma once
#include <QApplication>

namespace vorna::menu_batch {

// The hourglass over the program while a long routine runs; back to the
// arrow however the routine ends.
class BusyCursor {
public:
    BusyCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyCursor() { QApplication::restoreOverrideCursor(); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;
};

}  // namespace vorna::menu_batch
