#include "print/EhPrintJob.h"

#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QPicture>
#include <QSizeF>

#include "form/FieldDefinitions.h"
#include "settings/Profile.h"
#include "form/CEinheitspapierDoc.h"
#include "print/EhPrintLayer.h"
#include "form/EhFieldNames.h"
#include "form/FieldStore.h"
#include "view/FormPainter.h"

using EhFieldFlags::PageKind;

namespace {

// How pale the form lies under the texts in the preview.
constexpr double FaintOpacity = 0.3;
// Exports are drawn finely enough for any zoom of a PDF viewer.
constexpr int ExportResolution = 1200;

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
    painter.scale(device.logicalDpiX() / 254.0, device.logicalDpiY() / 254.0);
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

bool printCopies(QPagedPaintDevice& device, const EhFormPage& page, int copies)
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
        // The margins are read for every sheet: each is printed as the
        // store says at that moment.
        paintSheet(painter, page, EhPrintSetup::fromStore(page.kind()), Backdrop::None);
        painter.restore();
    }
    return painter.end();
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
    return QStringLiteral("Achtung: Der Drucker kann nicht bis an den Blattrand drucken. Der Text von %1 "
                          "würde abgeschnitten. Bitte die Ränder prüfen.")
        .arg(names.join(QStringLiteral(", ")));
}

bool exportPdf(const CEinheitspapierDoc& doc, const FieldDefinitions& definitions, const QString& path,
               QString* error)
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
    const EhPrintSetup setup = EhPrintSetup::uncalibrated();
    const QPoint formCorner = EhPrintLayer(setup).sheetPictureOffset();
    for (int page = 1; page <= doc.store().pageCount(); ++page) {
        if (page > 1 && !writer.newPage()) {
            painter.end();
            return fail();
        }
        painter.save();
        useSheetUnits(painter, writer);
        // The form lies at the page's corner, the texts where the sheet has
        // them.
        painter.translate(-formCorner);
        paintSheet(painter, pageOf(doc, page, definitions), setup, Backdrop::Form);
        painter.restore();
    }
    if (!painter.end())
        return fail();
    return true;
}

} // namespace EhPrintJob
