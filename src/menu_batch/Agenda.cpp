#include "menu_batch/Agenda.h"

#include "common/AppFolder.h"
#include "common/ProgramState.h"
#include "menu_batch/StandInReports.h"
#include "platform/runtime/Clock.h"

namespace vorna::menu_batch {

namespace {

QString titleFormula(const QString& title) { return QStringLiteral("TITULO = '") + title + u'\''; }

QString n(int value) { return QString::number(value); }

// "month({F}) = M and year({F}) = Y and day({F}) = D" and what follows.
QString onDay(const QString& field, int day, int month, int year)
{
    return QStringLiteral("month(") + field + QStringLiteral(") = ") + n(month) + QStringLiteral(" and year(") + field
           + QStringLiteral(") = ") + n(year) + QStringLiteral(" and day(") + field + QStringLiteral(") = ") + n(day);
}

// Day and month of any year.
QString onAnniversary(const QString& field, int day, int month)
{
    return QStringLiteral("month(") + field + QStringLiteral(") = ") + n(month) + QStringLiteral(" and day(") + field
           + QStringLiteral(") = ") + n(day);
}

const QString PolicyInForce = QStringLiteral(" and {DOCUMENTOS.TIPO} = 'A' and {DOCUMENTOS.VIGENTE} = 'V'");
const QString InstalmentOpen = QStringLiteral(" and {DOCUMENTOS.VIGENTE} = 'V' and IsNull({PARCELAS.DP1})");

}  // namespace

MonthOfYear monthsBack(int month, int year, int k)
{
    int m = month - k;
    if (m <= 0)
        return {m + 12, year - 1};
    return {m, year};
}

std::vector<AgendaRun> agendaRuns(const QString& accessLevelWord, const QDate& today)
{
    if (accessLevelWord == level::Minimum)
        return {};
    const int d = today.day();
    const int m = today.month();
    const int y = today.year();
    using C = AgendaControl;
    std::vector<AgendaRun> runs{
        {C::MenuReport1, 10, QStringLiteral("SINISTROS PENDENTES"), QStringLiteral("RELSINE.RPT"),
         titleFormula(QStringLiteral("SINISTROS PENDENTES")), QStringLiteral("IsNull({SINISTRO.DATA_ENCERRAMENTO})")},
        {C::MenuReport1, 30, QStringLiteral("RENOVACAO GERAL NO DIA"), QStringLiteral("RELREN.RPT"),
         titleFormula(QStringLiteral("RENOVACAO NO DIA")),
         onDay(QStringLiteral("{DOCUMENTOS.VIGENCIAFINAL}"), d, m, y) + PolicyInForce},
        {C::MenuReport1, 50, QStringLiteral("RENOVACAO DE NÃO CLIENTES"), QStringLiteral("RELNCLI3.RPT"),
         QStringLiteral("MES = ") + n(m), QString()},
        {C::MenuReport2, 70, QStringLiteral("HABILITAÇÕES VENCENDO"), QStringLiteral("RELCLI5.RPT"), std::nullopt,
         onDay(QStringLiteral("{CLIENTES.HABI}"), d, m, y)},
        {C::MenuReport2, 90, QStringLiteral("ANIVERSARIANTES NO DIA - NÃO CLIENTES"), QStringLiteral("RELNCLIA.RPT"),
         std::nullopt, onAnniversary(QStringLiteral("{NAOCLIENTES.ANIV}"), d, m)},
        {C::MenuReport2, 110, QStringLiteral("ANIVERSARIANTES NO DIA"), QStringLiteral("RELCLI1.RPT"), std::nullopt,
         onAnniversary(QStringLiteral("{CLIENTES.ANIV}"), d, m)},
        {C::MenuReport2, 130, QStringLiteral("ANIVERSÁRIOS DE CASAMENTO"), QStringLiteral("RELCAS.RPT"), std::nullopt,
         onAnniversary(QStringLiteral("{CLIENTES.CASAMENTO}"), d, m)},
        {C::MenuReport2, 150, QStringLiteral("EMISSÕES PENDENTES"), QStringLiteral("RELPEN1.RPT"), std::nullopt,
         QString()},
        {C::PendingMatters, 170, QStringLiteral("ASSUNTOS PENDENTES"), QStringLiteral("RELMEMOA.RPT"), std::nullopt,
         std::nullopt},
    };
    if (accessLevelWord == level::Medium)
        return runs;

    const QString dueToday = onDay(QStringLiteral("{PARCELAS.DV1}"), d, m, y) + InstalmentOpen;
    runs.push_back({C::MenuReport1, 190, QStringLiteral("PARCELAS VENCENDO NO DIA"), QStringLiteral("RELREC.RPT"),
                    titleFormula(QStringLiteral("PARCELAS VENCENDO NO DIA")), dueToday});
    runs.push_back({C::MenuReport1, 220, QStringLiteral("PRIMEIRA PARCELA VENCENDO NO DIA"),
                    QStringLiteral("RELREC.RPT"), titleFormula(QStringLiteral("PRIMEIRA PARCELA VENCENDO NO DIA")),
                    dueToday + QStringLiteral(" and {PARCELAS.NUMERO} = 1")});
    const struct {
        int k;
        int position;
        const char* title;
    } soldBefore[] = {{3, 250, "SEGUROS COMERCIALIZADOS A TRÊS MESES"},
                      {6, 280, "SEGUROS COMERCIALIZADOS A SEIS MESES"},
                      {9, 310, "SEGUROS COMERCIALIZADOS A NOVE MESES"}};
    for (const auto& sold : soldBefore) {
        const MonthOfYear back = monthsBack(m, y, sold.k);
        const QString title = QString::fromUtf8(sold.title);
        runs.push_back({C::MenuReport1, sold.position, title, QStringLiteral("RELREN.RPT"), titleFormula(title),
                        onDay(QStringLiteral("{DOCUMENTOS.VIGENCIAINICIAL}"), d, back.month, back.year)
                            + PolicyInForce});
    }
    return runs;
}

void RunDailyAgendaReports(report::ReportControl& menuReport1, report::ReportControl& menuReport2)
{
    const QDate today = rt::Clock::today();
    for (const AgendaRun& run : agendaRuns(state().session.AccessLevelWord, today)) {
        report::ReportControl& rpt = run.control == AgendaControl::MenuReport1   ? menuReport1
                                     : run.control == AgendaControl::MenuReport2 ? menuReport2
                                         : standInReportControl(PendingMattersWindow, PendingMattersControl);
        if (run.position) {
            rpt.setWindowLeft(*run.position);
            rpt.setWindowTop(*run.position);
        }
        if (run.windowTitle)
            rpt.setWindowTitle(*run.windowTitle);
        rpt.setReportFileName(appFolder() + u'\\' + run.reportFile);
        if (run.formula0)
            rpt.setFormulas(0, *run.formula0);
        if (run.selection)
            rpt.setSelectionFormula(*run.selection);
        // A refused report has shown its box; the day's other reports still come.
        rpt.setAction(1);
    }
}

}  // namespace vorna::menu_batch
