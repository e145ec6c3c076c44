#include "LoginFixture.h"

#include "common/DesktopLaunch.h"
#include "common/LevelCodeCipher.h"

namespace vorna::test {
namespace {

class LoginTest : public LoginFixture {};

void expectEveryRightButTheRestrictingOnes(const ProgramState& s)
{
    for (int i = 0; i < RightCount; ++i) {
        const Right r = Right(i);
        const char* expected = (r == Right::OCU || r == Right::BXR) ? "N" : "S";
        EXPECT_TRUE(s.session.right(r).identical(Variant(expected))) << RightFields[size_t(i)];
    }
}

struct LevelCase {
    const char* typed;  // as the user types it, before leaving the box
    const QString* word;
    int level;
};
const LevelCase LevelCases[] = {
    {"master", &level::Total, 1},
    {"Medias", &level::Medium, 2},
    {"MINIMA", &level::Minimum, 3},
};

class LoginLevelTest : public LoginFixture, public ::testing::WithParamInterface<LevelCase> {};

// Type the code, Tab, type the identification, Tab, Space on the access button.
TEST_P(LoginLevelTest, FreshInstallationCodeOpensTheMainMenuAtItsLevel)
{
    const LevelCase& c = GetParam();
    startAndActivate();

    typeInto(controls().Text1, c.typed);
    QTest::keyClick(controls().Text1, Qt::Key_Tab);
    EXPECT_EQ(controls().Text1->text(), QString(c.typed).toUpper()) << "upper case when the box is left";
    QTest::keyClicks(controls().Text2, "admin");
    QTest::keyClick(controls().Text2, Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), controls().Command1);
    QTest::keyClick(controls().Command1, Qt::Key_Space);

    EXPECT_TRUE(dialogs.boxes.empty());
    EXPECT_EQ(windows::Form2().state(), ui::Window::State::Shown);
    EXPECT_EQ(login().state(), ui::Window::State::NotLoaded);
    EXPECT_EQ(login().MatchedLevel(), c.level);
    EXPECT_EQ(login().EncodedTypedCode(), LevelCodeCipher::EncodeTyped(QString(c.typed).toUpper()));

