#include "tests/support/RecordingHost.h"

void RecordingHost::ShowMessage(std::string_view text, std::string_view caption, MessageIcon icon) {
    events.emplace_back("ShowMessage");
    messages.push_back({std::string(text), std::string(caption), icon});
}

void RecordingHost::BeginWait() {
    events.emplace_back("BeginWait");
    if (onBeginWait)
        onBeginWait();
}

void RecordingHost::EndWait() {
    events.emplace_back("EndWait");
}
