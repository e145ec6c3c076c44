// Selections built from typed text keep exactly the rows whose value was typed.
#include "ReportFixture.h"

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
