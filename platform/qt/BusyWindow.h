#pragma once

#include <memory>

class CWnd;

// While a long piece of work holds the thread that runs the windows: Pump() lets the window
// system's events through now and then, so that the program's windows paint, while the user's
// input is dropped. Escape, and the close box of the given window, ask the work to stop
// instead; a close asked for this way is left to the caller to carry out once the work ends.
class BusyWindow {
public:
    explicit BusyWindow(CWnd& window);
    ~BusyWindow();
    BusyWindow(const BusyWindow&) = delete;
    BusyWindow& operator=(const BusyWindow&) = delete;

    // Handles the events that came in meanwhile, unless it did so a moment ago.
    void Pump();
    bool StopAsked() const;
    bool CloseAsked() const;

private:
    class InputHold;
    std::unique_ptr<InputHold> hold_;
};
