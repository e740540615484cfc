#include "build/OnePage.h"

#include "build/BatchBuild.h"
#include "build/PageBuild.h"
#include "project/ProjectFile.h"
#include "services/Errors.h"
#include "services/FileAccess.h"
#include "services/ProfileStore.h"
#include "services/WindowText.h"

#include <QDir>
#include <QFileInfo>

#include <csignal>
#include <cstdio>

#include <unistd.h>

namespace {

// All of standard input in one buffer, which doubles when it is full, so that each byte is
// copied a bounded number of times however the input arrives.
QByteArray ReadStandardInput()
{
    QByteArray bytes(1 << 16, Qt::Uninitialized);
    qsizetype used = 0;
    for (;;) {
        if (used == bytes.size())
            bytes.resize(bytes.size() * 2);
        const ssize_t count =
            ::read(STDIN_FILENO, bytes.data() + used, size_t(bytes.size() - used));
        if (count < 0 && errno == EINTR)
            continue;
        if (count < 0)
            throw CommandError(
                QStringLiteral("Cannot read standard input: %1.").arg(qt_error_string(errno)));
        if (count == 0) {
            bytes.truncate(used);  // in place: left() would copy the whole input once more
            return bytes;
        }
        used += count;
    }
}

void WriteStandardOutput(QByteArrayView piece)
{
    if (std::fwrite(piece.data(), 1, size_t(piece.size()), stdout) != size_t(piece.size()))
        throw CommandError(
            QStringLiteral("Cannot write to standard output: %1.").arg(qt_error_string(errno)));
}

// The page streamed to standard output, block by block, as a page file is written.
void StreamToStandardOutput(const QString& templatePath, QByteArrayView title, QByteArrayView text)
{
    InputFile input(templatePath);
    const MarkerStatus status =
        StreamPage([&input](char* into, qint64 size) { return input.Read(into, size); },
                   WriteStandardOutput, title, text);
    if (status != MarkerStatus::Ok)
        throw CommandError(
            QStringLiteral("The template %1 has no marker for the %2; the page "
                           "written so far is incomplete.")
                .arg(templatePath, status == MarkerStatus::NoFirstMarker ? "title" : "text"));
    if (std::fflush(stdout) != 0)
        throw CommandError(
            QStringLiteral("Cannot write to standard output: %1.").arg(qt_error_string(errno)));
}

}  // namespace

int RunOnePage(const OnePage& request, const ProfileStore& profile)
{
    // A closed standard output (| head -c 0) fails the write with EPIPE; the signal would end the
    // program with no word.
    std::signal(SIGPIPE, SIG_IGN);
    try {
        const bool toOutput = request.page == QLatin1String("-");
        const QString pagePath =
            toOutput ? QString() : QDir::current().absoluteFilePath(request.page);
        QByteArray textBytes;
        if (request.textFile == QLatin1String("-"))
            textBytes = ReadStandardInput();
        else if (!request.textFile.isEmpty())
            textBytes = InputFile(request.textFile).ReadAll();
        // Through the fields' conversions, as the window would build them.
        const QByteArray title = FieldTextFromBytes(request.title.toUtf8()).toUtf8();
        const QByteArray text = BytesFromFieldText(FieldTextFromBytes(textBytes));
        const QString templatePath = TemplatePathFor(
            request.templateFile, profile.Read(kTemplateSection, kTemplateEntry, kNoTemplate),
            toOutput ? QDir::currentPath() : QFileInfo(pagePath).absolutePath());
        if (templatePath.isEmpty())
            throw CommandError(
                QStringLiteral("No template has been chosen. Name one with "
                               "--template FILE, or choose one in Wendle's window."));
        if (toOutput)
            StreamToStandardOutput(templatePath, title, text);
        else
            BuildPage(templatePath, pagePath, title, text);
        if (!request.saveProject.isEmpty()) {
            const QString project = QDir::current().absoluteFilePath(request.saveProject);
            // The page is named as seen from the project's folder, where Open will look for it.
            const QByteArray pageName = toOutput
                ? QByteArray()
                : QFile::encodeName(QFileInfo(project).dir().relativeFilePath(pagePath));
            OutputFile file(project);
            WriteProject(file, {title, text, pageName});
            file.Commit();
        }
        return 0;
    } catch (const CommandError& error) {
        ReportFailure(error.message());
    } catch (const std::exception& error) {
        ReportFailure(QString::fromLocal8Bit(error.what()));
    }
    return 1;
}
