#include "app/WendleApp.h"

#include "app/CommandLine.h"
#include "app/Translations.h"
#include "app/WendleDlg.h"
#include "build/BatchBuild.h"
#include "build/BatchWatch.h"
#include "build/OnePage.h"
#include "project/ProjectScripts.h"
#include "services/Errors.h"
#include "services/FileAccess.h"
#include "services/Messages.h"
#include "services/Signals.h"
#include "services/WindowText.h"

#include <QApplication>
#include <QSocketNotifier>
#include <QTimer>

#include <clocale>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <system_error>
#include <thread>

#include <dlfcn.h>
#include <unistd.h>

namespace {

// Said while the window's application is missing or half built: the catalogue is read without
// being installed, since installing one sends an event to the application.
void SayNoDisplay()
{
    static const char* const text = QT_TRANSLATE_NOOP(
        "CWendleApp",
        "the window needs a display, and none was found (in an SSH session, a container or a\n"
        "terminal without a desktop). Pages can be built without one: wendle --build PROJECT...");
    std::fprintf(stderr, "wendle: %s\n", qPrintable(TranslateAlone("CWendleApp", text)));
}
// Qt's messages while the window's application starts, held back: when no display can be
// reached Qt gives up with a fatal message (and an abort), and the user is told plainly instead.
QStringList heldBack;

void HoldBack(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type != QtFatalMsg) {
        heldBack << message;
        return;
    }
    SayNoDisplay();
    std::_Exit(1);
}

// Fontconfig reads and parses every file of /etc/fonts at its first use, about a third of the
// window's start-up, which Qt would do only at the first text measured, after loading its
// platform plugin and connecting to the display. Begun on a thread of its own before the
// application is built, the two run side by side. The library is the one Qt itself loaded,
// found by name, so nothing is linked that Qt does not use.
// Fontconfig reads the locale and the environment, which Qt changes while it starts: the locale
// is set here first, to what Qt sets it to, and a start by a desktop launcher, whose startup
// token Qt takes out of the environment, leaves the parse to Qt, as does a thread that cannot
// start (a limit on processes). Gives the thread to join, or none.
std::thread StartFontconfig()
{
    std::setlocale(LC_ALL, "");
    const auto init = reinterpret_cast<int (*)()>(::dlsym(RTLD_DEFAULT, "FcInit"));
    if (!init || qEnvironmentVariableIsSet("DESKTOP_STARTUP_ID")
        || qEnvironmentVariableIsSet("XDG_ACTIVATION_TOKEN"))
        return {};
    try {
        return std::thread(init);
    } catch (const std::system_error&) {
        return {};
    }
}

// The arguments, each decoded once, by ArgumentText: a name that is not UTF-8 keeps its bytes,
// to be refused as it stands rather than reach another file, and a title in Windows-1252 gets
// its bytes back to be read as --text would read them.
QStringList arguments;

void KeepArguments(int argc, char* argv[])
{
    for (int i = 0; i < argc; ++i)
        arguments << ArgumentText(argv[i]);
}

// A name from the command line as the path it names (AbsolutePath, which refuses what reaches
// no file), before anything is read or written; "-" for a standard stream and the empty name
// (none given) stay as they are.
QString PathOf(const QString& name)
{
    return name.isEmpty() || name == QLatin1String("-") ? name : AbsolutePath(name);
}

// Runs a command that writes files with signals held until it is done (HoldSignalsWhileWriting),
// then ends the run if one came.
int Writing(const std::function<int()>& command)
{
    HoldSignalsWhileWriting();
    const int status = command();
    EndIfStopRequested();
    return status;
}

QStringList PathsOf(const QStringList& names)
{
    QStringList paths;
    for (const QString& name : names)
        paths << PathOf(name);
    return paths;
}

}  // namespace

