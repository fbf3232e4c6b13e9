#pragma once

#include <QApplication>

namespace lumbra {

// The application object. An exception that escapes any event handler is
// shown to the player in a message box, and the program goes on.
class LumbraApplication : public QApplication {
    Q_OBJECT

public:
    LumbraApplication(int& argc, char** argv);

    bool notify(QObject* receiver, QEvent* event) override;
};

}  // namespace lumbra
