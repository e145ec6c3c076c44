#include "common/DesktopLaunch.h"

#include "common/AppFolder.h"
#include "common/ProgramState.h"

#include <QFileInfo>

namespace vorna::launch {

namespace {

const Variant Portuguese("P");
const Variant English("I");
const Variant OutlookExpress("E");
const Variant Outlook("O");

void run(const desk::Launch& request)
{
    // A missing program or a desktop without a handler is not the user's concern here.
    (void)desk::desktop().launch(request);
}

desk::Launch outlookExpressLaunch(const QString& path, const QString& address, const QString& subject)
{
    const QString commandLine =
        path + OutlookExpressSwitch + address + "?subject=" + subject + "&body=" + MailBody;
    return desk::commandLineOpeningUrl(
        commandLine, desk::mailtoUrl(address.trimmed(), subject, MailBody), desk::MaximizedFocus);
}

bool blank(const QString& text) { return text.trimmed().isEmpty(); }

}  // namespace

std::optional<desk::Launch> mailLaunch(const Variant& windowsLanguage, const Variant& mailProgram,
                                       const QString& address, const QString& name)
{
    const bool portuguese = windowsLanguage == Portuguese;
    if (!portuguese && !(windowsLanguage == English))
        return std::nullopt;
    if (mailProgram == OutlookExpress) {
        return outlookExpressLaunch(portuguese ? OutlookExpressPortuguese : OutlookExpressEnglish,
                                    address, GreetingPrefix + name);
    }
    if (mailProgram == Outlook) {
        const QString commandLine = (portuguese ? OutlookPortuguese : OutlookEnglish) + OutlookSwitch
                                    + address + OutlookSubjectPart;
        const QString subject =
            QUrl::fromPercentEncoding(OutlookSubjectPart.mid(OutlookSubjectPart.indexOf('=') + 1).toUtf8());
        return desk::commandLineOpeningUrl(commandLine, desk::mailtoUrl(address.trimmed(), subject),
                                           desk::MaximizedFocus);
    }
    return std::nullopt;
}

void startMail(const QString& address, const QString& name)
{
    if (blank(address))
        return;
    const ProgramState& s = state();
    if (auto request = mailLaunch(s.settings.WindowsLanguageOption, s.settings.MailProgramOption, address, name))
        run(*request);
}

desk::Launch supportMailLaunch()
{
    return outlookExpressLaunch(OutlookExpressPortuguese, SupportAddress, SupportSubject);
}

void startSupportMail() { run(supportMailLaunch()); }

desk::Launch browserLaunch(const QString& webAddress)
{
    return desk::commandLineOpeningUrl(WebBrowser + webAddress,
                                       QUrl::fromUserInput(webAddress.trimmed()), desk::MaximizedFocus);
}

void startBrowser(const QString& webAddress) { run(browserLaunch(webAddress)); }

QString mapQuery(const QString& address, const QString& city, const QString& state)
{
    auto taken = [](const QString& part) { return blank(part) ? QString() : part; };
    return taken(address) + " ," + taken(city) + " ," + taken(state);
}

desk::Launch webMapLaunch(const QString& query)
{
    // The callers leave the show mode unset (0); the desktop shows the page as it likes.
    return desk::shellOpen(WebMapSearchAddress + query, desk::webUrl(WebMapSearchAddress, query),
                           desk::HiddenWindow);
}

void openWebMap(const QString& address, const QString& city, const QString& state)
{
    run(webMapLaunch(mapQuery(address, city, state)));
}

void openFile(const QString& path) { run(desk::shellOpen(path, desk::MaximizedFocus)); }

desk::Launch siblingProgramLaunch(const QString& fileName)
{
    return desk::commandLineStartingProgram(appFolder() + u'\\' + fileName, appFilePath(fileName), {},
                                            desk::NormalFocus);
}

bool startSiblingProgram(const QString& fileName)
{
    const desk::Launch request = siblingProgramLaunch(fileName);
    return QFileInfo(request.program).isFile() && desk::desktop().launch(request);
}

}  // namespace vorna::launch
