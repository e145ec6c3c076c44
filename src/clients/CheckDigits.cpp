#include "clients/CheckDigits.h"

#include <cstddef>

namespace vorna::clients {

namespace {

template <size_t N>
std::array<int16_t, N> digitsOf(const QString& text)
{
    std::array<int16_t, N> digits{};
    for (size_t i = 0; i < N && i < size_t(text.size()); ++i) {
        const QChar c = text.at(qsizetype(i));
        if (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
            digits[i] = int16_t(c.unicode() - '0');
    }
    return digits;
}

// Remainder below 2 gives 0, any other remainder r gives 11 - r.
int16_t checkDigitOf(int sum)
{
    const int remainder = sum % 11;
    return int16_t(remainder < 2 ? 0 : 11 - remainder);
}

template <size_t N, size_t W>
int weightedSum(const std::array<int16_t, N>& digits, const std::array<int, W>& weights)
{
    static_assert(W <= N);
    int sum = 0;
    for (size_t i = 0; i < W; ++i)
        sum += digits[i] * weights[i];
    return sum;
}

}  // namespace

CpfDigits CpfDigitsOf(const QString& text) { return digitsOf<11>(text); }
CnpjDigits CnpjDigitsOf(const QString& text) { return digitsOf<14>(text); }

CheckDigitPair ComputeCpfCheckDigits(const CpfDigits& digits)
{
    static constexpr std::array<int, 9> first{10, 9, 8, 7, 6, 5, 4, 3, 2};
    static constexpr std::array<int, 10> second{11, 10, 9, 8, 7, 6, 5, 4, 3, 2};
    return {checkDigitOf(weightedSum(digits, first)), checkDigitOf(weightedSum(digits, second))};
}

CheckDigitPair ComputeCnpjCheckDigits(const CnpjDigits& digits)
{
    static constexpr std::array<int, 12> first{5, 4, 3, 2, 9, 8, 7, 6, 5, 4, 3, 2};
    static constexpr std::array<int, 13> second{6, 5, 4, 3, 2, 9, 8, 7, 6, 5, 4, 3, 2};
    return {checkDigitOf(weightedSum(digits, first)), checkDigitOf(weightedSum(digits, second))};
}

bool CpfCheckDigitsMatch(const CpfDigits& digits)
{
    return ComputeCpfCheckDigits(digits) == CheckDigitPair{digits[9], digits[10]};
}

bool CnpjCheckDigitsMatch(const CnpjDigits& digits)
{
    return ComputeCnpjCheckDigits(digits) == CheckDigitPair{digits[12], digits[13]};
}

}  // namespace vorna::clients
