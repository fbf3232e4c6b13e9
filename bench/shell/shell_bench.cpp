// Start-up to the first painted frame and peak memory of the game against a
// bare Qt window; the time one timer tick takes at Lightning speed while a
// ball travels and a row vanishes; and the load of an idle game.

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <benchmark/benchmark.h>

#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <memory>
#include <string>

#include "animation_timers.h"
#include "board_view.h"
#include "first_frame_signal.h"
#include "main_window.h"
#include "spiel.h"
#include "tmy_image.h"

extern char** environ;

namespace {

struct ChildRun {
    double seconds = 0;
    long peak_rss_kb = 0;
};

// Starts `program`, waits for its first-frame line and its end.
ChildRun run_to_first_frame(const char* program)
{
    int pipe_ends[2];
    if (pipe(pipe_ends) != 0) {
        std::abort();
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipe_ends[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, pipe_ends[0]);

    const auto begin = std::chrono::steady_clock::now();
    pid_t child = 0;
    char* argv[] = {const_cast<char*>(program), nullptr};
    if (posix_spawn(&child, program, &actions, nullptr, argv, environ) != 0) {
        std::abort();
    }
    close(pipe_ends[1]);
    std::string said;
    char buffer[64];
    while (said.find(first_frame_line) == std::string::npos) {
        const ssize_t got = read(pipe_ends[0], buffer, sizeof buffer);
        if (got <= 0) {
            break;
        }
        said.append(buffer, static_cast<std::size_t>(got));
    }
    const auto painted = std::chrono::steady_clock::now();
    close(pipe_ends[0]);
    posix_spawn_file_actions_destroy(&actions);

    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    return {std::chrono::duration<double>(painted - begin).count(), usage.ru_maxrss};
}

void first_frame(benchmark::State& state, const char* program)
{
    long peak = 0;
    for (auto _ : state) {
        const ChildRun run = run_to_first_frame(program);
        state.SetIterationTime(run.seconds);
        peak = std::max(peak, run.peak_rss_kb);
    }
    state.counters["peak_rss_kB"] = static_cast<double>(peak);
}

void BM_FirstFrame_BareQtWindow(benchmark::State& state)
{
    first_frame(state, BARE_QT_WINDOW);
}
BENCHMARK(BM_FirstFrame_BareQtWindow)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(10);

void BM_FirstFrame_BareQtWindowWithGameLibraries(benchmark::State& state)
{
    first_frame(state, BARE_QT_WINDOW_WITH_GAME_LIBRARIES);
}
BENCHMARK(BM_FirstFrame_BareQtWindowWithGameLibraries)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(10);

void BM_FirstFrame_Lumbra(benchmark::State& state)
{
    first_frame(state, LUMBRA_FIRST_FRAME);
}
BENCHMARK(BM_FirstFrame_Lumbra)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(10);

// A started game at Lightning speed, its timers driven by the benchmark.
class Game {
public:
    Game()
    {
        lumbra::StartOptions options;
        options.data_folders = {QStringLiteral(LUMBRA_STAGE_DIR)};
        window_ = std::make_unique<lumbra::TForm1>(options);
        window_->init();
        window_->Lightning1Click();
        window_->timers().set_enabled(false);
    }

    lumbra::TForm1& window() { return *window_; }
    lumbra::Spielklasse& game() { return window_->game(); }

    void clear_board()
    {
        for (int n = 0; n < 81; ++n) {
            game().set_field(n, 0);
        }
        game().stone_count = 0;
        // Let the growth of earlier drops end, so only the measured work is left.
        for (int tick = 0; tick < 6; ++tick) {
            window_->highlight_selected();
        }
    }

    void click(int n) { QTest::mouseClick(window_->board().board_square(n), Qt::LeftButton); }

private:
    std::unique_ptr<lumbra::TForm1> window_;
};

void BM_MoveTick_TravellingBall(benchmark::State& state)
{
    Game game;
    auto send_ball = [&game] {
        game.clear_board();
        game.game().set_field(0, 1);
        game.click(0);
        game.click(80);
    };
    send_ball();
    for (auto _ : state) {
        if (!game.game().busy) {
            state.PauseTiming();
            send_ball();
            state.ResumeTiming();
        }
        game.window().move_travelling_ball();
    }
}
BENCHMARK(BM_MoveTick_TravellingBall)->Unit(benchmark::kMicrosecond);

void BM_HighlightTick_VanishingRow(benchmark::State& state)
{
    Game game;
    auto complete_row = [&game] {
        game.clear_board();
        for (int n = 0; n < 4; ++n) {
            game.game().set_field(n, 2);
        }
        game.game().set_field(13, 2);
        game.click(13);
        game.click(4);
        game.window().move_travelling_ball();
    };
    complete_row();
    for (auto _ : state) {
        if (!game.game().busy) {
            state.PauseTiming();
            complete_row();
            state.ResumeTiming();
        }
        game.window().highlight_selected();
    }
}
BENCHMARK(BM_HighlightTick_VanishingRow)->Unit(benchmark::kMicrosecond);

void BM_HighlightTick_BouncingBall(benchmark::State& state)
{
    Game game;
    game.clear_board();
    game.game().set_field(40, 3);
    game.click(40);
    for (auto _ : state) {
        game.window().highlight_selected();
    }
}
BENCHMARK(BM_HighlightTick_BouncingBall)->Unit(benchmark::kMicrosecond);

void BM_HighlightTick_Idle(benchmark::State& state)
{
    Game game;
    game.clear_board();
    for (auto _ : state) {
        game.window().highlight_selected();
    }
}
BENCHMARK(BM_HighlightTick_Idle)->Unit(benchmark::kMicrosecond);

// The share of one core an idle game uses with its timers running.
void BM_IdleLoad(benchmark::State& state)
{
    Game game;
    game.clear_board();
    game.game().set_field(40, 3);
    game.game().stone_count = 1;
    game.window().timers().set_enabled(true);
    double share = 0;
    for (auto _ : state) {
        rusage before{};
        getrusage(RUSAGE_SELF, &before);
        QElapsedTimer wall;
        wall.start();
        QEventLoop loop;
        QTimer::singleShot(3000, &loop, &QEventLoop::quit);
        loop.exec();
        rusage after{};
        getrusage(RUSAGE_SELF, &after);
        const auto cpu_us = [](const rusage& u) {
            return (u.ru_utime.tv_sec + u.ru_stime.tv_sec) * 1e6 + u.ru_utime.tv_usec + u.ru_stime.tv_usec;
        };
        share = (cpu_us(after) - cpu_us(before)) / (static_cast<double>(wall.nsecsElapsed()) / 1e3);
    }
    state.counters["core_percent"] = share * 100;
}
BENCHMARK(BM_IdleLoad)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    // The benchmark's games, and the timed programs it starts, keep their
    // settings in a folder of their own.
    QTemporaryDir home;
    qputenv("XDG_CONFIG_HOME", home.filePath(QStringLiteral("config")).toLocal8Bit());
    qputenv("XDG_DATA_HOME", home.filePath(QStringLiteral("data")).toLocal8Bit());
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
