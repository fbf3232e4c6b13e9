#include "board_view.h"

#include <QFrame>
#include <QPalette>

#include <cassert>

#include "built_in_next_picture.h"
#include "graphics_library.h"
#include "image_box.h"
#include "spiel.h"
#include "tmy_image.h"

namespace lumbra {
namespace layout = main_window_layout;

namespace {

QString to_qstring(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

BoardView::BoardView(QWidget* parent)
    : QWidget(parent), cursors_(devicePixelRatioF()), next_image_(new ImageBox(this))
{
    setFixedSize(layout::client_size);
    QPalette silver = palette();
    silver.setColor(QPalette::Window, QColor(layout::background));
    setPalette(silver);
    setAutoFillBackground(true);

    auto* bevel = new QFrame(this);
    bevel->setFrameStyle(QFrame::Box | QFrame::Sunken);
    bevel->setGeometry(layout::header_bevel);
    bevel->lower();

    next_image_->setGeometry(layout::next_image);
    next_image_->set_picture(built_in_next_picture(devicePixelRatioF()));
}

void BoardView::use_library(const GraphicsLibrary* library)
{
    library_ = library;
}

bool BoardView::show_named_picture(ImageBox& image, const QString& name)
{
    if (library_ == nullptr) {
        return false;
    }
    const QPixmap picture = library_->picture(name, image.devicePixelRatioF());
    if (picture.isNull()) {
        return false;
    }
    image.set_picture(picture);
    return true;
}

bool BoardView::show_picture(const Square& square, std::string_view name)
{
    const QString picture_name = to_qstring(name);
    if (TMyImage* image = images_.value(&square)) {
        return show_named_picture(*image, picture_name);
    }
    if (library_ == nullptr || !library_->has_picture(picture_name)) {
        return false;
    }
    early_pictures_.insert(&square, picture_name);
    return true;
}

bool BoardView::show_digit(int position, std::string_view name)
{
    const QString picture_name = to_qstring(name);
    if (position >= 0 && position < digit_count()) {
        return show_named_picture(*digits_[static_cast<std::size_t>(position)], picture_name);
    }
    if (library_ == nullptr || !library_->has_picture(picture_name)) {
        return false;
    }
    early_digits_.insert(position, picture_name);
    return true;
}

void BoardView::show_cursor(const Square& square)
{
    if (TMyImage* image = images_.value(&square)) {
        image->show_cursor(square.cursor, cursors_.cursor(square.cursor));
    }
}

TMyImage* BoardView::add_square(Square& square, const QRect& bounds)
{
    auto* image = new TMyImage(this, square);
    image->setGeometry(bounds);
    image->show();
    images_.insert(&square, image);
    return image;
}

void BoardView::attach_engine(Spielklasse& engine)
{
    for (int i = 0; i < layout::preview_squares; ++i) {
        Square& square = engine.preview[static_cast<std::size_t>(i)];
        preview_[static_cast<std::size_t>(i)] = add_square(square, layout::preview_square(i));
    }
    const lcd& score = *engine.score_display;
    for (int position = 0; position < score.digits; ++position) {
        auto* digit = new ImageBox(this);
        digit->setGeometry(score.left + position * score.digit_width, score.top, score.digit_width,
                           score.digit_height);
        digit->show();
        digits_.push_back(digit);
    }
    for (auto it = early_pictures_.cbegin(); it != early_pictures_.cend(); ++it) {
        if (TMyImage* image = images_.value(it.key())) {
            show_named_picture(*image, it.value());
        }
    }
    for (auto it = early_digits_.cbegin(); it != early_digits_.cend(); ++it) {
        if (it.key() < digit_count()) {
            show_named_picture(*digits_[static_cast<std::size_t>(it.key())], it.value());
        }
    }
    early_pictures_.clear();
    early_digits_.clear();
}

void BoardView::create_board_squares(Spielklasse& engine)
{
    for (int n = 0; n < layout::board_squares; ++n) {
        Square& square = engine.squares[static_cast<std::size_t>(n)];
        square.game = &engine;
        square.clickable = true;
        square.Tag = n;
        square.color = 0;
        board_[static_cast<std::size_t>(n)] = add_square(square, layout::board_square(n));
        engine.set_field(n, 0);
    }
    engine.clear_reachable();
}

bool BoardView::load_next_picture()
{
    return show_named_picture(*next_image_, QStringLiteral("next"));
}

TMyImage* BoardView::board_square(int n) const
{
    assert((n >= 0) && (n < layout::board_squares));
    return board_[static_cast<std::size_t>(n)];
}

TMyImage* BoardView::preview_square(int i) const
{
    assert((i >= 0) && (i < layout::preview_squares));
    return preview_[static_cast<std::size_t>(i)];
}

const ImageBox& BoardView::digit(int position) const
{
    assert((position >= 0) && (position < digit_count()));
    return *digits_[static_cast<std::size_t>(position)];
}

}  // namespace lumbra
