// Reading and writing a large Einheitspapier document: 99 pages, every
// field holding 40 characters.
#include <benchmark/benchmark.h>

#include <QBuffer>
#include <QTemporaryDir>

#include <malloc.h>

#include <memory>

#include "form/CEinheitspapierDoc.h"

namespace {

void fill(CEinheitspapierDoc& doc)
{
    doc.setFormSet(0);
    doc.setContinuationPageCount(98);
    FieldStore& s = doc.store();
    const QString text = QStringLiteral("Schrauben aus nichtrostendem Stahl, M8 ");
    for (int page = 1; page <= s.pageCount(); ++page) {
        for (int f = 0; f < s.fieldCount(page); ++f)
            s.setText(f, page, text + QChar(u'0' + f % 10));
    }
}

QByteArray bigFile()
{
    CEinheitspapierDoc doc;
    fill(doc);
    QBuffer buf;
    buf.open(QIODevice::WriteOnly);
    doc.write(buf);
    return buf.data();
}

void BM_AefWrite(benchmark::State& state)
{
    CEinheitspapierDoc doc;
    fill(doc);
    qint64 size = 0;
    for (auto _ : state) {
        QBuffer buf;
        buf.open(QIODevice::WriteOnly);
        doc.write(buf);
        size = buf.size();
        benchmark::DoNotOptimize(size);
    }
    state.counters["file_bytes"] = double(size);
}
BENCHMARK(BM_AefWrite)->Unit(benchmark::kMillisecond);

void BM_AefRead(benchmark::State& state)
{
    QByteArray data = bigFile();
    for (auto _ : state) {
        QBuffer buf(&data);
        buf.open(QIODevice::ReadOnly);
        CEinheitspapierDoc doc;
        if (!doc.read(buf) || doc.store().pageCount() != 99)
            state.SkipWithError("read failed");
    }
    state.counters["file_bytes"] = double(data.size());
}
BENCHMARK(BM_AefRead)->Unit(benchmark::kMillisecond);

// Heap the read document keeps, against the size of its file.
void BM_AefReadMemory(benchmark::State& state)
{
    QByteArray data = bigFile();
    double ratio = 0;
    for (auto _ : state) {
        const size_t before = mallinfo2().uordblks;
        QBuffer buf(&data);
        buf.open(QIODevice::ReadOnly);
        auto doc = std::make_unique<CEinheitspapierDoc>();
        doc->read(buf);
        ratio = double(mallinfo2().uordblks - before) / double(data.size());
        benchmark::DoNotOptimize(doc);
    }
    state.counters["heap_per_file_byte"] = ratio;
}
BENCHMARK(BM_AefReadMemory)->Unit(benchmark::kMillisecond)->Iterations(3);

// The same through the file system: save (through a temporary file and a
// rename) and load.
void BM_AefSaveLoad(benchmark::State& state)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("gross.aef"));
    CEinheitspapierDoc doc;
    fill(doc);
    for (auto _ : state) {
        doc.save(path);
        CEinheitspapierDoc back;
        if (!back.load(path))
            state.SkipWithError("load failed");
    }
}
BENCHMARK(BM_AefSaveLoad)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
