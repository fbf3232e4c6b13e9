#include "lumbra_application.h"

#include <QMessageBox>

#include <exception>

#include "main_window_layout.h"

namespace lumbra {
namespace {

void show_error(const QString& message)
{
    QMessageBox::critical(QApplication::activeWindow(),
                          QString::fromLatin1(main_window_layout::application_title), message);
}

}  // namespace

LumbraApplication::LumbraApplication(int& argc, char** argv) : QApplication(argc, argv)
{
    // The names the per-user folders are made of: "posted.txt" and the
    // fetched page go to .../Hollowick/lumbra, beside the settings. No
    // display name: it would be added to every window's caption.
    setOrganizationName(QString::fromLatin1(main_window_layout::organisation));
    setApplicationName(QString::fromLatin1(main_window_layout::program_folder));
}

bool LumbraApplication::notify(QObject* receiver, QEvent* event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& error) {
        show_error(QString::fromUtf8(error.what()));
    } catch (...) {
        show_error(QStringLiteral("An unexpected error occurred."));
    }
    return false;
}

}  // namespace lumbra
