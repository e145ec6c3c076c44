#include "ParticipantFixture.h"

#include "common/WindowRefs.h"
#include "platform/runtime/Runtime.h"

namespace vorna {
namespace {

using namespace test;
using ParticipantSearchTest = ParticipantFixture;

TEST_F(ParticipantSearchTest, ConsultarByCodeElseByNameElseAsks)
{
    const int joao = addHolder("JOAO SILVA");
    addHolder("MARIA SILVA");
    addHolder("PEDRO");
    open();
    type(box("Text1"), QString::number(joao));
    type(box("Text2"), "PEDRO");
    click(button("Command3D4"));
    EXPECT_EQ(text(box("Text2")), "JOAO SILVA");

    click(button("Command3D2"));
    type(box("Text2"), "silva");
    click(button("Command3D4"));
    EXPECT_TRUE(listBox("List2")->isVisible());
    EXPECT_EQ(items(listBox("List2")), (QStringList{"JOAO SILVA", "MARIA SILVA"}));
    EXPECT_FALSE(shown());
    pickRow(listBox("List2"), 1);
    EXPECT_EQ(text(box("Text2")), "MARIA SILVA");
    EXPECT_TRUE(shown());
    EXPECT_FALSE(listBox("List2")->isVisible());

    click(button("Command3D2"));
    dialogs.expectOk("INFORME O CÓDIGO OU PEDAÇOS DO NOME");
    click(button("Command3D4"));
}

TEST_F(ParticipantSearchTest, APastedApostropheOrPatternInTheNameFindsOnlyItself)
{
    addHolder("D'AVILA");
    addHolder("DXAVILA");
    addHolder("50% OFF");
    open();
    for (const auto& [typed, found] : {std::pair{"D'A", 1}, std::pair{"D?A", 0}, std::pair{"*", 0},
                                       std::pair{"[D", 0}, std::pair{"#", 0}}) {
        listBox("List2")->Clear();
        box("Text2")->setText(typed);
        if (!found)
            dialogs.expectOk(NotFound);
        click(button("Command3D4"));
        EXPECT_EQ(listBox("List2")->ListCount(), found) << typed;
    }
}

TEST_F(ParticipantSearchTest, NamesakesInTheListShowTheOnePicked)
{
    const int first = addHolder("ANA", {{"CARTAO", "A1"}});
    const int second = addHolder("ANA", {{"CARTAO", "A2"}});
    open();
    type(box("Text2"), "ANA");
    click(button("Command3D4"));
    ASSERT_EQ(listBox("List2")->ListCount(), 2);
    pickRow(listBox("List2"), 1);
    const QString picked = text(box("Text1"));
    EXPECT_TRUE(picked == QString::number(first) || picked == QString::number(second));
    click(button("Command3D2"));
    type(box("Text2"), "ANA");
    click(button("Command3D4"));
    pickRow(listBox("List2"), 0);
    EXPECT_NE(text(box("Text1")), picked);
}

TEST_F(ParticipantSearchTest, NavigationStopsAtEitherEnd)
{
    open();
    dialogs.expectOk(msg::NoRecords);
    click(button("Command3D8"));  // empty table
    EXPECT_FALSE(shown());
    click(button("Command3D5"));
    const int a = addHolder("A");
    const int b = addHolder("B");
    open();
    click(button("Command3D8"));
    EXPECT_EQ(text(box("Text1")), QString::number(a));
    dialogs.expectOk(msg::NoRecords);
    click(button("Command3D9"));
    EXPECT_EQ(text(box("Text1")), QString::number(a));
    click(button("Command3D6"));
    EXPECT_EQ(text(box("Text1")), QString::number(b));
    dialogs.expectOk(msg::NoRecords);
    click(button("Command3D6"));
    EXPECT_EQ(text(box("Text1")), QString::number(b));
    click(button("Command3D8"));
    click(button("Command3D7"));
    EXPECT_EQ(text(box("Text1")), QString::number(b));
}

TEST_F(ParticipantSearchTest, SairClosesOrReturnsToTheDocumentWindow)
{
    open();
    click(button("Command3D5"));
    EXPECT_EQ(form().state(), ui::Window::State::NotLoaded);
    EXPECT_FALSE(windows::Form14().isVisible());

    state().handOver.CallerCode = caller::ClientFromDocument;
    dialogs.expectOk("CLIENTE NAO ENCONTRADO");
    open();
    click(button("Command3D5"));
    EXPECT_EQ(form().state(), ui::Window::State::NotLoaded);
    EXPECT_TRUE(windows::Form14().isVisible());
}

TEST_F(ParticipantSearchTest, SairWithCodesNothingSets)
{
    for (const auto& [code, after] : {std::pair{142, 142}, std::pair{222, 0}, std::pair{777, 0},
                                      std::pair{999, 0}, std::pair{23, 23}}) {
        state().handOver.CallerCode = code;
        open();
        click(button("Command3D5"));
        EXPECT_EQ(form().state(), ui::Window::State::NotLoaded);
        EXPECT_EQ(rt::CLng(state().handOver.CallerCode), after) << code;
    }
}

}  // namespace
}  // namespace vorna
