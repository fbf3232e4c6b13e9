#pragma once

// Layout of the notice Tautosave_notify1, shown at start-up after the last
// game has been taken over.

#include <QPoint>
#include <QRect>
#include <QSize>

namespace lumbra::autosave_notify_layout {

inline constexpr char caption[] = "The game goes on...";
inline constexpr QSize client_size{332, 114};
// A screen position, not one relative to the main window: the notice opens
// before the main window is shown.
inline constexpr QPoint screen_pos{265, 160};

inline constexpr QPoint label1_pos{8, 16};
inline constexpr char label1_text[] =
    "Your last game has automatically been loaded. You can turn off this";
inline constexpr QPoint label2_pos{8, 40};
inline constexpr char label2_text[] = "feature by clicking on \"Settings\" and \"Autosave Game\"";

inline constexpr QRect check_box_rect{8, 80, 201, 17};
inline constexpr char check_box_text[] = "don't tell me again";
inline constexpr QRect ok_rect{232, 80, 89, 25};
inline constexpr char ok_text[] = "OK";

}  // namespace lumbra::autosave_notify_layout
