#include "build/Markdown.h"

#include <md4c-html.h>

#include <algorithm>
#include <array>
#include <limits>
#include <new>

namespace {

// md4c hands its output over a few bytes at a time (a tag, a word); they are gathered into
// blocks, so that the page's writer is called once a block rather than for every piece. An
// exception must not unwind through the C library's frames: the first one is kept, and nothing
// more is written after it.
class Sink {
public:
    explicit Sink(const std::function<void(QByteArrayView)>& write) : m_write(write) { }

    static void Take(const MD_CHAR* piece, MD_SIZE size, void* sink)
    {
        static_cast<Sink*>(sink)->Add(QByteArrayView(piece, qsizetype(size)));
    }

    // Writes what is gathered; rethrows the writer's failure.
    void Finish()
    {
        Flush();
        if (m_failed)
            std::rethrow_exception(m_failed);
    }

private:
    void Add(QByteArrayView piece)
    {
        if (m_used + piece.size() > qsizetype(m_block.size()))
            Flush();
        if (piece.size() >= qsizetype(m_block.size())) {
            Pass(piece);
            return;
        }
        std::copy(piece.begin(), piece.end(), m_block.begin() + m_used);
        m_used += piece.size();
    }

    void Flush()
    {
        Pass(QByteArrayView(m_block.data(), m_used));
        m_used = 0;
    }

    void Pass(QByteArrayView bytes)
    {
        if (m_failed || bytes.isEmpty())
            return;
        try {
            m_write(bytes);
        } catch (...) {
            m_failed = std::current_exception();
        }
    }

    const std::function<void(QByteArrayView)>& m_write;
    std::array<char, 1 << 16> m_block;
    qsizetype m_used = 0;
    std::exception_ptr m_failed;
};

}  // namespace

void WriteMarkdownAsHtml(QByteArrayView markdown, const std::function<void(QByteArrayView)>& write)
{
    // md4c counts in 32 bits; a project holds less than 4 GiB, and so does any text it builds.
    if (markdown.size() > qsizetype(std::numeric_limits<MD_SIZE>::max()))
        throw std::bad_alloc();
    Sink sink(write);
    const int status = md_html(markdown.isEmpty() ? "" : markdown.data(), MD_SIZE(markdown.size()),
                               Sink::Take, &sink, MD_DIALECT_GITHUB, MD_HTML_FLAG_SKIP_UTF8_BOM);
    sink.Finish();
    if (status != 0)
        throw std::bad_alloc();  // md4c fails only when an allocation does
}
