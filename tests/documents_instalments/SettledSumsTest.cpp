#include "documents/instalments/PanelDivisors.h"
#include "documents/instalments/SettledSums.h"

#include "ErrorNumber.h"
#include "platform/runtime/EngineError.h"
#include "platform/runtime/Runtime.h"

#include <gtest/gtest.h>

using namespace vorna;
using namespace vorna::documents::instalments;

namespace {

StoredInstalment row(Variant due, Variant value)
{
    StoredInstalment r;
    r.DV1 = due;
    r.VALOR = value;
    r.DP1 = r.DR1 = Variant::null();
    r.VP1 = r.VR1 = Variant(0.0);
    r.R = {Variant(0.0), Variant(0.0), Variant(0.0), Variant::null(), Variant::null()};
    return r;
}

StoredInstalment settledRow(double received, double paid, std::array<double, 5> producers)
{
    StoredInstalment r = row(rt::DateSerial(2016, 1, 10), Variant(100.0));
    r.DP1 = rt::DateSerial(2016, 1, 12);
    r.VP1 = Variant(received);
    r.DR1 = Variant("11/11/1111");  // the placeholder of a pass-on settled in advance
    r.VR1 = Variant(paid);
    for (size_t j = 0; j < 5; ++j)
        r.R[j] = Variant(producers[j]);
    return r;
}


}  // namespace

TEST(SettledSums, DueDatesAndValuesOfTheRowsRead)
{
    std::vector<StoredInstalment> rows = {
        row(rt::DateSerial(2016, 1, 31), Variant(1000.0 / 3)),
        row(rt::DateSerial(2016, 2, 29), Variant(250.0)),
        row(Variant::null(), Variant::null()),  // no due date, no value
        row(Variant("05/04/2016"), Variant(0.0)),
    };
    InstalmentValues values;
    values.LoadedDueDates.fill(Variant("stale"));
    const PanelRows panel = loadStoredInstalments(rows, values);

    const char* dates[] = {"31/01/2016", "29/02/2016", "", "05/04/2016", "", "", "", "", "", "", "", ""};
    const char* texts[] = {"333,333333333333", "250", "", "0", "", "", "", "", "", "", "", ""};
    for (int k = 0; k < 12; ++k) {
        EXPECT_TRUE(values.LoadedDueDates[k].identical(Variant(QString::fromLatin1(dates[k])))) << k;
        EXPECT_EQ(panel[k].value, QString::fromLatin1(texts[k])) << k;
        EXPECT_FALSE(panel[k].dueDate || panel[k].commissionPercent || panel[k].passOnPercent) << k;
        EXPECT_FALSE(panel[k].stripDueDateMask || panel[k].disableRow) << k;
    }
}

TEST(SettledSums, CurrentInstalmentNumberFollowsTheRowsRead)
{
    const struct {
        size_t rows;
        int16_t current;
    } cases[] = {{0, 1}, {1, 2}, {5, 6}, {11, 12}, {12, 12}, {13, 12}};
    for (const auto& c : cases) {
        std::vector<StoredInstalment> rows(c.rows, settledRow(10, 5, {1, 1, 1, 1, 1}));
        InstalmentValues values;
        loadStoredInstalments(rows, values);
        EXPECT_EQ(values.CurrentInstalmentNumber, c.current) << c.rows;
        // A thirteenth row is never read.
        EXPECT_EQ(values.ReceivedInstalmentCount, int32_t(std::min<size_t>(c.rows, 12))) << c.rows;
    }
}

TEST(SettledSums, ReceivedAndPaidRowsAreSummed)
{
    std::vector<StoredInstalment> rows = {
        settledRow(40, 30, {10.5, 2, 3, 4, 5}),
        settledRow(60, 20, {11.25, 2, 3, 0, 0}),
        row(rt::DateSerial(2016, 3, 10), Variant(100.0)),  // open
    };
    rows[1].DR1 = Variant::null();  // commission received, pass-on still open
    rows[1].R[3] = Variant::null();
    rows.push_back(settledRow(0, 15, {11.25, 0, 0, 0, 0}));
    rows.back().DP1 = Variant::null();  // pass-on paid, commission still open
    rows.back().R[3] = rows.back().R[4] = Variant::null();

    InstalmentValues values;
    loadStoredInstalments(rows, values);
    EXPECT_DOUBLE_EQ(values.ReceivedCommissionSum, 100);
    EXPECT_EQ(values.ReceivedInstalmentCount, 2);
    EXPECT_DOUBLE_EQ(values.PaidPassOnSum, 45);
    EXPECT_EQ(values.PaidPassOnCount, 2);
    // Added as stored: rounding each row would give 10 + 11 = 21 for producer 1.
    const std::array<double, 5> producers = {21.75, 2, 3, 4, 5};
    for (size_t j = 0; j < 5; ++j)
        EXPECT_DOUBLE_EQ(values.PaidProducerPassOn[j], producers[j]) << j;
}

