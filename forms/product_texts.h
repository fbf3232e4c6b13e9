#pragma once

// The product, contact and web-site lines that the About and rules dialogs
// show; the addresses themselves come from the build (lumbra_config.h).

namespace lumbra::product_texts {

inline constexpr char product_prefix[] = "Lumbra ";
inline constexpr char product_name[] = "Lumbra";
inline constexpr char attribution[] = " by Hollowick";
inline constexpr char contact_prefix[] = "e-mail: ";
inline constexpr char web_site_prefix[] = "Lumbra Website: ";

}  // namespace lumbra::product_texts
