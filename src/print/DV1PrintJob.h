#pragma once

#include <QString>

#include "print/EhPrintJob.h"

class CDV1_Doc;
class QPagedPaintDevice;
class QPainter;
struct Dv1PrintSetup;

// Printing whole D.V.1 sheets: the print layer on printers, PDF writers and
// the preview, with or without the form picture under the texts.
namespace DV1PrintJob {

using Backdrop = EhPrintJob::Backdrop;

// One sheet in sheet units: the backdrop, then the print layer.
void paintSheet(QPainter& painter, const CDV1_Doc& doc, int page, const Dv1PrintSetup& setup, Backdrop backdrop);

// What the printer gets: the page copies times, one sheet per copy, with
// the margins of its sheet side and the corrections of the store.
bool printCopies(QPagedPaintDevice& device, const CDV1_Doc& doc, int page, int copies);

// The filled form for mail and archive: every page as the form with its
// texts laid out as printed, without the printer's margins and corrections.
bool exportPdf(const CDV1_Doc& doc, const QString& path, QString* error = nullptr);

} // namespace DV1PrintJob
