// Load and save of the data store beside reading and writing the same bytes
// with no parsing, in the same run. Records have the sizes of a real catalogue:
// a title, a category, paths of 40 to 70 characters and a description of a few
// hundred bytes over several lines.
#include "core/project/DataStore.h"

#include <QFile>
#include <QSaveFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <memory>

using scribora::project::DataStore;

namespace {

std::unique_ptr<DataStore> makeStore(int records)
{
    auto store = std::make_unique<DataStore>();
    const QString description = QStringLiteral(
        "A tool that does useful things with the files on this disc, version %1.\r\n"
        "It runs on every supported system without installation and keeps its settings "
        "beside the program.\r\nSee the manual in the Docs folder for the options; the "
        "licence allows copying for private use.\r\nPublisher: Example Software Ltd., "
        "released in the spring.");
    for (int i = 0; i < records; ++i) {
        const QString n = QString::number(i);
        store->AddRecord(QStringLiteral("D:\\Disc Projects\\Collection\\Software\\Tool") + n
                             + QStringLiteral("\\setup.exe"),
                         QStringLiteral("..\\Software\\Tool") + n + QStringLiteral("\\setup.exe"),
                         QStringLiteral("Example Tool ") + n + QStringLiteral(" Deluxe"),
                         description.arg(n), QStringLiteral("Utilities"), i % 7 != 0,
                         QStringLiteral("D:\\Disc Projects\\Collection\\Pictures\\tool") + n
                             + QStringLiteral(".jpg"),
                         i % 5 == 0, i % 5 == 0 ? QStringLiteral("Reader") : QString(),
                         i % 5 == 0 ? QStringLiteral("D:\\Viewers\\reader-setup.exe") : QString());
    }
    return store;
}

void setCounters(benchmark::State &state, qint64 bytes)
{
    state.SetBytesProcessed(state.iterations() * bytes);
    state.counters["records"] = double(state.range(0));
    state.counters["file_MB"] = double(bytes) / 1e6;
}

void BM_Load(benchmark::State &state)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("bench.cdc");
    if (!makeStore(int(state.range(0)))->Save(path))
        state.SkipWithError("save failed");
    for (auto _ : state) {
        auto store = std::make_unique<DataStore>();
        if (!store->Load(path))
            state.SkipWithError("load failed");
        benchmark::DoNotOptimize(store->RecordCount());
        state.PauseTiming();
        store.reset();
        state.ResumeTiming();
    }
    setCounters(state, QFile(path).size());
}

void BM_ReadBaseline(benchmark::State &state)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("bench.cdc");
    if (!makeStore(int(state.range(0)))->Save(path))
        state.SkipWithError("save failed");
    for (auto _ : state) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            state.SkipWithError("open failed");
        const QByteArray bytes = file.readAll();
        benchmark::DoNotOptimize(bytes.constData());
    }
    setCounters(state, QFile(path).size());
}

void BM_Save(benchmark::State &state)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("bench.cdc");
    const auto store = makeStore(int(state.range(0)));
    for (auto _ : state)
        if (!store->Save(path))
            state.SkipWithError("save failed");
    setCounters(state, QFile(path).size());
}

// Writes the same bytes the same way (temporary file renamed over the target).
void BM_WriteBaseline(benchmark::State &state)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("bench.cdc");
    const QByteArray bytes = makeStore(int(state.range(0)))->ToBytes();
    for (auto _ : state) {
        QSaveFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
            state.SkipWithError("write failed");
    }
    setCounters(state, bytes.size());
}

} // namespace

BENCHMARK(BM_Load)->RangeMultiplier(10)->Range(1000, 100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadBaseline)->RangeMultiplier(10)->Range(1000, 100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Save)->RangeMultiplier(10)->Range(1000, 100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WriteBaseline)->RangeMultiplier(10)->Range(1000, 100000)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
