#pragma once

#include <QDialog>

#include <functional>

class QPushButton;

namespace lumbra {

// The dialog before an additional graphics library is chosen: it explains
// the libraries, offers the download page, and lets the player go on only
// on a screen of more than 256 colours. Closes with 1 (go on) or 2.
class Tload_libraries : public QDialog {
    Q_OBJECT

public:
    Tload_libraries(QWidget* parent, std::function<int()> color_depth);

    QPushButton& go_on_button() const { return *go_on_; }
    QPushButton& cancel_button() const { return *cancel_; }

private:
    void go_onClick();
    void websiteClick();

    std::function<int()> color_depth_;
    QPushButton* go_on_;
    QPushButton* cancel_;
};

}  // namespace lumbra
