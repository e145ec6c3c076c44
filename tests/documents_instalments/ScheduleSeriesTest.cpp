#include "documents/instalments/NumberConventions.h"
#include "documents/instalments/ScheduleSeries.h"

#include "ErrorNumber.h"
#include "platform/runtime/Runtime.h"

#include <gtest/gtest.h>

using namespace vorna;
using namespace vorna::documents::instalments;

namespace {

// Commission 10 %, line 4, 3, 3 and Null after, producers' share 50, count 3.
ScheduleInputs lineOfThree(const char* form)
{
    ScheduleInputs in;
    in.paymentForm = QString::fromUtf8(form);
    in.count = 3;
    in.startDate = Variant("31/01/2016");
    in.grossPremium = 1000;
    in.commissionPercent = "10";
    in.commissionValue = 100;
    in.passOnTotal = 50;
    in.producerPassOns = {20, 15, 10, 5, 0};
    in.producerShareSum = Variant(50);
    in.lineCommissions.fill(Variant::null());
    in.lineCommissions[0] = Variant(4.0);
    in.lineCommissions[1] = Variant(3.0);
    in.lineCommissions[2] = Variant(3.0);
    return in;
}

QString opt(const std::optional<QString>& s) { return s ? *s : QStringLiteral("<kept>"); }

}  // namespace

TEST(ScheduleSeries, PercentagesFromTheLineAndRowsAboveTheCountEmptied)
{
    InstalmentValues values;
    const PanelRows panel = fillScheduleFromLine(lineOfThree("PARCELADA"), values);
    const char* commissions[] = {"4", "3", "3"};
    const char* passOns[] = {"20", "15", "15"};
    for (int k = 0; k < 12; ++k) {
        const PanelRow& row = panel[k];
        const bool within = k < 3;
        EXPECT_EQ(opt(row.commissionPercent), within ? commissions[k] : "") << k;
        EXPECT_EQ(opt(row.passOnPercent), within ? passOns[k] : "") << k;
        EXPECT_EQ(opt(row.value), within ? "333,333333333333" : "") << k;
        EXPECT_EQ(row.stripDueDateMask, !within) << k;
        EXPECT_EQ(row.disableRow, !within) << k;
        EXPECT_FALSE(row.disableCommission || row.disablePassOn) << k;
    }
    EXPECT_EQ(values.CommissionToSpread, 100);
    EXPECT_EQ(values.PassOnToSpread, 50);
    EXPECT_EQ(values.ProducerPassOnToSpread, (std::array<double, 5>{20, 15, 10, 5, 0}));
}

TEST(ScheduleSeries, AdvanceFormsPutTheWholePercentagesOnTheFirstRow)
{
    for (const char* form : {"ANTECIPADA", "ANTECIPADA + 30dd"}) {
        InstalmentValues values;
        const PanelRows panel = fillScheduleFromLine(lineOfThree(form), values);
        EXPECT_EQ(opt(panel[0].commissionPercent), "10") << form;
        EXPECT_EQ(opt(panel[0].passOnPercent), "50") << form;
        EXPECT_EQ(opt(panel[1].commissionPercent), "3") << form;
        EXPECT_EQ(opt(panel[1].passOnPercent), "15") << form;
        for (const PanelRow& row : panel)
            EXPECT_TRUE(row.disableCommission && row.disablePassOn) << form;
        EXPECT_EQ(values.CommissionToSpread, 100) << form;
    }
}

TEST(ScheduleSeries, SpreadFormsSplitEvenlyWhenTheFirstFourPercentagesAreZero)
{
    struct Case {
        const char* form;
        Variant first4[4];
        const char* commission;  // of rows 1 to 3
        const char* passOn;
    };
    const Case cases[] = {
        {"PARCELADA", {Variant(0.0), Variant::null(), Variant(0.0), Variant::null()}, "3", "20"},
        {"PARCELADA + 30dd", {Variant::null(), Variant::null(), Variant::null(), Variant::null()}, "3", "20"},
        // One of the four not 0: the line's schedule stays.
        {"PARCELADA", {Variant(0.0), Variant(0.0), Variant(0.0), Variant(1.0)}, "0", "0"},
        // Not a spread form: no even split.
        {"parcelada", {Variant(0.0), Variant(0.0), Variant(0.0), Variant(0.0)}, "0", "0"},
    };
    for (const auto& c : cases) {
        ScheduleInputs in = lineOfThree(c.form);
        in.commissionPercent = "9";
        in.producerShareSum = Variant(60);
        in.lineCommissions.fill(Variant::null());
        for (int k = 0; k < 4; ++k)
            in.lineCommissions[k] = c.first4[k];
        in.lineCommissions[4] = Variant(5.0);  // a later percentage does not count
        InstalmentValues values;
        const PanelRows panel = fillScheduleFromLine(in, values);
        for (int k = 0; k < 3; ++k) {
            EXPECT_EQ(opt(panel[k].commissionPercent), c.commission) << c.form << " " << k;
            EXPECT_EQ(opt(panel[k].passOnPercent), c.passOn) << c.form << " " << k;
        }
    }
}

