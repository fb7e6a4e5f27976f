// The goods dialog on a table of 100,000 records: opening it, one keystroke
// in its search box, and picking a record into box 31 of the form.
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <memory>

#include "BenchGoodsTable.h"
#include "form/CEinheitspapierDoc.h"
#include "form/EhField.h"
#include "form/FieldDefinitions.h"
#include "masterdata/CDlgStammDatenEingabe.h"
#include "masterdata/GoodsFormTransfer.h"
#include "settings/Profile.h"
#include "view/CEinheitspapierView.h"
#include "view/CQznEditWindow_EHP.h"

namespace {

using Use = CDlgStammDatenEingabe::Use;

std::unique_ptr<CDlgStammDatenEingabe> openDialog(Use use)
{
    Profile::set(Settings::StammdatenDatei, benchgoods::table());
    auto dialog = std::make_unique<CDlgStammDatenEingabe>(use, QString());
    if (!dialog->load())
        return nullptr;
    dialog->show();
    QApplication::processEvents();
    return dialog;
}

void typeKey(QWidget* w, int key, const QString& text)
{
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(w, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QApplication::sendEvent(w, &release);
    // Until the lists are drawn again.
    QApplication::processEvents();
}

// From the command until the dialog stands with both lists drawn.
void BM_OpenGoodsDialog(benchmark::State& state)
{
    benchgoods::table();
    for (auto _ : state) {
        auto dialog = openDialog(Use::Selection);
        if (!dialog)
            state.SkipWithError("table not read");
        state.PauseTiming();
        dialog.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_OpenGoodsDialog)->Unit(benchmark::kMillisecond);

// One key in the search box: state.range(0) = 1 narrows from all records to
// those holding the letter, 0 widens back to all (Backspace).
void BM_SearchKeystroke(benchmark::State& state)
{
    auto dialog = openDialog(Use::Selection);
    auto* search = dialog->findChild<QLineEdit*>(QStringLiteral("search"));
    const bool narrow = state.range(0) == 1;
    for (auto _ : state) {
        state.PauseTiming();
        search->setText(narrow ? QString() : QStringLiteral("k"));
        QApplication::processEvents();
        state.ResumeTiming();
        if (narrow)
            typeKey(search, Qt::Key_K, QStringLiteral("k"));
        else
            typeKey(search, Qt::Key_Backspace, QString());
    }
}
BENCHMARK(BM_SearchKeystroke)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond);

// From "Übernehmen" until box 31 of the form shows the record: the dialog
// ends, the record goes into boxes 31, 33 and 34, the view draws it (as the
// view does it, before the dialog's memory is given back).
void BM_PickIntoForm(benchmark::State& state)
{
    CEinheitspapierDoc doc;
    doc.deleteContents();
    FieldDefinitions definitions;
    CEinheitspapierView view(&doc, definitions);
    view.resize(1400, 1000);
    view.initialUpdate(0);
    view.show();
    view.goToFormField(EhField::Box31, 1);
    QApplication::processEvents();
    const EhGoodsPosition position{1, 1};
    for (auto _ : state) {
        state.PauseTiming();
        auto dialog = openDialog(Use::Selection);
        dialog->model().select(4711);
        state.ResumeTiming();
        dialog->accept();
        dialog->hide();
        GoodsFormTransfer::write(doc, position, dialog->chosenValues());
        view.editor()->loadField(EhField::Box31, 1);
        view.viewport()->repaint();
        state.PauseTiming();
        dialog.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_PickIntoForm)->Unit(benchmark::kMillisecond);

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
