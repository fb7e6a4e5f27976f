#include "print/EhPrintJob.h"

#include <QPainter>
#include <QPicture>
#include <QSizeF>

#include "form/FieldDefinitions.h"
#include "settings/Profile.h"
#include "form/CEinheitspapierDoc.h"
#include "print/EhPrintLayer.h"
#include "print/PrintDialogModel.h"
#include "print/SheetOutput.h"
#include "form/EhFieldNames.h"
#include "form/FieldStore.h"
#include "view/FormPainter.h"

using EhFieldFlags::PageKind;

namespace {

// How pale the form lies under the texts in the preview.
constexpr double FaintOpacity = 0.3;

} // namespace

namespace EhPrintJob {

EhFormPage pageOf(const CEinheitspapierDoc& doc, int page, const FieldDefinitions& definitions)
{
    EhFormPage p;
    p.store = &doc.store();
    p.formSet = doc.formSet();
    p.page = page;
    p.inputTax = doc.inputTax();
    // An open view has put the marks into the tables already; setting them
    // again changes nothing.
    p.takeFlags(definitions);
    return p;
}

void useSheetUnits(QPainter& painter, const QPaintDevice& device)
{
    SheetOutput::useSheetUnits(painter, device);
}

void paintSheet(QPainter& painter, const EhFormPage& page, const EhPrintSetup& setup, Backdrop backdrop)
{
    const EhPrintLayer layer(setup);
    if (backdrop != Backdrop::None) {
        painter.save();
        painter.translate(layer.sheetPictureOffset());
        if (backdrop == Backdrop::FaintForm)
            painter.setOpacity(FaintOpacity);
        FormPainter(EhPaintOptions::fromSettings(10)).paintForm(painter, page);
        painter.restore();
    }
    layer.printPage(painter, page);
}

void paintPreviewSheet(QPainter& painter, const EhFormPage& page)
{
    const EhPrintSetup setup = EhPrintSetup::fromStore(page.kind());
    painter.translate(-EhPrintLayer(setup).sheetPictureOffset());
    paintSheet(painter, page, setup, Backdrop::FaintForm);
}

bool printCopies(QPagedPaintDevice& device, const EhFormPage& page, int copies)
{
    // The margins are read for every sheet: each is printed as the store
    // says at that moment.
    return SheetOutput::printCopies(device, copies, [&](QPainter& painter) {
        paintSheet(painter, page, EhPrintSetup::fromStore(page.kind()), Backdrop::None);
    });
}

QString cutWarning(const EhFormPage& page, const QSizeF& printableMm)
{
    if (!page.store || printableMm.isEmpty())
        return {};
    const EhPrintLayer layer(EhPrintSetup::fromStore(page.kind()));
    const QRectF area(0, 0, printableMm.width() * 10, printableMm.height() * 10);
    QStringList names;
    for (const EhPrintedField& f : layer.printedFields(page)) {
        const QString text = page.store->text(f.field, f.page);
        if (text.trimmed().isEmpty())
            continue;
        // Where the text's lines go, as printing lays them out.
        QPicture scratch;
        QPainter painter(&scratch);
        QRectF lines;
        layer.PrintField(painter, f.placed, text, page.store->attr(f.field, f.page), false, &lines);
        painter.end();
        if (lines.isEmpty() || area.contains(lines))
            continue;
        QString name = f.kind == EhFieldFlags::PageKind::First ? EhFieldNames::firstPage(f.field)
                                                                : EhFieldNames::continuation(f.field);
        if (name.isEmpty())
            name = QStringLiteral("Feld 47");
        if (!names.contains(name))
            names << name;
    }
    if (names.isEmpty())
        return {};
    return PrintDialogModel::cutWarningText(names);
}

bool exportPdf(const CEinheitspapierDoc& doc, const FieldDefinitions& definitions, const QString& path,
               QString* error)
{
    const EhPrintSetup setup = EhPrintSetup::uncalibrated();
    const QPoint formCorner = EhPrintLayer(setup).sheetPictureOffset();
    return SheetOutput::writePdf(path, doc.store().pageCount(), [&](QPainter& painter, int page) {
        // The form lies at the page's corner, the texts where the sheet has
        // them.
        painter.translate(-formCorner);
        paintSheet(painter, pageOf(doc, page, definitions), setup, Backdrop::Form);
    }, error);
}

} // namespace EhPrintJob
