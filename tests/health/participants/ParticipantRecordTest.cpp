#include "ParticipantFixture.h"

#include "common/WindowRefs.h"
#include "platform/runtime/Runtime.h"
#include "support/SecondWorkstation.h"

#include <QDate>

namespace vorna {
namespace {

using namespace test;
using ParticipantRecordTest = ParticipantFixture;

const char* const HolderBoxes[] = {"Label25", "Text44", "Text36", "Text45", "Command3D21"};

// ---- display ----------------------------------------------------------------------------

TEST_F(ParticipantRecordTest, OpensEmptyReadyForANewParticipant)
{
    open();
    EXPECT_EQ(form().windowTitle(), "Cadastro de Titulares e Dependentes");
    EXPECT_FALSE(shown());
    for (const char* name : HolderBoxes)
        EXPECT_TRUE(control(name)->isVisible()) << name;
    EXPECT_EQ(list("Combo3")->ListIndex(), -1);
    EXPECT_EQ(list("Combo4")->ListIndex(), -1);
    EXPECT_EQ(list("Combo3")->ListCount(), 28);
    EXPECT_EQ(list("Combo4")->List(0), "Dependente");
    EXPECT_EQ(list("Combo4")->List(1), "Titular");
    EXPECT_EQ(list("Combo1")->ListCount(), 60);
    EXPECT_EQ(focused(), box("Text42"));
    EXPECT_FALSE(control("Frame3D6")->isVisible());
    for (const char* name : {"List1", "List2", "List3"})
        EXPECT_FALSE(control(name)->isVisible()) << name;
}

TEST_F(ParticipantRecordTest, ShowsADependantWithItsHolderAndDates)
{
    const int holder = addHolder("JOAO DA SILVA", {{"CARTAO", "111"}});
    const int code = addDependant("MARIA DA SILVA", holder,
                                  {{"CPF", "123"}, {"ANIV", Variant::date(QDate(1980, 3, 5))}, {"VALIDADE", Variant::date(QDate(2027, 12, 31))},
                                   {"UF", "SP"}, {"EMAIL", "maria@x.com"}, {"CIDADE", Variant::null()}});
    open();
    showByCode(code);
    ASSERT_TRUE(shown());
    EXPECT_EQ(text(box("Text2")), "MARIA DA SILVA");
    EXPECT_EQ(text(box("Text44")), QString::number(holder));
    EXPECT_EQ(text(box("Text36")), "JOAO DA SILVA");
    EXPECT_EQ(text(box("Text45")), "111");
    EXPECT_EQ(text(box("Text5")), "");
    EXPECT_EQ(masked("MaskEdBox2")->Text(), "05/03/1980");
    EXPECT_EQ(masked("MaskEdBox22")->Text(), "31/12/2027");
    EXPECT_EQ(list("Combo3")->Text(), "SP");
    EXPECT_EQ(list("Combo4")->Text(), "Dependente");
    for (const char* name : HolderBoxes)
        EXPECT_TRUE(control(name)->isVisible()) << name;
}

struct StatusCase {
    const char* stored;
    bool holderBoxesShown;
    int chosen;
};

class StatusShownTest : public ParticipantRecordTest, public ::testing::WithParamInterface<StatusCase> {};

TEST_P(StatusShownTest, OnlyAnExactHolderHidesAndEmptiesTheHolderBoxes)
{
    const StatusCase& c = GetParam();
    const int code = addParticipant("ANA", {{"SITUACAO", c.stored}, {"CODTIT", "9"}, {"NOMTIT", "OUTRO"},
                                            {"CARTIT", "999"}, {"UF", "sp"}});
    open();
    showByCode(code);
    EXPECT_EQ(list("Combo4")->ListIndex(), c.chosen);
    EXPECT_EQ(list("Combo3")->ListIndex(), -1);  // "sp" is no item
    for (const char* name : HolderBoxes)
        EXPECT_EQ(control(name)->isVisible(), c.holderBoxesShown) << name;
    EXPECT_EQ(text(box("Text44")), c.holderBoxesShown ? "9" : "");
    EXPECT_EQ(text(box("Text36")), c.holderBoxesShown ? "OUTRO" : "");
}

INSTANTIATE_TEST_SUITE_P(Statuses, StatusShownTest,
                         ::testing::Values(StatusCase{"Titular", false, 1}, StatusCase{"TITULAR", true, -1},
                                           StatusCase{"Titular ", true, -1}, StatusCase{"Dependente", true, 0}));

TEST_F(ParticipantRecordTest, LeavingTheStatusListTogglesTheHolderBoxes)
{
    open();
    type(box("Text45"), "12");
    choose(list("Combo4"), "Titular");
    leave(list("Combo4"));
    EXPECT_FALSE(box("Text45")->isVisible());
    choose(list("Combo4"), "Dependente");
    leave(list("Combo4"));
    EXPECT_TRUE(box("Text45")->isVisible());
    EXPECT_EQ(text(box("Text45")), "");
}

TEST_F(ParticipantRecordTest, ClearingAfterAHolderShowsTheHolderBoxesEmpty)
{
    const int code = addHolder("JOAO");
    open();
    showByCode(code);
    EXPECT_FALSE(box("Text36")->isVisible());
    click(button("Command3D2"));
    EXPECT_FALSE(shown());
    EXPECT_TRUE(box("Text36")->isVisible());
    for (const char* name : {"Text1", "Text2", "Text43"})
        EXPECT_EQ(text(box(name)), "") << name;
    EXPECT_EQ(list("Combo4")->ListIndex(), -1);
}

TEST_F(ParticipantRecordTest, HoverCaptions)
{
    open();
    expectEachButtonsCaption({{button("Command3D1"), "Gravar"},
                              {button("Command3D2"), "Limpar"},
                              {button("Command3D4"), "Consultar"},
                              {button("Command3D5"), "Sair"},
                              {button("Command3D8"), "Primeiro Anterior Proximo Último"},
                              {button("Command3D9"), "Primeiro Anterior Proximo Último"},
                              {button("Command3D6"), "Primeiro Anterior Proximo Último"},
                              {button("Command3D7"), "Primeiro Anterior Proximo Último"}},
                             &form(), QPoint(400, 40), [this] {
                                 QStringList shownCaptions;
                                 for (const char* name : {"Label42", "Label41", "Label40", "Label39", "Label36",
                                                          "Label51"})
                                     if (label(name)->isVisible())
                                         shownCaptions << label(name)->text();
                                 return shownCaptions;
                             });
}

// ---- the document window's client return -----------------------------------------------

TEST_F(ParticipantRecordTest, OpenedWhileTheDocumentWindowWaitsShowsThePassedCode)
{
    const int code = addHolder("JOAO");
    state().handOver.CallerCode = caller::ClientFromDocument;
    state().handOver.PassedRecordCode = code;
    open();
    EXPECT_TRUE(shown());
    EXPECT_EQ(text(box("Text2")), "JOAO");
    EXPECT_EQ(label("Label36")->text(), "Retornar");
}

TEST_F(ParticipantRecordTest, OpenedWhileTheDocumentWindowWaitsWithAnUnknownCode)
{
    state().handOver.CallerCode = caller::ClientFromDocument;
    state().handOver.PassedRecordCode = 77;
    dialogs.expectOk("CLIENTE NAO ENCONTRADO");
    open();
    EXPECT_FALSE(shown());
    EXPECT_EQ(dialogs.boxes.back().title, msg::TitleAttentionExclaimed);
}

// ---- "Gravar" ----------------------------------------------------------------------------

struct MissingCase {
    const char* name;
    const char* card;
    const char* status;
    const char* holderCode;
    const char* holderName;
    const char* holderCard;
    const char* message;
    const char* focus;
};

class RequiredTest : public ParticipantRecordTest, public ::testing::WithParamInterface<MissingCase> {};

TEST_P(RequiredTest, TheFirstMissingEntryStopsTheSave)
{
    const MissingCase& c = GetParam();
    open();
    type(box("Text2"), c.name);
    type(box("Text43"), c.card);
    if (*c.status)
        choose(list("Combo4"), c.status);
    box("Text44")->setText(c.holderCode);  // pasted: no look-up
    box("Text36")->setText(c.holderName);
    box("Text45")->setText(c.holderCard);
    dialogs.expectOk(c.message);
    click(button("Command3D1"));
    EXPECT_EQ(dialogs.boxes.back().title, msg::TitleAttentionExclaimed);
    EXPECT_EQ(focused(), control(c.focus));
    EXPECT_EQ(rowCount("VIDASAU"), 0);
    EXPECT_TRUE(auditRows().empty());
}

INSTANTIATE_TEST_SUITE_P(
    Order, RequiredTest,
    ::testing::Values(
        MissingCase{"", "", "", "", "", "", "PREENCHIMENTO OBRIGATORIO - NOME", "Text2"},
        MissingCase{"   ", "1", "Titular", "", "", "", "PREENCHIMENTO OBRIGATORIO - NOME", "Text2"},
        MissingCase{"ANA", "", "", "", "", "", "PREENCHIMENTO OBRIGATORIO - CARTÃO", "Text43"},
        MissingCase{"ANA", "1", "", "", "", "", "PREENCHIMENTO OBRIGATORIO - STATUS", "Combo4"},
        MissingCase{"ANA", "1", "Dependente", "", "X", "Y", "PREENCHIMENTO OBRIGATORIO - CÓDIGO DO TITULAR",
                    "Text44"},
        MissingCase{"ANA", "1", "Dependente", "5", " ", "Y", "PREENCHIMENTO OBRIGATORIO - NOME DO TITULAR",
                    "Text36"},
        MissingCase{"ANA", "1", "Dependente", "5", "X", "", "PREENCHIMENTO OBRIGATORIO - CARTÃO DO TITULAR",
                    "Text45"}));

TEST_F(ParticipantRecordTest, AddsAHolderReportsItsCodeAndAuditsIt)
{
    open();
    fillHolder("  JOAO", "C1");
    typeDate(masked("MaskEdBox2"), "05031980");
    type(box("Text16"), "joao@x.com");
    dialogs.expectOk(Added + "1");
    click(button("Command3D1"));
    EXPECT_EQ(dialogs.boxes.back().title, "Inclusão");
    EXPECT_EQ(rt::CStr(stored(1, "NOME")), "  JOAO");  // leading blanks kept
    EXPECT_EQ(rt::CStr(stored(1, "SITUACAO")), "Titular");
    EXPECT_EQ(stored(1, "ANIV").dateTimeValue().date(), QDate(1980, 3, 5));
    EXPECT_TRUE(stored(1, "VALIDADE").isNull());  // nothing typed
    EXPECT_TRUE(stored(1, "CPF").isNull());
    ASSERT_EQ(auditRows().size(), 1u);
    EXPECT_EQ(rt::CLng(auditRows()[0].code), 1);
    EXPECT_EQ(auditRows()[0].name, "  JOAO");
    EXPECT_EQ(auditRows()[0].remarks, "INCLUSÂO DE PARTICIPANTE");
    EXPECT_EQ(rt::CLng(auditRows()[0].user), UserCode);
    EXPECT_FALSE(shown());
    EXPECT_EQ(text(box("Text2")), "");
    EXPECT_EQ(focused(), box("Text2"));
}

TEST_F(ParticipantRecordTest, AlteringKeepsWhatABlankBoxHadAndWritesTypedDates)
{
    const int code = addHolder("JOAO", {{"CPF", "123"}, {"VALIDADE", Variant::date(QDate(2020, 1, 1))}, {"ANIV", Variant::date(QDate(1970, 1, 2))}});
    const int other = addHolder("OUTRO", {{"CPF", "555"}});
    open();
    showByCode(code);
    box("Text17")->clear();
    typeDate(masked("MaskEdBox22"), "31122030");
    type(box("Text2"), "JOAO SOUZA");
    click(button("Command3D1"));
    EXPECT_EQ(rt::CStr(stored(code, "CPF")), "123");
    EXPECT_EQ(rt::CStr(stored(code, "NOME")), "JOAO SOUZA");
    EXPECT_EQ(stored(code, "VALIDADE").dateTimeValue().date(), QDate(2030, 12, 31));
    EXPECT_EQ(stored(code, "ANIV").dateTimeValue().date(), QDate(1970, 1, 2));
    EXPECT_EQ(rt::CStr(stored(other, "NOME")), "OUTRO");
    ASSERT_EQ(auditRows().size(), 1u);
    EXPECT_EQ(auditRows()[0].remarks, "DADOS DE PARTICIPANTE ALTERADOS");
    EXPECT_EQ(rt::CLng(auditRows()[0].code), code);
    EXPECT_FALSE(shown());
}

TEST_F(ParticipantRecordTest, ADependantMadeAHolderKeepsItsFormerHolderLink)
{
    const int holder = addHolder("JOAO");
    const int code = addDependant("MARIA", holder);
    open();
    showByCode(code);
    choose(list("Combo4"), "Titular");
    leave(list("Combo4"));
    click(button("Command3D1"));
    EXPECT_EQ(rt::CStr(stored(code, "SITUACAO")), "Titular");
    EXPECT_EQ(rt::CStr(stored(code, "CODTIT")), QString::number(holder));
    EXPECT_EQ(rt::CStr(stored(code, "NOMTIT")), "JOAO");
}

TEST_F(ParticipantRecordTest, AlteringAParticipantNoLongerStoredWritesNothing)
{
    const int code = addHolder("JOAO");
    open();
    showByCode(code);
    {
        db::Recordset rs = participant(code);
        rs.Delete();
    }
    for (const QString& codeBox : {QString::number(code), QString()}) {
        box("Text1")->setText(codeBox);
        dialogs.expectOk(NotFound);
        click(button("Command3D1"));
        EXPECT_EQ(dialogs.boxes.back().title, msg::TitleAttentionExclaimed);
    }
    EXPECT_EQ(rowCount("VIDASAU"), 0);
    EXPECT_TRUE(auditRows().empty());
}

struct RefusalCase {
    const char* what;
    QString level;
    std::vector<Right> rights;
    bool showFirst;
    QString message;
};

class SaveRefusalTest : public ParticipantRecordTest, public ::testing::WithParamInterface<RefusalCase> {};

TEST_P(SaveRefusalTest, RefusesByLevelOrRight)
{
    const RefusalCase& c = GetParam();
    const int code = addHolder("JOAO");
    logIn(c.level, c.rights);
    open();
    if (c.showFirst)
        showByCode(code);
    else
        fillHolder("NOVO", "1");
    dialogs.expectOk(c.message);
    click(button("Command3D1"));
    EXPECT_EQ(rowCount("VIDASAU"), 1);
    EXPECT_TRUE(auditRows().empty());
    EXPECT_EQ(shown(), c.showFirst);
}

INSTANTIATE_TEST_SUITE_P(
    Refusals, SaveRefusalTest,
    ::testing::Values(RefusalCase{"third level", level::Minimum, {Right::ICC, Right::ACC}, false, msg::OnlyConsultation},
                      RefusalCase{"no ICC", level::Total, {Right::ACC}, false, msg::NoAccessToModule},
                      RefusalCase{"no ACC", level::Total, {Right::ICC}, true, msg::NoAccessToModule}));

TEST_F(ParticipantRecordTest, AWriteAnotherWorkstationLocksStoresNothingAndKeepsTheBoxes)
{
    open();
    fillHolder("JOAO", "C1");
    {
        SecondWorkstationWriting other(pathOf("VORNA.MDB"));
        dialogs.expectOk(msg::withNumber(msg::RecordLocked, 3260));
        click(button("Command3D1"));
    }
    EXPECT_EQ(rowCount("VIDASAU"), 0);
    EXPECT_TRUE(auditRows().empty());
    EXPECT_EQ(text(box("Text2")), "JOAO");
    EXPECT_EQ(dialogs.boxes.back().title, "");

    dialogs.expectOk(Added + "1");
    click(button("Command3D1"));
    EXPECT_EQ(rowCount("VIDASAU"), 1);
}

// Nothing in the system opens the window so; a program that did gets the new
// participant handed back to the document window.
TEST_F(ParticipantRecordTest, RegisteringForTheDocumentWindowAddsAndHandsTheParticipantBack)
{
    const int code = addHolder("JOAO");
    state().handOver.CallerCode = caller::RegisterForDocument;
    open();
    for (const char* name : {"Command3D2", "Command3D3", "Command3D4"})
        EXPECT_FALSE(button(name)->isVisible()) << name;
    showByCode(code);
    type(box("Text2"), "NOVO");
    dialogs.expectOk("Cliente Cadastrado com Codigo: " + QString::number(code + 1));
    click(button("Command3D1"));
    EXPECT_EQ(rowCount("VIDASAU"), 2);
    EXPECT_EQ(rt::CStr(stored(code, "NOME")), "JOAO");
    EXPECT_EQ(rt::CLng(state().handOver.PassedRecordCode), code + 1);
    EXPECT_EQ(state().handOver.PassedRecordName, "NOVO");
    ASSERT_EQ(auditRows().size(), 1u);
    EXPECT_EQ(auditRows()[0].remarks, "INCLUSÂO DE PARTICIPANTE");
    EXPECT_EQ(form().state(), ui::Window::State::NotLoaded);
    QWidget& documentWindow = windows::Form14();
    EXPECT_TRUE(documentWindow.isVisible());
    // The document window's load step takes the participant and lowers the flag.
    EXPECT_EQ(text(documentWindow.findChild<QWidget*>("Text9")), QString::number(code + 1));
    EXPECT_EQ(text(documentWindow.findChild<QWidget*>("Combo5")), "NOVO");
    EXPECT_EQ(state().handOver.ReturnFlag, 0);
}

}  // namespace
}  // namespace vorna
