#include "documents/instalments/EndorsementInstalments.h"
#include "documents/instalments/PremiumSplit.h"
#include "documents/instalments/NumberConventions.h"

#include "ErrorNumber.h"
#include "platform/runtime/Runtime.h"

#include <gtest/gtest.h>

using namespace vorna;
using namespace vorna::documents::instalments;

namespace {

EndorsementPreparationInputs policy(const char* form, double count)
{
    EndorsementPreparationInputs in;
    in.StartDate = rt::DateSerial(2024, 1, 31);
    in.ProducerPercentages = {10, 5, 0};
    in.CommissionPercentageText = QStringLiteral("12");
    in.CommissionValue = 1200;
    in.PassOnTotal = 150;
    in.ProducerPassOns = {100, 50, 0};
    in.PaymentForm = QString::fromUtf8(form);
    in.InstalmentCount = count;
    return in;
}

QString opt(const std::optional<QString>& s) { return s ? *s : QStringLiteral("<kept>"); }

}  // namespace

TEST(EndorsementInstalments, PercentageColumnsPerPaymentFormAndCount)
{
    struct Case {
        const char* form;
        double count;
        int k;
        const char* commission;
        const char* passOn;
    };
    const Case cases[] = {
        {"PARCELADA", 3, 1, "4", "5"},
        {"PARCELADA", 3, 3, "4", "5"},
        {"PARCELADA", 3, 4, "0", "0"},
        {"PARCELADA", 9, 2, "1,33333333333333", "1,66666666666667"},
        {"ANTECIPADA", 12, 1, "12", "15"},
        {"ANTECIPADA", 12, 2, "0", "0"},
        {"ANTECIPADA", 3, 12, "0", "0"},
        {"ANTECIPADA + 30dd", 3, 3, "<kept>", "<kept>"},
        {"ANTECIPADA + 30dd", 3, 4, "0", "0"},
        {"PARCELADA + 30dd", 12, 12, "<kept>", "<kept>"},
        {"OUTRA", 0, 1, "<kept>", "<kept>"},
        {"OUTRA", 0, 2, "0", "0"},
        {"OUTRA", 1, 2, "0", "0"},
        {"OUTRA", 13, 12, "<kept>", "<kept>"},
    };
    for (const auto& c : cases) {
        InstalmentValues v;
        const auto prep = prepareEndorsements(policy(c.form, c.count), v);
        const PanelRow& row = prep.Columns[c.k - 1];
        SCOPED_TRACE(std::string(c.form) + " count " + std::to_string(c.count) + " instalment " +
                     std::to_string(c.k));
        EXPECT_EQ(opt(row.commissionPercent), QString::fromUtf8(c.commission));
        EXPECT_EQ(opt(row.passOnPercent), QString::fromUtf8(c.passOn));
        EXPECT_EQ(row.disablePassOn, c.k == 1 && QString::fromUtf8(c.form) == "ANTECIPADA");
    }
}

TEST(EndorsementInstalments, ZeroPercentagesBecomeTheTinyDivisor)
{
    EndorsementPreparationInputs in = policy("ANTECIPADA", 12);
    in.CommissionPercentageText = QStringLiteral("0");
    in.ProducerPercentages = {0, 0, 0};
    InstalmentValues v;
    const auto prep = prepareEndorsements(in, v);
    EXPECT_EQ(prep.CommissionPercentageText, "1E-08");
    EXPECT_EQ(prep.CommissionPercentage, 1E-08);
    EXPECT_EQ(prep.ProducerShareSum, 1E-08);
    EXPECT_EQ(prep.Columns[0].commissionPercent, "1E-08");
    EXPECT_EQ(prep.Columns[0].passOnPercent, "1E-08");

    // A typed percentage stays as typed, in the box and in the column.
    in.CommissionPercentageText = QStringLiteral("12,50");
    const auto typed = prepareEndorsements(in, v);
    EXPECT_FALSE(typed.CommissionPercentageText);
    EXPECT_EQ(typed.CommissionPercentage, 12.5);
    EXPECT_EQ(typed.Columns[0].commissionPercent, "12,50");
}

