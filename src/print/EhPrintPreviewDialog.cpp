#include "print/EhPrintPreviewDialog.h"

#include "form/CEinheitspapierDoc.h"
#include "print/EhPrintJob.h"
#include "view/FormPainter.h"

EhPrintPreviewDialog::EhPrintPreviewDialog(const CEinheitspapierDoc& doc, const FieldDefinitions& definitions,
                                           const QPrinter& printer, int startPage, QWidget* parent)
    : PrintPreviewDialog(
          doc.store().pageCount(),
          [&doc, &definitions](QPainter& painter, int page) {
              EhPrintJob::paintPreviewSheet(painter, EhPrintJob::pageOf(doc, page, definitions));
          },
          printer, startPage, parent)
{
}
