#pragma once

#include <QString>
#include <QStringList>

#include <functional>
#include <utility>

class ProfileStore;

// A rebuild of projects' pages without a window (wendle --build).
struct BatchBuild {
    QStringList projects;  // as given, for messages
    QStringList paths;  // the same projects, absolute
    QString templateFile;  // absolute; empty: the profile's template, in each project's folder
    bool allowOutside = false;  // build pages a project names outside its folder
    bool verbose = false;  // print "built PATH" for each page
    bool serve = false;  // with --watch: serve the current directory to a browser
    int port = 0;  // the port to serve on; 0: the default, or the next free one
};

// The template of a page in `folder`: `templateFile` (--template, an absolute path), or else the
// one the profile names (`storedTemplate`), looked up in that folder as the window does after
// Open. Empty when there is none.
QString TemplatePathFor(const QString& templateFile, const QByteArray& storedTemplate,
                        const QString& folder);

// TemplatePathFor, or CommandError when no template has been chosen.
QString RequireTemplate(const QString& templateFile, const QByteArray& storedTemplate,
                        const QString& folder);

// A title and a text, as bytes, made what the window would build from them: put into its
// fields (bytes that are not UTF-8 read as Windows-1252, CR LF read as a line break, cut at a
// NUL) and taken back as Build takes them (UTF-8, CR LF line breaks).
std::pair<QByteArray, QByteArray> BytesAsBuilt(QByteArrayView title, QByteArrayView text);

// Builds each project's page in turn, as the window's Build does after Open: the project is
// read and checked, the page is the project's page name in the project's folder, the template
// is read and checked before the page is written, atomically. Each failure is one line on
// standard error, "wendle: PROJECT: MESSAGE", and does not stop the others. The profile is only
// read. True when every page was built. `built`, when given, is told each page built.
bool RunBatchBuild(const BatchBuild& batch, const ProfileStore& profile,
                   const std::function<void(const QString& page)>& built = {});
