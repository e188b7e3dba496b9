#include "ScreenText.h"

#include "FuzzCheck.h"
#include "ReferenceText.h"

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

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    DecodeMebibyteWithinBudget("\xFF");
    DecodeMebibyteWithinBudget("\x80"
                               "a");
    DecodeMebibyteWithinBudget("\x82\xA0"
                               "\xFF");
    return 0;
}

// ToScreenText on any bytes: valid UTF-8 of at most three bytes for each byte read, with no zero
// byte; valid UTF-8 without zero bytes comes back unchanged.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::string text = ToScreenText(bytes);
    if (!reference::IsUtf8(text))
        fuzz::Fail("screen text is not UTF-8", fuzz::Escaped(text));
    if (text.size() > 3 * bytes.size())
        fuzz::Fail("screen text is more than three times as long as its bytes",
                   fuzz::Escaped(text));
    if (text.find('\0') != std::string::npos)
        fuzz::Fail("screen text holds a zero byte", fuzz::Escaped(text));
    if (reference::IsUtf8(bytes) && bytes.find('\0') == std::string_view::npos)
        fuzz::CheckEqual("UTF-8 kept as it is", text, bytes);
    return 0;
}
