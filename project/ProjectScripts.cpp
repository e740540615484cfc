#include "project/ProjectScripts.h"

#include "project/ProjectFile.h"
#include "services/Errors.h"
#include "services/FileAccess.h"
#include "services/WindowText.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>

#include <cstdio>
#include <new>

int RunShow(const QStringList& projects, const QStringList& paths, bool json)
{
    int status = 0;
    for (qsizetype i = 0; i < projects.size(); ++i) {
        try {
            InputFile file(paths[i]);
            const ProjectContent content = ReadProject(file);
            const QString title = FieldTextFromBytes(content.title);
            const QString text = FieldTextFromBytes(content.text);
            const QString page = TextFromBytes(content.outputName);
            QByteArray shown;
            if (json)
                shown = QJsonDocument(QJsonObject{{"title", title},
                                                  {"text", text},
                                                  {"page", page},
                                                  {"format", FormatName(content.format)}})
                            .toJson(QJsonDocument::Compact);
            else
                shown = QStringLiteral("title: %1\npage: %2\nformat: %3\n\n%4")
                            .arg(Printable(title), Printable(page), FormatName(content.format),
                                 Printable(text))
                            .toUtf8();
            if (!json && projects.size() > 1)
                shown.prepend("==> " + Printable(projects[i]).toUtf8() + " <==\n");
            if (!shown.endsWith('\n'))
                shown += '\n';
            std::fwrite(shown.constData(), 1, size_t(shown.size()), stdout);
        } catch (const CommandError& error) {
            ReportFailure(error.message());
            status = 1;
        } catch (const std::bad_alloc&) {
            // A project of GiBs under a limit on memory (ulimit -v): the others are still shown.
            //: Follows "wendle: PROJECT: " on standard error.
            ReportFailure(QCoreApplication::translate(
                              "ProjectScripts", "There is not enough memory to show the project."),
                          projects[i]);
            status = 1;
        }
    }
    return status;  // a failed write to standard output is told as the program ends
}

int RunInit(const QString& folder, const QString& path)
{
    const char* const samples[] = {"template.html", "welcome.wendle", "markdown.wendle"};
    QStringList kept;
    try {
        // Both are looked at before anything is written. A file there is the user's, and kept
        // (through a link too: a template kept elsewhere serves as well); anything else, a folder
        // say, would leave the welcome project without its template.
        for (const char* name : samples) {
            const QFileInfo file(QDir(path).filePath(QLatin1String(name)));
            const QString shown = QDir(folder).filePath(QLatin1String(name));
            if (file.isFile())
                kept << shown;
            else if (file.exists() || file.isSymLink())
                throw CommandError(
                    QCoreApplication::translate("ProjectScripts",
                                                "%1 is in the way: it is not a file (a folder, a "
                                                "link to nothing, a device or a pipe). Nothing "
                                                "was written.")
                        .arg(shown));
        }
        if (!QDir().mkpath(path))
            throw CommandError(
                QCoreApplication::translate("ProjectScripts", "Cannot make the folder %1.")
                    .arg(folder));
        for (const char* name : samples) {
            const QString shown = QDir(folder).filePath(QLatin1String(name));
            if (kept.contains(shown)) {
                std::printf("%s\n",
                            qPrintable(QCoreApplication::translate(
                                           "ProjectScripts", "kept %1, which is there already")
                                           .arg(shown)));
                continue;
            }
            // Built into the program: a package may leave out /usr/share/doc.
            QFile resource(QStringLiteral(":/examples/") + QLatin1String(name));
            if (!resource.open(QIODevice::ReadOnly))
                throw CommandError(
                    QCoreApplication::translate("ProjectScripts",
                                                "The sample %1 is missing from the program.")
                        .arg(QLatin1String(name)));
            OutputFile::WriteWhole(QDir(path).filePath(QLatin1String(name)), resource.readAll(),
                                   OutputFile::Links::Replace);
        }
    } catch (const CommandError& error) {
        ReportFailure(error.message());
        return 1;
    }
    // Quoted for the shell, as the user will paste it; a ' is closed, escaped and reopened. A
    // name that starts with "-" would be taken for an option of cd.
    QString shown = QDir(folder).path();
    if (shown.startsWith(QLatin1Char('-')))
        shown.prepend(QLatin1String("./"));
    if (shown.contains(QRegularExpression(QStringLiteral("[^A-Za-z0-9_./+,:@%-]"))))
        shown = '\'' + shown.replace(QLatin1Char('\''), QLatin1String("'\\''")) + '\'';
    //: %1 is the folder, quoted for the shell; the command stays as it is.
    std::printf("%s\n",
                qPrintable(QCoreApplication::translate(
                               "ProjectScripts",
                               "Open the welcome project with:\n  cd %1 && wendle welcome.wendle")
                               .arg(shown)));
    return 0;
}
