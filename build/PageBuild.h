#pragma once

#include "build/SubstituteMarkers.h"
#include "services/Errors.h"
#include "services/FileAccess.h"
#include "services/TextFormat.h"

#include <QByteArrayView>
#include <QString>

#include <functional>
#include <memory>

// Reads up to `size` bytes of the template into `into` and gives how many: fewer only at the
// template's end. A read error throws; the count is never negative.
using ReadTemplate = std::function<qint64(char* into, qint64 size)>;
// Takes the next piece of the page.
using WritePage = std::function<void(QByteArrayView piece)>;

inline constexpr qsizetype kTemplateBlockSize = 1 << 20;

// The text as the page receives it: its bytes as they are, or, for a Markdown text, the HTML it
// converts to, handed to the page piece by piece as the converter makes it.
struct PageText {
    template <typename Bytes>
    PageText(const Bytes& bytes, TextFormat format = TextFormat::Html)
        : bytes(bytes), format(format)
    {
    }

    void WriteTo(const WritePage& write) const;

    QByteArrayView bytes;
    TextFormat format;
};

// Makes the page the marker rule of SubstituteMarkers gives, with the template cut at its first
// NUL byte, while reading the template a block at a time: its first marker takes the title,
// and the second search runs from where the title starts, through the title and on into the
// template; the text goes in where that one was, and is never searched. Memory stays the same
// whatever the template's size. When a marker is missing the status says which, and the pieces
// written so far are not the page.
MarkerStatus StreamPage(const ReadTemplate& read, const WritePage& write, QByteArrayView title,
                        const PageText& text, const CodePage& codePage = CodePage::Utf8(),
                        qsizetype blockSize = kTemplateBlockSize);

// Where the page that a project names is written. A project file may come from anywhere, so a
// page outside its folder, by a folder in its name or by a symbolic link, is built only with
// the user's consent. `target` is the file the write replaces; it is what is checked and what
// is written, so that no second look-up can land elsewhere.
struct ProjectPage {
    QString path;
    QString target;
    bool outside = false;

    // "to TARGET", and the link that leads there, for a message.
    QString Where() const;
};
ProjectPage PlaceProjectPage(const QByteArray& name, const QString& projectFolder);

// A page refused because it would replace its own template, its text's file or a project.
// The message says which; the caller adds how its user chooses another page.
class PageInTheWay : public CommandError {
public:
    PageInTheWay(QString message, bool overTemplate)
        : CommandError(std::move(message)), overTemplate(overTemplate)
    {
    }

    bool overTemplate;
};

// Makes a page from a template file into an output file, written whole but not committed:
// the template is opened before the page is touched, and a page that would replace its own
// template, `project` or `textFile` (the file its text was read from; through a link too) is
// refused with PageInTheWay. Throws CommandError (FileError for file trouble) with a message
// for the user; the earlier page then stays as it was. `links` as OutputFile.
std::unique_ptr<OutputFile> PreparePage(InputFile& source, const QString& pagePath,
                                        QByteArrayView title, const PageText& text,
                                        OutputFile::Links links = OutputFile::Links::Follow,
                                        const std::optional<FileId>& project = {},
                                        const std::optional<FileId>& textFile = {});

// PreparePage from the template at `templatePath`, then the page replaces an earlier one once
// it is on the disk.
void BuildPage(const QString& templatePath, const QString& pagePath, QByteArrayView title,
               const PageText& text, OutputFile::Links links = OutputFile::Links::Follow,
               const std::optional<FileId>& project = {});

// PreparePage from a template already read: `templateId` and `templatePath` name it.
std::unique_ptr<OutputFile> PreparePageFrom(QByteArrayView templateBytes, const FileId& templateId,
                                            const QString& templatePath, const QString& pagePath,
                                            QByteArrayView title, const PageText& text,
                                            OutputFile::Links links = OutputFile::Links::Follow,
                                            const std::optional<FileId>& project = {});
