#pragma once

// Layout of the confirmation dialog TConfirm1, asked before the game mode
// changes, since the change ends the running game.

#include <QPoint>
#include <QRect>
#include <QSize>

namespace lumbra::confirm_layout {

inline constexpr char caption[] = "Are you sure?";
inline constexpr QSize client_size{329, 111};

inline constexpr QPoint label1_pos{8, 8};
inline constexpr char label1_text[] =
    "In order to change the game mode, you have to restart the game.";
inline constexpr QPoint label2_pos{80, 32};
inline constexpr char label2_text[] = "Do you really want to do this?";

inline constexpr QRect yes_rect{24, 64, 89, 33};
inline constexpr char yes_text[] = "Yes";
inline constexpr QRect no_rect{216, 64, 97, 33};
inline constexpr char no_text[] = "No";
inline constexpr int button_font_pixels = 16;

// Modal results: the caller goes on with any result but "No".
inline constexpr int yes_result = 2;
inline constexpr int no_result = 1;

// Where the dialog opens, from the main window's top-left corner.
inline constexpr QPoint offset_from_main_window{10, 75};

}  // namespace lumbra::confirm_layout
