#include "platform/runtime/Runtime.h"
#include "ErrorNumber.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using vorna::EngineError;
using vorna::Variant;
namespace rt = vorna::rt;

namespace {

Variant day(int d, int m, int y) { return Variant::date(QDate(y, m, d)); }

}  // namespace

// ---- CStr ---------------------------------------------------------------------

struct TextCase {
    Variant value;
    const char* text;
};

TEST(CStr, WritesValuesInBrazilianSettings) {
    const TextCase cases[] = {
        {Variant(0.38), "0,38"},
        {Variant(1e-08), "1E-08"},
        {Variant(0.0001), "0,0001"},
        {Variant(0.00001), "1E-05"},
        {Variant(10.5), "10,5"},
        {Variant(-2.75), "-2,75"},
        {Variant(1234567.125), "1234567,125"},
        {Variant(0.1 + 0.2), "0,3"},
        {Variant(1.0 / 3.0), "0,333333333333333"},
        {Variant(123456789012345.0), "123456789012345"},
        {Variant(1e15), "1E+15"},
        {Variant(-1.5e20), "-1,5E+20"},
        {Variant(0.0), "0"},
        {Variant(37.0368), "37,0368"},
        {Variant(42), "42"},
        {Variant::integer(-7), "-7"},
        {Variant::currency(12.34567), "12,3457"},
        {Variant(true), "Verdadeiro"},
        {Variant(false), "Falso"},
        {Variant("texto"), "texto"},
        {Variant(), ""},
        {day(5, 3, 2016), "05/03/2016"},
        {Variant::date(QDate(2016, 3, 5), QTime(14, 7, 9)), "05/03/2016 14:07:09"},
        {Variant::date(QDate(1899, 12, 30), QTime(8, 30)), "08:30:00"},
        {Variant::date(0.0), "00:00:00"},
        {Variant::date(-1.25), "29/12/1899 06:00:00"},
    };
    for (const auto& c : cases) EXPECT_EQ(rt::CStr(c.value), QString::fromUtf8(c.text)) << c.value;
}

TEST(CStr, NullIsInvalidUseOfNull) {
    EXPECT_EQ(errorNumberOf([] { rt::CStr(Variant::null()); }), 94);
}

// ---- CDbl -----------------------------------------------------------------------

struct NumberCase {
    const char* text;
    double value;
};

TEST(CDbl, ReadsTextsInBrazilianSettings) {
    const NumberCase cases[] = {
        {"1.234,5", 1234.5},   {"1234,5", 1234.5},      {"0,38", 0.38},
        {"  12 ", 12},         {"-3,25", -3.25},        {"+7", 7},
        {",5", 0.5},           {"5,", 5},               {"1.000.000", 1000000},
        {"1E-08", 1e-08},      {"2,5E+3", 2500},        {"R$ 1.234,56", 1234.56},
        {"$1.234,56", 1234.56}, {"($1.234,56)", -1234.56}, {"$0,00", 0},
        {"10-", -10},
    };
    for (const auto& c : cases)
        EXPECT_DOUBLE_EQ(rt::CDbl(Variant(c.text)), c.value) << c.text;
}

TEST(CDbl, RefusesTextsThatAreNotNumbers) {
    for (const char* text : {"", "   ", "abc", "12abc", "1,2,3", "1.234.5,6,7", "12.5.", "--1", ",", "R$",
                             "05/03/2016"})
        EXPECT_EQ(errorNumberOf([&] { rt::CDbl(Variant(text)); }), 13) << text;
}

TEST(CDbl, ConvertsOtherTypes) {
    EXPECT_EQ(rt::CDbl(Variant()), 0.0);
    EXPECT_EQ(rt::CDbl(Variant(true)), -1.0);
    EXPECT_EQ(rt::CDbl(day(1, 1, 2000)), 36526.0);
    EXPECT_EQ(errorNumberOf([] { rt::CDbl(Variant::null()); }), 94);
}

// ---- CLng and CInt ------------------------------------------------------------------

struct RoundCase {
    Variant value;
    int32_t expected;
};

TEST(CLng, RoundsHalfToEven) {
    const RoundCase cases[] = {
        {Variant(0.5), 0},   {Variant(1.5), 2},   {Variant(2.5), 2},    {Variant(3.5), 4},
        {Variant(-0.5), 0},  {Variant(-1.5), -2}, {Variant(-2.5), -2},  {Variant(2.4999), 2},
        {Variant(2.5001), 3}, {Variant("2,5"), 2}, {Variant("3,5"), 4}, {Variant("1.234"), 1234},
        {Variant(" 00012 "), 12}, {Variant(true), -1}, {Variant(), 0},
        {Variant(2147483647.4), 2147483647}, {Variant(-2147483648.0), std::numeric_limits<int32_t>::min()},
    };
    for (const auto& c : cases) EXPECT_EQ(rt::CLng(c.value), c.expected) << c.value;
}

