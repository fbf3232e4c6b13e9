#pragma once

#include <QDialog>

class QCheckBox;

namespace lumbra {

// The warning shown at start-up on a screen of 256 colours or fewer, with
// its "Never warn me again" check box.
class Tcd_warning1 : public QDialog {
    Q_OBJECT

public:
    explicit Tcd_warning1(QWidget* parent);

    bool never_warn_again() const;
    QCheckBox& never_again_box() const { return *never_again_; }

private:
    QCheckBox* never_again_;
};

}  // namespace lumbra
