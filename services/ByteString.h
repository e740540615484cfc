#pragma once

#include <QByteArrayView>

#include <cstring>

// A byte string made from file data ends at its first NUL byte.
inline QByteArrayView UpToFirstNul(QByteArrayView bytes)
{
    // An empty view may have no data at all, which memchr must not be given.
    if (bytes.isEmpty())
        return bytes;
    if (const void* nul = std::memchr(bytes.data(), '\0', size_t(bytes.size())))
        bytes.truncate(static_cast<const char*>(nul) - bytes.data());
    return bytes;
}
