#include "menu_batch/LeftoverMenu.h"

#include "common/AppFolder.h"
#include "common/MessageTexts.h"
#include "common/ProgramState.h"
#include "common/WindowRefs.h"
#include "menu_batch/StandInReports.h"
#include "platform/controls/Window.h"
#include "platform/report/ReportControl.h"

namespace vorna::menu_batch {

namespace {

const QString NoPrinting = QStringLiteral("DESCULPE, SUA SENHA NÃO PERMITE IMPRESSÃO DE RELATÓRIOS");
const QString NoThisReport = QStringLiteral("DESCULPE, SUA SENHA NÃO PERMITE IMPRESSÃO DESTE RELATÓRIO");
const QString NoAccess = QStringLiteral("DESCULPE, SUA SENHA NÃO PERMITE ACESSO!");

// The lacking window whose two report controls the older menu's listings ran on.
const QString ListingsWindow = QStringLiteral("DocumentListings");

bool atLevel(const QString& word) { return vorna::state().session.AccessLevelWord == word; }
bool atLevels23() { return atLevel(level::Medium) || atLevel(level::Minimum); }

// The refusal at the first test that holds; true when the gate lets the item go on.
bool passes(LeftoverGate gate)
{
    const Session& s = vorna::state().session;
    auto refuseByLevel = [](const QString& text) {
        msg::refusedByLevel(text);
        return false;
    };
    switch (gate) {
    case LeftoverGate::None: return true;
    case LeftoverGate::Level3Print: return !atLevel(level::Minimum) || refuseByLevel(NoPrinting);
    case LeftoverGate::Level23Print: return !atLevels23() || refuseByLevel(NoPrinting);
    case LeftoverGate::Level23Module: return !atLevels23() || refuseByLevel(NoModuleAccess);
    case LeftoverGate::Level3Module: return !atLevel(level::Minimum) || refuseByLevel(NoModuleAccess);
    case LeftoverGate::Level2Report: return !atLevel(level::Medium) || refuseByLevel(NoThisReport);
    case LeftoverGate::ChartsRight:
        if (!s.hasRight(Right::CGE)) {
            msg::refusedByRight();
            return false;
        }
        return !atLevels23() || refuseByLevel(NoAccess);
    case LeftoverGate::FinancialRight:
        if (atLevels23())
            return refuseByLevel(NoPrinting);
        if (atLevel(level::Total) && !s.hasRight(Right::PRF)) {
            msg::refusedByRight();
            return false;
        }
        return true;
    }
    return true;
}

report::ReportControl& controlOf(LeftoverReportControl control, report::ReportControl& mainMenuReport)
{
    return control == LeftoverReportControl::MainMenu1 ? mainMenuReport : lackingWindowReport(control);
}

// Each run sets only what its row names, so the control keeps the rest from
// whatever ran on it before.
void runReports(LeftoverItem item, report::ReportControl& mainMenuReport)
{
    for (const LeftoverReportRun& run : leftoverReportRuns()) {
        if (run.item != item)
            continue;
        report::ReportControl& rpt = controlOf(run.control, mainMenuReport);
        if (run.position) {
            rpt.setWindowLeft(run.position);
            rpt.setWindowTop(run.position);
        }
        if (run.title)
            rpt.setWindowTitle(QString::fromUtf8(run.title));
        if (run.titleFormula)
            rpt.setFormulas(0, QString::fromUtf8(run.titleFormula));
        rpt.setReportFileName(appFolder() + u'\\' + QString::fromUtf8(run.file));
        if (run.selection)
            rpt.setSelectionFormula(QString::fromUtf8(run.selection));
        // A run the engine refuses has shown its box; the next run goes on.
        rpt.setAction(1);
    }
}

}  // namespace

const std::vector<LeftoverMenuItem>& leftoverMenuItems()
{
    static const std::vector<LeftoverMenuItem> items = {
#define VORNA_LEFTOVER_ROW(member, gate, code, target) \
    {LeftoverItem::member, #member, LeftoverGate::gate, code, LeftoverTarget::target},
        VORNA_LEFTOVER_MENU_ITEMS(VORNA_LEFTOVER_ROW)
#undef VORNA_LEFTOVER_ROW
    };
    return items;
}

const LeftoverMenuItem& leftoverMenuItem(LeftoverItem item) { return leftoverMenuItems()[size_t(item)]; }

const std::vector<LeftoverReportRun>& leftoverReportRuns()
{
    using enum LeftoverReportControl;
    static const std::vector<LeftoverReportRun> runs = {
        {LeftoverItem::R1, MainMenu1, 10, "ITENS AUTO X SEGURADORA", "RELITAC.RPT", nullptr, nullptr},
        {LeftoverItem::R1, MainMenu1, 40, "ITENS AUTO X MARCA", "RELITAM.RPT", nullptr, nullptr},
        {LeftoverItem::R1, MainMenu1, 70, "ITENS AUTO", "RELITAS.RPT", nullptr, nullptr},
        {LeftoverItem::R2, MainMenu1, 10, "ITENS AUTO X DANOS MORAIS X SEGURADORA", "RELDANVC.RPT", nullptr, nullptr},
        {LeftoverItem::R2, MainMenu1, 30, "ITENS AUTO X DANOS MORAIS X VIGÊNCIA", "RELDANVE.RPT", nullptr, nullptr},
        {LeftoverItem::R3, MainMenu1, 0, nullptr, "RELRES.RPT", nullptr, nullptr},
        {LeftoverItem::R4, Lacking2, 0, nullptr, "RELFRT.RPT",
         "{DOCUMENTOS.RAMO} = 313 and {DOCUMENTOS.TIPO} = 'A' and {DOCUMENTOS.VIGENTE} = 'V'", nullptr},
        {LeftoverItem::R5, Lacking2, 0, nullptr, "RELPROR.RPT", "", nullptr},
        {LeftoverItem::R6, Lacking1, 0, nullptr, "RELVUNA1.RPT", nullptr, nullptr},
        {LeftoverItem::R7, Lacking1, 0, nullptr, "RENVENCI.RPT", nullptr,
         "TITULO = 'LISTAGEM DOS DOCUMENTOS VIGENTES VENCIDOS'"},
    };
    return runs;
}

report::ReportControl& lackingWindowReport(LeftoverReportControl control)
{
    return standInReportControl(ListingsWindow, control == LeftoverReportControl::Lacking2
                                                    ? QStringLiteral("CrystalReport2")
                                                    : QStringLiteral("CrystalReport1"));
}

void runLeftoverMenuItem(LeftoverItem item, report::ReportControl& mainMenuReport)
{
    const LeftoverMenuItem& entry = leftoverMenuItem(item);
    if (!passes(entry.gate))
        return;
    if (entry.code != NoCode)
        vorna::state().handOver.CallerCode = Variant::integer(int16_t(entry.code));
    switch (entry.target) {
    case LeftoverTarget::LackingWindow:
    case LeftoverTarget::Nothing: break;
    case LeftoverTarget::PeriodDialog: windows::Form70().Show(); break;
    case LeftoverTarget::ProducerWindow: windows::Form6().Show(); break;
    case LeftoverTarget::EventWindow: windows::Form7().Show(); break;
    case LeftoverTarget::Reports: runReports(item, mainMenuReport); break;
    }
}

}  // namespace vorna::menu_batch
