#include "clients/Form4.h"

#include "common/AppFolder.h"
#include "common/MessageTexts.h"
#include "common/ProgramState.h"
#include "platform/controls/ControlEvents.h"
#include "platform/database/CriteriaText.h"
#include "platform/report/FormulaText.h"
#include "platform/runtime/Runtime.h"

#include <algorithm>
#include <initializer_list>
#include <optional>

// The client window's reports. They run on the window's own report control
// without resetting it: what a run does not set stays as an earlier run (of
// this window, or of the event window, which borrows the control) left it, so
// every definition these run declares the formula GRU that the first one sets.
namespace vorna::clients {

namespace {

// The client code as the formulas take it. A blank box, or one holding
// anything but digits (pasted), prints nothing.
std::optional<QString> printableCode(const QString& codeBox) { return db::wholeNumber(codeBox); }

bool mayPrintClients()
{
    if (vorna::state().session.hasRight(Right::PCC))
        return true;
    msg::refusedByRight();
    return false;
}

bool isOneOf(double line, std::initializer_list<double> lines)
{
    return std::find(lines.begin(), lines.end(), line) != lines.end();
}

// The proposal's definition by the document's line of business, read as a
// number; a line that is unset or no number gets the general one.
QString proposalReportFile(const Variant& lineOfBusiness)
{
    if (!lineOfBusiness.isNull() && rt::IsNumeric(lineOfBusiness)) {
        const double line = rt::CDbl(lineOfBusiness);
        if (isOneOf(line, {311, 312}))
            return QStringLiteral("\\EMIAUT.RPT");
        if (isOneOf(line, {711, 761, 762, 763}))
            return QStringLiteral("\\EMIRD.RPT");
    }
    return QStringLiteral("\\EMIOUT.RPT");
}

}  // namespace

void Form4::connectReportsAndLeaving()
{
    ui::on(ui->Command3D12).Click(this, &Form4::Command3D12_Click);
    ui::on(ui->Command3D10).Click(this, &Form4::Command3D10_Click);
    ui::on(ui->Command3D11).Click(this, &Form4::Command3D11_Click);
    ui::on(ui->Command3D24).Click(this, &Form4::Command3D24_Click);
}

// The client with its policies. The buttons keep their state: the code box may
// hold a code no stored client has, and an "Excluir" enabled then would make
// "Gravar" alter whatever row the window's table stands on.
void Form4::Command3D12_Click()
{
    if (!mayPrintClients())
        return;
    const std::optional<QString> code = printableCode(ui->Text1->text());
    if (!code)
        return;
    report::ReportControl& rpt = *ui->CrystalReport1;
    rpt.setWindowLeft(10);
    rpt.setWindowTop(10);
    rpt.setWindowTitle(QStringLiteral("FICHA DE ESTIPULANTE COM APÓLICES"));
    rpt.setFormulas(0, report::numberSelection(QStringLiteral("GRU"), *code));
    rpt.setReportFileName(appFolder() + QStringLiteral("\\EMICLI.RPT"));
    rpt.setAction(1);
}

// The client's policies in force in the branch shown. A client without a branch
// leaves the branch out of the selection, which the report engine refuses in its
// failure box.
void Form4::Command3D10_Click()
{
    if (!mayPrintClients())
        return;
    const std::optional<QString> code = printableCode(ui->Text1->text());
    if (!code)
        return;
    const QString branchField = QStringLiteral("{DOCUMENTOS.FILIAL}");
    const QString branch = ui->Text23->text();
    report::ReportControl& rpt = *ui->CrystalReport1;
    rpt.setReportFileName(appFolder() + QStringLiteral("\\POSICLI.RPT"));
    rpt.setSelectionFormula(
        report::numberSelection(QStringLiteral("{DOCUMENTOS.CODCLIENTE}"), *code) + QStringLiteral(" and ") +
        report::textSelection(QStringLiteral("{DOCUMENTOS.TIPO}"), QStringLiteral("A")) + QStringLiteral(" and ") +
        report::textSelection(QStringLiteral("{DOCUMENTOS.VIGENTE}"), QStringLiteral("V")) + QStringLiteral(" and ") +
        (rt::Trim(branch).isEmpty() ? branchField + QStringLiteral(" = ") : report::numberSelection(branchField, branch)));
    rpt.setAction(1);
}

// The client's record sheet; no right is asked.
void Form4::Command3D11_Click()
{
    const std::optional<QString> code = printableCode(ui->Text1->text());
    if (!code)
        return;
    report::ReportControl& rpt = *ui->CrystalReport1;
    rpt.setReportFileName(appFolder() + QStringLiteral("\\EMICLI2.RPT"));
    rpt.setSelectionFormula(report::numberSelection(QStringLiteral("{CLIENTES.CODIGO}"), *code));
    rpt.setAction(1);
}

void Form4::PrintProposalDocument()
{
    ensureLoaded();  // the control is the window's, as for any touch of it
    const QString file = proposalReportFile(vorna::state().document.EmissionLineOfBusiness);
    report::ReportControl& rpt = *ui->CrystalReport1;
    rpt.setWindowLeft(ProposalPrintLeft);
    rpt.setWindowTop(ProposalPrintTop);
    rpt.setWindowTitle(ProposalPrintTitle);
    rpt.setReportFileName(appFolder() + file);
    rpt.setSelectionFormula(
        report::numberSelection(QStringLiteral("{DOCUMENTOS.PROPOSTA}"), QString::number(ProposalPrintNumber)));
    rpt.setAction(1);
}

}  // namespace vorna::clients
