#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

namespace lumbra {

// The name-entry dialog: asks for a name for the hall of fame, or (with
// Label3, Label4, Edit2 and Edit3 shown) for an e-mail address and a country
// when scores are posted. The caller sets the caption, the label texts, which
// controls show and the window height, shows it with exec() and reads the
// edits afterwards. Created once; every edit keeps its text from one use to
// the next, so a player's name is offered again.
//
// There is no cancel button: the dialog closes only when every required edit
// holds text ("OK", the close box and Escape alike).
class Tname_enter : public QDialog {
    Q_OBJECT

public:
    // Opens relative to `main_window`, which is also its parent.
    explicit Tname_enter(QWidget* main_window);

    QLabel* label1() const { return Label1; }
    QLabel* label2() const { return Label2; }
    QLabel* label3() const { return Label3; }
    QLabel* label4() const { return Label4; }
    QLineEdit* edit1() const { return Edit1; }
    QLineEdit* edit2() const { return Edit2; }
    QLineEdit* edit3() const { return Edit3; }

    // Shows or hides the second half of the form: Label3, Edit2, Label4, Edit3.
    void set_address_and_country_shown(bool shown);

    // Sets the height of the whole window, title bar and frame included.
    void set_window_height(int window_height);

    // True when the required edits hold text and the dialog may close.
    bool ok_allowed() const { return ok_allowed_; }

    // A close request that the enable rule does not allow is refused.
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;

private slots:
    // The enable rule: with Edit2 hidden only Edit1 is required, otherwise all
    // three edits are. A text of blanks counts as filled.
    void Edit1Change();
    void okbtnClick();

private:
    void FormShow();

    QWidget* main_window_;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;
    QLineEdit* Edit1 = nullptr;
    QLineEdit* Edit2 = nullptr;
    QLineEdit* Edit3 = nullptr;
    QPushButton* okbtn = nullptr;
    bool ok_allowed_ = false;
};

}  // namespace lumbra
