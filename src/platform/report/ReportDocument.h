#pragma once
#include "platform/report/ReportDefinition.h"

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <optional>
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

class ReportPager;
struct ReportDocument;

// What was selected, as shown: one entry per row, one text per column or field.
// Reading it reads every row again; the pages never need it.
class ReportRowTexts {
public:
    size_t size() const { return all().size(); }
    bool empty() const { return all().empty(); }
    const QStringList& operator[](size_t i) const { return all()[i]; }
    auto begin() const { return all().begin(); }
    auto end() const { return all().end(); }

private:
    friend struct ReportDocument;
    const std::vector<QStringList>& all() const;
    std::shared_ptr<ReportPager> pager_;
    mutable std::shared_ptr<const std::vector<QStringList>> rows_;
};

// The report's totals at its end: label and shown value. Known once every
// page has been laid out.
class ReportTotals {
public:
    size_t size() const { return all().size(); }
    bool empty() const { return all().empty(); }
    const std::pair<QString, QString>& operator[](size_t i) const { return all()[i]; }
    auto begin() const { return all().begin(); }
    auto end() const { return all().end(); }

private:
    friend struct ReportDocument;
    const std::vector<std::pair<QString, QString>>& all() const;
    std::shared_ptr<ReportPager> pager_;
};

// The pages, each laid out when asked for; size() counts them all.
class ReportPages {
public:
    size_t size() const;
    ReportPage at(size_t i) const;
    ReportPage operator[](size_t i) const { return at(i); }

private:
    friend struct ReportDocument;
    const ReportDocument* doc_ = nullptr;
};

struct ReportDocument {
    QString title;
    Orientation orientation = Orientation::Portrait;
    int columns = 0;
    int linesPerPage = 0;
    QStringList headings;
    std::vector<ReportLine> header;   // the top of every page

    ReportRowTexts rows;
    ReportTotals totals;
    ReportPages pages;

    ReportDocument();
    ReportDocument(const ReportDocument&) = delete;
    ReportDocument& operator=(const ReportDocument&) = delete;
    void setPager(std::shared_ptr<ReportPager> pager);

    // A page as printed, "Página n de m" at its foot; counting the pages first
    // when they are not known yet.
    ReportPage page(int page) const;
    // For a screen that shows a page before the count is known: the foot
    // reads "Página n" until then.
    ReportPage pageAsKnown(int page) const;
    int pageCount() const;
    bool pageCountKnown() const;
    int pagesKnown() const;
    // Counts further pages for at most budgetMs; true once the count is known.
    bool countPages(qint64 budgetMs) const;

    QStringList pageText(int page) const;
    // Every page, pages separated by a form feed.
    QString text() const;
    // The body alone, as a text export writes it, one line at a time.
    void forEachBodyLine(const std::function<void(const QString&)>& take) const;
    QStringList bodyText() const;

private:
    ReportPage framed(int page, std::optional<int> count) const;
    std::shared_ptr<ReportPager> pager_;
};

// What every page carries besides the body.
struct PageFurniture {
    QString companyName;
    QDateTime printedAt;
    QString subtitle;
    std::vector<ReportCell> columnHeadings;   // empty for a record sheet
};

// The lines at the top of every page.
std::vector<ReportLine> pageHeader(const ReportDocument& doc, const PageFurniture& furniture);

}  // namespace vorna::report
