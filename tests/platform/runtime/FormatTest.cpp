#include "platform/runtime/Runtime.h"
#include "ErrorNumber.h"

#include <gtest/gtest.h>

#include <limits>

using vorna::Variant;
namespace rt = vorna::rt;

namespace {

struct FormatCase {
    Variant value;
    const char* format;
    const char* expected;
};

void expectAll(std::initializer_list<FormatCase> cases) {
    for (const auto& c : cases)
        EXPECT_EQ(rt::Format(c.value, QString::fromUtf8(c.format)), QString::fromUtf8(c.expected))
            << c.value << " through \"" << c.format << '"';
}

}  // namespace

TEST(FormatNumber, RatesThroughThreeHashesPointZeroZero) {
    expectAll({
        {Variant(0.0), "###.00", ",00"},
        {Variant(0.5), "###.00", ",50"},
        {Variant(2.38), "###.00", "2,38"},
        {Variant(7.385), "###.00", "7,39"},
        {Variant(1.005), "###.00", "1,01"},
        {Variant(12.3456), "###.00", "12,35"},
        {Variant(100.0), "###.00", "100,00"},
        {Variant(12345.678), "###.00", "12345,68"},
        {Variant(-3.5), "###.00", "-3,50"},
        {Variant(0.004), "###.00", ",00"},
        {Variant(-0.004), "###.00", ",00"},
        {Variant(0.995), "###.00", "1,00"},
        {Variant("2,5"), "###.00", "2,50"},
        {Variant(99.999), "###.00", "100,00"},
    });
}

TEST(FormatNumber, AmountsThroughTheCurrencyPattern) {
    const char* f = "$#,##0.00;($#,##0.00)";
    expectAll({
        {Variant(0.0), f, "$0,00"},
        {Variant(1234.5), f, "$1.234,50"},
        {Variant(1234567.891), f, "$1.234.567,89"},
        {Variant(999.999), f, "$1.000,00"},
        {Variant(0.5), f, "$0,50"},
        {Variant(-1234.5), f, "($1.234,50)"},
        {Variant(-0.001), f, "$0,00"},
        {Variant(37.0368), f, "$37,04"},
        {Variant(100.0), f, "$100,00"},
        {Variant("1234,5"), f, "$1.234,50"},
        {Variant("-10"), f, "($10,00)"},
        {Variant::currency(12.5), f, "$12,50"},
        {Variant(123456789012.0), f, "$123.456.789.012,00"},
        // Box texts as the document window writes them: plain digits, 15 significant,
        // the 1E-08 it puts into an empty percentage, and a shown amount read back.
        {Variant("3,33333333333333"), f, "$3,33"},
        {Variant("1E-08"), f, "$0,00"},
        {Variant("($1.234,56)"), f, "($1.234,56)"},
        {Variant(0.075), "$#.##", "$,08"},
    });
}

TEST(FormatNumber, GroupedWithoutLeadingZero) {
    const char* f = "###,###.00";
    expectAll({
        {Variant(0.0), f, ",00"},
        {Variant(0.5), f, ",50"},
        {Variant(12.0), f, "12,00"},
        {Variant(1234.567), f, "1.234,57"},
        {Variant(1234567.0), f, "1.234.567,00"},
        {Variant(123456.0), f, "123.456,00"},
        {Variant(-1234.5), f, "-1.234,50"},
    });
}

TEST(FormatNumber, DigitPlaceholders) {
    expectAll({
        {Variant(12), "00000", "00012"},
        {Variant(123456), "00000", "123456"},
        {Variant(7), "00", "07"},
        {Variant(12), "00", "12"},
        {Variant(0), "00", "00"},
        {Variant(2.5), "0", "3"},
        {Variant(3.5), "0", "4"},
        {Variant(-2.5), "0", "-3"},
        {Variant(0), "0", "0"},
        {Variant(0), "#", ""},
        {Variant(42), "#", "42"},
        {Variant(4.4), "#", "4"},
        {Variant(1.5), "0.0#", "1,5"},
        {Variant(1.567), "0.0#", "1,57"},
        {Variant(12345678), "00000-000", "12345-678"},
        {Variant(1345678), "00000-000", "01345-678"},
        {Variant(0.256), "0.0%", "25,6%"},
        {Variant(1234567), "#,##0,", "1.235"},
        {Variant(5), "\"Nº \"0", "Nº 5"},
        {Variant(5), "0;(0);\"zero\"", "5"},
        {Variant(0), "0;(0);\"zero\"", "zero"},
        {Variant(-5), "0;(0);\"zero\"", "(5)"},
    });
}

