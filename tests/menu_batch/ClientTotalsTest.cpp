#include "Batch1Fixture.h"

#include "menu_batch/ClientTotals.h"

namespace vorna {
namespace {

using menu_batch::ClientPolicyTotals;
using test::Batch1Fixture;

struct Figures {
    double documents, premium, commission, inForce, inForcePremium, inForceCommission;
};

Figures figuresOf(const ClientPolicyTotals& t)
{
    return {t.ClientDocumentCount.toDouble(), t.ClientPolicyPremium.toDouble(), t.ClientPolicyCommission.toDouble(),
            t.ClientInForceCount.toDouble(),  t.ClientInForcePremium.toDouble(), t.ClientInForceCommission};
}

void expectFigures(const ClientPolicyTotals& t, const Figures& want)
{
    const Figures got = figuresOf(t);
    EXPECT_EQ(got.documents, want.documents);
    EXPECT_DOUBLE_EQ(got.premium, want.premium);
    EXPECT_DOUBLE_EQ(got.commission, want.commission);
    EXPECT_EQ(got.inForce, want.inForce);
    EXPECT_DOUBLE_EQ(got.inForcePremium, want.inForcePremium);
    EXPECT_DOUBLE_EQ(got.inForceCommission, want.inForceCommission);
}

// What one document adds, by type and status.
TEST(ClientTotalsTest, EachDocumentAddsByTypeAndStatus)
{
    const struct {
        const char* type;
        const char* status;
        Variant premium, commission;
        Figures adds;
    } cases[] = {
        {"A", "V", Variant(100.5), Variant(10.25), {1, 100.5, 10.25, 1, 100.5, 10.25}},
        {"E", "V", Variant(100.0), Variant(10.0), {1, 0, 0, 0, 0, 0}},
        {"A", "R", Variant(100.0), Variant(10.0), {1, 100, 10, 0, 0, 0}},
        {"A", "N", Variant(100.0), Variant(10.0), {1, 100, 10, 0, 0, 0}},
        {"A", "E", Variant(100.0), Variant(10.0), {1, 100, 10, 0, 0, 0}},
        {"A", "I", Variant(100.0), Variant(10.0), {1, 100, 10, 0, 0, 0}},
        {"a", "V", Variant(100.0), Variant(10.0), {1, 0, 0, 0, 0, 0}},
        {"A", "V", Variant::null(), Variant(3.0), {1, 0, 3, 1, 0, 3}},
        {"A", "R", Variant(50.0), Variant::null(), {1, 50, 0, 0, 0, 0}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.type) + c.status);
        ClientPolicyTotals t{Variant(0), Variant(0), Variant(0), Variant(0), Variant(0), 0.0};
        menu_batch::addDocumentToTotals(t, Variant(c.type), Variant(c.status), c.premium, c.commission);
        expectFigures(t, c.adds);
    }
}

class ClientTotalsWindowTest : public Batch1Fixture {};

TEST_F(ClientTotalsWindowTest, TheClientsDocumentsAreCountedAndTotalled)
{
    addDocument({{"CODCLIENTE", 12}, {"TIPO", "A"}, {"VIGENTE", "V"}, {"PREMIOLIQ", 100.0}, {"VCOMISSAO", 15.0}});
    addDocument({{"CODCLIENTE", 12}, {"TIPO", "A"}, {"VIGENTE", "V"}, {"PREMIOLIQ", 250.0}, {"VCOMISSAO", 37.5}});
    addDocument({{"CODCLIENTE", 12}, {"TIPO", "E"}, {"VIGENTE", "V"}, {"PREMIOLIQ", 40.0}, {"VCOMISSAO", 4.0}});
    addDocument({{"CODCLIENTE", 12}, {"TIPO", "A"}, {"VIGENTE", "N"}, {"PREMIOLIQ", 80.0}, {"VCOMISSAO", 8.0}});
    addDocument({{"CODCLIENTE", 13}, {"TIPO", "A"}, {"VIGENTE", "V"}, {"PREMIOLIQ", 999.0}, {"VCOMISSAO", 99.0}});

    shell::Form2& m = menu();
    EXPECT_EQ(m.TotalsClientCode, 0);
    m.ComputeClientPolicyTotals();  // no document of client 0
    expectFigures(m.PolicyTotals, {0, 0, 0, 0, 0, 0});

    m.TotalsClientCode = 12;
    m.ComputeClientPolicyTotals();
    expectFigures(m.PolicyTotals, {4, 430, 60.5, 2, 350, 52.5});

    // Each run starts again from 0.
    m.ComputeClientPolicyTotals();
    expectFigures(m.PolicyTotals, {4, 430, 60.5, 2, 350, 52.5});
    m.TotalsClientCode = 77;
    m.ComputeClientPolicyTotals();
    expectFigures(m.PolicyTotals, {0, 0, 0, 0, 0, 0});
    EXPECT_TRUE(dialogs.boxes.empty());
}

TEST_F(ClientTotalsWindowTest, APolicyInForceWithoutCommissionEndsTheRunQuietly)
{
    addDocument({{"CODCLIENTE", 5}, {"TIPO", "A"}, {"VIGENTE", "V"}, {"PREMIOLIQ", 100.0}, {"VCOMISSAO", 10.0}});
    addDocument({{"CODCLIENTE", 5}, {"TIPO", "A"}, {"VIGENTE", "V"}, {"PREMIOLIQ", 200.0}});
    addDocument({{"CODCLIENTE", 5}, {"TIPO", "A"}, {"VIGENTE", "V"}, {"PREMIOLIQ", 400.0}, {"VCOMISSAO", 40.0}});
    menu().TotalsClientCode = 5;
    menu().ComputeClientPolicyTotals();
    // The figures as they stood when the second policy's commission was taken.
    expectFigures(menu().PolicyTotals, {2, 300, 10, 2, 300, 10});
    EXPECT_TRUE(dialogs.boxes.empty());
}

}  // namespace
}  // namespace vorna
