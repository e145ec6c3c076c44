#include "documents/instalments/NumberConventions.h"
#include "documents/instalments/PaymentForm.h"

#include "ErrorNumber.h"
#include "platform/runtime/EngineError.h"
#include "platform/runtime/Runtime.h"

#include <gtest/gtest.h>

#include <functional>

using namespace vorna;
using namespace vorna::documents::instalments;

TEST(NumberConventions, WholeNumbersRoundHalfToEvenAndRefuseNonNumbers)
{
    struct Case {
        const char* text;
        int32_t whole;  // when error is 0
        int error;
    };
    const Case cases[] = {
        {"12,5", 12, 0},  {"13,5", 14, 0},  {"12,6", 13, 0},        {"-2,5", -2, 0},
        {" 7 ", 7, 0},    {"1.000", 1000, 0}, {"", 0, err::TypeMismatch}, {"  ", 0, err::TypeMismatch},
        {"abc", 0, err::TypeMismatch}, {"3000000000", 0, err::Overflow},
    };
    for (const auto& c : cases) {
        const QString text = QString::fromUtf8(c.text);
        EXPECT_EQ(errorOf([&] { wholeOf(text); }), c.error) << c.text;
        if (c.error == 0) {
            EXPECT_EQ(wholeOf(text), c.whole) << c.text;
        }
    }
}

TEST(NumberConventions, AmountsReadWithTheDecimalCommaAndTheExponent)
{
    EXPECT_DOUBLE_EQ(numberOf("1.234,56"), 1234.56);
    EXPECT_DOUBLE_EQ(numberOf("1E-08"), 1E-08);
    EXPECT_DOUBLE_EQ(numberOf("($10,00)"), -10.0);
    EXPECT_EQ(errorOf([] { numberOf(""); }), err::TypeMismatch);
    EXPECT_EQ(errorOf([] { numberOf("12/05/2016"); }), err::TypeMismatch);
}

TEST(NumberConventions, NumbersWrittenBackWithFifteenDigitsAndTheComma)
{
    EXPECT_EQ(numberText(1000.0 / 3), "333,333333333333");
    EXPECT_EQ(numberText(kNonZeroDivisor), "1E-08");
    EXPECT_EQ(numberText(150.0), "150");
    EXPECT_EQ(numberText(-0.5), "-0,5");
    EXPECT_EQ(numberText(Variant(60)), "60");
    EXPECT_EQ(numberText(Variant(kNonZeroDivisor)), "1E-08");
    EXPECT_EQ(errorOf([] { numberText(Variant::null()); }), err::InvalidUseOfNull);
}

TEST(NumberConventions, InstalmentCountIsAWholeNumberFromOneToTwelve)
{
    EXPECT_EQ(instalmentCount("1"), 1);
    EXPECT_EQ(instalmentCount("12"), 12);
    EXPECT_EQ(instalmentCount("12,4"), 12);
    EXPECT_EQ(errorOf([] { instalmentCount("0"); }), err::Overflow);
    EXPECT_EQ(errorOf([] { instalmentCount("13"); }), err::Overflow);
    EXPECT_EQ(errorOf([] { instalmentCount("-1"); }), err::Overflow);
    EXPECT_EQ(errorOf([] { instalmentCount(""); }), err::TypeMismatch);
}

TEST(NumberConventions, DueDatesShownDayMonthYear)
{
    EXPECT_EQ(dueDateText(rt::DateSerial(2016, 2, 9)), "09/02/2016");
    EXPECT_EQ(dueDateText(Variant("9/2/2016")), "09/02/2016");
    EXPECT_EQ(dueDateText(Variant("")), "");
    EXPECT_EQ(dueDateText(Variant()), "");
}

TEST(PaymentForms, ComparedExactly)
{
    struct Case {
        const char* text;
        PaymentForm form;
    };
    const Case cases[] = {
        {"ANTECIPADA", PaymentForm::Advance},
        {"PARCELADA", PaymentForm::Spread},
        {"ANTECIPADA + 30dd", PaymentForm::AdvancePlus30},
        {"PARCELADA + 30dd", PaymentForm::SpreadPlus30},
        {"parcelada", PaymentForm::Other},
        {"ANTECIPADA ", PaymentForm::Other},
        {"PARCELADA + 30DD", PaymentForm::Other},
        {"", PaymentForm::Other},
    };
    for (const auto& c : cases)
        EXPECT_EQ(paymentFormOf(QString::fromUtf8(c.text)), c.form) << c.text;
    EXPECT_TRUE(paysInAdvance(PaymentForm::AdvancePlus30));
    EXPECT_FALSE(paysInAdvance(PaymentForm::Other));
    EXPECT_TRUE(paysSpread(PaymentForm::SpreadPlus30));
    EXPECT_TRUE(startsAMonthLater(PaymentForm::SpreadPlus30));
    EXPECT_FALSE(startsAMonthLater(PaymentForm::Spread));
}
