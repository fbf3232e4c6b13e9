#pragma once

#include <QHash>
#include <QWidget>

#include <array>
#include <string_view>
#include <vector>

#include "main_window_layout.h"
#include "square_cursors.h"

namespace lumbra {

class GraphicsLibrary;
class ImageBox;
class Spielklasse;
class TMyImage;
struct Square;

// The main window's client area: the bevelled header strip with the score
// digits, the "next" label and the three preview squares, and the 9 x 9
// board below it. It draws what the engine tells it, with the pictures of the
// graphics library in use.
class BoardView : public QWidget {
    Q_OBJECT

public:
    explicit BoardView(QWidget* parent);

    // The library every picture comes from; it must outlive its use here.
    void use_library(const GraphicsLibrary* library);

    // The drawing calls of the engine's window interface. A square the view
    // has no widget for yet (the preview while the engine is being built)
    // keeps its picture name until attach_engine() gives it one.
    bool show_picture(const Square& square, std::string_view name);
    bool show_digit(int position, std::string_view name);
    void show_cursor(const Square& square);

    // Places the engine's preview squares and score digits once the engine
    // exists, with the pictures it has asked for so far.
    void attach_engine(Spielklasse& engine);

    // Creates the 81 board squares in square order, each registered in the
    // engine, placed by the layout and set empty through the engine.
    void create_board_squares(Spielklasse& engine);

    // Loads the library's "next" label; false (and the old label stays) when
    // the library has none.
    bool load_next_picture();

    TMyImage* board_square(int n) const;
    TMyImage* preview_square(int i) const;
    const ImageBox& next_image() const { return *next_image_; }
    const ImageBox& digit(int position) const;
    int digit_count() const { return static_cast<int>(digits_.size()); }

private:
    bool show_named_picture(ImageBox& image, const QString& name);
    TMyImage* add_square(Square& square, const QRect& bounds);

    const GraphicsLibrary* library_ = nullptr;
    SquareCursors cursors_;
    ImageBox* next_image_;
    std::array<TMyImage*, main_window_layout::board_squares> board_{};
    std::array<TMyImage*, main_window_layout::preview_squares> preview_{};
    std::vector<ImageBox*> digits_;
    QHash<const Square*, TMyImage*> images_;
    // Pictures asked for before their widgets exist, shown by attach_engine().
    QHash<const Square*, QString> early_pictures_;
    QHash<int, QString> early_digits_;
};

}  // namespace lumbra
