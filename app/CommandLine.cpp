#include "app/CommandLine.h"

#include "build/PreviewServer.h"

#include <QByteArrayView>
#include <QCommandLineParser>

#include <cstdio>

bool WantsWindow(int argc, char* argv[])
{
    // Only one project name, or none: any option, and two names, are for the parser. After
    // "--" everything is a name; "-" alone is a name too.
    int names = 0;
    bool options = true;
    for (int i = 1; i < argc; ++i) {
        const QByteArrayView argument(argv[i]);
        if (options && argument == "--")
            options = false;
        else if (options && argument.size() > 1 && argument.startsWith('-'))
            return false;
        else
            ++names;
    }
    return names <= 1;
}

CommandLine ParseCommandLine(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Makes single HTML pages from a template. With no argument, or with a "
        "project, opens the window; with --build, rebuilds the page of each "
        "project, without a window, and exits. In the window, F12 builds the page and shows it "
        "in the browser."));
    // Qt's own help option would also list --help-all, for Qt's options, which Wendle refuses;
    // --help-all is still taken, as help.
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Displays help on commandline options."));
    QCommandLineOption helpAll(QStringLiteral("help-all"));
    helpAll.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addOptions({help, helpAll});
    const QCommandLineOption version = parser.addVersionOption();
    const QCommandLineOption build(QStringLiteral("build"),
                                   QStringLiteral("Rebuild each project's page, then exit."));
    const QCommandLineOption templateFile(
        QStringLiteral("template"),
        QStringLiteral("With --build: the template for every page, instead of the one Wendle "
                       "remembers (that one is looked up in each project's folder)."),
        QStringLiteral("FILE"));
    const QCommandLineOption allowOutside(
        QStringLiteral("allow-outside"),
        QStringLiteral("With --build: also build pages that a project names outside its own "
                       "folder."));
    const QCommandLineOption verbose(QStringLiteral("verbose"),
                                     QStringLiteral("With --build: print a line per page built."));
    const QCommandLineOption watch(
        QStringLiteral("watch"),
        QStringLiteral("With --build: keep running, and rebuild a page whenever its project or "
                       "its template changes, until Ctrl-C."));
    const QCommandLineOption serve(
        QStringLiteral("serve"),
        QStringLiteral("With --watch: serve the current directory on 127.0.0.1 and print the "
                       "address of each page; a browser showing a page reloads it when it is "
                       "rebuilt."));
    const QCommandLineOption port(
        QStringLiteral("port"),
        QStringLiteral("With --serve: this port and no other (default: %1, or the next free "
                       "one).")
            .arg(kPreviewPort),
        QStringLiteral("N"));
    parser.addOptions({build, watch, serve, port, templateFile, allowOutside, verbose});
    parser.addPositionalArgument(QStringLiteral("PROJECT"),
                                 QStringLiteral("A project file (*.wendle)."),
                                 QStringLiteral("[PROJECT...]"));

    CommandLine line;
    const bool parsed = parser.parse(arguments);
    if (parsed && (parser.isSet(help) || parser.isSet(helpAll))) {
        std::fputs(qPrintable(parser.helpText()), stdout);
        line.action = CommandLine::Action::Exit;
        return line;
    }
    if (parsed && parser.isSet(version)) {
        std::printf("%s %s\n", qPrintable(QCoreApplication::applicationName()),
                    qPrintable(QCoreApplication::applicationVersion()));
        line.action = CommandLine::Action::Exit;
        return line;
    }
    line.projects = parser.positionalArguments();
    line.templateFile = parser.value(templateFile);
    line.allowOutside = parser.isSet(allowOutside);
    line.verbose = parser.isSet(verbose);
    line.watch = parser.isSet(watch);
    line.serve = parser.isSet(serve);
    bool portIsNumber = true;
    line.port = parser.isSet(port) ? parser.value(port).toInt(&portIsNumber) : 0;
    QString error = parser.errorText();
    if (parsed && parser.isSet(build) && line.projects.isEmpty())
        error = QStringLiteral("--build needs at least one project.");
    else if (parsed && !parser.isSet(build) && line.projects.size() > 1)
        error = QStringLiteral("The window opens one project; build several with --build.");
    else if (parsed && !parser.isSet(build)
             && (parser.isSet(templateFile) || line.allowOutside || line.verbose || line.watch))
        error =
            QStringLiteral("--watch, --template, --allow-outside and --verbose go with --build.");
    else if (parsed && line.serve && !line.watch)
        error = QStringLiteral("--serve goes with --watch.");
    else if (parsed && parser.isSet(port) && !line.serve)
        error = QStringLiteral("--port goes with --serve.");
    else if (parsed && parser.isSet(port) && (!portIsNumber || line.port < 1 || line.port > 65535))
        error = QStringLiteral("--port takes a port number from 1 to 65535.");
    if (!error.isEmpty()) {
        std::fprintf(stderr, "wendle: %s\n\n%s", qPrintable(error), qPrintable(parser.helpText()));
        line.action = CommandLine::Action::Exit;
        line.exitCode = 2;
        return line;
    }
    line.action = parser.isSet(build) ? CommandLine::Action::Build : CommandLine::Action::Window;
    return line;
}
