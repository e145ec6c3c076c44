#include "LinesFixture.h"

#include "platform/runtime/Runtime.h"

namespace vorna {
namespace {

using LinesFailure = test::LinesFixture;

const QString DuplicateBox = QStringLiteral("CODIGO JÁ EXISTENTE, TENTE NOVAMENTE!: 3022");

TEST_F(LinesFailure, ADuplicateCodeOnAdditionStoresNothingAndKeepsTheOtherBoxes)
{
    addLine(10, "VIDA", {1.0});
    open();
    type("Text1", "10");
    type("Text2", "OUTRA");
    type(commission(1), "3");
    dialogs.expectOk(DuplicateBox);
    click("Command3D1");
    EXPECT_EQ(dialogs.boxes.back().title, "");
    EXPECT_EQ(rowCount("RAMOS"), 1);
    EXPECT_EQ(rt::CStr(line(10).field("NOME")), "VIDA");
    EXPECT_DOUBLE_EQ(rt::CDbl(line(10).field("COM1")), 1.0);
    EXPECT_EQ(text("Text1"), "");
    EXPECT_EQ(focusName(), "Text1");
    EXPECT_EQ(text("Text2"), "OUTRA");
    EXPECT_EQ(text(commission(1)), "3");
    EXPECT_FALSE(shown());

    // Nothing of the refused row is left pending: another code stores it once.
    type("Text1", "11");
    click("Command3D1");
    EXPECT_EQ(rowCount("RAMOS"), 2);
    EXPECT_EQ(rt::CStr(line(11).field("NOME")), "OUTRA");
    EXPECT_EQ(rt::CStr(line(10).field("NOME")), "VIDA");
}

TEST_F(LinesFailure, AShownLineGivenAnotherLinesCodeIsNotStoredAndTheWindowClears)
{
    addLine(10, "VIDA");
    addLine(11, "SAUDE");
    open();
    click("Command3D8");
    type("Text1", "11");
    type("Text2", "VIDA NOVA");
    dialogs.expectOk(DuplicateBox);
    click("Command3D1");
    EXPECT_EQ(rt::CStr(line(10).field("NOME")), "VIDA");
    EXPECT_EQ(rt::CStr(line(11).field("NOME")), "SAUDE");
    EXPECT_EQ(rowCount("RAMOS"), 2);
    EXPECT_FALSE(shown());
    EXPECT_EQ(text("Text2"), "");
    EXPECT_EQ(focusName(), "Text1");
}

TEST_F(LinesFailure, ACommissionThatIsNotANumberIsReportedAndNothingStored)
{
    open();
    type("Text1", "12");
    type("Text2", "AUTO");
    type(commission(5), "abc");
    dialogs.expectOk("REGISTRO BLOQUEADO, TENTE NOVAMENTE!: 13");
    click("Command3D1");
    EXPECT_EQ(dialogs.boxes.back().title, "");
    EXPECT_EQ(rowCount("RAMOS"), 0);
    EXPECT_EQ(text("Text1"), "");
    EXPECT_EQ(text(commission(5)), "abc");
}

struct LockedCase {
    const char* name;
    bool alteration;
};

class LinesLocked : public test::LinesFixture, public ::testing::WithParamInterface<LockedCase> {};

TEST_P(LinesLocked, AWriteMeetingAnotherWorkstationsLockIsReportedAndNothingStored)
{
    addLine(10, "VIDA", {1.0});
    open();
    if (GetParam().alteration)
        click("Command3D8");
    else
        type("Text1", "20");
    type("Text2", "NOVO NOME");
    type(commission(1), "9");
    {
        test::SecondWorkstationWriting other(pathOf("VORNA.MDB"));
        dialogs.expectOk("REGISTRO BLOQUEADO, TENTE NOVAMENTE!: 3260");
        click("Command3D1");
    }
    EXPECT_EQ(rowCount("RAMOS"), 1);
    EXPECT_EQ(rt::CStr(line(10).field("NOME")), "VIDA");
    EXPECT_DOUBLE_EQ(rt::CDbl(line(10).field("COM1")), 1.0);
    EXPECT_FALSE(shown());
    EXPECT_EQ(text("Text1"), "");
    EXPECT_EQ(focusName(), "Text1");
    // An alteration clears the window; an addition keeps the boxes but the code.
    EXPECT_EQ(text("Text2"), GetParam().alteration ? "" : "NOVO NOME");
}

INSTANTIATE_TEST_SUITE_P(Writes, LinesLocked,
                         ::testing::Values(LockedCase{"Addition", false}, LockedCase{"Alteration", true}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace vorna
