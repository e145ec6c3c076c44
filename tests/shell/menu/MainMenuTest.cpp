#include "MenuFixture.h"

#include "common/ReportLaunch.h"
#include "platform/controls/PictureButton.h"
#include "shell/ProgramEnd.h"

#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>

namespace vorna {
namespace {

using test::MenuFixture;

// What choosing an item does: a refusal box (its text and title), or what the
// item opens.
struct Outcome {
    QString refusal;   // empty: the item acts
    QString title;
};
const Outcome Acts{};
const Outcome NotThisModule{QStringLiteral("DESCULPE, SUA SENHA NÃO PERMITE ACESSAR ESTE MÓDULO"), QStringLiteral("ATENÇÃO!")};
const Outcome NotThisModuleTitled{QStringLiteral("DESCULPE, SUA SENHA NÃO PERMITE ACESSO A ESTE MÓDULO!"),
                                  QStringLiteral("ATENÇÃO!")};
const Outcome NoRightUntitled{QStringLiteral("DESCULPE, SUA SENHA NÃO PERMITE ACESSO A ESTE MÓDULO!"), QString()};
const Outcome NoAccessAtAll{QStringLiteral("DESCULPE, MAS VOCÊ NÃO TEM ACESSO!"), QStringLiteral("ATENÇÃO!")};
const Outcome Joke{QStringLiteral("DESCULPE, MAS SUA PIADA É MUITO BOA, AH AH AH"), QStringLiteral("ATENÇÃO!")};
const Outcome RiceAndBeans{QStringLiteral("DESCULPE, AINDA FALTA MUITO ARROZ E FEIJÃO!"), QStringLiteral("ATENÇÃO!")};
const Outcome NoPermission{QStringLiteral("VOCÊ NÃO POSSUI PERMISSÃO!"), QStringLiteral("ATENÇÃO!")};

// What an item opens: a window, the period dialog under a selector, or the
// insured-persons report.
struct Target {
    ui::Window& (*window)() = nullptr;
    int selector = 0;
};
Target opens(ui::Window& (*window)()) { return {window, 0}; }
Target period(int selector) { return {&windows::Form70, selector}; }
const Target InsuredReport{};

struct GateCase {
    const char* item;
    Target target;
    bool withAcw;
    Outcome level1, level2, level3;
};

const GateCase GateCases[] = {
    {"menu23", opens(&windows::Form7), true, Acts, NotThisModule, NotThisModule},
    {"menu14", opens(&windows::Form5), true, Acts, Acts, NotThisModuleTitled},
    {"menu25", opens(&windows::Form14), true, Acts, Acts, Acts},
    {"menu11", opens(&windows::Form4), true, Acts, Acts, Acts},
    {"menupro", opens(&windows::Form6), true, Acts, NotThisModule, NotThisModule},
    {"menu26", opens(&windows::Form55), true, Acts, Acts, Acts},
    {"menu27", opens(&windows::Form43), true, Acts, NotThisModule, NotThisModule},
    {"menu31", InsuredReport, true, Acts, NotThisModule, NotThisModule},
    {"menu326", period(2), true, Acts, NotThisModule, NotThisModule},
    {"menu3261", period(3), true, Acts, Acts, Acts},
    {"menu3262", period(4), true, Acts, Acts, Acts},
    {"menu327", period(5), true, Acts, Acts, Acts},
    {"menuapor", period(6), true, Acts, Acts, Acts},
    {"menucart", period(7), true, Acts, Acts, Acts},
    {"menu44", opens(&windows::Form54), true, Acts, Acts, Acts},
    {"menu42", opens(&windows::Form11), true, Acts, Acts, Acts},
    {"menu41", opens(&windows::Form10), true, Acts, Acts, Acts},
    {"menu47", opens(&windows::Form53), true, Acts, RiceAndBeans, Joke},
    {"menu46", opens(&windows::Form95), true, Acts, NoAccessAtAll, NoAccessAtAll},
    {"menu49", opens(&windows::Form42), true, Acts, NoPermission, NoPermission},
    // Without the right ACW the right is refused before the level is looked at.
    {"menu47", opens(&windows::Form53), false, NoRightUntitled, NoRightUntitled, NoRightUntitled},
    {"menu49", opens(&windows::Form42), false, NoRightUntitled, NoRightUntitled, NoRightUntitled},
    // The other items do not ask for ACW.
    {"menu23", opens(&windows::Form7), false, Acts, NotThisModule, NotThisModule},
    {"menu46", opens(&windows::Form95), false, Acts, NoAccessAtAll, NoAccessAtAll},
};

class MainMenu : public MenuFixture {};

TEST_F(MainMenu, EveryItemActsOrRefusesByLevelAndRight)
{
    const QString levels[] = {level::Total, level::Medium, level::Minimum};
    for (const GateCase& c : GateCases) {
        for (int l = 0; l < 3; ++l) {
            SCOPED_TRACE(testing::Message() << c.item << " at " << levels[l].toStdString()
                                            << (c.withAcw ? " with ACW" : " without ACW"));
            std::vector<Right> rights = everyRight();
            if (!c.withAcw)
                std::erase(rights, Right::ACW);
            restart(levels[l], rights);
            const Outcome& expected = l == 0 ? c.level1 : l == 1 ? c.level2 : c.level3;
            if (!expected.refusal.isEmpty())
                dialogs.expectOk(expected.refusal);

            showMainMenu();
            choose(c.item);

            if (!expected.refusal.isEmpty()) {
                ASSERT_EQ(dialogs.boxes.size(), 1u);
                EXPECT_EQ(dialogs.boxes[0].title, expected.title);
                EXPECT_EQ(dialogs.boxes[0].buttons, dlg::Buttons::Ok);
                EXPECT_EQ(dialogs.boxes[0].icon, dlg::Icon::None);
                if (c.target.window) {
                    EXPECT_FALSE(c.target.window().isLoaded());
                }
                EXPECT_TRUE(sink.launches.empty());
                EXPECT_TRUE(state().handOver.CallerCode.isEmpty());
                EXPECT_TRUE(mainMenu().isEnabled());
                continue;
            }
            EXPECT_TRUE(dialogs.boxes.empty());
            if (!c.target.window) {
                ASSERT_EQ(sink.launches.size(), 1u);
                EXPECT_TRUE(sink.launches[0].succeeded) << sink.launches[0].failure.toStdString();
                EXPECT_TRUE(mainMenu().isEnabled());
                continue;
            }
            EXPECT_EQ(c.target.window().state(), ui::Window::State::Shown);
            if (c.target.selector) {
                EXPECT_TRUE(state().handOver.CallerCode.identical(Variant(c.target.selector)));
                EXPECT_FALSE(mainMenu().isEnabled()) << "the period dialog holds the menu";
            } else {
                EXPECT_TRUE(state().handOver.CallerCode.isEmpty()) << "windows are opened without a caller code";
                EXPECT_TRUE(mainMenu().isEnabled());
            }
        }
    }
}

TEST_F(MainMenu, ItemsAreInTheirMenusInOrderWithoutAccessKeys)
{
    showMainMenu();
    auto* bar = mainMenu().control<QMenuBar>("MenuBar");
    ASSERT_NE(bar, nullptr);
    QStringList seen;
    for (QAction* top : bar->actions()) {
        QStringList line{top->text()};
        if (top->menu())
            for (QAction* item : top->menu()->actions())
                line << item->text();
        seen << line.join(u'|');
        for (const QString& text : line) {
            EXPECT_FALSE(text.contains(u'&')) << text.toStdString();
        }
    }
    EXPECT_EQ(seen, QStringList({
                        "Cadastros|Procedimentos|Titulares e Dependentes|Apólices|Estipulantes|Produtores|Grupos|"
                        "Atendentes",
                        "Relatórios|Segurados e Beneficiários|Pagamentos Pendentes p/ Período|Procedimentos Pagos "
                        "p/ Período|Eventos Inclusos|Eventos Negados p/ Período|Eventos por Apólice p/ Período|"
                        "Eventos por Cartão p/ Período",
                        "Operações|Log de Utilização|Ramos de Seguros|Seguradoras|Senhas|Usuários|Parâmetros do "
                        "Sistema",
                        "Funções Especiais|Selecionar e Configurar Impressora",
                        "Sair",
                    }));
}

TEST_F(MainMenu, ChoosingAnOpenWindowBringsItBackWithoutLoadingAgain)
{
    showMainMenu();
    choose("menu41");
    ui::Window& insurers = windows::Form10();
    insurers.setWindowTitle(QStringLiteral("mudado"));
    insurers.hide();
    choose("menu41");
    EXPECT_EQ(insurers.state(), ui::Window::State::Shown);
    EXPECT_EQ(insurers.windowTitle(), "mudado");
}

TEST_F(MainMenu, TitleNamesTheCompanyAndTheUser)
{
    state().session.UserDisplayName = QStringLiteral("Joana Prado");
    showMainMenu();
    EXPECT_EQ(mainMenu().windowTitle(),
              "MERIDALVO 2016.06 - 64 bits - CORRETORA MODELO LTDA  -   Usuário: Joana Prado");
    EXPECT_TRUE(state().handOver.SecondCallerCode.identical(Variant(0)));
}

TEST_F(MainMenu, ClockShowsTheDateAndTimeFromItsFirstTick)
{
    setNow(QDateTime(QDate(2016, 3, 5), QTime(14, 7, 9)));
    showMainMenu();
    auto* date = mainMenu().control<QLabel>("Label1");
    auto* time = mainMenu().control<QLabel>("Label3");
    EXPECT_TRUE(date->text().isEmpty());
    EXPECT_TRUE(time->text().isEmpty());
    ASSERT_TRUE(QTest::qWaitFor([&] { return !date->text().isEmpty(); }, 5000));
    EXPECT_EQ(date->text(), "05/03/2016");
    EXPECT_EQ(time->text(), "14:07:09");
}

TEST_F(MainMenu, PrinterDialogChangesNothingWhenCancelled)
{
    showMainMenu();
    dialogs.expectPrinterDialog(false);
    choose("menu511");
    EXPECT_EQ(dialogs.printerDialogs, 1);
    EXPECT_TRUE(dialogs.boxes.empty());
    EXPECT_TRUE(mainMenu().isEnabled());
}

TEST_F(MainMenu, InsuredPersonsReportStartsFromAResetControl)
{
    showMainMenu();
    // Another window borrowed the control before and left its settings on it.
    report::ReportControl& borrowed = borrowReportControl(mainMenu());
    borrowed.setWindowLeft(150);
    borrowed.setWindowTop(150);
    borrowed.setWindowTitle(QStringLiteral("ASSUNTOS PENDENTES"));
    borrowed.setSelectionFormula(QStringLiteral("{LOGUI.LIQUI} = 'N'"));

    choose("menu31");

    ASSERT_EQ(sink.launches.size(), 1u);
    const report::LaunchRecord& run = sink.launches[0];
    EXPECT_EQ(run.owner, "Form2");
    EXPECT_EQ(run.control, "CrystalReport1");
    EXPECT_EQ(run.settings.reportFileName, reportPath("RELSEG.RPT"));
    EXPECT_TRUE(run.settings.selectionFormula.isEmpty());
    EXPECT_TRUE(run.settings.windowTitle.isEmpty());
    EXPECT_FALSE(run.settings.windowLeft.has_value());
    EXPECT_FALSE(run.settings.windowTop.has_value());
    EXPECT_TRUE(run.settings.formulas.empty());
    EXPECT_TRUE(run.succeeded) << run.failure.toStdString();
}

TEST_F(MainMenu, AFailingReportLeavesTheMenuUsable)
{
    QFile::remove(pathOf("RELSEG.RPT"));
    installReportFailureBox();
    showMainMenu();
    dialogs.expectOk();
    choose("menu31");
    ASSERT_EQ(sink.launches.size(), 1u);
    EXPECT_FALSE(sink.launches[0].succeeded);
    EXPECT_EQ(mainMenu().state(), ui::Window::State::Shown);
    EXPECT_TRUE(mainMenu().isEnabled());
    report::setFailureHandler({});
}

// ---- Leaving

QString reminderText() { return windows::Form79().control<QLabel>("Label1")->text(); }

class Leaving : public MenuFixture {
protected:
    void addClients(int count)
    {
        for (int i = 0; i < count; ++i)
            addRow("CLIENTES", {{"NOME", QStringLiteral("CLIENTE %1").arg(i)}});
    }
    void addDocuments(int count)
    {
        for (int i = 0; i < count; ++i)
            addRow("DOCUMENTOS", {{"APOLICE", QStringLiteral("%1").arg(1000 + i)}});
    }
};

TEST_F(Leaving, SairCountsClientsAndDocumentsIntoTheReminder)
{
    addClients(3);
    addDocuments(12);
    showMainMenu();
    choose("menu0");

    EXPECT_EQ(mainMenu().state(), ui::Window::State::NotLoaded);
    EXPECT_EQ(windows::Form79().state(), ui::Window::State::Shown);
    EXPECT_EQ(windows::Form79().windowTitle(), "FAÇA O BACKUP!!!");
    EXPECT_TRUE(windows::Form79().windowFlags().testFlag(Qt::Tool)) << "no task-bar entry";
    EXPECT_EQ(reminderText(), "CLIENTES: 3    -    APÓLICES E ENDOSSOS: 12");
    EXPECT_TRUE(state().ClientCount.identical(Variant(3)));
    EXPECT_TRUE(state().DocumentCount.identical(Variant(12)));
    EXPECT_EQ(programEnds, 0) << "the program goes on until the reminder's SAIR";
}

TEST_F(Leaving, TheCloseBoxLeavesTheSameWay)
{
    addClients(2);
    addDocuments(1);
    showMainMenu();
    mainMenu().close();
    EXPECT_EQ(mainMenu().state(), ui::Window::State::NotLoaded);
    EXPECT_EQ(windows::Form79().state(), ui::Window::State::Shown);
    EXPECT_EQ(reminderText(), "CLIENTES: 2    -    APÓLICES E ENDOSSOS: 1");
}

TEST_F(Leaving, CountingStopsAtAnEmptyTableAndTheReminderStillShows)
{
    struct Case {
        int clients, documents;
        const char* shown;
    };
    const Case cases[] = {
        {0, 4, "CLIENTES: 0    -    APÓLICES E ENDOSSOS: 0"},
        {5, 0, "CLIENTES: 5    -    APÓLICES E ENDOSSOS: 0"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.shown);
        restart(level::Total, everyRight());
        state().ClientCount = Variant();
        state().DocumentCount = Variant();
        for (const char* table : {"CLIENTES", "DOCUMENTOS"}) {
            db::Recordset rs = mainDatabase().openRecordset(QString::fromLatin1(table));
            while (rs.RecordCount() > 0) {
                rs.MoveFirst();
                rs.Delete();
            }
        }
        addClients(c.clients);
        addDocuments(c.documents);
        showMainMenu();
        choose("menu0");
        EXPECT_EQ(windows::Form79().state(), ui::Window::State::Shown);
        EXPECT_EQ(reminderText(), c.shown);
    }
}

TEST_F(Leaving, ReminderSairEndsTheProgram)
{
    addClients(1);
    showMainMenu();
    choose("menu11");  // a window still open when the program ends
    choose("menu0");
    auto* sair = windows::Form79().control<QPushButton>("Command1");
    EXPECT_EQ(sair->text(), "SAIR");
    QTest::mouseClick(sair, Qt::LeftButton);
    EXPECT_EQ(programEnds, 1);
    EXPECT_TRUE(shell::programEnded());
}

TEST_F(Leaving, LendingTheReportControlAfterwardsLoadsTheMenuHidden)
{
    showMainMenu();
    choose("menu0");
    borrowReportControl(mainMenu());
    EXPECT_EQ(mainMenu().state(), ui::Window::State::LoadedHidden);
}

}  // namespace
}  // namespace vorna
