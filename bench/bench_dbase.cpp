// Goods tables of 100,000 records: loading them into the goods store,
// sorting them by description, appending one record.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QFileInfo>

#include "BenchGoodsTable.h"
#include "masterdata/CKestrovaneStammDaten.h"
#include "masterdata/CdBaseDocument.h"

namespace {

using benchgoods::kRecords;

const QString& goodsTable()
{
    return benchgoods::table();
}

void BM_LoadGoods(benchmark::State& state)
{
    const QString path = goodsTable();
    for (auto _ : state) {
        CKestrovaneStammDaten store;
        store.SetFile(QFileInfo(path).path(), QFileInfo(path).fileName(), CKestrovaneStammDaten::KindCurrent);
        if (store.Load() != 0 || store.GetCount() != kRecords)
            state.SkipWithError("load failed");
        benchmark::DoNotOptimize(store.GetCount());
    }
}
BENCHMARK(BM_LoadGoods)->Unit(benchmark::kMillisecond);

void BM_BuildSortIndexOnDescription(benchmark::State& state)
{
    CdBaseDocument table;
    table.OnOpenDocument(goodsTable());
    for (auto _ : state) {
        if (table.BuildSortIndex(0) != 0)
            state.SkipWithError("sort failed");
        benchmark::DoNotOptimize(table.GetIndexSize());
    }
}
BENCHMARK(BM_BuildSortIndexOnDescription)->Unit(benchmark::kMillisecond);

void BM_AppendOneRecord(benchmark::State& state)
{
    CdBaseDocument table;
    table.OnOpenDocument(goodsTable());
    for (auto _ : state) {
        table.NewRecord();
        table.SetString(0, QStringLiteral("Neuer Artikel\r\nzweite Zeile"));
        table.SetString(1, QStringLiteral("73181595"));
        table.SetString(6, QStringLiteral("DE"));
        if (table.WriteRecord(table.GetCurrentRecord()) < 0)
            state.SkipWithError("append failed");
    }
}
BENCHMARK(BM_AppendOneRecord)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
