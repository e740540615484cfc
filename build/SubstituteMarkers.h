#pragma once

#include <QByteArray>
#include <QByteArrayView>

#include <array>
#include <initializer_list>
#include <utility>

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

// Looks for the first "%s" at or after `at` that starts a character, stepping one character
// at a time, so `at` must be where a character starts. Gives its position, or -1 and leaves
// `at` at the first character not looked at: the last byte (which may start a marker with a
// byte that follows the data) or the end of the data.
qsizetype ScanForMarker(QByteArrayView data, qsizetype& at, const CodePage& codePage);

// Position of the first "%s" at or after `from` that starts a character, or -1.
qsizetype FindMarker(QByteArrayView data, qsizetype from, const CodePage& codePage);

enum class MarkerStatus { Ok, NoFirstMarker, NoSecondMarker };

// The rule, on a whole page in memory: the first "%s" of the page takes the title. The second
// search then runs over the changed page from where the title starts, so it finds a "%s" that
// came with the title, or one made of the title's last "%" and an "s" that follows it, before
// any later marker; that one takes the text. Further markers stay. When a marker is missing
// the status says which, and the page is left as it was.
MarkerStatus SubstituteMarkers(QByteArray& page, QByteArrayView title, QByteArrayView text,
                               const CodePage& codePage = CodePage::Utf8());
