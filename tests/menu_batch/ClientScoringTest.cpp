#include "BatchTablesFixture.h"
#include "menu_batch/ClientScoring.h"

namespace vorna::test {
namespace {

using namespace menu_batch;

TEST(ClientScoreRules, EachBound)
{
    struct Case {
        int (*rule)(double);
        double measure;
        int score;
    };
    const Case cases[] = {
        {instalmentScore, 1, 4},  {instalmentScore, 5, 4},    {instalmentScore, 5.01, 7},
        {instalmentScore, 6.5, 7}, {instalmentScore, 8, 7},   {instalmentScore, 8.5, 12},
        {commissionScore, 0, 10}, {commissionScore, 10, 10},  {commissionScore, 10.01, 15},
        {commissionScore, 20, 15}, {commissionScore, 20.01, 20},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.rule(c.measure), c.score) << c.measure;
    const std::pair<int, int> ages[] = {{-3, 26}, {0, 26}, {26, 26}, {27, 35}, {36, 35},
                                        {37, 45}, {60, 45}, {61, 60}, {90, 60}};
    for (auto [age, score] : ages)
        EXPECT_EQ(ageScore(age), score) << age;
    EXPECT_EQ(policyScore(0, 0), 0);
    EXPECT_EQ(policyScore(1, 0), 13);
    EXPECT_EQ(policyScore(2, 0), 23);
    EXPECT_EQ(policyScore(3, 0), 23);
    EXPECT_EQ(policyScore(1, 1), 37);
    EXPECT_EQ(policyScore(0, 1), 37);
    EXPECT_EQ(paymentScore(0, 0), 1);
    EXPECT_EQ(paymentScore(2, 1), 1);
    EXPECT_EQ(paymentScore(1, 1), 1);
    EXPECT_EQ(paymentScore(1, 2), 2);
    EXPECT_EQ(ageInYears(Variant::date(QDate(1980, 12, 31)), QDate(2025, 1, 1)), 45);
    EXPECT_EQ(ageInYears(Variant::null(), QDate(2025, 1, 1)), 0);
}

TEST(ClientScoreRules, DocumentCounts)
{
    ScoreCounts c;
    c.add(311, "A", "V", Variant::integer(12), "S", 10.0);     // vehicle policy in force
    c.add(312, "A", "N", Variant::integer(1), "N", 20.0);      // not in force: averages only
    c.add(931, "E", "V", Variant::integer(4), "C", 30.0);      // endorsement
    c.add(Variant::null(), "A", "V", Variant::integer(4), "D", 0.0);   // no line: neither count
    EXPECT_EQ(c.documents, 4);
    EXPECT_EQ(c.vehiclePolicies, 1);
    EXPECT_EQ(c.otherPolicies, 0);
    EXPECT_EQ(c.carnet, 1);
    EXPECT_EQ(c.debitOrCheque, 2);
    EXPECT_DOUBLE_EQ(c.instalmentSum, 21);
    EXPECT_DOUBLE_EQ(c.commissionSum, 60);
    EXPECT_THROW(c.add(931, "A", "V", Variant::null(), "S", 1.0), EngineError);
    EXPECT_THROW(c.add(931, "A", "V", 40000, "S", 1.0), EngineError);
    EXPECT_THROW(c.add(931, "A", "V", 1, "S", Variant::null()), EngineError);
    EXPECT_EQ(c.documents, 4);
}

class ClientScoringTest : public BatchTablesFixture {
protected:
    int document(int client, int line, const char* type, const char* status, Variant instalments, Variant commission,
                 const char* payment = "S", const char* policy = nullptr)
    {
        return addDocument({{"CODCLIENTE", client},
                            {"RAMO", line},
                            {"TIPO", type},
                            {"VIGENTE", status},
                            {"PARCELAS", instalments},
                            {"PCOMISSAO", commission},
                            {"CARNET", payment},
                            {"APOLICE", policy ? Variant(policy) : Variant::null()}});
    }
    std::vector<QString> scores(int client)
    {
        std::vector<QString> out;
        for (int i = 1; i <= 10; ++i)
            out.push_back(clientField(client, QStringLiteral("SCO%1").arg(i).toUtf8().constData()).toString());
        return out;
    }
    using S = std::vector<QString>;
};

TEST_F(ClientScoringTest, EveryClientGetsItsScoresThenTheEndMessage)
{
    const int none = addClient({{"NOME", "SEM DOCUMENTOS"}, {"SCO1", "7"}, {"SCO10", "1"}});
    const int driver = addClient({{"NOME", "MOTORISTA"}, {"ANIV", Variant::date(QDate(1990, 5, 5))}, {"SCO1", "7"}});
    const int mixed = addClient({{"NOME", "VARIOS RAMOS"}, {"ANIV", Variant::date(QDate(1950, 1, 1))}});
    document(driver, 311, "A", "V", 12, 10.0, "S", " AP-9 ");
    document(driver, 312, "A", "V", 1, 10.0, "N");
    document(mixed, 311, "A", "V", 5, 20.0, "N");
    document(mixed, 931, "A", "V", 5, 20.0, "C");
    document(mixed, 311, "A", "N", 5, 20.0, "S");
    addRow(QStringLiteral("SINISTRO"), {{"PROCESSO", 77}, {"APOLICE", "ap-9"}});

    dialogs.expectOk(QStringLiteral("TAREFA ENCERRADA!"));
    auto t = tables();
    ScoreClients(t);

    EXPECT_EQ(dialogs.boxes.back().title, QString());
    EXPECT_EQ(scores(none), (S{"0", "0", "0", "0", "0", "0", "0", "0", "0", "0"}));
    // Two vehicle policies, 6.5 instalments, carnet 1 against debit 1, 10%, 36 years, a claim.
    EXPECT_EQ(scores(driver), (S{"0", "0", "0", "0", "23", "7", "1", "10", "35", "1"}));
    // Another line, 5 instalments, more debit, 20%, 76 years, no claim.
    EXPECT_EQ(scores(mixed), (S{"0", "0", "0", "0", "37", "4", "2", "15", "60", "2"}));
}

// A document that stops the run: the failure box names the client, the clients
// before it have their scores, it and those after keep theirs.
TEST_F(ClientScoringTest, AnEmptyCommissionStopsTheRunAtThatClient)
{
    const int first = addClient({{"NOME", "A"}});
    const int broken = addClient({{"NOME", "B"}, {"SCO5", "13"}});
    const int after = addClient({{"NOME", "C"}, {"SCO5", "13"}});
    document(first, 931, "A", "V", 2, 10.0);
    document(broken, 931, "A", "V", 2, 10.0);
    document(broken, 931, "A", "V", 2, 10.0);
    document(broken, 931, "A", "V", 2, Variant::null());
    document(after, 931, "A", "V", 2, 10.0);

    dialogs.expectOk();
    auto t = tables();
    ScoreClients(t);

    ASSERT_EQ(dialogs.boxes.size(), 1u);
    EXPECT_TRUE(dialogs.boxes[0].text.startsWith(QStringLiteral("ERRO 94")))
        << dialogs.boxes[0].text.toStdString();
    EXPECT_TRUE(dialogs.boxes[0].text.contains(QStringLiteral("CLIENTE: %1").arg(broken)));
    EXPECT_EQ(clientField(first, "SCO5").toString(), "37");
    EXPECT_EQ(clientField(broken, "SCO5").toString(), "13");
    EXPECT_EQ(clientField(after, "SCO5").toString(), "13");
}

// The claims view gives a claim to each client holding a document of its policy
// number, once however many such documents the client holds.
TEST_F(ClientScoringTest, ClaimsByClientFollowThePolicyNumber)
{
    const int a = addClient({{"NOME", "A"}});
    const int b = addClient({{"NOME", "B"}});
    const int c = addClient({{"NOME", "C"}});
    document(a, 931, "A", "V", 1, 1.0, "S", "P-1");
    document(a, 931, "E", "V", 1, 1.0, "S", "p-1 ");
    document(b, 931, "A", "V", 1, 1.0, "S", "P-1");
    document(c, 931, "A", "V", 1, 1.0, "S", "");
    addRow(QStringLiteral("SINISTRO"), {{"PROCESSO", 5}, {"APOLICE", " P-1"}});
    addRow(QStringLiteral("SINISTRO"), {{"PROCESSO", 6}, {"APOLICE", ""}});

    const auto rows = readRows<std::pair<long, long>>(ClaimsByClient, [](const db::Recordset& rs) {
        return std::pair<long, long>(rs.field("CLIENTE").toLong(), rs.field("PROCESSO").toLong());
    });
    EXPECT_EQ(rows, (std::vector<std::pair<long, long>>{{a, 5}, {b, 5}}));
}

}  // namespace
}  // namespace vorna::test
