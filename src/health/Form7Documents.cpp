// The two event documents, run on the client window's report control, and
// the attachments of the event.
#include "health/Form7.h"

#include "common/AppFolder.h"
#include "common/ProgramState.h"
#include "common/ReportLaunch.h"
#include "common/WindowRefs.h"
#include "platform/database/CriteriaText.h"
#include "platform/runtime/Runtime.h"

namespace vorna {

namespace {

const QString DocumentTitle = QStringLiteral("SOLICITAÇÃO DE MERIDALVO");

// Both select the stored event by its code; a code box holding anything but
// digits runs nothing.
void runEventDocument(const QString& code, const char* file, bool resetFirst)
{
    report::ReportControl& rpt = borrowReportControl(windows::Form4());
    if (resetFirst)
        rpt.reset();
    rpt.setWindowLeft(10);
    rpt.setWindowTop(10);
    rpt.setWindowTitle(DocumentTitle);
    rpt.setReportFileName(appFolder() + QLatin1String(file));
    rpt.setSelectionFormula(QStringLiteral("{PROCEDE.CODIGO} = ") + code);
    rpt.setAction(1);
}

}  // namespace

namespace health {

// "Emitir": the event request. The control keeps what an earlier report set
// and this one does not (the client report's GRU).
void Form7::Picture3_Click()
{
    if (const std::optional<QString> code = db::wholeNumber(ui->Text1->text()))
        runEventDocument(*code, "\\EMIEVE.RPT", false);
}

// The payment notice, once a payment date is typed (saved or not).
void Form7::Command1_Click()
{
    const std::optional<QString> code = db::wholeNumber(ui->Text1->text());
    if (!code || ui->MaskEdBox5->ClipText().isEmpty())
        return;
    runEventDocument(*code, "\\EMIAVI.RPT", true);
}

// "Anexos": the event's attachments; this window waits, disabled, until the
// attachments window is left.
void Form7::Command3D13_Click()
{
    const std::optional<QString> code = db::wholeNumber(ui->Text1->text());
    if (!code)
        return;
    HandOver& handOver = vorna::state().handOver;
    handOver.AttachmentOwnerKey = int32_t(rt::CLng(Variant(*code)));
    handOver.CallerCode = Variant(caller::AttachmentsOfEvent);
    windows::Form28().Show();
    Disable();
}

}  // namespace health

}  // namespace vorna
