#pragma once

// Answers modal dialogs the way a player would, in order: each expected
// dialog gets its action once it is the active modal window. Any other window
// is left alone, so a dialog that waits in an event loop of its own (for a
// server's reply, say) simply waits until the dialog expected next appears.
// Actions must return soon: one that starts a long wait should queue it.

#include <QApplication>
#include <QTimer>
#include <QWidget>

#include <deque>
#include <functional>

namespace lumbra {

class ModalAnswers {
public:
    ModalAnswers()
    {
        timer_.setInterval(5);
        QObject::connect(&timer_, &QTimer::timeout, [this] { step(); });
        timer_.start();
    }

    template <class Dialog>
    void answer(std::function<void(Dialog&)> action)
    {
        expected_.push_back(Expected{
            [](QWidget* window) { return qobject_cast<Dialog*>(window) != nullptr; },
            [action](QWidget* window) { action(*qobject_cast<Dialog*>(window)); }});
    }

    bool all_answered() const { return expected_.empty(); }

private:
    struct Expected {
        std::function<bool(QWidget*)> matches;
        std::function<void(QWidget*)> act;
    };

    void step()
    {
        QWidget* window = QApplication::activeModalWidget();
        if (expected_.empty() || window == nullptr || !window->isVisible() ||
            !expected_.front().matches(window))
            return;
        const Expected next = expected_.front();
        expected_.pop_front();
        next.act(window);
    }

    QTimer timer_;
    std::deque<Expected> expected_;
};

}  // namespace lumbra
