#include "ParticipantFixture.h"

#include "common/DesktopLaunch.h"

#include <QTest>

namespace vorna::test {
namespace {

using ParticipantInputTest = ParticipantFixture;

TEST_F(ParticipantInputTest, EachFilteredBoxLetsOnlyItsOwnKeysThrough)
{
    open();
    struct Case {
        const char* box;
        QString key;
        bool passes;
    };
    const Case cases[] = {
        {"Text1", "a", false},  {"Text1", "5", true},   {"Text44", "-", false}, {"Text7", "-", false},
        {"Text56", "x", false}, {"Text2", "ã", false},  {"Text2", "'", false},  {"Text2", "*", false},
        {"Text2", ".", true},   {"Text2", "/", false},  {"Text4", "/", true},   {"Text5", "é", false},
        {"Text13", "/", true},  {"Text17", ".", false}, {"Text17", ",", true},  {"Text17", " ", true},
        {"Text33", ".", false}, {"Text16", "@", true},  {"Text16", " ", false}, {"Text16", "_", true},
        {"Text2", QString(QChar(13)), false},
        // Unfiltered boxes.
        {"Text36", "'", true},  {"Text42", "*", true},  {"Text8", "ã", true},
    };
    for (const Case& k : cases) {
        const int beeps = dialogs.beeps;
        EXPECT_EQ(typedInto(k.box, k.key), k.passes ? k.key : QString()) << k.box << " " << k.key.toStdString();
        EXPECT_EQ(dialogs.beeps - beeps, k.passes ? 0 : 1) << k.box << " " << k.key.toStdString();
    }
}

TEST_F(ParticipantInputTest, DateBoxesRefuseImpossibleDates)
{
    open();
    for (const char* name : {"MaskEdBox2", "MaskEdBox22", "MaskEdBox3", "MaskEdBox6"}) {
        ui::MaskEdBox* date = masked(name);
        type(date, "");
        date->setCursorPosition(0);
        QTest::keyClicks(date, "3102");
        dialogs.expectOk(msg::InvalidDate);
        box("Text6")->setFocus(Qt::TabFocusReason);
        EXPECT_EQ(focused(), date) << name;
        type(date, "");
        box("Text6")->setFocus(Qt::TabFocusReason);
        EXPECT_EQ(focused(), box("Text6")) << name;
    }
}

TEST_F(ParticipantInputTest, MapOnlyForAParticipantWithACode)
{
    const int code = addHolder("JOAO", {{"ENDERECO", "RUA A 1"}, {"CIDADE", "SANTOS"}, {"UF", "SP"}});
    open();
    type(box("Text4"), "RUA B");
    click(control("Picture4"));
    EXPECT_TRUE(desktop.launches.empty());
    showByCode(code);
    click(control("Picture4"));
    ASSERT_EQ(desktop.launches.size(), 1u);
    EXPECT_EQ(desktop.launches[0].asked, launch::WebMapSearchAddress + "RUA A 1 ,SANTOS ,SP");
}

TEST_F(ParticipantInputTest, DoubleClickOnTheEmailBoxStartsTheMailProgram)
{
    state().settings.WindowsLanguageOption = Variant("P");
    state().settings.MailProgramOption = Variant("E");
    open();
    QTest::mouseDClick(box("Text16"), Qt::LeftButton);
    EXPECT_TRUE(desktop.launches.empty());
    type(box("Text2"), "JOAO");
    type(box("Text16"), "joao@x.com");
    QTest::mouseDClick(box("Text16"), Qt::LeftButton);
    ASSERT_EQ(desktop.launches.size(), 1u);
    EXPECT_EQ(desktop.launches[0].asked,
              launch::OutlookExpressPortuguese + "/mailurl:mailto:joao@x.com?subject=Olá, JOAO&body= ");
}

TEST_F(ParticipantInputTest, TheEmailBoxIsLowerCasedOnLeavingAndStaysUnderlined)
{
    open();
    type(box("Text16"), "Joao@X.com");
    leave(box("Text16"));
    EXPECT_EQ(text(box("Text16")), "joao@x.com");
    QTest::mouseMove(box("Text16"), QPoint(5, 5));
    EXPECT_TRUE(box("Text16")->font().underline());
    // Nothing in this window takes the underline off.
    QTest::mouseMove(control("Frame3D2"), QPoint(770, 80));
    QTest::mouseMove(&form(), QPoint(400, 40));
    EXPECT_TRUE(box("Text16")->font().underline());
}

}  // namespace
}  // namespace vorna::test
