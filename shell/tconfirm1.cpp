#include "tconfirm1.h"

#include "confirm_layout.h"
#include "dialog_font.h"
#include "dialog_frame.h"
#include "form_controls.h"
#include "placed_controls.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

#include <cassert>

namespace lumbra {
namespace {

namespace layout = confirm_layout;

}  // namespace

TConfirm1::TConfirm1(QWidget* main_window) : QDialog(main_window), main_window_(main_window)
{
    assert(main_window != nullptr);
    setObjectName(QStringLiteral("Confirm1"));
    setWindowTitle(layout_text(layout::caption));
    setFont(font_named(dialog_font::family, dialog_font::pixels));

    Label1 = placed_label(this, "Label1", layout::label1_pos, layout_text(layout::label1_text));
    Label2 = placed_label(this, "Label2", layout::label2_pos, layout_text(layout::label2_text));
    const QFont button_font = font_named(dialog_font::family, layout::button_font_pixels);
    Button1 = placed_button(this, "Button1", layout::yes_rect, layout_text(layout::yes_text));
    Button1->setFont(button_font);
    Button2 = placed_button(this, "Button2", layout::no_rect, layout_text(layout::no_text));
    Button2->setFont(button_font);

    connect(Button1, &QPushButton::clicked, this, &TConfirm1::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &TConfirm1::Button2Click);
    fix_dialog_size(*this, client_size_for(*this, layout::client_size));
}

void TConfirm1::showEvent(QShowEvent* event)
{
    FormShow();
    QDialog::showEvent(event);
}

void TConfirm1::keyPressEvent(QKeyEvent* event)
{
    // The dialog has no cancel button, and Escape must not count as the "Yes"
    // that closing the window means: only the two buttons and the close box
    // answer it.
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void TConfirm1::FormShow()
{
    move(main_window_->pos() + layout::offset_from_main_window);
}

void TConfirm1::Button1Click()
{
    done(layout::yes_result);
}

void TConfirm1::Button2Click()
{
    done(layout::no_result);
}

}  // namespace lumbra
