#include "EventFixture.h"

#include "platform/runtime/Runtime.h"
#include "support/SecondWorkstation.h"

namespace vorna {
namespace {

using test::click;
using test::type;
using Events = test::EventFixture;

TEST_F(Events, OpensBlankWithTheFocusInTheName)
{
    open();
    EXPECT_EQ(focused(), box("Text2"));
    EXPECT_FALSE(button("Command3D3")->isEnabled());
    EXPECT_FALSE(button("Command3D13")->isEnabled());
    EXPECT_EQ(list("Combo3")->ListIndex(), -1);
    QStringList types;
    for (int i = 0; i < list("Combo3")->ListCount(); ++i)
        types << list("Combo3")->List(i);
    EXPECT_EQ(types, (QStringList{"Cirurgia", "Consulta", "Exame", "Outros"}));
    EXPECT_TRUE(dialogs.boxes.empty());
}

// An event with its participant, one without, and one whose participant is gone.
TEST_F(Events, ShowsTheEventAndItsParticipantReadAgainByCode)
{
    const int ana = addParticipant("ANA SOUZA", {{"CPF", "123.456.789-09"}, {"NOMTIT", "JOSE SOUZA"},
                                                 {"CODTIT", "7"}, {"SENHA", "X1"}, {"SITUACAO", "Dependente"},
                                                 {"ANIV", day(2, 3, 1980)}, {"VALIDADE", day(31, 12, 2030)}});
    const int gone = addParticipant("PEDRO GONE", {{"CPF", "999"}});
    const int withAna = addEvent("ANA SOUZA", {{"CODVIDASAU", ana}, {"CARTAO", "C-1"}, {"TIPEVENTO", "Exame"},
                                              {"DTEVENTO", day(5, 4, 2016)}, {"VLRRECIBO", 1234.5},
                                              {"NEGADO", "S"}, {"OBS", "linha 1\nlinha 2"}});
    const int without = addEvent("SEM PARTICIPANTE", {{"TIPEVENTO", "Surgery"}, {"NEGADO", "X"}});
    const int orphan = addEvent("PEDRO GONE", {{"CODVIDASAU", gone}, {"NEGADO", "N"}});
    test::SecondWorkstation(pathOf("VORNA.MDB"))
        .exec(QStringLiteral("DELETE FROM VIDASAU WHERE CODIGO = %1").arg(gone).toUtf8().constData());
    open();

    showByCode(withAna);
    EXPECT_TRUE(shown());
    EXPECT_TRUE(button("Command3D13")->isEnabled());
    EXPECT_EQ(box("Text18")->text(), QString::number(ana));
    EXPECT_EQ(box("Text17")->text(), "123.456.789-09");
    EXPECT_EQ(box("Text36")->text(), "JOSE SOUZA");
    EXPECT_EQ(list("Combo4")->Text(), "Dependente");
    EXPECT_EQ(list("Combo3")->Text(), "Exame");
    EXPECT_EQ(masked("MaskEdBox1")->Text(), "05/04/2016");
    EXPECT_EQ(masked("MaskEdBox2")->Text(), "02/03/1980");
    EXPECT_EQ(masked("MaskEdBox5")->ClipText(), "");
    EXPECT_EQ(masked("MaskEdBox11")->Text(), "1234,5");
    EXPECT_EQ(masked("MaskEdBox11")->FormattedText(), "$1.234,50");
    EXPECT_TRUE(check("Check1")->isChecked());
    EXPECT_EQ(notes()->toPlainText(), "linha 1\nlinha 2");

    for (int code : {without, orphan}) {
        SCOPED_TRACE(code);
        showByCode(code);
        EXPECT_TRUE(shown());
        EXPECT_EQ(box("Text17")->text(), "");
        EXPECT_EQ(box("Text36")->text(), "");
        EXPECT_EQ(list("Combo4")->ListIndex(), -1);
        EXPECT_EQ(masked("MaskEdBox2")->ClipText(), "");
        EXPECT_FALSE(check("Check1")->isChecked());
        EXPECT_EQ(list("Combo3")->ListIndex(), -1);
    }
    EXPECT_TRUE(dialogs.boxes.empty());
}

TEST_F(Events, TheThreeRequiredBoxesInOrder)
{
    open();
    struct Case {
        QString name, date, type, message;
        const char* focus;
    };
    const Case cases[] = {
        {"   ", "10032016", "Exame", msg::RequiredName, "Text2"},
        {"ANA", "", "Exame", "PREENCHIMENTO OBRIGATORIO - DATA DE EVENTO", "MaskEdBox1"},
        {"ANA", "10032016", "", "PREENCHIMENTO OBRIGATORIO - TIPO DO EVENTO", "Combo3"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message.toStdString());
        type(box("Text2"), c.name);
        typeDate(masked("MaskEdBox1"), c.date);
        list("Combo3")->setText(c.type);
        dialogs.expectOk(c.message);
        click(button("Command3D1"));
        EXPECT_EQ(dialogs.boxes.back().title, msg::TitleAttentionExclaimed);
        EXPECT_EQ(focused()->objectName(), c.focus);
    }
    EXPECT_EQ(rowCount("PROCEDE"), 0);
    EXPECT_TRUE(auditRows().empty());
}

TEST_F(Events, ANewEventWithoutParticipantStoresNullCodeAndReportsItsCode)
{
    open();
    fillRequired("JOAO TESTE");
    type(masked("MaskEdBox11"), "1.234,56");
    type(box("Text4"), "RAIO X");
    dialogs.expectOk();
    click(button("Command3D1"));

    ASSERT_EQ(rowCount("PROCEDE"), 1);
    db::Recordset rs = findRow("PROCEDE", "NOME = 'JOAO TESTE'");
    const int code = int(rt::CLng(rs.field("CODIGO")));
    EXPECT_EQ(dialogs.boxes[0].text, "Evento Cadastrado com Código: " + QString::number(code));
    EXPECT_EQ(dialogs.boxes[0].title, "Inclusão");
    EXPECT_TRUE(rs.field("CODVIDASAU").isNull());
    EXPECT_DOUBLE_EQ(rs.field("VLRRECIBO").toDouble(), 1234.56);
    EXPECT_TRUE(rs.field("VLRPAGTO").isNull());
    EXPECT_EQ(rs.field("NEGADO").toString(), "N");
    EXPECT_EQ(rs.field("TIPEVENTO").toString(), "Exame");
    EXPECT_EQ(rt::Format(rs.field("DTEVENTO"), "dd/mm/yyyy"), "10/03/2016");
    const auto audit = auditRows();
    ASSERT_EQ(audit.size(), 1u);
    EXPECT_EQ(rt::CLng(audit[0].code), code);
    EXPECT_EQ(audit[0].remarks, "INCLUSÂO DE EVENTO");
    EXPECT_EQ(audit[0].name, "JOAO TESTE");
    EXPECT_EQ(rt::CLng(audit[0].user), UserCode);
    // The window is blank again.
    EXPECT_EQ(box("Text1")->text(), "");
    EXPECT_EQ(focused(), box("Text2"));
    EXPECT_FALSE(shown());
}

// A blanked box keeps the stored value; the flag and the name are always written;
// a shown amount saved again is stored unchanged.
TEST_F(Events, AlteringKeepsWhatBlankedBoxesHeld)
{
    const int code = addEvent("MARIA", {{"TIPEVENTO", "Consulta"}, {"DTEVENTO", day(1, 2, 2016)},
                                        {"DTPAGTO", day(3, 2, 2016)}, {"EVENTO", "CONSULTA X"},
                                        {"VLRPAGTO", 1234567.891}, {"NEGADO", "S"}});
    open();
    showByCode(code);
    type(box("Text4"), "  ");
    type(masked("MaskEdBox5"), "");
    check("Check1")->setChecked(false);
    click(button("Command3D1"));

    db::Recordset rs = event(code);
    EXPECT_EQ(rs.field("EVENTO").toString(), "CONSULTA X");
    EXPECT_EQ(rt::Format(rs.field("DTPAGTO"), "dd/mm/yyyy"), "03/02/2016");
    EXPECT_EQ(rs.field("NEGADO").toString(), "N");
    EXPECT_DOUBLE_EQ(rs.field("VLRPAGTO").toDouble(), 1234567.891);
    const auto audit = auditRows();
    ASSERT_EQ(audit.size(), 1u);
    EXPECT_EQ(audit[0].remarks, "DADOS DE EVENTO ALTERADOS");
    EXPECT_EQ(rt::CLng(audit[0].code), code);
    EXPECT_FALSE(shown());
    EXPECT_FALSE(button("Command3D13")->isEnabled());
    EXPECT_TRUE(dialogs.boxes.empty());
}

TEST_F(Events, AnAmountThatIsNoNumberIsRefusedBeforeAnythingIsWritten)
{
    open();
    fillRequired("JOAO");
    type(masked("MaskEdBox7"), "doze");
    dialogs.expectOk("VALOR INVALIDO");
    click(button("Command3D1"));
    EXPECT_EQ(dialogs.boxes[0].title, msg::TitleAttentionExclaimed);
    EXPECT_EQ(focused(), masked("MaskEdBox7"));
    EXPECT_EQ(rowCount("PROCEDE"), 0);
    EXPECT_TRUE(auditRows().empty());
    EXPECT_EQ(box("Text2")->text(), "JOAO");
}

TEST_F(Events, RightsDecideAdditionAndAlterationApart)
{
    const int code = addEvent("MARIA", {{"TIPEVENTO", "Consulta"}, {"DTEVENTO", day(1, 2, 2016)}});
    logIn(level::Total, {Right::ICC});
    open();
    showByCode(code);
    dialogs.expectOk(msg::NoAccessToModule);
    click(button("Command3D1"));
    EXPECT_EQ(dialogs.boxes.back().title, "");
    EXPECT_TRUE(shown());

    logIn(level::Total, {Right::ACC});
    click(button("Command3D2"));
    fillRequired("NOVO");
    dialogs.expectOk(msg::NoAccessToModule);
    click(button("Command3D1"));
    EXPECT_EQ(rowCount("PROCEDE"), 1);
    EXPECT_TRUE(auditRows().empty());
}

// The code box was emptied or changed without being left: nothing altered or added.
TEST_F(Events, AlterationChecksTheFindByTheCodeBox)
{
    const int code = addEvent("MARIA", {{"TIPEVENTO", "Consulta"}, {"DTEVENTO", day(1, 2, 2016)}});
    open();
    for (const QString& typed : {QString(""), QString("999")}) {
        SCOPED_TRACE(typed.toStdString());
        showByCode(code);
        box("Text1")->setText(typed);
        type(box("Text2"), "OUTRO NOME");
        dialogs.expectOk(NotFound);
        click(button("Command3D1"));
        EXPECT_EQ(event(code).field("NOME").toString(), "MARIA");
        EXPECT_EQ(box("Text2")->text(), "OUTRO NOME");
    }
    EXPECT_EQ(rowCount("PROCEDE"), 1);
    EXPECT_TRUE(auditRows().empty());
}

TEST_F(Events, AWriteTheDatabaseRefusesStoresNothing)
{
    const int code = addEvent("MARIA", {{"TIPEVENTO", "Consulta"}, {"DTEVENTO", day(1, 2, 2016)}});
    open();
    showByCode(code);
    type(box("Text2"), "MARIA ALTERADA");
    {
        test::SecondWorkstationWriting other(pathOf("VORNA.MDB"));
        dialogs.expect(dlg::Answer::Ok);
        click(button("Command3D1"));
    }
    ASSERT_EQ(dialogs.boxes.size(), 1u);
    EXPECT_TRUE(dialogs.boxes[0].text.startsWith(msg::RecordLocked));
    EXPECT_EQ(event(code).field("NOME").toString(), "MARIA");
    EXPECT_TRUE(auditRows().empty());
    EXPECT_EQ(box("Text2")->text(), "MARIA ALTERADA");
    EXPECT_TRUE(shown());
}

// ---- deletion -----------------------------------------------------------------------

TEST_F(Events, DeletionBehindThePasswordDeletesTheEventOfTheCodeBox)
{
    const int first = addEvent("ANA", {{"TIPEVENTO", "Consulta"}});
    const int second = addEvent("ANA BEATRIZ", {{"TIPEVENTO", "Exame"}});
    open();
    showByCode(first);
    // A search without a pick leaves the recordset on the last event found.
    type(box("Text2"), "ANA");
    click(button("Command3D4"));
    box("Text2")->setText("ANA");

    click(button("Command3D3"));
    EXPECT_FALSE(c<QWidget>("Frame3D1")->isVisible());
    EXPECT_FALSE(c<QWidget>("Frame3D2")->isVisible());
    EXPECT_EQ(box("Text29")->text(), "");
    type(box("Text29"), " Apagar ");
    dialogs.expectYes(msg::ConfirmDeletion);
    leave(box("Text29"));

    EXPECT_TRUE(c<QWidget>("Frame3D1")->isVisible());
    EXPECT_TRUE(c<QWidget>("Frame3D2")->isVisible());
    EXPECT_TRUE(findRow("PROCEDE", QStringLiteral("CODIGO = %1").arg(first)).NoMatch());
    EXPECT_FALSE(findRow("PROCEDE", QStringLiteral("CODIGO = %1").arg(second)).NoMatch());
    const auto audit = auditRows();
    ASSERT_EQ(audit.size(), 1u);
    EXPECT_EQ(rt::CLng(audit[0].code), first);
    EXPECT_EQ(audit[0].name, "ANA");
    EXPECT_EQ(audit[0].remarks, "EXCLUSAO DE EVENTO");
    EXPECT_FALSE(shown());
    EXPECT_EQ(focused(), box("Text1"));
}

TEST_F(Events, DeletionRefusalsAndTheNoAnswer)
{
    const int code = addEvent("ANA", {{"TIPEVENTO", "Consulta"}});
    open();
    showByCode(code);

    // Blank, then a password differing in case: the event stays shown.
    for (const QString& typed : {QString("  "), QString("apagar")}) {
        click(button("Command3D3"));
        type(box("Text29"), typed);
        if (!typed.trimmed().isEmpty())
            dialogs.expectOk(Refused);
        leave(box("Text29"));
        EXPECT_TRUE(shown());
        EXPECT_TRUE(c<QWidget>("Frame3D2")->isVisible());
    }
    EXPECT_EQ(dialogs.boxes.back().title, "");

    click(button("Command3D3"));
    type(box("Text29"), "Apagar");
    dialogs.expectNo(msg::ConfirmDeletion);
    leave(box("Text29"));
    EXPECT_FALSE(shown());
    EXPECT_EQ(box("Text1")->text(), "");
    EXPECT_EQ(rowCount("PROCEDE"), 1);

    logIn(level::Total, {Right::ICC, Right::ACC});
    showByCode(code);
    dialogs.expectOk(msg::NoAccessToModule);
    click(button("Command3D3"));
    EXPECT_FALSE(c<QWidget>("Frame3D6")->isVisible());
    EXPECT_TRUE(auditRows().empty());
}

}  // namespace
}  // namespace vorna