TEST(CLng, RaisesOverflowAndTypeMismatch) {
    EXPECT_EQ(errorNumberOf([] { rt::CLng(Variant(2147483647.5)); }), 6);
    EXPECT_EQ(errorNumberOf([] { rt::CLng(Variant(-2147483648.6)); }), 6);
    EXPECT_EQ(errorNumberOf([] { rt::CLng(Variant(1e300)); }), 6);
    EXPECT_EQ(errorNumberOf([] { rt::CLng(Variant("")); }), 13);
    EXPECT_EQ(errorNumberOf([] { rt::CLng(Variant("12a")); }), 13);
    EXPECT_EQ(errorNumberOf([] { rt::CLng(Variant::null()); }), 94);
}

TEST(CInt, RoundsHalfToEvenWithinSixteenBits) {
    EXPECT_EQ(rt::CInt(Variant(32767.4)), 32767);
    EXPECT_EQ(rt::CInt(Variant(-32768.5)), -32768);
    EXPECT_EQ(rt::CInt(Variant(6.5)), 6);
    EXPECT_EQ(rt::CInt(Variant(7.5)), 8);
    EXPECT_EQ(errorNumberOf([] { rt::CInt(Variant(32767.5)); }), 6);
    EXPECT_EQ(errorNumberOf([] { rt::CInt(Variant(40000)); }), 6);
    EXPECT_EQ(errorNumberOf([] { rt::CInt(Variant("x")); }), 13);
}

TEST(CCur, KeepsFourDecimalsAndRefusesHugeAmounts) {
    EXPECT_EQ(rt::CCur(Variant(1.23455)).numberValue(), 1.2346);
    EXPECT_EQ(rt::CCur(Variant("10,00005")).numberValue(), 10.0);
    EXPECT_EQ(rt::CCur(Variant(1.0)).type(), Variant::Type::Currency);
    EXPECT_EQ(errorNumberOf([] { rt::CCur(Variant(1e16)); }), 6);
}

// ---- CBool and CDate --------------------------------------------------------------

TEST(CBool, ReadsNumbersAndWords) {
    EXPECT_TRUE(rt::CBool(Variant(-1)));
    EXPECT_TRUE(rt::CBool(Variant(0.1)));
    EXPECT_FALSE(rt::CBool(Variant(0)));
    EXPECT_TRUE(rt::CBool(Variant("Verdadeiro")));
    EXPECT_FALSE(rt::CBool(Variant("falso")));
    EXPECT_TRUE(rt::CBool(Variant("True")));
    EXPECT_TRUE(rt::CBool(Variant("2")));
    EXPECT_EQ(errorNumberOf([] { rt::CBool(Variant("S")); }), 13);
}

TEST(CDate, ReadsDayMonthYearTexts) {
    struct Case {
        const char* text;
        QDateTime expected;
    } const cases[] = {
        {"05/03/2016", QDateTime(QDate(2016, 3, 5), QTime(0, 0))},
        {"5/3/2016", QDateTime(QDate(2016, 3, 5), QTime(0, 0))},
        {"29/02/2016", QDateTime(QDate(2016, 2, 29), QTime(0, 0))},
        {"31/12/99", QDateTime(QDate(1999, 12, 31), QTime(0, 0))},
        {"01/01/29", QDateTime(QDate(2029, 1, 1), QTime(0, 0))},
        {"05-03-2016", QDateTime(QDate(2016, 3, 5), QTime(0, 0))},
        {"05/03/2016 14:30", QDateTime(QDate(2016, 3, 5), QTime(14, 30))},
        {" 05/03/2016 14:30:15 ", QDateTime(QDate(2016, 3, 5), QTime(14, 30, 15))},
        {"14:30", QDateTime(QDate(1899, 12, 30), QTime(14, 30))},
    };
    for (const auto& c : cases) {
        const Variant d = rt::CDate(Variant(c.text));
        EXPECT_EQ(d.type(), Variant::Type::Date) << c.text;
        EXPECT_EQ(d.dateTimeValue(), c.expected) << c.text;
    }
}

TEST(CDate, RefusesTextsThatNameNoDay) {
    for (const char* text : {"31/02/2016", "29/02/2015", "00/05/2020", "31/04/2020", "13/13/2020",
                             "__/__/____", "05/03/20_6", "", "abc", "05/03/2016 25:00"})
        EXPECT_EQ(errorNumberOf([&] { rt::CDate(Variant(text)); }), 13) << text;
}

TEST(CDate, TakesNumbersAsSerials) {
    EXPECT_EQ(rt::CDate(Variant(36526)).dateTimeValue(), QDateTime(QDate(2000, 1, 1), QTime(0, 0)));
    EXPECT_EQ(rt::CDate(Variant(42430.75)).dateTimeValue(), QDateTime(QDate(2016, 3, 1), QTime(18, 0)));
    EXPECT_EQ(errorNumberOf([] { rt::CDate(Variant(1e9)); }), 6);
}

