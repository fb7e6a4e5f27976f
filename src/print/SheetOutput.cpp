#include "print/SheetOutput.h"

#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>

namespace SheetOutput {

namespace {

// Exports are drawn finely enough for any zoom of a PDF viewer.
constexpr int ExportResolution = 1200;

} // namespace

void useSheetUnits(QPainter& painter, const QPaintDevice& device)
{
    painter.scale(device.logicalDpiX() / 254.0, device.logicalDpiY() / 254.0);
}

bool printCopies(QPagedPaintDevice& device, int copies, const PaintSheet& paint)
{
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    for (int copy = 0; copy < copies; ++copy) {
        if (copy > 0 && !device.newPage()) {
            painter.end();
            return false;
        }
        painter.save();
        useSheetUnits(painter, device);
        paint(painter);
        painter.restore();
    }
    return painter.end();
}

bool writePdf(const QString& path, int pageCount, const PaintPage& paint, QString* error)
{
    const auto fail = [&] {
        if (error)
            *error = QStringLiteral("Die Datei %1 kann nicht geschrieben werden.").arg(path);
        return false;
    };
    QPdfWriter writer(path);
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setPageMargins(QMarginsF(0, 0, 0, 0));
    writer.setResolution(ExportResolution);
    writer.setCreator(QStringLiteral("Kestrovane-Import"));
    QPainter painter;
    if (!painter.begin(&writer))
        return fail();
    for (int page = 1; page <= pageCount; ++page) {
        if (page > 1 && !writer.newPage()) {
            painter.end();
            return fail();
        }
        painter.save();
        useSheetUnits(painter, writer);
        paint(painter, page);
        painter.restore();
    }
    if (!painter.end())
        return fail();
    return true;
}

} // namespace SheetOutput
