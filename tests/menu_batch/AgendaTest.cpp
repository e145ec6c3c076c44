#include "Batch1Fixture.h"

#include "menu_batch/Agenda.h"
#include "menu_batch/StandInReports.h"

#include <QFile>

namespace vorna {
namespace {

using menu_batch::AgendaControl;
using menu_batch::AgendaRun;
using test::Batch1Fixture;
using test::Fields;
using test::joined;

TEST(AgendaRunsTest, MonthsBackCrossTheYearEnd)
{
    const struct {
        int month, k, wantMonth, wantYear;
    } cases[] = {
        {1, 3, 10, 2015}, {1, 6, 7, 2015}, {1, 9, 4, 2015}, {3, 3, 12, 2015},
        {9, 9, 12, 2015}, {10, 9, 1, 2016}, {12, 9, 3, 2016}, {4, 3, 1, 2016},
    };
    for (const auto& c : cases)
        EXPECT_EQ(menu_batch::monthsBack(c.month, 2016, c.k), (menu_batch::MonthOfYear{c.wantMonth, c.wantYear}))
            << c.month << " - " << c.k;
}

TEST(AgendaRunsTest, TheRunsOfEachLevelInOrder)
{
    const QDate day(2016, 3, 5);
    EXPECT_TRUE(menu_batch::agendaRuns(level::Minimum, day).empty());
    EXPECT_EQ(menu_batch::agendaRuns(level::Medium, day).size(), 9u);
    const std::vector<AgendaRun> runs = menu_batch::agendaRuns(level::Total, day);
    ASSERT_EQ(runs.size(), 14u);
    EXPECT_EQ(menu_batch::agendaRuns(QString(), day).size(), 14u);  // any other word: the first level's runs

    const struct {
        AgendaControl control;
        int position;
        const char* title;
        const char* file;
    } want[] = {
        {AgendaControl::MenuReport1, 10, "SINISTROS PENDENTES", "RELSINE.RPT"},
        {AgendaControl::MenuReport1, 30, "RENOVACAO GERAL NO DIA", "RELREN.RPT"},
        {AgendaControl::MenuReport1, 50, "RENOVACAO DE NÃO CLIENTES", "RELNCLI3.RPT"},
        {AgendaControl::MenuReport2, 70, "HABILITAÇÕES VENCENDO", "RELCLI5.RPT"},
        {AgendaControl::MenuReport2, 90, "ANIVERSARIANTES NO DIA - NÃO CLIENTES", "RELNCLIA.RPT"},
        {AgendaControl::MenuReport2, 110, "ANIVERSARIANTES NO DIA", "RELCLI1.RPT"},
        {AgendaControl::MenuReport2, 130, "ANIVERSÁRIOS DE CASAMENTO", "RELCAS.RPT"},
        {AgendaControl::MenuReport2, 150, "EMISSÕES PENDENTES", "RELPEN1.RPT"},
        {AgendaControl::PendingMatters, 170, "ASSUNTOS PENDENTES", "RELMEMOA.RPT"},
        {AgendaControl::MenuReport1, 190, "PARCELAS VENCENDO NO DIA", "RELREC.RPT"},
        {AgendaControl::MenuReport1, 220, "PRIMEIRA PARCELA VENCENDO NO DIA", "RELREC.RPT"},
        {AgendaControl::MenuReport1, 250, "SEGUROS COMERCIALIZADOS A TRÊS MESES", "RELREN.RPT"},
        {AgendaControl::MenuReport1, 280, "SEGUROS COMERCIALIZADOS A SEIS MESES", "RELREN.RPT"},
        {AgendaControl::MenuReport1, 310, "SEGUROS COMERCIALIZADOS A NOVE MESES", "RELREN.RPT"},
    };
    for (size_t i = 0; i < runs.size(); ++i) {
        SCOPED_TRACE(i + 1);
        EXPECT_EQ(runs[i].control, want[i].control);
        EXPECT_EQ(runs[i].position, want[i].position);
        EXPECT_EQ(runs[i].windowTitle, QString::fromUtf8(want[i].title));
        EXPECT_EQ(runs[i].reportFile, QString::fromLatin1(want[i].file));
    }
}

TEST(AgendaRunsTest, FormulasCarryTheDayWithoutLeadingZeros)
{
    const std::vector<AgendaRun> runs = menu_batch::agendaRuns(level::Total, QDate(2016, 3, 5));
    const std::optional<QString> none;
    const struct {
        size_t run;
        std::optional<QString> formula0;
        std::optional<QString> selection;
    } want[] = {
        {1, "TITULO = 'SINISTROS PENDENTES'", "IsNull({SINISTRO.DATA_ENCERRAMENTO})"},
        {2, "TITULO = 'RENOVACAO NO DIA'",
         "month({DOCUMENTOS.VIGENCIAFINAL}) = 3 and year({DOCUMENTOS.VIGENCIAFINAL}) = 2016 and "
         "day({DOCUMENTOS.VIGENCIAFINAL}) = 5 and {DOCUMENTOS.TIPO} = 'A' and {DOCUMENTOS.VIGENTE} = 'V'"},
        {3, "MES = 3", ""},
        {4, none, "month({CLIENTES.HABI}) = 3 and year({CLIENTES.HABI}) = 2016 and day({CLIENTES.HABI}) = 5"},
        {5, none, "month({NAOCLIENTES.ANIV}) = 3 and day({NAOCLIENTES.ANIV}) = 5"},
        {6, none, "month({CLIENTES.ANIV}) = 3 and day({CLIENTES.ANIV}) = 5"},
        {7, none, "month({CLIENTES.CASAMENTO}) = 3 and day({CLIENTES.CASAMENTO}) = 5"},
        {8, none, ""},
        {9, none, none},
        {10, "TITULO = 'PARCELAS VENCENDO NO DIA'",
         "month({PARCELAS.DV1}) = 3 and year({PARCELAS.DV1}) = 2016 and day({PARCELAS.DV1}) = 5 and "
         "{DOCUMENTOS.VIGENTE} = 'V' and IsNull({PARCELAS.DP1})"},
        {11, "TITULO = 'PRIMEIRA PARCELA VENCENDO NO DIA'",
         "month({PARCELAS.DV1}) = 3 and year({PARCELAS.DV1}) = 2016 and day({PARCELAS.DV1}) = 5 and "
         "{DOCUMENTOS.VIGENTE} = 'V' and IsNull({PARCELAS.DP1}) and {PARCELAS.NUMERO} = 1"},
        {12, "TITULO = 'SEGUROS COMERCIALIZADOS A TRÊS MESES'",
         "month({DOCUMENTOS.VIGENCIAINICIAL}) = 12 and year({DOCUMENTOS.VIGENCIAINICIAL}) = 2015 and "
         "day({DOCUMENTOS.VIGENCIAINICIAL}) = 5 and {DOCUMENTOS.TIPO} = 'A' and {DOCUMENTOS.VIGENTE} = 'V'"},
        {14, "TITULO = 'SEGUROS COMERCIALIZADOS A NOVE MESES'",
         "month({DOCUMENTOS.VIGENCIAINICIAL}) = 6 and year({DOCUMENTOS.VIGENCIAINICIAL}) = 2015 and "
         "day({DOCUMENTOS.VIGENCIAINICIAL}) = 5 and {DOCUMENTOS.TIPO} = 'A' and {DOCUMENTOS.VIGENTE} = 'V'"},
    };
    for (const auto& w : want) {
        SCOPED_TRACE(w.run);
        EXPECT_EQ(runs[w.run - 1].formula0, w.formula0);
        EXPECT_EQ(runs[w.run - 1].selection, w.selection);
    }
}

class AgendaTest : public Batch1Fixture {
protected:
    void SetUp() override
    {
        Batch1Fixture::SetUp();
        setNow(QDateTime(QDate(2016, 3, 5), QTime(9, 0)));
        auto day = [](int y, int m, int d) { return Variant::date(QDate(y, m, d)); };
        addRow(QStringLiteral("SINISTRO"), {{"PROCESSO", 1}, {"APOLICE", "111"}});
        addRow(QStringLiteral("SINISTRO"), {{"PROCESSO", 2}, {"APOLICE", "222"}, {"DATA_ENCERRAMENTO", day(2016, 1, 2)}});
        const Fields inForce{{"TIPO", "A"}, {"VIGENTE", "V"}, {"EMISSAO", day(2015, 1, 1)}};
        endsToday = addDocument(joined(inForce, {{"VIGENCIAFINAL", day(2016, 3, 5)}, {"EMISSAO", Variant::null()}}));
        addDocument(joined(inForce, {{"VIGENCIAFINAL", day(2015, 3, 5)}}));                  // another year
        addDocument({{"TIPO", "A"}, {"VIGENTE", "R"}, {"VIGENCIAFINAL", day(2016, 3, 5)}});  // not in force
        soldIn[0] = addDocument(joined(inForce, {{"VIGENCIAINICIAL", day(2015, 12, 5)}}));
        soldIn[1] = addDocument(joined(inForce, {{"VIGENCIAINICIAL", day(2015, 9, 5)}}));
        soldIn[2] = addDocument(joined(inForce, {{"VIGENCIAINICIAL", day(2015, 6, 5)}}));
        // Not issued yet, and no policy: only the pending issues list it.
        endorsement = addDocument({{"TIPO", "E"}, {"VIGENTE", "V"}, {"VIGENCIAINICIAL", day(2015, 12, 5)}});
        auto instalment = [&](int document, int number, const Variant& paid) {
            addRow(QStringLiteral("PARCELAS"), {{"PROPOSTA", document}, {"NUMERO", number}, {"FILIAL", 1},
                                                {"DV1", day(2016, 3, 5)}, {"DP1", paid}, {"VALOR", 10.0}});
        };
        instalment(endsToday, 1, Variant::null());
        instalment(endsToday, 2, Variant::null());
        instalment(soldIn[0], 1, day(2016, 3, 1));
        addClient({{"NOME", "HABILITADO"}, {"HABI", day(2016, 3, 5)}});
        addClient({{"NOME", "OUTRO ANO"}, {"HABI", day(2017, 3, 5)}, {"ANIV", day(1980, 3, 5)}});
        addClient({{"NOME", "CASADO"}, {"CASAMENTO", day(2000, 3, 5)}, {"ANIV", day(1980, 5, 3)}});
        addRow(QStringLiteral("NAOCLIENTES"), {{"CODIGO", 1}, {"NOME", "PROSPECTO"}, {"ANIV", day(1990, 3, 5)},
                                               {"CADA", day(2014, 3, 20)}});
        addRow(QStringLiteral("NAOCLIENTES"), {{"CODIGO", 2}, {"NOME", "ABRIL"}, {"CADA", day(2015, 4, 1)}});
        addRow(QStringLiteral("LOGUI"), {{"NOME", "PENDENTE"}, {"LIQUI", "N"}});
        addRow(QStringLiteral("LOGUI"), {{"NOME", "LIQUIDADO"}, {"LIQUI", "S"}});
    }

