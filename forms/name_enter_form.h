#pragma once

// Layout of the name-entry dialog Tname_enter, which asks for a name for the
// hall of fame and, when scores are posted, for an e-mail address and country.

#include <QRect>
#include <QSize>

namespace lumbra::name_enter_form {

// Client area with all three edits showing.
inline constexpr QSize client_size{369, 241};

// Window heights are given for the whole window, title bar and frame
// included: the full form is 270 high for its 241-pixel client area. Qt sizes
// client areas, so callers' heights are turned into client heights with this.
inline constexpr int full_window_height = 270;
inline constexpr int frame_height = full_window_height - client_size.height();

inline constexpr QPoint label1_pos{8, 8};
inline constexpr QPoint label2_pos{8, 32};
inline constexpr QRect edit1_rect{8, 48, 249, 21};
inline constexpr QRect okbtn_rect{272, 48, 89, 33};
inline constexpr QPoint label3_pos{8, 72};
inline constexpr QRect edit2_rect{8, 88, 249, 21};
inline constexpr QPoint label4_pos{8, 112};
inline constexpr QRect edit3_rect{8, 128, 249, 21};

inline constexpr char label_font[] = "MS Sans Serif";
inline constexpr int label_font_pixels = 13;
inline constexpr char okbtn_caption[] = "OK";

// Where the dialog opens, from the main window's top-left corner.
inline constexpr QPoint offset_from_main_window{-20, 40};

// Asking for a name for the hall of fame: only the two labels, Edit1 and the
// "OK" button show.
inline constexpr char hall_of_fame_caption[] = "Please enter your full name or a nickname";
inline constexpr char hall_of_fame_label1[] = "Congratulations! You made it into the hall of Fame!";
inline constexpr char hall_of_fame_label2[] = "Please enter Your full name...";
inline constexpr int hall_of_fame_window_height = 134;

}  // namespace lumbra::name_enter_form
