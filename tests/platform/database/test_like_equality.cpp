// A LIKE whose pattern holds no wildcard is an equality in the engine's letter
// case rule: the same rows as the pattern match, and the claims index serves it.
#include "EngineFixture.h"

#include "platform/database/Connection.h"
#include "platform/database/Criteria.h"
#include "platform/database/CriteriaText.h"
#include "platform/database/SchemaSteps.h"
#include "platform/database/TextRules.h"

namespace vorna::db::testing {
namespace {

struct Claim {
    int process;
    const char* policy;  // nullptr: Null
};

const Claim Claims[] = {
    {1, "  AP-001  "}, {2, "ap-001"}, {3, "AP-0010"}, {4, nullptr},     {5, "APÓLICE 7"},
    {6, "apólice 7"},  {7, "D'AVILA"}, {8, "AP*1"},   {9, "AP?1"},      {10, "AP#1"},
    {11, "AP[1]"},     {12, ""},       {13, "   "},  {14, "AP-001 X"}, {15, "AP-1"},
    {16, "12345"},
};

class LikeEqualityTest : public EngineTest {
protected:
    void SetUp() override {
        path_ = dir_.filePath("VORNA.MDB");
        applySchemaSteps(QStringLiteral(VORNA_SOURCE_DIR) + "/schema/VORNA", path_, false);
        db_ = Database::open(path_);
        Recordset rs = db_.openRecordset("SINISTRO");
        for (const Claim& c : Claims) {
            rs.AddNew();
            rs.setField("PROCESSO", Variant(c.process));
            rs.setField("APOLICE", c.policy ? Variant(QString::fromUtf8(c.policy)) : Variant::null());
            rs.Update();
        }
    }

    std::vector<int> found(const QString& criteria) {
        Recordset rs = db_.openRecordset("SINISTRO");
        std::vector<int> processes;
        rs.FindFirst(criteria);
        while (!rs.NoMatch()) {
            processes.push_back(rs.field("PROCESSO").toLong());
            rs.FindNext(criteria);
        }
        return processes;
    }

    // What the pattern itself says of each claim, without the engine's rewrite.
    static std::vector<int> matchedByPattern(const QString& pattern) {
        const text::LikePattern p(pattern);
        std::vector<int> processes;
        for (const Claim& c : Claims)
            if (c.policy && p.matches(QString::fromUtf8(c.policy).trimmed()))
                processes.push_back(c.process);
        return processes;
    }

