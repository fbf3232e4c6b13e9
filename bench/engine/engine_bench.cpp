// How fast the rules run: the row check, the path search and whole games.

#include <benchmark/benchmark.h>

#include "allocation_counter.h"
#include "scripted_player.h"
#include "spiel.h"

namespace lumbra {
namespace {

// A window that shows nothing and records nothing.
class QuietWindow : public GameWindow {
public:
    std::string settings_line(int index) const override { return index == 13 ? "0" : "1"; }
    bool show_picture(const Square&, std::string_view) override { return true; }
    bool show_digit(int, std::string_view) override { return true; }
    void show_cursor(const Square&) override {}
    void play_sound(int) override {}
    void show_message(std::string_view, std::string_view, MessageIcon) override {}
    void show_game_over() override { ++games_over; }
    void enter_hall_of_fame() override {}
    std::int64_t clock_seconds() const override { return clock; }

    std::int64_t clock = 1;
    int games_over = 0;
};

// Fills the board from a picture of 81 letters: '.' empty, 1..7 a colour.
void fill(Spielklasse& game, const char* picture)
{
    for (int n = 0; n < Kaestchen; ++n) {
        const char letter = picture[n];
        game.squares[n].color = letter == '.' ? empty_code : letter - '0';
        game.squares[n].joker_type = no_kind;
    }
    game.stone_count = game.count_stones();
}

// A crowded board without rows: no colour meets itself in any line.
void fill_crowded(Spielklasse& game)
{
    for (int n = 0; n < Kaestchen; ++n) {
        game.squares[n].color = (n / 9 * 3 + n % 9) % 7 + 1;
    }
    game.stone_count = game.count_stones();
}

void report_allocations(benchmark::State& state, long before)
{
    state.counters["allocs_per_check"] = benchmark::Counter(
        static_cast<double>(allocation_count() - before), benchmark::Counter::kAvgIterations);
}

// The check of the centre square of a crowded board without rows: a
// colour stone, or a joker, for which every line holds long runs to tally.
void check_lines_crowded(benchmark::State& state, int code, int kind)
{
    QuietWindow window;
    Spielklasse game(window, 9, 9);
    fill_crowded(game);
    game.squares[40].color = code;
    game.squares[40].joker_type = kind;
    const long before = allocation_count();
    for (auto _ : state) {
        benchmark::DoNotOptimize(game.check_lines(40));
    }
    report_allocations(state, before);
}
BENCHMARK_CAPTURE(check_lines_crowded, no_row, 5, no_kind);
BENCHMARK_CAPTURE(check_lines_crowded, joker_no_row, special_stone, joker);

// Two crossing rows of five removed, and then their vanishing run to the
// end so that the next round finds the board as before.
void check_lines_crossing_rows_and_their_vanishing(benchmark::State& state)
{
    QuietWindow window;
    Spielklasse game(window, 9, 9);
    fill_crowded(game);
    const int rows[] = {38, 39, 40, 41, 42, 22, 31, 49, 58};
    const long before = allocation_count();
    for (auto _ : state) {
        for (const int n : rows) {
            game.squares[n].color = 4;
        }
        benchmark::DoNotOptimize(game.check_lines(40));
        while (!game.vanish_queue.is_empty()) {
            game.vanish_step();
        }
    }
    report_allocations(state, before);
}
BENCHMARK(check_lines_crossing_rows_and_their_vanishing);

void find_path_between(benchmark::State& state, const char* picture, int from, int to)
{
    QuietWindow window;
    Spielklasse game(window, 9, 9);
    fill(game, picture);
    game.selected = &game.squares[from];
    for (auto _ : state) {
        game.find_path(to);
        benchmark::DoNotOptimize(game.path.count());
    }
    state.counters["route_squares"] = game.path.count();
}

// A corridor that winds through the whole board.
void find_path_winding_corridor(benchmark::State& state)
{
    find_path_between(state,
                      "1........"
                      "22222222."
                      "........."
                      ".33333333"
                      "........."
                      "44444444."
                      "........."
                      ".55555555"
                      ".........",
                      0, 80);
}
BENCHMARK(find_path_winding_corridor);

// The empty board, corner to corner: the search tries every detour.
void find_path_open_board(benchmark::State& state)
{
    find_path_between(state,
                      "1........"
                      "........."
                      "........."
                      "........."
                      "........."
                      "........."
                      "........."
                      "........."
                      ".........",
                      0, 80);
}
BENCHMARK(find_path_open_board);

// About forty stones, as in the middle of a game.
void find_path_mid_game(benchmark::State& state)
{
    find_path_between(state,
                      "1..3.5..2"
                      ".42..6.1."
                      "3...7..4."
                      ".6.1..2.5"
                      "..5.3.6.."
                      "7.2..1..3"
                      ".1..4.7.2"
                      "5.6..2.3."
                      "..3.1..6.",
                      30, 75);
}
BENCHMARK(find_path_mid_game);

void whole_games(benchmark::State& state)
{
    QuietWindow window;
    Spielklasse game(window, 9, 9);
    engine_test::ScriptedPlayer player(game, 7);
    long turns = 0;
    for (auto _ : state) {
        const int games_before = window.games_over;
        game.end_game();  // a fresh game
        while (window.games_over == games_before + 1) {
            const auto move = player.choose_move();
            if (!move) {
                break;
            }
            player.start(*move);
            player.settle();
            ++window.clock;
            ++turns;
        }
    }
    state.counters["games_per_second"] =
        benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
    state.counters["turns_per_game"] = benchmark::Counter(static_cast<double>(turns),
                                                          benchmark::Counter::kAvgIterations);
}
BENCHMARK(whole_games)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace lumbra

BENCHMARK_MAIN();
