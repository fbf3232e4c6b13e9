#include "internet_settings.h"

#include "lumbra_config.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QScreen>

namespace lumbra {

int primary_screen_depth()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen != nullptr ? screen->depth() : 32;
}

InternetSettings InternetSettings::built_in()
{
    InternetSettings settings;
    settings.regular_page = QUrl(QString::fromUtf8(config::regular_score_page));
    settings.difficult_page = QUrl(QString::fromUtf8(config::difficult_score_page));
    settings.relay = SmtpSettings::built_in();
    settings.addresses = ScoreMailAddresses::built_in();
    settings.version_text = QCoreApplication::applicationVersion();
    return settings;
}

}  // namespace lumbra
