#pragma once
#include <QString>
#include <QStringList>
#include <QUrl>
#include <optional>

// Handing things to other programs of the desktop. Callers build the command
// line or shell target as the Windows desktop took it; each launch also carries
// what this desktop does in its place (a URL for the default program, or a
// program file started from an argument list). Nothing goes through a shell.
namespace vorna::desk {

// Window styles and show commands, in the Windows numbering the callers use.
inline constexpr int HiddenWindow = 0;
inline constexpr int NormalFocus = 1;
inline constexpr int MaximizedFocus = 3;

struct Launch {
    enum class Via { CommandLine, ShellOpen };
    Via via = Via::CommandLine;
    QString asked;                  // the command line, or the file or address given to "open"
    int showMode = MaximizedFocus;  // window style or show command
    QUrl url;                       // opened with the desktop's default program, or else
    QString program;                // this program file is started
    QStringList arguments;
};

class DesktopService {
public:
    virtual ~DesktopService() = default;
    // A mailto, web or file address, opened with the desktop's default program.
    virtual bool openUrl(const QUrl& url) = 0;
    // Starts a program file without waiting for it.
    virtual bool startProgram(const QString& program, const QStringList& arguments) = 0;
    // Carries out a launch: its URL when it has one, else its program.
    virtual bool launch(const Launch& request);
};

// The installed service (the real one unless a test installed another).
DesktopService& desktop();
// Installs a service (not owned); nullptr restores the real one.
void setDesktopService(DesktopService* service);

// A program started by command line, carried out here by opening `url`.
Launch commandLineOpeningUrl(const QString& commandLine, const QUrl& url,
                             int windowStyle = MaximizedFocus);
// A program started by command line, carried out here by starting `program`.
Launch commandLineStartingProgram(const QString& commandLine, const QString& program,
                                  const QStringList& arguments, int windowStyle = NormalFocus);
// The shell's "open" of a file path or a web address given as text.
Launch shellOpen(const QString& pathOrAddress, int showMode);
// The shell's "open" of an address whose URL the caller built from its parts.
Launch shellOpen(const QString& asked, const QUrl& url, int showMode);

// A mailto address from its parts; each part is percent-encoded here, at the last
// step, so blanks, accents, "&" or "?" inside a part stay inside it.
QUrl mailtoUrl(const QString& address, const QString& subject,
               const std::optional<QString>& body = std::nullopt);
// A web address made of a prefix already in address form (ending in "q=", say)
// and a query value, which is percent-encoded here.
QUrl webUrl(const QString& prefix, const QString& queryValue);

}  // namespace vorna::desk
