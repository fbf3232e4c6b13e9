#pragma once

// The program's own pictures, compiled into the executable by the target
// lumbra_program_art: the three mouse cursors with their hot spots, and the
// window icon in several sizes. lumbra-art draws the cursors from this same
// table, so a hot spot always sits on the tip of the drawn finger.

#include <array>
#include <string_view>

namespace lumbra {

struct ProgramCursor {
    int number;                  // the window's cursor number: 1, 2, 3
    std::string_view name;       // "pickhand", "pickhand2", "nohand"
    std::string_view resource;   // 32 x 32 PNG; the same path with "@2x" is 64 x 64
    int hot_x;                   // hot spot in the 32 x 32 picture
    int hot_y;
};

inline constexpr int program_cursor_size = 32;

inline constexpr std::array<ProgramCursor, 3> program_cursors{{
    {1, "pickhand", ":/program/cursors/pickhand.png", 9, 2},
    {2, "pickhand2", ":/program/cursors/pickhand2.png", 9, 2},
    {3, "nohand", ":/program/cursors/nohand.png", 9, 2},
}};

// The window icon, ":/program/icon/lumbra-SIZE.png", drawn at these sizes.
inline constexpr std::array<int, 6> program_icon_sizes{16, 32, 48, 64, 128, 256};
inline constexpr std::string_view program_icon_prefix = ":/program/icon/lumbra-";

}  // namespace lumbra
