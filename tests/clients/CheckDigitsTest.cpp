#include "clients/CheckDigits.h"

#include <gtest/gtest.h>

namespace vorna::clients {
namespace {

struct NumberCase {
    const char* text;   // the box's text as the check reads it
    bool accepted;
    const char* why;
};

TEST(CpfCheckDigits, AcceptsExactlyTheNumbersWhoseTypedDigitsAreComputed)
{
    const NumberCase cases[] = {
        {"52998224725", true, "valid CPF"},
        {"52998224715", false, "first check digit wrong"},
        {"52998224724", false, "second check digit wrong"},
        {"10000000108", true, "first sum leaves remainder 1: check digit 0"},
        {"10000000795", true, "first sum leaves remainder 2: check digit 9"},
        {"00000000000", true, "all zeros"},
        {"11111111111", true, "one repeated digit is not refused"},
        {"1234567890", false, "ten digits: the missing eleventh counts as 0"},
        {"", true, "an empty box is all zeros"},
        {"ABCDEFGHIJK", true, "letters count as zeros"},
        {"529.982.247-25", false, "separators count as zeros: the box must be stripped first"},
        {"52998224725999", true, "characters past the eleventh are not read"},
    };
    for (const NumberCase& c : cases)
        EXPECT_EQ(CpfCheckDigitsMatch(CpfDigitsOf(QString::fromUtf8(c.text))), c.accepted) << c.text << ": " << c.why;
}

TEST(CpfCheckDigits, SecondSumTakesTheTypedFirstDigit)
{
    EXPECT_EQ(ComputeCpfCheckDigits(CpfDigitsOf("52998224725")), (CheckDigitPair{2, 5}));
    // The typed first check digit 1 (instead of 2) changes the second sum.
    EXPECT_EQ(ComputeCpfCheckDigits(CpfDigitsOf("52998224715")), (CheckDigitPair{2, 7}));
}

TEST(CnpjCheckDigits, AcceptsExactlyTheNumbersWhoseTypedDigitsAreComputed)
{
    const NumberCase cases[] = {
        {"11222333000181", true, "valid CNPJ"},
        {"11222333000182", false, "second check digit wrong"},
        {"00000000000000", true, "all zeros"},
        {"77777777777777", false, "repeated digits pass only when they are their own check digits"},
        {"1122233300018", false, "thirteen digits: the missing fourteenth counts as 0"},
        {"11.222.333/0001-81", false, "separators count as zeros"},
        {"", true, "an empty box is all zeros"},
    };
    for (const NumberCase& c : cases)
        EXPECT_EQ(CnpjCheckDigitsMatch(CnpjDigitsOf(QString::fromUtf8(c.text))), c.accepted) << c.text << ": " << c.why;
}

TEST(CnpjCheckDigits, WrongThirteenthDigitIsRejectedWhateverTheFourteenth)
{
    for (char last = '0'; last <= '9'; ++last) {
        const QString number = QStringLiteral("1122233300019") + QChar::fromLatin1(last);
        EXPECT_FALSE(CnpjCheckDigitsMatch(CnpjDigitsOf(number))) << number.toStdString();
    }
    EXPECT_EQ(ComputeCnpjCheckDigits(CnpjDigitsOf("11222333000181")), (CheckDigitPair{8, 1}));
}

TEST(CheckDigitsOfText, DigitRuleGivesZeroForAnythingButADigit)
{
    EXPECT_EQ(CpfDigitsOf("1a3 5"), (CpfDigits{1, 0, 3, 0, 5, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(CnpjDigitsOf(QStringLiteral("9é-8")), (CnpjDigits{9, 0, 0, 8, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
}

}  // namespace
}  // namespace vorna::clients
