#include "LoginFixture.h"

#include "shell/UserRights.h"

namespace vorna::test {
namespace {

class UserRightsTest : public LoginFixture {
protected:
    // A user with the given identification and name, every right "N" unless listed.
    void addUser(const QString& identification, const QString& name, const Fields& rights = {})
    {
        Fields fields{{"NOME", Variant(identification)}, {"USUA", Variant(name)}};
        for (const char* right : RightFields)
            fields.emplace_back(right, Variant("N"));
        for (const auto& r : rights)
            for (auto& f : fields)
                if (f.first == r.first)
                    f.second = r.second;
        addRow("USUARIOS", fields);
    }
    static void expectNobodyLoggedIn()
    {
        const ProgramState& s = state();
        EXPECT_EQ(s.session.UserIdent, 0);
        EXPECT_TRUE(s.session.UserIdentification.isEmpty());
        EXPECT_TRUE(s.session.UserDisplayName.isEmpty());
        for (int i = 0; i < RightCount; ++i)
            EXPECT_TRUE(s.session.UserRights[size_t(i)].isEmpty()) << RightFields[size_t(i)];
    }
};

TEST_F(UserRightsTest, CopiesTheRowsRightsAndReadsNullRightsAsRefused)
{
    addUser("ANA", "Ana Souza",
            {{"ICC", Variant("S")}, {"ACW", Variant("S")}, {"OCU", Variant("S")},
             {"CCD", Variant::null()}, {"BXR", Variant::null()}, {"PRF", Variant("X")}});

    ASSERT_EQ(shell::LookUpUser(mainDatabase(), "ANA"), shell::UserLookup::Found);
    const ProgramState& s = state();
    EXPECT_EQ(s.session.UserIdent, 2);
    EXPECT_EQ(s.session.UserDisplayName, "Ana Souza");
    EXPECT_TRUE(s.session.hasRight(Right::ICC));
    EXPECT_TRUE(s.session.hasRight(Right::ACW));
    EXPECT_TRUE(s.session.hasRight(Right::OCU));
    EXPECT_FALSE(s.session.hasRight(Right::ACC));
    EXPECT_TRUE(s.session.right(Right::PRF).identical(Variant("X")));
    EXPECT_TRUE(s.session.right(Right::BXR).identical(Variant("N")));
    EXPECT_TRUE(s.session.right(Right::CCD).isEmpty());

    // A Null right after a user who held it: it is not carried over.
    ASSERT_EQ(shell::LookUpUser(mainDatabase(), "ADMIN"), shell::UserLookup::Found);
    EXPECT_TRUE(state().session.hasRight(Right::CCD));
    ASSERT_EQ(shell::LookUpUser(mainDatabase(), "ANA"), shell::UserLookup::Found);
    EXPECT_FALSE(state().session.hasRight(Right::CCD));
}

// The identification stands for the user's password: every character typed
// stands for itself, with letter case ignored.
TEST_F(UserRightsTest, IdentificationMatchesOnlyItselfIgnoringLetterCase)
{
    addUser("ANA", "Ana");
    addUser("B*", "Asterisco");
    addUser("O'BRI", "Apostrofo");
    addUser("[A]", "Colchetes");
    const struct {
        const char* typed;
        const char* found;  // USUA, or nullptr for no user
    } cases[] = {
        {"ana", "Ana"},     {"*", nullptr},         {"A?A", nullptr},
        {"A*", nullptr},    {"B*", "Asterisco"},    {"b[*]", nullptr},
        {"o'bri", "Apostrofo"}, {"'", nullptr},     {"[A]", "Colchetes"},
        {"A", nullptr},     {"ANA ", nullptr},      {"#", nullptr},
    };
    for (const auto& c : cases) {
        const shell::UserLookup got = shell::LookUpUser(mainDatabase(), c.typed);
        if (c.found) {
            EXPECT_EQ(got, shell::UserLookup::Found) << c.typed;
            EXPECT_EQ(state().session.UserDisplayName, c.found) << c.typed;
        } else {
            EXPECT_EQ(got, shell::UserLookup::NotFound) << c.typed;
            expectNobodyLoggedIn();
        }
    }
}

TEST_F(UserRightsTest, EngineErrorGrantsNoRight)
{
    execSql("ALTER TABLE USUARIOS DROP COLUMN PRF");
    startAndActivate();
    typeInto(controls().Text2, "ADMIN");
    dialogs.expectOk("Desculpe, mas sua identificação não está correta ou foi alterada.");
    QTest::keyClick(controls().Text2, Qt::Key_Tab);

    ASSERT_EQ(dialogs.boxes.size(), 1u);
    EXPECT_EQ(dialogs.boxes[0].title, "Liberação de Acesso");
    EXPECT_EQ(controls().Text2->text(), "ADMIN") << "the box keeps what was typed";
    EXPECT_EQ(QApplication::focusWidget(), controls().Text2);
    expectNobodyLoggedIn();
}

TEST_F(UserRightsTest, NoMatchClearsTheEarlierLookUpsUserAndRights)
{
    startAndActivate();
    // The identification is left once with a user's identification...
    typeInto(controls().Text2, "ADMIN");
    QTest::keyClick(controls().Text2, Qt::Key_Tab);
    ASSERT_TRUE(state().session.hasRight(Right::ACW));
    // ...then changed to one that names nobody; a right level code is pressed.
    controls().Text2->setText("OUTRO");
    typeInto(controls().Text1, "MASTER");
    dialogs.expectOk("Desculpe, mas sua identificação não está correta ou foi alterada.");
    QTest::mouseClick(controls().Command1, Qt::LeftButton);

    EXPECT_EQ(windows::Form2().state(), ui::Window::State::Shown);
    EXPECT_EQ(state().session.AccessLevelWord, level::Total);
    expectNobodyLoggedIn();
}

}  // namespace
}  // namespace vorna::test
