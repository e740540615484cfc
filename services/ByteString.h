#pragma once

#include <QByteArrayView>

#include <cstring>

// A byte string made from file data ends at its first NUL byte.
inline QByteArrayView UpToFirstNul(QByteArrayView bytes)
{
    if (const void* nul = std::memchr(bytes.data(), '\0', size_t(bytes.size())))
        bytes.truncate(static_cast<const char*>(nul) - bytes.data());
    return bytes;
}
