#include "documents/instalments/WriterShares.h"

#include "ErrorNumber.h"
#include "platform/runtime/Runtime.h"

#include <gtest/gtest.h>

#include <functional>

using namespace vorna;
using namespace vorna::documents::instalments;

namespace {

// "PARCELADA", count 12: commission 10 % worth 1000 on 4, 3 and 3 %; producers
// 1 and 2 passing on 360 and 120 of 480, shares 40, 10 % on instalments 1 to 4.
WriterShareInputs panel()
{
    WriterShareInputs in;
    in.CommissionValue = 1000;
    in.PassOnTotal = 480;
    in.ProducerPassOns = {360, 120, 0, 0, 0};
    in.CommissionPercentage = 10;
    in.ProducerShareSum = 40;
    in.CommissionPercentages = {4, 3, 3};
    in.PassOnPercentages = {10, 10, 10, 10};
    in.PaymentForm = QStringLiteral("PARCELADA");
    in.InstalmentCount = 12;
    return in;
}

void fixedRule(WriterShareInputs& in, int line)
{
    in.FixedRule = fixedPassOnRule(line, QStringLiteral("APOLICE"));
    in.NetPremium = 1000;
}

double at(const InstalmentValues::Series<Variant>& s, int k) { return s[k - 1].toDouble(); }

}  // namespace

