#include "platform/runtime/Runtime.h"
#include "ErrorNumber.h"

#include <gtest/gtest.h>

using vorna::Variant;
namespace rt = vorna::rt;

TEST(Val, ReadsTheLeadingNumberWithAPoint) {
    struct Case {
        Variant text;
        double expected;
    } const cases[] = {
        {Variant("12,5"), 12},     {Variant("12.5"), 12.5},  {Variant("  42abc"), 42},
        {Variant("1 2 3"), 123},   {Variant("abc"), 0},      {Variant(""), 0},
        {Variant("-3.25x"), -3.25}, {Variant("05"), 5},      {Variant("0_"), 0},
        {Variant("__"), 0},        {Variant("1e3"), 1000},   {Variant("2016"), 2016},
        {Variant("1.2.3"), 1.2},   {Variant(".5"), 0.5},     {Variant(5.5), 5},   // CStr gives "5,5"
        {Variant(), 0},            {Variant("5."), 5},       {Variant("-.5"), -0.5},
        {Variant("+7"), 7},        {Variant("-"), 0},        {Variant("2e"), 2},
    };
    for (const auto& c : cases) EXPECT_DOUBLE_EQ(rt::Val(c.text), c.expected) << c.text;
    EXPECT_EQ(errorNumberOf([] { rt::Val(Variant::null()); }), 94);
}

TEST(Str, LeadingBlankForPositivesAndAPoint) {
    EXPECT_EQ(rt::Str(Variant(12)), QStringLiteral(" 12"));
    EXPECT_EQ(rt::Str(Variant(0)), QStringLiteral(" 0"));
    EXPECT_EQ(rt::Str(Variant(-3.5)), QStringLiteral("-3.5"));
    EXPECT_EQ(rt::Str(Variant(2.25)), QStringLiteral(" 2.25"));
    EXPECT_EQ(rt::Str(Variant("1,5")), QStringLiteral(" 1.5"));
}

TEST(IsNumericAndIsDate, InspectValuesAndTexts) {
    EXPECT_TRUE(rt::IsNumeric(Variant("1.234,5")));
    EXPECT_TRUE(rt::IsNumeric(Variant(3)));
    EXPECT_TRUE(rt::IsNumeric(Variant()));
    EXPECT_FALSE(rt::IsNumeric(Variant("")));
    EXPECT_FALSE(rt::IsNumeric(Variant("12a")));
    EXPECT_FALSE(rt::IsNumeric(Variant::null()));
    EXPECT_FALSE(rt::IsNumeric(Variant::date(1.0)));

    EXPECT_TRUE(rt::IsDate(Variant("29/02/2016")));
    EXPECT_FALSE(rt::IsDate(Variant("29/02/2015")));
    EXPECT_FALSE(rt::IsDate(Variant("__/__/____")));
    EXPECT_FALSE(rt::IsDate(Variant(42430)));
    EXPECT_TRUE(rt::IsDate(Variant::date(42430.0)));
    EXPECT_FALSE(rt::IsDate(Variant::null()));

    EXPECT_TRUE(rt::IsNull(Variant::null()));
    EXPECT_FALSE(rt::IsNull(Variant()));
    EXPECT_TRUE(rt::IsEmpty(Variant()));
    EXPECT_FALSE(rt::IsEmpty(Variant("")));
}

TEST(NumberFunctions, IntFixRound) {
    EXPECT_EQ(rt::Int(-2.5), -3);
    EXPECT_EQ(rt::Fix(-2.5), -2);
    EXPECT_EQ(rt::Int(2.9), 2);
    EXPECT_EQ(rt::Round(2.5), 2);
    EXPECT_EQ(rt::Round(3.5), 4);
    EXPECT_DOUBLE_EQ(rt::Round(2.675, 2), 2.68);
    EXPECT_DOUBLE_EQ(rt::Round(0.125, 2), 0.12);
    EXPECT_DOUBLE_EQ(rt::Round(37.0368, 2), 37.04);
    EXPECT_EQ(rt::Sgn(-0.1), -1);
    EXPECT_EQ(rt::Abs(-4.5), 4.5);
}

