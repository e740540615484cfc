#pragma once

#include <QByteArrayView>
#include <QtEndian>

// A fuzzer's bytes are taken apart into parts that point into them, so that a read past a
// part's end is a read past the buffer, which the sanitizer reports.

// The next `count` bytes, or what is left.
inline QByteArrayView Take(QByteArrayView& rest, qsizetype count)
{
    const QByteArrayView part = rest.first(qMin(count, rest.size()));
    rest = rest.sliced(part.size());
    return part;
}

// A part preceded by its two-byte little-endian length, cut to what is left.
inline QByteArrayView TakePart(QByteArrayView& rest)
{
    const QByteArrayView length = Take(rest, 2);
    return Take(rest, length.size() < 2 ? 0 : qFromLittleEndian<quint16>(length.data()));
}

// Stops the run loudly, so the fuzzer records the input.
#define FUZZ_CHECK(condition) \
    do {                      \
        if (!(condition))     \
            __builtin_trap(); \
    } while (false)
