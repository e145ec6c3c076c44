#pragma once
#include "platform/report/ReportControl.h"

#include <QString>

// The e-mail lists: a report definition run into a text file of the folder of
// the executable, on the one report control that delivers to a file (borrowed
// from the lines-of-business window).
namespace vorna::menu_batch {

struct EmailExport {
    QString exportFile;  // "EMAILS.TXT"
    QString reportFile;  // "EXPEMAIL.RPT"
};
inline const EmailExport ClientEmails{QStringLiteral("EMAILS.TXT"), QStringLiteral("EXPEMAIL.RPT")};
inline const EmailExport ProspectEmails{QStringLiteral("EMAILP.TXT"), QStringLiteral("EXPEMAIP.RPT")};

// The closing message's text, naming the file written.
QString exportDoneText(const EmailExport& which);

// Deletes the old file, writes the new one and shows the closing message. When
// the deletion (a missing old file included) or the run fails, the run and the
// message come once more, without the deletion; a run failing that time too
// shows the engine's failure box and ends without the message.
void exportEmailList(const EmailExport& which, report::ReportControl& fileControl);

}  // namespace vorna::menu_batch
