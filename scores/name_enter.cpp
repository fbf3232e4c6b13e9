#include "name_enter.h"

#include "form_controls.h"
#include "name_enter_form.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <cassert>
#include <initializer_list>

namespace lumbra {
namespace {

namespace form = name_enter_form;

QLabel* make_label(QWidget* parent, const char* object_name, QPoint pos)
{
    // Sized to their texts when the dialog shows.
    auto* label = placed_control<QLabel>(parent, object_name, QRect(pos, QSize()));
    label->setFont(font_named(form::label_font, form::label_font_pixels));
    set_black_text(label, QPalette::WindowText);
    return label;
}

}  // namespace

Tname_enter::Tname_enter(QWidget* main_window)
    : QDialog(main_window), main_window_(main_window)
{
    assert(main_window != nullptr);
    setObjectName(QStringLiteral("name_enter"));
    // Created in this order so that Tab walks down the form.
    Label1 = make_label(this, "Label1", form::label1_pos);
    Label2 = make_label(this, "Label2", form::label2_pos);
    Edit1 = placed_control<QLineEdit>(this, "Edit1", form::edit1_rect);
    okbtn = placed_control<QPushButton>(this, "okbtn", form::okbtn_rect);
    okbtn->setText(QString::fromLatin1(form::okbtn_caption));
    okbtn->setDefault(true);
    Label3 = make_label(this, "Label3", form::label3_pos);
    Edit2 = placed_control<QLineEdit>(this, "Edit2", form::edit2_rect);
    Label4 = make_label(this, "Label4", form::label4_pos);
    Edit3 = placed_control<QLineEdit>(this, "Edit3", form::edit3_rect);
    set_window_height(form::full_window_height);

    for (QLineEdit* edit : {Edit1, Edit2, Edit3})
        connect(edit, &QLineEdit::textChanged, this, &Tname_enter::Edit1Change);
    connect(okbtn, &QPushButton::clicked, this, &Tname_enter::okbtnClick);
}

void Tname_enter::set_address_and_country_shown(bool shown)
{
    for (QWidget* control : std::initializer_list<QWidget*>{Label3, Edit2, Label4, Edit3})
        control->setVisible(shown);
}

void Tname_enter::set_window_height(int window_height)
{
    setFixedSize(form::client_size.width(), window_height - form::frame_height);
}

void Tname_enter::reject()
{
    // The close box and Escape both end up here.
    if (ok_allowed_)
        done(2);
}

void Tname_enter::showEvent(QShowEvent* event)
{
    FormShow();
    QDialog::showEvent(event);
}

void Tname_enter::FormShow()
{
    move(main_window_->pos() + form::offset_from_main_window);
    // The caller has just set the label texts.
    for (QLabel* label : {Label1, Label2, Label3, Label4})
        label->adjustSize();
    okbtn->setEnabled(false);
    ok_allowed_ = false;
    // A name left from the last use counts at once; selected, so that Enter
    // keeps it and typing replaces it.
    Edit1Change();
    Edit1->selectAll();
}

void Tname_enter::Edit1Change()
{
    if (Edit2->isHidden())
        ok_allowed_ = !Edit1->text().isEmpty();
    else
        ok_allowed_ = !Edit1->text().isEmpty() && !Edit2->text().isEmpty()
                      && !Edit3->text().isEmpty();
    okbtn->setEnabled(ok_allowed_);
}

void Tname_enter::okbtnClick()
{
    done(1);
}

}  // namespace lumbra
