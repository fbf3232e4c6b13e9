#pragma once

// Layout of the dialog that comes before choosing an additional graphics
// library.

#include <QSize>

namespace lumbra::load_libraries_layout {

inline constexpr char caption[] = "Loading additional graphic libraries";
inline constexpr QSize client_size{423, 158};

inline constexpr const char* text_lines[] = {
    "Lumbra comes with two graphic libraries by default: Colored balls for true color ",
    "and 256-color modes. If you are running Windows with more than 256 colors,",
    "you can also download some additional Graphic and sound libraries from",
    "the game's website. If you have already downloaded a library, simply proceed.",
};

// The buttons, from the right.
inline constexpr char go_on_text[] = "I have my graphic library- go on";
inline constexpr char website_text[] = "go to the game's website";
inline constexpr char cancel_text[] = "Cancel";

inline constexpr char depth_too_low_caption[] = "Color Depth is too low!";
inline constexpr char depth_too_low_text[] =
    "You are currently running windows with only 256 colors or less. Please switch to a "
    "higher color depth before loading an graphic addon.";

}  // namespace lumbra::load_libraries_layout
