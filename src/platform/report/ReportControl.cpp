#include "platform/report/ReportControl.h"

#include "platform/dialogs/Dialogs.h"
#include "platform/report/ReportPreview.h"
#include "platform/report/ReportRender.h"

namespace vorna::report {

namespace {

ReportSink* installedSink = nullptr;
FailureHandler& failureHandler()
{
    static FailureHandler handler;
    return handler;
}
QString& company()
{
    static QString name;
    return name;
}

void reportFailure(const ReportFailure& failure)
{
    if (failureHandler())
        failureHandler()(failure);
    else
        dlg::MsgBox(failure.message());
}

}  // namespace

void setReportSink(ReportSink* sink) { installedSink = sink; }
ReportSink* reportSink() { return installedSink; }
void setFailureHandler(FailureHandler handler) { failureHandler() = std::move(handler); }
void setCompanyName(const QString& name) { company() = name; }
QString companyName() { return company(); }

ReportControl::ReportControl(QWidget* parent, Destination designDestination) : QWidget(parent)
{
    setFocusPolicy(Qt::NoFocus);
    setFixedSize(0, 0);
    hide();
    design_.destination = designDestination;
    current_ = design_;
}

void ReportControl::setPrintsToFile(bool toFile)
{
    design_.destination = toFile ? Destination::File : Destination::Window;
    current_.destination = design_.destination;
}

void ReportControl::reset() { current_ = design_; }

void ReportControl::setFormulas(int index, const QString& assignment) { current_.formulas[index] = assignment; }

void ReportControl::setAction(int action)
{
    if (action == 1)
        run();
}

bool ReportControl::run()
{
    const std::optional<ReportFailure> failure = launch();
    if (failure)
        reportFailure(*failure);
    return !failure;
}

std::optional<ReportFailure> ReportControl::runTrappingFailure() { return launch(); }

std::optional<ReportFailure> ReportControl::launch()
{
    LaunchRecord record;
    record.control = objectName();
    const QWidget* top = window();
    record.owner = top != this ? top->objectName() : QString();
    record.settings = current_;
    const LaunchSettings& s = record.settings;
    auto failed = [&](const ReportFailure& failure) {
        record.failure = failure.message();
        record.document.reset();
        if (installedSink)
            installedSink->launched(record);
        return std::optional<ReportFailure>(failure);
    };
    try {
        ReportRequest request{s.reportFileName, s.selectionFormula, s.formulas};
        std::shared_ptr<ReportDocument> doc = runReport(request, companyName());
        record.document = doc;
        if (s.destination == Destination::File) {
            if (s.printFileName.trimmed().isEmpty())
                throw ReportFailure(ReportFailure::Kind::Output, s.reportFileName,
                                    QStringLiteral("Nenhum arquivo de saída foi indicado para o relatório."));
            const QString path = resolveReportPath(s.printFileName);
            const QString why = path.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive) ? writePdf(*doc, path)
                                                                                          : writeText(*doc, path);
            if (!why.isEmpty())
                throw ReportFailure(ReportFailure::Kind::Output, s.reportFileName,
                                    QStringLiteral("Não foi possível gravar %1: %2").arg(path, why));
            record.outputFile = path;
        } else if (!installedSink) {
            auto* preview = new ReportPreview(doc, s);
            preview->show();
            preview->raise();
            preview->activateWindow();
        }
    } catch (const ReportFailure& failure) {
        return failed(failure);
    } catch (const std::exception& e) {
        // Nothing may escape into the window's handler: the window stays usable.
        return failed(ReportFailure(ReportFailure::Kind::Database, s.reportFileName,
                                    QStringLiteral("Falha ao emitir o relatório: %1").arg(QString::fromLocal8Bit(e.what()))));
    }
    record.succeeded = true;
    if (installedSink)
        installedSink->launched(record);
    return std::nullopt;
}

}  // namespace vorna::report
