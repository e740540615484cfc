#include "services/Signals.h"

#include <QSocketNotifier>

#include <atomic>
#include <csignal>

#include <fcntl.h>
#include <unistd.h>

namespace {

int signalPipe = -1;

// Lock-free, so that the handler may read them while a thread (a window's recovery copy)
// changes them.
std::atomic<int> filesWriting{0};
std::atomic<int> heldSignal{0};
static_assert(std::atomic<int>::is_always_lock_free);

void HoldOrEnd(int signal)
{
    if (filesWriting.load() == 0) {
        ::signal(signal, SIG_DFL);
        ::raise(signal);
        return;
    }
    heldSignal.store(signal);
}

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

void HoldSignalsWhileWriting()
{
    // No SA_RESTART: a write to a pipe that a reader has stopped reading (2>&1 | less) fails
    // then, and the run goes on to its end, where it would otherwise wait with the signal held.
    // SIGPIPE too: a reader gone (| head) fails the write, and the pages are discarded first.
    struct sigaction action { };
    action.sa_handler = HoldOrEnd;
    ::sigemptyset(&action.sa_mask);
    action.sa_flags = 0;
    for (const int signal : {SIGINT, SIGTERM, SIGHUP, SIGPIPE})
        ::sigaction(signal, &action, nullptr);
}

bool StopRequested()
{
    return heldSignal.load() != 0;
}

void EndIfStopRequested()
{
    if (const int signal = heldSignal.load()) {
        ::signal(signal, SIG_DFL);
        ::raise(signal);
    }
}

void WritingBegins()
{
    ++filesWriting;
}

void WritingEnds()
{
    --filesWriting;
}
