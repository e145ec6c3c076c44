#include "common/LevelCodeCipher.h"

#include <array>

namespace vorna::LevelCodeCipher {

namespace {

// The partner of 'A' + i is Partners[i]; every letter appears once.
constexpr char Partners[] = "QDMXHCTRZBWOVKGSYEJNLUFIAP";

// Stored character k (1-based) is typed character StoredFromTyped[k - 1].
constexpr std::array<int, CodeLength> StoredFromTyped = {4, 1, 6, 3, 5, 2};

constexpr bool isPermutationOfAlphabet()
{
    bool seen[26] = {};
    for (int i = 0; i < 26; ++i) {
        const char c = Partners[i];
        if (c < 'A' || c > 'Z' || seen[c - 'A'])
            return false;
        seen[c - 'A'] = true;
    }
    return Partners[26] == '\0';
}
static_assert(isPermutationOfAlphabet(), "the letter substitution must be one-to-one");

constexpr bool isRearrangement()
{
    bool seen[CodeLength] = {};
    bool moved = false;
    for (int k = 0; k < CodeLength; ++k) {
        const int from = StoredFromTyped[size_t(k)];
        if (from < 1 || from > CodeLength || seen[from - 1])
            return false;
        seen[from - 1] = true;
        moved = moved || from != k + 1;
    }
    return moved;
}
static_assert(isRearrangement(), "the stored order must rearrange the six positions");

// Six one-character holders filled from the first six characters of a text.
using Holders = std::array<QString, CodeLength>;

Holders holdersOf(const QString& text)
{
    Holders h;
    for (int k = 0; k < CodeLength && k < text.size(); ++k)
        h[size_t(k)] = text.at(k);
    return h;
}

}  // namespace

QChar EncodeLetter(QChar ch)
{
    const char16_t u = ch.unicode();
    if (u >= u'A' && u <= u'Z')
        return QChar(char16_t(Partners[u - u'A']));
    return ch;
}

QString EncodeTyped(const QString& typed)
{
    Holders h = holdersOf(typed);
    QString out;
    for (QString& one : h) {
        if (!one.isEmpty())
            one[0] = EncodeLetter(one.at(0));
        out += one;
    }
    return out;
}

QString StoredForm(const QString& typed)
{
    Holders h = holdersOf(typed);
    for (QString& one : h) {
        if (!one.isEmpty())
            one[0] = EncodeLetter(one.at(0));
    }
    QString out;
    for (int k = 0; k < CodeLength; ++k)
        out += h[size_t(StoredFromTyped[size_t(k)] - 1)];
    return out;
}

QString TypedOrder(const QString& stored)
{
    const Holders h = holdersOf(stored);
    Holders typed;
    for (int k = 0; k < CodeLength; ++k)
        typed[size_t(StoredFromTyped[size_t(k)] - 1)] = h[size_t(k)];
    QString out;
    for (const QString& one : typed)
        out += one;
    return out;
}

}  // namespace vorna::LevelCodeCipher
