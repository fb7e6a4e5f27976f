#pragma once

#include <QString>

class CEinheitspapierDoc;
class FieldDefinitions;
class QPagedPaintDevice;
class QPaintDevice;
class QPainter;
class QSizeF;
struct EhFormPage;
struct EhPrintSetup;

// Printing whole sheets: the print layer on printers, PDF writers and the
// preview, with or without the form picture under the texts.
namespace EhPrintJob {

// What lies under the printed texts.
enum class Backdrop {
    None,        // the pre-printed sheet: texts and marks only
    FaintForm,   // the preview: a pale picture of the form
    Form,        // an export: the form as the program draws it
};

// One page of a document with the program's field flags, the unused-field
// marks of its form set included when they are switched on.
EhFormPage pageOf(const CEinheitspapierDoc& doc, int page, const FieldDefinitions& definitions);

// Makes the painter's unit 0.1 mm of the device, from the top-left corner
// of its paint area.
void useSheetUnits(QPainter& painter, const QPaintDevice& device);

// One sheet in sheet units: the backdrop, then the print layer.
void paintSheet(QPainter& painter, const EhFormPage& page, const EhPrintSetup& setup, Backdrop backdrop);

// A whole sheet of the preview, from the sheet's corner: the pale form there
// as on the pre-printed paper, every text where it lands on that paper, with
// the margins and corrections of the store.
void paintPreviewSheet(QPainter& painter, const EhFormPage& page);

// What the printer gets: the page copies times, one sheet per copy, with
// the margins and corrections of the store. False when the device refused
// to start or to take a further sheet.
bool printCopies(QPagedPaintDevice& device, const EhFormPage& page, int copies);

// A warning when the printer would cut texts of a page: the fields whose
// printed text, with the margins and corrections of the store, reaches
// outside a printable area of this size (mm, from its top-left corner, where
// the print starts). Empty when everything fits.
QString cutWarning(const EhFormPage& page, const QSizeF& printableMm);

// The filled form for mail and archive: every page of the document as the
// form with its texts laid out as printed, without the printer's margins
// and corrections, one A4 page each. False with a message when the file
// cannot be written.
bool exportPdf(const CEinheitspapierDoc& doc, const FieldDefinitions& definitions, const QString& path,
               QString* error = nullptr);

} // namespace EhPrintJob