std::unique_ptr<QCoreApplication> CWendleApp::CreateApplication(int& argc, char* argv[])
{
    if (!WantsWindow(argc, argv)) {
        auto app = std::make_unique<QCoreApplication>(argc, argv);
        KeepArguments(argc, argv);
        return app;
    }
    // No platform is named and none could be found: say so before Qt aborts.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY")
        && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")) {
        SayNoDisplay();
        return nullptr;
    }
    std::thread fonts = StartFontconfig();
    const QtMessageHandler previous = qInstallMessageHandler(HoldBack);
    auto app = std::make_unique<QApplication>(argc, argv);
    qInstallMessageHandler(previous);
    if (fonts.joinable())
        fonts.join();
    UseDialogButtonStyle();
    for (const QString& message : std::exchange(heldBack, {}))
        std::fprintf(stderr, "%s\n", qPrintable(message));
    // What Qt has left of them, its own options (-style, -platform) taken out.
    KeepArguments(argc, argv);
    return app;
}

int CWendleApp::Run()
{
    const CommandLine line = ParseCommandLine(arguments);
    try {
        switch (line.action) {
        case CommandLine::Action::Exit:
            return line.exitCode;
        case CommandLine::Action::Build: {
            const ProfileStore profile(ProfileStore::DefaultPath());
            const BatchBuild batch{
                line.projects,     PathsOf(line.projects), PathOf(line.templateFile),
                line.allowOutside, line.verbose,           line.serve,
                line.port};
            if (line.watch)
                return RunBatchWatch(batch, profile);
            return Writing([&] { return RunBatchBuild(batch, profile) ? 0 : 1; });
        }
        case CommandLine::Action::Output: {
            const OnePage request{PathOf(line.output),
                                  PathOf(line.templateFile),
                                  ArgumentBytes(line.title),
                                  PathOf(line.textFile),
                                  line.from,
                                  PathOf(line.saveProject)};
            return Writing(
                [&] { return RunOnePage(request, ProfileStore(ProfileStore::DefaultPath())); });
        }
        case CommandLine::Action::Show:
            return RunShow(line.projects, PathsOf(line.projects), line.json);
        case CommandLine::Action::Init: {
            const QString path = PathOf(line.initFolder);
            return Writing([&] { return RunInit(line.initFolder, path); });
        }
        case CommandLine::Action::Window:
            // Only arguments that WantsWindow let through get here; the guard keeps any other
            // from reaching widgets without a QApplication.
            if (!qobject_cast<QApplication*>(QCoreApplication::instance())) {
                std::fprintf(
                    stderr, "wendle: %s\n",
                    qPrintable(QCoreApplication::translate(
                        "CWendleApp", "these arguments open the window; see wendle --help")));
                return 2;
            }
            // Its name is checked where Open would check it, and a refusal shown in the window.
            m_project = line.projects.value(0);
            InitInstance();
            return 0;
        }
    } catch (const CommandError& error) {
        ReportFailure(error.message());
        return 1;
    }
    return 0;
}

bool CWendleApp::InitInstance()
{
    QtFilePrompt prompt;
    QtMessages messages;
    ProfileStore profile(ProfileStore::DefaultPath());
    Services services{prompt, messages, profile};

    CWendleDlg dlg(services);
    // A session torn down, kill, a shutdown, Ctrl+C: the typing is kept for the next start
    // first. No message box: at a logout no one is there to click it away.
    if (QSocketNotifier* notifier = NotifyOnSignals({SIGTERM, SIGHUP, SIGINT}, &dlg))
        QObject::connect(notifier, &QSocketNotifier::activated, [&dlg](QSocketDescriptor fd) {
            char signal = 0;
            [[maybe_unused]] const ssize_t got = ::read(int(fd), &signal, 1);
            const QString error = dlg.SaveRecoveryNow();
            if (!error.isEmpty())
                std::fprintf(stderr, "wendle: %s\n",
                             qPrintable(QCoreApplication::translate(
                                            "CWendleApp",
                                            "the typing could not be kept for the next start: %1")
                                            .arg(error)));
            std::signal(signal, SIG_DFL);
            std::raise(signal);
        });
    const auto open = [this, &dlg] {
        if (!m_project.isEmpty())
            dlg.OpenFromCommandLine(m_project);
    };
    // Restored work is on the screen before anything asks about it.
    if (dlg.OfferRecoveredWork())
        QTimer::singleShot(0, &dlg, open);
    else
        open();
    dlg.exec();
    return false;
}
