#include "thelp_box.h"

#include "dialog_font.h"
#include "dialog_frame.h"
#include "form_controls.h"
#include "help_box_layout.h"
#include "placed_controls.h"
#include "product_lines.h"

#include <QDesktopServices>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QUrl>

#include <cassert>

namespace lumbra {
namespace {

namespace layout = help_box_layout;

// The rules as laid out, with the product line above them and the web-site,
// product and contact lines below, each group set off by a line of one blank.
QStringList rules_with_product_lines(const QString& version_text)
{
    const QString blank = layout_text(layout::blank_line);
    QStringList lines{blank, product_line(version_text)};
    for (const char* line : layout::rules_text) {
        lines.append(layout_text(line));
    }
    lines << blank << web_site_line() << blank << product_name_line() << contact_line() << blank;
    return lines;
}

}  // namespace

Thelp_box::Thelp_box(QWidget* main_window, const QString& version_text, QString manual_path)
    : QDialog(main_window), main_window_(main_window), manual_path_(std::move(manual_path))
{
    assert(main_window != nullptr);
    setObjectName(QStringLiteral("help_box"));
    setWindowTitle(layout_text(layout::caption));
    setFont(font_named(dialog_font::family, dialog_font::pixels));

    // The text fills the frame and scrolls itself, wrapped at its width: a
    // text taller and wider than the frame inside it would need two pairs of
    // scroll bars wherever the font is wider than the one it was laid out for.
    ScrollBox1 = placed_control<QScrollArea>(this, "ScrollBox1", layout::scroll_box_rect);
    ScrollBox1->setWidgetResizable(true);
    Memo1 = new QPlainTextEdit(ScrollBox1);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setFrameShape(QFrame::NoFrame);
    Memo1->setReadOnly(true);
    set_black_text(Memo1, QPalette::Text);
    Memo1->setPlainText(rules_with_product_lines(version_text).join(QLatin1Char('\n')));
    ScrollBox1->setWidget(Memo1);

    Button1 = placed_button(this, "Button1", layout::manual_button_rect,
                            layout_text(layout::manual_button_text));
    okbutton = placed_button(this, "okbutton", layout::ok_rect, layout_text(layout::ok_text));
    okbutton->setDefault(true);

    connect(Button1, &QPushButton::clicked, this, &Thelp_box::Button1Click);
    connect(okbutton, &QPushButton::clicked, this, &Thelp_box::close_help);
    fix_dialog_size(*this, client_size_for(*this, layout::client_size));
}

QStringList Thelp_box::text_lines() const
{
    return Memo1->toPlainText().split(QLatin1Char('\n'));
}

void Thelp_box::showEvent(QShowEvent* event)
{
    FormShow();
    QDialog::showEvent(event);
}

void Thelp_box::FormShow()
{
    move(main_window_->pos() + layout::offset_from_main_window);
}

void Thelp_box::close_help()
{
    done(1);
}

void Thelp_box::Button1Click()
{
    // A missing manual or no program to open it: nothing to tell the player
    // that the unchanged screen does not already show.
    QDesktopServices::openUrl(QUrl::fromLocalFile(manual_path_));
}

}  // namespace lumbra
