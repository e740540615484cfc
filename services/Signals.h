#pragma once

#include <QObject>

#include <initializer_list>

class QSocketNotifier;

// Turns the signals into an event of the event loop: the handler only writes a byte, the
// signal's number, to a pipe, and the notifier, owned by `parent`, is activated when the loop
// sees it there, so that whatever follows a signal runs as ordinary code.
QSocketNotifier* NotifyOnSignals(std::initializer_list<int> numbers, QObject* parent);

// A run without the window (--build, --output, --init): SIGINT, SIGTERM, SIGHUP and SIGPIPE
// end the program at once while no file is being written, as they always would. While one is,
// the signal is held: the write fails, the run stops before the next file, and each temporary
// file is removed before EndIfStopRequested ends the program by the signal. So Ctrl-C never
// leaves a temporary file beside a page, nor a page half replaced.
void HoldSignalsWhileWriting();
// A held signal has come.
bool StopRequested();
// Ends the program by the held signal, if one came, as the signal would have ended it.
void EndIfStopRequested();
// OutputFile's temporary files: counted from just before one is made until it is gone.
void WritingBegins();
void WritingEnds();
