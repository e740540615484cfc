#include "build/OnePage.h"

#include "build/BatchBuild.h"
#include "build/PageBuild.h"
#include "project/ProjectFile.h"
#include "services/Errors.h"
#include "services/FileAccess.h"
#include "services/ProfileStore.h"
#include "services/WindowText.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <csignal>
#include <cstdio>

#include <unistd.h>

namespace {

// The longest text a project can hold (see ProjectFits), from a file or standard input alike.
constexpr qint64 kMaxText = InputFile::kMaxFileRead - kProjectHeaderSize;

// All of standard input, which may never end (yes |, < /dev/zero): refused past what a project
// can hold.
QByteArray ReadStandardInput()
{
    try {
        if (std::optional<QByteArray> bytes = ReadToEnd(STDIN_FILENO, 0, kMaxText))
            return *std::move(bytes);
    } catch (const std::system_error& error) {
        throw CommandError(QCoreApplication::translate("OnePage", "Cannot read standard input: %1.")
                               .arg(qt_error_string(error.code().value())));
    } catch (const std::bad_alloc&) {
        throw CommandError(QCoreApplication::translate(
            "OnePage",
            "Standard input does not fit in the memory Wendle may use. Nothing was written."));
    }
    //: %1 is a count of bytes.
    throw CommandError(QCoreApplication::translate("OnePage",
                                                   "Standard input holds more than %1 bytes, "
                                                   "more than a project can hold. Nothing was "
                                                   "written.")
                           .arg(kMaxText));
}

void WriteStandardOutput(QByteArrayView piece)
{
    if (piece.isEmpty())
        return;  // an empty view may have no data for fwrite
    if (std::fwrite(piece.data(), 1, size_t(piece.size()), stdout) != size_t(piece.size()))
        throw CommandError(
            QCoreApplication::translate("OnePage", "Cannot write to standard output: %1.")
                .arg(qt_error_string(errno)));
}

// The page streamed to standard output, block by block, as a page file is written.
void StreamToStandardOutput(InputFile& input, QByteArrayView title, const PageText& text)
{
    const MarkerStatus status =
        StreamPage([&input](char* into, qint64 size) { return input.Read(into, size); },
                   WriteStandardOutput, title, text);
    if (status != MarkerStatus::Ok)
        throw CommandError((status == MarkerStatus::NoFirstMarker
                                ? QCoreApplication::translate(
                                    "OnePage",
                                    "The template %1 has no marker for the title; the page "
                                    "written so far is incomplete.")
                                : QCoreApplication::translate(
                                    "OnePage",
                                    "The template %1 has no marker for the text; the page "
                                    "written so far is incomplete."))
                               .arg(input.path()));
    if (std::fflush(stdout) != 0)
        throw CommandError(
            QCoreApplication::translate("OnePage", "Cannot write to standard output: %1.")
                .arg(qt_error_string(errno)));
}

// The project --save writes, checked before anything is written: it replaces only a Wendle
// project, never the template or the page, and names a page that --build takes as it is.
struct SavedProject {
    std::unique_ptr<OutputFile> file;
    QByteArray pageName;
};

SavedProject PrepareProject(const QString& path, const InputFile& source, const QString& pagePath)
{
    const QDir folder = QFileInfo(path).dir();
    // The page is named as seen from the project's folder, where Open will look for it.
    const QByteArray pageName =
        pagePath.isEmpty() ? QByteArray() : folder.relativeFilePath(pagePath).toUtf8();
    if (HasFolderPart(pageName))
        throw CommandError(
            QCoreApplication::translate("OnePage",
                                        "The page %1 is not a plain name in the project's "
                                        "folder (a backslash counts as a folder), so --build "
                                        "would refuse the project; keep the project beside "
                                        "its page. Nothing was written.")
                .arg(QString::fromUtf8(pageName)));
    auto project = std::make_unique<OutputFile>(path);
    if (project->Replaces(source.Id()))
        throw CommandError(
            QCoreApplication::translate("OnePage",
                                        "The project %1 would replace the template. Nothing "
                                        "was written.")
                .arg(path));
    // Its header alone tells: a large file that is not a project is not read whole.
    if (project->Replaced() && !HoldsProject(project->path()))
        throw CommandError(
            QCoreApplication::translate("OnePage",
                                        "%1 is not a Wendle project, and --save replaces only "
                                        "a project. Nothing was written.")
                .arg(project->path()));
    return {std::move(project), pageName};
}

// The text's format: --from, else by the text file's name as document converters go by it
// (*.md and *.markdown are Markdown); standard input and any other file are HTML.
TextFormat FormatOf(const OnePage& request)
{
    if (const std::optional<TextFormat> named = FormatNamed(request.from))
        return *named;
    const QString suffix = QFileInfo(request.textFile).suffix().toLower();
    return request.textFile != QLatin1String("-")
            && (suffix == QLatin1String("md") || suffix == QLatin1String("markdown"))
        ? TextFormat::Markdown
        : TextFormat::Html;
}

}  // namespace

