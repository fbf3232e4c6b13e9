#pragma once

#include <cstdint>
#include <optional>

#include "random.h"
#include "spiel.h"

namespace lumbra::engine_test {

// A player for headless games: it moves the ball that lines up best with
// stones of its colour, and drives the engine's timers the way the window
// does, until the board is at rest again.
class ScriptedPlayer {
public:
    struct Move {
        int from;
        int to;
    };

    ScriptedPlayer(Spielklasse& game, std::uint64_t seed) : game(game), random(seed) {}

    // The move to make, or none when no ball can move.
    std::optional<Move> choose_move();

    // Clicks the ball and its target; the target must be reachable.
    void start(Move move);

    // Runs move and highlight ticks until no ball travels, grows or vanishes.
    void settle();

    // True when no ball travels, grows or vanishes.
    bool at_rest() const;

private:
    int line_score(int target, int from, int colour) const;

    Spielklasse& game;
    Random random;
};

}  // namespace lumbra::engine_test
