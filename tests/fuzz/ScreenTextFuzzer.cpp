#include "platform/text/ScreenText.h"

#include "tests/fuzz/FuzzCheck.h"
#include "tests/support/ReferenceText.h"

#include <chrono>
#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <mutex>
#include <string>
#include <thread>

namespace {

// Far above what a decoder that takes each byte once needs for a mebibyte, even instrumented;
// far below what one that looks at the rest of the text again for every byte needs.
constexpr auto kMebibyteBudget = std::chrono::seconds(5);

// Decodes a mebibyte of the given pattern and fails if that takes longer than the budget. The
// watchdog fails from its own thread, since a slow decoder may take hours to return.
void DecodeMebibyteWithinBudget(std::string_view pattern) {
    std::string bytes;
    while (bytes.size() < (std::size_t{1} << 20))
        bytes += pattern;
    std::mutex mutex;
    std::condition_variable done;
    bool finished = false;
    std::thread watchdog([&] {
        std::unique_lock lock(mutex);
        if (!done.wait_for(lock, kMebibyteBudget, [&] { return finished; }))
            fuzz::Fail("decoding a mebibyte of \"" + fuzz::Escaped(pattern) +
                       "\" takes longer than the budget");
    });
    ToScreenText(bytes);
    {
        std::lock_guard lock(mutex);
        finished = true;
    }
    done.notify_one();
    watchdog.join();
}

// Valid UTF-8 as the screen shows it: each control byte but the tab as its symbol (U+2400 on,
// U+2421 for DEL), and the line and paragraph separators as U+2424, so that it stays one line.
std::string ShownOnOneLine(std::string_view utf8) {
    std::string shown;
    for (std::size_t at = 0; at < utf8.size(); ++at) {
        const auto byte = static_cast<unsigned char>(utf8[at]);
        if (byte < 0x20 && byte != '\t') {
            shown += "\xE2\x90";
            shown += static_cast<char>(0x80 + byte);
        } else if (byte == 0x7F) {
            shown += "\xE2\x90\xA1";
        } else if (utf8.substr(at, 3) == "\xE2\x80\xA8" || utf8.substr(at, 3) == "\xE2\x80\xA9") {
            shown += "\xE2\x90\xA4";
            at += 2;
        } else {
            shown += static_cast<char>(byte);
        }
    }
    return shown;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    DecodeMebibyteWithinBudget("\xFF");
    DecodeMebibyteWithinBudget("\x80"
                               "a");
    DecodeMebibyteWithinBudget("\x82\xA0"
                               "\xFF");
    return 0;
}

// ToScreenText on any bytes: valid UTF-8 of at most three bytes for each byte read, on one line
// (no control byte but the tab, no line or paragraph separator); valid UTF-8 comes back as it
// was but for those.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::string text = ToScreenText(bytes);
    if (!reference::IsUtf8(text))
        fuzz::Fail("screen text is not UTF-8", fuzz::Escaped(text));
    if (text.size() > 3 * bytes.size())
        fuzz::Fail("screen text is more than three times as long as its bytes",
                   fuzz::Escaped(text));
    if (ShownOnOneLine(text) != text)
        fuzz::Fail("screen text breaks its line", fuzz::Escaped(text));
    if (reference::IsUtf8(bytes))
        fuzz::CheckEqual("UTF-8 kept as it is", text, ShownOnOneLine(bytes));
    return 0;
}
