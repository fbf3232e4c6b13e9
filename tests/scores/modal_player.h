#pragma once

// Plays the player's part at modal dialogs in widget tests: each expected
// dialog, in order, gets its action once it is the active modal window.
// Actions must return soon: one that starts a long wait should queue it.
//
// What happens to any other modal window is the test's choice: by default it
// is noted and hidden, which ends its exec(); with `Others::wait` it is left
// alone, so a dialog that waits in an event loop of its own (for a server's
// reply, say) simply waits until the dialog expected next appears.

#include <QApplication>
#include <QDialog>
#include <QStringList>
#include <QTimer>

#include <deque>
#include <functional>

namespace lumbra {

class ModalPlayer {
public:
    enum class Others { hide, wait };

    explicit ModalPlayer(Others others = Others::hide) : others_(others)
    {
        timer_.setInterval(5);
        QObject::connect(&timer_, &QTimer::timeout, [this] { step(); });
        timer_.start();
    }

    template <class Dialog>
    void expect(std::function<void(Dialog&)> action)
    {
        expected_.push_back([action](QWidget* window) {
            auto* dialog = qobject_cast<Dialog*>(window);
            if (dialog != nullptr)
                action(*dialog);
            return dialog != nullptr;
        });
    }

    bool all_answered() const { return expected_.empty(); }
    const QStringList& unexpected() const { return unexpected_; }

private:
    void step()
    {
        QWidget* window = QApplication::activeModalWidget();
        if (window == nullptr || !window->isVisible())
            return;
        if (!expected_.empty() && expected_.front()(window)) {
            expected_.pop_front();
            return;
        }
        if (others_ == Others::wait)
            return;
        unexpected_.append(window->objectName());
        window->hide();
    }

    Others others_;
    QTimer timer_;
    std::deque<std::function<bool(QWidget*)>> expected_;
    QStringList unexpected_;
};

}  // namespace lumbra
