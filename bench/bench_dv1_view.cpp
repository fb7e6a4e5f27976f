// How fast the D.V.1 answers: a key press until the field is painted again,
// a page change with every field filled, a whole page drawn (both at the
// largest zoom), and printing one sheet.
#include <QAction>
#include <QApplication>
#include <QBuffer>
#include <QImage>
#include <QKeyEvent>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <memory>

#include "dv1/CDV1_Doc.h"
#include "dv1/CDV1_View.h"
#include "dv1/CQznEditWindow_DV1.h"
#include "dv1/DV1Field.h"
#include "dv1/DV1FormPainter.h"
#include "print/DV1PrintJob.h"

namespace {

namespace F = Dv1Field;

// Every field of every page holds a typical text: names and addresses on
// the front, amounts on the continuation pages.
void fill(CDV1_Doc& doc, int pages)
{
    while (doc.pageCount() < pages)
        doc.AddContinuationPage();
    FieldStore& s = doc.fieldStore();
    for (int f = 0; f <= F::FirstPageLast; ++f)
        s.setText(f, 1, QStringLiteral("Muster Handelsgesellschaft mbH\r\nHafenstraße 12\r\n20457 Hamburg"));
    for (int page = 2; page <= s.pageCount(); ++page) {
        for (int f = 0; f <= F::ContinuationLast; ++f)
            s.setText(f, page, QStringLiteral("1.234.567,89"));
    }
    for (int box : {1, 6, 9, 11, 13})
        doc.ClickAnswerBox(box);
}

struct OpenView {
    CDV1_Doc doc;
    std::unique_ptr<CDV1_View> view;

    explicit OpenView(int pages)
    {
        fill(doc, pages);
        view = std::make_unique<CDV1_View>(&doc);
        view->resize(1600, 1000);
        view->setZoom(25);
        view->initialUpdate();
        view->show();
        QApplication::processEvents();
    }
};

void pressKey(QWidget* w, int key, const QString& text)
{
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(w, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QApplication::sendEvent(w, &release);
}

void BM_KeyToPaintedField(benchmark::State& state)
{
    OpenView v(2);
    v.view->goToFormField(F::Seller, 1);
    CQznEditWindow_DV1* editor = v.view->editor();
    int typed = 0;
    for (auto _ : state) {
        pressKey(editor, Qt::Key_A, QStringLiteral("a"));
        editor->viewport()->repaint();
        if (++typed == 40) {
            // Keep the field from filling up: start it afresh.
            state.PauseTiming();
            v.doc.fieldStore().setText(F::Seller, 1, QString());
            editor->loadField(F::Seller, 1);
            typed = 0;
            state.ResumeTiming();
        }
    }
}
BENCHMARK(BM_KeyToPaintedField)->Unit(benchmark::kMillisecond);

// Back and forth between a back and the front of a D.V.1 BIS: the editor
// takes the other parity's rectangles each time.
void BM_PageChange(benchmark::State& state)
{
    OpenView v(3);
    v.view->goToFormField(0, 2);
    QAction* next = v.view->action(CDV1_View::NextPage);
    QAction* previous = v.view->action(CDV1_View::PreviousPage);
    bool forward = true;
    for (auto _ : state) {
        (forward ? next : previous)->trigger();
        v.view->viewport()->repaint();
        forward = !forward;
    }
}
BENCHMARK(BM_PageChange)->Unit(benchmark::kMillisecond);

// The whole page on screen at the largest zoom, every field filled, drawn
// again as after a window was uncovered: page 1, a back and a front.
void BM_FullPageRepaint(benchmark::State& state)
{
    OpenView v(3);
    v.view->resize(2100, 2900);
    v.view->goToFormField(0, int(state.range(0)));
    v.view->viewport()->repaint();
    for (auto _ : state)
        v.view->viewport()->repaint();
}
BENCHMARK(BM_FullPageRepaint)->Arg(1)->Arg(2)->Arg(3)->Unit(benchmark::kMillisecond);

// One whole page drawn at the largest zoom, as a full repaint draws it.
void BM_FullPageDrawn(benchmark::State& state)
{
    CDV1_Doc doc;
    fill(doc, 3);
    const int page = int(state.range(0));
    Dv1PaintOptions options = Dv1PaintOptions::fromSettings(25);
    const double pixelsPerUnit = 96.0 / 254.0;
    QImage image(int(2050 * 2.5 * pixelsPerUnit), int(2980 * 2.5 * pixelsPerUnit), QImage::Format_RGB32);
    for (auto _ : state) {
        image.fill(Qt::white);
        QPainter painter(&image);
        painter.scale(pixelsPerUnit, pixelsPerUnit);
        DV1FormPainter(options).paintPage(painter, &doc, page);
    }
}
BENCHMARK(BM_FullPageDrawn)->Arg(1)->Arg(2)->Arg(3)->Unit(benchmark::kMillisecond);

// One sheet, as the printer gets it, into a PDF in memory.
void BM_PrintSheet(benchmark::State& state)
{
    CDV1_Doc doc;
    fill(doc, 3);
    const int page = int(state.range(0));
    for (auto _ : state) {
        QBuffer out;
        out.open(QIODevice::WriteOnly);
        QPdfWriter writer(&out);
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setPageMargins(QMarginsF(0, 0, 0, 0));
        writer.setResolution(1200);
        DV1PrintJob::printCopies(writer, doc, page, 1);
        benchmark::DoNotOptimize(out.data().size());
    }
}
BENCHMARK(BM_PrintSheet)->Arg(1)->Arg(2)->Arg(3)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    // A settings store of its own, never the user's.
    QTemporaryDir configHome;
    qputenv("XDG_CONFIG_HOME", configHome.path().toLocal8Bit());
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Pavo"));
    QApplication::setApplicationName(QStringLiteral("Kestrovane-Import"));
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
