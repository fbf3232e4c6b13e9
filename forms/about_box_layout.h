#pragma once

// Layout of the About dialog Tabout_box: the library's title picture in a
// frame on the left, the product, contact and web-site lines on the right.

#include <QPoint>
#include <QRect>
#include <QSize>

namespace lumbra::about_box_layout {

inline constexpr char caption[] = "About Lumbra";
inline constexpr QSize client_size{497, 316};

inline constexpr QRect panel_rect{8, 0, 209, 161};
inline constexpr QRect image_rect{8, 8, 193, 145};  // inside the panel
inline constexpr char title_picture[] = "title";

inline constexpr QPoint product_pos{232, 40};
inline constexpr QPoint contact_pos{232, 88};
inline constexpr QPoint web_site_pos{232, 128};
inline constexpr int label_font_pixels = 13;

inline constexpr QRect ok_rect{360, 272, 129, 33};
inline constexpr char ok_text[] = "OK";
inline constexpr int ok_font_pixels = 16;

// The dialog opens exactly over the main window's top-left corner.
inline constexpr QPoint offset_from_main_window{0, 0};

}  // namespace lumbra::about_box_layout
