#include "RecordWindowFixture.h"

#include "common/AuditRow.h"
#include "platform/controls/ControlEvents.h"

namespace vorna::test {
namespace {

class AuditRowTest : public RecordWindowFixture {
protected:
    void SetUp() override
    {
        RecordWindowFixture::SetUp();
        setNow(QDateTime(QDate(2024, 3, 5), QTime(14, 7, 33)));
        state().session.UserIdent = 7;
    }
    // The audit rows in the order written.
    std::vector<db::Recordset> auditRows()
    {
        std::vector<db::Recordset> rows;
        db::Recordset log = mainDatabase().openRecordset("LOGUI");
        if (log.EOF())
            return rows;
        for (log.MoveFirst(); !log.EOF(); log.MoveNext()) {
            db::Recordset one = mainDatabase().openRecordset("LOGUI");
            one.FindFirst("INDICE = " + log.field("INDICE").toString());
            rows.push_back(one);
        }
        return rows;
    }
    void expectRow(db::Recordset& r, const Variant& code, const QString& name, const QString& remarks)
    {
        EXPECT_TRUE(r.field("CLIENTE").identical(code)) << r.field("CLIENTE");
        EXPECT_EQ(r.field("NOME").toString(), name);
        EXPECT_EQ(r.field("REMARKS").toString(), remarks);
        EXPECT_EQ(r.field("USUARIO").toLong(), 7);
        EXPECT_EQ(r.field("DATALOGUI").toString(), "05/03/2024");
        EXPECT_EQ(r.field("HORALOGUI").toString(), "14:07");
        EXPECT_EQ(r.field("LIQUI").toString(), "S");
        EXPECT_TRUE(r.field("DOCUMENTO").isNull());
        EXPECT_TRUE(r.field("APOLICE").isNull());
    }
};

TEST_F(AuditRowTest, AnAdditionIsLoggedWithTheCodeItsMessageShowed)
{
    addRow("PRODUTOR", {{"CODIGO", 4}, {"FILIAL", 2}, {"NOME", "OUTRA FILIAL"}});
    auto& w = open(declareProducerLike);
    type(w.Text2, "PEDRO");
    dialogs.expectOk("Produtor Cadastrado com Codigo: 1");
    click(w.Command3D1);
    type(w.Text2, "PAULO");
    dialogs.expectOk("Produtor Cadastrado com Codigo: 2");
    click(w.Command3D1);

    auto rows = auditRows();
    ASSERT_EQ(rows.size(), 2u);
    expectRow(rows[0], Variant(1), "PEDRO", "INCLUSAO DE PRODUTOR");
    expectRow(rows[1], Variant(2), "PAULO", "INCLUSAO DE PRODUTOR");
    EXPECT_LT(rows[0].field("INDICE").toLong(), rows[1].field("INDICE").toLong());
    EXPECT_EQ(focused(), w.Text2);
}

TEST_F(AuditRowTest, AnAlterationIsLoggedWithWhatTheCodeAndNameBoxesHold)
{
    addRow("PRODUTOR", {{"CODIGO", 3}, {"FILIAL", 1}, {"NOME", "PEDRO"}});
    auto& w = open(declareProducerLike);
    click(w.Command3D8);
    click(w.Command3D1);  // nothing changed: still logged
    click(w.Command3D8);
    type(w.Text1, "");    // the code is never rewritten; the audit row takes the box
    type(w.Text2, "PEDRO LIMA");
    click(w.Command3D1);

    EXPECT_EQ(row("PRODUTOR", "CODIGO = 3").field("NOME").toString(), "PEDRO LIMA");
    auto rows = auditRows();
    ASSERT_EQ(rows.size(), 2u);
    expectRow(rows[0], Variant(3), "PEDRO", "ALTERAÇAO DE DADOS DO PRODUTOR");
    expectRow(rows[1], Variant::null(), "PEDRO LIMA", "ALTERAÇAO DE DADOS DO PRODUTOR");
}

TEST_F(AuditRowTest, ADeletionIsLoggedOnlyOnceTheRowIsGone)
{
    addRow("PRODUTOR", {{"CODIGO", 3}, {"FILIAL", 1}, {"NOME", "PEDRO"}});
    auto& w = open(declareProducerLike);
    click(w.Command3D8);
    dialogs.expectNo(msg::ConfirmDeletion);
    click(w.Command3D3);
    EXPECT_TRUE(auditRows().empty());

    click(w.Command3D8);
    dialogs.expectYes(msg::ConfirmDeletion);
    click(w.Command3D3);
    EXPECT_EQ(rowCount("PRODUTOR"), 0);
    auto rows = auditRows();
    ASSERT_EQ(rows.size(), 1u);
    expectRow(rows[0], Variant(3), "PEDRO", "EXCLUSAO DE PRODUTOR");

    // A deletion that fails (the row was deleted at another workstation
    // meanwhile) logs nothing.
    addRow("PRODUTOR", {{"CODIGO", 4}, {"FILIAL", 1}, {"NOME", "PAULO"}});
    std::vector<int> reported;
    ui::setUnexpectedFailureReporter([&](const std::exception& e) {
        if (auto* engine = dynamic_cast<const EngineError*>(&e))
            reported.push_back(engine->number());
    });
    click(w.Command3D7);
    findRow("PRODUTOR", "CODIGO = 4").Delete();
    dialogs.expectYes(msg::ConfirmDeletion);
    click(w.Command3D3);
    ui::setUnexpectedFailureReporter({});
    EXPECT_EQ(reported, std::vector<int>{err::RecordDeleted});
    EXPECT_EQ(auditRows().size(), 1u);
}

TEST_F(AuditRowTest, ARefusedOrFailedActionIsNotLogged)
{
    addRow("PRODUTOR", {{"CODIGO", 3}, {"FILIAL", 1}, {"NOME", "PEDRO"}});
    auto& w = open(declareProducerLike);
    // A blank name for a new producer.
    dialogs.expectOk(msg::RequiredName);
    click(w.Command3D1);
    // A write refused by the database, and one whose rate is not a number.
    type(w.Text2, "PAULO");
    dialogs.expectOk(msg::withNumber(msg::RecordLocked, err::RecordLocked));
    {
        SecondWorkstationLock lock(pathOf("VORNA.MDB"));
        click(w.Command3D1);
    }
    EXPECT_EQ(text(w.Text2), "");
    click(w.Command3D8);
    type(w.MaskEdBox1, "1,,5");
    dialogs.expectOk(msg::withNumber(msg::RecordLocked, err::TypeMismatch));
    click(w.Command3D1);

    EXPECT_EQ(rowCount("PRODUTOR"), 1);
    EXPECT_TRUE(auditRows().empty());
    // The failed addition's code is given to the next one.
    type(w.Text2, "PAULO");
    dialogs.expectOk("Produtor Cadastrado com Codigo: 4");
    click(w.Command3D1);
}

TEST_F(AuditRowTest, ACodeBoxThatCannotMakeAnAuditRowStopsTheActionBeforeAnythingIsStored)
{
    addRow("PRODUTOR", {{"CODIGO", 3}, {"FILIAL", 1}, {"NOME", "PEDRO"}});
    std::vector<int> reported;
    ui::setUnexpectedFailureReporter([&](const std::exception& e) {
        if (auto* engine = dynamic_cast<const EngineError*>(&e))
            reported.push_back(engine->number());
    });
    auto& w = open(declareProducerLike);
    click(w.Command3D8);
    type(w.Text1, "3x");
    type(w.Text2, "OUTRO");
    click(w.Command3D1);
    dialogs.expectYes(msg::ConfirmDeletion);
    click(w.Command3D3);
    ui::setUnexpectedFailureReporter({});

    EXPECT_EQ(reported, (std::vector<int>{err::TypeMismatch, err::TypeMismatch}));
    EXPECT_EQ(row("PRODUTOR", "CODIGO = 3").field("NOME").toString(), "PEDRO");
    EXPECT_TRUE(auditRows().empty());
}

TEST_F(AuditRowTest, ADocumentRowCarriesItsDocumentAndPolicy)
{
    AuditLog log(mainDatabase());
    log.write({Variant(12), "CLIENTE X", "INCLUSÂO DE DOCUMENTO TIPO APOLICE", Variant(345), Variant("9.87.654")});
    log.write({Variant(12), "CLIENTE X", "OUTRA", {}, {}});
    auto rows = auditRows();
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].field("DOCUMENTO").toLong(), 345);
    EXPECT_EQ(rows[0].field("APOLICE").toString(), "9.87.654");
    EXPECT_EQ(rows[0].field("REMARKS").toString(), "INCLUSÂO DE DOCUMENTO TIPO APOLICE");
    // Two rows of one minute carry the same stamp; INDICE orders them.
    EXPECT_EQ(rows[1].field("HORALOGUI").toString(), rows[0].field("HORALOGUI").toString());
    EXPECT_TRUE(rows[1].field("DOCUMENTO").isNull());
}

}  // namespace
}  // namespace vorna::test
