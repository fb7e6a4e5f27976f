// How fast the country chooser answers: opening it with both lists of 352
// rows painted, and one keystroke in its filter box until both lists are
// painted again.
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListView>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include "duty/Common_DlgLaenderCode.h"
#include "duty/LinkedListsPanel.h"

namespace {

void paintLists(LinkedListsPanel* panel)
{
    panel->codeView()->viewport()->repaint();
    panel->nameView()->viewport()->repaint();
}

void pressKey(QWidget* w, int key, const QString& text)
{
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(w, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QApplication::sendEvent(w, &release);
}

void BM_OpenCountryChooser(benchmark::State& state)
{
    for (auto _ : state) {
        Common_DlgLaenderCode dialog(1, {}, QStringLiteral("FR"));
        dialog.show();
        QApplication::processEvents();
        paintLists(dialog.panel());
    }
}
BENCHMARK(BM_OpenCountryChooser)->Unit(benchmark::kMillisecond);

// Alternately narrows the lists ("a" after "in") and widens them again
// (Backspace): both are one keystroke.
void BM_CountryFilterKeystroke(benchmark::State& state)
{
    Common_DlgLaenderCode dialog(1, {}, QStringLiteral("FR"));
    dialog.show();
    QApplication::processEvents();
    LinkedListsPanel* panel = dialog.panel();
    panel->filterBox()->setText(QStringLiteral("in"));
    bool narrow = true;
    for (auto _ : state) {
        if (narrow)
            pressKey(panel->filterBox(), Qt::Key_A, QStringLiteral("a"));
        else
            pressKey(panel->filterBox(), Qt::Key_Backspace, QString());
        paintLists(panel);
        narrow = !narrow;
    }
}
BENCHMARK(BM_CountryFilterKeystroke)->Unit(benchmark::kMillisecond);

// The worst keystroke: from one letter back to the whole list.
void BM_CountryFilterClearedToAllRows(benchmark::State& state)
{
    Common_DlgLaenderCode dialog(1, {}, QStringLiteral("FR"));
    dialog.show();
    QApplication::processEvents();
    LinkedListsPanel* panel = dialog.panel();
    for (auto _ : state) {
        state.PauseTiming();
        panel->filterBox()->setText(QStringLiteral("q"));
        state.ResumeTiming();
        pressKey(panel->filterBox(), Qt::Key_Backspace, QString());
        paintLists(panel);
    }
}
BENCHMARK(BM_CountryFilterClearedToAllRows)->Unit(benchmark::kMillisecond);

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