TEST(EndorsementInstalments, PreparationFailuresChangeNothing)
{
    struct Case {
        const char* name;
        const char* form;
        double count;
        const char* percentage;
        int error;
    };
    const Case cases[] = {
        {"spread over no instalment", "PARCELADA", 0, "12", 11},
        {"percentage not a number", "ANTECIPADA", 12, "doze", 13},
        {"blank percentage", "ANTECIPADA", 12, "", 13},
    };
    for (const auto& c : cases) {
        EndorsementPreparationInputs in = policy(c.form, c.count);
        in.CommissionPercentageText = QString::fromUtf8(c.percentage);
        InstalmentValues v;
        v.CommissionToSpread = 7;
        EXPECT_EQ(errorOf([&] { prepareEndorsements(in, v); }), c.error) << c.name;
        EXPECT_EQ(v.CommissionToSpread, 7) << c.name;
    }
}

TEST(EndorsementInstalments, MonthDatesChainAcrossMonthAndYearEnds)
{
    struct Case {
        int startMonth, startDay, k;
        const char* date;
        int year;
    };
    const Case cases[] = {
        {1, 31, 1, "29/02/2024", 2024}, {1, 31, 2, "29/03/2024", 2024}, {1, 31, 11, "29/12/2024", 2024},
        {6, 15, 1, "15/07/2024", 2024}, {6, 15, 6, "15/12/2024", 2024}, {6, 15, 7, "15/01/2025", 2025},
        {6, 15, 11, "15/05/2025", 2025},
    };
    for (const auto& c : cases) {
        EndorsementPreparationInputs in = policy("PARCELADA", 12);
        in.StartDate = rt::DateSerial(2024, c.startMonth, c.startDay);
        InstalmentValues v;
        const auto prep = prepareEndorsements(in, v);
        EXPECT_EQ(dueDateText(prep.MonthDates[c.k]), QString::fromUtf8(c.date)) << c.k;
        EXPECT_EQ(rt::Year(prep.MonthDates[c.k]), c.year) << c.k;
    }
}

TEST(EndorsementInstalments, WorkAreaTakesTheBoxesWhateverTheForm)
{
    for (const char* form : {"ANTECIPADA", "PARCELADA", "PARCELADA + 30dd", "OUTRA"}) {
        InstalmentValues v;
        v.ProducerPassOnToSpread = {9, 9, 9, 9, 9};
        prepareEndorsements(policy(form, 3), v);
        EXPECT_EQ(v.CommissionToSpread, 1200) << form;
        EXPECT_EQ(v.PassOnToSpread, 150) << form;
        const std::array<double, 5> producers{100, 50, 0, 9, 9};
        EXPECT_EQ(v.ProducerPassOnToSpread, producers) << form;
    }
}

namespace {

// The columns of a "PARCELADA" policy of three instalments, commission 12 %
// and shares 15, as the preparation leaves them, read back as numbers.
EndorsementShareInputs endorsement(const char* form, double count)
{
    EndorsementShareInputs in;
    in.StartDate = rt::DateSerial(2024, 2, 29);
    in.CommissionPercentage = 12;
    in.ProducerShareSum = 15;
    in.CommissionPercentages = {4, 4, 4};
    in.PassOnPercentages = {5, 5, 5};
    in.PaymentForm = QString::fromUtf8(form);
    in.InstalmentCount = count;
    return in;
}

InstalmentValues workArea()
{
    InstalmentValues v;
    v.CommissionToSpread = 1200;
    v.PassOnToSpread = 150;
    v.ProducerPassOnToSpread = {100, 50, 0, 30, 30};
    v.InstalmentDueDates[1] = Variant("29/03/2024");
    v.InstalmentDueDates[3] = Variant("29/05/2024");
    v.InstalmentProducerPassOns[3].fill(Variant(9.0));
    return v;
}

}  // namespace

