#include "placed_controls.h"

#include "form_controls.h"

#include <QDialog>
#include <QLabel>
#include <QPushButton>

namespace lumbra {
namespace {

// The room left right of and below the outermost control.
constexpr int margin = 8;

}  // namespace

QLabel* placed_label(QWidget* parent, const char* object_name, QPoint pos, const QString& text)
{
    auto* label = placed_control<QLabel>(parent, object_name, QRect(pos, QSize()));
    label->setTextFormat(Qt::PlainText);
    label->setText(text);
    set_black_text(label, QPalette::WindowText);
    label->adjustSize();
    return label;
}

QPushButton* placed_button(QWidget* parent, const char* object_name, const QRect& rect,
                           const QString& text)
{
    auto* button = placed_control<QPushButton>(parent, object_name, rect);
    button->setText(text);
    return button;
}

QSize client_size_for(const QDialog& dialog, QSize designed)
{
    const QRect used = dialog.childrenRect();
    return designed.expandedTo(QSize(used.right() + 1 + margin, used.bottom() + 1 + margin));
}

}  // namespace lumbra
