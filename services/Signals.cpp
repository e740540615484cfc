#include "services/Signals.h"

#include <QSocketNotifier>

#include <csignal>

#include <fcntl.h>
#include <unistd.h>

namespace {

int signalPipe = -1;

void OnSignal(int signal)
{
    const char byte = char(signal);
    [[maybe_unused]] const ssize_t ignored = ::write(signalPipe, &byte, 1);
}

}  // namespace

QSocketNotifier* NotifyOnSignals(std::initializer_list<int> numbers, QObject* parent)
{
    static int readEnd = -1;
    int fds[2];
    if (signalPipe < 0) {
        if (::pipe2(fds, O_CLOEXEC | O_NONBLOCK) != 0)
            return nullptr;
        readEnd = fds[0];
        signalPipe = fds[1];
    }
    struct sigaction action { };
    action.sa_handler = OnSignal;
    ::sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int signal : numbers)
        ::sigaction(signal, &action, nullptr);
    return new QSocketNotifier(readEnd, QSocketNotifier::Read, parent);
}
