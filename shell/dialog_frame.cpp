#include "dialog_frame.h"

#include <QDialog>
#include <QLabel>
#include <QVBoxLayout>

namespace lumbra {

void add_text_lines(QVBoxLayout& column, std::span<const char* const> lines)
{
    column.setSpacing(2);
    for (const char* line : lines) {
        auto* label = new QLabel(QString::fromLatin1(line), column.parentWidget());
        label->setTextFormat(Qt::PlainText);
        column.addWidget(label);
    }
}

void fix_dialog_size(QDialog& dialog, QSize client_size)
{
    dialog.setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint);
    dialog.setFixedSize(client_size.expandedTo(dialog.sizeHint()));
}

}  // namespace lumbra
