#include "platform/text/Cp932Text.h"

#include "encoding/ShiftJis.h"

#include <iconv.h>

#include <algorithm>
#include <array>
#include <cerrno>

namespace {

constexpr std::string_view kReplacement = "\uFFFD";
// The bytes handed to the table at a time, which bounds the work done past the last character
// that is wanted.
constexpr std::size_t kWindow = 1024;
// No CP932 character takes more than three bytes of UTF-8 per byte of its own.
constexpr std::size_t kMaxUtf8PerByte = 3;

unsigned char ByteAt(std::string_view bytes, std::size_t index) {
    return static_cast<unsigned char>(bytes[index]);
}

// Bytes that start no character, neither alone nor as the lead byte of a pair; they need not
// go through the table.
bool StartsNothing(unsigned char byte) {
    return byte == 0x80 || byte == 0xA0 || byte >= 0xFD;
}

bool StartsCharacter(char utf8Byte) {
    return (static_cast<unsigned char>(utf8Byte) & 0xC0) != 0x80;
}

enum class Stop { End, Refused, Incomplete };

struct Run {
    std::size_t taken = 0;
    Stop stop = Stop::End;
};

// A CP932 conversion descriptor for one call, closed on every path. glibc's CP932 table is the
// exact one: its "SHIFT_JIS" turns the backslash into a yen sign.
class Cp932Decoder {
public:
    Cp932Decoder() : handle_(iconv_open("UTF-8", "CP932")) {}
    ~Cp932Decoder() {
        if (IsOpen())
            iconv_close(handle_);
    }
    Cp932Decoder(const Cp932Decoder&) = delete;
    Cp932Decoder& operator=(const Cp932Decoder&) = delete;

    // Appends the UTF-8 of the window's bytes up to the first character that the table refuses
    // or that the window's end cuts in two. Without the table (no gconv modules) only ASCII
    // gets through.
    Run AppendRun(std::string_view window, std::string& out) {
        if (!IsOpen()) {
            const auto end = std::ranges::find_if(window, [](char byte) { return byte & 0x80; });
            const auto taken = static_cast<std::size_t>(end - window.begin());
            out.append(window.substr(0, taken));
            return {taken, taken == window.size() ? Stop::End : Stop::Refused};
        }
        std::array<char, kWindow * kMaxUtf8PerByte> buffer;
        char* in = const_cast<char*>(window.data()); // iconv never writes its input
        std::size_t inLeft = window.size();
        char* outCursor = buffer.data();
        std::size_t outLeft = buffer.size();
        Stop stop = Stop::End;
        if (iconv(handle_, &in, &inLeft, &outCursor, &outLeft) == static_cast<std::size_t>(-1)) {
            stop = errno == EINVAL ? Stop::Incomplete : Stop::Refused;
            iconv(handle_, nullptr, nullptr, nullptr, nullptr);
        }
        out.append(buffer.data(), static_cast<std::size_t>(outCursor - buffer.data()));
        return {window.size() - inLeft, stop};
    }

private:
    bool IsOpen() const { return handle_ != reinterpret_cast<iconv_t>(-1); }

    iconv_t handle_;
};

// Cuts UTF-8 after its first maxCharacters characters.
void KeepCharacters(std::string& utf8, std::size_t maxCharacters) {
    std::size_t characters = 0;
    for (std::size_t index = 0; index < utf8.size(); ++index) {
        if (StartsCharacter(utf8[index]) && characters++ == maxCharacters) {
            utf8.resize(index);
            return;
        }
    }
}

} // namespace

std::string Cp932ToUtf8(std::string_view bytes, std::size_t maxCharacters) {
    Cp932Decoder decoder;
    std::string out;
    std::size_t characters = 0;
    std::size_t index = 0;
    while (index < bytes.size() && characters < maxCharacters) {
        if (!StartsNothing(ByteAt(bytes, index))) {
            const std::string_view window = bytes.substr(index, kWindow);
            const std::size_t before = out.size();
            const Run run = decoder.AppendRun(window, out);
            characters += static_cast<std::size_t>(std::count_if(
                out.begin() + static_cast<std::ptrdiff_t>(before), out.end(), StartsCharacter));
            index += run.taken;
            const bool windowCutACharacter =
                run.stop == Stop::Incomplete && index - run.taken + window.size() < bytes.size();
            if (run.stop == Stop::End || windowCutACharacter)
                continue;
        }
        // A refused pair stands in as one character. An ASCII byte after a lead byte, or any
        // byte that cannot trail, is read again on its own, so that no letter is swallowed.
        const unsigned char next = index + 1 < bytes.size() ? ByteAt(bytes, index + 1) : 0;
        const bool refusedPair =
            IsShiftJisLeadByte(ByteAt(bytes, index)) && next >= 0x80 && IsShiftJisTrailByte(next);
        out += kReplacement;
        ++characters;
        index += refusedPair ? 2 : 1;
    }
    KeepCharacters(out, maxCharacters);
    return out;
}
