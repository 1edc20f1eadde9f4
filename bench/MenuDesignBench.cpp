// Reading and writing a large menu design (500 controls, 1 MB of pictures)
// against reading and writing the same bytes as a plain file.
#include "core/menu/MenuDesign.h"
#include "core/menu/MenuPicture.h"

#include <QFile>
#include <QSaveFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

using namespace scribora::menu;

namespace {

struct Fixture
{
    QTemporaryDir dir;
    QString designPath;
    QString copyPath;
    QByteArray bytes;

    Fixture()
    {
        MenuDesign d;
        const QStringList kinds = ClassRegistry::instance().kindWords();
        int made = 0;
        // 45 panels holding 9 controls each, and 50 pictures on the form.
        for (int p = 0; p < 45; ++p) {
            MenuComponent *panel = d.createControl(QStringLiteral("Panel"), &d.root(), p * 10, p * 10);
            ++made;
            for (int i = 0; i < 9; ++i, ++made) {
                const QString k = kinds[(p + i) % kinds.size()];
                MenuComponent *c = d.createControl(k == QLatin1String("Panel") ? QStringLiteral("Label") : k, panel, i, i);
                c->setString(u"Caption", QStringLiteral("Caption of control %1 with some words").arg(made));
            }
        }
        // Ten pictures of about 100 KB make the megabyte.
        QByteArray bmp = "BM" + QByteArray(100 * 1024, '\0');
        for (int i = 0; i < bmp.size(); ++i)
            bmp[i] = char((i * 131) >> 3);
        bmp[0] = 'B';
        bmp[1] = 'M';
        for (; made < 500; ++made) {
            MenuComponent *c = d.createControl(QStringLiteral("Image"), &d.root(), made, made);
            if (made >= 490)
                c->setBinary(u"Picture.Data", MenuPicture::writePicture({QStringLiteral("TBitmap"), bmp}));
        }
        designPath = dir.filePath(QStringLiteral("Menu.cfg"));
        copyPath = dir.filePath(QStringLiteral("Copy.cfg"));
        d.save(designPath);
        QFile f(designPath);
        f.open(QIODevice::ReadOnly);
        bytes = f.readAll();
    }
};

Fixture &fixture()
{
    static Fixture f;
    return f;
}

void BM_ReadBytes(benchmark::State &state)
{
    for (auto _ : state) {
        QFile f(fixture().designPath);
        f.open(QIODevice::ReadOnly);
        benchmark::DoNotOptimize(f.readAll());
    }
    state.SetBytesProcessed(state.iterations() * fixture().bytes.size());
}

void BM_LoadDesign(benchmark::State &state)
{
    for (auto _ : state) {
        MenuDesign d;
        if (!d.load(fixture().designPath))
            state.SkipWithError("load failed");
    }
    state.SetBytesProcessed(state.iterations() * fixture().bytes.size());
}

void BM_WriteBytes(benchmark::State &state)
{
    for (auto _ : state) {
        QSaveFile f(fixture().copyPath);
        f.open(QIODevice::WriteOnly);
        f.write(fixture().bytes);
        f.commit();
    }
    state.SetBytesProcessed(state.iterations() * fixture().bytes.size());
}

void BM_SaveDesign(benchmark::State &state)
{
    MenuDesign d;
    d.load(fixture().designPath);
    for (auto _ : state)
        if (!d.save(fixture().copyPath))
            state.SkipWithError("save failed");
    state.SetBytesProcessed(state.iterations() * fixture().bytes.size());
}

} // namespace

BENCHMARK(BM_ReadBytes)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadDesign)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WriteBytes)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SaveDesign)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
