#pragma once
#include "platform/report/ReportDocument.h"
#include "platform/report/ReportRows.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

// Laying a report out a page at a time while its rows stream by: memory holds
// a page and a chunk of rows, never the whole report. Each page start keeps a
// small checkpoint (where the reading stood and the running totals), so any
// page can be laid out again without the pages before it.
namespace vorna::report {

// A value as a report shows it: with the format when one is given, else
// numbers with a decimal comma, dates as dd/mm/yyyy, yes/no as Sim/Não.
QString plainText(const Variant& v);
QString shownValue(const Variant& v, const QString& format);

// Where a value of the report comes from: known before reading (a named
// formula's constant) or a column of the query.
struct ValueRef {
    ValueType type = ValueType::Text;
    bool constant = false;
    Variant value;
    int column = -1;
};

// Everything the layout needs besides the rows, worked out once per run.
struct LayoutPlan {
    bool list = true;
    int columns = 0;            // characters per line
    int capacity = 1;           // body lines per page
    QString emptyText;

    struct Column {
        ValueRef value;
        QString format;
        QString heading;
        int x = 0;
        int width = 0;
        Align align = Align::Left;
        QString formulaText;    // a sum of the same field stands under it
    };
    std::vector<Column> cols;
    int labelWidth = 0;         // record sheet: the labels' column

    struct Group {
        ValueRef key;
        QString label;
        QString format;
    };
    std::vector<Group> groups;

    struct Total {
        bool sum = false;
        ValueRef value;
        QString label;
        QString format;
        QString formulaText;
    };
    std::vector<Total> totals;
};

class ReportPager {
public:
    ReportPager(LayoutPlan plan, std::unique_ptr<KeyedReader> reader);
    ~ReportPager();

    // The body lines of a page (no headings, no footer). Throws ReportFailure.
    const std::vector<ReportLine>& pageBody(int page);
    // Pages known to exist so far; the count once complete().
    int pagesKnown() const;
    bool complete() const { return complete_; }
    // Lays out further pages without keeping their text, for at most `budgetMs`
    // (negative: to the end). True once the count is known.
    bool countAhead(qint64 budgetMs);
    int pageCount();
    // The report's totals at its end: label and shown value.
    const std::vector<std::pair<QString, QString>>& totals();

    // Every body line in order, without pages: what a text export holds.
    void forEachBodyLine(const std::function<void(const ReportLine&)>& take);
    // Every row as shown, one text per column or field.
    std::vector<QStringList> rowTexts();

private:
    struct State;
    struct Checkpoint;
    class Steps;

    void restore(int page, bool keepText);
    // Lays out the page the live steps stand at; records the next page's checkpoint.
    void layOutPage(bool keepText);

    LayoutPlan plan_;
    std::unique_ptr<KeyedReader> reader_;
    std::unique_ptr<Steps> steps_;
    std::vector<Checkpoint> checkpoints_;
    bool complete_ = false;
    int live_ = 0;                              // the page the live steps stand at; -1: elsewhere
    int cachedPage_ = -1;
    std::vector<ReportLine> cached_;
    std::vector<std::pair<QString, QString>> totals_;
};

}  // namespace vorna::report
