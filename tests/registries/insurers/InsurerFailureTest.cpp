#include "InsurerFixture.h"

#include "platform/runtime/Runtime.h"

namespace vorna {
namespace {

using InsurerFailure = test::InsurerFixture;

// The insurer window has no handling of its own for a refused write: the
// program's failure box names the engine's number, nothing is stored, and the
// window keeps what was typed so the user can correct it.
struct RefusedAddition {
    const char* name;
    const char* box;
    const char* typed;
    int number;
};

class InsurerRefusedAddition : public test::InsurerFixture, public ::testing::WithParamInterface<RefusedAddition> {};

TEST_P(InsurerRefusedAddition, ShowsTheNumberStoresNothingAndKeepsTheBoxes)
{
    addInsurer(5, "ALFA");
    open();
    type("Text1", "6");
    type("Text2", "BETA");
    type(GetParam().box, GetParam().typed);
    dialogs.expectOk();
    click("Command3D1");
    ASSERT_EQ(dialogs.boxes.size(), 1u);
    EXPECT_TRUE(dialogs.boxes[0].text.startsWith(QString::number(GetParam().number) + " - ")) << dialogs.boxes[0].text.toStdString();
    EXPECT_EQ(dialogs.boxes[0].title, "");
    EXPECT_EQ(rowCount("CIAS"), 1);
    EXPECT_EQ(rt::CStr(insurer(5).field("NOME")), "ALFA");
    EXPECT_EQ(text("Text2"), "BETA");
    EXPECT_EQ(text(GetParam().box), GetParam().typed);
    EXPECT_FALSE(shown());

    // Corrected, the same boxes are stored.
    dialogs.clear();
    type("Text1", "6");
    type("MaskEdBox4", "1");
    type("MaskEdBox11", "1");
    click("Command3D1");
    EXPECT_TRUE(dialogs.boxes.empty());
    EXPECT_EQ(rt::CStr(insurer(6).field("NOME")), "BETA");
}

INSTANTIATE_TEST_SUITE_P(
    Cases, InsurerRefusedAddition,
    ::testing::Values(RefusedAddition{"RateNotANumber", "MaskEdBox4", "doze", 13},
                      RefusedAddition{"TargetNotANumber", "MaskEdBox11", "mil", 13},
                      RefusedAddition{"CodeAlreadyUsed", "Text1", "5", 3022},
                      // The key numbers itself when given nothing; a blank code must not.
                      RefusedAddition{"CodeBlank", "Text1", "", 13}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(InsurerFailure, ARowLockedByAnotherWorkstationIsNotWrittenUntilTheLockGoes)
{
    addInsurer(5, "ALFA");
    open();
    click("Command3D8");
    type("Text2", "ALFA NOVA");
    {
        test::SecondWorkstationWriting other(pathOf("VORNA.MDB"));
        dialogs.expectOk().expectOk();
        click("Command3D1");
        ASSERT_EQ(dialogs.boxes.size(), 1u);
        EXPECT_TRUE(dialogs.boxes[0].text.startsWith("3260 - ")) << dialogs.boxes[0].text.toStdString();

        click("Command3D2");
        type("Text1", "6");
        type("Text2", "BETA");
        click("Command3D1");  // an addition meets the same lock
        ASSERT_EQ(dialogs.boxes.size(), 2u);
        EXPECT_TRUE(dialogs.boxes[1].text.startsWith("3260 - ")) << dialogs.boxes[1].text.toStdString();
    }
    EXPECT_EQ(rowCount("CIAS"), 1);
    EXPECT_EQ(rt::CStr(insurer(5).field("NOME")), "ALFA");

    // The lock gone, the same boxes are stored.
    click("Command3D1");
    EXPECT_EQ(rowCount("CIAS"), 2);
    EXPECT_EQ(dialogs.boxes.size(), 2u);
}

TEST_F(InsurerFailure, AShownInsurerThatCannotBeSavedStaysShown)
{
    addInsurer(5, "ALFA");
    open();
    click("Command3D8");
    type("MaskEdBox5", "x");
    dialogs.expectOk();
    click("Command3D1");
    ASSERT_EQ(dialogs.boxes.size(), 1u);
    EXPECT_TRUE(dialogs.boxes[0].text.startsWith("13 - "));
    EXPECT_TRUE(shown());
    EXPECT_TRUE(insurer(5).field("JUR5").isNull());

    type("MaskEdBox5", "2,5");
    click("Command3D1");
    EXPECT_DOUBLE_EQ(rt::CDbl(insurer(5).field("JUR5")), 2.5);
    EXPECT_FALSE(shown());
}

}  // namespace
}  // namespace vorna
