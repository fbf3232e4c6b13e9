#include "window_fixture.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTimer>

#include "board_view.h"
#include "graphics_library.h"
#include "image_box.h"
#include "library_builder.h"
#include "library_names.h"
#include "program_dialogs.h"
#include "spiel.h"

namespace lumbra {

FreshSettingsFolder::FreshSettingsFolder()
{
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder_.path());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, folder_.path());
}

std::unique_ptr<QSettings> stored_settings()
{
    auto settings = std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                                QStringLiteral("Hollowick"), QStringLiteral("lumbra"));
    settings->beginGroup(QStringLiteral("set"));
    return settings;
}

void when_modal(std::function<void(QWidget& dialog)> action)
{
    auto* poll = new QTimer;
    poll->setInterval(5);
    QObject::connect(poll, &QTimer::timeout, [poll, action = std::move(action)] {
        if (QWidget* dialog = QApplication::activeModalWidget()) {
            poll->stop();
            poll->deleteLater();
            action(*dialog);
        }
    });
    poll->start();
}

namespace {

QString test_library_folder()
{
    static QTemporaryDir folder;
    return folder.path();
}

}  // namespace

QString test_library(const QString& name, int shade)
{
    const QString path = QDir(test_library_folder()).filePath(name);
    if (QFileInfo::exists(path)) {
        return path;
    }
    QList<fixture::LibraryFile> files;
    int index = 0;
    for (const LibraryPicture& picture : library_pictures()) {
        const QColor colour(index % 256, (shade * 60 + index / 256) % 256, 255 - index % 256);
        files.append({picture.name + QStringLiteral(".png"), fixture::png_bytes(picture.size, colour)});
        files.append({picture.name + QStringLiteral("@2x.png"), fixture::png_bytes(picture.size * 2, colour)});
        ++index;
    }
    for (const QString& sound : library_sounds()) {
        files.append({sound + QStringLiteral(".wav"), fixture::wav_bytes()});
    }
    QTemporaryDir work;
    const QString built = fixture::build_library(work.path(), name, files);
    EXPECT_FALSE(built.isEmpty()) << "rcc could not pack " << name.toStdString();
    QFile::copy(built, path);
    return path;
}

TForm1& WindowTest::start()
{
    if (window_ != nullptr) {
        close_window();
    }
    StartOptions options;
    test_library(QStringLiteral("lrestd.lgr"), 1);
    test_library(QStringLiteral("lreslo.lgr"), 2);
    options.data_folders = {test_library_folder()};
    options.color_depth = [this] { return screen_depth; };
    options.choose_library_file = [this](QWidget*, const QString&) { return chosen_library; };
    window_ = std::make_unique<TForm1>(std::move(options));
    EXPECT_TRUE(window_->init());
    create_program_dialogs(*window_);
    return *window_;
}

void WindowTest::close_window()
{
    window_->close();
    window_.reset();
}

void WindowTest::set_board(std::initializer_list<const char*> rows)
{
    static const QString colours = QStringLiteral(".RGBYLKP");
    Spielklasse& game = window_->game();
    for (int n = 0; n < 81; ++n) {
        game.set_field(n, 0);
    }
    int row = 0;
    for (const char* text : rows) {
        for (int column = 0; column < 9 && text[column] != '\0'; ++column) {
            const int colour = static_cast<int>(colours.indexOf(QLatin1Char(text[column])));
            ASSERT_GE(colour, 0) << "unknown square letter " << text[column];
            game.set_field(row * 9 + column, colour);
        }
        ++row;
    }
    game.stone_count = game.count_stones();
}

bool WindowTest::shows(const ImageBox& image, const QString& name) const
{
    const QPixmap expected = window_->library().picture(name, image.devicePixelRatioF());
    return !expected.isNull() && image.picture().toImage() == expected.toImage();
}

}  // namespace lumbra
