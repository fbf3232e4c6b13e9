#include "tabout_box.h"

#include "about_box_layout.h"
#include "dialog_font.h"
#include "dialog_frame.h"
#include "form_controls.h"
#include "placed_controls.h"
#include "product_lines.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>

#include <cassert>

namespace lumbra {
namespace {

namespace layout = about_box_layout;

}  // namespace

Tabout_box::Tabout_box(QWidget* main_window, QString version_text,
                       std::function<QPixmap()> title_picture)
    : QDialog(main_window),
      main_window_(main_window),
      version_text_(std::move(version_text)),
      title_picture_(std::move(title_picture))
{
    assert(main_window != nullptr);
    setObjectName(QStringLiteral("about_box"));
    setWindowTitle(layout_text(layout::caption));
    setFont(font_named(dialog_font::family, layout::label_font_pixels));

    Panel1 = placed_control<QFrame>(this, "Panel1", layout::panel_rect);
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Raised);
    Image1 = placed_control<QLabel>(Panel1, "Image1", layout::image_rect);
    Image1->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    // The lines are filled in at each showing; made with them already, so
    // the dialog is sized for them.
    Label2 = placed_label(this, "Label2", layout::product_pos, product_line(version_text_));
    Label3 = placed_label(this, "Label3", layout::contact_pos, contact_line());
    Label4 = placed_label(this, "Label4", layout::web_site_pos, web_site_line());

    BitBtn1 = placed_button(this, "BitBtn1", layout::ok_rect, layout_text(layout::ok_text));
    BitBtn1->setFont(font_named(dialog_font::family, layout::ok_font_pixels));
    BitBtn1->setDefault(true);
    connect(BitBtn1, &QPushButton::clicked, this, [this] { done(1); });

    fix_dialog_size(*this, client_size_for(*this, layout::client_size));
}

void Tabout_box::showEvent(QShowEvent* event)
{
    FormShow();
    QDialog::showEvent(event);
}

void Tabout_box::FormShow()
{
    if (const QPixmap title = title_picture_(); !title.isNull()) {
        picture_ = title;
        Image1->setPixmap(picture_);
    }
    move(main_window_->pos() + layout::offset_from_main_window);
    Label4->setText(web_site_line());
    Label3->setText(contact_line());
    Label2->setText(product_line(version_text_));
}

}  // namespace lumbra
