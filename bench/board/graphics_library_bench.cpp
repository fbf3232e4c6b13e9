// How long a graphics library takes to open and to give its pictures: once
// decoded, and again from its cache, as every animation frame asks.

#include "graphics_library.h"
#include "library_builder.h"
#include "library_names.h"

#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QTemporaryDir>

#include <string>

namespace lumbra {
namespace {

// The library named by LUMBRA_BENCH_LIBRARY (such as the shipped lrestd.lgr,
// whose drawings decode slower than flat colours), or else a library of every
// name at its size, made once per run.
const QString& library_path() {
    static QTemporaryDir folder;
    static const QString path = qEnvironmentVariableIsSet("LUMBRA_BENCH_LIBRARY")
        ? qEnvironmentVariable("LUMBRA_BENCH_LIBRARY")
        : fixture::build_library(folder.path(), "bench.lgr", fixture::complete_library_files(Qt::red));
    return path;
}

std::unique_ptr<GraphicsLibrary> open_library(benchmark::State& state) {
    QString error;
    auto library = GraphicsLibrary::open(library_path(), &error);
    if (!library) {
        // Kept alive: older Google Benchmarks keep the pointer, not a copy.
        static std::string message;
        message = error.isEmpty() ? "rcc could not build the library" : error.toStdString();
        state.SkipWithError(message.c_str());
    }
    return library;
}

// Opening, then decoding all 128 pictures once; the argument is the ratio.
void BM_OpenAndLoadAllPictures(benchmark::State& state) {
    const auto ratio = static_cast<qreal>(state.range(0));
    for (auto _ : state) {
        const auto library = open_library(state);
        if (!library)
            return;
        for (const LibraryPicture& picture : library_pictures())
            benchmark::DoNotOptimize(library->picture(picture.name, ratio));
    }
}
BENCHMARK(BM_OpenAndLoadAllPictures)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

void BM_OpenOnly(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(open_library(state));
}
BENCHMARK(BM_OpenOnly)->Unit(benchmark::kMillisecond);

// One picture again, once it has been decoded.
void BM_PictureFromCache(benchmark::State& state) {
    const auto library = open_library(state);
    if (!library)
        return;
    const auto ratio = static_cast<qreal>(state.range(0));
    benchmark::DoNotOptimize(library->picture("red0007", ratio));
    for (auto _ : state)
        benchmark::DoNotOptimize(library->picture("Red0007", ratio));
}
BENCHMARK(BM_PictureFromCache)->Arg(1)->Arg(2);

}  // namespace
}  // namespace lumbra

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
