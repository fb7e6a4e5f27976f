#include <QImage>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QTextStream>

#include "form/FieldDefinitions.h"
#include "settings/Profile.h"
#include "cli/CliCommand.h"
#include "form/CEinheitspapierDoc.h"
#include "view/FormPainter.h"

namespace {

using EhFieldFlags::PageKind;

constexpr const char* Usage =
    "render DATEI.aef --page N [--zoom Z] -o AUSGABE.png|AUSGABE.pdf\n"
    "  kestrovane render --blank --form-set N --page-kind first|continuation [--outline-fields] [--zoom Z] "
    "-o AUSGABE.png|AUSGABE.pdf";

constexpr int DefaultZoom = 14;
constexpr int SheetWidth = 2050;    // 0.1 mm: the drawn picture
constexpr int SheetHeight = 2980;
constexpr double ScreenPixelsPerUnit = 96.0 / 254.0;   // a 96-dpi screen, 0.1 mm units

bool writePng(const QString& out, const EhFormPage& page, EhPaintOptions options, QString* error)
{
    const int w = SheetWidth * options.zoom / 10;
    const int h = SheetHeight * options.zoom / 10;
    QImage image(qRound(w * ScreenPixelsPerUnit), qRound(h * ScreenPixelsPerUnit), QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.scale(ScreenPixelsPerUnit, ScreenPixelsPerUnit);
        FormPainter(options).paintPage(painter, page);
    }
    if (!image.save(out, "PNG")) {
        *error = QStringLiteral("Die Datei %1 kann nicht geschrieben werden.").arg(out);
        return false;
    }
    return true;
}

bool writePdf(const QString& out, const EhFormPage& page, EhPaintOptions options, QString* error)
{
    // Real size: one device unit of the writer is 0.1 mm.
    options.zoom = 10;
    QPdfWriter writer(out);
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setPageMargins(QMarginsF(0, 0, 0, 0));
    writer.setResolution(254);
    writer.setCreator(QStringLiteral("Kestrovane-Import"));
    QPainter painter;
    if (!painter.begin(&writer)) {
        *error = QStringLiteral("Die Datei %1 kann nicht geschrieben werden.").arg(out);
        return false;
    }
    FormPainter(options).paintPage(painter, page);
    painter.end();
    return true;
}

int render(const QStringList& arguments, cli::Io& io)
{
    QStringList args = arguments;
    const QString out = cli::takeOption(args, QStringLiteral("-o"));
    const QString zoomText = cli::takeOption(args, QStringLiteral("--zoom"));
    const bool blank = cli::takeFlag(args, QStringLiteral("--blank"));
    const bool outline = cli::takeFlag(args, QStringLiteral("--outline-fields"));
    const QString pageText = cli::takeOption(args, QStringLiteral("--page"));
    const QString formSetText = cli::takeOption(args, QStringLiteral("--form-set"));
    const QString kindText = cli::takeOption(args, QStringLiteral("--page-kind"));

    bool ok = true;
    const int zoom = zoomText.isEmpty() ? DefaultZoom : zoomText.toInt(&ok);
    const bool png = out.endsWith(QLatin1String(".png"), Qt::CaseInsensitive);
    const bool pdf = out.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive);
    if (out.isEmpty() || !ok || zoom < 1 || zoom > 100 || !(png || pdf) || args.size() != (blank ? 0 : 1)) {
        io.err << "Aufruf: kestrovane " << Usage << '\n';
        return 2;
    }

    EhFormPage page;
    CEinheitspapierDoc doc;
    if (blank) {
        page.formSet = formSetText.toInt(&ok);
        if (!ok || (kindText != QLatin1String("first") && kindText != QLatin1String("continuation"))) {
            io.err << "Aufruf: kestrovane " << Usage << '\n';
            return 2;
        }
        page.page = kindText == QLatin1String("first") ? 1 : 2;
    } else {
        QString error;
        if (!doc.load(args.first(), &error)) {
            io.err << args.first() << ": " << error << '\n';
            return 1;
        }
        page.page = pageText.isEmpty() ? 1 : pageText.toInt(&ok);
        if (!ok || page.page < 1 || page.page > doc.store().pageCount()) {
            io.err << "Die Seite " << pageText << " gibt es nicht (das Dokument hat "
                   << doc.store().pageCount() << " Seiten).\n";
            return 2;
        }
        page.store = &doc.store();
        page.formSet = doc.formSet();
        page.inputTax = doc.inputTax();
    }
    page.takeFlags(FieldDefinitions());

    EhPaintOptions options = EhPaintOptions::fromSettings(zoom);
    options.outlineFields = outline;
    QString error;
    if (!(png ? writePng(out, page, options, &error) : writePdf(out, page, options, &error))) {
        io.err << error << '\n';
        return 1;
    }
    return 0;
}

const cli::Registration registration(QStringLiteral("render"), QString::fromLatin1(Usage), render);

} // namespace
