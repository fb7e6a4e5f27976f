#include "print/DV1PrintJob.h"

#include <QPainter>

#include "dv1/CDV1_Doc.h"
#include "dv1/DV1FormPainter.h"
#include "print/DV1PrintLayer.h"
#include "print/SheetOutput.h"

namespace {

// How pale the form lies under the texts in the preview.
constexpr double FaintOpacity = 0.3;

} // namespace

namespace DV1PrintJob {

void paintSheet(QPainter& painter, const CDV1_Doc& doc, int page, const Dv1PrintSetup& setup, Backdrop backdrop)
{
    const DV1PrintLayer layer(setup);
    if (backdrop != Backdrop::None) {
        painter.save();
        painter.translate(layer.sheetPictureOffset());
        if (backdrop == Backdrop::FaintForm)
            painter.setOpacity(FaintOpacity);
        DV1FormPainter(Dv1PaintOptions::fromSettings(10)).paintForm(painter, DV1Geometry::layoutOf(page));
        painter.restore();
    }
    layer.printPage(painter, doc, page);
}

bool printCopies(QPagedPaintDevice& device, const CDV1_Doc& doc, int page, int copies)
{
    // The margins are read for every sheet: each is printed as the store
    // says at that moment.
    return SheetOutput::printCopies(device, copies, [&](QPainter& painter) {
        paintSheet(painter, doc, page, Dv1PrintSetup::fromStore(page), Backdrop::None);
    });
}

bool exportPdf(const CDV1_Doc& doc, const QString& path, QString* error)
{
    const Dv1PrintSetup setup = Dv1PrintSetup::uncalibrated();
    const QPoint formCorner = DV1PrintLayer(setup).sheetPictureOffset();
    return SheetOutput::writePdf(path, doc.pageCount(), [&](QPainter& painter, int page) {
        // The form lies at the page's corner, the texts where the sheet has
        // them.
        painter.translate(-formCorner);
        paintSheet(painter, doc, page, setup, Backdrop::Form);
    }, error);
}

} // namespace DV1PrintJob
