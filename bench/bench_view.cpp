// How fast the Einheitspapier view answers: a key press until the field is
// painted again, and a page change with every field filled, both at the
// largest zoom.
#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <memory>

#include "form/FieldDefinitions.h"
#include "form/CEinheitspapierDoc.h"
#include "view/CEinheitspapierView.h"
#include "view/CQznEditWindow_EHP.h"

namespace {

struct OpenView {
    CEinheitspapierDoc doc;
    FieldDefinitions definitions;
    std::unique_ptr<CEinheitspapierView> view;

    explicit OpenView(int pages)
    {
        doc.deleteContents();
        doc.setContinuationPageCount(pages - 1);
        view = std::make_unique<CEinheitspapierView>(&doc, definitions);
        view->resize(1600, 1000);
        view->initialUpdate(0);
        view->setZoom(25);
        view->show();
        QApplication::processEvents();
    }

    void fillEveryField()
    {
        FieldStore& s = doc.store();
        const QString text = QStringLiteral("Mustertext 123\r\nzweite Zeile");
        for (int page = 1; page <= s.pageCount(); ++page) {
            for (int f = 0; f < s.fieldCount(page); ++f)
                s.setText(f, page, text);
        }
        view->editor()->loadField(view->currentField(), view->currentPage());
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
    v.view->goToFormField(10, 1);  // box 2, many lines
    CQznEditWindow_EHP* editor = v.view->editor();
    int typed = 0;
    for (auto _ : state) {
        pressKey(editor, Qt::Key_A, QStringLiteral("a"));
        editor->viewport()->repaint();
        if (++typed == 40) {
            // Keep the field from filling up: start it afresh.
            state.PauseTiming();
            v.doc.store().setText(10, 1, QString());
            editor->loadField(10, 1);
            typed = 0;
            state.ResumeTiming();
        }
    }
}
BENCHMARK(BM_KeyToPaintedField)->Unit(benchmark::kMillisecond);

void BM_PageChangeEveryFieldFilled(benchmark::State& state)
{
    OpenView v(3);
    v.fillEveryField();
    QAction* next = v.view->action(CEinheitspapierView::NextPage);
    QAction* first = v.view->action(CEinheitspapierView::FirstPage);
    bool forward = true;
    for (auto _ : state) {
        (forward ? next : first)->trigger();
        v.view->viewport()->repaint();
        forward = !forward;
    }
}
BENCHMARK(BM_PageChangeEveryFieldFilled)->Unit(benchmark::kMillisecond);

// The whole first page on screen, every field filled, drawn again as after
// a window was uncovered.
void repaintWholePage(benchmark::State& state, int zoom, const QSize& viewport)
{
    OpenView v(2);
    v.view->setZoom(zoom);
    v.view->resize(viewport);
    v.fillEveryField();
    v.view->viewport()->repaint();
    for (auto _ : state)
        v.view->viewport()->repaint();
}

// At the largest zoom.
void BM_FullPageRepaint(benchmark::State& state)
{
    repaintWholePage(state, 25, QSize(2100, 2900));
}
BENCHMARK(BM_FullPageRepaint)->Unit(benchmark::kMillisecond);

// At 100 %, where the whole sheet fits an ordinary screen.
void BM_FullPageRepaintAt100Percent(benchmark::State& state)
{
    repaintWholePage(state, 10, QSize(900, 1250));
}
BENCHMARK(BM_FullPageRepaintAt100Percent)->Unit(benchmark::kMillisecond);

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
