#include "platform/desktop/Desktop.h"

#include <QDesktopServices>
#include <QProcess>

namespace vorna::desk {

namespace {

class QtDesktopService final : public DesktopService {
public:
    bool openUrl(const QUrl& url) override { return url.isValid() && QDesktopServices::openUrl(url); }

    bool startProgram(const QString& program, const QStringList& arguments) override
    {
        return !program.isEmpty() && QProcess::startDetached(program, arguments);
    }
};

QtDesktopService& realService()
{
    static QtDesktopService service;
    return service;
}

DesktopService* installed = nullptr;

bool looksLikeWebAddress(const QString& text)
{
    const QString t = text.trimmed();
    for (const char* start : {"http://", "https://", "ftp://", "mailto:", "www."})
        if (t.startsWith(QLatin1String(start), Qt::CaseInsensitive))
            return true;
    return false;
}

}  // namespace

bool DesktopService::launch(const Launch& request)
{
    if (!request.url.isEmpty())
        return openUrl(request.url);
    if (!request.program.isEmpty())
        return startProgram(request.program, request.arguments);
    return false;
}

DesktopService& desktop() { return installed ? *installed : realService(); }

void setDesktopService(DesktopService* service) { installed = service; }

Launch commandLineOpeningUrl(const QString& commandLine, const QUrl& url, int windowStyle)
{
    Launch l;
    l.via = Launch::Via::CommandLine;
    l.asked = commandLine;
    l.showMode = windowStyle;
    l.url = url;
    return l;
}

Launch commandLineStartingProgram(const QString& commandLine, const QString& program,
                                  const QStringList& arguments, int windowStyle)
{
    Launch l;
    l.via = Launch::Via::CommandLine;
    l.asked = commandLine;
    l.showMode = windowStyle;
    l.program = program;
    l.arguments = arguments;
    return l;
}

Launch shellOpen(const QString& pathOrAddress, int showMode)
{
    const QUrl url = looksLikeWebAddress(pathOrAddress)
                         ? QUrl::fromUserInput(pathOrAddress.trimmed())
                         : QUrl::fromLocalFile(pathOrAddress);
    return shellOpen(pathOrAddress, url, showMode);
}

Launch shellOpen(const QString& asked, const QUrl& url, int showMode)
{
    Launch l;
    l.via = Launch::Via::ShellOpen;
    l.asked = asked;
    l.showMode = showMode;
    l.url = url;
    return l;
}

QUrl mailtoUrl(const QString& address, const QString& subject, const std::optional<QString>& body)
{
    QByteArray text = "mailto:" + QUrl::toPercentEncoding(address, "@") + "?subject="
                      + QUrl::toPercentEncoding(subject);
    if (body)
        text += "&body=" + QUrl::toPercentEncoding(*body);
    return QUrl::fromEncoded(text, QUrl::StrictMode);
}

QUrl webUrl(const QString& prefix, const QString& queryValue)
{
    return QUrl::fromEncoded(prefix.toUtf8() + QUrl::toPercentEncoding(queryValue),
                             QUrl::TolerantMode);
}

}  // namespace vorna::desk
