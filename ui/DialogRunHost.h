#pragma once

#include "compare/RunHost.h"
#include "compare/RunProgress.h"
#include "platform/qt/BusyWindow.h"

#include <chrono>
#include <optional>

class CStatic;
class CWnd;

// Hosts a comparison run in a dialog: messages are modal boxes over that dialog, and the busy
// pointer is the window layer's wait cursor. While the comparison goes on the dialog keeps
// painting, with its input held off; a run that takes longer than a moment shows its progress
// in the summary label, and Escape or the close box stop it.
class DialogRunHost : public RunHost, public RunProgress {
public:
    DialogRunHost(CWnd& owner, CStatic& summaryLabel);

    void ShowMessage(std::string_view text, std::string_view caption, MessageIcon icon) override;
    void BeginWait() override;
    void EndWait() override;
    bool GoOn(std::int64_t done, std::int64_t total) override;

    // Whether the close box was pressed during the run, to be carried out now that it is over.
    bool CloseAsked() const { return closeAsked_; }

private:
    using Clock = std::chrono::steady_clock;

    CWnd& owner_;
    CStatic& summaryLabel_;
    std::optional<BusyWindow> busy_;
    Clock::time_point started_;
    std::optional<Clock::time_point> shown_;
    bool closeAsked_ = false;
};
