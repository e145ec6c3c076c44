#include "platform/report/ReportDocument.h"

#include "platform/report/ReportPager.h"

#include <stdexcept>

namespace vorna::report {

QString ReportLine::text(int columns) const
{
    if (style == Style::Rule)
        return QString(columns, u'-');
    QString buffer(columns, u' ');
    for (const ReportCell& c : cells) {
        if (c.x >= columns || c.width <= 0)
            continue;
        const int width = std::min(c.width, columns - c.x);
        const QString t = c.text.left(width);
        int start = c.x;
        if (c.align == Align::Right)
            start += width - int(t.size());
        else if (c.align == Align::Center)
            start += (width - int(t.size())) / 2;
        buffer.replace(start, t.size(), t);
    }
    while (!buffer.isEmpty() && buffer.back() == u' ')
        buffer.chop(1);
    return buffer;
}

const std::vector<QStringList>& ReportRowTexts::all() const
{
    if (!rows_)
        rows_ = std::make_shared<const std::vector<QStringList>>(pager_ ? pager_->rowTexts() : std::vector<QStringList>());
    return *rows_;
}

const std::vector<std::pair<QString, QString>>& ReportTotals::all() const
{
    static const std::vector<std::pair<QString, QString>> none;
    return pager_ ? pager_->totals() : none;
}

size_t ReportPages::size() const { return size_t(doc_->pageCount()); }

ReportPage ReportPages::at(size_t i) const
{
    if (i >= size())
        throw std::out_of_range("report page");
    return doc_->page(int(i));
}

ReportDocument::ReportDocument() { pages.doc_ = this; }

void ReportDocument::setPager(std::shared_ptr<ReportPager> pager)
{
    pager_ = pager;
    rows.pager_ = pager;
    rows.rows_.reset();
    totals.pager_ = std::move(pager);
}

int ReportDocument::pageCount() const { return pager_ ? pager_->pageCount() : 0; }
bool ReportDocument::pageCountKnown() const { return !pager_ || pager_->complete(); }
int ReportDocument::pagesKnown() const { return pager_ ? pager_->pagesKnown() : 0; }
bool ReportDocument::countPages(qint64 budgetMs) const { return !pager_ || pager_->countAhead(budgetMs); }

ReportPage ReportDocument::page(int page) const { return framed(page, pageCount()); }

ReportPage ReportDocument::pageAsKnown(int page) const
{
    return framed(page, pageCountKnown() ? std::optional<int>(pageCount()) : std::nullopt);
}

ReportPage ReportDocument::framed(int page, std::optional<int> count) const
{
    ReportPage out;
    out.lines = header;
    if (pager_) {
        const std::vector<ReportLine>& body = pager_->pageBody(page);
        out.lines.insert(out.lines.end(), body.begin(), body.end());
    }
    while (int(out.lines.size()) < linesPerPage - 2)
        out.lines.push_back(ReportLine::blank());
    out.lines.push_back(ReportLine::rule());
    const QString foot = count ? QStringLiteral("Página %1 de %2").arg(page + 1).arg(*count)
                               : QStringLiteral("Página %1").arg(page + 1);
    out.lines.push_back({ReportLine::Style::Normal, {{0, columns, foot, Align::Right}}});
    return out;
}

QStringList ReportDocument::pageText(int page) const
{
    QStringList out;
    for (const ReportLine& l : this->page(page).lines)
        out << l.text(columns);
    return out;
}

QString ReportDocument::text() const
{
    QStringList pagesText;
    for (int i = 0; i < pageCount(); ++i)
        pagesText << pageText(i).join(u'\n') + u'\n';
    return pagesText.join(u'\f');
}

void ReportDocument::forEachBodyLine(const std::function<void(const QString&)>& take) const
{
    if (pager_)
        pager_->forEachBodyLine([&](const ReportLine& l) { take(l.text(columns)); });
}

QStringList ReportDocument::bodyText() const
{
    QStringList out;
    forEachBodyLine([&](const QString& line) { out << line; });
    return out;
}

std::vector<ReportLine> pageHeader(const ReportDocument& doc, const PageFurniture& furniture)
{
    const int columns = doc.columns;
    std::vector<ReportLine> header;
    ReportLine top;
    top.cells.push_back({0, columns / 2, furniture.companyName, Align::Left});
    const QString printed = QStringLiteral("Impresso em ") + furniture.printedAt.toString(QStringLiteral("dd/MM/yyyy HH:mm"));
    top.cells.push_back({columns / 2, columns - columns / 2, printed, Align::Right});
    header.push_back(top);
    header.push_back({ReportLine::Style::Title, {{0, columns, doc.title, Align::Center}}});
    if (!furniture.subtitle.isEmpty())
        header.push_back({ReportLine::Style::Heading, {{0, columns, furniture.subtitle, Align::Center}}});
    header.push_back(ReportLine::rule());
    if (!furniture.columnHeadings.empty()) {
        header.push_back({ReportLine::Style::Heading, furniture.columnHeadings});
        header.push_back(ReportLine::rule());
    }
    return header;
}

}  // namespace vorna::report