TEST(WriterShares, FixedRuleOnlyForThePolicyOfItsLine)
{
    struct Case {
        double line;
        const char* type;
        int rule;
    };
    const Case cases[] = {
        {931, "APOLICE", 931}, {932, "APOLICE", 932}, {933, "APOLICE", 933}, {931, "ENDOSSO", 0},
        {933, "apolice", 0},   {931, "APOLICE ", 0},  {930, "APOLICE", 0},   {931.5, "APOLICE", 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(fixedPassOnRule(c.line, QString::fromUtf8(c.type)), c.rule) << c.line << " " << c.type;
}

TEST(WriterShares, SharesPerFormCountFixedRuleAndAdvanceSettlement)
{
    struct Case {
        const char* name;
        std::function<void(WriterShareInputs&)> setup;
        int k;
        double commission, passOn, producer1, producer2;
    };
    const auto none = [](WriterShareInputs&) {};
    const double n = 1000;
    const Case cases[] = {
        {"plain split", none, 1, 400, 120, 90, 30},
        {"plain split", none, 3, 300, 120, 90, 30},
        {"plain split, nothing on the row", none, 5, 0, 0, 0, 0},
        {"count 3 empties row 4", [](auto& in) { in.InstalmentCount = 3; }, 4, 0, 0, 0, 0},
        {"count 3 keeps row 3", [](auto& in) { in.InstalmentCount = 3; }, 3, 300, 120, 90, 30},
        {"count 0 empties none", [](auto& in) { in.InstalmentCount = 0; }, 4, 0, 120, 90, 30},
        {"count 13 empties none", [](auto& in) { in.InstalmentCount = 13; }, 4, 0, 120, 90, 30},
        {"count 2.5 empties none", [](auto& in) { in.InstalmentCount = 2.5; }, 3, 300, 120, 90, 30},
        {"advance keeps row 1's own share", [](auto& in) { in.PaymentForm = "ANTECIPADA"; }, 1, 400, 120, 90, 30},
        {"advance empties row 2", [](auto& in) { in.PaymentForm = "ANTECIPADA"; }, 2, 0, 0, 0, 0},
        {"advance + 30dd is not advance", [](auto& in) { in.PaymentForm = "ANTECIPADA + 30dd"; }, 2, 300, 120, 90,
         30},
        {"931 row 1", [](auto& in) { fixedRule(in, 931); }, 1, 400, n * 0.4, n * 0.4, 30},
        {"931 row 2", [](auto& in) { fixedRule(in, 931); }, 2, 300, n * 0.174 * 0.4, n * 0.174 * 0.4, 30},
        {"931 row 12", [](auto& in) { fixedRule(in, 931); }, 12, 0, n * 0.174 * 0.4, n * 0.174 * 0.4, 0},
        {"932 row 1", [](auto& in) { fixedRule(in, 932); }, 1, 400, n * 0.4, n * 0.4, 30},
        {"932 row 2", [](auto& in) { fixedRule(in, 932); }, 2, 300, n * 0.35, n * 0.35, 30},
        {"932 row 3", [](auto& in) { fixedRule(in, 932); }, 3, 300, n * 0.1995 * 0.35, n * 0.1995 * 0.35, 30},
        {"933 row 1", [](auto& in) { fixedRule(in, 933); }, 1, 400, n * 0.3, n * 0.3, 30},
        {"933 row 7", [](auto& in) { fixedRule(in, 933); }, 7, 0, n * 0.1995 * 0.3, n * 0.1995 * 0.3, 0},
        {"931 then count 3", [](auto& in) { fixedRule(in, 931); in.InstalmentCount = 3; }, 4, 0, 0, 0, 0},
        {"931 then advance form", [](auto& in) { fixedRule(in, 931); in.PaymentForm = "ANTECIPADA"; }, 2, 0, 0, 0,
         0},
        {"931 on an endorsement",
         [](auto& in) { in.FixedRule = fixedPassOnRule(931, "ENDOSSO"); in.NetPremium = 1000; }, 1, 400, 120, 90, 30},
        {"advance date overrides 931 on row 1",
         [](auto& in) { fixedRule(in, 931); in.AdvanceSettlementDate = rt::DateSerial(2016, 3, 5); }, 1, 400, 480,
         360, 120},
        {"advance date overrides 931 on row 2",
         [](auto& in) { fixedRule(in, 931); in.AdvanceSettlementDate = rt::DateSerial(2016, 3, 5); }, 2, 300, 0, 0,
         0},
        {"advance date after the count",
         [](auto& in) { in.InstalmentCount = 1; in.AdvanceSettlementDate = rt::DateSerial(2016, 3, 5); }, 1, 400,
         480, 360, 120},
    };
    for (const auto& c : cases) {
        WriterShareInputs in = panel();
        c.setup(in);
        InstalmentValues v;
        computeWriterShares(in, v);
        SCOPED_TRACE(std::string(c.name) + ", instalment " + std::to_string(c.k));
        EXPECT_DOUBLE_EQ(at(v.InstalmentCommissions, c.k), c.commission);
        EXPECT_DOUBLE_EQ(at(v.InstalmentPassOns, c.k), c.passOn);
        EXPECT_DOUBLE_EQ(at(v.InstalmentProducerPassOns[0], c.k), c.producer1);
        EXPECT_DOUBLE_EQ(at(v.InstalmentProducerPassOns[1], c.k), c.producer2);
    }
}

TEST(WriterShares, DatesReceivedValuesAndDueDatesAboveTheCount)
{
    WriterShareInputs in = panel();
    in.InstalmentCount = 3;
    InstalmentValues v;
    for (int k = 0; k < 12; ++k)
        v.InstalmentDueDates[k] = Variant(rt::Format(rt::DateSerial(2016, k + 1, 10), "dd/mm/yyyy"));
    computeWriterShares(in, v);
    EXPECT_EQ(v.InstalmentDueDates[2].toString(), "10/03/2016");
    EXPECT_EQ(v.InstalmentDueDates[3].toString(), "");
    for (int k = 0; k < 12; ++k) {
        EXPECT_EQ(v.InstalmentPassOnDates[k].toString(), "") << k;
        EXPECT_EQ(v.InstalmentReceivedDates[k].toString(), "") << k;
        EXPECT_EQ(v.InstalmentReceivedCommissions[k].toDouble(), 0.0) << k;
    }

    in.AdvanceSettlementDate = rt::DateSerial(2016, 3, 5);
    computeWriterShares(in, v);
    EXPECT_TRUE(v.InstalmentPassOnDates[0].identical(rt::DateSerial(2016, 3, 5)));
    for (int k = 1; k < 12; ++k)  // above the count too
        EXPECT_EQ(v.InstalmentPassOnDates[k].toString(), "11/11/1111") << k;
    EXPECT_EQ(v.CommissionToSpread, 1000);
    EXPECT_EQ(v.PassOnToSpread, 480);
    EXPECT_EQ(v.ProducerPassOnToSpread[1], 120);
}

TEST(WriterShares, ZeroDivisorRaisesAndChangesNothing)
{
    struct Case {
        const char* name;
        double commissionPercentage, shareSum;
        int error;
    };
    const Case cases[] = {
        {"commission percentage 0", 0, 40, 11},
        {"share sum 0", 10, 0, 11},
        {"share sum 0 on a zero percentage", 10, 0, 6},
    };
    for (const auto& c : cases) {
        WriterShareInputs in = panel();
        in.CommissionPercentage = c.commissionPercentage;
        in.ProducerShareSum = c.shareSum;
        if (c.error == 6)
            in.PassOnPercentages = {};
        InstalmentValues v;
        v.CommissionToSpread = 7;
        EXPECT_EQ(errorOf([&] { computeWriterShares(in, v); }), c.error) << c.name;
        EXPECT_EQ(v.CommissionToSpread, 7) << c.name;
        EXPECT_TRUE(v.InstalmentCommissions[0].isEmpty()) << c.name;
    }
}

TEST(WriterShares, RowsOfANewSchedule)
{
    WriterShareInputs in = panel();
    in.InstalmentCount = 1;
    in.AdvanceSettlementDate = rt::DateSerial(2016, 3, 5);
    InstalmentValues v;
    v.InstalmentDueDates[0] = Variant("05/02/2016");
    v.InstalmentDueDates[1] = Variant("05/03/2016");
    computeWriterShares(in, v);

    NewRowInputs rowsIn;
    rowsIn.PolicyCost = 150;
    rowsIn.ProducerCodes = {"0012", "0034", "", "", ""};
    rowsIn.Amounts[0] = 100.5;
    rowsIn.Amounts[1] = 0.0;
    const InstalmentRows rows = newScheduleRows(v, rowsIn);

    for (int k = 0; k < 12; ++k) {
        const InstalmentRow& r = rows[k];
        SCOPED_TRACE(k + 1);
        EXPECT_EQ(r.Number, k + 1);
        EXPECT_FALSE(r.ReceivedDate);
        ASSERT_TRUE(r.PassOnDate);
        EXPECT_EQ(r.ReceivedCommission, 0.0);
        EXPECT_EQ(r.Flag, "N");
        EXPECT_EQ(r.ProducerCodes[0], "0012");
        EXPECT_EQ(r.ProducerCodes[4], "");
        ASSERT_TRUE(r.ProducerPassOns[4]);
        EXPECT_EQ(r.PolicyCostShare.has_value(), k == 0);
    }
    EXPECT_EQ(rows[0].DueDate->toString(), "05/02/2016");
    EXPECT_FALSE(rows[1].DueDate);  // above the count of 1
    EXPECT_DOUBLE_EQ(*rows[0].PolicyCostShare, 30);
    EXPECT_DOUBLE_EQ(rows[0].Commission, 400);
    EXPECT_EQ(rows[1].Commission, 0.0);
    EXPECT_EQ(rows[0].PassOn, 480);
    EXPECT_EQ(*rows[0].ProducerPassOns[0], 360);
    EXPECT_EQ(rows[1].PassOnDate->toString(), "11/11/1111");
    EXPECT_EQ(rows[0].Amount, 100.5);
    EXPECT_EQ(rows[1].Amount, 0.0);
    EXPECT_FALSE(rows[2].Amount);

    // Without an advance date or a policy cost no row carries DR1 or VCA.
    in.AdvanceSettlementDate = Variant();
    computeWriterShares(in, v);
    rowsIn.PolicyCost.reset();
    for (const auto& r : newScheduleRows(v, rowsIn)) {
        EXPECT_FALSE(r.PassOnDate);
        EXPECT_FALSE(r.PolicyCostShare);
    }
}

TEST(WriterShares, BlankDueDateTextIsNotWritten)
{
    InstalmentValues v;
    v.InstalmentDueDates[0] = Variant("   ");
    v.InstalmentDueDates[1] = Variant::null();
    v.InstalmentDueDates[2] = rt::DateSerial(2016, 1, 31);
    const InstalmentRows rows = newScheduleRows(v, NewRowInputs{});
    EXPECT_FALSE(rows[0].DueDate);
    EXPECT_FALSE(rows[1].DueDate);
    EXPECT_TRUE(rows[2].DueDate);
    EXPECT_FALSE(rows[3].DueDate);  // never set
}
