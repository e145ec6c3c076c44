#pragma once
#include "platform/report/ReportDocument.h"
#include "platform/report/ReportEngine.h"

#include <QWidget>
#include <QString>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <vector>

// The report control a window carries (CrystalReport1): a window sets its
// properties and runs it with action 1. Properties stay as the last launch set
// them until reset() brings back the control's design settings.
namespace vorna::report {

enum class Destination { Window, File };

struct LaunchSettings {
    QString reportFileName;
    std::optional<int> windowLeft;    // pixels from the screen's left; unset: the desktop places it
    std::optional<int> windowTop;
    QString windowTitle;              // empty: the definition's title
    QString printFileName;
    Destination destination = Destination::Window;
    QString selectionFormula;
    std::map<int, QString> formulas;  // named-formula assignments by index
};

// What one launch asked for and what it produced.
struct LaunchRecord {
    QString control;                  // the control's object name
    QString owner;                    // the object name of the window that carries it
    LaunchSettings settings;
    bool succeeded = false;
    QString failure;                  // the text the failure box showed
    std::shared_ptr<const ReportDocument> document;
    QString outputFile;               // the file written, for destination File
};

// Where tests read launches. While a sink is installed no preview window
// opens; files are still written.
class ReportSink {
public:
    virtual ~ReportSink() = default;
    virtual void launched(const LaunchRecord& record) = 0;
};
void setReportSink(ReportSink* sink);   // not owned; nullptr removes it
ReportSink* reportSink();

class RecordingReportSink : public ReportSink {
public:
    void launched(const LaunchRecord& record) override { launches.push_back(record); }
    std::vector<LaunchRecord> launches;
};

// How a failed run is told to the user: one box. The window layer installs its
// own; without one the engine shows the failure's text in a plain box.
using FailureHandler = std::function<void(const ReportFailure&)>;
void setFailureHandler(FailureHandler handler);

// Printed at the top of every page.
void setCompanyName(const QString& name);
QString companyName();

// A control of its window like the others (a Designer form places it as a
// promoted widget, e.g. CrystalReport1), never shown itself. Its design
// setting is where a run goes: a preview window, or the print file
// (printsToFile, set in the form).
class ReportControl : public QWidget {
    Q_OBJECT
    Q_PROPERTY(bool printsToFile READ printsToFile WRITE setPrintsToFile)
public:
    explicit ReportControl(QWidget* parent = nullptr, Destination designDestination = Destination::Window);

    bool printsToFile() const { return design_.destination == Destination::File; }
    // The design setting; also the current destination, as after a reset.
    void setPrintsToFile(bool toFile);

    void reset();
    void setReportFileName(const QString& path) { current_.reportFileName = path; }
    void setWindowLeft(int left) { current_.windowLeft = left; }
    void setWindowTop(int top) { current_.windowTop = top; }
    // The report window's title (this control itself has no window).
    void setWindowTitle(const QString& title) { current_.windowTitle = title; }
    void setPrintFileName(const QString& path) { current_.printFileName = path; }
    void setDestination(Destination d) { current_.destination = d; }
    void setSelectionFormula(const QString& formula) { current_.selectionFormula = formula; }
    void setFormulas(int index, const QString& assignment);
    // 1 runs the report; other values do nothing.
    void setAction(int action);

    // Runs the report now. A failure has been shown in one box when this
    // returns false; nothing escapes to the caller.
    bool run();
    // For a caller with error handling of its own (a batch routine that tries
    // again): runs as run() does, but hands a failure back instead of showing it.
    std::optional<ReportFailure> runTrappingFailure();

    const LaunchSettings& settings() const { return current_; }

private:
    std::optional<ReportFailure> launch();

    LaunchSettings design_;
    LaunchSettings current_;
};

}  // namespace vorna::report