TEST(VariantDate, SerialsRoundTrip) {
    for (const QDate& d : {QDate(1899, 12, 30), QDate(1900, 1, 1), QDate(1850, 6, 15), QDate(2016, 2, 29),
                           QDate(9999, 12, 31), QDate(100, 1, 1)}) {
        const Variant v = Variant::date(d, QTime(6, 0));
        EXPECT_EQ(v.dateTimeValue(), QDateTime(d, QTime(6, 0))) << d.toString().toStdString();
    }
    EXPECT_EQ(Variant::date(QDate(1899, 12, 29), QTime(6, 0)).numberValue(), -1.25);
}

// ---- comparisons --------------------------------------------------------------------

struct CompareCase {
    Variant a;
    Variant b;
    bool equal;
    bool unequal;
    bool less;
};

TEST(VariantCompare, FollowsTheRuntimeRules) {
    const CompareCase cases[] = {
        // Empty: unequal to a letter, equal to "" and to 0.
        {Variant(), Variant("S"), false, true, true},
        {Variant(), Variant(""), true, false, false},
        {Variant(), Variant(0), true, false, false},
        {Variant(), Variant(0.0), true, false, false},
        {Variant(), Variant(), true, false, false},
        {Variant(), Variant(3), false, true, true},
        // Null: every comparison is false.
        {Variant::null(), Variant("S"), false, false, false},
        {Variant::null(), Variant::null(), false, false, false},
        {Variant(1), Variant::null(), false, false, false},
        {Variant::null(), Variant(), false, false, false},
        // Texts compare exactly, letter case included.
        {Variant("S"), Variant("S"), true, false, false},
        {Variant("s"), Variant("S"), false, true, false},
        {Variant("S "), Variant("S"), false, true, false},
        {Variant("ABC"), Variant("ABD"), false, true, true},
        // Numbers of any type compare as numbers.
        {Variant(23), Variant(23.0), true, false, false},
        {Variant::integer(23), Variant(23), true, false, false},
        {Variant::currency(1.5), Variant(1.5), true, false, false},
        {Variant(2), Variant(10), false, true, true},
        {Variant(true), Variant(-1), true, false, false},
        // A number against a text: the text's number when it reads as one.
        {Variant(23), Variant("23"), true, false, false},
        {Variant("23"), Variant(23), true, false, false},
        {Variant(2), Variant("10"), false, true, true},
        {Variant("10"), Variant(2), false, true, false},
        {Variant(1.5), Variant("1,5"), true, false, false},
        {Variant(0), Variant("N"), false, true, true},
        {Variant("N"), Variant(0), false, true, false},
        // Dates.
        {day(1, 1, 2016), day(1, 1, 2016), true, false, false},
        {day(31, 12, 2015), day(1, 1, 2016), false, true, true},
        {day(1, 1, 2016), Variant("01/01/2016"), true, false, false},
        {day(1, 1, 2000), Variant(36526), true, false, false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.a == c.b, c.equal) << c.a << " = " << c.b;
        EXPECT_EQ(c.a != c.b, c.unequal) << c.a << " <> " << c.b;
        EXPECT_EQ(c.a < c.b, c.less) << c.a << " < " << c.b;
        if (!c.a.isNull() && !c.b.isNull()) {
            EXPECT_EQ(c.a >= c.b, !c.less) << c.a << " >= " << c.b;
            EXPECT_EQ(c.a <= c.b, c.less || c.equal) << c.a << " <= " << c.b;
            EXPECT_EQ(c.a > c.b, !c.less && !c.equal) << c.a << " > " << c.b;
        } else {
            EXPECT_FALSE(c.a <= c.b);
            EXPECT_FALSE(c.a >= c.b);
            EXPECT_FALSE(c.a > c.b);
        }
    }
}

TEST(VariantIdentical, DistinguishesTypesAndMatchesNulls) {
    EXPECT_TRUE(Variant::null().identical(Variant::null()));
    EXPECT_TRUE(Variant().identical(Variant()));
    EXPECT_FALSE(Variant().identical(Variant("")));
    EXPECT_FALSE(Variant(1).identical(Variant(1.0)));
    EXPECT_FALSE(Variant(1).identical(Variant::integer(1)));
    EXPECT_TRUE(Variant("a").identical(Variant(QStringLiteral("a"))));
}

TEST(VariantPrint, ShowsTypeAndValue) {
    std::ostringstream os;
    os << Variant(0.5) << ' ' << Variant("S") << ' ' << Variant::null() << ' ' << day(2, 1, 2020);
    EXPECT_EQ(os.str(), "Double(0,5) String(\"S\") Null Date(02/01/2020)");
}

TEST(EngineError, CarriesNumberAndPortugueseText) {
    try {
        rt::CLng(Variant("abc"));
        FAIL() << "no error";
    } catch (const EngineError& e) {
        EXPECT_EQ(e.number(), 13);
        EXPECT_EQ(e.text(), QStringLiteral("Tipos incompatíveis"));
    }
}
