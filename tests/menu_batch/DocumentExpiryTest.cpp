#include "BatchTablesFixture.h"
#include "menu_batch/DocumentExpiry.h"

namespace vorna::test {
namespace {

using menu_batch::expiresToNotRenewed;

const QString Warning = QStringLiteral(
    " Esta operação irá alterar o status de TODOS os documentos com mais de 396 dias de vencimento de VIGENTE "
    "para NÃO-RENOVADO desde que não sejam dos ramos de Tranporte, Saúde, Vida ou Previdência");
const QString Question = QStringLiteral("Você tem certeza que deseja corrigir?");

TEST(DocumentExpiryRule, AgeStatusAndLine)
{
    const Variant start = Variant::date(QDate(2015, 1, 1));
    struct Case {
        Variant status, start, line;
        QDate today;
        bool expires;
    };
    const Case cases[] = {
        {"V", start, 931, QDate(2016, 2, 1), false},   // 396 days
        {"V", start, 931, QDate(2016, 2, 2), true},    // 397 days
        {"V", Variant::date(QDate(2026, 5, 1)), 931, QDate(2016, 2, 2), false},   // starts later
        {"V", Variant::null(), 931, QDate(2026, 1, 1), false},
        {"V", start, Variant::null(), QDate(2026, 1, 1), false},
        {"v", start, 931, QDate(2026, 1, 1), false},
        {"R", start, 931, QDate(2026, 1, 1), false},
        {"N", start, 931, QDate(2026, 1, 1), false},
        {"E", start, 931, QDate(2026, 1, 1), false},
        {"I", start, 931, QDate(2026, 1, 1), false},
        {Variant::null(), start, 931, QDate(2026, 1, 1), false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(expiresToNotRenewed(c.status, c.start, c.line, c.today), c.expires)
            << c.status << " " << c.start << " " << c.line << " " << c.today.toString().toStdString();
    for (int kept : {211, 212, 221, 241, 541, 914, 911, 912, 811, 871, 542})
        EXPECT_FALSE(expiresToNotRenewed("V", start, kept, QDate(2026, 1, 1))) << kept;
    for (int other : {111, 311, 931, 543})
        EXPECT_TRUE(expiresToNotRenewed("V", start, other, QDate(2026, 1, 1))) << other;
}

class DocumentExpiryTest : public BatchTablesFixture {
protected:
    int document(const char* status, QDate start, int line, const char* type = "A", int branch = 1)
    {
        return addDocument({{"TIPO", type},
                            {"VIGENTE", status},
                            {"VIGENCIAINICIAL", start.isValid() ? Variant::date(start) : Variant::null()},
                            {"RAMO", line},
                            {"FILIAL", branch}});
    }
};

TEST_F(DocumentExpiryTest, OldDocumentsInForceBecomeNotRenewedAfterTheWarningAndTheYes)
{
    setNow(QDateTime(QDate(2016, 2, 2), QTime(8, 0)));
    const int old = document("V", QDate(2015, 1, 1), 931);
    const int endorsement = document("V", QDate(2015, 1, 1), 311, "E", 3);
    const int young = document("V", QDate(2015, 1, 2), 931);
    const int health = document("V", QDate(2014, 1, 1), 541);
    const int renewed = document("R", QDate(2014, 1, 1), 931);
    const int noStart = document("V", QDate(), 931);
    const long auditBefore = rowCount("LOGUI");

    dialogs.expectOk(Warning).expectYes(Question);
    auto t = tables();
    menu_batch::ExpireOldDocuments(t.database, t.documents);

    EXPECT_EQ(dialogs.boxes.size(), 2u);
    EXPECT_EQ(dialogs.boxes[0].title, "ATENÇÃO");
    EXPECT_EQ(dialogs.boxes[1].buttons, dlg::Buttons::YesNo);
    EXPECT_EQ(documentField(old, "VIGENTE").toString(), "N");
    EXPECT_EQ(documentField(endorsement, "VIGENTE").toString(), "N");
    EXPECT_EQ(documentField(young, "VIGENTE").toString(), "V");
    EXPECT_EQ(documentField(health, "VIGENTE").toString(), "V");
    EXPECT_EQ(documentField(renewed, "VIGENTE").toString(), "R");
    EXPECT_EQ(documentField(noStart, "VIGENTE").toString(), "V");
    EXPECT_EQ(rowCount("LOGUI"), auditBefore);
}

TEST_F(DocumentExpiryTest, NoChangesNothing)
{
    const int old = document("V", QDate(2015, 1, 1), 931);
    dialogs.expectOk(Warning).expectNo(Question);
    auto t = tables();
    menu_batch::ExpireOldDocuments(t.database, t.documents);
    EXPECT_EQ(documentField(old, "VIGENTE").toString(), "V");
}

// Rows are stored a few hundred at a time: a refused row stops the run with the
// error and the document, and the rows before it stay changed.
TEST_F(DocumentExpiryTest, ARefusedRowStopsTheRunAndKeepsTheRowsBefore)
{
    std::vector<int> numbers;
    auto setup = mainDatabase().transaction();
    for (int i = 0; i < 450; ++i)
        numbers.push_back(document("V", QDate(2020, 1, 1), 931));
    setup.commit();
    refuseUpdatesOf("DOCUMENTOS", "PROPOSTA", numbers[300]);

    dialogs.expectOk(Warning).expectYes(Question).expectOk();
    auto t = tables();
    menu_batch::ExpireOldDocuments(t.database, t.documents);

    ASSERT_EQ(dialogs.boxes.size(), 3u);
    EXPECT_TRUE(dialogs.boxes[2].text.contains(QStringLiteral("DOCUMENTO: %1").arg(numbers[300])))
        << dialogs.boxes[2].text.toStdString();
    EXPECT_EQ(documentField(numbers[0], "VIGENTE").toString(), "N");
    EXPECT_EQ(documentField(numbers[299], "VIGENTE").toString(), "N");
    EXPECT_EQ(documentField(numbers[300], "VIGENTE").toString(), "V");
    EXPECT_EQ(documentField(numbers[449], "VIGENTE").toString(), "V");
}

}  // namespace
}  // namespace vorna::test
