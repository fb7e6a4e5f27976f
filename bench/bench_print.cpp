// Printing one full sheet: the print command does this once per copy while
// the user waits, with the margins and the print area correction read from
// the store for every field.
#include <benchmark/benchmark.h>

#include <QBuffer>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QPageSize>
#include <QPdfWriter>
#include <QTemporaryDir>

#include "form/FieldDefinitions.h"
#include "form/CEinheitspapierDoc.h"
#include "form/FieldStore.h"
#include "print/EhPrintJob.h"
#include "view/FormPainter.h"

namespace {

void fill(CEinheitspapierDoc& doc)
{
    doc.deleteContents();
    doc.setFormSet(0);
    FieldStore& store = doc.store();
    for (int i = 0; i < store.firstPageFieldCount(); ++i)
        store.setText(i, 1, QStringLiteral("Feld %1 Muster 123,45").arg(i));
    for (int i = 0; i < store.continuationFieldCount(); ++i)
        store.setText(i, 2, QStringLiteral("Feld %1 Muster 123,45").arg(i));
    store.setText(10, 1, QStringLiteral("Muster Spedition GmbH\r\nHafenstraße 12\r\n20457 Hamburg"));
}

// One sheet, as often as asked, into a PDF in memory.
void BM_PrintFirstSheet(benchmark::State& state)
{
    CEinheitspapierDoc doc;
    fill(doc);
    const EhFormPage page = EhPrintJob::pageOf(doc, 1, FieldDefinitions());
    for (auto _ : state) {
        QBuffer out;
        out.open(QIODevice::WriteOnly);
        QPdfWriter writer(&out);
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setPageMargins(QMarginsF(0, 0, 0, 0));
        writer.setResolution(1200);
        EhPrintJob::printCopies(writer, page, int(state.range(0)));
        benchmark::DoNotOptimize(out.data().size());
    }
}

// The PDF export of both pages with the form under the texts.
void BM_ExportTwoPages(benchmark::State& state)
{
    CEinheitspapierDoc doc;
    fill(doc);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("export.pdf"));
    for (auto _ : state)
        benchmark::DoNotOptimize(EhPrintJob::exportPdf(doc, FieldDefinitions(), path));
}

BENCHMARK(BM_PrintFirstSheet)->Arg(1)->Arg(9)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ExportTwoPages)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    // A settings store of its own, so the run sees the defaults and leaves
    // the user's settings alone.
    QTemporaryDir settings;
    qputenv("XDG_CONFIG_HOME", settings.path().toLocal8Bit());
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Pavo"));
    QCoreApplication::setApplicationName(QStringLiteral("Kestrovane-Import"));
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
