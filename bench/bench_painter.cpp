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

struct Scene {
    FieldStore store{154, 214};
    EhFormPage page;
    EhPaintOptions options;
    QImage image;
    double scale = 96.0 / 254.0;   // a 96-dpi screen: 0.1 mm is 96 / 254 pixels

    Scene()
    {
        fill(store);
        page.store = &store;
        page.formSet = 0;
        page.firstFlags = QByteArray(EhFieldFlags::FirstTableSize, '\0');
        page.contFlags = QByteArray(EhFieldFlags::ContinuationTableSize, '\0');
        options.zoom = 25;
        options.showUnusedMarks = true;
        image = QImage(int(2050 * 2.5 * scale) + 1, int(2980 * 2.5 * scale) + 1, QImage::Format_ARGB32_Premultiplied);
    }

    template <typename Draw>
    void run(benchmark::State& state, Draw draw)
    {
        const FormPainter painter(options);
        for (auto _ : state) {
            image.fill(Qt::white);
            QPainter p(&image);
            p.scale(scale, scale);
            draw(painter, p);
            p.end();
            benchmark::DoNotOptimize(image.constBits());
        }
    }
};

// The whole page as the view paints it.
void BM_PaintFirstPageZoom25(benchmark::State& state)
{
    Scene scene;
    scene.run(state, [&](const FormPainter& f, QPainter& p) { f.paintPage(p, scene.page); });
}

// Its parts: the form alone, and the field texts alone.
void BM_FormOnlyZoom25(benchmark::State& state)
{
    Scene scene;
    scene.run(state, [&](const FormPainter& f, QPainter& p) { f.paintForm(p, scene.page); });
}

void BM_FieldTextsOnlyZoom25(benchmark::State& state)
{
    Scene scene;
    scene.run(state, [&](const FormPainter& f, QPainter& p) { f.paintFieldTexts(p, scene.page); });
}

BENCHMARK(BM_PaintFirstPageZoom25)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FormOnlyZoom25)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FieldTextsOnlyZoom25)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
