// Drawing a full first page at the largest zoom, every field filled: the
// view repaints this on every keystroke, so it must stay well below a frame.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include "form/EhFieldFlags.h"
#include "form/FieldStore.h"
#include "view/FormPainter.h"

namespace {

void fill(FieldStore& store)
{
    for (int i = 0; i < store.firstPageFieldCount(); ++i) {
        store.setText(i, 1, QStringLiteral("Feld %1 Muster 123,45").arg(i));
        store.setAttr(i, 1, 3);
    }
    store.setText(10, 1, QStringLiteral("Muster Spedition GmbH\r\nHafenstraße 12\r\n20457 Hamburg"));
    store.setText(52, 1, QStringLiteral("10 Kartons Ersatzteile für Landmaschinen, Zeichen MS 1-10,\r\n"
                                        "Container MSKU 1234567, 1 Palette"));
}

void BM_PaintFirstPageZoom25(benchmark::State& state)
{
    FieldStore store(154, 214);
    fill(store);
    EhFormPage page;
    page.store = &store;
    page.formSet = 0;
    page.firstFlags = QByteArray(EhFieldFlags::FirstTableSize, '\0');
    page.contFlags = QByteArray(EhFieldFlags::ContinuationTableSize, '\0');
    EhPaintOptions options;
    options.zoom = 25;
    options.showUnusedMarks = true;
    const FormPainter painter(options);
    // A 96-dpi screen: 0.1 mm is 96 / 254 pixels.
    const double scale = 96.0 / 254.0;
    QImage image(int(2050 * 2.5 * scale) + 1, int(2980 * 2.5 * scale) + 1, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        image.fill(Qt::white);
        QPainter p(&image);
        p.scale(scale, scale);
        painter.paintPage(p, page);
        p.end();
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(BM_PaintFirstPageZoom25)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
