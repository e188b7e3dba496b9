#pragma once

#include "compare/RunHost.h"

class CWnd;

// Hosts a comparison run in a dialog: messages are modal boxes over that dialog, and the busy
// pointer is the window layer's wait cursor.
class DialogRunHost : public RunHost {
public:
    explicit DialogRunHost(CWnd& owner);

    void ShowMessage(std::string_view text, std::string_view caption, MessageIcon icon) override;
    void BeginWait() override;
    void EndWait() override;

private:
    CWnd& owner_;
};
