#include "build/BatchBuild.h"

#include "build/PageBuild.h"
#include "project/ProjectFile.h"
#include "services/Errors.h"
#include "services/FileAccess.h"
#include "services/ProfileStore.h"
#include "services/WindowText.h"

#include <QDir>
#include <QFileInfo>

#include <cstdio>
#include <map>

namespace {

// Small templates read so far, by path: the pages of a site mostly share one, and reading it
// once spares every page but the first the opening and reading of a file.
using Templates = std::map<QString, QByteArray>;

// Builds one project's page; gives the page's path. Throws CommandError.
QString BuildProjectPage(const QString& project, const BatchBuild& batch,
                         const QByteArray& storedTemplate, Templates& templates)
{
    const QFileInfo info(project);
    InputFile file(info.absoluteFilePath());
    const ProjectContent content = ReadProject(file);
    if (content.outputName.isEmpty())
        throw CommandError(QStringLiteral("The project names no page; choose one with Build As "
                                          "in Wendle's window, then save the project."));
    const QString folder = info.absolutePath();
    const ProjectPage place = PlaceProjectPage(content.outputName, folder);
    if (place.outside && !batch.allowOutside)
        throw CommandError(QStringLiteral("The project writes its page outside the project's "
                                          "folder, %1; build it there with --allow-outside.")
                               .arg(place.Where()));
    const QString& page = place.target;
    if (batch.templateFile.isEmpty() && (storedTemplate.isEmpty() || storedTemplate == kNoTemplate))
        throw CommandError(QStringLiteral("No template has been chosen. Name one with --template "
                                          "FILE, or choose one in Wendle's window."));
    // The profile's template is looked up in the project's folder, as the window does after Open.
    const QString templatePath = batch.templateFile.isEmpty()
        ? ResolveFileName(storedTemplate, folder)
        : QFileInfo(batch.templateFile).absoluteFilePath();
    // The title and text go through the fields' conversions, as the window would build them.
    const QByteArray title = FieldTextFromBytes(content.title).toUtf8();
    const QByteArray text = BytesFromFieldText(FieldTextFromBytes(content.text));
    auto known = templates.find(templatePath);
    if (known == templates.end()) {
        InputFile source(templatePath);
        if (source.Length() > kTemplateBlockSize) {
            BuildPage(templatePath, page, title, text);
            return page;
        }
        known = templates.emplace(templatePath, source.ReadAll()).first;
    }
    BuildPageFrom(known->second, templatePath, page, title, text);
    return page;
}

}  // namespace

bool RunBatchBuild(const BatchBuild& batch, const ProfileStore& profile)
{
    const QByteArray storedTemplate = profile.Read(kTemplateSection, kTemplateEntry, kNoTemplate);
    bool allBuilt = true;
    Templates templates;
    for (const QString& project : batch.projects) {
        try {
            const QString page = BuildProjectPage(project, batch, storedTemplate, templates);
            if (batch.verbose)
                std::printf("built %s\n", qPrintable(QDir::toNativeSeparators(page)));
        } catch (const CommandError& error) {
            allBuilt = false;
            const QString message =
                QString(error.message()).replace(QLatin1Char('\n'), QLatin1Char(' '));
            std::fprintf(stderr, "wendle: %s: %s\n", qPrintable(project), qPrintable(message));
        } catch (const std::exception& error) {
            allBuilt = false;
            std::fprintf(stderr, "wendle: %s: %s\n", qPrintable(project), error.what());
        }
    }
    return allBuilt;
}
