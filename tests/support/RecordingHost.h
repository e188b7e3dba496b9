#pragma once

#include "compare/RunHost.h"

#include <functional>
#include <string>
#include <vector>

// A RunHost that records every message and every change of the busy pointer in order, and
// can act from inside BeginWait, the moment between a run's checks and its comparison.
class RecordingHost : public RunHost {
public:
    struct Message {
        std::string text;
        std::string caption;
        MessageIcon icon;
        bool operator==(const Message&) const = default;
    };

    void ShowMessage(std::string_view text, std::string_view caption, MessageIcon icon) override;
    void BeginWait() override;
    void EndWait() override;

    std::vector<Message> messages;
    // "ShowMessage", "BeginWait" and "EndWait" in the order they happened.
    std::vector<std::string> events;
    std::function<void()> onBeginWait;
};
