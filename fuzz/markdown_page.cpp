// A Markdown text through the page build: the page is the template with the title and the
// text's HTML put in by the marker rule, whatever "%s" the HTML holds, and the converter never
// reads outside the text, which ends where the fuzzer's buffer ends.
#include "build/Markdown.h"
#include "build/PageBuild.h"
#include "fuzz/FuzzInput.h"
#include "services/ByteString.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    QByteArrayView rest(reinterpret_cast<const char*>(data), qsizetype(size));
    const QByteArrayView settings = Take(rest, 1);
    const QByteArrayView pageTemplate = TakePart(rest);
    const QByteArrayView title = TakePart(rest);
    const QByteArrayView text = rest;

    QByteArray html;
    WriteMarkdownAsHtml(text, [&html](QByteArrayView piece) { html += piece; });
    QByteArray expected = UpToFirstNul(pageTemplate).toByteArray();
    const MarkerStatus status = SubstituteMarkers(expected, title, html);
    QByteArrayView unread = pageTemplate;
    const auto read = [&unread](char* into, qint64 count) {
        const QByteArrayView part = Take(unread, count);
        return qint64(std::copy_n(part.data(), part.size(), into) - into);
    };
    QByteArray page;
    const auto write = [&page](QByteArrayView piece) { page += piece; };
    const qsizetype block = 1 + (settings.isEmpty() ? 0 : uchar(settings[0]) % 8);
    FUZZ_CHECK(StreamPage(read, write, title, {text, TextFormat::Markdown}, CodePage::Utf8(), block)
               == status);
    FUZZ_CHECK(status != MarkerStatus::Ok || page == expected);
    return 0;
}
