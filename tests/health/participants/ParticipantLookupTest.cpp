#include "ParticipantFixture.h"

#include "platform/runtime/Runtime.h"

namespace vorna {
namespace {

using namespace test;
using ParticipantLookupTest = ParticipantFixture;

// ---- the holder search and pick ---------------------------------------------------------

TEST_F(ParticipantLookupTest, HolderSearchListsHoldersOnlyAndAddsToTheList)
{
    addHolder("JOAO SILVA");
    addHolder("ana silva");
    const int holder = addHolder("PEDRO SOUZA");
    addDependant("MARIA SILVA", holder);
    open();
    type(box("Text36"), "Silva");
    click(button("Command3D21"));
    EXPECT_TRUE(listBox("List3")->isVisible());
    EXPECT_EQ(items(listBox("List3")), (QStringList{"ana silva", "JOAO SILVA"}));
    type(box("Text36"), "SOUZA");
    click(button("Command3D21"));
    EXPECT_EQ(items(listBox("List3")), (QStringList{"ana silva", "JOAO SILVA", "PEDRO SOUZA"}));

    type(box("Text36"), "NINGUEM");
    dialogs.expectOk("TITULAR NÃO ENCONTRADO");
    click(button("Command3D21"));
    EXPECT_FALSE(listBox("List3")->isVisible());
    EXPECT_EQ(listBox("List3")->ListCount(), 3);

    type(box("Text36"), "  ");
    dialogs.expectOk("DIGITE PELO MENOS ALGUM PEDAÇO DO NOME");
    click(button("Command3D21"));
}

TEST_F(ParticipantLookupTest, APickCopiesTheHolderPickedAmongNamesakes)
{
    // A dependant stored first under the same name used to be copied as holder.
    const int first = addHolder("ZE");
    addDependant("JOAO", first, {{"EMAIL", "dep@x"}});
    const int holder = addHolder("JOAO", {{"CARTAO", "H1"}, {"ENDERECO", "RUA A"}, {"UF", "RJ"}, {"EMAIL", Variant::null()}});
    const int shownCode = addHolder("SHOWN");
    open();
    showByCode(shownCode);
    choose(list("Combo4"), "Dependente");
    leave(list("Combo4"));
    type(box("Text16"), "mine@x");
    type(box("Text36"), "JOAO");
    click(button("Command3D21"));
    ASSERT_EQ(listBox("List3")->ListCount(), 1);
    pickRow(listBox("List3"), 0);
    EXPECT_EQ(text(box("Text44")), QString::number(holder));
    EXPECT_EQ(text(box("Text45")), "H1");
    EXPECT_EQ(text(box("Text4")), "RUA A");
    EXPECT_EQ(list("Combo3")->Text(), "RJ");
    EXPECT_EQ(text(box("Text16")), "mine@x");  // Null e-mail not copied
    EXPECT_FALSE(listBox("List3")->isVisible());
    EXPECT_EQ(listBox("List3")->ListCount(), 0);
    // Back on the shown participant: "Próximo" goes on from it.
    dialogs.expectOk(msg::NoRecords);
    click(button("Command3D6"));
    EXPECT_EQ(text(box("Text1")), QString::number(shownCode));
}

TEST_F(ParticipantLookupTest, APickedHolderNoLongerStoredIsReported)
{
    const int holder = addHolder("JOAO");
    open();
    type(box("Text36"), "JOAO");
    click(button("Command3D21"));
    participant(holder).Delete();
    dialogs.expectOk(NotFound);
    pickRow(listBox("List3"), 0);
    EXPECT_EQ(text(box("Text44")), "");
    EXPECT_EQ(text(box("Text36")), "JOAO");
}

// Nothing in the window fills this list; a program that did would get the
// participant of the line copied in as the holder.
TEST_F(ParticipantLookupTest, TheListNothingFillsCopiesTheParticipantOfItsLine)
{
    addHolder("JOAO", {{"CARTAO", "X"}});
    const int holder = addHolder("JOAO", {{"CARTAO", "H1"}});
    open();
    ui::ListBox* names = listBox("List1");
    names->setItemData(names->AddItem("JOAO"), holder);
    names->setVisible(true);
    pickRow(names, 0);
    EXPECT_EQ(text(box("Text44")), QString::number(holder));
    EXPECT_EQ(text(box("Text45")), "H1");
    EXPECT_FALSE(names->isVisible());
    EXPECT_EQ(names->ListCount(), 0);
}

// ---- the holder by code -----------------------------------------------------------------

TEST_F(ParticipantLookupTest, HolderByCode)
{
    const int holder = addHolder("JOAO", {{"CARTAO", "H1"}, {"CIDADE", "SANTOS"}});
    const int dependant = addDependant("MARIA", holder);
    const int noStatus = addParticipant("SEM STATUS", {{"CARTAO", "S1"}});
    open();
    type(box("Text44"), QString::number(holder));
    leave(box("Text44"));
    EXPECT_EQ(text(box("Text36")), "JOAO");
    EXPECT_EQ(text(box("Text5")), "SANTOS");

    type(box("Text44"), QString::number(dependant));
    dialogs.expectOk("PARTICIPANTE REFERENCIADO NÃO É TITULAR!");
    leave(box("Text44"));
    EXPECT_EQ(dialogs.boxes.back().title, msg::TitleAttention);
    EXPECT_EQ(text(box("Text36")), "JOAO");

    type(box("Text44"), QString::number(noStatus));
    leave(box("Text44"));
    EXPECT_EQ(text(box("Text36")), "SEM STATUS");

    for (const char* code : {"999", "1'"}) {
        box("Text44")->setText(code);  // pasted
        dialogs.expectOk("TITULAR NÃO ENCONTRADO");
        leave(box("Text44"));
    }
}

// ---- the stipulant by policy --------------------------------------------------------------

TEST_F(ParticipantLookupTest, PolicyBoxFillsTheStipulantOfTheFirstDocumentHoldingTheNumber)
{
    addDocument(10, "123-456", "ALVORADA LTDA");
    addDocument(11, "99*9", "ESTRELA SA");
    open();
    type(box("Text42"), "456");
    leave(box("Text42"));
    EXPECT_EQ(text(box("Text34")), "ALVORADA LTDA");
    EXPECT_EQ(text(box("Text42")), "456");

    // Pattern characters and apostrophes are matched as themselves.
    box("Text42")->setText("9*9");
    leave(box("Text42"));
    EXPECT_EQ(text(box("Text34")), "ESTRELA SA");
    for (const char* typed : {"1*6", "O'B", "[1"}) {
        box("Text42")->setText(typed);
        dialogs.expectOk("APÓLICE NÃO ENCONTRADA!");
        leave(box("Text42"));
    }
    EXPECT_EQ(text(box("Text34")), "ESTRELA SA");
}

// ---- the CPF check ------------------------------------------------------------------------

TEST_F(ParticipantLookupTest, AnotherParticipantsCpfEmptiesTheWindow)
{
    const int other = addHolder("OUTRO", {{"CPF", "123"}});
    open();
    fillHolder("NOVO", "1");
    type(box("Text17"), "123");
    dialogs.expectOk("JÁ EXISTE UM PARTICIPANTE COM ESTE CPF E SEU CÓDIGO É: " + QString::number(other));
    leave(box("Text17"));
    EXPECT_EQ(text(box("Text2")), "");
    EXPECT_FALSE(shown());
}

TEST_F(ParticipantLookupTest, TheShownParticipantsOwnCpfIsNoDuplicate)
{
    const int code = addHolder("JOAO", {{"CPF", "123"}});
    open();
    showByCode(code);
    box("Text17")->setFocus(Qt::TabFocusReason);
    leave(box("Text17"));
    EXPECT_TRUE(shown());
    EXPECT_EQ(text(box("Text2")), "JOAO");
    type(box("Text2"), "JOAO B");
    click(button("Command3D1"));
    EXPECT_EQ(rowCount("VIDASAU"), 1);
    EXPECT_EQ(rt::CStr(stored(code, "NOME")), "JOAO B");
}

TEST_F(ParticipantLookupTest, CpfPatternCharactersAreLiteral)
{
    addHolder("A", {{"CPF", "12345"}});
    open();
    for (const char* typed : {"1*", "1234?", "O'B", "[1"}) {
        box("Text17")->setText(typed);  // pasted
        leave(box("Text17"));
    }
    EXPECT_TRUE(dialogs.boxes.empty());
}

// ---- the participant by code --------------------------------------------------------------

TEST_F(ParticipantLookupTest, CodeBox)
{
    const int code = addHolder("JOAO");
    open();
    showByCode(code);
    type(box("Text2"), "CHANGED");
    showByCode(code);
    EXPECT_EQ(text(box("Text2")), "JOAO");
    for (const char* typed : {"77", "1'"}) {
        box("Text1")->setText(typed);
        dialogs.expectOk(NotFound);
        leave(box("Text1"));
        EXPECT_FALSE(shown());
        EXPECT_EQ(text(box("Text2")), "JOAO");
    }
}

}  // namespace
}  // namespace vorna
