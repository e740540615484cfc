#include "build/PageBuild.h"

#include "build/Markdown.h"
#include "project/ProjectFile.h"
#include "services/Errors.h"
#include "services/FileAccess.h"

#include <QCoreApplication>
#include <QDir>

#include <cstring>

namespace {

// The template as a stream that ends at its first NUL byte or at the end of the file, read
// into one buffer that is reused block after block.
class TemplateStream {
public:
    TemplateStream(const ReadTemplate& read, qsizetype blockSize)
        : m_read(read), m_buffer(qMax<qsizetype>(blockSize, 2), Qt::Uninitialized)
    {
    }

    // The bytes not yet taken; at least `count` of them unless the template ends first.
    QByteArrayView Peek(qsizetype count)
    {
        if (m_end - m_at < count && !m_ended) {
            char* const buffer = m_buffer.data();
            std::memmove(buffer, buffer + m_at, size_t(m_end - m_at));
            m_end -= m_at;
            m_at = 0;
            while (m_end < count && !m_ended) {
                const qint64 wanted = m_buffer.size() - m_end;
                qint64 got = m_read(buffer + m_end, wanted);
                if (const void* nul = std::memchr(buffer + m_end, '\0', size_t(got)))
                    got = static_cast<const char*>(nul) - (buffer + m_end);
                // A NUL or a short read is the end: either leaves fewer bytes than wanted, and
                // the reader fills the buffer while there is more.
                m_ended = got < wanted;
                m_end += got;
            }
        }
        return QByteArrayView(m_buffer).sliced(m_at, m_end - m_at);
    }

    void Take(qsizetype count) { m_at += count; }

private:
    const ReadTemplate& m_read;
    QByteArray m_buffer;
    qsizetype m_at = 0;
    qsizetype m_end = 0;
    bool m_ended = false;
};

// Copies the stream to the page up to its next marker, which is taken but not copied; false
// when the stream ends first. `from` is 1 when the stream's first byte ends a character.
bool CopyToMarker(TemplateStream& in, const WritePage& write, const CodePage& codePage,
                  qsizetype from)
{
    for (QByteArrayView bytes = in.Peek(2); bytes.size() >= 2; bytes = in.Peek(2)) {
        qsizetype at = from;
        const qsizetype marker = ScanForMarker(bytes, at, codePage);
        // Copied up to the marker, or up to a last byte that may begin one with the next block.
        const qsizetype copied = marker >= 0 ? marker : qMin(at, bytes.size());
        write(bytes.first(copied));
        in.Take(marker >= 0 ? copied + 2 : copied);
        if (marker >= 0)
            return true;
        from = 0;
    }
    write(in.Peek(2));
    in.Take(in.Peek(2).size());
    return false;
}

void CopyRest(TemplateStream& in, const WritePage& write)
{
    for (QByteArrayView bytes = in.Peek(1); !bytes.isEmpty(); bytes = in.Peek(1)) {
        write(bytes);
        in.Take(bytes.size());
    }
}

}  // namespace

void PageText::WriteTo(const WritePage& write) const
{
    if (format == TextFormat::Markdown)
        WriteMarkdownAsHtml(bytes, write);
    else
        write(bytes);
}

MarkerStatus StreamPage(const ReadTemplate& read, const WritePage& write, QByteArrayView title,
                        const PageText& text, const CodePage& codePage, qsizetype blockSize)
{
    TemplateStream in(read, blockSize);
    if (!CopyToMarker(in, write, codePage, 0))
        return MarkerStatus::NoFirstMarker;
    // The second search starts where the title starts, a character at a time; the title's
    // last "%" may meet the template's next "s", and its last lead byte the template's next byte.
    qsizetype at = 0;
    for (; at < title.size(); at += codePage.IsLeadByte(uchar(title[at])) ? 2 : 1) {
        const QByteArrayView after = title.size() > at + 1 ? title.sliced(at + 1) : in.Peek(1);
        if (title[at] != '%' || after.isEmpty() || after[0] != 's')
            continue;
        write(title.first(at));
        text.WriteTo(write);
        if (at + 1 < title.size())
            write(title.sliced(at + 2));
        else
            in.Take(1);
        CopyRest(in, write);
        return MarkerStatus::Ok;
    }
    write(title);
    if (!CopyToMarker(in, write, codePage, at - title.size()))
        return MarkerStatus::NoSecondMarker;
    text.WriteTo(write);
    CopyRest(in, write);
    return MarkerStatus::Ok;
}

ProjectPage PlaceProjectPage(const QByteArray& name, const QString& projectFolder)
{
    ProjectPage page;
    page.path = ResolveFileName(name, projectFolder);
    page.target = WriteTarget(page.path);
    // A page that is no link lies where its name says; only a link needs its folders followed.
    page.outside = HasFolderPart(name)
        || (page.target != page.path && !IsInFolder(page.target, projectFolder));
    return page;
}

