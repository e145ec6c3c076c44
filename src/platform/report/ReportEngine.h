#pragma once
#include "platform/report/ReportDocument.h"

#include <QString>
#include <map>
#include <memory>
#include <stdexcept>

// Running a report definition: its rows read through one parameterised query,
// grouped, totalled and laid out on pages.
namespace vorna::report {

// Why a run could not produce its report; message() is the sentence the
// failure box shows.
class ReportFailure : public std::runtime_error {
public:
    enum class Kind {
        NoReportFile,      // the control was run without a report file name
        MissingFile,       // no definition file there
        BadDefinition,     // the definition file cannot be read
        BadFormula,        // a selection or named formula cannot be read or does not fit
        UnknownFormula,    // a named formula the definition does not declare
        MissingDatabase,
        MissingTable,
        Database,          // the database refused the query
        Output             // the print file cannot be written
    };
    ReportFailure(Kind kind, const QString& reportFile, const QString& message);
    Kind kind() const { return kind_; }
    const QString& reportFile() const { return reportFile_; }
    const QString& message() const { return message_; }

private:
    Kind kind_;
    QString reportFile_;
    QString message_;
};

struct ReportRequest {
    QString reportFile;                 // as the window wrote it, either separator
    QString selection;                  // the launch's record selection; blank: every row
    std::map<int, QString> formulas;    // named-formula assignments by index ("D1 = 5")
};

// The path on this machine: a path built as the program's folder, "\" and a
// file name reaches the same file as with "/".
QString resolveReportPath(const QString& given);

// Throws ReportFailure.
std::shared_ptr<ReportDocument> runReport(const ReportRequest& request, const QString& companyName);

}  // namespace vorna::report
