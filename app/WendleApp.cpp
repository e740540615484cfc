#include "app/WendleApp.h"

#include "app/CommandLine.h"
#include "app/WendleDlg.h"
#include "build/BatchBuild.h"
#include "build/BatchWatch.h"

#include <QApplication>

#include <cstdio>

std::unique_ptr<QCoreApplication> CWendleApp::CreateApplication(int& argc, char* argv[])
{
    if (WantsWindow(argc, argv))
        return std::make_unique<QApplication>(argc, argv);
    return std::make_unique<QCoreApplication>(argc, argv);
}

int CWendleApp::Run()
{
    const CommandLine line = ParseCommandLine(QCoreApplication::arguments());
    switch (line.action) {
    case CommandLine::Action::Exit:
        return line.exitCode;
    case CommandLine::Action::Build: {
        const ProfileStore profile(ProfileStore::DefaultPath());
        const BatchBuild batch{line.projects, line.templateFile, line.allowOutside, line.verbose};
        if (line.watch)
            return RunBatchWatch(batch, profile);
        return RunBatchBuild(batch, profile) ? 0 : 1;
    }
    case CommandLine::Action::Window:
        // Only arguments that WantsWindow let through get here; the guard keeps any other
        // from reaching widgets without a QApplication.
        if (!qobject_cast<QApplication*>(QCoreApplication::instance())) {
            std::fputs("wendle: these arguments open the window; see wendle --help\n", stderr);
            return 2;
        }
        m_project = line.projects.value(0);
        InitInstance();
        return 0;
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
    if (!m_project.isEmpty())
        dlg.OpenFromCommandLine(m_project);
    dlg.exec();
    return false;
}
