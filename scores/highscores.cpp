#include "highscores.h"

#include <algorithm>

#include "form_controls.h"
#include "highscores_form.h"
#include "name_enter.h"
#include "name_enter_form.h"
#include "posted_record.h"
#include "received_text.h"
#include "score_evaluation.h"
#include "score_page_fetcher.h"
#include "smtp_client.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include <cassert>

namespace lumbra {
namespace {

namespace form = highscores_form;

const QString unreadable_page_text = QStringLiteral("The high-score page could not be read.");

// The name-entry dialog, asking for what a score mail needs.
const QString posting_caption = QStringLiteral("Posting Your Highscores To The Internet");
const QString posting_label1 = QStringLiteral("Lumbra needs some additional information to post");
const QString posting_label2 = QStringLiteral("your highscores");
const QString posting_label3 = QStringLiteral("What's your e-mail adress?");
const QString posting_label4 = QStringLiteral("Where are you from (Country)?");
// A filled, hidden Edit1 lets the enable rule wait for the address and the
// country only.
const QString posting_edit1_filler = QStringLiteral("d");

const QString posted_caption = QStringLiteral("Your score has been successfully posted");
const QString posted_text = QStringLiteral("The score should be on the website within a few days");
const QString post_failed_caption = QStringLiteral("Error while posting highscores");
const QString post_failed_text = QStringLiteral("Please check your internet connection");

QLabel* make_heading(QWidget* parent, const char* object_name, const char* text,
                     const QRect& rect)
{
    auto* label = placed_control<QLabel>(parent, object_name, rect);
    label->setText(QString::fromLatin1(text));
    label->setFont(font_named(form::dialog_font, form::heading_font_pixels));
    set_black_text(label, QPalette::WindowText);
    // The substituted font may be wider than the one the layout was made for:
    // the heading grows to the right rather than losing its first letters.
    label->resize(std::max(rect.width(), label->sizeHint().width()), rect.height());
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

    fetcher_ = new ScorePageFetcher(this);
    connect(fetcher_, &ScorePageFetcher::log, this, [this](const QString& line) { DisplayMemo.append(line); });
    smtp_ = new SmtpClient(this);
    connect(smtp_, &SmtpClient::trace, this, [this](const QString& line) {
        DisplayMemo.append(line);
        if (line.startsWith(QLatin1StringView("< 354")))
            saw_data_ = true;
    });
    set_internet_settings(InternetSettings::built_in());

    hall_.load();
}

int THighscores::show_for_mode(bool regular_mode)
{
    regular_mode_ = regular_mode;
    return exec();
}

void THighscores::set_internet_settings(const InternetSettings& settings)
{
    internet_ = settings;
    fetcher_->set_time_limit(settings.page_time_limit);
    fetcher_->set_folder(settings.page_folder);
    smtp_->set_settings(settings.relay);
}

void THighscores::game_mode_changed()
{
    ++mode_changes_;
    hall_.exchange_modes();
    drop_internet_page();
}

void THighscores::drop_internet_page()
{
    if (!page_lines_.isEmpty()) {
        Display->clear();
        page_lines_.clear();
    }
}

void THighscores::retrieve_and_post()
{
    if (page_lines_.isEmpty())
        fetch_page();
    else
        post_scores();
}

void THighscores::fetch_page()
{
    DisplayMemo.clear();
    Display->clear();
    source_display.clear();
    // One request at a time: the button waits until the page came or failed.
    post_button->setEnabled(false);
    const int mode_changes = mode_changes_;
    const PageFetchResult result =
        fetcher_->fetch(regular_mode_ ? internet_.regular_page : internet_.difficult_page);
    post_button->setEnabled(true);
    // Closed while the page was on its way and the mode changed since: the
    // page belongs to the other mode, and the next showing offers the fetch.
    if (mode_changes != mode_changes_)
        return;
    if (!result.succeeded) {
        Display->setPlainText(fetch_failure_lines().join(QLatin1Char('\n')));
        return;
    }
    // Only what this request received; an empty page leaves the fetch on offer.
    source_display = result.page_text;
    if (!source_display.isEmpty())
        evaluate_held_page();
}

void THighscores::post_scores()
{
    assert(name_dialog_ != nullptr && "use_name_dialog() before the first post");
    mail_body_ = score_mail_head(regular_mode_, internet_.version_text, internet_.color_depth());
    QString address;
    QString country;
    ask_address_and_country(address, country);
    mail_body_.append(address);
    mail_body_ += score_entry_lines(web_rows_, post_index_, country);

    // One mail at a time: the button waits until the relay has answered.
    post_button->setEnabled(false);
    const bool accepted =
        smtp_->send(score_mail(address, regular_mode_, mail_body_, internet_.addresses));
    // Told only after the exchange has ended, so no message box waits inside it.
    if (accepted && write_posted_record(posted_record_path(), posted_)) {
        tell(QMessageBox::NoIcon, posted_caption, posted_text);
        return;
    }
    post_button->setEnabled(true);
    tell(QMessageBox::Critical, post_failed_caption, post_failed_text);
}

void THighscores::ask_address_and_country(QString& address, QString& country)
{
    Tname_enter& dialog = *name_dialog_;
    dialog.set_window_height(name_enter_form::full_window_height);
    const QString name = dialog.edit1()->text();
    dialog.edit1()->setText(posting_edit1_filler);
    dialog.edit1()->hide();
    dialog.set_address_and_country_shown(true);
    dialog.setWindowTitle(posting_caption);
    dialog.label1()->setText(posting_label1);
    dialog.label2()->setText(posting_label2);
    dialog.label3()->setText(posting_label3);
    dialog.label4()->setText(posting_label4);
    // What goes into the mail's envelope and lines must be fit for them; the
    // dialog comes back, with what was typed, until it is.
    while (true) {
        dialog.exec();
        address = dialog.edit2()->text().trimmed();
        country = dialog.edit3()->text().trimmed();
        QString problem = address_problem(address);
        if (problem.isEmpty())
            problem = country_problem(country);
        if (problem.isEmpty())
            break;
        tell(QMessageBox::Warning, posting_caption, problem);
    }
    dialog.edit1()->show();
    dialog.edit1()->setText(name);
}

void THighscores::tell(QMessageBox::Icon icon, const QString& caption, const QString& text)
{
    QMessageBox box(icon, caption, text, QMessageBox::Ok, this);
    box.exec();
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
    if (page_lines_.isEmpty())
        offer_fetch();
    else
        evaluate_held_page();
    // After the evaluation, which must see the record as it left it.
    load_posted();
}

void THighscores::show_hall_of_fame()
{
    Memo1->setPlainText(hall_.lines().join(QLatin1Char('\n')));
}

void THighscores::offer_fetch()
{
    post_button->setText(QString::fromLatin1(form::post_button_fetch_caption));
    post_button->setEnabled(true);
}

void THighscores::evaluate_held_page()
{
    post_button->setText(QString::fromLatin1(form::post_button_post_caption));
    post_button->setEnabled(false);
    local_rows_.clear();
    web_rows_.clear();
    local_lines_ = hall_.lines();
    page_lines_ = text_lines(source_display);
    const std::optional<ScoreEvaluation> evaluation =
        evaluate_page(page_lines_, local_lines_, posted_);
    if (!evaluation) {
        // Not a score table (too short, or points that are no numbers): it is
        // dropped, and the button offers to fetch it again.
        page_lines_.clear();
        Display->setPlainText(unreadable_page_text);
        offer_fetch();
        return;
    }
    Display->setPlainText(evaluation->table_lines.join(QLatin1Char('\n')));
    web_rows_ = evaluation->web_rows;
    local_rows_ = evaluation->local_rows;
    post_index_ = evaluation->post_index;
    post_button->setEnabled(evaluation->any_qualifies());
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
