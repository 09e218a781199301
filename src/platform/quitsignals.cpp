#include "quitsignals.h"

#include <QSocketNotifier>

#ifdef Q_OS_UNIX
#include <csignal>
#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {
// A signal handler may only write to a descriptor; the event loop reads the other end.
int wakeFds[2] = {-1, -1};
constexpr int kSignals[] = {SIGTERM, SIGINT, SIGHUP};

void onSignal(int number) {
    const unsigned char byte = static_cast<unsigned char>(number);
    const auto ignored = ::write(wakeFds[0], &byte, 1);
    (void)ignored; // a full pipe already holds a request to quit
}
} // namespace

QuitSignals::QuitSignals(QObject* parent) : QObject(parent) {
    if (wakeFds[0] >= 0 || ::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, wakeFds) != 0) return;
    ::fcntl(wakeFds[0], F_SETFL, O_NONBLOCK);
    notifier_ = new QSocketNotifier(wakeFds[1], QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &QuitSignals::readSignal);
    struct sigaction action {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int s : kSignals)
        ::sigaction(s, &action, nullptr);
}

QuitSignals::~QuitSignals() {
    if (!notifier_) return;
    struct sigaction action {};
    action.sa_handler = SIG_DFL;
    sigemptyset(&action.sa_mask);
    for (int s : kSignals)
        ::sigaction(s, &action, nullptr);
    delete notifier_;
    ::close(wakeFds[0]);
    ::close(wakeFds[1]);
    wakeFds[0] = wakeFds[1] = -1;
}

void QuitSignals::readSignal() {
    unsigned char byte = 0;
    if (::read(wakeFds[1], &byte, 1) == 1) emit quitRequested(byte);
}

#else

QuitSignals::QuitSignals(QObject* parent) : QObject(parent) {}
QuitSignals::~QuitSignals() = default;
void QuitSignals::readSignal() {}

#endif