TEST(SettledSums, EveryCallStartsFromZero)
{
    InstalmentValues values;
    loadStoredInstalments({settledRow(40, 30, {10, 10, 10, 0, 0})}, values);
    EXPECT_EQ(values.PaidPassOnCount, 1);

    loadStoredInstalments({row(rt::DateSerial(2016, 1, 1), Variant(5.0))}, values);
    EXPECT_EQ(values.ReceivedCommissionSum, 0);
    EXPECT_EQ(values.ReceivedInstalmentCount, 0);
    EXPECT_EQ(values.PaidPassOnSum, 0);
    EXPECT_EQ(values.PaidPassOnCount, 0);
    for (double paid : values.PaidProducerPassOn)
        EXPECT_EQ(paid, 0);

    const PanelRows panel = loadStoredInstalments({}, values);
    EXPECT_EQ(values.CurrentInstalmentNumber, 1);
    for (int k = 0; k < 12; ++k) {
        EXPECT_TRUE(values.LoadedDueDates[k].identical(Variant(QString()))) << k;
        EXPECT_EQ(panel[k].value, QString()) << k;
    }
}

TEST(SettledSums, SettledRowWithoutAnAmountAddsNothing)
{
    StoredInstalment r = settledRow(40, 30, {10, 10, 10, 0, 0});
    r.VP1 = r.VR1 = r.R[0] = Variant::null();
    InstalmentValues values;
    loadStoredInstalments({r, settledRow(40, 30, {10, 10, 10, 0, 0})}, values);
    EXPECT_EQ(values.ReceivedInstalmentCount, 2);
    EXPECT_DOUBLE_EQ(values.ReceivedCommissionSum, 40);
    EXPECT_DOUBLE_EQ(values.PaidPassOnSum, 30);
    EXPECT_DOUBLE_EQ(values.PaidProducerPassOn[0], 10);
}

TEST(PanelDivisors, ShareSumOfTheFirstThreeProducersRoundedFirst)
{
    const struct {
        const char* p1;
        const char* p2;
        const char* p3;
        Variant sum;
        int error;
    } cases[] = {
        {"10,4", "20,4", "30,4", Variant(60), 0},
        {"2,5", "0", "0", Variant(2), 0},
        {"3,5", "0", "0", Variant(4), 0},
        {"0", "0", "0", Variant(1E-08), 0},
        {"10", "-10", "0", Variant(1E-08), 0},
        {"10", "-20", "0", Variant(-10), 0},
        {"10", "", "0", Variant(), err::TypeMismatch},
        {"2147483647", "1", "0", Variant(), err::Overflow},
    };
    for (const auto& c : cases) {
        const QString p1 = QString::fromLatin1(c.p1), p2 = QString::fromLatin1(c.p2), p3 = QString::fromLatin1(c.p3);
        EXPECT_EQ(errorOf([&] { openingShareSum(p1, p2, p3); }), c.error) << c.p1 << " " << c.p2;
        if (c.error == 0) {
            EXPECT_TRUE(openingShareSum(p1, p2, p3).identical(c.sum)) << c.p1 << " " << c.p2;
        }
    }
}

TEST(PanelDivisors, ZeroCommissionPercentBecomesTheTinyDivisor)
{
    EXPECT_EQ(nonZeroCommissionPercent("0"), QString("1E-08"));
    EXPECT_EQ(nonZeroCommissionPercent("0,00"), QString("1E-08"));
    EXPECT_EQ(nonZeroCommissionPercent("0,01"), std::nullopt);
    EXPECT_EQ(nonZeroCommissionPercent("1E-08"), std::nullopt);  // read back as written
    EXPECT_EQ(errorOf([] { nonZeroCommissionPercent(""); }), err::TypeMismatch);
}
