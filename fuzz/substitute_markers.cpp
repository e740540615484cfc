// The page build, which streams the template in blocks, against SubstituteMarkers, the rule
// stated on a whole page in memory. Blocks of a few bytes put markers, lead bytes of a
// double-byte code page and NUL bytes on the blocks' edges.
#include "build/PageBuild.h"
#include "fuzz/FuzzInput.h"
#include "services/ByteString.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const CodePage doubleByte = CodePage::WithLeadBytes({{0x81, 0x9f}, {0xe0, 0xfc}});
    QByteArrayView rest(reinterpret_cast<const char*>(data), qsizetype(size));
    const QByteArrayView settings = Take(rest, 1);
    const uchar setting = settings.isEmpty() ? 0 : uchar(settings[0]);
    const CodePage& codePage = setting & 1 ? doubleByte : CodePage::Utf8();
    const QByteArrayView title = TakePart(rest);
    const QByteArrayView text = TakePart(rest);

    QByteArray expected = UpToFirstNul(rest).toByteArray();
    const MarkerStatus status = SubstituteMarkers(expected, title, text, codePage);
    QByteArray page;
    const auto read = [&rest](char* into, qint64 size) {
        const QByteArrayView part = Take(rest, size);
        return qint64(std::copy_n(part.data(), part.size(), into) - into);
    };
    const auto write = [&page](QByteArrayView piece) { page += piece; };
    FUZZ_CHECK(StreamPage(read, write, title, text, codePage, 1 + (setting >> 1) % 8) == status);
    FUZZ_CHECK(status != MarkerStatus::Ok || page == expected);
    return 0;
}
