#include "DocumentFixture.h"

#include "support/SecondWorkstation.h"

#include <QTimer>

namespace vorna {
namespace {

// A document shown as the return from the client window shows it.
class DocumentShow : public test::DocumentFixture {
protected:
    void showOnOpening(int number, int branch = 1)
    {
        state().handOver.CallerCode = Variant(caller::ClientFromDocument);
        state().handOver.ReturnDocumentNumber = number;
        state().handOver.ReturnDocumentBranch = branch;
        open();
    }
    bool shown() { return !box("Text1")->text().isEmpty(); }
};

// Who sees a document: the consult right first, then at level VEXA only the
// user named by the producer's password.
TEST_F(DocumentShow, TheViewingRulesDecideWhoSeesTheDocument)
{
    addRow("PRODUTOR", {{"CODIGO", 7}, {"FILIAL", 1}, {"NOME", "PRODUTOR COM SENHA"}, {"SENHA", "JOAO"}});
    addProducer(8, 1, "PRODUTOR SEM SENHA");
    const int withPassword = addDocument({{"PROD1", 7}});
    const int withoutPassword = addDocument({{"PROD1", 8}});
    const int noProducer = addDocument({{"PROD1", 99}});
    struct Case {
        const char* what;
        QString level;
        bool consult;
        QString user;
        int document;
        QString refusal;  // empty: shown
        QString owner;
    } cases[] = {
        {"level 1, any producer", level::Total, true, "ANA", withPassword, "", "JOAO"},
        {"no consult right", level::Total, false, "JOAO", withPassword, msg::NoAccessToModule, "JOAO"},
        {"VEXA, the owner", level::Minimum, true, "JOAO", withPassword, "", "JOAO"},
        {"VEXA, another user", level::Minimum, true, "joao", withPassword, msg::NotAllowedToSeeDocument, "JOAO"},
        {"VEXA, producer without password", level::Minimum, true, "WENDOLK", withoutPassword, "", "WENDOLK"},
        {"VEXA, no producer, a blank", level::Minimum, true, " ", noProducer, "", " "},
        {"VEXA, no producer", level::Minimum, true, "JOAO", noProducer, msg::NotAllowedToSeeDocument, " "},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        dialogs.clear();
        std::vector<Right> rights = everyRight();
        if (!c.consult)
            std::erase(rights, Right::CCD);
        logIn(c.level, rights);
        state().session.UserIdentification = Variant(c.user);
        if (!c.refusal.isEmpty())
            dialogs.expectOk(c.refusal);
        showOnOpening(c.document);
        EXPECT_EQ(shown(), c.refusal.isEmpty());
        EXPECT_EQ(button("Command3D3")->isEnabled(), c.refusal.isEmpty());
        EXPECT_EQ(state().session.DocumentOwner, Variant(c.owner));
        test::click(button("Command3D5"));
    }
}

// Fourteen commission boxes show "0" to VEXA and to a user whose rights hide
// commissions; "Em aberto" is then the received commission with its sign reversed.
TEST_F(DocumentShow, CommissionsHiddenAndTheOpenCommission)
{
    addRow("PRODUTOR", {{"CODIGO", 7}, {"FILIAL", 1}, {"NOME", "ANA"}, {"SENHA", "ANA"}});
    const int number = addDocument({{"PROD1", 7}, {"PCOMISSAO", 20}, {"VCOMISSAO", 300}, {"PREP1", 10},
                                    {"VREP1", 30}, {"VREPASSE", 30}, {"PDESCONTO", 5}});
    addRow("PARCELAS", {{"PROPOSTA", number}, {"NUMERO", 1}, {"FILIAL", 1}, {"DP1", Variant::date(QDate(2024, 1, 5))},
                        {"VP1", 100}});
    struct Case {
        const char* what;
        QString level;
        bool hide;
        QString commission, open;
    } cases[] = {
        {"shown", level::Total, false, "300", "200"},
        {"OCU", level::Total, true, "0", "-100"},
        {"VEXA", level::Minimum, false, "0", "-100"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::vector<Right> rights = everyRight();
        if (c.hide)
            rights.push_back(Right::OCU);
        logIn(c.level, rights);
        state().session.UserIdentification = Variant("ANA");
        showOnOpening(number);
        ASSERT_TRUE(shown());
        EXPECT_EQ(masked("MaskEdBox11")->Text(), c.commission);
        for (const char* hidden : {"MaskEdBox6", "MaskEdBox10", "MaskEdBox12", "MaskEdBox15", "MaskEdBox18"})
            EXPECT_EQ(masked(hidden)->Text() == "0", c.commission == "0") << hidden;
        EXPECT_EQ(box("Text18")->text(), "7");
        EXPECT_EQ(masked("MaskEdBox83")->Text(), c.open);
        EXPECT_EQ(values().ReceivedCommission, 100);
        test::click(button("Command3D5"));
    }
}

// Producer names come from the producer of the document's branch; the group
// name from its code; a document without a client code says so after the fill.
TEST_F(DocumentShow, NamesLookedUpAndTheMissingClientCode)
{
    addProducer(7, 1, "SETE DA MATRIZ");
    addProducer(7, 2, "SETE DA FILIAL");
    addProducer(9, 2, "NOVE DA FILIAL");
    addRow("GRUPO", {{"CODIGO", 4}, {"NOME", "GRUPO QUATRO"}});
    addRow("RAMOS", {{"CODIGO", 1}, {"NOME", "RAMO"}});
    addRow("CIAS", {{"CODIGO", 1}, {"NOME", "CIA"}});
    addRow("ATENDE", {{"XCONPG", 1}, {"XCONTA", "ATENDENTE"}});
    const int number = addDocument({{"FILIAL", 2}, {"PROD1", 7}, {"PROD3", 9}, {"PROD2", 55}, {"CHAME", "4"},
                                    {"CODCLIENTE", Variant::null()}});
    values().ProducerNameBeforeEdit[1] = Variant("ANTES");
    dialogs.expectOk("NÃO ESTÁ PREENCHIDO O CÓDIGO DO CLIENTE!");
    showOnOpening(number, 2);
    EXPECT_EQ(box("Text23")->text(), "2");
    EXPECT_EQ(list("Combo8")->Text(), "SETE DA FILIAL");
    EXPECT_EQ(list("Combo9")->Text(), "");
    EXPECT_EQ(list("Combo10")->Text(), "NOVE DA FILIAL");
    EXPECT_EQ(values().ProducerNameBeforeEdit[0], Variant("SETE DA FILIAL"));
    EXPECT_EQ(values().ProducerNameBeforeEdit[1], Variant("ANTES"));
    EXPECT_EQ(list("Combo14")->Text(), "GRUPO QUATRO");
    EXPECT_EQ(list("Combo5")->Text(), "CLIENTE");
    EXPECT_FALSE(list("Combo5")->isEnabled());
}

// A claim on the policy (the last of several) starts the signal and shows the
// claims button; the next document without one stops it, the process stays.
TEST_F(DocumentShow, AClaimOnThePolicyAndThenADocumentWithout)
{
    addRow("SINISTRO", {{"PROCESSO", 11}, {"APOLICE", " AP'1* "}});
    addRow("SINISTRO", {{"PROCESSO", 12}, {"APOLICE", "OUTRA"}});
    addRow("SINISTRO", {{"PROCESSO", 13}, {"APOLICE", "AP'1*"}});
    addRow("SINISTRO", {{"PROCESSO", 14}, {"APOLICE", "AP'12"}});
    const int claimed = addDocument({{"APOLICE", "AP'1*"}});
    const int clean = addDocument({{"APOLICE", "AP'9"}});
    showOnOpening(claimed);
    auto* timer = form().findChild<QTimer*>("Timer1");
    EXPECT_TRUE(timer->isActive());
    EXPECT_FALSE(control("Command3")->isHidden());
    EXPECT_EQ(state().document.ClaimProcessNumber, 13);
    EXPECT_EQ(values().ShownPolicyNumber, Variant("AP'1*"));
    test::click(button("Command3D5"));
    showOnOpening(clean);
    EXPECT_TRUE(shown());
    EXPECT_FALSE(form().findChild<QTimer*>("Timer1")->isActive());
    EXPECT_TRUE(control("Command3")->isHidden());
    EXPECT_EQ(state().document.ClaimProcessNumber, 13);
}

// The status colours the fields; a pick in the status list recolours it alone.
TEST_F(DocumentShow, StatusColoursAndAPickInTheStatusList)
{
    const int number = addDocument({{"VIGENTE", "E"}, {"APOLICE", "X1"}});
    showOnOpening(number);
    EXPECT_EQ(list("Combo1")->Text(), "CANCELADO");
    const QColor cancelled = box("Text2")->palette().color(QPalette::Text);
    EXPECT_NE(cancelled, QColor(0, 0, 255));
    list("Combo1")->setText("VIGENTE");
    EXPECT_NE(list("Combo1")->palette().color(QPalette::Text), cancelled);
    EXPECT_EQ(box("Text2")->palette().color(QPalette::Text), cancelled);
    test::click(button("Command3D1"));
    EXPECT_EQ(box("Text2")->palette().color(QPalette::Text), QColor(0, 0, 255));
}

// A look-up of the show that meets an engine error (its table renamed away by
// another workstation) takes the part already shown off the window: no number,
// fields or buttons a save or a deletion could act on. "Consultar" names the
// engine's error; the navigation says there is nothing to show.
TEST_F(DocumentShow, AnEngineErrorMidwayLeavesNoHalfShownDocument)
{
    addProducer(7, 1, "ANA");
    addRow("GRUPO", {{"CODIGO", 4}, {"NOME", "GRUPO QUATRO"}});
    addRow("RAMOS", {{"CODIGO", 1}, {"NOME", "RAMO"}});
    addRow("CIAS", {{"CODIGO", 1}, {"NOME", "CIA"}});
    addRow("ATENDE", {{"XCONPG", 1}, {"XCONTA", "ATENDENTE"}});
    const int first = addDocument({{"APOLICE", "AP1"}, {"PROD1", 7}, {"CHAME", "4"}});
    const int second = addDocument({{"APOLICE", "AP2"}, {"PROD1", 7}, {"CHAME", "4"}});
    // A set empty when the window opened is searched without a read: each
    // table has a row.
    addRow("CLIENTES", {{"CODIGO", 1}, {"FILIAL", 1}, {"NOME", "CLIENTE"}});
    addRow("SINISTRO", {{"PROCESSO", 3}, {"APOLICE", "OUTRA"}});
    addRow("PARCELAS", {{"PROPOSTA", second}, {"NUMERO", 1}, {"FILIAL", 1}, {"VALOR", 10}});
    const auto onOtherWorkstation = [this](const QString& sql) {
        test::SecondWorkstation other(pathOf(QStringLiteral("VORNA.MDB")));
        other.exec(sql.toUtf8().constData());
    };
    const auto consult = [this](int number) {
        box("Text1")->setText(QString::number(number));
        test::click(button("Command3D4"));
    };
    open();
    for (const char* table : {"GRUPO", "CLIENTES", "SINISTRO", "PARCELAS"}) {
        for (const bool byNavigation : {false, true}) {
            SCOPED_TRACE(std::string(table) + (byNavigation ? ", next" : ", consult"));
            dialogs.clear();
            consult(first);
            ASSERT_EQ(box("Text1")->text(), QString::number(first));
            onOtherWorkstation(QStringLiteral("ALTER TABLE %1 RENAME TO FORA").arg(table));
            dialogs.expectOk();
            if (byNavigation)
                test::click(button("Command3D6"));
            else
                consult(second);
            ASSERT_EQ(dialogs.boxes.size(), 1u);
            if (byNavigation) {
                EXPECT_EQ(dialogs.boxes[0].text, msg::NoRecords);
            } else {
                EXPECT_TRUE(dialogs.boxes[0].text.contains(table)) << dialogs.boxes[0].text.toStdString();
                EXPECT_EQ(dialogs.boxes[0].title, msg::TitleAttention);
            }
            for (const char* empty : {"Text1", "Text2", "Text9", "Text18"})
                EXPECT_EQ(box(empty)->text(), "") << empty;
            EXPECT_EQ(list("Combo8")->Text(), "");
            for (const char* off : {"Command3D3", "Command3D13", "Command3D20"})
                EXPECT_FALSE(button(off)->isEnabled()) << off;
            EXPECT_FALSE(form().findChild<QTimer*>("Timer1")->isActive());
            EXPECT_TRUE(form().isEnabled());

            // The table back, the same document shows whole.
            onOtherWorkstation(QStringLiteral("ALTER TABLE FORA RENAME TO %1").arg(table));
            consult(second);
            EXPECT_EQ(box("Text1")->text(), QString::number(second));
            EXPECT_EQ(list("Combo14")->Text(), "GRUPO QUATRO");
            EXPECT_TRUE(button("Command3D3")->isEnabled());
        }
    }
}

}  // namespace
}  // namespace vorna
