#pragma once

#include <QPixmap>
#include <QWidget>

namespace lumbra {

// A picture on the window, drawn unscaled from the widget's top-left corner:
// a picture larger than the widget is cut off, a smaller one leaves the rest
// of the widget showing the background.
class ImageBox : public QWidget {
    Q_OBJECT

public:
    explicit ImageBox(QWidget* parent);

    void set_picture(const QPixmap& picture);
    const QPixmap& picture() const { return picture_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap picture_;
};

}  // namespace lumbra
