#pragma once
#include "platform/report/ReportControl.h"

#include <QDate>
#include <QString>
#include <optional>
#include <vector>

// The day's agenda: up to fourteen report windows in a cascade, by access level.
namespace vorna::menu_batch {

// The month and year k months before a month (the day is not adjusted).
struct MonthOfYear {
    int month;
    int year;
    bool operator==(const MonthOfYear&) const = default;
};
MonthOfYear monthsBack(int month, int year, int k);

// Which control a run goes to.
enum class AgendaControl {
    MenuReport1,     // CrystalReport1 of the main menu
    MenuReport2,     // CrystalReport2 of the main menu
    PendingMatters,  // CrystalReport2 of the lacking window of pending matters
};

// One run: the settings it sets; a setting it leaves out stays as the control
// last had it.
struct AgendaRun {
    AgendaControl control;
    std::optional<int> position;          // window left and top
    std::optional<QString> windowTitle;
    QString reportFile;                   // the definition's file name
    std::optional<QString> formula0;      // named formula 0
    std::optional<QString> selection;
};

// The runs of a day for an access level word, in order: none for the third
// level, runs 1 to 9 for the second, all fourteen otherwise.
std::vector<AgendaRun> agendaRuns(const QString& accessLevelWord, const QDate& today);

// The lacking window whose report control run 9 uses, and that control.
inline const QString PendingMattersWindow = QStringLiteral("PendingMattersWindow");
inline const QString PendingMattersControl = QStringLiteral("CrystalReport2");

// Performs the day's runs on the main menu's two controls and the stand-in of
// run 9. A report the engine refuses shows its box; the next run goes on.
void RunDailyAgendaReports(report::ReportControl& menuReport1, report::ReportControl& menuReport2);

}  // namespace vorna::menu_batch
