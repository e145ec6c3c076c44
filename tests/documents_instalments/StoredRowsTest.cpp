#include "documents/instalments/StoredRows.h"

#include "documents/instalments/WriterShares.h"

#include <gtest/gtest.h>

using namespace vorna;
using namespace vorna::documents::instalments;

namespace {

// Twelve instalments carrying commission 10 k, pass-on k, producer j's share
// j x k, due dates "dd/03/2024" and a received date on instalment 2.
InstalmentValues schedule()
{
    InstalmentValues v;
    for (int k = 0; k < 12; ++k) {
        v.InstalmentDueDates[k] = Variant(QStringLiteral("%1/03/2024").arg(k + 1, 2, 10, QChar('0')));
        v.InstalmentCommissions[k] = Variant(10.0 * (k + 1));
        v.InstalmentPassOns[k] = Variant(double(k + 1));
        v.InstalmentReceivedCommissions[k] = Variant(0.5);
        v.InstalmentReceivedDates[k] = Variant(QString());
        v.InstalmentPassOnDates[k] = Variant(QString());
        for (int j = 0; j < 5; ++j)
            v.InstalmentProducerPassOns[j][k] = Variant(double((j + 1) * (k + 1)));
    }
    v.InstalmentReceivedDates[1] = Variant(QStringLiteral("05/04/2024"));
    return v;
}

StoredRowInputs boxes()
{
    StoredRowInputs in;
    in.ProducerCodes = {QStringLiteral("7"), QStringLiteral("8"), QString(), QString(), QString()};
    for (int k = 0; k < 12; ++k)
        in.Amounts[k] = 100.0 + k;
    in.Amounts[3].reset();
    return in;
}

}  // namespace

TEST(StoredRows, AdvanceSettlementPutsTheWholePassOnOnTheFirstInstalment)
{
    InstalmentValues v = schedule();
    settleAdvancePassOn(v, Variant(QStringLiteral("05/03/2016")), {30, 20, 10, 0, 5}, 65);
    EXPECT_EQ(v.InstalmentPassOnDates[0].toString(), "05/03/2016");
    for (int k = 1; k < 12; ++k) {
        EXPECT_EQ(v.InstalmentPassOnDates[k].toString(), kSettledInAdvanceDate);
        EXPECT_EQ(v.InstalmentPassOns[k].toDouble(), 0.0);
        EXPECT_EQ(v.InstalmentProducerPassOns[4][k].toDouble(), 0.0);
        EXPECT_EQ(v.InstalmentCommissions[k].toDouble(), 10.0 * (k + 1));  // commissions keep their spread
    }
    EXPECT_EQ(v.InstalmentPassOns[0].toDouble(), 65.0);
    EXPECT_EQ(v.InstalmentProducerPassOns[0][0].toDouble(), 30.0);
    EXPECT_EQ(v.InstalmentProducerPassOns[4][0].toDouble(), 5.0);
}

TEST(StoredRows, FullRewriteWritesDatesWhereTheyHoldTextAndReceivedCommissionWithItsDate)
{
    InstalmentValues v = schedule();
    v.InstalmentDueDates[5] = Variant(QStringLiteral("  "));
    v.InstalmentPassOnDates[0] = Variant(QStringLiteral("01/03/2024"));
    const StoredRowUpdates rows = rewrittenRows(v, boxes());
    struct Case {
        int k;
        bool due, received, passOn, amount;
    } cases[] = {
        {1, true, false, true, true}, {2, true, true, false, true}, {4, true, false, false, false},
        {6, false, false, false, true}, {12, true, false, false, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.k);
        const StoredRowUpdate& row = rows[c.k - 1];
        EXPECT_EQ(row.DueDate.has_value(), c.due);
        EXPECT_EQ(row.ReceivedDate.has_value(), c.received);
        EXPECT_EQ(row.ReceivedCommission.has_value(), c.received);
        EXPECT_EQ(row.PassOnDate.has_value(), c.passOn);
        EXPECT_EQ(row.Amount.has_value(), c.amount);
        EXPECT_EQ(row.Commission, 10.0 * c.k);
        EXPECT_EQ(row.PassOn, double(c.k));
        EXPECT_EQ(row.ProducerPassOns[1], 2.0 * c.k);
        EXPECT_EQ(row.ProducerCodes[0], "7");
        EXPECT_EQ(row.ProducerCodes[4], "");
    }
}

TEST(StoredRows, UpdateInPlaceKeepsSettledAmountsAndClearsAboveTheCount)
{
    struct Case {
        const char* what;
        double count;
        int received, paid;
        int k;
        bool commission, passOn;
        double commissionValue, passOnValue;
    } cases[] = {
        {"received 3: row 3 keeps VV1", 12, 3, 0, 3, false, true, 0, 3},
        {"received 3: row 4 gets VV1", 12, 3, 0, 4, true, true, 40, 4},
        {"paid 12: no pass-on anywhere", 12, 0, 12, 12, true, false, 120, 0},
        {"count 6: row 7 gets zeros", 6, 2, 0, 7, true, true, 0, 0},
        {"count 6: row 6 keeps its share", 6, 2, 0, 6, true, true, 60, 6},
        {"count 6, paid 8: row 7 keeps pass-on", 6, 0, 8, 7, true, false, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        InstalmentValues v = schedule();
        const StoredRowUpdates rows = updatedInPlace(v, boxes(), c.count, c.received, c.paid);
        const StoredRowUpdate& row = rows[c.k - 1];
        EXPECT_EQ(row.Commission.has_value(), c.commission);
        EXPECT_EQ(row.PassOn.has_value(), c.passOn);
        EXPECT_EQ(row.ProducerPassOns[0].has_value(), c.passOn);
        if (c.commission) {
            EXPECT_EQ(*row.Commission, c.commissionValue);
        }
        if (c.passOn) {
            EXPECT_EQ(*row.PassOn, c.passOnValue);
        }
        // The due date and value of the panel are written before the row is cleared.
        ASSERT_TRUE(row.DueDate.has_value());
        EXPECT_EQ(row.DueDate->toString(), QStringLiteral("%1/03/2024").arg(c.k, 2, 10, QChar('0')));
        EXPECT_FALSE(row.ReceivedDate || row.ReceivedCommission);
    }
}

TEST(StoredRows, UpdateInPlaceWritesTheFirstDueDateAlwaysAndPassOnDatesWithTheirAmounts)
{
    InstalmentValues v = schedule();
    v.InstalmentDueDates[0] = Variant(QString());
    v.InstalmentDueDates[1] = Variant(QString());
    settleAdvancePassOn(v, Variant(QStringLiteral("05/03/2016")), {30, 0, 0, 0, 0}, 30);
    const StoredRowUpdates rows = updatedInPlace(v, boxes(), 12, 2, 1);
    ASSERT_TRUE(rows[0].DueDate.has_value());
    EXPECT_EQ(rows[0].DueDate->toString(), "");
    EXPECT_FALSE(rows[1].DueDate.has_value());
    EXPECT_FALSE(rows[0].PassOnDate.has_value());  // paid already: neither amount nor date
    ASSERT_TRUE(rows[1].PassOnDate.has_value());
    EXPECT_EQ(rows[1].PassOnDate->toString(), kSettledInAdvanceDate);
    EXPECT_EQ(rows[1].PassOn, 0.0);
}
