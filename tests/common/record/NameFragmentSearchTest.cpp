#include "RecordWindowFixture.h"

#include "platform/controls/Twips.h"

namespace vorna::test {
namespace {

class NameFragmentSearchTest : public RecordWindowFixture {
protected:
    void SetUp() override
    {
        RecordWindowFixture::SetUp();
        addRow("CIAS", {{"CODIGO", 1}, {"NOME", "SUL AMERICA SAUDE"}, {"CONTATO", "ANA"}});
        addRow("CIAS", {{"CODIGO", 2}, {"NOME", "AMERICA"}, {"CONTATO", "BIA"}});
        addRow("CIAS", {{"CODIGO", 3}, {"NOME", "PORTO"}, {"CONTATO", "CAIO"}});
        addRow("CIAS", {{"CODIGO", 4}, {"NOME", "AMERICA"}, {"CONTATO", "DORA"}});
    }
};

TEST_F(NameFragmentSearchTest, ACodeShowsItsRowAndAMissingOneLeavesTheBoxesForAnAddition)
{
    auto& w = open(declareInsurerLike);
    // A code and a name typed: the code alone counts.
    type(w.Text1, "003");
    type(w.Text2, "AMERICA");
    click(w.Command3D4);
    EXPECT_TRUE(shown());
    EXPECT_EQ(text(w.Text2), "PORTO");
    EXPECT_EQ(text(w.Text3), "CAIO");

    type(w.Text1, "99");
    dialogs.expectOk(msg::InsurerNotFound);
    click(w.Command3D4);
    EXPECT_EQ(dialogs.boxes.back().title, "ATENÇÃO!");
    EXPECT_FALSE(shown());
    EXPECT_EQ(text(w.Text2), "PORTO");
    click(w.Command3D1);
    EXPECT_EQ(row("CIAS", "CODIGO = 99").field("NOME").toString(), "PORTO");
    EXPECT_EQ(row("CIAS", "CODIGO = 3").field("NOME").toString(), "PORTO");
}

TEST_F(NameFragmentSearchTest, NothingTypedAsksForACodeOrPiecesOfTheName)
{
    auto& w = open(declareInsurerLike);
    dialogs.expectOk(msg::EnterCodeOrNameAccented);
    click(w.Command3D4);
    EXPECT_EQ(dialogs.boxes.back().title, "ATENÇÃO!");
    EXPECT_FALSE(w.List1->isVisible());
}

TEST_F(NameFragmentSearchTest, APieceOfTheNameListsEveryRowContainingItAndShowsNothing)
{
    auto& w = open(declareInsurerLike);
    click(w.Command3D8);  // the first row is shown meanwhile
    type(w.Text1, "");
    type(w.Text2, "meric");
    click(w.Command3D4);
    EXPECT_TRUE(w.List1->isVisible());
    EXPECT_EQ(w.List1->geometry(), QRect(ui::twips(2220), ui::twips(510), ui::twips(4650), ui::twips(2000)));
    EXPECT_EQ(items(w.List1), QStringList({"SUL AMERICA SAUDE", "AMERICA", "AMERICA"}));
    EXPECT_TRUE(shown());
    EXPECT_EQ(text(w.Text3), "ANA");

    // A second search adds to the names left in the list.
    type(w.Text2, "PORT");
    click(w.Command3D4);
    EXPECT_EQ(items(w.List1), QStringList({"SUL AMERICA SAUDE", "AMERICA", "AMERICA", "PORTO"}));

    // One that finds nothing hides the list and ends the shown state.
    type(w.Text2, "XYZ");
    dialogs.expectOk(msg::InsurerNotFound);
    click(w.Command3D4);
    EXPECT_FALSE(w.List1->isVisible());
    EXPECT_FALSE(shown());
    EXPECT_EQ(w.List1->ListCount(), 4);
}

TEST_F(NameFragmentSearchTest, APickShowsThePickedRowAmongNamesakesAndNamesContainingIt)
{
    auto& w = open(declareInsurerLike);
    type(w.Text2, "AMERICA");
    click(w.Command3D4);
    ASSERT_EQ(w.List1->ListCount(), 3);

    // The second "AMERICA" (code 4): neither the earlier namesake nor the
    // earlier row whose name contains it.
    pickRow(w.List1, 2);
    EXPECT_TRUE(shown());
    EXPECT_EQ(text(w.Text1), "4");
    EXPECT_EQ(text(w.Text3), "DORA");
    EXPECT_FALSE(w.List1->isVisible());
    EXPECT_EQ(w.List1->ListCount(), 0);

    type(w.Text1, "");
    type(w.Text2, "AMERICA");
    click(w.Command3D4);
    pickRow(w.List1, 1);
    EXPECT_EQ(text(w.Text1), "2");
}

TEST_F(NameFragmentSearchTest, GravarAndExcluirActOnTheShownRowAfterASearchMovedThePosition)
{
    auto& w = open(declareInsurerLike);
    click(w.Command3D8);  // code 1 shown
    type(w.Text1, "");
    type(w.Text2, "PORT");
    click(w.Command3D4);  // the table now stands on code 3
    ASSERT_TRUE(shown());
    type(w.Text1, "1");
    type(w.Text2, "SUL AMERICA");
    click(w.Command3D1);
    EXPECT_EQ(row("CIAS", "CODIGO = 1").field("NOME").toString(), "SUL AMERICA");
    EXPECT_EQ(row("CIAS", "CODIGO = 3").field("NOME").toString(), "PORTO");

    type(w.Text1, "2");
    click(w.Command3D4);
    type(w.Text1, "");
    type(w.Text2, "PORT");
    click(w.Command3D4);
    dialogs.expectYes(msg::ConfirmDeletion);
    click(w.Command3D3);
    EXPECT_TRUE(findRow("CIAS", "CODIGO = 2").NoMatch());
    EXPECT_FALSE(findRow("CIAS", "CODIGO = 3").NoMatch());
}

TEST_F(NameFragmentSearchTest, PastedQuotesAndPatternCharactersAreSearchedAsThemselves)
{
    addRow("CIAS", {{"CODIGO", 5}, {"NOME", "D'AVILA * SEGUROS"}});
    auto& w = open(declareInsurerLike);
    type(w.Text2, "D'AV");
    click(w.Command3D4);
    EXPECT_EQ(items(w.List1), QStringList({"D'AVILA * SEGUROS"}));
    type(w.Text2, "* S");
    click(w.Command3D4);
    EXPECT_EQ(w.List1->ListCount(), 2);
    type(w.Text2, "?");
    dialogs.expectOk(msg::InsurerNotFound);
    click(w.Command3D4);
    // A code box holding more than digits finds nothing.
    type(w.Text1, "1 OR 2");
    dialogs.expectOk(msg::InsurerNotFound);
    click(w.Command3D4);
}

TEST_F(NameFragmentSearchTest, APickOfARowDeletedMeanwhileShowsNothing)
{
    auto& w = open(declareInsurerLike);
    type(w.Text2, "PORT");
    click(w.Command3D4);
    db::Recordset other = findRow("CIAS", "CODIGO = 3");
    other.Delete();
    dialogs.expectOk(msg::InsurerNotFound);
    pickRow(w.List1, 0);
    EXPECT_FALSE(shown());
    EXPECT_FALSE(w.List1->isVisible());
    EXPECT_EQ(w.List1->ListCount(), 0);
}

TEST_F(NameFragmentSearchTest, ANameSearchMayEndByShowingTheLastRowFound)
{
    addRow("PRODUTOR", {{"CODIGO", 1}, {"FILIAL", 1}, {"NOME", "PEDRO ALVES"}});
    addRow("PRODUTOR", {{"CODIGO", 2}, {"FILIAL", 1}, {"NOME", "JOAO"}});
    addRow("PRODUTOR", {{"CODIGO", 1}, {"FILIAL", 2}, {"NOME", "PEDRO"}});
    auto& w = open(declareProducerLike);
    type(w.Text2, "pedro");
    click(w.Command3D4);
    EXPECT_EQ(w.List1->ListCount(), 2);
    EXPECT_TRUE(shown());
    EXPECT_EQ(text(w.Text2), "PEDRO");

    // Each way of not finding keeps its own spelling.
    type(w.Text1, "77");
    dialogs.expectOk(msg::ProducerNotFoundPlain);
    click(w.Command3D4);
    type(w.Text1, "");
    type(w.Text2, "ZE");
    dialogs.expectOk(msg::ProducerNotFoundAccented);
    click(w.Command3D4);
    type(w.Text2, "");
    dialogs.expectOk(msg::EnterCodeOrNamePlain);
    click(w.Command3D4);
}

}  // namespace
}  // namespace vorna::test
