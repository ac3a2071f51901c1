#pragma once
// Acts on the next modal window once it is on screen, and always closes it
// afterwards: a check that fails inside the action ends the action, never the
// test's wait, so the test fails instead of hanging until its time-out.

#include <QApplication>
#include <QDialog>
#include <QString>
#include <QWidget>

#include <functional>
#include <memory>

struct ModalSeen {
    bool seen = false;  // a modal window of the expected type was acted on
    QString unexpected; // the class of another modal window, closed unseen
};

namespace ModalDriver {
// Watches for the next modal window (polling the event loop that shows it,
// for at most timeoutMs); act gets it when it is the expected type.
std::shared_ptr<ModalSeen> next(const std::function<bool(QWidget *)> &isExpected,
                                const std::function<void(QWidget *)> &act, int timeoutMs = 10000);
// Closes a window the way its own Cancel would.
void close(QWidget *window);
}

// next<W>(act): the next modal window must be a W.
template <typename W>
std::shared_ptr<ModalSeen> onNextModal(const std::function<void(W *)> &act, int timeoutMs = 10000)
{
    return ModalDriver::next([](QWidget *w) { return qobject_cast<W *>(w) != nullptr; },
                             [act](QWidget *w) { act(qobject_cast<W *>(w)); }, timeoutMs);
}

// Schedules act on the next modal W, runs open (the click that shows it) and
// tells whether the window came and was acted on.
template <typename W>
bool whileModal(const std::function<void()> &open, const std::function<void(W *)> &act)
{
    const auto seen = onNextModal<W>(act);
    open();
    return seen->seen;
}