TEST(EndorsementInstalments, SplitPerFormAndCount)
{
    struct Case {
        const char* form;
        double count;
        int k;
        double commission, passOn, producer1;
        bool due;
    };
    const Case cases[] = {
        {"PARCELADA", 3, 1, 400, 50, 100.0 / 3, true},  {"PARCELADA", 3, 2, 400, 50, 100.0 / 3, true},
        {"PARCELADA", 3, 4, 0, 0, 0, false},            {"PARCELADA", 1, 2, 0, 0, 0, false},
        {"PARCELADA", 12, 4, 0, 0, 0, true},            {"PARCELADA", 0, 2, 400, 50, 100.0 / 3, true},
        {"PARCELADA", 13, 2, 400, 50, 100.0 / 3, true}, {"ANTECIPADA", 12, 1, 400, 50, 100.0 / 3, true},
        {"ANTECIPADA", 12, 2, 0, 0, 0, true},           {"ANTECIPADA + 30dd", 12, 2, 400, 50, 100.0 / 3, true},
    };
    for (const auto& c : cases) {
        InstalmentValues v = workArea();
        computeEndorsementShares(endorsement(c.form, c.count), v);
        const auto rows = endorsementRows(v, std::nullopt, {"A", "B", ""});
        const InstalmentRow& r = rows[c.k - 1];
        SCOPED_TRACE(std::string(c.form) + " count " + std::to_string(c.count) + " instalment " +
                     std::to_string(c.k));
        EXPECT_DOUBLE_EQ(r.Commission, c.commission);
        EXPECT_DOUBLE_EQ(r.PassOn, c.passOn);
        EXPECT_DOUBLE_EQ(*r.ProducerPassOns[0], c.producer1);
        EXPECT_DOUBLE_EQ(*r.ProducerPassOns[1], c.producer1 / 2);
        EXPECT_EQ(r.DueDate.has_value(), c.due);
        // Producers 4 and 5 are no business of the endorsements.
        EXPECT_EQ(v.InstalmentProducerPassOns[3][c.k - 1].toDouble(), 9.0);
    }
}

TEST(EndorsementInstalments, RowsOfAnEndorsement)
{
    InstalmentValues v = workArea();
    v.InstalmentPassOnDates.fill(rt::DateSerial(2024, 1, 1));
    v.InstalmentReceivedCommissions.fill(Variant(3.0));
    computeEndorsementShares(endorsement("PARCELADA", 12), v);
    const auto rows = endorsementRows(v, 150.0, {"0012", "", "0034"});
    EXPECT_EQ(dueDateText(*rows[0].DueDate), "29/02/2024");
    EXPECT_EQ(rows[1].DueDate->toString(), "29/03/2024");
    EXPECT_FALSE(rows[2].DueDate);  // nothing put there by an earlier schedule
    EXPECT_DOUBLE_EQ(*rows[0].PolicyCostShare, 30);
    for (int k = 0; k < 12; ++k) {
        const InstalmentRow& r = rows[k];
        SCOPED_TRACE(k + 1);
        EXPECT_EQ(r.Number, k + 1);
        EXPECT_EQ(r.PolicyCostShare.has_value(), k == 0);
        EXPECT_EQ(r.ReceivedCommission, 0.0);
        EXPECT_FALSE(r.ReceivedDate);
        EXPECT_FALSE(r.PassOnDate);
        EXPECT_FALSE(r.Amount);
        EXPECT_FALSE(r.Flag);
        EXPECT_EQ(r.ProducerCodes[0], "0012");
        EXPECT_EQ(r.ProducerCodes[1], "");
        EXPECT_EQ(r.ProducerCodes[2], "0034");
        EXPECT_FALSE(r.ProducerCodes[3]);
        EXPECT_FALSE(r.ProducerPassOns[3]);
        EXPECT_FALSE(r.ProducerPassOns[4]);
    }
    EXPECT_FALSE(endorsementRows(v, std::nullopt, {})[0].PolicyCostShare);
}

TEST(EndorsementInstalments, ZeroDivisorRaisesAndChangesNothing)
{
    EndorsementShareInputs in = endorsement("PARCELADA", 3);
    in.ProducerShareSum = 0;
    InstalmentValues v = workArea();
    EXPECT_EQ(errorOf([&] { computeEndorsementShares(in, v); }), 11);
    EXPECT_TRUE(v.InstalmentDueDates[0].isEmpty());
    EXPECT_TRUE(v.InstalmentCommissions[0].isEmpty());
}

TEST(PremiumSplit, NetAndIofByTheFixedFactor)
{
    struct Case {
        double gross, net, iof;  // to the cent
    };
    const Case cases[] = {{600, 558.76, 41.24}, {1073.8, 1000, 73.8}, {-107.38, -100, -7.38}, {0, 0, 0}};
    for (const auto& c : cases) {
        const PremiumSplit s = splitImportedPremium(c.gross);
        EXPECT_NEAR(s.NetPremium, c.net, 0.005) << c.gross;
        EXPECT_NEAR(s.Iof, c.iof, 0.005) << c.gross;
        EXPECT_EQ(s.NetPremium + s.Iof, c.gross) << c.gross;  // unrounded: nothing lost
    }
    EXPECT_EQ(splitImportedPremium(600).NetPremium, 600 / 1.0738);
}
