#include "ClientFixture.h"

#include "support/SecondWorkstation.h"

namespace vorna::test {
namespace {

const QString WillCorrectAll = QStringLiteral(
    "Esta operação irá alterar/corrigir o nome de cliente de TODOS os documentos que possuam em seu campo código de "
    "cliente o mesmo código do cliente agora exibido em tela.");
const QString Sure = QStringLiteral("Você tem certeza que deseja alterar?");

// A client with code 40000 and three documents under an old name, and a
// document of another client.
class ClientNameCorrectionTest : public ClientFixture {
protected:
    static constexpr int Code = 40000;
    void SetUp() override
    {
        ClientFixture::SetUp();
        addProducer(1, 1, "ANA", Variant("TESTE"));
        addClient("NOME CORRIGIDO", {{"CODIGO", Code}, {"END-RESIDENCIA", "RUA A"}});
        other = addClient("OUTRO", {{"END-RESIDENCIA", "RUA B"}});
        for (int i = 0; i < 3; ++i)
            addRow("DOCUMENTOS", {{"CODCLIENTE", Code}, {"NOMCLIENTE", "NOME ANTIGO"}});
        addRow("DOCUMENTOS", {{"CODCLIENTE", other}, {"NOMCLIENTE", "OUTRO ANTIGO"}});
    }
    void showClient()
    {
        open();
        type(box("Text1"), QString::number(Code));
        leave(box("Text1"));
        ASSERT_TRUE(shown());
    }
    QStringList names()
    {
        QStringList all;
        db::Recordset docs = mainDatabase().openRecordset("DOCUMENTOS");
        for (docs.MoveFirst(); !docs.EOF(); docs.MoveNext())
            all << docs.field("NOMCLIENTE").toString();
        return all;
    }
    void correct() { click(button("Command3D27")); }

    int other = 0;
    const QStringList unchanged = {"NOME ANTIGO", "NOME ANTIGO", "NOME ANTIGO", "OUTRO ANTIGO"};
};

TEST_F(ClientNameCorrectionTest, CopiesTheStoredNameOfTheShownClientAfterASearchMovedTheRow)
{
    showClient();
    // Typed but not saved: the documents get the stored name.
    type(box("Text2"), "NOME DIGITADO");
    // A field search leaves the client table on the other client.
    box("Text4")->setText("RUA B");
    click(button("Command3D14"));
    ASSERT_TRUE(c<QWidget>("MSFlexGrid1")->isVisible());

    dialogs.expectOk(WillCorrectAll).expectYes(Sure);
    correct();
    EXPECT_EQ(dialogs.boxes[0].title, "ATENÇÃO");
    EXPECT_EQ(dialogs.boxes[1].title, "ATENÇÃO");
    EXPECT_EQ(dialogs.boxes[1].buttons, dlg::Buttons::YesNo);
    EXPECT_EQ(names(), QStringList({"NOME CORRIGIDO", "NOME CORRIGIDO", "NOME CORRIGIDO", "OUTRO ANTIGO"}));
    EXPECT_EQ(text(box("Text1")), "");
    EXPECT_FALSE(shown());
    EXPECT_FALSE(button("Command3D24")->isEnabled());
    EXPECT_TRUE(auditRows().empty());
    EXPECT_EQ(client(Code).field("NOME").toString(), "NOME CORRIGIDO");
}

TEST_F(ClientNameCorrectionTest, RefusalsAndNoWriteNothing)
{
    struct Case {
        const char* what;
        QString level;
        std::vector<Right> rights;
        QString message;  // empty: no box before the notice
        bool asks;
    };
    const Case cases[] = {
        {"no ACC", level::Total, {Right::ICC}, msg::NoAccessToModule, false},
        {"second level", level::Medium, {Right::ACC}, msg::OnlyConsultation, false},
        {"answered No", level::Total, {Right::ACC}, {}, true},
    };
    showClient();
    for (const Case& k : cases) {
        SCOPED_TRACE(k.what);
        logIn(k.level, k.rights);
        dialogs.clear();
        if (k.asks)
            dialogs.expectOk(WillCorrectAll).expectNo(Sure);
        else
            dialogs.expectOk(k.message);
        correct();
        EXPECT_EQ(names(), unchanged);
        EXPECT_TRUE(shown());
        EXPECT_EQ(text(box("Text2")), "NOME CORRIGIDO");
        if (!k.asks)
            EXPECT_EQ(dialogs.boxes.back().title, k.level == level::Medium ? "ATENÇÃO!" : "");
        dialogs.verifyAllTaken();
    }
}

TEST_F(ClientNameCorrectionTest, ActsOnlyOnAStoredClientStillThere)
{
    // A code typed after "Limpar" that no client has, with a name: nothing.
    open();
    dialogs.expectOk(msg::ClientNotFound);
    type(box("Text1"), QString::number(other + 1));
    leave(box("Text1"));
    type(box("Text2"), "QUALQUER");
    correct();
    EXPECT_EQ(dialogs.boxes.size(), 1u);
    EXPECT_EQ(names(), unchanged);

    // Deleted by another workstation while shown.
    click(button("Command3D2"));
    showClient();
    {
        SecondWorkstation w(mainDatabase().path());
        w.exec("DELETE FROM CLIENTES WHERE CODIGO = 40000");
    }
    dialogs.expectOk(WillCorrectAll).expectYes(Sure).expectOk(msg::ClientNotFound);
    correct();
    EXPECT_EQ(names(), unchanged);
    EXPECT_TRUE(shown());
}

TEST_F(ClientNameCorrectionTest, ALockedFileChangesNoDocument)
{
    showClient();
    SecondWorkstationWriting w(mainDatabase().path());
    dialogs.expectOk(WillCorrectAll).expectYes(Sure).expectOk(msg::RecordLocked + "3260");
    correct();
    EXPECT_TRUE(dialogs.boxes.back().title.isEmpty());
    EXPECT_TRUE(shown());
    EXPECT_EQ(text(box("Text1")), QString::number(Code));
}

TEST_F(ClientNameCorrectionTest, AFailedDocumentWriteUndoesTheOthers)
{
    showClient();
    // The third document refuses the name: the first two are put back.
    {
        SecondWorkstation w(mainDatabase().path());
        w.exec("CREATE TRIGGER refuse BEFORE UPDATE OF NOMCLIENTE ON DOCUMENTOS WHEN OLD.PROPOSTA = 3 "
               "BEGIN SELECT RAISE(ABORT, 'refused'); END");
    }
    dialogs.expectOk(WillCorrectAll).expectYes(Sure).expectOk();
    correct();
    EXPECT_EQ(names(), unchanged);
    EXPECT_TRUE(shown());
}

}  // namespace
}  // namespace vorna::test
