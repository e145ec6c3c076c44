#include "BatchTablesFixture.h"
#include "common/WindowRefs.h"
#include "menu_batch/ProductionSummary.h"
#include "shell/Form2.h"

namespace vorna::test {
namespace {

struct SummaryRow {
    long code;
    QString name;
    Variant producer, premium, commission, passOn, branch, count, ok;
};

class ProductionSummaryTest : public BatchTablesFixture {
protected:
    void document(int client, const char* status, Variant premium, const char* type = "A")
    {
        addDocument({{"CODCLIENTE", client},
                     {"VIGENTE", status},
                     {"TIPO", type},
                     {"PREMIOLIQ", premium},
                     {"VCOMISSAO", 10.0},
                     {"VREPASSE", 1.25}});
    }
    std::vector<SummaryRow> rows()
    {
        return readRows<SummaryRow>(QStringLiteral("TMPETI"), [](const db::Recordset& rs) {
            return SummaryRow{rs.field("CODIGO").toLong(), rs.field("NOME").toString(), rs.field("PROD1"),
                              rs.field("PREMIO"),         rs.field("COMITOT"),         rs.field("COMIREC"),
                              rs.field("PARCELAS"),       rs.field("CIA"),             rs.field("OK")};
        });
    }
};

TEST_F(ProductionSummaryTest, OneRowPerClientWithDocumentsInForce)
{
    addRow(QStringLiteral("TMPETI"), {{"CODIGO", 555}, {"OK", "S"}});
    const int two = addClient({{"NOME", "DOIS"}, {"PRODUTOR", 7}, {"FILIAL", 1}});
    const int endorsement = addClient({{"NOME", "ENDOSSO"}, {"FILIAL", 2}});
    const int outOfForce = addClient({{"NOME", "FORA"}});
    addClient({{"NOME", "NADA"}});
    document(two, "V", 100.0);
    document(two, "V", 50.5);
    document(two, "E", 999.0);
    document(endorsement, "V", 10.0, "E");
    document(outOfForce, "N", Variant::null());   // an empty amount out of force is passed over

    auto t = tables();
    menu_batch::BuildProductionSummary(t);

    EXPECT_TRUE(dialogs.boxes.empty());
    EXPECT_EQ(clearings_, 1);
    const auto r = rows();
    ASSERT_EQ(r.size(), 2u);
    EXPECT_EQ(r[0].code, two);
    EXPECT_EQ(r[0].name, "DOIS");
    EXPECT_EQ(r[0].producer.toLong(), 7);
    EXPECT_DOUBLE_EQ(r[0].premium.toDouble(), 150.5);
    EXPECT_DOUBLE_EQ(r[0].commission.toDouble(), 20);
    EXPECT_DOUBLE_EQ(r[0].passOn.toDouble(), 2.5);
    EXPECT_EQ(r[0].branch.toLong(), 1);
    EXPECT_EQ(r[0].count.toLong(), 2);
    EXPECT_TRUE(r[0].ok.isNull());
    EXPECT_EQ(r[1].code, endorsement);
    EXPECT_EQ(r[1].branch.toLong(), 2);
    EXPECT_EQ(r[1].count.toLong(), 1);
}

TEST_F(ProductionSummaryTest, AnEmptyAmountInForceStopsTheRunWithTheBoxAndKeepsTheRowsBefore)
{
    const int first = addClient({{"NOME", "A"}});
    const int broken = addClient({{"NOME", "B"}});
    document(first, "V", 1.0);
    document(broken, "V", Variant::null());
    dialogs.expectOk();
    auto t = tables();
    menu_batch::BuildProductionSummary(t);
    ASSERT_EQ(dialogs.boxes.size(), 1u);
    EXPECT_TRUE(dialogs.boxes[0].text.contains(QStringLiteral("CLIENTE: %1").arg(broken)));
    const auto r = rows();
    ASSERT_EQ(r.size(), 1u);
    EXPECT_EQ(r[0].code, first);
}

TEST(ClientProductionSums, TheCountStopsAtItsLimit)
{
    menu_batch::ClientProduction p;
    p.documents = 32767;
    EXPECT_THROW(p.add("V", 1.0, 1.0, 1.0), EngineError);
    EXPECT_NO_THROW(p.add("R", 1.0, 1.0, 1.0));
}

}  // namespace
}  // namespace vorna::test

namespace vorna::test {
namespace {

// Through the main menu: its own emptying of the label table and its recordsets.
TEST_F(ProductionSummaryTest, TheMainMenuRunsItOnItsOwnTables)
{
    addRow(QStringLiteral("TMPETI"), {{"CODIGO", 555}, {"OK", "S"}});
    const int client = addClient({{"NOME", "A"}, {"FILIAL", 1}});
    document(client, "V", 3.0);
    auto& menu = static_cast<shell::Form2&>(windows::Form2());
    menu.BuildProductionSummary();
    EXPECT_EQ(labelCodes(), (std::vector<long>{client}));

    dialogs.expectOk().expectOk(QStringLiteral("TAREFA ENCERRADA!"));
    menu.SetClientMailingFlags();
    EXPECT_EQ(labelCodes(), (std::vector<long>{0, client}));
    EXPECT_EQ(clientField(client, "MALAS").toString(), "A");
}

}  // namespace
}  // namespace vorna::test
