#include "build/BatchBuild.h"

#include "build/PageBuild.h"
#include "project/ProjectFile.h"
#include "services/Errors.h"
#include "services/FileAccess.h"
#include "services/ProfileStore.h"
#include "services/Signals.h"
#include "services/WindowText.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <cstdio>
#include <map>
#include <new>

namespace {

// Small templates read so far, by path: the pages of a site mostly share one, and reading it
// once spares every page but the first the opening and reading of a file.
struct Template {
    QByteArray bytes;
    FileId id;
};
using Templates = std::map<QString, Template>;

// Pages are committed in groups, so that a group's data reaches the disk with one flush; the
// size bounds the files held open at once.
constexpr size_t kGroupSize = 256;

// Writes one project's page, not yet committed. Throws CommandError.
std::unique_ptr<OutputFile> WriteProjectPage(const QString& project, const BatchBuild& batch,
                                             const QByteArray& storedTemplate, Templates& templates)
{
    const QFileInfo info(project);
    InputFile file(project);
    const ProjectContent content = ReadProject(file);
    if (content.outputName.isEmpty())
        throw CommandError(
            QCoreApplication::translate("BatchBuild",
                                        "The project names no page; choose one with Build As "
                                        "in Wendle's window, then save the project."));
    const QString folder = info.absolutePath();
    const ProjectPage place = PlaceProjectPage(content.outputName, folder);
    if (place.outside && !batch.allowOutside)
        throw CommandError(
            QCoreApplication::translate("BatchBuild",
                                        "The project writes its page outside the project's "
                                        "folder, %1; build it there with --allow-outside.")
                .arg(place.Where()));
    const QString templatePath = RequireTemplate(batch.templateFile, storedTemplate, folder);
    const auto [title, text] = BytesAsBuilt(content.title, content.text);
    auto known = templates.find(templatePath);
    // A project that names itself as its page would be lost to it, so it is refused.
    try {
        if (known == templates.end()) {
            InputFile source(templatePath);
            if (source.Length() > kTemplateBlockSize)
                return PreparePage(source, place.target, title, {text, content.format},
                                   OutputFile::Links::Replace, file.Id());
            known = templates.emplace(templatePath, Template{source.ReadAll(), source.Id()}).first;
        }
        return PreparePageFrom(known->second.bytes, known->second.id, templatePath, place.target,
                               title, {text, content.format}, OutputFile::Links::Replace,
                               file.Id());
    } catch (const PageInTheWay& refused) {
        if (!refused.overTemplate)
            throw;
        throw CommandError(refused.message() + " Name another template with --template FILE.");
    }
}

}  // namespace

QString RequireTemplate(const QString& templateFile, const QByteArray& storedTemplate,
                        const QString& folder)
{
    QString path = TemplatePathFor(templateFile, storedTemplate, folder);
    if (path.isEmpty())
        throw CommandError(
            QCoreApplication::translate("BatchBuild",
                                        "No template has been chosen. Name one with --template "
                                        "FILE, or choose one in Wendle's window."));
    return path;
}

std::pair<QByteArray, QByteArray> BytesAsBuilt(QByteArrayView title, QByteArrayView text)
{
    return {FieldTextFromBytes(title).toUtf8(), TextBytesAsBuilt(text)};
}

QString TemplatePathFor(const QString& templateFile, const QByteArray& storedTemplate,
                        const QString& folder)
{
    if (!templateFile.isEmpty())
        return templateFile;
    return storedTemplate == kNoTemplate ? QString() : ResolveFileName(storedTemplate, folder);
}

bool RunBatchBuild(const BatchBuild& batch, const ProfileStore& profile,
                   const std::function<void(const QString& page)>& built)
{
    const QByteArray storedTemplate = profile.Read(kTemplateSection, kTemplateEntry, kNoTemplate);
    bool allBuilt = true;
    Templates templates;
    std::vector<std::pair<QString, std::unique_ptr<OutputFile>>> written;
    const auto commit = [&] {
        std::vector<OutputFile*> files;
        for (const auto& page : written)
            files.push_back(page.second.get());
        const std::vector<std::optional<FileError>> errors = OutputFile::CommitAll(files);
        for (size_t i = 0; i < written.size(); ++i) {
            if (errors[i])
                ReportFailure(errors[i]->message(), written[i].first);
            else if (batch.verbose)
                //: A line of --verbose output; %1 is the page written.
                std::printf(
                    "%s\n",
                    qPrintable(QCoreApplication::translate("BatchBuild", "built %1")
                                   .arg(Printable(QDir::toNativeSeparators(files[i]->path())))));
            if (!errors[i] && built)
                built(files[i]->path());
            allBuilt = allBuilt && !errors[i];
        }
        written.clear();
    };
    // A held signal (see HoldSignalsWhileWriting) ends the run before the next page, and the
    // pages not yet committed go with their temporary files; the earlier ones stay.
    for (qsizetype i = 0; i < batch.projects.size() && !StopRequested(); ++i) {
        const QString& project = batch.projects[i];
        try {
            written.emplace_back(
                project, WriteProjectPage(batch.paths[i], batch, storedTemplate, templates));
        } catch (const CommandError& error) {
            allBuilt = false;
            ReportFailure(error.message(), project);
        } catch (const std::bad_alloc&) {
            allBuilt = false;
            //: Follows "wendle: PROJECT: " on standard error.
            ReportFailure(QCoreApplication::translate("BatchBuild",
                                                      "There is not enough memory to build the "
                                                      "page. Nothing was written."),
                          project);
        } catch (const std::exception& error) {
            allBuilt = false;
            ReportFailure(QString::fromLocal8Bit(error.what()), project);
        }
        if (written.size() == kGroupSize && !StopRequested())
            commit();
    }
    if (!StopRequested())
        commit();
    return allBuilt;
}
