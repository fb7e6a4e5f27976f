// The plausibility check, which the dock runs again whenever the user pauses
// while typing: a form of one sheet and a long one, every box filled.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QTemporaryDir>

#include "check/EhCheck.h"
#include "form/CEinheitspapierDoc.h"
#include "form/EhFieldFlags.h"

namespace {

void fill(CEinheitspapierDoc& doc, int continuationPages)
{
    doc.setFormSet(0);
    doc.setContinuationPageCount(continuationPages);
    FieldStore& s = doc.store();
    const QString text = QStringLiteral("Schrauben aus Stahl M8 ");
    for (int page = 1; page <= s.pageCount(); ++page) {
        for (int f = 0; f < s.fieldCount(page); ++f)
            s.setText(f, page, text + QChar(u'0' + f % 10));
    }
}

void BM_CheckEinheitspapier(benchmark::State& state)
{
    CEinheitspapierDoc doc;
    fill(doc, int(state.range(0)));
    using EhFieldFlags::PageKind;
    const QByteArray first = EhFieldFlags::defaultTable(PageKind::First);
    const QByteArray cont = EhFieldFlags::defaultTable(PageKind::Continuation);
    for (auto _ : state)
        benchmark::DoNotOptimize(EhCheck::run(doc, first, cont));
    state.counters["pages"] = double(doc.store().pageCount());
}

BENCHMARK(BM_CheckEinheitspapier)->Arg(1)->Arg(10)->Arg(98)->Unit(benchmark::kMillisecond);

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
