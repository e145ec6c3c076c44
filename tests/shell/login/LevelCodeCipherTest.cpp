#include "common/LevelCodeCipher.h"

#include <gtest/gtest.h>
#include <set>

namespace vorna::test {
namespace {

using namespace LevelCodeCipher;

TEST(LevelCodeCipher, StoredCodePutBackInTypedOrderEqualsTheTypedCodeEncoded)
{
    for (const char* code : {"MASTER", "MEDIAS", "MINIMA", "ABCDEF", "ZZZZZA", "QWERTY"}) {
        const QString stored = StoredForm(code);
        EXPECT_EQ(stored.size(), 6) << code;
        EXPECT_NE(stored, EncodeTyped(code)) << "stored in another order than typed: " << code;
        EXPECT_EQ(TypedOrder(stored), EncodeTyped(code)) << code;
    }
}

TEST(LevelCodeCipher, SubstitutesEveryCapitalLetterAndNothingElse)
{
    std::set<char16_t> partners;
    for (char16_t c = u'A'; c <= u'Z'; ++c) {
        const QChar p = EncodeLetter(QChar(c));
        EXPECT_TRUE(p >= QChar(u'A') && p <= QChar(u'Z'));
        partners.insert(p.unicode());
    }
    EXPECT_EQ(partners.size(), 26u) << "one-to-one";
    for (QChar c : QStringLiteral("az09 ç-Á"))
        EXPECT_EQ(EncodeLetter(c), c);
    // Only the first six characters count; a shorter text stays shorter.
    EXPECT_EQ(EncodeTyped("MASTERX"), EncodeTyped("MASTER"));
    EXPECT_EQ(EncodeTyped("mas").size(), 3);
    EXPECT_EQ(EncodeTyped("mas"), "mas");
}

TEST(LevelCodeCipher, DifferentCodesAreStoredDifferently)
{
    std::set<QString> stored;
    for (const char* code : {"MASTER", "MATSER", "RETSAM", "MASTEX", "AMSTER"})
        stored.insert(StoredForm(code));
    EXPECT_EQ(stored.size(), 5u);
}

}  // namespace
}  // namespace vorna::test
