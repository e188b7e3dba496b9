#include "ui/DialogRunHost.h"

#include "platform/qt/WaitCursor.h"
#include "platform/qt/WinDefs.h"
#include "platform/qt/Wnd.h"

DialogRunHost::DialogRunHost(CWnd& owner) : owner_(owner) {}

void DialogRunHost::ShowMessage(std::string_view text, std::string_view caption, MessageIcon icon) {
    const unsigned iconFlag =
        icon == MessageIcon::Exclamation ? MB_ICONEXCLAMATION : MB_ICONINFORMATION;
    owner_.MessageBox(text, caption, MB_OK | iconFlag);
}

void DialogRunHost::BeginWait() {
    BeginWaitCursor();
}

void DialogRunHost::EndWait() {
    EndWaitCursor();
}
