#pragma once
#include "platform/report/ReportDocument.h"

#include <QRectF>
#include <QString>

class QPainter;
class QPagedPaintDevice;

// Drawing a laid-out report: one character grid per page, scaled to the area
// of the device, so a page looks the same on the screen, on paper and in a PDF.
namespace vorna::report {

void paintPage(QPainter& painter, const QRectF& area, const ReportDocument& doc, int page);
void paintPage(QPainter& painter, const QRectF& area, const ReportDocument& doc, const ReportPage& page);

// Every page on a printer or PDF writer: A4 in the report's orientation.
// False when the device cannot be painted on.
bool paintDocument(QPagedPaintDevice& device, const ReportDocument& doc, bool keepPaperSize = false);

// Whole-file writes that replace the file only once it is complete. The text
// file holds the body lines (no page headings): one line per row of a list.
// Both return an empty text on success, else why it failed.
QString writePdf(const ReportDocument& doc, const QString& path);
QString writeText(const ReportDocument& doc, const QString& path);

}  // namespace vorna::report