TEST(ScheduleSeries, DueDatesChainedFromTheStartDate)
{
    struct Case {
        const char* form;
        const char* start;
        int count;
        std::vector<const char*> dates;
    };
    const Case cases[] = {
        {"PARCELADA", "31/01/2016", 4, {"31/01/2016", "29/02/2016", "29/03/2016", "29/04/2016"}},
        {"ANTECIPADA + 30dd", "15/03/2016", 2, {"15/04/2016", "15/05/2016"}},
        {"PARCELADA + 30dd", "31/12/2015", 3, {"31/01/2016", "29/02/2016", "29/03/2016"}},
        {"ANTECIPADA", "10/02/2016", 12, {"10/02/2016", "10/03/2016", "10/04/2016", "10/05/2016",
                                          "10/06/2016", "10/07/2016", "10/08/2016", "10/09/2016",
                                          "10/10/2016", "10/11/2016", "10/12/2016", "10/01/2017"}},
        {"ANTECIPADA", "10/02/2016", 1, {"10/02/2016"}},
    };
    for (const auto& c : cases) {
        ScheduleInputs in = lineOfThree(c.form);
        in.startDate = Variant(QString::fromLatin1(c.start));
        in.count = c.count;
        InstalmentValues values;
        values.LoadedDueDates.fill(Variant("kept"));
        const PanelRows panel = fillScheduleFromLine(in, values);
        for (int k = 0; k < 12; ++k) {
            const QString shown = k < c.count ? QString::fromLatin1(c.dates[k]) : QString();
            EXPECT_EQ(opt(panel[k].dueDate), shown) << c.form << " " << k;
            EXPECT_EQ(dueDateText(values.InstalmentDueDates[k]), shown) << c.form << " " << k;
            // Entries above the count keep what the chain held.
            if (k >= c.count) {
                EXPECT_TRUE(values.LoadedDueDates[k].identical(Variant("kept"))) << c.form << " " << k;
            }
        }
    }
}

TEST(ScheduleSeries, AnyOtherFormComputesNoDatesAndNoAmounts)
{
    ScheduleInputs in = lineOfThree("parcelada");
    in.startDate = Variant("");  // not read under this form
    InstalmentValues values;
    values.LoadedDueDates.fill(Variant(QString()));
    values.LoadedDueDates[1] = Variant("05/05/2015");
    values.CommissionToSpread = 7;
    values.PassOnToSpread = 8;
    const PanelRows panel = fillScheduleFromLine(in, values);
    EXPECT_EQ(opt(panel[0].dueDate), "");            // the empty entry shown as it is
    EXPECT_EQ(opt(panel[1].dueDate), "05/05/2015");  // an entry within the count
    EXPECT_EQ(opt(panel[2].dueDate), "<kept>");      // blank entry: the box keeps its text
    EXPECT_EQ(opt(panel[3].dueDate), "");            // above the count
    EXPECT_EQ(values.CommissionToSpread, 7);
    EXPECT_EQ(values.PassOnToSpread, 8);
    EXPECT_EQ(opt(panel[0].commissionPercent), "4");
    EXPECT_FALSE(panel[0].disableCommission);
}

TEST(ScheduleSeries, TheTinyDivisorsAreReadAndWritten)
{
    ScheduleInputs in = lineOfThree("ANTECIPADA");
    in.commissionPercent = "1E-08";
    in.producerShareSum = Variant(1E-08);
    InstalmentValues values;
    const PanelRows panel = fillScheduleFromLine(in, values);
    EXPECT_EQ(opt(panel[0].commissionPercent), "1E-08");
    EXPECT_EQ(opt(panel[0].passOnPercent), "1E-08");
    EXPECT_EQ(opt(panel[1].passOnPercent), "3");  // 1E-08 x 3 / 1E-08
}

TEST(ScheduleSeries, ABadInputChangesNothing)
{
    struct Case {
        const char* what;
        std::function<void(ScheduleInputs&)> spoil;
        int error;
    };
    const Case cases[] = {
        {"count 0", [](ScheduleInputs& in) { in.count = 0; }, err::Overflow},
        {"count 13", [](ScheduleInputs& in) { in.count = 13; }, err::Overflow},
        {"empty commission %", [](ScheduleInputs& in) { in.commissionPercent = ""; }, err::TypeMismatch},
        {"commission % of 0", [](ScheduleInputs& in) { in.commissionPercent = "0"; }, err::DivisionByZero},
        {"no start date", [](ScheduleInputs& in) { in.startDate = Variant("__/__/____"); }, err::TypeMismatch},
        {"Null share sum", [](ScheduleInputs& in) { in.producerShareSum = Variant::null(); }, err::InvalidUseOfNull},
    };
    for (const auto& c : cases) {
        ScheduleInputs in = lineOfThree("PARCELADA");
        c.spoil(in);
        InstalmentValues values;
        values.LoadedDueDates.fill(Variant("before"));
        values.CommissionToSpread = 7;
        EXPECT_EQ(errorOf([&] { fillScheduleFromLine(in, values); }), c.error) << c.what;
        EXPECT_TRUE(values.LoadedDueDates[0].identical(Variant("before"))) << c.what;
        EXPECT_TRUE(values.InstalmentDueDates[0].isEmpty()) << c.what;
        EXPECT_EQ(values.CommissionToSpread, 7) << c.what;
    }
}
