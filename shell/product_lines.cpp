#include "product_lines.h"

#include "lumbra_config.h"
#include "product_texts.h"

namespace lumbra {
namespace {

QString latin1(const char* text)
{
    return QString::fromLatin1(text);
}

}  // namespace

QString product_line(const QString& version_text)
{
    return latin1(product_texts::product_prefix) + version_text + latin1(product_texts::attribution);
}

QString product_name_line()
{
    return latin1(product_texts::product_name) + latin1(product_texts::attribution);
}

QString contact_line()
{
    return latin1(product_texts::contact_prefix) + QString::fromUtf8(config::contact_address);
}

QString web_site_line()
{
    return latin1(product_texts::web_site_prefix) + QString::fromUtf8(config::web_site);
}

}  // namespace lumbra