    const ProgramState& s = state();
    EXPECT_EQ(s.session.AccessLevelWord, *c.word);
    EXPECT_EQ(s.session.UserIdent, 1);
    EXPECT_TRUE(s.session.UserIdentification.identical(Variant("ADMIN")));
    EXPECT_EQ(s.session.UserDisplayName, "Administrador");
    expectEveryRightButTheRestrictingOnes(s);
    EXPECT_EQ(s.settings.CompanyName, "CORRETORA DE SEGUROS");
    EXPECT_DOUBLE_EQ(s.settings.IofRateLife, 0.38);
    EXPECT_DOUBLE_EQ(s.settings.IofRateHealth, 2.38);
    EXPECT_DOUBLE_EQ(s.settings.IofRateProperty, 7.38);
    EXPECT_EQ(programEnds, 0);
}

INSTANTIATE_TEST_SUITE_P(Login, LoginLevelTest, ::testing::ValuesIn(LevelCases),
                         [](const auto& info) { return std::to_string(info.param.level); });

TEST_F(LoginTest, StartsWithEmptyBoxesAndTheFocusInTheLevelCode)
{
    startAndActivate();
    EXPECT_EQ(login().windowTitle(), "MERIDALVO versão 2016.06 - 64 bits");
    EXPECT_EQ(QApplication::focusWidget(), controls().Text1);
    EXPECT_TRUE(controls().Text1->text().isEmpty());
    EXPECT_TRUE(controls().Text2->text().isEmpty());
    EXPECT_EQ(controls().Text1->maxLength(), 6);
    EXPECT_EQ(controls().Text2->maxLength(), 6);
    for (QLineEdit* box : {static_cast<QLineEdit*>(controls().Text1), static_cast<QLineEdit*>(controls().Text2)}) {
        EXPECT_EQ(box->echoMode(), QLineEdit::Password) << box->objectName().toStdString();
        EXPECT_FALSE(box->testAttribute(Qt::WA_InputMethodEnabled)) << box->objectName().toStdString();
    }
    EXPECT_FALSE(controls().Label5->isVisible());
    EXPECT_FALSE(controls().Label6->isVisible());
    EXPECT_FALSE(controls().Label4->isVisible());
    EXPECT_FALSE(controls().Label8->isVisible());
}

TEST_F(LoginTest, BlankLevelCodeDoesNothing)
{
    startAndActivate();
    controls().Text1->setText("   ");
    controls().Text2->setText("ADMIN");
    QTest::mouseClick(controls().Command1, Qt::LeftButton);

    EXPECT_TRUE(dialogs.boxes.empty());
    EXPECT_EQ(login().WrongCodeCount(), 0);
    EXPECT_FALSE(controls().Label5->isVisible());
    EXPECT_EQ(login().state(), ui::Window::State::Shown);
    EXPECT_TRUE(state().session.UserIdentification.isEmpty()) << "no look-up ran";
}

TEST_F(LoginTest, BlankIdentificationIsRefusedAfterTheLookUpsOwnMessage)
{
    startAndActivate();
    typeInto(controls().Text1, "MASTER");
    dialogs.expectOk("Desculpe, mas sua identificação não está correta ou foi alterada.");
    dialogs.expectOk("Digite sua Identificação!");
    QTest::mouseClick(controls().Command1, Qt::LeftButton);

    ASSERT_EQ(dialogs.boxes.size(), 2u);
    EXPECT_EQ(dialogs.boxes[0].title, "Liberação de Acesso");
    EXPECT_EQ(dialogs.boxes[1].title, "Atenção");
    EXPECT_EQ(dialogs.boxes[1].icon, dlg::Icon::None);
    EXPECT_EQ(state().session.AccessLevelWord, level::Total) << "the code was compared before the refusal";
    EXPECT_EQ(login().WrongCodeCount(), 0);
    EXPECT_EQ(login().state(), ui::Window::State::Shown);
    EXPECT_NE(windows::Form2().state(), ui::Window::State::Shown);
}

TEST_F(LoginTest, WrongCodeShowsItsLabelUntilTheCodeChangesAndTheTenthEndsTheProgram)
{
    startAndActivate();
    controls().Text2->setText("ADMIN");
    // Five letters never match a stored code of six.
    typeInto(controls().Text1, "MASTE");
    for (int miss = 1; miss <= 9; ++miss) {
        QTest::mouseClick(controls().Command1, Qt::LeftButton);
        EXPECT_EQ(login().WrongCodeCount(), miss);
        EXPECT_TRUE(controls().Label5->isVisible());
    }
    EXPECT_EQ(programEnds, 0);
    EXPECT_TRUE(dialogs.boxes.empty());

    typeInto(controls().Text1, "MASTEX");
    EXPECT_FALSE(controls().Label5->isVisible()) << "a change of the code hides the label";

    QTest::mouseClick(controls().Command1, Qt::LeftButton);
    EXPECT_EQ(login().WrongCodeCount(), 10);
    EXPECT_EQ(programEnds, 1);
    EXPECT_TRUE(controls().Label6->isVisible());
    EXPECT_FALSE(controls().Label5->isVisible());
    EXPECT_TRUE(dialogs.boxes.empty()) << "the tenth miss ends without a box";
}

TEST_F(LoginTest, ExitButtonAndCloseBoxEndTheProgram)
{
    startAndActivate();
    QTest::mouseClick(controls().Command2, Qt::LeftButton);
    EXPECT_EQ(programEnds, 1);

    login().close();
    EXPECT_EQ(programEnds, 2);
    EXPECT_EQ(login().state(), ui::Window::State::NotLoaded);
}

TEST_F(LoginTest, LeavingAnUnknownIdentificationShowsTheMessageAndKeepsTheFocus)
{
    startAndActivate();
    typeInto(controls().Text2, "NINGUE");
    dialogs.expectOk("Desculpe, mas sua identificação não está correta ou foi alterada.");
    QTest::keyClick(controls().Text2, Qt::Key_Tab);

    EXPECT_EQ(dialogs.boxes.size(), 1u);
    EXPECT_EQ(QApplication::focusWidget(), controls().Text2);
    EXPECT_EQ(controls().Text2->text(), "NINGUE");
}

TEST_F(LoginTest, SupportLinkStartsTheMailProgram)
{
    startAndActivate();
    QTest::mouseClick(controls().Label1, Qt::LeftButton);
    ASSERT_EQ(desktop.launches.size(), 1u);
    EXPECT_EQ(desktop.launches[0].asked, launch::supportMailLaunch().asked);
    EXPECT_EQ(login().state(), ui::Window::State::Shown);
}

}  // namespace
}  // namespace vorna::test
