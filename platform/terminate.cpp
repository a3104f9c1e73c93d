#include "platform/terminate.h"

#include <QApplication>
#include <QDialog>
#include <QPointer>
#include <QSocketNotifier>
#include <QWidget>
#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace platform {

namespace {

int signalPipe[2] = {-1, -1};
QPointer<QSocketNotifier> notifier;
QPointer<QWidget> target;
bool requested = false;

void onSignal(int /*signal*/)
{
    const char byte = 1;
    // Nothing else is safe in a signal handler; a full pipe already holds a byte.
    [[maybe_unused]] const ssize_t written = ::write(signalPipe[0], &byte, 1);
}

}  // namespace

void catchTerminate()
{
    if (signalPipe[0] >= 0 || ::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, signalPipe) != 0) {
        return;
    }
    struct sigaction action = {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int sig : {SIGTERM, SIGINT, SIGHUP}) {
        ::sigaction(sig, &action, nullptr);
    }
}

void watchTerminate()
{
    catchTerminate();
    if (signalPipe[1] < 0 || notifier != nullptr || QCoreApplication::instance() == nullptr) {
        return;
    }
    notifier = new QSocketNotifier(signalPipe[1], QSocketNotifier::Read, QCoreApplication::instance());
    QObject::connect(notifier, &QSocketNotifier::activated, notifier, [] {
        char byte = 0;
        [[maybe_unused]] const ssize_t got = ::read(signalPipe[1], &byte, 1);
        notifier->setEnabled(false);
        requested = true;
        // A box waiting for its answer goes first: its own event loop is
        // the one running, and the window behind it cannot close until it
        // returns. Every box open is dismissed, the innermost first.
        while (QWidget* modal = QApplication::activeModalWidget()) {
            if (auto* dialog = qobject_cast<QDialog*>(modal)) {
                dialog->done(QDialog::Rejected);
            } else {
                modal->close();
            }
            if (QApplication::activeModalWidget() == modal) {
                break;  // would not go: leave it rather than spin
            }
        }
        if (target) {
            // Queued: when the signal ended a box inside the window's own
            // start-up, the window closes once its event loop runs.
            QMetaObject::invokeMethod(target, &QWidget::close, Qt::QueuedConnection);
        }
    });
}

void closeOnTerminate(QWidget* window)
{
    watchTerminate();
    target = window;
    if (requested && target) {
        QMetaObject::invokeMethod(target, &QWidget::close, Qt::QueuedConnection);
    }
}

bool terminateRequested()
{
    return requested;
}

}  // namespace platform
