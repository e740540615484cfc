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

namespace {

// A stranger's project shown on a terminal: an escape character in it could move the cursor,
// retitle the window or hide lines of a diff. Control characters other than tab and line feed
// are shown as `cat -v` shows them (^[ for escape, ^M for a carriage return, ^? for delete), and
// the C1 controls, which some terminals also obey, as \u0080 ... \u009f.
QString Printable(const QString& text)
{
    QString shown;
    shown.reserve(text.size());
    for (const QChar c : text) {
        const char16_t code = c.unicode();
        if (code == '\t' || code == '\n' || (code >= 0x20 && code < 0x7f) || code > 0x9f)
            shown += c;
        else if (code < 0x20 || code == 0x7f)
            shown += QLatin1Char('^') + QChar(code ^ 0x40);
        else
            shown += QStringLiteral("\\u%1").arg(int(code), 4, 16, QLatin1Char('0'));
    }
    return shown;
}

}  // namespace

int RunShow(const QStringList& projects, bool json)
{
    int status = 0;
    for (const QString& path : projects) {
        try {
            InputFile file(path);
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
                shown.prepend("==> " + QFile::encodeName(path) + " <==\n");
            if (!shown.endsWith('\n'))
                shown += '\n';
            std::fwrite(shown.constData(), 1, size_t(shown.size()), stdout);
        } catch (const CommandError& error) {
            ReportFailure(error.message());
            status = 1;
        }
    }
    return status;  // a failed write to standard output is told as the program ends
}

int RunInit(const QString& folder)
{
    if (!QDir().mkpath(folder)) {
        ReportFailure(QCoreApplication::translate("ProjectScripts", "Cannot make the folder %1.")
                          .arg(folder));
        return 1;
    }
    try {
        // Built into the program: a package may leave out /usr/share/doc.
        for (const char* name : {"template.html", "welcome.wendle", "markdown.wendle"}) {
            const QString path = QDir(folder).filePath(QLatin1String(name));
            if (QFileInfo::exists(path) || QFileInfo(path).isSymLink()) {
                std::printf("%s\n",
                            qPrintable(QCoreApplication::translate(
                                           "ProjectScripts", "kept %1, which is there already")
                                           .arg(path)));
                continue;
            }
            QFile resource(QStringLiteral(":/examples/") + QLatin1String(name));
            if (!resource.open(QIODevice::ReadOnly))
                throw CommandError(
                    QCoreApplication::translate("ProjectScripts",
                                                "The sample %1 is missing from the program.")
                        .arg(QLatin1String(name)));
            OutputFile::WriteWhole(path, resource.readAll(), OutputFile::Links::Replace);
        }
    } catch (const CommandError& error) {
        ReportFailure(error.message());
        return 1;
    }
    // Quoted for the shell, as the user will paste it; a ' is closed, escaped and reopened.
    QString shown = QDir(folder).path();
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
