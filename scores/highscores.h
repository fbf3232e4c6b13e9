#pragma once

#include "hall_of_fame.h"

#include <QDialog>
#include <QStringList>

class QFrame;
class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace lumbra {

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
    // The mail exchange has reached its data phase.
    bool saw_data_ = false;
};

}  // namespace lumbra
