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

qsizetype FindMarker(QByteArrayView data, qsizetype from, const CodePage& codePage)
{
    const char* const begin = data.data();
    const qsizetype size = data.size();
    if (!codePage.HasLeadBytes()) {
        // Every byte starts a character: memchr to each "%", which runs at memory speed.
        qsizetype at = from;
        while (at + 1 < size) {
            const void* hit = std::memchr(begin + at, '%', size_t(size - at - 1));
            if (!hit)
                return -1;
            at = static_cast<const char*>(hit) - begin;
            if (begin[at + 1] == 's')
                return at;
            ++at;
        }
        return -1;
    }
    for (qsizetype at = from; at + 1 < size;) {
        const auto byte = static_cast<unsigned char>(begin[at]);
        if (byte == '%' && begin[at + 1] == 's')
            return at;
        at += codePage.IsLeadByte(byte) ? 2 : 1;
    }
    return -1;
}

namespace {

// The pieces with `length` bytes at `position` replaced by `insert`; the range may span pieces.
std::vector<QByteArrayView> Splice(const std::vector<QByteArrayView>& pieces, qsizetype position,
                                   qsizetype length, QByteArrayView insert)
{
    std::vector<QByteArrayView> out;
    out.reserve(pieces.size() + 2);
    const auto keep = [&out](QByteArrayView piece) {
        if (!piece.isEmpty())
            out.push_back(piece);
    };
    qsizetype offset = 0;
    bool inserted = false;
    for (const QByteArrayView piece : pieces) {
        const qsizetype end = offset + piece.size();
        const qsizetype cutFrom = std::clamp(position - offset, qsizetype(0), piece.size());
        const qsizetype cutTo = std::clamp(position + length - offset, qsizetype(0), piece.size());
        keep(piece.first(cutFrom));
        if (!inserted && position <= end) {
            keep(insert);
            inserted = true;
        }
        keep(piece.sliced(cutTo));
        offset = end;
    }
    return out;
}

// The second marker's offset from where the title starts in the changed page, which is the
// title followed by `tail`, the page after the first marker; -1 when there is none. The title
// is stepped through a character at a time, as its last character may reach into the tail.
qsizetype FindSecondMarker(QByteArrayView title, QByteArrayView tail, const CodePage& codePage)
{
    const qsizetype titleSize = title.size();
    const auto byteAt = [&](qsizetype i) -> unsigned char {
        if (i < titleSize)
            return static_cast<unsigned char>(title[i]);
        return i - titleSize < tail.size() ? static_cast<unsigned char>(tail[i - titleSize]) : 0;
    };
    qsizetype at = 0;
    while (at < titleSize) {
        const unsigned char byte = byteAt(at);
        if (byte == '%' && byteAt(at + 1) == 's')
            return at;
        at += codePage.IsLeadByte(byte) ? 2 : 1;
    }
    const qsizetype inTail = FindMarker(tail, at - titleSize, codePage);
    return inTail < 0 ? -1 : titleSize + inTail;
}

}  // namespace

qsizetype Substitution::size() const
{
    qsizetype total = 0;
    for (const QByteArrayView piece : pieces)
        total += piece.size();
    return total;
}

QByteArray Substitution::joined() const
{
    QByteArray out;
    out.reserve(size());
    for (const QByteArrayView piece : pieces)
        out.append(piece);
    return out;
}

Substitution PlanSubstitution(QByteArrayView page, QByteArrayView title, QByteArrayView text,
                              const CodePage& codePage)
{
    const std::vector<QByteArrayView> unchanged{page};
    const qsizetype first = FindMarker(page, 0, codePage);
    if (first < 0)
        return {MarkerStatus::NoFirstMarker, unchanged};
    const qsizetype second = FindSecondMarker(title, page.sliced(first + 2), codePage);
    if (second < 0)
        return {MarkerStatus::NoSecondMarker, unchanged};
    const std::vector<QByteArrayView> withTitle = Splice(unchanged, first, 2, title);
    return {MarkerStatus::Ok, Splice(withTitle, first + second, 2, text)};
}

MarkerStatus SubstituteMarkers(QByteArray& page, QByteArrayView title, QByteArrayView text,
                               const CodePage& codePage)
{
    const Substitution substitution = PlanSubstitution(page, title, text, codePage);
    if (substitution.status == MarkerStatus::Ok)
        page = substitution.joined();
    return substitution.status;
}
