#pragma once

#include <QDialog>

class QCheckBox;
class QLabel;
class QPushButton;

namespace lumbra {

// The notice that the last game has been taken over. Its check box turns
// the notice off for every later start; each click on it is reported at
// once through notice_switched().
class Tautosave_notify1 : public QDialog {
    Q_OBJECT

public:
    explicit Tautosave_notify1(QWidget* parent);

signals:
    // `show_again` false: "don't tell me again" is now ticked.
    void notice_switched(bool show_again);

private:
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QCheckBox* CheckBox1 = nullptr;
    QPushButton* Button1 = nullptr;
};

}  // namespace lumbra