    report::ReportControl& menuControl(const char* name)
    {
        return *menu().control<report::ReportControl>(name);
    }

    int endsToday = 0;
    int endorsement = 0;
    int soldIn[3] = {};
};

TEST_F(AgendaTest, TheFirstLevelSeesFourteenWindowsWithTheDaysRows)
{
    menu().RunDailyAgendaReports();
    ASSERT_EQ(reports.launches.size(), 14u);
    const QString pendingMatters = menu_batch::PendingMattersWindow;
    auto n = [](int v) { return QString::number(v); };
    const struct {
        const char* owner;
        const char* control;
        QStringList firstColumn;
    } want[] = {
        {"Form2", "CrystalReport1", {"1"}},
        {"Form2", "CrystalReport1", {n(endsToday)}},
        {"Form2", "CrystalReport1", {"1"}},
        {"Form2", "CrystalReport2", {}},  // filled below: client codes
        {"Form2", "CrystalReport2", {"1"}},
        {"Form2", "CrystalReport2", {}},
        {"Form2", "CrystalReport2", {}},
        {"Form2", "CrystalReport2", {n(endsToday), n(endorsement)}},
        {nullptr, "CrystalReport2", {}},
        {"Form2", "CrystalReport1", {n(endsToday), n(endsToday)}},
        {"Form2", "CrystalReport1", {n(endsToday)}},
        {"Form2", "CrystalReport1", {n(soldIn[0])}},
        {"Form2", "CrystalReport1", {n(soldIn[1])}},
        {"Form2", "CrystalReport1", {n(soldIn[2])}},
    };
    for (size_t i = 0; i < 14; ++i) {
        SCOPED_TRACE(i + 1);
        const report::LaunchRecord& l = launch(i);
        EXPECT_TRUE(l.succeeded) << l.failure.toStdString();
        EXPECT_EQ(l.owner, want[i].owner ? QString::fromLatin1(want[i].owner) : pendingMatters);
        EXPECT_EQ(l.control, QString::fromLatin1(want[i].control));
        EXPECT_EQ(l.settings.windowLeft, l.settings.windowTop);
        if (!want[i].firstColumn.isEmpty())
            EXPECT_EQ(column(l, 0), want[i].firstColumn);
    }
    EXPECT_EQ(column(launch(3), 1), QStringList{"HABILITADO"});
    EXPECT_EQ(column(launch(5), 1), QStringList{"OUTRO ANO"});
    EXPECT_EQ(column(launch(6), 1), QStringList{"CASADO"});
    EXPECT_EQ(column(launch(8), 3), QStringList{"PENDENTE"});
    EXPECT_EQ(launch(1).document->title, QStringLiteral("RENOVACAO NO DIA"));
    EXPECT_EQ(launch(13).settings.windowLeft, 310);
    EXPECT_TRUE(dialogs.boxes.empty());
}

TEST_F(AgendaTest, EachLevelGetsItsRunsAndTheControlsKeepTheLastSettings)
{
    logIn(level::Minimum, everyRight());
    menu().RunDailyAgendaReports();
    EXPECT_TRUE(reports.launches.empty());

    logIn(level::Medium, everyRight());
    menu().RunDailyAgendaReports();
    ASSERT_EQ(reports.launches.size(), 9u);
    EXPECT_EQ(launch(7).settings.windowLeft, 150);
    // CrystalReport1 stays as run 3 left it, CrystalReport2 as run 8 did.
    const report::LaunchSettings& first = menuControl("CrystalReport1").settings();
    EXPECT_EQ(first.formulas.at(0), QStringLiteral("MES = 3"));
    EXPECT_EQ(first.selectionFormula, QString());
    EXPECT_EQ(first.windowTitle, QStringLiteral("RENOVACAO DE NÃO CLIENTES"));
    const report::LaunchSettings& second = menuControl("CrystalReport2").settings();
    EXPECT_EQ(second.reportFileName, appFolder() + QStringLiteral("\\RELPEN1.RPT"));
    EXPECT_TRUE(second.formulas.empty());
    EXPECT_EQ(second.selectionFormula, QString());

    // The stand-in of run 9 is never reset: a setting given to it stays for its next run.
    report::ReportControl& standIn =
        menu_batch::standInReportControl(menu_batch::PendingMattersWindow, menu_batch::PendingMattersControl);
    standIn.setSelectionFormula(QStringLiteral("{LOGUI.NOME} = 'NADA'"));
    menu().RunDailyAgendaReports();
    ASSERT_EQ(reports.launches.size(), 18u);
    EXPECT_EQ(launch(17).settings.selectionFormula, QStringLiteral("{LOGUI.NOME} = 'NADA'"));
    EXPECT_TRUE(column(launch(17), 0).isEmpty());
    EXPECT_TRUE(dialogs.boxes.empty());
}

TEST_F(AgendaTest, DefinitionsOnTheFirstControlRunWithWhatTheAgendaLeftThere)
{
    // A later routine that only names its file meets the agenda's formula 0
    // and selection on the main menu's first control.
    for (const QString& level : {level::Medium, level::Total}) {
        logIn(level, everyRight());
        menu().RunDailyAgendaReports();
        report::ReportControl& first = menuControl("CrystalReport1");
        const QStringList files = level == level::Medium
                                      ? QStringList{"RELSINE.RPT", "RELREN.RPT", "RELREC.RPT", "RELNCLI3.RPT"}
                                      : QStringList{"RELREN.RPT", "RELREC.RPT"};
        for (const QString& file : files) {
            reports.launches.clear();
            first.setReportFileName(appFolder() + u'\\' + file);
            first.setAction(1);
            ASSERT_EQ(reports.launches.size(), 1u);
            EXPECT_TRUE(launch(0).succeeded) << file.toStdString() << ": " << launch(0).failure.toStdString();
        }
    }
}

TEST_F(AgendaTest, ARefusedReportShowsItsBoxAndTheNextRunsGoOn)
{
    QFile::remove(pathOf(QStringLiteral("RELCLI5.RPT")));
    dialogs.expectOk();
    menu().RunDailyAgendaReports();
    ASSERT_EQ(reports.launches.size(), 14u);
    EXPECT_FALSE(launch(3).succeeded);
    for (size_t i = 4; i < 14; ++i)
        EXPECT_TRUE(launch(i).succeeded) << i;
    ASSERT_EQ(dialogs.boxes.size(), 1u);
    EXPECT_TRUE(dialogs.boxes[0].text.contains(QStringLiteral("RELCLI5.RPT")));
    EXPECT_TRUE(menu().isEnabled());
}

}  // namespace
}  // namespace vorna
