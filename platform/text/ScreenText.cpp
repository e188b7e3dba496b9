#include "ScreenText.h"

#include <iconv.h>

#include <algorithm>
#include <cstddef>

namespace {

constexpr std::string_view kZeroSymbol = "\u2400";
constexpr std::string_view kReplacement = "\uFFFD";

unsigned char ByteAt(std::string_view bytes, std::size_t index) {
    return static_cast<unsigned char>(bytes[index]);
}

// The length of the UTF-8 sequence at index, or 0 when none starts there; overlong forms,
// surrogates and code points past U+10FFFF are refused so that such bytes go to Shift-JIS.
std::size_t Utf8SequenceLength(std::string_view bytes, std::size_t index) {
    const unsigned char lead = ByteAt(bytes, index);
    if (lead < 0x80) {
        return 1;
    }
    std::size_t length = 0;
    unsigned char secondLow = 0x80;
    unsigned char secondHigh = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        secondLow = lead == 0xE0 ? 0xA0 : 0x80;
        secondHigh = lead == 0xED ? 0x9F : 0xBF;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        secondLow = lead == 0xF0 ? 0x90 : 0x80;
        secondHigh = lead == 0xF4 ? 0x8F : 0xBF;
    } else {
        return 0;
    }
    if (bytes.size() - index < length) {
        return 0;
    }
    const unsigned char second = ByteAt(bytes, index + 1);
    if (second < secondLow || second > secondHigh) {
        return 0;
    }
    for (std::size_t offset = 2; offset < length; ++offset) {
        const unsigned char next = ByteAt(bytes, index + offset);
        if (next < 0x80 || next > 0xBF) {
            return 0;
        }
    }
    return length;
}

bool IsUtf8(std::string_view bytes) {
    for (std::size_t index = 0; index < bytes.size();) {
        const std::size_t length = Utf8SequenceLength(bytes, index);
        if (length == 0) {
            return false;
        }
        index += length;
    }
    return true;
}

bool IsLeadByte(unsigned char byte) {
    return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

// A CP932 conversion descriptor for one call, closed on every path. glibc's CP932 table is the
// exact one: its "SHIFT_JIS" turns the backslash into a yen sign.
class Cp932Decoder {
public:
    Cp932Decoder() : handle_(iconv_open("UTF-8", "CP932")) {}
    ~Cp932Decoder() {
        if (IsOpen()) {
            iconv_close(handle_);
        }
    }
    Cp932Decoder(const Cp932Decoder&) = delete;
    Cp932Decoder& operator=(const Cp932Decoder&) = delete;

    // Appends the UTF-8 of the bytes up to the first character that the table refuses and
    // returns how many bytes it took. Without the table (no gconv modules) only ASCII gets through.
    std::size_t AppendRun(std::string_view bytes, std::string& out) {
        if (!IsOpen()) {
            const auto end = std::ranges::find_if(bytes, [](char byte) { return byte & 0x80; });
            const auto taken = static_cast<std::size_t>(end - bytes.begin());
            out.append(bytes.substr(0, taken));
            return taken;
        }
        // No CP932 character takes more than three bytes of UTF-8 per byte of its own.
        const std::size_t start = out.size();
        out.resize(start + 3 * bytes.size());
        char* in = const_cast<char*>(bytes.data()); // iconv never writes its input
        std::size_t inLeft = bytes.size();
        char* outCursor = out.data() + start;
        std::size_t outLeft = out.size() - start;
        if (iconv(handle_, &in, &inLeft, &outCursor, &outLeft) == static_cast<std::size_t>(-1)) {
            iconv(handle_, nullptr, nullptr, nullptr, nullptr);
        }
        out.resize(static_cast<std::size_t>(outCursor - out.data()));
        return bytes.size() - inLeft;
    }

private:
    bool IsOpen() const { return handle_ != reinterpret_cast<iconv_t>(-1); }

    iconv_t handle_;
};

std::string FromCp932(std::string_view bytes) {
    Cp932Decoder decoder;
    std::string out;
    std::size_t index = decoder.AppendRun(bytes, out);
    while (index < bytes.size()) {
        // A refused pair stands in as one character. An ASCII byte after a lead byte, or any
        // byte that cannot trail, is read again on its own, so that no letter is swallowed.
        const unsigned char next = index + 1 < bytes.size() ? ByteAt(bytes, index + 1) : 0;
        const bool refusedPair = IsLeadByte(ByteAt(bytes, index)) && next >= 0x80 && next <= 0xFC;
        out += kReplacement;
        index += refusedPair ? 2 : 1;
        index += decoder.AppendRun(bytes.substr(index), out);
    }
    return out;
}

// UTF-8 holds a zero byte only for U+0000, so the replacement can run after decoding.
std::string ShowZeroBytes(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (const char byte : text) {
        if (byte == '\0') {
            out += kZeroSymbol;
        } else {
            out += byte;
        }
    }
    return out;
}

} // namespace

std::string ToScreenText(std::string_view bytes) {
    if (IsUtf8(bytes)) {
        return ShowZeroBytes(bytes);
    }
    return ShowZeroBytes(FromCp932(bytes));
}
