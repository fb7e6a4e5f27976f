#include "print/DV1PrintJob.h"

#include <QPainter>
#include <QPicture>
#include <QSizeF>
#include <QStringList>

#include "dv1/CDV1_Doc.h"
#include "dv1/DV1FieldNames.h"
#include "dv1/DV1FormPainter.h"
#include "print/DV1PrintLayer.h"
#include "print/PrintDialogModel.h"
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

void paintPreviewSheet(QPainter& painter, const CDV1_Doc& doc, int page)
{
    const Dv1PrintSetup setup = Dv1PrintSetup::fromStore(page);
    painter.translate(-DV1PrintLayer(setup).sheetPictureOffset());
    paintSheet(painter, doc, page, setup, Backdrop::FaintForm);
}

bool printCopies(QPagedPaintDevice& device, const CDV1_Doc& doc, int page, int copies)
{
    // The margins are read for every sheet: each is printed as the store
    // says at that moment.
    return SheetOutput::printCopies(device, copies, [&](QPainter& painter) {
        paintSheet(painter, doc, page, Dv1PrintSetup::fromStore(page), Backdrop::None);
    });
}

QString cutWarning(const CDV1_Doc& doc, int page, const QSizeF& printableMm)
{
    if (printableMm.isEmpty() || page > doc.pageCount())
        return {};
    const DV1PrintLayer layer(Dv1PrintSetup::fromStore(page));
    const DV1Geometry::Layout layout = DV1Geometry::layoutOf(page);
    const QRectF area(0, 0, printableMm.width() * 10, printableMm.height() * 10);
    const FieldStore& store = doc.fieldStore();
    QStringList names;
    for (int field = 0; field < std::min(DV1Geometry::fieldCount(layout), store.fieldCount(page)); ++field) {
        const QString text = store.text(field, page);
        const QRect placed = layer.placedRect(layout, field);
        if (text.trimmed().isEmpty() || placed.isNull())
            continue;
        // Where the text's lines go, as printing lays them out.
        QPicture scratch;
        QPainter painter(&scratch);
        QRectF lines;
        layer.PrintField(painter, placed, text, store.attr(field, page), &lines);
        painter.end();
        const QString name = DV1FieldNames::name(page, field);
        if (!lines.isEmpty() && !area.contains(lines) && !names.contains(name))
            names << name;
    }
    if (names.isEmpty())
        return {};
    return PrintDialogModel::cutWarningText(names);
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
