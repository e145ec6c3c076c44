#include "InsurerFixture.h"

#include "platform/controls/Twips.h"
#include "platform/runtime/Runtime.h"

namespace vorna {
namespace {

using InsurerSearch = test::InsurerFixture;

TEST_F(InsurerSearch, ACodeShowsItsInsurerAndAnUnknownCodeKeepsTheBoxesForAnAddition)
{
    addInsurer(1, "ALFA");
    addInsurer(2, "BETA", {{"CONTATO", Variant("RUI")}});
    open();
    type("Text1", "2");
    click("Command3D4");
    EXPECT_TRUE(shown());
    EXPECT_EQ(text("Text2"), "BETA");
    EXPECT_EQ(text("Text3"), "RUI");

    type("Text1", "9");
    type("Text2", "NOVA");
    dialogs.expectOk("OPERADORA NÃO ENCONTRADA");
    click("Command3D4");
    EXPECT_EQ(dialogs.boxes.back().title, "ATENÇÃO!");
    EXPECT_FALSE(shown());
    EXPECT_EQ(text("Text1"), "9");
    EXPECT_EQ(text("Text2"), "NOVA");
    click("Command3D1");  // adds, the boxes being what they are
    EXPECT_EQ(rowCount("CIAS"), 3);
    EXPECT_EQ(rt::CStr(insurer(9).field("NOME")), "NOVA");
    EXPECT_EQ(rt::CStr(insurer(9).field("CONTATO")), "RUI");
}

TEST_F(InsurerSearch, NothingTypedAsksForACodeOrPiecesOfTheName)
{
    open();
    dialogs.expectOk("INFORME O CÓDIGO OU PEDAÇOS DO NOME");
    click("Command3D4");
    EXPECT_EQ(dialogs.boxes.back().title, "ATENÇÃO!");
}

TEST_F(InsurerSearch, ANameListsEveryContainingNameOverTheBoxesBelowTheName)
{
    addInsurer(1, "SUL AMERICA");
    addInsurer(2, "PORTO");
    addInsurer(3, "PAULISTA DO SUL");
    open();
    type("Text2", "sul");
    click("Command3D4");
    QWidget* list = control("List1");
    EXPECT_TRUE(list->isVisible());
    EXPECT_EQ(list->geometry(), QRect(ui::twips(2220), ui::twips(510), ui::twips(4650), ui::twips(4440)));
    EXPECT_EQ(list->parentWidget()->objectName(), "Frame3D1");
    EXPECT_EQ(listItems(), (QStringList{"SUL AMERICA", "PAULISTA DO SUL"}));
    EXPECT_FALSE(shown());

    // A second search without a pick adds to what the list holds.
    type("Text2", "PORT");
    click("Command3D4");
    EXPECT_EQ(listItems(), (QStringList{"SUL AMERICA", "PAULISTA DO SUL", "PORTO"}));

    type("Text2", "NADA");
    dialogs.expectOk("OPERADORA NÃO ENCONTRADA");
    click("Command3D4");
    EXPECT_FALSE(list->isVisible());
    EXPECT_FALSE(shown());
}

struct PickCase {
    const char* name;
    bool doubleClick;
};

class InsurerPick : public test::InsurerFixture, public ::testing::WithParamInterface<PickCase> {};

// A name contained in an earlier insurer's name still shows the insurer picked.
TEST_P(InsurerPick, ShowsTheInsurerPickedAndEmptiesTheList)
{
    addInsurer(1, "SEGUROS SUL BRASIL");
    addInsurer(2, "SUL", {{"TELEFONES", Variant("3333-0000")}});
    open();
    type("Text2", "SUL");
    click("Command3D4");
    ASSERT_EQ(listItems(), (QStringList{"SEGUROS SUL BRASIL", "SUL"}));
    pick(1, GetParam().doubleClick);
    EXPECT_TRUE(shown());
    EXPECT_EQ(text("Text1"), "2");
    EXPECT_EQ(text("Text4"), "3333-0000");
    EXPECT_FALSE(control("List1")->isVisible());
    EXPECT_TRUE(listItems().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(ClickAndDoubleClick, InsurerPick,
                         ::testing::Values(PickCase{"Click", false}, PickCase{"DoubleClick", true}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(InsurerSearch, SaveAndDeleteActOnTheShownInsurerAfterANameSearchMovedTheTable)
{
    addInsurer(1, "ALFA");
    addInsurer(2, "BETA");
    addInsurer(3, "GAMA");
    open();
    click("Command3D7");  // shows GAMA
    type("Text2", "BET");
    click("Command3D4");  // finds BETA; GAMA stays shown
    ASSERT_TRUE(shown());
    type("Text2", "GAMA NOVA");
    click("Command3D1");
    EXPECT_EQ(rt::CStr(insurer(3).field("NOME")), "GAMA NOVA");
    EXPECT_EQ(rt::CStr(insurer(2).field("NOME")), "BETA");

    click("Command3D8");  // shows ALFA
    type("Text2", "BET");
    click("Command3D4");
    dialogs.expectYes();
    click("Command3D3");
    EXPECT_TRUE(findRow("CIAS", "CODIGO = 1").NoMatch());
    EXPECT_FALSE(findRow("CIAS", "CODIGO = 2").NoMatch());
}

TEST_F(InsurerSearch, NavigationStopsSilentlyAtBothEnds)
{
    addInsurer(1, "ALFA");
    addInsurer(2, "BETA");
    addInsurer(3, "GAMA");
    open();
    click("Command3D8");
    EXPECT_EQ(text("Text2"), "ALFA");
    click("Command3D9");
    EXPECT_EQ(text("Text2"), "ALFA");
    click("Command3D6");
    EXPECT_EQ(text("Text2"), "BETA");
    click("Command3D7");
    EXPECT_EQ(text("Text2"), "GAMA");
    type("Text3", "typed");
    click("Command3D6");  // past the end: the window keeps what it shows
    EXPECT_EQ(text("Text2"), "GAMA");
    EXPECT_EQ(text("Text3"), "typed");
    EXPECT_TRUE(shown());
    click("Command3D9");
    EXPECT_EQ(text("Text2"), "BETA");
    EXPECT_TRUE(dialogs.boxes.empty());
}

TEST_F(InsurerSearch, NavigationOverAnEmptyTableDoesNothing)
{
    open();
    for (const char* button : {"Command3D8", "Command3D9", "Command3D6", "Command3D7"}) {
        click(button);
        EXPECT_FALSE(shown()) << button;
        EXPECT_EQ(text("Text1"), "") << button;
    }
    EXPECT_TRUE(dialogs.boxes.empty());
    EXPECT_TRUE(window().isVisible());
}

}  // namespace
}  // namespace vorna
