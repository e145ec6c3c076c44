#pragma once
#include <QString>
#include <array>
#include <cstdint>

namespace vorna::clients {

// The digits of a CPF or CNPJ in reading order (element 0 is the first
// position); the last two elements are the check digits as typed.
using CpfDigits = std::array<int16_t, 11>;
using CnpjDigits = std::array<int16_t, 14>;

// The two check digits computed from a number's digits.
struct CheckDigitPair {
    int16_t first = 0;
    int16_t second = 0;
    friend bool operator==(const CheckDigitPair&, const CheckDigitPair&) = default;
};

// The digits at the first positions of a box's text: a character "0" to "9"
// gives its value, any other character and any position past the end give 0.
CpfDigits CpfDigitsOf(const QString& text);
CnpjDigits CnpjDigitsOf(const QString& text);

// Modulo-11 check digits. The second sum takes the first check digit as typed
// (position 10 of a CPF, 13 of a CNPJ), not the computed one; since a number
// passes only when both agree, this accepts exactly what the published rules
// accept.
CheckDigitPair ComputeCpfCheckDigits(const CpfDigits& digits);
CheckDigitPair ComputeCnpjCheckDigits(const CnpjDigits& digits);

// Whether the typed check digits equal the computed ones. One repeated digit
// (all zeros included) passes: no list of such numbers is refused.
bool CpfCheckDigitsMatch(const CpfDigits& digits);
bool CnpjCheckDigitsMatch(const CnpjDigits& digits);

}  // namespace vorna::clients
