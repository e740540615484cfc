#include "build/Markdown.h"

#include <md4c-html.h>

#include <limits>
#include <new>

void WriteMarkdownAsHtml(QByteArrayView markdown, const std::function<void(QByteArrayView)>& write)
{
    // md4c counts in 32 bits; a project holds less than 4 GiB, and so does any text it builds.
    if (markdown.size() > qsizetype(std::numeric_limits<MD_SIZE>::max()))
        throw std::bad_alloc();
    // An exception must not unwind through the C library's frames: the first one is kept, and
    // nothing more is written after it.
    struct Sink {
        const std::function<void(QByteArrayView)>& write;
        std::exception_ptr failed;
    } sink{write, nullptr};
    const auto take = [](const MD_CHAR* piece, MD_SIZE size, void* data) {
        auto& to = *static_cast<Sink*>(data);
        if (to.failed)
            return;
        try {
            to.write(QByteArrayView(piece, qsizetype(size)));
        } catch (...) {
            to.failed = std::current_exception();
        }
    };
    const int status = md_html(markdown.isEmpty() ? "" : markdown.data(), MD_SIZE(markdown.size()),
                               take, &sink, MD_DIALECT_GITHUB, MD_HTML_FLAG_SKIP_UTF8_BOM);
    if (sink.failed)
        std::rethrow_exception(sink.failed);
    if (status != 0)
        throw std::bad_alloc();  // md4c fails only when an allocation does
}