TEST(FormatNumber, TextsThatAreNotNumbersComeBackUnchanged) {
    expectAll({
        {Variant("abc"), "###.00", "abc"},
        {Variant(""), "###.00", ""},
        {Variant(), "###.00", ""},
        {Variant::null(), "$#,##0.00;($#,##0.00)", ""},
    });
}

TEST(FormatDate, DayMonthYearInEitherCase) {
    const Variant d = Variant::date(QDate(2016, 3, 5), QTime(9, 7, 3));
    expectAll({
        {d, "dd/mm/yyyy", "05/03/2016"},
        {d, "DD/MM/YYYY", "05/03/2016"},
        {d, "d/m/yy", "5/3/16"},
        {d, "hh:nn", "09:07"},
        {d, "hh:mm", "09:07"},
        {d, "HH:MM:SS", "09:07:03"},
        {d, "hh:mm:ss", "09:07:03"},
        {d, "h:n:s", "9:7:3"},
        {d, "dd/mm/yyyy hh:nn", "05/03/2016 09:07"},
        {d, "mmm", "mar"},
        {d, "mmmm", "março"},
        {d, "dddd", "sábado"},
        {d, "ddd", "sáb"},
        {d, "w", "7"},
        {d, "q", "1"},
        {d, "y", "65"},
        {d, "hh:nn AM/PM", "09:07 AM"},
        {d, "yyyy\"-\"mm", "2016-03"},
        {Variant::date(QDate(2016, 3, 5), QTime(21, 0)), "h AM/PM", "9 PM"},
        {Variant("31/12/2015"), "DD/MM/YYYY", "31/12/2015"},
        {Variant("31/12/2015 23:59"), "hh:nn", "23:59"},
        {Variant(42430), "dd/mm/yyyy", "01/03/2016"},
        {Variant("sem data"), "dd/mm/yyyy", "sem data"},
        {Variant(""), "dd/mm/yyyy", ""},
    });
}

TEST(FormatNamed, RegionalNamedFormats) {
    const Variant d = Variant::date(QDate(2016, 3, 5), QTime(14, 30, 15));
    expectAll({
        {d, "Short Date", "05/03/2016"},
        {d, "Long Date", "sábado, 5 de março de 2016"},
        {Variant::date(QDate(2016, 3, 1)), "Long Date", "terça-feira, 1 de março de 2016"},
        {d, "Short Time", "14:30"},
        {d, "Long Time", "14:30:15"},
        {d, "General Date", "05/03/2016 14:30:15"},
        {Variant(1234.5), "Standard", "1.234,50"},
        {Variant(1234.5), "Fixed", "1234,50"},
        {Variant(0.125), "Percent", "12,50%"},
        {Variant(1234.5), "Currency", "R$ 1.234,50"},
        {Variant(-1234.5), "Currency", "-R$ 1.234,50"},
        {Variant(0.38), "General Number", "0,38"},
    });
}

// A number outside 01/01/0100 .. 31/12/9999 names no day: every date format,
// named or written out, raises 6 rather than inventing a year or a month.
TEST(FormatDate, NumbersOutsideTheCalendarRaiseOverflow) {
    const char* formats[] = {"Long Date", "Medium Date", "Short Date", "General Date",
                             "Long Time", "Medium Time", "Short Time", "dd/mm/yyyy",
                             "dddd, d \"de\" mmmm \"de\" yyyy", "hh:nn"};
    const double numbers[] = {3000000, 2958466, -657435, 1e300, -1e300,
                              std::numeric_limits<double>::infinity(),
                              std::numeric_limits<double>::quiet_NaN()};
    for (const char* format : formats)
        for (double x : numbers)
            EXPECT_EQ(errorNumberOf([&] { rt::Format(Variant(x), QString::fromUtf8(format)); }), 6)
                << x << " through \"" << format << '"';
    // The last and the first day still show.
    expectAll({
        {Variant(2958465), "Long Date", "sexta-feira, 31 de dezembro de 9999"},
        {Variant(2958465.99999), "Short Date", "31/12/9999"},
        {Variant(-657434), "Short Date", "01/01/0100"},
        {Variant(-657434), "Medium Date", "01-jan-00"},
    });
}

TEST(FormatEmpty, GivesTheValuesText) {
    expectAll({
        {Variant(10.5), "", "10,5"},
        {Variant::date(QDate(2016, 3, 5)), "", "05/03/2016"},
        {Variant("x"), "", "x"},
    });
}
