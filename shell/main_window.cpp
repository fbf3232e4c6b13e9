#include "main_window.h"

#include <QActionGroup>
#include <QCloseEvent>
#include <QDateTime>
#include <QFileDialog>
#include <QGuiApplication>
#include <QIcon>
#include <QImageReader>
#include <QLayout>
#include <QMenuBar>
#include <QMessageBox>
#include <QScreen>

#include <cassert>

#include "animation_timers.h"
#include "confirm_layout.h"
#include "enter_hall_of_fame.h"
#include "board_view.h"
#include "game_over.h"
#include "graphics_library.h"
#include "highscores.h"
#include "library_acceptance.h"
#include "main_window_layout.h"
#include "program_art.h"
#include "saved_game.h"
#include "shipped_files.h"
#include "sound_player.h"
#include "spiel.h"
#include "tabout_box.h"
#include "tautosave_notify1.h"
#include "tconfirm1.h"
#include "thelp_box.h"
#include "tcd_warning1.h"
#include "tload_libraries.h"
#include "window_placement.h"

namespace lumbra {
namespace layout = main_window_layout;

namespace {

QString to_qstring(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString text(const char* program_text)
{
    return QString::fromLatin1(program_text);
}

// The icon compiled into the program, in every size it was drawn in.
QIcon built_in_icon()
{
    QIcon icon;
    const QString prefix = QString::fromLatin1(program_icon_prefix.data(),
                                               static_cast<qsizetype>(program_icon_prefix.size()));
    for (const int size : program_icon_sizes) {
        icon.addFile(prefix + QString::number(size) + QStringLiteral(".png"), QSize(size, size));
    }
    return icon;
}

QString standard_library_dialog(QWidget* parent, const QString& last_choice)
{
    const QString chosen = QFileDialog::getOpenFileName(
        parent, QString(), last_choice, text(layout::library_file_filter));
    return chosen.isEmpty() ? last_choice : chosen;
}

// Restarts the animation timers when the library command ends, however it
// ends, so the game never stays frozen.
class TimersStopped {
public:
    explicit TimersStopped(AnimationTimers& timers) : timers_(timers) { timers_.set_enabled(false); }
    ~TimersStopped() { timers_.set_enabled(true); }
    TimersStopped(const TimersStopped&) = delete;
    TimersStopped& operator=(const TimersStopped&) = delete;

private:
    AnimationTimers& timers_;
};

}  // namespace

TForm1::TForm1(StartOptions options)
    : options_(std::move(options)),
      board_(new BoardView(this)),
      timers_(new AnimationTimers(this)),
      sounds_(new SoundPlayer(this))
{
    if (options_.data_folders.isEmpty()) {
        options_.data_folders = default_data_folders();
    }
    if (!options_.choose_library_file) {
        options_.choose_library_file = standard_library_dialog;
    }
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPixelSize(11);
    setFont(font);
    setCentralWidget(board_);
    build_menu();
    // The window takes exactly the size of the board and the menu bar.
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    connect(&timers_->move_timer(), &QTimer::timeout, this, &TForm1::move_travelling_ball);
    connect(&timers_->highlight_timer(), &QTimer::timeout, this, &TForm1::highlight_selected);
}

TForm1::~TForm1() = default;

void TForm1::build_menu()
{
    namespace m = layout::menu;
    QMenu* game = menuBar()->addMenu(text(m::game));
    menu_.New = game->addAction(text(m::new_game), this, &TForm1::reset);
    menu_.Highs = game->addAction(text(m::highscores), this, &TForm1::HighsClick);
    menu_.Quit = game->addAction(text(m::quit), this, &TForm1::exit);

    QMenu* settings = menuBar()->addMenu(text(m::settings));
    menu_.beginner_mode1 = settings->addAction(text(m::difficult_mode), this, &TForm1::toggle_beginner_mode);
    menu_.beginner_mode1->setCheckable(true);
    QMenu* speed = settings->addMenu(text(m::animation_speed));
    auto* speeds = new QActionGroup(this);
    menu_.Normal1 = speed->addAction(text(m::normal), this, &TForm1::Normal1Click);
    menu_.Fast1 = speed->addAction(text(m::fast), this, &TForm1::Fast1Click);
    menu_.Lightning1 = speed->addAction(text(m::lightning), this, &TForm1::Lightning1Click);
    for (QAction* item : {menu_.Normal1, menu_.Fast1, menu_.Lightning1}) {
        item->setCheckable(true);
        speeds->addAction(item);
    }
    menu_.CursorSetting = settings->addAction(text(m::standard_cursor), this, &TForm1::CursorSettingClick);
    menu_.CursorSetting->setCheckable(true);
    menu_.AutosaveGame = settings->addAction(text(m::autosave), this, &TForm1::AutosaveGameClick);
    menu_.AutosaveGame->setCheckable(true);
    menu_.Turn_Off_Sound1 = settings->addAction(text(m::sound_off), this, &TForm1::Turn_Off_Sound1Click);
    menu_.Turn_Off_Sound1->setCheckable(true);
    menu_.LoadAdditionalGraphics1 =
        settings->addAction(text(m::load_graphics), this, &TForm1::LoadAdditionalGraphics1Click);

    QMenu* help = menuBar()->addMenu(text(m::help));
    menu_.Rules = help->addAction(text(m::rules), this, &TForm1::RulesClick);
    menu_.About = help->addAction(text(m::about), this, &TForm1::AboutClick);
}

bool TForm1::init()
{
    // The icon file beside the program, or else the built-in icon. Only one
    // of them is read: an icon decodes all its sizes at once.
    const QString icon_file = shipped_file(QStringLiteral("lumbra.ico"));
    setWindowIcon(QImageReader(icon_file).canRead() ? QIcon(icon_file) : built_in_icon());
    version_ = 2.51F;
    load_settings();

    const int speed = settings_.number(SettingsStore::speed);
    if (speed >= 1 && speed <= 3) {
        std::array<QAction*, 3>{menu_.Normal1, menu_.Fast1, menu_.Lightning1}[speed - 1]->setChecked(true);
    }
    set_speed(speed);
    // The squares are made with the arrow, which a ticked setting keeps.
    menu_.CursorSetting->setChecked(settings_.flag(SettingsStore::standard_cursor));
    menu_.AutosaveGame->setChecked(settings_.flag(SettingsStore::autosave));

    if (!load_graphics()) {
        return false;
    }
    engine_ = std::make_unique<Spielklasse>(*this, layout::columns, layout::rows);
    board_->attach_engine(*engine_);
    // A position on no screen any more is brought back to the primary one.
    move(placed_on_a_screen(
        {settings_.number(SettingsStore::window_left), settings_.number(SettingsStore::window_top)},
        sizeHint()));
    about_box_ = new Tabout_box(this, version_text(), [this] {
        return library_module_ != nullptr
                   ? library_module_->picture(QStringLiteral("title"), about_box_->devicePixelRatioF())
                   : QPixmap();
    });
    apply_sound_setting();
    menu_.beginner_mode1->setChecked(!engine_->regular_mode);
    update_caption();
    game_over_ = new Tgame_over(this);
    board_->create_board_squares(*engine_);
    engine_->seed_random(static_cast<std::uint32_t>(clock_seconds()));
    play_sound(1);
    if (!restore_game()) {
        for (int i = 0; i < 3; ++i) {
            engine_->drop_stone();
        }
    }
    // Last, so no tick ever sees a half-built game.
    timers_->set_enabled(true);
    running_ = true;
    return true;
}

bool TForm1::restore_game()
{
    if (!menu_.AutosaveGame->isChecked()) {
        return false;
    }
    const SavedGame saved{settings_.line(SettingsStore::saved_kinds),
                          settings_.line(SettingsStore::saved_colours),
                          settings_.line(SettingsStore::saved_score),
                          settings_.line(SettingsStore::saved_extra)};
    if (!take_over_saved_game(saved, *engine_)) {
        return false;
    }
    // Taken over once: a second start without a new save starts a new game,
    // even if this run is killed.
    for (const int line : {SettingsStore::saved_kinds, SettingsStore::saved_colours,
                           SettingsStore::saved_score, SettingsStore::saved_extra}) {
        settings_.set_line(line, QString());
    }
    save_settings();
    engine_->update_cursors();
    if (settings_.flag(SettingsStore::autosave_notice)) {
        Tautosave_notify1 notice(this);
        connect(&notice, &Tautosave_notify1::notice_switched, this,
                [this](bool show_again) { settings_.set_flag(SettingsStore::autosave_notice, show_again); });
        notice.exec();
    }
    return true;
}

void TForm1::autosave_game()
{
    const SavedGame saved = saved_game_of(*engine_);
    settings_.set_line(SettingsStore::saved_kinds, saved.kinds);
    settings_.set_line(SettingsStore::saved_colours, saved.colours);
    settings_.set_line(SettingsStore::saved_score, saved.score);
    settings_.set_line(SettingsStore::saved_extra, saved.extra);
}

void TForm1::save_hall_of_fame()
{
    if (dialogs_.highscores == nullptr || dialogs_.highscores->hall_of_fame().save()) {
        return;
    }
    QMessageBox::warning(this, QStringLiteral("Error while saving highscores"),
                         QStringLiteral("Lumbra could not write the hall of fame to your settings, "
                                        "so the newest entries will be missing next time."));
}

void TForm1::shutdown()
{
    if (!running_) {
        return;
    }
    running_ = false;
    timers_->set_enabled(false);
    settings_.set_number(SettingsStore::window_left, pos().x());
    settings_.set_number(SettingsStore::window_top, pos().y());
    if (menu_.AutosaveGame->isChecked()) {
        autosave_game();
    }
    save_settings();
    save_hall_of_fame();
    // The library goes last; sounds and pictures let go of it first.
    sounds_->use_library(nullptr);
    board_->use_library(nullptr);
    library_module_.reset();
}

void TForm1::closeEvent(QCloseEvent* event)
{
    shutdown();
    event->accept();
}

void TForm1::load_settings()
{
    const QScreen* primary = QGuiApplication::primaryScreen();
    const QPoint centred =
        primary != nullptr ? centred_on(primary->availableGeometry(), sizeHint()) : QPoint(0, 0);
    settings_.load(centred);
}

void TForm1::save_settings()
{
    settings_.save();
}

QString TForm1::shipped_file(const QString& name) const
{
    return find_shipped_file(name, options_.data_folders);
}

void TForm1::use_library(std::unique_ptr<GraphicsLibrary> library)
{
    sounds_->use_library(library.get());
    board_->use_library(library.get());
    library_module_ = std::move(library);
}

bool TForm1::load_graphics()
{
    const QString additional = settings_.line(SettingsStore::additional_library);
    if (additional != QLatin1String("1")) {
        std::unique_ptr<GraphicsLibrary> library = GraphicsLibrary::open(additional);
        if (library != nullptr && usable_at_startup(*library)) {
            use_library(std::move(library));
            board_->load_next_picture();
        }
    }
    if (library_module_ == nullptr) {
        QString name = QStringLiteral("lrestd.lgr");
        QString missing_text = QStringLiteral(
            "Your resource File \"lrestd.lrg\" seems to be missing. Please re-install Lumbra.");
        if (color_depth() <= 8 && settings_.flag(SettingsStore::depth_warning)) {
            Tcd_warning1 warning(this);
            warning.exec();
            settings_.set_flag(SettingsStore::depth_warning, !warning.never_warn_again());
            name = QStringLiteral("lreslo.lgr");
            missing_text = QStringLiteral(
                "Your resource File \"lreslo.lgr\" seems to be missing. \n Please re-install Lumbra.");
        }
        std::unique_ptr<GraphicsLibrary> library = GraphicsLibrary::open(shipped_file(name));
        if (library == nullptr || !usable_at_startup(*library)) {
            QMessageBox::critical(nullptr, QStringLiteral("Error while loading resources"), missing_text);
            return false;
        }
        use_library(std::move(library));
    }
    // The cursors are the program's own; the board view holds them.
    return true;
}

void TForm1::LoadAdditionalGraphics1Click()
{
    if (dialogs_.load_libraries == nullptr || dialogs_.load_libraries->exec() != 1) {
        return;
    }
    const TimersStopped stopped(*timers_);
    last_library_choice_ = options_.choose_library_file(this, last_library_choice_);
    std::unique_ptr<GraphicsLibrary> library = GraphicsLibrary::open(last_library_choice_);
    if (library == nullptr || !usable_as_additional(*library)) {
        return;
    }
    use_library(std::move(library));
    reload_pictures();
    settings_.set_line(SettingsStore::additional_library, last_library_choice_);
    reload_dialog_pictures();
}

void TForm1::reload_pictures()
{
    for (int n = 0; n < layout::board_squares; ++n) {
        engine_->set_field(n, engine_->squares[static_cast<std::size_t>(n)].color);
    }
    for (int i = 0; i < layout::preview_squares; ++i) {
        const Square& next = engine_->preview[static_cast<std::size_t>(engine_->preview_pos)];
        engine_->set_preview(next.color, next.joker_type);
    }
    engine_->score_display->set_value(engine_->score_display->get_value());
}

void TForm1::reload_dialog_pictures()
{
    // In this order; the first picture the library lacks ends the reload.
    if (!game_over_->set_logo(library_module_->picture(QStringLiteral("game_over"),
                                                       game_over_->devicePixelRatioF()))) {
        return;
    }
    board_->load_next_picture();
}

// --- the engine's window --------------------------------------------------

std::string TForm1::settings_line(int index) const
{
    return settings_.line(index).toStdString();
}

bool TForm1::show_picture(const Square& square, std::string_view name)
{
    return board_->show_picture(square, name);
}

bool TForm1::show_digit(int position, std::string_view name)
{
    return board_->show_digit(position, name);
}

void TForm1::show_cursor(const Square& square)
{
    board_->show_cursor(square);
}

void TForm1::play_sound(int sound_nr)
{
    assert((sound_nr >= 1) && (sound_nr <= 3));
    if (engine_ != nullptr && engine_->sound_on) {
        sounds_->play(sound_nr);
    }
}

void TForm1::show_message(std::string_view caption, std::string_view message, MessageIcon icon)
{
    QMessageBox box(icon == MessageIcon::stop ? QMessageBox::Critical : QMessageBox::NoIcon,
                    to_qstring(caption), to_qstring(message), QMessageBox::Ok, this);
    box.exec();
}

void TForm1::show_game_over()
{
    game_over_->set_logo(library_module_->picture(QStringLiteral("game_over"),
                                                  game_over_->devicePixelRatioF()));
    game_over_->reposition(pos());
    game_over_->exec();
}

void TForm1::enter_hall_of_fame()
{
    // The dialogs come after init(); no game can end before them.
    if (dialogs_.highscores == nullptr || dialogs_.name_enter == nullptr) {
        return;
    }
    lumbra::enter_hall_of_fame(engine_->score_display->get_value(), engine_->regular_mode,
                               *dialogs_.name_enter, *dialogs_.highscores);
}

std::int64_t TForm1::clock_seconds() const
{
    return QDateTime::currentSecsSinceEpoch();
}

// --- window operations ----------------------------------------------------

int TForm1::color_depth() const
{
    if (options_.color_depth) {
        return options_.color_depth();
    }
    const QScreen* current = screen();
    return current != nullptr ? current->depth() : 32;
}

QString TForm1::version_text() const
{
    return QString::number(static_cast<double>(version_), 'f', 2);
}

void TForm1::update_caption()
{
    setWindowTitle(text(layout::caption_prefix) + version_text());
}

void TForm1::set_speed(int speed)
{
    timers_->set_speed(speed);
    settings_.set_number(SettingsStore::speed, speed);
}

void TForm1::toggle_sound()
{
    settings_.set_flag(SettingsStore::sound_on, settings_.number(SettingsStore::sound_on) == 0);
    apply_sound_setting();
}

void TForm1::apply_sound_setting()
{
    const bool on = settings_.flag(SettingsStore::sound_on);
    menu_.Turn_Off_Sound1->setChecked(!on);
    engine_->sound_on = on;
}

// --- menu handlers ----------------------------------------------------------

void TForm1::reset()
{
    engine_->end_game();
}

void TForm1::exit()
{
    close();
}

void TForm1::HighsClick()
{
    dialogs_.highscores->show_for_mode(engine_->regular_mode);
}

void TForm1::toggle_beginner_mode()
{
    // The menu has already flipped the tick; it follows the mode instead.
    const bool was_difficult = !engine_->regular_mode;
    menu_.beginner_mode1->setChecked(was_difficult);
    // Closing the question with its close box counts as "Yes".
    if (dialogs_.confirm->exec() == confirm_layout::no_result) {
        return;
    }
    dialogs_.highscores->drop_internet_page();
    engine_->regular_mode = !engine_->regular_mode;
    settings_.set_flag(SettingsStore::regular_mode, was_difficult);
    menu_.beginner_mode1->setChecked(!was_difficult);
    // The game ends in the hall of fame of the mode it was played in; only
    // then do the two tables change places.
    engine_->end_game();
    dialogs_.highscores->game_mode_changed();
    // The mode is stored at once, not only at shutdown.
    save_settings();
}

void TForm1::AutosaveGameClick()
{
    // It acts at the next shutdown and the next start.
    settings_.set_flag(SettingsStore::autosave, menu_.AutosaveGame->isChecked());
}

void TForm1::RulesClick()
{
    dialogs_.help_box->exec();
}

void TForm1::AboutClick()
{
    about_box_->setWindowTitle(QStringLiteral("About Lumbra"));
    about_box_->exec();
}

void TForm1::Normal1Click()
{
    menu_.Normal1->setChecked(true);
    set_speed(1);
}

void TForm1::Fast1Click()
{
    menu_.Fast1->setChecked(true);
    set_speed(2);
}

void TForm1::Lightning1Click()
{
    menu_.Lightning1->setChecked(true);
    set_speed(3);
}

void TForm1::CursorSettingClick()
{
    const bool standard = menu_.CursorSetting->isChecked();
    settings_.set_flag(SettingsStore::standard_cursor, standard);
    if (standard) {
        // The engine leaves a square's cursor alone while the setting is on.
        for (Square& square : engine_->squares) {
            square.cursor = 0;
            board_->show_cursor(square);
        }
    } else {
        engine_->update_cursors();
    }
}

void TForm1::Turn_Off_Sound1Click()
{
    toggle_sound();
}

// --- timer handlers -----------------------------------------------------------

void TForm1::move_travelling_ball()
{
    engine_->travel_step();
}

void TForm1::highlight_selected()
{
    engine_->bounce_selected();
    engine_->grow_step();
    engine_->vanish_step();
}

}  // namespace lumbra
