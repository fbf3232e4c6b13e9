#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace lumbra {

// Asks before the game mode changes, since the change ends the running game.
// exec() returns 2 for "Yes" and 1 for "No"; the close box gives neither, and
// the caller treats it as "Yes".
class TConfirm1 : public QDialog {
    Q_OBJECT

public:
    // Opens relative to `main_window`, which is also its parent.
    explicit TConfirm1(QWidget* main_window);

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private slots:
    void Button1Click();
    void Button2Click();

private:
    void FormShow();

    QWidget* main_window_;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QPushButton* Button1 = nullptr;
    QPushButton* Button2 = nullptr;
};

}  // namespace lumbra
