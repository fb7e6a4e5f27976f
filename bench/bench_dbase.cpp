// Goods tables of 100,000 records: loading them into the goods store,
// sorting them by description, appending one record.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include "masterdata/CKestrovaneStammDaten.h"
#include "masterdata/CdBaseDocument.h"

namespace {

constexpr int kRecords = 100000;

// One goods table for all benchmarks, built on first use.
const QString& goodsTable()
{
    static QTemporaryDir dir;
    static const QString path = [] {
        const QString file = dir.filePath(QStringLiteral("Artikel1.dbf"));
        CKestrovaneStammDaten store(dir.path());
        store.SetFile(QString(), QStringLiteral("Artikel1.dbf"), CKestrovaneStammDaten::KindCurrent);
        store.Load();
        QRandomGenerator rng(20240307);
        const QStringList words = {QStringLiteral("Schrauben"), QStringLiteral("Muttern"), QStringLiteral("aus"),
                                   QStringLiteral("Stahl"),     QStringLiteral("verzinkt"), QStringLiteral("Kartons"),
                                   QStringLiteral("Paletten"),  QStringLiteral("Stück"), QStringLiteral("Ersatzteile"),
                                   QStringLiteral("für"),       QStringLiteral("Maschinen"), QStringLiteral("Größe")};
        for (int i = 0; i < kRecords; ++i) {
            QString description;
            const int count = 3 + int(rng.bounded(15));
            for (int w = 0; w < count; ++w)
                description += words.at(rng.bounded(words.size())) + (w % 5 == 4 ? QStringLiteral("\r\n") : QStringLiteral(" "));
            CKestrovaneStammDaten::Values v = {description.trimmed(), QString::number(10000000 + rng.bounded(89999999)),
                                               QStringLiteral("00"), QStringLiteral("0000"), QString(),
                                               QStringLiteral("0"), QStringLiteral("CN"), QString()};
            store.append(v);
        }
        store.Save();
        return file;
    }();
    return path;
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
