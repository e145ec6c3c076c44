#pragma once
#include "platform/report/ReportControl.h"

#include <QString>

namespace vorna::ui {
class Window;
}

// How windows launch reports. A launch sets properties on a report control and
// runs it with action 1:
//
//   auto& rpt = *ui->CrystalReport1;
//   rpt.setReportFileName(appFolder() + "\\FICCIA.RPT");
//   rpt.setSelectionFormula(report::numberSelection("{CIAS.CODIGO}", ui->Text1->text()));
//   rpt.setAction(1);
//
// A window may borrow another window's control instead of its own; a failed
// run shows one box and leaves the launching window as it was. A routine that
// handles a failure itself (tries again, goes on with its next report) runs the
// control with runTrappingFailure() instead of action 1.
namespace vorna {

// Another window's report control (CrystalReport1 unless named otherwise).
// Reaching it loads that window, hidden, when it is not loaded.
report::ReportControl& borrowReportControl(ui::Window& owner, const char* controlName = "CrystalReport1");

// The box of a failed run: "ATENÇÃO", OK, naming the report and what failed.
// Start-up installs it once for every control.
void installReportFailureBox();
QString reportFailureText(const report::ReportFailure& failure);
// That box, for a routine that ran with runTrappingFailure() and gives up.
void showReportFailure(const report::ReportFailure& failure);

}  // namespace vorna
