#pragma once

// Layout of the rules dialog Thelp_box: the short rules in a scrolling text,
// a button that opens the HTML manual and "OK".

#include <QPoint>
#include <QRect>
#include <QSize>

namespace lumbra::help_box_layout {

inline constexpr char caption[] = "How to play Lumbra";
inline constexpr QSize client_size{411, 353};

// The frame around the rules text, which fills it.
inline constexpr QRect scroll_box_rect{0, 8, 409, 281};

inline constexpr QRect manual_button_rect{8, 304, 185, 41};
inline constexpr char manual_button_text[] = "Show me the HTML-manual";
inline constexpr QRect ok_rect{224, 304, 177, 41};
inline constexpr char ok_text[] = "OK";

inline constexpr char manual_file[] = "Manual.htm";

// Where the dialog opens, from the main window's top-left corner.
inline constexpr QPoint offset_from_main_window{-20, 10};

// The rules as laid out; the dialog adds the product, web-site and contact
// lines around them. The blanks at the ends of some lines are the program's.
inline constexpr const char* rules_text[] = {
    "This is just a short manual to get you started. For a more comprehensive",
    "introduction take a look at the Manual.htm in the main Lumbra directory or",
    "simply press the button below.",
    "",
    "RULES:",
    "",
    "Lumbra is a single player, highscore-oriented boardgame for Windows 95,",
    "Windows NT 4.0 or higher. ",
    "",
    "The aim is to align more than four balls of the same color into one",
    "horizontal, vertical or diagonal row making them disappear and scoring",
    "points. You can even post your Highscore to the Lumbra website.",
    "",
    "To move a ball, point to it and click, then point and click on the",
    "destination square.",
    "",
    "Three new balls appear every round that you don't manage to align more",
    "than four balls, so the board fills up quickly. Aligning more than five",
    "balls scores more points, but it is risky. You might not be able to",
    "complete the row if (by bad luck) a new ball appears in an unsuitable",
    "place.",
    "",
    "After some time (depending on your playing skill and luck) the board",
    "fills up so that it is nearly impossible to make any useful moves. The",
    "game is over when the board completely fills.",
    "",
    "In Regular mode, the number of balls added to the board varies. If the",
    "board is almost full, only 2 balls are added, if it's nearly empty, 3",
    "balls are added. The Difficult mode does not have this feature. ",
    "",
    "At 50 points, 1 extra ball is added. At 100 points 2 extra balls appear, at 150",
    "3 extra balls and so on. At 1000 points you would have to survive an extra",
    "drop of 20 balls. However, these balls appear after your next move that does",
    "not complete a row of five or more balls. ",
    "This way the game becomes gradually harder when you get better.",
    "",
    "For further details (including the joker balls and dynamite bars) and some",
    "strategy  hints, please read the HTML-manual that came with the game.",
};

// A line holding one blank, which the dialog puts between its added lines.
inline constexpr char blank_line[] = " ";

}  // namespace lumbra::help_box_layout
