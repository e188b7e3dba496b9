#pragma once

class CWnd;

// The application object: one global instance, constructed before AfxWinMain runs.
class CWinApp {
public:
    CWinApp();
    virtual ~CWinApp();
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;

    // Runs the program; returning false ends it without a message loop.
    virtual bool InitInstance() { return false; }

    CWnd* mainWindow = nullptr;
};

CWinApp* AfxGetApp();

// Sets up the window system (fonts of the templates included), calls InitInstance on the one
// application object and returns the process's exit status. Command-line arguments are ignored.
int AfxWinMain(int argc, char** argv);
