#include "cli/TerminalHost.h"

void TerminalHost::ShowMessage(std::string_view text, std::string_view caption, MessageIcon) {
    std::fflush(output_);
    std::fwrite(caption.data(), 1, caption.size(), errors_);
    std::fputs(": ", errors_);
    std::fwrite(text.data(), 1, text.size(), errors_);
    std::fputc('\n', errors_);
    std::fflush(errors_);
}
