#pragma once

#include <QString>

namespace lumbra {

// "Lumbra 2.51 by Hollowick": the name, the version and the maker.
QString product_line(const QString& version_text);
// "Lumbra by Hollowick", the product line without the version.
QString product_name_line();
// "e-mail: " and the makers' contact address.
QString contact_line();
// "Lumbra Website: " and the game's web site.
QString web_site_line();

}  // namespace lumbra
