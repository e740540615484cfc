#pragma once

#include <QByteArray>
#include <QByteArrayView>

#include <cstddef>
#include <cstdint>

// Splits a fuzzer's bytes into parts: each part but the last is preceded by a two-byte
// little-endian length, cut to what is left.
class FuzzInput {
public:
    FuzzInput(const uint8_t* data, size_t size)
        : m_rest(reinterpret_cast<const char*>(data), qsizetype(size))
    {
    }

    QByteArray TakeByte()
    {
        if (m_rest.isEmpty())
            return {};
        const QByteArray byte = m_rest.first(1).toByteArray();
        m_rest = m_rest.sliced(1);
        return byte;
    }

    QByteArray TakePart()
    {
        qsizetype length = 0;
        if (m_rest.size() >= 2) {
            length = qsizetype(uint8_t(m_rest[0]) | uint8_t(m_rest[1]) << 8);
            m_rest = m_rest.sliced(2);
        }
        length = qMin(length, m_rest.size());
        const QByteArray part = m_rest.first(length).toByteArray();
        m_rest = m_rest.sliced(length);
        return part;
    }

    QByteArray TakeRest()
    {
        const QByteArray rest = m_rest.toByteArray();
        m_rest = {};
        return rest;
    }

private:
    QByteArrayView m_rest;
};

// Stops the run loudly, so the fuzzer records the input.
#define FUZZ_CHECK(condition) \
    do {                      \
        if (!(condition))     \
            __builtin_trap(); \
    } while (false)
