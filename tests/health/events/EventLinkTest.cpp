#include "EventFixture.h"

#include "platform/runtime/Runtime.h"

namespace vorna {
namespace {

using test::click;
using test::type;
using EventLink = test::EventFixture;

const QString PolicyMissing =
    QStringLiteral("APÓLICE NÃO ENCONTRADA! REVEJA O CADASTRAMENTO DA APÓLICE E DO PARTICIPANTE!");

TEST_F(EventLink, TheSearchListsHoldersAndDependantsAndKeepsEarlierLines)
{
    addParticipant("ANA SILVA");
    addParticipant("JOSE SILVA", {{"SITUACAO", "Titular"}});
    addParticipant("PEDRO COSTA");
    open();

    type(box("Text2"), "  ");
    dialogs.expectOk("DIGITE PELO MENOS ALGUM PEDAÇO DO NOME");
    click(button("Command3D21"));
    EXPECT_FALSE(names()->isVisible());

    type(box("Text2"), "SILVA");
    click(button("Command3D21"));
    EXPECT_TRUE(names()->isVisible());
    EXPECT_EQ(test::items(names()), (QStringList{"ANA SILVA", "JOSE SILVA"}));
    type(box("Text2"), "ANA");
    click(button("Command3D21"));
    EXPECT_EQ(test::items(names()), (QStringList{"ANA SILVA", "ANA SILVA", "JOSE SILVA"}));

    type(box("Text2"), "XAVIER");
    dialogs.expectOk("TITULAR NÃO ENCONTRADO");
    click(button("Command3D21"));
    EXPECT_FALSE(names()->isVisible());
    EXPECT_EQ(names()->ListCount(), 3);
}

// Typed text never widens or breaks the criteria.
TEST_F(EventLink, PatternCharactersAndApostrophesMatchThemselves)
{
    addParticipant("JOANA D'ARC");
    addParticipant("ANA*STAR");
    addParticipant("ANAXSTAR");
    open();
    type(box("Text2"), "");
    box("Text2")->setText("D'A");
    click(button("Command3D21"));
    EXPECT_EQ(test::items(names()), (QStringList{"JOANA D'ARC"}));
    names()->Clear();
    box("Text2")->setText("A*S");
    click(button("Command3D21"));
    EXPECT_EQ(test::items(names()), (QStringList{"ANA*STAR"}));
    EXPECT_TRUE(dialogs.boxes.empty());
}

// The line picked is the participant linked, also among namesakes; the
// policy's document gives the operator and plan.
TEST_F(EventLink, ThePickCopiesThePickedNamesakeAndItsPolicy)
{
    addParticipant("ANA SILVA", {{"CARTAO", "FIRST"}, {"APOLICE", "111"}});
    const int second = addParticipant("ANA SILVA", {{"CARTAO", "SECOND"}, {"APOLICE", "222"},
                                                    {"EMAIL", "ana@x.com"}, {"SITUACAO", "Titular"},
                                                    {"VALIDADE", day(1, 1, 2030)}});
    addDocument("0111-1", {{"NOMCLIENTE", "EMPRESA A"}});
    addDocument("0222-9", {{"NOMCLIENTE", "EMPRESA B"}, {"RAMO", "58"}, {"NOMRAMO", "SAUDE"},
                           {"SEGURADORA", "9"}, {"NOMSEGURADORA", "OPERADORA NOVE"}});
    open();
    typeDate(masked("MaskEdBox1"), "01022016");
    type(box("Text2"), "ANA");
    click(button("Command3D21"));
    ASSERT_EQ(names()->ListCount(), 2);
    // Which line is the second participant: the one whose card comes out SECOND.
    test::pickRow(names(), 1);
    if (box("Text18")->text() != QString::number(second)) {
        type(box("Text2"), "ANA");
        click(button("Command3D21"));
        test::pickRow(names(), 0);
    }
    EXPECT_EQ(box("Text18")->text(), QString::number(second));
    EXPECT_EQ(box("Text43")->text(), "SECOND");
    EXPECT_EQ(box("Text42")->text(), "222");
    EXPECT_EQ(box("Text34")->text(), "EMPRESA B");
    EXPECT_EQ(box("Text11")->text(), "58");
    EXPECT_EQ(box("Text12")->text(), "OPERADORA NOVE");
    EXPECT_EQ(box("Text5")->text(), "ana@x.com");
    EXPECT_EQ(list("Combo4")->Text(), "Titular");
    EXPECT_EQ(masked("MaskEdBox22")->Text(), "01/01/2030");
    EXPECT_EQ(masked("MaskEdBox1")->Text(), "01/02/2016");  // the event's own box kept
    EXPECT_FALSE(names()->isVisible());
    EXPECT_EQ(names()->ListCount(), 0);
}

// The pick empties what an earlier participant left, so the event is never
// saved with that participant's card, policy, operator or plan.
TEST_F(EventLink, ThePickLeavesNothingOfAnEarlierParticipant)
{
    addParticipant("ANA SILVA", {{"CARTAO", "C-ANA"}, {"APOLICE", "111"}, {"EMAIL", "ana@x.com"},
                                 {"SITUACAO", "Titular"}});
    const int bruno = addParticipant("BRUNO LIMA");
    addDocument("111", {{"RAMO", "58"}, {"SEGURADORA", "9"}});
    open();
    type(box("Text2"), "ANA");
    click(button("Command3D21"));
    test::pickRow(names(), 0);
    ASSERT_EQ(box("Text43")->text(), "C-ANA");

    type(box("Text2"), "BRUNO");
    click(button("Command3D21"));
    test::pickRow(names(), 0);
    for (const char* name : {"Text43", "Text42", "Text11", "Text15", "Text5", "Text34"})
        EXPECT_EQ(box(name)->text(), "") << name;
    EXPECT_EQ(list("Combo4")->ListIndex(), -1);

    typeDate(masked("MaskEdBox1"), "01022016");
    list("Combo3")->setText("Exame");
    dialogs.expectOk();
    click(button("Command3D1"));
    db::Recordset rs = findRow("PROCEDE", "NOME = 'BRUNO LIMA'");
    ASSERT_FALSE(rs.NoMatch());
    EXPECT_EQ(rt::CLng(rs.field("CODVIDASAU")), bruno);
    EXPECT_TRUE(rs.field("CARTAO").isNull());
    EXPECT_TRUE(rs.field("PLANO").isNull());
}

TEST_F(EventLink, APolicyInNoDocumentKeepsTheListOpen)
{
    addParticipant("ANA SILVA", {{"APOLICE", "777"}, {"ESTIPULANTE", "PROPRIA"}});
    open();
    type(box("Text2"), "ANA");
    click(button("Command3D21"));
    dialogs.expectOk(PolicyMissing);
    test::pickRow(names(), 0);
    EXPECT_EQ(dialogs.boxes.back().title, msg::TitleAttention);
    EXPECT_EQ(box("Text42")->text(), "777");
    EXPECT_EQ(box("Text34")->text(), "PROPRIA");
    EXPECT_TRUE(names()->isVisible());
    EXPECT_EQ(names()->ListCount(), 1);
}

// Picking on a shown event alters that event, which then belongs to the new participant.
TEST_F(EventLink, APickOnAShownEventRelinksItOnSave)
{
    const int ana = addParticipant("ANA SILVA", {{"CARTAO", "C-ANA"}});
    const int code = addEvent("BRUNO", {{"CARTAO", "C-BRUNO"}, {"PLANO", "10"}, {"TIPEVENTO", "Exame"},
                                        {"DTEVENTO", day(1, 2, 2016)}});
    open();
    showByCode(code);
    type(box("Text2"), "ANA");
    click(button("Command3D21"));
    test::pickRow(names(), 0);
    click(button("Command3D1"));
    db::Recordset rs = event(code);
    EXPECT_EQ(rt::CLng(rs.field("CODVIDASAU")), ana);
    EXPECT_EQ(rs.field("NOME").toString(), "ANA SILVA");
    EXPECT_EQ(rs.field("CARTAO").toString(), "C-ANA");
    EXPECT_EQ(rs.field("PLANO").toString(), "10");  // the new participant has none: kept
    EXPECT_EQ(rowCount("PROCEDE"), 1);
}

TEST_F(EventLink, TheEventByCode)
{
    const int code = addEvent("ANA", {{"TIPEVENTO", "Exame"}});
    open();
    showByCode(code);
    ASSERT_TRUE(shown());
    type(box("Text2"), "CHANGED");
    leave(box("Text1"));
    EXPECT_EQ(box("Text2")->text(), "ANA");

    for (const QString& typed : {QString("999"), QString("1x")}) {
        SCOPED_TRACE(typed.toStdString());
        showByCode(code);
        box("Text1")->setText(typed);
        dialogs.expectOk(NotFound);
        leave(box("Text1"));
        EXPECT_FALSE(shown());
        EXPECT_FALSE(button("Command3D13")->isEnabled());
        EXPECT_EQ(box("Text2")->text(), "ANA");
    }
    type(box("Text1"), "");
    leave(box("Text1"));
    EXPECT_EQ(dialogs.boxes.size(), 2u);
}

// Routines of the disabled boxes, run by calling their handlers.
TEST_F(EventLink, TheLookUpsOfTheDisabledBoxes)
{
    const int holder = addParticipant("JOSE", {{"CARTAO", "H-1"}, {"SITUACAO", "Titular"}});
    const int dependant = addParticipant("ANA", {{"SITUACAO", "Dependente"}, {"CPF", "555"}});
    addDocument("ABC-1", {{"NOMCLIENTE", "EMPRESA"}});
    open();
    const auto lose = [this](const char* name, const QString& text) {
        box(name)->setEnabled(true);
        type(box(name), text);
        leave(box(name));
        box(name)->setEnabled(false);
    };
    lose("Text44", QString::number(holder));
    EXPECT_EQ(box("Text36")->text(), "JOSE");
    EXPECT_EQ(box("Text45")->text(), "H-1");
    dialogs.expectOk("PARTICIPANTE REFERENCIADO NÃO É TITULAR!");
    lose("Text44", QString::number(dependant));
    dialogs.expectOk("TITULAR NÃO ENCONTRADO");
    lose("Text44", "999");
    lose("Text42", "BC");
    EXPECT_EQ(box("Text34")->text(), "EMPRESA");
    dialogs.expectOk("APÓLICE NÃO ENCONTRADA!");
    lose("Text42", "ZZ");
    type(box("Text2"), "TYPED");
    dialogs.expectOk("JÁ EXISTE UM PARTICIPANTE COM ESTE CPF E SEU CÓDIGO É: " + QString::number(dependant));
    lose("Text17", "555");
    EXPECT_EQ(box("Text2")->text(), "");
}

}  // namespace
}  // namespace vorna
