#pragma once

#include <QObject>

#include <initializer_list>

class QSocketNotifier;

// Turns the signals into an event of the event loop: the handler only writes a byte, the
// signal's number, to a pipe, and the notifier, owned by `parent`, is activated when the loop
// sees it there, so that whatever follows a signal runs as ordinary code.
QSocketNotifier* NotifyOnSignals(std::initializer_list<int> numbers, QObject* parent);
