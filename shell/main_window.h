#pragma once

#include <QMainWindow>

#include <memory>

#include "game_window.h"
#include "settings_store.h"
#include "start_options.h"

class QAction;

namespace lumbra {

class AnimationTimers;
class BoardView;
class GraphicsLibrary;
class SoundPlayer;
class Spielklasse;
class Tabout_box;
class TConfirm1;
class Tgame_over;
class Thelp_box;
class THighscores;
class Tload_libraries;
class Tname_enter;

// The main window: the menu, the header strip and the board, the two
// animation timers, the settings and the graphics library in use. It builds
// a playable game in init() and saves what must survive in shutdown().
class TForm1 : public QMainWindow, public GameWindow {
    Q_OBJECT

public:
    // The menu's items, named as the menu handlers know them.
    struct Menu {
        QAction* New = nullptr;
        QAction* Highs = nullptr;
        QAction* Quit = nullptr;
        QAction* beginner_mode1 = nullptr;
        QAction* Normal1 = nullptr;
        QAction* Fast1 = nullptr;
        QAction* Lightning1 = nullptr;
        QAction* CursorSetting = nullptr;
        QAction* AutosaveGame = nullptr;
        QAction* Turn_Off_Sound1 = nullptr;
        QAction* LoadAdditionalGraphics1 = nullptr;
        QAction* Rules = nullptr;
        QAction* About = nullptr;
    };

    explicit TForm1(StartOptions options = {});
    ~TForm1() override;

    // Builds the game: settings, speed, graphics library, engine, board,
    // first balls, and the timers last. Returns false when no default
    // graphics library can be opened (the player has been told); the program
    // then ends without shutdown().
    bool init();

    // The dialogs the program entry creates once for the whole run, after
    // init(). The window owns them from then on.
    struct ProgramDialogs {
        THighscores* highscores = nullptr;
        Tname_enter* name_enter = nullptr;
        TConfirm1* confirm = nullptr;
        Thelp_box* help_box = nullptr;
        Tload_libraries* load_libraries = nullptr;
    };
    void use_program_dialogs(const ProgramDialogs& dialogs) { dialogs_ = dialogs; }

    // --- the engine's window --------------------------------------------
    std::string settings_line(int index) const override;
    bool show_picture(const Square& square, std::string_view name) override;
    bool show_digit(int position, std::string_view name) override;
    void show_cursor(const Square& square) override;
    void play_sound(int sound_nr) override;
    void show_message(std::string_view caption, std::string_view text, MessageIcon icon) override;
    void show_game_over() override;
    void enter_hall_of_fame() override;
    std::int64_t clock_seconds() const override;

    // --- window operations -------------------------------------------------
    int color_depth() const;
    QString version_text() const;
    void update_caption();
    // Where a file that comes with the program lies (the manual, a library).
    QString shipped_file(const QString& name) const;
    void set_speed(int speed);
    void toggle_sound();
    void apply_sound_setting();

    // --- menu handlers -------------------------------------------------------
    void reset();
    void exit();
    void HighsClick();
    void toggle_beginner_mode();
    void AutosaveGameClick();
    void RulesClick();
    void AboutClick();
    void Normal1Click();
    void Fast1Click();
    void Lightning1Click();
    void CursorSettingClick();
    void Turn_Off_Sound1Click();
    void LoadAdditionalGraphics1Click();

    // --- timer handlers --------------------------------------------------------
    void move_travelling_ball();
    void highlight_selected();

    // --- parts, for the commands and for tests -----------------------------------
    const Menu& menu() const { return menu_; }
    Spielklasse& game() const { return *engine_; }
    BoardView& board() const { return *board_; }
    AnimationTimers& timers() const { return *timers_; }
    SettingsStore& settings() { return settings_; }
    Tgame_over& game_over_dialog() const { return *game_over_; }
    Tabout_box& about_dialog() const { return *about_box_; }
    const ProgramDialogs& program_dialogs() const { return dialogs_; }
    const GraphicsLibrary& library() const { return *library_module_; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void build_menu();
    void load_settings();
    void save_settings();
    bool load_graphics();
    void use_library(std::unique_ptr<GraphicsLibrary> library);
    void reload_pictures();
    void reload_dialog_pictures();
    bool restore_game();
    void autosave_game();
    void save_hall_of_fame();
    void shutdown();

    StartOptions options_;
    float version_ = 0.0F;
    SettingsStore settings_;
    Menu menu_;
    BoardView* board_;
    AnimationTimers* timers_;
    SoundPlayer* sounds_;
    Tgame_over* game_over_ = nullptr;
    Tabout_box* about_box_ = nullptr;
    ProgramDialogs dialogs_;
    std::unique_ptr<GraphicsLibrary> library_module_;
    std::unique_ptr<Spielklasse> engine_;
    QString last_library_choice_;
    bool running_ = false;
};

}  // namespace lumbra
