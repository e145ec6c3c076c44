#include "documents/instalments/MonthChains.h"

#include "platform/runtime/Runtime.h"

#include <gtest/gtest.h>

using namespace vorna;
using namespace vorna::documents::instalments;

namespace {
QString dmy(const Variant& v) { return rt::Format(v, QStringLiteral("dd/mm/yyyy")); }
}  // namespace

TEST(MonthChains, EachStepStartsFromThePreviousDate)
{
    struct Case {
        Variant first;
        int entry;
        const char* expected;
    };
    const Case cases[] = {
        {rt::DateSerial(2024, 1, 31), 1, "29/02/2024"},  // leap year, then stuck on the 29th
        {rt::DateSerial(2024, 1, 31), 2, "29/03/2024"},
        {rt::DateSerial(2023, 1, 31), 1, "28/02/2023"},
        {rt::DateSerial(2025, 11, 30), 2, "30/01/2026"},  // across a year end
        {rt::DateSerial(2025, 12, 15), 11, "15/11/2026"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(dmy(chainedMonths(c.first)[c.entry]), QString::fromLatin1(c.expected)) << c.entry;
}

TEST(MonthChains, CountedFromTheStartDateItself)
{
    const Variant start = rt::DateSerial(2024, 1, 31);
    EXPECT_EQ(dmy(monthsFrom(start, 1)), "31/01/2024");
    EXPECT_EQ(dmy(monthsFrom(start, 2)), "29/02/2024");
    EXPECT_EQ(dmy(monthsFrom(start, 3)), "31/03/2024");
    EXPECT_EQ(dmy(monthsFrom(start, 13)), "31/01/2025");
}
