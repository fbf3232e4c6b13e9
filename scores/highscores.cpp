#include "highscores.h"

#include "form_controls.h"
#include "highscores_form.h"
#include "posted_record.h"

#include <QFrame>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

#include <cassert>

namespace lumbra {
namespace {

namespace form = highscores_form;

QLabel* make_heading(QWidget* parent, const char* object_name, const char* text,
                     const QRect& rect)
{
    auto* label = placed_control<QLabel>(parent, object_name, rect);
    label->setText(QString::fromLatin1(text));
    label->setFont(font_named(form::dialog_font, form::heading_font_pixels));
    set_black_text(label, QPalette::WindowText);
    return label;
}

QFrame* make_panel(QWidget* parent, const char* object_name, const QRect& rect)
{
    auto* panel = placed_control<QFrame>(parent, object_name, rect);
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    return panel;
}

QPlainTextEdit* make_list(QFrame* panel, const char* object_name, const QRect& rect)
{
    auto* list = placed_control<QPlainTextEdit>(panel, object_name, rect);
    list->setReadOnly(true);
    list->setLineWrapMode(QPlainTextEdit::NoWrap);
    list->setFont(font_named(form::list_font, form::list_font_pixels));
    set_black_text(list, QPalette::Text);
    return list;
}

QPushButton* make_button(QWidget* parent, const char* object_name, const char* caption,
                         const QRect& rect)
{
    auto* button = placed_control<QPushButton>(parent, object_name, rect);
    button->setText(QString::fromLatin1(caption));
    return button;
}

}  // namespace

THighscores::THighscores(QWidget* main_window)
    : QDialog(main_window), main_window_(main_window)
{
    assert(main_window != nullptr);
    setObjectName(QStringLiteral("highscores"));
    setWindowTitle(QString::fromLatin1(form::design_caption));
    setFont(font_named(form::dialog_font, form::dialog_font_pixels));
    setFixedSize(form::client_size);

    Label1 = make_heading(this, "Label1", form::label1_text, form::label1_rect);
    Label1->setAlignment(Qt::AlignCenter);
    Label2 = make_heading(this, "Label2", form::label2_text, form::label2_rect);
    Panel1 = make_panel(this, "Panel1", form::panel1_rect);
    Memo1 = make_list(Panel1, "Memo1", form::memo1_rect);
    okbtn = make_button(this, "okbtn", form::okbtn_caption, form::okbtn_rect);
    okbtn->setDefault(true);
    post_button = make_button(this, "post_button", form::post_button_design_caption,
                              form::post_button_rect);
    Panel2 = make_panel(this, "Panel2", form::panel2_rect);
    Display = make_list(Panel2, "Display", form::display_rect);
    for (const char* line : form::display_intro)
        Display->appendPlainText(QString::fromLatin1(line));

    connect(okbtn, &QPushButton::clicked, this, &THighscores::okbtnClick);
    connect(post_button, &QPushButton::clicked, this, &THighscores::retrieve_and_post);

    hall_.load();
}

int THighscores::show_for_mode(bool regular_mode)
{
    regular_mode_ = regular_mode;
    return exec();
}

void THighscores::game_mode_changed()
{
    hall_.exchange_modes();
    if (!page_lines_.isEmpty()) {
        Display->clear();
        page_lines_.clear();
    }
}

void THighscores::retrieve_and_post()
{
    // The internet half (fetching the page, posting by mail) is wired in here.
}

void THighscores::showEvent(QShowEvent* event)
{
    FormShow();
    QDialog::showEvent(event);
}

void THighscores::FormShow()
{
    saw_data_ = false;
    move(main_window_->pos() + form::offset_from_main_window);
    setWindowTitle(QString::fromLatin1(regular_mode_ ? form::regular_caption
                                                     : form::difficult_caption));
    show_hall_of_fame();
    if (page_lines_.isEmpty()) {
        post_button->setText(QString::fromLatin1(form::post_button_fetch_caption));
        post_button->setEnabled(true);
    } else {
        evaluate_held_page();
    }
    // After the evaluation, which must see the record as it left it.
    load_posted();
}

void THighscores::show_hall_of_fame()
{
    Memo1->setPlainText(hall_.lines().join(QLatin1Char('\n')));
}

void THighscores::evaluate_held_page()
{
    // The page reader fills this in: it rebuilds Display from page_lines_,
    // merges the qualifying local entries and sets post_button.
}

void THighscores::load_posted()
{
    // A missing or damaged record leaves the one in memory; nothing to report.
    if (std::optional<QStringList> record = read_posted_record(posted_record_path()))
        posted_ = *std::move(record);
}

void THighscores::okbtnClick()
{
    done(1);
}

}  // namespace lumbra
