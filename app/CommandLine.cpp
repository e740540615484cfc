#include "app/CommandLine.h"

#include "build/PreviewServer.h"
#include "services/TextFormat.h"

#include <QByteArrayView>
#include <QCommandLineParser>
#include <QCoreApplication>

#include <algorithm>
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
    // The usage line is in the user's language: the path is looked for in its first line.
    QString help = parser.helpText();
    const QString program = QCoreApplication::arguments().value(0);
    const qsizetype at = program.isEmpty() ? -1 : help.indexOf(program);
    if (at >= 0 && at < help.indexOf(QLatin1Char('\n')))
        help.replace(at, program.size(), QStringLiteral("wendle"));
    return help;
}

// Every option: its names, the name of its value (none for a switch), and its help.
struct Option {
    const char* names;  // comma-separated, the short one first
    const char* value;
    const char* help;
};
const Option kOptions[] = {
    {"build", nullptr, QT_TRANSLATE_NOOP("CommandLine", "Rebuild each project's page, then exit.")},
    {"watch", nullptr,
     QT_TRANSLATE_NOOP(
         "CommandLine",
         "With --build: keep running, and rebuild a page whenever its project or its template "
         "changes, until Ctrl-C.")},
    {"serve", nullptr,
     QT_TRANSLATE_NOOP(
         "CommandLine",
         "With --watch: serve the current directory on 127.0.0.1 and print the address of each "
         "page; a browser showing a page reloads it when it is rebuilt.")},
    //: %1 is the default port number.
    {"port", "N",
     QT_TRANSLATE_NOOP(
         "CommandLine",
         "With --serve: this port and no other (default: %1, or the next free one).")},
    {"template", "FILE",
     QT_TRANSLATE_NOOP(
         "CommandLine",
         "With --build or --output: the template for every page, instead of the one Wendle "
         "remembers (that one is looked up in each project's folder).")},
    {"allow-outside", nullptr,
     QT_TRANSLATE_NOOP(
         "CommandLine",
         "With --build: also build pages that a project names outside its own folder.")},
    {"verbose", nullptr,
     QT_TRANSLATE_NOOP("CommandLine", "With --build: print a line per page built.")},
    {"o,output", "PAGE",
     QT_TRANSLATE_NOOP("CommandLine",
                       "Build one page, without a project, into PAGE (- for standard output).")},
    {"title", "TITLE", QT_TRANSLATE_NOOP("CommandLine", "With --output: the page's title.")},
    {"text", "FILE",
     QT_TRANSLATE_NOOP("CommandLine",
                       "With --output: the page's text, from FILE (- for standard input).")},
    {"from", "FORMAT",
     QT_TRANSLATE_NOOP("CommandLine",
                       "With --output: the text's format, markdown or html (default: markdown for "
                       "a FILE named *.md or *.markdown, else html).")},
    {"save", "PROJECT",
     QT_TRANSLATE_NOOP(
         "CommandLine",
         "With --output: also save the title, the text and the page's name as a project; only a "
         "project is replaced.")},
    {"show", nullptr,
     QT_TRANSLATE_NOOP("CommandLine", "Print each project as text (for git diff).")},
    {"json", nullptr, QT_TRANSLATE_NOOP("CommandLine", "With --show: one JSON object a project.")},
    {"init", "DIR",
     QT_TRANSLATE_NOOP("CommandLine",
                       "Write the sample template and the welcome project into DIR.")},
};

// What was asked, as the combination rules see it.
struct Asked {
    const QCommandLineParser& parser;
    const CommandLine& line;

    bool operator()(const char* name) const { return parser.isSet(QLatin1String(name)); }
    // How many of these options were given.
    int Count(std::initializer_list<const char*> names) const
    {
        return int(std::count_if(names.begin(), names.end(), *this));
    }
};

