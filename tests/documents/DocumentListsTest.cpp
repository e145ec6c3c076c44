#include "DocumentFixture.h"

#include <sqlite3.h>

namespace vorna {
namespace {

class DocumentLists : public test::DocumentFixture {
protected:
    // One row in each table the lists are filled from.
    void addOneOfEach()
    {
        addRow("GRUPO", {{"CODIGO", 1}, {"NOME", "GRUPO UM"}});
        addRow("RAMOS", {{"CODIGO", 1}, {"NOME", "AUTOMOVEL"}});
        addRow("CIAS", {{"CODIGO", 1}, {"NOME", "SEGURADORA UM"}});
        addProducer(1, 1, "PRODUTOR UM");
        addRow("ATENDE", {{"XCONPG", 1}, {"XCONTA", "ATENDENTE UM"}});
    }
    // Each entry with the key kept with it.
    static QStringList keyed(const ui::PickList* list)
    {
        QStringList entries;
        for (int i = 0; i < list->ListCount(); ++i)
            entries << list->List(i) + "=" + list->itemData(i, documents::Form14::KeyRole).toString();
        return entries;
    }
};

TEST_F(DocumentLists, FixedListsInTheirOrder)
{
    addOneOfEach();
    open();
    EXPECT_EQ(itemsOf(list("Combo1")),
              QStringList({"CANCELADO", "IMPRODUTIVO", "NÃO RENOVADO", "RENOVADO", "VIGENTE"}));
    EXPECT_EQ(itemsOf(list("Combo2")), QStringList({"APOLICE", "ENDOSSO"}));
    EXPECT_EQ(itemsOf(list("Combo7")),
              QStringList({"ANTECIPADA", "ANTECIPADA + 30dd", "PARCELADA", "PARCELADA + 30dd"}));
    EXPECT_EQ(itemsOf(list("Combo11")),
              QStringList({"CANCELAMENTO", "COBRANÇA", "CONTA MENSAL", "FATURA", "RESTITUIÇÃO", "SEM MOVIMENTO",
                           "SUBSTITUIÇÃO", "EXCLUSÃO ITEM", "INCLUSÃO ITEM"}));
    const QStringList reasons = itemsOf(list("Combo12"));
    EXPECT_EQ(reasons,
              QStringList({"A Pedido do Segurado    ", "Alteração para outra Cia", "Alterações de Perfil    ",
                           "Descontentamento        ", "Falta de Pagamento      ", "Outros Motivos          ",
                           "Preço Não Compensatório ", "REABILITADA             ", "Restrições Técnicas     ",
                           "Sinistro PT             ", "Sinistro Roubo          ", "Transf.de Corretagem    ",
                           "Venda do Bem            "}));
    for (const QString& reason : reasons)
        EXPECT_EQ(reason.size(), 24) << reason.toStdString();
    EXPECT_EQ(list("Combo1")->ListIndex(), -1);
    EXPECT_TRUE(dialogs.boxes.empty());
}

TEST_F(DocumentLists, LookUpListsKeepEachRowsKey)
{
    addRow("GRUPO", {{"CODIGO", 5}, {"NOME", "ALFA"}});
    addRow("GRUPO", {{"CODIGO", 3}, {"NOME", "ZETA"}});
    addRow("GRUPO", {{"CODIGO", 0}, {"NOME", "NENHUM"}});
    addRow("RAMOS", {{"CODIGO", 531}, {"NOME", "VIDA"}});
    addRow("RAMOS", {{"CODIGO", 871}, {"NOME", "SAUDE"}});
    addRow("CIAS", {{"CODIGO", 20}, {"NOME", "PORTO"}});
    addRow("CIAS", {{"CODIGO", 10}, {"NOME", "ALIANCA"}});
    addRow("CIAS", {{"CODIGO", 30}, {"NOME", "ALIANCA"}});
    addRow("ATENDE", {{"XCONPG", 4}, {"XCONTA", "MARTA"}});
    addRow("ATENDE", {{"XCONPG", 2}, {"XCONTA", "BRUNO"}});
    addProducer(1, 1, "ANA");
    open();
    EXPECT_EQ(keyed(list("Combo14")), QStringList({"ZETA=3", "ALFA=5"}));  // the table's order, not sorted
    EXPECT_EQ(keyed(list("Combo3")), QStringList({"SAUDE=871", "VIDA=531"}));
    for (const char* insurers : {"Combo4", "Combo6", "Combo15", "Combo16", "Combo17"})
        EXPECT_EQ(keyed(list(insurers)), QStringList({"ALIANCA=10", "ALIANCA=30", "PORTO=20"})) << insurers;
    EXPECT_EQ(keyed(list("Combo13")), QStringList({"BRUNO=2", "MARTA=4"}));
    EXPECT_TRUE(list("Combo5")->ListCount() == 0);
}

// A producer goes to the slot of its position; without one to every slot;
// namesakes of two branches keep their own code and branch.
TEST_F(DocumentLists, ProducersGoToTheSlotsOfTheirPosition)
{
    addOneOfEach();
    addProducer(7, 1, "SEM POSICAO");
    addProducer(8, 1, "POSICAO ZERO", "0");
    addProducer(9, 2, "POSICAO UM", "1");
    addProducer(9, 3, "POSICAO UM", "1");
    addProducer(10, 1, "POSICAO TRES", "3");
    addProducer(11, 1, "POSICAO CINCO", "5");
    addProducer(12, 1, "POSICAO SETE", "7");
    open();
    const QStringList everywhere = {"POSICAO ZERO", "PRODUTOR UM", "SEM POSICAO"};
    auto with = [&](QStringList more) {
        more += everywhere;
        more.sort(Qt::CaseInsensitive);
        return more;
    };
    EXPECT_EQ(itemsOf(list("Combo8")), with({"POSICAO UM", "POSICAO UM"}));
    EXPECT_EQ(itemsOf(list("Combo9")), with({}));
    EXPECT_EQ(itemsOf(list("Combo10")), with({"POSICAO TRES"}));
    EXPECT_EQ(itemsOf(list("Combo18")), with({}));
    EXPECT_EQ(itemsOf(list("Combo19")), with({"POSICAO CINCO"}));
    QStringList branches;
    ui::PickList* first = list("Combo8");
    for (int i = 0; i < first->ListCount(); ++i)
        if (first->List(i) == "POSICAO UM")
            branches << first->itemData(i, documents::Form14::KeyRole).toString() + "/" +
                            first->itemData(i, documents::Form14::BranchRole).toString();
    branches.sort();
    EXPECT_EQ(branches, QStringList({"9/2", "9/3"}));
}

// Where a table gives nothing to list, the fill ends there: the later lists
// stay empty, and from the plans on a box names the table.
TEST_F(DocumentLists, AFillThatStopsNamesItsStage)
{
    const Variant none = Variant::null();
    struct Case {
        const char* what;
        Variant group, plan, insurer, producer, attendant;  // the name of each table's one row
        int groupCode;
        QString message;  // empty: no box
        int listsFilled;  // of Combo14, Combo3, Combo4, Combo8, Combo13 in that order
    };
    const Case cases[] = {
        {"no group above 0", "G", "R", "C", "P", "A", 0, "", 0},
        {"no plans", "G", {}, "C", "P", "A", 1,
         "VERIFIQUE SEU CADASTRO DE RAMOS POIS O MESMO APRESENTA NOME DE RAMO EM BRANCO!", 1},
        {"an insurer without a name", "G", "R", none, "P", "A", 1,
         "VERIFIQUE SEU CADASTRO DE CIAS POIS O MESMO APRESENTA NOME DE CIA EM BRANCO!", 2},
        {"a producer without a name", "G", "R", "C", none, "A", 1,
         "VERIFIQUE SEU CADASTRO DE PRODUTORES POIS O MESMO APRESENTA NOME DE PRODUTOR EM BRANCO!", 3},
        {"an attendant without a name", "G", "R", "C", "P", none, 1,
         "VERIFIQUE SEU CADASTRO DE ATENDENTES POIS O MESMO APRESENTA NOME DE ATENDENTE EM BRANCO!", 4},
        {"every table listed", "G", "R", "C", "P", "A", 1, "", 5},
    };
    const char* order[] = {"Combo14", "Combo3", "Combo4", "Combo8", "Combo13"};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ui::destroyAllWindows();
        dialogs.clear();
        for (const char* table : {"GRUPO", "RAMOS", "CIAS", "PRODUTOR", "ATENDE"})
            ASSERT_EQ(sqlite3_exec(mainDatabase().handle(), QString("DELETE FROM %1").arg(table).toUtf8(), nullptr,
                                   nullptr, nullptr),
                      SQLITE_OK);
        addRow("GRUPO", {{"CODIGO", c.groupCode}, {"NOME", c.group}});
        if (!c.plan.isEmpty())
            addRow("RAMOS", {{"CODIGO", 1}, {"NOME", c.plan}});
        addRow("CIAS", {{"CODIGO", 1}, {"NOME", c.insurer}});
        addRow("PRODUTOR", {{"CODIGO", 1}, {"FILIAL", 1}, {"NOME", c.producer}});
        addRow("ATENDE", {{"XCONPG", 1}, {"XCONTA", c.attendant}});
        if (!c.message.isEmpty())
            dialogs.expectOk(c.message);
        open();
        ASSERT_TRUE(opened());
        for (int n = 0; n < 5; ++n)
            EXPECT_EQ(list(order[n])->ListCount() > 0, n < c.listsFilled) << order[n];
        EXPECT_EQ(dialogs.boxes.size(), c.message.isEmpty() ? 0u : 1u);
        if (!c.message.isEmpty())
            EXPECT_EQ(dialogs.boxes.at(0).title, msg::TitleAttention);
    }
}

TEST_F(DocumentLists, ReopeningAddsNoItem)
{
    addOneOfEach();
    open();
    test::click(button("Command3D5"));
    open();
    EXPECT_EQ(list("Combo1")->ListCount(), 5);
    EXPECT_EQ(list("Combo3")->ListCount(), 1);
    EXPECT_EQ(list("Combo8")->ListCount(), 1);
    EXPECT_EQ(values().ListFillStage, 4);
}

// The policy cost starts from nothing once there is a net premium.
TEST_F(DocumentLists, DefaultPolicyCostOnlyWithANetPremium)
{
    open();
    struct Case {
        QString netPremium, costBefore, costAfter;
    } cases[] = {{"100", "25", "0"}, {"", "25", "25"}, {"0", "", "0"}};
    for (const Case& c : cases) {
        masked("MaskEdBox1")->setText(c.netPremium);
        masked("MaskEdBox3")->setText(c.costBefore);
        form().DefaultPolicyCost();
        EXPECT_EQ(masked("MaskEdBox3")->Text(), c.costAfter) << c.netPremium.toStdString();
    }
}

}  // namespace
}  // namespace vorna
