#pragma once

#include <QByteArray>
#include <QByteArrayView>

#include <array>
#include <initializer_list>
#include <utility>
#include <vector>

// Which bytes of the code page start a two-byte character. In UTF-8, the program's code page,
// no byte does: "%" and "s" never occur inside a multibyte character there.
class CodePage {
public:
    static const CodePage& Utf8();
    // A double-byte code page whose lead bytes fill the given inclusive ranges.
    static CodePage WithLeadBytes(
        std::initializer_list<std::pair<unsigned char, unsigned char>> ranges);

    bool HasLeadBytes() const { return m_hasLeadBytes; }
    bool IsLeadByte(unsigned char byte) const { return m_lead[byte]; }

private:
    std::array<bool, 256> m_lead{};
    bool m_hasLeadBytes = false;
};

// Position of the first "%s" at or after `from` that starts a character, or -1. The search
// steps one character at a time from `from`, so `from` must be where a character starts.
qsizetype FindMarker(QByteArrayView data, qsizetype from, const CodePage& codePage);

enum class MarkerStatus { Ok, NoFirstMarker, NoSecondMarker };

// A page with its markers replaced, as pieces of the page, title and text to be written one
// after the other; nothing is copied. The pieces point into the caller's buffers.
struct Substitution {
    MarkerStatus status = MarkerStatus::Ok;
    std::vector<QByteArrayView> pieces;

    qsizetype size() const;
    QByteArray joined() const;
};

// The first "%s" of the page takes the title. The second search then runs over the changed
// page from where the title starts, so it finds a "%s" that came with the title, or one made
// of the title's last "%" and an "s" that follows it, before any later marker; that one takes
// the text. Further markers stay. When a marker is missing the status says which, and the
// pieces are the page unchanged.
Substitution PlanSubstitution(QByteArrayView page, QByteArrayView title, QByteArrayView text,
                              const CodePage& codePage = CodePage::Utf8());

// The same substitution, applied to `page` in place.
MarkerStatus SubstituteMarkers(QByteArray& page, QByteArrayView title, QByteArrayView text,
                               const CodePage& codePage = CodePage::Utf8());
