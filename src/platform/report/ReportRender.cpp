#include "platform/report/ReportRender.h"

#include <QFileInfo>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

namespace vorna::report {

namespace {

// Glyphs are laid out at this pixel size and the whole page scaled to fit.
constexpr int BaseFontPixels = 100;

QFont gridFont(bool bold, double scale = 1.0)
{
    QFont f(QStringLiteral("DejaVu Sans Mono"));
    f.setStyleHint(QFont::Monospace);
    f.setFixedPitch(true);
    f.setPixelSize(int(BaseFontPixels * scale));
    f.setBold(bold);
    return f;
}

}  // namespace

void paintPage(QPainter& painter, const QRectF& area, const ReportDocument& doc, int page)
{
    paintPage(painter, area, doc, doc.page(page));
}

void paintPage(QPainter& painter, const QRectF& area, const ReportDocument& doc, const ReportPage& page)
{
    const QFont normal = gridFont(false);
    const QFont bold = gridFont(true);
    const QFont title = gridFont(true, 1.3);
    const QFontMetricsF metrics(normal, painter.device());
    const double charWidth = metrics.horizontalAdvance(u'M');
    const double fontHeight = metrics.height();
    const int lines = doc.linesPerPage;

    // One scale for both directions keeps the glyphs' shape; the lines spread
    // over the height of the area.
    const double scale = std::min(area.width() / (doc.columns * charWidth), area.height() / (lines * fontHeight));
    const double lineHeight = area.height() / lines / scale;

    painter.save();
    painter.translate(area.topLeft());
    painter.scale(scale, scale);
    painter.setPen(Qt::black);
    const double width = doc.columns * charWidth;
    const auto& pageLines = page.lines;
    for (int i = 0; i < int(pageLines.size()) && i < lines; ++i) {
        const ReportLine& line = pageLines[i];
        const double top = i * lineHeight;
        switch (line.style) {
        case ReportLine::Style::Rule: {
            QPen pen(Qt::black);
            pen.setWidthF(fontHeight / 16);
            painter.setPen(pen);
            painter.drawLine(QPointF(0, top + lineHeight / 2), QPointF(width, top + lineHeight / 2));
            painter.setPen(Qt::black);
            break;
        }
        case ReportLine::Style::Title: {
            painter.setFont(title);
            const QString text = line.cells.empty() ? QString() : line.cells.front().text;
            painter.drawText(QRectF(0, top - lineHeight * 0.15, width, lineHeight * 1.3), Qt::AlignHCenter | Qt::AlignVCenter,
                             text);
            break;
        }
        case ReportLine::Style::Heading:
        case ReportLine::Style::Normal: {
            painter.setFont(line.style == ReportLine::Style::Heading ? bold : normal);
            painter.drawText(QPointF(0, top + (lineHeight + metrics.ascent() - metrics.descent()) / 2),
                             line.text(doc.columns));
            break;
        }
        }
    }
    painter.restore();
}

bool paintDocument(QPagedPaintDevice& device, const ReportDocument& doc, bool keepPaperSize)
{
    const auto orientation =
        doc.orientation == Orientation::Landscape ? QPageLayout::Landscape : QPageLayout::Portrait;
    if (keepPaperSize) {
        device.setPageOrientation(orientation);
    } else {
        device.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), orientation, QMarginsF(12, 12, 12, 12),
                                         QPageLayout::Millimeter));
    }
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    const QRect paint = device.pageLayout().paintRectPixels(device.logicalDpiX());
    const QRectF area(QPointF(0, 0), QSizeF(paint.size()));
    // Pages in order: each is laid out as the rows stream by, none kept after.
    const int count = doc.pageCount();
    for (int i = 0; i < count; ++i) {
        if (i > 0 && !device.newPage())
            return false;
        paintPage(painter, area, doc, i);
    }
    return painter.end();
}

QString writePdf(const ReportDocument& doc, const QString& path)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    {
        QPdfWriter writer(&file);
        writer.setResolution(300);
        writer.setTitle(doc.title);
        writer.setCreator(QStringLiteral("Vorna"));
        if (!paintDocument(writer, doc))
            return QStringLiteral("não foi possível desenhar as páginas");
    }
    if (!file.commit())
        return file.errorString();
    return {};
}

QString writeText(const ReportDocument& doc, const QString& path)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    // Written as the rows stream by: no page count needed, no whole report in memory.
    QByteArray out;
    bool written = true;
    doc.forEachBodyLine([&](const QString& line) {
        out += line.toUtf8();
        out += '\n';
        if (out.size() >= (1 << 16)) {
            written = written && file.write(out) == out.size();
            out.clear();
        }
    });
    written = written && file.write(out) == out.size();
    if (!written) {
        file.cancelWriting();
        return file.errorString();
    }
    if (!file.commit())
        return file.errorString();
    return {};
}

}  // namespace vorna::report
