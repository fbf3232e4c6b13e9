#pragma once

// Interface contract for the graphics-library look-up. The library helper owns
// the implementation and may add private members; the window calls these.

#include <QHash>
#include <QPixmap>
#include <QString>
#include <QUrl>

#include <memory>

namespace lumbra {

// One open graphics library: a Qt binary resource file holding NAME.png,
// NAME@2x.png and NAME.wav. Names are looked up without regard to case.
// Two open libraries never see each other's names; closing (destroying)
// the object releases the file.
class GraphicsLibrary {
public:
    // Opens `path`. Returns nullptr and fills `error` (a sentence for the
    // player or the log) when the file is missing, damaged or not a library.
    static std::unique_ptr<GraphicsLibrary> open(const QString& path, QString* error = nullptr);

    ~GraphicsLibrary();
    GraphicsLibrary(const GraphicsLibrary&) = delete;
    GraphicsLibrary& operator=(const GraphicsLibrary&) = delete;

    QString file_path() const;

    bool has_picture(const QString& name) const;
    bool has_sound(const QString& name) const;

    // The decoded picture `name` for a screen of the given device pixel ratio
    // (the 2x drawing above 1, with the pixmap's ratio set, or the plain one
    // when the library has no twin); a null pixmap when the library lacks the
    // name. Decoded pictures are cached.
    QPixmap picture(const QString& name, qreal device_pixel_ratio = 1.0) const;

    // The size in pixels of picture `name` at ratio 1 (of its twin when asked
    // for "NAME@2x"), read from the file's header without decoding; empty
    // when missing. Measures a whole library without decoding it.
    QSize picture_size(const QString& name) const;

    // A URL that QSoundEffect can play for sound `name` (a qrc: URL, valid
    // while this library is open); empty when missing.
    QUrl sound(const QString& name) const;

private:
    GraphicsLibrary() = default;
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

}  // namespace lumbra
