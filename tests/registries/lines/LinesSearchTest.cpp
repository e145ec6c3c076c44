#include "LinesFixture.h"

#include "platform/controls/Twips.h"

namespace vorna {
namespace {

using LinesSearch = test::LinesFixture;

TEST_F(LinesSearch, ACodeShowsItsLineAndTheOtherCasesTellTheirMessages)
{
    addLine(1, "VIDA", {2.0});
    addLine(2, "AUTO");
    open();
    type("Text1", "1");
    click("Command3D4");
    EXPECT_TRUE(shown());
    EXPECT_EQ(text("Text2"), "VIDA");
    EXPECT_EQ(text(commission(1)), "2,00");

    type("Text1", "9");
    dialogs.expectOk("PRODUTO NÃO ENCONTRADO");
    click("Command3D4");
    EXPECT_EQ(dialogs.boxes.back().title, "ATENÇÃO!");
    EXPECT_FALSE(shown());
    EXPECT_EQ(text("Text2"), "VIDA");

    click("Command3D2");
    dialogs.expectOk("INFORME O CODIGO OU PEDAÇOS DO NOME");
    click("Command3D4");
    EXPECT_EQ(dialogs.boxes.back().title, "ATENÇÃO!");
}

TEST_F(LinesSearch, TheListOpensWhereTheLayoutPutsItAndAPickShowsThePickedLine)
{
    addLine(1, "VIDA EM GRUPO");
    addLine(2, "VIDA", {4.0});
    addLine(3, "AUTO");
    open();
    type("Text2", "vida");
    click("Command3D4");
    QWidget* list = control("List1");
    EXPECT_TRUE(list->isVisible());
    EXPECT_EQ(list->parentWidget(), &window());
    EXPECT_EQ(list->geometry(), QRect(ui::twips(2595), ui::twips(1320), ui::twips(7305), ui::twips(900)));
    ASSERT_EQ(listItems(), (QStringList{"VIDA EM GRUPO", "VIDA"}));

    pick(1);  // "VIDA" is also in the earlier "VIDA EM GRUPO"
    EXPECT_TRUE(shown());
    EXPECT_EQ(text("Text1"), "2");
    EXPECT_EQ(text(commission(1)), "4,00");
    EXPECT_FALSE(list->isVisible());
    EXPECT_TRUE(listItems().isEmpty());

    type("Text1", "");
    type("Text2", "NADA");
    dialogs.expectOk("PRODUTO NÃO ENCONTRADO");
    click("Command3D4");
    EXPECT_FALSE(list->isVisible());
    EXPECT_FALSE(shown());
}

TEST_F(LinesSearch, NavigationStopsSilentlyAtBothEnds)
{
    addLine(1, "VIDA");
    addLine(2, "AUTO");
    open();
    click("Command3D7");
    EXPECT_EQ(text("Text2"), "AUTO");
    click("Command3D6");
    EXPECT_EQ(text("Text2"), "AUTO");
    EXPECT_TRUE(shown());
    click("Command3D9");
    EXPECT_EQ(text("Text2"), "VIDA");
    click("Command3D9");
    EXPECT_EQ(text("Text2"), "VIDA");
    click("Command3D6");
    EXPECT_EQ(text("Text2"), "AUTO");
    EXPECT_TRUE(dialogs.boxes.empty());
}

TEST_F(LinesSearch, NavigationOverAnEmptyTableDoesNothing)
{
    open();
    for (const char* button : {"Command3D8", "Command3D9", "Command3D6", "Command3D7"}) {
        click(button);
        EXPECT_FALSE(shown()) << button;
    }
    EXPECT_TRUE(dialogs.boxes.empty());
}

}  // namespace
}  // namespace vorna
