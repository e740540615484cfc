#include "build/SubstituteMarkers.h"

#include <cstring>

const CodePage& CodePage::Utf8()
{
    static const CodePage utf8;
    return utf8;
}

CodePage CodePage::WithLeadBytes(
    std::initializer_list<std::pair<unsigned char, unsigned char>> ranges)
{
    CodePage codePage;
    for (const auto& [first, last] : ranges)
        for (int b = first; b <= last; ++b)
            codePage.m_lead[size_t(b)] = codePage.m_hasLeadBytes = true;
    return codePage;
}

qsizetype ScanForMarker(QByteArrayView data, qsizetype& at, const CodePage& codePage)
{
    const char* const begin = data.data();
    const qsizetype size = data.size();
    if (!codePage.HasLeadBytes()) {
        // Every byte starts a character: memchr to each "%", which runs at memory speed.
        while (at + 1 < size) {
            const void* hit = std::memchr(begin + at, '%', size_t(size - at - 1));
            if (!hit) {
                at = size - 1;
                break;
            }
            at = static_cast<const char*>(hit) - begin;
            if (begin[at + 1] == 's')
                return at;
            ++at;
        }
        return -1;
    }
    for (; at + 1 < size; at += codePage.IsLeadByte(uchar(begin[at])) ? 2 : 1) {
        if (begin[at] == '%' && begin[at + 1] == 's')
            return at;
    }
    return -1;
}

qsizetype FindMarker(QByteArrayView data, qsizetype from, const CodePage& codePage)
{
    return ScanForMarker(data, from, codePage);
}

MarkerStatus SubstituteMarkers(QByteArray& page, QByteArrayView title, QByteArrayView text,
                               const CodePage& codePage)
{
    const qsizetype first = FindMarker(page, 0, codePage);
    if (first < 0)
        return MarkerStatus::NoFirstMarker;
    QByteArray changed = page;
    changed.replace(first, 2, title);
    const qsizetype second = FindMarker(changed, first, codePage);
    if (second < 0)
        return MarkerStatus::NoSecondMarker;
    page = changed.replace(second, 2, text);
    return MarkerStatus::Ok;
}
