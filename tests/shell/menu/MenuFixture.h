#pragma once
#include "common/ProgramState.h"
#include "common/WindowRefs.h"
#include "platform/controls/Window.h"
#include "platform/report/ReportControl.h"
#include "support/ProgramFixture.h"

#include <QAction>

namespace vorna::test {

// The program after a login at level 1 with every right: the report runs are
// recorded (definitions of the shell's reports written into the folder), and
// the end of the program is recorded instead of happening.
class MenuFixture : public ProgramFixture {
protected:
    void SetUp() override;
    void TearDown() override;

    // Logs in again and forgets every window, as a fresh run would have them.
    void restart(const QString& levelWord, const std::vector<Right>& rights);

    ui::Window& mainMenu() { return windows::Form2(); }
    // Shows the main menu as the login does.
    ui::Window& showMainMenu();
    // Chooses a menu item by its control name, as a click on it does.
    void choose(const char* item);

    template <class Control>
    Control* periodControl(const char* name) { return windows::Form70().control<Control>(name); }
    // Makes the period dialog the active window, so the focus moves in it.
    void activatePeriodDialog();
    // Fills the period dialog and clicks its run button.
    void runPeriodReport(const QString& start, const QString& end, const QString& number = {});

    static QString reportPath(const char* file);

    report::RecordingReportSink sink;
    int programEnds = 0;
};

}  // namespace vorna::test
