#pragma once

// The application: builds the real services, runs the main window and ends.
class CWendleApp {
public:
    // Runs the main window modally. Returns false: the program ends once the window closes.
    bool InitInstance();
};
