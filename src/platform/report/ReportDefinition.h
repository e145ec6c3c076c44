#pragma once
#include "platform/report/Formula.h"

#include <QString>
#include <optional>
#include <stdexcept>
#include <vector>

// A report-definition file (reports/*.RPT): what the report reads, selects and
// shows. The format is described in reports/README.md.
namespace vorna::report {

class DefinitionError : public std::runtime_error {
public:
    DefinitionError(int line, const QString& message);
    int line() const { return line_; }
    const QString& message() const { return message_; }

private:
    int line_;
    QString message_;
};

enum class Orientation { Portrait, Landscape };
enum class Layout { List, Sheet };
enum class Align { Left, Right, Center };

struct JoinSpec {
    QString table;
    bool outer = false;   // LEFT: rows of the tables before it are kept without a match
    Formula on;
    int line = 0;
};

// A column of a list, or a labelled field of a record sheet.
struct ColumnSpec {
    Formula value;
    QString heading;                 // may use {@NAME}
    int width = 0;                   // characters; 0 in a sheet (the rest of the line)
    QString format;                  // a runtime Format string; empty: the value's plain text
    std::optional<Align> align;      // default: numbers right, the rest left
    int line = 0;
};

struct SortSpec {
    Formula key;
    bool descending = false;
    int line = 0;
};

struct GroupSpec {
    Formula key;
    QString label;                   // shown before the group's value; may use {@NAME}
    QString format;
    int line = 0;
};

struct TotalSpec {
    enum class Kind { Count, Sum };
    Kind kind = Kind::Count;
    Formula value;                   // Sum only
    QString label;
    QString format;
    int line = 0;
};

struct NamedFormulaSpec {
    QString name;
    Formula defaultValue;
    int line = 0;
};

struct ReportDefinition {
    QString title;                   // may use {@NAME}
    QString subtitle;
    Orientation orientation = Orientation::Portrait;
    Layout layout = Layout::List;
    QString database = QStringLiteral("VORNA.MDB");   // beside the definition file
    QString table;
    std::vector<JoinSpec> joins;
    Formula selection;               // the definition's own record selection
    int selectionLine = 0;
    std::vector<NamedFormulaSpec> formulas;
    std::vector<SortSpec> sorts;
    std::vector<GroupSpec> groups;
    std::vector<ColumnSpec> columns;  // COLUMN in a list, FIELD in a sheet
    std::vector<TotalSpec> totals;
    QString emptyText = QStringLiteral("Nenhum registro selecionado.");

    // Throws DefinitionError.
    static ReportDefinition parse(const QString& text);

    std::vector<QString> tables() const;   // FROM, then each JOIN
    const NamedFormulaSpec* formula(const QString& name) const;
};

// Page grid in characters and lines, by orientation.
int pageColumns(Orientation o);
int pageLines(Orientation o);

}  // namespace vorna::report