QString ProjectPage::Where() const
{
    QString where =  //: Where a page is written, after "outside the project's folder,".
        QCoreApplication::translate("PageBuild", "to\n%1").arg(QDir::toNativeSeparators(target));
    if (target != path)
        where += QCoreApplication::translate("PageBuild", "\nthrough the link %1")
                     .arg(QDir::toNativeSeparators(path));
    return where;
}

namespace {

void CheckPageName(const QString& pagePath)
{
    if (pagePath.isEmpty())
        throw FileError::NoFileChosen();
}

// Streams the page from `read` into a new output file, written whole but not committed.
std::unique_ptr<OutputFile> MakePage(const ReadTemplate& read, const FileId& templateId,
                                     const QString& templatePath, const QString& pagePath,
                                     QByteArrayView title, const PageText& text,
                                     OutputFile::Links links, const std::optional<FileId>& project,
                                     const std::optional<FileId>& textFile)
{
    auto output = std::make_unique<OutputFile>(pagePath, links);
    // The file the page would replace is known only now, links followed; the output's
    // temporary file goes with it when refused. A page replaces neither its template, nor the
    // file its text came from (-o notes.txt --text notes.txt), nor any project (one that another
    // project names as its page would be lost).
    const bool overTemplate = output->Replaces(templateId);
    QString replaced;
    if (overTemplate)
        replaced = QCoreApplication::translate("PageBuild", "its own template");
    else if (textFile && output->Replaces(*textFile))
        replaced = QCoreApplication::translate("PageBuild", "the file its text is read from");
    else if (project && output->Replaces(*project))
        replaced = QCoreApplication::translate("PageBuild", "the project it is built from");
    else if (output->Replaced() && HoldsProject(output->path()))
        replaced = QCoreApplication::translate("PageBuild", "a Wendle project");
    if (!replaced.isEmpty())
        //: %2 is one of "its own template", "the file its text is read from", "the project it
        //: is built from", "a Wendle project".
        throw PageInTheWay(QCoreApplication::translate(
                               "PageBuild", "The page %1 would replace %2. Nothing was written.")
                               .arg(QDir::toNativeSeparators(pagePath), replaced),
                           overTemplate);
    // Small pieces (the title, the text, the template around them) are gathered into one write,
    // for every write is a system call; whole blocks of the template go straight through.
    QByteArray pending;
    const auto write = [&output, &pending](QByteArrayView piece) {
        if (piece.size() < kTemplateBlockSize / 2
            && pending.size() + piece.size() <= kTemplateBlockSize) {
            pending += piece;
            return;
        }
        if (!pending.isEmpty())
            output->Write(std::exchange(pending, {}));
        output->Write(piece);
    };
    const MarkerStatus status = StreamPage(read, write, title, text);
    if (status != MarkerStatus::Ok) {
        // The page is dropped with `output`, unwritten; the earlier page stays.
        const QString which = status == MarkerStatus::NoFirstMarker
            ? QCoreApplication::translate("PageBuild", "the title (the first \"%s\")")
            : QCoreApplication::translate("PageBuild", "the text (the second \"%s\")");
        //: %2 is "the title (the first "%s")" or "the text (...)"; the template holds "%s" as
        //: typed.
        throw CommandError(
            QCoreApplication::translate(
                "PageBuild", "The template %1 has no marker for %2. Nothing was written.")
                .arg(QDir::toNativeSeparators(templatePath), which));
    }
    if (!pending.isEmpty())
        output->Write(pending);
    return output;
}

}  // namespace

std::unique_ptr<OutputFile> PreparePage(InputFile& source, const QString& pagePath,
                                        QByteArrayView title, const PageText& text,
                                        OutputFile::Links links,
                                        const std::optional<FileId>& project,
                                        const std::optional<FileId>& textFile)
{
    CheckPageName(pagePath);
    return MakePage([&source](char* into, qint64 size) { return source.Read(into, size); },
                    source.Id(), source.path(), pagePath, title, text, links, project, textFile);
}

void BuildPage(const QString& templatePath, const QString& pagePath, QByteArrayView title,
               const PageText& text, OutputFile::Links links, const std::optional<FileId>& project)
{
    CheckPageName(pagePath);
    if (templatePath.isEmpty())
        throw CommandError(
            //: "Template" is the caption of the window's button.
            QCoreApplication::translate(
                "PageBuild", "No template has been chosen. Choose one with the Template button."));
    InputFile source(templatePath);
    PreparePage(source, pagePath, title, text, links, project)->Commit();
}

std::unique_ptr<OutputFile> PreparePageFrom(QByteArrayView templateBytes, const FileId& templateId,
                                            const QString& templatePath, const QString& pagePath,
                                            QByteArrayView title, const PageText& text,
                                            OutputFile::Links links,
                                            const std::optional<FileId>& project)
{
    CheckPageName(pagePath);
    const auto read = [&templateBytes](char* into, qint64 size) {
        const qsizetype count = qMin(templateBytes.size(), qsizetype(size));
        std::copy_n(templateBytes.data(), count, into);
        templateBytes = templateBytes.sliced(count);
        return qint64(count);
    };
    return MakePage(read, templateId, templatePath, pagePath, title, text, links, project, {});
}
