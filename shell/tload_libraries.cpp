#include "tload_libraries.h"

#include <QDesktopServices>
#include <QHBoxLayout>
#include <QMessageBox>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>

#include "dialog_frame.h"
#include "load_libraries_layout.h"
#include "lumbra_config.h"

namespace lumbra {
namespace layout = load_libraries_layout;

namespace {
constexpr int result_ok = 1;
constexpr int result_cancel = 2;
}  // namespace

Tload_libraries::Tload_libraries(QWidget* parent, std::function<int()> color_depth)
    : QDialog(parent),
      color_depth_(std::move(color_depth)),
      go_on_(new QPushButton(QString::fromLatin1(layout::go_on_text), this)),
      cancel_(new QPushButton(QString::fromLatin1(layout::cancel_text), this))
{
    setWindowTitle(QString::fromLatin1(layout::caption));
    auto* column = new QVBoxLayout(this);
    add_text_lines(*column, layout::text_lines);
    column->addStretch();

    auto* website = new QPushButton(QString::fromLatin1(layout::website_text), this);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(go_on_);
    buttons->addWidget(website);
    buttons->addWidget(cancel_);
    column->addLayout(buttons);

    go_on_->setDefault(true);
    connect(go_on_, &QPushButton::clicked, this, &Tload_libraries::go_onClick);
    connect(website, &QPushButton::clicked, this, &Tload_libraries::websiteClick);
    connect(cancel_, &QPushButton::clicked, this, [this] { done(result_cancel); });

    fix_dialog_size(*this, layout::client_size);
}

void Tload_libraries::go_onClick()
{
    if (color_depth_() > 8) {
        done(result_ok);
        return;
    }
    QMessageBox::critical(this, QString::fromLatin1(layout::depth_too_low_caption),
                          QString::fromLatin1(layout::depth_too_low_text));
    done(result_cancel);
}

void Tload_libraries::websiteClick()
{
    QDesktopServices::openUrl(QUrl(QString::fromLatin1(config::libraries_page)));
}

}  // namespace lumbra
