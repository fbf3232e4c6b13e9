#include "tcd_warning1.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "cd_warning_layout.h"
#include "dialog_frame.h"

namespace lumbra {
namespace layout = cd_warning_layout;

Tcd_warning1::Tcd_warning1(QWidget* parent)
    : QDialog(parent), never_again_(new QCheckBox(QString::fromLatin1(layout::never_again_text), this))
{
    setWindowTitle(QString::fromLatin1(layout::caption));
    auto* column = new QVBoxLayout(this);
    add_text_lines(*column, layout::text_lines);
    column->addSpacing(8);
    column->addWidget(never_again_);
    column->addStretch();

    auto* ok = new QPushButton(QString::fromLatin1(layout::ok_text), this);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, [this] { done(QDialog::Accepted); });
    column->addWidget(ok, 0, Qt::AlignHCenter);

    fix_dialog_size(*this, layout::client_size);
}

bool Tcd_warning1::never_warn_again() const
{
    return never_again_->isChecked();
}

}  // namespace lumbra
