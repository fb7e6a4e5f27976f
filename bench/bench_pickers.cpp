// How fast the box pickers answer: the address picker opening on a table of
// 2000 addresses (read, sorted, painted), and the customs-office list opening
// and re-sorting on a click of a column heading.
#include <QApplication>
#include <QListWidget>
#include <QTemporaryDir>
#include <QTreeWidget>

#include <benchmark/benchmark.h>

#include "duty/CDlgEH_Default29.h"
#include "masterdata/AddressTable.h"
#include "masterdata/CDlgEH_Default08.h"

namespace {

QString addressTable(const QTemporaryDir& dir, int count)
{
    const QString path = dir.filePath(QStringLiteral("Adress1.dbf"));
    AddressTable table;
    table.Create(path);
    for (int i = 0; i < count; ++i) {
        // Names in no order, so the sort has work to do.
        const int n = (i * 7919) % count;
        table.Store(0, QStringLiteral("Firma %1 GmbH\r\nHafenstraße %2\r\n20457 Hamburg").arg(n).arg(i % 200),
                    QStringLiteral("DE%1").arg(n, 7, 10, QLatin1Char('0')));
    }
    return path;
}

void BM_OpenAddressPicker(benchmark::State& state)
{
    QTemporaryDir dir;
    const QString path = addressTable(dir, int(state.range(0)));
    for (auto _ : state) {
        CDlgEH_Default08 dialog(QStringLiteral("Firma 1234 GmbH"));
        dialog.openTable(path);
        dialog.show();
        QApplication::processEvents();
        dialog.list()->viewport()->repaint();
    }
}
BENCHMARK(BM_OpenAddressPicker)->Arg(2000)->Unit(benchmark::kMillisecond);

void BM_OpenCustomsOffices(benchmark::State& state)
{
    for (auto _ : state) {
        CDlgEH_Default29 dialog(QStringLiteral("DE004701"));
        dialog.show();
        QApplication::processEvents();
        dialog.list()->viewport()->repaint();
    }
}
BENCHMARK(BM_OpenCustomsOffices)->Unit(benchmark::kMillisecond);

// One click on the "Ort" heading: sorted the other way and painted again.
void BM_SortCustomsOffices(benchmark::State& state)
{
    CDlgEH_Default29 dialog(QStringLiteral("DE004701"));
    dialog.show();
    QApplication::processEvents();
    for (auto _ : state) {
        dialog.sortBy(0);
        dialog.list()->viewport()->repaint();
    }
}
BENCHMARK(BM_SortCustomsOffices)->Unit(benchmark::kMillisecond);

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
