#include "platform/runtime/Runtime.h"
#include "ErrorNumber.h"

#include <gtest/gtest.h>

using vorna::Variant;
namespace rt = vorna::rt;

namespace {

Variant day(int d, int m, int y) { return Variant::date(QDate(y, m, d)); }

QString text(const Variant& v) { return rt::CStr(v); }

}  // namespace

TEST(DateAdd, MonthsKeepTheDayOrTakeTheLastDayOfAShorterMonth) {
    struct Case {
        const char* interval;
        double number;
        Variant from;
        const char* expected;
    } const cases[] = {
        {"m", 1, day(31, 1, 2016), "29/02/2016"},
        {"m", 1, day(31, 1, 2015), "28/02/2015"},
        {"m", 1, day(29, 2, 2016), "29/03/2016"},
        {"m", 2, day(31, 1, 2016), "31/03/2016"},
        {"m", 3, day(31, 1, 2016), "30/04/2016"},
        {"m", 1, day(15, 12, 2016), "15/01/2017"},
        {"m", -1, day(31, 3, 2016), "29/02/2016"},
        {"m", -13, day(15, 1, 2016), "15/12/2014"},
        {"m", 11, day(31, 1, 2024), "31/12/2024"},
        {"yyyy", 1, day(29, 2, 2016), "28/02/2017"},
        {"yyyy", 1, day(29, 2, 2024), "28/02/2025"},
        {"yyyy", 4, day(29, 2, 2016), "29/02/2020"},
        {"yyyy", -1, day(1, 3, 2016), "01/03/2015"},
        {"q", 1, day(30, 11, 2015), "29/02/2016"},
        {"d", 1, day(28, 2, 2016), "29/02/2016"},
        {"d", 1, day(28, 2, 2015), "01/03/2015"},
        {"d", 30, day(31, 1, 2016), "01/03/2016"},
        {"d", -1, day(1, 1, 2016), "31/12/2015"},
        {"y", 366, day(1, 1, 2016), "01/01/2017"},
        {"w", 2, day(1, 1, 2016), "03/01/2016"},
        {"ww", 1, day(28, 12, 2015), "04/01/2016"},
        {"D", 1, day(1, 1, 2016), "02/01/2016"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(text(rt::DateAdd(QString::fromLatin1(c.interval), c.number, c.from)),
                  QString::fromLatin1(c.expected))
            << c.interval << ' ' << c.number << ' ' << c.from;
}

TEST(DateAdd, ChainedMonthsStayShortened) {
    Variant d = day(31, 1, 2016);
    QStringList seen;
    for (int k = 0; k < 4; ++k) {
        seen << rt::Format(d, "dd/mm/yyyy");
        d = rt::DateAdd("m", 1, d);
    }
    EXPECT_EQ(seen.join(u' '), QStringLiteral("31/01/2016 29/02/2016 29/03/2016 29/04/2016"));
}

TEST(DateAdd, TimesCarryIntoDaysAndKeepTheTime) {
    EXPECT_EQ(text(rt::DateAdd("h", 2, Variant::date(QDate(2016, 3, 5), QTime(23, 0)))),
              QStringLiteral("06/03/2016 01:00:00"));
    EXPECT_EQ(text(rt::DateAdd("n", -30, Variant::date(QDate(2016, 3, 5), QTime(0, 10)))),
              QStringLiteral("04/03/2016 23:40:00"));
    EXPECT_EQ(text(rt::DateAdd("s", 59, Variant::date(QDate(2016, 3, 5), QTime(10, 0, 1)))),
              QStringLiteral("05/03/2016 10:01:00"));
    EXPECT_EQ(text(rt::DateAdd("m", 1, Variant::date(QDate(2016, 1, 31), QTime(8, 15)))),
              QStringLiteral("29/02/2016 08:15:00"));
    EXPECT_EQ(text(rt::DateAdd("d", 1, Variant("05/03/2016"))), QStringLiteral("06/03/2016"));
}

TEST(DateAdd, RefusesUnknownIntervalsAndDatesOutOfRange) {
    EXPECT_EQ(errorNumberOf([] { rt::DateAdd("x", 1, day(1, 1, 2016)); }), 5);
    EXPECT_EQ(errorNumberOf([] { rt::DateAdd("yyyy", 10000, day(1, 1, 2016)); }), 5);
    EXPECT_EQ(errorNumberOf([] { rt::DateAdd("d", 1, Variant("31/02/2016")); }), 13);
    EXPECT_EQ(errorNumberOf([] { rt::DateAdd("d", 1, Variant::null()); }), 94);
}

TEST(DateDiff, CountsBoundariesCrossed) {
    struct Case {
        const char* interval;
        Variant a;
        Variant b;
        int64_t expected;
    } const cases[] = {
        {"d", day(1, 3, 2016), day(1, 3, 2016), 0},
        {"d", day(28, 2, 2016), day(1, 3, 2016), 2},
        {"d", day(28, 2, 2015), day(1, 3, 2015), 1},
        {"d", day(1, 3, 2016), day(28, 2, 2016), -2},
        {"d", Variant::date(QDate(2016, 3, 1), QTime(23, 59)), Variant::date(QDate(2016, 3, 2), QTime(0, 1)), 1},
        {"d", day(1, 1, 2015), day(1, 1, 2016), 365},
        {"d", day(1, 1, 2016), day(1, 1, 2017), 366},
        {"m", day(31, 1, 2016), day(1, 2, 2016), 1},
        {"m", day(1, 1, 2016), day(31, 12, 2016), 11},
        {"m", day(15, 6, 2016), day(15, 3, 2016), -3},
        {"yyyy", day(31, 12, 2015), day(1, 1, 2016), 1},
        {"q", day(31, 3, 2016), day(1, 4, 2016), 1},
        {"w", day(1, 3, 2016), day(14, 3, 2016), 1},
        {"w", day(1, 3, 2016), day(15, 3, 2016), 2},
        {"ww", day(5, 3, 2016), day(6, 3, 2016), 1},   // Saturday to Sunday
        {"ww", day(6, 3, 2016), day(12, 3, 2016), 0},
        {"h", Variant::date(QDate(2016, 3, 1), QTime(10, 59)), Variant::date(QDate(2016, 3, 1), QTime(11, 0)), 1},
        {"n", Variant::date(QDate(2016, 3, 1), QTime(23, 59)), Variant::date(QDate(2016, 3, 2), QTime(0, 1)), 2},
        {"s", Variant::date(QDate(2016, 3, 1), QTime(0, 0)), Variant::date(QDate(2016, 3, 1), QTime(0, 1, 1)), 61},
        {"d", Variant::date(-1.25), Variant::date(0.25), 1},
    };
    for (const auto& c : cases)
        EXPECT_EQ(rt::DateDiff(QString::fromLatin1(c.interval), c.a, c.b), c.expected)
            << c.interval << ' ' << c.a << ' ' << c.b;
}

TEST(DateSerial, CarriesMonthsAndDays) {
    struct Case {
        int y, m, d;
        const char* expected;
    } const cases[] = {
        {2016, 13, 1, "01/01/2017"}, {2016, 0, 1, "01/12/2015"},  {2016, -1, 15, "15/11/2015"},
        {2016, 3, 0, "29/02/2016"},  {2015, 3, 0, "28/02/2015"},  {2016, 1, 32, "01/02/2016"},
        {2016, 2, 30, "01/03/2016"}, {2016, 12, 31, "31/12/2016"}, {2016, 1, -1, "30/12/2015"},
        {16, 3, 5, "05/03/2016"},    {99, 3, 5, "05/03/1999"},    {2016, 25, 1, "01/01/2018"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(text(rt::DateSerial(c.y, c.m, c.d)), QString::fromLatin1(c.expected))
            << c.y << '-' << c.m << '-' << c.d;
    EXPECT_EQ(errorNumberOf([] { rt::DateSerial(10000, 1, 1); }), 5);
}

TEST(DateParts, ReadDayMonthYearWeekdayAndTime) {
    const Variant d = Variant::date(QDate(2016, 3, 5), QTime(14, 7, 9));   // a Saturday
    EXPECT_EQ(rt::Day(d), 5);
    EXPECT_EQ(rt::Month(d), 3);
    EXPECT_EQ(rt::Year(d), 2016);
    EXPECT_EQ(rt::Weekday(d), 7);
    EXPECT_EQ(rt::Weekday(day(6, 3, 2016)), 1);
    EXPECT_EQ(rt::Weekday(day(7, 3, 2016)), 2);
    EXPECT_EQ(rt::Weekday(day(6, 3, 2016), 2), 7);   // weeks from Monday
    EXPECT_EQ(rt::Hour(d), 14);
    EXPECT_EQ(rt::Minute(d), 7);
    EXPECT_EQ(rt::Second(d), 9);
    EXPECT_EQ(rt::Day(Variant("29/02/2016")), 29);
    EXPECT_EQ(text(rt::DateValue(d)), QStringLiteral("05/03/2016"));
    EXPECT_EQ(text(rt::TimeValue(d)), QStringLiteral("14:07:09"));
    EXPECT_EQ(text(rt::TimeSerial(25, 0, 0)), QStringLiteral("31/12/1899 01:00:00"));
}

class ClockTest : public ::testing::Test {
protected:
    void TearDown() override { rt::Clock::reset(); }
};

TEST_F(ClockTest, NowDateAndTimeReadTheSetClock) {
    rt::Clock::setNow(QDateTime(QDate(2016, 3, 5), QTime(9, 7, 3, 500)));
    EXPECT_TRUE(rt::Clock::isFixed());
    EXPECT_EQ(rt::Clock::today(), QDate(2016, 3, 5));
    EXPECT_EQ(text(rt::Now()), QStringLiteral("05/03/2016 09:07:03"));
    EXPECT_EQ(text(rt::Date()), QStringLiteral("05/03/2016"));
    EXPECT_EQ(text(rt::Time()), QStringLiteral("09:07:03"));
    EXPECT_EQ(rt::Format(rt::Now(), "hh:nn"), QStringLiteral("09:07"));
    EXPECT_EQ(rt::Timer(), 9 * 3600 + 7 * 60 + 3);
    EXPECT_EQ(rt::DateDiff("d", rt::Date(), day(4, 3, 2016)), -1);

    rt::Clock::setToday(QDate(2024, 2, 29));
    EXPECT_EQ(text(rt::Now()), QStringLiteral("29/02/2024"));

    rt::Clock::reset();
    EXPECT_FALSE(rt::Clock::isFixed());
    EXPECT_EQ(rt::Clock::now().time().msec(), 0);
}
