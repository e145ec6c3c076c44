#pragma once
#include <QDate>
#include <QDateTime>

namespace vorna::rt {

// The workstation's clock. The program reads the date and time only through
// here, so a test can fix "now" and see dates and audit stamps it can predict.
class Clock {
public:
    // Local date and time, to the whole second.
    static QDateTime now();
    static QDate today();

    // Freeze the clock at a moment (tests); reset() returns to the real clock.
    static void setNow(const QDateTime& moment);
    static void setToday(const QDate& day);   // midnight of that day
    static void reset();
    static bool isFixed();
};

}  // namespace vorna::rt
