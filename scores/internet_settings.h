#pragma once

#include "score_mail.h"
#include "smtp_client.h"

#include <QString>
#include <QUrl>

#include <chrono>
#include <functional>

namespace lumbra {

// Bits per pixel of the primary screen; 32 when there is none.
int primary_screen_depth();

// Everything the high-score dialog needs to reach the score keeper: the two
// pages, the relay and the addresses, and the facts about the program that a
// score mail reports. The built-in values come from the addresses the program
// is built with; a test hands in its own local servers instead.
struct InternetSettings {
    QUrl regular_page;
    QUrl difficult_page;
    std::chrono::milliseconds page_time_limit{std::chrono::seconds(15)};
    // Where fetched pages are kept; the per-user data folder when empty.
    QString page_folder;
    SmtpSettings relay;
    ScoreMailAddresses addresses;
    // The version with two decimals, as the main window's caption shows it.
    QString version_text;
    // Bits per pixel of the main window's screen.
    std::function<int()> color_depth = primary_screen_depth;

    static InternetSettings built_in();
};

}  // namespace lumbra
