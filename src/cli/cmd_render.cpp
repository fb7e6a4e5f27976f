#include <QImage>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QTextStream>

#include <functional>

#include "form/FieldDefinitions.h"
#include "cli/CliCommand.h"
#include "cli/EhPrintInput.h"
#include "dv1/CDV1_Doc.h"
#include "cli/Dv1Cli.h"
#include "dv1/DV1FormPainter.h"
#include "dv1/DocumentFileType.h"
#include "form/CEinheitspapierDoc.h"
#include "view/FormDrawing.h"
#include "view/FormPainter.h"

namespace {

constexpr const char* Usage =
    "render DATEI.aef|DATEI.fdv --page N [--zoom Z] -o AUSGABE.png|AUSGABE.pdf\n"
    "  kestrovane render --blank --form-set N --page-kind first|continuation [--outline-fields] [--zoom Z] "
    "-o AUSGABE.png|AUSGABE.pdf\n"
    "  kestrovane render --blank --dv1 --page-kind first|even|odd [--outline-fields] [--zoom Z] "
    "-o AUSGABE.png|AUSGABE.pdf";

constexpr int DefaultZoom = 14;
constexpr double ScreenPixelsPerUnit = 96.0 / 254.0;   // a 96-dpi screen, 0.1 mm units

// Draws the page at a zoom onto a painter in 0.1 mm of the magnified picture.
using PagePainter = std::function<void(QPainter& painter, int zoom)>;

QString writeErrorText(const QString& out)
{
    return QStringLiteral("Die Datei %1 kann nicht geschrieben werden.").arg(out);
}

bool writePng(const QString& out, int zoom, const PagePainter& paint, QString* error)
{
    const int w = FormDrawing::SheetWidth * zoom / 10;
    const int h = FormDrawing::SheetHeight * zoom / 10;
    QImage image(qRound(w * ScreenPixelsPerUnit), qRound(h * ScreenPixelsPerUnit), QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.scale(ScreenPixelsPerUnit, ScreenPixelsPerUnit);
        paint(painter, zoom);
    }
    if (!image.save(out, "PNG")) {
        *error = writeErrorText(out);
        return false;
    }
    return true;
}

bool writePdf(const QString& out, const PagePainter& paint, QString* error)
{
    // Real size: one device unit of the writer is 0.1 mm.
    QPdfWriter writer(out);
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setPageMargins(QMarginsF(0, 0, 0, 0));
    writer.setResolution(254);
    writer.setCreator(QStringLiteral("Kestrovane-Import"));
    QPainter painter;
    if (!painter.begin(&writer)) {
        *error = writeErrorText(out);
        return false;
    }
    paint(painter, 10);
    painter.end();
    return true;
}

int usage(cli::Io& io)
{
    io.err << "Aufruf: kestrovane " << Usage << '\n';
    return 2;
}

int noSuchPage(cli::Io& io, const QString& pageText, int pageCount)
{
    io.err << "Die Seite " << pageText << " gibt es nicht (das Dokument hat " << pageCount << " Seiten).\n";
    return 2;
}

// The page asked for, 1 when none was; 0 for a page the document lacks.
int chosenPage(const QString& pageText, int pageCount)
{
    bool ok = true;
    const int page = pageText.isEmpty() ? 1 : pageText.toInt(&ok);
    return ok && page >= 1 && page <= pageCount ? page : 0;
}

int render(const QStringList& arguments, cli::Io& io)
{
    QStringList args = arguments;
    const QString out = cli::takeOption(args, QStringLiteral("-o"));
    const QString zoomText = cli::takeOption(args, QStringLiteral("--zoom"));
    const bool blank = cli::takeFlag(args, QStringLiteral("--blank"));
    const bool blankDv1 = cli::takeFlag(args, QStringLiteral("--dv1"));
    const bool outline = cli::takeFlag(args, QStringLiteral("--outline-fields"));
    const QString pageText = cli::takeOption(args, QStringLiteral("--page"));
    const QString formSetText = cli::takeOption(args, QStringLiteral("--form-set"));
    const QString kindText = cli::takeOption(args, QStringLiteral("--page-kind"));

    bool ok = true;
    const int zoom = zoomText.isEmpty() ? DefaultZoom : zoomText.toInt(&ok);
    const bool png = out.endsWith(QLatin1String(".png"), Qt::CaseInsensitive);
    const bool pdf = out.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive);
    if (out.isEmpty() || !ok || zoom < 1 || zoom > 100 || !(png || pdf) || args.size() != (blank ? 0 : 1)
        || (blankDv1 && !blank))
        return usage(io);

    // Kept alive until the page is drawn.
    EhFormPage ehPage;
    CEinheitspapierDoc ehDoc;
    CDV1_Doc dv1Doc;
    int dv1Page = 0;
    const bool dv1 = blank ? blankDv1 : DocumentFileType::ofFile(args.first()) == DocumentFileType::Type::Dv1;

    if (blank && dv1) {
        const QStringList kinds = {QStringLiteral("first"), QStringLiteral("even"), QStringLiteral("odd")};
        if (!kinds.contains(kindText))
            return usage(io);
        dv1Page = int(kinds.indexOf(kindText)) + 1;   // pages 1, 2 and 3 show the three layouts
    } else if (blank) {
        ehPage.formSet = formSetText.toInt(&ok);
        if (!ok || (kindText != QLatin1String("first") && kindText != QLatin1String("continuation")))
            return usage(io);
        ehPage.page = kindText == QLatin1String("first") ? 1 : 2;
    } else if (dv1) {
        if (!cli::loadDv1(dv1Doc, args.first(), io.err))
            return 1;
        dv1Page = chosenPage(pageText, dv1Doc.pageCount());
        if (dv1Page == 0)
            return noSuchPage(io, pageText, dv1Doc.pageCount());
    } else {
        if (!cli::loadEinheitspapier(ehDoc, args.first(), io.err))
            return 1;
        ehPage.page = chosenPage(pageText, ehDoc.store().pageCount());
        if (ehPage.page == 0)
            return noSuchPage(io, pageText, ehDoc.store().pageCount());
        ehPage.store = &ehDoc.store();
        ehPage.formSet = ehDoc.formSet();
        ehPage.inputTax = ehDoc.inputTax();
    }

    PagePainter paint;
    if (dv1) {
        const CDV1_Doc* doc = blank ? nullptr : &dv1Doc;
        paint = [&, doc](QPainter& painter, int z) {
            Dv1PaintOptions options = Dv1PaintOptions::fromSettings(z);
            options.outlineFields = outline;
            DV1FormPainter(options).paintPage(painter, doc, dv1Page);
        };
    } else {
        ehPage.takeFlags(cli::storedFieldDefinitions());
        paint = [&](QPainter& painter, int z) {
            EhPaintOptions options = EhPaintOptions::fromSettings(z);
            options.outlineFields = outline;
            FormPainter(options).paintPage(painter, ehPage);
        };
    }
    QString error;
    if (!(png ? writePng(out, zoom, paint, &error) : writePdf(out, paint, &error))) {
        io.err << error << '\n';
        return 1;
    }
    return 0;
}

const cli::Registration registration(QStringLiteral("render"), QString::fromLatin1(Usage), render);

} // namespace
