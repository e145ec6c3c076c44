#include "menu_batch/EmailExports.h"

#include "common/AppFolder.h"
#include "common/ReportLaunch.h"
#include "platform/dialogs/Dialogs.h"
#include "platform/report/ReportEngine.h"

#include <QFile>

namespace vorna::menu_batch {

namespace {

const QString DoneTitle = QStringLiteral("TAREFA ENCERRADA");

std::optional<report::ReportFailure> runInto(const EmailExport& which, report::ReportControl& control)
{
    control.setReportFileName(appFolder() + u'\\' + which.reportFile);
    control.setPrintFileName(appFolder() + u'\\' + which.exportFile);
    control.setSelectionFormula(QString());
    return control.runTrappingFailure();
}

}  // namespace

QString exportDoneText(const EmailExport& which)
{
    return QStringLiteral("PROCURE DENTRO DE SUA PASTA VIDIVUVA O ARQUIVO ") + which.exportFile;
}

void exportEmailList(const EmailExport& which, report::ReportControl& fileControl)
{
    const QString oldFile = report::resolveReportPath(appFolder() + u'\\' + which.exportFile);
    if (QFile::remove(oldFile) && !runInto(which, fileControl)) {
        dlg::MsgBox(exportDoneText(which), dlg::Buttons::Ok, DoneTitle);
        return;
    }
    // Once more, without the deletion.
    if (const auto failure = runInto(which, fileControl)) {
        showReportFailure(*failure);
        return;
    }
    dlg::MsgBox(exportDoneText(which), dlg::Buttons::Ok, DoneTitle);
}

}  // namespace vorna::menu_batch
