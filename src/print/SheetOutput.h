#pragma once

#include <QString>

#include <functional>

class QPagedPaintDevice;
class QPaintDevice;
class QPainter;

// Whole sheets onto printers and PDF files, whatever the form: the painter
// of each sheet works in 0.1 mm of the device from the top-left corner of
// its paint area, y pointing down.
namespace SheetOutput {

using PaintSheet = std::function<void(QPainter& painter)>;
using PaintPage = std::function<void(QPainter& painter, int page)>;

// Makes the painter's unit 0.1 mm of the device.
void useSheetUnits(QPainter& painter, const QPaintDevice& device);

// One sheet copies times, each on a device page of its own. False when the
// device refused to start or to take a further page.
bool printCopies(QPagedPaintDevice& device, int copies, const PaintSheet& paint);

// A PDF of A4 pages 1 to pageCount, without margins, fine enough for any
// zoom of a viewer. False with a message naming the file when it cannot be
// written.
bool writePdf(const QString& path, int pageCount, const PaintPage& paint, QString* error);

} // namespace SheetOutput
