#pragma once

// Small helpers that build the controls of the score dialogs from their
// layouts in forms/.

#include <QFont>
#include <QPalette>
#include <QRect>
#include <QString>
#include <QWidget>

namespace lumbra {

// A new control of `parent`, named after its design name and placed at `rect`.
template <class Control>
Control* placed_control(QWidget* parent, const char* object_name, const QRect& rect)
{
    auto* control = new Control(parent);
    control->setObjectName(QString::fromLatin1(object_name));
    control->setGeometry(rect);
    return control;
}

// The font asked for by name; fontconfig substitutes where it is missing.
QFont font_named(const char* family, int pixel_height);

// Text in `role` is drawn black whatever the desktop's colour scheme.
void set_black_text(QWidget* widget, QPalette::ColorRole role);

}  // namespace lumbra
