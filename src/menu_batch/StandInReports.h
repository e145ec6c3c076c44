#pragma once
#include "platform/report/ReportControl.h"

#include <QString>

// Report controls of windows this system lacks. Some main-menu routines run
// their reports on such a window's control; the batch module keeps one control
// per window and control name in its place. A stand-in is made on first use and
// never reset, so a setting a run leaves out keeps what the previous run on the
// same stand-in set; its runs show like any report (a preview window, or the
// report sink in tests), and a launch names the lacking window as the owner.
// Nothing opens in place of the window itself: the main menu stays usable.
namespace vorna::menu_batch {

// The control `controlName` ("CrystalReport1", "CrystalReport2") of the
// lacking window `windowName`. The same names always give the same control.
report::ReportControl& standInReportControl(const QString& windowName, const QString& controlName);

}  // namespace vorna::menu_batch
