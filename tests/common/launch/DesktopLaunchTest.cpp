#include "common/DesktopLaunch.h"
#include "support/ProgramFixture.h"

#include <QUrlQuery>

namespace vorna {
namespace {

using test::ProgramFixture;

const Variant Empty;

struct MailCase {
    Variant language;
    Variant program;
    QString commandLine;  // empty: nothing starts
};

TEST(MailCommandLine, FollowsTheLanguageAndProgramOptionsExactly)
{
    const QString address = "Maria.Souza@Exemplo.com.br";
    const QString name = "MARIA DE SOUZA";
    const std::vector<MailCase> cases = {
        {"P", "E", "C:\\ARQUIV~1\\Outloo~1\\msimn.exe /mailurl:mailto:Maria.Souza@Exemplo.com.br"
                   "?subject=Olá, MARIA DE SOUZA&body= "},
        {"P", "O", "C:\\ARQUIV~1\\micros~2\\office12\\outlook.exe /c ipm.note /m Maria.Souza@Exemplo.com.br"
                   "?subject=Entre%20em%20Contato%20com%20nossa%20Corretora"},
        {"I", "E", "C:\\PROGRA~1\\Outloo~1\\msimn.exe /mailurl:mailto:Maria.Souza@Exemplo.com.br"
                   "?subject=Olá, MARIA DE SOUZA&body= "},
        {"I", "O", "C:\\PROGRA~1\\micros~2\\office12\\outlook.exe /c ipm.note /m Maria.Souza@Exemplo.com.br"
                   "?subject=Entre%20em%20Contato%20com%20nossa%20Corretora"},
        // Exact comparisons: lower case, other letters, empty and Null start nothing.
        {"p", "E", {}},
        {"P", "e", {}},
        {"X", "E", {}},
        {"P", "X", {}},
        {Empty, "E", {}},
        {"I", Empty, {}},
        {Variant::null(), "O", {}},
        {"P", Variant::null(), {}},
    };
    for (const MailCase& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.language << " / " << c.program);
        const auto launch = launch::mailLaunch(c.language, c.program, address, name);
        if (c.commandLine.isEmpty()) {
            EXPECT_FALSE(launch.has_value());
            continue;
        }
        ASSERT_TRUE(launch.has_value());
        EXPECT_EQ(launch->asked, c.commandLine);
        EXPECT_EQ(launch->via, desk::Launch::Via::CommandLine);
        EXPECT_EQ(launch->showMode, desk::MaximizedFocus);
        EXPECT_EQ(launch->url.scheme(), "mailto");
        EXPECT_EQ(launch->url.path(), address);
    }
}

TEST(MailCommandLine, KeepsAddressAndNameUnescapedButEncodesEachPartOfTheMailAddress)
{
    // Blanks around the address and a name with "&", "?" and accents: the command line
    // carries them as typed; the mailto address keeps each inside its own part.
    const QString address = " ana@exemplo.com ";
    const QString name = "João & Filhos? Ltda";
    const auto launch = launch::mailLaunch("I", "E", address, name);
    ASSERT_TRUE(launch.has_value());
    EXPECT_EQ(launch->asked, "C:\\PROGRA~1\\Outloo~1\\msimn.exe /mailurl:mailto: ana@exemplo.com "
                             "?subject=Olá, João & Filhos? Ltda&body= ");
    EXPECT_EQ(launch->url.path(), "ana@exemplo.com");
    const QUrlQuery query(launch->url);
    EXPECT_EQ(query.queryItemValue("subject", QUrl::FullyDecoded), "Olá, João & Filhos? Ltda");
    EXPECT_EQ(query.queryItemValue("body", QUrl::FullyDecoded), " ");
    EXPECT_TRUE(launch->url.toEncoded().startsWith("mailto:ana@exemplo.com?subject=Ol%C3%A1%2C%20Jo%C3%A3o%20%26"));

    const auto outlook = launch::mailLaunch("P", "O", address, name);
    ASSERT_TRUE(outlook.has_value());
    const QUrlQuery outlookQuery(outlook->url);
    EXPECT_EQ(outlookQuery.queryItemValue("subject", QUrl::FullyDecoded),
              "Entre em Contato com nossa Corretora");
    EXPECT_FALSE(outlookQuery.hasQueryItem("body"));
}

TEST(SupportMail, StartsOutlookExpressByItsPortuguesePath)
{
    const desk::Launch l = launch::supportMailLaunch();
    EXPECT_EQ(l.asked, "C:\\ARQUIV~1\\Outloo~1\\msimn.exe /mailurl:mailto:" + launch::SupportAddress
                           + "?subject=Vornatec - Suporte&body= ");
    EXPECT_EQ(l.showMode, desk::MaximizedFocus);
    EXPECT_EQ(QUrlQuery(l.url).queryItemValue("subject", QUrl::FullyDecoded), "Vornatec - Suporte");
}

TEST(BrowserLaunch, IsTheFixedBrowserPathFollowedByTheAddress)
{
    const desk::Launch l = launch::browserLaunch("https://corretor.exemplo.com.br/login");
    EXPECT_EQ(l.asked, "C:\\ARQUIV~1\\Intern~1\\iexplore.exe https://corretor.exemplo.com.br/login");
    EXPECT_EQ(l.via, desk::Launch::Via::CommandLine);
    EXPECT_EQ(l.showMode, desk::MaximizedFocus);
    EXPECT_EQ(l.url, QUrl("https://corretor.exemplo.com.br/login"));
}

TEST(WebMap, QueryTakesOnlyPartsThatAreNotBlankAndKeepsTheirBlanks)
{
    struct Case {
        QString address, city, state, query;
    };
    const std::vector<Case> cases = {
        {"Rua das Flores, 10", "São Paulo", "SP", "Rua das Flores, 10 ,São Paulo ,SP"},
        {"", "", "", " , ,"},
        {"   ", " ", "  ", " , ,"},
        {"Av. Brasil", "", "RJ", "Av. Brasil , ,RJ"},
        {" Rua Ipê ", " Niterói", "", " Rua Ipê  , Niterói ,"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(launch::mapQuery(c.address, c.city, c.state), c.query) << c.query.toStdString();
}

TEST(WebMap, OpensTheSearchAddressWithTheQueryAsTheValueOfQ)
{
    const QString query = "Rua A #12 & fundos ,Niterói ,RJ";
    const desk::Launch l = launch::webMapLaunch(query);
    EXPECT_EQ(l.via, desk::Launch::Via::ShellOpen);
    EXPECT_EQ(l.asked, launch::WebMapSearchAddress + query);
    EXPECT_EQ(l.showMode, desk::HiddenWindow);
    EXPECT_TRUE(launch::WebMapSearchAddress.endsWith("/maps?q="));
    // "#" and "&" stay inside the query instead of cutting the address short.
    EXPECT_EQ(QUrlQuery(l.url).queryItemValue("q", QUrl::FullyDecoded), query);
    EXPECT_TRUE(l.url.fragment().isEmpty());
}

class LaunchThroughTheDesktop : public ProgramFixture {};

TEST_F(LaunchThroughTheDesktop, MailFromABoxUsesTheProgramWideOptions)
{
    state().settings.WindowsLanguageOption = Variant("I");
    state().settings.MailProgramOption = Variant("E");
    launch::startMail("   ", "NOME");
    EXPECT_TRUE(desktop.launches.empty()) << "a blank box starts nothing";

    launch::startMail("a@b.com", "NOME");
    EXPECT_EQ(desktop.asked(),
              QStringList{"C:\\PROGRA~1\\Outloo~1\\msimn.exe /mailurl:mailto:a@b.com?subject=Olá, NOME&body= "});

    state().settings.MailProgramOption = Variant("o");
    launch::startMail("a@b.com", "NOME");
    EXPECT_EQ(desktop.launches.size(), 1u) << "an option outside the table starts nothing";
}

TEST_F(LaunchThroughTheDesktop, FailuresShowNothing)
{
    desktop.succeed = false;
    state().settings.WindowsLanguageOption = Variant("P");
    state().settings.MailProgramOption = Variant("O");
    launch::startMail("a@b.com", "NOME");
    launch::startSupportMail();
    launch::startBrowser("https://portal.exemplo.com.br");
    launch::openWebMap("Rua A", "Rio", "RJ");
    launch::openFile("/nao/existe/anexo.pdf");
    EXPECT_EQ(desktop.launches.size(), 5u);
    EXPECT_TRUE(dialogs.boxes.empty());
}

TEST_F(LaunchThroughTheDesktop, FileOpensMaximisedWithTheDefaultProgram)
{
    const QString path = pathOf("contrato assinado.pdf");
    launch::openFile(path);
    ASSERT_EQ(desktop.launches.size(), 1u);
    const desk::Launch& l = desktop.launches[0];
    EXPECT_EQ(l.via, desk::Launch::Via::ShellOpen);
    EXPECT_EQ(l.asked, path);
    EXPECT_EQ(l.showMode, desk::MaximizedFocus);
    EXPECT_EQ(l.url, QUrl::fromLocalFile(path));
}

TEST(ShellOpenText, TellsWebAddressesFromFilePaths)
{
    EXPECT_EQ(desk::shellOpen("www.exemplo.com.br", 1).url.scheme(), "http");
    EXPECT_EQ(desk::shellOpen("https://exemplo.com.br/a b", 1).url.host(), "exemplo.com.br");
    EXPECT_TRUE(desk::shellOpen("/home/corretora/anexos/www.pdf", 1).url.isLocalFile());
}

}  // namespace
}  // namespace vorna
