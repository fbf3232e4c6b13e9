#include "game_over.h"

#include <QFrame>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>

#include "game_over_layout.h"

namespace lumbra {
namespace layout = game_over_layout;

namespace {

// The logo shown when the graphics library has none of its own: the words
// in raised letters on a dusk-coloured plate, drawn for the screen's ratio.
QPixmap built_in_logo(qreal device_pixel_ratio)
{
    const QSize size = layout::logo.size();
    QPixmap logo(size * device_pixel_ratio);
    logo.setDevicePixelRatio(device_pixel_ratio);

    QPainter painter(&logo);
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, size.height());
    sky.setColorAt(0.0, QColor(0x1B, 0x1F, 0x4A));
    sky.setColorAt(1.0, QColor(0x6A, 0x2C, 0x5E));
    painter.fillRect(QRect(QPoint(0, 0), size), sky);

    QFont font(QStringLiteral("Sans Serif"));
    font.setPixelSize(44);
    font.setBold(true);
    QPainterPath words;
    const QString text = QStringLiteral("GAME OVER");
    const QFontMetrics metrics(font);
    const int width = metrics.horizontalAdvance(text);
    words.addText((size.width() - width) / 2.0, (size.height() + metrics.capHeight()) / 2.0, font,
                  text);

    painter.translate(2, 2);
    painter.fillPath(words, QColor(0, 0, 0, 140));
    painter.translate(-2, -2);
    QLinearGradient gold(0, 20, 0, size.height() - 20);
    gold.setColorAt(0.0, QColor(0xFF, 0xE8, 0x8A));
    gold.setColorAt(1.0, QColor(0xE0, 0x8A, 0x1E));
    painter.fillPath(words, gold);
    painter.setPen(QPen(QColor(0x5A, 0x2A, 0x00), 1.2));
    painter.drawPath(words);
    return logo;
}

}  // namespace

Tgame_over::Tgame_over(QWidget* parent)
    : QDialog(parent),
      go_logo_(new QLabel(this)),
      OKBtn_(new QPushButton(QString::fromLatin1(layout::ok_text), this))
{
    setWindowTitle(QString::fromLatin1(layout::caption));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setFixedSize(layout::client_size);

    auto* bevel = new QFrame(this);
    bevel->setFrameStyle(QFrame::Box | QFrame::Sunken);
    bevel->setGeometry(layout::bevel);

    go_logo_->setGeometry(layout::logo);
    go_logo_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    go_logo_->setPixmap(built_in_logo(devicePixelRatioF()));

    OKBtn_->setGeometry(layout::ok_button);
    OKBtn_->setDefault(true);
    connect(OKBtn_, &QPushButton::clicked, this, &Tgame_over::hideGO);
}

bool Tgame_over::set_logo(const QPixmap& logo)
{
    if (logo.isNull()) {
        return false;
    }
    go_logo_->setPixmap(logo);
    return true;
}

void Tgame_over::reposition(const QPoint& top_left)
{
    move(top_left);
}

void Tgame_over::hideGO()
{
    hide();
    done(1);
}

}  // namespace lumbra
