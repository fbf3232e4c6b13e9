#pragma once

// Layout of the high-score dialog THighscores: the local hall of fame on the
// left, the internet high scores on the right.

#include <QRect>
#include <QSize>

namespace lumbra::highscores_form {

inline constexpr QSize client_size{631, 345};
inline constexpr char design_caption[] = "Highscores";
inline constexpr char dialog_font[] = "MS Sans Serif";
inline constexpr int dialog_font_pixels = 11;

inline constexpr char regular_caption[] = "Regular Game Mode Highscores";
inline constexpr char difficult_caption[] = "Difficult Game mode highscores";

// Headings over the two lists.
inline constexpr QRect label1_rect{8, 16, 151, 24};
inline constexpr char label1_text[] = "Local Highscores:";
inline constexpr QRect label2_rect{320, 16, 168, 24};
inline constexpr char label2_text[] = "Internet Highscores:";
inline constexpr int heading_font_pixels = 19;

// The two lists, each framed by a panel; list rectangles are inside their panel.
inline constexpr QRect panel1_rect{8, 56, 297, 217};
inline constexpr QRect memo1_rect{8, 8, 281, 201};
inline constexpr QRect panel2_rect{312, 56, 313, 217};
inline constexpr QRect display_rect{8, 8, 297, 201};
inline constexpr char list_font[] = "Times New Roman";
inline constexpr int list_font_pixels = 15;

// What the internet list shows until a page is fetched.
inline constexpr const char* display_intro[] = {
    "You can load the highscores from the official",
    "Lumbra Website into this window simply by",
    "pressing the button below. ",
};

inline constexpr QRect okbtn_rect{88, 288, 137, 33};
inline constexpr char okbtn_caption[] = "OK";
inline constexpr QRect post_button_rect{368, 288, 209, 33};
inline constexpr char post_button_design_caption[] = "Display the Website Highscores";
inline constexpr char post_button_fetch_caption[] = "Display The Website Highscores!";
inline constexpr char post_button_post_caption[] = "Post My Highscores To The Homepage!";

// Where the dialog opens, from the main window's top-left corner.
inline constexpr QPoint offset_from_main_window{-10, 0};

}  // namespace lumbra::highscores_form
