#include "documents/instalments/NumberConventions.h"
#include "documents/instalments/Recalculation.h"

#include "ErrorNumber.h"
#include "platform/runtime/Runtime.h"

#include <gtest/gtest.h>

using namespace vorna;
using namespace vorna::documents::instalments;

namespace {

RecalculationInputs inputs(const char* form, int32_t count)
{
    RecalculationInputs in;
    in.paymentForm = QString::fromUtf8(form);
    in.count = count;
    in.grossPremium = 600;
    in.commissionValue = 800;
    in.passOnTotal = 120;
    in.producerPassOns = {60, 40, 20, 0, 0};
    return in;
}

double amount(const Variant& v) { return v.toDouble(); }

QString opt(const std::optional<QString>& s) { return s ? *s : QStringLiteral("<kept>"); }

}  // namespace

TEST(Recalculation, OpenInstalmentsAreAtLeastOne)
{
    const struct {
        int32_t count, settled, open;
    } cases[] = {{6, 0, 6}, {6, 2, 4}, {6, 6, 1}, {2, 4, 1}, {12, 11, 1}};
    for (const auto& c : cases)
        EXPECT_EQ(openInstalments(c.count, c.settled), c.open) << c.count << " " << c.settled;
}

TEST(Recalculation, CommissionOfTheOpenInstalments)
{
    struct Case {
        const char* form;
        int32_t count;
        int32_t received;
        double receivedSum;
        double first;  // entry 1 of the commissions
        double others; // entries 2 to 12
    };
    const Case cases[] = {
        {"PARCELADA", 4, 0, 0, 200, 200},
        {"PARCELADA + 30dd", 4, 0, 0, 200, 200},
        {"ANTECIPADA", 4, 0, 0, 800, 0},
        {"ANTECIPADA + 30dd", 4, 0, 0, 800, 0},
        {"ANTECIPADA", 6, 2, 200, 150, 150},  // (800 - 200) / 4, whatever the form
        {"PARCELADA", 6, 2, 200, 150, 150},
        {"PARCELADA", 3, 3, 500, 300, 300},   // all received: the remainder on one
        {"PARCELADA", 2, 4, 200, 600, 600},   // count below the received ones
    };
    for (const auto& c : cases) {
        InstalmentValues values;
        values.ReceivedInstalmentCount = c.received;
        values.ReceivedCommissionSum = c.receivedSum;
        recalculateInstalments(inputs(c.form, c.count), values);
        EXPECT_DOUBLE_EQ(values.CommissionToSpread, (800 - c.receivedSum) / openInstalments(c.count, c.received))
            << c.form << " " << c.count;
        EXPECT_DOUBLE_EQ(amount(values.InstalmentCommissions[0]), c.first) << c.form << " " << c.count;
        for (int k = 1; k < 12; ++k)
            EXPECT_DOUBLE_EQ(amount(values.InstalmentCommissions[k]), c.others) << c.form << " " << k;
    }
}

TEST(Recalculation, PassOnSpreadOverTheOpenInstalmentsUnderEveryForm)
{
    for (const char* form : {"ANTECIPADA", "PARCELADA"}) {
        InstalmentValues values;
        values.PaidPassOnCount = 2;
        values.PaidPassOnSum = 40;
        values.PaidProducerPassOn = {20, 10, 10, 0, 0};
        values.ReceivedInstalmentCount = 1;  // the producers go by the pass-on divisor
        recalculateInstalments(inputs(form, 4), values);
        EXPECT_DOUBLE_EQ(values.PassOnToSpread, 40) << form;  // (120 - 40) / 2
        const std::array<double, 5> producers = {20, 15, 5, 0, 0};
        for (int k = 0; k < 12; ++k) {
            EXPECT_DOUBLE_EQ(amount(values.InstalmentPassOns[k]), 40) << form << " " << k;
            for (size_t j = 0; j < 5; ++j)
                EXPECT_DOUBLE_EQ(amount(values.InstalmentProducerPassOns[j][k]), producers[j]) << form << " " << j;
        }
    }
}

TEST(Recalculation, AnyOtherFormSpreadsThePreviousAmounts)
{
    for (const char* form : {"parcelada", "", "ANTECIPADA "}) {
        InstalmentValues values;
        values.CommissionToSpread = 11;
        values.PassOnToSpread = 22;
        values.ProducerPassOnToSpread = {1, 2, 3, 4, 5};
        values.InstalmentCommissions.fill(Variant(9.0));
        recalculateInstalments(inputs(form, 4), values);
        EXPECT_EQ(values.CommissionToSpread, 11) << form;
        EXPECT_DOUBLE_EQ(amount(values.InstalmentCommissions[0]), 9) << form;
        EXPECT_DOUBLE_EQ(amount(values.InstalmentPassOns[11]), 22) << form;
        EXPECT_DOUBLE_EQ(amount(values.InstalmentProducerPassOns[4][0]), 5) << form;
    }
    // In a fresh window nothing was computed before: zero.
    InstalmentValues fresh;
    recalculateInstalments(inputs("xyz", 4), fresh);
    EXPECT_DOUBLE_EQ(amount(fresh.InstalmentPassOns[0]), 0);
    EXPECT_TRUE(fresh.InstalmentCommissions[0].isEmpty());
}

TEST(Recalculation, PanelValuesAndDueDates)
{
    struct Case {
        bool split;
        int32_t count;
    };
    for (const Case c : {Case{true, 4}, Case{false, 4}, Case{true, 12}, Case{false, 1}}) {
        InstalmentValues values;
        values.LoadedDueDates.fill(Variant(QString()));
        values.LoadedDueDates[0] = Variant("31/01/2016");
        values.LoadedDueDates[1] = Variant::null();
        values.LoadedDueDates[4] = Variant("30/05/2016");  // stored beyond a count of 4
        values.LoadedDueDates[11] = Variant("31/12/2016");
        RecalculationInputs in = inputs("PARCELADA", c.count);
        in.splitPremium = c.split;
        const PanelRows panel = recalculateInstalments(in, values);

        for (int k = 0; k < 12; ++k) {
            const PanelRow& row = panel[k];
            const bool within = k < c.count;
            EXPECT_TRUE(row.stripDueDateMask) << k;
            EXPECT_FALSE(row.disableRow || row.commissionPercent || row.passOnPercent) << k;
            const QString value = c.split ? numberText(600.0 / c.count) : QStringLiteral("<kept>");
            EXPECT_EQ(opt(row.value), within ? value : "") << c.count << " " << k;
            QString due = k == 0 ? "31/01/2016" : k == 1 ? "<kept>" : k == 4 ? "30/05/2016" : k == 11 ? "31/12/2016" : "";
            EXPECT_EQ(opt(row.dueDate), within ? due : "") << c.count << " " << k;
            EXPECT_TRUE(values.InstalmentDueDates[k].identical(values.LoadedDueDates[k])) << k;
        }
    }
}

TEST(Recalculation, ACountOutsideOneToTwelveChangesNothing)
{
    for (int32_t count : {0, 13, -1}) {
        InstalmentValues values;
        values.CommissionToSpread = 3;
        EXPECT_EQ(errorOf([&] { recalculateInstalments(inputs("PARCELADA", count), values); }), err::Overflow);
        EXPECT_EQ(values.CommissionToSpread, 3);
        EXPECT_TRUE(values.InstalmentPassOns[0].isEmpty());
    }
}
