// Typed text put into criteria through the builder finds only what was typed.
#include "EngineFixture.h"

#include "platform/database/CriteriaText.h"

namespace vorna::db::testing {
namespace {

const char* const NamesSql = R"(
CREATE TABLE PESSOAS (CODIGO INTEGER PRIMARY KEY, NOME TEXT(50));
INSERT INTO PESSOAS VALUES (1, 'PEDRO D''AVILA'), (2, 'PEDRO DAVILA'), (3, 'LOJA * CENTRAL'),
  (4, 'LOJA X CENTRAL'), (5, 'ITEM #1'), (6, 'ITEM 21'), (7, 'QUEM?'), (8, 'QUEMA'),
  (9, 'CASA [A]'), (10, 'CASA A'), (11, 'A'' OR ''1''=''1'), (12, 'SILVA'), (13, 'SILVIA'), (14, 'SIL?'),
  (15, 'JOÃO 😀');
)";

class CriteriaTextTest : public EngineTest {
protected:
    void SetUp() override { db_ = Database::open(makeFile("names.mdb", NamesSql)); }
    std::vector<int> found(const QString& criteria) {
        Recordset rs = db_.openRecordset("PESSOAS");
        std::vector<int> codes;
        for (rs.FindFirst(criteria); !rs.NoMatch(); rs.FindNext(criteria))
            codes.push_back(rs.field("CODIGO").toLong());
        return codes;
    }
    Database db_;
};

TEST_F(CriteriaTextTest, TypedTextMatchesOnlyItself)
{
    const struct {
        const char* typed;
        std::vector<int> contains;
        std::vector<int> equals;
    } cases[] = {
        {"D'AVILA", {1}, {}},
        {"PEDRO D'AVILA", {1}, {1}},
        {"*", {3}, {}},
        {"QUEM?", {7}, {7}},
        {"#1", {5}, {}},
        {"[A]", {9}, {}},
        {"[", {9}, {}},
        {"' OR '1'='1", {11}, {}},
        {"a' or '1'='1", {11}, {11}},
    };
    for (const auto& c : cases) {
        const QString typed = QString::fromUtf8(c.typed);
        EXPECT_EQ(found(containsCriteria(QStringLiteral("NOME"), typed)), c.contains) << c.typed;
        EXPECT_EQ(found(equalsCriteria(QStringLiteral("NOME"), typed)), c.equals) << c.typed;
    }
}

// Text pasted from elsewhere may hold half of a UTF-16 pair; it must not turn
// into a wildcard on its way to UTF-8.
TEST_F(CriteriaTextTest, ALoneSurrogateMatchesOnlyItself)
{
    const QChar high(0xD800), low(0xDC00);
    const struct {
        QString typed;
        std::vector<int> contains;
        std::vector<int> equals;
    } cases[] = {
        {QString(high), {}, {}},
        {QString(low), {}, {}},
        {QStringLiteral("SIL") + low + u'A', {}, {}},
        {QStringLiteral("SIL") + high, {}, {}},
        {QString(low) + high, {}, {}},
        {QStringLiteral("JOÃO ") + high, {}, {}},
        {QStringLiteral("😀"), {15}, {}},   // a whole pair stays what it is
        {QStringLiteral("JOÃO 😀"), {15}, {15}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(found(containsCriteria(QStringLiteral("NOME"), c.typed)), c.contains) << c.typed.toStdString();
        EXPECT_EQ(found(equalsCriteria(QStringLiteral("NOME"), c.typed)), c.equals) << c.typed.toStdString();
    }
    EXPECT_EQ(likeLiteral(QStringLiteral("A") + high), QStringLiteral("A\uFFFD"));
}

TEST(CriteriaTextBuilder, QuotesAndEscapes)
{
    EXPECT_EQ(quoted(QStringLiteral("O'BRIEN")), QStringLiteral("'O''BRIEN'"));
    EXPECT_EQ(quoted(QString()), QStringLiteral("''"));
    EXPECT_EQ(likeLiteral(QStringLiteral("a*b?c#d[e]")), QStringLiteral("a[*]b[?]c[#]d[[]e]"));
}

TEST(CriteriaTextBuilder, WholeNumberAcceptsDigitsOnly)
{
    const struct {
        const char* typed;
        const char* number;  // nullptr: refused
    } cases[] = {
        {"123", "123"}, {"  42 ", "42"}, {"007", "007"}, {"", nullptr}, {"   ", nullptr},
        {"12a", nullptr}, {"-5", nullptr}, {"1,5", nullptr}, {"1.5", nullptr}, {"1 2", nullptr},
        {"1 OR 1=1", nullptr}, {"\t7", nullptr}, {"١٢", nullptr},
    };
    for (const auto& c : cases) {
        const auto number = wholeNumber(QString::fromUtf8(c.typed));
        if (c.number)
            EXPECT_EQ(number, std::optional<QString>(QString::fromUtf8(c.number))) << c.typed;
        else
            EXPECT_FALSE(number.has_value()) << c.typed;
    }
}

}  // namespace
}  // namespace vorna::db::testing
