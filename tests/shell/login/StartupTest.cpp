#include "LoginFixture.h"

#include "common/LevelCodeCipher.h"
#include "shell/Startup.h"

#include <QFile>
#include <QTimer>

namespace vorna::test {
namespace {

class StartupTest : public LoginFixture {};

TEST_F(StartupTest, NullSettingsReceiveDefaultsButEmptyTextsAndFilledFieldsStay)
{
    setSettings({{"PASSE2", Variant(QString())}, {"CUSTO", Variant("S")}, {"I8", Variant(1.5)},
                 {"FILIAL", Variant::null()}});

    startProgram();

    EXPECT_TRUE(dialogs.boxes.empty());
    EXPECT_EQ(login().state(), ui::Window::State::Shown);
    // Stored back into the row.
    EXPECT_TRUE(storedSetting("PASSE1").identical(Variant("VASKO")));
    EXPECT_TRUE(storedSetting("PASSE2").identical(Variant(QString())));
    EXPECT_TRUE(storedSetting("PASSE3").identical(Variant("QUABRO")));
    EXPECT_TRUE(storedSetting("PASSE4").identical(Variant("ZORVIL")));
    EXPECT_TRUE(storedSetting("CUSTO").identical(Variant("S")));
    EXPECT_TRUE(storedSetting("INGLES").identical(Variant("P")));
    EXPECT_TRUE(storedSetting("EMAIL").identical(Variant("E")));
    EXPECT_TRUE(storedSetting("I9").identical(Variant(0.38)));
    EXPECT_TRUE(storedSetting("I8").identical(Variant(1.5)));
    EXPECT_TRUE(storedSetting("I3").identical(Variant(7.38)));
    EXPECT_TRUE(storedSetting("FILIAL").isNull());
    // Copied into the program-wide values.
    const ProgramState& s = state();
    EXPECT_TRUE(s.settings.DeletionPassword.identical(Variant("VASKO")));
    EXPECT_TRUE(s.settings.CommissionChangePassword.identical(Variant(QString())));
    EXPECT_TRUE(s.settings.SettlementPassword.identical(Variant("QUABRO")));
    EXPECT_TRUE(s.settings.ProducerChangePassword.identical(Variant("ZORVIL")));
    EXPECT_TRUE(s.settings.CostOption.identical(Variant("S")));
    EXPECT_TRUE(s.settings.WindowsLanguageOption.identical(Variant("P")));
    EXPECT_TRUE(s.settings.MailProgramOption.identical(Variant("E")));
    EXPECT_EQ(s.settings.BranchNumber, 0);
    EXPECT_TRUE(s.MainDatabase.isOpen());
    EXPECT_TRUE(s.QuotationDatabase.isOpen());
    EXPECT_EQ(programEnds, 0);
}

TEST_F(StartupTest, FreshInstallationGetsItsBranchAndPreparedLevelCodes)
{
    startProgram();

    EXPECT_EQ(state().settings.BranchNumber, 1);
    const auto& prepared = login().PreparedLevelCodes();
    EXPECT_EQ(prepared[0], LevelCodeCipher::EncodeTyped("MASTER"));
    EXPECT_EQ(prepared[1], LevelCodeCipher::EncodeTyped("MEDIAS"));
    EXPECT_EQ(prepared[2], LevelCodeCipher::EncodeTyped("MINIMA"));
}

// Failures the start-up table answers by ending the program before the login
// window shows.
struct FatalCase {
    const char* name;
    void (*arrange)(ProgramState& s, const QString& folder);
    const char* message;
    const char* missingFile;  // a database that must not be created
};

void sql(ProgramState& s, const char* statement)
{
    ASSERT_EQ(sqlite3_exec(s.MainDatabase.handle(), statement, nullptr, nullptr, nullptr), SQLITE_OK);
}

const char* const NotFound = "ARQUIVO NAO ENCONTRADO NO DIRETÓRIO! RESTAURE O BACKUP!";
const char* const DataLost = "O SISTEMA PERDEU OS DADOS DA CORRETORA/FILIAL.";

const FatalCase FatalCases[] = {
    {"MissingMainDatabase",
     [](ProgramState& s, const QString& folder) {
         s.MainDatabase = {};
         QFile::remove(folder + "/VORNA.MDB");
     },
     NotFound, "VORNA.MDB"},
    {"MissingQuotationDatabase",
     [](ProgramState& s, const QString& folder) {
         s.QuotationDatabase = {};
         QFile::remove(folder + "/ATIBERA.MDB");
     },
     NotFound, "ATIBERA.MDB"},
    {"EmptyLevelCodes", [](ProgramState& s, const QString&) { sql(s, "DELETE FROM DAMUS"); }, DataLost,
     nullptr},
    {"EmptySettings", [](ProgramState& s, const QString&) { sql(s, "DELETE FROM REGISTRO"); }, DataLost,
     nullptr},
    {"DamagedMainDatabase",
     [](ProgramState& s, const QString& folder) {
         s.MainDatabase = {};
         QFile f(folder + "/VORNA.MDB");
         ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
         f.write(QByteArray(4096, 'x'));
     },
     "SEU BANCO DE DADOS ESTÁ CORROMPIDO! EFETUE A OPERAÇÃO DE REPARAÇÃO E COMPACTAÇÃO. SE NÃO "
     "RESOLVER SERÁ NECESSÁRIO RESTAURAR O BACKUP.",
     nullptr},
};

class FatalStartupTest : public LoginFixture, public ::testing::WithParamInterface<FatalCase> {};

TEST_P(FatalStartupTest, EndsTheProgramWithItsMessageBeforeTheLoginWindowShows)
{
    const FatalCase& c = GetParam();
    c.arrange(state(), folder());
    dialogs.expectOk(QString::fromUtf8(c.message));

    startProgram();

    ASSERT_EQ(dialogs.boxes.size(), 1u);
    EXPECT_EQ(dialogs.boxes[0].title, "ATENÇÃO");
    EXPECT_EQ(dialogs.boxes[0].icon, dlg::Icon::Exclamation);
    EXPECT_EQ(dialogs.boxes[0].buttons, dlg::Buttons::Ok);
    EXPECT_EQ(state().MessageText.toString(), QString::fromUtf8(c.message));
    EXPECT_EQ(programEnds, 1);
    EXPECT_FALSE(login().isVisible());
    EXPECT_EQ(login().state(), ui::Window::State::NotLoaded);
    if (c.missingFile) {
        EXPECT_FALSE(QFile::exists(pathOf(c.missingFile))) << "a missing database must not be created";
    }
}

INSTANTIATE_TEST_SUITE_P(Startup, FatalStartupTest, ::testing::ValuesIn(FatalCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(StartupTest, UnlistedErrorIsReportedByEachStatementAndTheLoadStepGoesOn)
{
    // A settings table without PASSE4: its test and its assignment fail when the
    // defaults are filled, and again when the settings are copied.
    execSql("ALTER TABLE REGISTRO DROP COLUMN PASSE4");
    for (int i = 0; i < 4; ++i)
        dialogs.expectOk("ERRO DETECTADO 3265");

    startProgram();

    ASSERT_EQ(dialogs.boxes.size(), 4u);
    for (const ShownBox& box : dialogs.boxes) {
        EXPECT_TRUE(box.title.isEmpty());
        EXPECT_EQ(box.icon, dlg::Icon::None);
    }
    EXPECT_EQ(state().MessageText.toString(), "ERRO DETECTADO 3265");
    EXPECT_EQ(programEnds, 0);
    EXPECT_EQ(login().state(), ui::Window::State::Shown);
    // Every statement after the failing ones ran.
    EXPECT_TRUE(state().settings.DeletionPassword.identical(Variant("VASKO")));
    EXPECT_TRUE(state().settings.MailProgramOption.identical(Variant("E")));
    EXPECT_TRUE(state().settings.ProducerChangePassword.isEmpty());
    EXPECT_EQ(state().settings.BranchNumber, 1);
    EXPECT_TRUE(storedSetting("I3").identical(Variant(7.38)));
}

TEST_F(StartupTest, NullLevelCodeCanNeverBeMatchedWhileTheOthersWork)
{
    setFirstRow("DAMUS", {{"NOTRE2", Variant::null()}});
    startProgram();

    EXPECT_TRUE(login().PreparedLevelCodes()[1].isEmpty());
    controls().Text2->setText("ADMIN");
    controls().Text1->setText("MEDIAS");
    login().Command1_Click();
    EXPECT_EQ(login().MatchedLevel(), 0);
    EXPECT_EQ(login().WrongCodeCount(), 1);

    controls().Text1->setText("MINIMA");
    login().Command1_Click();
    EXPECT_EQ(login().MatchedLevel(), 3);
    EXPECT_EQ(state().session.AccessLevelWord, level::Minimum);
}

TEST_F(StartupTest, LockedSettingsRowStillGivesTheStoredSettings)
{
    setSettings({{"PASSE1", Variant("SEGURA")}, {"INGLES", Variant("I")}});
    // Another workstation holds the file for writing while this one starts.
    sqlite3* other = nullptr;
    ASSERT_EQ(sqlite3_open(pathOf("VORNA.MDB").toUtf8().constData(), &other), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(other, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr), SQLITE_OK);

    startProgram();

    sqlite3_exec(other, "ROLLBACK", nullptr, nullptr, nullptr);
    sqlite3_close(other);
    EXPECT_TRUE(dialogs.boxes.empty());
    EXPECT_EQ(login().state(), ui::Window::State::Shown);
    EXPECT_TRUE(state().settings.DeletionPassword.identical(Variant("SEGURA")));
    EXPECT_TRUE(state().settings.WindowsLanguageOption.identical(Variant("I")));
    EXPECT_EQ(state().settings.BranchNumber, 1);
    // Nothing was written: the Null fields are still Null and stay uncopied.
    EXPECT_TRUE(storedSetting("PASSE2").isNull());
    EXPECT_TRUE(state().settings.CommissionChangePassword.isEmpty());
}

TEST_F(StartupTest, DayTextScrollsOneCharacterPerTick)
{
    setNow(QDateTime(QDate(2024, 7, 10), QTime(8, 0)));
    startProgram();

    const QString hdi = QString(30, u' ')
        + "Nosso sistema é capaz de baixar automaticamente as parcelas de comissões da HDI";
    EXPECT_EQ(login().MarqueeText(), hdi);
    ASSERT_TRUE(login().Timer1());
    EXPECT_TRUE(login().Timer1()->isActive());
    EXPECT_EQ(login().Timer1()->interval(), 100);

    controls().Text3->setText("digitado");
    login().Timer1_Timer();
    EXPECT_EQ(controls().Text3->text(), hdi.mid(1) + hdi.left(1));
    for (int i = 1; i < hdi.size(); ++i)
        login().Timer1_Timer();
    EXPECT_EQ(controls().Text3->text(), hdi);
}

TEST(DayText, FollowsTheDayOfTheMonth)
{
    const struct {
        int day;
        QString text;
    } cases[] = {
        {3, "Nosso sistema é capaz de baixar as parcelas de comissões da Bradesco"},
        {26, "Nosso sistema é capaz de baixar as parcelas de comissões da Sul América"},
        {1, "Nos adicione em seu MSN : " + shell::SupportMessengerAddress},
        {31, "Nos adicione em seu MSN : " + shell::SupportMessengerAddress},
        {29, "Nos adicione no SKYPE : " + shell::SupportSkypeName},
        {28, "Siga-nos no TWITTER : " + shell::SupportTwitterName},
    };
    for (const auto& c : cases)
        EXPECT_EQ(shell::MarqueeTextForDay(c.day), QString(30, u' ') + c.text) << c.day;
}

}  // namespace
}  // namespace vorna::test
