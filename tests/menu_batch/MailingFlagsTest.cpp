#include "BatchTablesFixture.h"
#include "menu_batch/MailingFlags.h"

namespace vorna::test {
namespace {

const QString TakesMinutes = QStringLiteral("Esta rotina poderá levar alguns minutos, aguarde o término por favor.");
const QString Done = QStringLiteral("TAREFA ENCERRADA!");

class MailingFlagsTest : public BatchTablesFixture {
protected:
    void policy(int client, const char* type, const char* status)
    {
        addDocument({{"CODCLIENTE", client}, {"TIPO", type}, {"VIGENTE", status}});
    }
    QString flag(int client) { return clientField(client, "MALAS").toString(); }
};

TEST_F(MailingFlagsTest, ClientsWithAPolicyInForceAreActiveAndTheOthersInactive)
{
    const int twoPolicies = addClient({{"NOME", "A"}, {"MALAS", "I"}});
    const int endorsementsOnly = addClient({{"NOME", "B"}, {"MALAS", "A"}});
    const int outOfForce = addClient({{"NOME", "C"}, {"MALAS", "A"}});
    const int nothing = addClient({{"NOME", "D"}});
    policy(twoPolicies, "A", "V");
    policy(endorsementsOnly, "E", "V");
    policy(twoPolicies, "A", "V");
    policy(outOfForce, "A", "R");
    policy(9999, "A", "V");   // no such client
    addRow(QStringLiteral("TMPETI"), {{"CODIGO", 555}, {"NOME", "ETIQUETA ANTIGA"}});

    dialogs.expectOk(TakesMinutes).expectOk(Done);
    auto t = tables();
    menu_batch::SetClientMailingFlags(t);

    EXPECT_EQ(dialogs.boxes[0].icon, dlg::Icon::Exclamation);
    EXPECT_EQ(dialogs.boxes[0].title, QString());
    EXPECT_EQ(dialogs.boxes[1].title, "ATENÇÃO");
    EXPECT_EQ(flag(twoPolicies), "A");
    EXPECT_EQ(flag(endorsementsOnly), "I");
    EXPECT_EQ(flag(outOfForce), "I");
    EXPECT_EQ(flag(nothing), "I");
    EXPECT_EQ(labelCodes(), (std::vector<long>{0, twoPolicies, 9999}));
}

TEST_F(MailingFlagsTest, TheSecondLevelIsRefusedAndNothingChanges)
{
    logIn(level::Medium, everyRight());
    const int client = addClient({{"NOME", "A"}, {"MALAS", "A"}});
    addRow(QStringLiteral("TMPETI"), {{"CODIGO", 555}});
    dialogs.expectOk(QStringLiteral("DESCULPE, SUA SENHA NÃO PERMITE IMPRESSÃO DESTE RELATÓRIO"));
    auto t = tables();
    menu_batch::SetClientMailingFlags(t);
    EXPECT_EQ(dialogs.boxes.back().title, "ATENÇÃO!");
    EXPECT_EQ(clearings_, 0);
    EXPECT_EQ(flag(client), "A");
    EXPECT_EQ(labelCodes(), (std::vector<long>{555}));
}

TEST_F(MailingFlagsTest, TheThirdLevelGoesOn)
{
    logIn(level::Minimum, everyRight());
    const int client = addClient({{"NOME", "A"}, {"MALAS", "A"}});
    dialogs.expectOk(TakesMinutes).expectOk(Done);
    auto t = tables();
    menu_batch::SetClientMailingFlags(t);
    EXPECT_EQ(flag(client), "I");
    EXPECT_EQ(labelCodes(), (std::vector<long>{0}));
}

// A refused write in the middle: the clients before it have their final letter,
// the others keep theirs; no client was ever given a letter it does not end with.
TEST_F(MailingFlagsTest, AFailureInTheMiddleLeavesNoActiveClientInactive)
{
    std::vector<int> clients;
    auto setup = mainDatabase().transaction();
    for (int i = 0; i < 300; ++i) {
        clients.push_back(addClient({{"NOME", "C"}, {"MALAS", i % 2 ? "I" : "A"}}));
        if (i % 2 == 0)
            policy(clients.back(), "A", "V");
        else
            policy(clients.back(), "A", "N");
    }
    // Every client flagged wrongly, so that the run writes every one.
    auto t0 = mainDatabase().openRecordset(QStringLiteral("CLIENTES"));
    for (t0.MoveFirst(); !t0.EOF(); t0.MoveNext()) {
        t0.Edit();
        t0.setField(QStringLiteral("MALAS"), Variant(t0.field("MALAS").toString() == "A" ? "I" : "A"));
        t0.Update();
    }
    setup.commit();
    refuseUpdatesOf("CLIENTES", "CODIGO", clients[250]);

    dialogs.expectOk(TakesMinutes).expectOk();
    auto t = tables();
    menu_batch::SetClientMailingFlags(t);

    ASSERT_EQ(dialogs.boxes.size(), 2u);
    EXPECT_TRUE(dialogs.boxes[1].text.contains(QStringLiteral("CLIENTE: %1").arg(clients[250])))
        << dialogs.boxes[1].text.toStdString();
    for (int i = 0; i < 250; ++i)
        EXPECT_EQ(flag(clients[size_t(i)]), i % 2 ? "I" : "A") << i;
    for (int i = 250; i < 300; ++i)
        EXPECT_EQ(flag(clients[size_t(i)]), i % 2 ? "A" : "I") << i;   // as they were
}

}  // namespace
}  // namespace vorna::test
