#include "scripted_player.h"

#include <vector>

namespace lumbra::engine_test {
namespace {

constexpr int line_steps[4][2] = {{1, 0}, {0, 1}, {1, 1}, {1, -1}};

}  // namespace

// The longest run of `colour` a ball from `from` would join on `target`.
int ScriptedPlayer::line_score(int target, int from, int colour) const
{
    int best = 0;
    for (const auto& [dr, dc] : line_steps) {
        int run = 0;
        for (const int sign : {1, -1}) {
            int row = target / 9 + sign * dr;
            int column = target % 9 + sign * dc;
            while (row >= 0 && row < 9 && column >= 0 && column < 9) {
                const int n = row * 9 + column;
                const int code = game.squares[n].color;
                if (n == from || code == empty_code ||
                    (colour_of(code) != colour && !is_special_code(code))) {
                    break;
                }
                ++run;
                row += sign * dr;
                column += sign * dc;
            }
        }
        best = run > best ? run : best;
    }
    return best;
}

std::optional<ScriptedPlayer::Move> ScriptedPlayer::choose_move()
{
    std::vector<Move> best_moves;
    int best = -1;
    for (int from = 0; from < Kaestchen; ++from) {
        const int code = game.squares[from].color;
        if (code == empty_code) {
            continue;
        }
        game.clear_reachable();
        game.mark_reachable(from);
        for (int to = 0; to < Kaestchen; ++to) {
            if (!game.squares[to].reachable) {
                continue;
            }
            const int score = line_score(to, from, colour_of(code));
            if (score > best) {
                best = score;
                best_moves.clear();
            }
            if (score == best) {
                best_moves.push_back({from, to});
            }
        }
    }
    game.clear_reachable();
    if (best_moves.empty()) {
        return std::nullopt;
    }
    return best_moves[random.below(static_cast<int>(best_moves.size()))];
}

void ScriptedPlayer::start(Move move)
{
    game.field_clicked(game.squares[move.from]);
    game.field_clicked(game.squares[move.to]);
}

bool ScriptedPlayer::at_rest() const
{
    if (game.busy || !game.vanish_queue.is_empty()) {
        return false;
    }
    for (int i = 1; i <= 20; ++i) {
        if (game.grow_slots[i] != 0) {
            return false;
        }
    }
    // Square 0 is never recorded in a slot; it grows by its code alone.
    return game.squares[0].color <= last_bounce_code;
}

void ScriptedPlayer::settle()
{
    // The move timer ticks about twice as often as the highlight timer.
    for (int tick = 0; tick < 1000 && !at_rest(); ++tick) {
        game.travel_step();
        if (tick % 2 == 1) {
            game.bounce_selected();
            game.grow_step();
            game.vanish_step();
        }
    }
}

}  // namespace lumbra::engine_test
