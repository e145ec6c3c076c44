#include "platform/runtime/Clock.h"

#include <optional>

namespace vorna::rt {

namespace {
std::optional<QDateTime>& fixedMoment() {
    static std::optional<QDateTime> moment;
    return moment;
}
}  // namespace

QDateTime Clock::now() {
    if (fixedMoment()) return *fixedMoment();
    QDateTime t = QDateTime::currentDateTime();
    const QTime time = t.time();
    t.setTime(QTime(time.hour(), time.minute(), time.second()));
    return t;
}

QDate Clock::today() { return now().date(); }

void Clock::setNow(const QDateTime& moment) {
    const QTime time = moment.time();
    fixedMoment() = QDateTime(moment.date(), QTime(time.hour(), time.minute(), time.second()));
}

void Clock::setToday(const QDate& day) { setNow(QDateTime(day, QTime(0, 0))); }

void Clock::reset() { fixedMoment().reset(); }

bool Clock::isFixed() { return fixedMoment().has_value(); }

}  // namespace vorna::rt
