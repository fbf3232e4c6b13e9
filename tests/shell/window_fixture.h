#pragma once

#include <QSettings>
#include <QString>
#include <QTemporaryDir>

#include <functional>
#include <initializer_list>
#include <memory>

#include <gtest/gtest.h>

#include "main_window.h"

namespace lumbra {

class ImageBox;

// Points the user's settings at a fresh folder for the life of the object,
// so a test never sees the player's settings or another test's.
class FreshSettingsFolder {
public:
    FreshSettingsFolder();
    QString path() const { return folder_.path(); }

private:
    QTemporaryDir folder_;
};

// The settings group the window stores its lines in, for reading and for
// damaging them before a start.
std::unique_ptr<QSettings> stored_settings();

// Runs `action` on the next modal dialog once it is open.
void when_modal(std::function<void(QWidget& dialog)> action);

// A main window started on the staged graphics libraries, with its own
// settings folder, a screen depth the test sets and a file dialog that
// answers with `chosen_library`.
class WindowTest : public testing::Test {
protected:
    // Starts the window (a restart after shutdown when one is running).
    TForm1& start();
    void restart() { start(); }
    // Closes the window as the player would, which runs the shutdown.
    void close_window();

    // Lays out the board from rows of letters, one row of nine per string
    // from the top: R G B Y L K P are the seven colours, '.' empty. The
    // rows not given are empty.
    void set_board(std::initializer_list<const char*> rows);

    // Whether `image` shows library picture `name`.
    bool shows(const ImageBox& image, const QString& name) const;

    TForm1& window() const { return *window_; }

    FreshSettingsFolder settings_folder;
    int screen_depth = 24;
    QString chosen_library;

private:
    std::unique_ptr<TForm1> window_;
};

// A graphics library drawn for the tests, every picture in a colour of its
// own; libraries of another `shade` differ in every picture. The first call
// for a name builds it. "lrestd.lgr" and "lreslo.lgr" are what the window
// opens at start-up.
QString test_library(const QString& name, int shade);

}  // namespace lumbra
