#include "documents/instalments/InstalmentArrays.h"
#include "documents/instalments/NumberConventions.h"

#include "ErrorNumber.h"
#include "platform/runtime/Runtime.h"

#include <gtest/gtest.h>

using namespace vorna;
using namespace vorna::documents::instalments;

namespace {

// Commission 1000, pass-on 200, all of it producer 1's, count 4, from 31/01/2016.
InstalmentArrayInputs altered(const char* form, int count = 4)
{
    InstalmentArrayInputs in;
    in.StartDate = rt::DateSerial(2016, 1, 31);
    in.PaymentForm = QString::fromUtf8(form);
    in.Count = count;
    in.DocumentNumber = 812;
    in.CommissionValue = 1000;
    in.PassOnTotal = 200;
    in.ProducerPassOns = {200, 0, 0, 0, 0};
    in.GrossPremium = 1000;
    return in;
}

// The window's values after an earlier computation: 77 of everything to
// spread, due dates typed as "10/mm/2016".
InstalmentValues earlier()
{
    InstalmentValues v;
    v.CommissionToSpread = 77;
    v.PassOnToSpread = 77;
    v.ProducerPassOnToSpread.fill(77);
    for (int k = 0; k < 12; ++k)
        v.InstalmentDueDates[k] = Variant(rt::Format(rt::DateSerial(2016, k + 2, 10), "dd/mm/yyyy"));
    return v;
}

}  // namespace

TEST(InstalmentArrays, AmountsPerPaymentFormAndCount)
{
    struct Case {
        const char* form;
        int count;
        int k;
        double commission, passOn, producer2;  // producer 1 takes the whole pass-on
    };
    const Case cases[] = {
        {"PARCELADA", 4, 1, 250, 50, 0},
        {"PARCELADA", 4, 4, 250, 50, 0},
        {"PARCELADA", 4, 5, 0, 0, 0},
        {"PARCELADA", 12, 12, 1000.0 / 12, 200.0 / 12, 0},
        {"ANTECIPADA", 4, 1, 1000, 200, 0},
        {"ANTECIPADA", 4, 2, 0, 0, 0},
        {"ANTECIPADA", 12, 12, 0, 0, 0},
        {"ANTECIPADA + 30dd", 4, 1, 1000, 200, 0},
        {"ANTECIPADA + 30dd", 4, 2, 0, 0, 0},
        {"PARCELADA + 30dd", 4, 3, 250, 50, 0},
        {"PARCELADA + 30dd", 4, 5, 0, 0, 0},
        // No form of the list: the amounts of the last computation, spread.
        {"parcelada", 4, 1, 77, 77, 77},
        {"parcelada", 4, 5, 0, 0, 0},
        {"", 12, 12, 77, 77, 77},
    };
    for (const auto& c : cases) {
        InstalmentValues v = earlier();
        prepareInstalmentArrays(altered(c.form, c.count), v);
        SCOPED_TRACE(std::string(c.form) + " count " + std::to_string(c.count) + " instalment " +
                     std::to_string(c.k));
        EXPECT_DOUBLE_EQ(v.InstalmentCommissions[c.k - 1].toDouble(), c.commission);
        EXPECT_DOUBLE_EQ(v.InstalmentPassOns[c.k - 1].toDouble(), c.passOn);
        EXPECT_DOUBLE_EQ(v.InstalmentProducerPassOns[0][c.k - 1].toDouble(), c.passOn);
        EXPECT_DOUBLE_EQ(v.InstalmentProducerPassOns[1][c.k - 1].toDouble(), c.producer2);
    }
}

