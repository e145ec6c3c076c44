// The parser's limits: whatever it accepts SQLite runs, whatever it refuses it
// refuses at once, and a formula written back reads again the same.
#include "ReportFixture.h"

#include "platform/report/Formula.h"
#include "platform/report/ReportEngine.h"

#include <functional>

using namespace vorna;
using namespace vorna::report;

namespace {

class FormulaAtItsLimits : public test::ReportFixture {
protected:
    void SetUp() override
    {
        ReportFixture::SetUp();
        createSelectionTables();
    }
    QStringList keys(const QString& table, const QString& key, const QString& selection)
    {
        try {
            return selectedKeys(table, key, selection);
        } catch (const ReportFailure& f) {
            ADD_FAILURE() << f.message().toStdString();
            return {};
        }
    }
};

bool accepted(const QString& formula)
{
    try {
        parseFormula(formula);
        return true;
    } catch (const FormulaError&) {
        return false;
    }
}

QString repeated(const QString& text, int times) { return text.repeated(times); }

// A formula of each shape nested k times; each keeps the same rows whatever k is.
struct Shape {
    const char* name;
    const char* table;
    const char* key;
    std::function<QString(int)> make;
    QStringList expected;
};

const QString Twelve = QStringLiteral("{CIAS.CODIGO} = 12");

QString wrapped(int k, const QString& before, const QString& inner, const QString& after)
{
    return repeated(before, k) + inner + repeated(after, k);
}

const Shape Shapes[] = {
    {"NotPairs", "CIAS", "CODIGO", [](int k) { return repeated(QStringLiteral("not "), 2 * k) + Twelve; }, {"12"}},
    {"Minuses", "CIAS", "CODIGO", [](int k) { return repeated(QStringLiteral("- "), 2 * k) + Twelve; }, {"12"}},
    {"AlternatingGroups", "CIAS", "CODIGO",
     [](int k) {
         return wrapped(k, QStringLiteral("({CIAS.CODIGO} > 0 and ("), Twelve,
                        QStringLiteral(" or {CIAS.CODIGO} = -1))"));
     },
     {"12"}},
    {"NotOfGroups", "CIAS", "CODIGO",
     [](int k) { return wrapped(k, QStringLiteral("not (not "), Twelve, QStringLiteral(" or {CIAS.CODIGO} < 0)")); },
     {"12"}},
    {"IsNullOfIsNull", "CIAS", "CODIGO",
     [](int k) {
         return QStringLiteral("not ") + wrapped(k, QStringLiteral("IsNull("), QStringLiteral("{CIAS.CODIGO}"), QStringLiteral(")"))
                + QStringLiteral(" and ") + Twelve;
     },
     {"12"}},
    {"DatesOfYears", "DOCUMENTOS", "PROPOSTA",
     [](int k) {
         return wrapped(k, QStringLiteral("Date(year("), QStringLiteral("{DOCUMENTOS.VIGENCIAINICIAL}"),
                        QStringLiteral("), 12, 5)"))
                + QStringLiteral(" = Date(2015, 12, 5) and {DOCUMENTOS.PROPOSTA} = 100");
     },
     {"100"}},
    {"OrTerms", "CIAS", "CODIGO", [](int k) { return repeated(QStringLiteral("{CIAS.CODIGO} = -1 or "), k) + Twelve; },
     {"12"}},
    {"AndTerms", "CIAS", "CODIGO", [](int k) { return repeated(QStringLiteral("{CIAS.CODIGO} > 0 and "), k) + Twelve; },
     {"12"}},
    {"DeepGroupsAmongManyTerms", "CIAS", "CODIGO",
     [](int k) {
         const QString deep = wrapped(k, QStringLiteral("({CIAS.CODIGO} > 0 and ("), Twelve,
                                      QStringLiteral(" or {CIAS.CODIGO} = -1))"));
         return deep + repeated(QStringLiteral(" or {CIAS.CODIGO} = -1"), std::max(0, 500 - 2 * k));
     },
     {"12"}},
};

TEST_F(FormulaAtItsLimits, EveryFormulaTheParserAcceptsAtItsLimitsRunsOnAReport)
{
    for (const Shape& shape : Shapes) {
        SCOPED_TRACE(shape.name);
        // The largest k accepted: the shapes grow with k, so the answer is one boundary.
        int most = 0, refused = 600;
        ASSERT_FALSE(accepted(shape.make(refused))) << "no limit met";
        while (refused - most > 1) {
            const int k = (most + refused) / 2;
            (accepted(shape.make(k)) ? most : refused) = k;
        }
        ASSERT_GE(most, 5) << "the limit stops formulas of a reasonable size";
        EXPECT_EQ(keys(QString::fromLatin1(shape.table), QString::fromLatin1(shape.key), shape.make(most)),
                  shape.expected);
    }
}

TEST(FormulaText, WritesAParsedFormulaSoThatItReadsAgainTheSame)
{
    const QString chain = repeated(QStringLiteral("{CIAS.CODIGO} = 1 or "), 60) + Twelve;
    const QString formulas[] = {
        chain,
        repeated(QStringLiteral("{CIAS.CODIGO} > 0 and "), 60) + Twelve,
        QStringLiteral("{A.B} = 1 or {A.B} = 2 and {A.C} = 'x' or not ({A.B} = 3 or {A.B} = 4) or ({A.B} = 5 or {A.B} = 6)"),
        QStringLiteral("{A.D} in Date(2016, 1, 1) to CurrentDate and -{A.B} <= -2 and IsNull({@F})"),
    };
    for (const QString& text : formulas) {
        SCOPED_TRACE(text.toStdString());
        const Formula once = parseFormula(text);
        const QString written = formulaText(once);
        const Formula again = parseFormula(written);
        EXPECT_EQ(formulaText(again), written);
        EXPECT_EQ(again->sqlNesting, once->sqlNesting);
    }
    EXPECT_EQ(parseFormula(chain)->args.size(), 61u) << "a run of one operator is one node";
}

TEST(FormulaRefusal, AHugeNestedTextIsRefusedWithoutReadingItAll)
{
    const qsizetype megabyte = 1 << 20;
    const QString texts[] = {
        QString(megabyte, u'('),
        repeated(QStringLiteral("not "), int(megabyte / 4)),
        QString(megabyte, u'-'),
        repeated(QStringLiteral("IsNull("), int(megabyte / 7)),
        repeated(QStringLiteral("1 = 1 or "), int(megabyte / 9)),
    };
    for (const QString& text : texts)
        EXPECT_THROW(parseFormula(text), FormulaError) << text.left(20).toStdString();
}

}  // namespace
