#pragma once

namespace lumbra {

class Spielklasse;

// The state of one board or preview square. The window shows it through a
// widget of its own; the rules only ever read and write these fields.
struct Square {
    int color = 0;         // stone code 0..89, 0 = empty
    int joker_type = 0;    // special kind: 0 none, 1 joker, 2 dynamite, 3 question ball, 4 blast
    bool clickable = false;  // true for board squares, false for preview squares
    bool reachable = false;  // the selected ball can travel here
    int Tag = 0;           // square number 0..80, or preview index 0..2
    Spielklasse* game = nullptr;  // the engine this square belongs to; not owning
    int cursor = 0;        // 0 standard arrow, 1 "pickhand", 2 "pickhand2", 3 "nohand"
};

}  // namespace lumbra
