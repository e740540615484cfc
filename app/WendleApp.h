#pragma once

#include <QString>

#include <memory>

class QCoreApplication;

// The application: reads the command line, then runs the main window or rebuilds pages.
class CWendleApp {
public:
    // The application object the arguments need: QApplication for the window, else one that
    // needs no display. Null, after saying so, when the window would need a display and there
    // is none.
    static std::unique_ptr<QCoreApplication> CreateApplication(int& argc, char* argv[]);

    // Does what the command line asks for; gives the exit status.
    int Run();

    // Runs the main window modally, with `m_project` opened when there is one. Returns false:
    // the program ends once the window closes.
    bool InitInstance();

private:
    QString m_project;
};
