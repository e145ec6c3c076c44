#include "common/ReportLaunch.h"

#include "common/MessageTexts.h"
#include "platform/controls/Window.h"
#include "platform/dialogs/Dialogs.h"

namespace vorna {

report::ReportControl& borrowReportControl(ui::Window& owner, const char* controlName)
{
    if (auto* control = owner.control<report::ReportControl>(controlName))
        return *control;
    // A window without that control: give it one for this load, so the launch
    // still runs (and fails visibly if its settings are wrong) instead of
    // ending the program.
    qWarning("window %s has no report control %s", qPrintable(owner.objectName()), controlName);
    auto* control = new report::ReportControl(&owner);
    control->setObjectName(QString::fromLatin1(controlName));
    return *control;
}

QString reportFailureText(const report::ReportFailure& failure)
{
    QString file = failure.reportFile();
    file = file.mid(std::max(file.lastIndexOf(u'\\'), file.lastIndexOf(u'/')) + 1);
    const QString headline = file.isEmpty() ? QStringLiteral("NÃO FOI POSSÍVEL EMITIR O RELATÓRIO.")
                                            : QStringLiteral("NÃO FOI POSSÍVEL EMITIR O RELATÓRIO %1.").arg(file);
    return headline + u'\n' + failure.message();
}

void showReportFailure(const report::ReportFailure& failure)
{
    dlg::MsgBox(reportFailureText(failure), dlg::Buttons::Ok, msg::TitleAttention);
}

void installReportFailureBox() { report::setFailureHandler(showReportFailure); }

}  // namespace vorna
