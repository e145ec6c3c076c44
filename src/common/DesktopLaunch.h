#pragma once
#include "platform/desktop/Desktop.h"
#include "platform/runtime/Variant.h"

#include <QString>
#include <optional>

// Handing an e-mail address, a file or a web query to another program of the
// desktop. The command lines are built as the Windows desktop took them and kept
// in the launch; what runs here is the desktop's default program for the
// equivalent mailto or web address. Every failure is ignored: nothing is shown.
namespace vorna::launch {

// Program paths, each with its trailing blank.
inline const QString OutlookExpressPortuguese = QStringLiteral("C:\\ARQUIV~1\\Outloo~1\\msimn.exe ");
inline const QString OutlookExpressEnglish = QStringLiteral("C:\\PROGRA~1\\Outloo~1\\msimn.exe ");
inline const QString OutlookPortuguese = QStringLiteral("C:\\ARQUIV~1\\micros~2\\office12\\outlook.exe ");
inline const QString OutlookEnglish = QStringLiteral("C:\\PROGRA~1\\micros~2\\office12\\outlook.exe ");
inline const QString WebBrowser = QStringLiteral("C:\\ARQUIV~1\\Intern~1\\iexplore.exe ");

inline const QString OutlookExpressSwitch = QStringLiteral("/mailurl:mailto:");
inline const QString OutlookSwitch = QStringLiteral("/c ipm.note /m ");
inline const QString OutlookSubjectPart =
    QStringLiteral("?subject=Entre%20em%20Contato%20com%20nossa%20Corretora");
inline const QString GreetingPrefix = QStringLiteral("Olá, ");
inline const QString MailBody = QStringLiteral(" ");

inline const QString SupportAddress = QStringLiteral("suporte@vornatec.com.br");
inline const QString SupportSubject = QStringLiteral("Vornatec - Suporte");

// A public map service's search address; the query is the value of "q".
inline const QString WebMapSearchAddress = QStringLiteral("https://www.google.com/maps?q=");

// The mail program's launch as `WindowsLanguageOption` ("P" or "I") and
// `MailProgramOption` ("E" or "O") choose it; nothing for any other value.
// The address and the name go into the command line exactly as given.
std::optional<desk::Launch> mailLaunch(const Variant& windowsLanguage, const Variant& mailProgram,
                                       const QString& address, const QString& name);
// Double click on an e-mail box: nothing for a blank box, else the launch above
// with the program-wide options.
void startMail(const QString& address, const QString& name);

// The login window's support link: Outlook Express by its Portuguese path,
// whatever the settings say.
desk::Launch supportMailLaunch();
void startSupportMail();

// The web browser by command line with an address.
desk::Launch browserLaunch(const QString& webAddress);
void startBrowser(const QString& webAddress);

// The map query: address, " ,", city, " ," and state; a part that is blank
// after trimming counts as empty, a part that is taken keeps its blanks.
QString mapQuery(const QString& address, const QString& city, const QString& state);
desk::Launch webMapLaunch(const QString& query);
void openWebMap(const QString& address, const QString& city, const QString& state);

// The shell's "open" of a file (attachments), maximised.
void openFile(const QString& path);

// A sibling program of the executable's folder, started by its command line
// (the folder, a backslash and the file name, no arguments) in a normal window with
// the focus, without waiting for it. The one launch whose failure the caller
// tells: false when the file is not there or does not start.
desk::Launch siblingProgramLaunch(const QString& fileName);
bool startSiblingProgram(const QString& fileName);

}  // namespace vorna::launch
