#pragma once

// The font of the small dialogs, as of the main window: asked for by name,
// fontconfig substitutes where it is missing.

namespace lumbra::dialog_font {

inline constexpr char family[] = "MS Sans Serif";
inline constexpr int pixels = 11;

}  // namespace lumbra::dialog_font
