#pragma once

#include <QByteArrayView>
#include <QtEndian>

#include <cstdint>

// Splits a fuzzer's bytes into parts that point into them, so that a read past a part's end
// is a read past the buffer, which the sanitizer reports: each part but the last is preceded
// by a two-byte little-endian length, cut to what is left.
class FuzzInput {
public:
    FuzzInput(const uint8_t* data, size_t size)
        : m_rest(reinterpret_cast<const char*>(data), qsizetype(size))
    {
    }

    QByteArrayView Take(qsizetype count)
    {
        const QByteArrayView part = m_rest.first(qMin(count, m_rest.size()));
        m_rest = m_rest.sliced(part.size());
        return part;
    }

    QByteArrayView TakePart()
    {
        const QByteArrayView length = Take(2);
        return Take(length.size() < 2 ? 0 : qFromLittleEndian<quint16>(length.data()));
    }

    QByteArrayView TakeRest() { return Take(m_rest.size()); }

private:
    QByteArrayView m_rest;
};

// Stops the run loudly, so the fuzzer records the input.
#define FUZZ_CHECK(condition) \
    do {                      \
        if (!(condition))     \
            __builtin_trap(); \
    } while (false)