int RunOnePage(const OnePage& request, const ProfileStore& profile)
{
    // A closed standard output (| head -c 0) fails the write with EPIPE; the signal would end the
    // program with no word.
    std::signal(SIGPIPE, SIG_IGN);
    try {
        const bool toOutput = request.page == QLatin1String("-");
        const QString pagePath = toOutput ? QString() : request.page;
        const bool fromInput = request.textFile == QLatin1String("-");
        QByteArray textBytes;
        // The text's file, which the page must not replace: standard input may be one too.
        std::optional<FileId> textId;
        if (fromInput) {
            textBytes = ReadStandardInput();
            textId = FileIdOf(STDIN_FILENO);
        } else if (!request.textFile.isEmpty()) {
            InputFile text(request.textFile);
            textBytes = text.ReadAll(kMaxText);
            textId = text.Id();
        }
        // A project's strings end at their first NUL, and so does the text; what is left out
        // is said.
        if (const qsizetype nul = textBytes.indexOf('\0'); nul >= 0)
            //: %n and %1 are counts of bytes; %1 is the count left out.
            ReportFailure(QCoreApplication::translate(
                              "OnePage",
                              "warning: the text holds a NUL byte after %n bytes; the "
                              "%1 bytes from there on were left out.",
                              "", int(nul))
                              .arg(textBytes.size() - nul),
                          fromInput ? QCoreApplication::translate("OnePage", "standard input")
                                    : request.textFile);
        const auto [title, text] = BytesAsBuilt(request.title, textBytes);
        const TextFormat format = FormatOf(request);
        // The folder the profile's template is looked up in; a --template path needs none, so
        // that -o - works from a current folder that was removed.
        QString folder;
        if (request.templateFile.isEmpty())
            folder = toOutput ? CurrentFolder() : QFileInfo(pagePath).absolutePath();
        InputFile source(
            RequireTemplate(request.templateFile,
                            profile.Read(kTemplateSection, kTemplateEntry, kNoTemplate), folder));
        SavedProject project;
        if (!request.saveProject.isEmpty())
            project = PrepareProject(request.saveProject, source, pagePath);
        std::unique_ptr<OutputFile> page;
        if (toOutput) {
            // Standard output opened on the template (>> t.html) would take the page into it.
            if (FileIdOf(STDOUT_FILENO) == source.Id())
                throw CommandError(
                    QCoreApplication::translate("OnePage",
                                                "Standard output is the template %1. Nothing "
                                                "was written.")
                        .arg(source.path()));
            // The project's temporary file is made once the page has gone out: while standard
            // output is blocked (| less), no file is being written, and a signal ends the run at
            // once (see HoldSignalsWhileWriting), leaving nothing behind.
            project.file.reset();
            StreamToStandardOutput(source, title, {text, format});
            if (!request.saveProject.isEmpty())
                project = PrepareProject(request.saveProject, source, pagePath);
        } else {
            try {
                page = PreparePage(source, pagePath, title, {text, format},
                                   OutputFile::Links::Follow, {}, textId);
            } catch (const PageInTheWay& refused) {
                throw CommandError(
                    refused.message() + QLatin1Char(' ')
                    + (refused.overTemplate
                           ? QCoreApplication::translate(
                               "OnePage",
                               "Name another page with --output PAGE, or another template with "
                               "--template FILE.")
                           : QCoreApplication::translate("OnePage",
                                                         "Name another page with --output PAGE.")));
            }
            if (project.file && project.file->SameTarget(*page))
                throw CommandError(
                    QCoreApplication::translate("OnePage",
                                                "The project %1 would replace the page. Nothing "
                                                "was written.")
                        .arg(project.file->path()));
        }
        // Both are written whole before either replaces its file: a full disk then keeps the
        // earlier page and project together, never a new page beside an old project.
        if (project.file)
            WriteProject(*project.file, {title, text, project.pageName, format});
        if (page)
            page->Commit();
        if (project.file)
            project.file->Commit();
        return 0;
    } catch (const CommandError& error) {
        ReportFailure(error.message());
    } catch (const std::bad_alloc&) {
        // A text of several GiB, or a limit on the process's memory (ulimit -v).
        ReportFailure(QCoreApplication::translate(
            "OnePage", "There is not enough memory to make the page. Nothing was written."));
    } catch (const std::exception& error) {
        ReportFailure(QString::fromLocal8Bit(error.what()));
    }
    return 1;
}
