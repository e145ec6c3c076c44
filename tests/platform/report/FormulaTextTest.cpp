// Selections built from typed text keep exactly the rows whose value was typed.
#include "ReportFixture.h"

#include "platform/report/Formula.h"
#include "platform/report/FormulaText.h"

using namespace vorna;
using namespace vorna::report;

namespace {

class TypedSelection : public test::ReportFixture {
protected:
    void SetUp() override
    {
        ReportFixture::SetUp();
        createSelectionTables();
    }
    QStringList keys(const QString& selection)
    {
        return selectedKeys(QStringLiteral("CIAS"), QStringLiteral("CODIGO"), selection);
    }
};

TEST_F(TypedSelection, NumberBoxesSelectTheirCodeOrNothing)
{
    const std::pair<const char*, QStringList> cases[] = {
        {"12", {"12"}}, {" 40 ", {"40"}}, {"", {}}, {"12 or 1 = 1", {}}, {"1a", {}}, {"-3", {}},
    };
    for (const auto& [typed, expected] : cases)
        EXPECT_EQ(keys(numberSelection(QStringLiteral("{CIAS.CODIGO}"), QString::fromUtf8(typed))), expected) << typed;
}

TEST_F(TypedSelection, TextBoxesSelectTheTextAsTyped)
{
    EXPECT_EQ(keys(textSelection(QStringLiteral("{CIAS.NOME}"), QStringLiteral("BETA PLANOS D'OESTE"))),
              QStringList{"40"});
    EXPECT_EQ(keys(textSelection(QStringLiteral("{CIAS.NOME}"), QStringLiteral("x' or '1' = '1"))), QStringList{});
}

}  // namespace

namespace {

// Formulas nested or joined beyond any the program writes are refused as
// unreadable, before they can exhaust the stack.
TEST(FormulaLimits, RefusesNestingAndJoinsBeyondReason)
{
    const auto nested = [](int depth) {
        return QString(depth, u'(') + QStringLiteral("{@A} = 1") + QString(depth, u')');
    };
    const auto joined = [](int joins) {
        QString f = QStringLiteral("{@A} = 1");
        for (int i = 0; i < joins; ++i)
            f += QStringLiteral(" and {@A} = 1");
        return f;
    };
    EXPECT_NO_THROW(parseFormula(nested(20)));
    EXPECT_NO_THROW(parseFormula(joined(200)));
    EXPECT_NO_THROW(parseFormula(QString(20, u'-') + QStringLiteral("1 = 1")));
    EXPECT_THROW(parseFormula(nested(60)), FormulaError);
    EXPECT_THROW(parseFormula(joined(600)), FormulaError);
    EXPECT_THROW(parseFormula(QString(60, u'-') + QStringLiteral("1 = 1")), FormulaError);
    EXPECT_THROW(parseFormula(QStringLiteral("not ").repeated(60) + QStringLiteral("{@A} = 1")), FormulaError);
}

}  // namespace
