#pragma once

#include <QString>
#include <QStringList>

// What Wendle's command line asks for:
//   wendle                      the window
//   wendle PROJECT              the window, with PROJECT opened as Open opens it
//   wendle --build [--watch [--serve [--port N]]] [--template FILE] [--allow-outside]
//          [--verbose] PROJECT...
//                               no window: rebuild each project's page; with --watch, again
//                               whenever a project or its template changes; with --serve, the
//                               current directory is served to a browser, which reloads
//   wendle --output PAGE [--template FILE] [--title TITLE] [--text FILE] [--from FORMAT]
//          [--save PROJECT]     one page from a title and a text; PAGE and FILE may be "-"
//   wendle --show [--json] PROJECT...   each project as text, or as JSON
//   wendle --init DIR           the sample template and welcome project, into DIR
//   wendle --help | --version
struct CommandLine {
    enum class Action { Window, Build, Output, Show, Init, Exit };
    Action action = Action::Window;
    int exitCode = 0;  // for Exit: 0 after --help or --version, 2 after a usage error
    QStringList projects;
    QString templateFile;
    bool allowOutside = false;
    bool verbose = false;
    bool watch = false;
    bool serve = false;
    int port = 0;  // 0: the default preview port, or the next free one
    QString output;  // --output PAGE
    QString title;
    QString textFile;
    QString from;  // --from FORMAT: "markdown", "html", or empty to go by the text's file name
    QString saveProject;
    bool json = false;
    QString initFolder;
};

// Whether the arguments mean the window, decided before any application object exists: the
// window needs a display, everything else must run without one.
bool WantsWindow(int argc, char* argv[]);

// Parses QCoreApplication's arguments. Prints the help or the version to standard output, a
// usage error and the usage to standard error.
CommandLine ParseCommandLine(const QStringList& arguments);
