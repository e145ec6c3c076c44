#include "menu_batch/StandInReports.h"

#include "platform/controls/Window.h"

namespace vorna::menu_batch {

namespace {

// Holds the stand-ins as children, one never-shown top-level holder per lacking
// window (so a launch's owner is that window's name). It is a program window
// reference like the others, so it lasts for the program's run (and tests
// forget it with every other window).
class StandInReportWindows : public ui::Window {
public:
    StandInReportWindows() { setObjectName(QStringLiteral("StandInReports")); }

    report::ReportControl& control(const QString& windowName, const QString& controlName)
    {
        QWidget* holder = nullptr;
        for (QWidget* child : findChildren<QWidget*>(windowName, Qt::FindDirectChildrenOnly))
            holder = child;
        if (!holder) {
            holder = new QWidget(this, Qt::Window);
            holder->setObjectName(windowName);
            holder->setAttribute(Qt::WA_QuitOnClose, false);
        }
        if (auto* existing = holder->findChild<report::ReportControl*>(controlName, Qt::FindDirectChildrenOnly))
            return *existing;
        auto* made = new report::ReportControl(holder);
        made->setObjectName(controlName);
        return *made;
    }

protected:
    void buildControls() override {}
};

}  // namespace

report::ReportControl& standInReportControl(const QString& windowName, const QString& controlName)
{
    return ui::windowRef<StandInReportWindows>().control(windowName, controlName);
}

}  // namespace vorna::menu_batch
