#pragma once
#include "platform/report/ReportDefinition.h"

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <vector>

// A run's result laid out on pages: a grid of characters per page, so the
// preview, the printer, the PDF and the text renderings show the same thing.
namespace vorna::report {

struct ReportCell {
    int x = 0;        // first character
    int width = 0;    // characters
    QString text;
    Align align = Align::Left;
};

struct ReportLine {
    enum class Style { Normal, Heading, Title, Rule };
    Style style = Style::Normal;
    std::vector<ReportCell> cells;

    static ReportLine blank() { return {}; }
    static ReportLine rule() { return {Style::Rule, {}}; }
    // The line as fixed-width text, without trailing blanks.
    QString text(int columns) const;
};

struct ReportPage {
    std::vector<ReportLine> lines;
};

// A run of lines the paging keeps on one page when it fits (a record sheet, a
// group heading with its first row).
struct ReportBlock {
    std::vector<ReportLine> lines;
};

struct ReportDocument {
    QString title;
    Orientation orientation = Orientation::Portrait;
    int columns = 0;
    int linesPerPage = 0;

    // What was selected, as shown: one entry per row, one text per column or field.
    QStringList headings;
    std::vector<QStringList> rows;
    // The report's totals at its end: label and shown value.
    std::vector<std::pair<QString, QString>> totals;

    std::vector<ReportBlock> body;   // without page headings and footers
    std::vector<ReportPage> pages;

    QStringList pageText(int page) const;
    // Every page, pages separated by a form feed.
    QString text() const;
    // The body alone, as a text export writes it.
    QStringList bodyText() const;
};

// What every page carries besides the body.
struct PageFurniture {
    QString companyName;
    QDateTime printedAt;
    QString subtitle;
    std::vector<ReportCell> columnHeadings;   // empty for a record sheet
};

// Fills doc.pages from doc.body.
void paginate(ReportDocument& doc, const PageFurniture& furniture);

}  // namespace vorna::report