// Each rule a usage error breaks, in the order they are checked; the first broken one is said.
struct Rule {
    bool (*broken)(const Asked&);
    const char* message;
};
const Rule kRules[] = {
    {[](const Asked& a) {
         return a.Count({"build", "output", "show", "init"}) > 1;
     },
     QT_TRANSLATE_NOOP("CommandLine", "--build, --output, --show and --init each go alone.")},
    {[](const Asked& a) {
         return a.Count({"output", "init"}) && !a.line.projects.isEmpty();
     },
     QT_TRANSLATE_NOOP("CommandLine", "--output and --init take no project.")},
    {[](const Asked& a) { return a("show") && a.line.projects.isEmpty(); },
     QT_TRANSLATE_NOOP("CommandLine", "--show needs at least one project.")},
    {[](const Asked& a) {
         return !a("output") && a.Count({"title", "text", "from", "save"});
     },
     QT_TRANSLATE_NOOP("CommandLine", "--title, --text, --from and --save go with --output.")},
    {[](const Asked& a) { return a("from") && !FormatNamed(a.line.from); },
     QT_TRANSLATE_NOOP("CommandLine", "--from takes markdown or html.")},
    {[](const Asked& a) { return a("json") && !a("show"); },
     QT_TRANSLATE_NOOP("CommandLine", "--json goes with --show.")},
    {[](const Asked& a) {
         return a("output") && a.Count({"allow-outside", "verbose", "watch", "port"});
     },
     QT_TRANSLATE_NOOP("CommandLine",
                       "--output takes --template, --title, --text, --from and --save.")},
    {[](const Asked& a) { return a("build") && a.line.projects.isEmpty(); },
     QT_TRANSLATE_NOOP("CommandLine", "--build needs at least one project.")},
    {[](const Asked& a) {
         return !a.Count({"build", "show"}) && a.line.projects.size() > 1;
     },
     QT_TRANSLATE_NOOP("CommandLine", "The window opens one project; build several with --build.")},
    {[](const Asked& a) {
         return !a.Count({"build", "output"})
             && a.Count({"template", "allow-outside", "verbose", "watch"});
     },
     QT_TRANSLATE_NOOP("CommandLine",
                       "--watch, --template, --allow-outside and --verbose go with --build.")},
    {[](const Asked& a) { return a("serve") && !a("watch"); },
     QT_TRANSLATE_NOOP("CommandLine", "--serve goes with --watch.")},
    {[](const Asked& a) { return a("port") && !a("serve"); },
     QT_TRANSLATE_NOOP("CommandLine", "--port goes with --serve.")},
    {[](const Asked& a) { return a("port") && (a.line.port < 1 || a.line.port > 65535); },
     QT_TRANSLATE_NOOP("CommandLine", "--port takes a port number from 1 to 65535.")},
    // An empty name (an unset shell variable) names no file; a run would fail, or do nothing.
    {[](const Asked& a) {
         for (const char* name : {"output", "template", "text", "save", "init"})
             if (a(name) && a.parser.value(QLatin1String(name)).isEmpty())
                 return true;
         return false;
     },
     QT_TRANSLATE_NOOP(
         "CommandLine",
         "--output, --template, --text, --save and --init each need a name, not an empty one.")},
};

}  // namespace

CommandLine ParseCommandLine(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QCoreApplication::translate(
        "CommandLine",
        "Makes single HTML pages from a template. With no argument, or with a project, opens the "
        "window, where F12 builds the page and shows it in the browser; with --build, rebuilds "
        "the page of each project without a window; with --output, makes one page from a title "
        "and a text; with --show, prints projects as text."));
    // Qt's own help option would also list --help-all, for Qt's options, which Wendle refuses;
    // --help-all is still taken, as help.
    const QCommandLineOption help(
        {QStringLiteral("h"), QStringLiteral("help")},
        QCoreApplication::translate("CommandLine", "Displays help on commandline options."));
    QCommandLineOption helpAll(QStringLiteral("help-all"));
    helpAll.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addOptions({help, helpAll});
    const QCommandLineOption version = parser.addVersionOption();
    for (const Option& option : kOptions)
        parser.addOption(
            QCommandLineOption(QString::fromLatin1(option.names).split(QLatin1Char(',')),
                               QCoreApplication::translate("CommandLine", option.help)
                                   .replace(QLatin1String("%1"), QString::number(kPreviewPort)),
                               QString::fromLatin1(option.value)));
    parser.addPositionalArgument(
        QStringLiteral("PROJECT"),
        QCoreApplication::translate("CommandLine", "A project file (*.wendle)."),
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
    const auto value = [&parser](const char* name) { return parser.value(QLatin1String(name)); };
    const Asked asked{parser, line};
    line.projects = parser.positionalArguments();
    line.templateFile = value("template");
    line.allowOutside = asked("allow-outside");
    line.verbose = asked("verbose");
    line.watch = asked("watch");
    line.serve = asked("serve");
    line.port = asked("port") ? value("port").toInt() : 0;  // not a number: 0, refused below
    line.output = value("output");
    line.title = value("title");
    line.textFile = value("text");
    line.from = value("from");
    line.saveProject = value("save");
    line.json = asked("json");
    line.initFolder = value("init");
    QString error = parser.errorText();
    for (const Rule& rule : kRules)
        if (parsed && error.isEmpty() && rule.broken(asked))
            error = QCoreApplication::translate("CommandLine", rule.message);
    if (!error.isEmpty()) {
        std::fprintf(stderr, "wendle: %s\n\n%s", qPrintable(error), qPrintable(HelpText(parser)));
        line.action = CommandLine::Action::Exit;
        line.exitCode = 2;
        return line;
    }
    line.action = asked("build") ? CommandLine::Action::Build
        : asked("output")        ? CommandLine::Action::Output
        : asked("show")          ? CommandLine::Action::Show
        : asked("init")          ? CommandLine::Action::Init
                                 : CommandLine::Action::Window;
    return line;
}
