#pragma once

// Layout of the warning shown at start-up on screens of 256 colours or fewer.

#include <QSize>

namespace lumbra::cd_warning_layout {

inline constexpr char caption[] = "Warning! Please read closely!";
inline constexpr QSize client_size{343, 181};

inline constexpr const char* text_lines[] = {
    "You are currently running Windows at 256 Colors or less.",
    "Lumbra will run at this color resolution, but it would look MUCH BETTER",
    "with a higher color depth. It is HIGHLY RECOMMENDED that you",
    "switch to High or True Color and restart Lumbra. If you play in 256-color",
    "mode, the screen will be flashing from time to time.",
};

inline constexpr char never_again_text[] = "Never warn me again";
inline constexpr char ok_text[] = "OK";

}  // namespace lumbra::cd_warning_layout