TEST(StringFunctions, TrimAndSlice) {
    EXPECT_EQ(rt::Trim(QStringLiteral("  a b  ")), QStringLiteral("a b"));
    EXPECT_EQ(rt::Trim(QStringLiteral("\ta\t")), QStringLiteral("\ta\t"));   // blanks only
    EXPECT_EQ(rt::LTrim(QStringLiteral("  a ")), QStringLiteral("a "));
    EXPECT_EQ(rt::RTrim(QStringLiteral("  a ")), QStringLiteral("  a"));
    EXPECT_EQ(rt::Left(QStringLiteral("abcdef"), 3), QStringLiteral("abc"));
    EXPECT_EQ(rt::Left(QStringLiteral("ab"), 5), QStringLiteral("ab"));
    EXPECT_EQ(rt::Right(QStringLiteral("abcdef"), 2), QStringLiteral("ef"));
    EXPECT_EQ(rt::Mid(QStringLiteral("05/03/2016"), 4, 2), QStringLiteral("03"));
    EXPECT_EQ(rt::Mid(QStringLiteral("05/03/2016"), 7), QStringLiteral("2016"));
    EXPECT_EQ(rt::Mid(QStringLiteral("abc"), 5, 2), QString());
    EXPECT_EQ(rt::Mid(QStringLiteral("abc"), 3, 10), QStringLiteral("c"));
    EXPECT_EQ(rt::Len(QStringLiteral("ação")), 4);
    EXPECT_EQ(rt::UCase(QStringLiteral("ação")), QStringLiteral("AÇÃO"));
    EXPECT_EQ(rt::LCase(QStringLiteral("AÇÃO")), QStringLiteral("ação"));
    EXPECT_EQ(errorNumberOf([] { rt::Mid(QStringLiteral("abc"), 0, 1); }), 5);
    EXPECT_EQ(errorNumberOf([] { rt::Left(QStringLiteral("abc"), -1); }), 5);
}

TEST(StringFunctions, InStrIsOneBasedAndExact) {
    EXPECT_EQ(rt::InStr(QStringLiteral("abcabc"), QStringLiteral("c")), 3);
    EXPECT_EQ(rt::InStr(4, QStringLiteral("abcabc"), QStringLiteral("c")), 6);
    EXPECT_EQ(rt::InStr(QStringLiteral("abc"), QStringLiteral("C")), 0);
    EXPECT_EQ(rt::InStr(1, QStringLiteral("abc"), QStringLiteral("C"), true), 3);
    EXPECT_EQ(rt::InStr(QStringLiteral("abc"), QStringLiteral("x")), 0);
    EXPECT_EQ(rt::InStr(QStringLiteral("abc"), QString()), 1);
    EXPECT_EQ(rt::InStr(2, QStringLiteral("abc"), QString()), 2);
    EXPECT_EQ(rt::InStr(9, QStringLiteral("abc"), QStringLiteral("a")), 0);
    EXPECT_EQ(rt::InStr(QString(), QStringLiteral("a")), 0);
    EXPECT_EQ(rt::InStrRev(QStringLiteral("a\\b\\c"), QStringLiteral("\\")), 4);
    EXPECT_EQ(errorNumberOf([] { rt::InStr(0, QStringLiteral("abc"), QStringLiteral("a")); }), 5);
}

TEST(StringFunctions, BuildAndReplace) {
    EXPECT_EQ(rt::Replace(QStringLiteral("a b c"), QStringLiteral(" "), QStringLiteral("%20")),
              QStringLiteral("a%20b%20c"));
    EXPECT_EQ(rt::Replace(QStringLiteral("aA"), QStringLiteral("a"), QStringLiteral("x")), QStringLiteral("xA"));
    EXPECT_EQ(rt::Space(3), QStringLiteral("   "));
    EXPECT_EQ(rt::String(4, u'_'), QStringLiteral("____"));
    EXPECT_EQ(rt::String(2, QStringLiteral("xyz")), QStringLiteral("xx"));
    EXPECT_EQ(rt::Chr(65), QStringLiteral("A"));
    EXPECT_EQ(rt::Chr(13) + rt::Chr(10), QStringLiteral("\r\n"));
    EXPECT_EQ(rt::Chr(199), QStringLiteral("Ç"));
    EXPECT_EQ(rt::Chr(128), QStringLiteral("€"));
    EXPECT_EQ(rt::Asc(QStringLiteral("Ç")), 199);
    EXPECT_EQ(rt::Asc(QStringLiteral("€uro")), 128);
    EXPECT_EQ(rt::Asc(QStringLiteral("A")), 65);
    EXPECT_EQ(rt::StrReverse(QStringLiteral("abc")), QStringLiteral("cba"));
    EXPECT_EQ(errorNumberOf([] { rt::Asc(QString()); }), 5);
    EXPECT_EQ(errorNumberOf([] { rt::Chr(256); }), 5);
    EXPECT_EQ(errorNumberOf([] { rt::Space(-1); }), 5);
}

TEST(Beep, GoesToTheInstalledHandler) {
    int beeps = 0;
    rt::Beep();   // no handler: nothing happens
    rt::setBeepHandler([&] { ++beeps; });
    rt::Beep();
    rt::Beep();
    rt::setBeepHandler(nullptr);
    rt::Beep();
    EXPECT_EQ(beeps, 2);
}
