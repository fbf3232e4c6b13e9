#pragma once

// Layout of the dialog shown when a game ends.

#include <QRect>
#include <QSize>

namespace lumbra::game_over_layout {

inline constexpr char caption[] = " ";
inline constexpr QSize client_size{319, 257};
inline constexpr QRect bevel{24, 24, 281, 121};
inline constexpr QRect logo{32, 32, 265, 103};
inline constexpr QRect ok_button{104, 204, 129, 37};
inline constexpr char ok_text[] = "OK";

}  // namespace lumbra::game_over_layout
