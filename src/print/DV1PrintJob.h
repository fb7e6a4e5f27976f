#pragma once

#include <QString>

#include "print/EhPrintJob.h"

class CDV1_Doc;
class QPagedPaintDevice;
class QPainter;
class QSizeF;
struct Dv1PrintSetup;

// Printing whole D.V.1 sheets: the print layer on printers, PDF writers and
// the preview, with or without the form picture under the texts.
namespace DV1PrintJob {

using Backdrop = EhPrintJob::Backdrop;

// One sheet in sheet units: the backdrop, then the print layer.
void paintSheet(QPainter& painter, const CDV1_Doc& doc, int page, const Dv1PrintSetup& setup, Backdrop backdrop);

// A whole sheet of the preview, from the sheet's corner: the pale form there
// as on the pre-printed paper, every text where it lands on that paper.
void paintPreviewSheet(QPainter& painter, const CDV1_Doc& doc, int page);

// What the printer gets: the page copies times, one sheet per copy, with
// the margins of its sheet side and the corrections of the store.
bool printCopies(QPagedPaintDevice& device, const CDV1_Doc& doc, int page, int copies);

// A warning when the printer would cut texts of a page: the fields whose
// printed text, with the margins and corrections of the store, reaches
// outside a printable area of this size (mm, from its top-left corner, where
// the print starts). Empty when everything fits.
QString cutWarning(const CDV1_Doc& doc, int page, const QSizeF& printableMm);

// The filled form for mail and archive: every page as the form with its
// texts laid out as printed, without the printer's margins and corrections.
bool exportPdf(const CDV1_Doc& doc, const QString& path, QString* error = nullptr);

} // namespace DV1PrintJob
