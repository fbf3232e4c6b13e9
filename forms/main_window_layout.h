#pragma once

// Layout of the main window: the header strip with the score digits, the
// "next" label and the preview, and the 9 x 9 board below it. Client
// coordinates in pixels; the menu bar sits above this area.

#include <QColor>
#include <QPoint>
#include <QRect>
#include <QSize>

namespace lumbra::main_window_layout {

inline constexpr char application_title[] = "Lumbra";
// The maker's and the program's names in the per-user settings and data folders.
inline constexpr char organisation[] = "Hollowick";
inline constexpr char program_folder[] = "lumbra";
inline constexpr char caption_prefix[] = "Lumbra ";
inline constexpr double version = 2.51;

inline constexpr QSize client_size{361, 411};
inline constexpr QRgb background = 0xC0C0C0;  // silver

inline constexpr QRect header_bevel{0, 0, 360, 49};
inline constexpr QRect next_image{128, 8, 97, 33};

inline constexpr int cell_size = 40;
inline constexpr int columns = 9;
inline constexpr int rows = 9;
inline constexpr int board_top = 50;
inline constexpr int board_squares = columns * rows;

inline constexpr QPoint preview_origin{237, 3};
inline constexpr int preview_squares = 3;

// Board square n, counted row by row from the top left.
constexpr QRect board_square(int n)
{
    return {(n % columns) * cell_size, (n / columns) * cell_size + board_top, cell_size, cell_size};
}

// Preview square i, left to right.
constexpr QRect preview_square(int i)
{
    return {preview_origin.x() + (i % columns) * cell_size,
            preview_origin.y() + (i / columns) * cell_size, cell_size, cell_size};
}

// The window's menu, as the player reads it.
namespace menu {
inline constexpr char game[] = "&Game";
inline constexpr char new_game[] = "&New Game";
inline constexpr char highscores[] = "See &Highscores";
inline constexpr char quit[] = "&Quit";
inline constexpr char settings[] = "&Settings";
inline constexpr char difficult_mode[] = "&Difficult Game Mode";
inline constexpr char animation_speed[] = "&Animation Speed";
inline constexpr char normal[] = "&Normal";
inline constexpr char fast[] = "&Fast";
inline constexpr char lightning[] = "L&ightning";
inline constexpr char standard_cursor[] = "Use Standard Mouse Cursor";
inline constexpr char autosave[] = "Autosave Game";
inline constexpr char sound_off[] = "Turn &Sound Off";
inline constexpr char load_graphics[] = "&Load Additional Graphics";
inline constexpr char help[] = "&Help";
inline constexpr char rules[] = "How to &play";
inline constexpr char about[] = "&About Lumbra";
}  // namespace menu

inline constexpr char library_file_filter[] = "Lumbra resource file (*.lgr)";

}  // namespace lumbra::main_window_layout