    QString path_;
    Database db_;
};

TEST_F(LikeEqualityTest, LiteralPatternsFindWhatThePatternMatches) {
    // Typed policy numbers, each made literal as the windows make it.
    const char* typed[] = {"AP-001", "ap-001", "AP-0010", "apólice 7", "APÓLICE 7", "D'AVILA", "AP*1",
                           "AP?1",   "AP#1",   "AP[1]",   "",          "AP-1",      "12345",  "AP-001 X",
                           "  AP-001  "};
    for (const char* t : typed) {
        const QString literal = likeLiteral(QString::fromUtf8(t));
        const QString criteria = QStringLiteral("TRIM(APOLICE) LIKE ") + quoted(literal);
        EXPECT_EQ(found(criteria), matchedByPattern(literal)) << t;
    }
    // The same with a pattern a person wrote, [x] standing for x, and negated.
    struct Case {
        const char* criteria;
        std::vector<int> processes;
    };
    const Case cases[] = {
        {"TRIM(APOLICE) LIKE 'A[P]-001'", {1, 2}},
        {"TRIM(APOLICE) LIKE 'AP[]-001'", {1, 2}},
        {"TRIM(APOLICE) LIKE 'AP[*]1'", {8}},
        {"TRIM(APOLICE) LIKE ''", {12, 13}},
        {"NOT TRIM(APOLICE) LIKE 'AP-001'", {3, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16}},
        {"TRIM(APOLICE) NOT LIKE 'AP-001'", {3, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16}},
        {"APOLICE LIKE 'ap-001'", {2}},
        // Wildcards and sets keep their meaning.
        {"TRIM(APOLICE) LIKE 'AP-001*'", {1, 2, 3, 14}},
        {"TRIM(APOLICE) LIKE 'AP?1'", {8, 9, 10, 15}},
        {"TRIM(APOLICE) LIKE 'AP[*?]1'", {8, 9}},
        {"TRIM(APOLICE) LIKE 'AP[!*]1'", {9, 10, 15}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(found(QString::fromUtf8(c.criteria)), c.processes) << c.criteria;
}

TEST_F(LikeEqualityTest, TheLastClaimOfAPolicyIsFoundFromTheEnd) {
    Recordset rs = db_.openRecordset("SINISTRO");
    rs.FindLast(QStringLiteral("TRIM(APOLICE) LIKE ") + quoted(likeLiteral("AP-001")));
    ASSERT_FALSE(rs.NoMatch());
    EXPECT_EQ(rs.field("PROCESSO").toLong(), 2);
}

// The find's own statement, as the recordset runs it, reads the index.
TEST_F(LikeEqualityTest, TheTrimmedPolicyIndexServesTheFind) {
    sqlite3* handle = nullptr;
    ASSERT_EQ(sqlite3_open_v2(path_.toUtf8().constData(), &handle, SQLITE_OPEN_READWRITE, nullptr), SQLITE_OK);
    text::registerOn(handle);
    Database::Connection c(handle, path_);
    const auto table = c.table("SINISTRO");

    const auto plan = [&](const QString& criteria) {
        const CompiledCriteria compiled = compileCriteria(criteria, *table);
        Statement s(c, "EXPLAIN QUERY PLAN SELECT rowid FROM SINISTRO WHERE rowid BETWEEN ?1 AND ?2 AND " +
                           compiled.sql + " ORDER BY rowid DESC LIMIT 1");
        s.bind(1, qint64(INT64_MIN));
        s.bind(2, qint64(INT64_MAX));
        for (size_t i = 0; i < compiled.params.size(); ++i) s.bind(int(i) + 3, compiled.params[i]);
        QString details;
        while (s.step()) details += QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(s.get(), 3)));
        return details;
    };
    EXPECT_TRUE(plan(QStringLiteral("TRIM(APOLICE) LIKE ") + quoted(likeLiteral("D'AVILA*1")))
                    .contains("SINISTRO_APOLICE_TRIMMED"));
    EXPECT_TRUE(plan(QStringLiteral("TRIM(APOLICE) = 'AP-001'")).contains("SINISTRO_APOLICE_TRIMMED"));
    // A number's own text is found by the key.
    EXPECT_TRUE(plan(QStringLiteral("PROCESSO LIKE '12'")).contains("INTEGER PRIMARY KEY"));
    // A real wildcard cannot use it.
    EXPECT_FALSE(plan(QStringLiteral("TRIM(APOLICE) LIKE 'AP*'")).contains("SINISTRO_APOLICE_TRIMMED"));
}

// A whole number matches a pattern through its text: a pattern that is exactly
// that text finds it as an equality, any other keeps the pattern's meaning.
TEST_F(LikeEqualityTest, WholeNumberPatternsFindTheNumberTheirTextIs) {
    struct Case {
        const char* criteria;
        std::vector<int> processes;
    };
    const Case cases[] = {
        {"PROCESSO LIKE '12'", {12}},
        {"PROCESSO LIKE '012'", {}},
        {"PROCESSO LIKE ' 12'", {}},
        {"PROCESSO LIKE '1[2]'", {12}},
        {"PROCESSO LIKE '1*'", {1, 10, 11, 12, 13, 14, 15, 16}},
        {"NOT PROCESSO LIKE '12'", {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 13, 14, 15, 16}},
        {"PROCESSO LIKE 12", {12}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(found(QString::fromUtf8(c.criteria)), c.processes) << c.criteria;
}

}  // namespace
}  // namespace vorna::db::testing
