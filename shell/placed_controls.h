#pragma once

// Controls of the small dialogs, placed where their layouts in forms/ say.

#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>

class QDialog;
class QLabel;
class QPushButton;
class QWidget;

namespace lumbra {

// A text of a layout in forms/; they are all plain ASCII.
inline QString layout_text(const char* text)
{
    return QString::fromLatin1(text);
}

// A label of `parent` at `pos`, as wide as its text, in black.
QLabel* placed_label(QWidget* parent, const char* object_name, QPoint pos, const QString& text);

// A push button of `parent` filling `rect`.
QPushButton* placed_button(QWidget* parent, const char* object_name, const QRect& rect,
                           const QString& text);

// The client size of a dialog whose controls are placed by hand: the
// designed size, widened where a substituted font makes a label run past
// its edge, so that no text is cut off.
QSize client_size_for(const QDialog& dialog, QSize designed);

}  // namespace lumbra