TEST(InstalmentArrays, DueDatesFromTheStartOnlyForTheExactAdvanceForm)
{
    struct Case {
        const char* form;
        int k;
        const char* due;
    };
    const Case cases[] = {
        {"ANTECIPADA", 1, "31/01/2016"},        {"ANTECIPADA", 2, "29/02/2016"},
        {"ANTECIPADA", 3, "29/03/2016"},        {"ANTECIPADA", 4, "29/04/2016"},
        {"ANTECIPADA", 5, ""},                  {"ANTECIPADA + 30dd", 1, "10/02/2016"},
        {"PARCELADA", 4, "10/05/2016"},         {"PARCELADA", 5, ""},
        {"PARCELADA + 30dd", 2, "10/03/2016"},
    };
    for (const auto& c : cases) {
        InstalmentValues v = earlier();
        prepareInstalmentArrays(altered(c.form), v);
        EXPECT_EQ(dueDateText(v.InstalmentDueDates[c.k - 1]), QString::fromUtf8(c.due)) << c.form << " " << c.k;
        EXPECT_EQ(dueDateText(v.MonthlyDates[11]), "29/12/2016");
    }
}

TEST(InstalmentArrays, SettlementsClearedAndTheDocumentRecorded)
{
    InstalmentValues v = earlier();
    v.InstalmentReceivedCommissions.fill(Variant(5.0));
    v.InstalmentReceivedDates.fill(rt::DateSerial(2016, 2, 1));
    v.InstalmentPassOnDates.fill(rt::DateSerial(2016, 2, 1));
    prepareInstalmentArrays(altered("PARCELADA"), v);
    for (int k = 0; k < 12; ++k) {
        EXPECT_EQ(v.InstalmentReceivedCommissions[k].toDouble(), 0.0);
        EXPECT_TRUE(v.InstalmentReceivedDates[k].identical(Variant(QString())));
        EXPECT_TRUE(v.InstalmentPassOnDates[k].identical(Variant(QString())));
    }
    EXPECT_EQ(v.SeriesDocumentNumber, 812);
}

TEST(InstalmentArrays, CapturedModeShowsTheTypedDueDatesAndKeepsTheValues)
{
    InstalmentValues v = earlier();
    v.SameCountFlag = 1;
    v.CapturedDueDates = {"05/03/2016", "", "31/02/2016", "1/4/16"};
    const PanelRows rows = prepareInstalmentArrays(altered("PARCELADA"), v);
    EXPECT_EQ(rows[0].dueDate, "05/03/2016");
    EXPECT_EQ(rows[1].dueDate, "");
    EXPECT_EQ(rows[2].dueDate, "");  // no such day: the box is emptied
    EXPECT_EQ(rows[3].dueDate, "01/04/2016");
    for (const auto& row : rows) {
        EXPECT_FALSE(row.value);
        EXPECT_FALSE(row.stripDueDateMask);
    }

    // The captured mode divides nothing, so a count of 0 passes.
    EXPECT_EQ(errorOf([&] { prepareInstalmentArrays(altered("ANTECIPADA", 0), v); }), 0);
}

TEST(InstalmentArrays, ComputedModeSplitsTheGrossPremium)
{
    InstalmentValues v = earlier();
    v.InstalmentDueDates[1] = Variant::null();
    const PanelRows rows = prepareInstalmentArrays(altered("PARCELADA", 3), v);
    EXPECT_EQ(rows[0].dueDate, "10/02/2016");
    EXPECT_FALSE(rows[1].dueDate);  // a Null entry keeps the box
    EXPECT_EQ(rows[3].dueDate, "");
    for (int k = 0; k < 12; ++k) {
        EXPECT_TRUE(rows[k].stripDueDateMask);
        EXPECT_EQ(rows[k].value, k < 3 ? QString("333,333333333333") : QString()) << k;
    }
}

TEST(InstalmentArrays, ACountOfZeroRaisesWhereItDividesAndChangesNothing)
{
    struct Case {
        const char* form;
        int error;
    };
    const Case cases[] = {{"PARCELADA", 11}, {"ANTECIPADA", 11}, {"qualquer", 11}};
    for (const auto& c : cases) {
        InstalmentValues v = earlier();
        EXPECT_EQ(errorOf([&] { prepareInstalmentArrays(altered(c.form, 0), v); }), c.error) << c.form;
        EXPECT_EQ(v.CommissionToSpread, 77) << c.form;
        EXPECT_TRUE(v.InstalmentCommissions[0].isEmpty()) << c.form;
        EXPECT_TRUE(v.MonthlyDates[0].isEmpty()) << c.form;
    }
}
