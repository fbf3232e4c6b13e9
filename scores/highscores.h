#pragma once

#include "hall_of_fame.h"
#include "internet_settings.h"
#include "score.h"
#include "score_page.h"

#include <QDialog>
#include <QList>
#include <QMessageBox>
#include <QStringList>

#include <array>

class QFrame;
class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace lumbra {

class ScorePageFetcher;
class SmtpClient;
class Tname_enter;

// The high-score dialog: the local hall of fame of the mode being played on
// the left, the internet high scores of that mode on the right, and one button
// that first fetches the internet page and then posts the player's qualifying
// entries. Created once at start-up, hidden; it owns the hall of fame and
// keeps the fetched page and the posted record between showings.
class THighscores : public QDialog {
    Q_OBJECT

public:
    // Opens relative to `main_window`, which is also its parent. Loads the
    // stored hall of fame at once.
    explicit THighscores(QWidget* main_window);

    HallOfFame& hall_of_fame() { return hall_; }
    const HallOfFame& hall_of_fame() const { return hall_; }

    // Shows the dialog modally for the mode being played; returns the modal
    // result when it is closed.
    int show_for_mode(bool regular_mode);
    bool regular_mode() const { return regular_mode_; }

    // The player changed the game mode: the two halls of fame change places,
    // and a held page, which belongs to the other mode, is dropped so that the
    // next showing offers to fetch the page of the new mode.
    void game_mode_changed();

    // Drops a held page (and clears the internet list showing it), so that a
    // dialog shown while the old game ends no longer offers the old mode's page.
    void drop_internet_page();

    // The dialog that asks for the e-mail address and the country when scores
    // are posted: the name-entry dialog of the hall of fame, which keeps what
    // was typed from one use to the next. Needed before the first post.
    void use_name_dialog(Tname_enter* name_dialog) { name_dialog_ = name_dialog; }

    // The score pages, the relay, the addresses and what a score mail
    // reports; the built-in ones unless set.
    void set_internet_settings(const InternetSettings& settings);

    // The protocol trace of the last fetch and of the mails since, never shown.
    const QStringList& protocol_log() const { return DisplayMemo; }

    // The lines of the fetched page; empty while no page is held.
    const QStringList& page_lines() const { return page_lines_; }
    // The entries already posted, as "points name".
    const QStringList& posted() const { return posted_; }

public slots:
    // Fetches the internet page while none is held, otherwise posts the
    // qualifying entries.
    void retrieve_and_post();

protected:
    void showEvent(QShowEvent* event) override;

private slots:
    void okbtnClick();

private:
    void FormShow();
    void show_hall_of_fame();
    // Evaluates the held page against the hall of fame: rebuilds the internet
    // list and sets up post_button for posting.
    void evaluate_held_page();
    void load_posted();
    void offer_fetch();
    void fetch_page();
    void post_scores();
    // Asks for the e-mail address and the country until both can go into a
    // mail; the player cannot back out.
    void ask_address_and_country(QString& address, QString& country);
    void tell(QMessageBox::Icon icon, const QString& caption, const QString& text);

    QWidget* main_window_;
    HallOfFame hall_;
    bool regular_mode_ = true;

    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QFrame* Panel1 = nullptr;
    QPlainTextEdit* Memo1 = nullptr;
    QPushButton* okbtn = nullptr;
    QPushButton* post_button = nullptr;
    QFrame* Panel2 = nullptr;
    QPlainTextEdit* Display = nullptr;

    // The protocol trace of the fetch and the mail, never shown.
    QStringList DisplayMemo;
    // The text of the fetched page.
    QString source_display;
    QStringList page_lines_;
    QStringList posted_;
    // The mail exchange has reached its data phase: the relay asked for the
    // mail itself.
    bool saw_data_ = false;

    // What the evaluation of the held page worked with and found.
    QStringList local_lines_;
    QList<score> web_rows_;
    QList<score> local_rows_;
    std::array<int, score_table_rows> post_index_{};
    QStringList mail_body_;

    Tname_enter* name_dialog_ = nullptr;
    InternetSettings internet_ = InternetSettings::built_in();
    ScorePageFetcher* fetcher_ = nullptr;
    SmtpClient* smtp_ = nullptr;
    // Counts the game-mode changes, so a page that arrives after one is not
    // taken for the new mode's.
    int mode_changes_ = 0;
};

}  // namespace lumbra
