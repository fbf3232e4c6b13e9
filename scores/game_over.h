#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace lumbra {

// The dialog shown when a game ends: the game-over logo in a frame and an
// "OK" button. It opens over the main window's top-left corner.
class Tgame_over : public QDialog {
    Q_OBJECT

public:
    explicit Tgame_over(QWidget* parent);

    // Shows `logo`; a null picture (the library has no logo) keeps the
    // current one, at first the built-in logo, and returns false.
    bool set_logo(const QPixmap& logo);

    // Moves the dialog's top-left corner to `top_left`, the main window's.
    void reposition(const QPoint& top_left);

    const QLabel& go_logo() const { return *go_logo_; }
    QPushButton& ok_button() const { return *OKBtn_; }

private:
    void hideGO();

    QLabel* go_logo_;
    QPushButton* OKBtn_;
};

}  // namespace lumbra
