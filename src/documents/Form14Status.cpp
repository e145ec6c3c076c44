// Leaving the status list on "CANCELADO": the exclusion date, and for a policy
// the offer of the cancellation letter on the main menu's report control.
#include "documents/Form14.h"

#include "common/AppFolder.h"
#include "common/MessageTexts.h"
#include "common/ReportLaunch.h"
#include "common/WindowRefs.h"
#include "platform/dialogs/Dialogs.h"
#include "platform/report/FormulaText.h"
#include "platform/runtime/Runtime.h"

namespace vorna::documents {

namespace {

const QString Cancelled = QStringLiteral("CANCELADO");
const QString LetterQuestion = QStringLiteral("Você deseja emitir carta de Cancelamento?");

}  // namespace

// A cancelled policy only tabbed through keeps its stored exclusion date: the
// date becomes today's when the box holds none or the status was chosen since
// the show.
void Form14::Combo1_LostFocus()
{
    if (ui->Combo1->Text() == Cancelled &&
        (statusPickedSinceShow_ || !rt::IsDate(Variant(ui->MaskEdBox61->Text()))))
        ui->MaskEdBox61->setText(rt::Format(rt::Date(), QStringLiteral("dd/mm/yyyy")));
    if (ui->Combo1->Text() != Cancelled || ui->Combo2->Text() != QLatin1String("APOLICE"))
        return;
    if (dlg::MsgBox(LetterQuestion, dlg::Buttons::YesNo, msg::TitleAttention) != dlg::Answer::Yes)
        return;
    report::ReportControl& rpt = borrowReportControl(windows::Form2());
    rpt.setWindowLeft(10);
    rpt.setWindowTop(10);
    rpt.setWindowTitle(QStringLiteral("CARTA DE CANCELAMENTO"));
    rpt.setReportFileName(appFolder() + QStringLiteral("\\EMICAN.RPT"));
    rpt.setSelectionFormula(report::numberSelection(QStringLiteral("{DOCUMENTOS.PROPOSTA}"), ui->Text1->text()));
    rpt.setAction(1);
}

}  // namespace vorna::documents
