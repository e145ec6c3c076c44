#include "LeftoverMenuFixture.h"

#include "menu_batch/LeftoverMenu.h"
#include "platform/report/ReportControl.h"

#include <QFile>
#include <map>
#include <set>

namespace vorna::test {
namespace {

using menu_batch::LeftoverItem;
using menu_batch::LeftoverTarget;

class LeftoverMenuTest : public LeftoverMenuFixture {
protected:
    void run(LeftoverItem item) { menu().RunLeftoverMenuItem(item); }
    void restart(const QString& levelWord, const std::vector<Right>& rights)
    {
        ui::destroyAllWindows();
        logIn(levelWord, rights);
        dialogs.clear();
        reports.launches.clear();
    }
    // A policy in force whose term ended before the clock's day, with one car.
    void addCarPolicy(int number, const QDate& end, const char* status = "V")
    {
        addRow(QStringLiteral("DOCUMENTOS"), {{"PROPOSTA", number}, {"FILIAL", 1}, {"TIPO", "A"}, {"VIGENTE", status},
                                              {"RAMO", 313}, {"NOMCLIENTE", "CLIENTE"}, {"NOMSEGURADORA", "SEGURADORA"},
                                              {"NOMRAMO", "AUTOMÓVEL"}, {"PROD1", 1},
                                              {"VIGENCIAINICIAL", Variant::date(end.addYears(-1))},
                                              {"VIGENCIAFINAL", Variant::date(end)}, {"PREMIOLIQ", 1000.0}});
        addRow(QStringLiteral("AUTOMOVEL"), {{"PROPOSTA", number}, {"ITEM", 1}, {"FILIAL", 1}, {"MARCA", "FIAT"},
                                             {"MODELO", "UNO"}, {"ISCASCO", 30000.0}, {"DANOSMOR", 5000.0}});
    }
};

TEST_F(LeftoverMenuTest, TheTableHoldsTheSeventyNineMembersByGroup)
{
    const auto& items = menu_batch::leftoverMenuItems();
    ASSERT_EQ(items.size(), 79u);
    std::map<char, int> perGroup;
    std::set<std::string> names;
    for (size_t i = 0; i < items.size(); ++i) {
        EXPECT_EQ(size_t(items[i].item), i);
        ++perGroup[items[i].member[0]];
        EXPECT_TRUE(names.insert(items[i].member).second) << items[i].member;
    }
    const std::map<char, int> expected = {{'A', 42}, {'B', 5}, {'C', 3}, {'D', 7}, {'E', 2}, {'F', 2},
                                          {'G', 5},  {'H', 1}, {'I', 1}, {'J', 1}, {'K', 3}, {'R', 7}};
    EXPECT_EQ(perGroup, expected);
}

struct GateCase {
    void (shell::Form2::*member)();
    const char* name;
    QString levelWord;
    std::vector<Right> rights;
    const char* refusal;  // nullptr: the member goes on
    bool titled;
};

const char* const PrintRefused = "DESCULPE, SUA SENHA NÃO PERMITE IMPRESSÃO DE RELATÓRIOS";
const char* const ModuleRefused = "DESCULPE, SUA SENHA NÃO PERMITE ACESSAR ESTE MÓDULO";
const char* const ReportRefused = "DESCULPE, SUA SENHA NÃO PERMITE IMPRESSÃO DESTE RELATÓRIO";
const char* const RightRefused = "DESCULPE, SUA SENHA NÃO PERMITE ACESSO A ESTE MÓDULO!";
const char* const AccessRefused = "DESCULPE, SUA SENHA NÃO PERMITE ACESSO!";

TEST_F(LeftoverMenuTest, GatesRefuseWithOneBoxAndLeaveTheCallerCode)
{
    using F = shell::Form2;
    const std::vector<Right> none;
    const GateCase cases[] = {
        {&F::LeftoverMenuItem_A16, "A16", level::Minimum, none, nullptr, false},
        {&F::LeftoverMenuItem_B21, "B21", level::Medium, none, nullptr, false},
        {&F::LeftoverMenuItem_B21, "B21", level::Minimum, none, PrintRefused, true},
        {&F::LeftoverMenuItem_C46, "C46", level::Total, none, nullptr, false},
        {&F::LeftoverMenuItem_C46, "C46", level::Medium, none, PrintRefused, true},
        {&F::LeftoverMenuItem_C472, "C472", level::Minimum, none, PrintRefused, true},
        {&F::LeftoverMenuItem_E1, "E1", level::Medium, none, ModuleRefused, true},
        {&F::LeftoverMenuItem_E2, "E2", level::Total, none, nullptr, false},
        {&F::LeftoverMenuItem_F1, "F1", level::Medium, none, nullptr, false},
        {&F::LeftoverMenuItem_F2, "F2", level::Minimum, none, ModuleRefused, true},
        {&F::LeftoverMenuItem_H1, "H1", level::Medium, none, ModuleRefused, true},
        {&F::LeftoverMenuItem_I1, "I1", level::Minimum, none, ModuleRefused, true},
        {&F::LeftoverMenuItem_R3, "R3", level::Medium, none, ReportRefused, true},
        {&F::LeftoverMenuItem_R3, "R3", level::Minimum, none, nullptr, false},
        {&F::LeftoverMenuItem_R5, "R5", level::Medium, none, ReportRefused, true},
        // The right is tested before the level.
        {&F::LeftoverMenuItem_J1, "J1", level::Minimum, none, RightRefused, false},
        {&F::LeftoverMenuItem_J1, "J1", level::Minimum, {Right::CGE}, AccessRefused, true},
        {&F::LeftoverMenuItem_J1, "J1", level::Total, none, RightRefused, false},
        {&F::LeftoverMenuItem_J1, "J1", level::Total, {Right::CGE}, nullptr, false},
        // The level is tested before the right.
        {&F::LeftoverMenuItem_K1, "K1", level::Medium, {Right::PRF}, PrintRefused, true},
        {&F::LeftoverMenuItem_K2, "K2", level::Minimum, none, PrintRefused, true},
        {&F::LeftoverMenuItem_K3, "K3", level::Total, none, RightRefused, false},
        {&F::LeftoverMenuItem_K3, "K3", level::Total, {Right::PRF}, nullptr, false},
    };
    for (const GateCase& c : cases) {
        SCOPED_TRACE(std::string(c.name) + " at " + c.levelWord.toStdString());
        restart(c.levelWord, c.rights);
        callerCode() = Variant::integer(999);
        if (c.refusal)
            dialogs.expectOk(QString::fromUtf8(c.refusal));
        (menu().*c.member)();
        if (!c.refusal) {
            EXPECT_TRUE(dialogs.boxes.empty());
            continue;
        }
        ASSERT_EQ(dialogs.boxes.size(), 1u);
        EXPECT_EQ(dialogs.boxes[0].text, QString::fromUtf8(c.refusal));
        EXPECT_EQ(dialogs.boxes[0].title, c.titled ? QStringLiteral("ATENÇÃO!") : QString());
        EXPECT_TRUE(callerCode().identical(Variant::integer(999)));
        EXPECT_TRUE(reports.launches.empty());
    }
}

TEST_F(LeftoverMenuTest, MembersOfLackingWindowsStoreTheirCodesAndOpenNothing)
{
    for (const menu_batch::LeftoverMenuItem& entry : menu_batch::leftoverMenuItems()) {
        if (entry.target != LeftoverTarget::LackingWindow)
            continue;
        SCOPED_TRACE(entry.member);
        callerCode() = Variant::integer(999);
        run(entry.item);
        const Variant expected = Variant::integer(int16_t(entry.code == menu_batch::NoCode ? 999 : entry.code));
        EXPECT_TRUE(callerCode().identical(expected));
    }
    EXPECT_TRUE(dialogs.boxes.empty());
    EXPECT_TRUE(menu().isEnabled());
    EXPECT_EQ(windows::Form70().state(), ui::Window::State::NotLoaded);

    // The member with the code 0 hands the next window a normal opening.
    menu().LeftoverMenuItem_A0();
    EXPECT_TRUE(callerCode().identical(Variant::integer(0)));
}

TEST_F(LeftoverMenuTest, PeriodItemsOpenTheDialogAndLeaveTheMenuEnabled)
{
    menu().LeftoverMenuItem_A321();
    EXPECT_EQ(windows::Form70().state(), ui::Window::State::NotLoaded);

    menu().LeftoverMenuItem_G321();
    EXPECT_TRUE(callerCode().identical(Variant::integer(321)));
    EXPECT_EQ(windows::Form70().state(), ui::Window::State::Shown);
    EXPECT_TRUE(windows::Form70().windowTitle().isEmpty());
    EXPECT_TRUE(menu().isEnabled());
    EXPECT_TRUE(dialogs.boxes.empty());
}

TEST_F(LeftoverMenuTest, ProducerAndEventItemsOpenTheirWindowsWithoutACode)
{
    addRow(QStringLiteral("PRODUTOR"), {{"CODIGO", 1}, {"FILIAL", 1}, {"NOME", "PRODUTOR"}});
    callerCode() = Variant::integer(47);
    menu().LeftoverMenuItem_H1();
    EXPECT_EQ(windows::Form6().state(), ui::Window::State::Shown);
    menu().LeftoverMenuItem_I1();
    EXPECT_EQ(windows::Form7().state(), ui::Window::State::Shown);
    EXPECT_TRUE(callerCode().identical(Variant::integer(47)));
    EXPECT_TRUE(menu().isEnabled());
}

TEST_F(LeftoverMenuTest, MainMenuReportsCascadeAndKeepTheControlsFormulas)
{
    setNow(QDateTime(QDate(2024, 5, 10), QTime(9, 0)));
    addCarPolicy(1, QDate(2024, 12, 1));
    addCarPolicy(2, QDate(2024, 12, 1), "N");
    // An earlier run left a selection on documents and the agenda's month formula.
    report::ReportControl& rpt = *menuControls().CrystalReport1;
    rpt.setSelectionFormula(QStringLiteral("{DOCUMENTOS.TIPO} = 'A'"));
    rpt.setFormulas(0, QStringLiteral("MES = 3"));

    menu().LeftoverMenuItem_R1();
    menu().LeftoverMenuItem_R2();
    menu().LeftoverMenuItem_R3();

    struct Expected {
        int position;
        const char* title;
        const char* file;
    };
    const Expected expected[] = {
        {10, "ITENS AUTO X SEGURADORA", "RELITAC.RPT"},
        {40, "ITENS AUTO X MARCA", "RELITAM.RPT"},
        {70, "ITENS AUTO", "RELITAS.RPT"},
        {10, "ITENS AUTO X DANOS MORAIS X SEGURADORA", "RELDANVC.RPT"},
        {30, "ITENS AUTO X DANOS MORAIS X VIGÊNCIA", "RELDANVE.RPT"},
        {30, "ITENS AUTO X DANOS MORAIS X VIGÊNCIA", "RELRES.RPT"},
    };
    ASSERT_EQ(reports.launches.size(), std::size(expected));
    for (size_t i = 0; i < std::size(expected); ++i) {
        const report::LaunchRecord& launch = reports.launches[i];
        SCOPED_TRACE(expected[i].file);
        EXPECT_TRUE(launch.succeeded) << launch.failure.toStdString();
        EXPECT_EQ(launch.owner, QStringLiteral("Form2"));
        EXPECT_EQ(launch.control, QStringLiteral("CrystalReport1"));
        EXPECT_EQ(launch.settings.windowLeft, expected[i].position);
        EXPECT_EQ(launch.settings.windowTop, expected[i].position);
        EXPECT_EQ(launch.settings.windowTitle, QString::fromUtf8(expected[i].title));
        EXPECT_EQ(launch.settings.reportFileName, appFolder() + u'\\' + QLatin1String(expected[i].file));
        EXPECT_EQ(launch.settings.selectionFormula, QStringLiteral("{DOCUMENTOS.TIPO} = 'A'"));
        EXPECT_EQ(launch.settings.formulas.at(0), QStringLiteral("MES = 3"));
        ASSERT_TRUE(launch.document);
        EXPECT_EQ(launch.document->rows.size(), 1u);  // the policy in force only
    }
    EXPECT_TRUE(dialogs.boxes.empty());
}

TEST_F(LeftoverMenuTest, ARefusedReportShowsItsBoxAndTheNextRunGoesOn)
{
    ASSERT_TRUE(QFile::remove(pathOf("RELITAM.RPT")));
    dialogs.expectOk();
    menu().LeftoverMenuItem_R1();
    ASSERT_EQ(reports.launches.size(), 3u);
    EXPECT_TRUE(reports.launches[0].succeeded);
    EXPECT_FALSE(reports.launches[1].succeeded);
    EXPECT_TRUE(reports.launches[2].succeeded);
    EXPECT_EQ(dialogs.boxes.size(), 1u);
}

TEST_F(LeftoverMenuTest, ListingsRunOnTheLackingWindowsControls)
{
    setNow(QDateTime(QDate(2024, 5, 10), QTime(9, 0)));
    addCarPolicy(1, QDate(2024, 5, 9));
    addCarPolicy(2, QDate(2024, 5, 10));
    addCarPolicy(3, QDate(2024, 1, 1), "R");
    // Another line of business, for the fleet selection.
    addRow(QStringLiteral("DOCUMENTOS"), {{"PROPOSTA", 4}, {"TIPO", "A"}, {"VIGENTE", "V"}, {"RAMO", 311},
                                          {"VIGENCIAFINAL", Variant::date(QDate(2025, 1, 1))}});

    for (auto member : {&shell::Form2::LeftoverMenuItem_R4, &shell::Form2::LeftoverMenuItem_R5,
                        &shell::Form2::LeftoverMenuItem_R6, &shell::Form2::LeftoverMenuItem_R7})
        (menu().*member)();

    ASSERT_EQ(reports.launches.size(), 4u);
    const char* const controls[] = {"CrystalReport2", "CrystalReport2", "CrystalReport1", "CrystalReport1"};
    const size_t rows[] = {2, 3, 3, 1};
    for (size_t i = 0; i < 4; ++i) {
        const report::LaunchRecord& launch = reports.launches[i];
        SCOPED_TRACE(launch.settings.reportFileName.toStdString());
        EXPECT_TRUE(launch.succeeded) << launch.failure.toStdString();
        EXPECT_EQ(launch.owner, QStringLiteral("DocumentListings"));
        EXPECT_EQ(launch.control, QLatin1String(controls[i]));
        EXPECT_FALSE(launch.settings.windowLeft.has_value());
        ASSERT_TRUE(launch.document);
        EXPECT_EQ(launch.document->rows.size(), rows[i]);
    }
    EXPECT_EQ(reports.launches[0].settings.selectionFormula,
              QStringLiteral("{DOCUMENTOS.RAMO} = 313 and {DOCUMENTOS.TIPO} = 'A' and {DOCUMENTOS.VIGENTE} = 'V'"));
    EXPECT_EQ(reports.launches[1].settings.selectionFormula, QString());
    EXPECT_TRUE(reports.launches[2].settings.formulas.empty());
    EXPECT_EQ(reports.launches[3].settings.formulas.at(0),
              QStringLiteral("TITULO = 'LISTAGEM DOS DOCUMENTOS VIGENTES VENCIDOS'"));
    EXPECT_EQ(reports.launches[3].document->title, QStringLiteral("LISTAGEM DOS DOCUMENTOS VIGENTES VENCIDOS"));
    EXPECT_TRUE(menu().isEnabled());
    EXPECT_TRUE(dialogs.boxes.empty());

    // The stand-in is never reset: R6 again runs with the title R7 left.
    menu().LeftoverMenuItem_R6();
    EXPECT_EQ(reports.launches.back().settings.formulas.at(0),
              QStringLiteral("TITULO = 'LISTAGEM DOS DOCUMENTOS VIGENTES VENCIDOS'"));
    EXPECT_TRUE(reports.launches.back().succeeded);
}

}  // namespace
}  // namespace vorna::test
