#pragma once

#include <QDialog>
#include <QPixmap>
#include <QString>

#include <functional>

class QFrame;
class QLabel;
class QPushButton;

namespace lumbra {

// The About dialog: the title picture of the graphics library in use, the
// product line with the version, the contact address and the web site.
class Tabout_box : public QDialog {
    Q_OBJECT

public:
    // Opens exactly over `main_window`, which is also its parent. Each
    // showing asks `title_picture` for the picture to show; a null picture
    // (a library without one) keeps the picture shown before.
    Tabout_box(QWidget* main_window, QString version_text,
               std::function<QPixmap()> title_picture);

    // The picture shown, null before the first that could be loaded.
    QPixmap picture() const { return picture_; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void FormShow();

    QWidget* main_window_;
    QString version_text_;
    std::function<QPixmap()> title_picture_;
    QPixmap picture_;
    QFrame* Panel1 = nullptr;
    QLabel* Image1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;
    QPushButton* BitBtn1 = nullptr;
};

}  // namespace lumbra
