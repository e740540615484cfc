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

namespace {

// Qt's help names the program by the path it was started by; users type "wendle".
QString HelpText(const QCommandLineParser& parser)
{
    QString help = parser.helpText();
    const qsizetype end = help.indexOf(QLatin1String(" [options]"));
    if (help.startsWith(QLatin1String("Usage: ")) && end > 0)
        help.replace(7, end - 7, QStringLiteral("wendle"));
    return help;
}

}  // namespace

CommandLine ParseCommandLine(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Makes single HTML pages from a template. With no argument, or with a project, opens the "
        "window, where F12 builds the page and shows it in the browser; with --build, rebuilds "
        "the page of each project without a window; with --output, makes one page from a title "
        "and a text; with --show, prints projects as text."));
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
        QStringLiteral(
            "With --build or --output: the template for every page, instead of the one Wendle "
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
    const QCommandLineOption output({QStringLiteral("o"), QStringLiteral("output")},
                                    QStringLiteral("Build one page, without a project, into PAGE "
                                                   "(- for standard output)."),
                                    QStringLiteral("PAGE"));
    const QCommandLineOption title(QStringLiteral("title"),
                                   QStringLiteral("With --output: the page's title."),
                                   QStringLiteral("TITLE"));
    const QCommandLineOption text(QStringLiteral("text"),
                                  QStringLiteral("With --output: the page's text, from FILE "
                                                 "(- for standard input)."),
                                  QStringLiteral("FILE"));
    const QCommandLineOption save(QStringLiteral("save"),
                                  QStringLiteral("With --output: also save the title, the text "
                                                 "and the page's name as a project."),
                                  QStringLiteral("PROJECT"));
    const QCommandLineOption show(QStringLiteral("show"),
                                  QStringLiteral("Print each project as text (for git diff)."));
    const QCommandLineOption json(QStringLiteral("json"),
                                  QStringLiteral("With --show: one JSON object a project."));
    const QCommandLineOption init(QStringLiteral("init"),
                                  QStringLiteral("Write the sample template and the welcome "
                                                 "project into DIR."),
                                  QStringLiteral("DIR"));
    parser.addOptions({build, watch, serve, port, templateFile, allowOutside, verbose, output,
                       title, text, save, show, json, init});
    parser.addPositionalArgument(QStringLiteral("PROJECT"),
                                 QStringLiteral("A project file (*.wendle)."),
                                 QStringLiteral("[PROJECT...]"));

    CommandLine line;
    const bool parsed = parser.parse(arguments);
    if (parsed && (parser.isSet(help) || parser.isSet(helpAll))) {
        std::fputs(qPrintable(HelpText(parser)), stdout);
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
    line.output = parser.value(output);
    line.title = parser.value(title);
    line.textFile = parser.value(text);
    line.saveProject = parser.value(save);
    line.json = parser.isSet(json);
    line.initFolder = parser.value(init);
    const bool building = parser.isSet(build), making = parser.isSet(output),
               showing = parser.isSet(show), initing = parser.isSet(init);
    QString error = parser.errorText();
    if (parsed && building + making + showing + initing > 1)
        error = QStringLiteral("--build, --output, --show and --init each go alone.");
    else if (parsed && (making || initing) && !line.projects.isEmpty())
        error = QStringLiteral("--output and --init take no project.");
    else if (parsed && showing && line.projects.isEmpty())
        error = QStringLiteral("--show needs at least one project.");
    else if (parsed && !making && (parser.isSet(title) || parser.isSet(text) || parser.isSet(save)))
        error = QStringLiteral("--title, --text and --save go with --output.");
    else if (parsed && line.json && !showing)
        error = QStringLiteral("--json goes with --show.");
    else if (parsed && making
             && (line.allowOutside || line.verbose || line.watch || parser.isSet(port)))
        error = QStringLiteral("--output takes --template, --title, --text and --save.");
    else if (parsed && building && line.projects.isEmpty())
        error = QStringLiteral("--build needs at least one project.");
    else if (parsed && !building && !showing && line.projects.size() > 1)
        error = QStringLiteral("The window opens one project; build several with --build.");
    else if (parsed && !building && !making
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
        std::fprintf(stderr, "wendle: %s\n\n%s", qPrintable(error), qPrintable(HelpText(parser)));
        line.action = CommandLine::Action::Exit;
        line.exitCode = 2;
        return line;
    }
    line.action = building ? CommandLine::Action::Build
        : making           ? CommandLine::Action::Output
        : showing          ? CommandLine::Action::Show
        : initing          ? CommandLine::Action::Init
                           : CommandLine::Action::Window;
    return line;
}
