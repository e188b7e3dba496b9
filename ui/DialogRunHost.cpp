#include "ui/DialogRunHost.h"

#include "platform/qt/Static.h"
#include "platform/qt/WaitCursor.h"
#include "platform/qt/WinDefs.h"
#include "platform/qt/Wnd.h"
#include "texts/Texts.h"

#include <algorithm>
#include <string>

namespace {
// A run that ends sooner shows no progress, and looks as if it had none.
constexpr std::chrono::milliseconds kQuietStart{500};
constexpr std::chrono::milliseconds kProgressInterval{200};

std::string ProgressText(std::int64_t done, std::int64_t total) {
    if (total <= 0)
        return texts::ProgressText(-1);
    // A file read past the size it reported (a pseudo-file, or one growing) is not done yet.
    return texts::ProgressText(std::min<std::int64_t>(99, done * 100 / total));
}
} // namespace

DialogRunHost::DialogRunHost(CWnd& owner, CStatic& summaryLabel)
    : owner_(owner), summaryLabel_(summaryLabel) {}

void DialogRunHost::ShowMessage(std::string_view text, std::string_view caption, MessageIcon icon) {
    const unsigned iconFlag =
        icon == MessageIcon::Exclamation ? MB_ICONEXCLAMATION : MB_ICONINFORMATION;
    owner_.MessageBox(text, caption, MB_OK | iconFlag);
}

void DialogRunHost::BeginWait() {
    BeginWaitCursor();
    busy_.emplace(owner_);
    started_ = Clock::now();
}

void DialogRunHost::EndWait() {
    closeAsked_ = busy_->CloseAsked();
    busy_.reset();
    EndWaitCursor();
}

bool DialogRunHost::GoOn(std::int64_t done, std::int64_t total) {
    if (!busy_)
        return true;
    const Clock::time_point now = Clock::now();
    if (now - started_ >= kQuietStart && (!shown_ || now - *shown_ >= kProgressInterval)) {
        summaryLabel_.SetWindowText(ProgressText(done, total));
        shown_ = now;
    }
    busy_->Pump();
    return !busy_->StopAsked();
}
