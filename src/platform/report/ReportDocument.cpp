#include "platform/report/ReportDocument.h"

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

QStringList ReportDocument::pageText(int page) const
{
    QStringList out;
    for (const ReportLine& l : pages.at(page).lines)
        out << l.text(columns);
    return out;
}

QString ReportDocument::text() const
{
    QStringList pagesText;
    for (int i = 0; i < int(pages.size()); ++i)
        pagesText << pageText(i).join(u'\n') + u'\n';
    return pagesText.join(u'\f');
}

QStringList ReportDocument::bodyText() const
{
    QStringList out;
    for (const ReportBlock& b : body)
        for (const ReportLine& l : b.lines)
            out << l.text(columns);
    return out;
}

void paginate(ReportDocument& doc, const PageFurniture& furniture)
{
    const int columns = doc.columns;
    std::vector<ReportLine> header;
    {
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
    }
    const int capacity = std::max(1, doc.linesPerPage - int(header.size()) - 2);

    std::vector<std::vector<ReportLine>> bodies(1);
    auto room = [&] { return capacity - int(bodies.back().size()); };
    auto place = [&](const ReportLine& line) {
        if (room() <= 0)
            bodies.emplace_back();
        // A blank line opening a page only pushes the page down.
        if (bodies.back().empty() && line.style == ReportLine::Style::Normal && line.cells.empty())
            return;
        bodies.back().push_back(line);
    };
    for (const ReportBlock& block : doc.body) {
        const int size = int(block.lines.size());
        if (size > room() && size <= capacity && !bodies.back().empty())
            bodies.emplace_back();
        for (const ReportLine& line : block.lines)
            place(line);
    }

    doc.pages.clear();
    const int count = int(bodies.size());
    for (int i = 0; i < count; ++i) {
        ReportPage page;
        page.lines = header;
        page.lines.insert(page.lines.end(), bodies[i].begin(), bodies[i].end());
        while (int(page.lines.size()) < doc.linesPerPage - 2)
            page.lines.push_back(ReportLine::blank());
        page.lines.push_back(ReportLine::rule());
        page.lines.push_back({ReportLine::Style::Normal,
                              {{0, columns, QStringLiteral("Página %1 de %2").arg(i + 1).arg(count), Align::Right}}});
        doc.pages.push_back(std::move(page));
    }
}

}  // namespace vorna::report
