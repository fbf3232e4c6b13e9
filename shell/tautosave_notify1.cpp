#include "tautosave_notify1.h"

#include "autosave_notify_layout.h"
#include "dialog_font.h"
#include "dialog_frame.h"
#include "form_controls.h"
#include "placed_controls.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>

namespace lumbra {
namespace {

namespace layout = autosave_notify_layout;

}  // namespace

Tautosave_notify1::Tautosave_notify1(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("autosave_notify1"));
    setWindowTitle(layout_text(layout::caption));
    setFont(font_named(dialog_font::family, dialog_font::pixels));

    Label1 = placed_label(this, "Label1", layout::label1_pos, layout_text(layout::label1_text));
    Label2 = placed_label(this, "Label2", layout::label2_pos, layout_text(layout::label2_text));
    CheckBox1 = placed_control<QCheckBox>(this, "CheckBox1", layout::check_box_rect);
    CheckBox1->setText(layout_text(layout::check_box_text));
    Button1 = placed_button(this, "Button1", layout::ok_rect, layout_text(layout::ok_text));
    Button1->setDefault(true);

    connect(CheckBox1, &QCheckBox::clicked, this,
            [this](bool dont_tell_again) { emit notice_switched(!dont_tell_again); });
    connect(Button1, &QPushButton::clicked, this, [this] { done(1); });

    fix_dialog_size(*this, client_size_for(*this, layout::client_size));
    move(layout::screen_pos);
}

}  // namespace lumbra
